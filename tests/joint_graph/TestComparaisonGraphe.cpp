#include "joint_graph/ComparaisonGraphe.h"
#include "support/Enregistrement.h"

#include <QtTest>

namespace {

struct Joint {
    int ce1;
    int ce2;
    int type;
};

GrapheLiaisons graphe(int nbrCe, const QList<Joint> &joints, int bati)
{
    GrapheLiaisons g;
    g.DefinirNbrCe(nbrCe);
    for (const Joint &j : joints) {
        TLiaison &l = g.Liaison(g.AjouterLiaison());
        l = {j.ce1, j.ce2, j.type, 1, 0};
    }
    if (bati)
        g.Ce(bati).Bati = true;
    return g;
}

// The correction: a chain 1-2-3-4 whose last link is two joints in parallel, class 1 the frame.
GrapheLiaisons correction() { return graphe(4, {{1, 2, 1}, {2, 3, 2}, {3, 4, 3}, {3, 4, 3}}, 1); }

QString paires(const std::vector<VerdictGraphe::Paire> &liste)
{
    QStringList texte;
    for (const auto &p : liste)
        texte << QStringLiteral("%1-%2x%3").arg(p.ce1).arg(p.ce2).arg(p.nombre);
    return texte.join(u' ');
}

} // namespace
Q_DECLARE_METATYPE(QList<Joint>)

class TestComparaisonGraphe : public QObject {
    Q_OBJECT
private slots:
    // Each row is a student's graph against the same correction; the verdict lists, per kind, the pairs
    // named as "first-second x count". "cache" is a text the verdict must not show: a joint of the
    // correction that the student has not tried.
    void verdicts_data()
    {
        QTest::addColumn<int>("nbrCe");
        QTest::addColumn<QList<Joint>>("joints");
        QTest::addColumn<int>("bati");
        QTest::addColumn<int>("justes");
        QTest::addColumn<int>("manquantes");
        QTest::addColumn<QString>("parallele");
        QTest::addColumn<QString>("enTrop");
        QTest::addColumn<QString>("mauvaisType");
        QTest::addColumn<int>("verdictBati");
        QTest::addColumn<QString>("cache");

        using B = VerdictGraphe::Bati;
        QTest::newRow("juste dans un autre ordre")
            << 4 << QList<Joint>{{4, 3, 3}, {2, 1, 1}, {3, 4, 3}, {3, 2, 2}} << 1 << 4 << 0 << ""
            << ""
            << "" << int(B::Juste) << "";
        QTest::newRow("liaison jamais essayee")
            << 4 << QList<Joint>{{1, 2, 1}, {3, 4, 3}, {4, 3, 3}} << 1 << 3 << 1 << ""
            << ""
            << "" << int(B::Juste) << "2 et 3";
        QTest::newRow("une des deux en parallele")
            << 4 << QList<Joint>{{1, 2, 1}, {2, 3, 2}, {4, 3, 3}} << 1 << 3 << 0 << "3-4x1"
            << ""
            << "" << int(B::Juste) << "";
        QTest::newRow("entre deux classes non liees")
            << 4 << QList<Joint>{{1, 2, 1}, {2, 3, 2}, {3, 4, 3}, {3, 4, 3}, {3, 1, 2}} << 1 << 4 << 0 << ""
            << "1-3x1"
            << "" << int(B::Juste) << "";
        QTest::newRow("en parallele de trop")
            << 4 << QList<Joint>{{1, 2, 1}, {2, 1, 1}, {2, 3, 2}, {3, 4, 3}, {3, 4, 3}} << 1 << 4 << 0 << ""
            << "1-2x1"
            << "" << int(B::Juste) << "";
        QTest::newRow("mauvais type") << 4 << QList<Joint>{{1, 2, 5}, {2, 3, 2}, {3, 4, 3}, {3, 4, 3}} << 1 << 3 << 0
                                      << ""
                                      << ""
                                      << "1-2x1" << int(B::Juste) << "";
        QTest::newRow("un type faux des deux en parallele")
            << 4 << QList<Joint>{{1, 2, 1}, {2, 3, 2}, {3, 4, 7}, {3, 4, 3}} << 1 << 3 << 0 << ""
            << ""
            << "3-4x1" << int(B::Juste) << "";
        QTest::newRow("bati faux") << 4 << QList<Joint>{{1, 2, 1}, {2, 3, 2}, {3, 4, 3}, {3, 4, 3}} << 2 << 4 << 0 << ""
                                   << ""
                                   << "" << int(B::Faux) << "";
        QTest::newRow("sans bati") << 4 << QList<Joint>{{1, 2, 1}, {2, 3, 2}, {3, 4, 3}, {3, 4, 3}} << 0 << 4 << 0 << ""
                                   << ""
                                   << "" << int(B::Absent) << "";
        QTest::newRow("graphe vide") << 4 << QList<Joint>{} << 1 << 0 << 4 << ""
                                     << ""
                                     << "" << int(B::Juste) << "classes d'équivalence 1";
    }
    void verdicts()
    {
        QFETCH(int, nbrCe);
        QFETCH(QList<Joint>, joints);
        QFETCH(int, bati);
        QFETCH(int, justes);
        QFETCH(int, manquantes);
        QFETCH(QString, parallele);
        QFETCH(QString, enTrop);
        QFETCH(QString, mauvaisType);
        QFETCH(int, verdictBati);
        QFETCH(QString, cache);

        const VerdictGraphe v = ComparerGraphes(graphe(nbrCe, joints, bati), correction());
        QVERIFY(v.refus.isEmpty());
        QCOMPARE(v.justes, justes);
        QCOMPARE(v.manquantes, manquantes);
        QCOMPARE(paires(v.paralleleManquante), parallele);
        QCOMPARE(paires(v.enTrop), enTrop);
        QCOMPARE(paires(v.mauvaisType), mauvaisType);
        QCOMPARE(int(v.bati), verdictBati);
        const bool toutJuste = justes == 4 && manquantes == 0 && parallele.isEmpty() && enTrop.isEmpty() &&
                               mauvaisType.isEmpty() && verdictBati == int(VerdictGraphe::Bati::Juste);
        QCOMPARE(v.texte().startsWith(QStringLiteral("Votre graphe des liaisons est juste.")), toutJuste);
        if (!cache.isEmpty())
            QVERIFY2(!v.texte().contains(cache), qPrintable(v.texte()));
    }

    void autreNombreDeClassesRefuse()
    {
        const VerdictGraphe v = ComparerGraphes(graphe(3, {{1, 2, 1}}, 1), correction());
        QVERIFY(!v.refus.isEmpty());
        QVERIFY(!v.juste());
    }
};

VELKORA_TEST(TestComparaisonGraphe)
#include "TestComparaisonGraphe.moc"
