#pragma once

#include "colouring/IndexZones.h"

#include <QImage>
#include <QWidget>
#include <span>

// The drawing of a colouring exercise as the student sees it, at its natural size: the coloured
// layer, the highlighted zone in grey above it, and the line drawing on top, its white ground left
// out. Only the rectangles that change are drawn again.
// From the keyboard, a cursor stands for the pointer: the arrows move it (faster with Maj), N and
// Maj+N ask for the next or the previous zone, Espace presses where it stands. It is drawn while the
// view has the focus from the keyboard, and hidden by a press of the mouse until a key is used again.
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

    QPoint Curseur() const { return curseur_; }
    // Moves the keyboard cursor, kept on the drawing, and tells where it went.
    void PlacerCurseur(QPoint position);
    static constexpr int Pas = 4;
    static constexpr int PasRapide = 40;

signals:
    void Enfoncee(Qt::MouseButton bouton, QPoint position);
    void Deplacee(QPoint position);
    void CurseurDeplace(QPoint position);
    // N (suivante true) or Maj+N.
    void ZoneVoisineDemandee(bool suivante);
    // Drawn again, in part or whole: what the screen shows of it changed.
    void Redessinee();

protected:
    void paintEvent(QPaintEvent *evenement) override;
    void mousePressEvent(QMouseEvent *evenement) override;
    void mouseDoubleClickEvent(QMouseEvent *evenement) override;
    void mouseMoveEvent(QMouseEvent *evenement) override;
    void keyPressEvent(QKeyEvent *evenement) override;
    void focusInEvent(QFocusEvent *evenement) override;
    void focusOutEvent(QFocusEvent *evenement) override;
    QVariant inputMethodQuery(Qt::InputMethodQuery requete) const override;

private:
    void montrerTraits(std::span<const Trait> traits);
    QRect cadreCurseur() const;
    void montrerCurseur(bool montre);
    void dessinerCurseur(QPainter &peintre) const;

    const QImage *zone_ = nullptr;
    const QImage *plan_ = nullptr;
    std::span<const Trait> surbrillance_;
    bool surbrillanceVisible_ = false;
    QPoint curseur_;
    bool curseurMontre_ = false;
};
