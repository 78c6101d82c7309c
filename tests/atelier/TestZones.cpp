#include "DessinsDeTest.h"
#include "atelier/AnalyseDessin.h"
#include "atelier/NettoyageDessin.h"
#include "atelier/TrouverZones.h"
#include "support/Enregistrement.h"

#include <QtTest>
#include <deque>
#include <map>
#include <random>
#include <set>

namespace {

// The obvious way: a flood fill from every paper pixel not yet reached, row after row.
ZonesDessin ZonesLentes(const QImage &masque, int aireMin)
{
    const int largeur = masque.width(), hauteur = masque.height();
    ZonesDessin zones{masque.size(), std::vector<std::int32_t>(std::size_t(largeur * hauteur), 0), 0};
    std::vector<bool> atteint(zones.etiquettes.size(), false);
    for (int y0 = 0; y0 < hauteur; ++y0)
        for (int x0 = 0; x0 < largeur; ++x0) {
            if (atteint[std::size_t(y0 * largeur + x0)] || masque.pixelColor(x0, y0) == Qt::black)
                continue;
            std::vector<QPoint> region;
            std::deque<QPoint> file{QPoint(x0, y0)};
            atteint[std::size_t(y0 * largeur + x0)] = true;
            bool bord = false;
            while (!file.empty()) {
                const QPoint p = file.front();
                file.pop_front();
                region.push_back(p);
                bord |= p.x() == 0 || p.y() == 0 || p.x() == largeur - 1 || p.y() == hauteur - 1;
                for (const QPoint q : {p + QPoint(1, 0), p - QPoint(1, 0), p + QPoint(0, 1), p - QPoint(0, 1)})
                    if (q.x() >= 0 && q.y() >= 0 && q.x() < largeur && q.y() < hauteur &&
                        !atteint[std::size_t(q.y() * largeur + q.x())] && masque.pixelColor(q) != Qt::black) {
                        atteint[std::size_t(q.y() * largeur + q.x())] = true;
                        file.push_back(q);
                    }
            }
            if (bord || std::ssize(region) < aireMin)
                continue;
            ++zones.nombre;
            for (const QPoint p : region)
                zones.etiquettes[std::size_t(p.y() * largeur + p.x())] = zones.nombre;
        }
    return zones;
}

ReglagesZones SansHachures(int aireMin)
{
    ReglagesZones reglages;
    reglages.aireMin = aireMin;
    reglages.reunirHachures = false;
    return reglages;
}

// The zone of most of the paper pixels inside a rectangle, and how many of them are in another.
std::pair<std::int32_t, int> ZoneDominante(const ZonesDessin &zones, QRect dedans)
{
    std::map<std::int32_t, int> compte;
    int total = 0;
    for (int y = dedans.top(); y <= dedans.bottom(); ++y)
        for (int x = dedans.left(); x <= dedans.right(); ++x)
            if (zones.zone(x, y) != 0) {
                ++compte[zones.zone(x, y)];
                ++total;
            }
    if (compte.empty())
        return {0, 0};
    const auto plus = std::max_element(compte.begin(), compte.end(),
                                       [](const auto &a, const auto &b) { return a.second < b.second; });
    return {plus->first, total - plus->second};
}

QImage MasqueDe(const QImage &gris, int seuil, int poussieres)
{
    QImage masque = SeuillerDessin(gris, seuil);
    RetirerPoussieres(masque, poussieres);
    return masque;
}

} // namespace

class TestZonesDessin : public QObject {
    Q_OBJECT

private slots:
    // Tiny drawings whose zones can be read off the rows.
    void zonesLitterales_data()
    {
        QTest::addColumn<QStringList>("dessin");
        QTest::addColumn<int>("aireMin");
        QTest::addColumn<QStringList>("attendu");
        // Fails with 8-connected paper: the diagonal gap joins the inside to the ground.
        QTest::newRow("fuite en diagonale")
            << QStringList{"0000000", "0111100", "0100010", "0100010", "0011110", "0000000"} << 1
            << QStringList{"0000000", "0000000", "0011100", "0011100", "0000000", "0000000"};
        // Fails when the regions touching the edge are kept: the ground and the open box would be zones.
        QTest::newRow("boîte ouverte et boîte fermée")
            << QStringList{"00000000000", "01101011110", "01001010010", "01111011110", "00000000000"} << 1
            << QStringList{"00000000000", "00000000000", "00000001100", "00000000000", "00000000000"};
        // Fails when the minimum area is compared the wrong way round: the 2-pixel zone is kept or the 3 dropped.
        QTest::newRow("aire minimale") << QStringList{"1111111111", "1001110001", "1111111111"} << 3
                                       << QStringList{"0000000000", "0000001110", "0000000000"};
        // Fails when zones are numbered column after column.
        QTest::newRow("numérotées rangée après rangée")
            << QStringList{"11111111", "11111001", "10011111", "11111111"} << 1
            << QStringList{"00000000", "00000110", "02200000", "00000000"};
    }
    void zonesLitterales()
    {
        QFETCH(QStringList, dessin);
        QFETCH(int, aireMin);
        QFETCH(QStringList, attendu);
        const ZonesDessin zones = TrouverZones(MasqueLitteral(dessin), SansHachures(aireMin));
        QCOMPARE(zones.etiquettes, ZonesLitterales(attendu));
        QCOMPARE(zones.nombre, *std::max_element(zones.etiquettes.begin(), zones.etiquettes.end()));
    }

    // Fails on any difference between OpenCV's labelling with the ground, the minimum area and the numbering
    // put on top, and the flood fill: a wrong connectivity, an edge test off by one, an area per strip.
    void commeLeRemplissageLent()
    {
        std::mt19937 hasard(24);
        for (int essai = 0; essai < 300; ++essai) {
            const int largeur = std::uniform_int_distribution(1, 24)(hasard);
            const int hauteur = std::uniform_int_distribution(1, 24)(hasard);
            const double encre = std::uniform_real_distribution(0.2, 0.6)(hasard);
            const int aireMin = std::uniform_int_distribution(1, 6)(hasard);
            QImage masque(largeur, hauteur, QImage::Format_Grayscale8);
            std::bernoulli_distribution tirage(encre);
            for (int y = 0; y < hauteur; ++y)
                for (int x = 0; x < largeur; ++x)
                    masque.scanLine(y)[x] = tirage(hasard) ? 0 : 255;
            const ZonesDessin rapides = TrouverZones(masque, SansHachures(aireMin));
            const ZonesDessin lentes = ZonesLentes(masque, aireMin);
            QVERIFY2(rapides.etiquettes == lentes.etiquettes && rapides.nombre == lentes.nombre,
                     qPrintable(QStringLiteral("essai %1, %2 × %3").arg(essai).arg(largeur).arg(hauteur)));
        }
    }

    // One hatched part beside a blank one: two zones, the hatched one whole, corners and narrow strips included.
    // Fails without hatch merging (one zone per strip), when end pieces are left out (a corner of the part
    // in no zone or a zone of its own), when lines are taken for hatching whatever their thickness (the
    // blank part joins the hatched one), or when a wide blank around a label is refused or taken for the
    // section's hatching (the strips beyond it stay apart).
    void sectionHachuree_data()
    {
        QTest::addColumn<double>("angle");
        QTest::addColumn<int>("ecart");
        QTest::addColumn<QRect>("reserve");
        for (const double angle : {30.0, 45.0, 135.0, 0.0, 90.0})
            for (const int ecart : {9, 16, 28})
                QTest::addRow("%g° tous les %d pixels", angle, ecart) << angle << ecart << QRect();
        // The hatching stops around a label: the blank joins strips of its own width and more.
        for (const double angle : {0.0, 45.0, 90.0})
            QTest::addRow("%g°, blanc autour d'une étiquette", angle) << angle << 14 << QRect(100, 80, 120, 34);
    }
    void sectionHachuree()
    {
        QFETCH(double, angle);
        QFETCH(int, ecart);
        QFETCH(QRect, reserve);
        const QRect hachuree(40, 30, 260, 150), vide(300, 30, 120, 150);
        const QImage gris =
            DessinGris(QSize(460, 220), {{hachuree, angle, ecart, true, 5, reserve}, {vide, 0, 0, false}});
        const ZonesDessin zones = TrouverZones(MasqueDe(gris, 128, 0), {});
        QCOMPARE(zones.nombre, 2);
        const QRect interieur = hachuree.adjusted(5, 5, -5, -5);
        const auto [zone, ailleurs] = ZoneDominante(zones, interieur);
        QVERIFY(zone != 0);
        QCOMPARE(ailleurs, 0);
        int sansZone = 0; // paper pixels of the part left out of every zone
        for (int y = interieur.top(); y <= interieur.bottom(); ++y)
            for (int x = interieur.left(); x <= interieur.right(); ++x)
                sansZone += zones.zone(x, y) == 0 && gris.pixelColor(x, y).value() > 250;
        QCOMPARE(sansZone, 0);
    }

    // Two parts side by side, hatched in two directions: two zones, even when their outlines are as thin as
    // hatch lines. Fails when strips of another direction, or the common outline, are taken as hatching.
    void deuxPiecesCoteACote_data()
    {
        QTest::addColumn<double>("angleGauche");
        QTest::addColumn<double>("angleDroite");
        QTest::addColumn<int>("ecart");
        QTest::addColumn<int>("contour");
        for (const int contour : {5, EpaisseurHachure}) {
            QTest::addRow("45° et 135°, contour de %d", contour) << 45.0 << 135.0 << 16 << contour;
            QTest::addRow("0° et 90°, contour de %d", contour) << 0.0 << 90.0 << 16 << contour;
            QTest::addRow("30° et 150°, contour de %d", contour) << 30.0 << 150.0 << 12 << contour;
            QTest::addRow("45° et 60°, contour de %d", contour) << 45.0 << 60.0 << 20 << contour;
        }
    }
    void deuxPiecesCoteACote()
    {
        QFETCH(double, angleGauche);
        QFETCH(double, angleDroite);
        QFETCH(int, ecart);
        QFETCH(int, contour);
        const QRect gauche(30, 30, 200, 160), droite(230, 30, 200, 160);
        const QImage gris = DessinGris(QSize(460, 220), {{gauche, angleGauche, ecart, true, contour},
                                                         {droite, angleDroite, ecart + 4, true, contour}});
        const ZonesDessin zones = TrouverZones(MasqueDe(gris, 128, 0), {});
        QCOMPARE(zones.nombre, 2);
        const auto [zoneGauche, ailleursGauche] = ZoneDominante(zones, gauche.adjusted(6, 6, -6, -6));
        const auto [zoneDroite, ailleursDroite] = ZoneDominante(zones, droite.adjusted(6, 6, -6, -6));
        QVERIFY(zoneGauche != zoneDroite);
        QCOMPARE(ailleursGauche + ailleursDroite, 0);
    }

    // A poor scan of a drawing (grey paper, noise, dust, turned half a degree) finds the zones of the clean
    // drawing: each clean zone lies in one zone of the scan. Fails when the analysis takes paper for pure white
    // instead of what the teacher's threshold says (a fixed threshold near white blackens the whole scan); and,
    // when the scan's result is reused for a drawing of another size, when it keeps its old pictures.
    void copieScannee()
    {
        const std::vector<PieceHachuree> pieces{{QRect(30, 30, 180, 140), 45, 14, true},
                                                {QRect(210, 30, 150, 140), 135, 18, true},
                                                {QRect(30, 170, 330, 80), 0, 0, false},
                                                {QRect(380, 40, 60, 200), 90, 12, true}};
        const QImage propre = DessinGris(QSize(480, 290), pieces);
        const ZonesDessin attendues = TrouverZones(MasqueDe(propre, 128, 0), {});
        QCOMPARE(attendues.nombre, 4);
        DessinAnalyse analyse = AnalyserDessin(CommeScanne(propre, 0.5, 7), {132, 12, {}});
        const ZonesDessin scannees = analyse.zones;
        QCOMPARE(scannees.nombre, attendues.nombre);
        std::set<std::int32_t> vues;
        for (const PieceHachuree &piece : pieces) {
            const auto [zone, ailleurs] = ZoneDominante(scannees, piece.cadre.adjusted(8, 8, -8, -8));
            QVERIFY(zone != 0);
            QCOMPARE(ailleurs, 0);
            vues.insert(zone);
        }
        QCOMPARE(int(vues.size()), 4);

        const QImage partie = propre.copy(0, 0, 370, 260);
        QImage masque = std::move(analyse.masque), trait = std::move(analyse.trait);
        SeuillerDessin(partie, 128, masque);
        TraitNoirSurBlanc(masque, trait);
        QCOMPARE(masque, SeuillerDessin(partie, 128));
        QCOMPARE(trait, TraitNoirSurBlanc(masque));
    }

    // Fails when specks are counted 4-connected (the diagonal pair would go), or when their size is compared
    // the wrong way round.
    void poussieres()
    {
        QImage masque = MasqueLitteral(
            {"0000000000", "0100000110", "0000000000", "0001000000", "0000100000", "0000000000", "0111111110"});
        RetirerPoussieres(masque, 2);
        const QImage attendu = MasqueLitteral(
            {"0000000000", "0000000110", "0000000000", "0001000000", "0000100000", "0000000000", "0111111110"});
        QCOMPARE(masque, attendu);
        RetirerPoussieres(masque, 3);
        QCOMPARE(masque, MasqueLitteral({"0000000000", "0000000000", "0000000000", "0000000000", "0000000000",
                                         "0000000000", "0111111110"}));
    }
};

VELKORA_TEST(TestZonesDessin)
#include "TestZones.moc"
