#include "colouring/TZoom.h"

#include "common/Bureau.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <climits>

namespace {
constexpr int DelaiParDefaut = 100;
constexpr QSize TailleParDefaut(100, 100);

bool bureauSansCapture() { return QGuiApplication::platformName().startsWith(QStringLiteral("wayland")); }
} // namespace

TZoom::TZoom(QWidget *parent) : QWidget(parent)
{
    resize(TailleParDefaut);
    setAttribute(Qt::WA_OpaquePaintEvent);
    timer_.setInterval(DelaiParDefaut);
    connect(&timer_, &QTimer::timeout, this, &TZoom::PaintZoom);
    timer_.start();
}

void TZoom::DefinirActive(bool active)
{
    if (active == active_)
        return;
    active_ = active;
    if (active_) {
        timer_.start();
        return;
    }
    timer_.stop();
    if (cacheOnDeactivate_)
        CacheContent();
    else
        update();
}

void TZoom::DefinirDelay(int millisecondes) { timer_.setInterval(millisecondes); }

void TZoom::DefinirCacheOnDeactivate(bool garder)
{
    if (garder == cacheOnDeactivate_)
        return;
    cacheOnDeactivate_ = garder;
    if (!garder) {
        FreeCache();
        if (!active_)
            update();
    }
}

void TZoom::CacheContent() { CacheBitmap = contenu_.copy(); }

void TZoom::FreeCache() { CacheBitmap.reset(); }

void TZoom::PaintZoom()
{
    // Nobody sees a hidden view: it captures again as soon as it shows.
    if (!active_ || !isVisible())
        return;
    QPoint p = bureau().PositionPointeur();
    if (suivi_) {
        if (p == pointeurAuSuivi_)
            p = *suivi_;
        else
            suivi_.reset();
    }
    if (p == LastCursorPos && capturesForcees_ == 0)
        return;
    capturesForcees_ = std::max(capturesForcees_ - 1, 0);
    LastCursorPos = p;

    const QScreen *ecran = QGuiApplication::screenAt(p);
    if (!ecran)
        ecran = QGuiApplication::primaryScreen();
    const QRect geometrie = ecran ? ecran->geometry() : QRect(QPoint(0, 0), size());
    p -= geometrie.topLeft();
    const int niveau = std::max(ZoomLevel, 1);
    const int demiL = (width() / 2) * niveau / 100;
    const int demiH = (height() / 2) * niveau / 100;
    int dx = 0;
    int dy = 0;
    if (p.x() < demiL) {
        dx = (p.x() - demiL - 1) * 100 / niveau;
        p.setX(demiL);
    } else if (p.x() + demiL > geometrie.width()) {
        dx = (p.x() + demiL - geometrie.width() + 1) * 100 / niveau;
        p.setX(geometrie.width() - demiL);
    }
    if (p.y() < demiH) {
        dy = (p.y() - demiH - 1) * 100 / niveau;
        p.setY(demiH);
    } else if (p.y() + demiH > geometrie.height()) {
        dy = (p.y() + demiH - geometrie.height() + 1) * 100 / niveau;
        p.setY(geometrie.height() - demiH);
    }

    const QRect rectangle(geometrie.topLeft() + p - QPoint(demiL, demiH), QSize(2 * demiL, 2 * demiH));
    const QImage capture = rectangle.isEmpty() || bureauSansCapture() ? QImage() : bureau().CaptureEcran(rectangle);
    captureRefusee_ = capture.isNull();
    contenu_ = QImage(size(), QImage::Format_RGB32);
    contenu_.fill(Qt::black);
    if (!captureRefusee_) {
        QPainter peintre(&contenu_);
        peintre.drawImage(contenu_.rect(), capture);
        if (Crosshair) {
            peintre.setPen(QPen(CrosshairColor, 1, Qt::SolidLine));
            const int cx = width() / 2 + dx;
            const int cy = height() / 2 + dy;
            const int s = CrosshairSize / 2;
            peintre.drawLine(cx, cy - s, cx, cy + s);
            peintre.drawLine(cx - s, cy, cx + s, cy);
        }
    }
    repaint();
    emit ContentsChanged();
}

void TZoom::ContenuChange() { capturesForcees_ = std::max(capturesForcees_, CapturesApresChangement); }

void TZoom::Suivre(QPoint pointEcran)
{
    suivi_ = pointEcran;
    pointeurAuSuivi_ = bureau().PositionPointeur();
    ContenuChange();
}

void TZoom::paintEvent(QPaintEvent *)
{
    QPainter peintre(this);
    const QImage *image = active_ ? &contenu_ : (CacheBitmap ? &*CacheBitmap : nullptr);
    if (!image || image->isNull()) {
        peintre.fillRect(rect(), palette().window());
        return;
    }
    peintre.drawImage(0, 0, *image);
    if (active_ && captureRefusee_) {
        peintre.setPen(Qt::white);
        peintre.drawText(rect().adjusted(8, 8, -8, -8), Qt::AlignCenter | Qt::TextWordWrap, TexteCaptureRefusee);
    }
}

void TZoom::resizeEvent(QResizeEvent *evenement)
{
    QWidget::resizeEvent(evenement);
    LastCursorPos = QPoint(INT_MAX, INT_MAX);
    PaintZoom();
}

void TZoom::showEvent(QShowEvent *evenement)
{
    QWidget::showEvent(evenement);
    // What lies under the pointer is still being drawn when the view shows: the first ticks capture
    // even if the pointer stays still.
    capturesForcees_ = CapturesApresAffichage;
    PaintZoom();
}
