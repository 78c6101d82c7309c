#include "diagram/TFormSchemaCinematique.h"
#include "shell/TAboutBox.h"
#include "shell/TFormPrincipale.h"
#include "support/ArbreMecanismes.h"
#include "support/Enregistrement.h"

#include <QLabel>
#include <QToolButton>
#include <QtTest>

// Run with QT_SCALE_FACTOR=2: every picture the program ships or draws for itself must come with
// twice as many pixels as its size on screen, or the screen enlarges it and it is blurred.
class TestNettete : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QCOMPARE(qApp->devicePixelRatio(), 2.0); }

    void banniereEtLogo()
    {
        ArbreMecanismes arbre;
        TFormPrincipale principale(24);
        TAboutBox aPropos;
        for (const QLabel *label : {principale.findChild<QLabel *>("Image"), aPropos.findChild<QLabel *>("Logo")}) {
            const QPixmap image = label->pixmap();
            QCOMPARE(image.devicePixelRatio(), 2.0);
            const QSize aLEcran = image.deviceIndependentSize().toSize();
            QVERIFY2(aLEcran.width() <= label->width() && aLEcran.height() <= label->height(),
                     qPrintable(label->objectName()));
            QVERIFY2(aLEcran.width() >= label->width() - 1 || aLEcran.height() >= label->height() - 1,
                     qPrintable(label->objectName()));
        }
    }

    // Drawn at twice the pixels, each glyph covers the same part of its button: a drawing left at
    // its 100 % coordinates would fill a quarter of it.
    void glyphesDesOutils()
    {
        ArbreMecanismes arbre;
        TFormSchemaCinematique schema;
        for (const char *nom : {"SpeedBoutonTrait", "SpeedBoutonSpline", "SpeedBoutonGomme", "SpeedBoutonEffacer"}) {
            const QIcon icone = schema.findChild<QToolButton *>(nom)->icon();
            const QImage simple = icone.pixmap(QSize(20, 20), 1.0).toImage();
            const QImage double_ = icone.pixmap(QSize(20, 20), 2.0).toImage();
            QCOMPARE(simple.size(), QSize(20, 20));
            QCOMPARE(double_.size(), QSize(40, 40));
            const auto dessine = [](const QImage &image) {
                QRect zone;
                for (int y = 0; y < image.height(); ++y)
                    for (int x = 0; x < image.width(); ++x)
                        if (qAlpha(image.pixel(x, y)) != 0)
                            zone |= QRect(x, y, 1, 1);
                return zone;
            };
            const QRect attendu(dessine(simple).topLeft() * 2, dessine(simple).size() * 2);
            const QRect obtenu = dessine(double_);
            QVERIFY2(std::abs(obtenu.left() - attendu.left()) <= 2 && std::abs(obtenu.right() - attendu.right()) <= 2 &&
                         std::abs(obtenu.top() - attendu.top()) <= 2 &&
                         std::abs(obtenu.bottom() - attendu.bottom()) <= 2,
                     nom);
        }
    }
};

VELKORA_TEST(TestNettete)
#include "TestNettete.moc"
