#include "MecanismeGraphe.h"
#include "joint_graph/ImpressionGraphe.h"
#include "joint_graph/TImageMouse.h"
#include "support/ComparaisonImages.h"
#include "support/Enregistrement.h"
#include "support/Factices.h"
#include "support/LecturePdf.h"
#include "symboles/EcritureSymboles.h"

#include <QAction>
#include <QPainter>
#include <QPushButton>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QtTest>

// The graph handed in: its SVG draws what the window shows, its PDF carries the classes and the last
// hyperstatism worked out.
class TestImpressionGraphe : public QObject {
    Q_OBJECT

private slots:
    // The SVG is read by Qt's own reader and compared with the window's area at the same scale: the nodes' pictures,
    // the links in their classes' colours and the joints' symbols (the catalogue's own, drawn as vectors).
    void commeLaFenetre()
    {
        ArbreMecanismes arbre;
        EcrireCatalogueTest(arbre);
        QCOMPARE(EcrireSymbolesLiaisons(arbre.chemin("ressource/liaison")), std::nullopt);
        const QString descripteur = EcrireMecanismeGraphe(arbre, "treuil", 3);
        arbre.ecrireDescripteur("treuil", {.nom = QStringLiteral("Treuil")});
        QTemporaryDir documents;
        bureauFactice().dossierDocuments = documents.path();
        DialoguesFactices &d = dialoguesFactices();
        d.oublier();
        FenetreGraphe f;
        f.fenetre.OuvrirSCH(descripteur);
        f.colorer({0x000000FFu, 0x0000C000u, 0x00FF0000u});
        f.bouton("BoutonBati")->click();
        f.cliquer(f.noeud(1));
        f.creerLiaison({1, 2}, 2, 1);
        f.creerLiaison({2, 3}, 3, 1);
        d.oublier();
        d.reponsesSaisie = {QStringLiteral("1"), QStringLiteral("0")};
        f.bouton("BoutonHyperstatisme")->click();
        const QString hyperstatisme = d.textes().value(0);
        QVERIFY(hyperstatisme.contains(QStringLiteral("h = ")));
        f.bouton("BoutonCreer")->setFocus();

        d.oublier();
        d.fichiersAEnregistrer = {documents.filePath("graphe.svg"), documents.filePath("graphe.pdf")};
        d.reponsesSaisie = {QStringLiteral("Camille")};
        f.action("MenuExporterSvg")->trigger();
        f.action("MenuExporterPdf")->trigger();
        QCOMPARE(d.textes(), QStringList());

        // The work starts a margin before the first node or symbol.
        QRect couvert;
        for (int ce = 1; ce <= 3; ++ce)
            couvert |= f.noeud(ce)->geometry();
        for (int a = 1; a <= 2; ++a)
            couvert |= f.symbole(a)->geometry();
        couvert.adjust(-8, -8, 8, 8);
        QWidget *fond = f.fenetre.findChild<QWidget *>(QStringLiteral("ImageFond"));
        const QRect vu = couvert.intersected(fond->rect());
        QImage ecran = fond->grab(vu).toImage().convertToFormat(QImage::Format_RGB32);
        const QRgb surface = fond->grab(QRect(0, 0, 1, 1)).toImage().pixel(0, 0);
        for (int y = 0; y < ecran.height(); ++y)
            for (int x = 0; x < ecran.width(); ++x)
                if (ecran.pixel(x, y) == surface)
                    ecran.setPixel(x, y, qRgb(255, 255, 255));
        QSvgRenderer lecteur(documents.filePath("graphe.svg"));
        QVERIFY(lecteur.isValid());
        QImage rendu(lecteur.defaultSize(), QImage::Format_RGB32);
        rendu.fill(Qt::white);
        {
            QPainter p(&rendu);
            lecteur.render(&p);
        }
        QVERIFY(rendu.width() >= couvert.width() && rendu.height() > couvert.height());
        const int differents = PixelsDifferents(ecran, rendu.copy(vu.translated(-couvert.topLeft())));
        QVERIFY2(differents < 50, qPrintable(QString::number(differents)));

        const PdfLu pdf = LirePdf(documents.filePath("graphe.pdf"));
        QCOMPARE(pdf.pages, 1);
        // The name asked at the SVG, the first export, is the PDF's too.
        for (const QString &attendu :
             {QStringLiteral("Graphe des liaisons"), QStringLiteral("Treuil"), QStringLiteral("Camille"),
              hyperstatisme.section(u'\n', -1), QStringLiteral("1 : Pièce 1")})
            QVERIFY2(pdf.texte.contains(attendu), qPrintable(pdf.texte));
    }

    // A class name wider than the graph is printed whole: its last letters are not cut at the work's edge.
    void nomsEntiers()
    {
        GrapheImprime g;
        g.classes.push_back({0x000000FFu, QStringLiteral("1 : Bâti : corps, mâchoire fixe, vis de fixation des plaques "
                                                         "de guidage et semelle d'appui")});
        const TravailImprime travail = TravailGraphe(g, QStringLiteral("Étau"), QStringLiteral("Graphe"), {});
        QImage image(travail.taille.toSize(), QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter p(&image);
            p.setClipRect(image.rect());
            travail.dessiner(p);
        }
        int droite = -1;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) != qRgb(255, 255, 255))
                    droite = std::max(droite, x);
        QVERIFY(droite > 320);
        QVERIFY2(droite < image.width() - 4, qPrintable(QStringLiteral("%1 sur %2").arg(droite).arg(image.width())));
    }
};

VELKORA_TEST(TestImpressionGraphe)
#include "TestImpressionGraphe.moc"
