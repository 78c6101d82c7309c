#pragma once

#include "common/Couleur.h"
#include "joint_graph/GeometrieLien.h"
#include "joint_graph/GrapheLiaisons.h"
#include "joint_graph/TImageMouse.h"

#include <QImage>
#include <QWidget>
#include <array>
#include <optional>
#include <vector>

// The graph area: the window's face colour, and on it the link of each joint in two halves, from
// node 1 to the middle in the colour of the first class and from node 2 to the middle in the colour
// of the second, a later link drawn over an earlier one; over the links, the pictures of the nodes
// and joint symbols it follows, in the order they were given, and around the one that has the
// keyboard focus, a frame in the highlight colour. Everything is drawn into a picture of
// the area, and a change redraws only the rectangles it covered and covers, so that dragging a node
// costs what it and its links cover, not the whole area, nor the work of moving child controls.
class TFondGraphe : public QWidget {
    Q_OBJECT
public:
    static constexpr int EpaisseurLien = 2;
    // The focus frame: this thick, one pixel away from the picture.
    static constexpr int EpaisseurCadreFocus = 2;

    struct Lien {
        GeometrieLien geometrie;
        TColor couleurCe1 = clBlack;
        TColor couleurCe2 = clBlack;
        friend bool operator==(const Lien &, const Lien &) = default;
    };

    explicit TFondGraphe(QWidget *parent = nullptr);

    // Joint 1 to 20; nothing takes the link away.
    void DefinirLien(int liaison, const std::optional<Lien> &lien);
    const std::optional<Lien> &LienDe(int liaison) const;

    // Draws the picture of a child control at its place, opaque, while it is not hidden; the control
    // itself no longer paints, nor makes Qt repaint where it moves: it takes the mouse and names the
    // picture for screen readers. Followed in order: a later one is drawn over an earlier one.
    void Suivre(TImageMouse *image);
    // While one lives, the changes are kept and drawn together when it ends: the step of a drag
    // moves a node, its links and their symbols, which overlap.
    class Lot {
    public:
        explicit Lot(TFondGraphe &fond);
        ~Lot();
        Lot(const Lot &) = delete;
        Lot &operator=(const Lot &) = delete;

    private:
        TFondGraphe &fond_;
    };

signals:
    // A followed picture took the keyboard focus.
    void focusRecu(QWidget *image);

protected:
    bool eventFilter(QObject *objet, QEvent *evenement) override;
    void childEvent(QChildEvent *evenement) override;
    void paintEvent(QPaintEvent *evenement) override;
    void resizeEvent(QResizeEvent *evenement) override;

private:
    struct Suivi {
        QObject *image; // a child: forgotten when it goes
        QImage pixels;  // its picture, in the format of the area's
        QPoint coin;
        bool montre;
    };
    Suivi *SuiviDe(const QObject *image);
    // What a followed picture covers on the area, its focus frame included.
    QRect Place(const Suivi &suivi) const;
    void TracerCadreFocus(const QList<QRect> &zones);
    void DefinirFocus(const QObject *image);
    // A followed picture changed: what it covered and covers is drawn again.
    void Actualiser(Suivi &suivi, const QImage &pixels, QPoint coin, bool montre);
    // Draws the rectangles again and shows them.
    void Rafraichir(const QList<QRect> &rectangles);
    // Fills the zones, inside the picture, with the face colour and draws again the links and the
    // pictures that cross them.
    void Retracer(const QList<QRect> &zones);

    std::array<std::optional<Lien>, NbrLiaisonMax> liens_{};
    QImage image_;                // the face colour and the links, the size of the widget
    std::vector<QRgb> ligneFond_; // a row of the face colour, the width of the widget
    std::vector<Suivi> suivis_;
    const QObject *focus_ = nullptr; // the followed picture with the keyboard focus
    int lots_ = 0;                   // the Lot objects alive
    QList<QRect> enAttente_;         // what they keep
};
