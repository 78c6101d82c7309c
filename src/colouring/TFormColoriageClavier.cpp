// The keyboard on the drawing: the cursor that stands for the pointer, the jump to a neighbouring
// zone, scrolling the sheet, the frame that shows the focus, and the loupe following the cursor.
#include "colouring/TFormColoriage.h"

#include "colouring/TFormZoom.h"
#include "colouring/TZoom.h"
#include "colouring/VueColoriage.h"

#include <QFrame>
#include <QKeyEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <algorithm>

namespace {
// Room kept between the cursor and the edges of the view when the sheet scrolls to show it.
constexpr int MargeCurseur = 40;
} // namespace

void TFormColoriage::ImagePlanCurseurDeplace(QPoint position)
{
    const QPoint dansFond = ImageVue->mapTo(FondPlan, position);
    ScrollBox->ensureVisible(dansFond.x(), dansFond.y(), MargeCurseur, MargeCurseur);
    ImagePlanMouseMove(position);
    LoupeSurCurseur();
}

void TFormColoriage::LoupeSurCurseur()
{
    if (Loupe && Loupe->isVisible())
        Loupe->Zoom->Suivre(ImageVue->mapToGlobal(ImageVue->Curseur()));
}

void TFormColoriage::ImagePlanZoneVoisine(bool suivante)
{
    const int n = NombreZones;
    if (n < 1)
        return;
    // Counted from the zone under the cursor, or from either end when it is on none.
    const int zoneCurseur = ZoneSous(ImageVue->Curseur());
    const int depart = zoneCurseur > 0 ? zoneCurseur : (suivante ? 0 : n + 1);
    for (int i = 1; i <= n; ++i) {
        const int z = suivante ? (depart + i - 1) % n + 1 : ((depart - i - 1) % n + n) % n + 1;
        const std::span<const Trait> traits = Index.Traits(z);
        if (traits.empty())
            continue;
        const Trait &milieu = traits[traits.size() / 2];
        const QPoint point((milieu.x0 + milieu.x1 - 1) / 2, milieu.y);
        // A zone locked by a check, or one that shares its key colour with a lower number, is skipped.
        if (ZoneSous(point) != z)
            continue;
        ImageVue->PlacerCurseur(point);
        return;
    }
}

bool TFormColoriage::ImagePlanDefilement(const QKeyEvent &touche)
{
    const bool ctrl = touche.modifiers() & Qt::ControlModifier;
    QScrollBar *verticale = ScrollBox->verticalScrollBar();
    QScrollBar *horizontale = ScrollBox->horizontalScrollBar();
    switch (touche.key()) {
    case Qt::Key_PageUp: verticale->triggerAction(QAbstractSlider::SliderPageStepSub); break;
    case Qt::Key_PageDown: verticale->triggerAction(QAbstractSlider::SliderPageStepAdd); break;
    case Qt::Key_Up:
        if (!ctrl)
            return false;
        verticale->triggerAction(QAbstractSlider::SliderSingleStepSub);
        break;
    case Qt::Key_Down:
        if (!ctrl)
            return false;
        verticale->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        break;
    case Qt::Key_Left:
        if (!ctrl)
            return false;
        horizontale->triggerAction(QAbstractSlider::SliderSingleStepSub);
        break;
    case Qt::Key_Right:
        if (!ctrl)
            return false;
        horizontale->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        break;
    default: return false;
    }
    // The cursor stays on the part of the sheet that is shown, far enough from its edges that keeping
    // it in sight does not scroll back.
    QRect visible = ImageVue->visibleRegion().boundingRect();
    if (visible.width() > 2 * MargeCurseur && visible.height() > 2 * MargeCurseur)
        visible.adjust(MargeCurseur, MargeCurseur, -MargeCurseur, -MargeCurseur);
    const QPoint curseur = ImageVue->Curseur();
    if (!visible.isEmpty() && !visible.contains(curseur))
        ImageVue->PlacerCurseur(QPoint(std::clamp(curseur.x(), visible.left(), visible.right()),
                                       std::clamp(curseur.y(), visible.top(), visible.bottom())));
    else
        LoupeSurCurseur();
    return true;
}

void TFormColoriage::ImagePlanFocus(bool entree)
{
    QPalette couleurs = CadrePlan->palette();
    couleurs.setColor(QPalette::WindowText, palette().color(entree ? QPalette::Highlight : QPalette::Window));
    CadrePlan->setPalette(couleurs);
}
