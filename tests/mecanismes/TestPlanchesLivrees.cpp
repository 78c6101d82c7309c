#include "Planche.h"

#include "atelier/AnalyseDessin.h"
#include "atelier/LectureMecanismeAtelier.h"
#include "atelier/TrouverBulles.h"
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

    // The workshop reads every bubble of a delivered sheet, each where the presentation's map has its disc,
    // and no number that is not there.
    void bullesLues_data()
    {
        QTest::addColumn<QString>("souche");
        for (const char *souche : {"etau", "pompe", "compresseur"})
            QTest::newRow(souche) << QString::fromLatin1(souche);
    }
    void bullesLues()
    {
        QFETCH(QString, souche);
        auto lu = LireMecanismeAtelier(QStringLiteral(VELKORA_DOSSIER_LIVRE) + souche + QStringLiteral(".sch"));
        if (const QString *refus = std::get_if<QString>(&lu))
            QFAIL(qPrintable(*refus));
        const MecanismeAtelier &m = std::get<MecanismeAtelier>(lu);
        const DessinAnalyse analyse = AnalyserDessin(m.plan.convertToFormat(QImage::Format_Grayscale8), {});
        const std::vector<BulleTrouvee> bulles =
            TrouverBulles(analyse.trait, analyse.zones, IndexerZones(analyse.zones));
        for (const PieceAtelier &piece : m.pieces) {
            const auto bulle = std::find_if(bulles.begin(), bulles.end(),
                                            [&](const BulleTrouvee &b) { return b.numero == piece.repere; });
            QVERIFY2(bulle != bulles.end(), qPrintable(QStringLiteral("bulle %1 non lue").arg(piece.repere)));
            QVERIFY2((bulle->centre - piece.bulle).manhattanLength() <= bulle->rayon,
                     qPrintable(QStringLiteral("bulle %1 lue ailleurs").arg(piece.repere)));
        }
        QCOMPARE(bulles.size(), m.pieces.size());
    }
};

VELKORA_TEST(TestPlanchesLivrees)
#include "TestPlanchesLivrees.moc"
