#include "common/Jpeg.h"
#include "support/Enregistrement.h"

#include <QTemporaryDir>
#include <QtTest>
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

namespace {

// Four flat quarters, so that the round trip can be judged away from the edges.
QImage ImageEnQuartiers(QImage::Format format = QImage::Format_RGB888)
{
    QImage image(64, 48, format);
    const QColor quartiers[] = {QColor(200, 30, 40), QColor(20, 180, 60), QColor(30, 50, 210), QColor(240, 240, 240)};
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 64; ++x)
            image.setPixelColor(x, y, quartiers[(y / 24) * 2 + x / 32]);
    return image;
}

QByteArray Encoder(const QImage &image, int qualite = 90)
{
    QByteArray octets;
    const auto erreur = EncoderJpeg(image, qualite, octets);
    if (erreur)
        qWarning() << *erreur;
    return octets;
}

// A flat JPEG of another colour model, written straight with libjpeg.
QByteArray JpegBrut(int composantes, J_COLOR_SPACE espace, uchar valeur)
{
    jpeg_compress_struct info{};
    jpeg_error_mgr erreurs{};
    info.err = jpeg_std_error(&erreurs);
    jpeg_create_compress(&info);
    unsigned char *sortie = nullptr;
    unsigned long taille = 0;
    jpeg_mem_dest(&info, &sortie, &taille);
    info.image_width = 8;
    info.image_height = 8;
    info.input_components = composantes;
    info.in_color_space = espace;
    jpeg_set_defaults(&info);
    jpeg_start_compress(&info, TRUE);
    QByteArray ligne(8 * composantes, char(valeur));
    while (info.next_scanline < info.image_height) {
        JSAMPROW pointeur = reinterpret_cast<JSAMPROW>(ligne.data());
        jpeg_write_scanlines(&info, &pointeur, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    const QByteArray octets(reinterpret_cast<const char *>(sortie), qsizetype(taille));
    std::free(sortie);
    return octets;
}

// The same JPEG announcing another size in its frame header.
QByteArray AvecTailleAnnoncee(QByteArray octets, int largeur, int hauteur)
{
    const qsizetype sof = octets.indexOf(QByteArray("\xFF\xC0", 2));
    if (sof < 0)
        return {};
    octets[sof + 5] = char(hauteur >> 8);
    octets[sof + 6] = char(hauteur & 0xFF);
    octets[sof + 7] = char(largeur >> 8);
    octets[sof + 8] = char(largeur & 0xFF);
    return octets;
}

bool Proche(const QColor &a, const QColor &b, int ecart)
{
    return std::abs(a.red() - b.red()) <= ecart && std::abs(a.green() - b.green()) <= ecart &&
           std::abs(a.blue() - b.blue()) <= ecart;
}

} // namespace

class TestJpeg : public QObject {
    Q_OBJECT
private slots:
    void allerRetour_data()
    {
        QTest::addColumn<int>("format");
        QTest::newRow("24 bits") << int(QImage::Format_RGB888);
        QTest::newRow("32 bits") << int(QImage::Format_ARGB32);
    }
    void allerRetour()
    {
        QFETCH(int, format);
        const QImage image = ImageEnQuartiers(QImage::Format(format));
        const QByteArray octets = Encoder(image);
        QVERIFY(octets.startsWith("\xFF\xD8"));
        QVERIFY(octets.contains(QByteArray("\xFF\xC0", 2))); // baseline
        const ImageDecodee lue = DecoderJpeg(octets);
        QVERIFY2(lue.erreur.isEmpty(), qPrintable(lue.erreur));
        QCOMPARE(lue.image.size(), image.size());
        QCOMPARE(lue.image.format(), QImage::Format_RGB888);
        for (const QPoint centre : {QPoint(16, 12), QPoint(48, 12), QPoint(16, 36), QPoint(48, 36)})
            QVERIFY(Proche(lue.image.pixelColor(centre), image.pixelColor(centre), 8));
    }

    void qualite()
    {
        const QImage image = ImageEnQuartiers();
        QVERIFY(Encoder(image, 10).size() < Encoder(image, 95).size());
    }

    void parUnFichier()
    {
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath(QStringLiteral("coloriage.jpg"));
        QVERIFY(!EcrireJpeg(ImageEnQuartiers(), 85, chemin));
        const ImageDecodee lue = LireJpeg(chemin);
        QVERIFY(lue.erreur.isEmpty());
        QCOMPARE(lue.image.size(), QSize(64, 48));
    }

    void fichierImpossibleAEcrire()
    {
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath(QStringLiteral("absent/coloriage.jpg"));
        const auto erreur = EcrireJpeg(ImageEnQuartiers(), 85, chemin);
        QVERIFY(erreur.has_value());
        QVERIFY(erreur->startsWith(QStringLiteral("Impossible d'enregistrer le fichier \"%1\"").arg(chemin)));
        QVERIFY(!QFile::exists(chemin));
    }

    void fichierAbsent()
    {
        const ImageDecodee lue = LireJpeg(QStringLiteral("/nulle/part/banniere.jpg"));
        QVERIFY(lue.image.isNull());
        QCOMPARE(lue.erreur, QStringLiteral("Impossible d'ouvrir le fichier \"banniere.jpg\"."));
    }

    void donneesRefusees_data()
    {
        const QByteArray valide = Encoder(ImageEnQuartiers());
        QTest::addColumn<QByteArray>("octets");
        QTest::addColumn<QString>("erreur");
        QTest::newRow("zéro octet") << QByteArray() << QStringLiteral("Le fichier JPEG est vide.");
        QTest::newRow("tronqué") << valide.left(valide.size() / 2)
                                 << QStringLiteral("L'image JPEG est incomplète : la fin du fichier manque.");
        QTest::newRow("en-tête seul") << valide.left(20)
                                      << QStringLiteral("L'image JPEG est incomplète : la fin du fichier manque.");
        QTest::newRow("texte") << QByteArray("Ceci n'est pas une image.")
                               << QStringLiteral("Ces données ne sont pas une image JPEG.");
        QByteArray melange = valide;
        for (qsizetype i = 200; i < melange.size() - 2; i += 7)
            melange[i] = char(melange[i] ^ 0x5A);
        QTest::newRow("données brouillées")
            << melange << QStringLiteral("L'image JPEG est endommagée ou d'un type qui n'est pas pris en charge.");
        const auto tropGrande = [](int largeur, int hauteur) {
            return QStringLiteral("L'image JPEG annonce %1 × %2 pixels : la plus grande image acceptée mesure "
                                  "9933 × 7016 pixels (une feuille A1 à 300 dpi).")
                .arg(largeur)
                .arg(hauteur);
        };
        QTest::newRow("côté démesuré") << AvecTailleAnnoncee(valide, 40000, 16) << tropGrande(40000, 16);
        QTest::newRow("trop de pixels") << AvecTailleAnnoncee(valide, 20000, 20000) << tropGrande(20000, 20000);
        // Both sides fit the long side of the sheet; the short one does not.
        QTest::newRow("plus grande qu'une feuille A1")
            << AvecTailleAnnoncee(valide, 8000, 8000) << tropGrande(8000, 8000);
        QTest::newRow("CMJN") << JpegBrut(4, JCS_CMYK, 100)
                              << QStringLiteral("Les images JPEG en couleurs CMJN ne sont pas prises en charge : "
                                                "enregistrez l'image en RVB.");
    }
    void donneesRefusees()
    {
        QFETCH(QByteArray, octets);
        QFETCH(QString, erreur);
        const ImageDecodee lue = DecoderJpeg(octets);
        QVERIFY(lue.image.isNull());
        QCOMPARE(lue.erreur, erreur);
    }

    void grisEnRvb()
    {
        const ImageDecodee lue = DecoderJpeg(JpegBrut(1, JCS_GRAYSCALE, 90));
        QVERIFY2(lue.erreur.isEmpty(), qPrintable(lue.erreur));
        QCOMPARE(lue.image.format(), QImage::Format_RGB888);
        QCOMPARE(lue.image.size(), QSize(8, 8));
        QVERIFY(Proche(lue.image.pixelColor(4, 4), QColor(90, 90, 90), 1));
    }

    void rienAEncoder()
    {
        QByteArray octets("inchangé");
        QCOMPARE(EncoderJpeg(QImage(), 90, octets).value_or(QString()),
                 QStringLiteral("Il n'y a pas d'image à enregistrer."));
        QCOMPARE(octets, QByteArray("inchangé"));
    }
};

VELKORA_TEST(TestJpeg)
#include "TestJpeg.moc"
