#include "MecanismeGraphe.h"
#include "joint_graph/TImageMouse.h"
#include "support/Enregistrement.h"
#include "support/Factices.h"

#include <QtTest>

// The joint graph worked with the keyboard alone, and what a screen reader names in it.
class TestClavierGraphe : public QObject {
    Q_OBJECT

    std::unique_ptr<ArbreMecanismes> arbre;
    QString descripteur;

    // Each joint as "Ce1-Ce2:standard joint/view".
    static QString liaisons(const GrapheLiaisons &g)
    {
        QStringList textes;
        for (int a = 1; a <= g.NbrLiaison(); ++a) {
            const TLiaison &l = g.Liaison(a);
            textes << QStringLiteral("%1-%2:%3/%4").arg(l.Ce1).arg(l.Ce2).arg(l.Liaison3D).arg(l.Liaison2D);
        }
        return textes.join(u' ');
    }

    static QString etat(const TFormGrapheDesLiaisons &fenetre)
    {
        switch (fenetre.EtatEdition()) {
        case TFormGrapheDesLiaisons::Etat::Normal: return QStringLiteral("normal");
        case TFormGrapheDesLiaisons::Etat::EditionLiaison:
            return QStringLiteral("édition %1").arg(fenetre.LiaisonEditee());
        default: return QStringLiteral("choix");
        }
    }

private slots:
    void initTestCase()
    {
        arbre = std::make_unique<ArbreMecanismes>();
        EcrireCatalogueTest(*arbre);
        descripteur = EcrireMecanismeGraphe(*arbre, "meca", 4);
    }
    void cleanupTestCase() { arbre.reset(); }

    // From a control given the focus, keys pressed one after the other ("Tab*3" is Tab three times).
    void touches_data()
    {
        QTest::addColumn<QString>("depart");
        QTest::addColumn<QStringList>("touches");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QPoint>("positionCe1");
        QTest::addColumn<QString>("graphe");
        QTest::addColumn<QString>("etat");

        const QPoint origine(8, 8);
        const QString deux = QStringLiteral("2-1:3/1 4-3:3/1");
        QTest::newRow("Tab, les classes")
            << "ImageCe1" << QStringList{"Tab*3"} << "ImageCe4" << origine << deux << "normal";
        QTest::newRow("Tab, puis les liaisons")
            << "ImageCe1" << QStringList{"Tab*5"} << "ImageLiaison2" << origine << deux << "normal";
        QTest::newRow("Tab, puis les boutons")
            << "ImageCe1" << QStringList{"Tab*6"} << "BoutonCreer" << origine << deux << "normal";
        QTest::newRow("Maj+Tab") << "BoutonCreer" << QStringList{"Shift+Tab"} << "ImageLiaison2" << origine << deux
                                 << "normal";
        QTest::newRow("droite") << "ImageCe1" << QStringList{"Right"} << "ImageCe1" << QPoint(9, 8) << deux << "normal";
        QTest::newRow("gauche, haut") << "ImageCe1" << QStringList{"Left", "Up"} << "ImageCe1" << QPoint(7, 7) << deux
                                      << "normal";
        QTest::newRow("Maj+bas") << "ImageCe1" << QStringList{"Shift+Down"} << "ImageCe1" << QPoint(8, 18) << deux
                                 << "normal";
        QTest::newRow("un pas d'annulation par touche") << "ImageCe1" << QStringList{"Right", "Shift+Down", "Ctrl+Z"}
                                                        << "ImageCe1" << QPoint(9, 8) << deux << "normal";
        QTest::newRow("rétablir") << "ImageCe1" << QStringList{"Right", "Ctrl+Z", "Ctrl+Y"} << "ImageCe1"
                                  << QPoint(9, 8) << deux << "normal";
        QTest::newRow("Entrée édite") << "ImageLiaison2" << QStringList{"Return"} << "ImageLiaison2" << origine << deux
                                      << "édition 2";
        QTest::newRow("Entrée puis le panneau") << "ImageLiaison2" << QStringList{"Return", "Tab*2", "Space"}
                                                << "ImageLiaison3d_2" << origine << "2-1:3/1 4-3:2/0"
                                                << "édition 2";
        QTest::newRow("Suppr détruit") << "ImageLiaison1" << QStringList{"Delete"} << "ImageLiaison1" << origine
                                       << "4-3:3/1"
                                       << "normal";
        QTest::newRow("Suppr annulé") << "ImageLiaison1" << QStringList{"Delete", "Ctrl+Z"} << "ImageLiaison1"
                                      << origine << deux << "normal";
        QTest::newRow("Suppr pendant une édition") << "ImageLiaison1" << QStringList{"Return", "Tab", "Delete"}
                                                   << "ImageLiaison2" << origine << deux << "édition 1";
        QTest::newRow("Détruire liaison puis Entrée")
            << "BoutonDetruire" << QStringList{"Space", "Return"} << "ImageLiaison1" << origine << "4-3:3/1"
            << "normal";
        // "Créer liaison", classes 1 and 3, the first standard joint, the first view, "Fermer".
        QTest::newRow("une liaison créée")
            << "BoutonCreer"
            << QStringList{"Space", "Space", "Tab*2", "Space", "Tab*4", "Space", "Tab*13", "Space", "Tab*4", "Space"}
            << "BoutonCreer" << origine << deux + " 3-1:1/1"
            << "normal";
    }
    void touches()
    {
        QFETCH(QString, depart);
        QFETCH(QStringList, touches);
        FenetreGraphe f;
        f.fenetre.OuvrirSCH(descripteur);
        f.colorer({0x000000FFu, 0x0000FF00u, 0x00FF0000u, 0x0000FFFFu});
        f.creerLiaison({1, 2}, 3, 1);
        f.creerLiaison({3, 4}, 3, 1);
        dialoguesFactices().oublier();
        f.fenetre.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f.fenetre));
        f.fenetre.findChild<QWidget *>(depart)->setFocus(Qt::TabFocusReason);

        for (const QString &touche : touches) {
            const QStringList fois = touche.split(u'*');
            const QKeyCombination combinaison = QKeySequence(fois[0])[0];
            for (int i = 0; i < (fois.size() > 1 ? fois[1].toInt() : 1); ++i)
                QTest::keyClick(QApplication::focusWidget(), combinaison.key(), combinaison.keyboardModifiers());
        }

        QWidget *focus = QApplication::focusWidget();
        QVERIFY(focus);
        QTEST(focus->objectName(), "focus");
        QTEST(f.fenetre.Graphe().Ce(1).Position, "positionCe1");
        QTEST(f.noeud(1)->pos(), "positionCe1");
        QTEST(liaisons(f.fenetre.Graphe()), "graphe");
        QTEST(etat(f.fenetre), "etat");
        QVERIFY(dialoguesFactices().boites.empty());
        // The frame is drawn around the focused picture of the graph, and around no other.
        const QColor cadre = f.fenetre.palette().color(QPalette::Highlight);
        for (int i = 1; i <= 4 + f.fenetre.Graphe().NbrLiaison(); ++i) {
            TImageMouse *image = i <= 4 ? f.noeud(i) : f.symbole(i - 4);
            if (image->isVisible())
                QCOMPARE(f.pixelGraphe({image->geometry().center().x(), image->y() - 2}) == cadre, image == focus);
        }
    }

    // A screen reader tells every control from the others.
    void nomsAccessiblesDistincts()
    {
        FenetreGraphe f;
        f.fenetre.OuvrirSCH(descripteur);
        f.colorer({0x000000FFu, 0x0000FF00u});
        f.creerLiaison({1, 2}, 3, 1);
        QHash<QString, QString> noms;
        QStringList doubles;
        for (const QWidget *w : f.fenetre.findChildren<QWidget *>()) {
            const QString nom = w->accessibleName().toLower();
            if (nom.isEmpty())
                continue;
            if (noms.contains(nom))
                doubles << noms[nom] + " / " + w->objectName() + " : " + nom;
            noms.insert(nom, w->objectName());
        }
        QVERIFY2(doubles.isEmpty(), qPrintable(doubles.join(", ")));
    }
};

VELKORA_TEST(TestClavierGraphe)
#include "TestClavierGraphe.moc"
