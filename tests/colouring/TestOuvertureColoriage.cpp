#include "MecanismeColoriage.h"
#include "support/Enregistrement.h"
#include "support/Factices.h"

#include "common/TitreFenetre.h"

#include <QDir>
#include <QFile>
#include <QStatusBar>
#include <QtTest>

// Opening a colouring exercise: each refusal and its text, what the window keeps after one, and
// what a successful opening shows.
class TestOuvertureColoriage : public QObject {
    Q_OBJECT

    enum Panne {
        Aucune,
        SolutionDossier,
        DescripteurAbsent,
        Extension,
        ModeMajuscule,
        SansAcces,
        Fichiers,
        TropDeZones,
        TropDeCouleurs,
        ZonesPasUnNombre,
        Tailles,
        TrameIllisible,
        TrameTronquee,
        CouleurInvalide
    };

private slots:
    void init() { dialoguesFactices().oublier(); }

    void refus_data()
    {
        QTest::addColumn<int>("panne");
        QTest::addColumn<QString>("genre");
        QTest::addColumn<QString>("attendu");
        const QString suite = QStringLiteral("\n\nImpossible d'ouvrir cet exercice de ce mécanisme.");
        QTest::newRow("descripteur absent") << int(DescripteurAbsent) << "Message"
                                            << "Impossible d'ouvrir le fichier \"neuf.sch\".";
        QTest::newRow("extension") << int(Extension) << "Message"
                                   << "Vous avez ouvert un fichier qui n'a pas l'extension attendue.";
        QTest::newRow("mode en capitales") << int(ModeMajuscule) << "Message"
                                           << "Ce type d'exercice n'existe pas.";
        QTest::newRow("Exo2 à 0") << int(SansAcces) << "Message"
                                  << "Vous n'avez pas accès à cet exercice de ce mécanisme.";
        QTest::newRow("condition.inf et trame.bmp absents") << int(Fichiers) << "Message"
                                                            << "Le fichier \"condition.inf\" est manquant." + suite;
        QTest::newRow("1001 zones") << int(TropDeZones) << "Message"
                                    << "Le fichier \"condition.inf\" annonce 1001 zones, alors qu'un exercice de "
                                       "coloriage en compte au plus 1000." +
                                           suite;
        QTest::newRow("zones au-delà de 32 bits")
            << int(ZonesPasUnNombre) << "Message"
            << "Le fichier \"condition.inf\" annonce 99999999999 zones, alors qu'un exercice de coloriage en compte au "
               "plus 1000." +
                   suite;
        QTest::newRow("5000 pièces") << int(TropDeCouleurs) << "Message"
                                     << "Le fichier \"condition.inf\" annonce 5000 pièces ou classes d'équivalence, "
                                        "alors qu'un exercice de coloriage en compte au plus 1000." +
                                            suite;
        QTest::newRow("tailles") << int(Tailles) << "Message"
                                 << "Le fichier \"trame.bmp\" mesure 240 × 101 pixels et le fichier \"plan.bmp\" "
                                    "240 × 100 pixels : ils doivent avoir la même taille." +
                                        suite;
        QTest::newRow("solution.inf qui ne peut pas être lu")
            << int(SolutionDossier) << "Message"
            << "Le fichier \"solution.inf\" ne peut pas être lu." + suite;
        QTest::newRow("trame illisible") << int(TrameIllisible) << "Erreur"
                                         << "Le fichier \"trame.bmp\" n'est pas une image lisible." + suite;
        QTest::newRow("trame tronquée") << int(TrameTronquee) << "Erreur"
                                        << "Le fichier \"trame.bmp\" n'est pas une image lisible." + suite;
        QTest::newRow("couleur invalide") << int(CouleurInvalide) << "Erreur"
                                          << "''rouge'' n'est pas une valeur entière valide.";
    }
    void refus()
    {
        QFETCH(int, panne);
        QFETCH(QString, genre);
        QFETCH(QString, attendu);
        ArbreMecanismes arbre;
        FenetreColoriage f;
        f.fenetre.Ouvrir(EcrireColoriage(arbre, "ancien", "p", ColoriageSixZones()), "p");
        dialoguesFactices().reponsesCouleur = {0x000000FF};
        f.choisirItem(1);
        f.cliquer(CentreZone(1));
        QCOMPARE(f.pixelVu(CentreZone(1)), QColor(255, 0, 0));

        ColoriageTest neuf = ColoriageSixZones();
        DescripteurTest descripteur;
        QString mode = "p";
        if (panne == SansAcces)
            descripteur.exercices[1] = 0;
        if (panne == TropDeZones)
            neuf.condition.replace("[NOMBRE DE ZONES]\r\nCombien=6", "[NOMBRE DE ZONES]\r\nCombien=1001");
        if (panne == ZonesPasUnNombre)
            neuf.condition.replace("[NOMBRE DE ZONES]\r\nCombien=6", "[NOMBRE DE ZONES]\r\nCombien=99999999999");
        if (panne == TropDeCouleurs)
            neuf.condition = ConditionSixZones({}, 5000);
        if (panne == Tailles)
            neuf.trame = ImageUnie(240, 101, Qt::white);
        if (panne == CouleurInvalide)
            neuf.condition.replace("Zone4=clYellow", "Zone4=rouge");
        QString chemin = EcrireColoriage(arbre, "neuf", mode, neuf, descripteur);
        if (panne == DescripteurAbsent)
            QFile::remove(chemin);
        if (panne == Extension) {
            QVERIFY(QFile::rename(chemin, arbre.chemin("neuf.txt")));
            chemin = arbre.chemin("neuf.txt");
        }
        if (panne == ModeMajuscule)
            mode = "P";
        if (panne == Fichiers) {
            QVERIFY(QFile::remove(arbre.chemin("neuf/coloriage_p/condition.inf")));
            QVERIFY(QFile::remove(arbre.chemin("neuf/coloriage_p/trame.bmp")));
        }
        if (panne == TrameIllisible)
            arbre.ecrireOctets("neuf/coloriage_p/trame.bmp", "BM pas une image");
        if (panne == TrameTronquee)
            TronquerFichier(arbre.chemin("neuf/coloriage_p/trame.bmp"));
        if (panne == SolutionDossier) {
            QVERIFY(QFile::remove(arbre.chemin("neuf/coloriage_p/solution.inf")));
            QVERIFY(QDir().mkpath(arbre.chemin("neuf/coloriage_p/solution.inf")));
        }
        dialoguesFactices().oublier();
        f.fenetre.Ouvrir(chemin, mode);

        QCOMPARE(dialoguesFactices().boites.size(), std::size_t(1));
        QCOMPARE(dialoguesFactices().boites[0].genre, genre);
        QCOMPARE(dialoguesFactices().boites[0].texte, attendu);
        // The exercise open before is left whole.
        QCOMPARE(f.fenetre.windowTitle(), TitreExercice("Décodage de plan", {"ancien"}));
        QCOMPARE(f.liste->count(), 6);
        QCOMPARE(f.pixelVu(CentreZone(1)), QColor(255, 0, 0));
        QCOMPARE(f.liste->Couleur(1), TColor(0x000000FF));
    }

    void chargement_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("titre");
        QTest::addColumn<QString>("item");
        QTest::newRow("p") << "p"
                           << "Décodage de plan"
                           << "Pièce 5";
        QTest::newRow("ce") << "ce"
                            << "Classe d'équivalence"
                            << "Classe d'équivalence 5";
    }
    void chargement()
    {
        QFETCH(QString, mode);
        QFETCH(QString, titre);
        QFETCH(QString, item);
        ArbreMecanismes arbre;
        FenetreColoriage f;
        // The folders written in another letter case are found.
        ColoriageTest c = ColoriageSixZones();
        const QString chemin = EcrireColoriage(arbre, "etau", mode, c);
        QVERIFY(QFile::rename(arbre.chemin("etau/coloriage_" + mode + "/plan.bmp"),
                              arbre.chemin("etau/coloriage_" + mode + "/Plan.BMP")));
        f.fenetre.Ouvrir(chemin, mode);

        QCOMPARE(dialoguesFactices().textes(), QStringList());
        QCOMPARE(f.fenetre.windowTitle(), TitreExercice(titre, {"etau"}));
        QCOMPARE(f.liste->count(), 6);
        QCOMPARE(f.liste->item(0)->text(), QStringLiteral("Effacer"));
        QCOMPARE(f.liste->item(5)->text(), item);
        QCOMPARE(f.liste->currentRow(), 0);
        QCOMPARE(f.bilan->text(), QStringLiteral("Correction : 0"));
        QCOMPARE(f.vue->size(), QSize(240, 100));
        QVERIFY(!f.action("MenuPrevisualisation")->isChecked());
        QVERIFY(f.action("MenuPdf")->isVisible());
        QVERIFY(!f.action("MenuAide")->isVisible());
        QStringList panneaux;
        for (QLabel *label : f.fenetre.statusBar()->findChildren<QLabel *>())
            panneaux << label->text();
        QVERIFY(panneaux.contains("Clique gauche : Colorier"));
        QVERIFY(panneaux.contains("Clique droit : Vérifier"));
        QVERIFY(panneaux.contains("Molette : Changer pièce"));
        // The lines of the drawing show over the white of unpainted zones.
        QCOMPARE(f.pixelVu(QPoint(10, 40)), QColor(Qt::black));
        QCOMPARE(f.pixelVu(CentreZone(1)), QColor(Qt::white));
        QVERIFY(f.loupe.isVisible());
        QVERIFY(f.loupe.windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(f.liste->item(1)->data(Qt::AccessibleTextRole).toString().contains("couleur blanc, active"));
    }

    void aide_data()
    {
        QTest::addColumn<QString>("erreur");
        QTest::addColumn<bool>("visible");
        QTest::addColumn<bool>("utilisable");
        QTest::addColumn<int>("utilisableApres");
        QTest::newRow("absent") << QString() << false << false << -1;
        QTest::newRow("0") << "0" << true << true << 0;
        QTest::newRow("2") << "2" << true << false << 2;
    }
    void aide()
    {
        QFETCH(QString, erreur);
        QFETCH(bool, visible);
        QFETCH(bool, utilisable);
        QFETCH(int, utilisableApres);
        ArbreMecanismes arbre;
        FenetreColoriage f;
        ColoriageTest c = ColoriageSixZones();
        QString suite = "[MENU AIDE]\r\nAdresse=page.htm\r\n";
        if (!erreur.isEmpty())
            suite += "Erreur=" + erreur + "\r\n";
        c.condition = ConditionSixZones(suite);
        arbre.ecrireTexte("etau/coloriage_p/aide/page.htm", "<p>aide</p>");
        f.fenetre.Ouvrir(EcrireColoriage(arbre, "etau", "p", c), "p");
        QAction *aide = f.action("MenuAide");
        QCOMPARE(aide->isVisible(), visible);
        QCOMPARE(aide->isEnabled(), utilisable);
        for (int tentative = 1; tentative <= 3; ++tentative) {
            f.cliquer(PixelBlanc, Qt::RightButton);
            if (utilisableApres > 0)
                QCOMPARE(aide->isEnabled(), tentative >= utilisableApres);
        }
        QCOMPARE(aide->isVisible(), visible);
        if (visible) {
            bureauFactice().documents.clear();
            aide->trigger();
            QCOMPARE(bureauFactice().documents.size(), std::size_t(1));
            QCOMPARE(bureauFactice().documents[0].chemin, arbre.chemin("etau/coloriage_p/aide/page.htm"));
            QCOMPARE(dialoguesFactices().textes(), QStringList());
        }
    }

    void menuOuvrir_data()
    {
        QTest::addColumn<QString>("reponse");
        QTest::addColumn<QString>("titre");
        QTest::newRow("décodage") << "p"
                                  << "Décodage de plan";
        // Escape in the choice gives the classes.
        QTest::newRow("échappement") << "ce"
                                     << "Classe d'équivalence";
    }
    void menuOuvrir()
    {
        QFETCH(QString, reponse);
        QFETCH(QString, titre);
        ArbreMecanismes arbre;
        EcrireColoriage(arbre, "etau", "ce", ColoriageSixZones());
        const QString chemin = EcrireColoriage(arbre, "etau", "p", ColoriageSixZones());
        FenetreColoriage f;
        f.fenetre.Ouvrir(chemin, "p");
        dialoguesFactices().reponsesCouleur = {0x000000FF};
        f.choisirItem(1);
        f.cliquer(CentreZone(1));
        f.cliquer(PixelBlanc, Qt::RightButton);
        QCOMPARE(f.bilan->text(), QStringLiteral("Correction : 1"));

        dialoguesFactices().fichiersAOuvrir = {chemin};
        dialoguesFactices().typesExercice = {reponse};
        dialoguesFactices().reponsesEnregistrement = {ReponseEnregistrement::NePasEnregistrer};
        f.action("MenuOuvrir")->trigger();
        QCOMPARE(dialoguesFactices().dernierFiltre, QStringLiteral("Fichier Velkora (*.sch)|*.sch"));
        QCOMPARE(dialoguesFactices().dernierDossierInitial, arbre.dossier());
        QCOMPARE(f.fenetre.windowTitle(), TitreExercice(titre, {"etau"}));
        QCOMPARE(f.bilan->text(), QStringLiteral("Correction : 0"));
        QCOMPARE(f.pixelVu(CentreZone(1)), QColor(Qt::white));
        QCOMPARE(f.liste->Couleur(1), clWhite);
        QVERIFY(f.liste->Actif(1));
    }
};

VELKORA_TEST(TestOuvertureColoriage)
#include "TestOuvertureColoriage.moc"
