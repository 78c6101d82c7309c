#include "common/GeometrieFenetre.h"
#include "support/Enregistrement.h"

#include <QtTest>

class TestGeometrieRestauree : public QObject {
    Q_OBJECT

private slots:
    void geometrieRestaureeDansLEcran_data()
    {
        QTest::addColumn<QSize>("conception");
        QTest::addColumn<QRect>("disponible");
        QTest::addColumn<QSize>("cadre");
        QTest::addColumn<QRect>("attendue");
        const QSize fin(2, 2); // what the offscreen platform reports
        QTest::newRow("plus petite") << QSize(800, 600) << QRect(0, 0, 1600, 1000) << fin << QRect(400, 200, 800, 600);
        QTest::newRow("plus grande") << QSize(1300, 950) << QRect(0, 30, 1024, 738) << fin << QRect(1, 31, 1022, 736);
        QTest::newRow("écran décalé") << QSize(400, 300) << QRect(1920, 0, 800, 600) << fin
                                      << QRect(2120, 150, 400, 300);
        QTest::newRow("barre de titre de 30 pixels")
            << QSize(1300, 950) << QRect(0, 0, 1024, 768) << QSize(8, 34) << QRect(4, 30, 1016, 734);
        QTest::newRow("cadre encore inconnu")
            << QSize(1300, 950) << QRect(0, 0, 1024, 768) << QSize(0, 0) << QRect(4, 36, 1016, 728);
    }
    void geometrieRestaureeDansLEcran()
    {
        QFETCH(QSize, conception);
        QFETCH(QRect, disponible);
        QFETCH(QSize, cadre);
        QFETCH(QRect, attendue);
        QCOMPARE(GeometrieRestauree(conception, disponible, cadre), attendue);
    }
};

VELKORA_TEST(TestGeometrieRestauree)
#include "TestGeometrieRestauree.moc"
