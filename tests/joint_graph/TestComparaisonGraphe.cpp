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

// The same with the joints' views given one by one (0: none).
GrapheLiaisons avecVues(GrapheLiaisons g, const QList<int> &vues)
{
    for (int n = 1; n <= g.NbrLiaison() && n <= vues.size(); ++n)
        g.Liaison(n).Liaison2D = vues[n - 1];
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

    // A joint without its two classes is incomplete, not a joint between class 0 and another; a
    // correction without a frame leaves the frame out of the verdict, whatever the student chose.
    void incompleteEtCorrectionSansBati()
    {
        const QList<Joint> justes{{1, 2, 1}, {2, 3, 2}, {3, 4, 3}, {3, 4, 3}};
        const VerdictGraphe incomplet = ComparerGraphes(graphe(4, justes + QList<Joint>{{0, 2, 5}}, 1), correction());
        QCOMPARE(incomplet.incompletes, 1);
        QCOMPARE(paires(incomplet.enTrop), QString());
        QVERIFY(!incomplet.juste());
        for (const int bati : {0, 2}) {
            const VerdictGraphe v = ComparerGraphes(graphe(4, justes, bati), graphe(4, justes, 0));
            QVERIFY2(v.juste(), qPrintable(v.texte()));
        }
    }

    // In a plane study the view decides the plane joint: the right type in another view is a wrong type.
    // In space the view only draws the diagram. Without a study asked, the study is plane when every joint
    // of both graphs has a view.
    void vueComparee_data()
    {
        QTest::addColumn<int>("etude");
        QTest::addColumn<QList<int>>("vuesEleve");
        QTest::addColumn<QList<int>>("vuesCorrection");
        QTest::addColumn<QString>("mauvaisType");
        using E = EtudeExercice;
        const QList<int> memes{1, 1, 1, 1};
        const QList<int> autres{1, 2, 1, 3};
        QTest::newRow("plane, mêmes vues") << int(E::Plane) << memes << memes << "";
        QTest::newRow("plane, autres vues") << int(E::Plane) << autres << memes << "2-3x1 3-4x1";
        QTest::newRow("plane, sans vue") << int(E::Plane) << QList<int>{1, 0, 1, 1} << memes << "2-3x1";
        QTest::newRow("spatiale, autres vues") << int(E::Spatiale) << autres << memes << "";
        QTest::newRow("spatiale, sans vue") << int(E::Spatiale) << QList<int>{0, 0, 0, 0} << memes << "";
        QTest::newRow("selon les vues, toutes projetées") << int(E::SelonLesVues) << autres << memes << "2-3x1 3-4x1";
        QTest::newRow("selon les vues, élève sans vue")
            << int(E::SelonLesVues) << QList<int>{1, 0, 1, 3} << memes << "";
        QTest::newRow("selon les vues, correction sans vue")
            << int(E::SelonLesVues) << autres << QList<int>{1, 1, 0, 1} << "";
    }
    void vueComparee()
    {
        QFETCH(int, etude);
        QFETCH(QList<int>, vuesEleve);
        QFETCH(QList<int>, vuesCorrection);
        QFETCH(QString, mauvaisType);
        // The student's joints in another order, so that each view goes with its joint, not its place.
        const GrapheLiaisons eleve = avecVues(graphe(4, {{2, 1, 1}, {3, 2, 2}, {4, 3, 3}, {3, 4, 3}}, 1), vuesEleve);
        const VerdictGraphe v = ComparerGraphes(eleve, avecVues(correction(), vuesCorrection), EtudeExercice(etude));
        QCOMPARE(paires(v.mauvaisType), mauvaisType);
        QCOMPARE(v.juste(), mauvaisType.isEmpty());
        QCOMPARE(v.justes, 4 - int(mauvaisType.count(u'x')));
        QVERIFY(paires(v.enTrop).isEmpty());
        QCOMPARE(v.manquantes, 0);
        if (!mauvaisType.isEmpty())
            QVERIFY2(v.texte().contains(QStringLiteral("n'a pas le bon type")), qPrintable(v.texte()));
    }

    // A joint of the correction the student never joined stays unnamed in a plane study too.
    void vueSeulementEntrePairesReliees()
    {
        const GrapheLiaisons eleve = graphe(4, {{1, 2, 1}, {3, 4, 3}, {3, 4, 3}}, 1);
        const VerdictGraphe v = ComparerGraphes(eleve, avecVues(correction(), {1, 2, 1, 1}), EtudeExercice::Plane);
        QCOMPARE(v.manquantes, 1);
        QVERIFY(v.mauvaisType.empty());
        QVERIFY(!v.texte().contains(QStringLiteral("2 et 3")));
    }

    // A shaft on two bearings: two ball joints (the correction), or a ball and an annular linear joint.
    void modeleLePlusProche_data()
    {
        QTest::addColumn<QList<Joint>>("joints");
        QTest::addColumn<bool>("juste");
        QTest::addColumn<int>("justes");
        QTest::addColumn<QString>("mauvaisType");
        QTest::addColumn<QString>("parallele");
        QTest::newRow("premier modèle") << QList<Joint>{{1, 2, 7}, {2, 1, 7}, {2, 3, 2}} << true << 3 << ""
                                        << "";
        QTest::newRow("second modèle") << QList<Joint>{{1, 2, 9}, {1, 2, 7}, {2, 3, 2}} << true << 3 << ""
                                       << "";
        // One fault against the second model, two against the first: the second is the verdict.
        QTest::newRow("plus près du second") << QList<Joint>{{1, 2, 9}, {1, 2, 7}, {2, 3, 5}} << false << 2 << "2-3x1"
                                             << "";
    }
    void modeleLePlusProche()
    {
        QFETCH(QList<Joint>, joints);
        QFETCH(bool, juste);
        QFETCH(int, justes);
        QFETCH(QString, mauvaisType);
        QFETCH(QString, parallele);
        const std::vector<GrapheLiaisons> modeles{graphe(3, {{1, 2, 7}, {1, 2, 7}, {2, 3, 2}}, 1),
                                                  graphe(3, {{1, 2, 7}, {1, 2, 9}, {2, 3, 2}}, 1)};
        const VerdictGraphe v = ComparerAuxModeles(graphe(3, joints, 1), modeles, EtudeExercice::Spatiale);
        QCOMPARE(v.juste(), juste);
        QCOMPARE(v.texte().startsWith(QStringLiteral("Votre graphe des liaisons est juste.")), juste);
        QCOMPARE(v.justes, justes);
        QCOMPARE(paires(v.mauvaisType), mauvaisType);
        QCOMPARE(paires(v.paralleleManquante), parallele);
        // Each model alone: "juste" only against the one that matches.
        for (const GrapheLiaisons &modele : modeles) {
            const VerdictGraphe seul = ComparerGraphes(graphe(3, joints, 1), modele, EtudeExercice::Spatiale);
            QVERIFY(seul.fautes() >= v.fautes());
        }
    }

    // As near to two models that join other pairs: the first, the correction itself, is told.
    void egaliteAuPremierModele()
    {
        const std::vector<GrapheLiaisons> modeles{graphe(3, {{1, 2, 7}, {2, 3, 2}}, 1),
                                                  graphe(3, {{1, 3, 7}, {2, 3, 2}}, 1)};
        const VerdictGraphe v =
            ComparerAuxModeles(graphe(3, {{1, 2, 5}, {1, 3, 5}, {2, 3, 2}}, 1), modeles, EtudeExercice::Spatiale);
        QCOMPARE(paires(v.mauvaisType), QStringLiteral("1-2x1"));
        QCOMPARE(paires(v.enTrop), QStringLiteral("1-3x1"));
    }

    void modelesSansCorrectionComparable()
    {
        // A model of another number of classes is passed over; with no other, its refusal is told.
        const GrapheLiaisons eleve = graphe(4, {{1, 2, 1}, {2, 3, 2}, {3, 4, 3}, {3, 4, 3}}, 1);
        VerdictGraphe v = ComparerAuxModeles(eleve, {graphe(3, {{1, 2, 1}}, 1), correction()}, EtudeExercice::Spatiale);
        QVERIFY(v.juste());
        v = ComparerAuxModeles(eleve, {graphe(3, {{1, 2, 1}}, 1)}, EtudeExercice::Spatiale);
        QVERIFY(!v.juste());
        QCOMPARE(v.texte(), QStringLiteral("Votre graphe a 4 classes d'équivalence et la correction 3 : ils ne peuvent "
                                           "pas être comparés."));
        v = ComparerAuxModeles(eleve, {}, EtudeExercice::Spatiale);
        QVERIFY(!v.juste());
        QCOMPARE(v.texte(), MessageSansCorrection);
    }

    void nomsDesModeles()
    {
        QCOMPARE(NomModeleCorrection(1), QStringLiteral("correction.gdl"));
        QCOMPARE(NomModeleCorrection(2), QStringLiteral("correction_2.gdl"));
        QCOMPARE(NomModeleCorrection(NbrModelesMax), QStringLiteral("correction_%1.gdl").arg(NbrModelesMax));
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
