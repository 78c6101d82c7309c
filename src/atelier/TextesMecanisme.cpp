#include "atelier/TextesMecanisme.h"

QString ChaineSolution(const std::vector<int> &proprietaires, int h)
{
    QString solution;
    solution.reserve(qsizetype(proprietaires.size()));
    for (const int proprietaire : proprietaires)
        solution.append(proprietaire == h ? u'1' : u'0');
    return solution;
}

QString PieceEtRepere(const QString &designation, int repere)
{
    return QStringLiteral("%1 (%2)").arg(designation, QString::number(repere));
}

QString InformationClasse(const QString &nom, const QStringList &pieces)
{
    return QStringLiteral("%1 : %2").arg(nom, pieces.join(QStringLiteral(", ")));
}
