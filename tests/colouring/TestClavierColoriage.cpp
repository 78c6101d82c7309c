#include "MecanismeColoriage.h"
#include "support/Enregistrement.h"
#include "support/Factices.h"

#include "colouring/TZoom.h"
#include "colouring/VueColoriage.h"

#include <QApplication>
#include <QFrame>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QtTest>

// The colouring window worked from the keyboard alone: Tab, the list's arrows, the drawing's cursor,
// N, Espace, the scroll keys, and the loupe that follows the cursor.
class TestClavierColoriage : public QObject {
    Q_OBJECT

    static void touche(Qt::Key cle, Qt::KeyboardModifiers modificateurs = Qt::NoModifier)
    {
        QWidget *cible = QApplication::focusWidget();
        QVERIFY(cible);
        QTest::keyClick(cible, cle, modificateurs);
    }
    static void activer(FenetreColoriage &f)
    {
        f.fenetre.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f.fenetre));
    }

private slots:
    void init() { dialoguesFactices().oublier(); }

    void coloriageEntier()
    {
        ArbreMecanismes arbre;
        FenetreColoriage f;
        f.fenetre.Ouvrir(EcrireColoriage(arbre, "etau", "p", ColoriageSixZones()), "p");
        activer(f);
        for (int i = 0; i < 5 && QApplication::focusWidget() != f.liste; ++i)
            touche(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), f.liste);
        auto *cadre = f.fenetre.findChild<QFrame *>(QStringLiteral("CadrePlan"));
        const QColor surligne = f.fenetre.palette().color(QPalette::Highlight);
        QVERIFY(cadre->grab().toImage().pixelColor(0, 0) != surligne);

        // Part h on zone h, part 5 on zones 5 and 6: the item from the list, then the zones from the drawing.
        const QList<TColor> couleurs{0x000000FF, 0x00008000, 0x00FF0000, 0x0000FFFF, 0x00800080};
        for (int h = 1; h <= 5; ++h) {
            dialoguesFactices().reponsesCouleur = {couleurs[h - 1]};
            touche(Qt::Key_Down);
            QCOMPARE(f.liste->currentRow(), h);
            touche(Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), f.vue);
            if (h == 1)
                QCOMPARE(cadre->grab().toImage().pixelColor(0, 0), surligne);
            for (int z = h; z <= (h == 5 ? 6 : h); ++z) {
                touche(Qt::Key_N);
                QCOMPARE(f.zone->text().section(u' ', 0, 1), QStringLiteral("Zone %1").arg(z));
                touche(Qt::Key_Space);
                QCOMPARE(f.zone->text(), QStringLiteral("Zone %1 : Pièce %2").arg(z).arg(h));
            }
            touche(Qt::Key_Tab, Qt::ShiftModifier);
            QCOMPARE(QApplication::focusWidget(), f.liste);
        }
        touche(Qt::Key_V, Qt::AltModifier);
        QVERIFY(f.derniereNotification());
        QCOMPARE(f.derniereNotification()->Message(),
                 QStringLiteral("Le coloriage est juste.\n\nL'exercice est fini."));
        QCOMPARE(f.pixelVu(CentreZone(6)), QColor(128, 0, 128));
    }

    void curseurDefilementEtLoupe()
    {
        ArbreMecanismes arbre;
        // The six zones at the top left of a sheet far larger than the window.
        ColoriageTest c = ColoriageSixZones();
        for (QImage *image : {&c.plan, &c.trame}) {
            QImage feuille = ImageUnie(2000, 1500, Qt::white);
            QPainter(&feuille).drawImage(0, 0, *image);
            *image = feuille;
        }
        FenetreColoriage f;
        f.fenetre.Ouvrir(EcrireColoriage(arbre, "etau", "p", c), "p");
        activer(f);
        auto *vue = qobject_cast<VueColoriage *>(f.vue);
        const auto *defilement = f.fenetre.findChild<QScrollArea *>(QStringLiteral("ScrollBox"));
        const auto visible = [&] { return vue->visibleRegion().boundingRect(); };
        for (int i = 0; i < 5 && QApplication::focusWidget() != vue; ++i)
            touche(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), vue);
        // The cursor comes where the student looks, and moves by small or large steps.
        QVERIFY(visible().contains(vue->Curseur()));
        QPoint avant = vue->Curseur();
        touche(Qt::Key_Right);
        QCOMPARE(vue->Curseur(), avant + QPoint(VueColoriage::Pas, 0));
        touche(Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(vue->Curseur(), avant + QPoint(VueColoriage::Pas, VueColoriage::PasRapide));

        // The page keys and Ctrl+arrows scroll; the cursor stays on what is shown.
        touche(Qt::Key_PageDown);
        QVERIFY(defilement->verticalScrollBar()->value() > 0);
        QVERIFY(visible().contains(vue->Curseur()));
        touche(Qt::Key_Right, Qt::ControlModifier);
        QVERIFY(defilement->horizontalScrollBar()->value() > 0);
        QVERIFY(visible().contains(vue->Curseur()));

        // Walking the arrows far to the right brings that part of the sheet into view.
        for (int i = 0; i < 40; ++i)
            touche(Qt::Key_Right, Qt::ShiftModifier);
        QVERIFY(visible().contains(vue->Curseur()));
        // Maj+N walks the zones backwards, from the last; the sheet comes back to show it.
        touche(Qt::Key_N, Qt::ShiftModifier);
        QCOMPARE(f.zone->text(), QStringLiteral("Zone 6 : non coloriée"));
        QVERIFY(visible().contains(vue->Curseur()));

        // The loupe looks at the cursor, until the pointer moves.
        bureauFactice().ecran = EcranRepere();
        bureauFactice().pointeur = QPoint(300, 200);
        touche(Qt::Key_Left);
        const QPoint curseur = vue->mapToGlobal(vue->Curseur());
        f.loupe.Zoom->PaintZoom();
        // At "x 4" the view's first pixel shows the screen 25 pixels above and left of what it looks at.
        QCOMPARE(f.loupe.Zoom->Contenu().pixelColor(0, 0), Repere(curseur - QPoint(25, 25)));
        bureauFactice().pointeur = QPoint(301, 200);
        f.loupe.Zoom->PaintZoom();
        QCOMPARE(f.loupe.Zoom->Contenu().pixelColor(0, 0), Repere(QPoint(276, 175)));
    }
};

VELKORA_TEST(TestClavierColoriage)
#include "TestClavierColoriage.moc"
