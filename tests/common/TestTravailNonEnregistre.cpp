#include "common/TitreFenetre.h"
#include "common/TravailNonEnregistre.h"
#include "support/Enregistrement.h"
#include "support/Factices.h"

#include <QUndoStack>
#include <QtTest>

class TestTravailNonEnregistre : public QObject {
    Q_OBJECT

private slots:
    void questionAvantDAbandonner_data()
    {
        QTest::addColumn<bool>("modifie");
        QTest::addColumn<int>("reponse");
        QTest::addColumn<bool>("enregistrementReussi");
        QTest::addColumn<bool>("questionPosee");
        QTest::addColumn<bool>("enregistre");
        QTest::addColumn<bool>("continuer");
        const int E = int(ReponseEnregistrement::Enregistrer), N = int(ReponseEnregistrement::NePasEnregistrer),
                  A = int(ReponseEnregistrement::Annuler);
        QTest::newRow("rien à perdre") << false << A << true << false << false << true;
        QTest::newRow("enregistrer") << true << E << true << true << true << true;
        QTest::newRow("enregistrement manqué") << true << E << false << true << true << false;
        QTest::newRow("ne pas enregistrer") << true << N << true << true << false << true;
        QTest::newRow("annuler") << true << A << true << true << false << false;
    }
    void questionAvantDAbandonner()
    {
        QFETCH(bool, modifie);
        QFETCH(int, reponse);
        QFETCH(bool, enregistrementReussi);
        QFETCH(bool, questionPosee);
        QFETCH(bool, enregistre);
        QFETCH(bool, continuer);
        DialoguesFactices &d = InstallerFactices();
        d.reponsesEnregistrement.push_back(ReponseEnregistrement(reponse));
        QUndoStack historique;
        if (modifie)
            historique.push(new QUndoCommand(QStringLiteral("peinture"))); // the stack owns it
        bool appele = false;
        const bool suite = PeutAbandonnerTravail(historique, QStringLiteral("« Étau »"), [&] {
            appele = true;
            return enregistrementReussi;
        });
        QCOMPARE(suite, continuer);
        QCOMPARE(appele, enregistre);
        QCOMPARE(d.boites.size(), std::size_t(questionPosee ? 1 : 0));
        if (questionPosee)
            QCOMPARE(d.boites.front().texte, QStringLiteral("Enregistrer les modifications de « Étau » ?"));
    }

    void geometrieRestaureeDansLEcran_data()
    {
        QTest::addColumn<QSize>("conception");
        QTest::addColumn<QRect>("disponible");
        QTest::addColumn<QRect>("attendue");
        QTest::newRow("plus petite") << QSize(800, 600) << QRect(0, 0, 1600, 1000) << QRect(400, 200, 800, 600);
        QTest::newRow("plus grande") << QSize(1300, 950) << QRect(0, 30, 1024, 738) << QRect(0, 30, 1024, 738);
        QTest::newRow("écran décalé") << QSize(400, 300) << QRect(1920, 0, 800, 600) << QRect(2120, 150, 400, 300);
    }
    void geometrieRestaureeDansLEcran()
    {
        QFETCH(QSize, conception);
        QFETCH(QRect, disponible);
        QFETCH(QRect, attendue);
        QCOMPARE(GeometrieRestauree(conception, disponible), attendue);
    }
};

VELKORA_TEST(TestTravailNonEnregistre)
#include "TestTravailNonEnregistre.moc"
