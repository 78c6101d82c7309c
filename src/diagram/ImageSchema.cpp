#include "diagram/ImageSchema.h"

#include <QPaintEvent>
#include <QPainter>

ImageSchema::ImageSchema(QWidget *parent) : QWidget(parent) { setAttribute(Qt::WA_OpaquePaintEvent); }

void ImageSchema::definirImage(QImage image)
{
    image_ = std::move(image);
    resize(image_.size());
    update();
}

void ImageSchema::paintEvent(QPaintEvent *evenement)
{
    QPainter peintre(this);
    for (const QRect &zone : evenement->region())
        peintre.drawImage(zone.topLeft(), image_, zone);
}
