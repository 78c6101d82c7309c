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
        QTest::addColumn<QRect>("attendue");
        QTest::newRow("plus petite") << QSize(800, 600) << QRect(0, 0, 1600, 1000) << QRect(400, 200, 800, 600);
        QTest::newRow("plus grande") << QSize(1300, 950) << QRect(0, 30, 1024, 738) << QRect(0, 30, 1024, 738);
        QTest::newRow("écran décalé") << QSize(400, 300) << QRect(1920, 0, 800, 600) << QRect(2120, 150, 400, 300);
    }
    void geometrieRestaureeDansLEcran()
    {
        QFETCH(QSize, conception);
        QFETCH(QRect, disponible);
        QFETCH(QRect, attendue);
        QCOMPARE(GeometrieRestauree(conception, disponible), attendue);
    }
};

VELKORA_TEST(TestGeometrieRestauree)
#include "TestGeometrieRestauree.moc"
