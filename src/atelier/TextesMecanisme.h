#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// Texts of a mechanism's files that are made from its parts, classes and zones.

// The solution of part or class h in a colouring exercise: one character a zone, "1" where the zone is h's.
// proprietaires gives the part or class of zones 1, 2, 3… in order, 0 for none.
QString ChaineSolution(const std::vector<int> &proprietaires, int h);

// "Corps (1)": a part as the class texts name it.
QString PieceEtRepere(const QString &designation, int repere);
// "Bâti : Corps (1), Vis (4)": what the joint graph tells of a class.
QString InformationClasse(const QString &nom, const QStringList &pieces);
