#include "colouring/TCouleurListBox.h"
#include "support/Enregistrement.h"
#include "support/Factices.h"

#include <QSignalSpy>
#include <QtTest>

// The colour list on its own: the slots, the duplicate refusal, the colour dialog and which mouse
// events reach the owner.
class TestListeCouleurs : public QObject {
    Q_OBJECT

    struct Liste {
        QWidget proprietaire;
        TCouleurListBox *liste = new TCouleurListBox(&proprietaire);
        Liste()
        {
            liste->setGeometry(0, 0, 177, 200);
            liste->addItems({"Effacer", "Pièce 1", "Pièce 2"});
            proprietaire.resize(200, 220);
            proprietaire.show();
        }
        QPoint texte(int item) const { return {60, liste->visualItemRect(liste->item(item)).center().y()}; }
        QPoint carre(int item) const { return {5, liste->visualItemRect(liste->item(item)).center().y()}; }
    };

private slots:
    void init() { dialoguesFactices().oublier(); }

    void doublons()
    {
        Liste l;
        QSignalSpy changements(l.liste, &TCouleurListBox::CouleurChange);
        // White is held by the listed items: refused for item 2.
        l.liste->ChangerCouleur(2, 0x000000FF);
        changements.clear();
        l.liste->DefinirCouleur(2, clWhite);
        QCOMPARE(dialoguesFactices().textes(), QStringList{"Cette couleur est déjà utilisée."});
        QCOMPARE(l.liste->Couleur(2), TColor(0x000000FF));
        // Red is held by item 2: refused for item 1.
        l.liste->DefinirCouleur(1, 0x000000FF);
        QCOMPARE(dialoguesFactices().textes().size(), 2);
        // A colour held by a slot without an item is accepted.
        l.liste->ChangerCouleur(7, 0x0000FF00);
        l.liste->DefinirCouleur(1, 0x0000FF00);
        QCOMPARE(l.liste->Couleur(1), TColor(0x0000FF00));
        QCOMPARE(l.liste->AncienneCouleur(), clWhite);
        QCOMPARE(l.liste->NouvelleCouleur(), TColor(0x0000FF00));
        QCOMPARE(changements.size(), 2);
        // Its own colour changes nothing; slots outside the table read white and active.
        l.liste->DefinirCouleur(1, 0x0000FF00);
        QCOMPARE(changements.size(), 2);
        QCOMPARE(l.liste->Couleur(1001), clWhite);
        QVERIFY(l.liste->Actif(-1));
        l.liste->DefinirCouleur(1001, 0x00123456);
        QCOMPARE(changements.size(), 2);
        // Clearing the items keeps the slots.
        l.liste->clear();
        QCOMPARE(l.liste->Couleur(1), TColor(0x0000FF00));
    }

    void dialogueEtSouris()
    {
        Liste l;
        QSignalSpy changements(l.liste, &TCouleurListBox::CouleurChange);
        QSignalSpy relachees(l.liste, &TCouleurListBox::SourisRelachee);
        QSignalSpy enfoncees(l.liste, &TCouleurListBox::SourisEnfoncee);
        QSignalSpy carres(l.liste, &TCouleurListBox::CouleurClick);
        l.liste->DefinirActif(2, false);

        // A press on the square of an inactive item opens the dialog; a cancel changes nothing.
        QTest::mouseClick(l.liste->viewport(), Qt::LeftButton, {}, l.carre(2));
        QCOMPARE(carres.size(), 1);
        QCOMPARE(dialoguesFactices().boites.size(), std::size_t(1));
        QCOMPARE(changements.size(), 0);
        QCOMPARE(enfoncees.size(), 0);
        // A click on its text selects it without reaching the owner.
        l.liste->setCurrentRow(1);
        QTest::mouseClick(l.liste->viewport(), Qt::LeftButton, {}, l.texte(2));
        QCOMPARE(l.liste->currentRow(), 2);
        QCOMPARE(relachees.size(), 0);
        QCOMPARE(enfoncees.size(), 0);
        // An active item's click does reach it.
        QTest::mouseClick(l.liste->viewport(), Qt::LeftButton, {}, l.texte(1));
        QCOMPARE(enfoncees.size(), 1);
        QCOMPARE(relachees.size(), 1);
        // A confirmed colour goes through the checked setter.
        dialoguesFactices().reponsesCouleur = {0x00FF0000};
        QTest::mouseClick(l.liste->viewport(), Qt::LeftButton, {}, l.carre(1));
        QCOMPARE(l.liste->Couleur(1), TColor(0x00FF0000));
        QCOMPARE(changements.size(), 1);
        QCOMPARE(l.liste->item(1)->data(Qt::AccessibleTextRole).toString(),
                 QStringLiteral("Pièce 1, case 1, couleur bleu, active"));
        QCOMPARE(l.liste->item(2)->data(Qt::AccessibleTextRole).toString(),
                 QStringLiteral("Pièce 2, case 2, couleur blanc, inactive"));
    }

    void dessin()
    {
        Liste l;
        l.liste->ChangerCouleur(1, 0x000000FF);
        const QImage image = l.liste->viewport()->grab().toImage();
        const QRect r = l.liste->visualItemRect(l.liste->item(1));
        QCOMPARE(image.pixelColor(r.topLeft() + QPoint(2, 2)), QColor(192, 192, 192));
        QCOMPARE(image.pixelColor(r.topLeft() + QPoint(3, 3)), QColor(255, 0, 0));
        QCOMPARE(image.pixelColor(r.topLeft() + QPoint(r.height() - 4, r.height() - 4)), QColor(255, 0, 0));
        QCOMPARE(image.pixelColor(r.topLeft() + QPoint(r.height() - 3, r.height() - 3)), QColor(192, 192, 192));
    }
};

VELKORA_TEST(TestListeCouleurs)
#include "TestListeCouleurs.moc"
