// Checking the colouring, the notification of its result, the saved drawing, the PDF and the help.
#include "colouring/TFormColoriage.h"

#include "colouring/ExportColoriage.h"
#include "colouring/FichierPlanColorie.h"
#include "colouring/TCouleurListBox.h"
#include "colouring/TFormNotification.h"
#include "colouring/TFormZoom.h"
#include "colouring/VueColoriage.h"
#include "common/Bureau.h"
#include "common/Descripteur.h"
#include "common/Dialogues.h"
#include "common/OuvertureExercice.h"
#include "common/TrouverChemin.h"

#include <QAction>
#include <QFileInfo>
#include <QPainter>
#include <QUndoStack>

namespace {
const QString TitreConfirmation = QStringLiteral("Confirmation");
const QString QuestionRemplacer = QStringLiteral("Le fichier \"%1\" existe déjà.\nVoulez-vous le remplacer ?");
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
    const std::vector<bool> avant = actifs;
    ++Tentatives_;
    BilanEdition();
    if (Tentatives_ >= SeuilAide)
        MenuAide->setEnabled(true);

    const ResultatVerification resultat = Verifier(Mode(), Coloriage_, NombreCouleurs, Solution, CouleurZone, actifs);
    for (std::int32_t h = 1; h <= NombreCouleurs; ++h)
        CouleurListBox->DefinirActif(h, actifs[std::size_t(h)]);
    // What was found is written in the saved drawing: a save made before no longer holds it. The
    // check itself cannot be undone, so it is no step of the history.
    if (actifs != avant)
        Historique_->resetClean();
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

void TFormColoriage::ExportEdition()
{
    const std::vector<bool> actifs = Actifs();
    ImageExport = ImageExportee(ImageZone, ImagePlan, ExerciceFini(actifs, NombreCouleurs), Mode(),
                                ItemsTrouves(actifs, NombreCouleurs), std::move(ImageExport));
}

bool TFormColoriage::EnregistrerPlanColorie()
{
    if (ImagePlan.isNull()) {
        dialogues().Message(MessageRienAEnregistrer);
        return false;
    }
    ExportEdition();
    const QString choisi = dialogues().FichierAEnregistrer(bureau().DossierDocuments(), FiltrePlanColorie,
                                                           ExtensionPlanColorie, true, TitreDialogueEnregistrer);
    if (choisi.isEmpty())
        return false;
    const FichierPlanColorie fichier = FichierPourNom(choisi);
    if (fichier.extensionAjoutee && QFileInfo::exists(fichier.chemin) &&
        !dialogues().Question(TitreConfirmation, QuestionRemplacer.arg(NomFichier(fichier.chemin))))
        return false;
    if (const auto erreur = EcrirePlanColorie(ImageExport, fichier)) {
        dialogues().Erreur(*erreur);
        return false;
    }
    // The paint is kept in the saved drawing: closing now loses nothing.
    Historique_->setClean();
    return true;
}

std::optional<TravailImprime> TFormColoriage::TravailColorie()
{
    if (ImagePlan.isNull())
        return std::nullopt;
    ExportEdition();
    const QList<std::int32_t> trouves = ItemsTrouves(Actifs(), NombreCouleurs);
    const QString items = Mode() == ModeColoriage::Classes ? QStringLiteral("Classes d'équivalence trouvées")
                                                           : QStringLiteral("Pièces trouvées");
    return TravailImprime{NomMecanisme,
                          Mode() == ModeColoriage::Classes ? TitreClasses : TitreDecodage,
                          {QStringLiteral("Vérifications : %1").arg(Tentatives_),
                           QStringLiteral("%1 : %2 sur %3").arg(items).arg(trouves.size()).arg(NombreCouleurs)},
                          QSizeF(ImageExport.size()),
                          [image = ImageExport](QPainter &p) { p.drawImage(QPointF(0, 0), image); }};
}

void TFormColoriage::MenuPdfClick() { OuvrirDocumentExercice(CheminPdf); }

void TFormColoriage::MenuAideClick() { OuvrirDocumentExercice(CheminAide); }

void TFormColoriage::OuvrirDocumentExercice(const QString &cheminAttendu)
{
    const QString chemin = TrouverChemin(cheminAttendu);
    if (cheminAttendu.isEmpty() || !QFileInfo(chemin).isFile()) {
        dialogues().Message(MessageImpossibleOuvrir(chemin));
        return;
    }
    if (const OuvertureDocument ouverture = bureau().OuvrirDocument(chemin, EtatFenetre::Maximisee); !ouverture)
        dialogues().Message(MessageDocumentNonOuvert(chemin, ouverture));
}
