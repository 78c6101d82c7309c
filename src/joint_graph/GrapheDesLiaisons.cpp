// The joint-graph window as a whole: layout, menus, opening, saving, the hand-off to the diagram
// and undo.
#include "joint_graph/TFormGrapheDesLiaisons.h"

#include "common/Bureau.h"
#include "common/Descripteur.h"
#include "common/Dialogues.h"
#include "common/DossierProgramme.h"
#include "common/FPfichier.h"
#include "common/Impression.h"
#include "common/MenusClavier.h"
#include "common/OuvertureExercice.h"
#include "common/TitreFenetre.h"
#include "common/TravailNonEnregistre.h"
#include "common/TrouverChemin.h"
#include "joint_graph/CommandeGraphe.h"
#include "joint_graph/FichierGdl.h"
#include "joint_graph/FichierTransmission.h"
#include "joint_graph/Hyperstatisme.h"
#include "joint_graph/NomMecanisme.h"
#include "joint_graph/TFondGraphe.h"

#include <QCloseEvent>
#include <QEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QSlider>
#include <QStatusBar>
#include <QUndoCommand>
#include <QUndoStack>

namespace {
const QString TitreFenetre = QStringLiteral("Graphe Des Liaisons");
const QString ExtensionGdl = QStringLiteral(".gdl");
const QString FiltreOuvrir =
    QStringLiteral("Graphe de liaisons (*.gdl)|*.gdl|Velkora (*.sch)|*.sch|Tous (*.gdl et *.sch)|*.gdl; *.sch;");
constexpr int FiltreTous = 3;
const QString FiltreEnregistrer = QStringLiteral("Graphe de liaisons (*.gdl)|*.gdl");
const QString TitreOuvrir = QStringLiteral("Ouvrir un graphe des liaisons");
const QString TitreEnregistrer = QStringLiteral("Enregistrer le graphe des liaisons");
const QString NomModeLibre = QStringLiteral("Sans mécanisme");
const QString TitreNouveau = QStringLiteral("Boîte de saisie");
const QString InviteNouveau = QStringLiteral("Combien de classes d'équivalence y a t'il ?");
const QString MessageSansGraphe = QStringLiteral("Ouvrez ou créez d'abord un graphe des liaisons.");
const QString MessageSchemaIndisponible =
    QStringLiteral("Le schéma cinématique n'est pas disponible dans cette version de Velkora.");
constexpr QSize TailleConception(874, 738);
constexpr TColor CouleurInitialeDialogue = 0x00808080; // clGray
constexpr int LargeurPanel = 282;
constexpr int LargeursStatut[] = {19, 350, 350};

// The name the student knows the mechanism by: its descriptor's, else its folder's.
QString NomDuMecanisme(const QString &dossierExercice)
{
    if (dossierExercice.isEmpty())
        return {};
    const QString mecanisme = NomMecanismeDuDossier(dossierExercice);
    if (mecanisme == NomSansMecanisme)
        return NomModeLibre;
    return NomMecanismeAffiche(CheminDescripteur(mecanisme));
}

QString MessageNombreClasses()
{
    return QStringLiteral("On ne peut pas avoir qu'entre 2 et ") + QString::number(NbrCeMax) +
           QStringLiteral(" classes d'équivalence.");
}

QPushButton *bouton(QWidget *parent, const char *nom, const QString &texte, QRect geometrie)
{
    auto *b = new QPushButton(texte, parent);
    b->setObjectName(QString::fromLatin1(nom));
    b->setAccessibleName(texte);
    // The desktop's font may need more than the design width: the button takes what the panel leaves.
    const int largeurMax = LargeurPanel - 4 - geometrie.x();
    const int largeur = qBound(geometrie.width(), b->sizeHint().width(), qMax(geometrie.width(), largeurMax));
    b->setGeometry(QRect(geometrie.topLeft(), QSize(largeur, geometrie.height())));
    return b;
}
} // namespace

TFormGrapheDesLiaisons::TFormGrapheDesLiaisons(QWidget *parent, OuvertureSchema ouvertureSchema)
    : QMainWindow(parent), ouvertureSchema_(std::move(ouvertureSchema)), DerniereCouleur(CouleurInitialeDialogue)
{
    setObjectName(QStringLiteral("FormGrapheDesLiaisons"));
    setAccessibleName(TitreFenetre);
    QFont police = font();
    police.setPointSize(8);
    setFont(police);
    resize(TailleConception);
    setWindowState(Qt::WindowMaximized);
    OuvrirMenusParF10(*this);
    Annulation = new QUndoStack(this);
    connect(Annulation, &QUndoStack::cleanChanged, this, [this](bool propre) { setWindowModified(!propre); });

    auto *centre = new QWidget(this);
    auto *disposition = new QHBoxLayout(centre);
    disposition->setContentsMargins(0, 0, 0, 0);
    disposition->setSpacing(0);
    ScrollBox = new QScrollArea(centre);
    ScrollBox->setObjectName(QStringLiteral("ScrollBox"));
    ScrollBox->setAccessibleName(QStringLiteral("Défilement du graphe des liaisons"));
    ScrollBox->setWidgetResizable(false);
    // The nodes and symbols take the focus, and the area scrolls to them; the area itself is no stop.
    ScrollBox->setFocusPolicy(Qt::NoFocus);
    ImageFond = new TFondGraphe(ScrollBox);
    ImageFond->setObjectName(QStringLiteral("ImageFond"));
    connect(ImageFond, &TFondGraphe::focusRecu, this,
            [this](QWidget *controle) { ScrollBox->ensureWidgetVisible(controle, 0, 0); });
    ScrollBox->setWidget(ImageFond);
    ScrollBox->viewport()->installEventFilter(this);
    disposition->addWidget(ScrollBox, 1);
    Panel = new QWidget(centre);
    Panel->setObjectName(QStringLiteral("Panel"));
    Panel->setAccessibleName(QStringLiteral("Liaisons"));
    Panel->setFixedWidth(LargeurPanel);
    disposition->addWidget(Panel);
    setCentralWidget(centre);

    MenuCreation();
    PanelCreation();
    StatusBarCreation();
    FormCreate();
    OrdreTabulation();
    ActualiserTitre();

    // A choice of joint or frame is left by clicking, or by Escape when the student changes their mind.
    auto *echappement = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(echappement, &QShortcut::activated, this, [this] {
        if (Etat_ != Etat::Normal && Etat_ != Etat::EditionLiaison)
            QuitterChoixEnCours();
    });
}

TFormGrapheDesLiaisons::~TFormGrapheDesLiaisons()
{
    // The history, a child, empties itself as it goes and tells so: nothing of this window may hear it then.
    disconnect(Annulation, nullptr, this, nullptr);
}

void TFormGrapheDesLiaisons::FormCreate()
{
    if (const auto erreur = Catalogue.Charger())
        dialogues().Erreur(*erreur);
    CeCreation();
    LiaisonCreation();
    CeInitialisation();
    LiaisonInitialisation();
    LiaisonEdition();
}

void TFormGrapheDesLiaisons::OrdreTabulation()
{
    QList<QWidget *> ordre;
    const auto ajouter = [&ordre](const auto &controles) {
        for (QWidget *controle : controles)
            ordre << controle;
    };
    ajouter(ImagesCe);
    ajouter(ImagesLiaison);
    ajouter(
        std::initializer_list<QWidget *>{BoutonCreer, BoutonEditer, BoutonDetruire, BoutonHyperstatisme, BoutonBati});
    ajouter(ImagesLiaison3d);
    ajouter(std::initializer_list<QWidget *>{BoutonAide, BoutonPermuter});
    ajouter(ImagesLiaison2D);
    ajouter(std::initializer_list<QWidget *>{TrackBarInclineaison, BoutonFermer});
    for (qsizetype i = 1; i < ordre.size(); ++i)
        setTabOrder(ordre[i - 1], ordre[i]);
}

bool TFormGrapheDesLiaisons::FocusDans(const QWidget *controle) const
{
    const QWidget *focus = focusWidget();
    return focus != nullptr && (focus == controle || controle->isAncestorOf(focus));
}

void TFormGrapheDesLiaisons::MenuCreation()
{
    auto item = [this](QMenu *menu, const char *nom, const QString &texte, auto commande,
                       const QList<QKeySequence> &raccourcis = {}) {
        QAction *action = menu->addAction(texte, this, commande);
        action->setObjectName(QString::fromLatin1(nom));
        action->setShortcuts(raccourcis);
        return action;
    };
    const auto ctrl = [](int touche) { return QKeySequence(Qt::CTRL | touche); };
    QMenu *MenuFichier = menuBar()->addMenu(QStringLiteral("&Fichier"));
    MenuFichier->setObjectName(QStringLiteral("MenuFichier"));
    MenuNouveau = item(MenuFichier, "MenuNouveau", QStringLiteral("&Nouveau"),
                       &TFormGrapheDesLiaisons::MenuNouveauClick, {ctrl(Qt::Key_N)});
    MenuOuvrir = item(MenuFichier, "MenuOuvrir", QStringLiteral("&Ouvrir"), &TFormGrapheDesLiaisons::MenuOuvrirClick,
                      {ctrl(Qt::Key_O)});
    MenuEnregistrer = item(MenuFichier, "MenuEnregistrer", QStringLiteral("&Enregistrer"),
                           &TFormGrapheDesLiaisons::MenuEnregistrerClick, {ctrl(Qt::Key_S)});
    MenuEnregistrerSous =
        item(MenuFichier, "MenuEnregistrerSous", QStringLiteral("Enregistrer &sous…"),
             &TFormGrapheDesLiaisons::MenuEnregistrerSousClick, {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)});
    AjouterImpression(
        *MenuFichier, [this] { return TravailGrapheOuvert(); }, ExportsTravail::PdfEtSvg);
    MenuFichier->addSeparator();
    MenuFermer = item(MenuFichier, "MenuFermer", QStringLiteral("&Fermer"), &TFormGrapheDesLiaisons::MenuFermerClick,
                      {ctrl(Qt::Key_W)});

    QMenu *MenuEdition = menuBar()->addMenu(QStringLiteral("É&dition"));
    MenuEdition->setObjectName(QStringLiteral("MenuEdition"));
    MenuAnnuler = item(MenuEdition, "MenuAnnuler", QStringLiteral("&Annuler"), &TFormGrapheDesLiaisons::AnnulerClick,
                       {ctrl(Qt::Key_Z)});
    MenuRetablir =
        item(MenuEdition, "MenuRetablir", QStringLiteral("&Rétablir"), &TFormGrapheDesLiaisons::RetablirClick,
             {ctrl(Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    connect(Annulation, &QUndoStack::canUndoChanged, this, &TFormGrapheDesLiaisons::ActiverAnnulation);
    connect(Annulation, &QUndoStack::canRedoChanged, this, &TFormGrapheDesLiaisons::ActiverAnnulation);
    ActiverAnnulation();

    MenuOutils = menuBar()->addMenu(QStringLiteral("&Outils"));
    MenuOutils->setObjectName(QStringLiteral("MenuOutils"));
    MenuPdf = item(MenuOutils, "MenuPdf", QStringLiteral("Afficher le plan au format &pdf"),
                   &TFormGrapheDesLiaisons::MenuPdfClick);
    MenuVerifierCreation();
    MenuSchema = menuBar()->addAction(QStringLiteral("Faire le &schema cinematique à partir de ce graphe des liaisons"),
                                      this, &TFormGrapheDesLiaisons::MenuSchemaClick);
    MenuSchema->setObjectName(QStringLiteral("MenuSchema"));
}

void TFormGrapheDesLiaisons::PanelCreation()
{
    BoutonCreer = bouton(Panel, "BoutonCreer", QStringLiteral("Créer liaison"), {8, 8, 81, 25});
    BoutonEditer = bouton(Panel, "BoutonEditer", QStringLiteral("Editer liaison"), {96, 8, 89, 25});
    BoutonDetruire = bouton(Panel, "BoutonDetruire", QStringLiteral("Détruire liaison"), {192, 8, 81, 25});
    BoutonHyperstatisme =
        bouton(Panel, "BoutonHyperstatisme", QStringLiteral("Calculer l'hyperstatisme"), {8, 40, 177, 25});
    BoutonBati = bouton(Panel, "BoutonBati", QStringLiteral("Définir bâti"), {192, 40, 81, 25});
    connect(BoutonCreer, &QPushButton::clicked, this, &TFormGrapheDesLiaisons::BoutonCreerClick);
    connect(BoutonEditer, &QPushButton::clicked, this, &TFormGrapheDesLiaisons::BoutonEditerClick);
    connect(BoutonDetruire, &QPushButton::clicked, this, &TFormGrapheDesLiaisons::BoutonDetruireClick);
    connect(BoutonHyperstatisme, &QPushButton::clicked, this, &TFormGrapheDesLiaisons::BoutonHyperstatismeClick);
    connect(BoutonBati, &QPushButton::clicked, this, &TFormGrapheDesLiaisons::BoutonBatiClick);
    LiaisonPanelCreation();
    Panel->setMinimumHeight(PanelLiaison->geometry().bottom() + 8);
}

void TFormGrapheDesLiaisons::StatusBarCreation()
{
    QStatusBar *barre = statusBar();
    barre->setObjectName(QStringLiteral("StatusBar"));
    barre->setSizeGripEnabled(false);
    auto *case1 = new QWidget(barre);
    case1->setFixedSize(LargeursStatut[0], 19);
    PanelStatusBar = new QFrame(case1);
    PanelStatusBar->setObjectName(QStringLiteral("PanelStatusBar"));
    PanelStatusBar->setAccessibleName(QStringLiteral("Couleur de la classe survolée"));
    PanelStatusBar->setFrameShape(QFrame::Box);
    PanelStatusBar->setAutoFillBackground(true);
    PanelStatusBar->setGeometry(1, 2, LargeursStatut[0] - 2, 15);
    barre->addWidget(case1);
    LabelStatut = new QLabel(barre);
    LabelStatut->setObjectName(QStringLiteral("LabelStatut"));
    LabelStatut->setTextFormat(Qt::PlainText);
    LabelStatut->setFixedWidth(LargeursStatut[1]);
    barre->addWidget(LabelStatut);
    auto *case3 = new QLabel(barre);
    case3->setFixedWidth(LargeursStatut[2]);
    barre->addWidget(case3);
    CeImageMouseLeave(nullptr);
}

void TFormGrapheDesLiaisons::Reinitialiser()
{
    // What was under way (a joint being edited, a joint or frame to choose, a drag) belonged to the
    // graph that goes, and nothing done to it can be undone on the next one.
    ModificationEnCours = false;
    CeInitialisation();
    LiaisonInitialisation();
    LiaisonEdition();
    Annulation->clear();
    CheminEnregistre.clear();
    DernierHyperstatisme_.clear();
}

void TFormGrapheDesLiaisons::AucunGraphe()
{
    Reinitialiser();
    Graphe_ = GrapheLiaisons{};
    Etude_ = EtudeExercice::SelonLesVues;
    LiaisonEdition();
    AjusterFond();
    ActualiserTitre();
}

bool TFormGrapheDesLiaisons::GrapheOuvert()
{
    if (!Graphe_.DossierExercice.isEmpty())
        return true;
    dialogues().Message(MessageSansGraphe);
    return false;
}

void TFormGrapheDesLiaisons::OuvrirSCH(const QString &cheminDescripteur)
{
    const OuvertureDescripteur ouverture = VerifierDescripteur(
        cheminDescripteur, NumeroExerciceGraphe, NomDossierGrapheDesLiaisons, {FichierConditionGraphe}, PhraseGraphe);
    if (ouverture.refus) {
        dialogues().Message(*ouverture.refus);
        return;
    }
    const QString &dossier = ouverture.dossierExercice;
    const auto condition = LireConditionGraphe(dossier);
    if (const QString *refus = std::get_if<QString>(&condition)) {
        dialogues().Message(*refus);
        return;
    }
    auto images = ChargerImagesClasses(dossier, std::get<ConditionGraphe>(condition).nbrCe);
    if (const QString *refus = std::get_if<QString>(&images)) {
        dialogues().Message(*refus);
        return;
    }

    const ConditionGraphe &c = std::get<ConditionGraphe>(condition);
    Reinitialiser();
    Graphe_.DossierExercice = dossier;
    Etude_ = c.etude;
    OutilsEdition(c.outilsVisibles);
    Graphe_.DefinirNbrCe(c.nbrCe);
    for (int n = 1; n <= c.nbrCe; ++n)
        Graphe_.Ce(n).Information = c.informations[static_cast<std::size_t>(n - 1)];
    Bmp = std::move(std::get<ImagesClasses>(images));
    CeEdition(true);
    LiaisonEdition();
    ActualiserTitre();
}

void TFormGrapheDesLiaisons::OuvrirGDL(const QString &cheminGdl)
{
    if (const auto refus = VerifierFichier(cheminGdl, ExtensionGdl)) {
        dialogues().Message(*refus);
        return;
    }
    const QString chemin = TrouverChemin(cheminGdl);
    LectureGdl lecture = LireGdl(chemin);
    // A graph that cannot be shown whole leaves the window with none: nothing to save or hand on.
    if (!lecture.enteteLue()) {
        AucunGraphe();
        dialogues().Message(lecture.erreur);
        return;
    }
    auto images = ChargerImagesClasses(lecture.graphe.DossierExercice, lecture.graphe.NbrCe());
    if (const QString *refus = std::get_if<QString>(&images)) {
        AucunGraphe();
        dialogues().Message(*refus);
        return;
    }
    if (!lecture.reussie()) {
        AucunGraphe();
        dialogues().Message(lecture.erreur);
        return;
    }
    // The study is the one the mechanism's exercise asks for: the file names its mechanism.
    const auto etude = LireEtudeExercice(lecture.graphe.DossierExercice);
    if (const QString *refus = std::get_if<QString>(&etude)) {
        AucunGraphe();
        dialogues().Message(*refus);
        return;
    }
    Reinitialiser();
    // The file opened is the graph's file, as one saved to: Ctrl+S writes there. A mechanism's correction
    // is only looked at: saving asks for a file of the student's own.
    const bool correction =
        QFileInfo(chemin).absoluteDir().dirName().compare(NomDossierSchemaCinematique, Qt::CaseInsensitive) == 0;
    CheminEnregistre = correction ? QString() : chemin;
    Graphe_ = std::move(lecture.graphe);
    Etude_ = std::get<EtudeExercice>(etude);
    for (int n = 1; n <= Graphe_.NbrCe(); ++n)
        Graphe_.Ce(n).Position = PositionDansLaZone(Graphe_.Ce(n).Position);
    Bmp = std::move(std::get<ImagesClasses>(images));
    CeEdition(false);
    DessinerToutLeGraphe();
    LiaisonEdition();
    OutilsEdition(LireOutilsVisibles(Graphe_.DossierExercice));
    ActualiserTitre();
}

void TFormGrapheDesLiaisons::MenuNouveauClick()
{
    if (!PeutAbandonnerGraphe())
        return;
    const auto reponse = dialogues().Saisie(TitreNouveau, InviteNouveau, QString());
    const auto nombre = reponse ? LireNombreEntier(*reponse) : std::nullopt;
    if (!nombre)
        return;
    if (*nombre < 2 || *nombre > NbrCeMax) {
        dialogues().Message(MessageNombreClasses());
        return;
    }
    const QString dossier = DossierGrapheDesLiaisons(NomSansMecanisme);
    auto images = ChargerImagesClasses(dossier, *nombre);
    if (const QString *refus = std::get_if<QString>(&images)) {
        dialogues().Message(*refus);
        return;
    }
    Reinitialiser();
    Graphe_.DossierExercice = dossier;
    Etude_ = EtudeExercice::SelonLesVues;
    OutilsEdition(MenuPdf->isVisible() && MenuOutils->menuAction()->isVisible());
    Graphe_.DefinirNbrCe(*nombre);
    Bmp = std::move(std::get<ImagesClasses>(images));
    CeEdition(true);
    LiaisonEdition();
    ActualiserTitre();
}

void TFormGrapheDesLiaisons::MenuOuvrirClick()
{
    if (!PeutAbandonnerGraphe())
        return;
    const QString chemin = dialogues().FichierAOuvrir(DossierProgramme(), FiltreOuvrir, FiltreTous, TitreOuvrir);
    const QString extension = ExtensionMinuscule(chemin);
    if (extension == ExtensionDescripteur)
        OuvrirSCH(chemin);
    else if (extension == ExtensionGdl)
        OuvrirGDL(chemin);
}

void TFormGrapheDesLiaisons::MenuEnregistrerClick() { Enregistrer(); }

void TFormGrapheDesLiaisons::MenuEnregistrerSousClick() { EnregistrerSous(); }

bool TFormGrapheDesLiaisons::Enregistrer()
{
    if (CheminEnregistre.isEmpty())
        return EnregistrerSous();
    if (const auto erreur = EnregistrerGdl(Graphe_, CheminEnregistre)) {
        dialogues().Erreur(*erreur);
        return false;
    }
    Annulation->setClean();
    return true;
}

bool TFormGrapheDesLiaisons::EnregistrerSous()
{
    if (const auto refus = VerifierEnregistrable(Graphe_)) {
        dialogues().Message(*refus);
        return false;
    }
    const QString chemin = dialogues().FichierAEnregistrer(
        DossierSpecial(DossierDocumentsUtilisateur), FiltreEnregistrer, QStringLiteral("gdl"), true, TitreEnregistrer);
    if (chemin.isEmpty())
        return false;
    if (const auto erreur = EnregistrerGdl(Graphe_, chemin)) {
        dialogues().Erreur(*erreur);
        return false;
    }
    CheminEnregistre = chemin;
    Annulation->setClean();
    ActualiserTitre();
    return true;
}

bool TFormGrapheDesLiaisons::PeutAbandonnerGraphe()
{
    // A joint being edited is not in the history until « Fermer »: its changes count as unsaved work
    // all the same, so the question is put about a history that holds them.
    if (Etat_ == Etat::EditionLiaison && ModificationEnCours && GrapheAvant != Graphe_ && Annulation->isClean()) {
        QUndoStack avecLaLiaison;
        avecLaLiaison.push(new QUndoCommand);
        return PeutAbandonnerTravail(avecLaLiaison, NomGraphe(), [this] { return Enregistrer(); });
    }
    return PeutAbandonnerTravail(*Annulation, NomGraphe(), [this] { return Enregistrer(); });
}

void TFormGrapheDesLiaisons::EnregistrerDans(const QString &cheminGdl)
{
    CheminEnregistre = cheminGdl;
    ActualiserTitre();
}

QString TFormGrapheDesLiaisons::NomGraphe() const
{
    return QStringLiteral("ce graphe des liaisons (« %1 »)")
        .arg(CheminEnregistre.isEmpty() ? NomDuMecanisme(Graphe_.DossierExercice) : NomFichier(CheminEnregistre));
}

QString TFormGrapheDesLiaisons::NomMecanismeOuvert() const { return NomDuMecanisme(Graphe_.DossierExercice); }

void TFormGrapheDesLiaisons::ActualiserTitre()
{
    QStringList precisions;
    if (!Graphe_.DossierExercice.isEmpty())
        precisions << NomDuMecanisme(Graphe_.DossierExercice) << NomFichier(CheminEnregistre);
    setWindowTitle(TitreExercice(TitreFenetre, precisions));
    setWindowModified(!Annulation->isClean());
}

void TFormGrapheDesLiaisons::MenuFermerClick() { close(); }

void TFormGrapheDesLiaisons::closeEvent(QCloseEvent *evenement)
{
    if (PeutAbandonnerGraphe())
        evenement->accept();
    else
        evenement->ignore();
}

void TFormGrapheDesLiaisons::MenuPdfClick()
{
    if (!GrapheOuvert())
        return;
    const QString chemin = FichierDuDossier(Graphe_.DossierExercice, FichierPlanPdf);
    if (const OuvertureDocument ouverture = bureau().OuvrirDocument(chemin, EtatFenetre::Maximisee); !ouverture)
        dialogues().Message(MessageDocumentNonOuvert(chemin, ouverture));
}

void TFormGrapheDesLiaisons::MenuSchemaClick()
{
    if (!GrapheOuvert())
        return;
    if (!ouvertureSchema_) {
        dialogues().Message(MessageSchemaIndisponible);
        return;
    }
    const FichierTransmission transmission(Graphe_);
    if (transmission.chemin().isEmpty()) {
        dialogues().Erreur(transmission.erreur());
        return;
    }
    ouvertureSchema_(*this, transmission.chemin());
}

bool TFormGrapheDesLiaisons::eventFilter(QObject *objet, QEvent *evenement)
{
    if (objet == ScrollBox->viewport() && evenement->type() == QEvent::Resize) {
        CeRangeesSuivreLaZone();
        AjusterFond();
    }
    return QMainWindow::eventFilter(objet, evenement);
}

void TFormGrapheDesLiaisons::AjusterFond()
{
    QSize taille = ScrollBox->viewport()->size();
    for (QWidget *enfant : ImageFond->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (enfant->isVisibleTo(ImageFond))
            taille = taille.expandedTo(QSize(enfant->geometry().right() + 9, enfant->geometry().bottom() + 9));
    }
    ImageFond->resize(taille);
}

void TFormGrapheDesLiaisons::DebutModification()
{
    if (ModificationEnCours)
        return;
    GrapheAvant = Graphe_;
    ModificationEnCours = true;
}

void TFormGrapheDesLiaisons::FinModification(const QString &texte, int fusion, bool continuation)
{
    if (!ModificationEnCours)
        return;
    ModificationEnCours = false;
    if (GrapheAvant == Graphe_)
        return;
    Annulation->push(new CommandeGraphe(
        texte, GrapheAvant, Graphe_, [this](const GrapheLiaisons &g) { AppliquerGraphe(g); }, fusion, continuation));
}

void TFormGrapheDesLiaisons::AppliquerGraphe(const GrapheLiaisons &graphe)
{
    const TFondGraphe::Lot lot(*ImageFond);
    Graphe_ = graphe;
    Deplacement = false;
    for (int n = 1; n <= NbrCeMax; ++n) {
        if (n <= Graphe_.NbrCe())
            CeConvertirBmpToImage(n);
    }
    DessinerToutLeGraphe();
    LiaisonEdition();
}

void TFormGrapheDesLiaisons::QuitterChoixEnCours()
{
    // The frame choice cleared every frame flag before a class was clicked: that is taken back.
    if (Etat_ == Etat::ChoixBati && ModificationEnCours) {
        ModificationEnCours = false;
        AppliquerGraphe(GrapheAvant);
    }
    ModificationEnCours = false;
    LiaisonEdition();
}

void TFormGrapheDesLiaisons::AnnulerClick()
{
    // The joint being edited is the change under way: undo takes it back whole, panel and all.
    if (Etat_ == Etat::EditionLiaison && ModificationEnCours && GrapheAvant != Graphe_) {
        ModificationEnCours = false;
        AppliquerGraphe(GrapheAvant);
        return;
    }
    // A choice under way (a joint or the frame to click) is what undo takes back; the step before stays.
    if (Etat_ != Etat::Normal) {
        QuitterChoixEnCours();
        return;
    }
    Annulation->undo();
}

void TFormGrapheDesLiaisons::RetablirClick()
{
    if (Etat_ == Etat::EditionLiaison)
        return;
    QuitterChoixEnCours();
    Annulation->redo();
}

void TFormGrapheDesLiaisons::ActiverAnnulation()
{
    // While a joint is edited, undo takes it back and redo has nothing to give: a redone change
    // would land in the middle of the joint's editing.
    const bool edition = Etat_ == Etat::EditionLiaison;
    MenuAnnuler->setEnabled(edition || Annulation->canUndo());
    MenuRetablir->setEnabled(!edition && Annulation->canRedo());
}
