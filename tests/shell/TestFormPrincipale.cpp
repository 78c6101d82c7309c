#include "shell/TAboutBox.h"
#include "shell/TFormPrincipale.h"
#include "shell/TFormSplash.h"
#include "support/ArbreMecanismes.h"
#include "support/Enregistrement.h"
#include "support/Factices.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QtTest>

namespace {

QList<QAction *> items(const TFormPrincipale &f, const char *menu)
{
    return f.findChild<QMenu *>(QString::fromLatin1(menu))->actions();
}

QAction *item(const TFormPrincipale &f, const char *nom) { return f.findChild<QAction *>(QString::fromLatin1(nom)); }

bool exerciceActif(const TFormPrincipale &f, const char *nom) { return item(f, nom)->isEnabled(); }

} // namespace

class TestFormPrincipale : public QObject {
    Q_OBJECT
private slots:
    void init() { dialoguesFactices().oublier(); }

    void sansDescripteur()
    {
        ArbreMecanismes arbre;
        TFormPrincipale f(24);
        QCOMPARE(f.windowTitle(), QStringLiteral("Du plan technique au schéma cinématique"));
        QCOMPARE(f.NombreMecanismes(), 0);
        for (const char *menu : {"MenuFacile", "MenuMoyenne", "MenuDifficile", "MenuPersonnalise"})
            QVERIFY(items(f, menu).isEmpty());
        for (const char *nom : {"MenuPresentation", "MenuDecodage_p", "MenuDecodage_ce", "MenuGraphe", "MenuSchema"})
            QVERIFY(!exerciceActif(f, nom));
        QVERIFY(item(f, "MenuSpecial")->isEnabled());
        QVERIFY(dialoguesFactices().textes().isEmpty());
    }

    void difficultesEtCoche()
    {
        ArbreMecanismes arbre;
        DescripteurTest facile{.nom = "Pompe", .difficulte = 1};
        DescripteurTest difficile{.nom = "Vérin", .difficulte = 3};
        arbre.ecrireDescripteur("pompe", facile);
        arbre.ecrireDescripteur("verin", difficile);
        TFormPrincipale f(24);
        QCOMPARE(items(f, "MenuFacile").size(), 1);
        QCOMPARE(items(f, "MenuDifficile").size(), 1);
        QVERIFY(items(f, "MenuMoyenne").isEmpty());
        QAction *pompe = items(f, "MenuFacile").first();
        QAction *verin = items(f, "MenuDifficile").first();
        QCOMPARE(pompe->text(), QStringLiteral("Pompe"));

        pompe->trigger();
        QVERIFY(pompe->isChecked());
        QVERIFY(!verin->isChecked());
        QCOMPARE(f.findChild<QLabel *>("LabelMecanisme")->text(), QStringLiteral("Pompe"));
        verin->trigger();
        QVERIFY(!pompe->isChecked());
        QVERIFY(verin->isChecked());
        QCOMPARE(f.MecanismeChoisi(), QStringLiteral("verin"));
        QCOMPARE(f.findChild<QLabel *>("LabelMecanisme")->text(), QStringLiteral("Vérin"));
        verin->trigger(); // choosing it again keeps it checked
        QVERIFY(verin->isChecked());
    }

    void exercicesSelonLeDescripteur()
    {
        ArbreMecanismes arbre;
        arbre.ecrireDescripteur("a", {.exercices = {0, 1, 0, 0, 1}});
        arbre.ecrireDescripteur("b", {.exercices = {1, 0, 1, 1, 0}, .difficulte = 2});
        TFormPrincipale f(24);
        items(f, "MenuFacile").first()->trigger();
        QVERIFY(exerciceActif(f, "MenuDecodage_p"));
        QVERIFY(!exerciceActif(f, "MenuGraphe"));
        QVERIFY(!exerciceActif(f, "MenuPresentation"));
        QVERIFY(exerciceActif(f, "MenuSchema"));
        items(f, "MenuMoyenne").first()->trigger();
        QVERIFY(!exerciceActif(f, "MenuDecodage_p"));
        QVERIFY(exerciceActif(f, "MenuGraphe"));
        QVERIFY(exerciceActif(f, "MenuPresentation"));
        QVERIFY(exerciceActif(f, "MenuDecodage_ce"));
    }

    void menusNonAtteints()
    {
        ArbreMecanismes arbre;
        arbre.ecrireDescripteur("cache", {.validite = 0, .difficulte = 1});
        arbre.ecrireDescripteur("quatre", {.difficulte = 4});
        arbre.ecrireDescripteur("negatif", {.difficulte = -1});
        arbre.ecrireDescripteur("sansmenu", {.difficulte = std::nullopt});
        TFormPrincipale f(24);
        QCOMPARE(f.NombreMecanismes(), 4);
        QCOMPARE(items(f, "MenuFacile").size(), 1);
        QVERIFY(!items(f, "MenuFacile").first()->isVisible());
        QCOMPARE(items(f, "MenuPersonnalise").size(), 1);
        QCOMPARE(f.Mecanisme(1).Menu->parent(), &f);
    }

    void capacite_data()
    {
        QTest::addColumn<int>("descripteurs");
        QTest::addColumn<int>("messages");
        QTest::newRow("75") << 75 << 0;
        QTest::newRow("77") << 77 << 2;
    }
    void capacite()
    {
        QFETCH(int, descripteurs);
        QFETCH(int, messages);
        ArbreMecanismes arbre;
        for (int i = 0; i < descripteurs; ++i)
            arbre.ecrireDescripteur(QStringLiteral("m%1").arg(i), {});
        TFormPrincipale f(24);
        QCOMPARE(f.NombreMecanismes(), 75);
        QCOMPARE(items(f, "MenuFacile").size(), 75);
        QCOMPARE(dialoguesFactices().textes(),
                 QStringList(messages, QStringLiteral("Le logiciel contient trop d'exercices (75 maxi).")));
    }

    void nomDifferentDuRadical()
    {
        ArbreMecanismes arbre;
        arbre.ecrireDescripteur("bride_v2", {.nom = "Bride hydraulique"});
        TFormPrincipale f(24);
        items(f, "MenuFacile").first()->trigger();
        QCOMPARE(f.MecanismeChoisi(), QStringLiteral("bride_v2"));
        QCOMPARE(f.Mecanisme(1).Nom, QStringLiteral("Bride hydraulique"));
    }

    void profondeurDeCouleur()
    {
        ArbreMecanismes arbre;
        arbre.ecrireDescripteur("a", {});
        TFormPrincipale f(16);
        QCOMPARE(dialoguesFactices().textes(),
                 QStringList{QStringLiteral("Pour pouvoir utiliser ce logiciel,\nil faut IMPERATIVEMENT que votre "
                                            "carte graphique soit paramétrée en couleur 24 bits minimum\n\nTant que "
                                            "cela ne sera pas fait, vous ne pourrez pas utiliser ce logiciel.")});
        QCOMPARE(f.NombreMecanismes(), 1); // the catalogue is still built

        // The refusal ends the run as soon as the event loop starts, with an error status.
        QTimer garde;
        garde.setSingleShot(true);
        connect(&garde, &QTimer::timeout, [] { QCoreApplication::exit(99); });
        garde.start(5000);
        QCOMPARE(f.Executer(), TFormPrincipale::CodeEcranInsuffisant);
        QVERIFY(!f.isVisible());
    }

    void boucleOrdinaire()
    {
        ArbreMecanismes arbre;
        TFormPrincipale f(24);
        bool visible = false;
        QTimer::singleShot(0, &f, [&] {
            visible = f.isVisible();
            QCoreApplication::exit(0);
        });
        QCOMPARE(f.Executer(), 0);
        QVERIFY(visible);
    }

    // Within a difficulty the mechanisms come in name order, letter case ignored, whatever the disk says.
    void ordreDesMecanismes()
    {
        ArbreMecanismes arbre;
        for (const char *radical : {"verin", "Bride", "etau", "Arbre", "pompe"})
            arbre.ecrireDescripteur(radical, {.nom = QString::fromLatin1(radical).toUpper()});
        TFormPrincipale f(24);
        QStringList noms;
        for (const QAction *a : items(f, "MenuFacile"))
            noms << a->text();
        QCOMPARE(noms, (QStringList{"ARBRE", "BRIDE", "ETAU", "POMPE", "VERIN"}));
    }

    // Texts of the mechanism's files are shown as written, not as markup or shortcuts.
    void nomEnTexteBrut()
    {
        ArbreMecanismes arbre;
        arbre.ecrireDescripteur("a", {.nom = "<i>Bielle</i> & manivelle"});
        TFormPrincipale f(24);
        QAction *a = items(f, "MenuFacile").first();
        QCOMPARE(a->text(), QStringLiteral("<i>Bielle</i> && manivelle"));
        a->trigger();
        auto *label = f.findChild<QLabel *>("LabelMecanisme");
        QCOMPARE(label->textFormat(), Qt::PlainText);
        QCOMPARE(label->text(), QStringLiteral("<i>Bielle</i> & manivelle"));
    }

    // A mechanism copied from a desktop that ignores letter case: "ETAU.SCH", "Etau/", "Plan.BMP".
    void mecanismeEnMajuscules()
    {
        ArbreMecanismes arbre;
        const QString descripteur = arbre.ecrireDescripteur("ETAU", {.nom = "Étau", .exercices = {1, 0, 0, 0, 0}});
        QVERIFY(QFile::rename(descripteur, arbre.chemin("ETAU.SCH")));
        arbre.ecrireTexte("Etau/Presentation/Condition.INF", "[NOMBRE DE PIECES]\r\nCombien=1\r\n"
                                                             "[COULEUR]\r\nPiece1=clRed\r\n");
        arbre.ecrireTexte("Etau/Presentation/NOMENCLATURE.inf", "[PIECE1]\r\nDesignation=Mors\r\n");
        arbre.ecrireBmp("Etau/Presentation/Plan.BMP", ImageUnie(30, 20, Qt::white));
        arbre.ecrireBmp("Etau/Presentation/TRAME.bmp", ImageUnie(30, 20, Qt::red));
        arbre.ecrireTexte("Etau/Presentation/Explication.HTM", "<p>Étau</p>");
        TFormPrincipale f(24);
        QCOMPARE(items(f, "MenuFacile").size(), 1);
        items(f, "MenuFacile").first()->trigger();
        int fenetres = 0;
        f.DefinirAffichageModal([&](QWidget &) { ++fenetres; });
        item(f, "MenuPresentation")->trigger();
        QCOMPARE(fenetres, 1);
        QCOMPARE(dialoguesFactices().textes(), QStringList());
    }

    void aideEtAPropos()
    {
        ArbreMecanismes arbre;
        TFormPrincipale f(24);
        item(f, "MenuLienInternet")->trigger();
        QCOMPARE(bureauFactice().adresses.size(), 1);
        QVERIFY(bureauFactice().adresses.last().startsWith("https://"));

        auto *aPropos = f.findChild<TAboutBox *>();
        QVERIFY(aPropos);
        for (int fois = 0; fois < 2; ++fois) {
            QTimer::singleShot(0, aPropos, [aPropos] {
                QVERIFY(aPropos->isVisible());
                QCOMPARE(aPropos->findChild<QLabel *>("Version")->text(), QStringLiteral("3.5.1"));
                QCOMPARE(aPropos->findChild<QLabel *>("Titre")->text(), QStringLiteral("Velkora"));
                QTest::mouseClick(aPropos->findChild<QPushButton *>("OKButton"), Qt::LeftButton);
            });
            item(f, "MenuAPropos")->trigger();
            QVERIFY(!aPropos->isVisible());
        }
    }

    // Each item opens its own window on the chosen stem; a joint graph of the free mode is handed to a
    // diagram window, shown the same way.
    void chaqueExerciceOuvreSaFenetre()
    {
        ArbreMecanismes arbre;
        arbre.ecrireDescripteur("a", {});
        for (const char *classe : {"1", "2"})
            arbre.ecrireBmp(QStringLiteral("sansmecanisme/graphe_des_liaisons/%1.bmp").arg(classe),
                            ImageUnie(40, 30, Qt::lightGray));
        arbre.ecrireTexte("sansmecanisme/schema_cinematique/condition.inf", "[TRAME]\r\nType=2\r\n");
        TFormPrincipale f(24);
        QStringList fenetres;
        f.DefinirAffichageModal([&](QWidget &fenetre) {
            fenetres << QString::fromLatin1(fenetre.metaObject()->className());
            if (fenetres.last() == u"TFormGrapheDesLiaisons")
                fenetre.findChild<QAction *>("MenuSchema")->trigger();
        });
        items(f, "MenuFacile").first()->trigger();
        for (const char *nom : {"MenuPresentation", "MenuDecodage_p", "MenuDecodage_ce", "MenuGraphe", "MenuSchema"})
            item(f, nom)->trigger();
        dialoguesFactices().reponsesSaisie = {QStringLiteral("2")};
        item(f, "MenuSpecial")->trigger();
        QCOMPARE(fenetres,
                 (QStringList{"TFormPresentation", "TFormColoriage", "TFormColoriage", "TFormGrapheDesLiaisons",
                              "TFormSchemaCinematique", "TFormGrapheDesLiaisons", "TFormSchemaCinematique"}));
        QVERIFY(f.findChildren<QMainWindow *>().isEmpty());
    }

    // A hand-off the diagram refuses shows its reason over the graph window and opens no other.
    void transmissionRefusee()
    {
        ArbreMecanismes arbre;
        for (const char *classe : {"1", "2"})
            arbre.ecrireBmp(QStringLiteral("sansmecanisme/graphe_des_liaisons/%1.bmp").arg(classe),
                            ImageUnie(40, 30, Qt::lightGray));
        TFormPrincipale f(24);
        QStringList fenetres;
        f.DefinirAffichageModal([&](QWidget &fenetre) {
            fenetres << QString::fromLatin1(fenetre.metaObject()->className());
            if (fenetres.last() == u"TFormGrapheDesLiaisons")
                fenetre.findChild<QAction *>("MenuSchema")->trigger();
        });
        dialoguesFactices().reponsesSaisie = {QStringLiteral("2")};
        item(f, "MenuSpecial")->trigger();
        QCOMPARE(fenetres, QStringList{"TFormGrapheDesLiaisons"});
        QCOMPARE(dialoguesFactices().textes().last(), QStringLiteral("Le mécanisme de l'exercice n'est pas installé."));
    }

    void grapheDesLiaisons()
    {
        ArbreMecanismes arbre;
        arbre.ecrireDescripteur("treuil", {.nom = "Treuil", .exercices = {0, 0, 0, 1, 0}});
        TFormPrincipale f(24);
        QStringList fenetres;
        f.DefinirAffichageModal([&](QWidget &fenetre) { fenetres << fenetre.windowTitle(); });
        // The free mode asks for the number of classes before the window shows.
        item(f, "MenuSpecial")->trigger();
        QCOMPARE(fenetres, QStringList{QStringLiteral("Graphe Des Liaisons[*]")});
        QCOMPARE(dialoguesFactices().boites.back().titre, QStringLiteral("Boîte de saisie"));
        items(f, "MenuFacile").first()->trigger();
        dialoguesFactices().oublier();
        item(f, "MenuGraphe")->trigger();
        QCOMPARE(fenetres.size(), 2);
        QCOMPARE(dialoguesFactices().textes().last(),
                 QStringLiteral("Le fichier \"condition.inf\" est manquant.\n\n"
                                "Impossible d'ouvrir le graphe des liaisons de ce mécanisme."));
        QVERIFY(f.findChildren<QMainWindow *>().isEmpty());
    }

    void presentationSurLeRadicalChoisi()
    {
        ArbreMecanismes arbre;
        arbre.ecrireDescripteur("bride_v2", {.nom = "Bride hydraulique", .exercices = {1, 0, 0, 0, 0}});
        TFormPrincipale f(24);
        QStringList fenetres;
        f.DefinirAffichageModal([&](QWidget &fenetre) { fenetres << fenetre.windowTitle(); });
        items(f, "MenuFacile").first()->trigger();
        item(f, "MenuPresentation")->trigger();
        QCOMPARE(fenetres, QStringList{QStringLiteral("Présentation")});
        // The window looked in the stem's folder, not in one named after the display name.
        QCOMPARE(dialoguesFactices().textes(),
                 QStringList{QStringLiteral("Le fichier \"condition.inf\" est manquant.\n\n"
                                            "Impossible d'ouvrir la présentation de ce mécanisme.")});
        QVERIFY(f.findChildren<QMainWindow *>().isEmpty()); // destroyed once closed
    }

    void ouvertureEnCinqSecondes()
    {
        TFormSplash splash;
        QCOMPARE(splash.size(), QSize(772, 215));
        QTimer::singleShot(0, &splash, [&splash] {
            for (int tic = 0; tic < 4; ++tic) {
                splash.TimerTimer();
                QVERIFY(splash.isVisible());
            }
            splash.TimerTimer();
        });
        QCOMPARE(splash.exec(), int(QDialog::Accepted));
        QCOMPARE(splash.Compte(), 0);
    }
};

VELKORA_TEST(TestFormPrincipale)
#include "TestFormPrincipale.moc"
