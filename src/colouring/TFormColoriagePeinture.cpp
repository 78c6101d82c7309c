// Painting: zones painted with the selected item, the forced colour choice, colour changes, the
// wheel, the highlight of the zone under the pointer and the placement of the drawing.
#include "colouring/TFormColoriage.h"

#include "colouring/CommandesColoriage.h"
#include "colouring/TCouleurListBox.h"
#include "colouring/TFormZoom.h"
#include "colouring/VueColoriage.h"

#include <QAction>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollArea>
#include <QUndoStack>
#include <QWheelEvent>

namespace {
const QString TexteZone = QStringLiteral("Zone %1 : %2");
const QString TexteNonColoriee = QStringLiteral("non coloriée");
const QString TexteAucuneZone = QStringLiteral("Aucune zone sous le pointeur");
constexpr int MargeListe = 8;
} // namespace

int TFormColoriage::ZoneSous(QPoint position) const
{
    const auto cle = Index.CleEn(position);
    return cle ? NumeroZone(CouleurZone, NombreZones, *cle) : -1;
}

void TFormColoriage::ImagePlanMouseDown(Qt::MouseButton bouton, QPoint position)
{
    if (bouton == Qt::RightButton) {
        MenuVerificationClick();
        return;
    }
    if (PeintureEnCours)
        return;
    PeintureEnCours = true;
    const int z = ZoneSous(position);
    const int s = CouleurListBox->currentRow();
    // However the item came to be selected, it never paints white: it gets its colour first, and a
    // cancelled choice paints nothing.
    if (s > 0 && CouleurListBox->Couleur(s) == clWhite) {
        ImposerCouleur();
        if (CouleurListBox->currentRow() != s) {
            PeintureEnCours = false;
            return;
        }
    }
    if (z != -1 && s >= 0 && s <= NombreCouleurs && CouleurListBox->Actif(s)) {
        const std::int32_t avant = Coloriage_.Rangee(z);
        if (CouleurListBox->Couleur(s) != CouleurListBox->Couleur(avant)) {
            Historique_->push(new CommandePeinture(
                [this](std::int32_t zone, std::int32_t item) { PeindreZone(zone, item); }, z, avant, s));
        }
    }
    PeintureEnCours = false;
}

void TFormColoriage::PeindreZone(std::int32_t zone, std::int32_t item)
{
    // A check since the step was made may have locked the zone (its key colour is white now) or
    // found the item: what it decided stays.
    if (zone < 1 || zone > NombreZones || item < 0 || item > NombreCouleurs ||
        CouleurZone[std::size_t(zone)] == clWhite || !CouleurListBox->Actif(item))
        return;
    Index.Peindre(ImageZone, zone, CouleurListBox->Couleur(item));
    Coloriage_.Colorier(zone, item);
    ImageVue->update(Index.Cadre(zone));
    if (zone == ZoneSurbrillance)
        EteindreSurbrillance();
    AnnoncerZone(zone);
}

void TFormColoriage::EteindreSurbrillance()
{
    // The zone shows its new colour at once; it is highlighted again once the pointer has left it.
    ImageVue->DefinirSurbrillance({});
}

void TFormColoriage::ColorerItem(std::int32_t item, TColor couleur)
{
    if (CouleurListBox->Couleur(item) == couleur)
        return;
    // Two listed items never share a colour, even when a step comes back.
    for (int i = 0; i < CouleurListBox->count(); ++i) {
        if (CouleurListBox->Couleur(i) == couleur)
            return;
    }
    HistoriqueSuspendu = true;
    CouleurListBox->ChangerCouleur(item, couleur);
    HistoriqueSuspendu = false;
}

void TFormColoriage::MenuAnnulerClick() { Historique_->undo(); }

void TFormColoriage::MenuRetablirClick() { Historique_->redo(); }

void TFormColoriage::ScrollBoxMouseDown(Qt::MouseButton bouton)
{
    if (bouton == Qt::RightButton)
        MenuVerificationClick();
}

void TFormColoriage::CouleurListBoxMouseUp() { ImposerCouleur(); }

void TFormColoriage::ImposerCouleur()
{
    const int s = CouleurListBox->currentRow();
    if (s <= 0)
        return;
    // An item is not used before it has a colour of its own: the dialog comes back until it has one,
    // unless the student cancels it, which selects "Effacer" again.
    while (CouleurListBox->Couleur(s) == clWhite) {
        if (!CouleurListBox->ChoisirCouleur(s)) {
            CouleurListBox->setCurrentRow(0);
            return;
        }
    }
}

void TFormColoriage::CouleurListBoxCouleurChange()
{
    if (CouleurListBox->Couleur(0) != clWhite) {
        CouleurListBox->ChangerCouleur(0, clWhite);
        return;
    }
    const int item = CouleurListBox->CaseChangee();
    if (CouleurListBox->NouvelleCouleur() == clBlack) {
        // Black is the colour of the lines: the item gets its previous colour back.
        CouleurListBox->ChangerCouleur(item, CouleurListBox->AncienneCouleur());
        return;
    }
    const TColor ancienne = CouleurListBox->AncienneCouleur();
    const TColor nouvelle = CouleurListBox->NouvelleCouleur();
    Recolorier(item, nouvelle);
    // An item's first colour, and the colour it gets back after black, are no steps of their own.
    if (!HistoriqueSuspendu && item >= 1 && item <= NombreCouleurs && ancienne != clWhite && ancienne != clBlack)
        Historique_->push(
            new CommandeCouleur([this](std::int32_t i, TColor c) { ColorerItem(i, c); }, item, ancienne, nouvelle));
}

void TFormColoriage::Recolorier(std::int32_t item, TColor couleur)
{
    if (item < 1 || item > NombreCouleurs)
        return;
    for (std::int32_t z = 1; z <= NombreZones; ++z) {
        if (Coloriage_.Est(item, z)) {
            Index.Peindre(ImageZone, z, couleur);
            ImageVue->update(Index.Cadre(z));
            if (z == ZoneSurbrillance)
                EteindreSurbrillance();
        }
    }
}

void TFormColoriage::FormMouseWheel(int delta)
{
    const int nombre = CouleurListBox->count();
    if (nombre == 0)
        return;
    const int courant = CouleurListBox->currentRow();
    const int suivant =
        delta < 0 ? (courant + 1 >= nombre ? 0 : courant + 1) : (courant <= 0 ? nombre - 1 : courant - 1);
    CouleurListBox->setCurrentRow(suivant);
    ImposerCouleur();
}

void TFormColoriage::ImagePlanMouseMove(QPoint position)
{
    const int z = ZoneSous(position);
    AnnoncerZone(z);
    if (!MenuPrevisualisation->isChecked() || z == ZoneSurbrillance)
        return;
    ImageVue->DefinirSurbrillance(Index.Traits(z));
    ZoneSurbrillance = z;
}

void TFormColoriage::AnnoncerZone(int zone)
{
    // A screen reader says what the screen shows.
    if (zone < 1) {
        LabelZone->clear();
        LabelZone->setAccessibleName(TexteAucuneZone);
        return;
    }
    const std::int32_t item = Coloriage_.Rangee(zone);
    const QString etat =
        item == 0 || !CouleurListBox->item(item) ? TexteNonColoriee : CouleurListBox->item(item)->text();
    LabelZone->setText(TexteZone.arg(zone).arg(etat));
    LabelZone->setAccessibleName(LabelZone->text());
}

void TFormColoriage::MenuPrevisualisationClick()
{
    // The action's own check mark has already turned when the student chose it; the program
    // turns it here when it runs the action itself.
    if (sender() != MenuPrevisualisation)
        MenuPrevisualisation->setChecked(!MenuPrevisualisation->isChecked());
    ImageVue->DefinirSurbrillanceVisible(MenuPrevisualisation->isChecked());
}

void TFormColoriage::FormResize()
{
    CouleurListBox->resize(CouleurListBox->width(), std::max(0, Panel->height() - CouleurListBox->y() - MargeListe));
    const QSize vue = ScrollBox->viewport()->size();
    const QSize image = ImageVue->size();
    // Placed before the contents are resized: that may bring or take away a scroll bar, and the
    // view's new size then runs this again.
    ImageVue->move(image.width() < vue.width() ? (vue.width() - image.width()) / 2 : 0,
                   image.height() < vue.height() ? (vue.height() - image.height()) / 2 : 0);
    FondPlan->resize(image.expandedTo(vue));
}

void TFormColoriage::resizeEvent(QResizeEvent *evenement)
{
    QMainWindow::resizeEvent(evenement);
    FormResize();
    if (Loupe)
        Loupe->EviterFenetre();
}

void TFormColoriage::wheelEvent(QWheelEvent *evenement)
{
    FormMouseWheel(evenement->angleDelta().y());
    evenement->accept();
}

bool TFormColoriage::eventFilter(QObject *objet, QEvent *evenement)
{
    switch (evenement->type()) {
    case QEvent::Wheel:
        if (objet == ImageVue || objet == FondPlan || objet == ScrollBox->viewport() ||
            objet == CouleurListBox->viewport()) {
            FormMouseWheel(static_cast<QWheelEvent *>(evenement)->angleDelta().y());
            return true;
        }
        break;
    case QEvent::MouseButtonPress:
        if (objet == FondPlan || objet == ScrollBox->viewport())
            ScrollBoxMouseDown(static_cast<QMouseEvent *>(evenement)->button());
        break;
    case QEvent::MouseMove:
        if (objet == FondPlan)
            ImagePlanMouseMove(QPoint(-1, -1));
        break;
    case QEvent::Resize:
        if (objet == ScrollBox->viewport() || objet == Panel)
            FormResize();
        break;
    case QEvent::KeyPress:
        if (objet == ImageVue && ImagePlanDefilement(*static_cast<QKeyEvent *>(evenement)))
            return true;
        break;
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        if (objet == ImageVue)
            ImagePlanFocus(evenement->type() == QEvent::FocusIn);
        break;
    default: break;
    }
    return QMainWindow::eventFilter(objet, evenement);
}
