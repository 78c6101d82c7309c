#include "common/TitreFenetre.h"

QString TitreExercice(const QString &legende, const QStringList &precisions, bool marqueModification)
{
    QString titre = legende;
    for (const QString &precision : precisions) {
        if (!precision.isEmpty())
            titre += QStringLiteral(" – ") + precision;
    }
    return marqueModification ? titre + QStringLiteral("[*]") : titre;
}
