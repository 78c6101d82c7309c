#include "common/TravailImprime.h"
#include "support/Enregistrement.h"
#include "support/LecturePdf.h"

#include <QPageSize>
#include <QPainter>
#include <QSvgRenderer>
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

// A work with a picture, strokes and text, as the graph and the diagram give.
TravailImprime TravailMixte()
{
    QImage fond(60, 40, QImage::Format_RGB888);
    fond.fill(Qt::yellow);
    return {QStringLiteral("Étau"),
            QStringLiteral("Graphe des liaisons"),
            {QStringLiteral("Hyperstatisme calculé")},
            QSizeF(300, 200),
            [fond](QPainter &p) {
                p.fillRect(QRectF(0, 0, 300, 200), Qt::white);
                p.drawImage(QRectF(20, 20, 120, 80), fond);
                p.setPen(QPen(Qt::blue, 6));
                p.drawLine(QPointF(160, 40), QPointF(280, 180));
                p.setPen(Qt::black);
                p.drawText(QRectF(20, 150, 200, 30), QStringLiteral("Repère 7"));
            }};
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

    // Read back as a viewer and a browser read them: one page of the paper chosen with the header and the work's
    // text; an SVG of the work's size that draws what the window draws.
    void pdfEtSvgRelus()
    {
        const QTemporaryDir dossier;
        const TravailImprime travail = TravailMixte();
        const QString pdf = dossier.filePath(QStringLiteral("graphe.pdf"));
        const QPageLayout a4(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(10, 10, 10, 10));
        QCOMPARE(EnregistrerPdf(pdf, travail, QStringLiteral("Camille Martin"), a4), std::nullopt);
        const PdfLu lu = LirePdf(pdf);
        QVERIFY(lu.lisible);
        QCOMPARE(lu.pages, 1);
        QVERIFY(qAbs(lu.taillePoints.width() - 842) < 1 && qAbs(lu.taillePoints.height() - 595) < 1);
        for (const QString &attendu : {QStringLiteral("Graphe des liaisons"), QStringLiteral("Camille Martin"),
                                       QStringLiteral("Hyperstatisme"), QStringLiteral("Repère 7")})
            QVERIFY2(lu.texte.contains(attendu), qPrintable(lu.texte));

        const QString svg = dossier.filePath(QStringLiteral("graphe.svg"));
        QCOMPARE(EnregistrerSvg(svg, travail), std::nullopt);
        QSvgRenderer lecteur(svg);
        QVERIFY(lecteur.isValid());
        QCOMPARE(lecteur.defaultSize(), QSize(300, 200));
        QImage rendu(300, 200, QImage::Format_RGB32), direct(300, 200, QImage::Format_RGB32);
        rendu.fill(Qt::white);
        direct.fill(Qt::white);
        {
            QPainter p(&rendu);
            lecteur.render(&p);
            QPainter q(&direct);
            travail.dessiner(q);
        }
        int differents = 0;
        for (int y = 0; y < 200; ++y)
            for (int x = 0; x < 300; ++x) {
                const QRgb a = rendu.pixel(x, y), b = direct.pixel(x, y);
                differents += qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b)) + qAbs(qBlue(a) - qBlue(b)) > 96;
            }
        QVERIFY2(differents < 300 * 200 / 50, qPrintable(QString::number(differents)));

        // A folder is no file to write: refused by its name, and what it holds stays.
        const auto refus = EnregistrerPdf(dossier.path(), travail, QString(), a4);
        QVERIFY(refus && refus->contains(dossier.path()));
        QVERIFY(QFileInfo(pdf).isFile());
    }
};

VELKORA_TEST(TestImpression)
#include "TestImpression.moc"
