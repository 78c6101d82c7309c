#pragma once

#include <QString>

// The folder of the executable, ending with "/": every mechanism and resource is found from it.
QString DossierProgramme();
// Points the program folder elsewhere (tests lay a mechanism tree in a temporary folder).
void DefinirDossierProgramme(const QString &dossier);
