#include "shell/TFormPrincipale.h"

#include "colouring/TFormColoriage.h"
#include "common/Bureau.h"
#include "common/Descripteur.h"
#include "common/Dialogues.h"
#include "common/DossiersMecanismes.h"
#include "common/Jpeg.h"
#include "common/MenusClavier.h"
#include "common/TexteLibelle.h"
#include "diagram/TFormSchemaCinematique.h"
#include "joint_graph/TFormGrapheDesLiaisons.h"
#include "presentation/TFormPresentation.h"
#include "shell/TAboutBox.h"
#include "shell/TScruteDossier.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>

namespace {

const QString TitrePrincipal = QStringLiteral("Du plan technique au schéma cinématique");
const QString MessageCouleurs24Bits =
    QStringLiteral("Pour pouvoir utiliser ce logiciel,\nil faut IMPERATIVEMENT que votre carte graphique soit "
                   "paramétrée en couleur 24 bits minimum\n\nTant que cela ne sera pas fait, vous ne pourrez pas "
                   "utiliser ce logiciel.");
const QString AdresseSiteInternet = QStringLiteral("https://www.velkora.fr/");

constexpr int LargeurBanniere = 772;
constexpr int HauteurBanniere = 215;
constexpr int LargeurLabelMecanisme = 340;

const QString TexteOrigine = QStringLiteral("Installé dans %1");

QString MessageTropDExercices()
{
    return QStringLiteral("Le logiciel contient trop d'exercices (%1 maxi).").arg(MaxMecanismes);
}

// A high-density screen takes the banner drawn at twice as many pixels, which it shows at the same size.
QPixmap Banniere(qreal ratioEcran)
{
    QFile fichier(ratioEcran > 1 ? QStringLiteral(":/banniere@2x.jpg") : QStringLiteral(":/banniere.jpg"));
    if (fichier.open(QIODevice::ReadOnly)) {
        const ImageDecodee banniere = DecoderJpeg(fichier.readAll());
        if (!banniere.image.isNull()) {
            QPixmap image = QPixmap::fromImage(banniere.image);
            image.setDevicePixelRatio(qreal(image.width()) / LargeurBanniere);
            return image;
        }
    }
    QPixmap vide(LargeurBanniere, HauteurBanniere);
    vide.fill(QColor(0x1d, 0x3b, 0x5c));
    return vide;
}

} // namespace

TFormPrincipale::TFormPrincipale(int profondeurEcran, QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("FormPrincipale"));
    setWindowTitle(TitrePrincipal);

    auto *fond = new QWidget(this);
    fond->setFixedSize(LargeurBanniere, HauteurBanniere);
    Image = new QLabel(fond);
    Image->setAccessibleName(QStringLiteral("Bannière de Velkora : du plan technique au schéma cinématique"));
    Image->setObjectName(QStringLiteral("Image"));
    Image->setGeometry(0, 0, LargeurBanniere, HauteurBanniere);
    Image->setPixmap(Banniere(Image->devicePixelRatioF()));

    LabelMecanisme = new QLabel(fond);
    LabelMecanisme->setObjectName(QStringLiteral("LabelMecanisme"));
    LabelMecanisme->setGeometry(LargeurBanniere - LargeurLabelMecanisme, 0, LargeurLabelMecanisme, HauteurBanniere);
    LabelMecanisme->setTextFormat(Qt::PlainText);
    LabelMecanisme->setAlignment(Qt::AlignCenter);
    LabelMecanisme->setWordWrap(true);
    LabelMecanisme->setAttribute(Qt::WA_TranslucentBackground);
    LabelMecanisme->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    QFont police = LabelMecanisme->font();
    police.setBold(true);
    police.setPixelSize(32);
    LabelMecanisme->setFont(police);
    setCentralWidget(fond);

    ScruteDossier = new TScruteDossier(this);
    ScruteDossier->setObjectName(QStringLiteral("ScruteDossier"));
    ScruteDossier->Filtre = QStringLiteral("*.sch");
    ScruteDossier->SousDossier = false;
    ScruteDossier->MaxPenetration = 10000;
    ScruteDossier->OnFichier = [this](TScruteDossier *, const QString &Nom) { ScruteDossierFichier(Nom); };

    AboutBox = new TAboutBox(this);
    CreerMenus();
    OuvrirMenusParF10(*this);
    FormCreate(profondeurEcran);

    layout()->setSizeConstraint(QLayout::SetFixedSize);
    if (const QScreen *ecran = QGuiApplication::primaryScreen()) {
        const QRect disponible = ecran->availableGeometry();
        move(disponible.center() - QPoint(sizeHint().width() / 2, sizeHint().height() / 2));
    }
}

TFormPrincipale::~TFormPrincipale() = default;

int TFormPrincipale::ProfondeurEcran()
{
    const QScreen *ecran = QGuiApplication::primaryScreen();
    return ecran ? ecran->depth() : 0;
}

int TFormPrincipale::Executer()
{
    if (FinDemandee_)
        QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(CodeEcranInsuffisant); });
    else
        show();
    return QCoreApplication::exec();
}

void TFormPrincipale::DefinirAffichageModal(AffichageModal affichage) { affichageModal_ = std::move(affichage); }

const TMecanisme &TFormPrincipale::Mecanisme(int numero) const
{
    Q_ASSERT(numero >= 1 && numero <= NombreMecanismes_);
    return Mecanismes_[static_cast<std::size_t>(qBound(1, numero, MaxMecanismes) - 1)];
}

void TFormPrincipale::CreerMenus()
{
    QMenuBar *barre = menuBar();
    auto action = [this](QMenu *menu, const QString &nom, const QString &texte, auto &&commande) {
        QAction *item = menu->addAction(texte);
        item->setObjectName(nom);
        connect(item, &QAction::triggered, this, commande);
        return item;
    };

    QMenu *MenuFichier = barre->addMenu(QStringLiteral("&Fichier"));
    MenuFichier->setObjectName(QStringLiteral("MenuFichier"));
    action(MenuFichier, QStringLiteral("MenuNouveauMecanisme"), QStringLiteral("&Nouveau mécanisme…"),
           &TFormPrincipale::MenuNouveauMecanismeClick);
    action(MenuFichier, QStringLiteral("MenuModifierMecanisme"), QStringLiteral("&Modifier un mécanisme…"),
           &TFormPrincipale::MenuModifierMecanismeClick);
    action(MenuFichier, QStringLiteral("MenuVerifier"), QStringLiteral("&Vérifier un mécanisme…"),
           &TFormPrincipale::MenuVerifierClick);
    MenuFichier->addSeparator();
    action(MenuFichier, QStringLiteral("MenuQuitter"), QStringLiteral("&Quitter"), &TFormPrincipale::MenuQuitterClick)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu *MenuMecanismes = barre->addMenu(QStringLiteral("&Mécanismes"));
    MenuMecanismes->setObjectName(QStringLiteral("MenuMecanismes"));
    auto sousMenu = [MenuMecanismes](const QString &nom, const QString &texte) {
        QMenu *menu = MenuMecanismes->addMenu(texte);
        menu->setObjectName(nom);
        menu->setToolTipsVisible(true); // each mechanism's says which folder it comes from
        return menu;
    };
    MenuFacile = sousMenu(QStringLiteral("MenuFacile"), QStringLiteral("&Facile"));
    MenuMoyenne = sousMenu(QStringLiteral("MenuMoyenne"), QStringLiteral("&Moyenne"));
    MenuDifficile = sousMenu(QStringLiteral("MenuDifficile"), QStringLiteral("&Difficile"));
    MenuPersonnalise = sousMenu(QStringLiteral("MenuPersonnalise"), QStringLiteral("&Personnalisé"));

    QMenu *MenuExercice = barre->addMenu(QStringLiteral("&Exercices"));
    MenuExercice->setObjectName(QStringLiteral("MenuExercice"));
    MenuPresentation = action(MenuExercice, QStringLiteral("MenuPresentation"), QStringLiteral("&Présentation"),
                              &TFormPrincipale::MenuPresentationClick);
    MenuDecodage_p = action(MenuExercice, QStringLiteral("MenuDecodage_p"), QStringLiteral("&Décodage de plan"),
                            &TFormPrincipale::MenuDecodage_pClick);
    MenuDecodage_ce = action(MenuExercice, QStringLiteral("MenuDecodage_ce"), QStringLiteral("&Classe d'équivalence"),
                             &TFormPrincipale::MenuDecodage_ceClick);
    MenuGraphe = action(MenuExercice, QStringLiteral("MenuGraphe"), QStringLiteral("&Graphe des liaisons"),
                        &TFormPrincipale::MenuGrapheClick);
    MenuSchema = action(MenuExercice, QStringLiteral("MenuSchema"), QStringLiteral("&Schéma cinématique"),
                        &TFormPrincipale::MenuSchemaClick);
    for (QAction *item : {MenuPresentation, MenuDecodage_p, MenuDecodage_ce, MenuGraphe, MenuSchema})
        item->setEnabled(false);

    QAction *MenuSpecial = barre->addAction(QStringLiteral("&Schéma cinématique sans mécanisme"));
    MenuSpecial->setObjectName(QStringLiteral("MenuSpecial"));
    connect(MenuSpecial, &QAction::triggered, this, &TFormPrincipale::MenuSpecialClick);

    QMenu *MenuAide = barre->addMenu(QStringLiteral("&Aide"));
    MenuAide->setObjectName(QStringLiteral("MenuAide"));
    action(MenuAide, QStringLiteral("MenuLienInternet"), QStringLiteral("&Lien avec le site internet"),
           &TFormPrincipale::MenuLienInternetClick);
    action(MenuAide, QStringLiteral("MenuAPropos"), QStringLiteral("A &propos"), &TFormPrincipale::MenuAProposClick);
}

void TFormPrincipale::FormCreate(int profondeurEcran)
{
    if (profondeurEcran < 24) {
        dialogues().Message(MessageCouleurs24Bits);
        // Takes effect once the event loop runs (Executer); the catalogue is still built meanwhile. A
        // quit asked now would be lost in the event processing of the scan, before the loop runs.
        FinDemandee_ = true;
    }
    ScannerMecanismes();
}

void TFormPrincipale::ScannerMecanismes()
{
    NombreMecanismes_ = 0;
    RadicauxTrouves_.clear();
    for (const QString &dossier : DossiersMecanismes()) {
        ScruteDossier->Dossier = dossier;
        ScruteDossier->Execute();
    }
}

void TFormPrincipale::ScruteDossierFichier(const QString &Nom)
{
    // A mechanism found again in a folder looked at later is the same one: the first copy is listed (the
    // user's own before the room's, the room's before the program's), and is the one its name opens.
    const QString radical = RadicalDescripteur(Nom);
    if (RadicauxTrouves_.contains(radical))
        return;
    RadicauxTrouves_.insert(radical);
    if (NombreMecanismes_ == MaxMecanismes) {
        dialogues().Message(MessageTropDExercices());
        return;
    }
    const int k = ++NombreMecanismes_;
    const Descripteur descripteur = LireDescripteur(Nom);
    TMecanisme &entree = Mecanismes_[static_cast<std::size_t>(k - 1)];
    entree.Fichier = radical;
    entree.Chemin = Nom;
    entree.Nom = descripteur.nom;
    entree.Exo = descripteur.exercices;

    entree.Menu = new QAction(TexteLibelle(entree.Nom), this);
    entree.Menu->setData(k);
    entree.Menu->setCheckable(true);
    entree.Menu->setToolTip(TexteOrigine.arg(QDir::toNativeSeparators(QFileInfo(Nom).absolutePath())));
    connect(entree.Menu, &QAction::triggered, this, [this, item = entree.Menu] { MenuMecanismeOnClick(item); });

    QMenu *sousMenu = nullptr;
    switch (descripteur.difficulte) {
    case 0: sousMenu = MenuPersonnalise; break;
    case 1: sousMenu = MenuFacile; break;
    case 2: sousMenu = MenuMoyenne; break;
    case 3: sousMenu = MenuDifficile; break;
    default: break;
    }
    if (sousMenu)
        AjouterAuMenu(sousMenu, entree.Menu);
    entree.Menu->setVisible(descripteur.validite);
}

// Within a difficulty the mechanisms come in the order of their stems, letter case ignored, whichever
// folder each comes from; stems equal but for case in a fixed order.
void TFormPrincipale::AjouterAuMenu(QMenu *sousMenu, QAction *item)
{
    auto radical = [this](const QAction *a) { return Mecanismes_[std::size_t(a->data().toInt() - 1)].Fichier; };
    const QString nouveau = radical(item);
    QAction *suivant = nullptr;
    for (QAction *existant : sousMenu->actions()) {
        const QString nom = radical(existant);
        const int sansCasse = nouveau.compare(nom, Qt::CaseInsensitive);
        if (sansCasse < 0 || (sansCasse == 0 && nouveau < nom)) {
            suivant = existant;
            break;
        }
    }
    sousMenu->insertAction(suivant, item);
}

void TFormPrincipale::MenuMecanismeOnClick(QAction *item)
{
    for (int k = 1; k <= NombreMecanismes_; ++k)
        Mecanismes_[static_cast<std::size_t>(k - 1)].Menu->setChecked(false);
    item->setChecked(true);

    const int k = item->data().toInt();
    if (k < 1 || k > NombreMecanismes_)
        return;
    const TMecanisme &entree = Mecanismes_[static_cast<std::size_t>(k - 1)];
    MecanismeChoisi_ = entree.Fichier;
    CheminChoisi_ = entree.Chemin;
    LabelMecanisme->setText(entree.Nom);
    const std::array<QAction *, 5> items{MenuPresentation, MenuDecodage_p, MenuDecodage_ce, MenuGraphe, MenuSchema};
    for (std::size_t n = 0; n < items.size(); ++n)
        items[n]->setEnabled(entree.Exo[n]);
}

QString TFormPrincipale::CheminDescripteurChoisi() const { return CheminChoisi_; }

void TFormPrincipale::MenuQuitterClick() { QCoreApplication::quit(); }

void TFormPrincipale::MenuLienInternetClick() { bureau().OuvrirAdresse(AdresseSiteInternet); }

void TFormPrincipale::MenuAProposClick() { AboutBox->exec(); }

void TFormPrincipale::MenuPresentationClick()
{
    // Shown whatever the opening reported: a failed opening leaves an empty window the student closes.
    TFormPresentation fenetre(this);
    fenetre.Ouvrir(CheminDescripteurChoisi());
    affichageModal_(fenetre);
}

void TFormPrincipale::MenuDecodage_pClick()
{
    TFormColoriage fenetre(this, Loupe);
    fenetre.Ouvrir(CheminDescripteurChoisi(), ModeDecodage);
    affichageModal_(fenetre);
}

void TFormPrincipale::MenuDecodage_ceClick()
{
    TFormColoriage fenetre(this, Loupe);
    fenetre.Ouvrir(CheminDescripteurChoisi(), ModeClasses);
    affichageModal_(fenetre);
}

void TFormPrincipale::MenuSchemaClick()
{
    TFormSchemaCinematique fenetre(this);
    fenetre.OuvrirSCH(CheminDescripteurChoisi());
    affichageModal_(fenetre);
}

void TFormPrincipale::OuvrirSchema(QWidget &proprietaire, const QString &cheminGdl)
{
    // The graph window stays the student's: a graph the diagram refuses opens no empty window over it.
    TFormSchemaCinematique fenetre(&proprietaire);
    if (fenetre.OuvrirGDL(cheminGdl))
        affichageModal_(fenetre);
}

void TFormPrincipale::MenuGrapheClick()
{
    TFormGrapheDesLiaisons fenetre(this, [this](QWidget &p, const QString &c) { OuvrirSchema(p, c); });
    fenetre.OuvrirSCH(CheminDescripteurChoisi());
    affichageModal_(fenetre);
}

void TFormPrincipale::MenuSpecialClick()
{
    TFormGrapheDesLiaisons fenetre(this, [this](QWidget &p, const QString &c) { OuvrirSchema(p, c); });
    fenetre.MenuNouveauClick();
    affichageModal_(fenetre);
}
