// The joint-graph exercise's condition and its class pictures.
#include "Essai.h"

#include "joint_graph/ExerciceGraphe.h"

#include <QFile>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    DemarrerQt();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *donnees, std::size_t taille)
{
    const std::vector<QByteArray> fichiers = DecouperEntree(donnees, taille, 1 + NbrCeMax);
    for (std::size_t n = 1; n < fichiers.size(); ++n) {
        if (ImageTropLourdePourEssai(fichiers[n]))
            return -1;
    }
    const QString dossier = DossierEssai() + QStringLiteral("graphe/");
    EcrireFichier(dossier + FichierConditionGraphe, fichiers[0]);
    // An empty part stands for a missing picture.
    for (int n = 1; n <= NbrCeMax; ++n) {
        const QString image = dossier + QStringLiteral("%1.bmp").arg(n);
        if (fichiers[std::size_t(n)].isEmpty())
            QFile::remove(image);
        else
            EcrireFichier(image, fichiers[std::size_t(n)]);
    }

    LireOutilsVisibles(dossier);
    const auto condition = LireConditionGraphe(dossier);
    if (const auto *refus = std::get_if<QString>(&condition)) {
        if (refus->isEmpty())
            Echec("une condition refusée sans message");
        return 0;
    }
    const int nbrCe = std::get<ConditionGraphe>(condition).nbrCe;
    const auto images = ChargerImagesClasses(dossier, nbrCe);
    if (const auto *refus = std::get_if<QString>(&images); refus && refus->isEmpty())
        Echec("une image de classe refusée sans message");
    if (const auto *lues = std::get_if<ImagesClasses>(&images)) {
        for (int n = 0; n < nbrCe; ++n) {
            if ((*lues)[std::size_t(n)].format() != QImage::Format_RGB888)
                Echec("une image de classe acceptée dans un autre format");
        }
    }
    return 0;
}
