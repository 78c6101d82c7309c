#include "colouring/TCouleurListBox.h"
#include "common/DossierProgramme.h"
#include "joint_graph/FichierGdl.h"
#include "joint_graph/TFormGrapheDesLiaisons.h"
#include "joint_graph/TImageMouse.h"
#include "shell/TFormPrincipale.h"
#include "support/Enregistrement.h"
#include "support/Factices.h"
#include "verification/VerificationMecanisme.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QRegularExpression>
#include <QToolButton>
#include <QtTest>

// The mechanisms delivered beside the program, opened in each of their exercises through the main
// window as a student opens them: each window loads its files without a single message, and the checker
// finds nothing to say.
class TestMecanismesLivres : public QObject {
    Q_OBJECT

    // Something the window shows only once its exercise is loaded.
    static bool ExerciceCharge(QWidget &fenetre)
    {
        const QString classe = QString::fromLatin1(fenetre.metaObject()->className());
        if (classe == u"TFormPresentation") {
            const auto *plan = fenetre.findChild<QLabel *>(QStringLiteral("ImagePlan"));
            return plan && plan->pixmap().width() > 0;
        }
        if (classe == u"TFormColoriage") {
            const auto *liste = fenetre.findChild<TCouleurListBox *>(QStringLiteral("CouleurListBox"));
            return liste && liste->count() > 1;
        }
        if (classe == u"TFormGrapheDesLiaisons") {
            const auto *noeud = fenetre.findChild<TImageMouse *>(QStringLiteral("ImageCe2"));
            return noeud && !noeud->isHidden();
        }
        const auto *bouton = fenetre.findChild<QToolButton *>(QStringLiteral("BoutonCe2"));
        return classe == u"TFormSchemaCinematique" && bouton && !bouton->isHidden();
    }

    static QAction *Mecanisme(TFormPrincipale &principale, const QString &menu, const QString &nom)
    {
        QAction *mecanisme = nullptr;
        for (QAction *a : principale.findChild<QMenu *>(menu)->actions())
            mecanisme = a->text() == nom ? a : mecanisme;
        return mecanisme;
    }

    static void Cliquer(QWidget *controle)
    {
        for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent evenement(type, QPointF(5, 5), QPointF(controle->mapToGlobal(QPoint(5, 5))), Qt::LeftButton,
                                  type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(controle, &evenement);
        }
    }

    // Draws the graph in the window as a student does: a colour for each node, the frame, then each
    // joint with its two classes, its standard joint and its plane view.
    static void ConstruireALaMain(TFormGrapheDesLiaisons &fenetre, const GrapheLiaisons &graphe)
    {
        const auto image = [&fenetre](const QString &nom) { return fenetre.findChild<TImageMouse *>(nom); };
        const auto bouton = [&fenetre](const char *nom) {
            return fenetre.findChild<QPushButton *>(QString::fromLatin1(nom));
        };
        for (int n = 1; n <= graphe.NbrCe(); ++n) {
            dialoguesFactices().reponsesCouleur.push_back(TColor(0x00100000u * n + 0x40));
            Cliquer(image(QStringLiteral("ImageCe%1").arg(n)));
            if (graphe.Ce(n).Bati) {
                bouton("BoutonBati")->click();
                Cliquer(image(QStringLiteral("ImageCe%1").arg(n)));
            }
        }
        for (int a = 1; a <= graphe.NbrLiaison(); ++a) {
            const TLiaison &l = graphe.Liaison(a);
            // A second joint between the same classes (a shaft on two bearings) is asked for.
            for (int b = 1; b < a; ++b) {
                const TLiaison &avant = graphe.Liaison(b);
                if (std::minmax(avant.Ce1, avant.Ce2) == std::minmax(l.Ce1, l.Ce2))
                    dialoguesFactices().reponsesQuestion.push_back(true);
            }
            bouton("BoutonCreer")->click();
            Cliquer(image(QStringLiteral("ImageCe%1").arg(l.Ce2)));
            Cliquer(image(QStringLiteral("ImageCe%1").arg(l.Ce1)));
            Cliquer(image(QStringLiteral("ImageLiaison3d_%1").arg(l.Liaison3D)));
            Cliquer(image(QStringLiteral("ImageLiaison2D_%1").arg(l.Liaison2D)));
            bouton("BoutonFermer")->click();
        }
        QVERIFY(dialoguesFactices().reponsesQuestion.empty());
        dialoguesFactices().oublier();
        fenetre.findChild<QAction *>(QStringLiteral("MenuVerifierGraphe"))->trigger();
        QVERIFY2(
            dialoguesFactices().textes().value(0).startsWith(QStringLiteral("Votre graphe des liaisons est juste.")),
            qPrintable(dialoguesFactices().textes().join(u'\n')));
    }

    // "Calculer l'hyperstatisme" with the page's mobilities: every message shown.
    static QStringList Hyperstatisme(TFormGrapheDesLiaisons &fenetre, int me, int mi)
    {
        dialoguesFactices().oublier();
        dialoguesFactices().reponsesSaisie = {QString::number(me), QString::number(mi)};
        fenetre.findChild<QPushButton *>(QStringLiteral("BoutonHyperstatisme"))->click();
        return dialoguesFactices().textes();
    }

private slots:
    void initTestCase() { DefinirDossierProgramme(QStringLiteral(VELKORA_DOSSIER_LIVRE)); }

    void chaqueExerciceSansMessage_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("souche");
        QTest::newRow("étau") << "MenuFacile" << QStringLiteral("Étau de serrage") << "etau";
        QTest::newRow("pompe") << "MenuMoyenne" << QStringLiteral("Pompe à main") << "pompe";
        QTest::newRow("compresseur") << "MenuDifficile" << QStringLiteral("Compresseur d'air") << "compresseur";
    }
    void chaqueExerciceSansMessage()
    {
        QFETCH(QString, menu);
        QFETCH(QString, nom);
        QFETCH(QString, souche);
        TFormPrincipale principale(24);
        QAction *mecanisme = Mecanisme(principale, menu, nom);
        QVERIFY2(mecanisme, qPrintable(nom + QStringLiteral(" n'est pas sous ") + menu));
        mecanisme->trigger();
        for (const char *exercice :
             {"MenuPresentation", "MenuDecodage_p", "MenuDecodage_ce", "MenuGraphe", "MenuSchema"}) {
            QAction *item = principale.findChild<QAction *>(QString::fromLatin1(exercice));
            QVERIFY2(item->isEnabled(), exercice);
            dialoguesFactices().oublier();
            bool charge = false;
            principale.DefinirAffichageModal([&](QWidget &fenetre) { charge = ExerciceCharge(fenetre); });
            item->trigger();
            QVERIFY2(dialoguesFactices().boites.empty(),
                     qPrintable(QStringLiteral("%1 : %2").arg(exercice, dialoguesFactices().textes().join(u'|'))));
            QVERIFY2(charge, exercice);
        }
        // The checker teachers run on their own mechanisms finds nothing in ours.
        const RapportVerification rapport = VerifierMecanisme(DossierProgramme() + souche + QStringLiteral(".sch"));
        QVERIFY2(rapport.nombreErreurs() + rapport.nombreAvertissements() == 0, qPrintable(rapport.texte()));
    }

    // The degree of hyperstatism the description page states is the one the window gives for the
    // delivered correction, every joint with its plane view as the diagram needs: the study is the one
    // the exercise asks for, whatever the views. The graph is opened from its file, and drawn by hand in
    // the exercise, where « Vérifier mon graphe » finds it right.
    void hyperstatismeDeLaPage_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("souche");
        QTest::addColumn<QString>("etude");
        const QString espace =
            QStringLiteral("Hyperstatisme spatiale :\nCet exercice demande une étude dans l'espace.");
        const QString plan = QStringLiteral("Hyperstatisme plane :\nCet exercice demande une étude plane.");
        QTest::newRow("étau") << "MenuFacile" << QStringLiteral("Étau de serrage") << "etau" << espace;
        QTest::newRow("pompe") << "MenuMoyenne" << QStringLiteral("Pompe à main") << "pompe" << plan;
        QTest::newRow("compresseur") << "MenuDifficile" << QStringLiteral("Compresseur d'air") << "compresseur"
                                     << espace;
    }
    void hyperstatismeDeLaPage()
    {
        QFETCH(QString, menu);
        QFETCH(QString, nom);
        QFETCH(QString, souche);
        QFETCH(QString, etude);
        // What the page states: h = me + mi + is - k × n = h.
        QFile page(DossierProgramme() + souche + QStringLiteral("/presentation/explication.htm"));
        QVERIFY(page.open(QIODevice::ReadOnly));
        static const QRegularExpression calcul(
            QStringLiteral("h = (-?\\d+) \\+ (-?\\d+) \\+ (\\d+) - (\\d+) (?:×|&#215;|&times;) (\\d+) = (-?\\d+)"));
        const QRegularExpressionMatch trouve = calcul.match(QString::fromUtf8(page.readAll()));
        QVERIFY2(trouve.hasMatch(), "la page ne donne pas le calcul de h");
        const int me = trouve.captured(1).toInt();
        const int mi = trouve.captured(2).toInt();
        const QString h = QStringLiteral("\n\nh = %1\n\n").arg(trouve.captured(6));

        const QString correction = DossierProgramme() + souche + QStringLiteral("/schema_cinematique/correction.gdl");
        const LectureGdl lecture = LireGdl(correction);
        QVERIFY2(lecture.reussie(), qPrintable(lecture.erreur));
        for (int a = 1; a <= lecture.graphe.NbrLiaison(); ++a)
            QVERIFY(lecture.graphe.Liaison(a).Liaison2D != 0);

        TFormPrincipale principale(24);
        QAction *mecanisme = Mecanisme(principale, menu, nom);
        QVERIFY(mecanisme);
        mecanisme->trigger();
        QStringList parFichier;
        QStringList parLaMain;
        principale.DefinirAffichageModal([&](QWidget &w) {
            auto *fenetre = qobject_cast<TFormGrapheDesLiaisons *>(&w);
            if (!fenetre)
                return;
            ConstruireALaMain(*fenetre, lecture.graphe);
            QCOMPARE(fenetre->Graphe().NbrLiaison(), lecture.graphe.NbrLiaison());
            parLaMain = Hyperstatisme(*fenetre, me, mi);
            // The correction opened from the window's "Ouvrir", what was drawn given up.
            dialoguesFactices().oublier();
            dialoguesFactices().reponsesEnregistrement = {ReponseEnregistrement::NePasEnregistrer};
            dialoguesFactices().fichiersAOuvrir = {correction};
            fenetre->findChild<QAction *>(QStringLiteral("MenuOuvrir"))->trigger();
            QVERIFY(fenetre->Graphe() == lecture.graphe);
            parFichier = Hyperstatisme(*fenetre, me, mi);
        });
        dialoguesFactices().oublier();
        principale.findChild<QAction *>(QStringLiteral("MenuGraphe"))->trigger();
        for (const QStringList &messages : {parFichier, parLaMain}) {
            QCOMPARE(messages.size(), 1);
            QVERIFY2(messages[0].startsWith(etude), qPrintable(messages[0]));
            QVERIFY2(messages[0].contains(h), qPrintable(messages[0]));
        }
    }
};

VELKORA_TEST(TestMecanismesLivres)
#include "TestMecanismesLivres.moc"
