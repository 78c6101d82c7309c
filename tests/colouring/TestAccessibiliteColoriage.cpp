#include "MecanismeColoriage.h"
#include "support/Enregistrement.h"
#include "support/Factices.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QMenuBar>
#include <QSignalSpy>
#include <QtTest>

// What a screen reader can name in the colouring window, its loupe and its notification.
class TestAccessibiliteColoriage : public QObject {
    Q_OBJECT

    static QString nomAccessible(QObject *objet)
    {
        QAccessibleInterface *interface = QAccessible::queryAccessibleInterface(objet);
        return interface ? interface->text(QAccessible::Name) : QString();
    }

private slots:
    void toutEstNomme()
    {
        ArbreMecanismes arbre;
        FenetreColoriage f;
        f.fenetre.Ouvrir(EcrireColoriage(arbre, "etau", "p", ColoriageSixZones()), "p");
        f.cliquer(PixelBlanc, Qt::RightButton);

        QStringList sansNom;
        for (QAction *action : f.fenetre.findChildren<QAction *>()) {
            if (!action->isSeparator() && action->text().isEmpty() && !action->menu())
                sansNom << action->objectName();
        }
        // The controls on the screen, the loupe's among them.
        QVERIFY(f.loupe.isVisible());
        QList<QWidget *> controles;
        for (QWidget *w : f.fenetre.findChildren<QWidget *>())
            controles << w;
        for (QWidget *w : f.loupe.findChildren<QWidget *>())
            controles << w;
        for (QWidget *w : controles) {
            const bool interactif = qobject_cast<QAbstractButton *>(w) || qobject_cast<QListWidget *>(w) ||
                                    w == f.vue || w->objectName() == "Zoom";
            if (interactif && w->isVisible() && nomAccessible(w).isEmpty())
                sansNom << QString::fromLatin1(w->metaObject()->className()) + " " + w->objectName();
        }
        QVERIFY2(sansNom.isEmpty(), qPrintable(sansNom.join(", ")));
        // The slots: their text, their number, their colour and whether they are active.
        QAccessibleInterface *liste = QAccessible::queryAccessibleInterface(f.liste);
        QVERIFY(liste);
        QStringList items;
        for (int i = 0; i < liste->childCount(); ++i)
            items << liste->child(i)->text(QAccessible::Name);
        QVERIFY2(items.contains("Pièce 3, case 3, couleur blanc, active"), qPrintable(items.join(" | ")));
    }

    void clavier_data()
    {
        QTest::addColumn<QKeySequence>("touches");
        QTest::addColumn<QString>("cible"); // the action triggered, or the menu that opens
        QTest::newRow("Ctrl+O") << QKeySequence("Ctrl+O") << "MenuOuvrir";
        QTest::newRow("Ctrl+W") << QKeySequence("Ctrl+W") << "MenuFermer";
        QTest::newRow("Ctrl+Z") << QKeySequence("Ctrl+Z") << "MenuAnnuler";
        QTest::newRow("Ctrl+Y") << QKeySequence("Ctrl+Y") << "MenuRetablir";
        QTest::newRow("Ctrl+Maj+Z") << QKeySequence("Ctrl+Shift+Z") << "MenuRetablir";
        QTest::newRow("Ctrl+S") << QKeySequence("Ctrl+S") << "MenuEnregistrerImage";
        QTest::newRow("F1") << QKeySequence("F1") << "MenuAide";
        QTest::newRow("Alt+V") << QKeySequence("Alt+V") << "MenuVerification";
        QTest::newRow("Alt+F") << QKeySequence("Alt+F") << "MenuFichier";
        QTest::newRow("Alt+D") << QKeySequence("Alt+D") << "MenuEdition";
        QTest::newRow("Alt+O") << QKeySequence("Alt+O") << "MenuOutils";
        QTest::newRow("F10") << QKeySequence("F10") << "MenuFichier";
    }
    void clavier()
    {
        QFETCH(QKeySequence, touches);
        QFETCH(QString, cible);
        dialoguesFactices().oublier();
        ArbreMecanismes arbre;
        ColoriageTest c = ColoriageSixZones();
        c.condition = ConditionSixZones("[MENU AIDE]\r\nAdresse=page.htm\r\nErreur=0\r\n");
        FenetreColoriage f;
        f.fenetre.Ouvrir(EcrireColoriage(arbre, "etau", "p", c), "p");
        // Something to undo and something to redo.
        dialoguesFactices().reponsesCouleur = {0x000000FF};
        f.choisirItem(1);
        f.cliquer(CentreZone(1));
        f.cliquer(CentreZone(2));
        f.action("MenuAnnuler")->trigger();
        f.fenetre.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f.fenetre));

        QAction *action = f.action(cible);
        std::optional<QSignalSpy> declenchee;
        if (action)
            declenchee.emplace(action, &QAction::triggered);
        QTest::keySequence(&f.fenetre, touches);
        if (declenchee) {
            QCOMPARE(declenchee->size(), 1);
        } else {
            QWidget *menu = QApplication::activePopupWidget();
            QVERIFY(menu);
            QCOMPARE(menu->objectName(), cible);
            menu->close();
        }
    }
};

VELKORA_TEST(TestAccessibiliteColoriage)
#include "TestAccessibiliteColoriage.moc"
