#include "workshop/TFormAtelier.h"

#include "workshop/CommandesAtelier.h"

#include "common/Dialogues.h"
#include "common/DossiersMecanismes.h"
#include "common/MenusClavier.h"
#include "common/TitreFenetre.h"
#include "common/TravailNonEnregistre.h"
#include "workshop/VueAtelier.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>
#include <QUndoStack>
#include <QVBoxLayout>

namespace {
const QString TitreAtelier = QStringLiteral("Atelier du professeur");
const QString NomTravail = QStringLiteral("ce mécanisme");
const QString FiltreDescripteur = QStringLiteral("Mécanisme Velkora (*.sch)|*.sch");
const QString TitreModifier = QStringLiteral("Modifier un mécanisme");
constexpr int LargeurOnglets = 460;

// What each tool asks of the teacher, shown beside the sheet.
QString AideOutil(TFormAtelier::Outil outil)
{
    switch (outil) {
    case TFormAtelier::Outil::Fusion:
        return QStringLiteral("Réunir deux zones : cliquez la zone à garder, puis la zone à lui ajouter.");
    case TFormAtelier::Outil::Trait:
        return QStringLiteral("Tracer un trait : glissez pour couper une zone ou fermer un trou du trait. Au "
                              "clavier, Espace pose un point, Entrée trace.");
    case TFormAtelier::Outil::ZonesPiece:
        return QStringLiteral("Zones de la pièce : choisissez une pièce dans la nomenclature, puis cliquez ses "
                              "zones. Un clic sur une zone de la pièce la lui retire. Les zones rayées de rouge "
                              "n'ont pas encore de pièce.");
    case TFormAtelier::Outil::Bulle:
        return QStringLiteral("Placer la bulle : choisissez une pièce, puis cliquez où est son repère sur le "
                              "dessin. « Trouver les bulles » (Ctrl+B) place celles dont il lit le numéro.");
    case TFormAtelier::Outil::Classes:
        return QStringLiteral("Classes d'équivalence : choisissez une classe, puis cliquez les zones de ses "
                              "pièces. Un nouveau clic retire la pièce de la classe.");
    }
    return {};
}
} // namespace

TFormAtelier::TFormAtelier(QWidget *parent) : QMainWindow(parent), Analyse_(std::make_unique<AnalyseAtelier>())
{
    setObjectName(QStringLiteral("FormAtelier"));
    setAccessibleName(TitreAtelier);
    resize(1280, 860);
    Historique_ = new QUndoStack(this);
    connect(Historique_, &QUndoStack::cleanChanged, this, [this] { ActualiserTitre(); });

    auto *fond = new QWidget(this);
    auto *rangee = new QHBoxLayout(fond);
    FeuilleCreation();
    rangee->addWidget(ScrollFeuille, 1);
    auto *colonne = new QVBoxLayout;
    Onglets = new QTabWidget(fond);
    Onglets->setObjectName(QStringLiteral("Onglets"));
    Onglets->setAccessibleName(QStringLiteral("Étapes de l'atelier"));
    Onglets->setFixedWidth(LargeurOnglets);
    DessinCreation(Onglets);
    PiecesCreation(Onglets);
    ClassesCreation(Onglets);
    EnregistrementCreation(Onglets);
    colonne->addWidget(Onglets, 1);
    LabelAide = new QLabel(fond);
    LabelAide->setObjectName(QStringLiteral("LabelAide"));
    LabelAide->setWordWrap(true);
    LabelAide->setFixedWidth(LargeurOnglets);
    LabelAide->setFrameShape(QFrame::StyledPanel);
    LabelAide->setAccessibleName(QStringLiteral("Aide de l'outil"));
    colonne->addWidget(LabelAide);
    rangee->addLayout(colonne);
    setCentralWidget(fond);

    MenuCreation();
    OutilsCreation();
    OuvrirMenusParF10(*this);
    statusBar()->setObjectName(QStringLiteral("StatusBar"));
    statusBar()->setAccessibleName(QStringLiteral("Barre d'état"));
    connect(Onglets, &QTabWidget::currentChanged, this, [this](int onglet) {
        if (onglet == 0 && Outil_ != Outil::Trait)
            ChoisirOutil(Outil::Fusion);
        else if (onglet == 1 && Outil_ != Outil::Bulle)
            ChoisirOutil(Outil::ZonesPiece);
        else if (onglet == 2)
            ChoisirOutil(Outil::Classes);
    });
    Reinitialiser();
}

TFormAtelier::~TFormAtelier()
{
    // The history, a child, empties itself as it goes and tells so: nothing of this window may hear it then.
    disconnect(Historique_, nullptr, this, nullptr);
}

const ZonesDessin *TFormAtelier::Zones() const { return Analyse_->edition ? &Analyse_->edition->zones() : nullptr; }

void TFormAtelier::DefinirApresEnregistrement(std::function<void(const QString &)> rappel)
{
    apresEnregistrement_ = std::move(rappel);
}

void TFormAtelier::MenuCreation()
{
    auto item = [this](QMenu *menu, const char *nom, const QString &texte, auto &&commande,
                       QKeySequence raccourci = {}) {
        QAction *action = menu->addAction(texte);
        action->setObjectName(QString::fromLatin1(nom));
        action->setShortcut(raccourci);
        connect(action, &QAction::triggered, this, commande);
        return action;
    };
    QMenu *MenuFichier = menuBar()->addMenu(QStringLiteral("&Fichier"));
    MenuFichier->setObjectName(QStringLiteral("MenuFichier"));
    item(MenuFichier, "MenuNouveau", QStringLiteral("&Nouveau mécanisme"), &TFormAtelier::MenuNouveauClick,
         QKeySequence::New);
    item(MenuFichier, "MenuOuvrir", QStringLiteral("&Ouvrir un dessin…"), &TFormAtelier::MenuOuvrirClick,
         QKeySequence::Open);
    item(MenuFichier, "MenuModifier", QStringLiteral("&Modifier un mécanisme…"), &TFormAtelier::MenuModifierClick,
         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O));
    item(MenuFichier, "MenuEnregistrer", QStringLiteral("&Enregistrer le mécanisme"), &TFormAtelier::Enregistrer,
         QKeySequence::Save);
    MenuFichier->addSeparator();
    item(MenuFichier, "MenuFermer", QStringLiteral("&Fermer"), &QWidget::close, QKeySequence(Qt::CTRL | Qt::Key_W));

    QMenu *MenuEdition = menuBar()->addMenu(QStringLiteral("É&dition"));
    MenuEdition->setObjectName(QStringLiteral("MenuEdition"));
    MenuAnnuler = item(
        MenuEdition, "MenuAnnuler", QStringLiteral("&Annuler"), [this] { Historique_->undo(); }, QKeySequence::Undo);
    MenuRetablir = item(
        MenuEdition, "MenuRetablir", QStringLiteral("&Rétablir"), [this] { Historique_->redo(); },
        QKeySequence(Qt::CTRL | Qt::Key_Y));
    MenuRetablir->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    connect(Historique_, &QUndoStack::canUndoChanged, MenuAnnuler, &QAction::setEnabled);
    connect(Historique_, &QUndoStack::canRedoChanged, MenuRetablir, &QAction::setEnabled);
    MenuAnnuler->setEnabled(false);
    MenuRetablir->setEnabled(false);
    MenuEdition->addSeparator();
    item(MenuEdition, "MenuColler", QStringLiteral("&Coller des pièces"), &TFormAtelier::CollerPieces,
         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V));
    item(MenuEdition, "MenuTrouverBulles", QStringLiteral("&Trouver les bulles"), &TFormAtelier::TrouverBullesClick,
         QKeySequence(Qt::CTRL | Qt::Key_B));

    QMenu *MenuAffichage = menuBar()->addMenu(QStringLiteral("&Affichage"));
    MenuAffichage->setObjectName(QStringLiteral("MenuAffichage"));
    item(
        MenuAffichage, "MenuZoomAvant", QStringLiteral("Zoom &avant"), [this] { Zoomer(1.25); }, QKeySequence::ZoomIn);
    item(
        MenuAffichage, "MenuZoomArriere", QStringLiteral("Zoom a&rrière"), [this] { Zoomer(0.8); },
        QKeySequence::ZoomOut);
    item(
        MenuAffichage, "MenuTailleReelle", QStringLiteral("&Taille réelle"), [this] { Zoomer(0); },
        QKeySequence(Qt::CTRL | Qt::Key_0));
    item(MenuAffichage, "MenuFeuilleEntiere", QStringLiteral("Toute la &feuille"), &TFormAtelier::ZoomFeuilleEntiere,
         QKeySequence(Qt::CTRL | Qt::Key_9));
    item(
        MenuAffichage, "MenuFeuille", QStringLiteral("Aller au &dessin"),
        [this] { ImageFeuille->setFocus(Qt::ShortcutFocusReason); }, QKeySequence(Qt::Key_F6));
}

void TFormAtelier::OutilsCreation()
{
    QMenu *MenuOutils = menuBar()->addMenu(QStringLiteral("&Outils"));
    MenuOutils->setObjectName(QStringLiteral("MenuOutils"));
    QToolBar *barre = addToolBar(QStringLiteral("Outils"));
    barre->setObjectName(QStringLiteral("BarreOutils"));
    barre->setAccessibleName(QStringLiteral("Outils du dessin"));
    barre->setToolButtonStyle(Qt::ToolButtonTextOnly);
    GroupeOutils = new QActionGroup(this);
    auto outil = [&](const char *nom, const QString &texte, Outil o, int touche) {
        QAction *action = MenuOutils->addAction(texte);
        action->setObjectName(QString::fromLatin1(nom));
        action->setCheckable(true);
        action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key(touche)));
        action->setActionGroup(GroupeOutils);
        barre->addAction(action);
        connect(action, &QAction::triggered, this, [this, o] { ChoisirOutil(o); });
        return action;
    };
    OutilFusion = outil("OutilFusion", QStringLiteral("&Réunir deux zones"), Outil::Fusion, Qt::Key_1);
    OutilTrait = outil("OutilTrait", QStringLiteral("&Tracer un trait"), Outil::Trait, Qt::Key_2);
    OutilZonesPiece = outil("OutilZonesPiece", QStringLiteral("&Zones de la pièce"), Outil::ZonesPiece, Qt::Key_3);
    OutilBulle = outil("OutilBulle", QStringLiteral("Placer la &bulle"), Outil::Bulle, Qt::Key_4);
    OutilClasses = outil("OutilClasses", QStringLiteral("&Classes d'équivalence"), Outil::Classes, Qt::Key_5);
    for (QAction *action : GroupeOutils->actions())
        action->setToolTip(action->text().remove(u'&'));
}

void TFormAtelier::ChoisirOutil(Outil outil)
{
    const bool changeTeintes =
        (outil == Outil::Classes) != (Outil_ == Outil::Classes) ||
        (outil == Outil::Fusion || outil == Outil::Trait) != (Outil_ == Outil::Fusion || Outil_ == Outil::Trait);
    Outil_ = outil;
    if (std::exchange(ZoneAFusionner_, 0) != 0 && !changeTeintes)
        TeintesEdition();
    statusBar()->clearMessage();
    TraceClavier_.clear();
    ImageFeuille->DefinirTraceEnCours({});
    ImageFeuille->DefinirTraceLibre(outil == Outil::Trait);
    const std::array<QAction *, 5> actions{OutilFusion, OutilTrait, OutilZonesPiece, OutilBulle, OutilClasses};
    actions[std::size_t(outil)]->setChecked(true);
    LabelAide->setText(AideOutil(outil));
    if (changeTeintes)
        TeintesEdition();
}

void TFormAtelier::ActualiserTitre()
{
    QString ouvert = Etat_.souche;
    if (ouvert.isEmpty() && !Source_.isEmpty())
        ouvert = QFileInfo(Source_).fileName();
    setWindowTitle(TitreExercice(TitreAtelier, {ouvert}));
    setWindowModified(!Historique_->isClean());
}

bool TFormAtelier::PeutAbandonnerAtelier()
{
    return PeutAbandonnerTravail(*Historique_, Etat_.souche.isEmpty() ? NomTravail : Etat_.souche,
                                 [this] { return Enregistrer(); });
}

void TFormAtelier::closeEvent(QCloseEvent *evenement)
{
    if (PeutAbandonnerAtelier())
        evenement->accept();
    else
        evenement->ignore();
}

void TFormAtelier::Reinitialiser()
{
    Historique_->clear();
    Etat_ = EtatAtelier{};
    *Analyse_ = AnalyseAtelier{};
    Analyse_->reglages = ReglagesChoisis();
    Gris_ = QImage();
    Teinte_ = QImage();
    Source_.clear();
    Descripteur_.clear();
    Explication_.clear();
    TexteRapport->clear();
    DessinEdition();
    AppliquerEtat(Etat_);
    ChoisirOutil(Outil::Fusion);
    ActualiserTitre();
}

void TFormAtelier::MenuNouveauClick()
{
    if (PeutAbandonnerAtelier())
        Reinitialiser();
}

void TFormAtelier::MenuModifierClick()
{
    if (!PeutAbandonnerAtelier())
        return;
    const QString chemin =
        dialogues().FichierAOuvrir(DossiersMecanismes().value(0), FiltreDescripteur, 1, TitreModifier);
    if (!chemin.isEmpty())
        OuvrirMecanisme(chemin);
}

void TFormAtelier::Modifier(EtatAtelier apres, const QString &texte)
{
    Historique_->push(new CommandeEtat(*this, Etat_, std::move(apres), texte));
}

void TFormAtelier::AppliquerEtat(const EtatAtelier &etat)
{
    Etat_ = etat;
    Edition_ = true;
    PiecesEdition();
    ClassesEdition();
    EnregistrementEdition();
    Edition_ = false;
    BullesEdition();
    TeintesEdition();
    ActualiserTitre();
}
