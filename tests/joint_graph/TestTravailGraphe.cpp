#include "MecanismeGraphe.h"
#include "joint_graph/TImageMouse.h"
#include "support/Enregistrement.h"
#include "support/Factices.h"

#include <QAction>
#include <QFile>
#include <QPushButton>
#include <QtTest>

// Work on a joint graph is never lost without a question, and the title says what is open.
class TestTravailGraphe : public QObject {
    Q_OBJECT

    std::unique_ptr<ArbreMecanismes> arbre;
    QString descripteur;

    // A window on the "Treuil" mechanism with one joint made since the opening.
    void preparer(FenetreGraphe &f)
    {
        f.fenetre.OuvrirSCH(descripteur);
        f.colorer({0x000000FFu, 0x0000FF00u});
        f.creerLiaison({1, 2}, 4, 1);
        dialoguesFactices().oublier();
    }

    static QStringList questions()
    {
        QStringList textes;
        for (const auto &boite : dialoguesFactices().boites)
            if (boite.genre == u"Enregistrement")
                textes << boite.texte;
        return textes;
    }

private slots:
    void initTestCase()
    {
        arbre = std::make_unique<ArbreMecanismes>();
        EcrireCatalogueTest(*arbre);
        EcrireSansMecanisme(*arbre);
        descripteur = EcrireMecanismeGraphe(*arbre, "treuil", 3);
        arbre->ecrireDescripteur("treuil", {.nom = QStringLiteral("Treuil")});
    }
    void cleanupTestCase() { arbre.reset(); }
    void init()
    {
        dialoguesFactices().oublier();
        dialoguesFactices().fichiersAOuvrir.clear();
        dialoguesFactices().fichiersAEnregistrer.clear();
        dialoguesFactices().reponsesEnregistrement.clear();
    }

    // Each way of throwing the graph away, each answer: what lands on disk, what the window shows.
    void questionAvantDePerdre_data()
    {
        QTest::addColumn<QString>("geste");
        QTest::addColumn<int>("reponse");
        const int E = int(ReponseEnregistrement::Enregistrer), N = int(ReponseEnregistrement::NePasEnregistrer),
                  A = int(ReponseEnregistrement::Annuler);
        for (const char *geste : {"Fermer", "Alt+F4", "Ouvrir", "Nouveau"}) {
            QTest::addRow("%s, Enregistrer", geste) << QString::fromLatin1(geste) << E;
            QTest::addRow("%s, Ne pas enregistrer", geste) << QString::fromLatin1(geste) << N;
            QTest::addRow("%s, Annuler", geste) << QString::fromLatin1(geste) << A;
        }
    }
    void questionAvantDePerdre()
    {
        QFETCH(QString, geste);
        QFETCH(int, reponse);
        FenetreGraphe f;
        preparer(f);
        const QString fichier = arbre->chemin(QStringLiteral("treuil.gdl"));
        dialoguesFactices().reponsesEnregistrement = {ReponseEnregistrement(reponse)};
        dialoguesFactices().fichiersAEnregistrer = {fichier};
        dialoguesFactices().fichiersAOuvrir = {descripteur};
        dialoguesFactices().reponsesSaisie = {QStringLiteral("3")};

        bool ferme = false;
        if (geste == u"Fermer") {
            f.action("MenuFermer")->trigger();
            ferme = !f.fenetre.isVisible();
        } else if (geste == u"Alt+F4") {
            ferme = f.fenetre.close();
        } else {
            f.action(geste == u"Ouvrir" ? "MenuOuvrir" : "MenuNouveau")->trigger();
        }

        QCOMPARE(questions(),
                 QStringList{QStringLiteral("Enregistrer les modifications de ce graphe des liaisons (« Treuil ») ?")});
        const bool annule = reponse == int(ReponseEnregistrement::Annuler);
        QCOMPARE(QFile::exists(fichier), reponse == int(ReponseEnregistrement::Enregistrer));
        if (QFile::exists(fichier)) {
            QFile lu(fichier);
            QVERIFY(lu.open(QIODevice::ReadOnly));
            QVERIFY(lu.readAll().contains("[Liaison1]\r\nCe1=2\r\nCe2=1\r\nLiaison3D=4\r\nLiaison2D=1\r\n"));
            QFile::remove(fichier);
        }
        if (geste == u"Fermer" || geste == u"Alt+F4") {
            QCOMPARE(ferme, !annule);
        } else {
            // Going on replaces the graph (3 classes, no joint) and shows nothing more to save.
            QCOMPARE(f.fenetre.Graphe().NbrLiaison(), annule ? 1 : 0);
            QCOMPARE(f.fenetre.isWindowModified(), annule);
            // Cancelling asks for no file at all.
            QCOMPARE(dialoguesFactices().fichiersAOuvrir.size() + dialoguesFactices().reponsesSaisie.size(),
                     std::size_t(annule ? 2 : 1));
        }
    }

    // Nothing is asked when nothing would be lost: after opening, after saving (and a joint opened with
    // « Editer liaison » then closed unchanged), after undoing back.
    void rienAPerdre()
    {
        FenetreGraphe f;
        f.fenetre.OuvrirSCH(descripteur);
        QVERIFY(f.fenetre.close());
        FenetreGraphe g;
        preparer(g);
        dialoguesFactices().fichiersAEnregistrer = {arbre->chemin(QStringLiteral("g.gdl"))};
        g.action("MenuEnregistrer")->trigger();
        g.bouton("BoutonEditer")->click();
        g.cliquer(g.symbole(1));
        QCOMPARE(g.fenetre.EtatEdition(), TFormGrapheDesLiaisons::Etat::EditionLiaison);
        g.bouton("BoutonFermer")->click();
        QVERIFY(!g.fenetre.isWindowModified());
        QVERIFY(g.fenetre.close());
        FenetreGraphe h;
        preparer(h);
        h.action("MenuAnnuler")->trigger();
        h.action("MenuAnnuler")->trigger();
        h.action("MenuAnnuler")->trigger();
        QVERIFY(h.fenetre.close());
        QCOMPARE(questions(), QStringList());
    }

    // A joint being edited is work too, before « Fermer » puts it in the history.
    void liaisonEnCoursDEdition()
    {
        FenetreGraphe f;
        f.fenetre.OuvrirSCH(descripteur);
        f.colorer({0x000000FFu, 0x0000FF00u});
        dialoguesFactices().fichiersAEnregistrer = {arbre->chemin(QStringLiteral("edition.gdl"))};
        f.action("MenuEnregistrer")->trigger();
        dialoguesFactices().oublier();
        f.bouton("BoutonCreer")->click();
        f.cliquer(f.noeud(1));
        QVERIFY(!f.fenetre.close());
        QCOMPARE(questions().size(), 1);
        QCOMPARE(f.fenetre.EtatEdition(), TFormGrapheDesLiaisons::Etat::EditionLiaison);
        QCOMPARE(f.fenetre.Graphe().Liaison(1).Ce1, 1);
    }

    void titreEtEnregistrement()
    {
        FenetreGraphe f;
        QCOMPARE(f.fenetre.windowTitle(), QStringLiteral("Graphe Des Liaisons[*]"));
        f.fenetre.OuvrirSCH(descripteur);
        QCOMPARE(f.fenetre.windowTitle(), QStringLiteral("Graphe Des Liaisons – Treuil[*]"));
        QVERIFY(!f.fenetre.isWindowModified());
        f.colorer({0x000000FFu});
        QVERIFY(f.fenetre.isWindowModified());

        // The first « Enregistrer » asks where; the next ones write there again without asking.
        const QString chemin = arbre->chemin(QStringLiteral("premier.gdl"));
        dialoguesFactices().fichiersAEnregistrer = {chemin};
        f.action("MenuEnregistrer")->trigger();
        QCOMPARE(dialoguesFactices().dernierTitre, QStringLiteral("Enregistrer le graphe des liaisons"));
        QCOMPARE(f.fenetre.windowTitle(), QStringLiteral("Graphe Des Liaisons – Treuil – premier.gdl[*]"));
        QVERIFY(!f.fenetre.isWindowModified());
        f.colorer({0x000000FFu, 0x0000FF00u});
        dialoguesFactices().oublier();
        f.action("MenuEnregistrer")->trigger();
        QVERIFY(dialoguesFactices().boites.empty());
        QVERIFY(!f.fenetre.isWindowModified());
        QFile premier(chemin);
        QVERIFY(premier.open(QIODevice::ReadOnly));
        QVERIFY(premier.readAll().contains("[Ce2]\r\nCouleur=clLime"));

        // « Enregistrer sous… » asks, and the graph follows the new file.
        const QString second = arbre->chemin(QStringLiteral("second.gdl"));
        dialoguesFactices().fichiersAEnregistrer = {second};
        f.action("MenuEnregistrerSous")->trigger();
        QCOMPARE(dialoguesFactices().boites.size(), std::size_t(1));
        QVERIFY(QFile::exists(second));
        QCOMPARE(f.fenetre.windowTitle(), QStringLiteral("Graphe Des Liaisons – Treuil – second.gdl[*]"));

        // A graph opened is its file's, as one saved: the title, the question and Ctrl+S name it.
        FenetreGraphe g;
        dialoguesFactices().oublier();
        dialoguesFactices().fichiersAOuvrir = {chemin};
        g.action("MenuOuvrir")->trigger();
        QCOMPARE(g.fenetre.windowTitle(), QStringLiteral("Graphe Des Liaisons – Treuil – premier.gdl[*]"));
        g.colorer({0x000000FFu, 0x0000FF00u, 0x00FF0000u});
        dialoguesFactices().reponsesEnregistrement = {ReponseEnregistrement::Enregistrer};
        QVERIFY(g.fenetre.close());
        QCOMPARE(questions(), QStringList{QStringLiteral(
                                  "Enregistrer les modifications de ce graphe des liaisons (« premier.gdl ») ?")});
        for (const auto &boite : dialoguesFactices().boites)
            QVERIFY(boite.genre != u"Enregistrer");
        premier.close();
        QVERIFY(premier.open(QIODevice::ReadOnly));
        QVERIFY(premier.readAll().contains("[Ce3]\r\nCouleur=clBlue"));

        // A mechanism's correction is not the student's file: saving asks where.
        const QString correction = arbre->ecrireOctets(QStringLiteral("treuil/schema_cinematique/correction.gdl"),
                                                       premier.seek(0) ? premier.readAll() : QByteArray());
        FenetreGraphe h;
        dialoguesFactices().fichiersAOuvrir = {correction};
        h.action("MenuOuvrir")->trigger();
        QCOMPARE(h.fenetre.windowTitle(), QStringLiteral("Graphe Des Liaisons – Treuil[*]"));
        dialoguesFactices().oublier();
        dialoguesFactices().fichiersAEnregistrer = {second};
        h.action("MenuEnregistrer")->trigger();
        QCOMPARE(dialoguesFactices().boites.size(), std::size_t(1));
        QCOMPARE(dialoguesFactices().boites.front().genre, QStringLiteral("Enregistrer"));

        // Another graph has no file yet; a refused one leaves the caption alone.
        dialoguesFactices().reponsesSaisie = {QStringLiteral("2")};
        f.action("MenuNouveau")->trigger();
        QCOMPARE(f.fenetre.windowTitle(), QStringLiteral("Graphe Des Liaisons – Sans mécanisme[*]"));
        f.fenetre.OuvrirGDL(arbre->ecrireTexte(QStringLiteral("vide.gdl"), QString()));
        QCOMPARE(f.fenetre.windowTitle(), QStringLiteral("Graphe Des Liaisons[*]"));
        QVERIFY(!f.fenetre.isWindowModified());
    }

    void dialogueOuvrirEtRaccourci()
    {
        FenetreGraphe f;
        f.action("MenuOuvrir")->trigger();
        QCOMPARE(dialoguesFactices().dernierTitre, QStringLiteral("Ouvrir un graphe des liaisons"));
        QCOMPARE(f.action("MenuEnregistrerSous")->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    }
};

VELKORA_TEST(TestTravailGraphe)
#include "TestTravailGraphe.moc"
