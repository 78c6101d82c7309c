#include "joint_graph/NomMecanisme.h"

#include "common/Descripteur.h"

#include <QRegularExpression>

QString NomMecanismeDuDossier(const QString &dossierExercice)
{
    static const QRegularExpression separateurs(QStringLiteral("[/\\\\]"));
    const QStringList composants = dossierExercice.split(separateurs, Qt::SkipEmptyParts);
    return composants.size() < 2 ? QString() : composants[composants.size() - 2];
}

bool EstNomMecanismeValide(const QString &nom)
{
    return !nom.isEmpty() && nom != u"." && nom != u".." && !nom.contains(u'/') && !nom.contains(u'\\') &&
           !nom.contains(QChar(u'\0'));
}

QString DossierGrapheDesLiaisons(const QString &nomMecanisme)
{
    return DossierExerciceRadical(nomMecanisme, NomDossierGrapheDesLiaisons);
}

QString DossierSchemaCinematique(const QString &nomMecanisme)
{
    return DossierExerciceRadical(nomMecanisme, NomDossierSchemaCinematique);
}
