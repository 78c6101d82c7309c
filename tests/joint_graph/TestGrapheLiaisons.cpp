#include "joint_graph/GrapheLiaisons.h"
#include "support/Enregistrement.h"

#include <QtTest>
#include <stdexcept>

namespace {

TLiaison liaisonNumerotee(int n) { return {n, n + 1, n % 12, n % 4, n * 10}; }

} // namespace

class TestGrapheLiaisons : public QObject {
    Q_OBJECT
private slots:
    void numerosHorsTablesRefuses()
    {
        GrapheLiaisons graphe;
        const GrapheLiaisons &constant = graphe;
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, graphe.Ce(0));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, constant.Ce(NbrCeMax + 1));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, graphe.Liaison(0));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, constant.Liaison(NbrLiaisonMax + 1));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, graphe.LiaisonInitialisationUnitaire(21));
        graphe.Ce(NbrCeMax).Bati = true;
        graphe.Liaison(NbrLiaisonMax).Ce1 = 4;
        QVERIFY(constant.Ce(9).Bati);
        QCOMPARE(constant.Liaison(20).Ce1, 4);

        QVERIFY(graphe.DefinirNbrCe(9));
        QVERIFY(graphe.DefinirNbrLiaison(20));
        QVERIFY(!graphe.DefinirNbrCe(10));
        QVERIFY(!graphe.DefinirNbrCe(-1));
        QVERIFY(!graphe.DefinirNbrLiaison(21));
        QVERIFY(!graphe.DefinirNbrLiaison(-1));
        QCOMPARE(graphe.NbrCe(), 9);
        QCOMPARE(graphe.NbrLiaison(), 20);
    }

    void initialisations()
    {
        GrapheLiaisons graphe;
        graphe.DossierExercice = QStringLiteral("/p/meca/graphe_des_liaisons/");
        graphe.DefinirNbrCe(4);
        for (int n = 1; n <= NbrCeMax; ++n)
            graphe.Ce(n) = TCe{0x00112233u + static_cast<TColor>(n), true, QPoint(n, n), QStringLiteral("x")};
        graphe.DefinirNbrLiaison(NbrLiaisonMax);
        for (int n = 1; n <= NbrLiaisonMax; ++n)
            graphe.Liaison(n) = liaisonNumerotee(n);

        graphe.LiaisonInitialisationUnitaire(3);
        QCOMPARE(graphe.Liaison(3), TLiaison{});
        QCOMPARE(graphe.Liaison(4), liaisonNumerotee(4));

        graphe.CeInitialisation();
        QCOMPARE(graphe.NbrCe(), 4);
        QCOMPARE(graphe.DossierExercice, QStringLiteral("/p/meca/graphe_des_liaisons/"));
        for (int n = 1; n <= NbrCeMax; ++n) {
            QCOMPARE(graphe.Ce(n).Couleur, clWhite);
            QVERIFY(!graphe.Ce(n).Bati);
            QVERIFY(graphe.Ce(n).Information.isEmpty());
        }
        QCOMPARE(graphe.NbrLiaison(), NbrLiaisonMax);

        graphe.LiaisonInitialisation();
        QCOMPARE(graphe.NbrLiaison(), 0);
        for (int n = 1; n <= NbrLiaisonMax; ++n)
            QCOMPARE(graphe.Liaison(n), TLiaison{});
    }

    void ajoutEtDestructionDeLiaisons()
    {
        GrapheLiaisons graphe;
        for (int n = 1; n <= NbrLiaisonMax; ++n) {
            graphe.Liaison(n) = liaisonNumerotee(99); // left over from an earlier graph
            QCOMPARE(graphe.AjouterLiaison(), n);
            QCOMPARE(graphe.Liaison(n), TLiaison{});
            graphe.Liaison(n) = liaisonNumerotee(n);
        }
        QCOMPARE(graphe.AjouterLiaison(), 0);
        QCOMPARE(graphe.NbrLiaison(), NbrLiaisonMax);

        graphe.DetruireLiaison(5);
        QCOMPARE(graphe.NbrLiaison(), NbrLiaisonMax - 1);
        QCOMPARE(graphe.Liaison(4), liaisonNumerotee(4));
        for (int n = 5; n < NbrLiaisonMax; ++n)
            QCOMPARE(graphe.Liaison(n), liaisonNumerotee(n + 1));
        QCOMPARE(graphe.Liaison(NbrLiaisonMax), TLiaison{});

        graphe.DetruireLiaison(graphe.NbrLiaison());
        QCOMPARE(graphe.NbrLiaison(), NbrLiaisonMax - 2);
        QCOMPARE(graphe.Liaison(NbrLiaisonMax - 1), TLiaison{});
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, graphe.DetruireLiaison(NbrLiaisonMax - 1));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, graphe.DetruireLiaison(0));
        QCOMPARE(graphe.NbrLiaison(), NbrLiaisonMax - 2);
    }
};

VELKORA_TEST(TestGrapheLiaisons)
#include "TestGrapheLiaisons.moc"
