#include "MecanismePresentation.h"
#include "presentation/LecturePresentation.h"
#include "support/Enregistrement.h"
#include "support/Factices.h"
#include "support/SansRoot.h"

#include <QDir>
#include <QFile>
#include <QtTest>

// Opening a presentation: each refusal, its text, and what the window keeps.
class TestOuverturePresentation : public QObject {
    Q_OBJECT

    enum Panne { DescripteurAbsent, Extension, SansAcces, FichiersRetires };

    const QString partie1 = LignesPiece("1", "4", "Vis à tête hexagonale", "Acier", "ISO 4014");

private slots:
    void init() { dialoguesFactices().oublier(); }

    void refus_data()
    {
        QTest::addColumn<int>("panne");
        QTest::addColumn<int>("premierRetire");
        QTest::addColumn<QString>("attendu");
        const QString suite = QStringLiteral("\n\nImpossible d'ouvrir la présentation de ce mécanisme.");
        QTest::newRow("descripteur absent")
            << int(DescripteurAbsent) << 0 << "Impossible d'ouvrir le fichier \"neuf.sch\".";
        QTest::newRow("extension") << int(Extension) << 0
                                   << "Vous avez ouvert un fichier qui n'a pas l'extension attendue.";
        QTest::newRow("Exo1 à 0") << int(SansAcces) << 0 << "Vous n'avez pas accès à cet exercice de ce mécanisme.";
        const QStringList fichiers{"condition.inf", "trame.bmp", "plan.bmp", "nomenclature.inf", "explication.htm"};
        // The files from this one to the last are missing: the first of them is named.
        for (int i = 0; i < fichiers.size(); ++i)
            QTest::newRow(qPrintable(fichiers[i]))
                << int(FichiersRetires) << i << "Le fichier \"" + fichiers[i] + "\" est manquant." + suite;
    }
    void refus()
    {
        QFETCH(int, panne);
        QFETCH(int, premierRetire);
        QFETCH(QString, attendu);
        ArbreMecanismes arbre;
        PresentationTest ancienne = PresentationTroisPieces();
        ancienne.condition = ConditionTroisPieces(QStringLiteral("[IMPRIMER]\r\nVisible=0\r\n"));
        FenetreTest f;
        f.fenetre.Ouvrir(EcrirePresentation(arbre, "ancien", ancienne));
        f.montrerPage(1);

        PresentationTest neuve = PresentationTroisPieces();
        neuve.page = "<p>Nouvelle</p>";
        neuve.nomenclature = "[PIECE1]\r\nRepere=99\r\n";
        neuve.plan = ImageUnie(300, 150, Qt::gray);
        neuve.trame = ImageUnie(300, 150, Qt::red);
        DescripteurTest descripteur;
        if (panne == SansAcces)
            descripteur.exercices[0] = 0;
        QString chemin = EcrirePresentation(arbre, "neuf", neuve, descripteur);
        arbre.ecrireOctets("neuf/presentation/plan.pdf", "%PDF");
        if (panne == DescripteurAbsent)
            QFile::remove(chemin);
        if (panne == Extension) {
            QVERIFY(QFile::rename(chemin, arbre.chemin("neuf.txt")));
            chemin = arbre.chemin("neuf.txt");
        }
        const QStringList fichiers{"condition.inf", "trame.bmp", "plan.bmp", "nomenclature.inf", "explication.htm"};
        if (panne == FichiersRetires) {
            for (int i = premierRetire; i < fichiers.size(); ++i)
                QVERIFY(QFile::remove(arbre.chemin("neuf/presentation/" + fichiers[i])));
        }
        dialoguesFactices().oublier();
        f.fenetre.Ouvrir(chemin);

        QCOMPARE(dialoguesFactices().textes(), QStringList{attendu});
        QCOMPARE(f.fenetre.windowTitle(), QStringLiteral("Présentation – ancien"));
        QCOMPARE(f.pages->currentIndex(), 1);
        QCOMPARE(f.plan->size(), QSize(200, 100));
        QVERIFY(!f.menuPdf->isVisible());
        QCOMPARE(f.cliquer(Pixels::Piece1), partie1);
        QVERIFY(f.description->toPlainText().contains("Mécanisme de démonstration"));
        if (panne == FichiersRetires) {
            // The folder of the new mechanism is the one the drawing is now printed from.
            f.menuPdf->trigger();
            QCOMPARE(bureauFactice().documents.back().chemin, arbre.chemin("neuf/presentation/plan.pdf"));
        }
    }

    void lectureReussie()
    {
        ArbreMecanismes arbre;
        FenetreTest f;
        QVERIFY(f.menuPdf->isVisible());
        QCOMPARE(f.pages->currentIndex(), 1);
        f.fenetre.Ouvrir(EcrirePresentation(arbre, "meca", PresentationTroisPieces()));
        QCOMPARE(dialoguesFactices().textes(), QStringList());
        QCOMPARE(f.pages->currentIndex(), 0);
        QCOMPARE(f.plan->size(), QSize(200, 100));
        QVERIFY(f.menuPdf->isVisible());

        arbre.ecrireOctets("meca/presentation/plan.pdf", "%PDF");
        f.menuPdf->trigger();
        QCOMPARE(bureauFactice().documents.back().chemin, arbre.chemin("meca/presentation/plan.pdf"));
        QVERIFY(bureauFactice().documents.back().etat == EtatFenetre::Cachee);
        QFile::remove(arbre.chemin("meca/presentation/plan.pdf"));
        const auto demandes = bureauFactice().documents.size();
        f.menuPdf->trigger();
        QCOMPARE(bureauFactice().documents.size(), demandes);
        QCOMPARE(dialoguesFactices().textes(), QStringList{"Impossible d'ouvrir le fichier \"plan.pdf\"."});
    }

    void commandePdf_data()
    {
        QTest::addColumn<QString>("imprimer");
        QTest::addColumn<bool>("visible");
        QTest::newRow("section absente") << "" << false;
        QTest::newRow("Visible=1") << "[IMPRIMER]\r\nVisible=1\r\n" << true;
        QTest::newRow("Visible=0") << "[imprimer]\r\nvisible=0\r\n" << false;
        QTest::newRow("Visible=oui") << "[IMPRIMER]\r\nVisible=oui\r\n" << false;
    }
    void commandePdf()
    {
        QFETCH(QString, imprimer);
        QFETCH(bool, visible);
        ArbreMecanismes arbre;
        PresentationTest p = PresentationTroisPieces();
        p.condition = ConditionTroisPieces(imprimer);
        FenetreTest f;
        f.fenetre.Ouvrir(EcrirePresentation(arbre, "meca", p));
        QCOMPARE(f.menuPdf->isVisible(), visible);
    }

    // Files that exist but cannot be used are named, and the window keeps what it showed.
    void fichiersInutilisables_data()
    {
        QTest::addColumn<QString>("fichier");
        QTest::addColumn<QByteArray>("octets");
        QTest::addColumn<QString>("attendu");
        const QString suite = QStringLiteral("\n\nImpossible d'ouvrir la présentation de ce mécanisme.");
        // The size row replaces no file: its zone map is one pixel wider than its drawing.
        QTest::newRow("trame illisible") << "trame.bmp" << QByteArray("BM pas une image")
                                         << "Le fichier \"trame.bmp\" n'est pas une image lisible." + suite;
        QTest::newRow("plan vide") << "plan.bmp" << QByteArray()
                                   << "Le fichier \"plan.bmp\" n'est pas une image lisible." + suite;
        QTest::newRow("tailles différentes")
            << "" << QByteArray()
            << "Le fichier \"trame.bmp\" mesure 301 × 150 pixels et le fichier \"plan.bmp\" 300 × 150 pixels : "
               "ils doivent avoir la même taille." +
                   suite;
        QTest::newRow("pièces : pas un nombre")
            << "condition.inf" << QByteArray("[NOMBRE DE PIECES]\r\nCombien=trois\r\n")
            << "Le fichier \"condition.inf\" annonce trois pièces, alors qu'une présentation en compte au plus 1000." +
                   suite;
        QTest::newRow("plus de 1000 pièces")
            << "condition.inf" << QByteArray("[NOMBRE DE PIECES]\r\nCombien=1001\r\n")
            << "Le fichier \"condition.inf\" annonce 1001 pièces, alors qu'une présentation en compte au plus 1000." +
                   suite;
    }
    void fichiersInutilisables()
    {
        QFETCH(QString, fichier);
        QFETCH(QByteArray, octets);
        QFETCH(QString, attendu);
        ArbreMecanismes arbre;
        FenetreTest f;
        PresentationTest ancienne = PresentationTroisPieces();
        ancienne.condition = ConditionTroisPieces("");
        f.fenetre.Ouvrir(EcrirePresentation(arbre, "ancien", ancienne));
        f.montrerPage(1);

        PresentationTest neuve = PresentationTroisPieces();
        neuve.page = "<p>Nouvelle</p>";
        neuve.nomenclature = "[PIECE1]\r\nRepere=99\r\n";
        neuve.plan = ImageUnie(300, 150, Qt::gray);
        neuve.trame = ImageUnie(fichier.isEmpty() ? 301 : 300, 150, Qt::red);
        const QString chemin = EcrirePresentation(arbre, "neuf", neuve);
        if (!fichier.isEmpty())
            arbre.ecrireOctets("neuf/presentation/" + fichier, octets);
        dialoguesFactices().oublier();
        f.fenetre.Ouvrir(chemin);

        QCOMPARE(dialoguesFactices().textes(), QStringList{attendu});
        QCOMPARE(f.fenetre.windowTitle(), QStringLiteral("Présentation – ancien"));
        QCOMPARE(f.pages->currentIndex(), 1);
        QCOMPARE(f.plan->size(), QSize(200, 100));
        QVERIFY(!f.menuPdf->isVisible());
        QCOMPARE(f.cliquer(Pixels::Piece1), partie1);
        QVERIFY(f.description->toPlainText().contains("Mécanisme de démonstration"));
    }

    // A file that is there but cannot be read is named; nothing of the new mechanism is shown.
    void fichierQuiNePeutPasEtreLu_data()
    {
        QTest::addColumn<QString>("fichier");
        QTest::newRow("condition.inf") << "condition.inf";
        QTest::newRow("nomenclature.inf") << "nomenclature.inf";
    }
    void fichierQuiNePeutPasEtreLu()
    {
        QFETCH(QString, fichier);
        const QString attendu = "Le fichier \"" + fichier +
                                "\" ne peut pas être lu.\n\nImpossible d'ouvrir la présentation de ce mécanisme.";
        ArbreMecanismes arbre;
        FenetreTest f;
        f.fenetre.Ouvrir(EcrirePresentation(arbre, "ancien", PresentationTroisPieces()));
        const QString chemin = EcrirePresentation(arbre, "neuf", PresentationTroisPieces());
        const QString dossier = arbre.chemin("neuf/presentation/");

        // A folder of that name.
        QFile::remove(dossier + fichier);
        QVERIFY(QDir().mkpath(dossier + fichier));
        dialoguesFactices().oublier();
        f.fenetre.Ouvrir(chemin);
        QCOMPARE(dialoguesFactices().textes(), QStringList{attendu});
        QCOMPARE(f.cliquer(Pixels::Piece1), partie1);

        // A file without read permission, read by a user who is not root.
        QVERIFY(QDir().rmdir(dossier + fichier));
        EcrirePresentation(arbre, "neuf", PresentationTroisPieces());
        OuvrirAuxAutres(arbre.dossier());
        QFile::setPermissions(dossier + fichier, QFile::WriteOwner);
        const int code = ExecuterSansRoot([&] {
            const LecturePresentation lecture = LirePresentation(dossier);
            if (lecture.issue != LecturePresentation::Issue::Refusee)
                return 1;
            return lecture.message == attendu ? 0 : 2;
        });
        QCOMPARE(code, 0);
    }

    // A bad colour stops the reading where it is: the table was emptied and holds the colours read
    // before it, the pictures and the page stay those of the previous mechanism.
    void couleurInvalide()
    {
        ArbreMecanismes arbre;
        FenetreTest f;
        PresentationTest ancienne = PresentationTroisPieces();
        ancienne.condition = ConditionTroisPieces("");
        f.fenetre.Ouvrir(EcrirePresentation(arbre, "ancien", ancienne));
        QVERIFY(!f.menuPdf->isVisible());
        f.montrerPage(1);

        PresentationTest neuve = PresentationTroisPieces();
        neuve.condition = "[NOMBRE DE PIECES]\r\nCombien=3\r\n[COULEUR]\r\nPiece1=clRed\r\nPiece2=rouge\r\n"
                          "Piece3=clBlue\r\n";
        dialoguesFactices().oublier();
        f.fenetre.Ouvrir(EcrirePresentation(arbre, "neuf", neuve));

        QCOMPARE(dialoguesFactices().boites.size(), std::size_t(1));
        QCOMPARE(dialoguesFactices().boites[0].genre, QString("Erreur"));
        QCOMPARE(dialoguesFactices().boites[0].texte, QString("''rouge'' n'est pas une valeur entière valide."));
        QVERIFY(f.menuPdf->isVisible());
        QCOMPARE(f.pages->currentIndex(), 1);
        QCOMPARE(f.cliquer(Pixels::Piece1), LignesPiece("", "", "", "", ""));
        QCOMPARE(f.cliquer(Pixels::Piece2), QString());
        QCOMPARE(f.cliquer(Pixels::Piece3), QString());
    }

    void nombreDePieces_data()
    {
        QTest::addColumn<QString>("nombre");
        QTest::addColumn<bool>("piece1");
        QTest::newRow("Combien absent") << "" << false;
        QTest::newRow("1000 pièces") << "[NOMBRE DE PIECES]\r\nCombien=1000\r\n" << true;
    }
    void nombreDePieces()
    {
        QFETCH(QString, nombre);
        QFETCH(bool, piece1);
        ArbreMecanismes arbre;
        PresentationTest p = PresentationTroisPieces();
        p.condition = nombre + "[COULEUR]\r\nPiece1=clRed\r\n";
        FenetreTest f;
        f.fenetre.Ouvrir(EcrirePresentation(arbre, "meca", p));
        QCOMPARE(dialoguesFactices().textes(), QStringList());
        f.montrerPage(1);
        QCOMPARE(f.cliquer(Pixels::Piece1), piece1 ? partie1 : QString());
    }

    void menus()
    {
        ArbreMecanismes arbre;
        const QString chemin = EcrirePresentation(arbre, "meca", PresentationTroisPieces());
        FenetreTest f;
        dialoguesFactices().fichiersAOuvrir = {QString()};
        f.menuOuvrir->trigger();
        QCOMPARE(dialoguesFactices().dernierFiltre, QString("Fichier Velkora (*.sch)|*.sch"));
        QCOMPARE(dialoguesFactices().dernierTitre, QStringLiteral("Ouvrir la présentation d'un mécanisme"));
        QCOMPARE(f.plan->size(), QSize(0, 0));
        QCOMPARE(f.fenetre.windowTitle(), QStringLiteral("Présentation"));
        dialoguesFactices().fichiersAOuvrir = {chemin};
        f.menuOuvrir->trigger();
        QCOMPARE(f.plan->size(), QSize(200, 100));
        QCOMPARE(f.fenetre.windowTitle(), QStringLiteral("Présentation – meca"));
        QCOMPARE(dialoguesFactices().textes(), QStringList());
        f.menuFermer->trigger();
        QVERIFY(!f.fenetre.isVisible());
    }
};

VELKORA_TEST(TestOuverturePresentation)
#include "TestOuverturePresentation.moc"
