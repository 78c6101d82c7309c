#include "Planche.h"

#include "support/Enregistrement.h"

#include <QtTest>

// The sheets of the delivered mechanisms, as their generator draws them: the bill of materials and the
// title block fill the bottom right corner, and nothing of the views reaches under them.
class TestPlanchesLivrees : public QObject {
    Q_OBJECT

private slots:
    void vuesEtReperesHorsNomenclature_data()
    {
        QTest::addColumn<const Mecanisme *>("mecanisme");
        QTest::newRow("étau") << &MecanismeEtau();
        QTest::newRow("pompe") << &MecanismePompe();
        QTest::newRow("compresseur") << &MecanismeCompresseur();
    }
    void vuesEtReperesHorsNomenclature()
    {
        QFETCH(const Mecanisme *, mecanisme);
        const Mecanisme &m = *mecanisme;
        QImage image(m.zoneDessin, QImage::Format_RGB888);
        image.fill(Qt::white);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setRenderHint(QPainter::TextAntialiasing, false);
        p.save();
        Feuille feuille(p, Calque::Plan);
        m.dessinerVues(feuille);
        p.restore();
        for (const Repere &repere : m.reperes)
            DessinerRepere(p, repere, Calque::Plan, Qt::white);
        p.end();
        const QRect cadre = CadreCartoucheEtNomenclature(m).toAlignedRect().intersected(image.rect());
        QVERIFY(cadre.height() > 18 * static_cast<int>(m.pieces.size()));
        QStringList encre;
        for (int y = cadre.top(); y <= cadre.bottom(); ++y) {
            const uchar *ligne = image.constScanLine(y);
            for (int x = cadre.left(); x <= cadre.right() && encre.size() < 5; ++x) {
                if (ligne[3 * x] != 255 || ligne[3 * x + 1] != 255 || ligne[3 * x + 2] != 255)
                    encre << QStringLiteral("(%1, %2)").arg(x).arg(y);
            }
        }
        QVERIFY2(encre.isEmpty(), qPrintable(QStringLiteral("trait sous la nomenclature en ") + encre.join(u' ')));
    }
};

VELKORA_TEST(TestPlanchesLivrees)
#include "TestPlanchesLivrees.moc"
