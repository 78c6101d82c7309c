#pragma once

#include "common/Couleur.h"
#include "joint_graph/GeometrieLien.h"
#include "joint_graph/GrapheLiaisons.h"

#include <QWidget>
#include <array>
#include <optional>

// The background of the graph area: the window's face colour, and on it the link of each joint in
// two halves, from node 1 to the middle in the colour of the first class and from node 2 to the
// middle in the colour of the second. Changing a link repaints only the ground it covered and
// covers; links are painted in joint order, a later one over an earlier one.
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

    // Paints the region of the background, with its links, as the screen shows it.
    void Peindre(QPainter &peintre, const QRegion &region) const;

protected:
    void paintEvent(QPaintEvent *evenement) override;

private:
    std::array<std::optional<Lien>, NbrLiaisonMax> liens_{};
};
