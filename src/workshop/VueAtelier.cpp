#include "workshop/VueAtelier.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace {
constexpr int RayonBulle = 14;   // screen pixels, whatever the zoom
constexpr int PasCurseur = 10;   // screen pixels an arrow moves the cursor; 1 with Maj
constexpr int GlissementMin = 3; // screen pixels before a press becomes a stroke
const QColor CouleurTrace(220, 0, 120);
} // namespace

VueAtelier::VueAtelier(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(false);
    setAccessibleName(QStringLiteral("Dessin du mécanisme"));
    setToolTip(QStringLiteral("Flèches : déplacer le curseur ; Espace ou Entrée : agir sur la zone sous le curseur ; "
                              "Ctrl et flèches : faire défiler"));
    ajusterTaille();
}

void VueAtelier::DefinirImage(const QImage *image)
{
    image_ = image;
    if (image_ && !QRect(QPoint(0, 0), image_->size()).contains(curseur_))
        curseur_ = QPoint(0, 0);
    ajusterTaille();
    update();
}

void VueAtelier::Actualiser(QRect change)
{
    if (change.isEmpty())
        return;
    update(versEcran(QRectF(change)).toAlignedRect().adjusted(-1, -1, 1, 1));
}

void VueAtelier::DefinirBulles(std::vector<Bulle> bulles)
{
    bulles_ = std::move(bulles);
    update();
}

void VueAtelier::DefinirTraceLibre(bool libre) { traceLibre_ = libre; }

void VueAtelier::DefinirTraceEnCours(QPolygon trace)
{
    traceClavier_ = std::move(trace);
    update();
}

void VueAtelier::DefinirZoom(double zoom)
{
    zoom_ = std::clamp(zoom, 1.0 / 16, 8.0);
    ajusterTaille();
    update();
}

void VueAtelier::PlacerCurseur(QPoint feuille)
{
    if (!image_)
        return;
    curseur_ =
        QPoint(std::clamp(feuille.x(), 0, image_->width() - 1), std::clamp(feuille.y(), 0, image_->height() - 1));
    update();
    emit CurseurDeplace(curseur_);
}

void VueAtelier::ajusterTaille()
{
    const QSize taille = image_ ? image_->size() : QSize(400, 300);
    setFixedSize(std::max(1, int(std::ceil(taille.width() * zoom_))),
                 std::max(1, int(std::ceil(taille.height() * zoom_))));
}

QPoint VueAtelier::versFeuille(QPointF ecran) const
{
    return QPoint(int(std::floor(ecran.x() / zoom_)), int(std::floor(ecran.y() / zoom_)));
}

QRectF VueAtelier::versEcran(QRectF feuille) const { return QRectF(feuille.topLeft() * zoom_, feuille.size() * zoom_); }

void VueAtelier::paintEvent(QPaintEvent *evenement)
{
    QPainter peintre(this);
    peintre.fillRect(evenement->rect(), palette().color(QPalette::Mid));
    if (!image_ || image_->isNull())
        return;
    // Only the part of the sheet under the exposed rectangle is drawn.
    const QRectF exposee(evenement->rect());
    const QRectF source = QRectF(exposee.topLeft() / zoom_, exposee.size() / zoom_)
                              .intersected(QRectF(QPointF(0, 0), QSizeF(image_->size())));
    const QRect sourceEntiere = source.toAlignedRect() & image_->rect();
    peintre.drawImage(versEcran(QRectF(sourceEntiere)), *image_, QRectF(sourceEntiere));

    peintre.setRenderHint(QPainter::Antialiasing);
    QFont police = font();
    police.setBold(true);
    peintre.setFont(police);
    for (const Bulle &bulle : bulles_) {
        const QPointF centre = (QPointF(bulle.centre) + QPointF(0.5, 0.5)) * zoom_;
        peintre.setPen(QPen(Qt::black, 2));
        peintre.setBrush(QColor(255, 255, 200));
        peintre.drawEllipse(centre, RayonBulle, RayonBulle);
        peintre.drawText(QRectF(centre - QPointF(RayonBulle, RayonBulle), QSizeF(2 * RayonBulle, 2 * RayonBulle)),
                         Qt::AlignCenter, QString::number(bulle.repere));
    }
    for (const QPolygon *trace : {&trace_, &traceClavier_}) {
        if (trace->isEmpty())
            continue;
        peintre.setPen(QPen(CouleurTrace, 2));
        QPolygonF ecran;
        for (const QPoint &p : *trace)
            ecran << (QPointF(p) + QPointF(0.5, 0.5)) * zoom_;
        peintre.drawPolyline(ecran);
        for (const QPointF &p : ecran)
            peintre.drawEllipse(p, 2, 2);
    }
    if (hasFocus()) {
        const QPointF c = (QPointF(curseur_) + QPointF(0.5, 0.5)) * zoom_;
        peintre.setPen(QPen(palette().color(QPalette::Highlight), 2));
        peintre.setBrush(Qt::NoBrush);
        peintre.drawLine(c - QPointF(10, 0), c + QPointF(10, 0));
        peintre.drawLine(c - QPointF(0, 10), c + QPointF(0, 10));
        peintre.drawEllipse(c, 6, 6);
    }
}

void VueAtelier::mousePressEvent(QMouseEvent *evenement)
{
    if (evenement->button() != Qt::LeftButton || !image_)
        return;
    appuye_ = true;
    trace_ = QPolygon{versFeuille(evenement->position())};
}

void VueAtelier::mouseMoveEvent(QMouseEvent *evenement)
{
    if (!appuye_ || !traceLibre_)
        return;
    const QPoint p = versFeuille(evenement->position());
    if (trace_.isEmpty() || trace_.last() != p) {
        trace_ << p;
        update();
    }
}

void VueAtelier::mouseReleaseEvent(QMouseEvent *evenement)
{
    if (evenement->button() != Qt::LeftButton || !appuye_)
        return;
    appuye_ = false;
    const QPolygon trace = std::exchange(trace_, {});
    update();
    const QRect etendue = trace.boundingRect();
    const bool glisse = std::max(etendue.width(), etendue.height()) * zoom_ >= GlissementMin;
    curseur_ = trace.isEmpty() ? versFeuille(evenement->position()) : trace.first();
    if (traceLibre_ && glisse)
        emit Trace(trace);
    else
        emit Clic(curseur_);
}

void VueAtelier::keyPressEvent(QKeyEvent *evenement)
{
    if (!image_) {
        QWidget::keyPressEvent(evenement);
        return;
    }
    const bool ctrl = evenement->modifiers() & Qt::ControlModifier;
    const int pas = evenement->modifiers() & Qt::ShiftModifier ? 1 : std::max(1, int(std::lround(PasCurseur / zoom_)));
    QPoint deplacement;
    switch (evenement->key()) {
    case Qt::Key_Left: deplacement = QPoint(-pas, 0); break;
    case Qt::Key_Right: deplacement = QPoint(pas, 0); break;
    case Qt::Key_Up: deplacement = QPoint(0, -pas); break;
    case Qt::Key_Down: deplacement = QPoint(0, pas); break;
    case Qt::Key_Space: emit ToucheAction(curseur_, false); return;
    case Qt::Key_Escape: emit Abandon(); return;
    case Qt::Key_Return:
    case Qt::Key_Enter: emit ToucheAction(curseur_, true); return;
    default: QWidget::keyPressEvent(evenement); return;
    }
    if (ctrl) { // scrolling is the scroll area's
        evenement->ignore();
        return;
    }
    PlacerCurseur(curseur_ + deplacement);
}

void VueAtelier::wheelEvent(QWheelEvent *evenement)
{
    if (!(evenement->modifiers() & Qt::ControlModifier) || evenement->angleDelta().y() == 0) {
        QWidget::wheelEvent(evenement); // the scroll area scrolls
        return;
    }
    emit ZoomDemande(evenement->angleDelta().y() > 0 ? 1.25 : 0.8);
    evenement->accept();
}

void VueAtelier::focusInEvent(QFocusEvent *evenement)
{
    QWidget::focusInEvent(evenement);
    update();
}

void VueAtelier::focusOutEvent(QFocusEvent *evenement)
{
    QWidget::focusOutEvent(evenement);
    update();
}
