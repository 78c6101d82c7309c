#pragma once

#include <QList>
#include <QPoint>
#include <QSize>

// The left positions of a row of class nodes, all at the same top: the first at `ecart`, each next
// one as near as it can be to the one before while a joint symbol of the given size, centred on the
// link between the two, keeps `ecart` / 2 pixels away from both, so that a click meant for a node
// never lands on the symbol.
QList<int> GauchesRangeeNoeuds(const QList<QSize> &tailles, QSize symbole, int ecart);

// The places of the class nodes in as few rows as fit a visible width of `largeur` pixels (a node
// wider than that alone in its row), spread evenly over the rows, each row laid as above. A row
// starts low enough that the symbol of the joint between the last node of the row before and its
// own first node covers no node either.
QList<QPoint> PlacesRangeesNoeuds(const QList<QSize> &tailles, QSize symbole, int ecart, int largeur);
