#include "MecanismeColoriage.h"
#include "colouring/PlacementLoupe.h"
#include "colouring/TZoom.h"
#include "support/Enregistrement.h"
#include "support/Factices.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QGroupBox>
#include <QGuiApplication>
#include <QScreen>
#include <QSignalSpy>
#include <QtTest>

// The loupe reads the screen through the desktop fake, whose screen is EcranRepere.
class TestLoupe : public QObject {
    Q_OBJECT

    static QSize tailleEcran() { return QGuiApplication::primaryScreen()->geometry().size(); }

private slots:
    void init()
    {
        bureauFactice().ecran = EcranRepere();
        // Elsewhere than where the tests put it: the view captures again only when the pointer moves.
        bureauFactice().pointeur = QPoint(1, 1);
    }

    void capture_data()
    {
        QTest::addColumn<QString>("bouton");
        QTest::addColumn<QPoint>("pointeur");
        QTest::addColumn<QPoint>("coinCapture");
        QTest::addColumn<int>("cote");
        QTest::addColumn<QPoint>("croix");
        const QSize ecran = tailleEcran();
        // x 4: 103 × 25 / 100 = 25 on each side of the pointer.
        QTest::newRow("x 4") << "x 4" << QPoint(200, 150) << QPoint(175, 125) << 50 << QPoint(103, 103);
        QTest::newRow("x 3") << "x 3" << QPoint(200, 150) << QPoint(167, 117) << 66 << QPoint(103, 103);
        // At an edge the capture stops at the screen's edge and the crosshair leaves the centre: on
        // the left by (0 - 25 - 1) × 100 / 25 = -104, on the right by (w - 1 + 25 - w + 1) × 100 / 25.
        QTest::newRow("bord gauche") << "x 4" << QPoint(0, 150) << QPoint(0, 125) << 50 << QPoint(-1, 103);
        QTest::newRow("bord droit") << "x 4" << QPoint(ecran.width() - 1, 150) << QPoint(ecran.width() - 50, 125) << 50
                                    << QPoint(203, 103);
        QTest::newRow("bord bas") << "x 4" << QPoint(200, ecran.height() - 1) << QPoint(175, ecran.height() - 50) << 50
                                  << QPoint(103, 203);
        // Half a capture from the edge, the capture just fits: nothing moves.
        QTest::newRow("contre le bord droit")
            << "x 4" << QPoint(ecran.width() - 25, 150) << QPoint(ecran.width() - 50, 125) << 50 << QPoint(103, 103);
        QTest::newRow("contre le bord bas")
            << "x 4" << QPoint(200, ecran.height() - 25) << QPoint(175, ecran.height() - 50) << 50 << QPoint(103, 103);
    }
    void capture()
    {
        QFETCH(QString, bouton);
        QFETCH(QPoint, pointeur);
        QFETCH(QPoint, coinCapture);
        QFETCH(int, cote);
        QFETCH(QPoint, croix);
        TFormZoom loupe;
        loupe.show();
        for (QAbstractButton *b : loupe.Boutons->buttons()) {
            if (b->text() == bouton)
                b->click();
        }
        bureauFactice().pointeur = pointeur;
        loupe.Zoom->PaintZoom();
        const QImage vue = loupe.Zoom->Contenu();
        QCOMPARE(vue.size(), QSize(207, 207));
        // The view's first pixel shows the capture's first one; its last pixel the capture's last.
        QCOMPARE(vue.pixelColor(0, 0), Repere(coinCapture));
        QCOMPARE(vue.pixelColor(206, 206), Repere(coinCapture + QPoint(cote - 1, cote - 1)));
        // The crosshair, the only red of the view: 21-pixel lines crossing at croix, cut by the view's edges.
        for (int y = 0; y < vue.height(); ++y) {
            for (int x = 0; x < vue.width(); ++x) {
                const bool surCroix =
                    (x == croix.x() && qAbs(y - croix.y()) <= 10) || (y == croix.y() && qAbs(x - croix.x()) <= 10);
                if ((vue.pixelColor(x, y) == QColor(255, 0, 0)) != surCroix)
                    QFAIL(qPrintable(QStringLiteral("pixel %1, %2").arg(x).arg(y)));
            }
        }
    }

    void pointeurImmobile()
    {
        TFormZoom loupe;
        loupe.show();
        // The first captures after showing are made even with a still pointer.
        for (int i = 0; i < 6; ++i)
            loupe.Zoom->PaintZoom();
        QSignalSpy captures(loupe.Zoom, &TZoom::ContentsChanged);
        loupe.Zoom->PaintZoom();
        loupe.Zoom->PaintZoom();
        QCOMPARE(captures.size(), 0);
        bureauFactice().pointeur = QPoint(300, 200);
        loupe.Zoom->PaintZoom();
        QCOMPARE(captures.size(), 1);
        loupe.Zoom->resize(100, 100);
        QCOMPARE(captures.size(), 2);
        // Live, on its timer.
        bureauFactice().pointeur = QPoint(310, 200);
        QTRY_COMPARE(captures.size(), 3);
        // Deactivated, it keeps its last picture.
        const QImage derniere = loupe.Zoom->grab().toImage();
        loupe.Zoom->DefinirActive(false);
        bureauFactice().pointeur = QPoint(10, 10);
        QTest::qWait(250);
        QCOMPARE(captures.size(), 3);
        QCOMPARE(loupe.Zoom->grab().toImage(), derniere);
    }

    void captureRefusee()
    {
        bureauFactice().ecran = QImage();
        TFormZoom loupe;
        loupe.show();
        bureauFactice().pointeur = QPoint(400, 300);
        loupe.Zoom->PaintZoom();
        QVERIFY(loupe.Zoom->CaptureRefusee());
        // The view says so in words, white on black, rather than staying black.
        const QImage vue = loupe.Zoom->grab().toImage();
        int blancs = 0;
        for (int y = 0; y < vue.height(); ++y)
            for (int x = 0; x < vue.width(); ++x)
                blancs += qGray(vue.pixel(x, y)) > 200;
        QVERIFY(blancs > 50);
    }

    void coinHautDroit()
    {
        TFormZoom loupe;
        loupe.Montrer(nullptr);
        QVERIFY(loupe.isVisible());
        QCOMPARE(loupe.frameGeometry().right(), QGuiApplication::primaryScreen()->geometry().right());
        QCOMPARE(loupe.frameGeometry().top(), 0);
        QCOMPARE(loupe.height(), 273);
        QVERIFY(loupe.width() >= 225);
        // Every choice of magnification can be read whole.
        QVERIFY(loupe.RadioGroup->width() >= loupe.RadioGroup->sizeHint().width());
        loupe.Cacher();
        QVERIFY(!loupe.isVisible());
        QVERIFY(!(loupe.windowFlags() & Qt::WindowStaysOnTopHint));
    }

    // Where the loupe goes: the screen's top right corner, or under the band of the window it serves.
    void placement_data()
    {
        QTest::addColumn<QRect>("bande");
        QTest::addColumn<QPoint>("coin");
        QTest::newRow("fenêtre maximisée") << QRect(0, 0, 1280, 50) << QPoint(1049, 50);
        QTest::newRow("fenêtre en haut à droite") << QRect(700, 0, 580, 45) << QPoint(1049, 45);
        QTest::newRow("barre de titre sous le coin") << QRect(100, 120, 1000, 40) << QPoint(1049, 160);
        QTest::newRow("fenêtre à gauche") << QRect(0, 0, 600, 50) << QPoint(1049, 0);
        QTest::newRow("fenêtre plus bas que la loupe") << QRect(0, 400, 1280, 50) << QPoint(1049, 0);
    }
    void placement()
    {
        QFETCH(QRect, bande);
        QFETCH(QPoint, coin);
        QCOMPARE(PlacementLoupe(QRect(0, 0, 1280, 1024), QSize(231, 300), bande), coin);
    }

    // In the real window, the loupe leaves the menu bar free.
    void laisseLesMenusLibres()
    {
        dialoguesFactices().oublier();
        ArbreMecanismes arbre;
        FenetreColoriage f;
        f.fenetre.move(QGuiApplication::primaryScreen()->geometry().right() - f.fenetre.frameGeometry().width(), 0);
        f.fenetre.Ouvrir(EcrireColoriage(arbre, "etau", "p", ColoriageSixZones()), "p");
        const QWidget *menus = f.fenetre.menuWidget();
        const auto bande = [&] {
            return QRect(f.fenetre.frameGeometry().topLeft(), menus->mapToGlobal(menus->rect().bottomRight()));
        };
        QVERIFY(f.loupe.isVisible());
        QVERIFY(!f.loupe.frameGeometry().intersects(bande()));
    }

    // The pointer still, a paint under the loupe is seen in it at once.
    void suitLeDessin()
    {
        dialoguesFactices().oublier();
        ArbreMecanismes arbre;
        FenetreColoriage f;
        f.fenetre.Ouvrir(EcrireColoriage(arbre, "etau", "p", ColoriageSixZones()), "p");
        // Once the window is drawn and the first captures made, a still screen is not captured again.
        QSignalSpy captures(f.loupe.Zoom, &TZoom::ContentsChanged);
        QTRY_VERIFY(captures.wait(300) == false);
        captures.clear();
        QTest::qWait(250);
        QCOMPARE(captures.size(), 0);
        dialoguesFactices().reponsesCouleur = {0x000000FF};
        f.choisirItem(1);
        f.cliquer(CentreZone(1));
        QTRY_VERIFY(captures.size() > 0);
    }

    void resteCacheeQuandLaFenetreRevient_data()
    {
        QTest::addColumn<QString>("maniere");
        QTest::newRow("menu") << "menu";
        QTest::newRow("fin de l'exercice") << "fin";
        QTest::newRow("bouton de fermeture") << "fermeture";
    }
    void resteCacheeQuandLaFenetreRevient()
    {
        QFETCH(QString, maniere);
        dialoguesFactices().oublier();
        ArbreMecanismes arbre;
        ColoriageTest c = ColoriageSixZones();
        c.condition = ConditionSixZones({}, 1);
        c.solution = QStringLiteral("[SOLUTIONS]\r\nSolution1=100000\r\n");
        FenetreColoriage f;
        f.fenetre.Ouvrir(EcrireColoriage(arbre, "etau", "p", c), "p");
        QVERIFY(f.loupe.isVisible());
        if (maniere == "menu") {
            f.action("MenuZoom")->trigger();
        } else if (maniere == "fermeture") {
            f.loupe.close();
        } else {
            dialoguesFactices().reponsesCouleur = {0x000000FF};
            f.choisirItem(1);
            f.cliquer(CentreZone(1));
            f.cliquer(PixelBlanc, Qt::RightButton);
        }
        QVERIFY(!f.loupe.isVisible());
        // Minimised and restored; the window system shows the window again as it comes back.
        f.fenetre.setWindowState(Qt::WindowMinimized);
        f.fenetre.setWindowState(Qt::WindowNoState);
        QShowEvent retour;
        QApplication::sendEvent(&f.fenetre, &retour);
        QVERIFY(!f.loupe.isVisible());
        // Asked for, it comes back, and follows the window again.
        f.action("MenuZoom")->trigger();
        QVERIFY(f.loupe.isVisible());
        f.fenetre.setWindowState(Qt::WindowMinimized);
        QVERIFY(!f.loupe.isVisible());
        f.fenetre.setWindowState(Qt::WindowNoState);
        QVERIFY(f.loupe.isVisible());
    }

    void reduiteRevientEnUnClic()
    {
        dialoguesFactices().oublier();
        ArbreMecanismes arbre;
        FenetreColoriage f;
        f.fenetre.Ouvrir(EcrireColoriage(arbre, "etau", "p", ColoriageSixZones()), "p");
        f.loupe.setWindowState(Qt::WindowMinimized);
        f.action("MenuZoom")->trigger();
        QVERIFY(f.loupe.isVisible());
        QVERIFY(!f.loupe.isMinimized());
    }
};

VELKORA_TEST(TestLoupe)
#include "TestLoupe.moc"
