#include "colouring/VueColoriage.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

namespace {
// Half the length of the cursor's lines, and the width of the light edge that shows them on black.
constexpr int BrasCurseur = 7;
constexpr int BordCurseur = 1;
} // namespace

VueColoriage::VueColoriage(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QStringLiteral("Plan à colorier"));
    setAccessibleDescription(
        QStringLiteral("Flèches : déplacer le curseur (Maj : plus vite). N : zone suivante, Maj+N : zone précédente. "
                       "Espace : colorier la zone. Page précédente, Page suivante et Ctrl+flèches : faire défiler."));
    resize(0, 0);
}

void VueColoriage::DefinirImages(const QImage *zone, const QImage *plan)
{
    zone_ = zone;
    plan_ = plan;
    surbrillance_ = {};
    resize(plan ? plan->size() : QSize(0, 0));
    curseur_ = rect().center();
    update();
}

QRect VueColoriage::cadreCurseur() const
{
    const int cote = 2 * (BrasCurseur + BordCurseur) + 1;
    return QRect(curseur_ - QPoint(BrasCurseur + BordCurseur, BrasCurseur + BordCurseur), QSize(cote, cote));
}

void VueColoriage::PlacerCurseur(QPoint position)
{
    const QPoint place(std::clamp(position.x(), 0, std::max(width() - 1, 0)),
                       std::clamp(position.y(), 0, std::max(height() - 1, 0)));
    update(cadreCurseur());
    curseur_ = place;
    montrerCurseur(true);
    emit CurseurDeplace(curseur_);
}

void VueColoriage::montrerCurseur(bool montre)
{
    curseurMontre_ = montre;
    update(cadreCurseur());
}

void VueColoriage::dessinerCurseur(QPainter &peintre) const
{
    const QPoint c = curseur_;
    const QLine lignes[] = {{c - QPoint(BrasCurseur, 0), c + QPoint(BrasCurseur, 0)},
                            {c - QPoint(0, BrasCurseur), c + QPoint(0, BrasCurseur)}};
    peintre.setPen(QPen(Qt::white, 1 + 2 * BordCurseur));
    peintre.drawLines(lignes, 2);
    peintre.setPen(QPen(Qt::red, 1));
    peintre.drawLines(lignes, 2);
}

void VueColoriage::montrerTraits(std::span<const Trait> traits)
{
    if (traits.empty())
        return;
    int gauche = traits.front().x0;
    int droite = traits.front().x1;
    for (const Trait &t : traits) {
        gauche = std::min(gauche, t.x0);
        droite = std::max(droite, t.x1);
    }
    update(QRect(QPoint(gauche, traits.front().y), QPoint(droite - 1, traits.back().y)));
}

void VueColoriage::DefinirSurbrillance(std::span<const Trait> traits)
{
    if (traits.data() == surbrillance_.data() && traits.size() == surbrillance_.size())
        return;
    if (surbrillanceVisible_) {
        montrerTraits(surbrillance_);
        montrerTraits(traits);
    }
    surbrillance_ = traits;
}

void VueColoriage::DefinirSurbrillanceVisible(bool visible)
{
    if (visible == surbrillanceVisible_)
        return;
    surbrillanceVisible_ = visible;
    montrerTraits(surbrillance_);
}

void VueColoriage::paintEvent(QPaintEvent *evenement)
{
    QPainter peintre(this);
    if (!zone_ || !plan_ || zone_->isNull()) {
        peintre.fillRect(evenement->rect(), Qt::white);
        return;
    }
    const std::span<const Trait> traits = surbrillanceVisible_ ? surbrillance_ : std::span<const Trait>();
    for (const QRect &r : evenement->region())
        peintre.drawImage(r.topLeft(), ComposerAffichage(*zone_, *plan_, FondDuPlan, traits, r));
    if (curseurMontre_ && hasFocus() && evenement->region().intersects(cadreCurseur()))
        dessinerCurseur(peintre);
    emit Redessinee();
}

void VueColoriage::mousePressEvent(QMouseEvent *evenement)
{
    // The keyboard goes on from where the mouse pressed.
    if (evenement->button() != Qt::RightButton) {
        montrerCurseur(false);
        curseur_ = evenement->position().toPoint();
    }
    emit Enfoncee(evenement->button(), evenement->position().toPoint());
}

void VueColoriage::mouseDoubleClickEvent(QMouseEvent *evenement)
{
    // The second press of a double click paints like any press; on the right button it would
    // count a second check the student did not mean.
    if (evenement->button() != Qt::RightButton)
        emit Enfoncee(evenement->button(), evenement->position().toPoint());
}

void VueColoriage::mouseMoveEvent(QMouseEvent *evenement) { emit Deplacee(evenement->position().toPoint()); }

void VueColoriage::keyPressEvent(QKeyEvent *evenement)
{
    const Qt::KeyboardModifiers modificateurs = evenement->modifiers() & ~Qt::KeypadModifier;
    // Ctrl and Alt keys are the window's: its shortcuts, and Ctrl+arrows scroll the sheet.
    if (modificateurs & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        QWidget::keyPressEvent(evenement);
        return;
    }
    const int pas = modificateurs & Qt::ShiftModifier ? PasRapide : Pas;
    switch (evenement->key()) {
    case Qt::Key_Left: PlacerCurseur(curseur_ - QPoint(pas, 0)); break;
    case Qt::Key_Right: PlacerCurseur(curseur_ + QPoint(pas, 0)); break;
    case Qt::Key_Up: PlacerCurseur(curseur_ - QPoint(0, pas)); break;
    case Qt::Key_Down: PlacerCurseur(curseur_ + QPoint(0, pas)); break;
    case Qt::Key_N: emit ZoneVoisineDemandee(!(modificateurs & Qt::ShiftModifier)); break;
    case Qt::Key_Space:
        montrerCurseur(true);
        // A key held down paints once.
        if (!evenement->isAutoRepeat())
            emit Enfoncee(Qt::LeftButton, curseur_);
        break;
    default: QWidget::keyPressEvent(evenement); return;
    }
    evenement->accept();
}

void VueColoriage::focusInEvent(QFocusEvent *evenement)
{
    QWidget::focusInEvent(evenement);
    // A press of the mouse places the cursor itself; coming back with its window or after a menu,
    // the view shows the cursor as it did.
    switch (evenement->reason()) {
    case Qt::MouseFocusReason: return;
    case Qt::ActiveWindowFocusReason:
    case Qt::PopupFocusReason: montrerCurseur(curseurMontre_); return;
    default: break;
    }
    // The cursor comes into the part of the sheet on the screen, where the student looks.
    const QRect visible = visibleRegion().boundingRect();
    if (!visible.isEmpty() && !visible.contains(curseur_))
        curseur_ = visible.center();
    montrerCurseur(true);
    emit CurseurDeplace(curseur_);
}

void VueColoriage::focusOutEvent(QFocusEvent *evenement)
{
    QWidget::focusOutEvent(evenement);
    update(cadreCurseur());
}

QVariant VueColoriage::inputMethodQuery(Qt::InputMethodQuery requete) const
{
    // What the scroll area keeps in sight when the focus comes here.
    if (requete == Qt::ImCursorRectangle)
        return cadreCurseur();
    return QWidget::inputMethodQuery(requete);
}
