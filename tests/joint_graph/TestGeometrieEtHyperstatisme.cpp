#include "MecanismeGraphe.h"
#include "joint_graph/DessinGraphe.h"
#include "joint_graph/GeometrieLien.h"
#include "joint_graph/Hyperstatisme.h"
#include "joint_graph/RangeeNoeuds.h"
#include "support/Enregistrement.h"

#include <QtTest>
#include <numbers>

Q_DECLARE_METATYPE(QList<TLiaison>)

// The rules of the joint graph that need no window: where a link runs, the pictures of a node, and
// the hyperstatism.
class TestGeometrieEtHyperstatisme : public QObject {
    Q_OBJECT

    GrapheLiaisons graphe(int nbrCe, const QList<TLiaison> &liaisons, const QList<int> &batis = {1})
    {
        GrapheLiaisons g;
        g.DossierExercice = QStringLiteral("/p/meca/graphe_des_liaisons/");
        g.DefinirNbrCe(nbrCe);
        for (const int b : batis)
            g.Ce(b).Bati = true;
        g.DefinirNbrLiaison(int(liaisons.size()));
        for (int i = 1; i <= liaisons.size(); ++i)
            g.Liaison(i) = liaisons[i - 1];
        return g;
    }

    static constexpr EtudeExercice SelonLesVues = EtudeExercice::SelonLesVues;

    LiaisonNormalisee catalogue;
    std::unique_ptr<ArbreMecanismes> arbre;

private slots:
    void initTestCase()
    {
        arbre = std::make_unique<ArbreMecanismes>();
        EcrireCatalogueTest(*arbre);
        QCOMPARE(catalogue.Charger(), std::nullopt);
    }
    void cleanupTestCase() { arbre.reset(); }

    void lien_data()
    {
        QTest::addColumn<QRect>("noeud1");
        QTest::addColumn<QRect>("noeud2");
        QTest::addColumn<QPoint>("sortie");
        QTest::addColumn<QPoint>("entree");
        QTest::addColumn<QPoint>("milieu");
        QTest::addColumn<double>("direction");
        const double pi = std::numbers::pi;
        // Right side to left side, half-way between.
        QTest::newRow("à droite") << QRect(0, 0, 40, 40) << QRect(100, 0, 40, 40) << QPoint(40, 20) << QPoint(100, 20)
                                  << QPoint(70, 20) << 0.0;
        QTest::newRow("en dessous") << QRect(0, 0, 40, 40) << QRect(0, 100, 40, 40) << QPoint(20, 40) << QPoint(20, 100)
                                    << QPoint(20, 70) << pi / 2;
        // Straight left: the direction is -pi, and the rounding of tan(-pi) moves nothing.
        QTest::newRow("à gauche") << QRect(100, 0, 40, 40) << QRect(0, 0, 40, 40) << QPoint(100, 20) << QPoint(40, 20)
                                  << QPoint(70, 20) << -pi;
        QTest::newRow("au-dessus") << QRect(0, 100, 40, 40) << QRect(0, 0, 40, 40) << QPoint(20, 100) << QPoint(20, 40)
                                   << QPoint(20, 70) << -pi / 2;
        QTest::newRow("pente douce") << QRect(0, 0, 40, 40) << QRect(100, 50, 40, 40) << QPoint(40, 30)
                                     << QPoint(100, 60) << QPoint(70, 45) << std::atan2(50.0, 100.0);
        QTest::newRow("pente raide") << QRect(0, 0, 40, 40) << QRect(50, 200, 40, 40) << QPoint(25, 40)
                                     << QPoint(65, 200) << QPoint(45, 120) << std::atan2(200.0, 50.0);
        // Nodes of different sizes: the exit follows node 1's corner angle, the entry node 2's.
        QTest::newRow("tailles différentes") << QRect(0, 0, 100, 20) << QRect(40, 100, 20, 100) << QPoint(50, 20)
                                             << QPoint(50, 100) << QPoint(50, 60) << pi / 2;
    }
    void lien()
    {
        QFETCH(QRect, noeud1);
        QFETCH(QRect, noeud2);
        QFETCH(QPoint, sortie);
        QFETCH(QPoint, entree);
        QFETCH(QPoint, milieu);
        QFETCH(double, direction);
        const auto lien = CalculerLien(noeud1, noeud2);
        QVERIFY(lien);
        QCOMPARE(lien->sortie, sortie);
        QCOMPARE(lien->entree, entree);
        QCOMPARE(lien->milieu, milieu);
        QVERIFY(std::abs(lien->direction - direction) < 1e-9);
        // Permuted, the link runs the other way between the same two points.
        const auto inverse = CalculerLien(noeud2, noeud1);
        QVERIFY(inverse);
        QCOMPARE(inverse->sortie, entree);
        QCOMPARE(inverse->entree, sortie);
    }

    void centresConfondusSansLien()
    {
        QCOMPARE(CalculerLien(QRect(0, 0, 40, 40), QRect(0, 0, 40, 40)), std::nullopt);
        // Same centre, different sizes.
        QCOMPARE(CalculerLien(QRect(10, 10, 20, 20), QRect(0, 0, 40, 40)), std::nullopt);
    }

    // A partial repaint leaves no trail: the small rectangles cover the link before and after a move.
    void maillonsCouvrentLeLien()
    {
        const auto avant = CalculerLien(QRect(0, 0, 40, 40), QRect(600, 380, 40, 40));
        const auto apres = CalculerLien(QRect(0, 0, 40, 40), QRect(603, 377, 40, 40));
        const QList<QRect> maillons = MaillonsLien(avant, apres, 3);
        QVERIFY(maillons.size() > 1);
        long aire = 0;
        for (const QRect &m : maillons)
            aire += long(m.width()) * m.height();
        QVERIFY(aire < 600L * 380 / 4); // far less than the link's rectangle
        for (const auto &lien : {avant, apres}) {
            for (int i = 0; i <= 1000; ++i) {
                const QPoint p = lien->sortie + (lien->entree - lien->sortie) * i / 1000;
                for (const QPoint voisin : {p, p + QPoint(1, 1)})
                    QVERIFY2(std::any_of(maillons.cbegin(), maillons.cend(),
                                         [voisin](const QRect &m) { return m.contains(voisin); }),
                             qPrintable(QStringLiteral("%1,%2").arg(voisin.x()).arg(voisin.y())));
            }
        }
        QCOMPARE(MaillonsLien(std::nullopt, avant, 0).size(), MaillonsLien(avant, std::nullopt, 0).size());
    }

    // The first row of nodes: a symbol on the link between two neighbours keeps 4 pixels away from
    // both, and one pixel nearer it would not.
    void rangeeDeNoeuds_data()
    {
        QTest::addColumn<QList<QSize>>("tailles");
        QTest::addColumn<QSize>("symbole");
        QTest::newRow("noeuds égaux") << QList<QSize>{{100, 60}, {100, 60}, {100, 60}} << QSize(75, 75);
        QTest::newRow("hauteurs différentes")
            << QList<QSize>{{100, 60}, {40, 200}, {150, 20}, {60, 60}} << QSize(75, 75);
        QTest::newRow("symbole large et bas") << QList<QSize>{{30, 30}, {80, 120}, {30, 30}} << QSize(90, 40);
        QTest::newRow("un seul noeud") << QList<QSize>{{100, 60}} << QSize(75, 75);
    }
    void rangeeDeNoeuds()
    {
        QFETCH(QList<QSize>, tailles);
        QFETCH(QSize, symbole);
        const QList<int> gauches = GauchesRangeeNoeuds(tailles, symbole, 8);
        QCOMPARE(gauches.size(), tailles.size());
        QCOMPARE(gauches.front(), 8);
        const auto symboleAuMilieu = [&](const QRect &a, const QRect &b) {
            const QPoint milieu = CalculerLien(a, b)->milieu;
            return QRect(milieu - QPoint(symbole.width() / 2, symbole.height() / 2), symbole).adjusted(-4, -4, 4, 4);
        };
        for (qsizetype i = 1; i < tailles.size(); ++i) {
            const QRect a(QPoint(gauches[i - 1], 8), tailles[i - 1]);
            const QRect b(QPoint(gauches[i], 8), tailles[i]);
            QVERIFY(b.left() >= a.right() + 1 + 8);
            QVERIFY(!symboleAuMilieu(a, b).intersects(a));
            QVERIFY(!symboleAuMilieu(a, b).intersects(b));
            const QRect plusPres = b.translated(-1, 0);
            QVERIFY(symboleAuMilieu(a, plusPres).intersects(a) || symboleAuMilieu(a, plusPres).intersects(plusPres));
        }
    }

    void imageDuNoeud()
    {
        const QImage classe = ImageUnie(60, 40, QColor(200, 220, 240));
        const QImage sansRien = ImageNoeud(classe, clWhite, false);
        QCOMPARE(sansRien, classe.convertToFormat(QImage::Format_RGB888));

        const QImage noeud = ImageNoeud(classe, 0x0000FF00u, true);
        QCOMPARE(noeud.pixelColor(0, 0), QColor(0, 255, 0));
        QCOMPARE(noeud.pixelColor(9, 9), QColor(0, 255, 0));
        QCOMPARE(noeud.pixelColor(10, 9), QColor(200, 220, 240));
        QCOMPARE(noeud.pixelColor(9, 10), QColor(200, 220, 240));
        // The frame symbol sits in the bottom-right corner: its stem at column 12 of the symbol,
        // its ground line on row 12, the rest of the picture untouched.
        const QPoint coin(60 - 25, 40 - 21);
        QCOMPARE(noeud.pixelColor(coin + QPoint(12, 3)), QColor(Qt::black));
        QCOMPARE(noeud.pixelColor(coin + QPoint(3, 12)), QColor(Qt::black));
        QCOMPARE(noeud.pixelColor(coin + QPoint(21, 13)), QColor(Qt::black));
        QCOMPARE(noeud.pixelColor(coin + QPoint(20, 16)), QColor(Qt::black));
        QCOMPARE(noeud.pixelColor(coin + QPoint(11, 3)), QColor(200, 220, 240));
        QCOMPARE(noeud.pixelColor(coin + QPoint(4, 13)), QColor(200, 220, 240));
        QCOMPARE(noeud.pixelColor(coin + QPoint(12, 2)), QColor(200, 220, 240));

        int noirs = 0;
        const QImage &bati = ImageBati();
        for (int y = 0; y < bati.height(); ++y)
            for (int x = 0; x < bati.width(); ++x)
                noirs += bati.pixelColor(x, y) == QColor(Qt::black) ? 1 : 0;
        QCOMPARE(bati.size(), QSize(25, 21));
        QCOMPARE(noirs, 9 + 19 + 7 + 2 * 6 + 2 * 6);

        // A picture smaller than the frame symbol is drawn into without leaving it.
        QCOMPARE(ImageNoeud(ImageUnie(5, 5, Qt::white), 0x00FF0000u, true).size(), QSize(5, 5));
    }

    void symboleRecoloreEtTourne()
    {
        GrapheLiaisons g = graphe(2, {{1, 2, 3, 0, 0}});
        g.Ce(1).Couleur = 0x000000FFu; // red
        g.Ce(2).Couleur = 0x00FF0000u; // blue
        QImage symbole = SymboleLiaison(catalogue, g, 1);
        QCOMPARE(symbole.pixelColor(4, 10), QColor(255, 0, 0));
        QCOMPARE(symbole.pixelColor(15, 10), QColor(0, 0, 255));
        // The view's picture turned a half turn brings the second class to the left.
        g.Liaison(1) = {1, 2, 3, 1, 180};
        symbole = SymboleLiaison(catalogue, g, 1);
        QCOMPARE(symbole.pixelColor(15, 10), QColor(255, 0, 0));
        QCOMPARE(symbole.pixelColor(4, 10), QColor(0, 0, 255));
        // An end not chosen takes black; no standard joint gives no symbol.
        g.Liaison(1) = {1, 0, 3, 0, 0};
        QCOMPARE(SymboleLiaison(catalogue, g, 1).pixelColor(15, 10), QColor(Qt::black));
        g.Liaison(1) = {1, 2, 0, 0, 0};
        QVERIFY(SymboleLiaison(catalogue, g, 1).isNull());
    }

    // h = me + mi + is - 6n with is = 15 and n = 2, for mobilities of either sign.
    void hyperstatismeSpatial_data()
    {
        QTest::addColumn<int>("me");
        QTest::addColumn<int>("mi");
        QTest::addColumn<QString>("fin");
        QTest::newRow("me 1, mi 0") << 1 << 0
                                    << "me = 1\nmi = 0\nis = 15\nn = 2\n\nh = 4\n\n"
                                       "Le système est hyperstatique d'ordre 4.";
        QTest::newRow("me 1, mi 2") << 1 << 2
                                    << "me = 1\nmi = 2\nis = 15\nn = 2\n\nh = 6\n\n"
                                       "Le système est hyperstatique d'ordre 6.";
        QTest::newRow("me 0, mi -3") << 0 << -3
                                     << "me = 0\nmi = -3\nis = 15\nn = 2\n\nh = 0\n\n"
                                        "Le système est isostatique.";
        QTest::newRow("me -2, mi -2") << -2 << -2
                                      << "me = -2\nmi = -2\nis = 15\nn = 2\n\nh = -1\n\n"
                                         "Le système est hypostatique. Oups...";
    }
    void hyperstatismeSpatial()
    {
        QFETCH(int, me);
        QFETCH(int, mi);
        QFETCH(QString, fin);
        const GrapheLiaisons g = graphe(3, {{1, 2, 7, 0, 0}, {2, 3, 8, 0, 0}});
        const auto donnees = std::get<DonneesHyperstatisme>(PreparerHyperstatisme(g, catalogue, SelonLesVues));
        QCOMPARE(donnees.k, 6);
        QVERIFY(donnees.batiRelie);
        QCOMPARE(MessageHyperstatisme(donnees, me, mi),
                 QStringLiteral("Hyperstatisme spatiale :\nAucune liaison n'a de vue plane : l'étude est faite dans "
                                "l'espace.\nh = me + mi + is - 6*n\n\n") +
                     fin);
    }

    void hyperstatismePlan()
    {
        const GrapheLiaisons g = graphe(3, {{1, 2, 4, 2, 30}, {2, 3, 9, 2, 0}, {3, 1, 5, 2, 0}});
        const auto donnees = std::get<DonneesHyperstatisme>(PreparerHyperstatisme(g, catalogue, SelonLesVues));
        QCOMPARE(donnees.k, 3);
        QCOMPARE(donnees.is, 6);
        QCOMPARE(donnees.n, 2);
        const QString message = MessageHyperstatisme(donnees, 1, 0);
        QVERIFY(message.startsWith(QStringLiteral("Hyperstatisme plane :\nToutes les liaisons ont une vue plane : "
                                                  "l'étude est plane.\nh = me + mi + is - 3*n\n\n")));
        QVERIFY(message.endsWith(QStringLiteral("\n\nh = 1\n\nLe système est hyperstatique d'ordre 1.")));
        QVERIFY(MessageHyperstatisme(donnees, 0, 0).endsWith(QStringLiteral("h = 0\n\nLe système est isostatique.")));
        QVERIFY(MessageHyperstatisme(donnees, -2, 0).contains(QStringLiteral("me = -2\n")));
        QVERIFY(MessageHyperstatisme(donnees, -1, 0)
                    .endsWith(QStringLiteral("h = -1\n\nLe système est hypostatique. Oups...")));
    }

    // The study the exercise asks for decides k and the column of the unknowns, whatever the views: in
    // the test catalogue a joint of row r counts r in space and v in view v.
    void etudeDeLExercice_data()
    {
        QTest::addColumn<int>("etude");
        QTest::addColumn<QList<TLiaison>>("liaisons");
        QTest::addColumn<int>("k");
        QTest::addColumn<int>("is");
        QTest::addColumn<QString>("titre");
        QTest::addColumn<QString>("raison");
        const QList<TLiaison> vues{{1, 2, 7, 2, 0}, {2, 3, 8, 3, 30}};
        const QList<TLiaison> sansVue{{1, 2, 7, 0, 0}, {2, 3, 8, 0, 0}};
        const QString spatiale = QStringLiteral("Hyperstatisme spatiale :\n");
        const QString plane = QStringLiteral("Hyperstatisme plane :\n");
        QTest::newRow("spatiale avec des vues") << int(EtudeExercice::Spatiale) << vues << 6 << 15 << spatiale
                                                << QStringLiteral("Cet exercice demande une étude dans l'espace.");
        QTest::newRow("spatiale sans vue") << int(EtudeExercice::Spatiale) << sansVue << 6 << 15 << spatiale
                                           << QStringLiteral("Cet exercice demande une étude dans l'espace.");
        QTest::newRow("spatiale, vues mêlées")
            << int(EtudeExercice::Spatiale) << QList<TLiaison>{{1, 2, 7, 2, 0}, {2, 3, 8, 0, 0}} << 6 << 15 << spatiale
            << QStringLiteral("Cet exercice demande une étude dans l'espace.");
        QTest::newRow("plane") << int(EtudeExercice::Plane) << vues << 3 << 5 << plane
                               << QStringLiteral("Cet exercice demande une étude plane.");
        QTest::newRow("selon les vues, toutes planes")
            << int(SelonLesVues) << vues << 3 << 5 << plane
            << QStringLiteral("Toutes les liaisons ont une vue plane : l'étude est plane.");
        QTest::newRow("selon les vues, aucune plane")
            << int(SelonLesVues) << sansVue << 6 << 15 << spatiale
            << QStringLiteral("Aucune liaison n'a de vue plane : l'étude est faite dans l'espace.");
    }
    void etudeDeLExercice()
    {
        QFETCH(int, etude);
        QFETCH(QList<TLiaison>, liaisons);
        QFETCH(int, k);
        QFETCH(int, is);
        QFETCH(QString, titre);
        QFETCH(QString, raison);
        const auto preparation = PreparerHyperstatisme(graphe(3, liaisons), catalogue, EtudeExercice(etude));
        QVERIFY(std::holds_alternative<DonneesHyperstatisme>(preparation));
        const auto &d = std::get<DonneesHyperstatisme>(preparation);
        QCOMPARE(d.k, k);
        QCOMPARE(d.is, is);
        QCOMPARE(d.n, 2);
        QCOMPARE(DegreHyperstatisme(d, 1, 0), 1 + is - 2 * k);
        // The title and the reason come first, then the lines of the working as they always were.
        QCOMPARE(MessageHyperstatisme(d, 1, 0),
                 titre + raison +
                     QStringLiteral("\nh = me + mi + is - %1*n\n\nme = 1\nmi = 0\nis = %2\nn = 2\n\nh = %3\n\n")
                         .arg(k)
                         .arg(is)
                         .arg(1 + is - 2 * k) +
                     MessageHyperstatisme(d, 1, 0).section(u'\n', -1));
    }

    void etudePlaneSansVue()
    {
        const QString refus = QStringLiteral("Cet exercice demande une étude plane : chaque liaison doit avoir une "
                                             "vue plane.\n\nOn ne peut pas calculer l'hyperstatisme.");
        for (const QList<TLiaison> &liaisons :
             {QList<TLiaison>{{1, 2, 7, 2, 0}, {2, 3, 8, 0, 0}}, QList<TLiaison>{{1, 2, 7, 0, 0}, {2, 3, 8, 0, 0}}}) {
            const auto preparation = PreparerHyperstatisme(graphe(3, liaisons), catalogue, EtudeExercice::Plane);
            QVERIFY(std::holds_alternative<RefusHyperstatisme>(preparation));
            QCOMPARE(std::get<RefusHyperstatisme>(preparation).message, refus);
        }
        // No joint at all is told as before, whatever the study.
        QCOMPARE(
            std::get<RefusHyperstatisme>(PreparerHyperstatisme(graphe(3, {}), catalogue, EtudeExercice::Plane)).message,
            QStringLiteral("Il n'y a pas de liaison.\n\nOn ne peut pas calculer l'hyperstatisme."));
    }

    void hyperstatismeRefuse()
    {
        const auto sansLiaison = PreparerHyperstatisme(graphe(3, {}), catalogue, SelonLesVues);
        QCOMPARE(std::get<RefusHyperstatisme>(sansLiaison).message,
                 QStringLiteral("Il n'y a pas de liaison.\n\nOn ne peut pas calculer l'hyperstatisme."));
        const auto melange =
            PreparerHyperstatisme(graphe(3, {{1, 2, 4, 1, 0}, {2, 3, 4, 0, 0}}), catalogue, SelonLesVues);
        QCOMPARE(std::get<RefusHyperstatisme>(melange).message,
                 QStringLiteral("Vous avez des liaisons spatiales et planes.\n\n"
                                "On ne peut pas calculer l'hyperstatisme."));
    }

    void classesComptees()
    {
        // The frame has no joint: every class that has one counts; classes no joint reaches do not.
        auto d = std::get<DonneesHyperstatisme>(
            PreparerHyperstatisme(graphe(9, {{1, 2, 4, 0, 0}}, {5}), catalogue, SelonLesVues));
        QVERIFY(!d.batiRelie);
        QCOMPARE(d.n, 2);
        // Two frames with joints are both taken off; an end not chosen counts for nothing.
        d = std::get<DonneesHyperstatisme>(PreparerHyperstatisme(
            graphe(4, {{1, 2, 4, 0, 0}, {3, 4, 4, 0, 0}, {2, 0, 1, 0, 0}}, {1, 3}), catalogue, SelonLesVues));
        QVERIFY(d.batiRelie);
        QCOMPARE(d.n, 2);
        QCOMPARE(d.is, 9);
        QCOMPARE(MessageSansBati(),
                 QStringLiteral("Vous n'avez pas défini de bâti ou il n'y a pas de liaison avec le bati.\n\n"
                                "Donc pour notre calcul de l'hyperstatisme, toutes les classes d'équivalences "
                                "sont isolables."));
    }

    void nombresEntiers()
    {
        QCOMPARE(LireNombreEntier(QStringLiteral("-2")), -2);
        QCOMPARE(LireNombreEntier(QStringLiteral(" +4 ")), 4);
        QCOMPARE(LireNombreEntier(QStringLiteral("0")), 0);
        for (const char *refuse : {"abc", "", "1.5", "$10", "0x1", "2 3", "99999999999", "-"})
            QCOMPARE(LireNombreEntier(QString::fromLatin1(refuse)), std::nullopt);
    }
};

VELKORA_TEST(TestGeometrieEtHyperstatisme)
#include "TestGeometrieEtHyperstatisme.moc"
