#include "MecanismeGraphe.h"
#include "joint_graph/GeometrieLien.h"
#include "joint_graph/TImageMouse.h"
#include "support/Enregistrement.h"
#include "support/Factices.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSlider>
#include <QtTest>

// Working on a graph in the window: the class nodes, the joint editor, the hyperstatism and undo.
class TestEditionGraphe : public QObject {
    Q_OBJECT

    static constexpr TColor Rouge = 0x000000FFu;
    static constexpr TColor Vert = 0x0000FF00u;
    static constexpr TColor Bleu = 0x00FF0000u;
    static constexpr TColor Jaune = 0x0000FFFFu;

    std::unique_ptr<ArbreMecanismes> arbre;
    QString descripteur;

    // A window on the 4-class mechanism (nodes 100 × 60 at left 8, 116, 224, 332), coloured.
    void ouvrir(FenetreGraphe &f, bool colorer = true)
    {
        f.fenetre.OuvrirSCH(descripteur);
        if (colorer)
            f.colorer({Rouge, Vert, Bleu, Jaune});
        dialoguesFactices().oublier();
    }

    static QList<int> boutonsActifs(const FenetreGraphe &f)
    {
        QList<int> actifs;
        for (const char *nom : {"BoutonCreer", "BoutonEditer", "BoutonDetruire", "BoutonHyperstatisme", "BoutonBati"})
            actifs << (f.bouton(nom)->isEnabled() ? 1 : 0);
        return actifs;
    }

    static QPoint centre(QWidget *w) { return w->geometry().center(); }

private slots:
    void initTestCase()
    {
        arbre = std::make_unique<ArbreMecanismes>();
        EcrireCatalogueTest(*arbre);
        descripteur = EcrireMecanismeGraphe(*arbre, "meca", 4);
    }
    void cleanupTestCase() { arbre.reset(); }
    void init() { dialoguesFactices().oublier(); }

    void couleurDemandeeJusquAUnChoixValable()
    {
        FenetreGraphe f;
        ouvrir(f, false);
        f.colorer({Rouge});
        // A cancel leaves the class without colour and the window as it was.
        auto &couleurs = dialoguesFactices().reponsesCouleur;
        couleurs = {std::nullopt, Vert};
        f.cliquer(f.noeud(2));
        QCOMPARE(couleurs.size(), std::size_t(1));
        QCOMPARE(f.fenetre.Graphe().Ce(2).Couleur, clWhite);
        couleurs.clear();
        // White and the colour of class 1 are refused, each saying why; the dialog comes back each time.
        couleurs = {clWhite, Rouge, Vert};
        f.cliquer(f.noeud(2));
        QCOMPARE(couleurs.size(), std::size_t(0));
        QCOMPARE(dialoguesFactices().textes().size(), 2);
        QCOMPARE(f.fenetre.Graphe().Ce(2).Couleur, Vert);
        QCOMPARE(f.noeud(2)->Image().pixelColor(9, 9), QColor(0, 255, 0));
        QCOMPARE(f.noeud(2)->Image().pixelColor(10, 10), QColor(Qt::white));
        QCOMPARE(f.noeud(2)->accessibleDescription(), QStringLiteral("Couleur rouge 0, vert 255, bleu 0"));
        // Once coloured, a press starts a drag and asks nothing.
        dialoguesFactices().oublier();
        f.cliquer(f.noeud(2));
        QVERIFY(dialoguesFactices().boites.empty());
    }

    void deplacementAuCoinEtLiensSuivis()
    {
        FenetreGraphe f;
        ouvrir(f);
        // Node 2 goes down, out of the way between nodes 1 and 3.
        f.appuyer(f.noeud(2), {10, 10});
        f.deplacer(f.noeud(2), {10, 210});
        f.relacher(f.noeud(2), {10, 10});
        f.creerLiaison({1, 3}, 3, 1);
        TImageMouse *noeud = f.noeud(3);
        const QPoint origine = noeud->pos();
        const QPoint avant = f.symbole(1)->geometry().center();
        // Node 1 at left 8 and node 3 further right: the red half of the link (class 1) runs in between.
        const auto ancienLien = CalculerLien(f.noeud(1)->geometry(), noeud->geometry());
        const QPoint surLAncienLien = (ancienLien->sortie + ancienLien->milieu) / 2;
        QCOMPARE(f.pixelGraphe(surLAncienLien), QColor(255, 0, 0));
        f.appuyer(noeud, {10, 10});
        f.deplacer(noeud, {10 + 40, 10 + 100});
        QCOMPARE(noeud->pos(), origine + QPoint(40, 100));
        // The link follows while the node moves, and leaves its old place without a trail.
        QVERIFY(f.symbole(1)->geometry().center() != avant);
        QCOMPARE(f.pixelGraphe(surLAncienLien), CouleurVersQColor(clBtnFace));
        f.deplacer(noeud, {10 - 400, 10 - 300});
        QCOMPARE(noeud->pos(), origine + QPoint(40 - 400, 100 - 300));
        f.relacher(noeud, {10, 10});
        QCOMPARE(noeud->pos(), QPoint(0, 0));
        QCOMPARE(f.fenetre.Graphe().Ce(3).Position, QPoint(0, 0));
        // Node 1 at (8, 8) and node 3 at (0, 0), both 100 × 60: the symbol sits on the link's middle.
        const auto lien = CalculerLien(f.noeud(1)->geometry(), noeud->geometry());
        QVERIFY(lien);
        QCOMPARE(f.symbole(1)->geometry().center(), lien->milieu);
    }

    void texteDeSurvol()
    {
        FenetreGraphe f;
        ouvrir(f);
        auto *pastille = f.fenetre.findChild<QWidget *>("PanelStatusBar");
        f.entrer(f.noeud(1));
        QCOMPARE(f.statut(), QStringLiteral("Classe d'équivalence 1 : Pièce 1"));
        QCOMPARE(pastille->palette().color(QPalette::Window), QColor(255, 0, 0));
        f.sortir(f.noeud(1));
        QCOMPARE(f.statut(), QString());
        f.entrer(f.noeud(2));
        QCOMPARE(f.statut(), QStringLiteral("Classe d'équivalence 2"));
        QCOMPARE(pastille->palette().color(QPalette::Window), QColor(0, 255, 0));
        f.sortir(f.noeud(2));
        QCOMPARE(pastille->palette().color(QPalette::Window), CouleurVersQColor(clBtnFace));
    }

    void bati()
    {
        FenetreGraphe f;
        ouvrir(f);
        f.bouton("BoutonBati")->click();
        QCOMPARE(boutonsActifs(f), (QList<int>{0, 0, 0, 0, 0}));
        f.cliquer(f.noeud(3));
        QCOMPARE(boutonsActifs(f), (QList<int>{1, 1, 1, 1, 1}));
        QVERIFY(f.fenetre.Graphe().Ce(3).Bati);
        QCOMPARE(f.noeud(3)->Image().pixelColor(100 - 25 + 12, 60 - 21 + 5), QColor(Qt::black));
        // A second choice moves the frame.
        f.bouton("BoutonBati")->click();
        QVERIFY(!f.fenetre.Graphe().Ce(3).Bati);
        QCOMPARE(f.noeud(3)->Image().pixelColor(100 - 25 + 12, 60 - 21 + 5), QColor(Qt::white));
        f.cliquer(f.noeud(1));
        QVERIFY(f.fenetre.Graphe().Ce(1).Bati);
        QVERIFY(!f.fenetre.Graphe().Ce(3).Bati);
        QCOMPARE(f.noeud(1)->accessibleDescription(), QStringLiteral("Couleur rouge 255, vert 0, bleu 0, bâti"));
    }

    void classesChoisiesDansLOrdre()
    {
        FenetreGraphe f;
        ouvrir(f);
        f.bouton("BoutonCreer")->click();
        QCOMPARE(f.fenetre.EtatEdition(), TFormGrapheDesLiaisons::Etat::EditionLiaison);
        QVERIFY(f.panelLiaison()->isVisible());
        QCOMPARE(boutonsActifs(f), (QList<int>{0, 0, 0, 0, 0}));
        const auto paire = [&f] { return QPair(f.fenetre.Graphe().Liaison(1).Ce1, f.fenetre.Graphe().Liaison(1).Ce2); };
        f.cliquer(f.noeud(1));
        QCOMPARE(paire(), QPair(1, 0));
        f.cliquer(f.noeud(2));
        QCOMPARE(paire(), QPair(2, 1));
        f.cliquer(f.noeud(1)); // would only swap the pair: refused without a word
        QCOMPARE(paire(), QPair(2, 1));
        f.cliquer(f.noeud(2)); // already the first class
        QCOMPARE(paire(), QPair(2, 1));
        f.cliquer(f.noeud(3));
        QCOMPARE(paire(), QPair(3, 2));
        QCOMPARE(dialoguesFactices().textes(), QStringList());
        auto *ce1 = f.fenetre.findChild<QLabel *>("LabelCe1");
        QCOMPARE(ce1->text(), QStringLiteral("3"));
        QCOMPARE(ce1->palette().color(QPalette::WindowText), QColor(0, 0, 255));

        // A link with no standard joint is drawn without a symbol.
        QVERIFY(!f.symbole(1)->isVisible());
        const auto lien = CalculerLien(f.noeud(3)->geometry(), f.noeud(2)->geometry());
        const QPoint premiereMoitie = (lien->sortie + lien->milieu) / 2;
        const QPoint secondeMoitie = (lien->entree + lien->milieu) / 2;
        QCOMPARE(f.pixelGraphe(premiereMoitie), QColor(0, 0, 255));
        QCOMPARE(f.pixelGraphe(secondeMoitie), QColor(0, 255, 0));

        f.bouton("BoutonPermuter")->click();
        QCOMPARE(paire(), QPair(2, 3));
        // Each half keeps the colour of the node it leaves from.
        QCOMPARE(f.pixelGraphe(premiereMoitie), QColor(0, 0, 255));
        QCOMPARE(f.pixelGraphe(secondeMoitie), QColor(0, 255, 0));
        QCOMPARE(ce1->text(), QStringLiteral("2"));
    }

    void classeSansCouleurPendantLEdition()
    {
        FenetreGraphe f;
        ouvrir(f, false);
        f.bouton("BoutonCreer")->click();
        dialoguesFactices().reponsesCouleur.push_back(Rouge);
        f.cliquer(f.noeud(3));
        QCOMPARE(f.fenetre.Graphe().Ce(3).Couleur, Rouge);
        // The colour first, then the class becomes the joint's first class, once.
        QCOMPARE(f.fenetre.Graphe().Liaison(1).Ce1, 3);
        QCOMPARE(f.fenetre.Graphe().Liaison(1).Ce2, 0);
    }

    void typeVueEtRotation()
    {
        FenetreGraphe f;
        ouvrir(f);
        f.bouton("BoutonCreer")->click();
        f.cliquer(f.noeud(1));
        f.cliquer(f.noeud(2));
        f.cliquer(f.imageLiaison2D(2)); // no standard joint yet: nothing
        QCOMPARE(f.fenetre.Graphe().Liaison(1).Liaison2D, 0);
        auto *barre = f.fenetre.findChild<QSlider *>("TrackBarInclineaison");
        auto *angle = f.fenetre.findChild<QLabel *>("LabelInclineaison");
        f.cliquer(f.imageLiaison3d(5));
        QVERIFY(f.symbole(1)->isVisible());
        QCOMPARE(f.symbole(1)->accessibleName(), QStringLiteral("Liaison 1 : classes 2 et 1"));
        QCOMPARE(f.imageLiaison3d(5)->accessibleDescription(), QStringLiteral("Choisie"));
        // The picture of the chosen joint is opaque, the others let the panel show through.
        QVERIFY(f.imageLiaison3d(5)->pixmap().mask().isNull());
        QVERIFY(!f.imageLiaison3d(4)->pixmap().mask().isNull());
        barre->setValue(45); // a joint in space does not turn
        QCOMPARE(f.fenetre.Graphe().Liaison(1).Inclineaison, 0);
        QCOMPARE(angle->text(), QStringLiteral("0°"));
        f.cliquer(f.imageLiaison2D(3));
        barre->setValue(-90);
        QCOMPARE(f.fenetre.Graphe().Liaison(1), (TLiaison{2, 1, 5, 3, -90}));
        QCOMPARE(angle->text(), QStringLiteral("-90°"));
        // Class 2 (green) is the first class: turned a quarter turn clockwise on the screen, its
        // half of the test symbol lies on top.
        QCOMPARE(f.symbole(1)->Image().pixelColor(10, 4), QColor(0, 255, 0));
        QCOMPARE(f.symbole(1)->Image().pixelColor(10, 16), QColor(255, 0, 0));
        // Another standard joint clears the view and the rotation.
        f.cliquer(f.imageLiaison3d(6));
        QCOMPARE(f.fenetre.Graphe().Liaison(1), (TLiaison{2, 1, 6, 0, 0}));
        QCOMPARE(barre->value(), 0);
    }

    void fermerLePanneau()
    {
        FenetreGraphe f;
        ouvrir(f);
        // Only one class: the joint is destroyed.
        f.creerLiaison({1, 1}, 0, 0);
        QCOMPARE(dialoguesFactices().boites.back().genre, QStringLiteral("BoiteErreur"));
        QCOMPARE(dialoguesFactices().textes(),
                 QStringList{"Votre liaison n'est pas correctement définie.\nLa liaison va etre supprimée !"});
        QCOMPARE(f.fenetre.Graphe().NbrLiaison(), 0);
        dialoguesFactices().oublier();
        // Without a plane view: kept, with a warning.
        f.creerLiaison({1, 2}, 4, 0);
        QCOMPARE(dialoguesFactices().textes(),
                 QStringList{"Votre liaison n'est pas entièrement définie.\nLa liaison devra être complétée !"});
        QCOMPARE(f.fenetre.Graphe().NbrLiaison(), 1);
        dialoguesFactices().oublier();
        f.creerLiaison({1, 3}, 4, 1);
        QCOMPARE(dialoguesFactices().textes(), QStringList());
        QCOMPARE(f.fenetre.EtatEdition(), TFormGrapheDesLiaisons::Etat::Normal);
        QVERIFY(!f.panelLiaison()->isVisible());
        QCOMPARE(boutonsActifs(f), (QList<int>{1, 1, 1, 1, 1}));
    }

    // A pair another joint already joins: the student is asked whether to put a joint in parallel,
    // « Non » being the answer of Entrée and Échap; re-clicking the joint's own pair only swaps it
    // and stays refused without a word.
    void pairesEnDouble_data()
    {
        QTest::addColumn<QList<int>>("clics");
        QTest::addColumn<bool>("oui");
        QTest::addColumn<TLiaison>("attendue");
        QTest::newRow("Non") << QList<int>{2, 1} << false << TLiaison{2, 0, 0, 0, 0};
        QTest::newRow("Oui") << QList<int>{2, 1} << true << TLiaison{1, 2, 0, 0, 0};
        QTest::newRow("Oui, puis sa propre paire") << QList<int>{2, 1, 2} << true << TLiaison{1, 2, 0, 0, 0};
    }
    void pairesEnDouble()
    {
        QFETCH(QList<int>, clics);
        QFETCH(bool, oui);
        QFETCH(TLiaison, attendue);
        FenetreGraphe f;
        ouvrir(f);
        f.creerLiaison({1, 2}, 4, 1);
        f.creerLiaison({2, 3}, 4, 1);
        f.bouton("BoutonCreer")->click();
        dialoguesFactices().reponsesQuestion = {oui, oui};
        for (const int ce : clics)
            f.cliquer(f.noeud(ce)); // 2 then 1: the pair of joint 1, in the other order
        QCOMPARE(f.fenetre.Graphe().Liaison(3), attendue);
        const auto &boites = dialoguesFactices().boites;
        QCOMPARE(boites.size(), std::size_t(1));
        QCOMPARE(boites[0].genre, QStringLiteral("Question"));
        QCOMPARE(boites[0].titre, QStringLiteral("Confirmation"));
        QCOMPARE(boites[0].texte, QStringLiteral("Une liaison existe déjà entre ces deux classes d'équivalence.\n\n"
                                                 "Pour un schéma cinématique minimale, il est donc impossible de "
                                                 "créer cette nouvelle liaison.\n\n"
                                                 "Voulez-vous tout de même créer une liaison en parallèle ?"));
        QCOMPARE(boites[0].parDefaut, BoutonParDefaut::Non);
    }

    void vingtLiaisonsAuPlus()
    {
        // A graph of 20 joints read from a file, all whole.
        QString texte = "[MECANISME]\r\nMecanisme=meca\r\nNbrCe=9\r\nNbrLiaison=20\r\n";
        const QStringList couleurs{"clRed",     "clLime", "clBlue",   "clYellow", "clAqua",
                                   "clFuchsia", "clGray", "clMaroon", "clNavy"};
        for (int n = 1; n <= 9; ++n) {
            texte += QStringLiteral("[Ce%1]\r\nCouleur=%2\r\nLeft=%3\r\nTop=%4\r\n")
                         .arg(n)
                         .arg(couleurs[n - 1])
                         .arg(8 + 120 * ((n - 1) % 3))
                         .arg(8 + 100 * ((n - 1) / 3));
            arbre->ecrireBmp(QStringLiteral("meca/graphe_des_liaisons/%1.bmp").arg(n), ImageUnie(100, 60, Qt::white));
        }
        int i = 0;
        for (int a = 1; a <= 9 && i < 20; ++a)
            for (int b = a + 1; b <= 9 && i < 20; ++b)
                texte += QStringLiteral("[Liaison%1]\r\nCe1=%2\r\nCe2=%3\r\nLiaison3D=1\r\nLiaison2D=1\r\n")
                             .arg(++i)
                             .arg(a)
                             .arg(b);
        const QString chemin = arbre->ecrireTexte("vingt.gdl", texte);
        FenetreGraphe f;
        f.fenetre.OuvrirGDL(chemin);
        QCOMPARE(dialoguesFactices().textes(), QStringList());
        QCOMPARE(f.fenetre.Graphe().NbrLiaison(), 20);
        f.bouton("BoutonCreer")->click();
        QCOMPARE(dialoguesFactices().textes(), QStringList{"On ne peut pas créer plus de 20 liaisons."});
        QCOMPARE(f.fenetre.Graphe().NbrLiaison(), 20);
        QCOMPARE(f.fenetre.EtatEdition(), TFormGrapheDesLiaisons::Etat::Normal);
        for (int a = 1; a <= 20; ++a)
            QVERIFY(f.symbole(a)->isVisible());
    }

    void editerEtDetruire()
    {
        FenetreGraphe f;
        ouvrir(f);
        // With no joint, both buttons change nothing.
        f.bouton("BoutonEditer")->click();
        f.bouton("BoutonDetruire")->click();
        QCOMPARE(boutonsActifs(f), (QList<int>{1, 1, 1, 1, 1}));

        f.creerLiaison({1, 2}, 1, 1);
        f.creerLiaison({2, 3}, 2, 1);
        f.creerLiaison({3, 4}, 3, 1);
        f.creerLiaison({4, 1}, 4, 1);
        f.bouton("BoutonEditer")->click();
        QCOMPARE(f.fenetre.EtatEdition(), TFormGrapheDesLiaisons::Etat::ChoixLiaisonAEditer);
        f.cliquer(f.symbole(3));
        QCOMPARE(f.fenetre.LiaisonEditee(), 3);
        QCOMPARE(f.fenetre.findChild<QLabel *>("LabelLiaison")->text(), QStringLiteral("3"));
        f.bouton("BoutonFermer")->click();

        f.bouton("BoutonDetruire")->click();
        f.cliquer(f.symbole(2));
        QCOMPARE(f.fenetre.Graphe().NbrLiaison(), 3);
        QCOMPARE(f.fenetre.Graphe().Liaison(1), (TLiaison{2, 1, 1, 1, 0}));
        QCOMPARE(f.fenetre.Graphe().Liaison(2), (TLiaison{4, 3, 3, 1, 0}));
        QCOMPARE(f.fenetre.Graphe().Liaison(3), (TLiaison{1, 4, 4, 1, 0}));
        QCOMPARE(f.fenetre.Graphe().Liaison(4), TLiaison{});
        QVERIFY(!f.symbole(4)->isVisible());
        for (int a = 1; a <= 3; ++a) {
            const TLiaison &l = f.fenetre.Graphe().Liaison(a);
            const auto lien = CalculerLien(f.noeud(l.Ce1)->geometry(), f.noeud(l.Ce2)->geometry());
            QCOMPARE(f.symbole(a)->geometry().center(), lien->milieu);
            QCOMPARE(f.symbole(a)->Image().pixel(20, 0), SymboleTest(l.Liaison3D, 1).pixel(20, 0));
        }
        QCOMPARE(boutonsActifs(f), (QList<int>{1, 1, 1, 1, 1}));
        // Escape leaves a choice of joint.
        f.bouton("BoutonDetruire")->click();
        QTest::keyClick(&f.fenetre, Qt::Key_Escape);
        QCOMPARE(f.fenetre.EtatEdition(), TFormGrapheDesLiaisons::Etat::Normal);
        f.cliquer(f.symbole(1));
        QCOMPARE(f.fenetre.Graphe().NbrLiaison(), 3);
    }

    void aide()
    {
        FenetreGraphe f;
        ouvrir(f);
        f.bouton("BoutonCreer")->click();
        bureauFactice().programmes.clear();
        f.bouton("BoutonAide")->click();
        QCOMPARE(bureauFactice().programmes, QStringList{arbre->chemin("Ostrial/Ostrial.exe")});
        QCOMPARE(dialoguesFactices().textes(), QStringList());
    }

    void hyperstatismeDansLaFenetre()
    {
        FenetreGraphe f;
        ouvrir(f);
        f.bouton("BoutonHyperstatisme")->click();
        QCOMPARE(dialoguesFactices().textes(),
                 QStringList{"Il n'y a pas de liaison.\n\nOn ne peut pas calculer l'hyperstatisme."});
        QCOMPARE(dialoguesFactices().boites.size(), std::size_t(1));

        f.bouton("BoutonBati")->click();
        f.cliquer(f.noeud(1));
        f.creerLiaison({1, 2}, 7, 0);
        f.creerLiaison({2, 3}, 8, 0);
        dialoguesFactices().oublier();
        dialoguesFactices().reponsesSaisie = {QStringLiteral("abc"), std::nullopt, QStringLiteral("2")};
        f.bouton("BoutonHyperstatisme")->click();
        const auto &boites = dialoguesFactices().boites;
        QCOMPARE(boites.size(), std::size_t(4));
        QCOMPARE(boites[0].titre, QStringLiteral("Mobilité externe"));
        QCOMPARE(boites[0].texte, QStringLiteral("Combien y-a-t-il de mobilité externe ?"));
        QCOMPARE(boites[1].titre, QStringLiteral("Mobilité externe"));
        QCOMPARE(boites[2].titre, QStringLiteral("Mobilité interne"));
        QCOMPARE(boites[3].texte, QStringLiteral("Hyperstatisme spatiale :\n"
                                                 "Aucune liaison n'a de vue plane : l'étude est faite dans l'espace.\n"
                                                 "h = me + mi + is - 6*n\n\n"
                                                 "me = 1\nmi = 2\nis = 15\nn = 2\n\nh = 6\n\n"
                                                 "Le système est hyperstatique d'ordre 6."));
        // The frame not joined: its notice comes first, and every class with a joint counts.
        f.bouton("BoutonBati")->click();
        f.cliquer(f.noeud(4));
        dialoguesFactices().oublier();
        dialoguesFactices().reponsesSaisie = {QStringLiteral("1"), QStringLiteral("-1")};
        f.bouton("BoutonHyperstatisme")->click();
        QCOMPARE(dialoguesFactices().textes().size(), 2);
        QVERIFY(dialoguesFactices().textes()[0].startsWith("Vous n'avez pas défini de bâti"));
        QVERIFY(dialoguesFactices().textes()[1].contains("mi = -1\nis = 15\nn = 3\n\nh = -3\n"));
    }

    void annulerEtRetablir()
    {
        FenetreGraphe f;
        ouvrir(f, false);
        QAction *annuler = f.action("MenuAnnuler");
        QAction *retablir = f.action("MenuRetablir");
        QVERIFY(!annuler->isEnabled());

        QList<GrapheLiaisons> etats{f.fenetre.Graphe()};
        const auto etape = [&] { etats << f.fenetre.Graphe(); };
        f.colorer({Rouge});
        etape();
        f.appuyer(f.noeud(1), {5, 5});
        f.deplacer(f.noeud(1), {5, 205});
        f.relacher(f.noeud(1), {5, 5});
        etape();
        f.colorer({Rouge, Vert});
        etape();
        f.bouton("BoutonBati")->click();
        f.cliquer(f.noeud(2));
        etape();
        // A joint, from "Créer liaison" to "Fermer", is one step.
        f.bouton("BoutonCreer")->click();
        f.cliquer(f.noeud(1));
        f.cliquer(f.noeud(2));
        f.cliquer(f.imageLiaison3d(4));
        f.cliquer(f.imageLiaison2D(1));
        f.fenetre.findChild<QSlider *>("TrackBarInclineaison")->setValue(60);
        f.bouton("BoutonPermuter")->click();
        QVERIFY(!retablir->isEnabled());
        f.bouton("BoutonFermer")->click();
        etape();
        // A joint that "Fermer" destroys leaves no step.
        f.creerLiaison({1}, 3, 0);
        QCOMPARE(f.fenetre.Graphe(), etats.last());
        f.bouton("BoutonDetruire")->click();
        f.cliquer(f.symbole(1));
        etape();
        QCOMPARE(etats.size(), 7);
        QCOMPARE(etats[5].Liaison(1), (TLiaison{1, 2, 4, 1, 60}));

        for (int i = etats.size() - 2; i >= 0; --i) {
            annuler->trigger();
            QCOMPARE(f.fenetre.Graphe(), etats[i]);
        }
        QVERIFY(!annuler->isEnabled());
        QCOMPARE(f.noeud(1)->pos(), QPoint(8, 8));
        QVERIFY(!f.fenetre.Graphe().Ce(2).Bati);
        for (int i = 1; i < etats.size(); ++i) {
            retablir->trigger();
            QCOMPARE(f.fenetre.Graphe(), etats[i]);
        }
        // The screen follows: node 1 back where it was dragged, joint 1 destroyed.
        QCOMPARE(f.noeud(1)->pos(), QPoint(8, 208));
        QVERIFY(!f.symbole(1)->isVisible());
        annuler->trigger();
        QVERIFY(f.symbole(1)->isVisible());
        QCOMPARE(f.symbole(1)->geometry().center(),
                 CalculerLien(f.noeud(1)->geometry(), f.noeud(2)->geometry())->milieu);

        // Undo in the middle of a joint's editing takes the whole joint back and closes the panel.
        f.bouton("BoutonCreer")->click();
        dialoguesFactices().reponsesCouleur.push_back(Bleu);
        f.cliquer(f.noeud(3));
        f.cliquer(f.noeud(1));
        f.cliquer(f.imageLiaison3d(2));
        annuler->trigger();
        QCOMPARE(f.fenetre.Graphe(), etats[5]);
        QCOMPARE(f.fenetre.EtatEdition(), TFormGrapheDesLiaisons::Etat::Normal);
        QVERIFY(!f.panelLiaison()->isVisible());
        QCOMPARE(boutonsActifs(f), (QList<int>{1, 1, 1, 1, 1}));
    }

    // Opening a graph ends whatever was under way on the one before, and its history: nothing
    // done before can be undone after.
    void ouvrirTermineLesChoixEtLHistorique_data()
    {
        QTest::addColumn<QString>("enCours");
        QTest::newRow("choix du bâti") << "BoutonBati";
        QTest::newRow("liaison en édition") << "BoutonCreer";
    }
    void ouvrirTermineLesChoixEtLHistorique()
    {
        QFETCH(QString, enCours);
        FenetreGraphe f;
        ouvrir(f);
        f.creerLiaison({1, 2}, 4, 1);
        f.bouton(qPrintable(enCours))->click();
        f.fenetre.OuvrirSCH(descripteur);
        const GrapheLiaisons ouvert = f.fenetre.Graphe();
        QCOMPARE(f.fenetre.EtatEdition(), TFormGrapheDesLiaisons::Etat::Normal);
        QVERIFY(!f.panelLiaison()->isVisible());
        QCOMPARE(boutonsActifs(f), (QList<int>{1, 1, 1, 1, 1}));
        QVERIFY(!f.action("MenuAnnuler")->isEnabled());
        QVERIFY(!f.action("MenuRetablir")->isEnabled());

        f.colorer({Bleu, Jaune, Rouge});
        f.appuyer(f.noeud(1), {5, 5});
        f.deplacer(f.noeud(1), {5, 205});
        f.relacher(f.noeud(1), {5, 5});
        f.creerLiaison({3, 2}, 5, 2);
        for (int pas = 0; pas < 10 && f.action("MenuAnnuler")->isEnabled(); ++pas)
            f.action("MenuAnnuler")->trigger();
        QVERIFY(!f.action("MenuAnnuler")->isEnabled());
        QCOMPARE(f.fenetre.Graphe(), ouvert);
    }

    void annulerPendantUnChoix()
    {
        FenetreGraphe f;
        ouvrir(f);
        f.bouton("BoutonBati")->click();
        f.cliquer(f.noeud(2));
        f.bouton("BoutonBati")->click();
        // Undo while the frame is being chosen ends the choice only: the frame chosen before stays.
        f.action("MenuAnnuler")->trigger();
        QCOMPARE(f.fenetre.EtatEdition(), TFormGrapheDesLiaisons::Etat::Normal);
        QVERIFY(f.fenetre.Graphe().Ce(2).Bati);
        const QImage noeud = f.noeud(2)->Image();
        QCOMPARE(noeud.pixelColor(noeud.width() - 25 + 12, noeud.height() - 21 + 3), QColor(Qt::black));
        QCOMPARE(boutonsActifs(f), (QList<int>{1, 1, 1, 1, 1}));
        f.action("MenuAnnuler")->trigger();
        QVERIFY(!f.fenetre.Graphe().Ce(2).Bati);
        f.action("MenuRetablir")->trigger();
        QVERIFY(f.fenetre.Graphe().Ce(2).Bati);
    }
};

VELKORA_TEST(TestEditionGraphe)
#include "TestEditionGraphe.moc"
