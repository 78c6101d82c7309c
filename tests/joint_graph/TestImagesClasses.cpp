#include "ImagesClasses.h"
#include "support/Enregistrement.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

// The free mode's class pictures delivered in data/sansmecanisme/graphe_des_liaisons/ are what
// their generator draws.
class TestImagesClasses : public QObject {
    Q_OBJECT

    static QString DossierLivre()
    {
        return QFileInfo(QStringLiteral(__FILE__)).absolutePath() +
               QStringLiteral("/../../data/sansmecanisme/graphe_des_liaisons/");
    }

private slots:
    void copieLivreeIdentique()
    {
        for (int n = 1; n <= NombreImagesClasses; ++n) {
            const QImage livree(DossierLivre() + NomFichierImageClasse(n));
            QVERIFY2(!livree.isNull(), qPrintable(NomFichierImageClasse(n)));
            QFile fichier(DossierLivre() + NomFichierImageClasse(n));
            QVERIFY(fichier.open(QIODevice::ReadOnly));
            const QByteArray entete = fichier.read(30);
            QCOMPARE(entete.size(), 30);
            QCOMPARE(int(entete[28]), 24); // bits per pixel
            QCOMPARE(livree.convertToFormat(QImage::Format_RGB888), DessinerImageClasse(n));
        }
        QVERIFY(DessinerImageClasse(0).isNull());
        QVERIFY(DessinerImageClasse(10).isNull());
        QVERIFY(QFileInfo::exists(DossierLivre() + QStringLiteral("../schema_cinematique/condition.inf")));
    }

    void chaqueNumeroSonImage()
    {
        // Each digit differs from the others, and the corners the node draws into stay white.
        for (int a = 1; a <= NombreImagesClasses; ++a) {
            const QImage image = DessinerImageClasse(a);
            QCOMPARE(image.pixelColor(5, 5), QColor(Qt::white));
            QCOMPARE(image.pixelColor(LargeurImageClasse - 10, HauteurImageClasse - 10), QColor(Qt::white));
            for (int b = a + 1; b <= NombreImagesClasses; ++b)
                QVERIFY(image != DessinerImageClasse(b));
        }
        QTemporaryDir dossier;
        QCOMPARE(EcrireImagesClasses(dossier.path()), std::nullopt);
        QCOMPARE(QImage(dossier.filePath("9.bmp")).convertToFormat(QImage::Format_RGB888), DessinerImageClasse(9));
    }
};

VELKORA_TEST(TestImagesClasses)
#include "TestImagesClasses.moc"
