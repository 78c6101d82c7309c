#include "colouring/TCouleurListBox.h"
#include "common/DossierProgramme.h"
#include "joint_graph/TImageMouse.h"
#include "shell/TFormPrincipale.h"
#include "support/Enregistrement.h"
#include "support/Factices.h"
#include "verification/VerificationMecanisme.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
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
        QAction *mecanisme = nullptr;
        for (QAction *a : principale.findChild<QMenu *>(menu)->actions())
            mecanisme = a->text() == nom ? a : mecanisme;
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
};

VELKORA_TEST(TestMecanismesLivres)
#include "TestMecanismesLivres.moc"
