#include "MecanismeGraphe.h"
#include "joint_graph/ComparaisonGraphe.h"
#include "joint_graph/TImageMouse.h"
#include "support/Enregistrement.h"
#include "support/Factices.h"

#include <QAction>
#include <QPushButton>
#include <QtTest>
#include <array>

namespace {
// Joints "ce1 ce2 row view".
using Liaisons = QList<std::array<int, 4>>;
} // namespace
Q_DECLARE_METATYPE(Liaisons)

// The study a joint-graph exercise asks for ([HYPERSTATISME] Etude of its condition.inf), as the student
// meets it in the window: the hyperstatism it computes and « Vérifier mon graphe » against the
// mechanism's accepted models. In the test catalogue a joint of row r counts r unknowns in space and v
// in view v.
class TestEtudeGraphe : public QObject {
    Q_OBJECT

    static constexpr TColor Rouge = 0x000000FFu;
    static constexpr TColor Vert = 0x0000FF00u;
    static constexpr TColor Bleu = 0x00FF0000u;

    // A 3-class mechanism "meca" whose graph exercise's condition.inf ends with the given lines.
    static QString ecrireMecanisme(const ArbreMecanismes &arbre, const QString &finCondition)
    {
        const QString descripteur = EcrireMecanismeGraphe(arbre, "meca", 3);
        QFile condition(arbre.chemin("meca/graphe_des_liaisons/condition.inf"));
        if (!condition.open(QIODevice::Append))
            return {};
        condition.write(finCondition.toUtf8());
        return descripteur;
    }

    // A graph of the mechanism "meca", class 1 the frame.
    static QString texteGdl(const Liaisons &liaisons)
    {
        QString texte = QStringLiteral("[MECANISME]\r\nMecanisme=meca\r\nNbrCe=3\r\nNbrLiaison=%1\r\n"
                                       "[Ce1]\r\nCouleur=clRed\r\nBati=1\r\n[Ce2]\r\nCouleur=clLime\r\nLeft=200\r\n"
                                       "[Ce3]\r\nCouleur=clBlue\r\nLeft=400\r\n")
                            .arg(liaisons.size());
        for (int n = 1; n <= liaisons.size(); ++n) {
            const auto &l = liaisons[n - 1];
            texte += QStringLiteral("[Liaison%1]\r\nCe1=%2\r\nCe2=%3\r\nLiaison3D=%4\r\nLiaison2D=%5\r\n")
                         .arg(n)
                         .arg(l[0])
                         .arg(l[1])
                         .arg(l[2])
                         .arg(l[3]);
        }
        return texte;
    }

    // Colours the nodes, makes class 1 the frame and draws the joints by hand.
    static void construire(FenetreGraphe &f, const Liaisons &liaisons)
    {
        f.colorer({Rouge, Vert, Bleu});
        f.bouton("BoutonBati")->click();
        FenetreGraphe::cliquer(f.noeud(1));
        for (const auto &l : liaisons)
            f.creerLiaison({l[0], l[1]}, l[2], l[3]);
        QCOMPARE(f.fenetre.Graphe().NbrLiaison(), int(liaisons.size()));
        dialoguesFactices().oublier();
    }

    // "Calculer l'hyperstatisme" with me = 1 and mi = 0: the last message shown.
    static QString hyperstatisme(FenetreGraphe &f)
    {
        dialoguesFactices().oublier();
        dialoguesFactices().reponsesSaisie = {QStringLiteral("1"), QStringLiteral("0")};
        f.bouton("BoutonHyperstatisme")->click();
        const QStringList textes = dialoguesFactices().textes();
        return textes.isEmpty() ? QString() : textes.last();
    }

    static QString verifier(FenetreGraphe &f)
    {
        dialoguesFactices().oublier();
        QAction *verifier = f.action("MenuVerifierGraphe");
        if (!verifier || !verifier->isVisible())
            return QStringLiteral("(pas de vérification)");
        verifier->trigger();
        return dialoguesFactices().textes().join(u'|');
    }

    static QString spatiale(int is, int h)
    {
        return QStringLiteral("Hyperstatisme spatiale :\nCet exercice demande une étude dans l'espace.\n"
                              "h = me + mi + is - 6*n\n\nme = 1\nmi = 0\nis = %1\nn = 2\n\nh = %2\n\n")
            .arg(is)
            .arg(h);
    }

private slots:
    void init() { dialoguesFactices().oublier(); }

    // The same graph, every joint with a view, under each study: the exercise's key decides, the views
    // only when there is none.
    void etudeDeLExercice_data()
    {
        QTest::addColumn<QString>("finCondition");
        QTest::addColumn<int>("etude");
        QTest::addColumn<QString>("debut");
        QTest::newRow("spatiale") << "[HYPERSTATISME]\r\nEtude=spatiale\r\n"
                                  << int(EtudeExercice::Spatiale)
                                  << spatiale(15, 4) + QStringLiteral("Le système est hyperstatique d'ordre 4.");
        QTest::newRow("spatiale en capitales")
            << "[hyperstatisme]\r\netude= SPATIALE \r\n"
            << int(EtudeExercice::Spatiale)
            << spatiale(15, 4) + QStringLiteral("Le système est hyperstatique d'ordre 4.");
        QTest::newRow("plane") << "[HYPERSTATISME]\r\nEtude=Plane\r\n"
                               << int(EtudeExercice::Plane)
                               << "Hyperstatisme plane :\nCet exercice demande une étude plane.\n"
                                  "h = me + mi + is - 3*n\n\nme = 1\nmi = 0\nis = 5\nn = 2\n\nh = 0\n\n"
                                  "Le système est isostatique.";
        QTest::newRow("sans clé") << "" << int(EtudeExercice::SelonLesVues)
                                  << "Hyperstatisme plane :\nToutes les liaisons ont une vue plane : l'étude est "
                                     "plane.\nh = me + mi + is - 3*n\n\nme = 1\nmi = 0\nis = 5\nn = 2\n\nh = 0\n\n"
                                     "Le système est isostatique.";
        QTest::newRow("clé vide") << "[HYPERSTATISME]\r\nEtude=\r\n"
                                  << int(EtudeExercice::SelonLesVues)
                                  << "Hyperstatisme plane :\nToutes les liaisons ont une vue plane : l'étude est "
                                     "plane.\nh = me + mi + is - 3*n\n\nme = 1\nmi = 0\nis = 5\nn = 2\n\nh = 0\n\n"
                                     "Le système est isostatique.";
    }
    void etudeDeLExercice()
    {
        QFETCH(QString, finCondition);
        QFETCH(int, etude);
        QFETCH(QString, debut);
        ArbreMecanismes arbre;
        EcrireCatalogueTest(arbre);
        const QString descripteur = ecrireMecanisme(arbre, finCondition);
        FenetreGraphe f;
        f.fenetre.OuvrirSCH(descripteur);
        QCOMPARE(dialoguesFactices().textes(), QStringList());
        QCOMPARE(int(f.fenetre.Etude()), etude);
        construire(f, {{1, 2, 7, 2}, {2, 3, 8, 3}});
        QCOMPARE(hyperstatisme(f), debut);
        QCOMPARE(dialoguesFactices().textes().size(), 1);
    }

    // A spatial study counts joints without a view and with one alike; a plane study refuses a joint
    // without a view, and asks nothing.
    void vuesEtEtudeDemandee()
    {
        ArbreMecanismes arbre;
        EcrireCatalogueTest(arbre);
        FenetreGraphe f;
        f.fenetre.OuvrirSCH(ecrireMecanisme(arbre, "[HYPERSTATISME]\r\nEtude=spatiale\r\n"));
        construire(f, {{1, 2, 7, 2}, {2, 3, 8, 0}});
        QCOMPARE(hyperstatisme(f), spatiale(15, 4) + QStringLiteral("Le système est hyperstatique d'ordre 4."));

        f.fenetre.OuvrirSCH(ecrireMecanisme(arbre, "[HYPERSTATISME]\r\nEtude=plane\r\n"));
        construire(f, {{1, 2, 7, 2}, {2, 3, 8, 0}});
        hyperstatisme(f);
        QCOMPARE(dialoguesFactices().textes(),
                 QStringList{"Cet exercice demande une étude plane : chaque liaison doit avoir une vue plane.\n\n"
                             "On ne peut pas calculer l'hyperstatisme."});
        QCOMPARE(dialoguesFactices().boites.size(), std::size_t(1));
    }

    // Another study is refused at opening, naming the file, and the graph on screen stays.
    void etudeInconnueRefusee()
    {
        ArbreMecanismes arbre;
        EcrireCatalogueTest(arbre);
        FenetreGraphe f;
        f.fenetre.OuvrirSCH(ecrireMecanisme(arbre, "[HYPERSTATISME]\r\nEtude=spatiale\r\n"));
        construire(f, {{1, 2, 7, 2}});
        const QString refus = QStringLiteral("Le fichier \"condition.inf\" demande l'étude \"plan\" ; il faut "
                                             "\"spatiale\" ou \"plane\".\n\n"
                                             "Impossible d'ouvrir le graphe des liaisons de ce mécanisme.");
        const QString descripteur = ecrireMecanisme(arbre, "[HYPERSTATISME]\r\nEtude=plan\r\n");
        f.fenetre.OuvrirSCH(descripteur);
        QCOMPARE(dialoguesFactices().textes(), QStringList{refus});
        QCOMPARE(f.fenetre.Graphe().NbrLiaison(), 1);
        QCOMPARE(f.fenetre.Etude(), EtudeExercice::Spatiale);

        // A saved graph of that mechanism is refused the same way, and none is left open.
        dialoguesFactices().oublier();
        f.fenetre.OuvrirGDL(arbre.ecrireTexte("travail.gdl", texteGdl({{1, 2, 7, 2}})));
        QCOMPARE(dialoguesFactices().textes(), QStringList{refus});
        QVERIFY(f.fenetre.Graphe().DossierExercice.isEmpty());
        QCOMPARE(f.fenetre.Etude(), EtudeExercice::SelonLesVues);
    }

    // A saved graph takes the study of the exercise its file names, wherever the file lies.
    void grapheEnregistre()
    {
        ArbreMecanismes arbre;
        EcrireCatalogueTest(arbre);
        ecrireMecanisme(arbre, "[HYPERSTATISME]\r\nEtude=spatiale\r\n");
        const QString gdl = arbre.ecrireTexte("ailleurs/travail.gdl", texteGdl({{1, 2, 7, 2}, {2, 3, 8, 3}}));
        FenetreGraphe f;
        dialoguesFactices().fichiersAOuvrir = {gdl};
        f.action("MenuOuvrir")->trigger();
        QCOMPARE(dialoguesFactices().textes(), QStringList());
        QCOMPARE(f.fenetre.Etude(), EtudeExercice::Spatiale);
        QCOMPARE(hyperstatisme(f), spatiale(15, 4) + QStringLiteral("Le système est hyperstatique d'ordre 4."));

        // "Nouveau" has no exercise: the views decide again.
        dialoguesFactices().reponsesQuestion = {false};
        dialoguesFactices().reponsesSaisie = {QStringLiteral("3")};
        EcrireSansMecanisme(arbre);
        f.fenetre.MenuNouveauClick();
        QCOMPARE(f.fenetre.Etude(), EtudeExercice::SelonLesVues);
    }

    // Two accepted models; the student's graph is told against the nearest one, and « juste » when
    // one matches. The study the window hands over decides whether the view counts (the rule itself is
    // TestComparaisonGraphe's).
    void verifierContreLesModeles_data()
    {
        QTest::addColumn<QString>("finCondition");
        QTest::addColumn<Liaisons>("liaisons");
        QTest::addColumn<QString>("verdict");
        const QString plane = QStringLiteral("[HYPERSTATISME]\r\nEtude=plane\r\n");
        const QString spatiale = QStringLiteral("[HYPERSTATISME]\r\nEtude=spatiale\r\n");
        const QString juste =
            QStringLiteral("Votre graphe des liaisons est juste.\nLiaisons justes : 2.\nLe bâti est juste.");
        const QString vueFausse = QStringLiteral("Liaisons justes : 1.\nUne liaison entre les classes d'équivalence "
                                                 "1 et 2 n'a pas le bon type.\nLe bâti est juste.");
        QTest::newRow("premier modèle") << plane << Liaisons{{2, 1, 7, 2}, {3, 2, 8, 3}} << juste;
        QTest::newRow("second modèle") << plane << Liaisons{{1, 2, 9, 2}, {2, 3, 8, 3}} << juste;
        QTest::newRow("plane, autre vue") << plane << Liaisons{{1, 2, 7, 1}, {2, 3, 8, 3}} << vueFausse;
        QTest::newRow("spatiale, autre vue") << spatiale << Liaisons{{1, 2, 7, 1}, {2, 3, 8, 0}} << juste;
        QTest::newRow("sans clé, toutes projetées") << "" << Liaisons{{1, 2, 7, 1}, {2, 3, 8, 3}} << vueFausse;
        QTest::newRow("plus près du second")
            << spatiale << Liaisons{{1, 2, 9, 2}}
            << QStringLiteral("Liaisons justes : 1.\nIl manque une liaison entre des classes d'équivalence que vous "
                              "n'avez pas reliées.\nLe bâti est juste.");
    }
    void verifierContreLesModeles()
    {
        QFETCH(QString, finCondition);
        QFETCH(Liaisons, liaisons);
        QFETCH(QString, verdict);
        ArbreMecanismes arbre;
        EcrireCatalogueTest(arbre);
        const QString descripteur = ecrireMecanisme(arbre, finCondition);
        arbre.ecrireTexte("meca/schema_cinematique/correction.gdl", texteGdl({{1, 2, 7, 2}, {2, 3, 8, 3}}));
        // Written on a desktop that ignores letter case: found all the same.
        arbre.ecrireTexte("meca/schema_cinematique/Correction_2.GDL", texteGdl({{1, 2, 9, 2}, {2, 3, 8, 3}}));
        FenetreGraphe f;
        f.fenetre.OuvrirSCH(descripteur);
        construire(f, liaisons);
        QCOMPARE(verifier(f), verdict);
    }

    // Models are numbered without a gap: one after a gap is not looked for. A model that cannot be read
    // is told as the correction would be.
    void modelesIllisiblesOuNonConsecutifs()
    {
        ArbreMecanismes arbre;
        EcrireCatalogueTest(arbre);
        const QString descripteur = ecrireMecanisme(arbre, "[HYPERSTATISME]\r\nEtude=plane\r\n");
        const QString dossier = arbre.chemin("meca/schema_cinematique/");
        arbre.ecrireTexte("meca/schema_cinematique/correction.gdl", texteGdl({{1, 2, 7, 2}, {2, 3, 8, 3}}));
        arbre.ecrireTexte("meca/schema_cinematique/correction_3.gdl", texteGdl({{1, 2, 9, 2}, {2, 3, 8, 3}}));
        QCOMPARE(CheminsModelesCorrection(dossier), QStringList{dossier + "correction.gdl"});
        FenetreGraphe f;
        f.fenetre.OuvrirSCH(descripteur);
        construire(f, {{1, 2, 9, 2}, {2, 3, 8, 3}});
        QVERIFY(!verifier(f).startsWith(QStringLiteral("Votre graphe des liaisons est juste.")));

        arbre.ecrireTexte("meca/schema_cinematique/correction_2.gdl", texteGdl({{1, 2, 12, 2}}));
        QCOMPARE(CheminsModelesCorrection(dossier),
                 (QStringList{dossier + "correction.gdl", dossier + "correction_2.gdl", dossier + "correction_3.gdl"}));
        QCOMPARE(verifier(f), QStringLiteral("La correction ne peut pas être lue :\nLa liaison 1 du fichier "
                                             "\"correction_2.gdl\" désigne le type de liaison 12, qui n'existe pas."));
        arbre.ecrireTexte("meca/schema_cinematique/correction_2.gdl", texteGdl({{1, 2, 5, 2}, {2, 3, 8, 3}}));
        QCOMPARE(verifier(f), QStringLiteral("Votre graphe des liaisons est juste.\nLiaisons justes : 2.\nLe bâti "
                                             "est juste."));

        // At most NbrModelesMax models are looked for.
        for (int n = 4; n <= NbrModelesMax + 2; ++n)
            arbre.ecrireTexte(QStringLiteral("meca/schema_cinematique/correction_%1.gdl").arg(n), texteGdl({}));
        QCOMPARE(CheminsModelesCorrection(dossier).size(), NbrModelesMax);
        QVERIFY(CheminsModelesCorrection(arbre.chemin("ailleurs/")).isEmpty());
    }
};

VELKORA_TEST(TestEtudeGraphe)
#include "TestEtudeGraphe.moc"
