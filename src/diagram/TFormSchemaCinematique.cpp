#include "diagram/TFormSchemaCinematique.h"

#include "common/Bureau.h"
#include "common/Descripteur.h"
#include "common/Dialogues.h"
#include "common/DossierProgramme.h"
#include "common/Impression.h"
#include "common/MenusClavier.h"
#include "common/OuvertureExercice.h"
#include "common/TitreFenetre.h"
#include "common/TravailNonEnregistre.h"
#include "common/TrouverChemin.h"
#include "diagram/ImageSchema.h"
#include "diagram/LectureSchema.h"
#include "diagram/SymboleSchema.h"
#include "joint_graph/NomMecanisme.h"

#include <QAction>
#include <QCloseEvent>
#include <QEvent>
#include <QLabel>
#include <QMenuBar>
#include <QScrollArea>
#include <QShowEvent>
#include <QToolButton>
#include <QUndoStack>
#include <QVBoxLayout>

namespace {
const QString TitreFenetre = QStringLiteral("Schéma Cinématique");
const QString TitreMenuFichier = QStringLiteral("&Fichier");
const QString TitreMenuOuvrir = QStringLiteral("&Ouvrir");
const QString TitreMenuFermer = QStringLiteral("&Fermer");
const QString TitreMenuEdition = QStringLiteral("É&dition");
const QString TitreMenuAnnuler = QStringLiteral("&Annuler");
const QString TitreMenuRetablir = QStringLiteral("&Rétablir");
const QString TitreMenuOutils = QStringLiteral("&Outils");
const QString TitreMenuTrame = QStringLiteral("Afficher/Masquer la &trame");
const QString TitreMenuEnregistrer = QStringLiteral("&Enregistrer le schema cinématique");
const QString TitreMenuPdf = QStringLiteral("Afficher le plan au format &Pdf");
const QString NomPanel = QStringLiteral("Outils de dessin et classes d'équivalence");
const QString NomZoneDessin = QStringLiteral("Zone de dessin du schéma cinématique");
const QString FiltreOuvrir =
    QStringLiteral("Graphe de liaisons (*.gdl)|*.gdl|Velkora (*.sch)|*.sch|Tous (*.gdl et *.sch)|*.gdl; *.sch;");
constexpr int FiltreTous = 3;
const QString TitreDialogueOuvrir = QStringLiteral("Ouvrir un graphe des liaisons ou un mécanisme");
const QString TravailSchema = QStringLiteral("ce schéma cinématique");
const QString TravailSchemaNomme = QStringLiteral("ce schéma cinématique (« %1 »)");
const QString ExtensionGdl = QStringLiteral(".gdl");
constexpr int HauteurPanel = 41;
constexpr QSize TailleParDefaut(800, 600);
} // namespace

TFormSchemaCinematique::TFormSchemaCinematique(QWidget *parent) : QMainWindow(parent)
{
    setWindowTitle(TitreExercice(TitreFenetre, {}));
    setAccessibleName(TitreFenetre);
    resize(TailleParDefaut); // the size the window takes back when it leaves the maximised state
    setWindowState(Qt::WindowMaximized);
    OuvrirMenusParF10(*this);

    auto *centre = new QWidget(this);
    centre->setObjectName(QStringLiteral("Centre"));
    auto *disposition = new QVBoxLayout(centre);
    disposition->setContentsMargins(0, 0, 0, 0);
    disposition->setSpacing(0);
    Panel = new QWidget(centre);
    Panel->setObjectName(QStringLiteral("Panel"));
    Panel->setAccessibleName(NomPanel);
    Panel->setFixedHeight(HauteurPanel);
    disposition->addWidget(Panel);

    ScrollBox = new QScrollArea(centre);
    ScrollBox->setObjectName(QStringLiteral("ScrollBox"));
    ScrollBox->setAccessibleName(NomZoneDessin);
    ScrollBox->setWidgetResizable(false);
    Contenu = new QWidget(ScrollBox);
    Contenu->setObjectName(QStringLiteral("Contenu"));
    ScrollBox->setWidget(Contenu);
    ScrollBox->viewport()->installEventFilter(this);
    disposition->addWidget(ScrollBox);
    setCentralWidget(centre);

    Historique = new QUndoStack(this);
    connect(Historique, &QUndoStack::cleanChanged, this, [this](bool propre) { setWindowModified(!propre); });
    MenuCreation();
    FormCreate();
    InitialisationGenerale();
}

TFormSchemaCinematique::~TFormSchemaCinematique()
{
    // The history is destroyed with the window's children, once this part of the window is gone; it
    // empties itself then, and must not call back into it.
    disconnect(Historique, nullptr, this, nullptr);
}

void TFormSchemaCinematique::FormCreate()
{
    // Children are stacked in the order they are made: the background, the frame, then the symbols.
    CeCreation();
    TrameCreation();
    LiaisonCreation();
    DessinCreation();
    CurseurCreation();
    // Tab goes through the drawing tools, the classes, then the symbols in record order.
    QWidget *precedent = SpeedBoutonTrait;
    const auto suivant = [&precedent](QWidget *controle) {
        setTabOrder(precedent, controle);
        precedent = controle;
    };
    for (QWidget *outil : {SpeedBoutonSpline, SpeedBoutonGomme, SpeedBoutonEffacer})
        suivant(outil);
    for (int n = 1; n <= NbrCeMax; ++n)
        suivant(BoutonCe[std::size_t(n)]);
    suivant(ScrollBox);
    for (QLabel *symbole : ImageLiaison)
        suivant(symbole);
}

void TFormSchemaCinematique::MenuCreation()
{
    const auto nommer = [](QAction *action, const char *nom) {
        action->setObjectName(QString::fromLatin1(nom));
        return action;
    };
    MenuFichier = menuBar()->addMenu(TitreMenuFichier);
    MenuFichier->setObjectName(QStringLiteral("MenuFichier"));
    MenuOuvrir =
        nommer(MenuFichier->addAction(TitreMenuOuvrir, this, &TFormSchemaCinematique::MenuOuvrirClick), "MenuOuvrir");
    MenuOuvrir->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    AjouterImpression(
        *MenuFichier, [this] { return TravailSchemaOuvert(); }, ExportsTravail::PdfEtSvg);
    MenuFichier->addSeparator();
    MenuFermer =
        nommer(MenuFichier->addAction(TitreMenuFermer, this, &TFormSchemaCinematique::MenuFermerClick), "MenuFermer");
    MenuFermer->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));

    MenuEdition = menuBar()->addMenu(TitreMenuEdition);
    MenuEdition->setObjectName(QStringLiteral("MenuEdition"));
    MenuAnnuler = nommer(MenuEdition->addAction(TitreMenuAnnuler, this, &TFormSchemaCinematique::MenuAnnulerClick),
                         "MenuAnnuler");
    MenuAnnuler->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    MenuRetablir = nommer(MenuEdition->addAction(TitreMenuRetablir, this, &TFormSchemaCinematique::MenuRetablirClick),
                          "MenuRetablir");
    MenuRetablir->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    MenuAnnuler->setEnabled(false);
    MenuRetablir->setEnabled(false);
    // A step the history forgot to keep within its bytes cannot be undone.
    connect(Historique, &QUndoStack::indexChanged, this, [this] { MenuAnnuler->setEnabled(PeutAnnuler(*Historique)); });
    connect(Historique, &QUndoStack::canRedoChanged, MenuRetablir, &QAction::setEnabled);

    MenuOutils = menuBar()->addMenu(TitreMenuOutils);
    MenuOutils->setObjectName(QStringLiteral("MenuOutils"));
    MenuTrame =
        nommer(MenuOutils->addAction(TitreMenuTrame, this, &TFormSchemaCinematique::MenuTrameClick), "MenuTrame");
    MenuTrame->setCheckable(true);
    MenuTrame->setChecked(true);
    MenuOutils->addSeparator();
    MenuEnregistrer =
        nommer(MenuOutils->addAction(TitreMenuEnregistrer, this, &TFormSchemaCinematique::MenuEnregistrerClick),
               "MenuEnregistrer");
    MenuEnregistrer->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    MenuPdf = nommer(MenuOutils->addAction(TitreMenuPdf, this, &TFormSchemaCinematique::MenuPdfClick), "MenuPdf");
}

void TFormSchemaCinematique::InitialisationGenerale()
{
    Schema = SchemaCinematique{};
    SchemaOuvert = false;
    CeInitialisation();
    LiaisonInitialisation();
    TrameInitialisation();
    DessinInitialisation();
    MenuPdf->setVisible(false);
    MettreAJourTitre();
}

void TFormSchemaCinematique::MettreAJourTitre()
{
    setWindowTitle(TitreExercice(TitreFenetre, {SchemaOuvert ? Schema.NomMecanisme : QString()}));
    setWindowModified(!Historique->isClean());
}

bool TFormSchemaCinematique::PeutAbandonnerSchema()
{
    if (!SchemaOuvert)
        return true;
    const QString travail = Schema.NomMecanisme.isEmpty() ? TravailSchema : TravailSchemaNomme.arg(Schema.NomMecanisme);
    return PeutAbandonnerTravail(*Historique, travail, [this] { return EnregistrerSchema(); });
}

void TFormSchemaCinematique::closeEvent(QCloseEvent *evenement)
{
    if (!PeutAbandonnerSchema()) {
        evenement->ignore();
        return;
    }
    QMainWindow::closeEvent(evenement);
}

void TFormSchemaCinematique::EditionGenerale()
{
    CeEdition();
    LiaisonEdition();
    TrameEdition();
    DessinEdition();
}

void TFormSchemaCinematique::OuvrirSCH(const QString &cheminDescripteur)
{
    const OuvertureDescripteur ouverture = VerifierDescripteur(
        cheminDescripteur, NumeroExerciceSchema, NomDossierSchemaCinematique, {NomCorrectionSchema}, PhraseSchema);
    if (ouverture.refus) {
        dialogues().Message(*ouverture.refus);
        return;
    }
    OuvrirGDL(FichierDuDossier(ouverture.dossierExercice, NomCorrectionSchema));
}

bool TFormSchemaCinematique::OuvrirGDL(const QString &cheminGdl)
{
    if (const auto refus = VerifierFichier(cheminGdl, ExtensionGdl)) {
        dialogues().Message(*refus);
        return false;
    }
    InitialisationGenerale();
    LectureSchema lecture = LireSchema(TrouverChemin(cheminGdl));
    if (!lecture.reussie()) {
        dialogues().Message(lecture.erreur);
        return false;
    }
    Schema = std::move(lecture.schema);
    if (const auto refus = TrameConstruction()) {
        InitialisationGenerale();
        dialogues().Message(*refus);
        return false;
    }
    MenuPdf->setVisible(Schema.PdfVisible);
    EditionGenerale();
    SchemaOuvert = true;
    MettreAJourTitre();
    return true;
}

void TFormSchemaCinematique::showEvent(QShowEvent *evenement)
{
    QMainWindow::showEvent(evenement);
    // A window restored from the task bar is shown again by the desktop: only the program's own
    // showing rebuilds the background.
    if (!evenement->spontaneous())
        FormShow();
}

void TFormSchemaCinematique::FormShow()
{
    FenetreMontree = true;
    TrameEdition();
    if (PlacementInitialAttendu)
        LiaisonPlacementInitial();
    DessinEdition();
}

// The scroll box's contents cover its view, the background and the symbols.
void TFormSchemaCinematique::AjusterContenu()
{
    QSize taille = ScrollBox->viewport()->size();
    const auto couvrir = [&taille](const QRect &r) {
        taille = taille.expandedTo(QSize(r.right() + 1, r.bottom() + 1));
    };
    if (ImageFond->isVisibleTo(Contenu))
        couvrir(ImageFond->geometry());
    for (const QLabel *symbole : ImageLiaison) {
        if (symbole->isVisibleTo(Contenu))
            couvrir(symbole->geometry());
    }
    Contenu->resize(taille);
}

QRect TFormSchemaCinematique::ZoneVisible() const { return QRect(-Contenu->pos(), ScrollBox->viewport()->size()); }

void TFormSchemaCinematique::ScrollBoxResize()
{
    if (Schema.TypeTrame == TrameDessin) {
        const QSize vue = ScrollBox->viewport()->size();
        const QSize image = ImageFond->size();
        const QPoint avant = ImageFond->pos();
        const QPoint centre(vue.width() > image.width() ? (vue.width() - image.width()) / 2 : 0,
                            vue.height() > image.height() ? (vue.height() - image.height()) / 2 : 0);
        ImageFond->move(centre);
        for (int k = 0; k < NbrSymboles; ++k) {
            if (SymbolePose[std::size_t(k)])
                ImageLiaison[std::size_t(k)]->move(ImageLiaison[std::size_t(k)]->pos() + centre - avant);
        }
    } else if (Schema.TypeTrame == TrameQuadrillage) {
        TrameAjuster();
    }
    AjusterContenu();
    CurseurAfficher();
}

bool TFormSchemaCinematique::eventFilter(QObject *objet, QEvent *evenement)
{
    if (objet == ScrollBox->viewport() && evenement->type() == QEvent::Resize)
        ScrollBoxResize();
    else if (objet == ScrollBox)
        return ScrollBoxEvenement(evenement) || QMainWindow::eventFilter(objet, evenement);
    else if (objet == ImageFond)
        return ImageFondEvenement(evenement, QPoint()) || QMainWindow::eventFilter(objet, evenement);
    else {
        for (int k = 0; k < NbrSymboles; ++k) {
            if (objet == ImageLiaison[std::size_t(k)])
                return LiaisonEvenement(k, evenement) || QMainWindow::eventFilter(objet, evenement);
        }
    }
    return QMainWindow::eventFilter(objet, evenement);
}

void TFormSchemaCinematique::MenuOuvrirClick()
{
    if (!PeutAbandonnerSchema())
        return;
    const QString chemin =
        dialogues().FichierAOuvrir(DossierProgramme(), FiltreOuvrir, FiltreTous, TitreDialogueOuvrir);
    const QString extension = ExtensionMinuscule(chemin);
    if (extension == ExtensionDescripteur)
        OuvrirSCH(chemin);
    else if (extension == ExtensionGdl)
        OuvrirGDL(chemin);
}

void TFormSchemaCinematique::MenuFermerClick() { close(); }

void TFormSchemaCinematique::MenuPdfClick()
{
    const QString chemin = FichierDuDossier(Schema.DossierExercice, NomPdfSchema);
    if (Schema.DossierExercice.isEmpty()) {
        dialogues().Message(MessageImpossibleOuvrir(chemin));
        return;
    }
    if (const OuvertureDocument ouverture = bureau().OuvrirDocument(chemin, EtatFenetre::Maximisee); !ouverture)
        dialogues().Message(MessageDocumentNonOuvert(chemin, ouverture));
}
