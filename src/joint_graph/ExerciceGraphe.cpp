#include "joint_graph/ExerciceGraphe.h"

#include "common/FichierIni.h"
#include "common/OuvertureExercice.h"
#include "common/TrouverChemin.h"

#include <QFileInfo>

namespace {
const QString SectionNombre = QStringLiteral("NOMBRE DE CLASSES D EQUIVALENCE");
const QString SectionImprimer = QStringLiteral("IMPRIMER");
const QString SectionInformation = QStringLiteral("INFORMATION");

QString messageNombreClasses(std::int32_t nombre)
{
    return QStringLiteral("Le fichier \"%1\" annonce %2 classes d'équivalence ; il en faut entre 2 et %3.\n\n%4")
        .arg(FichierConditionGraphe)
        .arg(nombre)
        .arg(NbrCeMax)
        .arg(PhraseGraphe);
}
} // namespace

std::variant<ConditionGraphe, QString> LireConditionGraphe(const QString &dossierExercice)
{
    const FichierIni ini(FichierDuDossier(dossierExercice, FichierConditionGraphe));
    if (ini.illisible())
        return MessageFichierIllisible(FichierConditionGraphe, PhraseGraphe);
    ConditionGraphe condition;
    condition.nbrCe = ini.lireEntier(SectionNombre, QStringLiteral("Combien"), 0);
    if (condition.nbrCe < 2 || condition.nbrCe > NbrCeMax)
        return messageNombreClasses(condition.nbrCe);
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

std::variant<ImagesClasses, QString> ChargerImagesClasses(const QString &dossierExercice, int nbrCe)
{
    ImagesClasses images;
    for (int n = 1; n <= qMin(nbrCe, NbrCeMax); ++n) {
        const QString nom = QStringLiteral("%1.bmp").arg(n);
        const QString chemin = FichierDuDossier(dossierExercice, nom);
        if (!QFileInfo(chemin).isFile())
            return MessageFichierManquant(nom, PhraseGraphe);
        QImage image;
        if (!image.load(chemin, "BMP") || image.isNull())
            return MessageImageIllisible(nom, PhraseGraphe);
        images[static_cast<std::size_t>(n - 1)] = image.convertToFormat(QImage::Format_RGB888);
    }
    return images;
}
