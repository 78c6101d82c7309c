#include "common/DossierProgramme.h"

#include <QCoreApplication>

namespace {
QString &dossierImpose()
{
    static QString dossier;
    return dossier;
}
} // namespace

QString DossierProgramme()
{
    QString dossier = dossierImpose().isEmpty() ? QCoreApplication::applicationDirPath() : dossierImpose();
    if (!dossier.endsWith(u'/'))
        dossier += u'/';
    return dossier;
}

void DefinirDossierProgramme(const QString &dossier) { dossierImpose() = dossier; }
