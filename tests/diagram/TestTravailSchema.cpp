#include "MecanismeSchema.h"
#include "diagram/ImageSchema.h"
#include "support/Enregistrement.h"
#include "support/Factices.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

// The diagram's strokes and moves are never thrown away without asking: closing the window or
// opening another diagram, each answer of the question; and the window's place when un-maximised.
class TestTravailSchema : public QObject {
    Q_OBJECT

    enum Par { Fermer, Ouvrir };
    enum Reponse { Enregistrer, EnregistrerAnnule, NePasEnregistrer, Annuler };

private slots:
    void init()
    {
        DialoguesFactices &d = dialoguesFactices();
        d.oublier();
        d.fichiersAOuvrir.clear();
        d.fichiersAEnregistrer.clear();
        d.reponsesQuestion.clear();
        d.reponsesEnregistrement.clear();
    }

    void question_data()
    {
        QTest::addColumn<int>("par");
        QTest::addColumn<int>("reponse");
        for (const auto &[par, nomPar] : {std::pair{Fermer, "fermer"}, std::pair{Ouvrir, "ouvrir"}}) {
            QTest::addRow("%s, enregistrer", nomPar) << int(par) << int(Enregistrer);
            QTest::addRow("%s, enregistrer puis renoncer", nomPar) << int(par) << int(EnregistrerAnnule);
            QTest::addRow("%s, ne pas enregistrer", nomPar) << int(par) << int(NePasEnregistrer);
            QTest::addRow("%s, annuler", nomPar) << int(par) << int(Annuler);
        }
    }
    void question()
    {
        QFETCH(int, par);
        QFETCH(int, reponse);
        ArbreMecanismes arbre;
        QTemporaryDir documents;
        bureauFactice().dossierDocuments = documents.path();
        SchemaTest neuf = SchemaDeuxClasses();
        neuf.couleursCe = {"clGreen", "clYellow", "clAqua"};
        const QString autre = EcrireSchema(arbre, "neuf", neuf);
        FenetreSchema f;
        f.fenetre.OuvrirSCH(EcrireSchema(arbre, "meca", SchemaDeuxClasses()));
        f.fenetre.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.fenetre));

        // Nothing drawn yet: nothing is asked.
        f.menuOuvrir->trigger();
        QCOMPARE(dialoguesFactices().boites.back().genre, QStringLiteral("Ouvrir"));
        dialoguesFactices().oublier();

        f.tracer(f.spline, {QPoint(30, 150), QPoint(80, 150)});
        QVERIFY(f.fenetre.isWindowModified());
        const QString image = documents.filePath("schema.bmp");
        dialoguesFactices().reponsesEnregistrement = {reponse == NePasEnregistrer
                                                          ? ReponseEnregistrement::NePasEnregistrer
                                                      : reponse == Annuler ? ReponseEnregistrement::Annuler
                                                                           : ReponseEnregistrement::Enregistrer};
        if (reponse == Enregistrer)
            dialoguesFactices().fichiersAEnregistrer = {image};
        dialoguesFactices().reponsesQuestion = {true};
        dialoguesFactices().fichiersAOuvrir = {autre};
        if (par == Fermer)
            f.fenetre.close();
        else
            f.menuOuvrir->trigger();

        QCOMPARE(dialoguesFactices().boites.front().genre, QStringLiteral("Enregistrement"));
        QCOMPARE(dialoguesFactices().boites.front().texte,
                 QStringLiteral("Enregistrer les modifications de ce schéma cinématique (« meca ») ?"));
        const bool suite = reponse == Enregistrer || reponse == NePasEnregistrer;
        QCOMPARE(QFile::exists(image), reponse == Enregistrer);
        if (reponse == Enregistrer)
            QCOMPARE(QImage(image).pixelColor(50, 150), QColor(Qt::red));
        if (par == Fermer) {
            QCOMPARE(f.fenetre.isVisible(), !suite);
        } else {
            QCOMPARE(f.boutonCe(3)->isVisible(), suite); // the other diagram, opened clean
            QCOMPARE(f.fenetre.windowTitle(), suite ? QStringLiteral("Schéma Cinématique – neuf[*]")
                                                    : QStringLiteral("Schéma Cinématique – meca[*]"));
        }
        if (suite)
            return;
        // Left as it was: the stroke, still unsaved; once exported, nothing is asked any more.
        QCOMPARE(f.affichage().pixelColor(50, 150), QColor(Qt::red));
        QVERIFY(f.fenetre.isWindowModified());
        dialoguesFactices().oublier();
        dialoguesFactices().fichiersAEnregistrer = {image};
        dialoguesFactices().reponsesQuestion = {true};
        f.menuEnregistrer->trigger();
        QVERIFY(!f.fenetre.isWindowModified());
        QVERIFY(f.fenetre.close());
        QVERIFY(std::none_of(dialoguesFactices().boites.begin(), dialoguesFactices().boites.end(),
                             [](const auto &b) { return b.genre == u"Enregistrement"; }));
    }

    // A symbol moved is work too; undoing back to the state exported is not.
    void deplacementEtAnnulation()
    {
        ArbreMecanismes arbre;
        FenetreSchema f;
        f.fenetre.OuvrirSCH(EcrireSchema(arbre, "meca", SchemaDeuxClasses()));
        f.fenetre.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.fenetre));
        f.glisser(1, f.fond->pos() + QPoint(100, 50));
        QVERIFY(f.fenetre.isWindowModified());
        QVERIFY(!f.fenetre.close()); // Annuler
        QVERIFY(f.fenetre.isVisible());
        f.menuAnnuler->trigger();
        QVERIFY(!f.fenetre.isWindowModified());
        dialoguesFactices().oublier();
        QVERIFY(f.fenetre.close());
        QCOMPARE(dialoguesFactices().boites.size(), std::size_t(0));
    }

    // Sixty strokes across the whole drawing stay within what the history keeps: each can be undone.
    void soixanteTraitsAnnules()
    {
        ArbreMecanismes arbre;
        FenetreSchema f;
        f.fenetre.OuvrirSCH(EcrireSchema(arbre, "meca", SchemaDeuxClasses()));
        f.fenetre.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.fenetre));
        const QImage vierge = f.affichage();
        for (int i = 0; i < 60; ++i)
            f.tracer(f.trait, {QPoint(5, 5 + i), QPoint(295, 195 - i)});
        QVERIFY(f.affichage() != vierge);
        for (int i = 0; i < 60; ++i)
            f.menuAnnuler->trigger();
        QVERIFY(!f.menuAnnuler->isEnabled());
        QCOMPARE(f.affichage(), vierge);
        QVERIFY(!f.fenetre.isWindowModified());
    }

    // A symbol moved with the arrow keys lies on the drawing, as one dragged there: when a wider window
    // centres the drawing again, the symbol goes with it.
    void symboleDeplaceAuClavierSuitLeDessin()
    {
        ArbreMecanismes arbre;
        FenetreSchema f;
        f.fenetre.OuvrirSCH(EcrireSchema(arbre, "meca", SchemaDeuxClasses()));
        f.fenetre.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.fenetre));
        QLabel *symbole = f.symbole(0);
        QTest::keyClick(symbole, Qt::Key_Down);
        const QPoint surLeDessin = symbole->pos() - f.fond->pos();
        const QPoint fond = f.fond->pos();
        f.fenetre.resize(f.fenetre.size() + QSize(200, 100));
        QTRY_VERIFY(f.fond->pos() != fond);
        QCOMPARE(symbole->pos() - f.fond->pos(), surLeDessin);
    }
};

VELKORA_TEST(TestTravailSchema)
#include "TestTravailSchema.moc"
