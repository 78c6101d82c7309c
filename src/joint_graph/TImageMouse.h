#pragma once

#include <QImage>
#include <QLabel>
#include <functional>

// An image control at the natural size of its picture that tells when the mouse enters and leaves
// it, and passes on its presses, moves and releases with the point relative to itself. A click
// action, when one is set, runs when the left button is released over the control, or when the
// control has the keyboard focus and Espace or Entrée is pressed.
class TImageMouse : public QLabel {
    Q_OBJECT
public:
    using Evenement = std::function<void(TImageMouse *sender)>;
    using EvenementSouris = std::function<void(TImageMouse *sender, Qt::MouseButton bouton, const QPoint &position)>;
    // True when the key was used; otherwise it goes on to the click action or to the parent.
    using EvenementClavier = std::function<bool(TImageMouse *sender, const QKeyEvent &touche)>;

    explicit TImageMouse(QWidget *parent = nullptr);

    int Tag = 0;
    Evenement OnMouseEnter;
    Evenement OnMouseLeave;
    EvenementSouris OnMouseDown;
    EvenementSouris OnMouseMove;
    EvenementSouris OnMouseUp;
    EvenementClavier OnKeyDown;

    // The picture, shown opaque, or transparent where it has the colour of its bottom-left pixel.
    void DefinirImage(const QImage &image, bool transparente = false);
    const QImage &Image() const { return image_; }

    // The picture is drawn by the parent instead (see TFondGraphe::Suivre); the control still takes the
    // mouse and names the picture for screen readers.
    void DefinirDessineeParLeParent(bool oui) { dessineeParLeParent_ = oui; }

    // The action of a click, with the hand cursor while there is one.
    void DefinirClic(Evenement action);
    // Runs the click action once, as a click would.
    void Cliquer();
    // The release of the press under way runs no click action (it already ran at the press).
    void AnnulerClicEnCours() { clicAnnule_ = true; }

signals:
    void imageDefinie();

protected:
    void enterEvent(QEnterEvent *evenement) override;
    void leaveEvent(QEvent *evenement) override;
    void mousePressEvent(QMouseEvent *evenement) override;
    void mouseMoveEvent(QMouseEvent *evenement) override;
    void mouseReleaseEvent(QMouseEvent *evenement) override;
    void keyPressEvent(QKeyEvent *evenement) override;
    // The picture from the top-left corner, straight, without the label's styled drawing, and the
    // focus frame over it while the control has the keyboard focus.
    void paintEvent(QPaintEvent *evenement) override;

private:
    QImage image_;
    Evenement clic_;
    bool clicAnnule_ = false;
    bool dessineeParLeParent_ = false;
};
