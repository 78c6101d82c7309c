#include "joint_graph/NomMecanisme.h"

#include "common/Descripteur.h"
#include "common/DossierProgramme.h"
#include "common/TrouverChemin.h"

#include <QRegularExpression>
#include <algorithm>

QString NomMecanismeDuDossier(const QString &dossierExercice)
{
    static const QRegularExpression separateurs(QStringLiteral("[/\\\\]"));
    const QStringList composants = dossierExercice.split(separateurs, Qt::SkipEmptyParts);
    return composants.size() < 2 ? QString() : composants[composants.size() - 2];
}

bool EstNomMecanismeValide(const QString &nom)
{
    const bool controle =
        std::any_of(nom.cbegin(), nom.cend(), [](QChar c) { return c.category() == QChar::Other_Control; });
    // A damaged UTF-16 file can give a lone surrogate, which no folder name can hold.
    return !nom.isEmpty() && nom != u"." && nom != u".." && !nom.contains(u'/') && !nom.contains(u'\\') && !controle &&
           nom.isValidUtf16() && nom.toUtf8().size() <= LongueurMaxNomDossier;
}

namespace {
// The free mode's folder is the program's own; any other mechanism is looked for wherever mechanisms
// are installed.
QString dossierExercice(const QString &nomMecanisme, const QString &nomDossier)
{
    if (nomMecanisme.compare(NomSansMecanisme, Qt::CaseInsensitive) == 0)
        return TrouverChemin(DossierProgramme() + nomMecanisme + u'/' + nomDossier + u'/');
    return DossierExerciceRadical(nomMecanisme, nomDossier);
}
} // namespace

QString DossierGrapheDesLiaisons(const QString &nomMecanisme)
{
    return dossierExercice(nomMecanisme, NomDossierGrapheDesLiaisons);
}

QString DossierSchemaCinematique(const QString &nomMecanisme)
{
    return dossierExercice(nomMecanisme, NomDossierSchemaCinematique);
}
