#pragma once

#include "common/Couleur.h"
#include "joint_graph/GeometrieLien.h"
#include "joint_graph/GrapheLiaisons.h"

#include <QImage>
#include <QWidget>
#include <array>
#include <optional>
#include <vector>

// The background of the graph area: the window's face colour, and on it the link of each joint in
// two halves, from node 1 to the middle in the colour of the first class and from node 2 to the
// middle in the colour of the second; a later link is drawn over an earlier one. The links are
// drawn into a picture of the area, and a changed link redraws only the rectangle it covered and
// covers, so that dragging a node costs what its links cover, not the whole area.
class TFondGraphe : public QWidget {
    Q_OBJECT
public:
    static constexpr int EpaisseurLien = 2;

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

protected:
    void paintEvent(QPaintEvent *evenement) override;
    void resizeEvent(QResizeEvent *evenement) override;

private:
    // Fills the rectangles with the face colour and draws again the links that cross them.
    void Retracer(const QList<QRect> &rectangles);

    std::array<std::optional<Lien>, NbrLiaisonMax> liens_{};
    QImage image_; // the face colour and the links, the size of the widget
    std::vector<QRgb> ligneFond_; // a row of the face colour, the width of the widget
};
