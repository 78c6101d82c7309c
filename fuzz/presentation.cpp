// The files of a presentation folder: condition, the two pictures, the parts list and the description page.
#include "Essai.h"

#include "presentation/LecturePresentation.h"
#include "presentation/PageDescription.h"

#include <QDir>
#include <QUrl>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    DemarrerQt();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *donnees, std::size_t taille)
{
    const std::vector<QByteArray> fichiers = DecouperEntree(donnees, taille, 5);
    if (ImageTropLourdePourEssai(fichiers[1]) || ImageTropLourdePourEssai(fichiers[2]))
        return -1;
    const QString dossier = DossierEssai() + QStringLiteral("presentation/");
    const QStringList noms{FichierCondition, FichierTrame, FichierPlan, FichierNomenclature, FichierExplication};
    for (qsizetype i = 0; i < noms.size(); ++i)
        EcrireFichier(dossier + noms[i], fichiers[std::size_t(i)]);

    const LecturePresentation lue = LirePresentation(dossier);
    if (lue.issue != LecturePresentation::Issue::Reussie && lue.message.isEmpty())
        Echec("une présentation refusée sans message");
    if (lue.issue == LecturePresentation::Issue::Reussie) {
        const Presentation &p = lue.presentation;
        if (p.Plan.format() != QImage::Format_RGB888 || p.Trame.size() != p.Plan.size())
            Echec("une présentation acceptée avec des images inutilisables");
        // The part under the pointer, along the diagonal of the zone map.
        for (int i = 0; i < qMin(p.Trame.width(), p.Trame.height()); i += 7) {
            const uchar *pixel = p.Trame.constScanLine(i) + 3 * i;
            NumeroZone(p.Zones, p.NombrePieces, TColor(pixel[0]) | TColor(pixel[1]) << 8 | TColor(pixel[2]) << 16);
        }
    }
    const QString page = DecoderPageHtml(fichiers[4]);
    // The addresses a page could name: each word of it, taken from the folder.
    for (const QString &mot : page.split(u'"', Qt::SkipEmptyParts).mid(0, 8)) {
        if (const auto chemin = CheminDansDossier(dossier, QUrl(mot));
            chemin && !chemin->startsWith(QDir(dossier).canonicalPath()))
            Echec("une adresse de la page mène hors du dossier");
    }
    return 0;
}
