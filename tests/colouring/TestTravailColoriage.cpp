#include "MecanismeColoriage.h"
#include "support/Enregistrement.h"
#include "support/Factices.h"

#include "common/TitreFenetre.h"

#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QUndoStack>
#include <QtTest>

// Paint is never lost without a question: closing the window or opening another exercise, each answer
// once, with what lands on disk and what the window still shows; the title and its modified marker;
// where the window goes when it is un-maximised.
class TestTravailColoriage : public QObject {
    Q_OBJECT

    static constexpr int RienDePeint = -1;

private slots:
    void init() { dialoguesFactices().oublier(); }

    void question_data()
    {
        QTest::addColumn<QString>("maniere");
        QTest::addColumn<int>("reponse");
        QTest::addColumn<bool>("cheminChoisi"); // what the save dialog answers
        QTest::addColumn<bool>("poursuivi");
        for (const char *maniere : {"Fermer", "Ouvrir"}) {
            const auto ligne = [&](const char *nom) -> QTestData & {
                return QTest::addRow("%s, %s", maniere, nom) << QString(maniere);
            };
            ligne("Enregistrer") << int(ReponseEnregistrement::Enregistrer) << true << true;
            ligne("Enregistrer, enregistrement annulé") << int(ReponseEnregistrement::Enregistrer) << false << false;
            ligne("Ne pas enregistrer") << int(ReponseEnregistrement::NePasEnregistrer) << false << true;
            ligne("Annuler") << int(ReponseEnregistrement::Annuler) << true << false;
            ligne("rien de peint") << RienDePeint << false << true;
        }
    }
    void question()
    {
        QFETCH(QString, maniere);
        QFETCH(int, reponse);
        QFETCH(bool, cheminChoisi);
        QFETCH(bool, poursuivi);
        ArbreMecanismes arbre;
        const QString chemin = EcrireColoriage(arbre, "etau", "p", ColoriageSixZones());
        EcrireColoriage(arbre, "etau", "ce", ColoriageSixZones());
        FenetreColoriage f;
        f.fenetre.Ouvrir(chemin, "p");
        const bool peint = reponse != RienDePeint;
        if (peint) {
            dialoguesFactices().reponsesCouleur = {0x000000FF};
            f.choisirItem(1);
            f.cliquer(CentreZone(1));
        }
        dialoguesFactices().oublier();
        if (peint)
            dialoguesFactices().reponsesEnregistrement = {ReponseEnregistrement(reponse)};
        const QString jpeg = arbre.chemin("plan colorié.jpg");
        if (cheminChoisi)
            dialoguesFactices().fichiersAEnregistrer = {jpeg};
        dialoguesFactices().fichiersAOuvrir = {chemin};
        dialoguesFactices().typesExercice = {"ce"};
        f.action("Menu" + maniere)->trigger();

        QStringList attendues;
        if (maniere == "Ouvrir")
            attendues << "Ouvrir"
                      << "TypeExercice";
        if (peint)
            attendues << "Enregistrement";
        if (reponse == int(ReponseEnregistrement::Enregistrer))
            attendues << "Enregistrer";
        QStringList boites;
        for (const auto &b : dialoguesFactices().boites) {
            boites << b.genre;
            if (b.genre == u"Enregistrement")
                QCOMPARE(b.texte, QStringLiteral("Enregistrer les modifications de ce coloriage (« etau ») ?"));
            if (b.genre == u"Enregistrer")
                QCOMPARE(b.titre, QStringLiteral("Enregistrer le plan colorié"));
            if (b.genre == u"Ouvrir")
                QCOMPARE(b.titre, QStringLiteral("Ouvrir un exercice de coloriage"));
        }
        QCOMPARE(boites, attendues);
        QCOMPARE(QFile::exists(jpeg), reponse == int(ReponseEnregistrement::Enregistrer) && cheminChoisi);
        if (maniere == "Fermer")
            QCOMPARE(f.fenetre.isVisible(), !poursuivi);
        else
            QCOMPARE(f.fenetre.windowTitle(),
                     TitreExercice(poursuivi ? "Classe d'équivalence" : "Décodage de plan", {"etau"}));
        if (!poursuivi) {
            // Everything as it was, paint included, and still to be saved.
            QCOMPARE(f.pixelVu(CentreZone(1)), QColor(255, 0, 0));
            QVERIFY(f.fenetre.isWindowModified());
        }
    }

    void titre()
    {
        ArbreMecanismes arbre;
        DescripteurTest sansAcces;
        sansAcces.exercices[1] = 0;
        FenetreColoriage f;
        // Refused: the caption alone, never the program's name.
        f.fenetre.Ouvrir(EcrireColoriage(arbre, "ferme", "p", ColoriageSixZones(), sansAcces), "p");
        QCOMPARE(f.fenetre.windowTitle(), TitreExercice("Décodage de plan", {}));
        DescripteurTest descripteur;
        descripteur.nom = "Étau de serrage";
        f.fenetre.Ouvrir(EcrireColoriage(arbre, "etau", "p", ColoriageSixZones(), descripteur), "p");
        QCOMPARE(f.fenetre.windowTitle(), TitreExercice("Décodage de plan", {"Étau de serrage"}));
        QCOMPARE(f.fenetre.accessibleName(), QStringLiteral("Décodage de plan – Étau de serrage"));
        QVERIFY(!f.fenetre.isWindowModified());
        dialoguesFactices().reponsesCouleur = {0x000000FF};
        f.choisirItem(1);
        f.cliquer(CentreZone(1));
        QVERIFY(f.fenetre.isWindowModified());
        dialoguesFactices().fichiersAEnregistrer = {arbre.chemin("plan.jpg")};
        f.action("MenuEnregistrerImage")->trigger();
        QVERIFY(!f.fenetre.isWindowModified());
        // A check that finds a part changes what a save writes: the work is to be saved again, and
        // no undo takes the check back.
        const int pas = f.fenetre.Historique().count();
        f.cliquer(PixelBlanc, Qt::RightButton);
        QVERIFY(f.fenetre.isWindowModified());
        QCOMPARE(f.fenetre.Historique().count(), pas);
        dialoguesFactices().oublier();
        dialoguesFactices().reponsesEnregistrement = {ReponseEnregistrement::Annuler};
        f.action("MenuFermer")->trigger();
        QCOMPARE(dialoguesFactices().boites.size(), std::size_t(1));
        QVERIFY(f.fenetre.isVisible());
        // One that finds nothing new leaves a saved work saved.
        dialoguesFactices().fichiersAEnregistrer = {arbre.chemin("plan.jpg")};
        f.action("MenuEnregistrerImage")->trigger();
        f.cliquer(PixelBlanc, Qt::RightButton);
        QVERIFY(!f.fenetre.isWindowModified());
    }
};

VELKORA_TEST(TestTravailColoriage)
#include "TestTravailColoriage.moc"
