#include "common/TrouverChemin.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace {

// The entry of the folder whose name equals nom but for letter case, first in name order; empty if none.
QString entreeSansCasse(const QString &dossier, const QString &nom)
{
    QStringList noms =
        QDir(dossier).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::NoSort);
    noms.sort(Qt::CaseSensitive);
    for (const QString &candidat : noms) {
        if (candidat.compare(nom, Qt::CaseInsensitive) == 0)
            return candidat;
    }
    return {};
}

} // namespace

QString TrouverChemin(const QString &chemin)
{
    if (chemin.isEmpty() || QFileInfo::exists(chemin))
        return chemin;

    const bool separateurFinal = chemin.endsWith(u'/');
    const bool absolu = chemin.startsWith(u'/');
    QString trouve = absolu ? QStringLiteral("/") : QString();
    for (const QString &composant : chemin.split(u'/', Qt::SkipEmptyParts)) {
        const QString prefixe = trouve.isEmpty() || trouve.endsWith(u'/') ? trouve : trouve + u'/';
        if (QFileInfo::exists(prefixe + composant)) {
            trouve = prefixe + composant;
            continue;
        }
        const QString nom = composant == u"." || composant == u".."
                                ? QString()
                                : entreeSansCasse(trouve.isEmpty() ? QStringLiteral(".") : trouve, composant);
        if (nom.isEmpty())
            return chemin;
        trouve = prefixe + nom;
    }
    return separateurFinal ? trouve + u'/' : trouve;
}

QString FichierDuDossier(const QString &dossier, const QString &nom) { return TrouverChemin(dossier + nom); }
