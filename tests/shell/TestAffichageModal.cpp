#include "common/AffichageModal.h"
#include "shell/InstanceUnique.h"
#include "support/ArbreMecanismes.h"
#include "support/Enregistrement.h"

#include <QLockFile>
#include <QMainWindow>
#include <QtTest>

class TestAffichageModal : public QObject {
    Q_OBJECT
private slots:
    // The desktop hides a window it minimises; the student has not closed it.
    void minimiserNeFermePas()
    {
        QMainWindow fenetre;
        QStringList etapes;
        QTimer::singleShot(0, &fenetre, [&] {
            fenetre.showMinimized();
            QHideEvent cacheeParLeBureau;
            QCoreApplication::sendEvent(&fenetre, &cacheeParLeBureau);
            QTimer::singleShot(20, &fenetre, [&] {
                etapes << QStringLiteral("toujours là");
                fenetre.showMaximized();
                QTimer::singleShot(20, &fenetre, [&] {
                    etapes << QStringLiteral("fermée");
                    fenetre.close();
                });
            });
        });
        AfficherModal(fenetre);
        QCOMPARE(etapes, (QStringList{QStringLiteral("toujours là"), QStringLiteral("fermée")}));
        QVERIFY(!fenetre.isVisible());
    }

    void fermerTermine()
    {
        QMainWindow fenetre;
        QTimer::singleShot(0, &fenetre, [&] {
            QVERIFY(fenetre.isVisible());
            QVERIFY(fenetre.isModal());
            fenetre.close();
        });
        AfficherModal(fenetre);
        QVERIFY(!fenetre.isVisible());
    }

    void uneSeuleCopie()
    {
        ArbreMecanismes arbre;
        QLockFile premiere(arbre.chemin("Velkora.lock"));
        QVERIFY(!AutreCopieEnCours(premiere));
        QLockFile seconde(arbre.chemin("Velkora.lock"));
        QVERIFY(AutreCopieEnCours(seconde));
        premiere.unlock();
        QVERIFY(!AutreCopieEnCours(seconde));
    }

    // Only a running copy ends a start: a lock that cannot even be made lets the program run.
    void verrouImpossibleACreer()
    {
        ArbreMecanismes arbre;
        arbre.ecrireOctets("fichier", "x");
        QLockFile verrou(arbre.chemin("fichier/Velkora.lock"));
        QVERIFY(!AutreCopieEnCours(verrou));
        QVERIFY(!verrou.isLocked());
    }
};

VELKORA_TEST(TestAffichageModal)
#include "TestAffichageModal.moc"
