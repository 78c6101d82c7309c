#include "common/DialoguesQt.h"
#include "support/Enregistrement.h"

#include <QtTest>

class TestFiltresQt : public QObject {
    Q_OBJECT
private slots:
    void filtres_data()
    {
        QTest::addColumn<QString>("filtre");
        QTest::addColumn<QStringList>("attendus");
        QTest::newRow("un seul") << "Fichier Velkora (*.sch)|*.sch" << QStringList{"Fichier Velkora (*.sch)"};
        QTest::newRow("trois, le dernier avec sa legende propre")
            << "Graphe de liaisons (*.gdl)|*.gdl|Velkora (*.sch)|*.sch|Tous (*.gdl et *.sch)|*.gdl; *.sch;"
            << QStringList{"Graphe de liaisons (*.gdl)", "Velkora (*.sch)", "Tous (*.gdl et *.sch) (*.gdl *.sch)"};
        QTest::newRow("legende sans motifs") << "Images|*.jpg" << QStringList{"Images (*.jpg)"};
        QTest::newRow("paire incomplete ignoree") << "Images (*.jpg)|*.jpg|Seule" << QStringList{"Images (*.jpg)"};
    }
    void filtres()
    {
        QFETCH(QString, filtre);
        QFETCH(QStringList, attendus);
        QCOMPARE(FiltresQt(filtre), attendus);
    }
};

VELKORA_TEST(TestFiltresQt)
#include "TestFiltresQt.moc"
