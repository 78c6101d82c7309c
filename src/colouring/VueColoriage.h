#pragma once

#include "colouring/IndexZones.h"

#include <QImage>
#include <QWidget>
#include <span>

// The drawing of a colouring exercise as the student sees it, at its natural size: the coloured
// layer, the highlighted zone in grey above it, and the line drawing on top, its white ground left
// out. Only the rectangles that change are drawn again.
class VueColoriage : public QWidget {
    Q_OBJECT
public:
    // A drawing is black lines on white, whatever its corners hold: a frame line or a scan border
    // touching a corner does not make the lines' colour the ground.
    static constexpr TColor FondDuPlan = clWhite;

    explicit VueColoriage(QWidget *parent = nullptr);

    // The pictures belong to the window and stay alive while they are shown.
    void DefinirImages(const QImage *zone, const QImage *plan);
    void DefinirSurbrillance(std::span<const Trait> traits);
    void DefinirSurbrillanceVisible(bool visible);
    bool SurbrillanceVisible() const { return surbrillanceVisible_; }

signals:
    void Enfoncee(Qt::MouseButton bouton, QPoint position);
    void Deplacee(QPoint position);

protected:
    void paintEvent(QPaintEvent *evenement) override;
    void mousePressEvent(QMouseEvent *evenement) override;
    void mouseDoubleClickEvent(QMouseEvent *evenement) override;
    void mouseMoveEvent(QMouseEvent *evenement) override;

private:
    void montrerTraits(std::span<const Trait> traits);

    const QImage *zone_ = nullptr;
    const QImage *plan_ = nullptr;
    std::span<const Trait> surbrillance_;
    bool surbrillanceVisible_ = false;
};
