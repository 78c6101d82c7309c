#include "colouring/VueColoriage.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

VueColoriage::VueColoriage(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setAccessibleName(QStringLiteral("Plan à colorier"));
    resize(0, 0);
}

void VueColoriage::DefinirImages(const QImage *zone, const QImage *plan)
{
    zone_ = zone;
    plan_ = plan;
    surbrillance_ = {};
    resize(plan ? plan->size() : QSize(0, 0));
    update();
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
}

void VueColoriage::mousePressEvent(QMouseEvent *evenement)
{
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
