#include "common/FPti.h"
#include "support/Enregistrement.h"

#include <QGuiApplication>
#include <QPalette>
#include <QtTest>
#include <cmath>
#include <cstring>
#include <set>

namespace {

QColor Pixel(const QImage &image, int x, int y)
{
    const uchar *p = image.constScanLine(y) + 3 * x;
    return QColor(p[0], p[1], p[2]);
}

void Peindre(QImage &image, int x, int y, const QColor &couleur)
{
    uchar *p = image.scanLine(y) + 3 * x;
    p[0] = uchar(couleur.red());
    p[1] = uchar(couleur.green());
    p[2] = uchar(couleur.blue());
}

// Every pixel tells where it is: red = column, green = row.
QImage ImageCoordonnees(int largeur, int hauteur)
{
    QImage image(largeur, hauteur, QImage::Format_RGB888);
    for (int y = 0; y < hauteur; ++y)
        for (int x = 0; x < largeur; ++x)
            Peindre(image, x, y, QColor(x % 256, y % 256, 7));
    return image;
}

QImage ImageMelangee(int largeur, int hauteur, quint32 graine)
{
    QImage image(largeur, hauteur, QImage::Format_RGB888);
    for (int y = 0; y < hauteur; ++y) {
        uchar *ligne = image.scanLine(y);
        for (int i = 0; i < 3 * largeur; ++i) {
            graine = graine * 1664525u + 1013904223u;
            ligne[i] = uchar(graine >> 24);
        }
    }
    return image;
}

QImage Unie(int largeur, int hauteur, const QColor &couleur, QImage::Format format = QImage::Format_RGB888)
{
    QImage image(largeur, hauteur, format);
    image.fill(couleur);
    return image;
}

// The rotation as its definition reads, one pixel at a time.
QImage RotationDeReference(const QImage &source, const QColor &fond, double angle)
{
    const int largeur = source.width();
    const int hauteur = source.height();
    const int cx = largeur / 2;
    const int cy = hauteur / 2;
    const long double radians = static_cast<long double>(angle) * 3.14159265358979323846L / 180.0L;
    const double sn = double(std::sin(radians));
    const double cs = double(std::cos(radians));
    QImage resultat(largeur, hauteur, QImage::Format_RGB888);
    for (int y = 0; y < hauteur; ++y) {
        for (int x = 0; x < largeur; ++x) {
            const double dx = 2.0 * (x - cx) + 1.0;
            const double dy = 2.0 * (y - cy) + 1.0;
            const int u = int(std::nearbyint(dx * cs - dy * sn));
            const int v = int(std::nearbyint(dx * sn + dy * cs));
            const int sx = cx + u / 2;
            const int sy = cy + v / 2;
            const bool dedans = sx >= 0 && sx < largeur && sy >= 0 && sy < hauteur;
            Peindre(resultat, x, y, dedans ? Pixel(source, sx, sy) : fond);
        }
    }
    return resultat;
}

constexpr TColor Marqueur = 0x00ADADFF; // red 255, green 173, blue 173
const QColor CouleurMarqueur(255, 173, 173);
constexpr TColor CouleurClasse = 0x00204080;
const QColor CouleurClasseRvb(0x80, 0x40, 0x20);

} // namespace

class TestFPti : public QObject {
    Q_OBJECT
private slots:
    // Which source column each destination column shows, and which source row each destination row.
    void rotationSurPetitesImages_data()
    {
        QTest::addColumn<int>("largeur");
        QTest::addColumn<int>("hauteur");
        QTest::addColumn<double>("angle");
        QTest::addColumn<QList<int>>("colonnes");
        QTest::addColumn<QList<int>>("lignes");
        QTest::newRow("0° sur 4 × 4") << 4 << 4 << 0.0 << QList<int>{1, 2, 2, 3} << QList<int>{1, 2, 2, 3};
        QTest::newRow("180° sur 4 × 4") << 4 << 4 << 180.0 << QList<int>{3, 2, 2, 1} << QList<int>{3, 2, 2, 1};
        QTest::newRow("360° sur 4 × 4") << 4 << 4 << 360.0 << QList<int>{1, 2, 2, 3} << QList<int>{1, 2, 2, 3};
        // The halving drops remainders towards zero: left of the centre a column shows its right
        // neighbour, where halving downwards would give back every column.
        QTest::newRow("0° sur 5 × 1") << 5 << 1 << 0.0 << QList<int>{1, 2, 2, 3, 4} << QList<int>{0};
        QTest::newRow("180° sur 5 × 3") << 5 << 3 << 180.0 << QList<int>{3, 2, 2, 1, 0} << QList<int>{1, 1, 0};
    }
    void rotationSurPetitesImages()
    {
        QFETCH(int, largeur);
        QFETCH(int, hauteur);
        QFETCH(double, angle);
        QFETCH(QList<int>, colonnes);
        QFETCH(QList<int>, lignes);
        QImage tournee;
        RotationBmp(ImageCoordonnees(largeur, hauteur), tournee, clWhite, angle);
        QCOMPARE(tournee.size(), QSize(largeur, hauteur));
        QCOMPARE(tournee.format(), QImage::Format_RGB888);
        for (int y = 0; y < hauteur; ++y) {
            for (int x = 0; x < largeur; ++x) {
                const QColor vu = Pixel(tournee, x, y);
                QCOMPARE(vu.red(), colonnes[x]);
                QCOMPARE(vu.green(), lignes[y]);
            }
        }
    }

    // At 90° a feature to the right of the centre moves above it.
    void rotationQuartDeTour()
    {
        QImage image = Unie(9, 9, Qt::white);
        Peindre(image, 6, 4, Qt::black); // two to the right of the centre (4, 4)
        QImage tournee;
        RotationBmp(image, tournee, clWhite, 90.0);
        std::set<std::pair<int, int>> noirs;
        for (int y = 0; y < 9; ++y)
            for (int x = 0; x < 9; ++x)
                if (Pixel(tournee, x, y) == QColor(Qt::black))
                    noirs.insert({x, y});
        QVERIFY(noirs == (std::set<std::pair<int, int>>{{3, 1}, {4, 1}}));
    }

    void rotationCoinsAuFond()
    {
        QImage tournee;
        RotationBmp(Unie(100, 100, Qt::blue), tournee, clRed, 45.0);
        for (const QPoint coin : {QPoint(0, 0), QPoint(99, 0), QPoint(0, 99), QPoint(99, 99)})
            QCOMPARE(Pixel(tournee, coin.x(), coin.y()), QColor(Qt::red));
        QCOMPARE(Pixel(tournee, 50, 50), QColor(Qt::blue));
        QCOMPARE(Pixel(tournee, 50, 0), QColor(Qt::blue));
    }

    void rotationUnPixel_data()
    {
        QTest::addColumn<double>("angle");
        for (const double angle : {0.0, 30.0, 90.0, 180.0, 270.0, -45.0, 1000.5})
            QTest::newRow(qPrintable(QString::number(angle))) << angle;
    }
    void rotationUnPixel()
    {
        QFETCH(double, angle);
        QImage tournee;
        RotationBmp(Unie(1, 1, QColor(12, 34, 56)), tournee, clWhite, angle);
        QCOMPARE(tournee.size(), QSize(1, 1));
        QCOMPARE(Pixel(tournee, 0, 0), QColor(12, 34, 56));
    }

    // Pictures wide enough for the vector paths and the tiles, and widths that leave remainders.
    void rotationCommeSaDefinition_data()
    {
        QTest::addColumn<int>("largeur");
        QTest::addColumn<int>("hauteur");
        QTest::addColumn<double>("angle");
        for (const QSize taille : {QSize(100, 100), QSize(131, 67), QSize(70, 257)})
            for (const double angle : {30.0, 45.0, 90.0, 135.0, 200.0, -17.5, 359.0})
                QTest::newRow(
                    qPrintable(QStringLiteral("%1 × %2 à %3°").arg(taille.width()).arg(taille.height()).arg(angle)))
                    << taille.width() << taille.height() << angle;
    }
    void rotationCommeSaDefinition()
    {
        QFETCH(int, largeur);
        QFETCH(int, hauteur);
        QFETCH(double, angle);
        const QImage source = ImageMelangee(largeur, hauteur, quint32(largeur * 7 + hauteur));
        QImage tournee;
        RotationBmp(source, tournee, 0x00030201, angle);
        QCOMPARE(tournee, RotationDeReference(source, QColor(1, 2, 3), angle));
    }

    void rotationSurElleMeme()
    {
        const QImage source = ImageMelangee(40, 30, 5);
        QImage image = source.copy();
        RotationBmp(image, image, clWhite, 30.0);
        QCOMPARE(image, RotationDeReference(source, Qt::white, 30.0));
    }

    // A destination whose pixels another picture shares is replaced, not written into.
    void rotationNeTouchePasLesPartages()
    {
        const QImage avant = ImageMelangee(20, 20, 9);
        QImage destination = avant;
        const QImage partage = destination;
        RotationBmp(ImageMelangee(20, 20, 3), destination, clWhite, 10.0);
        QCOMPARE(partage, avant);
        QVERIFY(destination != avant);
    }

    void rotationDAutresFormats()
    {
        const QImage source = ImageMelangee(33, 21, 11);
        QImage tournee;
        RotationBmp(source.convertToFormat(QImage::Format_RGB32), tournee, clWhite, 60.0);
        QCOMPARE(tournee, RotationDeReference(source, Qt::white, 60.0));
    }

    // Every near miss of the sought colour (one channel off, channels swapped) stands both in the sixteen-pixel
    // blocks and in the last columns after them; a colour of three different channels tells a swap.
    void remplacementExact_data()
    {
        QTest::addColumn<QColor>("cherchee");
        QTest::newRow("marqueur") << CouleurMarqueur;
        QTest::newRow("trois canaux différents") << QColor(10, 20, 30);
    }
    void remplacementExact()
    {
        QFETCH(QColor, cherchee);
        const int r = cherchee.red(), v = cherchee.green(), b = cherchee.blue();
        const QList<QColor> motif{cherchee,        QColor(r ^ 1, v, b), QColor(r, v ^ 1, b), QColor(r, v, b ^ 1),
                                  QColor(v, r, b), QColor(r, b, v),     QColor(b, v, r),     QColor(0, 0, 0)};
        const int largeur = 32 + int(motif.size()); // two blocks, then one of each in the last columns
        QImage image(largeur, int(motif.size()), QImage::Format_RGB888);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < largeur; ++x)
                Peindre(image, x, y, motif[(x + y) % motif.size()]);
        const QImage avant = image.copy();
        QVERIFY(!CopierColorBmpToColorImage(image, image, QColorVersCouleur(cherchee), CouleurClasse));
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < largeur; ++x)
                QCOMPARE(Pixel(image, x, y), Pixel(avant, x, y) == cherchee ? CouleurClasseRvb : Pixel(avant, x, y));
    }

    // The source says where, the destination keeps everything else.
    void remplacementDUneAutreImage()
    {
        QImage trame = Unie(20, 3, Qt::white);
        Peindre(trame, 0, 0, CouleurMarqueur);
        Peindre(trame, 17, 1, CouleurMarqueur);
        Peindre(trame, 19, 2, CouleurMarqueur);
        QImage dessin = ImageMelangee(20, 3, 4);
        const QImage avant = dessin.copy();
        QVERIFY(!CopierColorBmpToColorImage(trame, dessin, Marqueur, CouleurClasse));
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 20; ++x) {
                const bool marque = Pixel(trame, x, y) == CouleurMarqueur;
                QCOMPARE(Pixel(dessin, x, y), marque ? CouleurClasseRvb : Pixel(avant, x, y));
            }
    }

    // Two pictures that share their pixels: the source must not change with the destination.
    void remplacementSurUneCopiePartagee()
    {
        const QImage source = Unie(5, 5, CouleurMarqueur);
        QImage destination = source;
        CopierColorBmpToColorImage(source, destination, Marqueur, CouleurClasse);
        QCOMPARE(Pixel(source, 2, 2), CouleurMarqueur);
        QCOMPARE(Pixel(destination, 2, 2), CouleurClasseRvb);
    }

    void remplacementVersCouleurDuBureau()
    {
        QImage image = Unie(3, 3, CouleurMarqueur, QImage::Format_RGB32);
        CopierColorBmpToColorImage(image, image, Marqueur, clBtnFace);
        const QColor face = QGuiApplication::palette().color(QPalette::Button);
        QCOMPARE(image.format(), QImage::Format_RGB888);
        QCOMPARE(Pixel(image, 1, 1), QColor(face.red(), face.green(), face.blue()));
    }

    void remplacementTaillesDifferentes()
    {
        const QImage source = Unie(10, 10, CouleurMarqueur);
        QImage destination = Unie(10, 11, CouleurMarqueur, QImage::Format_RGB32);
        const QImage avant = destination.copy();
        const auto message = CopierColorBmpToColorImage(source, destination, Marqueur, CouleurClasse);
        QCOMPARE(message.value_or(QString()),
                 QStringLiteral("La procedure \"CopierColorBmpToColorImage\" ne peut être utilisé.\n"
                                "La taille des images est différente !"));
        QCOMPARE(destination.format(), QImage::Format_RGB32);
        QCOMPARE(destination, avant);
    }

    void transparence_data()
    {
        QTest::addColumn<int>("pourcentage");
        QTest::addColumn<int>("canal");
        QTest::addColumn<int>("attendu");
        QTest::newRow("-100 donne du blanc") << -100 << 37 << 255;
        QTest::newRow("0 ne change rien") << 0 << 37 << 37;
        QTest::newRow("-50 sur 100: 177,5 vers le pair") << -50 << 100 << 178;
        QTest::newRow("-50 sur 0: 127,5 vers le pair") << -50 << 0 << 128;
        QTest::newRow("-50 sur 255") << -50 << 255 << 255;
        QTest::newRow("-30 sur 250: 251,5 vers le pair") << -30 << 250 << 252;
        QTest::newRow("50 sur 100: 22,5 vers le pair") << 50 << 100 << 22;
        QTest::newRow("100 sur 200") << 100 << 200 << 145;
        QTest::newRow("100 sur 100 borné à 0") << 100 << 100 << 0;
    }
    // On a picture whose rows repeat, so that rows taken from the row above are checked too.
    void transparence()
    {
        QFETCH(int, pourcentage);
        QFETCH(int, canal);
        QFETCH(int, attendu);
        QImage image = Unie(40, 4, QColor(canal, canal, canal));
        TransparenceBmp(image, pourcentage);
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 40; ++x)
                QCOMPARE(Pixel(image, x, y), QColor(attendu, attendu, attendu));
    }

    // A pixel fades the same whatever its neighbours, rows repeated or not.
    void transparenceNeDependPasDuVoisinage()
    {
        QImage image = ImageMelangee(53, 12, 21);
        for (int y = 1; y < 12; y += 2) // every other row repeats the one above, one pixel apart
            std::memcpy(image.scanLine(y), image.constScanLine(y - 1), std::size_t(image.bytesPerLine()));
        Peindre(image, 30, 5, QColor(1, 2, 3));
        const QImage avant = image.copy();
        TransparenceBmp(image, -37);
        for (int y = 0; y < 12; ++y) {
            for (int x = 0; x < 53; ++x) {
                QImage seul = avant.copy(x, y, 1, 1);
                TransparenceBmp(seul, -37);
                QCOMPARE(Pixel(image, x, y), Pixel(seul, 0, 0));
            }
        }
    }

    void contraste_data()
    {
        QTest::addColumn<int>("pivot");
        QTest::addColumn<double>("gain");
        QTest::addColumn<double>("facteur");
        QTest::addColumn<int>("canal");
        QTest::addColumn<int>("attendu");
        QTest::newRow("borné à 255") << 0 << 2.0 << 0.0 << 200 << 255;
        QTest::newRow("borné à 0") << 255 << 1.0 << 1.0 << 10 << 0;
        QTest::newRow("autour de 128") << 128 << 1.0 << 0.5 << 200 << 236;
        QTest::newRow("gain 2,5 vers le pair") << 0 << 0.5 << 0.0 << 5 << 2;
        QTest::newRow("gain 3,5 vers le pair") << 0 << 0.5 << 0.0 << 7 << 4;
    }
    void contraste()
    {
        QFETCH(int, pivot);
        QFETCH(double, gain);
        QFETCH(double, facteur);
        QFETCH(int, canal);
        QFETCH(int, attendu);
        QImage image = Unie(3, 2, QColor(canal, canal, canal), QImage::Format_RGB32);
        ContrasteBmp(pivot, image, gain, facteur);
        QCOMPARE(image.format(), QImage::Format_RGB888);
        QCOMPARE(Pixel(image, 2, 1), QColor(attendu, attendu, attendu));
    }

    void remplissage()
    {
        QImage image = ImageMelangee(7, 5, 2).convertToFormat(QImage::Format_RGB32);
        RemplirImage(image, 0x00FF8000);
        QCOMPARE(image.format(), QImage::Format_RGB888);
        QCOMPARE(image.size(), QSize(7, 5));
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 7; ++x)
                QCOMPARE(Pixel(image, x, y), QColor(0, 128, 255));

        RemplirImage(image, clBtnFace);
        const QColor face = QGuiApplication::palette().color(QPalette::Button);
        QCOMPARE(Pixel(image, 6, 4), QColor(face.red(), face.green(), face.blue()));

        QImage vide;
        RemplirImage(vide, clWhite);
        QVERIFY(vide.isNull());
    }

    void etAvecUneSourceBlanche()
    {
        QImage destination = ImageMelangee(7, 4, 8);
        const QImage avant = destination.copy();
        CopierBmp(Unie(7, 4, Qt::white), destination, OperationRaster::EtSource);
        QCOMPARE(destination, avant);
    }

    void etOctetParOctet()
    {
        QImage destination = Unie(7, 3, QColor(0xF0, 0x0F, 0xAA));
        QImage source = Unie(7, 3, QColor(0x3C, 0xFF, 0x55), QImage::Format_RGB32);
        Peindre(destination, 6, 2, Qt::white);
        CopierBmp(source, destination, OperationRaster::EtSource);
        QCOMPARE(Pixel(destination, 0, 0), QColor(0x30, 0x0F, 0x00));
        QCOMPARE(Pixel(destination, 6, 2), QColor(0x3C, 0xFF, 0x55));
        CopierBmp(Unie(7, 3, Qt::black), destination, OperationRaster::EtSource);
        QCOMPARE(Pixel(destination, 3, 1), QColor(Qt::black));
    }

    // The destination takes the source's size; where it had no pixels it counts as white.
    void etSurUneDestinationDAutreTaille()
    {
        QImage destination = Unie(4, 4, Qt::red);
        CopierBmp(Unie(6, 2, QColor(0x80, 0x80, 0x80)), destination, OperationRaster::EtSource);
        QCOMPARE(destination.size(), QSize(6, 2));
        QCOMPARE(Pixel(destination, 3, 1), QColor(0x80, 0, 0));
        QCOMPARE(Pixel(destination, 5, 1), QColor(0x80, 0x80, 0x80));
    }

    void copieALaTailleDeLaSource()
    {
        const QImage source = ImageMelangee(7, 3, 6);
        QImage destination = Unie(5, 5, Qt::green);
        CopierBmp(source.convertToFormat(QImage::Format_RGB32), destination, OperationRaster::CopieSource);
        QCOMPARE(destination.format(), QImage::Format_RGB888);
        QCOMPARE(destination, source);
    }
};

VELKORA_TEST(TestFPti)
#include "TestFPti.moc"
