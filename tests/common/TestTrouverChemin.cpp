#include "common/Descripteur.h"
#include "common/TrouverChemin.h"
#include "support/ArbreMecanismes.h"
#include "support/Enregistrement.h"

#include <QDir>
#include <QtTest>

// Mechanisms written on a desktop whose file names ignore letter case keep working once copied here.
class TestTrouverChemin : public QObject {
    Q_OBJECT
private slots:
    void casseDesNoms_data()
    {
        QTest::addColumn<QStringList>("surLeDisque");
        QTest::addColumn<QString>("demande");
        QTest::addColumn<QString>("trouve");
        QTest::newRow("nom exact") << QStringList{"etau/presentation/plan.bmp"} << "etau/presentation/plan.bmp"
                                   << "etau/presentation/plan.bmp";
        QTest::newRow("fichier en majuscules")
            << QStringList{"etau/presentation/Plan.BMP"} << "etau/presentation/plan.bmp"
            << "etau/presentation/Plan.BMP";
        QTest::newRow("dossiers et fichier")
            << QStringList{"Etau/PRESENTATION/Condition.INF"} << "etau/presentation/condition.inf"
            << "Etau/PRESENTATION/Condition.INF";
        QTest::newRow("le nom exact d'abord") << QStringList{"meca/PLAN.BMP", "meca/plan.bmp"} << "meca/plan.bmp"
                                              << "meca/plan.bmp";
        QTest::newRow("plusieurs : le premier par ordre de nom")
            << QStringList{"meca/pLAN.bmp", "meca/Plan.bmp", "meca/PLAN.bmp"} << "meca/plan.bmp"
            << "meca/PLAN.bmp";
        QTest::newRow("introuvable : tel qu'écrit") << QStringList{"Meca/autre.bmp"} << "meca/plan.bmp"
                                                    << "meca/plan.bmp";
        QTest::newRow("séparateur final gardé")
            << QStringList{"Meca/Schema_Cinematique/x"} << "meca/schema_cinematique/"
            << "Meca/Schema_Cinematique/";
    }
    void casseDesNoms()
    {
        QFETCH(QStringList, surLeDisque);
        QFETCH(QString, demande);
        QFETCH(QString, trouve);
        ArbreMecanismes arbre;
        for (const QString &fichier : surLeDisque)
            arbre.ecrireOctets(fichier, "x");
        QCOMPARE(TrouverChemin(arbre.chemin(demande)), arbre.chemin(trouve));
        QCOMPARE(FichierDuDossier(arbre.dossier(), demande), arbre.chemin(trouve));
    }

    void relatifAuDossierCourant()
    {
        ArbreMecanismes arbre;
        arbre.ecrireOctets("Meca/Plan.bmp", "x");
        const QString courant = QDir::currentPath();
        QDir::setCurrent(arbre.dossier());
        const QString trouve = TrouverChemin("meca/plan.bmp");
        QDir::setCurrent(courant);
        QCOMPARE(trouve, QStringLiteral("Meca/Plan.bmp"));
    }

    // The main window rebuilds the descriptor's path from its stem with ".sch".
    void descripteurEtDossiersDuMecanisme()
    {
        ArbreMecanismes arbre;
        const QString descripteur = arbre.ecrireDescripteur("ETAU", {});
        QFile::rename(descripteur, arbre.chemin("ETAU.SCH"));
        arbre.ecrireOctets("Etau/Presentation/plan.bmp", "x");
        QCOMPARE(CheminDescripteur("ETAU"), arbre.chemin("ETAU.SCH"));
        QCOMPARE(DossierExerciceDescripteur(arbre.chemin("ETAU.SCH"), "presentation"),
                 arbre.chemin("Etau/Presentation/"));
        QCOMPARE(DossierExerciceRadical("etau", "presentation"), arbre.chemin("Etau/Presentation/"));
        QVERIFY(LireAccesExercice(arbre.chemin("ETAU.sch"), 1));
    }
};

VELKORA_TEST(TestTrouverChemin)
#include "TestTrouverChemin.moc"
