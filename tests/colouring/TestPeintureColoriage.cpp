#include "MecanismeColoriage.h"
#include "support/Enregistrement.h"
#include "support/Factices.h"

#include <QAccessible>
#include <QPainter>
#include <QUndoStack>
#include <QtTest>

// Painting zones, the forced colour choice, colour changes, the wheel and the highlight, through the
// real window.
class TestPeintureColoriage : public QObject {
    Q_OBJECT

    const QColor rouge{255, 0, 0};
    const QColor vert{0, 128, 0};
    const QColor bleu{0, 0, 255};

    // Gives item 1 red and item 2 green through the forced choice.
    static void deuxCouleurs(FenetreColoriage &f)
    {
        dialoguesFactices().reponsesCouleur = {0x000000FF};
        f.choisirItem(1);
        dialoguesFactices().reponsesCouleur = {0x00008000};
        f.choisirItem(2);
    }

private slots:
    void init() { dialoguesFactices().oublier(); }

    void peindreEtEffacer()
    {
        ArbreMecanismes arbre;
        FenetreColoriage f;
        f.fenetre.Ouvrir(EcrireColoriage(arbre, "etau", "p", ColoriageSixZones()), "p");
        deuxCouleurs(f);
        f.choisirItem(1);
        f.cliquer(CentreZone(1));
        // Only the zone's area changes; the drawing's lines stay on top.
        QCOMPARE(f.pixelVu(CentreZone(1)), rouge);
        QCOMPARE(f.pixelVu(QPoint(10, 40)), QColor(Qt::black));
        QCOMPARE(f.pixelVu(CentreZone(2)), QColor(Qt::white));
        // A middle press paints like a left press.
        f.choisirItem(2);
        f.cliquer(CentreZone(2), Qt::MiddleButton);
        QCOMPARE(f.pixelVu(CentreZone(2)), vert);
        // A press on a black area or outside the zones does nothing.
        const QImage avant = f.fenetre.CoucheZone();
        f.cliquer(PixelNoir);
        f.cliquer(PixelBlanc);
        QCOMPARE(f.fenetre.CoucheZone(), avant);
        // "Effacer" makes the zone white again.
        f.choisirItem(0);
        f.cliquer(CentreZone(1));
        QCOMPARE(f.pixelVu(CentreZone(1)), QColor(Qt::white));
        QCOMPARE(dialoguesFactices().textes(), QStringList());
    }

    void cadreJusquAuCoin()
    {
        // A frame line through the drawing's corners: the paint and the highlight still show.
        ArbreMecanismes arbre;
        ColoriageTest c = ColoriageSixZones();
        QPainter cadre(&c.plan);
        cadre.setPen(Qt::black);
        cadre.drawRect(c.plan.rect().adjusted(0, 0, -1, -1));
        cadre.end();
        FenetreColoriage f;
        f.fenetre.Ouvrir(EcrireColoriage(arbre, "etau", "p", c), "p");
        dialoguesFactices().reponsesCouleur = {0x000000FF};
        f.choisirItem(1);
        f.cliquer(CentreZone(1));
        QCOMPARE(f.pixelVu(CentreZone(1)), rouge);
        QCOMPARE(f.pixelVu(QPoint(0, 99)), QColor(Qt::black));
        f.action("MenuPrevisualisation")->trigger();
        QTest::mouseMove(f.vue, CentreZone(2));
        QCOMPARE(f.pixelVu(CentreZone(2)), QColor(128, 128, 128));
    }

    void deuxZonesDUneCouleur()
    {
        ArbreMecanismes arbre;
        ColoriageTest c = ColoriageSixZones();
        // Zones 5 and 6 share a key colour, painted in two places of the map; part 5 is zone 5 alone.
        c.condition.replace("Zone6=0x00FFFF00", "Zone6=clFuchsia");
        c.solution.replace("Solution5=000011", "Solution5=000010");
        QPainter(&c.trame).fillRect(QRect(210, 60, 20, 20), QColor(255, 0, 255));
        FenetreColoriage f;
        f.fenetre.Ouvrir(EcrireColoriage(arbre, "etau", "p", c), "p");
        dialoguesFactices().reponsesCouleur = {0x00FF0000};
        f.liste->setCurrentRow(5);
        f.choisirItem(5);
        f.cliquer(CentreZone(5));
        QCOMPARE(f.pixelVu(CentreZone(5)), bleu);
        QCOMPARE(f.pixelVu(QPoint(220, 70)), bleu);
        QCOMPARE(f.pixelVu(CentreZone(6)), QColor(Qt::white)); // aqua on the map: no zone now
        f.cliquer(PixelBlanc, Qt::RightButton);
        QCOMPARE(
            f.derniereNotification()->Message(),
            QStringLiteral("Pièce trouvée : 5\n\nPar rapport à la dernière validation,\nnouvelle pièce trouvée : 5"));
    }

    void choixForce()
    {
        ArbreMecanismes arbre;
        FenetreColoriage f;
        f.fenetre.Ouvrir(EcrireColoriage(arbre, "etau", "p", ColoriageSixZones()), "p");
        dialoguesFactices().reponsesCouleur = {0x000000FF};
        f.choisirItem(1);
        dialoguesFactices().oublier();
        // The colour of part 1, white and black all bring the dialog back.
        dialoguesFactices().reponsesCouleur = {0x000000FF, 0x00FFFFFF, 0x00000000, 0x00FF0000};
        f.choisirItem(2);
        QCOMPARE(f.liste->Couleur(2), TColor(0x00FF0000));
        const auto nombreDialogues = [] {
            int n = 0;
            for (const auto &b : dialoguesFactices().boites)
                n += b.genre == u"Couleur";
            return n;
        };
        QCOMPARE(nombreDialogues(), 4);
        QCOMPARE(dialoguesFactices().textes(), QStringList{"Cette couleur est déjà utilisée."});
        // A cancel, even after a refused colour, goes back to "Effacer".
        dialoguesFactices().oublier();
        dialoguesFactices().reponsesCouleur = {0x000000FF, std::nullopt, 0x0000FFFF};
        f.choisirItem(3);
        QCOMPARE(f.liste->currentRow(), 0);
        QCOMPARE(f.liste->Couleur(3), clWhite);
        QCOMPARE(nombreDialogues(), 2);
        // An item with its colour opens nothing; "Effacer" never asks.
        dialoguesFactices().oublier();
        f.choisirItem(2);
        f.choisirItem(0);
        QVERIFY(dialoguesFactices().boites.empty());
    }

    void choixAuClavier()
    {
        ArbreMecanismes arbre;
        FenetreColoriage f;
        f.fenetre.Ouvrir(EcrireColoriage(arbre, "etau", "p", ColoriageSixZones()), "p");
        f.liste->setFocus();
        dialoguesFactices().reponsesCouleur = {0x000000FF};
        QTest::keyClick(f.liste, Qt::Key_Down);
        QCOMPARE(f.liste->Couleur(1), TColor(0x000000FF));
        f.cliquer(CentreZone(1));
        QCOMPARE(f.pixelVu(CentreZone(1)), rouge);
        // Cancelled from the keyboard too: back to "Effacer".
        QTest::keyClick(f.liste, Qt::Key_Down);
        QCOMPARE(f.liste->currentRow(), 0);
        // An item selected by none of the three (by a screen reader) still asks before painting, and
        // a cancel paints nothing.
        f.liste->setCurrentRow(2);
        f.cliquer(CentreZone(1));
        QCOMPARE(f.liste->currentRow(), 0);
        QCOMPARE(f.pixelVu(CentreZone(1)), rouge);
        dialoguesFactices().reponsesCouleur = {0x00008000};
        f.liste->setCurrentRow(2);
        f.cliquer(CentreZone(1));
        QCOMPARE(f.pixelVu(CentreZone(1)), vert);
    }

    void effacerResteBlanc()
    {
        ArbreMecanismes arbre;
        FenetreColoriage f;
        f.fenetre.Ouvrir(EcrireColoriage(arbre, "etau", "p", ColoriageSixZones()), "p");
        dialoguesFactices().reponsesCouleur = {0x00123456};
        f.cliquerCarre(0);
        QCOMPARE(f.liste->Couleur(0), clWhite);
        f.cliquer(CentreZone(3));
        QCOMPARE(f.pixelVu(CentreZone(3)), QColor(Qt::white));
    }

    void recolorierTroisZones()
    {
        ArbreMecanismes arbre;
        FenetreColoriage f;
        f.fenetre.Ouvrir(EcrireColoriage(arbre, "etau", "p", ColoriageSixZones()), "p");
        deuxCouleurs(f);
        f.choisirItem(1);
        for (int z : {1, 2, 3})
            f.cliquer(CentreZone(z));
        f.choisirItem(2);
        f.cliquer(CentreZone(4));
        f.cliquer(PixelBlanc, Qt::RightButton);
        const QString premier = f.derniereNotification()->Message();

        dialoguesFactices().reponsesCouleur = {0x00FF0000};
        f.cliquerCarre(1);
        for (int z : {1, 2, 3})
            QCOMPARE(f.pixelVu(CentreZone(z)), bleu);
        QCOMPARE(f.pixelVu(CentreZone(4)), vert);
        // Black is refused: the item keeps its colour, and so do its zones.
        dialoguesFactices().reponsesCouleur = {0x00000000};
        f.cliquerCarre(1);
        QCOMPARE(f.liste->Couleur(1), TColor(0x00FF0000));
        QCOMPARE(f.pixelVu(CentreZone(2)), bleu);
        QCOMPARE(f.pixelVu(QPoint(50, 40)), QColor(Qt::black));
        // The check compares zone sets, not colours.
        f.cliquer(PixelBlanc, Qt::RightButton);
        QCOMPARE(f.derniereNotification()->Message().section('\n', 0, 0), premier.section('\n', 0, 0));
    }

    void annulerEtRetablir()
    {
        ArbreMecanismes arbre;
        FenetreColoriage f;
        const QString chemin = EcrireColoriage(arbre, "etau", "p", ColoriageSixZones());
        f.fenetre.Ouvrir(chemin, "p");
        deuxCouleurs(f);
        QVERIFY(!f.action("MenuAnnuler")->isEnabled());
        // Zone 2 goes to part 1, then to part 2.
        f.choisirItem(1);
        f.cliquer(CentreZone(1));
        f.cliquer(CentreZone(2));
        f.choisirItem(2);
        f.cliquer(CentreZone(2));
        f.action("MenuAnnuler")->trigger();
        QCOMPARE(f.pixelVu(CentreZone(2)), rouge);
        f.action("MenuAnnuler")->trigger();
        QCOMPARE(f.pixelVu(CentreZone(2)), QColor(Qt::white));
        QCOMPARE(f.pixelVu(CentreZone(1)), rouge);
        f.action("MenuRetablir")->trigger();
        f.action("MenuRetablir")->trigger();
        QCOMPARE(f.pixelVu(CentreZone(2)), vert);
        QVERIFY(!f.action("MenuRetablir")->isEnabled());
        // A recolouring is a step; an item's first colour is not.
        dialoguesFactices().reponsesCouleur = {0x00FF0000};
        f.cliquerCarre(1);
        QCOMPARE(f.pixelVu(CentreZone(1)), bleu);
        f.action("MenuAnnuler")->trigger();
        QCOMPARE(f.pixelVu(CentreZone(1)), rouge);
        QCOMPARE(f.liste->Couleur(1), TColor(0x000000FF));
        f.action("MenuRetablir")->trigger();
        QCOMPARE(f.pixelVu(CentreZone(1)), bleu);

        // Parts 1 and 2 found: undoing every step changes their colours but never their zones.
        f.cliquer(PixelBlanc, Qt::RightButton);
        while (f.action("MenuAnnuler")->isEnabled())
            f.action("MenuAnnuler")->trigger();
        QCOMPARE(f.pixelVu(CentreZone(1)), rouge);
        QCOMPARE(f.pixelVu(CentreZone(2)), vert);
        f.cliquer(PixelBlanc, Qt::RightButton);
        QCOMPARE(f.derniereNotification()->Message().section('\n', 0, 0), QStringLiteral("Pièces trouvées : 1-2"));

        // Bounded, and emptied by an opening.
        dialoguesFactices().reponsesCouleur = {0x0000FFFF};
        f.choisirItem(3);
        for (int i = 0; i < 1100; ++i) {
            f.liste->setCurrentRow(i % 2 == 0 ? 3 : 0);
            f.cliquer(CentreZone(3));
        }
        QVERIFY(f.fenetre.Historique().count() <= 1000);
        dialoguesFactices().reponsesEnregistrement = {ReponseEnregistrement::NePasEnregistrer};
        f.fenetre.Ouvrir(chemin, "p");
        QVERIFY(!f.action("MenuAnnuler")->isEnabled());
        QVERIFY(f.fenetre.Historique().isClean());
    }

    void molette()
    {
        ArbreMecanismes arbre;
        FenetreColoriage f;
        f.fenetre.Ouvrir(EcrireColoriage(arbre, "etau", "p", ColoriageSixZones()), "p");
        // From "Effacer" away from the student: the last item, which asks for its colour.
        dialoguesFactices().reponsesCouleur = {0x00FF0000};
        f.molette(120);
        QCOMPARE(f.liste->currentRow(), 5);
        QCOMPARE(f.liste->Couleur(5), TColor(0x00FF0000));
        // Towards the student, from the last item: back to "Effacer".
        f.molette(-120);
        QCOMPARE(f.liste->currentRow(), 0);
        dialoguesFactices().reponsesCouleur = {0x000000FF};
        f.molette(-120);
        QCOMPARE(f.liste->currentRow(), 1);
        QCOMPARE(f.liste->Couleur(1), TColor(0x000000FF));
    }

    void surbrillance()
    {
        ArbreMecanismes arbre;
        FenetreColoriage f;
        f.fenetre.Ouvrir(EcrireColoriage(arbre, "etau", "p", ColoriageSixZones()), "p");
        dialoguesFactices().reponsesCouleur = {0x000000FF};
        f.choisirItem(1);
        f.cliquer(CentreZone(1));
        QTest::mouseMove(f.vue, CentreZone(2));
        QCOMPARE(f.zone->text(), QStringLiteral("Zone 2 : non coloriée"));
        QCOMPARE(f.pixelVu(CentreZone(2)), QColor(Qt::white)); // highlight off after loading
        f.action("MenuPrevisualisation")->trigger();
        QVERIFY(f.action("MenuPrevisualisation")->isChecked());
        QTest::mouseMove(f.vue, CentreZone(1));
        QCOMPARE(f.zone->text(), QStringLiteral("Zone 1 : Pièce 1"));
        // A screen reader says what the status bar shows.
        QCOMPARE(QAccessible::queryAccessibleInterface(f.zone)->text(QAccessible::Name), f.zone->text());
        QCOMPARE(f.pixelVu(CentreZone(1)), QColor(128, 128, 128));
        QCOMPARE(f.pixelVu(CentreZone(2)), QColor(Qt::white));
        QCOMPARE(f.pixelVu(QPoint(10, 40)), QColor(Qt::black));
        QTest::mouseMove(f.vue, CentreZone(2));
        QCOMPARE(f.pixelVu(CentreZone(1)), rouge);
        QCOMPARE(f.pixelVu(CentreZone(2)), QColor(128, 128, 128));
        // Painted under the highlight, the zone shows its colour at once; leaving it and coming back
        // highlights it again.
        f.cliquer(CentreZone(2));
        QCOMPARE(f.pixelVu(CentreZone(2)), rouge);
        QCOMPARE(QAccessible::queryAccessibleInterface(f.zone)->text(QAccessible::Name),
                 QStringLiteral("Zone 2 : Pièce 1"));
        QTest::mouseMove(f.vue, CentreZone(3));
        QTest::mouseMove(f.vue, CentreZone(2));
        QCOMPARE(f.pixelVu(CentreZone(2)), QColor(128, 128, 128));
        QTest::mouseMove(f.vue, PixelBlanc);
        QCOMPARE(f.zone->text(), QString());
        QCOMPARE(f.pixelVu(CentreZone(2)), rouge);
    }

    void centrage()
    {
        ArbreMecanismes arbre;
        FenetreColoriage f;
        f.fenetre.Ouvrir(EcrireColoriage(arbre, "etau", "p", ColoriageSixZones()), "p");
        const QWidget *vue = f.vue->parentWidget()->parentWidget();
        QCOMPARE(f.vue->pos(), QPoint((vue->width() - 240) / 2, (vue->height() - 100) / 2));
        f.fenetre.resize(900, 600);
        QTRY_COMPARE(f.vue->pos(), QPoint((vue->width() - 240) / 2, (vue->height() - 100) / 2));
        QCOMPARE(f.liste->geometry().bottom() + 1, f.liste->parentWidget()->height() - 8);
    }
};

VELKORA_TEST(TestPeintureColoriage)
#include "TestPeintureColoriage.moc"
