#include "common/ChargementImage.h"
#include "support/ArbreMecanismes.h"
#include "support/Enregistrement.h"

#include <QFile>
#include <QtEndian>
#include <QtTest>

namespace {

// A 24-bit bitmap's header announcing largeur × hauteur, followed by only `octetsPixels` bytes of pixels.
QByteArray EnteteBmp24(qint32 largeur, qint32 hauteur, qint64 octetsPixels)
{
    QByteArray octets(54, '\0');
    auto ecrire32 = [&](int position, quint32 valeur) { qToLittleEndian(valeur, octets.data() + position); };
    octets[0] = 'B';
    octets[1] = 'M';
    ecrire32(2, quint32(54 + octetsPixels));
    ecrire32(10, 54);
    ecrire32(14, 40);
    ecrire32(18, quint32(largeur));
    ecrire32(22, quint32(hauteur));
    qToLittleEndian<quint16>(1, octets.data() + 26);
    qToLittleEndian<quint16>(24, octets.data() + 28);
    return octets + QByteArray(octetsPixels, char(0xFF));
}

qint64 OctetsPixels24(qint64 largeur, qint64 hauteur) { return (largeur * 3 + 3) / 4 * 4 * hauteur; }

// A bitmap of another depth or compressed: the header, a grey palette up to 8 bits a pixel, then the
// pixel bytes given; `tailleDonnees` is what the header says they take.
QByteArray EnteteBmp(qint32 largeur, qint32 hauteur, quint16 bits, quint32 compression, const QByteArray &pixels,
                     quint32 tailleDonnees)
{
    QByteArray palette;
    for (int i = 0; bits <= 8 && i < 1 << bits; ++i)
        palette += QByteArray(3, char(i)) + '\0';
    QByteArray octets = EnteteBmp24(largeur, hauteur, 0);
    qToLittleEndian<quint32>(quint32(octets.size() + palette.size() + pixels.size()), octets.data() + 2);
    qToLittleEndian<quint32>(quint32(octets.size() + palette.size()), octets.data() + 10);
    qToLittleEndian<quint16>(bits, octets.data() + 28);
    qToLittleEndian<quint32>(compression, octets.data() + 30);
    qToLittleEndian<quint32>(tailleDonnees, octets.data() + 34);
    return octets + palette + pixels;
}

// Run-length rows of 8-bit pixels: one run a row, then the end of the row; the end of the picture last.
QByteArray PixelsRle8(int largeur, int hauteur)
{
    QByteArray rle;
    for (int y = 0; y < hauteur; ++y) {
        const char ligne[] = {char(largeur), char(y * 40), 0, 0};
        rle += QByteArray(ligne, sizeof ligne);
    }
    return rle + QByteArray("\0\1", 2);
}

} // namespace

class TestChargementImage : public QObject {
    Q_OBJECT

    static QString message(const std::variant<QImage, RefusImage> &lue)
    {
        const auto *refus = std::get_if<RefusImage>(&lue);
        return refus ? refus->message(QStringLiteral("plan.bmp"), QStringLiteral("Phrase.")) : QString();
    }

private slots:
    // The row padding of odd widths is where a slip in the announced length would hide.
    void donneesAnnonceesPresentes_data()
    {
        QTest::addColumn<int>("largeur");
        QTest::addColumn<int>("hauteur");
        QTest::addColumn<qint64>("manquants");
        QTest::addColumn<bool>("acceptee");
        QTest::newRow("entière") << 7 << 5 << qint64(0) << true;
        QTest::newRow("un octet de moins") << 7 << 5 << qint64(1) << false;
        QTest::newRow("remplissage de la dernière ligne") << 7 << 5 << qint64(3) << false;
        QTest::newRow("tiers") << 300 << 200 << OctetsPixels24(300, 200) * 2 / 3 << false;
        QTest::newRow("hauteur négative, de haut en bas") << 7 << -5 << qint64(0) << true;
        QTest::newRow("hauteur négative tronquée") << 7 << -5 << qint64(4) << false;
    }
    void donneesAnnonceesPresentes()
    {
        QFETCH(int, largeur);
        QFETCH(int, hauteur);
        QFETCH(qint64, manquants);
        QFETCH(bool, acceptee);
        ArbreMecanismes arbre;
        const QString chemin = arbre.ecrireOctets(
            "plan.bmp", EnteteBmp24(largeur, hauteur, OctetsPixels24(largeur, qAbs(hauteur)) - manquants));
        const auto lue = ChargerImage(chemin);
        QCOMPARE(std::holds_alternative<QImage>(lue), acceptee);
        if (acceptee) {
            QCOMPARE(std::get<QImage>(lue).size(), QSize(largeur, qAbs(hauteur)));
            QCOMPARE(std::get<QImage>(lue).format(), QImage::Format_RGB888);
        } else {
            QCOMPARE(message(lue), QStringLiteral("Le fichier \"plan.bmp\" n'est pas une image lisible.\n\nPhrase."));
        }
    }

    // Other depths and the run-length compression that Qt decodes: a file short of what its header
    // announces is refused, whatever Qt would make of it.
    void autresFormatsComplets_data()
    {
        QTest::addColumn<int>("bits");
        QTest::addColumn<bool>("rle");
        QTest::addColumn<int>("manquants");
        QTest::addColumn<bool>("acceptee");
        QTest::newRow("8 bits") << 8 << false << 0 << true;
        QTest::newRow("8 bits, une ligne de moins") << 8 << false << 8 << false;
        QTest::newRow("32 bits") << 32 << false << 0 << true;
        QTest::newRow("32 bits, une ligne de moins") << 32 << false << 28 << false;
        QTest::newRow("RLE 8 bits") << 8 << true << 0 << true;
        QTest::newRow("RLE 8 bits, moitié des données") << 8 << true << 11 << false;
    }
    void autresFormatsComplets()
    {
        QFETCH(int, bits);
        QFETCH(bool, rle);
        QFETCH(int, manquants);
        QFETCH(bool, acceptee);
        constexpr int largeur = 7, hauteur = 5;
        const QByteArray pixels =
            rle ? PixelsRle8(largeur, hauteur) : QByteArray((largeur * bits + 31) / 32 * 4 * hauteur, char(0x40));
        ArbreMecanismes arbre;
        const QString chemin =
            arbre.ecrireOctets("plan.bmp", EnteteBmp(largeur, hauteur, quint16(bits), rle ? 1 : 0,
                                                     pixels.first(pixels.size() - manquants), quint32(pixels.size())));
        const auto lue = ChargerImage(chemin);
        QVERIFY2(std::holds_alternative<QImage>(lue) == acceptee, qPrintable(message(lue)));
        if (acceptee)
            QCOMPARE(std::get<QImage>(lue).size(), QSize(largeur, hauteur));
    }

    // Every pixel where it was, red not swapped with blue, whichever way the rows are stored and with
    // the padding of an odd width.
    void pixelsALeurPlace_data()
    {
        QTest::addColumn<bool>("deHautEnBas");
        QTest::newRow("de bas en haut") << false;
        QTest::newRow("de haut en bas") << true;
    }
    void pixelsALeurPlace()
    {
        QFETCH(bool, deHautEnBas);
        QImage image(7, 5, QImage::Format_RGB888);
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x)
                image.setPixelColor(x, y, QColor(10 + x, 100 + y, 200 + x + y));
        }
        ArbreMecanismes arbre;
        QByteArray octets = EnteteBmp24(image.width(), deHautEnBas ? -image.height() : image.height(), 0);
        const qsizetype ligne = OctetsPixels24(image.width(), 1);
        for (int k = 0; k < image.height(); ++k) {
            QByteArray rangee(ligne, '\0');
            const int y = deHautEnBas ? k : image.height() - 1 - k;
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                rangee[3 * x] = char(c.blue());
                rangee[3 * x + 1] = char(c.green());
                rangee[3 * x + 2] = char(c.red());
            }
            octets += rangee;
        }
        const auto lue = ChargerImage(arbre.ecrireOctets("plan.bmp", octets));
        QCOMPARE(message(lue), QString());
        QCOMPARE(std::get<QImage>(lue), image);
    }

    // Headers alone: a size accepted goes on to the pixel check (and is refused as unreadable), a larger
    // one is refused for its size, whichever way round the sheet lies.
    void tailleLimiteeAUneFeuilleA1_data()
    {
        QTest::addColumn<int>("largeur");
        QTest::addColumn<int>("hauteur");
        QTest::addColumn<bool>("tropGrande");
        QTest::newRow("A1 en paysage") << 9933 << 7016 << false;
        QTest::newRow("A1 en portrait") << 7016 << 9933 << false;
        QTest::newRow("un pixel plus large") << 9934 << 7016 << true;
        QTest::newRow("un pixel plus haute") << 9933 << 7017 << true;
        QTest::newRow("portrait un pixel plus large") << 7017 << 9933 << true;
        QTest::newRow("20000 × 20000") << 20000 << 20000 << true;
    }
    void tailleLimiteeAUneFeuilleA1()
    {
        QFETCH(int, largeur);
        QFETCH(int, hauteur);
        QFETCH(bool, tropGrande);
        ArbreMecanismes arbre;
        const auto lue = ChargerImage(arbre.ecrireOctets("plan.bmp", EnteteBmp24(largeur, hauteur, 16)));
        const QString attendu =
            tropGrande
                ? QStringLiteral("Le fichier \"plan.bmp\" est une image de %1 × %2 pixels : la plus grande image "
                                 "acceptée mesure 9933 × 7016 pixels (une feuille A1 à 300 dpi).\n\nPhrase.")
                      .arg(largeur)
                      .arg(hauteur)
                : QStringLiteral("Le fichier \"plan.bmp\" n'est pas une image lisible.\n\nPhrase.");
        QCOMPARE(message(lue), attendu);
    }

    // Over Qt's own default limit of 128 MB once read at 32 bits a pixel.
    void feuilleA2A300Dpi()
    {
        ArbreMecanismes arbre;
        const auto lue =
            ChargerImage(arbre.ecrireOctets("plan.bmp", EnteteBmp24(7000, 5000, OctetsPixels24(7000, 5000))));
        QCOMPARE(message(lue), QString());
        QCOMPARE(std::get<QImage>(lue).size(), QSize(7000, 5000));
        QCOMPARE(std::get<QImage>(lue).pixelColor(6999, 4999), QColor(Qt::white));
    }

    void pasUneImage()
    {
        ArbreMecanismes arbre;
        for (const QByteArray &octets : {QByteArray(), QByteArray("BM"), QByteArray("du texte, pas une image")})
            QCOMPARE(message(ChargerImage(arbre.ecrireOctets("plan.bmp", octets))),
                     QStringLiteral("Le fichier \"plan.bmp\" n'est pas une image lisible.\n\nPhrase."));
        QCOMPARE(message(ChargerImage(arbre.chemin("absent.bmp"))),
                 QStringLiteral("Le fichier \"plan.bmp\" n'est pas une image lisible.\n\nPhrase."));
    }
};

VELKORA_TEST(TestChargementImage)
#include "TestChargementImage.moc"
