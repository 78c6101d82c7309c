#include "MecanismeSchema.h"
#include "diagram/ImageSchema.h"
#include "support/ComparaisonImages.h"
#include "support/Enregistrement.h"
#include "support/Factices.h"
#include "support/LecturePdf.h"
#include "symboles/EcritureSymboles.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QScrollArea>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

// Drawing on the diagram as the student does: the class palette, the symbols dragged and snapped,
// the three drawing tools, clearing, undoing and redoing, and the saved picture read back.
class TestDessinSchema : public QObject {
    Q_OBJECT

    const QColor rouge{Qt::red};
    const QColor bleu{Qt::blue};
    const QColor gris{128, 128, 128};

    static SchemaTest SchemaGrille()
    {
        SchemaTest s = SchemaDeuxClasses();
        s.condition = QStringLiteral("[TRAME]\r\nType=2\r\n");
        return s;
    }

    // A window shown with a diagram open; the symbols are moved out of the way of the strokes.
    static void Ouvrir(FenetreSchema &f, ArbreMecanismes &arbre, const SchemaTest &s)
    {
        f.fenetre.OuvrirSCH(EcrireSchema(arbre, "meca", s));
        f.fenetre.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.fenetre));
        QCOMPARE(dialoguesFactices().textes(), QStringList());
    }

private slots:
    void init() { dialoguesFactices().oublier(); }

    void traitDroitSurGrille()
    {
        ArbreMecanismes arbre;
        FenetreSchema f;
        Ouvrir(f, arbre, SchemaGrille());
        f.trait->click();
        QVERIFY(f.trait->isChecked());
        f.presser(f.fond, QPoint(3, 3));
        f.deplacer(f.fond, QPoint(25, 40)); // a preview towards another dot
        QCOMPARE(f.affichage().pixelColor(13, 21), rouge);
        f.deplacer(f.fond, QPoint(40, 10));
        f.relacher(f.fond, QPoint(40, 10));
        // Pressed at (3, 3), released at (40, 10): the line joins the dots (6, 6) and (36, 6).
        for (const int x : {6, 20, 36})
            QCOMPARE(f.affichage().pixelColor(x, 6), rouge);
        QCOMPARE(f.affichage().pixelColor(39, 6), Surface());
        QCOMPARE(f.affichage().pixelColor(13, 21), Surface()); // only the last line stays
        QCOMPARE(f.affichage().pixelColor(6, 21), gris);
        f.menuTrame->trigger(); // the strokes alone
        QVERIFY(!f.menuTrame->isChecked());
        QCOMPARE(f.affichage().pixelColor(20, 6), rouge);
        QCOMPARE(f.affichage().pixelColor(6, 21), Surface());
        f.tracer(f.trait, {QPoint(60, 240), QPoint(100, 240)}); // drawn with the background hidden
        f.menuTrame->trigger();
        QCOMPARE(f.affichage().pixelColor(81, 246), rouge); // over a dot
        QCOMPARE(f.affichage().pixelColor(20, 6), rouge);
        QCOMPARE(f.affichage().pixelColor(6, 21), gris);
    }

    // The grid covers the drawing area as the desktop sizes the window; once something is drawn it
    // only grows, keeping the strokes.
    void grilleSuitLaZone()
    {
        ArbreMecanismes arbre;
        FenetreSchema f;
        Ouvrir(f, arbre, SchemaGrille());
        f.fenetre.resize(700, 500);
        QTRY_COMPARE(f.fond->size(), f.defilement->viewport()->size());
        f.tracer(f.trait, {QPoint(6, 6), QPoint(96, 6)});
        f.fenetre.resize(600, 400);
        QTRY_VERIFY(f.defilement->viewport()->width() < f.fond->width());
        f.fenetre.resize(1000, 800);
        QTRY_COMPARE(f.fond->size(), f.defilement->viewport()->size());
        QCOMPARE(f.affichage().pixelColor(50, 6), rouge);
        QCOMPARE(f.affichage().pixelColor(951, 6), gris);
    }

    // A freehand stroke with the right button, leaving the background while the button is held, in
    // the colour of the class chosen; the strokes sit over a drawing background.
    void mainLeveeEtPalette()
    {
        ArbreMecanismes arbre;
        FenetreSchema f;
        Ouvrir(f, arbre, SchemaDeuxClasses());
        f.boutonCe(2)->click();
        QVERIFY(f.boutonCe(2)->isChecked() && !f.boutonCe(1)->isChecked());
        f.boutonCe(2)->click(); // put up: the pen keeps blue
        QVERIFY(!f.boutonCe(2)->isChecked());
        f.tracer(f.spline, {QPoint(30, 40), QPoint(60, 40), QPoint(60, 150), QPoint(60, 400)}, Qt::RightButton);
        QCOMPARE(f.affichage().pixelColor(45, 40), bleu); // over class 1's red zone
        QCOMPARE(f.affichage().pixelColor(60, 120), bleu);
        QCOMPARE(f.affichage().pixelColor(60, 199), bleu); // cut at the edge of the picture
        QCOMPARE(f.affichage().pixelColor(45, 45), rouge);
    }

    void sansOutilRienNeSeDessine()
    {
        ArbreMecanismes arbre;
        FenetreSchema f;
        Ouvrir(f, arbre, SchemaDeuxClasses());
        const QImage avant = f.affichage().copy();
        f.tracer(nullptr, {QPoint(30, 40), QPoint(60, 40), QPoint(60, 150)});
        QCOMPARE(f.affichage(), avant);
        QVERIFY(!f.menuAnnuler->isEnabled());
    }

    void gommeEtHistorique()
    {
        ArbreMecanismes arbre;
        FenetreSchema f;
        Ouvrir(f, arbre, SchemaDeuxClasses());
        f.tracer(f.spline, {QPoint(20, 100), QPoint(280, 100)});
        f.boutonCe(2)->click();
        f.tracer(f.spline, {QPoint(20, 50), QPoint(280, 50)});
        QCOMPARE(f.affichage().pixelColor(40, 50), bleu);
        f.tracer(f.gomme, {QPoint(40, 20), QPoint(40, 120)});
        // The strokes are gone under the band; the tinted zone, the drawing's line and the ground are back.
        QCOMPARE(f.affichage().pixelColor(40, 50), rouge);
        QCOMPARE(f.affichage().pixelColor(40, 100), QColor(Qt::black));
        QCOMPARE(f.affichage().pixelColor(40, 115), Surface());
        QCOMPARE(f.affichage().pixelColor(60, 100), rouge);
        QCOMPARE(f.affichage().pixelColor(60, 50), bleu);

        f.menuAnnuler->trigger(); // the erasure
        QCOMPARE(f.affichage().pixelColor(40, 50), bleu);
        QCOMPARE(f.affichage().pixelColor(40, 100), rouge);
        f.menuAnnuler->trigger(); // the blue stroke
        QCOMPARE(f.affichage().pixelColor(60, 50), rouge);
        QCOMPARE(f.affichage().pixelColor(40, 100), rouge);
        f.menuRetablir->trigger();
        QCOMPARE(f.affichage().pixelColor(60, 50), bleu);
        f.menuRetablir->trigger();
        QCOMPARE(f.affichage().pixelColor(40, 50), rouge);
        QVERIFY(!f.menuRetablir->isEnabled());
        // A new stroke after an undo drops what could be redone.
        f.menuAnnuler->trigger();
        f.tracer(f.trait, {QPoint(100, 150), QPoint(200, 150)});
        QVERIFY(!f.menuRetablir->isEnabled());
        QCOMPARE(f.affichage().pixelColor(40, 50), bleu);
    }

    void toutEffacer()
    {
        ArbreMecanismes arbre;
        FenetreSchema f;
        Ouvrir(f, arbre, SchemaDeuxClasses());
        f.tracer(f.spline, {QPoint(20, 150), QPoint(280, 150)});
        QVERIFY(f.spline->isChecked());

        dialoguesFactices().reponsesQuestion = {false};
        f.effacer->click();
        QCOMPARE(dialoguesFactices().boites.back().titre, QStringLiteral("Confirmation"));
        QCOMPARE(dialoguesFactices().boites.back().texte,
                 QStringLiteral("Etes-vous sûr de vouloir effacer tous les traits ?"));
        QCOMPARE(f.affichage().pixelColor(100, 150), rouge);
        QVERIFY(!f.spline->isChecked() && !f.effacer->isChecked());
        // No tool is down: a press on a symbol drags it again.
        const QPoint avant = f.symbole(1)->pos();
        f.glisser(1, avant + QPoint(40, 60));
        QCOMPARE(f.symbole(1)->pos(), avant + QPoint(40, 60));

        dialoguesFactices().reponsesQuestion = {true};
        f.effacer->click();
        QCOMPARE(f.affichage().pixelColor(100, 150), Surface());
        f.menuAnnuler->trigger();
        QCOMPARE(f.affichage().pixelColor(100, 150), rouge);
        f.menuAnnuler->trigger(); // the symbol's move
        QCOMPARE(f.symbole(1)->pos(), avant);
        f.menuRetablir->trigger();
        QCOMPARE(f.symbole(1)->pos(), avant + QPoint(40, 60));
    }

    void symbolesSurGrille()
    {
        ArbreMecanismes arbre;
        FenetreSchema f;
        Ouvrir(f, arbre, SchemaGrille());
        QLabel *symbole = f.symbole(1);
        f.presser(symbole, QPoint(5, 5));
        f.deplacer(symbole, QPoint(5, 5) + QPoint(22, 23) - symbole->pos());
        QCOMPARE(symbole->pos(), QPoint(22, 23)); // free while dragging
        QVERIFY(f.selection->isVisible());
        QCOMPARE(f.selection->pos(), QPoint(15, 30)); // the frame shows where it will land
        f.relacher(symbole, QPoint(5, 5));
        QCOMPARE(symbole->pos(), QPoint(15, 30));
        QVERIFY(!f.selection->isVisible());

        f.glisser(1, QPoint(-10, 40));
        QCOMPARE(symbole->pos(), QPoint(0, 45));
        const QSize vue = f.defilement->viewport()->size();
        f.glisser(1, QPoint(vue.width() - 10, vue.height() + 50)); // dropped beyond the corner
        QCOMPARE(symbole->pos().x() % 15, 0);
        QVERIFY(symbole->geometry().right() < vue.width() + 8);
        QVERIFY(symbole->geometry().bottom() < vue.height() + 8);
        QVERIFY(symbole->pos().x() > vue.width() - 60);
        f.menuAnnuler->trigger();
        QCOMPARE(symbole->pos(), QPoint(0, 45));

        // With the straight line down, a press on a symbol starts a stroke at that point instead.
        f.trait->click();
        f.presser(symbole, QPoint(20, 20)); // (20, 65) on the background: the dot (21, 66)
        f.relacher(f.fond, QPoint(100, 66));
        QCOMPARE(symbole->pos(), QPoint(0, 45));
        QCOMPARE(f.affichage().pixelColor(60, 66), rouge);
        QCOMPARE(f.affichage().pixelColor(21, 66), rouge); // under the symbol, on the picture
    }

    void clavier_data()
    {
        QTest::addColumn<bool>("grille");
        QTest::newRow("sur la grille, un pas de la grille") << true;
        QTest::newRow("sur le dessin, un pixel") << false;
    }
    // Without a mouse: Tab goes through the tools, the classes shown, the drawing area, then each
    // symbol, its focus drawn; the arrow keys move the focused symbol, each press a step of the history.
    void clavier()
    {
        QFETCH(bool, grille);
        ArbreMecanismes arbre;
        FenetreSchema f;
        Ouvrir(f, arbre, grille ? SchemaGrille() : SchemaDeuxClasses());
        f.fenetre.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f.fenetre));
        f.trait->setFocus();
        const QList<QWidget *> ordre{f.spline,      f.gomme,      f.effacer,    f.boutonCe(1),
                                     f.boutonCe(2), f.defilement, f.symbole(0), f.symbole(1)};
        for (QWidget *attendu : ordre) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), attendu);
        }
        QLabel *symbole = f.symbole(1);
        const QImage avecFocus = symbole->grab().toImage();
        const int pas = grille ? 15 : 1;
        const QPoint depart = symbole->pos();
        QTest::keyClick(symbole, Qt::Key_Right);
        QTest::keyClick(symbole, Qt::Key_Down);
        QCOMPARE(symbole->pos(), depart + QPoint(pas, pas));
        QTest::keyClick(symbole, Qt::Key_Up);
        QCOMPARE(symbole->pos(), depart + QPoint(pas, 0));
        QTest::keyClick(symbole, Qt::Key_Up); // stopped at the top edge
        QCOMPARE(symbole->pos(), depart + QPoint(pas, 0));
        QTest::keyClick(symbole, Qt::Key_Left);
        QCOMPARE(symbole->pos(), depart);
        f.menuAnnuler->trigger();
        QCOMPARE(symbole->pos(), depart + QPoint(pas, 0));
        for (int i = 0; i < 3; ++i)
            f.menuAnnuler->trigger();
        QCOMPARE(symbole->pos(), depart);
        QVERIFY(!f.menuAnnuler->isEnabled());
        symbole->clearFocus();
        QVERIFY(symbole->grab().toImage() != avecFocus);
    }

    // A whole diagram without a mouse: a symbol laid with the arrow keys, then, with a tool down and
    // the drawing focused, strokes drawn with the cursor, Espace at each end, one abandoned with Échap.
    void schemaAuClavierSeul()
    {
        ArbreMecanismes arbre;
        FenetreSchema f;
        Ouvrir(f, arbre, SchemaGrille());
        f.fenetre.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f.fenetre));
        const auto touches = [](const QStringList &suite) {
            for (const QString &touche : suite) {
                const QStringList fois = touche.split(u'*');
                const QKeyCombination combinaison = QKeySequence(fois[0])[0];
                for (int i = 0; i < (fois.size() > 1 ? fois[1].toInt() : 1); ++i)
                    QTest::keyClick(QApplication::focusWidget(), combinaison.key(), combinaison.keyboardModifiers());
            }
        };
        const QLabel *curseur = f.fenetre.findChild<QLabel *>("ImageCurseur");
        const auto pointDuCurseur = [&] { return curseur->geometry().center() - f.fond->pos(); };

        f.trait->setFocus();
        const QPoint symboleAvant = f.symbole(1)->pos();
        touches({"Tab*8", "Right*2", "Down*3"});
        QCOMPARE(f.symbole(1)->pos(), symboleAvant + QPoint(30, 45));

        // The straight line, in class 2's colour: the cursor starts on a dot in sight.
        touches({"Shift+Tab*8", "Space", "Tab*5", "Space", "Tab"});
        QCOMPARE(QApplication::focusWidget(), f.defilement);
        QVERIFY(f.trait->isChecked() && f.boutonCe(2)->isChecked());
        QVERIFY(curseur->isVisible());
        const QPoint depart = pointDuCurseur();
        QCOMPARE(depart.x() % 15, 6);
        QCOMPARE(depart.y() % 15, 6);
        touches({"Space", "Down*2", "Right*4"});
        QCOMPARE(f.affichage().pixelColor(depart + QPoint(20, 10)), bleu); // the preview
        touches({"Up*2", "Space"});
        QCOMPARE(pointDuCurseur(), depart + QPoint(60, 0));
        QCOMPARE(f.affichage().pixelColor(depart + QPoint(20, 0)), bleu);
        QCOMPARE(f.affichage().pixelColor(depart + QPoint(20, 10)), Surface());

        // A freehand stroke follows the cursor: down, then left.
        touches({"Shift+Tab*5", "Space", "Tab*5", "Space", "Down*2", "Left*2", "Space"});
        QVERIFY(f.spline->isChecked() && !f.trait->isChecked());
        QCOMPARE(f.affichage().pixelColor(depart + QPoint(60, 20)), bleu);
        QCOMPARE(f.affichage().pixelColor(depart + QPoint(40, 30)), bleu);
        QCOMPARE(f.affichage().pixelColor(depart + QPoint(50, 10)), Surface());

        // Échap abandons the stroke under way: nothing of it stays, on the display or in the layer.
        const QImage avant = f.affichage().copy();
        touches({"Space", "Right*3", "Up*2", "Escape"});
        QCOMPARE(f.affichage(), avant);
        f.menuTrame->trigger();
        f.menuTrame->trigger();
        QCOMPARE(f.affichage(), avant);
        touches({"Space", "Right", "Space"}); // and the next stroke starts afresh
        QCOMPARE(f.affichage().pixelColor(pointDuCurseur() - QPoint(7, 0)), bleu);
        for (int trait = 0; trait < 3; ++trait) // one step each, the abandoned one none
            f.menuAnnuler->trigger();
        QCOMPARE(f.symbole(1)->pos(), symboleAvant + QPoint(30, 45));
        QCOMPARE(f.affichage().pixelColor(depart + QPoint(20, 0)), Surface());
    }

    void exporter_data()
    {
        QTest::addColumn<bool>("avecFond");
        QTest::addColumn<bool>("bati");
        QTest::newRow("avec la trame") << true << true;
        QTest::newRow("sans la trame, sans bâti") << false << false;
    }
    // The saved picture, read back pixel by pixel, looks like the screen.
    void exporter()
    {
        QFETCH(bool, avecFond);
        QFETCH(bool, bati);
        ArbreMecanismes arbre;
        QTemporaryDir documents;
        bureauFactice().dossierDocuments = documents.path();
        SchemaTest s = SchemaGrille();
        if (!bati)
            s.batis = {};
        FenetreSchema f;
        Ouvrir(f, arbre, s);
        f.glisser(1, QPoint(300, 300));
        f.tracer(f.trait, {QPoint(100, 250), QPoint(400, 250)});
        f.menuTrame->trigger(); // what the display shows plays no part

        const QString chemin = documents.filePath("schema.bmp");
        dialoguesFactices().fichiersAEnregistrer = {chemin};
        dialoguesFactices().reponsesQuestion = {avecFond};
        f.menuEnregistrer->trigger();
        QCOMPARE(dialoguesFactices().textes(), QStringList());
        QCOMPARE(dialoguesFactices().dernierDossierInitial, documents.path());
        QCOMPARE(dialoguesFactices().dernierFiltre, QStringLiteral("Bitmaps (*.bmp)|*.bmp"));
        QCOMPARE(dialoguesFactices().boites.back().titre, QStringLiteral("Information"));
        QCOMPARE(dialoguesFactices().boites.back().texte,
                 QStringLiteral("Voulez-vous enregistrer le schéma cinématique avec la trame de fond ?"));

        const QImage image(chemin);
        QVERIFY(!image.isNull());
        QCOMPARE(image.size(), f.fond->size());
        QCOMPARE(image.pixelColor(6, 6), avecFond ? gris : QColor(Qt::white));
        QCOMPARE(image.pixelColor(7, 7), QColor(Qt::white));
        QCOMPARE(image.pixelColor(200, 246), rouge);
        // The joint: its first marker in class 1's red, its bar black, its white left out.
        QCOMPARE(image.pixelColor(300 + 5, 300 + 15), rouge);
        QCOMPARE(image.pixelColor(300 + 20, 300 + 15), bleu);
        QCOMPARE(image.pixelColor(300 + 14, 300 + 15), QColor(Qt::black));
        QCOMPARE(image.pixelColor(300 + 1, 300 + 1), QColor(Qt::white));
        // The frame symbol, first in the row, is saved only when a class is the frame.
        QCOMPARE(image.pixelColor(5, 15), bati ? QColor(Qt::black) : QColor(Qt::white));
        QCOMPARE(image.pixelColor(20, 15), bati ? bleu : QColor(Qt::white));
    }

    // The SVG, read by Qt's own reader, draws what the window shows at the same scale: the background, the strokes
    // less what the eraser took, not the stroke undone, and the joint's symbol (the catalogue's own) turned and in
    // its classes' colours. The PDF is one landscape page for the landscape drawing.
    void exporterEnVecteurs()
    {
        ArbreMecanismes arbre;
        QTemporaryDir documents;
        bureauFactice().dossierDocuments = documents.path();
        SchemaTest s = SchemaDeuxClasses();
        s.liaisons = {LiaisonTest{1, 2, 2, 1, 30}};
        const QString descripteur = EcrireSchema(arbre, "meca", s);
        QCOMPARE(EcrireSymbolesLiaisons(arbre.chemin("ressource/liaison")), std::nullopt);
        FenetreSchema f;
        f.fenetre.OuvrirSCH(descripteur);
        f.fenetre.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.fenetre));
        f.glisser(1, f.fond->pos() + QPoint(150, 50));
        f.tracer(f.spline, {QPoint(20, 150), QPoint(150, 110), QPoint(280, 150)});
        f.boutonCe(2)->click();
        f.tracer(f.trait, {QPoint(20, 180), QPoint(280, 180)});
        f.tracer(f.gomme, {QPoint(100, 100), QPoint(100, 199)});
        f.tracer(f.trait, {QPoint(20, 20), QPoint(280, 20)});
        f.menuAnnuler->trigger();

        f.fenetre.findChild<QLabel *>(QStringLiteral("ImageCurseur"))->hide();
        QImage ecran = f.fond->parentWidget()->grab(f.fond->geometry()).toImage().convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < ecran.height(); ++y)
            for (int x = 0; x < ecran.width(); ++x)
                if (ecran.pixelColor(x, y) == Surface())
                    ecran.setPixel(x, y, qRgb(255, 255, 255));
        DialoguesFactices &d = dialoguesFactices();
        d.fichiersAEnregistrer = {documents.filePath("schema.svg"), documents.filePath("schema.pdf")};
        d.reponsesSaisie = {QStringLiteral("Camille")};
        f.fenetre.findChild<QAction *>(QStringLiteral("MenuExporterSvg"))->trigger();
        f.fenetre.findChild<QAction *>(QStringLiteral("MenuExporterPdf"))->trigger();
        QCOMPARE(d.textes(), QStringList());
        QSvgRenderer lecteur(documents.filePath("schema.svg"));
        QVERIFY(lecteur.isValid());
        QCOMPARE(lecteur.defaultSize(), f.fond->size());
        QImage rendu(ecran.size(), QImage::Format_RGB32);
        rendu.fill(Qt::white);
        {
            QPainter p(&rendu);
            lecteur.render(&p);
        }
        const int differents = PixelsDifferents(ecran, rendu);
        QVERIFY2(differents < 50, qPrintable(QString::number(differents)));
        const PdfLu pdf = LirePdf(documents.filePath("schema.pdf"));
        QCOMPARE(pdf.pages, 1);
        QVERIFY(pdf.taillePoints.width() > pdf.taillePoints.height());
    }

    // Over a centred drawing the symbols and strokes are placed relative to the drawing: a stroke
    // started on a symbol starts at the point under the pointer, and the export puts each symbol where
    // it stands on the drawing.
    void surLeDessinCentre()
    {
        ArbreMecanismes arbre;
        QTemporaryDir documents;
        FenetreSchema f;
        Ouvrir(f, arbre, SchemaDeuxClasses());
        QVERIFY(f.fond->pos().x() > 100 && f.fond->pos().y() > 100);
        f.glisser(1, f.fond->pos() + QPoint(150, 140));
        f.trait->click();
        f.presser(f.symbole(1), QPoint(10, 10)); // (160, 150) on the drawing
        f.relacher(f.fond, QPoint(260, 150));
        QCOMPARE(f.affichage().pixelColor(210, 150), rouge);
        QCOMPARE(f.affichage().pixelColor(150, 150), Surface());

        const QString chemin = documents.filePath("schema.bmp");
        dialoguesFactices().fichiersAEnregistrer = {chemin};
        dialoguesFactices().reponsesQuestion = {true};
        f.menuEnregistrer->trigger();
        const QImage image(chemin);
        QCOMPARE(image.size(), QSize(300, 200));
        QCOMPARE(image.pixelColor(150 + 5, 140 + 15), rouge);
        QCOMPARE(image.pixelColor(150 + 14, 140 + 15), QColor(Qt::black));
        QCOMPARE(image.pixelColor(150 + 20, 140 + 15), bleu);
        QCOMPARE(image.pixelColor(210, 150), rouge);
        QCOMPARE(image.pixelColor(PixelsSchema::ZoneCe2), bleu);
        QCOMPARE(image.pixelColor(PixelsSchema::Fond), QColor(Qt::white));
    }

    void exportImpossible()
    {
        ArbreMecanismes arbre;
        FenetreSchema f;
        Ouvrir(f, arbre, SchemaGrille());
        const QString chemin = arbre.chemin("absent/schema.bmp");
        dialoguesFactices().fichiersAEnregistrer = {chemin};
        f.menuEnregistrer->trigger();
        QCOMPARE(dialoguesFactices().boites.back().genre, QStringLiteral("Erreur"));
        QCOMPARE(dialoguesFactices().boites.back().texte, "Impossible d'écrire dans " + chemin);

        dialoguesFactices().oublier();
        f.menuEnregistrer->trigger(); // cancelled: no question
        QCOMPARE(dialoguesFactices().boites.size(), std::size_t(1));
    }
};

VELKORA_TEST(TestDessinSchema)
#include "TestDessinSchema.moc"
