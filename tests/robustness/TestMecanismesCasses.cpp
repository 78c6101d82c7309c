#include "shell/TFormPrincipale.h"
#include "support/Enregistrement.h"
#include "support/Factices.h"
#include "support/MecanismeComplet.h"
#include "support/SansRoot.h"

#include <QAction>
#include <QDateTime>
#include <QDirIterator>
#include <QMenu>
#include <QtEndian>
#include <QtTest>
#include <map>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

// Broken installations opened through the real windows, from the main window as the student opens
// them. Each must give a French message that names the file and the fault, leave the window able to
// open a sound mechanism, and leave every file of the installation as it was.
class TestMecanismesCasses : public QObject {
    Q_OBJECT

public:
    // What the student does once the installation is broken.
    enum Action {
        OuvrirExercice,      // the main window opens the broken mechanism's exercise
        OuvrirParMenu,       // the window, opened on the sound mechanism, opens the broken file from its menu
        Enregistrer,         // the window, opened on the sound mechanism, saves to the broken path
        DemarrerLeProgramme, // the main window scans a program folder that holds the broken descriptor
        Verifier,            // "Vérifier un mécanisme…" on the broken descriptor
    };
    // How the file (or folder) named by the row is broken.
    enum Casse {
        Vider,
        Tronquer,
        Remplacer,       // its text, "avant" replaced by "apres"
        Utf16SansMarque, // its text written again in UTF-16 without a byte-order mark
        Entete,          // the width and height of its bitmap header set to "apres" ("largeur hauteur")
        EnDossier,       // a folder stands in its place
        Illisible,       // no permission to read it
        DossierFerme,    // its folder cannot be written into
        DisquePlein,     // an older file there, and no room for more than a few bytes when saving
        Aucune,
    };

private:
    struct Cas {
        const char *nom;
        Action action;
        const char *item; // the main window's exercise item, or the window's save item
        const char *fichier;
        Casse casse;
        const char *avant;
        const char *apres;
        const char *attendu; // fragments the message must hold, separated by "|"; empty: no message
    };

    static const std::vector<Cas> &catalogue();
    static QString scenario(const Cas &cas, const ArbreMecanismes &arbre, TFormPrincipale &principale);

private slots:
    void init() { dialoguesFactices().oublier(); }
    void installationCassee_data();
    void installationCassee();
};

namespace {

using Releve = std::map<QString, std::pair<qint64, qint64>>;

// Names, sizes and modification times of everything below the folder.
Releve releve(const QString &dossier)
{
    Releve r;
    QDirIterator it(dossier, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        const QFileInfo info = it.fileInfo();
        r[info.filePath().mid(dossier.size())] = {info.isDir() ? -1 : info.size(),
                                                  info.lastModified().toMSecsSinceEpoch()};
    }
    return r;
}

void ecrireCatalogueLiaisons(const ArbreMecanismes &arbre)
{
    QString inf;
    for (int i = 0; i <= 11; ++i) {
        inf += QStringLiteral("[%1]\r\n").arg(i);
        for (int j = 0; j <= 3; ++j) {
            QImage symbole = ImageAvecRectangle(21, 21, Qt::white, {2, 4, 8, 14}, QColor(255, 173, 173));
            symbole.setPixelColor(15, 10, QColor(255, 208, 135));
            arbre.ecrireBmp(QStringLiteral("ressource/liaison/%1_%2.bmp").arg(i).arg(j), symbole);
            inf += QStringLiteral("%1=%2\r\n").arg(j).arg(i);
        }
    }
    arbre.ecrireTexte(QStringLiteral("ressource/liaison/liaison.inf"), inf);
    arbre.ecrireBmp(QStringLiteral("ressource/SchemaCinematique/vide.bmp"), ImageUnie(16, 16, Qt::white));
}

QByteArray lire(const QString &chemin)
{
    QFile fichier(chemin);
    fichier.open(QIODevice::ReadOnly);
    return fichier.readAll();
}

void ecrire(const QString &chemin, const QByteArray &octets)
{
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::WriteOnly | QIODevice::Truncate) || fichier.write(octets) != octets.size())
        qFatal("cannot write %s", qPrintable(chemin));
}

const QFileDevice::Permissions LectureTraversee =
    QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;

void casser(const QString &chemin, TestMecanismesCasses::Casse casse, const QString &avant, const QString &apres)
{
    using C = TestMecanismesCasses;
    switch (casse) {
    case C::Vider: ecrire(chemin, {}); break;
    case C::Tronquer: TronquerFichier(chemin); break;
    case C::Remplacer: {
        QString texte = DecoderTexte(lire(chemin)).texte;
        if (!texte.contains(avant))
            qFatal("%s does not hold %s", qPrintable(chemin), qPrintable(avant));
        ecrire(chemin, EncoderTexte(texte.replace(avant, apres), Encodage::Utf8));
        break;
    }
    case C::Utf16SansMarque:
        ecrire(chemin, EncoderTexte(DecoderTexte(lire(chemin)).texte, Encodage::Utf16LE).mid(2));
        break;
    case C::Entete: {
        QByteArray octets = lire(chemin);
        const QStringList taille = apres.split(u' ');
        qToLittleEndian<qint32>(taille[0].toInt(), octets.data() + 18);
        qToLittleEndian<qint32>(taille[1].toInt(), octets.data() + 22);
        ecrire(chemin, octets);
        break;
    }
    case C::EnDossier:
        QFile::remove(chemin);
        QDir().mkpath(chemin + QStringLiteral("/sous-dossier"));
        break;
    case C::DisquePlein:
        QDir().mkpath(QFileInfo(chemin).absolutePath());
        ecrire(chemin, QByteArray(300, 'A'));
        break;
    case C::Illisible: QFile::setPermissions(chemin, {}); break;
    case C::DossierFerme:
        QDir().mkpath(QFileInfo(chemin).absolutePath());
        QFile::setPermissions(QFileInfo(chemin).absolutePath(), LectureTraversee);
        break;
    case C::Aucune: break;
    }
}

// Files this process writes may grow no further than the limit, as on a disk that is full.
void limiterEcriture(rlim_t octets)
{
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limite{};
    getrlimit(RLIMIT_FSIZE, &limite);
    limite.rlim_cur = std::min(octets, limite.rlim_max);
    setrlimit(RLIMIT_FSIZE, &limite);
}

QAction *action(const QWidget &fenetre, const QString &nom)
{
    QAction *a = fenetre.findChild<QAction *>(nom);
    if (!a)
        qFatal("no action %s", qPrintable(nom));
    return a;
}

// Everything the student was told: notices, error boxes and reports.
QStringList messages()
{
    QStringList textes;
    for (const auto &boite : dialoguesFactices().boites) {
        if (boite.genre == u"Message" || boite.genre == u"Erreur" || boite.genre == u"BoiteErreur" ||
            boite.genre == u"Rapport")
            textes << boite.texte;
    }
    dialoguesFactices().oublier();
    return textes;
}

// The main window's item of the mechanism, found under its difficulty menu.
QAction *itemMecanisme(const TFormPrincipale &principale, const QString &nom)
{
    for (QAction *a : principale.findChild<QMenu *>(QStringLiteral("MenuFacile"))->actions()) {
        if (a->text() == nom)
            return a;
    }
    return nullptr;
}

} // namespace

// clang-format off
const std::vector<TestMecanismesCasses::Cas> &TestMecanismesCasses::catalogue()
{
    static const std::vector<Cas> cas{
        // Presentation
        {"présentation : condition vide", OuvrirExercice, "MenuPresentation", "casse/presentation/condition.inf", Vider, "", "", "condition.inf|vide"},
        {"présentation : condition en dossier", OuvrirExercice, "MenuPresentation", "casse/presentation/condition.inf", EnDossier, "", "", "condition.inf|ne peut pas être lu"},
        {"présentation : condition illisible", OuvrirExercice, "MenuPresentation", "casse/presentation/condition.inf", Illisible, "", "", "condition.inf|ne peut pas être lu"},
        {"présentation : -1 pièces", OuvrirExercice, "MenuPresentation", "casse/presentation/condition.inf", Remplacer, "Combien=2", "Combien=-1", "condition.inf|-1"},
        {"présentation : 1001 pièces", OuvrirExercice, "MenuPresentation", "casse/presentation/condition.inf", Remplacer, "Combien=2", "Combien=1001", "condition.inf|1001"},
        {"présentation : 2^31 pièces", OuvrirExercice, "MenuPresentation", "casse/presentation/condition.inf", Remplacer, "Combien=2", "Combien=2147483648", "condition.inf|2147483648"},
        {"présentation : trame vide", OuvrirExercice, "MenuPresentation", "casse/presentation/trame.bmp", Vider, "", "", "trame.bmp|image lisible"},
        {"présentation : trame tronquée", OuvrirExercice, "MenuPresentation", "casse/presentation/trame.bmp", Tronquer, "", "", "trame.bmp|image lisible"},
        {"présentation : plan de 20000 × 20000", OuvrirExercice, "MenuPresentation", "casse/presentation/plan.bmp", Entete, "", "20000 20000", "plan.bmp|20000 × 20000"},
        {"présentation : trame de 1 × 1", OuvrirExercice, "MenuPresentation", "casse/presentation/trame.bmp", Entete, "", "1 1", "trame.bmp|1 × 1|40 × 30"},
        {"présentation : nomenclature en dossier", OuvrirExercice, "MenuPresentation", "casse/presentation/nomenclature.inf", EnDossier, "", "", "nomenclature.inf|ne peut pas être lu"},
        {"présentation : page illisible", OuvrirExercice, "MenuPresentation", "casse/presentation/explication.htm", Illisible, "", "", "explication.htm|ne peut pas être lu"},
        // Colouring, by part and by class
        {"décodage : condition vide", OuvrirExercice, "MenuDecodage_p", "casse/coloriage_p/condition.inf", Vider, "", "", "condition.inf|vide"},
        {"décodage : -1 zones", OuvrirExercice, "MenuDecodage_p", "casse/coloriage_p/condition.inf", Remplacer, "Combien=3", "Combien=-1", "condition.inf|-1"},
        {"décodage : 0 zones", OuvrirExercice, "MenuDecodage_p", "casse/coloriage_p/condition.inf", Remplacer, "Combien=3", "Combien=0", ""},
        {"décodage : 1001 zones", OuvrirExercice, "MenuDecodage_p", "casse/coloriage_p/condition.inf", Remplacer, "Combien=3", "Combien=1001", "condition.inf|1001"},
        {"décodage : 2^31 pièces", OuvrirExercice, "MenuDecodage_p", "casse/coloriage_p/condition.inf", Remplacer, "Combien=2", "Combien=2147483648", "condition.inf|2147483648"},
        {"décodage : solution en dossier", OuvrirExercice, "MenuDecodage_p", "casse/coloriage_p/solution.inf", EnDossier, "", "", "solution.inf|ne peut pas être lu"},
        {"décodage : solution illisible", OuvrirExercice, "MenuDecodage_p", "casse/coloriage_p/solution.inf", Illisible, "", "", "solution.inf|ne peut pas être lu"},
        {"décodage : trame d'une autre taille", OuvrirExercice, "MenuDecodage_p", "casse/coloriage_p/trame.bmp", Entete, "", "40 15", "trame.bmp|40 × 15|40 × 30"},
        {"classes : plan tronqué", OuvrirExercice, "MenuDecodage_ce", "casse/coloriage_ce/plan.bmp", Tronquer, "", "", "plan.bmp|image lisible"},
        {"classes : plan vide", OuvrirExercice, "MenuDecodage_ce", "casse/coloriage_ce/plan.bmp", Vider, "", "", "plan.bmp|image lisible"},
        {"classes : trame de 2^31 de large", OuvrirExercice, "MenuDecodage_ce", "casse/coloriage_ce/trame.bmp", Entete, "", "-2147483648 30", "trame.bmp|image lisible"},
        // Joint graph
        {"graphe : condition vide", OuvrirExercice, "MenuGraphe", "casse/graphe_des_liaisons/condition.inf", Vider, "", "", "condition.inf|classes"},
        {"graphe : -1 classes", OuvrirExercice, "MenuGraphe", "casse/graphe_des_liaisons/condition.inf", Remplacer, "Combien=2", "Combien=-1", "condition.inf|-1"},
        {"graphe : 1001 classes", OuvrirExercice, "MenuGraphe", "casse/graphe_des_liaisons/condition.inf", Remplacer, "Combien=2", "Combien=1001", "condition.inf|1001"},
        {"graphe : condition UTF-16 sans marque", OuvrirExercice, "MenuGraphe", "casse/graphe_des_liaisons/condition.inf", Utf16SansMarque, "", "", ""},
        {"graphe : image de classe vide", OuvrirExercice, "MenuGraphe", "casse/graphe_des_liaisons/2.bmp", Vider, "", "", "2.bmp|image lisible"},
        {"graphe : image de classe en dossier", OuvrirExercice, "MenuGraphe", "casse/graphe_des_liaisons/1.bmp", EnDossier, "", "", "1.bmp|image lisible"},
        {"graphe : image de classe de 20000 × 20000", OuvrirExercice, "MenuGraphe", "casse/graphe_des_liaisons/1.bmp", Entete, "", "20000 20000", "1.bmp|20000 × 20000"},
        {"graphe : .gdl qui nomme ../..", OuvrirParMenu, "MenuGraphe", "casse/schema_cinematique/correction.gdl", Remplacer, "Mecanisme=casse", "Mecanisme=../..", "correction.gdl|../.."},
        {"graphe : .gdl de 2^31 classes", OuvrirParMenu, "MenuGraphe", "casse/schema_cinematique/correction.gdl", Remplacer, "NbrCe=2", "NbrCe=2147483648", "correction.gdl|2147483648"},
        {"graphe : .gdl de 1001 liaisons", OuvrirParMenu, "MenuGraphe", "casse/schema_cinematique/correction.gdl", Remplacer, "NbrLiaison=1", "NbrLiaison=1001", "correction.gdl|1001"},
        {"graphe : .gdl vide", OuvrirParMenu, "MenuGraphe", "casse/schema_cinematique/correction.gdl", Vider, "", "", "correction.gdl"},
        {"graphe : .gdl UTF-16 sans marque", OuvrirParMenu, "MenuGraphe", "casse/schema_cinematique/correction.gdl", Utf16SansMarque, "", "", ""},
        // Kinematic diagram
        {"schéma : correction qui nomme ../..", OuvrirExercice, "MenuSchema", "casse/schema_cinematique/correction.gdl", Remplacer, "Mecanisme=casse", "Mecanisme=../..", "correction.gdl|../.."},
        {"schéma : correction de -1 liaisons", OuvrirExercice, "MenuSchema", "casse/schema_cinematique/correction.gdl", Remplacer, "NbrLiaison=1", "NbrLiaison=-1", "correction.gdl|-1"},
        {"schéma : correction de 0 classes", OuvrirExercice, "MenuSchema", "casse/schema_cinematique/correction.gdl", Remplacer, "NbrCe=2", "NbrCe=0", "correction.gdl|classe"},
        {"schéma : correction en dossier", OuvrirExercice, "MenuSchema", "casse/schema_cinematique/correction.gdl", EnDossier, "", "", "correction.gdl"},
        {"schéma : correction illisible", OuvrirExercice, "MenuSchema", "casse/schema_cinematique/correction.gdl", Illisible, "", "", "correction.gdl"},
        {"schéma : trame d'une autre taille", OuvrirExercice, "MenuSchema", "casse/schema_cinematique/trame.bmp", Entete, "", "40 15", "trame.bmp|40 × 15|40 × 30"},
        {"schéma : plan tronqué", OuvrirExercice, "MenuSchema", "casse/schema_cinematique/plan.bmp", Tronquer, "", "", "plan.bmp|image lisible"},
        {"schéma : condition vide", OuvrirExercice, "MenuSchema", "casse/schema_cinematique/condition.inf", Vider, "", "", ""},
        {"schéma : symbole de liaison vide", OuvrirExercice, "MenuSchema", "ressource/liaison/2_1.bmp", Vider, "", "", "2_1.bmp"},
        // Saving
        {"graphe : disque plein", Enregistrer, "MenuEnregistrerSous", "/dev/full", Aucune, "", "", "/dev/full"},
        {"graphe : dossier en lecture seule", Enregistrer, "MenuEnregistrerSous", "ferme/graphe.gdl", DossierFerme, "", "", "ferme/graphe.gdl"},
        {"graphe : un dossier à la place du fichier", Enregistrer, "MenuEnregistrerSous", "dossier.gdl", EnDossier, "", "", "dossier.gdl"},
        {"graphe : plus de place sur le disque", Enregistrer, "MenuEnregistrerSous", "travail/ancien.gdl", DisquePlein, "", "", "travail/ancien.gdl"},
        {"schéma : plus de place sur le disque", Enregistrer, "MenuEnregistrer", "travail/ancien.bmp", DisquePlein, "", "", "travail/ancien.bmp"},
        {"coloriage : plus de place sur le disque", Enregistrer, "MenuEnregistrerImage", "travail/ancien.jpg", DisquePlein, "", "", "travail/ancien.jpg"},
        {"schéma : disque plein", Enregistrer, "MenuEnregistrer", "/dev/full", Aucune, "", "", "/dev/full"},
        {"schéma : dossier en lecture seule", Enregistrer, "MenuEnregistrer", "ferme/schema.bmp", DossierFerme, "", "", "ferme/schema.bmp"},
        {"coloriage : disque plein", Enregistrer, "MenuEnregistrerImage", "/dev/full", Aucune, "", "", "/dev/full"},
        {"coloriage : dossier absent", Enregistrer, "MenuEnregistrerImage", "absent/plan.jpg", Aucune, "", "", "absent/plan.jpg"},
        // The program folder and the checker
        {"démarrage : descripteur vide", DemarrerLeProgramme, "", "casse.sch", Vider, "", "", ""},
        {"démarrage : descripteur en dossier", DemarrerLeProgramme, "", "casse.sch", EnDossier, "", "", ""},
        {"démarrage : descripteur UTF-16 sans marque", DemarrerLeProgramme, "", "casse.sch", Utf16SansMarque, "", "", ""},
        {"démarrage : difficulté 2^31", DemarrerLeProgramme, "", "casse.sch", Remplacer, "Difficulte=1", "Difficulte=2147483648", ""},
        {"vérification : trame tronquée", Verifier, "", "casse/coloriage_p/trame.bmp", Tronquer, "", "", "trame.bmp"},
        {"vérification : 1001 zones", Verifier, "", "casse/coloriage_ce/condition.inf", Remplacer, "Combien=3", "Combien=1001", "condition.inf|1001"},
        {"vérification : correction qui nomme ../..", Verifier, "", "casse/schema_cinematique/correction.gdl", Remplacer, "Mecanisme=casse", "Mecanisme=../..", "correction.gdl|../.."},
    };
    return cas;
}
// clang-format on

void TestMecanismesCasses::installationCassee_data()
{
    QTest::addColumn<int>("indice");
    for (std::size_t i = 0; i < catalogue().size(); ++i)
        QTest::newRow(catalogue()[i].nom) << int(i);
}

// Runs what the student does and returns what went wrong, or nothing.
QString TestMecanismesCasses::scenario(const Cas &cas, const ArbreMecanismes &arbre, TFormPrincipale &principale)
{
    const QString fichier = QString::fromUtf8(cas.fichier);
    const QString cible = fichier.startsWith(u'/') ? fichier : arbre.chemin(fichier);
    const QString bon = arbre.chemin(QStringLiteral("bon.sch"));
    const QString item = QString::fromUtf8(cas.item);
    const bool coloriage = item.startsWith(QStringLiteral("MenuDecodage")) || item == u"MenuEnregistrerImage";
    const QString mode = item == u"MenuDecodage_ce" ? QStringLiteral("ce") : QStringLiteral("p");

    QStringList erreurs;
    QStringList vus;
    QString titre;
    bool ouverte = false;
    principale.DefinirAffichageModal([&](QWidget &fenetre) {
        ouverte = true;
        const auto ouvrir = [&](const QString &chemin) {
            dialoguesFactices().fichiersAOuvrir = {chemin};
            dialoguesFactices().typesExercice = {mode};
            action(fenetre, QStringLiteral("MenuOuvrir"))->trigger();
        };
        if (cas.action == OuvrirParMenu) {
            messages();
            ouvrir(cible);
        } else if (cas.action == Enregistrer) {
            messages();
            dialoguesFactices().fichiersAEnregistrer = {cible};
            if (cas.casse == DisquePlein)
                limiterEcriture(64);
            action(fenetre, item)->trigger();
            limiterEcriture(RLIM_INFINITY);
        }
        vus = messages();
        if (cas.action == Enregistrer) {
            const QString sauf =
                arbre.chemin(QStringLiteral("Documents/sauf.") + QString::fromLatin1(coloriage                ? "jpg"
                                                                                     : item.endsWith(u"Sous") ? "gdl"
                                                                                                              : "bmp"));
            dialoguesFactices().fichiersAEnregistrer = {sauf};
            action(fenetre, item)->trigger();
            if (!QFileInfo(sauf).isFile())
                erreurs << QStringLiteral("rien n'est enregistré ailleurs ensuite");
        } else {
            ouvrir(bon);
        }
        titre = fenetre.windowTitle();
        // A file every mechanism shares (the joint catalogue) is as broken for the sound one.
        if (const QStringList apres = messages(); !apres.isEmpty() && (fichier.startsWith(u"casse/") || apres != vus))
            erreurs << QStringLiteral("le mécanisme sain ensuite : ") + apres.join(u'/');
    });
    const auto choisir = [&](const QString &nom) {
        QAction *mecanisme = itemMecanisme(principale, nom);
        if (mecanisme)
            mecanisme->trigger();
        return mecanisme != nullptr;
    };

    switch (cas.action) {
    case OuvrirExercice:
        if (!choisir(QStringLiteral("casse")))
            return QStringLiteral("le mécanisme cassé n'est pas au menu");
        action(principale, item)->trigger();
        break;
    case OuvrirParMenu:
        choisir(QStringLiteral("bon"));
        action(principale, item)->trigger();
        break;
    case Enregistrer: {
        // The save item tells the window: only the graph saves "sous", only the colouring saves an image.
        const QString exercice = coloriage                ? QStringLiteral("MenuDecodage_p")
                                 : item.endsWith(u"Sous") ? QStringLiteral("MenuGraphe")
                                                          : QStringLiteral("MenuSchema");
        choisir(QStringLiteral("bon"));
        action(principale, exercice)->trigger();
        break;
    }
    case DemarrerLeProgramme: vus = messages(); break;
    case Verifier:
        dialoguesFactices().fichiersAOuvrir = {arbre.chemin(QStringLiteral("casse.sch"))};
        action(principale, QStringLiteral("MenuVerifier"))->trigger();
        vus = messages();
        break;
    }

    const QStringList attendus = QString::fromUtf8(cas.attendu).split(u'|', Qt::SkipEmptyParts);
    if (attendus.isEmpty() && !vus.isEmpty())
        erreurs << QStringLiteral("message inattendu : ") + vus.join(u'/');
    if (!attendus.isEmpty()) {
        if (vus.size() != 1)
            erreurs << QStringLiteral("%1 messages au lieu d'un : %2").arg(vus.size()).arg(vus.join(u'/'));
        for (const QString &fragment : attendus) {
            if (!vus.join(u'/').contains(fragment))
                erreurs << QStringLiteral("le message ne dit pas « %1 » : %2").arg(fragment, vus.join(u'/'));
        }
    }
    if (cas.action == DemarrerLeProgramme || cas.action == Verifier) {
        // The window still lists and opens the sound mechanism.
        if (!choisir(QStringLiteral("bon")))
            erreurs << QStringLiteral("le mécanisme sain n'est pas au menu");
        else
            action(principale, QStringLiteral("MenuPresentation"))->trigger();
    }
    if (!ouverte)
        erreurs << QStringLiteral("aucune fenêtre d'exercice n'a été montrée");
    else if (cas.action != Enregistrer && !titre.contains(QStringLiteral("bon")))
        erreurs << QStringLiteral("le mécanisme sain ne s'ouvre pas ensuite : ") + titre;
    return erreurs.join(u'\n');
}

void TestMecanismesCasses::installationCassee()
{
    QFETCH(int, indice);
    const Cas &cas = catalogue()[std::size_t(indice)];
    ArbreMecanismes arbre;
    ecrireCatalogueLiaisons(arbre);
    EcrireMecanismeComplet(arbre, QStringLiteral("bon"));
    EcrireMecanismeComplet(arbre, QStringLiteral("casse"));
    QDir().mkpath(arbre.chemin(QStringLiteral("Documents")));
    const QString fichier = QString::fromUtf8(cas.fichier);
    const QString cible = fichier.startsWith(u'/') ? fichier : arbre.chemin(fichier);
    const bool sansDroits = cas.casse == Illisible || cas.casse == DossierFerme || cas.casse == DisquePlein;
    if (sansDroits)
        OuvrirAuxAutres(arbre.dossier(), true);
    casser(cible, cas.casse, QString::fromUtf8(cas.avant), QString::fromUtf8(cas.apres));
    Releve avant = releve(arbre.dossier());

    dialoguesFactices().oublier();
    TFormPrincipale principale(24);
    QString erreurs;
    if (sansDroits) {
        const int code = ExecuterSansRoot([&] {
            const QString e = scenario(cas, arbre, principale);
            if (!e.isEmpty())
                qWarning("%s", qPrintable(e));
            return e.isEmpty() ? 0 : 1;
        });
        QFile::setPermissions(cas.casse == Illisible ? cible : QFileInfo(cible).absolutePath(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        if (code != 0)
            erreurs = QStringLiteral("l'essai sans droits a échoué (%1)").arg(code);
    } else {
        erreurs = scenario(cas, arbre, principale);
    }
    // Saving onto a device goes through a file renamed over it: were it replaced, the machine gets it back.
    if (cible == u"/dev/full" && QFileInfo(cible).isFile()) {
        QFile::remove(cible);
        mknod(qPrintable(cible), S_IFCHR | 0666, makedev(1, 7));
        QFile::setPermissions(cible, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::WriteGroup |
                                         QFile::ReadOther | QFile::WriteOther);
        QFAIL(qPrintable(cible + QStringLiteral(" a été remplacé par un fichier")));
    }
    QVERIFY2(erreurs.isEmpty(), qPrintable(erreurs));

    // Only what the student chose to save may have changed.
    Releve apres = releve(arbre.dossier());
    for (Releve *r : {&apres, &avant}) {
        for (auto it = r->begin(); it != r->end();) {
            const bool choisi =
                it->first.startsWith(QStringLiteral("Documents")) ||
                (cas.action == Enregistrer && ((arbre.chemin(it->first) == cible && cas.casse != DisquePlein) ||
                                               arbre.chemin(it->first) == QFileInfo(cible).path()));
            it = choisi ? r->erase(it) : std::next(it);
        }
    }
    for (const auto &[chemin, etat] : apres) {
        const auto ancien = avant.find(chemin);
        QVERIFY2(ancien != avant.end(), qPrintable(QStringLiteral("fichier ajouté : ") + chemin));
        QVERIFY2(ancien->second == etat, qPrintable(QStringLiteral("fichier modifié : ") + chemin));
    }
    QCOMPARE(apres.size(), avant.size());
}

VELKORA_TEST(TestMecanismesCasses)

#include "TestMecanismesCasses.moc"
