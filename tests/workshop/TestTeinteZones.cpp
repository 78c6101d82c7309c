#include "support/Enregistrement.h"
#include "workshop/TeinteZones.h"

#include <QtTest>

// The tinted sheet is painted again rectangle by rectangle as the teacher edits: what lies outside the rectangle
// stays as it was, the lines stay black, a zone still waiting for its part is striped.
class TestTeinteZones : public QObject {
    Q_OBJECT
private slots:
    void rectangleSeul()
    {
        // Two zones side by side, split by a line at x = 3; zone 2 waits for its part.
        const QSize taille(7, 12);
        QImage trait(taille, QImage::Format_RGB888);
        trait.fill(Qt::white);
        ZonesDessin zones{taille, std::vector<std::int32_t>(std::size_t(7 * 12), 1), 2};
        for (int y = 0; y < 12; ++y) {
            trait.setPixelColor(3, y, Qt::black);
            zones.etiquettes[std::size_t(y * 7 + 3)] = 0;
            for (int x = 4; x < 7; ++x)
                zones.etiquettes[std::size_t(y * 7 + x)] = 2;
        }
        const QRgb bleu = qRgb(100, 150, 250);
        const TeintesZones teintes{{0, bleu, qRgb(0, 200, 0)}, {0, 0, 1}};
        QImage teinte(taille, QImage::Format_RGB888);
        teinte.fill(Qt::gray);

        const QRect cadre(2, 1, 4, 10);
        TeinterZones(teinte, trait, zones, teintes, cadre);
        int rayures = 0;
        for (int y = 0; y < 12; ++y)
            for (int x = 0; x < 7; ++x) {
                const QRgb pixel = teinte.pixel(x, y);
                const QString ou = QStringLiteral("(%1, %2)").arg(x).arg(y);
                if (!cadre.contains(x, y))
                    QVERIFY2(pixel == QColor(Qt::gray).rgb(), qPrintable(ou));
                else if (x == 3)
                    QVERIFY2(pixel == qRgb(0, 0, 0), qPrintable(ou));
                else if (x < 3)
                    QVERIFY2(pixel == bleu, qPrintable(ou));
                else
                    rayures += pixel == qRgb(220, 0, 0);
            }
        QVERIFY(rayures > 0 && rayures < 2 * 10); // red stripes across the waiting zone's paper, not all of it
    }
};

VELKORA_TEST(TestTeinteZones)
#include "TestTeinteZones.moc"
