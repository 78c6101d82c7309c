#include "atelier/ChargementDessin.h"
#include "support/Enregistrement.h"

#include <QFile>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

namespace {

// A white sheet with a black square in its middle.
QImage Carre(QImage::Format format)
{
    QImage image(60, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter(&image).fillRect(20, 10, 20, 20, Qt::black);
    return image.convertToFormat(format);
}

void EcrirePdf(const QString &chemin, QPageSize format)
{
    QPdfWriter pdf(chemin);
    pdf.setPageSize(format);
    pdf.setResolution(72);
    QPainter peintre(&pdf);
    peintre.fillRect(QRect(100, 100, 200, 100), Qt::black);
}

QString Refus(const std::variant<QImage, QString> &lu)
{
    return std::holds_alternative<QString>(lu) ? std::get<QString>(lu) : QString();
}

} // namespace

class TestChargementDessin : public QObject {
    Q_OBJECT

private slots:
    // Fails when a format or a depth is not read (TIFF needs its plugin), or is read with its grey levels
    // turned round.
    void scans_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QImage>("image");
        QTest::newRow("BMP 1 bit") << "plan.bmp" << Carre(QImage::Format_Mono);
        QTest::newRow("PNG 16 bits de gris") << "plan.png" << Carre(QImage::Format_Grayscale16);
        QTest::newRow("JPEG") << "plan.jpg" << Carre(QImage::Format_RGB32);
        QTest::newRow("TIFF 1 bit") << "plan.tif" << Carre(QImage::Format_Mono);
        QTest::newRow("TIFF 8 bits en couleurs") << "plan.tiff" << Carre(QImage::Format_Indexed8);
    }
    void scans()
    {
        QFETCH(QString, nom);
        QFETCH(QImage, image);
        QTemporaryDir dossier;
        QVERIFY(image.save(dossier.filePath(nom)));
        const auto lu = ChargerDessin(dossier.filePath(nom));
        QVERIFY2(std::holds_alternative<QImage>(lu), qPrintable(Refus(lu)));
        const QImage gris = std::get<QImage>(lu);
        QCOMPARE(gris.format(), QImage::Format_Grayscale8);
        QCOMPARE(gris.size(), QSize(60, 40));
        QVERIFY(gris.pixelColor(30, 20).value() < 40);
        QVERIFY(gris.pixelColor(5, 5).value() > 215);
    }

    // A page of a PDF rendered at the resolution asked. Fails when the resolution is ignored or the page is
    // rendered on a transparent ground.
    void pagePdf()
    {
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath("plan.pdf");
        EcrirePdf(chemin, QPageSize(QPageSize::A4));
        QCOMPARE(std::get<int>(NombrePagesPdf(chemin)), 1);
        const auto lu = ChargerDessin(chemin, 144);
        QVERIFY2(std::holds_alternative<QImage>(lu), qPrintable(Refus(lu)));
        const QImage gris = std::get<QImage>(lu);
        QCOMPARE(gris.size(), QSize(1190, 1684)); // 595 × 842 points, twice
        QVERIFY(gris.pixelColor(400, 300).value() < 40);
        QVERIFY(gris.pixelColor(50, 50).value() > 215);
    }

    // Each refusal says why, in French, before anything as large as the sheet is made.
    void refus_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QByteArray>("contenu"); // empty: written by the test itself
        QTest::addColumn<int>("resolution");
        QTest::addColumn<QString>("message");
        QByteArray bmpGeant(54, '\0');
        bmpGeant[0] = 'B';
        bmpGeant[1] = 'M';
        qToLittleEndian<quint32>(54, bmpGeant.data() + 10);
        qToLittleEndian<quint32>(40, bmpGeant.data() + 14);
        qToLittleEndian<qint32>(20000, bmpGeant.data() + 18);
        qToLittleEndian<qint32>(20000, bmpGeant.data() + 22);
        qToLittleEndian<quint16>(1, bmpGeant.data() + 26);
        qToLittleEndian<quint16>(24, bmpGeant.data() + 28);
        QTest::newRow("image trop grande")
            << "geant.bmp" << bmpGeant << 300
            << "Le fichier \"geant.bmp\" est une image de 20000 × 20000 pixels : la plus "
               "grande image acceptée mesure 9933 × 7016 pixels (une feuille A1 à 300 "
               "dpi).\n\nChoisissez un autre dessin.";
        QTest::newRow("PNG abîmé")
            << "plan.png" << QByteArray("\x89PNG\r\n\x1a\nabimé") << 300
            << "Le fichier \"plan.png\" n'est pas une image lisible.\n\nChoisissez un autre dessin.";
        QTest::newRow("PDF abîmé") << "plan.pdf" << QByteArray("%PDF-1.4\nrien de plus") << 300
                                   << "Le fichier \"plan.pdf\" n'est pas un document PDF lisible.\n\nChoisissez un "
                                      "autre dessin.";
        QTest::newRow("page A0 à 300 dpi")
            << "a0.pdf" << QByteArray() << 300
            << "La page 1 du document \"a0.pdf\", rendue à 300 points par pouce, mesurerait 9934 × 14042 pixels : la "
               "plus grande image acceptée mesure 9933 × 7016 pixels (une feuille A1 à 300 dpi). Choisissez une "
               "résolution plus basse.";
        QTest::newRow("fichier absent") << "" << QByteArray() << 300
                                        << "Le fichier \"absent.png\" est introuvable.\n\nChoisissez un autre dessin.";
    }
    void refus()
    {
        QFETCH(QString, nom);
        QFETCH(QByteArray, contenu);
        QFETCH(int, resolution);
        QFETCH(QString, message);
        QTemporaryDir dossier;
        QString chemin = dossier.filePath(nom.isEmpty() ? QStringLiteral("absent.png") : nom);
        if (!contenu.isEmpty()) {
            QFile fichier(chemin);
            QVERIFY(fichier.open(QIODevice::WriteOnly));
            fichier.write(contenu);
        } else if (!nom.isEmpty()) {
            EcrirePdf(chemin, QPageSize(QPageSize::A0));
        }
        const auto lu = ChargerDessin(chemin, resolution);
        QVERIFY(std::holds_alternative<QString>(lu));
        QCOMPARE(std::get<QString>(lu), message);
    }
};

VELKORA_TEST(TestChargementDessin)
#include "TestChargementDessin.moc"
