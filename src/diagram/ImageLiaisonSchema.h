#pragma once

#include <QLabel>

// The picture of a joint symbol in the drawing area. Tab reaches it, and it draws the focus around
// itself, so that a student without a mouse sees which symbol the arrow keys move.
class ImageLiaisonSchema final : public QLabel {
    Q_OBJECT
public:
    explicit ImageLiaisonSchema(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *evenement) override;
};
