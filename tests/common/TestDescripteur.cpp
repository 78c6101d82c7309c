#include "common/Descripteur.h"
#include "common/DossierProgramme.h"
#include "common/OuvertureExercice.h"
#include "support/ArbreMecanismes.h"
#include "support/Enregistrement.h"

#include <QtTest>

class TestDescripteur : public QObject {
    Q_OBJECT
private slots:
    void drapeauxDExercice_data()
    {
        QTest::addColumn<QString>("valeur");
        QTest::addColumn<bool>("acces");
        QTest::newRow("1") << "1" << true;
        QTest::newRow("0") << "0" << false;
        QTest::newRow("oui") << "oui" << false;
        QTest::newRow("True") << "True" << false;
        QTest::newRow("2") << "2" << true;
        QTest::newRow("0x1") << "0x1" << true;
        QTest::newRow("vide") << "" << false;
    }
    void drapeauxDExercice()
    {
        QFETCH(QString, valeur);
        QFETCH(bool, acces);
        ArbreMecanismes arbre;
        const QString chemin = arbre.ecrireTexte("m.sch", "[exercice]\nexo3=" + valeur + "\n");
        QCOMPARE(LireDescripteur(chemin).exercices[2], acces);
        QCOMPARE(LireAccesExercice(chemin, 3), acces);
        QCOMPARE(VerifierAcces(chemin, 3).has_value(), !acces);
    }

    void descripteurSansMenuNiValidite()
    {
        ArbreMecanismes arbre;
        const Descripteur d = LireDescripteur(
            arbre.ecrireTexte("m.sch", "[EXERCICE]\nNom=Pompe\nExo1=1\nExo2=1\nExo3=1\nExo4=1\nExo5=1\n"));
        QCOMPARE(d.nom, QStringLiteral("Pompe"));
        QCOMPARE(d.exercices, (std::array<bool, 5>{true, true, true, true, true}));
        QVERIFY(!d.validite);
        QCOMPARE(d.difficulte, 0);

        const Descripteur illisible = LireDescripteur(arbre.ecrireOctets("x.sch", QByteArray("\x00\x01\x02", 3)));
        QVERIFY(illisible.nom.isEmpty());
        QVERIFY(!illisible.validite);
        QCOMPARE(illisible.exercices, (std::array<bool, 5>{}));
    }

    void chemins()
    {
        ArbreMecanismes arbre;
        QCOMPARE(RadicalDescripteur(arbre.chemin("Etau.SCH")), QStringLiteral("Etau"));
        QCOMPARE(CheminDescripteur("etau"), arbre.dossier() + "etau.sch");
        QCOMPARE(DossierExerciceDescripteur("/ailleurs/etau.sch", "presentation"),
                 QStringLiteral("/ailleurs/etau/presentation/"));
        QCOMPARE(DossierExerciceRadical("etau", "schema_cinematique"), arbre.dossier() + "etau/schema_cinematique/");
        QCOMPARE(ExtensionMinuscule("/a.b/fichier"), QString());
        QCOMPARE(ExtensionMinuscule("/a/f.tar.SCH"), QStringLiteral(".sch"));
    }

    void verificationsDOuverture()
    {
        ArbreMecanismes arbre;
        QCOMPARE(*VerifierFichier(arbre.chemin("absent.sch"), ".sch"),
                 QStringLiteral("Impossible d'ouvrir le fichier \"absent.sch\"."));
        QCOMPARE(*VerifierFichier(arbre.ecrireTexte("m.txt", "x"), ".sch"),
                 QStringLiteral("Vous avez ouvert un fichier qui n'a pas l'extension attendue."));
        QVERIFY(!VerifierFichier(arbre.ecrireTexte("M.SCH", "x"), ".sch"));
        arbre.ecrireTexte("dossier.sch/x", "x");
        QVERIFY(VerifierFichier(arbre.chemin("dossier.sch"), ".sch").has_value());

        arbre.ecrireTexte("m/presentation/condition.inf", "");
        arbre.ecrireTexte("m/presentation/plan.bmp", "");
        QCOMPARE(*VerifierFichiersPresents(arbre.chemin("m/presentation/"), {"condition.inf", "trame.bmp", "plan.bmp"},
                                           "Phrase."),
                 QStringLiteral("Le fichier \"trame.bmp\" est manquant.\n\nPhrase."));
        QVERIFY(!VerifierFichiersPresents(arbre.chemin("m/presentation/"), {"condition.inf", "plan.bmp"}, "P"));
    }
};

VELKORA_TEST(TestDescripteur)
#include "TestDescripteur.moc"
