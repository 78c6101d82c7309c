#include "common/OuvertureExercice.h"

#include "common/Descripteur.h"
#include "common/FichierIni.h"
#include "common/TrouverChemin.h"

#include <QFileInfo>

QString MessageImpossibleOuvrir(const QString &chemin)
{
    return QStringLiteral("Impossible d'ouvrir le fichier \"%1\".").arg(NomFichier(chemin));
}

QString MessageFichierManquant(const QString &nomFichier, const QString &phraseExercice)
{
    return QStringLiteral("Le fichier \"%1\" est manquant.\n\n%2").arg(nomFichier, phraseExercice);
}

QString MessageFichierIllisible(const QString &nomFichier, const QString &phraseExercice)
{
    return QStringLiteral("Le fichier \"%1\" ne peut pas être lu.\n\n%2").arg(nomFichier, phraseExercice);
}

QString MessageFichierSansSection(const QString &nomFichier, const QString &phraseExercice)
{
    return QStringLiteral("Le fichier \"%1\" est vide ou n'a aucune section [ ].\n\n%2")
        .arg(nomFichier, phraseExercice);
}

QString MessageImageIllisible(const QString &nomFichier, const QString &phraseExercice)
{
    return QStringLiteral("Le fichier \"%1\" n'est pas une image lisible.\n\n%2").arg(nomFichier, phraseExercice);
}

QString MessageTailleTramePlan(const QSize &trame, const QSize &plan, const QString &phraseExercice)
{
    return QStringLiteral("Le fichier \"trame.bmp\" mesure %1 × %2 pixels et le fichier \"plan.bmp\" %3 × %4 pixels : "
                          "ils doivent avoir la même taille.\n\n%5")
        .arg(trame.width())
        .arg(trame.height())
        .arg(plan.width())
        .arg(plan.height())
        .arg(phraseExercice);
}

std::optional<QString> VerifierFichier(const QString &chemin, const QString &extensionAttendue)
{
    if (!QFileInfo(TrouverChemin(chemin)).isFile())
        return MessageImpossibleOuvrir(chemin);
    if (ExtensionMinuscule(chemin) != extensionAttendue)
        return MessageMauvaiseExtension;
    return std::nullopt;
}

std::optional<QString> VerifierAcces(const QString &cheminDescripteur, int numeroExercice)
{
    const FichierIni descripteur(TrouverChemin(cheminDescripteur));
    if (descripteur.illisible())
        return MessageImpossibleOuvrir(cheminDescripteur);
    if (!descripteur.lireDrapeau(SectionExercice, CleExercice(numeroExercice)))
        return MessageSansAcces;
    return std::nullopt;
}

std::optional<QString> VerifierFichiersPresents(const QString &dossier, const QStringList &fichiers,
                                                const QString &phraseExercice)
{
    for (const QString &fichier : fichiers) {
        if (!QFileInfo::exists(FichierDuDossier(dossier, fichier)))
            return MessageFichierManquant(fichier, phraseExercice);
    }
    return std::nullopt;
}

OuvertureDescripteur VerifierDescripteur(const QString &cheminDescripteur, int numeroExercice,
                                         const QString &nomDossier, const QStringList &fichiersRequis,
                                         const QString &phraseExercice)
{
    OuvertureDescripteur ouverture;
    ouverture.refus = VerifierFichier(cheminDescripteur, ExtensionDescripteur);
    if (!ouverture.refus)
        ouverture.refus = VerifierAcces(cheminDescripteur, numeroExercice);
    if (ouverture.refus)
        return ouverture;
    ouverture.dossierExercice = DossierExerciceDescripteur(TrouverChemin(cheminDescripteur), nomDossier);
    ouverture.refus = VerifierFichiersPresents(ouverture.dossierExercice, fichiersRequis, phraseExercice);
    return ouverture;
}
