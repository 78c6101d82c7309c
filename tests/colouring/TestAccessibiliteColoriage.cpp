#include "MecanismeColoriage.h"
#include "support/Enregistrement.h"
#include "support/Factices.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QMenuBar>
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
};

VELKORA_TEST(TestAccessibiliteColoriage)
#include "TestAccessibiliteColoriage.moc"
