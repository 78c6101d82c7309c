#include "colouring/ExerciceColoriage.h"
#include "colouring/TFormColoriage.h"
#include "common/Descripteur.h"
#include "joint_graph/FichierGdl.h"
#include "joint_graph/NomMecanisme.h"
#include "joint_graph/TFormGrapheDesLiaisons.h"
#include "presentation/TFormPresentation.h"
#include "shell/TFormPrincipale.h"
#include "support/ArbreMecanismes.h"
#include "support/Enregistrement.h"
#include "support/Factices.h"
#include "verification/VerificationMecanisme.h"
#include "workshop/TFormAtelier.h"
#include "workshop/VueAtelier.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QUndoStack>
#include <QtTest>

namespace {

// The drawing of the session: a box split in two by a line, a plain box, a hatched box, and a box the
// teacher cuts in two with a stroke. Each point lies inside one zone.
const QPoint GaucheA(45, 60), DroiteA(95, 60), BoiteB(210, 60), BoiteC(70, 200), BoiteD(210, 200);
const QPoint BulleCorps(300, 40), BulleVis(300, 260);

QImage DessinSession()
{
    QImage dessin(340, 300, QImage::Format_RGB888);
    dessin.fill(Qt::white);
    QPainter p(&dessin);
    p.setPen(QPen(Qt::black, 3));
    for (const QRect &boite :
         {QRect(20, 20, 100, 90), QRect(160, 20, 100, 90), QRect(20, 150, 100, 100), QRect(160, 150, 100, 100)})
        p.drawRect(boite);
    p.drawLine(70, 20, 70, 110);
    p.setPen(QPen(Qt::black, 1)); // hatch lines, thin, every 8 pixels at 45°
    p.setClipRect(QRect(22, 152, 97, 97));
    for (int c = -100; c < 100; c += 8)
        p.drawLine(20 + c, 250, 120 + c, 150);
    return dessin;
}

template <typename T>
T *Controle(QWidget &fenetre, const char *nom)
{
    T *controle = fenetre.findChild<T *>(QString::fromLatin1(nom));
    if (!controle)
        qFatal("%s manque", nom);
    return controle;
}

// The joint catalogue the joint-graph editor reads from the program folder: blank symbols.
void EcrireCatalogue(const ArbreMecanismes &arbre)
{
    QImage symbole(16, 16, QImage::Format_RGB888);
    symbole.fill(Qt::white);
    QString inf;
    for (int i = 0; i <= 11; ++i) {
        inf += QStringLiteral("[%1]\r\n").arg(i);
        for (int j = 0; j <= 3; ++j) {
            arbre.ecrireBmp(QStringLiteral("ressource/liaison/%1_%2.bmp").arg(i).arg(j), symbole);
            inf += QStringLiteral("%1=%2\r\n").arg(j).arg(j == 0 ? i : j);
        }
    }
    arbre.ecrireTexte(QStringLiteral("ressource/liaison/liaison.inf"), inf);
}

void Declencher(QWidget &fenetre, const char *action) { Controle<QAction>(fenetre, action)->trigger(); }

} // namespace

class TestSessionAtelier : public QObject {
    Q_OBJECT
private slots:
    // A teacher's whole session through the window, from a picture to a mechanism a student opens: the
    // written folder carries every click (merge, hatching, cut, parts, classes), undo and redo give back what
    // they took, work is not thrown away without asking, and the correction graph offers the diagram.
    void dessinJusquAuMecanisme()
    {
        const ArbreMecanismes arbre;
        DialoguesFactices &d = InstallerFactices();
        const QString png = arbre.chemin("dessin.png");
        QVERIFY(DessinSession().save(png));
        EcrireCatalogue(arbre);

        // From the main window, whose menus list the mechanism once it is saved.
        TFormPrincipale principale(24);
        principale.DefinirAffichageModal([&](QWidget &fenetre) {
            auto *atelier = qobject_cast<TFormAtelier *>(&fenetre);
            QVERIFY(atelier);
            atelier->show();
            Session(*atelier, arbre, d, png);
        });
        Controle<QAction>(principale, "MenuNouveauMecanisme")->trigger();
        if (QTest::currentTestFailed())
            return;
        const QList<QAction *> listes = Controle<QMenu>(principale, "MenuPersonnalise")->actions();
        QCOMPARE(listes.size(), 1);
        QCOMPARE(listes.front()->text(), QStringLiteral("presse"));
    }

    // The keyboard alone: F6 to the sheet, the arrows move its cursor, Espace chooses the zones to merge, Espace
    // then Entrée draw a stroke, Ctrl+Z undoes it. A drawing that cannot be read is refused and the work stays.
    void auClavier()
    {
        const ArbreMecanismes arbre;
        DialoguesFactices &d = InstallerFactices();
        const QString png = arbre.chemin("dessin.png");
        QVERIFY(DessinSession().save(png));
        TFormAtelier atelier;
        atelier.show();
        QVERIFY(QTest::qWaitForWindowExposed(&atelier));
        QVERIFY(atelier.OuvrirDessin(png));
        QTest::keyClick(&atelier, Qt::Key_F6);
        QWidget *vue = Controle<VueAtelier>(atelier, "ImageFeuille");
        QVERIFY(vue->hasFocus());
        const auto touches = [vue](Qt::Key touche, int fois) {
            for (int i = 0; i < fois; ++i)
                QTest::keyClick(vue, touche);
        };
        touches(Qt::Key_Right, 5); // the cursor moves 10 pixels a key at this zoom: (50, 60), the left half
        touches(Qt::Key_Down, 6);
        touches(Qt::Key_Space, 1);
        touches(Qt::Key_Right, 5); // (100, 60), the right half
        touches(Qt::Key_Space, 1);
        QCOMPARE(atelier.Zones()->nombre, 4);

        Declencher(atelier, "OutilTrait");
        vue->setFocus();
        touches(Qt::Key_Right, 11); // (210, 60): down through box D, from above it to below it
        touches(Qt::Key_Down, 8);
        touches(Qt::Key_Space, 1);
        touches(Qt::Key_Down, 12);
        touches(Qt::Key_Return, 1);
        QCOMPARE(atelier.Zones()->nombre, 5);
        QTest::keyClick(&atelier, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(atelier.Zones()->nombre, 4);

        const int historique = atelier.Historique().count();
        const QString casse = arbre.ecrireOctets("casse.png", QByteArray("\x89PNG\r\n\x1a\n tronqué"));
        d.oublier();
        QVERIFY(!atelier.OuvrirDessin(casse));
        QCOMPARE(d.textes().size(), 1);
        QVERIFY(atelier.Zones());
        QCOMPARE(atelier.Zones()->nombre, 4);
        QCOMPARE(atelier.Historique().count(), historique);
    }

    // Ctrl+B places the bubbles it reads for the parts that have none; one placed by hand stays where it is,
    // what it cannot place is named, and Ctrl+Z takes back what it placed.
    void bullesTrouvees()
    {
        const ArbreMecanismes arbre;
        DialoguesFactices &d = InstallerFactices();
        QImage dessin(800, 600, QImage::Format_RGB888);
        dessin.fill(Qt::white);
        QPainter p(&dessin);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(Qt::black, 2));
        QFont police(QStringLiteral("DejaVu Sans"));
        police.setPixelSize(20);
        p.setFont(police);
        const std::array<QPoint, 4> centres{QPoint(100, 100), QPoint(300, 100), QPoint(500, 100), QPoint(700, 100)};
        for (const auto &[centre, numero] :
             {std::pair{centres[0], 1}, std::pair{centres[1], 2}, std::pair{centres[2], 3}, std::pair{centres[3], 7}}) {
            p.drawEllipse(centre, 20, 20);
            p.drawText(QRect(centre - QPoint(20, 20), QSize(40, 40)), Qt::AlignCenter, QString::number(numero));
        }
        p.end();
        const QString png = arbre.chemin("bulles.png");
        QVERIFY(dessin.save(png));
        TFormAtelier atelier;
        atelier.show();
        QVERIFY(QTest::qWaitForWindowExposed(&atelier));
        QVERIFY(atelier.OuvrirDessin(png));
        QApplication::clipboard()->setText(QStringLiteral("1\n1\n1\n1\n"));
        auto *table = Controle<QTableWidget>(atelier, "TablePieces");
        table->setCurrentCell(-1, -1);
        Declencher(atelier, "MenuColler");
        QCOMPARE(atelier.Etat().pieces.size(), std::size_t(4));
        table->setCurrentCell(1, 2);
        Declencher(atelier, "OutilBulle");
        QTest::mouseClick(Controle<VueAtelier>(atelier, "ImageFeuille"), Qt::LeftButton, {}, QPoint(300, 300));
        const QPoint main = atelier.Etat().pieces[1].bulle;
        QVERIFY(!main.isNull());
        const int historique = atelier.Historique().count();

        QTest::keyClick(&atelier, Qt::Key_B, Qt::ControlModifier);
        const std::vector<PieceAtelier> &pieces = atelier.Etat().pieces;
        QVERIFY((pieces[0].bulle - centres[0]).manhattanLength() <= 4);
        QCOMPARE(pieces[1].bulle, main);
        QVERIFY((pieces[2].bulle - centres[2]).manhattanLength() <= 4);
        QVERIFY(pieces[3].bulle.isNull());
        QCOMPARE(atelier.statusBar()->currentMessage(),
                 QStringLiteral("Bulles placées : 1, 3. À placer en cliquant : 4. Numéros lus hors de la "
                                "nomenclature : 7."));
        QCOMPARE(atelier.Historique().count(), historique + 1);
        Declencher(atelier, "MenuAnnuler");
        QVERIFY(atelier.Etat().pieces[0].bulle.isNull());
        QCOMPARE(atelier.Etat().pieces[1].bulle, main);
        QVERIFY2(d.textes().isEmpty(), qPrintable(d.textes().join(u'\n')));
    }

    // A mechanism saved before any zone was given its part has no zone in its files: reopened, its sheet is
    // read again rather than left without a zone to click.
    void rouvertSansZones()
    {
        const ArbreMecanismes arbre;
        DialoguesFactices &d = InstallerFactices();
        const QString png = arbre.chemin("dessin.png");
        QVERIFY(DessinSession().save(png));
        TFormAtelier atelier;
        QVERIFY(atelier.OuvrirDessin(png));
        Controle<QLineEdit>(atelier, "EditSouche")->setText(QStringLiteral("presse"));
        Controle<QPushButton>(atelier, "BoutonEnregistrer")->click();
        QVERIFY2(d.textes().isEmpty(), qPrintable(d.textes().join(u'\n')));
        TFormAtelier reprise;
        QVERIFY(reprise.OuvrirMecanisme(atelier.DescripteurEnregistre()));
        QVERIFY(reprise.Zones());
        QCOMPARE(reprise.Zones()->nombre, 5);
        QVERIFY(reprise.Historique().isClean());
    }

private:
    void Session(TFormAtelier &atelier, const ArbreMecanismes &arbre, DialoguesFactices &d, const QString &png)
    {
        QVERIFY(atelier.OuvrirDessin(png));
        QCOMPARE(atelier.Zones()->nombre, 5); // the hatched box is one zone
        auto *vue = Controle<VueAtelier>(atelier, "ImageFeuille");
        const auto cliquer = [vue](QPoint feuille) { QTest::mouseClick(vue, Qt::LeftButton, {}, feuille); };

        Controle<QSpinBox>(atelier, "SpinSeuil")->setValue(100);
        QTRY_COMPARE(atelier.Historique().count(), 1);

        // The parts list pasted from a spreadsheet, repères first, its lines ended as on Windows.
        auto *table = Controle<QTableWidget>(atelier, "TablePieces");
        Controle<QTabWidget>(atelier, "Onglets")->setCurrentIndex(1);
        QApplication::clipboard()->setText(QStringLiteral("1\t1\tCorps\tEN-GJL-250\t\r\n2\t4\tVis\tAcier\tM6\r\n"));
        table->setCurrentCell(0, 0);
        Declencher(atelier, "MenuColler");
        QCOMPARE(table->rowCount(), 2);
        QCOMPARE(table->item(1, 2)->text(), QStringLiteral("Vis"));
        QCOMPARE(table->item(1, 4)->text(), QStringLiteral("M6"));

        // Each part's zones and bubble clicked; the box in two halves gets only its right half.
        for (const auto &[ligne, zones, bulle] : {std::tuple{0, std::vector{DroiteA, BoiteC}, BulleCorps},
                                                  std::tuple{1, std::vector{BoiteB, BoiteD}, BulleVis}}) {
            table->setCurrentCell(ligne, 2);
            Declencher(atelier, "OutilZonesPiece");
            for (const QPoint &zone : zones)
                cliquer(zone);
            Declencher(atelier, "OutilBulle");
            cliquer(bulle);
        }
        // The halves merged afterwards, the left one clicked first: the merged zone takes the right one's part, and
        // the zone that takes the freed number keeps its own.
        Declencher(atelier, "OutilFusion");
        cliquer(GaucheA);
        cliquer(DroiteA);
        QCOMPARE(atelier.Zones()->nombre, 4);
        QCOMPARE(std::count(atelier.Etat().pieceDeZone.begin() + 1, atelier.Etat().pieceDeZone.end(), 0), 0);

        // Box D cut in two after it was given its part: both halves stay the screw's. Undo and redo.
        Declencher(atelier, "OutilTrait");
        const auto couper = [&] {
            QTest::mousePress(vue, Qt::LeftButton, {}, QPoint(210, 140));
            QTest::mouseMove(vue, QPoint(210, 200));
            QTest::mouseMove(vue, QPoint(210, 262));
            QTest::mouseRelease(vue, Qt::LeftButton, {}, QPoint(210, 262));
        };
        couper();
        QCOMPARE(atelier.Zones()->nombre, 5);
        Declencher(atelier, "MenuAnnuler");
        QCOMPARE(atelier.Zones()->nombre, 4);
        Declencher(atelier, "MenuRetablir");
        QCOMPARE(atelier.Zones()->nombre, 5);
        QCOMPARE(std::count(atelier.Etat().pieceDeZone.begin() + 1, atelier.Etat().pieceDeZone.end(), 0), 0);

        // Two classes, named, filled by clicking their parts.
        Controle<QTabWidget>(atelier, "Onglets")->setCurrentIndex(2);
        auto *classes = Controle<QListWidget>(atelier, "ListeClasses");
        Controle<QPushButton>(atelier, "BoutonAjouterClasse")->click();
        Controle<QPushButton>(atelier, "BoutonAjouterClasse")->click();
        classes->item(0)->setText(QStringLiteral("Bâti"));
        classes->setCurrentRow(0);
        cliquer(BoiteC);
        classes->setCurrentRow(1);
        cliquer(BoiteB);

        // Closing asks first; « Annuler » keeps the window and its work.
        QVERIFY(!atelier.close());
        QCOMPARE(d.boites.back().genre, QStringLiteral("Enregistrement"));

        auto *souche = Controle<QLineEdit>(atelier, "EditSouche");
        souche->setText(QStringLiteral("presse"));
        Controle<QPushButton>(atelier, "BoutonEnregistrer")->click();
        QVERIFY2(d.textes().isEmpty(), qPrintable(d.textes().join(u'\n')));
        const QString descripteur = arbre.utilisateur().chemin("presse.sch");
        QCOMPARE(atelier.DescripteurEnregistre(), descripteur);
        QVERIFY(atelier.Historique().isClean());
        QVERIFY(!atelier.isWindowModified());
        QVERIFY(Controle<QPlainTextEdit>(atelier, "TexteRapport")
                    ->toPlainText()
                    .contains(QStringLiteral(
                        "Exercices proposés : Présentation, Décodage de plan, Classe d'équivalence, Graphe des "
                        "liaisons\n")));

        // As a student opens it: each zone of the drawing is one to colour, in its part and in its class.
        TFormPresentation presentation;
        presentation.Ouvrir(descripteur);
        for (const QString &mode : {ModeDecodage, ModeClasses}) {
            TFormColoriage coloriage;
            coloriage.Ouvrir(descripteur, mode);
            const LectureColoriage lecture =
                LireColoriage(arbre.utilisateur().chemin("presse/coloriage_" + mode + "/"));
            QVERIFY2(lecture.reussie, qPrintable(lecture.message));
            QCOMPARE(lecture.exercice.NombreZones, 5);
            // The cut box's two halves are the screw's; the first box, merged, and the hatched box the body's.
            for (const auto &[point, piece, classe] :
                 {std::tuple{GaucheA, 1, 1}, std::tuple{DroiteA, 1, 1}, std::tuple{BoiteC, 1, 1},
                  std::tuple{BoiteB, 2, 2}, std::tuple{QPoint(185, 200), 2, 2},
                  std::tuple{BoiteD + QPoint(25, 0), 2, 2}}) {
                const auto cle = lecture.exercice.Index.CleEn(point);
                QVERIFY(cle);
                const int k = NumeroZone(lecture.exercice.CouleurZone, lecture.exercice.NombreZones, *cle);
                const int attendue = mode == ModeClasses ? classe : piece;
                QCOMPARE(lecture.exercice.Solution[std::size_t(attendue)][k - 1], u'1');
            }
        }
        QVERIFY2(d.textes().isEmpty(), qPrintable(d.textes().join(u'\n')));
        const RapportVerification rapport = VerifierMecanisme(descripteur);
        QCOMPARE(rapport.nombreErreurs(), 0);

        // The correction is built in the joint-graph editor on the mechanism's two classes and saved into its
        // folder; saving again offers the diagram.
        int nombreClasses = 0;
        atelier.DefinirAffichageModal([&](QWidget &fenetre) {
            auto *graphe = qobject_cast<TFormGrapheDesLiaisons *>(&fenetre);
            QVERIFY(graphe);
            nombreClasses = graphe->Graphe().NbrCe();
            GrapheLiaisons correction = graphe->Graphe();
            correction.Ce(1).Bati = true;
            correction.Liaison(correction.AjouterLiaison()) = {1, 2, 3, 1, 0};
            QCOMPARE(EnregistrerGdl(correction, arbre.utilisateur().chemin("presse/schema_cinematique/correction.gdl")),
                     std::nullopt);
        });
        Controle<QPushButton>(atelier, "BoutonCorrection")->click();
        QCOMPARE(nombreClasses, 2);
        QVERIFY2(d.textes().isEmpty(), qPrintable(d.textes().join(u'\n')));
        QCOMPARE(LireDescripteur(descripteur).exercices, (std::array<bool, 5>{true, true, true, true, true}));

        // Reopened to be changed, and saved again in its place without a question (what is read back is
        // TestEcritureMecanisme's).
        TFormAtelier reprise;
        reprise.show();
        QVERIFY(reprise.OuvrirMecanisme(descripteur));
        QCOMPARE(std::count(reprise.Etat().pieceDeZone.begin() + 1, reprise.Etat().pieceDeZone.end(), 0), 0);
        auto *tableReprise = Controle<QTableWidget>(reprise, "TablePieces");
        tableReprise->item(1, 2)->setText(QStringLiteral("Vis de pression"));
        QVERIFY(reprise.isWindowModified());
        d.oublier();
        Declencher(reprise, "MenuEnregistrer");
        QVERIFY2(d.boites.empty(), qPrintable(d.textes().join(u'\n')));
        QVERIFY(reprise.Historique().isClean());
        QCOMPARE(LireDescripteur(descripteur).exercices, (std::array<bool, 5>{true, true, true, true, true}));
    }
};

VELKORA_TEST(TestSessionAtelier)
#include "TestSessionAtelier.moc"
