#include "MecanismePresentation.h"
#include "common/InfobullesQt.h"
#include "support/Enregistrement.h"
#include "support/Factices.h"
#include "support/LecturePdf.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QToolTip>
#include <QtTest>

// The drawing page: which part a click finds, the pop-up and its timing, the drawing's placement.
class TestPlanPresentation : public QObject {
    Q_OBJECT

    const QString partie1 = LignesPiece("1", "4", "Vis à tête hexagonale", "Acier", "ISO 4014");

    static void ouvrir(FenetreTest &f, const ArbreMecanismes &arbre, const PresentationTest &p)
    {
        f.fenetre.Ouvrir(EcrirePresentation(arbre, "meca", p));
        QCOMPARE(dialoguesFactices().textes(), QStringList());
        f.montrerPage(1);
    }

private slots:
    void init()
    {
        dialoguesFactices().oublier();
        QToolTip::hideText();
    }

    void clicSurPiece()
    {
        ArbreMecanismes arbre;
        FenetreTest f;
        ouvrir(f, arbre, PresentationTroisPieces());
        QCOMPARE(f.cliquer(Pixels::Piece1), partie1);
        QCOMPARE(f.cliquer(Pixels::Piece2), LignesPiece("2", "1", "Écrou", "Laiton", ""));
        QCOMPARE(f.cliquer(Pixels::Piece3, Qt::RightButton), LignesPiece("3", "2", "Rondelle", "Acier", "Trempée"));
        // The same part again: the pop-up closed by the press comes back.
        QCOMPARE(f.cliquer(Pixels::Piece3), LignesPiece("3", "2", "Rondelle", "Acier", "Trempée"));
        QCOMPARE(f.cliquer(Pixels::Blanc), QString());
        // With its picture the drawing is a graphic, which a screen reader names.
        QAccessibleInterface *plan = QAccessible::queryAccessibleInterface(f.plan);
        QCOMPARE(plan->role(), QAccessible::Graphic);
        QCOMPARE(plan->text(QAccessible::Name), QStringLiteral("Dessin technique"));
    }

    // Ctrl+P prints the drawing under a header that names the mechanism, the exercise and the student, whose
    // name is asked at the first print only; with nothing open the window says there is nothing to print.
    void imprimer()
    {
        ArbreMecanismes arbre;
        FenetreTest f;
        DialoguesFactices &d = dialoguesFactices();
        const QTemporaryDir dossier;
        d.impression = dossier.filePath(QStringLiteral("page.pdf"));
        QTest::keyClick(&f.fenetre, Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(d.textes(), QStringList(QStringLiteral("Aucun exercice n'est ouvert : il n'y a rien à imprimer.")));
        d.oublier();
        ouvrir(f, arbre, PresentationTroisPieces());
        d.reponsesSaisie = {QStringLiteral("Camille Martin")};
        d.reponsesImpression = {true};
        QTest::keyClick(&f.fenetre, Qt::Key_P, Qt::ControlModifier);
        const PdfLu lu = LirePdf(d.impression);
        QCOMPARE(lu.pages, 1);
        QVERIFY2(lu.texte.contains(QStringLiteral("Camille Martin")), qPrintable(lu.texte));
        QVERIFY(lu.taillePoints.width() > lu.taillePoints.height()); // the landscape drawing on landscape paper
        QFile::remove(d.impression);
        f.fenetre.findChild<QAction *>(QStringLiteral("MenuApercu"))->trigger();
        QCOMPARE(LirePdf(d.impression).pages, 1);
        QCOMPARE(std::count_if(d.boites.begin(), d.boites.end(), [](const auto &b) { return b.genre == u"Saisie"; }),
                 1);
    }

    void horsPiece_data()
    {
        QTest::addColumn<QPoint>("pixel");
        QTest::newRow("blanc") << Pixels::Blanc;
        QTest::newRow("noir") << Pixels::Noir;
        QTest::newRow("couleur d'aucune pièce") << Pixels::Jaune;
    }
    void horsPiece()
    {
        QFETCH(QPoint, pixel);
        ArbreMecanismes arbre;
        PresentationTest p = PresentationTroisPieces();
        // Parts that claim white, black or a colour of no label are never found on those pixels.
        p.condition = "[NOMBRE DE PIECES]\r\nCombien=4\r\n[COULEUR]\r\nPiece1=clWhite\r\nPiece2=clBlack\r\n"
                      "Piece3=clFuchsia\r\n";
        FenetreTest f;
        ouvrir(f, arbre, p);
        QCOMPARE(f.cliquer(Pixels::Piece1), QString());
        QCOMPARE(f.cliquer(pixel), QString());
    }

    void memeCouleur()
    {
        ArbreMecanismes arbre;
        PresentationTest p = PresentationTroisPieces();
        p.condition = "[NOMBRE DE PIECES]\r\nCombien=3\r\n[COULEUR]\r\nPiece1=clRed\r\nPiece2=clBlue\r\n"
                      "Piece3=$00FF0000\r\n";
        FenetreTest f;
        ouvrir(f, arbre, p);
        QCOMPARE(f.cliquer(Pixels::Piece3), LignesPiece("2", "1", "Écrou", "Laiton", ""));
    }

    void couleurDuBureau()
    {
        ArbreMecanismes arbre;
        PresentationTest p = PresentationTroisPieces();
        p.condition = "[NOMBRE DE PIECES]\r\nCombien=1\r\n[COULEUR]\r\nPiece1=clBtnFace\r\n";
        QPainter(&p.trame).fillRect(QRect(Pixels::Piece1 - QPoint(3, 3), QSize(7, 7)), CouleurVersQColor(clBtnFace));
        FenetreTest f;
        ouvrir(f, arbre, p);
        QCOMPARE(f.cliquer(Pixels::Piece1), partie1);
    }

    void duree()
    {
        ArbreMecanismes arbre;
        FenetreTest f;
        ouvrir(f, arbre, PresentationTroisPieces());
        QCOMPARE(f.duree->value(), 3);
        f.duree->setValue(0);
        QCOMPARE(f.cliquer(Pixels::Piece1), QString());
        f.duree->setValue(1);
        QCOMPARE(f.cliquer(Pixels::Piece1), partie1);
        QTRY_VERIFY_WITH_TIMEOUT(!QToolTip::isVisible(), 3000);
        f.duree->setValue(3);
    }

    // The display time holds for the tooltips of every widget of the application.
    void dureeDesAutresInfobulles()
    {
        FenetreTest f;
        QLabel etiquette("Étiquette");
        etiquette.setToolTip("Aide");
        etiquette.show();
        QVERIFY(QTest::qWaitForWindowExposed(&etiquette));
        QHelpEvent demande(QEvent::ToolTip, QPoint(5, 5), etiquette.mapToGlobal(QPoint(5, 5)));

        f.duree->setValue(0);
        QApplication::sendEvent(&etiquette, &demande);
        QVERIFY(!QToolTip::isVisible());
        f.duree->setValue(1);
        QApplication::sendEvent(&etiquette, &demande);
        QVERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), QString("Aide"));
        QTRY_VERIFY_WITH_TIMEOUT(!QToolTip::isVisible(), 3000);
        f.duree->setValue(3);
        QCOMPARE(DureeInfobulles(), 3000);
        QCOMPARE(DelaiInfobulles(), 0);
    }

    void mouvementHorsDuPlan()
    {
        ArbreMecanismes arbre;
        FenetreTest f;
        ouvrir(f, arbre, PresentationTroisPieces());
        f.duree->setValue(10);
        QCOMPARE(f.cliquer(Pixels::Piece1), partie1);
        QTest::mouseMove(f.plan, Pixels::Blanc);
        QTest::qWait(400);
        QVERIFY(QToolTip::isVisible());

        QWidget *fond = f.plan->parentWidget();
        const QPoint dehors = f.plan->geometry().bottomRight() + QPoint(10, 10);
        QMouseEvent mouvement(QEvent::MouseMove, dehors, fond->mapToGlobal(dehors), Qt::NoButton, Qt::NoButton,
                              Qt::NoModifier);
        QApplication::sendEvent(fond, &mouvement);
        QTRY_VERIFY_WITH_TIMEOUT(!QToolTip::isVisible(), 2000);
        f.duree->setValue(3);
    }

    void placement_data()
    {
        QTest::addColumn<QSize>("taille");
        QTest::newRow("petit") << QSize(200, 100);
        QTest::newRow("grand") << QSize(1500, 1200);
        QTest::newRow("large et bas") << QSize(1500, 100);
        QTest::newRow("étroit et haut") << QSize(100, 1200);
    }
    void placement()
    {
        QFETCH(QSize, taille);
        ArbreMecanismes arbre;
        PresentationTest p = PresentationTroisPieces();
        p.plan = ImageUnie(taille.width(), taille.height(), Qt::gray);
        p.trame = ImageUnie(taille.width(), taille.height(), Qt::white);
        FenetreTest f;
        ouvrir(f, arbre, p);

        for (const QSize fenetre : {QSize(800, 600), QSize(700, 650)}) {
            f.fenetre.resize(fenetre);
            QTRY_COMPARE(f.fenetre.size(), fenetre);
            const QSize vue = f.defilement->viewport()->size();
            const QPoint attendu(taille.width() < vue.width() ? (vue.width() - taille.width()) / 2 : 0,
                                 taille.height() < vue.height() ? (vue.height() - taille.height()) / 2 : 0);
            QCOMPARE(f.plan->pos(), attendu);
            // Scrolled to the end, the far corner of the drawing is in view, and no bar is there for nothing.
            QScrollBar *horizontale = f.defilement->horizontalScrollBar();
            QScrollBar *verticale = f.defilement->verticalScrollBar();
            QCOMPARE(horizontale->maximum(), qMax(0, taille.width() - vue.width()));
            QCOMPARE(verticale->maximum(), qMax(0, taille.height() - vue.height()));
            horizontale->setValue(horizontale->maximum());
            verticale->setValue(verticale->maximum());
            QVERIFY(f.plan->visibleRegion().contains(QPoint(taille.width() - 1, taille.height() - 1)));
            if (horizontale->maximum() == 0 && verticale->maximum() == 0)
                QCOMPARE(f.plan->visibleRegion(), QRegion(f.plan->rect()));
        }
    }
};

VELKORA_TEST(TestPlanPresentation)
#include "TestPlanPresentation.moc"
