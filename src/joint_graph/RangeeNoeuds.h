#pragma once

#include <QList>
#include <QSize>

// The left positions of a row of class nodes, all at the same top: the first at `ecart`, each next
// one as near as it can be to the one before while a joint symbol of the given size, centred on the
// link between the two, keeps `ecart` / 2 pixels away from both, so that a click meant for a node
// never lands on the symbol.
QList<int> GauchesRangeeNoeuds(const QList<QSize> &tailles, QSize symbole, int ecart);
