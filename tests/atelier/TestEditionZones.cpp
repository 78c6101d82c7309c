#include "DessinsDeTest.h"
#include "atelier/EditionZones.h"
#include "atelier/NettoyageDessin.h"
#include "support/Enregistrement.h"

#include <QPainter>
#include <QtTest>
#include <random>

namespace {

ReglagesZones Reglages(int aireMin)
{
    ReglagesZones reglages;
    reglages.aireMin = aireMin;
    reglages.reunirHachures = false;
    return reglages;
}

// What an edited drawing must hold: the zones found afresh on its picture, and an index that says where
// each zone is and how large.
QString Incoherence(const EditionZones &edition, int aireMin)
{
    const ZonesDessin fraiches = TrouverZones(MasqueDuTrait(edition.trait()), Reglages(aireMin));
    const QString difference = ComparerPartitions(edition.zones(), fraiches);
    if (!difference.isEmpty())
        return difference;
    const IndexZones exact = IndexerZones(edition.zones());
    for (std::int32_t zone = 1; zone <= edition.zones().nombre; ++zone) {
        const std::size_t z = std::size_t(zone);
        if (edition.index().aires.size() != exact.aires.size() || edition.index().aires[z] != exact.aires[z])
            return QStringLiteral("aire de la zone %1 : %2 au lieu de %3")
                .arg(zone)
                .arg(z < edition.index().aires.size() ? edition.index().aires[z] : -1)
                .arg(exact.aires[z]);
        if (!edition.index().cadres[z].contains(exact.cadres[z]))
            return QStringLiteral("le cadre de la zone %1 ne la contient pas").arg(zone);
    }
    return {};
}

EditionZones EditionDe(const QImage &masque, int aireMin)
{
    return EditionZones(TraitNoirSurBlanc(masque), TrouverZones(masque, Reglages(aireMin)), aireMin);
}

} // namespace

class TestEditionZones : public QObject {
    Q_OBJECT

private slots:
    // Fails when the freed number is left empty, or given to the last zone without moving its pixels.
    void fusion()
    {
        EditionZones edition =
            EditionDe(MasqueLitteral({"1111111111111", "1001001001001", "1001001001001", "1111111111111"}), 1);
        QCOMPARE(edition.zones().nombre, 4);
        QVERIFY(!edition.FusionnerZones(2, 2).isValid());
        QVERIFY(edition.FusionnerZones(1, 2).isValid());
        QCOMPARE(edition.zones().etiquettes,
                 ZonesLitterales({"0000000000000", "0110110330220", "0110110330220", "0000000000000"}));
        QCOMPARE(edition.index().aires, IndexerZones(edition.zones()).aires);
    }

    // Strokes drawn at random over boxes: after each, the zones are those found afresh. Fails when a part
    // cut off keeps its old number, when a region closed off from the ground stays ground, when an area is
    // not brought down by the stroke's pixels, or a zone too small is kept.
    void traitsAuHasard()
    {
        std::mt19937 hasard(1903);
        const auto entre = [&hasard](int a, int b) { return std::uniform_int_distribution(a, b)(hasard); };
        for (int essai = 0; essai < 60; ++essai) {
            QImage dessin(120, 90, QImage::Format_Grayscale8);
            dessin.fill(255);
            {
                QPainter peintre(&dessin);
                for (int boite = entre(1, 5); boite > 0; --boite) {
                    peintre.setPen(QPen(Qt::black, entre(1, 3)));
                    peintre.drawRect(entre(2, 70), entre(2, 50), entre(8, 45), entre(8, 35));
                }
                // a gap in the lines now and then, for a stroke to close
                peintre.fillRect(entre(0, 110), entre(0, 80), entre(2, 5), entre(2, 5), Qt::white);
            }
            const int aireMin = entre(1, 30);
            EditionZones edition = EditionDe(SeuillerDessin(dessin, 128), aireMin);
            for (int trait = 0; trait < 4; ++trait) {
                QPolygon trace;
                for (int point = entre(1, 3); point > 0; --point)
                    trace << QPoint(entre(-5, 125), entre(-5, 95));
                edition.TracerTrait(trace, entre(1, 3));
                const QString incoherence = Incoherence(edition, aireMin);
                QVERIFY2(incoherence.isEmpty(),
                         qPrintable(QStringLiteral("essai %1, trait %2 : %3").arg(essai).arg(trait).arg(incoherence)));
            }
        }
    }
};

VELKORA_TEST(TestEditionZones)
#include "TestEditionZones.moc"
