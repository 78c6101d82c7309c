#pragma once

#include <QString>

// Mechanisms are often written on a desktop whose file names ignore letter case. A file or folder
// of a mechanism is found by its exact name first, otherwise by the name that differs only in
// letter case (the first in name order when several do). Every component of the path that does not
// exist as written is looked for so; the path is returned as written from the first component that
// cannot be found either way, and a final "/" is kept.
QString TrouverChemin(const QString &chemin);

// TrouverChemin(dossier + nom): a file of an exercise folder that ends with "/".
QString FichierDuDossier(const QString &dossier, const QString &nom);
