#include "joint_graph/ExerciceGraphe.h"

#include "common/ChargementImage.h"
#include "common/FichierIni.h"
#include "common/OuvertureExercice.h"
#include "common/TrouverChemin.h"

#include <QFileInfo>

namespace {
const QString SectionNombre = QStringLiteral("NOMBRE DE CLASSES D EQUIVALENCE");
const QString SectionImprimer = QStringLiteral("IMPRIMER");
const QString SectionInformation = QStringLiteral("INFORMATION");
const QString SectionHyperstatisme = QStringLiteral("HYPERSTATISME");
const QString CleEtude = QStringLiteral("Etude");
const QString EtudeSpatiale = QStringLiteral("spatiale");
const QString EtudePlane = QStringLiteral("plane");

QString messageNombreClasses(const QString &nombre)
{
    return QStringLiteral("Le fichier \"%1\" annonce %2 classes d'équivalence ; il en faut entre 2 et %3.\n\n%4")
        .arg(FichierConditionGraphe)
        .arg(nombre)
        .arg(NbrCeMax)
        .arg(PhraseGraphe);
}

QString messageEtude(const QString &valeur)
{
    return QStringLiteral("Le fichier \"%1\" demande l'étude \"%2\" ; il faut \"%3\" ou \"%4\".\n\n%5")
        .arg(FichierConditionGraphe, valeur, EtudeSpatiale, EtudePlane, PhraseGraphe);
}

std::variant<EtudeExercice, QString> etudeDuFichier(const FichierIni &ini)
{
    const QString valeur = ini.lireTexte(SectionHyperstatisme, CleEtude);
    if (valeur.isEmpty())
        return EtudeExercice::SelonLesVues;
    if (valeur.compare(EtudeSpatiale, Qt::CaseInsensitive) == 0)
        return EtudeExercice::Spatiale;
    if (valeur.compare(EtudePlane, Qt::CaseInsensitive) == 0)
        return EtudeExercice::Plane;
    return messageEtude(valeur);
}
} // namespace

std::variant<ConditionGraphe, QString> LireConditionGraphe(const QString &dossierExercice)
{
    const FichierIni ini(FichierDuDossier(dossierExercice, FichierConditionGraphe));
    if (ini.illisible())
        return MessageFichierIllisible(FichierConditionGraphe, PhraseGraphe);
    ConditionGraphe condition;
    const FichierIni::Compte nombre = ini.lireCompte(SectionNombre, QStringLiteral("Combien"), 0);
    if (nombre.depasse(NbrCeMax) || nombre.valeur < 2)
        return messageNombreClasses(nombre.texte);
    condition.nbrCe = nombre.valeur;
    const auto etude = etudeDuFichier(ini);
    if (const QString *refus = std::get_if<QString>(&etude))
        return *refus;
    condition.etude = std::get<EtudeExercice>(etude);
    condition.outilsVisibles = ini.lireDrapeau(SectionImprimer, QStringLiteral("Visible"), false);
    for (int n = 1; n <= condition.nbrCe; ++n)
        condition.informations[static_cast<std::size_t>(n - 1)] =
            ini.lireTexte(SectionInformation, QStringLiteral("ce%1").arg(n));
    return condition;
}

bool LireOutilsVisibles(const QString &dossierExercice)
{
    return FichierIni(FichierDuDossier(dossierExercice, FichierConditionGraphe))
        .lireDrapeau(SectionImprimer, QStringLiteral("Visible"), false);
}

std::variant<EtudeExercice, QString> LireEtudeExercice(const QString &dossierExercice)
{
    return etudeDuFichier(FichierIni(FichierDuDossier(dossierExercice, FichierConditionGraphe)));
}

std::variant<ImagesClasses, QString> ChargerImagesClasses(const QString &dossierExercice, int nbrCe)
{
    const int nombre = qMin(nbrCe, NbrCeMax);
    const auto nom = [](int n) { return QStringLiteral("%1.bmp").arg(n); };
    // A missing picture is named before one that cannot be read, as for the exercise's other files; a
    // folder of that name is there, and is told as a picture that cannot be read.
    for (int n = 1; n <= nombre; ++n) {
        if (!QFileInfo::exists(FichierDuDossier(dossierExercice, nom(n))))
            return MessageFichierManquant(nom(n), PhraseGraphe);
    }
    ImagesClasses images;
    for (int n = 1; n <= nombre; ++n) {
        auto lue = ChargerImage(FichierDuDossier(dossierExercice, nom(n)));
        if (const auto *refus = std::get_if<RefusImage>(&lue))
            return refus->message(nom(n), PhraseGraphe);
        images[static_cast<std::size_t>(n - 1)] = std::move(std::get<QImage>(lue));
    }
    return images;
}
