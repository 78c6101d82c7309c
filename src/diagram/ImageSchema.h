#pragma once

#include <QImage>
#include <QWidget>

// The picture of the diagram's drawing area. It sizes itself to its picture and repaints only the
// rectangles it is told changed, so that a stroke or a symbol drag costs what it covers.
class ImageSchema final : public QWidget {
    Q_OBJECT
public:
    explicit ImageSchema(QWidget *parent = nullptr);

    // The picture shown, 24 bits; after changing its pixels, call rafraichir on what changed.
    QImage &image() { return image_; }
    const QImage &image() const { return image_; }
    void definirImage(QImage image);
    void rafraichir(const QRect &zone) { update(zone); }

protected:
    void paintEvent(QPaintEvent *evenement) override;

private:
    QImage image_;
};
