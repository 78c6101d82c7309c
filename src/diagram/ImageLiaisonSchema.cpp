#include "diagram/ImageLiaisonSchema.h"

#include <QPainter>
#include <QStyleOptionFocusRect>

ImageLiaisonSchema::ImageLiaisonSchema(QWidget *parent) : QLabel(parent)
{
    setFocusPolicy(Qt::TabFocus);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void ImageLiaisonSchema::paintEvent(QPaintEvent *evenement)
{
    QLabel::paintEvent(evenement);
    if (!hasFocus())
        return;
    QPainter peintre(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = rect();
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &peintre, this);
    // Over the symbol's own colours the style's dotted frame may not show: a dashed one always does.
    peintre.setPen(QPen(Qt::black, 1, Qt::DashLine));
    peintre.drawRect(rect().adjusted(0, 0, -1, -1));
}
