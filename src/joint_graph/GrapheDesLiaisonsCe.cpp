// The class nodes: creation, showing, colour, frame, hover text and dragging.
#include "joint_graph/TFormGrapheDesLiaisons.h"

#include "common/Dialogues.h"
#include "joint_graph/DessinGraphe.h"
#include "joint_graph/RangeeNoeuds.h"
#include "joint_graph/TFondGraphe.h"
#include "joint_graph/TImageMouse.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QUndoStack>

namespace {
const QString MessageCouleurBlanche =
    QStringLiteral("Le blanc est réservé aux classes d'équivalence sans couleur : choisissez une autre couleur.");
const QString MessageCouleurPrise =
    QStringLiteral("Cette couleur est déjà celle d'une autre classe d'équivalence : choisissez-en une autre.");
constexpr int EcartNoeuds = 8;
// The graph area grows to hold its nodes; a node further than this is brought back, so that a file
// or a long drag never asks for a picture of the area larger than memory allows.
constexpr int PositionMax = 4000;
constexpr int PasClavier = 1;
constexpr int PasClavierMaj = 10;
// The moves of one class by a key held down join into one step of the history.
constexpr int FusionDeplacementClavier = 100;

// The default custom colours of the colour dialog, A to P; the unset ones show white.
QList<TColor> CouleursPersonnaliseesInitiales()
{
    QList<TColor> couleurs(16, clWhite);
    couleurs[0] = 0x00808080u;
    couleurs[1] = 0x000000FFu;
    couleurs[2] = 0x00008000u;
    couleurs[3] = 0x00FF8000u;
    couleurs[8] = 0x00000000u;
    couleurs[9] = 0x00000000u;
    return couleurs;
}

QString DescriptionCouleur(TColor couleur, bool bati)
{
    QString texte;
    if (couleur == clWhite) {
        texte = QStringLiteral("Sans couleur");
    } else {
        const Rvb rvb = CouleurVersRvb(couleur);
        texte = QStringLiteral("Couleur rouge %1, vert %2, bleu %3").arg(rvb.rouge).arg(rvb.vert).arg(rvb.bleu);
    }
    return bati ? texte + QStringLiteral(", bâti") : texte;
}
} // namespace

QPoint TFormGrapheDesLiaisons::PositionDansLaZone(QPoint position)
{
    return {qBound(0, position.x(), PositionMax), qBound(0, position.y(), PositionMax)};
}

void TFormGrapheDesLiaisons::CeCreation()
{
    MenuOutils->menuAction()->setVisible(false);
    CouleursPersonnalisees = CouleursPersonnaliseesInitiales();
    for (int n = 1; n <= NbrCeMax; ++n) {
        auto *image = new TImageMouse(ImageFond);
        image->setObjectName(QStringLiteral("ImageCe%1").arg(n));
        image->Tag = n;
        image->OnMouseEnter = [this](TImageMouse *s) { CeImageMouseEnter(s); };
        image->OnMouseLeave = [this](TImageMouse *s) { CeImageMouseLeave(s); };
        image->OnMouseDown = [this](TImageMouse *s, Qt::MouseButton, const QPoint &p) {
            PointAppui = p;
            CeImageMouseDown(s);
        };
        image->OnMouseMove = [this](TImageMouse *s, Qt::MouseButton, const QPoint &p) { CeImageMouseMove(s, p); };
        image->OnMouseUp = [this](TImageMouse *s, Qt::MouseButton, const QPoint &) { CeImageMouseUp(s); };
        image->OnKeyDown = [this](TImageMouse *s, const QKeyEvent &touche) { return CeImageKeyDown(s, touche); };
        image->setFocusPolicy(Qt::TabFocus);
        image->hide();
        ImageFond->Suivre(image);
        ImagesCe[static_cast<std::size_t>(n - 1)] = image;
    }
}

void TFormGrapheDesLiaisons::CeInitialisation()
{
    Graphe_.CeInitialisation();
    Deplacement = false;
    RangeesAPlacer = false;
    for (TImageMouse *image : ImagesCe) {
        image->hide();
        image->DefinirClic({});
    }
    Bmp = {};
}

void TFormGrapheDesLiaisons::CeEdition(bool placer)
{
    QList<QSize> tailles;
    for (int n = 1; n <= Graphe_.NbrCe(); ++n) {
        CeConvertirBmpToImage(n);
        tailles << ImagesCe[static_cast<std::size_t>(n - 1)]->size();
    }
    RangeesAPlacer = placer;
    if (placer)
        CePlacerEnRangees();
    for (int n = 1; n <= Graphe_.NbrCe(); ++n) {
        TImageMouse *image = ImagesCe[static_cast<std::size_t>(n - 1)];
        image->move(Graphe_.Ce(n).Position);
        image->show();
    }
    AjusterFond();
}

void TFormGrapheDesLiaisons::CePlacerEnRangees()
{
    QList<QSize> tailles;
    for (int n = 1; n <= Graphe_.NbrCe(); ++n)
        tailles << ImagesCe[static_cast<std::size_t>(n - 1)]->size();
    // In the part of the area the student sees, far enough apart for the symbol of a joint between
    // two neighbours to cover no node.
    const QList<QPoint> places =
        PlacesRangeesNoeuds(tailles, Catalogue.TailleMaxSymboles(), EcartNoeuds, ScrollBox->viewport()->width());
    for (int n = 1; n <= Graphe_.NbrCe(); ++n)
        Graphe_.Ce(n).Position = places[n - 1];
}

void TFormGrapheDesLiaisons::CeRangeesSuivreLaZone()
{
    // The area only has its size once the window is shown: nodes laid out before follow it, until
    // the student changes something.
    if (!RangeesAPlacer || Annulation->count() > 0 || ModificationEnCours || Deplacement)
        return;
    CePlacerEnRangees();
    for (int n = 1; n <= Graphe_.NbrCe(); ++n)
        ImagesCe[static_cast<std::size_t>(n - 1)]->move(Graphe_.Ce(n).Position);
}

void TFormGrapheDesLiaisons::CeConvertirBmpToImage(int n)
{
    const TCe &ce = Graphe_.Ce(n);
    TImageMouse *image = ImagesCe[static_cast<std::size_t>(n - 1)];
    image->DefinirImage(ImageNoeud(Bmp[static_cast<std::size_t>(n - 1)], ce.Couleur, ce.Bati));
    image->move(ce.Position);
    image->setAccessibleName(ce.Information.isEmpty() ? QStringLiteral("Classe %1").arg(n)
                                                      : QStringLiteral("Classe %1 : %2").arg(n).arg(ce.Information));
    image->setAccessibleDescription(DescriptionCouleur(ce.Couleur, ce.Bati));
}

QString TFormGrapheDesLiaisons::TexteClasse(int n) const
{
    const QString &information = Graphe_.Ce(n).Information;
    QString texte = QStringLiteral("Classe d'équivalence ") + QString::number(n);
    if (!information.isEmpty())
        texte += QStringLiteral(" : ") + information;
    return texte;
}

void TFormGrapheDesLiaisons::CeImageMouseEnter(TImageMouse *sender)
{
    const int n = sender->Tag;
    QPalette palette = PanelStatusBar->palette();
    palette.setColor(QPalette::Window, CouleurVersQColor(Graphe_.Ce(n).Couleur));
    PanelStatusBar->setPalette(palette);
    LabelStatut->setText(TexteClasse(n));
}

void TFormGrapheDesLiaisons::CeImageMouseLeave(TImageMouse *)
{
    QPalette palette = PanelStatusBar->palette();
    palette.setColor(QPalette::Window, CouleurVersQColor(clBtnFace));
    PanelStatusBar->setPalette(palette);
    LabelStatut->clear();
}

void TFormGrapheDesLiaisons::CeImageMouseDown(TImageMouse *sender)
{
    const int n = sender->Tag;
    if (Graphe_.Ce(n).Couleur == clWhite) {
        // The action runs here, once: the release that follows is not a second click.
        sender->AnnulerClicEnCours();
        if (CeDefinirCouleur(n))
            sender->Cliquer();
        return;
    }
    // A drag inside a change under way (the frame choice) belongs to that change.
    DeplacementSeul = !ModificationEnCours;
    DebutModification();
    Deplacement = true;
}

void TFormGrapheDesLiaisons::CeImageMouseMove(TImageMouse *sender, const QPoint &position)
{
    if (!Deplacement)
        return;
    const int n = sender->Tag;
    const QPoint decalage = position - PointAppui;
    if (decalage.isNull())
        return;
    Graphe_.Ce(n).Position += decalage;
    // The node, its links and their symbols overlap: drawn again together.
    const TFondGraphe::Lot lot(*ImageFond);
    sender->move(Graphe_.Ce(n).Position);
    LiaisonLiensDuNoeudDessiner(n);
}

void TFormGrapheDesLiaisons::CeImageMouseUp(TImageMouse *sender)
{
    if (!Deplacement)
        return;
    Deplacement = false;
    const int n = sender->Tag;
    QPoint &position = Graphe_.Ce(n).Position;
    const QPoint dansLaZone = PositionDansLaZone(position);
    if (dansLaZone != position) {
        position = dansLaZone;
        const TFondGraphe::Lot lot(*ImageFond);
        sender->move(position);
        LiaisonLiensDuNoeudDessiner(n);
    }
    AjusterFond();
    if (DeplacementSeul)
        FinModification(QStringLiteral("Déplacer la classe %1").arg(n));
}

bool TFormGrapheDesLiaisons::CeImageKeyDown(TImageMouse *sender, const QKeyEvent &touche)
{
    if ((touche.modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) != Qt::NoModifier)
        return false;
    const int n = sender->Tag;
    const int pas = (touche.modifiers() & Qt::ShiftModifier) ? PasClavierMaj : PasClavier;
    QPoint decalage;
    switch (touche.key()) {
    case Qt::Key_Left: decalage = {-pas, 0}; break;
    case Qt::Key_Right: decalage = {pas, 0}; break;
    case Qt::Key_Up: decalage = {0, -pas}; break;
    case Qt::Key_Down: decalage = {0, pas}; break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // As a press of the mouse: a class without colour asks for one first, then the click acts.
        if (Graphe_.Ce(n).Couleur != clWhite)
            return false;
        if (CeDefinirCouleur(n))
            sender->Cliquer();
        return true;
    default: return false;
    }
    CeDeplacer(sender, decalage, touche.isAutoRepeat());
    return true;
}

void TFormGrapheDesLiaisons::CeDeplacer(TImageMouse *sender, QPoint decalage, bool continuation)
{
    const int n = sender->Tag;
    if (Deplacement || n < 1 || n > Graphe_.NbrCe())
        return;
    QPoint &position = Graphe_.Ce(n).Position;
    const QPoint nouvelle = PositionDansLaZone(position + decalage);
    if (nouvelle == position)
        return;
    // Within a change under way (a joint being edited, the frame choice) the move belongs to it.
    const bool seul = !ModificationEnCours;
    DebutModification();
    position = nouvelle;
    {
        const TFondGraphe::Lot lot(*ImageFond);
        sender->move(position);
        LiaisonLiensDuNoeudDessiner(n);
    }
    AjusterFond();
    ScrollBox->ensureWidgetVisible(sender, 0, 0);
    if (seul)
        FinModification(QStringLiteral("Déplacer la classe %1").arg(n), FusionDeplacementClavier + n, continuation);
}

bool TFormGrapheDesLiaisons::CeDefinirCouleur(int n)
{
    // During the frame choice the colour belongs to that change.
    const bool dansUneModification = ModificationEnCours;
    // A colour that is not white and is no other class's; a cancel leaves the class without one and the press
    // goes no further (a dialog that came back until a colour was chosen could not be left).
    for (;;) {
        const std::optional<TColor> choisie = dialogues().ChoisirCouleur(DerniereCouleur, CouleursPersonnalisees);
        if (!choisie)
            return false;
        if (*choisie == clWhite) {
            dialogues().Message(MessageCouleurBlanche);
            continue;
        }
        DerniereCouleur = *choisie;
        bool prise = false;
        for (int autre = 1; autre <= Graphe_.NbrCe(); ++autre)
            prise = prise || (autre != n && Graphe_.Ce(autre).Couleur == *choisie);
        if (prise) {
            dialogues().Message(MessageCouleurPrise);
            continue;
        }
        DebutModification();
        Graphe_.Ce(n).Couleur = *choisie;
        break;
    }
    CeConvertirBmpToImage(n);
    // Links and symbols of the class's joints take the colour.
    for (int a = 1; a <= Graphe_.NbrLiaison(); ++a) {
        const TLiaison &l = Graphe_.Liaison(a);
        if (l.Ce1 == n || l.Ce2 == n) {
            LiaisonLienDessiner(a);
            LiaisonImageRotationDessiner(a);
        }
    }
    if (!dansUneModification)
        FinModification(QStringLiteral("Couleur de la classe %1").arg(n));
    return true;
}

void TFormGrapheDesLiaisons::BoutonBatiClick()
{
    if (FocusDans(BoutonBati))
        ImagesCe[0]->setFocus(Qt::TabFocusReason);
    DebutModification();
    for (int n = 1; n <= Graphe_.NbrCe(); ++n) {
        ImagesCe[static_cast<std::size_t>(n - 1)]->DefinirClic([this](TImageMouse *s) { ImageCeBatiOnClick(s); });
        Graphe_.Ce(n).Bati = false;
        CeConvertirBmpToImage(n);
    }
    ActiverBoutons(false);
    Etat_ = Etat::ChoixBati;
}

void TFormGrapheDesLiaisons::ImageCeBatiOnClick(TImageMouse *sender)
{
    const int n = sender->Tag;
    Graphe_.Ce(n).Bati = true;
    CeConvertirBmpToImage(n);
    LiaisonEdition();
    FinModification(QStringLiteral("Définir le bâti"));
}
