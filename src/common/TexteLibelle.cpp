#include "common/TexteLibelle.h"

QString TexteLibelle(const QString &texte)
{
    QString libelle = texte;
    return libelle.replace(u'&', QStringLiteral("&&"));
}
