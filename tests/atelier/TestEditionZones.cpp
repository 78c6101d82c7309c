#include "DessinsDeTest.h"
#include "atelier/EditionRangee.h"
#include "atelier/EditionZones.h"
#include "atelier/NettoyageDessin.h"
#include "support/Enregistrement.h"

#include <QPainter>
#include <QtTest>
#include <random>
#include <set>

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
    const IndexZonesDessin exact = IndexerZones(edition.zones());
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

bool MemesZones(const EditionZones &a, const EditionZones &b)
{
    return a.trait() == b.trait() && a.zones().etiquettes == b.zones().etiquettes &&
           a.zones().nombre == b.zones().nombre && a.index().aires == b.index().aires &&
           a.index().cadres == b.index().cadres;
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
        edition.Echanger(edition.PrendreModification());
        QCOMPARE(edition.zones().nombre, 4);
        QCOMPARE(edition.zones().etiquettes,
                 ZonesLitterales({"0000000000000", "0110220330440", "0110220330440", "0000000000000"}));
    }

    // A click on a line takes the nearest zone within its reach, and none when no zone is that near. Fails when
    // the reach is a square rather than a disc, or when the last zone met in it is taken rather than the nearest.
    void zoneProche_data()
    {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<int>("rayon");
        QTest::addColumn<int>("zone");
        QTest::newRow("sur le trait au-dessus") << QPoint(5, 0) << 1 << 2;
        QTest::newRow("coin trop loin") << QPoint(0, 0) << 1 << 0;
        QTest::newRow("la plus proche, pas la dernière") << QPoint(5, 3) << 3 << 2;
        QTest::newRow("hors de la feuille") << QPoint(20, 1) << 2 << 0;
    }
    void zoneProche()
    {
        QFETCH(QPoint, point);
        QFETCH(int, rayon);
        QFETCH(int, zone);
        const EditionZones edition =
            EditionDe(MasqueLitteral({"1111111111111", "1001001001001", "1001001001001", "1111111111111"}), 1);
        QCOMPARE(edition.zoneProche(point, rayon), zone);
    }

    // A box open by one pixel is ground; a stroke over the gap makes it a zone, whichever side of the gap
    // is filled first. Fails when the part of the ground a stroke leaves last is taken for the ground
    // without being followed to the edge.
    void fermetureDUneBreche_data()
    {
        QTest::addColumn<QImage>("dessin");
        QTest::addColumn<QPoint>("breche");
        // the inside is smaller than the outside
        QTest::newRow("petite boîte") << MasqueLitteral({"0000000000", "0111011000", "0100001000", "0111111000",
                                                         "0000000000", "0000000000"})
                                      << QPoint(4, 1);
        // the inside is much larger: the outside reaches the edge long before the inside is filled
        QImage grande(60, 60, QImage::Format_Grayscale8);
        grande.fill(255);
        {
            QPainter peintre(&grande);
            peintre.setPen(Qt::black);
            peintre.drawRect(0, 0, 59, 57);
        }
        grande.scanLine(57)[30] = 255;
        QTest::newRow("grande boîte") << grande << QPoint(30, 57);
    }
    void fermetureDUneBreche()
    {
        QFETCH(QImage, dessin);
        QFETCH(QPoint, breche);
        EditionZones edition = EditionDe(dessin, 1);
        QCOMPARE(edition.zones().nombre, 0);
        edition.TracerTrait(QPolygon{breche}, 1);
        QCOMPARE(edition.zones().nombre, 1);
        QCOMPARE(Incoherence(edition, 1), QString());
    }

    // A hatched section is cut in two by a stroke right across it, and stays whole when the stroke stops
    // inside. Fails when the zone's strips are told apart by their paper alone (each strip cut off becomes a
    // zone), or when its hatch lines are crossed at the stroke too (the two halves stay one).
    void coupeDUneSectionHachuree_data()
    {
        QTest::addColumn<double>("angle");
        QTest::addColumn<int>("bas"); // where the stroke ends
        QTest::addColumn<int>("zones");
        for (const double angle : {45.0, 0.0, 120.0}) {
            QTest::addRow("%g°, de part en part", angle) << angle << 200 << 2;
            QTest::addRow("%g°, arrêté dedans", angle) << angle << 120 << 1;
        }
    }
    void coupeDUneSectionHachuree()
    {
        QFETCH(double, angle);
        QFETCH(int, bas);
        QFETCH(int, zones);
        const QRect cadre(40, 30, 240, 150);
        const QImage masque = SeuillerDessin(DessinGris(QSize(320, 220), {{cadre, angle, 14, true}}), 128);
        ReglagesZones reglages;
        reglages.aireMin = 20;
        EditionZones edition(TraitNoirSurBlanc(masque), TrouverZones(masque, reglages), reglages.aireMin);
        QCOMPARE(edition.zones().nombre, 1);
        edition.TracerTrait(QPolygon{QPoint(160, 10), QPoint(160, bas)}, 3);
        QCOMPARE(edition.zones().nombre, zones);
        const QRect gauche(cadre.left() + 6, cadre.top() + 6, 110, cadre.height() - 12);
        const QRect droite(165, cadre.top() + 6, 110, cadre.height() - 12);
        std::set<std::int32_t> aGauche, aDroite;
        for (const auto &[rectangle, vues] : {std::pair{gauche, &aGauche}, std::pair{droite, &aDroite}})
            for (int y = rectangle.top(); y <= rectangle.bottom(); ++y)
                for (int x = rectangle.left(); x <= rectangle.right(); ++x)
                    if (edition.zones().zone(x, y) != 0)
                        vues->insert(edition.zones().zone(x, y));
        QCOMPARE(int(aGauche.size()), 1);
        QCOMPARE(int(aDroite.size()), 1);
        QCOMPARE(aGauche == aDroite, zones == 1);
        QCOMPARE(edition.index().aires, IndexerZones(edition.zones()).aires);
    }

    // Strokes drawn at random over boxes: after each, the zones are those found afresh. Fails when a part
    // cut off keeps its old number, when a region closed off from the ground stays ground, when an area is
    // not brought down by the stroke's pixels, or a zone too small is kept; undone, when a pixel an edit
    // wrote to was not kept first; put away for the undo of a change of settings and taken back, when a run
    // loses or gains a pixel, or the drawing is kept pixel by pixel.
    void traitsAuHasard()
    {
        std::mt19937 hasard(1903);
        const auto entre = [&hasard](int a, int b) { return std::uniform_int_distribution(a, b)(hasard); };
        for (int essai = 0; essai < 60; ++essai) {
            QImage dessin(260, 200, QImage::Format_Grayscale8); // several squares of the undo record
            dessin.fill(255);
            {
                QPainter peintre(&dessin);
                for (int boite = entre(1, 5); boite > 0; --boite) {
                    peintre.setPen(QPen(Qt::black, entre(1, 3)));
                    peintre.drawRect(entre(2, 150), entre(2, 100), entre(8, 110), entre(8, 95));
                }
                // a gap in the lines now and then, for a stroke to close
                peintre.fillRect(entre(0, 250), entre(0, 190), entre(2, 5), entre(2, 5), Qt::white);
            }
            const int aireMin = entre(1, 30);
            EditionZones edition = EditionDe(SeuillerDessin(dessin, 128), aireMin);
            const EditionZones avant = edition;
            std::vector<ModificationZones> annulations;
            for (int trait = 0; trait < 4; ++trait) {
                QPolygon trace;
                trace << QPoint(entre(-5, 265), entre(-5, 205));
                for (int point = entre(0, 2); point > 0; --point)
                    trace << trace.last() + QPoint(entre(-60, 60), entre(-60, 60));
                edition.TracerTrait(trace, entre(1, 3));
                annulations.push_back(edition.PrendreModification());
                const QString incoherence = Incoherence(edition, aireMin);
                QVERIFY2(incoherence.isEmpty(),
                         qPrintable(QStringLiteral("essai %1, trait %2 : %3").arg(essai).arg(trait).arg(incoherence)));
            }
            // Undone one after the other, the strokes give back the drawing as it was, and done again the last.
            const EditionZones apres = edition;
            for (auto modification = annulations.rbegin(); modification != annulations.rend(); ++modification)
                *modification = edition.Echanger(std::move(*modification));
            QVERIFY2(MemesZones(edition, avant), qPrintable(QStringLiteral("essai %1 annulé").arg(essai)));
            for (ModificationZones &modification : annulations)
                modification = edition.Echanger(std::move(modification));
            QVERIFY2(MemesZones(edition, apres), qPrintable(QStringLiteral("essai %1 refait").arg(essai)));
            const EditionRangee rangee = RangerEdition(edition);
            const std::size_t brut =
                std::size_t(edition.trait().sizeInBytes()) + edition.zones().etiquettes.size() * sizeof(std::int32_t);
            QVERIFY2(rangee.octets() < brut / 4, qPrintable(QStringLiteral("essai %1 rangé").arg(essai)));
            EditionZones reprise = ReprendreEdition(rangee);
            QVERIFY(reprise.trait() == edition.trait());
            QCOMPARE(reprise.zones().etiquettes, edition.zones().etiquettes);
            QCOMPARE(reprise.zones().nombre, edition.zones().nombre);
            reprise.TracerTrait(QPolygon{QPoint(entre(0, 259), entre(0, 199)), QPoint(entre(0, 259), entre(0, 199))},
                                2);
            const QString incoherence = Incoherence(reprise, aireMin);
            QVERIFY2(incoherence.isEmpty(),
                     qPrintable(QStringLiteral("essai %1 repris : %2").arg(essai).arg(incoherence)));
        }
    }
};

VELKORA_TEST(TestEditionZones)
#include "TestEditionZones.moc"
