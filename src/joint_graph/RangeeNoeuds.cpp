#include "joint_graph/RangeeNoeuds.h"

#include "joint_graph/GeometrieLien.h"

#include <QRect>

namespace {
// Beyond this the search stops: the graph area is not made wider than its nodes may be placed.
constexpr int GaucheMax = 4000;

bool symboleLibre(const QRect &noeud1, const QRect &noeud2, QSize symbole, int marge)
{
    if (symbole.isEmpty())
        return true;
    const auto lien = CalculerLien(noeud1, noeud2);
    if (!lien)
        return false;
    const QRect place(lien->milieu - QPoint(symbole.width() / 2, symbole.height() / 2), symbole);
    const QRect autour = place.adjusted(-marge, -marge, marge, marge);
    return !autour.intersects(noeud1) && !autour.intersects(noeud2);
}
} // namespace

QList<int> GauchesRangeeNoeuds(const QList<QSize> &tailles, QSize symbole, int ecart)
{
    QList<int> gauches;
    gauches.reserve(tailles.size());
    for (qsizetype i = 0; i < tailles.size(); ++i) {
        if (i == 0) {
            gauches << ecart;
            continue;
        }
        const QRect precedent(QPoint(gauches.last(), ecart), tailles[i - 1]);
        int gauche = precedent.left() + precedent.width() + ecart;
        while (gauche < GaucheMax &&
               !symboleLibre(precedent, QRect(QPoint(gauche, ecart), tailles[i]), symbole, ecart / 2))
            ++gauche;
        gauches << gauche;
    }
    return gauches;
}
