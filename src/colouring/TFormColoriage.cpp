// The colouring window: its elements, opening an exercise and the loupe that goes with it.
#include "colouring/TFormColoriage.h"

#include "colouring/TCouleurListBox.h"
#include "colouring/TFormZoom.h"
#include "colouring/TZoom.h"
#include "colouring/VueColoriage.h"
#include "common/Descripteur.h"
#include "common/Dialogues.h"
#include "common/DossierProgramme.h"
#include "common/ImageFeuille.h"
#include "common/Impression.h"
#include "common/MenusClavier.h"
#include "common/OuvertureExercice.h"
#include "common/TitreFenetre.h"
#include "common/TravailNonEnregistre.h"
#include "common/TrouverChemin.h"

#include <QAction>
#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QScrollArea>
#include <QStatusBar>
#include <QUndoStack>
#include <QVBoxLayout>

namespace {
const QString NomSansExercice = QStringLiteral("Coloriage du plan, aucun exercice ouvert");
const QString TitreDialogueOuvrir = QStringLiteral("Ouvrir un exercice de coloriage");
const QString TitreMenuFichier = QStringLiteral("&Fichier");
const QString TitreMenuOuvrir = QStringLiteral("&Ouvrir un exercice");
const QString TitreMenuFermer = QStringLiteral("&Fermer");
const QString TitreMenuEdition = QStringLiteral("É&dition");
const QString TitreMenuAnnuler = QStringLiteral("&Annuler");
const QString TitreMenuRetablir = QStringLiteral("&Rétablir");
const QString TitreMenuOutils = QStringLiteral("&Outils");
const QString TitreMenuPdf = QStringLiteral("Afficher le plan au format &pdf");
const QString TitreMenuZoom = QStringLiteral("Afficher/Masquer la fenetre de &Zoom");
const QString TitreMenuPrevisualisation = QStringLiteral("Pré&visualisation");
const QString TitreMenuEnregistrerImage = QStringLiteral("&Enregistrer le plan colorié");
const QString TitreMenuVerification = QStringLiteral("&Vérifier le coloriage");
const QString TitreMenuAide = QStringLiteral("&Aide");
const QString FiltreOuvrir = QStringLiteral("Fichier Velkora (*.sch)|*.sch");
const QString TexteEffacer = QStringLiteral("Effacer");
const QString PrefixePiece = QStringLiteral("Pièce ");
const QString PrefixeClasse = QStringLiteral("Classe d'équivalence ");
const QString PrefixeBilan = QStringLiteral("Correction : ");
const QStringList TextesBarreEtat{QStringLiteral("Clique gauche : Colorier"), QStringLiteral("Clique droit : Vérifier"),
                                  QStringLiteral("Molette : Changer pièce")};
constexpr QSize TailleParDefaut(870, 765);
constexpr int LargeurPanel = 193;
constexpr int LargeurPanneau = 150;
constexpr int LargeurPanneauZone = 50;
constexpr QPoint PositionListe(8, 24);
constexpr int LargeurListe = 177;
constexpr int LargeurCadreFocus = 2;
// Each step holds a few numbers: a thousand of them are a few tens of kilobytes.
constexpr int LimiteHistorique = 1000;
} // namespace

TFormColoriage::TFormColoriage(QWidget *parent, TFormZoom *loupe) : QMainWindow(parent), Loupe(loupe)
{
    if (Loupe)
        connect(Loupe, &TFormZoom::FermeeParEleve, this, [this] { LoupeDemandee = false; });
    setObjectName(QStringLiteral("FormColoriage"));
    // The caption names the exercise once one is loaded; until then a screen reader still names the window.
    const auto nommer = [this](QString titre) {
        titre.remove(QStringLiteral("[*]"));
        setAccessibleName(titre.isEmpty() ? NomSansExercice : titre);
    };
    connect(this, &QWidget::windowTitleChanged, this, nommer);
    nommer(windowTitle());
    resize(TailleParDefaut);
    setWindowState(Qt::WindowMaximized);
    Historique_ = new QUndoStack(this);
    Historique_->setUndoLimit(LimiteHistorique);
    connect(Historique_, &QUndoStack::cleanChanged, this, [this](bool propre) { setWindowModified(!propre); });

    auto *centre = new QWidget(this);
    auto *disposition = new QHBoxLayout(centre);
    disposition->setContentsMargins(0, 0, 0, 0);
    disposition->setSpacing(0);
    setCentralWidget(centre);
    PanelCreation();
    disposition->addWidget(Panel);
    PlanCreation();
    disposition->addWidget(CadrePlan, 1);
    StatusBarCreation();
    MenuCreation();
}

TFormColoriage::~TFormColoriage()
{
    // The history, a child, empties itself as it goes and tells so: nothing of this window may hear it then.
    disconnect(Historique_, nullptr, this, nullptr);
    // The loupe outlives this window: it must not keep it as the window it stays with, even when
    // the student closed the loupe with its own button.
    if (Loupe)
        Loupe->Cacher();
}

void TFormColoriage::MenuCreation()
{
    auto action = [this](QMenu *menu, const QString &nom, const QString &texte, auto commande) {
        QAction *item = menu->addAction(texte, this, commande);
        item->setObjectName(nom);
        return item;
    };
    QMenu *MenuFichier = menuBar()->addMenu(TitreMenuFichier);
    MenuFichier->setObjectName(QStringLiteral("MenuFichier"));
    MenuOuvrir = action(MenuFichier, QStringLiteral("MenuOuvrir"), TitreMenuOuvrir, &TFormColoriage::MenuOuvrirClick);
    MenuFermer = action(MenuFichier, QStringLiteral("MenuFermer"), TitreMenuFermer, &TFormColoriage::MenuFermerClick);
    QMenu *MenuEdition = menuBar()->addMenu(TitreMenuEdition);
    MenuEdition->setObjectName(QStringLiteral("MenuEdition"));
    MenuAnnuler =
        action(MenuEdition, QStringLiteral("MenuAnnuler"), TitreMenuAnnuler, &TFormColoriage::MenuAnnulerClick);
    MenuRetablir =
        action(MenuEdition, QStringLiteral("MenuRetablir"), TitreMenuRetablir, &TFormColoriage::MenuRetablirClick);
    MenuAnnuler->setEnabled(false);
    MenuRetablir->setEnabled(false);
    connect(Historique_, &QUndoStack::canUndoChanged, MenuAnnuler, &QAction::setEnabled);
    connect(Historique_, &QUndoStack::canRedoChanged, MenuRetablir, &QAction::setEnabled);
    QMenu *MenuOutils = menuBar()->addMenu(TitreMenuOutils);
    MenuOutils->setObjectName(QStringLiteral("MenuOutils"));
    MenuPdf = action(MenuOutils, QStringLiteral("MenuPdf"), TitreMenuPdf, &TFormColoriage::MenuPdfClick);
    MenuZoom = action(MenuOutils, QStringLiteral("MenuZoom"), TitreMenuZoom, &TFormColoriage::MenuZoomClick);
    MenuOutils->addSeparator()->setObjectName(QStringLiteral("N1"));
    MenuPrevisualisation = action(MenuOutils, QStringLiteral("MenuPrevisualisation"), TitreMenuPrevisualisation,
                                  &TFormColoriage::MenuPrevisualisationClick);
    MenuPrevisualisation->setCheckable(true);
    MenuEnregistrerImage = action(MenuOutils, QStringLiteral("MenuEnregistrerImage"), TitreMenuEnregistrerImage,
                                  &TFormColoriage::MenuEnregistrerImageClick);
    AjouterImpression(
        *MenuFichier, [this] { return TravailColorie(); }, ExportsTravail::Pdf);
    MenuFichier->addSeparator();
    MenuFichier->addAction(MenuFermer);
    MenuVerification = menuBar()->addAction(TitreMenuVerification, this, &TFormColoriage::MenuVerificationClick);
    MenuVerification->setObjectName(QStringLiteral("MenuVerification"));
    MenuAide = menuBar()->addAction(TitreMenuAide, this, &TFormColoriage::MenuAideClick);
    MenuAide->setObjectName(QStringLiteral("MenuAide"));
    // Until an exercise is open there is no drawing and no help to show.
    MenuPdf->setEnabled(false);
    MenuAide->setEnabled(false);

    MenuOuvrir->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    MenuFermer->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));
    MenuAnnuler->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    MenuRetablir->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    MenuEnregistrerImage->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    MenuAide->setShortcut(QKeySequence(Qt::Key_F1));
    OuvrirMenusParF10(*this);
}

void TFormColoriage::PanelCreation()
{
    Panel = new QWidget(this);
    Panel->setObjectName(QStringLiteral("Panel"));
    Panel->setFixedWidth(LargeurPanel);
    LabelBilan = new QLabel(Panel);
    LabelBilan->setObjectName(QStringLiteral("LabelBilan"));
    LabelBilan->setTextFormat(Qt::PlainText);
    LabelBilan->move(8, 8);
    LabelBilan->setMinimumWidth(LargeurListe);
    BilanEdition();
    CouleurListBox = new TCouleurListBox(Panel);
    CouleurListBox->setObjectName(QStringLiteral("CouleurListBox"));
    CouleurListBox->setGeometry(QRect(PositionListe, QSize(LargeurListe, 100)));
    connect(CouleurListBox, &TCouleurListBox::SourisRelachee, this, &TFormColoriage::CouleurListBoxMouseUp);
    connect(CouleurListBox, &TCouleurListBox::SelectionChangeeAuClavier, this, &TFormColoriage::ImposerCouleur);
    connect(CouleurListBox, &TCouleurListBox::CouleurChange, this, &TFormColoriage::CouleurListBoxCouleurChange);
    CouleurListBox->viewport()->installEventFilter(this);
    Panel->installEventFilter(this);
}

void TFormColoriage::PlanCreation()
{
    CadrePlan = new QFrame(this);
    CadrePlan->setObjectName(QStringLiteral("CadrePlan"));
    CadrePlan->setFrameStyle(QFrame::Box | QFrame::Plain);
    CadrePlan->setLineWidth(LargeurCadreFocus);
    auto *dansCadre = new QVBoxLayout(CadrePlan);
    dansCadre->setContentsMargins(0, 0, 0, 0);
    ScrollBox = new QScrollArea(CadrePlan);
    ScrollBox->setObjectName(QStringLiteral("ScrollBox"));
    ScrollBox->setWidgetResizable(false);
    // Tab goes from the list straight to the drawing.
    ScrollBox->setFocusPolicy(Qt::NoFocus);
    dansCadre->addWidget(ScrollBox);
    ImagePlanFocus(false);
    FondPlan = new QWidget(ScrollBox);
    FondPlan->setObjectName(QStringLiteral("FondPlan"));
    FondPlan->setMouseTracking(true);
    ImageVue = new VueColoriage(FondPlan);
    ImageVue->setObjectName(QStringLiteral("ImagePlan"));
    ScrollBox->setWidget(FondPlan);
    connect(ImageVue, &VueColoriage::Enfoncee, this, &TFormColoriage::ImagePlanMouseDown);
    connect(ImageVue, &VueColoriage::Deplacee, this, &TFormColoriage::ImagePlanMouseMove);
    connect(ImageVue, &VueColoriage::CurseurDeplace, this, &TFormColoriage::ImagePlanCurseurDeplace);
    connect(ImageVue, &VueColoriage::ZoneVoisineDemandee, this, &TFormColoriage::ImagePlanZoneVoisine);
    // The loupe shows what the drawing shows now, even with the pointer still.
    connect(ImageVue, &VueColoriage::Redessinee, this, [this] {
        if (Loupe && Loupe->isVisible())
            Loupe->Zoom->ContenuChange();
    });
    ImageVue->installEventFilter(this);
    FondPlan->installEventFilter(this);
    ScrollBox->viewport()->installEventFilter(this);
}

void TFormColoriage::StatusBarCreation()
{
    QStatusBar *StatusBar1 = statusBar();
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    for (const QString &texte : TextesBarreEtat) {
        auto *panneau = new QLabel(texte, StatusBar1);
        panneau->setAlignment(Qt::AlignCenter);
        panneau->setMinimumWidth(LargeurPanneau);
        StatusBar1->addWidget(panneau);
    }
    // The zone under the pointer, in words, for those who do not see the highlight.
    LabelZone = new QLabel(StatusBar1);
    LabelZone->setObjectName(QStringLiteral("LabelZone"));
    LabelZone->setTextFormat(Qt::PlainText);
    LabelZone->setMinimumWidth(LargeurPanneauZone);
    StatusBar1->addWidget(LabelZone, 1);
    AnnoncerZone(-1);
}

void TFormColoriage::Ouvrir(const QString &cheminDescripteur, const QString &mode)
{
    if (const auto refus = VerifierFichier(cheminDescripteur, ExtensionDescripteur)) {
        dialogues().Message(*refus);
        return;
    }
    if (mode != ModeDecodage && mode != ModeClasses) {
        dialogues().Message(MessageTypeInconnu);
        return;
    }
    // A window with no exercise yet names the one asked for, even if it cannot be opened.
    if (ModeOuvert.isEmpty())
        setWindowTitle(TitreExercice(mode == ModeDecodage ? TitreDecodage : TitreClasses, {}));
    const int exercice = mode == ModeDecodage ? NumeroExerciceDecodage : NumeroExerciceClasses;
    if (const auto refus = VerifierAcces(cheminDescripteur, exercice)) {
        dialogues().Message(*refus);
        return;
    }
    const QString dossier = DossierExerciceDescripteur(cheminDescripteur, PrefixeDossierColoriage + mode);
    if (const auto refus = VerifierFichiersPresents(dossier, FichiersRequisColoriage, PhraseColoriage)) {
        dialogues().Message(*refus);
        return;
    }
    // Everything is read before anything is replaced: a file that cannot be used leaves the
    // exercise already open as it was.
    LectureColoriage lecture = LireColoriage(dossier);
    if (!lecture.reussie) {
        if (lecture.erreurGenerale)
            dialogues().Erreur(lecture.message);
        else
            dialogues().Message(lecture.message);
        return;
    }
    if (!PeutAbandonnerColoriage())
        return;
    DossierExercice = dossier;
    NomMecanisme = NomMecanismeAffiche(cheminDescripteur);
    ExerciceEdition(std::move(lecture), mode);
}

void TFormColoriage::ExerciceEdition(LectureColoriage &&lecture, const QString &mode)
{
    ExerciceColoriage &e = lecture.exercice;
    CouleurListBox->clear();
    setWindowTitle(QString());
    Tentatives_ = 0;
    BilanEdition();

    NombreZones = e.NombreZones;
    NombreCouleurs = e.NombreCouleurs;
    CouleurZone = std::move(e.CouleurZone);
    Solution = std::move(e.Solution);
    CheminPdf = DossierExercice + FichierPdfColoriage;
    CheminAide = DossierExercice + DossierAideColoriage + e.AdresseAide;
    SeuilAide = e.SeuilAide;
    MenuPdf->setVisible(e.PdfVisible);
    MenuPdf->setEnabled(true);
    MenuAide->setVisible(SeuilAide != -1);
    MenuAide->setEnabled(SeuilAide == 0);
    Coloriage_.Reinitialiser(NombreZones);

    ImageZone = QImage(); // the previous exercise's layer goes before the new one is made
    ImagePlan = std::move(e.Plan);
    ImageZone = CopieImageFeuille(ImagePlan);
    Index = std::move(e.Index);
    ZoneSurbrillance = -1;
    ImageVue->DefinirImages(&ImageZone, &ImagePlan);
    AnnoncerZone(-1);
    FormResize();

    MenuPrevisualisation->setChecked(true);
    MenuPrevisualisationClick();

    HistoriqueSuspendu = true;
    for (int i = 0; i < TCouleurListBox::NombreCases; ++i) {
        CouleurListBox->DefinirCouleur(i, clWhite);
        CouleurListBox->DefinirActif(i, true);
    }
    HistoriqueSuspendu = false;
    Historique_->clear();
    ListeEdition(mode);
    ModeOuvert = mode;
    setWindowTitle(TitreExercice(mode == ModeDecodage ? TitreDecodage : TitreClasses, {NomMecanisme}));
    if (Loupe && !Loupe->Montree())
        MenuZoomClick();
}

void TFormColoriage::BilanEdition() { LabelBilan->setText(PrefixeBilan + QString::number(Tentatives_)); }

void TFormColoriage::ListeEdition(const QString &mode)
{
    const QString &prefixe = mode == ModeDecodage ? PrefixePiece : PrefixeClasse;
    QStringList items{TexteEffacer};
    for (std::int32_t h = 1; h <= NombreCouleurs; ++h)
        items << prefixe + QString::number(h);
    CouleurListBox->addItems(items);
    CouleurListBox->setCurrentRow(0);
}

void TFormColoriage::MenuOuvrirClick()
{
    const QString chemin = dialogues().FichierAOuvrir(DossierProgramme(), FiltreOuvrir, 1, TitreDialogueOuvrir);
    if (chemin.isEmpty())
        return;
    const QString mode = dialogues().ChoisirTypeExercice();
    Ouvrir(chemin, mode);
}

void TFormColoriage::MenuFermerClick() { close(); }

void TFormColoriage::showEvent(QShowEvent *evenement)
{
    QMainWindow::showEvent(evenement);
    if (Loupe && !Loupe->Montree())
        MontrerLoupe();
}

bool TFormColoriage::PeutAbandonnerColoriage()
{
    return PeutAbandonnerTravail(*Historique_, QStringLiteral("ce coloriage (« %1 »)").arg(NomMecanisme),
                                 [this] { return EnregistrerPlanColorie(); });
}

void TFormColoriage::closeEvent(QCloseEvent *evenement)
{
    if (!PeutAbandonnerColoriage()) {
        evenement->ignore();
        return;
    }
    if (Loupe && Loupe->isVisible())
        Loupe->Cacher();
    QMainWindow::closeEvent(evenement);
}

void TFormColoriage::changeEvent(QEvent *evenement)
{
    QMainWindow::changeEvent(evenement);
    if (evenement->type() != QEvent::WindowStateChange || !Loupe)
        return;
    // The loupe goes with the window when it is minimised, and comes back with it only if the
    // student had not hidden it.
    if (isMinimized()) {
        if (Loupe->isVisible())
            Loupe->Cacher();
    } else if (!Loupe->Montree()) {
        MontrerLoupe();
    } else {
        Loupe->EviterFenetre();
    }
}

void TFormColoriage::moveEvent(QMoveEvent *evenement)
{
    QMainWindow::moveEvent(evenement);
    if (Loupe)
        Loupe->EviterFenetre();
}

void TFormColoriage::MenuZoomClick()
{
    if (!Loupe)
        return;
    if (Loupe->Montree()) {
        CacherLoupe();
        return;
    }
    LoupeDemandee = true;
    MontrerLoupe();
}

void TFormColoriage::CacherLoupe()
{
    LoupeDemandee = false;
    if (Loupe && Loupe->isVisible())
        Loupe->Cacher();
}

void TFormColoriage::MontrerLoupe()
{
    if (Loupe && LoupeDemandee && isVisible() && !isMinimized())
        Loupe->Montrer(this);
}
