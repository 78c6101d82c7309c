// The drawing tools: straight and freehand strokes and the eraser in a layer of their own over the
// background, clearing all strokes, the undo history of the student's changes, and the export of the
// finished diagram as a bitmap.
#include "diagram/TFormSchemaCinematique.h"

#include "common/Dialogues.h"
#include "common/FPfichier.h"
#include "common/FPti.h"
#include "common/ImageFeuille.h"
#include "common/Pixels24Bits.h"
#include "diagram/CalquesSchema.h"
#include "diagram/CommandesSchema.h"
#include "diagram/GlyphesSchema.h"
#include "diagram/ImageSchema.h"
#include "diagram/PanneauOutils.h"
#include "diagram/Quadrillage.h"
#include "diagram/SymboleSchema.h"

#include <QAction>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollArea>
#include <QToolButton>
#include <QUndoStack>
#include <cstring>

namespace {
const QString QuestionEffacer = QStringLiteral("Etes-vous sûr de vouloir effacer tous les traits ?");
const QString QuestionAvecTrame =
    QStringLiteral("Voulez-vous enregistrer le schéma cinématique avec la trame de fond ?");
const QString TitreConfirmation = QStringLiteral("Confirmation");
const QString TitreInformation = QStringLiteral("Information");
const QString MessageRienAEnregistrer =
    QStringLiteral("Aucun schéma cinématique n'est ouvert : il n'y a rien à enregistrer.");
const QString TitreDialogueEnregistrer = QStringLiteral("Enregistrer le schéma cinématique");
const QString FiltreEnregistrer = QStringLiteral("Bitmaps (*.bmp)|*.bmp");
const QString ExtensionBmp = QStringLiteral("bmp");
constexpr int LargeurTrait = 3;
constexpr int LargeurGomme = 2 * PasQuadrillage;
constexpr int LimiteHistorique = 100;
constexpr qsizetype OctetsHistoriqueMax = qsizetype(64) << 20;

// The glyph at 100 % and at 200 %: a high-density screen takes the second instead of enlarging the first.
QIcon Glyphe(QImage (*dessin)(qreal))
{
    QIcon icone(QPixmap::fromImage(AvecTransparence(dessin(1))));
    icone.addPixmap(QPixmap::fromImage(AvecTransparence(dessin(2))));
    return icone;
}

// Copies a rectangle of pixels of one 24-bit picture into another at the same place.
void CopierZone(const QImage &source, QImage &destination, const QRect &zone)
{
    const QRect z = zone.intersected(source.rect()).intersected(destination.rect());
    for (int y = z.top(); y <= z.bottom(); ++y)
        std::memcpy(destination.scanLine(y) + 3 * z.left(), source.constScanLine(y) + 3 * z.left(),
                    std::size_t(z.width()) * 3);
}
} // namespace

void TFormSchemaCinematique::DessinCreation()
{
    CrayonTrait = QPen(Qt::black, LargeurTrait, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    CrayonGomme = QPen(CouleurVersQColor(clBtnFace), LargeurGomme, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    SpeedBoutonTrait = BoutonPanneau(Panel, QStringLiteral("SpeedBoutonTrait"), QStringLiteral("Trait droit"), 8);
    SpeedBoutonTrait->setIcon(Glyphe(GlypheTraitDroit));
    SpeedBoutonSpline =
        BoutonPanneau(Panel, QStringLiteral("SpeedBoutonSpline"), QStringLiteral("Trait à main levée"), 40);
    SpeedBoutonSpline->setIcon(Glyphe(GlypheTraitMainLevee));
    SpeedBoutonGomme = BoutonPanneau(Panel, QStringLiteral("SpeedBoutonGomme"), QStringLiteral("Gomme"), 72);
    SpeedBoutonGomme->setIcon(Glyphe(GlypheGomme));
    SpeedBoutonEffacer =
        BoutonPanneau(Panel, QStringLiteral("SpeedBoutonEffacer"), QStringLiteral("Tout effacer"), 104);
    SpeedBoutonEffacer->setIcon(Glyphe(GlypheToutEffacer));
    SpeedBoutonEffacer->setCheckable(false); // it clears and never stays down
    for (QToolButton *bouton : {SpeedBoutonTrait, SpeedBoutonSpline, SpeedBoutonGomme, SpeedBoutonEffacer})
        connect(bouton, &QToolButton::clicked, this, [this, bouton] { DessinSpeedButtonClick(bouton); });
    Historique->setUndoLimit(LimiteHistorique);
}

void TFormSchemaCinematique::DessinInitialisation()
{
    for (QToolButton *bouton : {SpeedBoutonTrait, SpeedBoutonSpline, SpeedBoutonGomme})
        bouton->setChecked(false);
    LiaisonOnMouse(false);
    ImageFond->unsetCursor();
    TraitEnCours = false;
    TraitAuClavier = false;
    CurseurClavier = QPoint(-1, -1);
    ImageCurseur->hide();
    BitmapDessin = QImage();
    BitmapInstantane = QImage();
    CalqueAvantTrait = QImage();
    Traces = {};
    Historique->clear();
}

void TFormSchemaCinematique::DessinEdition()
{
    TraitEnCours = false;
    TraitAuClavier = false;
    Historique->clear();
    Traces = {};
    BitmapDessin = NouvelleImageFeuille(ImageFond->size(), QImage::Format_RGB888);
    RemplirImage(BitmapDessin, clBtnFace);
    BoutonCe[1]->setChecked(true);
    CeSpeedButtonClick(1);
    DessinDessiner();
    CurseurClavier = QPoint(-1, -1);
    CurseurAfficher();
}

void TFormSchemaCinematique::DessinDessiner(const QRect &zone)
{
    ComposerAffichage(MenuTrame->isChecked() ? BitmapTrame : QImage(), BitmapDessin, CouleurVersRvb(clBtnFace),
                      ImageFond->image(), zone);
    if (zone.isEmpty())
        ImageFond->update();
    else
        ImageFond->rafraichir(zone);
}

QToolButton *TFormSchemaCinematique::OutilEnfonce() const
{
    for (QToolButton *bouton : {SpeedBoutonTrait, SpeedBoutonSpline, SpeedBoutonGomme}) {
        if (bouton->isChecked())
            return bouton;
    }
    return nullptr;
}

void TFormSchemaCinematique::DessinSpeedButtonClick(QToolButton *bouton)
{
    // A stroke started with the keyboard and left unfinished belongs to the tool it was started with.
    TraitAbandonner();
    if (bouton == SpeedBoutonEffacer) {
        for (QToolButton *outil : {SpeedBoutonTrait, SpeedBoutonSpline, SpeedBoutonGomme})
            outil->setChecked(false);
        if (dialogues().Question(TitreConfirmation, QuestionEffacer) && !BitmapDessin.isNull()) {
            const Rvb surface = CouleurVersRvb(clBtnFace);
            ZoneTraits traits(BitmapDessin, BitmapDessin.rect(), surface);
            if (!traits.vide())
                HistoriqueTraits(std::move(traits), ZoneTraits(BitmapDessin.rect(), surface), TracesSchema());
        }
    } else if (bouton->isChecked()) {
        for (QToolButton *outil : {SpeedBoutonTrait, SpeedBoutonSpline, SpeedBoutonGomme}) {
            if (outil != bouton)
                outil->setChecked(false);
        }
    }
    const bool outilActif = OutilEnfonce() != nullptr;
    LiaisonOnMouse(outilActif);
    if (outilActif)
        ImageFond->setCursor(Qt::CrossCursor);
    else
        ImageFond->unsetCursor();
    CurseurAfficher();
}

bool TFormSchemaCinematique::ImageFondEvenement(QEvent *evenement, QPoint decalage)
{
    switch (evenement->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        const auto *souris = static_cast<QMouseEvent *>(evenement);
        // A stroke whose release never came (the pointer was taken by another window) ends here.
        if (TraitEnCours && souris->buttons() == souris->button())
            ImageFondMouseUp(PositionCourante);
        ImageFondMouseDown(souris->position().toPoint() + decalage);
        return true;
    }
    case QEvent::MouseMove: {
        const auto *souris = static_cast<QMouseEvent *>(evenement);
        ImageFondMouseMove(souris->buttons(), souris->position().toPoint() + decalage);
        return true;
    }
    case QEvent::MouseButtonRelease:
        ImageFondMouseUp(static_cast<QMouseEvent *>(evenement)->position().toPoint() + decalage);
        return true;
    default: return false;
    }
}

void TFormSchemaCinematique::ImageFondMouseDown(QPoint position)
{
    QToolButton *outil = OutilEnfonce();
    if (outil == nullptr || TraitEnCours || BitmapDessin.isNull())
        return;
    TraitAuClavier = false; // a stroke is the mouse's unless Espace started it
    if (SurQuadrillage())
        PositionSurQuadrillage(position);
    PointOrigine = position;
    PositionCourante = position;
    // The keyboard goes on from where the mouse last pressed.
    CurseurPlacer(position);
    CurseurAfficher();
    CrayonGomme.setColor(CouleurVersQColor(clBtnFace));
    CrayonCourant = outil == SpeedBoutonGomme ? CrayonGomme : CrayonTrait;
    TraceEnCours = {QPolygon{position}, CrayonCourant.color(), CrayonCourant.width(), outil == SpeedBoutonGomme};
    BitmapInstantane = ImageFond->image();
    CalqueAvantTrait = BitmapDessin;
    ZoneTrait = QRect();
    ZoneApercu = QRect();
    TraitEnCours = true;
}

// Draws a line with the pen of the stroke on the display, and on the strokes layer when surCalque.
// A line from a point to itself draws nothing.
void TFormSchemaCinematique::TracerLigne(QPoint depuis, QPoint vers, bool surCalque)
{
    if (depuis == vers)
        return;
    const int marge = CrayonCourant.width() / 2 + 2;
    const QRect zone = QRect(depuis, vers).normalized().adjusted(-marge, -marge, marge, marge);
    const auto tracer = [&](QImage &image) {
        QPainter peintre(&image);
        peintre.setPen(CrayonCourant);
        peintre.drawLine(depuis, vers);
    };
    tracer(ImageFond->image());
    ImageFond->rafraichir(zone);
    if (surCalque) {
        tracer(BitmapDessin);
        ZoneTrait |= zone.intersected(BitmapDessin.rect());
    } else {
        ZoneApercu = zone;
    }
}

void TFormSchemaCinematique::ImageFondMouseMove(Qt::MouseButtons boutons, QPoint position)
{
    if (!TraitEnCours || !(boutons & (Qt::LeftButton | Qt::RightButton)))
        return;
    if (SurQuadrillage())
        PositionSurQuadrillage(position);
    if (OutilEnfonce() == SpeedBoutonTrait) {
        // The preview: the line of the last move is wiped out from the picture of the press.
        CopierZone(BitmapInstantane, ImageFond->image(), ZoneApercu);
        ImageFond->rafraichir(ZoneApercu);
        ZoneApercu = QRect();
        TracerLigne(PointOrigine, position, false);
        PositionCourante = position;
    } else {
        TracerLigne(PositionCourante, position, true);
        if (position != PositionCourante)
            TraceEnCours.points << position;
        PositionCourante = position;
    }
}

void TFormSchemaCinematique::ImageFondMouseUp(QPoint position)
{
    if (!TraitEnCours)
        return;
    TraitEnCours = false;
    TraitAuClavier = false;
    if (OutilEnfonce() == SpeedBoutonTrait) {
        if (SurQuadrillage())
            PositionSurQuadrillage(position);
        CopierZone(BitmapInstantane, ImageFond->image(), ZoneApercu);
        ImageFond->rafraichir(ZoneApercu);
        TracerLigne(PointOrigine, position, true);
        TraceEnCours.points = QPolygon{PointOrigine, position};
    }
    const Rvb surface = CouleurVersRvb(clBtnFace);
    ZoneTraits avant(CalqueAvantTrait, ZoneTrait, surface);
    ZoneTraits apres(BitmapDessin, ZoneTrait, surface);
    CalqueAvantTrait = QImage();
    BitmapInstantane = QImage();
    // Only what the stroke covered changed on the display: that is made again from the kept pictures,
    // by doing the step when the strokes layer changed.
    if (avant != apres)
        HistoriqueTraits(std::move(avant), std::move(apres), Traces.ajoute(std::move(TraceEnCours)));
    else if (!ZoneTrait.isEmpty())
        DessinDessiner(ZoneTrait);
}

// Puts a change of the strokes layer in the history, within its bytes; doing it shows it.
void TFormSchemaCinematique::HistoriqueTraits(ZoneTraits avant, ZoneTraits apres, TracesSchema tracesApres)
{
    Historique->push(new CommandeTraits(
        [this](const ZoneTraits &pixels, const TracesSchema &traces) {
            Traces = traces;
            RemplacerTraits(pixels);
        },
        std::move(avant), std::move(apres), Traces, std::move(tracesApres)));
    BornerHistorique(*Historique, OctetsHistoriqueMax);
    MenuAnnuler->setEnabled(PeutAnnuler(*Historique));
}

void TFormSchemaCinematique::RemplacerTraits(const ZoneTraits &pixels)
{
    pixels.Poser(BitmapDessin);
    DessinDessiner(pixels.zone());
}

void TFormSchemaCinematique::MenuAnnulerClick()
{
    if (!TraitEnCours && SymboleDeplace < 0 && PeutAnnuler(*Historique))
        Historique->undo();
}

void TFormSchemaCinematique::MenuRetablirClick()
{
    if (!TraitEnCours && SymboleDeplace < 0)
        Historique->redo();
}

void TFormSchemaCinematique::MenuEnregistrerClick() { EnregistrerSchema(); }

bool TFormSchemaCinematique::EnregistrerSchema()
{
    if (!SchemaOuvert) {
        dialogues().Message(MessageRienAEnregistrer);
        return false;
    }
    const QString chemin = dialogues().FichierAEnregistrer(
        DossierSpecial(DossierDocumentsUtilisateur), FiltreEnregistrer, ExtensionBmp, true, TitreDialogueEnregistrer);
    if (chemin.isEmpty())
        return false;
    const bool avecFond = dialogues().Question(TitreInformation, QuestionAvecTrame);
    const Rvb surface = CouleurVersRvb(clBtnFace);
    // Without a background there is no drawing surface: the symbols are saved as they stand in the
    // drawing area.
    const bool avecSurface = !BitmapDessin.isNull() && !BitmapDessin.size().isEmpty();
    QImage traits = BitmapDessin;
    QPoint origine = OrigineImageFond();
    if (!avecSurface) {
        traits = QImage(Contenu->size(), QImage::Format_RGB888);
        RemplirImage(traits, clBtnFace);
        origine = QPoint(0, 0);
    }
    std::vector<SymbolePlace> symboles;
    for (int k = 0; k <= Schema.NbrLiaison; ++k) {
        const QLabel *image = ImageLiaison[std::size_t(k)];
        if (!image->isHidden())
            symboles.push_back({PictureLiaison[std::size_t(k)], image->pos() - origine});
    }
    if (const auto erreur = EnregistrerBmpSchema(chemin, BitmapTrame, traits, avecFond, symboles, surface)) {
        dialogues().Erreur(*erreur);
        return false;
    }
    Historique->setClean();
    return true;
}
