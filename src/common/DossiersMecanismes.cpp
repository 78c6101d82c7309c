#include "common/DossiersMecanismes.h"

#include "common/DossierProgramme.h"

#include <QDir>

namespace {

const QString SousDossierMecanismes = QStringLiteral("velkora/mecanismes/");

// A variable's value, or its default when it is unset or empty.
QString variable(const char *nom, const QString &defaut)
{
    const QString valeur = qEnvironmentVariable(nom);
    return valeur.isEmpty() ? defaut : valeur;
}

} // namespace

QStringList DossiersMecanismes()
{
    QStringList donnees{variable("XDG_DATA_HOME", QDir::homePath() + QStringLiteral("/.local/share"))};
    donnees += variable("XDG_DATA_DIRS", QStringLiteral("/usr/local/share:/usr/share")).split(u':', Qt::SkipEmptyParts);

    QStringList dossiers;
    for (const QString &dossier : std::as_const(donnees)) {
        if (QDir::isAbsolutePath(dossier))
            dossiers << QDir(QDir::cleanPath(dossier)).filePath(SousDossierMecanismes);
    }
    dossiers << DossierProgramme();
    return dossiers;
}
