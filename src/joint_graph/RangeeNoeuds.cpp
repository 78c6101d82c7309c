#include "joint_graph/RangeeNoeuds.h"

#include "joint_graph/GeometrieLien.h"

#include <QRect>

namespace {
// Beyond this the search stops: the graph area is not made larger than its nodes may be placed.
constexpr int GaucheMax = 4000;

// The symbol of the joint between the two nodes, with its margin, keeps off every node given.
bool symboleLibre(const QRect &noeud1, const QRect &noeud2, QSize symbole, int marge, const QList<QRect> &noeuds)
{
    if (symbole.isEmpty())
        return true;
    const auto lien = CalculerLien(noeud1, noeud2);
    if (!lien)
        return false;
    const QRect place(lien->milieu - QPoint(symbole.width() / 2, symbole.height() / 2), symbole);
    const QRect autour = place.adjusted(-marge, -marge, marge, marge);
    for (const QRect &noeud : noeuds) {
        if (autour.intersects(noeud))
            return false;
    }
    return true;
}

bool symboleLibre(const QRect &noeud1, const QRect &noeud2, QSize symbole, int marge)
{
    return symboleLibre(noeud1, noeud2, symbole, marge, {noeud1, noeud2});
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

QList<QPoint> PlacesRangeesNoeuds(const QList<QSize> &tailles, QSize symbole, int ecart, int largeur)
{
    const qsizetype nombre = tailles.size();
    for (qsizetype rangees = 1; rangees <= nombre; ++rangees) {
        const qsizetype parRangee = (nombre + rangees - 1) / rangees;
        QList<QRect> noeuds;
        bool tient = true;
        int haut = ecart;
        for (qsizetype debut = 0; debut < nombre && tient; debut += parRangee) {
            const QList<QSize> rangee = tailles.mid(debut, parRangee);
            const QList<int> gauches = GauchesRangeeNoeuds(rangee, symbole, ecart);
            // One node a row always goes: the area then scrolls to a node wider than it.
            tient = rangee.size() == 1 || gauches.last() + rangee.last().width() + ecart <= largeur;
            const auto placer = [&](int y) {
                QList<QRect> places = noeuds;
                for (qsizetype i = 0; i < rangee.size(); ++i)
                    places << QRect(QPoint(gauches[i], y), rangee[i]);
                return places;
            };
            if (debut > 0) {
                int basRangee = 0;
                for (const QRect &noeud : noeuds)
                    basRangee = qMax(basRangee, noeud.bottom() + 1);
                haut = basRangee + symbole.height() + ecart;
                while (haut < GaucheMax) {
                    const QList<QRect> places = placer(haut);
                    if (symboleLibre(places[debut - 1], places[debut], symbole, ecart / 2, places))
                        break;
                    ++haut;
                }
            }
            noeuds = placer(haut);
        }
        if (tient) {
            QList<QPoint> places;
            for (const QRect &noeud : noeuds)
                places << noeud.topLeft();
            return places;
        }
    }
    return {};
}
