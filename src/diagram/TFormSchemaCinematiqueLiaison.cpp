// The joint symbols: built from the catalogue in the class colours, laid along the top, dragged by
// the student onto the background (snapped on a grid), or passing the mouse on to the background
// while a drawing tool is down.
#include "diagram/TFormSchemaCinematique.h"

#include "common/ChargementImage.h"
#include "common/Dialogues.h"
#include "common/TrouverChemin.h"
#include "diagram/CommandesSchema.h"
#include "diagram/GlyphesSchema.h"
#include "diagram/ImageLiaisonSchema.h"
#include "diagram/ImageSchema.h"
#include "diagram/Quadrillage.h"
#include "diagram/SymboleSchema.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollArea>
#include <QUndoStack>

namespace {
const QString NomSymboleBati = QStringLiteral("Symbole du bâti");
const QString NomSymboleLiaison = QStringLiteral("Symbole de la liaison %1");
const QString NomCadreSelection = QStringLiteral("Cadre de sélection");
} // namespace

void TFormSchemaCinematique::LiaisonCreation()
{
    ImageSelection = new QLabel(Contenu);
    ImageSelection->setObjectName(QStringLiteral("ImageSelection"));
    ImageSelection->setAccessibleName(NomCadreSelection);
    ImageSelection->setPixmap(QPixmap::fromImage(AvecTransparence(CadreSelection())));
    ImageSelection->resize(CoteCadreSelection, CoteCadreSelection);
    ImageSelection->setAttribute(Qt::WA_TransparentForMouseEvents);
    for (int k = 0; k < NbrSymboles; ++k) {
        auto *image = new ImageLiaisonSchema(Contenu);
        image->setObjectName(QStringLiteral("ImageLiaison%1").arg(k));
        image->setAccessibleName(k == 0 ? NomSymboleBati : NomSymboleLiaison.arg(k));
        image->installEventFilter(this);
        image->hide();
        ImageLiaison[std::size_t(k)] = image;
    }
}

void TFormSchemaCinematique::LiaisonInitialisation()
{
    for (int k = 0; k < NbrSymboles; ++k) {
        ImageLiaison[std::size_t(k)]->hide();
        ImageLiaison[std::size_t(k)]->clear();
        PictureLiaison[std::size_t(k)] = QImage();
    }
    ImageSelection->hide();
    SymbolePose.fill(false);
    SymboleDeplace = -1;
    PlacementInitialAttendu = false;
}

void TFormSchemaCinematique::LiaisonEdition()
{
    QString imageIllisible;
    for (int k = 0; k <= Schema.NbrLiaison; ++k) {
        const TLiaison &liaison = Schema.Liaison[std::size_t(k)];
        QLabel *image = ImageLiaison[std::size_t(k)];
        image->clear();
        const QString chemin = TrouverChemin(CheminSymbole(liaison.Liaison3D, liaison.Liaison2D));
        const auto lue = ChargerImage(chemin);
        const QImage *dessin = std::get_if<QImage>(&lue);
        const QImage symbole = ImageSymbole(dessin ? *dessin : QImage(), Schema.CouleurCe(liaison.Ce1),
                                            Schema.CouleurCe(liaison.Ce2), liaison.Inclineaison);
        PictureLiaison[std::size_t(k)] = symbole;
        if (symbole.isNull()) {
            if (imageIllisible.isEmpty())
                imageIllisible = MessageSymboleIllisible(chemin);
            image->hide();
            continue;
        }
        image->setPixmap(QPixmap::fromImage(AvecTransparence(symbole)));
        image->resize(symbole.size());
        image->show();
    }
    LiaisonPlacementInitial();
    LiaisonOnMouse(false);
    for (int k = Schema.NbrLiaison + 1; k < NbrSymboles; ++k)
        ImageLiaison[std::size_t(k)]->hide();
    if (Schema.Liaison[0].Ce2 == 0)
        ImageLiaison[0]->hide();
    ImageSelection->hide();
    if (!imageIllisible.isEmpty())
        dialogues().Erreur(imageIllisible);
}

// The symbols stand in a row along the top, in record order, pushed into the drawing area and, on a
// grid, snapped, as after a drag. A window opened before it is shown does not know the size of its
// drawing area yet: the row is laid again when it is first shown, before the student sees it.
void TFormSchemaCinematique::LiaisonPlacementInitial()
{
    PlacementInitialAttendu = !FenetreMontree;
    for (int k = 0; k <= Schema.NbrLiaison; ++k) {
        QLabel *image = ImageLiaison[std::size_t(k)];
        if (PictureLiaison[std::size_t(k)].isNull())
            continue;
        SymbolePose[std::size_t(k)] = false;
        image->move(k * image->width(), 0);
        LiaisonMouseDown(k, QPoint(0, 0));
        LiaisonMouseUp(k, false);
    }
}

void TFormSchemaCinematique::LiaisonOnMouse(bool versImageFond)
{
    SymbolesVersImageFond = versImageFond;
    for (QLabel *image : ImageLiaison)
        image->setCursor(versImageFond ? Qt::CrossCursor : Qt::OpenHandCursor);
}

QPoint TFormSchemaCinematique::OrigineImageFond() const { return ImageFond->pos(); }

PlaceSymbole TFormSchemaCinematique::PlaceDe(int k) const
{
    const bool surDessin = SymbolePose[std::size_t(k)];
    return {surDessin, ImageLiaison[std::size_t(k)]->pos() - (surDessin ? OrigineImageFond() : QPoint())};
}

void TFormSchemaCinematique::PlacerSymbole(int k, const PlaceSymbole &place)
{
    SymbolePose[std::size_t(k)] = place.surDessin;
    ImageLiaison[std::size_t(k)]->move(place.position + (place.surDessin ? OrigineImageFond() : QPoint()));
    AjusterContenu();
}

bool TFormSchemaCinematique::LiaisonEvenement(int k, QEvent *evenement)
{
    QLabel *image = ImageLiaison[std::size_t(k)];
    if (evenement->type() == QEvent::KeyPress)
        return LiaisonKeyDown(k, static_cast<QKeyEvent *>(evenement));
    if (SymbolesVersImageFond)
        return ImageFondEvenement(evenement, image->pos() - OrigineImageFond());
    switch (evenement->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        // A second button pressed during a drag changes nothing.
        if (SymboleDeplace != k) {
            SymboleDeplace = k;
            PlaceAvantDeplacement = PlaceDe(k);
            LiaisonMouseDown(k, static_cast<QMouseEvent *>(evenement)->position().toPoint());
        }
        return true;
    case QEvent::MouseMove:
        LiaisonMouseMove(k, static_cast<QMouseEvent *>(evenement)->position().toPoint());
        return true;
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent *>(evenement)->buttons() == Qt::NoButton)
            LiaisonMouseUp(k, true);
        return true;
    default: return false;
    }
}

// The arrow keys move the focused symbol by one grid step on a grid, one pixel otherwise, inside the
// drawing area; each press is a step of the history, as a drag is.
bool TFormSchemaCinematique::LiaisonKeyDown(int k, const QKeyEvent *touche)
{
    const int pas = SurQuadrillage() ? PasQuadrillage : 1;
    QPoint decalage;
    switch (touche->key()) {
    case Qt::Key_Left: decalage = QPoint(-pas, 0); break;
    case Qt::Key_Right: decalage = QPoint(pas, 0); break;
    case Qt::Key_Up: decalage = QPoint(0, -pas); break;
    case Qt::Key_Down: decalage = QPoint(0, pas); break;
    default: return false;
    }
    if (SymboleDeplace >= 0 || TraitEnCours)
        return true;
    QLabel *image = ImageLiaison[std::size_t(k)];
    const PlaceSymbole avant = PlaceDe(k);
    const QRect zone(QPoint(0, 0), Contenu->size().expandedTo(ScrollBox->viewport()->size()));
    const QPoint arrivee = PositionRelachee(image->pos() + decalage, image->size(), zone, SurQuadrillage());
    if (arrivee == image->pos())
        return true;
    image->move(arrivee);
    SymbolePose[std::size_t(k)] = true;
    Historique->push(
        new CommandeDeplacement([this, k](const PlaceSymbole &p) { PlacerSymbole(k, p); }, avant, PlaceDe(k)));
    ScrollBox->ensureWidgetVisible(image, 0, 0);
    return true;
}

void TFormSchemaCinematique::LiaisonMouseDown(int k, QPoint position)
{
    PointOrigine = position;
    QPoint cadre = ImageLiaison[std::size_t(k)]->pos();
    if (SurQuadrillage())
        PositionLiaisonSurQuadrillage(cadre);
    ImageSelection->move(cadre);
    ImageSelection->show();
}

void TFormSchemaCinematique::LiaisonMouseMove(int k, QPoint position)
{
    if (ImageSelection->isHidden())
        return;
    QLabel *image = ImageLiaison[std::size_t(k)];
    image->move(image->pos() + position - PointOrigine);
    QPoint cadre = image->pos();
    if (SurQuadrillage())
        PositionLiaisonSurQuadrillage(cadre);
    ImageSelection->move(cadre);
}

void TFormSchemaCinematique::LiaisonMouseUp(int k, bool parEtudiant)
{
    QLabel *image = ImageLiaison[std::size_t(k)];
    ImageSelection->hide();
    image->move(PositionRelachee(ImageSelection->pos(), image->size(), ZoneVisible(), SurQuadrillage()));
    if (!parEtudiant || SymboleDeplace != k)
        return;
    SymboleDeplace = -1;
    const PlaceSymbole &avant = PlaceAvantDeplacement;
    if (image->pos() == avant.position + (avant.surDessin ? OrigineImageFond() : QPoint()))
        return; // a click without a move leaves a symbol of the row in its row
    SymbolePose[std::size_t(k)] = true;
    const PlaceSymbole place = PlaceDe(k);
    Historique->push(new CommandeDeplacement([this, k](const PlaceSymbole &p) { PlacerSymbole(k, p); },
                                             PlaceAvantDeplacement, place));
}
