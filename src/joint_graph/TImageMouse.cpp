#include "joint_graph/TImageMouse.h"

#include <QBitmap>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <utility>

TImageMouse::TImageMouse(QWidget *parent) : QLabel(parent)
{
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextFormat(Qt::PlainText);
}

void TImageMouse::DefinirImage(const QImage &image, bool transparente)
{
    image_ = image;
    QPixmap pixmap = QPixmap::fromImage(image);
    if (transparente && !image.isNull()) {
        const QRgb fond = image.pixel(0, image.height() - 1);
        pixmap.setMask(QBitmap::fromImage(image.createMaskFromColor(fond, Qt::MaskInColor)));
    }
    setPixmap(pixmap);
    resize(image.size());
    emit imageDefinie();
}

void TImageMouse::paintEvent(QPaintEvent *)
{
    if (dessineeParLeParent_)
        return;
    QPainter peintre(this);
    peintre.drawPixmap(0, 0, pixmap());
    if (hasFocus()) {
        peintre.setPen(QPen(palette().color(QPalette::Highlight), 2));
        peintre.drawRect(rect().adjusted(1, 1, -1, -1));
    }
}

void TImageMouse::DefinirClic(Evenement action)
{
    clic_ = std::move(action);
    if (clic_)
        setCursor(Qt::PointingHandCursor);
    else
        unsetCursor();
}

void TImageMouse::Cliquer()
{
    // The action may take itself away or replace itself: it runs from a copy.
    if (const Evenement action = clic_)
        action(this);
}

void TImageMouse::enterEvent(QEnterEvent *evenement)
{
    if (OnMouseEnter)
        OnMouseEnter(this);
    QLabel::enterEvent(evenement);
}

void TImageMouse::leaveEvent(QEvent *evenement)
{
    if (OnMouseLeave)
        OnMouseLeave(this);
    QLabel::leaveEvent(evenement);
}

void TImageMouse::mousePressEvent(QMouseEvent *evenement)
{
    clicAnnule_ = false;
    if (OnMouseDown)
        OnMouseDown(this, evenement->button(), evenement->position().toPoint());
    evenement->accept();
}

void TImageMouse::mouseMoveEvent(QMouseEvent *evenement)
{
    if (OnMouseMove)
        OnMouseMove(this, evenement->button(), evenement->position().toPoint());
    evenement->accept();
}

void TImageMouse::mouseReleaseEvent(QMouseEvent *evenement)
{
    const QPointer<TImageMouse> vivant(this);
    if (OnMouseUp)
        OnMouseUp(this, evenement->button(), evenement->position().toPoint());
    if (vivant && evenement->button() == Qt::LeftButton && rect().contains(evenement->position().toPoint()) &&
        !std::exchange(clicAnnule_, false))
        Cliquer();
    evenement->accept();
}

void TImageMouse::keyPressEvent(QKeyEvent *evenement)
{
    if (OnKeyDown && OnKeyDown(this, *evenement)) {
        evenement->accept();
        return;
    }
    const int touche = evenement->key();
    const bool activer = touche == Qt::Key_Space || touche == Qt::Key_Return || touche == Qt::Key_Enter;
    if (activer && clic_ && (evenement->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        Cliquer();
        evenement->accept();
        return;
    }
    QLabel::keyPressEvent(evenement);
}
