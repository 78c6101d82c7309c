#include "MecanismeColoriage.h"
#include "shell/TFormPrincipale.h"
#include "support/Enregistrement.h"
#include "support/Factices.h"

#include "common/TitreFenetre.h"

#include <QtTest>

// The main window opens the colouring window in both modes, with the loupe of the run.
class TestMenuColoriage : public QObject {
    Q_OBJECT

private slots:
    void init() { dialoguesFactices().oublier(); }

    void deuxModes_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("titre");
        QTest::newRow("décodage") << "MenuDecodage_p"
                                  << "Décodage de plan";
        QTest::newRow("classes") << "MenuDecodage_ce"
                                 << "Classe d'équivalence";
    }
    void deuxModes()
    {
        QFETCH(QString, item);
        QFETCH(QString, titre);
        ArbreMecanismes arbre;
        EcrireColoriage(arbre, "etau", "p", ColoriageSixZones());
        EcrireColoriage(arbre, "etau", "ce", ColoriageSixZones());
        TFormZoom loupe;
        TFormPrincipale principale(24);
        principale.DefinirLoupe(&loupe);
        QString titreVu;
        bool loupeVue = false;
        principale.DefinirAffichageModal([&](QWidget &fenetre) {
            fenetre.show();
            titreVu = fenetre.windowTitle();
            loupeVue = loupe.isVisible();
            fenetre.close();
        });
        for (QAction *mecanisme : principale.findChildren<QAction *>()) {
            if (mecanisme->text() == "etau")
                mecanisme->trigger();
        }
        QAction *exercice = principale.findChild<QAction *>(item);
        QVERIFY(exercice->isEnabled());
        exercice->trigger();
        QCOMPARE(dialoguesFactices().textes(), QStringList());
        QCOMPARE(titreVu, TitreExercice(titre, {"etau"}));
        QVERIFY(loupeVue);
        QVERIFY(!loupe.isVisible());
    }
};

VELKORA_TEST(TestMenuColoriage)
#include "TestMenuColoriage.moc"
