#include "common/Descripteur.h"

#include "common/DossierProgramme.h"
#include "common/DossiersMecanismes.h"
#include "common/FichierIni.h"
#include "common/TrouverChemin.h"

#include <QFileInfo>

Descripteur LireDescripteur(const QString &cheminDescripteur)
{
    const FichierIni ini(TrouverChemin(cheminDescripteur));
    Descripteur d;
    d.nom = ini.lireTexte(SectionExercice, QStringLiteral("Nom"));
    for (int n = 1; n <= 5; ++n)
        d.exercices[static_cast<std::size_t>(n - 1)] = ini.lireDrapeau(SectionExercice, CleExercice(n));
    d.validite = ini.lireDrapeau(SectionExercice, QStringLiteral("Validite"));
    d.difficulte = ini.lireEntier(QStringLiteral("MENU"), QStringLiteral("Difficulte"), 0);
    return d;
}

QString NomMecanismeAffiche(const QString &cheminDescripteur)
{
    const QString nom = LireDescripteur(cheminDescripteur).nom.trimmed();
    return nom.isEmpty() ? NomFichier(RadicalDescripteur(cheminDescripteur)) : nom;
}

QString CleExercice(int numeroExercice) { return QStringLiteral("Exo%1").arg(numeroExercice); }

bool LireAccesExercice(const QString &cheminDescripteur, int numeroExercice)
{
    return FichierIni(TrouverChemin(cheminDescripteur)).lireDrapeau(SectionExercice, CleExercice(numeroExercice));
}

QString NomFichier(const QString &chemin) { return chemin.mid(chemin.lastIndexOf(u'/') + 1); }

QString ExtensionMinuscule(const QString &chemin)
{
    const QString nom = NomFichier(chemin);
    const qsizetype point = nom.lastIndexOf(u'.');
    return point < 0 ? QString() : nom.mid(point).toLower();
}

QString RadicalDescripteur(const QString &cheminDescripteur)
{
    const QString nom = NomFichier(cheminDescripteur);
    return nom.chopped(qMin<qsizetype>(4, nom.size()));
}

QString DossierDuMecanisme(const QString &radical)
{
    const QStringList dossiers = DossiersMecanismes();
    const QString nom = radical + ExtensionDescripteur;
    for (const QString &dossier : dossiers) {
        if (QFileInfo(dossier + nom).isFile())
            return dossier;
    }
    for (const QString &dossier : dossiers) {
        if (QFileInfo(TrouverChemin(dossier + nom)).isFile())
            return dossier;
    }
    return DossierProgramme();
}

QString CheminDescripteur(const QString &radical)
{
    return TrouverChemin(DossierDuMecanisme(radical) + radical + ExtensionDescripteur);
}

QString DossierExerciceDescripteur(const QString &cheminDescripteur, const QString &nomDossier)
{
    return TrouverChemin(cheminDescripteur.chopped(qMin<qsizetype>(4, cheminDescripteur.size())) + u'/' + nomDossier +
                         u'/');
}

QString DossierExerciceRadical(const QString &radical, const QString &nomDossier)
{
    return TrouverChemin(DossierDuMecanisme(radical) + radical + u'/' + nomDossier + u'/');
}
