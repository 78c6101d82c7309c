#include "common/TravailImprime.h"
#include "support/Enregistrement.h"
#include "support/LecturePdf.h"

#include <QPageSize>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// A work that is red all over, so that where it lands on the page can be measured.
TravailImprime TravailRouge(QSizeF taille)
{
    return {QStringLiteral("Étau"), QStringLiteral("Présentation"), {}, taille, [taille](QPainter &p) {
                p.fillRect(QRectF(QPointF(0, 0), taille), Qt::red);
            }};
}

QRect CadreRouge(const QImage &image)
{
    QRect cadre;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == qRgb(255, 0, 0))
                cadre |= QRect(x, y, 1, 1);
    return cadre;
}

} // namespace

class TestImpression : public QObject {
    Q_OBJECT

private slots:
    // Fails when the work is scaled past the page, stretched out of its proportions, or not centred.
    void travailAjuste_data()
    {
        QTest::addColumn<QSizeF>("taille");
        QTest::newRow("paysage") << QSizeF(4960, 1200);
        QTest::newRow("portrait") << QSizeF(300, 900);
        QTest::newRow("carré") << QSizeF(500, 500);
    }
    void travailAjuste()
    {
        QFETCH(QSizeF, taille);
        QImage page(800, 600, QImage::Format_RGB32);
        page.fill(Qt::white);
        {
            QPainter p(&page);
            PeindrePage(p, QRectF(page.rect()), TravailRouge(taille), QStringLiteral("Camille"));
        }
        const QRect rouge = CadreRouge(page);
        QVERIFY(!rouge.isEmpty());
        QVERIFY2(rouge.top() > 30, "le travail couvre l'en-tête");
        const bool touteLaLargeur = rouge.left() == 0 && rouge.right() == page.width() - 1;
        const bool jusquEnBas = rouge.bottom() == page.height() - 1;
        QVERIFY(touteLaLargeur || jusquEnBas);
        QVERIFY(qAbs(rouge.left() - (page.width() - 1 - rouge.right())) <= 1);
        QVERIFY(qAbs(double(rouge.width()) / rouge.height() - taille.width() / taille.height()) <
                0.02 * taille.width() / taille.height() + 1.0 / rouge.height());
    }

    // A folder is no file to write: refused by its name, and the file written before stays. (What the PDF and the
    // SVG hold is read back through each window's exports.)
    void cibleRefusee()
    {
        const QTemporaryDir dossier;
        const QString pdf = dossier.filePath(QStringLiteral("page.pdf"));
        const QPageLayout a4(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(10, 10, 10, 10));
        QCOMPARE(EnregistrerPdf(pdf, TravailRouge(QSizeF(300, 200)), QString(), a4), std::nullopt);
        const auto refus = EnregistrerPdf(dossier.path(), TravailRouge(QSizeF(300, 200)), QString(), a4);
        QVERIFY(refus && refus->contains(dossier.path()));
        QCOMPARE(LirePdf(pdf).pages, 1);
    }
};

VELKORA_TEST(TestImpression)
#include "TestImpression.moc"
