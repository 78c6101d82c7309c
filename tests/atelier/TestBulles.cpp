#include "DessinsDeTest.h"
#include "atelier/AnalyseDessin.h"
#include "atelier/ChargementDessin.h"
#include "atelier/LectureMecanismeAtelier.h"
#include "atelier/TrouverBulles.h"
#include "support/Enregistrement.h"

#include <QPainter>
#include <QPainterPath>
#include <QtTest>

namespace {

// Bubbles as a drawing letters them, a leader from each, among circles that are no bubbles: an empty one,
// two concentric ones (the projection symbol), a circled letter, a shaft cut and hatched. `mm` pixels a millimetre.
struct Planche {
    QImage gris;
    std::vector<BulleTrouvee> bulles; // as drawn
};

Planche DessinerBulles(const QFont &police, double mm, const std::vector<int> &numeros)
{
    Planche planche;
    QImage image(QSize(int(200 * mm), int(120 * mm)), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 0.35 * mm));
    QFont lettres = police;
    lettres.setPixelSize(int(5 * mm));
    p.setFont(lettres);
    const double rayon = 5 * mm;
    for (std::size_t k = 0; k < numeros.size(); ++k) {
        const QPointF centre((15 + 25 * double(k % 7)) * mm, (15 + 30 * double(k / 7)) * mm);
        p.drawEllipse(centre, rayon, rayon);
        p.drawLine(centre + QPointF(0, rayon), centre + QPointF(6 * mm, 14 * mm));
        p.drawText(QRectF(centre - QPointF(rayon, rayon), QSizeF(2 * rayon, 2 * rayon)), Qt::AlignCenter,
                   QString::number(numeros[k]));
        planche.bulles.push_back({numeros[k], centre.toPoint(), int(rayon)});
    }
    const QPointF bas(0, 95 * mm);
    p.drawEllipse(bas + QPointF(15 * mm, 0), rayon, rayon);
    p.drawEllipse(bas + QPointF(40 * mm, 0), rayon, rayon);
    p.drawEllipse(bas + QPointF(40 * mm, 0), rayon / 2, rayon / 2);
    p.drawEllipse(bas + QPointF(65 * mm, 0), rayon, rayon);
    p.drawText(QRectF(bas + QPointF(60 * mm, -rayon), QSizeF(2 * rayon, 2 * rayon)), Qt::AlignCenter,
               QStringLiteral("A"));
    p.save();
    const QPointF arbre = bas + QPointF(90 * mm, 0);
    QPainterPath section;
    section.addEllipse(arbre, rayon, rayon);
    p.setClipPath(section);
    for (double d = -2 * rayon; d < 2 * rayon; d += 1.5 * mm)
        p.drawLine(arbre + QPointF(d - rayon, rayon), arbre + QPointF(d + rayon, -rayon));
    p.restore();
    p.drawEllipse(arbre, rayon, rayon);
    p.end();
    planche.gris = image.convertToFormat(QImage::Format_Grayscale8);
    return planche;
}

std::vector<BulleTrouvee> Trouver(const QImage &gris, int seuil)
{
    ReglagesAnalyse reglages;
    reglages.seuil = seuil;
    const DessinAnalyse analyse = AnalyserDessin(gris, reglages);
    return TrouverBulles(analyse.trait, analyse.zones, IndexerZones(analyse.zones));
}

QString Decrire(const std::vector<BulleTrouvee> &bulles)
{
    QStringList textes;
    for (const BulleTrouvee &b : bulles)
        textes << QStringLiteral("%1 en (%2, %3)").arg(b.numero).arg(b.centre.x()).arg(b.centre.y());
    return textes.join(QStringLiteral(", "));
}

} // namespace

class TestBulles : public QObject {
    Q_OBJECT

private slots:
    void bullesDessinees_data()
    {
        QTest::addColumn<QString>("famille");
        QTest::addColumn<bool>("penche");
        QTest::addColumn<double>("mm");
        QTest::addColumn<bool>("scanne");
        QTest::addColumn<int>("pourcentLues"); // the dust of a scan may stick to a figure
        QTest::newRow("penchées, 150 dpi") << "DejaVu Sans" << true << 5.9 << false << 100;
        QTest::newRow("scannées, 150 dpi") << "DejaVu Sans" << false << 5.9 << true << 90;
        QTest::newRow("chasse fixe scannée, 200 dpi") << "DejaVu Sans Mono" << false << 7.9 << true << 90;
        QTest::newRow("empattements, jamais de faux numéro") << "DejaVu Serif" << false << 7.9 << false << 0;
    }
    void bullesDessinees()
    {
        QFETCH(QString, famille);
        QFETCH(bool, penche);
        QFETCH(double, mm);
        QFETCH(bool, scanne);
        QFETCH(int, pourcentLues);
        QFont police(famille);
        police.setItalic(penche);
        const Planche planche =
            DessinerBulles(police, mm, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 16, 17, 18, 19, 20, 35, 106});
        const std::vector<BulleTrouvee> trouvees =
            Trouver(scanne ? CommeScanne(planche.gris, 0.5, 11) : planche.gris, scanne ? 132 : 128);
        int lues = 0;
        for (const BulleTrouvee &t : trouvees) {
            const auto dessinee =
                std::find_if(planche.bulles.begin(), planche.bulles.end(), [&](const BulleTrouvee &b) {
                    return (b.centre - t.centre).manhattanLength() <= b.rayon / 2;
                });
            QVERIFY2(dessinee != planche.bulles.end() && dessinee->numero == t.numero, qPrintable(Decrire({t})));
            ++lues;
        }
        QVERIFY2(100 * lues >= pourcentLues * int(planche.bulles.size()), qPrintable(Decrire(trouvees)));
    }
};

VELKORA_TEST(TestBulles)
#include "TestBulles.moc"
