#include "MecanismeGraphe.h"
#include "joint_graph/FichierGdl.h"
#include "joint_graph/TFondGraphe.h"
#include "joint_graph/TImageMouse.h"
#include "support/Enregistrement.h"
#include "support/Factices.h"
#include "support/SansRoot.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QSet>
#include <QtTest>

#include <sys/stat.h>

// The joint-graph window's files: opening an exercise or a saved graph, "Nouveau", saving, the PDF
// and the hand-off to the diagram window.
class TestOuvertureGraphe : public QObject {
    Q_OBJECT

    struct Transmission {
        QString chemin;
        QByteArray octets;
        bool existait = false;
    };

    // Records what the diagram window would be given, while it is open.
    static OuvertureSchema Enregistreur(std::vector<Transmission> &appels)
    {
        return [&appels](QWidget &, const QString &chemin) {
            QFile fichier(chemin);
            Transmission t{chemin, {}, fichier.exists()};
            if (fichier.open(QIODevice::ReadOnly))
                t.octets = fichier.readAll();
            appels.push_back(t);
        };
    }

    // The nodes in a row at top 8 from left 8; the symbol of a joint between two neighbours covers
    // neither of them.
    static void verifierRangee(FenetreGraphe &f, int nombre)
    {
        QCOMPARE(f.noeud(1)->pos(), QPoint(8, 8));
        for (int n = 2; n <= nombre; ++n) {
            QCOMPARE(f.noeud(n)->y(), 8);
            QVERIFY(f.noeud(n)->x() > f.noeud(n - 1)->geometry().right() + 8);
        }
        QList<TColor> couleurs;
        for (int n = 1; n <= nombre; ++n)
            couleurs << TColor(0x00100000u * n + 0x40);
        f.colorer(couleurs);
        for (int n = 2; n <= nombre; ++n) {
            f.creerLiaison({n - 1, n}, 1, 1);
            const QRect symbole = f.symbole(n - 1)->geometry();
            QVERIFY(!symbole.intersects(f.noeud(n - 1)->geometry()));
            QVERIFY(!symbole.intersects(f.noeud(n)->geometry()));
        }
    }

private slots:
    void init() { dialoguesFactices().oublier(); }

    void exerciceEnLigne()
    {
        ArbreMecanismes arbre;
        EcrireCatalogueTest(arbre);
        const QString descripteur = EcrireMecanismeGraphe(arbre, "meca", 4);
        FenetreGraphe f;
        f.fenetre.OuvrirSCH(descripteur);
        QCOMPARE(dialoguesFactices().textes(), QStringList());
        QVERIFY(f.noeud(4)->isVisible());
        QVERIFY(!f.noeud(5)->isVisible());
        QCOMPARE(f.noeud(1)->accessibleName(), QStringLiteral("Classe 1 : Pièce 1"));
        QCOMPARE(f.noeud(2)->accessibleName(), QStringLiteral("Classe 2"));
        QCOMPARE(f.noeud(1)->accessibleDescription(), QStringLiteral("Sans couleur"));
        QVERIFY(f.fenetre.findChild<QMenu *>("MenuOutils")->menuAction()->isVisible());
        QCOMPARE(f.fenetre.Graphe().DossierExercice, arbre.chemin("meca/graphe_des_liaisons/"));
        verifierRangee(f, 4);
    }

    // Opened before the window shows, as the program does: the nodes take as many rows as the
    // graph area needs, each fully in sight, and the symbol of a joint between two classes that
    // follow each other covers no node.
    void rangeesDansLaZone_data()
    {
        QTest::addColumn<int>("nombre");
        QTest::addColumn<int>("largeur");
        QTest::addColumn<int>("rangees");
        QTest::newRow("cinq classes larges") << 5 << 250 << 2;
        QTest::newRow("neuf classes") << 9 << 160 << 2;
        QTest::newRow("neuf étroites") << 9 << 40 << 1;
        QTest::newRow("plus larges que la zone") << 3 << 1100 << 3;
    }
    void rangeesDansLaZone()
    {
        QFETCH(int, nombre);
        QFETCH(int, largeur);
        QFETCH(int, rangees);
        ArbreMecanismes arbre;
        EcrireCatalogueTest(arbre);
        FenetreGraphe f({}, false);
        f.fenetre.OuvrirSCH(EcrireMecanismeGraphe(arbre, "meca", nombre, largeur));
        f.montrer({1280, 1000});
        const QWidget *vue = f.fenetre.findChild<QScrollArea *>("ScrollBox")->viewport();
        QSet<int> hauts;
        for (int n = 1; n <= nombre; ++n) {
            const QRect noeud(f.noeud(n)->mapTo(vue, QPoint(0, 0)), f.noeud(n)->size());
            QVERIFY2(vue->rect().contains(noeud) || noeud.width() > vue->width(), qPrintable(QString::number(n)));
            QCOMPARE(f.noeud(n)->pos(), f.fenetre.Graphe().Ce(n).Position);
            hauts << noeud.top();
        }
        QCOMPARE(hauts.size(), rangees);
        QList<TColor> couleurs;
        for (int n = 1; n <= nombre; ++n)
            couleurs << TColor(0x00100000u * n + 0x40);
        f.colorer(couleurs);
        for (int n = 2; n <= nombre; ++n) {
            f.creerLiaison({n - 1, n}, 1, 1);
            for (int autre = 1; autre <= nombre; ++autre)
                QVERIFY(!f.symbole(n - 1)->geometry().intersects(f.noeud(autre)->geometry()));
        }
    }

    void refus_data()
    {
        QTest::addColumn<QString>("panne");
        QTest::addColumn<QString>("attendu");
        const QString suite = QStringLiteral("\n\nImpossible d'ouvrir le graphe des liaisons de ce mécanisme.");
        QTest::newRow("absent") << "absent"
                                << "Impossible d'ouvrir le fichier \"neuf.sch\".";
        QTest::newRow("extension") << "extension"
                                   << "Vous avez ouvert un fichier qui n'a pas l'extension attendue.";
        QTest::newRow("Exo4 à 0") << "exo4"
                                  << "Vous n'avez pas accès à cet exercice de ce mécanisme.";
        QTest::newRow("condition") << "condition"
                                   << "Le fichier \"condition.inf\" est manquant." + suite;
        QTest::newRow("condition dossier") << "dossier"
                                           << "Le fichier \"condition.inf\" ne peut pas être lu." + suite;
        QTest::newRow("3.bmp") << "3.bmp"
                               << "Le fichier \"3.bmp\" est manquant." + suite;
        QTest::newRow("illisible") << "illisible"
                                   << "Le fichier \"2.bmp\" n'est pas une image lisible." + suite;
        QTest::newRow("tronquée") << "tronquée"
                                  << "Le fichier \"2.bmp\" n'est pas une image lisible." + suite;
        QTest::newRow("illisible puis manquante") << "illisible 3.bmp"
                                                  << "Le fichier \"3.bmp\" est manquant." + suite;
        QTest::newRow("Combien 10") << "Combien=10"
                                    << "Le fichier \"condition.inf\" annonce 10 classes d'équivalence ; il en faut "
                                       "entre 2 et 9." +
                                           suite;
        QTest::newRow("Combien trois") << "Combien=trois"
                                       << "Le fichier \"condition.inf\" annonce trois classes d'équivalence ; il en "
                                          "faut entre 2 et 9." +
                                              suite;
    }
    void refus()
    {
        QFETCH(QString, panne);
        QFETCH(QString, attendu);
        ArbreMecanismes arbre;
        EcrireCatalogueTest(arbre);
        FenetreGraphe f;
        f.fenetre.OuvrirSCH(EcrireMecanismeGraphe(arbre, "ancien", 2));
        QString chemin = EcrireMecanismeGraphe(arbre, "neuf", 4, 100, true, panne == "exo4" ? 0 : 1);
        if (panne == "absent")
            QFile::remove(chemin);
        if (panne == "extension") {
            QVERIFY(QFile::rename(chemin, arbre.chemin("neuf.txt")));
            chemin = arbre.chemin("neuf.txt");
        }
        if (panne == "condition")
            QFile::remove(arbre.chemin("neuf/graphe_des_liaisons/condition.inf"));
        if (panne == "dossier") {
            QFile::remove(arbre.chemin("neuf/graphe_des_liaisons/condition.inf"));
            QVERIFY(QDir().mkpath(arbre.chemin("neuf/graphe_des_liaisons/condition.inf")));
        }
        if (panne.endsWith("3.bmp"))
            QFile::remove(arbre.chemin("neuf/graphe_des_liaisons/3.bmp"));
        if (panne.startsWith("illisible"))
            arbre.ecrireOctets("neuf/graphe_des_liaisons/2.bmp", "BM pas une image");
        if (panne == "tronquée")
            TronquerFichier(arbre.chemin("neuf/graphe_des_liaisons/2.bmp"));
        if (panne.startsWith("Combien"))
            arbre.ecrireTexte("neuf/graphe_des_liaisons/condition.inf",
                              "[NOMBRE DE CLASSES D EQUIVALENCE]\r\n" + panne + "\r\n");
        dialoguesFactices().oublier();
        f.fenetre.OuvrirSCH(chemin);
        QCOMPARE(dialoguesFactices().textes(), QStringList{attendu});
        // The graph on screen stays.
        QCOMPARE(f.fenetre.Graphe().NbrCe(), 2);
        QVERIFY(f.noeud(2)->isVisible());
        QVERIFY(!f.noeud(3)->isVisible());
        QCOMPARE(f.fenetre.Graphe().DossierExercice, arbre.chemin("ancien/graphe_des_liaisons/"));
    }

    void enregistrerEtRouvrir()
    {
        ArbreMecanismes arbre;
        EcrireCatalogueTest(arbre);
        bureauFactice().dossierDocuments = arbre.chemin("Documents");
        FenetreGraphe f;
        f.fenetre.OuvrirSCH(EcrireMecanismeGraphe(arbre, "meca", 3));
        f.colorer({0x000000FFu, 0x0000FF00u, 0x00FF0000u});
        f.creerLiaison({1, 2}, 4, 2);
        f.creerLiaison({3, 2}, 7, 0);
        dialoguesFactices().oublier();

        const QString chemin = arbre.chemin("Documents/graphe.gdl");
        dialoguesFactices().fichiersAEnregistrer.push_back(chemin);
        f.action("MenuEnregistrer")->trigger();
        QCOMPARE(dialoguesFactices().dernierDossierInitial, arbre.chemin("Documents"));
        QCOMPARE(dialoguesFactices().dernierFiltre, QStringLiteral("Graphe de liaisons (*.gdl)|*.gdl"));
        QCOMPARE(dialoguesFactices().textes(), QStringList());
        const GrapheLiaisons enregistre = f.fenetre.Graphe();

        FenetreGraphe autre;
        dialoguesFactices().fichiersAOuvrir.push_back(chemin);
        autre.action("MenuOuvrir")->trigger();
        QCOMPARE(dialoguesFactices().dernierDossierInitial, arbre.dossier());
        QCOMPARE(dialoguesFactices().dernierFiltreChoisi, 3);
        QCOMPARE(dialoguesFactices().textes(), QStringList());
        QCOMPARE(autre.fenetre.Graphe(), enregistre);
        QCOMPARE(autre.fenetre.Graphe().Liaison(1), (TLiaison{2, 1, 4, 2, 0}));
        QVERIFY(autre.symbole(1)->isVisible());
        QVERIFY(autre.symbole(2)->isVisible());
        QVERIFY(!autre.symbole(3)->isVisible());
        QCOMPARE(autre.noeud(3)->pos(), f.noeud(3)->pos());
        QCOMPARE(autre.noeud(1)->Image().pixelColor(0, 0), QColor(255, 0, 0));

        // A file of another kind does nothing.
        dialoguesFactices().fichiersAOuvrir.push_back(arbre.ecrireTexte("notes.txt", "x"));
        autre.action("MenuOuvrir")->trigger();
        QCOMPARE(autre.fenetre.Graphe(), enregistre);
        QCOMPARE(dialoguesFactices().textes(), QStringList());
    }

    // A graph refused past its name and extension leaves the window with none: the graph before it
    // is gone, nothing can be saved or worked on, and the window says so.
    void grapheRefuseALOuverture_data()
    {
        QTest::addColumn<QByteArray>("contenu");
        QTest::addColumn<QString>("attendu");
        const QByteArray tete = "[MECANISME]\r\nMecanisme=meca\r\nNbrCe=3\r\nNbrLiaison=2\r\n[Ce1]\r\nCouleur=clRed\r\n"
                                "[Ce2]\r\nCouleur=clBlue\r\n[Ce3]\r\nCouleur=clLime\r\n"
                                "[Liaison1]\r\nCe1=1\r\nCe2=2\r\nLiaison3D=1\r\n[Liaison2]\r\n";
        QTest::newRow("boucle") << tete + "Ce1=3\r\nCe2=3\r\nLiaison3D=1\r\n"
                                << "La liaison 2 du fichier \"g.gdl\" relie la classe d'équivalence 3 à elle-même.";
        QTest::newRow("rotation") << tete + "Ce1=2\r\nCe2=3\r\nLiaison3D=1\r\nLiaison2D=1\r\nInclineaison=190\r\n"
                                  << "La liaison 2 du fichier \"g.gdl\" est tournée de 190°, hors de -180° à 180°.";
        QTest::newRow("classe 4") << tete + "Ce1=4\r\nCe2=3\r\n"
                                  << "La liaison 2 du fichier \"g.gdl\" désigne la classe d'équivalence 4, qui "
                                     "n'existe pas.";
        QTest::newRow("NbrCe 99999") << QByteArray("[MECANISME]\r\nMecanisme=meca\r\nNbrCe=99999\r\n")
                                     << "Le fichier \"g.gdl\" annonce 99999 classes d'équivalence ; il en faut entre 0 "
                                        "et 9.";
        QTest::newRow("vide") << QByteArray() << "Le fichier \"g.gdl\" n'indique pas le nom de son mécanisme.";
        QTest::newRow("binaire") << QByteArray("\x00\x01\xFF\xFE\x89PNG\x00\x00", 10)
                                 << "Le fichier \"g.gdl\" n'indique pas le nom de son mécanisme.";
        QTest::newRow("nom invalide") << QByteArray("[MECANISME]\r\nMecanisme=../meca\r\nNbrCe=2\r\n")
                                      << "Le fichier \"g.gdl\" indique le mécanisme \"../meca\", qui n'est pas un nom "
                                         "de dossier valide.";
        QTest::newRow("mécanisme absent") << QByteArray("[MECANISME]\r\nMecanisme=ailleurs\r\nNbrCe=2\r\n")
                                          << "Le fichier \"1.bmp\" est manquant.\n\n"
                                             "Impossible d'ouvrir le graphe des liaisons de ce mécanisme.";
    }
    void grapheRefuseALOuverture()
    {
        QFETCH(QByteArray, contenu);
        QFETCH(QString, attendu);
        ArbreMecanismes arbre;
        EcrireCatalogueTest(arbre);
        const QString chemin = arbre.ecrireOctets("g.gdl", contenu);
        FenetreGraphe f;
        f.fenetre.OuvrirSCH(EcrireMecanismeGraphe(arbre, "meca", 3));
        f.colorer({0x000000FFu, 0x0000FF00u});
        f.creerLiaison({1, 2}, 4, 1);
        dialoguesFactices().oublier();
        f.fenetre.OuvrirGDL(chemin);
        QCOMPARE(dialoguesFactices().textes(), QStringList{attendu});
        QCOMPARE(f.fenetre.Graphe(), GrapheLiaisons{});
        QVERIFY(!f.noeud(1)->isVisible());
        QVERIFY(!f.symbole(1)->isVisible());
        for (const char *nom : {"BoutonCreer", "BoutonEditer", "BoutonDetruire", "BoutonHyperstatisme", "BoutonBati"})
            QVERIFY2(!f.bouton(nom)->isEnabled(), nom);
        QVERIFY(!f.action("MenuAnnuler")->isEnabled());

        dialoguesFactices().oublier();
        dialoguesFactices().fichiersAEnregistrer.push_back(arbre.chemin("fantome.gdl"));
        f.action("MenuEnregistrer")->trigger();
        QCOMPARE(dialoguesFactices().textes(),
                 QStringList{"Aucun graphe des liaisons n'est ouvert : il n'y a rien à enregistrer."});
        // No save dialog was shown: the name it would have taken is still waiting.
        QCOMPARE(dialoguesFactices().fichiersAEnregistrer.size(), std::size_t(1));
        dialoguesFactices().fichiersAEnregistrer.clear();
    }

    // A teacher's graph of a shaft on two bearings: both joints open and the hyperstatism counts both.
    void liaisonsEnParallele()
    {
        ArbreMecanismes arbre;
        EcrireCatalogueTest(arbre);
        EcrireMecanismeGraphe(arbre, "meca", 2);
        const QString chemin = arbre.ecrireTexte(
            "paliers.gdl", "[MECANISME]\r\nMecanisme=meca\r\nNbrCe=2\r\nNbrLiaison=2\r\n"
                           "[Ce1]\r\nCouleur=clRed\r\nBati=1\r\n[Ce2]\r\nCouleur=clBlue\r\nLeft=300\r\n"
                           "[Liaison1]\r\nCe1=1\r\nCe2=2\r\nLiaison3D=4\r\n"
                           "[Liaison2]\r\nCe1=2\r\nCe2=1\r\nLiaison3D=7\r\n");
        FenetreGraphe f;
        f.fenetre.OuvrirGDL(chemin);
        QCOMPARE(dialoguesFactices().textes(), QStringList());
        QCOMPARE(f.fenetre.Graphe().NbrLiaison(), 2);
        dialoguesFactices().reponsesSaisie = {QStringLiteral("1"), QStringLiteral("1")};
        f.bouton("BoutonHyperstatisme")->click();
        QCOMPARE(dialoguesFactices().textes().size(), 1);
        QVERIFY(dialoguesFactices().textes()[0].endsWith(
            "is = 11\nn = 1\n\nh = 7\n\nLe système est hyperstatique d'ordre 7."));
    }

    // Each joint of the graph: its symbol on the middle of its own link, clear of the nodes and of the
    // symbols before it, where a click finds it, and its link drawn up to it, half in each class's
    // colour.
    static void verifierSymboles(FenetreGraphe &f)
    {
        auto *fond = f.fenetre.findChild<TFondGraphe *>("ImageFond");
        const GrapheLiaisons &g = f.fenetre.Graphe();
        for (int a = 1; a <= g.NbrLiaison(); ++a) {
            const TImageMouse *symbole = f.symbole(a);
            const QRect place = symbole->geometry();
            const auto &lien = fond->LienDe(a);
            QVERIFY2(symbole->isVisible() && lien, qPrintable(QString::number(a)));
            QCOMPARE(place.topLeft() + QPoint(place.width() / 2, place.height() / 2), lien->geometrie.milieu);
            QCOMPARE(fond->childAt(place.center()), symbole);
            for (int n = 1; n <= g.NbrCe(); ++n)
                QVERIFY2(!place.intersects(f.noeud(n)->geometry()), qPrintable(QStringLiteral("%1 %2").arg(a).arg(n)));
            for (int b = 1; b < a; ++b)
                QVERIFY2(!place.intersects(f.symbole(b)->geometry()),
                         qPrintable(QStringLiteral("%1 %2").arg(a).arg(b)));
            // Just beyond the symbol, on each half.
            const QPoint milieu = lien->geometrie.milieu;
            const QPoint bouts[] = {lien->geometrie.sortie, lien->geometrie.entree};
            const TColor couleurs[] = {g.Ce(g.Liaison(a).Ce1).Couleur, g.Ce(g.Liaison(a).Ce2).Couleur};
            for (int moitie = 0; moitie < 2; ++moitie) {
                const QPointF vers = QPointF(bouts[moitie] - milieu);
                const QPoint p = milieu + (vers * (place.width() * 0.8 / std::hypot(vers.x(), vers.y()))).toPoint();
                bool trace = false;
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx)
                        trace = trace || f.pixelGraphe(p + QPoint(dx, dy)) == CouleurVersQColor(couleurs[moitie]);
                QVERIFY2(trace, qPrintable(QStringLiteral("%1 %2").arg(a).arg(moitie)));
            }
        }
    }

    // Joints in parallel across, upright (both ways) and aslant, each on a link of its own; a third
    // across added in the editor, undone and redone; Tab reaches each; the diagram, the saved file and
    // the reopened graph keep them all.
    void liaisonsEnParalleleDessinees()
    {
        ArbreMecanismes arbre;
        EcrireCatalogueTest(arbre);
        EcrireMecanismeGraphe(arbre, "meca", 3);
        QString texte =
            "[MECANISME]\r\nMecanisme=meca\r\nNbrCe=3\r\nNbrLiaison=7\r\n[Ce1]\r\nCouleur=clRed\r\nLeft=40\r\n"
            "Top=40\r\n[Ce2]\r\nCouleur=clLime\r\nLeft=400\r\nTop=40\r\n[Ce3]\r\nCouleur=clBlue\r\n"
            "Left=40\r\nTop=300\r\n";
        const QList<QPoint> paires{{1, 2}, {2, 1}, {1, 3}, {3, 1}, {1, 3}, {2, 3}, {3, 2}};
        for (int a = 1; a <= paires.size(); ++a)
            texte += QStringLiteral("[Liaison%1]\r\nCe1=%2\r\nCe2=%3\r\nLiaison3D=%1\r\nLiaison2D=1\r\n")
                         .arg(a)
                         .arg(paires[a - 1].x())
                         .arg(paires[a - 1].y());
        std::vector<Transmission> appels;
        FenetreGraphe f(Enregistreur(appels));
        f.fenetre.OuvrirGDL(arbre.ecrireTexte("paralleles.gdl", texte));
        QCOMPARE(dialoguesFactices().textes(), QStringList());
        verifierSymboles(f);
        if (QTest::currentTestFailed())
            return;

        dialoguesFactices().reponsesQuestion = {true};
        f.creerLiaison({2, 1}, 8, 1);
        const QPoint place8 = f.symbole(8)->pos();
        f.action("MenuAnnuler")->trigger();
        QCOMPARE(f.fenetre.Graphe().NbrLiaison(), 7);
        QVERIFY(!f.symbole(8)->isVisible());
        QVERIFY(!f.fenetre.findChild<TFondGraphe *>("ImageFond")->LienDe(8)); // nor its link
        f.action("MenuRetablir")->trigger();
        QCOMPARE(f.fenetre.Graphe().NbrLiaison(), 8);
        QCOMPARE(f.symbole(8)->pos(), place8);
        verifierSymboles(f);
        if (QTest::currentTestFailed())
            return;

        f.fenetre.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f.fenetre));
        f.noeud(1)->setFocus(Qt::TabFocusReason);
        QSet<QWidget *> atteints;
        for (int i = 0; i < 3 + 8; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            atteints << QApplication::focusWidget();
        }
        for (int a = 1; a <= 8; ++a)
            QVERIFY2(atteints.contains(f.symbole(a)), qPrintable(QString::number(a)));

        f.action("MenuSchema")->trigger();
        QCOMPARE(appels.size(), std::size_t(1));
        QVERIFY(LireGdl(arbre.ecrireOctets("transmis.gdl", appels[0].octets)).graphe == f.fenetre.Graphe());
        dialoguesFactices().fichiersAEnregistrer.push_back(arbre.chemin("copie.gdl"));
        f.action("MenuEnregistrerSous")->trigger();
        FenetreGraphe rouvert;
        rouvert.fenetre.OuvrirGDL(arbre.chemin("copie.gdl"));
        QVERIFY(rouvert.fenetre.Graphe() == f.fenetre.Graphe());
        for (int a = 1; a <= 8; ++a)
            QCOMPARE(rouvert.symbole(a)->pos(), f.symbole(a)->pos());
    }

    // Positions far outside any screen are brought back instead of growing the area beyond memory.
    void positionsHorsDeLaZone()
    {
        ArbreMecanismes arbre;
        EcrireCatalogueTest(arbre);
        EcrireMecanismeGraphe(arbre, "meca", 2);
        const QString chemin = arbre.ecrireTexte(
            "loin.gdl", "[MECANISME]\r\nMecanisme=meca\r\nNbrCe=2\r\n[Ce1]\r\nCouleur=clRed\r\nLeft=2147483600\r\n"
                        "Top=-2147483600\r\n[Ce2]\r\nCouleur=clBlue\r\nLeft=30\r\nTop=3000\r\n");
        FenetreGraphe f;
        f.fenetre.OuvrirGDL(chemin);
        QCOMPARE(dialoguesFactices().textes(), QStringList());
        QCOMPARE(f.noeud(1)->pos(), QPoint(4000, 0));
        QCOMPARE(f.noeud(2)->pos(), QPoint(30, 3000));
        QVERIFY(f.fenetre.findChild<QWidget *>("ImageFond")->width() <= 4200);
    }

    void nouveau()
    {
        ArbreMecanismes arbre;
        EcrireCatalogueTest(arbre);
        EcrireSansMecanisme(arbre);
        FenetreGraphe f;
        for (const char *refuse : {"1", "10"}) {
            dialoguesFactices().reponsesSaisie.push_back(QString::fromLatin1(refuse));
            f.fenetre.MenuNouveauClick();
        }
        dialoguesFactices().reponsesSaisie.push_back(QStringLiteral("abc"));
        f.fenetre.MenuNouveauClick();
        f.fenetre.MenuNouveauClick(); // cancelled
        const QString limite = QStringLiteral("On ne peut pas avoir qu'entre 2 et 9 classes d'équivalence.");
        QCOMPARE(dialoguesFactices().textes(), (QStringList{limite, limite}));
        QCOMPARE(dialoguesFactices().boites.front().titre, QStringLiteral("Boîte de saisie"));
        QCOMPARE(dialoguesFactices().boites.front().texte,
                 QStringLiteral("Combien de classes d'équivalence y a t'il ?"));
        QCOMPARE(f.fenetre.Graphe().NbrCe(), 0);

        dialoguesFactices().reponsesSaisie.push_back(QStringLiteral("4"));
        f.fenetre.MenuNouveauClick();
        QCOMPARE(f.fenetre.Graphe().NbrCe(), 4);
        QCOMPARE(f.fenetre.Graphe().DossierExercice, arbre.chemin("sansmecanisme/graphe_des_liaisons/"));
        verifierRangee(f, 4);
    }

    void sansGrapheOuvert()
    {
        ArbreMecanismes arbre;
        EcrireCatalogueTest(arbre);
        std::vector<Transmission> appels;
        FenetreGraphe f(Enregistreur(appels));
        f.action("MenuSchema")->trigger();
        f.action("MenuPdf")->trigger();
        f.action("MenuEnregistrer")->trigger();
        const QString refus = QStringLiteral("Ouvrez ou créez d'abord un graphe des liaisons.");
        QCOMPARE(dialoguesFactices().textes(),
                 (QStringList{refus, refus, "Aucun graphe des liaisons n'est ouvert : il n'y a rien à enregistrer."}));
        QVERIFY(appels.empty());
        QVERIFY(bureauFactice().documents.empty());
        // No save dialog was shown for a graph that could not be saved.
        for (const auto &boite : dialoguesFactices().boites)
            QVERIFY(boite.genre != u"Enregistrer");
    }

    void pdf()
    {
        ArbreMecanismes arbre;
        EcrireCatalogueTest(arbre);
        FenetreGraphe f;
        f.fenetre.OuvrirSCH(EcrireMecanismeGraphe(arbre, "meca", 2));
        const QString pdf = arbre.ecrireOctets("meca/graphe_des_liaisons/Plan.PDF", "%PDF");
        bureauFactice().documents.clear();
        f.action("MenuPdf")->trigger();
        QCOMPARE(bureauFactice().documents.size(), std::size_t(1));
        QCOMPARE(bureauFactice().documents.front().chemin, pdf);
        QVERIFY(bureauFactice().documents.front().etat == EtatFenetre::Maximisee);
        QCOMPARE(dialoguesFactices().textes(), QStringList());
        bureauFactice().sansProgramme = true;
        f.action("MenuPdf")->trigger();
        bureauFactice().sansProgramme = false;
        QCOMPARE(dialoguesFactices().textes(),
                 QStringList{"Ce bureau n'a aucun programme pour ouvrir le fichier \"Plan.PDF\"."});
        dialoguesFactices().oublier();
        QFile::remove(pdf);
        f.action("MenuPdf")->trigger();
        QCOMPARE(dialoguesFactices().textes(), QStringList{"Impossible d'ouvrir le fichier \"plan.pdf\"."});
    }

    void transmissionAuSchema()
    {
        ArbreMecanismes arbre;
        EcrireCatalogueTest(arbre);
        std::vector<Transmission> appels;
        FenetreGraphe f(Enregistreur(appels));
        f.fenetre.OuvrirSCH(EcrireMecanismeGraphe(arbre, "meca", 2));
        f.colorer({0x000000FFu, 0x0000FF00u});
        f.creerLiaison({1, 2}, 3, 1);
        f.action("MenuSchema")->trigger();
        QCOMPARE(appels.size(), std::size_t(1));
        const QString attendu = arbre.chemin("meca/graphe_des_liaisons/sauvegarde automatique.gdl");
        QCOMPARE(appels[0].chemin, attendu);
        QVERIFY(appels[0].existait);
        QVERIFY(appels[0].octets.contains("Mecanisme=meca"));
        QVERIFY(appels[0].octets.contains("[Liaison1]\r\nCe1=2\r\nCe2=1\r\nLiaison3D=3\r\nLiaison2D=1"));
        QVERIFY(!QFile::exists(attendu));
        QCOMPARE(f.fenetre.Graphe().NbrLiaison(), 1);
    }

    // An installation the student cannot write into: the graph goes through a private temporary
    // file that names the mechanism, and nothing is left anywhere.
    void transmissionDepuisUnDossierEnLectureSeule()
    {
        ArbreMecanismes arbre;
        EcrireCatalogueTest(arbre);
        const QString descripteur = EcrireMecanismeGraphe(arbre, "meca", 2);
        const QString dossier = arbre.chemin("meca/graphe_des_liaisons");
        OuvrirAuxAutres(arbre.dossier());
        QVERIFY(QFile::setPermissions(dossier, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther |
                                                   QFile::ReadGroup | QFile::ExeGroup));
        const int code = ExecuterSansRoot([&] {
            std::vector<Transmission> appels;
            FenetreGraphe f(Enregistreur(appels));
            f.fenetre.OuvrirSCH(descripteur);
            f.action("MenuSchema")->trigger();
            if (!dialoguesFactices().textes().isEmpty() || appels.size() != 1)
                return 1;
            if (!appels[0].existait || appels[0].chemin.startsWith(arbre.dossier()))
                return 2;
            if (!appels[0].octets.contains("Mecanisme=meca\r\n"))
                return 3;
            if (QFile::exists(appels[0].chemin) || QFileInfo::exists(QFileInfo(appels[0].chemin).absolutePath()))
                return 4;
            return 0;
        });
        QFile::setPermissions(dossier, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(code, 0);
        QCOMPARE(QDir(dossier).entryList(QDir::Files).size(), 3);
    }

    void modeLibreDeBoutEnBout()
    {
        ArbreMecanismes arbre;
        EcrireCatalogueTest(arbre);
        EcrireSansMecanisme(arbre);
        bureauFactice().dossierDocuments = arbre.chemin("Documents");
        std::vector<Transmission> appels;
        FenetreGraphe f(Enregistreur(appels));
        dialoguesFactices().reponsesSaisie.push_back(QStringLiteral("3"));
        f.fenetre.MenuNouveauClick();
        f.colorer({0x000000FFu, 0x0000FF00u, 0x00FF0000u});
        f.creerLiaison({1, 2}, 2, 1);
        f.creerLiaison({2, 3}, 5, 3);
        f.action("MenuSchema")->trigger();
        QCOMPARE(appels.size(), std::size_t(1));
        QVERIFY(appels[0].octets.startsWith("[MECANISME]\r\nMecanisme=sansmecanisme\r\nNbrCe=3\r\nNbrLiaison=2"));
        QVERIFY(!QFile::exists(appels[0].chemin));

        const QString chemin = arbre.chemin("Documents/libre.gdl");
        dialoguesFactices().fichiersAEnregistrer.push_back(chemin);
        f.action("MenuEnregistrer")->trigger();
        FenetreGraphe autre;
        autre.fenetre.OuvrirGDL(chemin);
        QCOMPARE(dialoguesFactices().textes(), QStringList());
        QCOMPARE(autre.fenetre.Graphe(), f.fenetre.Graphe());
        QCOMPARE(autre.fenetre.Graphe().DossierExercice, arbre.chemin("sansmecanisme/graphe_des_liaisons/"));
    }
};

VELKORA_TEST(TestOuvertureGraphe)
#include "TestOuvertureGraphe.moc"
