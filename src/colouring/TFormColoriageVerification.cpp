// Checking the colouring, the notification of its result, the saved drawing, the PDF and the help.
#include "colouring/TFormColoriage.h"

#include "colouring/ExportColoriage.h"
#include "colouring/TCouleurListBox.h"
#include "colouring/TFormNotification.h"
#include "colouring/TFormZoom.h"
#include "colouring/VueColoriage.h"
#include "common/Bureau.h"
#include "common/Dialogues.h"
#include "common/Jpeg.h"
#include "common/OuvertureExercice.h"
#include "common/TrouverChemin.h"

#include <QAction>
#include <QFileInfo>
#include <QUndoStack>

namespace {
const QString FiltreJpeg = QStringLiteral("Fichier image JPEG (*.jpg)|*.jpg");
const QString ExtensionJpeg = QStringLiteral("jpg");
const QString TitreDialogueEnregistrer = QStringLiteral("Enregistrer le plan colorié");
const QString MessageRienAEnregistrer =
    QStringLiteral("Aucun exercice n'est ouvert : il n'y a pas de plan colorié à enregistrer.");
} // namespace

ModeColoriage TFormColoriage::Mode() const
{
    return ModeOuvert == ModeClasses ? ModeColoriage::Classes : ModeColoriage::Pieces;
}

std::vector<bool> TFormColoriage::Actifs() const
{
    std::vector<bool> actifs(std::size_t(NombreCouleurs) + 1, true);
    for (std::int32_t h = 1; h <= NombreCouleurs; ++h)
        actifs[std::size_t(h)] = CouleurListBox->Actif(h);
    return actifs;
}

void TFormColoriage::MenuVerificationClick()
{
    std::vector<bool> actifs = Actifs();
    if (ExerciceFini(actifs, NombreCouleurs))
        return;
    ++Tentatives_;
    BilanEdition();
    if (Tentatives_ >= SeuilAide)
        MenuAide->setEnabled(true);

    const ResultatVerification resultat = Verifier(Mode(), Coloriage_, NombreCouleurs, Solution, CouleurZone, actifs);
    for (std::int32_t h = 1; h <= NombreCouleurs; ++h)
        CouleurListBox->DefinirActif(h, actifs[std::size_t(h)]);
    // A zone just locked is no longer highlighted.
    if (ZoneSurbrillance > 0 && CouleurZone[std::size_t(ZoneSurbrillance)] == clWhite) {
        ImageVue->DefinirSurbrillance({});
        ZoneSurbrillance = -1;
        AnnoncerZone(-1);
    }

    auto *notification = new TFormNotification(this, EnteteNotification(Tentatives_),
                                               resultat.ligne1 + QStringLiteral("\n\n") + resultat.ligne2);
    if (resultat.fini)
        CacherLoupe();
    notification->Montrer();
}

void TFormColoriage::MenuEnregistrerImageClick() { EnregistrerPlanColorie(); }

bool TFormColoriage::EnregistrerPlanColorie()
{
    if (ImagePlan.isNull()) {
        dialogues().Message(MessageRienAEnregistrer);
        return false;
    }
    const std::vector<bool> actifs = Actifs();
    ImageExport = ImageExportee(ImageZone, ImagePlan, ExerciceFini(actifs, NombreCouleurs), Mode(),
                                ItemsTrouves(actifs, NombreCouleurs), std::move(ImageExport));
    const QString chemin = dialogues().FichierAEnregistrer(bureau().DossierDocuments(), FiltreJpeg, ExtensionJpeg, true,
                                                           TitreDialogueEnregistrer);
    if (chemin.isEmpty())
        return false;
    if (const auto erreur = EcrireJpeg(ImageExport, QualiteJpegColoriage, chemin)) {
        dialogues().Erreur(*erreur);
        return false;
    }
    // The paint is kept in the saved drawing: closing now loses nothing.
    Historique_->setClean();
    return true;
}

void TFormColoriage::MenuPdfClick()
{
    const QString chemin = TrouverChemin(CheminPdf);
    if (CheminPdf.isEmpty() || !QFileInfo(chemin).isFile() || !bureau().OuvrirDocument(chemin, EtatFenetre::Maximisee))
        dialogues().Message(MessageImpossibleOuvrir(chemin));
}

void TFormColoriage::MenuAideClick()
{
    const QString chemin = TrouverChemin(CheminAide);
    if (CheminAide.isEmpty() || !QFileInfo(chemin).isFile() || !bureau().OuvrirDocument(chemin, EtatFenetre::Maximisee))
        dialogues().Message(MessageImpossibleOuvrir(chemin));
}
