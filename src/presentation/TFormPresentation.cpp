#include "presentation/TFormPresentation.h"

#include "common/Bureau.h"
#include "common/Descripteur.h"
#include "common/Dialogues.h"
#include "common/DossierProgramme.h"
#include "common/Impression.h"
#include "common/InfobullesQt.h"
#include "common/MenusClavier.h"
#include "common/OuvertureExercice.h"
#include "common/TitreFenetre.h"
#include "common/TrouverChemin.h"
#include "presentation/LecturePresentation.h"
#include "presentation/NavigateurLocal.h"

#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {
const QString TitreFenetre = QStringLiteral("Présentation");
const QString TitreDescription = QStringLiteral("Description");
const QString TitrePlan = QStringLiteral("Dessin technique");
const QString TitreMenuFichier = QStringLiteral("&Fichier");
const QString TitreMenuOuvrir = QStringLiteral("&Ouvrir une présentation d'un mécanisme");
const QString TitreMenuFermer = QStringLiteral("&Fermer");
const QString TitreMenuPdf = QStringLiteral("Ouvrir le &pdf pour imprimer le plan");
const QString TitreDialogueOuvrir = QStringLiteral("Ouvrir la présentation d'un mécanisme");
const QString FiltreOuvrir = QStringLiteral("Fichier Velkora (*.sch)|*.sch");
constexpr QSize TailleParDefaut(696, 471);
} // namespace

TFormPresentation::TFormPresentation(QWidget *parent) : QMainWindow(parent)
{
    setWindowTitle(TitreFenetre);
    resize(TailleParDefaut);
    setWindowState(Qt::WindowMaximized);

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    setCentralWidget(PageControl1);
    DescriptionCreation();
    PlanCreation();
    PageControl1->addTab(TabSheet1, TitreDescription);
    PageControl1->addTab(TabSheetPlan, TitrePlan);
    PageControl1->setCurrentWidget(TabSheetPlan);
    connect(PageControl1, &QTabWidget::currentChanged, this, &TFormPresentation::PageControl1Change);

    MenuCreation();
    OuvrirMenusParF10(*this);
    FormCreate();
}

void TFormPresentation::FormCreate()
{
    DefinirDelaiInfobulles(0);
    SpinEditChange();
}

void TFormPresentation::MenuCreation()
{
    MenuFichier = menuBar()->addMenu(TitreMenuFichier);
    MenuFichier->setObjectName(QStringLiteral("MenuFichier"));
    MenuOuvrir = MenuFichier->addAction(TitreMenuOuvrir, this, &TFormPresentation::MenuOuvrirClick);
    MenuOuvrir->setObjectName(QStringLiteral("MenuOuvrir"));
    MenuOuvrir->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    AjouterImpression(
        *MenuFichier,
        [this]() -> std::optional<TravailImprime> {
            if (Plan.isNull())
                return std::nullopt;
            return TravailImprime{NomMecanisme, TitreFenetre, {}, QSizeF(Plan.size()), [plan = Plan](QPainter &p) {
                                      p.drawImage(QPointF(0, 0), plan);
                                  }};
        },
        ExportsTravail::Aucun);
    MenuFichier->addSeparator();
    MenuFermer = MenuFichier->addAction(TitreMenuFermer, this, &TFormPresentation::MenuFermerClick);
    MenuFermer->setObjectName(QStringLiteral("MenuFermer"));
    MenuFermer->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));
    MenuPdf = menuBar()->addAction(TitreMenuPdf, this, &TFormPresentation::MenuPdfClick);
    MenuPdf->setObjectName(QStringLiteral("MenuPdf"));
}

void TFormPresentation::DescriptionCreation()
{
    TabSheet1 = new QWidget(PageControl1);
    TabSheet1->setObjectName(QStringLiteral("TabSheet1"));
    auto *disposition = new QVBoxLayout(TabSheet1);
    disposition->setContentsMargins(0, 0, 0, 0);
    WebBrowser1 = new NavigateurLocal(TabSheet1);
    WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
    disposition->addWidget(WebBrowser1);
}

void TFormPresentation::Ouvrir(const QString &cheminDescripteur)
{
    const OuvertureDescripteur ouverture =
        VerifierDescripteur(cheminDescripteur, NumeroExercicePresentation, NomDossierPresentation,
                            FichiersRequisPresentation, PhrasePresentation);
    // Kept even when a file is missing: "Ouvrir le pdf" then reaches the folder just named.
    if (!ouverture.dossierExercice.isEmpty())
        DossierExercice = ouverture.dossierExercice;
    if (ouverture.refus) {
        dialogues().Message(*ouverture.refus);
        return;
    }
    const QString titre = TitreExercice(TitreFenetre, {NomMecanismeAffiche(cheminDescripteur)}, false);

    LecturePresentation lecture = LirePresentation(DossierExercice);
    Presentation &p = lecture.presentation;
    switch (lecture.issue) {
    case LecturePresentation::Issue::Refusee: dialogues().Message(lecture.message); return;
    case LecturePresentation::Issue::CouleurInvalide:
        // The table was already emptied and partly filled when the bad colour came.
        CacherInfobulle();
        NombrePieces = p.NombrePieces;
        Zones = std::move(p.Zones);
        MenuPdf->setVisible(true);
        dialogues().Erreur(lecture.message);
        return;
    case LecturePresentation::Issue::Reussie: break;
    }

    CacherInfobulle();
    setWindowTitle(titre);
    NombrePieces = p.NombrePieces;
    Zones = std::move(p.Zones);
    MenuPdf->setVisible(p.PdfVisible);
    ImageTrame = std::move(p.Trame);
    NomMecanisme = NomMecanismeAffiche(cheminDescripteur);
    Plan = p.Plan;
    PlanEdition(Plan);
    WebBrowser1->Afficher(DossierExercice, FichierDuDossier(DossierExercice, FichierExplication));
    PageControl1->setCurrentWidget(TabSheet1);
}

void TFormPresentation::MenuOuvrirClick()
{
    const QString chemin = dialogues().FichierAOuvrir(DossierProgramme(), FiltreOuvrir, 1, TitreDialogueOuvrir);
    if (!chemin.isEmpty())
        Ouvrir(chemin);
}

void TFormPresentation::MenuFermerClick() { close(); }

void TFormPresentation::MenuPdfClick()
{
    const QString chemin = FichierDuDossier(DossierExercice, FichierPdf);
    if (DossierExercice.isEmpty() || !QFileInfo(chemin).isFile()) {
        dialogues().Message(MessageImpossibleOuvrir(chemin));
        return;
    }
    if (const OuvertureDocument ouverture = bureau().OuvrirDocument(chemin, EtatFenetre::Cachee); !ouverture)
        dialogues().Message(MessageDocumentNonOuvert(chemin, ouverture));
}

void TFormPresentation::PageControl1Change() { FormResize(); }
