#include "colouring/TFormZoom.h"
#include "colouring/TZoom.h"
#include "support/Enregistrement.h"
#include "support/Factices.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGroupBox>
#include <QGuiApplication>
#include <QScreen>
#include <QSignalSpy>
#include <QtTest>

// The loupe reads the screen through the desktop fake, whose screen is a picture where each pixel's
// colour tells its place: red the column, green the row (both modulo 256), blue 77.
class TestLoupe : public QObject {
    Q_OBJECT

    static QImage ecranRepere(QSize taille)
    {
        QImage ecran(taille, QImage::Format_RGB32);
        for (int y = 0; y < taille.height(); ++y)
            for (int x = 0; x < taille.width(); ++x)
                ecran.setPixelColor(x, y, QColor(x % 256, y % 256, 77));
        return ecran;
    }
    static QSize tailleEcran() { return QGuiApplication::primaryScreen()->geometry().size(); }

private slots:
    void init()
    {
        bureauFactice().ecran = ecranRepere(tailleEcran());
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
        // x 4: 103 × 25 / 100 = 25 on each side of the pointer.
        QTest::newRow("x 4") << "x 4" << QPoint(200, 150) << QPoint(175, 125) << 50 << QPoint(103, 103);
        QTest::newRow("x 3") << "x 3" << QPoint(200, 150) << QPoint(167, 117) << 66 << QPoint(103, 103);
        // At the left edge the capture starts at the screen's edge and the crosshair leaves the
        // centre by (0 - 25 - 1) × 100 / 25 = -104.
        QTest::newRow("bord gauche") << "x 4" << QPoint(0, 150) << QPoint(0, 125) << 50 << QPoint(-1, 103);
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
        QCOMPARE(vue.pixelColor(0, 0), QColor(coinCapture.x(), coinCapture.y(), 77));
        QCOMPARE(vue.pixelColor(206, 0), QColor(coinCapture.x() + cote - 1, coinCapture.y(), 77));
        // The crosshair: a red vertical line through croix.x (when on the view) and horizontal through croix.y.
        QCOMPARE(vue.pixelColor(croix.x() + 6, croix.y()), QColor(255, 0, 0));
        if (croix.x() >= 0)
            QCOMPARE(vue.pixelColor(croix.x(), croix.y() - 10), QColor(255, 0, 0));
        else
            QVERIFY(vue.pixelColor(0, croix.y() - 10) != QColor(255, 0, 0));
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
};

VELKORA_TEST(TestLoupe)
#include "TestLoupe.moc"
