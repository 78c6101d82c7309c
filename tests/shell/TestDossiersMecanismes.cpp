#include "common/DossierProgramme.h"
#include "common/DossiersMecanismes.h"
#include "joint_graph/TFormGrapheDesLiaisons.h"
#include "shell/TFormPrincipale.h"
#include "support/ArbreMecanismes.h"
#include "support/Enregistrement.h"
#include "support/Factices.h"
#include "support/MecanismeComplet.h"
#include "support/SansRoot.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QRegularExpression>
#include <QtTest>

namespace {

// Sets an environment variable for the life of the object.
class Variable {
public:
    Variable(const char *nom, const QString &valeur) : nom_(nom), ancienne_(qgetenv(nom))
    {
        qputenv(nom, QFile::encodeName(valeur));
    }
    ~Variable() { qputenv(nom_, ancienne_); }
    Variable(const Variable &) = delete;
    Variable &operator=(const Variable &) = delete;

private:
    const char *nom_;
    QByteArray ancienne_;
};

QList<QAction *> itemsFacile(const TFormPrincipale &f) { return f.findChild<QMenu *>("MenuFacile")->actions(); }

QString origine(const RacineMecanismes &racine)
{
    return QStringLiteral("Installé dans ") + QDir::toNativeSeparators(racine.dossier().chopped(1));
}

// The joint catalogue the joint-graph and diagram windows load: plain white symbols.
void EcrireCatalogue(const ArbreMecanismes &arbre)
{
    QString inf;
    for (int i = 0; i <= 11; ++i) {
        inf += QStringLiteral("[%1]\r\n").arg(i);
        for (int j = 0; j <= 3; ++j) {
            arbre.ecrireBmp(QStringLiteral("ressource/liaison/%1_%2.bmp").arg(i).arg(j), ImageUnie(21, 21, Qt::white));
            inf += QStringLiteral("%1=%2\r\n").arg(j).arg(i);
        }
    }
    arbre.ecrireTexte(QStringLiteral("ressource/liaison/liaison.inf"), inf);
}

} // namespace

// Mechanisms installed outside the program folder: the user's own and those of the room.
class TestDossiersMecanismes : public QObject {
    Q_OBJECT
private slots:
    void init() { dialoguesFactices().oublier(); }

    // The folders looked in, from the two variables; "~" stands for HOME, "P" for the program folder.
    void dossiersSelonLEnvironnement_data()
    {
        QTest::addColumn<QString>("donneesUtilisateur");
        QTest::addColumn<QString>("donneesSysteme");
        QTest::addColumn<QStringList>("attendus");
        const QString m = QStringLiteral("/velkora/mecanismes/");
        QTest::newRow("par défaut") << QString() << QString()
                                    << QStringList{"~/.local/share" + m, "/usr/local/share" + m, "/usr/share" + m, "P"};
        QTest::newRow("donnés") << "/home/prof/donnees/"
                                << "/mnt/techno/share:/srv//velkora"
                                << QStringList{"/home/prof/donnees" + m, "/mnt/techno/share" + m, "/srv/velkora" + m,
                                               "P"};
        // The desktop's rules: a relative folder is not one; empty entries are none.
        QTest::newRow("relatifs et vides") << "donnees"
                                           << ":partage::/mnt/salle:" << QStringList{"/mnt/salle" + m, "P"};
    }
    void dossiersSelonLEnvironnement()
    {
        QFETCH(QString, donneesUtilisateur);
        QFETCH(QString, donneesSysteme);
        QFETCH(QStringList, attendus);
        ArbreMecanismes arbre;
        const Variable home("HOME", QStringLiteral("/home/eleve"));
        const Variable utilisateur("XDG_DATA_HOME", donneesUtilisateur);
        const Variable systeme("XDG_DATA_DIRS", donneesSysteme);
        attendus.replaceInStrings(QRegularExpression(QStringLiteral("^~")), QStringLiteral("/home/eleve"));
        attendus.replaceInStrings(QRegularExpression(QStringLiteral("^P$")), DossierProgramme());
        QCOMPARE(DossiersMecanismes(), attendus);
    }

    // Each mechanism "dossier/radical/Nom" is written in the program folder, the user's folder or one of the
    // two of XDG_DATA_DIRS; the menu lists "Nom/dossier" in this order, each item saying where it comes from.
    void listeSelonLesDossiers_data()
    {
        QTest::addColumn<QStringList>("mecanismes");
        QTest::addColumn<QStringList>("attendus");
        QTest::newRow("utilisateur") << QStringList{"utilisateur/atelier/Atelier"}
                                     << QStringList{"Atelier/utilisateur"};
        QTest::newRow("salle") << QStringList{"salle/presse/Presse", "programme/etau/Étau"}
                               << QStringList{"Étau/programme", "Presse/salle"};
        QTest::newRow("même nom partout")
            << QStringList{"programme/etau/Livré", "reseau/etau/Réseau", "salle/etau/Salle", "utilisateur/etau/Mien"}
            << QStringList{"Mien/utilisateur"};
        QTest::newRow("même nom dans la salle et sur le réseau")
            << QStringList{"reseau/etau/Réseau", "salle/etau/Salle", "programme/etau/Livré"}
            << QStringList{"Salle/salle"};
        QTest::newRow("ordre des noms, d'où qu'ils viennent")
            << QStringList{"utilisateur/zeta/Z", "reseau/Mu/M", "programme/alpha/A", "salle/beta/B"}
            << QStringList{"A/programme", "B/salle", "M/reseau", "Z/utilisateur"};
    }
    void listeSelonLesDossiers()
    {
        QFETCH(QStringList, mecanismes);
        QFETCH(QStringList, attendus);
        ArbreMecanismes arbre;
        auto racine = [&](const QString &nom) -> const RacineMecanismes & {
            return nom == u"utilisateur" ? arbre.utilisateur()
                   : nom == u"salle"     ? arbre.systeme(1)
                   : nom == u"reseau"    ? arbre.systeme(2)
                                         : arbre;
        };
        for (const QString &mecanisme : mecanismes) {
            const QStringList champs = mecanisme.split(u'/');
            racine(champs[0]).ecrireDescripteur(champs[1], {.nom = champs[2]});
        }

        TFormPrincipale f(24);
        QStringList vus;
        for (const QAction *item : itemsFacile(f)) {
            const auto dossier = std::find_if(attendus.cbegin(), attendus.cend(),
                                              [&](const QString &a) { return item->text() == a.section(u'/', 0, 0); });
            QVERIFY2(dossier != attendus.cend(), qPrintable(item->text()));
            QCOMPARE(item->toolTip(), origine(racine(dossier->section(u'/', 1))));
            vus << *dossier;
        }
        QCOMPARE(vus, attendus);
        QCOMPARE(f.NombreMecanismes(), attendus.size());
        QVERIFY(f.findChild<QMenu *>("MenuFacile")->toolTipsVisible());
        QCOMPARE(dialoguesFactices().textes(), QStringList());
    }

    // A folder of the room that this user cannot read (a share not mounted for them) is passed over.
    void dossierIllisibleIgnore()
    {
        ArbreMecanismes arbre;
        arbre.systeme(1).ecrireDescripteur("presse", {.nom = "Presse"});
        arbre.systeme(2).ecrireDescripteur("etau", {.nom = "Étau"});
        OuvrirAuxAutres(arbre.dossier());
        const QString donnees = QFileInfo(arbre.donneesUtilisateur()).absolutePath();
        OuvrirAuxAutres(donnees);
        const QString salle = arbre.systeme(1).dossier();
        QVERIFY(QFile::setPermissions(salle, QFileDevice::Permissions()));
        const int code = ExecuterSansRoot([] {
            TFormPrincipale f(24);
            const QList<QAction *> items = itemsFacile(f);
            if (items.size() != 1 || items[0]->text() != QStringLiteral("Étau"))
                return 1;
            return dialoguesFactices().textes().isEmpty() ? 0 : 2;
        });
        QFile::setPermissions(salle, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(code, 0);
    }

    // The capacity counts the mechanisms of every folder once each.
    void capaciteSurTousLesDossiers()
    {
        ArbreMecanismes arbre;
        for (int i = 0; i < 40; ++i) {
            arbre.utilisateur().ecrireDescripteur(QStringLiteral("u%1").arg(i), {});
            arbre.ecrireDescripteur(QStringLiteral("u%1").arg(i), {}); // the same ones: not counted again
            arbre.systeme(2).ecrireDescripteur(QStringLiteral("s%1").arg(i), {});
        }
        TFormPrincipale f(24);
        QCOMPARE(f.NombreMecanismes(), 75);
        QCOMPARE(dialoguesFactices().textes(),
                 QStringList(5, QStringLiteral("Le logiciel contient trop d'exercices (75 maxi).")));
        // The user's own come first.
        QCOMPARE(f.Mecanisme(40).Chemin, arbre.utilisateur().chemin("u9.sch"));
    }

    // A teacher's mechanism in the user's folder, the program folder holding only a descriptor of the same
    // name: the joint graph opens on the user's folder, finds its correction there, and the graph handed to
    // the diagram (which names its mechanism only) opens on the user's folder too.
    void mecanismeDeLUtilisateurOuvert()
    {
        ArbreMecanismes arbre;
        EcrireCatalogue(arbre);
        EcrireMecanismeComplet(arbre.utilisateur(), "meca");
        arbre.ecrireDescripteur("meca", {.nom = "Livré"});
        TFormPrincipale f(24);
        QCOMPARE(itemsFacile(f).size(), 1);
        itemsFacile(f).first()->trigger();

        QStringList fenetres;
        QString dossierGraphe;
        bool verifiable = false;
        bool transmisDansLeDossier = false;
        const QString transmis = arbre.utilisateur().chemin("meca/graphe_des_liaisons/sauvegarde automatique.gdl");
        f.DefinirAffichageModal([&](QWidget &fenetre) {
            fenetres << QString::fromLatin1(fenetre.metaObject()->className());
            if (auto *graphe = qobject_cast<TFormGrapheDesLiaisons *>(&fenetre)) {
                dossierGraphe = graphe->Graphe().DossierExercice;
                verifiable = graphe->findChild<QAction *>("MenuVerifierGraphe")->isVisible();
                graphe->findChild<QAction *>("MenuSchema")->trigger();
            } else {
                transmisDansLeDossier = transmisDansLeDossier || QFile::exists(transmis);
            }
        });
        f.findChild<QAction *>("MenuGraphe")->trigger();
        f.findChild<QAction *>("MenuSchema")->trigger();
        QCOMPARE(fenetres, (QStringList{"TFormGrapheDesLiaisons", "TFormSchemaCinematique", "TFormSchemaCinematique"}));
        QCOMPARE(dialoguesFactices().textes(), QStringList());
        QCOMPARE(dossierGraphe, arbre.utilisateur().chemin("meca/graphe_des_liaisons/"));
        QVERIFY(verifiable);
        QVERIFY(transmisDansLeDossier);
        QVERIFY(!QFile::exists(transmis));
    }
};

VELKORA_TEST(TestDossiersMecanismes)
#include "TestDossiersMecanismes.moc"
