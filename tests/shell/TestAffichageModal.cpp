#include "common/AffichageModal.h"
#include "shell/InstanceUnique.h"
#include "support/ArbreMecanismes.h"
#include "support/Enregistrement.h"

#include <QLockFile>
#include <QMainWindow>
#include <QMenuBar>
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

    // The window is given the whole screen before it is maximised; leaving that state must not keep it,
    // or under a window manager its title bar would lie above the screen.
    void demaximiseeALaTailleDeConception()
    {
        QMainWindow fenetre;
        fenetre.resize(500, 300);
        QRect restauree;
        QTimer::singleShot(0, &fenetre, [&] {
            fenetre.showNormal();
            QTimer::singleShot(50, &fenetre, [&] {
                restauree = fenetre.geometry();
                fenetre.close();
            });
        });
        AfficherModal(fenetre);
        const QRect ecran = fenetre.screen()->availableGeometry();
        QCOMPARE(restauree.size(), QSize(500, 300));
        QVERIFY(restauree.top() >= ecran.top() + 20);
        QVERIFY(qAbs(restauree.center().x() - ecran.center().x()) <= 4);
    }

    void f10OuvreLesMenus()
    {
        QMainWindow fenetre;
        fenetre.menuBar()->addMenu(QStringLiteral("&Fichier"))->addAction(QStringLiteral("&Fermer"));
        QAction *active = nullptr;
        QTimer::singleShot(0, &fenetre, [&] {
            fenetre.activateWindow();
            if (QTest::qWaitForWindowActive(&fenetre))
                QTest::keyClick(&fenetre, Qt::Key_F10);
            active = fenetre.menuBar()->activeAction();
            fenetre.close();
        });
        AfficherModal(fenetre);
        QVERIFY(active);
        QCOMPARE(active->text(), QStringLiteral("&Fichier"));
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
