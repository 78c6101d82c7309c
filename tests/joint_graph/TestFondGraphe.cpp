#include "joint_graph/TFondGraphe.h"
#include "support/ArbreMecanismes.h"
#include "support/Enregistrement.h"

#include <QSet>
#include <QtTest>
#include <cmath>

// The links of the graph area, pixel by pixel: two pixels wide, the pixel across the line rounded
// to the nearest (halves toward the larger coordinate), and nothing left where a link was before
// it moved.
class TestFondGraphe : public QObject {
    Q_OBJECT

    static GeometrieLien geometrie(QPoint sortie, QPoint entree)
    {
        GeometrieLien g;
        g.sortie = sortie;
        g.entree = entree;
        g.milieu = (sortie + entree) / 2;
        return g;
    }

    // The pixels of the half from the border of node 1 to the middle, each step along the main
    // direction with the number of steps left to the middle.
    static QList<std::pair<QPoint, int>> premiereMoitie(const GeometrieLien &g)
    {
        const QPoint d = g.milieu - g.sortie;
        const bool horizontal = std::abs(d.x()) >= std::abs(d.y());
        const int d1 = horizontal ? d.x() : d.y();
        const int d2 = horizontal ? d.y() : d.x();
        const int sens = d1 >= 0 ? 1 : -1;
        QList<std::pair<QPoint, int>> pixels;
        for (int k = 0; k != d1 + sens; k += sens) {
            const int travers = d1 == 0 ? 0 : int(std::floor(double(k) * d2 / d1 + 0.5));
            for (int e = 0; e <= 1; ++e) {
                const QPoint p = horizontal ? QPoint(k, travers + e) : QPoint(travers + e, k);
                pixels.append({g.sortie + p, std::abs(d1 - k)});
            }
        }
        return pixels;
    }

private slots:
    void lienDeplace_data()
    {
        QTest::addColumn<QPoint>("avantSortie");
        QTest::addColumn<QPoint>("avantEntree");
        QTest::addColumn<QPoint>("sortie");
        QTest::addColumn<QPoint>("entree");
        QTest::newRow("vers la droite, en descendant")
            << QPoint(20, 20) << QPoint(180, 60) << QPoint(20, 30) << QPoint(183, 110);
        QTest::newRow("vers la gauche, en montant")
            << QPoint(150, 160) << QPoint(10, 40) << QPoint(180, 110) << QPoint(17, 30);
        QTest::newRow("vers le bas, penché")
            << QPoint(60, 10) << QPoint(100, 190) << QPoint(30, 20) << QPoint(111, 181);
        QTest::newRow("vers le haut, penché")
            << QPoint(40, 180) << QPoint(20, 20) << QPoint(110, 180) << QPoint(29, 19);
        QTest::newRow("demi-pixels, vers la droite")
            << QPoint(10, 100) << QPoint(190, 100) << QPoint(10, 10) << QPoint(190, 12);
        QTest::newRow("demi-pixels, vers la gauche")
            << QPoint(10, 190) << QPoint(190, 150) << QPoint(190, 12) << QPoint(10, 10);
        QTest::newRow("demi-pixels, vers le bas")
            << QPoint(30, 30) << QPoint(160, 170) << QPoint(100, 10) << QPoint(102, 190);
        QTest::newRow("montant vers la droite")
            << QPoint(20, 100) << QPoint(180, 100) << QPoint(20, 150) << QPoint(181, 71);
        QTest::newRow("droit, bougé de trois pixels")
            << QPoint(20, 100) << QPoint(180, 100) << QPoint(23, 100) << QPoint(180, 100);
    }

    void lienDeplace()
    {
        QFETCH(QPoint, avantSortie);
        QFETCH(QPoint, avantEntree);
        QFETCH(QPoint, sortie);
        QFETCH(QPoint, entree);
        TFondGraphe fond;
        fond.resize(200, 200);
        fond.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fond));
        fond.DefinirLien(1, TFondGraphe::Lien{geometrie(avantSortie, avantEntree), clRed, 0x00FF0000u});
        fond.DefinirLien(1, TFondGraphe::Lien{geometrie(sortie, entree), clRed, 0x00FF0000u});
        const QImage image = fond.grab().toImage();

        // Away from the middle, where the second half may cover it, the first half is all there.
        QSet<QPoint> attendus;
        for (const auto &[pixel, resteAuMilieu] : premiereMoitie(geometrie(sortie, entree))) {
            attendus.insert(pixel);
            if (resteAuMilieu > 2)
                QVERIFY2(image.pixelColor(pixel) == QColor(Qt::red),
                         qPrintable(QStringLiteral("(%1, %2)").arg(pixel.x()).arg(pixel.y())));
        }
        // Nothing red elsewhere: neither beside the line nor where the link ran before.
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (image.pixelColor(x, y) == QColor(Qt::red))
                    QVERIFY2(attendus.contains(QPoint(x, y)), qPrintable(QStringLiteral("(%1, %2)").arg(x).arg(y)));
            }
        }
    }

    // The nodes and symbols the area follows: drawn by it over the links, a later one over an earlier
    // one, following their controls as they move, hide or change picture, and gone with them.
    void imagesSuivies()
    {
        TFondGraphe fond;
        fond.resize(200, 120);
        auto *noeud = new TImageMouse(&fond);
        auto *symbole = new TImageMouse(&fond);
        noeud->DefinirImage(ImageUnie(40, 30, Qt::yellow));
        symbole->DefinirImage(ImageUnie(20, 20, Qt::blue));
        noeud->move(10, 10);
        symbole->move(40, 30); // over the node's bottom-right corner
        fond.Suivre(noeud);
        fond.Suivre(symbole);
        fond.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fond));
        fond.DefinirLien(1, TFondGraphe::Lien{geometrie({0, 20}, {199, 20}), clRed, clRed});
        const QColor face = CouleurVersQColor(clBtnFace);
        const auto pixel = [&fond](int x, int y) { return fond.grab().toImage().pixelColor(x, y); };
        QCOMPARE(pixel(20, 20), QColor(Qt::yellow)); // the node over the link
        QCOMPARE(pixel(5, 20), QColor(Qt::red));
        QCOMPARE(pixel(45, 35), QColor(Qt::blue)); // the later one over the earlier
        QCOMPARE(pixel(45, 25), QColor(Qt::yellow));

        // Moved three pixels at a time, as in a drag: no trail, and the link shows again.
        for (int pas = 1; pas <= 20; ++pas)
            noeud->move(10 + 3 * pas, 10);
        QCOMPARE(pixel(20, 20), QColor(Qt::red));
        QCOMPARE(pixel(20, 30), face);
        QCOMPARE(pixel(75, 25), QColor(Qt::yellow));
        QCOMPARE(pixel(95, 35), QColor(Qt::yellow));

        // Inside a batch nothing is drawn until its end.
        {
            const TFondGraphe::Lot lot(fond);
            symbole->move(150, 80);
            QCOMPARE(pixel(45, 35), QColor(Qt::blue));
        }
        QCOMPARE(pixel(45, 35), face);
        QCOMPARE(pixel(155, 85), QColor(Qt::blue));

        symbole->DefinirImage(ImageUnie(20, 20, Qt::green));
        QCOMPARE(pixel(155, 85), QColor(Qt::green));
        symbole->hide();
        QCOMPARE(pixel(155, 85), face);
        symbole->show();
        QCOMPARE(pixel(155, 85), QColor(Qt::green));
        delete symbole;
        QCOMPARE(pixel(155, 85), face);
        QCOMPARE(pixel(75, 25), QColor(Qt::yellow));
    }
};

VELKORA_TEST(TestFondGraphe)
#include "TestFondGraphe.moc"
