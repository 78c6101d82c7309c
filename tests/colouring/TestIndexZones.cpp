#include "colouring/IndexZones.h"
#include "common/FPti.h"
#include "support/Enregistrement.h"

#include <QPainter>
#include <QtTest>
#include <random>

// The zone index paints exactly the pixels that a pass over the whole map finds.
class TestIndexZones : public QObject {
    Q_OBJECT

private slots:
    void memesPixelsQuUnePasseComplete()
    {
        constexpr int Zones = 60;
        std::mt19937 hasard(31);
        const auto entre = [&hasard](int a, int b) { return std::uniform_int_distribution<int>(a, b)(hasard); };
        std::vector<TColor> cles(std::size_t(Zones) + 1, clWhite);
        QImage trame(300, 200, QImage::Format_RGB888);
        trame.fill(Qt::white);
        QPainter peintre(&trame);
        for (int z = 1; z <= Zones; ++z) {
            // Zones 7 and 8 share a colour; zone 9 is black and so belongs to no zone.
            const QColor couleur = z == 8   ? QColor(cles[7] & 0xFF, (cles[7] >> 8) & 0xFF, (cles[7] >> 16) & 0xFF)
                                   : z == 9 ? QColor(Qt::black)
                                            : QColor(entre(1, 254), entre(1, 254), z);
            cles[std::size_t(z)] =
                RvbVersCouleur({uchar(couleur.red()), uchar(couleur.green()), uchar(couleur.blue())});
            peintre.setBrush(couleur);
            peintre.setPen(Qt::NoPen);
            for (int morceau = entre(1, 3); morceau > 0; --morceau)
                peintre.drawEllipse(QRect(entre(-20, 280), entre(-20, 180), entre(5, 80), entre(5, 60)));
        }
        peintre.end();
        // Single pixels and runs at both edges of a row.
        trame.setPixelColor(0, 0, QColor(cles[3] & 0xFF, (cles[3] >> 8) & 0xFF, (cles[3] >> 16) & 0xFF));
        trame.setPixelColor(299, 199, QColor(cles[4] & 0xFF, (cles[4] >> 8) & 0xFF, (cles[4] >> 16) & 0xFF));

        const IndexZones index(trame, cles, Zones);
        QImage blanche(trame.size(), QImage::Format_RGB888);
        blanche.fill(Qt::white);
        for (int z = 1; z <= Zones; ++z) {
            QImage attendue(trame.size(), QImage::Format_RGB888);
            attendue.fill(Qt::white);
            QImage obtenue = attendue.copy();
            if (z != 9)
                CopierColorBmpToColorImage(trame, attendue, cles[std::size_t(z)], 0x00102030);
            index.Peindre(obtenue, z, 0x00102030);
            QVERIFY2(obtenue == attendue, qPrintable(QStringLiteral("zone %1").arg(z)));
            const QRect cadre = index.Cadre(z);
            QImage horsCadre = obtenue.copy();
            QPainter(&horsCadre).fillRect(cadre, Qt::white);
            QVERIFY(horsCadre == blanche);
        }
        // The map is not kept: the key under the pointer comes from the runs, edges and outside included.
        for (int y = -1; y <= trame.height(); ++y) {
            for (int x = -1; x <= trame.width(); ++x) {
                auto attendue = CouleurPixel(trame, {x, y});
                if (attendue && NumeroZone(cles, Zones, *attendue) == -1)
                    attendue.reset();
                QVERIFY2(index.CleEn({x, y}) == attendue, qPrintable(QStringLiteral("%1, %2").arg(x).arg(y)));
            }
        }
        QCOMPARE(NumeroZone(cles, Zones, cles[8]), 7);
        QCOMPARE(NumeroZone(cles, Zones, clBlack), -1);
        QCOMPARE(NumeroZone(cles, Zones, clWhite), -1);
    }

    void composition()
    {
        QImage zone(4, 1, QImage::Format_RGB888);
        zone.fill(QColor(255, 0, 0));
        QImage plan(4, 1, QImage::Format_RGB888);
        plan.fill(Qt::white);
        plan.setPixelColor(3, 0, Qt::black);
        const std::vector<Trait> traits{{0, 1, 3}};
        const QImage vue = ComposerAffichage(zone, plan, clWhite, traits, QRect(1, 0, 3, 1));
        QCOMPARE(vue.pixelColor(0, 0), QColor(128, 128, 128));
        QCOMPARE(vue.pixelColor(1, 0), QColor(128, 128, 128));
        QCOMPARE(vue.pixelColor(2, 0), QColor(Qt::black));
    }
};

VELKORA_TEST(TestIndexZones)
#include "TestIndexZones.moc"
