#include "joint_graph/LiaisonNormalisee.h"
#include "support/ArbreMecanismes.h"
#include "support/Enregistrement.h"

#include <QFileInfo>
#include <QtTest>

namespace {

const QString Dossier = QStringLiteral("ressource/liaison/");

QString nomSymbole(int ligne, int colonne) { return Dossier + QStringLiteral("%1_%2.bmp").arg(ligne).arg(colonne); }

// Each picture has a size and a colour of its own, so that a cell read from the wrong file shows.
QColor couleurSymbole(int ligne, int colonne) { return QColor(20 * ligne, 60 * colonne, 200); }

void ecrireCatalogue(const ArbreMecanismes &arbre, bool avecInf = true)
{
    QString inf;
    for (int i = 0; i < LiaisonNormalisee::NbrLignes; ++i) {
        for (int j = 0; j < LiaisonNormalisee::NbrColonnes; ++j)
            arbre.ecrireBmp(nomSymbole(i, j), ImageUnie(10 + i, 20 + j, couleurSymbole(i, j)));
        if (i == 7)
            continue;
        inf += QStringLiteral("[%1]\r\n").arg(i);
        for (int j = 0; j < LiaisonNormalisee::NbrColonnes; ++j) {
            const QString valeur = i == 5 && j == 2 ? QStringLiteral("x") : QString::number(10 * i + j);
            inf += QStringLiteral("%1=%2\r\n").arg(j).arg(valeur);
        }
    }
    if (avecInf)
        arbre.ecrireTexte(Dossier + QStringLiteral("liaison.inf"), inf, Encodage::Windows1252);
}

} // namespace

class TestLiaisonNormalisee : public QObject {
    Q_OBJECT
private slots:
    void catalogueComplet_data()
    {
        QTest::addColumn<bool>("avecInf");
        QTest::newRow("avec liaison.inf") << true;
        QTest::newRow("sans liaison.inf") << false;
    }
    void catalogueComplet()
    {
        QFETCH(bool, avecInf);
        ArbreMecanismes arbre;
        ecrireCatalogue(arbre, avecInf);
        // A palette picture is converted like the others.
        QImage palette = ImageUnie(10 + 3, 20 + 1, couleurSymbole(3, 1)).convertToFormat(QImage::Format_Indexed8);
        QVERIFY(palette.save(arbre.chemin(nomSymbole(3, 1)), "BMP"));

        LiaisonNormalisee table;
        QCOMPARE(table.Charger(), std::nullopt);
        QVERIFY(table.estComplet());
        for (int i = 0; i < LiaisonNormalisee::NbrLignes; ++i) {
            for (int j = 0; j < LiaisonNormalisee::NbrColonnes; ++j) {
                const QImage &symbole = table.Symbole(i, j);
                QCOMPARE(symbole.format(), QImage::Format_RGB888);
                QCOMPARE(symbole.size(), QSize(10 + i, 20 + j));
                QCOMPARE(symbole.pixelColor(symbole.width() - 1, symbole.height() - 1), couleurSymbole(i, j));
                const int attendu = (!avecInf || i == 7 || (i == 5 && j == 2)) ? 0 : 10 * i + j;
                QCOMPARE(table.Inconnues(i, j), std::optional<std::int32_t>(attendu));
            }
        }
        QVERIFY(table.Symbole(12, 0).isNull());
        QVERIFY(table.Symbole(0, 4).isNull());
        QVERIFY(table.Symbole(-1, 0).isNull());
        QCOMPARE(table.Inconnues(0, -1), std::nullopt);
        QCOMPARE(table.Inconnues(12, 3), std::nullopt);
    }

    void imageManquanteOuIllisible_data()
    {
        QTest::addColumn<bool>("illisible");
        QTest::newRow("manquante") << false;
        QTest::newRow("illisible") << true;
    }
    void imageManquanteOuIllisible()
    {
        QFETCH(bool, illisible);
        ArbreMecanismes arbre;
        ecrireCatalogue(arbre);
        LiaisonNormalisee dejaChargee;
        QCOMPARE(dejaChargee.Charger(), std::nullopt);

        if (illisible)
            arbre.ecrireOctets(nomSymbole(7, 2), QByteArray("BM pas une image"));
        else
            QVERIFY(QFile::remove(arbre.chemin(nomSymbole(7, 2))));
        const QString attendu =
            QStringLiteral("Impossible de charger l'image \"%1\".").arg(arbre.chemin(nomSymbole(7, 2)));

        LiaisonNormalisee table;
        QCOMPARE(table.Charger(), std::optional<QString>(attendu));
        QVERIFY(!table.estComplet());
        QVERIFY(table.Symbole(0, 1).isNull());
        QCOMPARE(table.Inconnues(0, 1), std::nullopt);

        // A failed reload leaves a whole table whole.
        QCOMPARE(dejaChargee.Charger(), std::optional<QString>(attendu));
        QVERIFY(dejaChargee.estComplet());
        QCOMPARE(dejaChargee.Symbole(7, 2).size(), QSize(17, 22));
        QCOMPARE(dejaChargee.Inconnues(11, 3), std::optional<std::int32_t>(113));
    }

    // The catalogue delivered with the program loads whole, with its pictures as the windows use them.
    void catalogueLivre()
    {
        const QString dossier =
            QFileInfo(QStringLiteral(__FILE__)).absolutePath() + QStringLiteral("/../../data/ressource/liaison/");
        LiaisonNormalisee catalogue;
        QCOMPARE(catalogue.Charger(dossier), std::nullopt);
        QVERIFY(catalogue.estComplet());
        for (int ligne = 0; ligne < LiaisonNormalisee::NbrLignes; ++ligne) {
            for (int colonne = 0; colonne < LiaisonNormalisee::NbrColonnes; ++colonne) {
                QCOMPARE(catalogue.Symbole(ligne, colonne).size(), QSize(75, 75));
                QCOMPARE(catalogue.Symbole(ligne, colonne).format(), QImage::Format_RGB888);
            }
        }
        QCOMPARE(catalogue.Inconnues(1, 0), std::optional<std::int32_t>(6));  // encastrement
        QCOMPARE(catalogue.Inconnues(2, 2), std::optional<std::int32_t>(2));  // pivot seen along its axis
        QCOMPARE(catalogue.Inconnues(11, 3), std::optional<std::int32_t>(0)); // ponctuelle seen from above
    }
};

VELKORA_TEST(TestLiaisonNormalisee)
#include "TestLiaisonNormalisee.moc"
