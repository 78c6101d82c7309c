// A colouring folder read, then what the window does with it: the zone index, a colouring checked against
// the solution, the display and the export saved as JPEG.
#include "Essai.h"

#include "colouring/ExerciceColoriage.h"
#include "colouring/ExportColoriage.h"
#include "colouring/IndexZones.h"
#include "colouring/VerificationColoriage.h"
#include "common/Jpeg.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    DemarrerQt();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *donnees, std::size_t taille)
{
    // The last file is no file: its bytes choose the item each zone is painted with.
    const std::vector<QByteArray> fichiers = DecouperEntree(donnees, taille, 5);
    if (ImageTropLourdePourEssai(fichiers[2]) || ImageTropLourdePourEssai(fichiers[3]))
        return -1;
    const QString dossier = DossierEssai() + QStringLiteral("coloriage_p/");
    const QStringList noms{FichierConditionColoriage, FichierSolutionColoriage, FichierTrameColoriage,
                           FichierPlanColoriage};
    for (qsizetype i = 0; i < noms.size(); ++i)
        EcrireFichier(dossier + noms[i], fichiers[std::size_t(i)]);

    LectureColoriage lue = LireColoriage(dossier);
    if (!lue.reussie) {
        if (lue.message.isEmpty())
            Echec("un coloriage refusé sans message");
        return 0;
    }
    ExerciceColoriage &e = lue.exercice;
    if (e.Plan.format() != QImage::Format_RGB888)
        Echec("un coloriage accepté avec un plan inutilisable");

    const IndexZones &index = e.Index;
    QImage calque(e.Plan.size(), QImage::Format_RGB888);
    calque.fill(Qt::white);
    for (int i = 0; i < qMin(e.Plan.width(), e.Plan.height()); i += 5)
        index.CleEn(QPoint(i, i));
    const QByteArray &choix = fichiers[4];
    Coloriage coloriage;
    coloriage.Reinitialiser(e.NombreZones);
    for (std::int32_t zone = 1; zone <= e.NombreZones; ++zone) {
        const int rangee = choix.isEmpty() ? zone : static_cast<unsigned char>(choix[(zone - 1) % choix.size()]);
        coloriage.Colorier(zone, rangee % (e.NombreCouleurs + 1));
        index.Peindre(calque, zone, TColor(rangee) * 0x010203u);
        if (!index.Cadre(zone).isEmpty() && !e.Plan.rect().contains(index.Cadre(zone)))
            Echec("le cadre d'une zone sort de l'image");
    }
    for (const ModeColoriage mode : {ModeColoriage::Pieces, ModeColoriage::Classes}) {
        std::vector<TColor> couleurZone = e.CouleurZone;
        std::vector<bool> actif(std::size_t(e.NombreCouleurs) + 1, true);
        const ResultatVerification verdict =
            Verifier(mode, coloriage, e.NombreCouleurs, e.Solution, couleurZone, actif);
        const QImage exportee =
            ImageExportee(calque, e.Plan, verdict.fini, mode, ItemsTrouves(actif, e.NombreCouleurs));
        QByteArray jpeg;
        if (!exportee.isNull() && EncoderJpeg(exportee, QualiteJpegColoriage, jpeg))
            Echec("un dessin colorié ne s'enregistre pas en JPEG");
    }
    const int cote = qMin(e.Plan.width(), e.Plan.height());
    ComposerAffichage(calque, e.Plan, clWhite, index.Traits(1), QRect(cote / 4, cote / 4, cote / 2 + 1, cote / 2 + 1));
    return 0;
}
