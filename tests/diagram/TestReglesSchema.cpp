#include "GlypheVide.h"
#include "MecanismeSchema.h"
#include "common/FPti.h"
#include "diagram/CalquesSchema.h"
#include "diagram/CommandesSchema.h"
#include "diagram/GlyphesSchema.h"
#include "diagram/LectureSchema.h"
#include "diagram/Quadrillage.h"
#include "diagram/SymboleSchema.h"
#include "support/Enregistrement.h"
#include "support/SansRoot.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QUndoStack>
#include <QtTest>
#include <random>

// The rules of the diagram that need no window: the grid and its two snapping rules, the reading of
// a diagram exercise, the pictures the diagram is made of, and the delivered blank glyph.
class TestReglesSchema : public QObject {
    Q_OBJECT

    static Rvb RvbSurface() { return CouleurVersRvb(clBtnFace); }

    static QByteArray FichierBmp(const QImage &fond, const QImage &traits, bool avecFond,
                                 const std::vector<SymbolePlace> &symboles)
    {
        QBuffer tampon;
        tampon.open(QIODevice::WriteOnly);
        return EcrireBmpSchema(tampon, fond, traits, avecFond, symboles, RvbSurface()) ? tampon.data() : QByteArray();
    }

    // The background made by the raster helpers one step after the other.
    static QImage FondPasAPas(const QImage &trame, const QImage &plan, const std::vector<TeinteClasse> &teintes,
                              int transparence)
    {
        QImage attendu = trame.convertToFormat(QImage::Format_RGB888);
        for (const TeinteClasse &t : teintes)
            CopierColorBmpToColorImage(attendu, attendu, t.marque, t.couleur);
        CopierBmp(plan, attendu, OperationRaster::EtSource);
        TransparenceBmp(attendu, transparence);
        const QColor sol = attendu.pixelColor(0, attendu.height() - 1);
        CopierColorBmpToColorImage(attendu, attendu, QColorVersCouleur(sol), clBtnFace);
        return attendu;
    }

private slots:
    void accrochagePoint_data()
    {
        QTest::addColumn<int>("v");
        QTest::addColumn<int>("attendu");
        for (const auto &[v, attendu] : {std::pair{0, 6}, {14, 6}, {15, 21}, {29, 21}, {30, 36}, {-1, 6}, {-16, -9}})
            QTest::addRow("%d", v) << v << attendu;
    }
    void accrochagePoint()
    {
        QFETCH(int, v);
        QFETCH(int, attendu);
        QPoint p(v, 100);
        PositionSurQuadrillage(p);
        QCOMPARE(p, QPoint(attendu, 96));
    }

    void accrochageSymbole_data()
    {
        QTest::addColumn<int>("v");
        QTest::addColumn<int>("attendu");
        for (const auto &[v, attendu] : {std::pair{0, 0},
                                         {7, 0},
                                         {8, 15},
                                         {22, 15},
                                         {23, 30},
                                         {37, 30},
                                         {38, 45},
                                         {-7, 0},
                                         {-8, -15},
                                         {-10, -15},
                                         {-22, -15},
                                         {-23, -30}})
            QTest::addRow("%d", v) << v << attendu;
    }
    void accrochageSymbole()
    {
        QFETCH(int, v);
        QFETCH(int, attendu);
        QPoint p(v, v);
        PositionLiaisonSurQuadrillage(p);
        QCOMPARE(p, QPoint(attendu, attendu));
    }

    void relachement_data()
    {
        QTest::addColumn<QPoint>("cadre");
        QTest::addColumn<QPoint>("attendu");
        QTest::addColumn<bool>("grille");
        // The frame shows the snapped corner while dragging; the release pushes it inside, then snaps.
        QTest::newRow("(22, 23) sur la grille") << QPoint(15, 30) << QPoint(15, 30) << true;
        QTest::newRow("(-10, 40) sur la grille") << QPoint(-15, 45) << QPoint(0, 45) << true;
        QTest::newRow("au-delà du bord droit") << QPoint(990, 10) << QPoint(970, 10) << false;
        QTest::newRow("au-delà du bas, sur la grille") << QPoint(100, 790) << QPoint(105, 765) << true;
    }
    void relachement()
    {
        QFETCH(QPoint, cadre);
        QFETCH(QPoint, attendu);
        QFETCH(bool, grille);
        QCOMPARE(PositionRelachee(cadre, QSize(30, 30), QRect(0, 0, 1000, 800), grille), attendu);
    }

    // The history keeps what the strokes layer held, and only that: a rectangle comes back exactly as
    // it was, a sheet with a few lines costs a few bytes per line row; past its bytes the oldest steps
    // are forgotten first, undoing stops there, and the state opened can no longer be called saved.
    void historiqueDesTraits()
    {
        const Rvb surface = RvbSurface();
        QImage calque(2000, 1400, QImage::Format_RGB888);
        RemplirImage(calque, clBtnFace);
        {
            QPainter peintre(&calque);
            peintre.setPen(QPen(Qt::red, 3));
            peintre.drawLine(10, 10, 1990, 1390);
            peintre.setPen(QPen(Qt::blue, 3));
            peintre.drawLine(0, 700, 1999, 700);
            peintre.setPen(QColor(0, 0, 1));
            peintre.drawPoint(1999, 1399);
        }
        const ZoneTraits tout(calque, calque.rect(), surface);
        QVERIFY2(tout.octets() < 32 * calque.height(), qPrintable(QString::number(tout.octets())));
        QImage rendu(calque.size(), QImage::Format_RGB888);
        rendu.fill(Qt::green);
        tout.Poser(rendu);
        QCOMPARE(rendu, calque);
        const QRect zone(500, 300, 700, 500);
        rendu.fill(Qt::green);
        ZoneTraits(calque, zone, surface).Poser(rendu);
        QCOMPARE(rendu.copy(zone), calque.copy(zone));
        for (const QPoint dehors : {QPoint(499, 400), QPoint(1200, 400), QPoint(600, 299), QPoint(600, 800)})
            QCOMPARE(rendu.pixelColor(dehors), QColor(Qt::green));

        QUndoStack historique;
        historique.setClean(); // the diagram as opened
        QList<int> appliquees;
        for (int i = 0; i < 3; ++i)
            historique.push(
                new CommandeTraits([&appliquees, i](const ZoneTraits &, const TracesSchema &) { appliquees << i; },
                                   ZoneTraits(calque.rect(), surface), tout));
        const qsizetype etape = OctetsHistorique(historique) / 3;
        BornerHistorique(historique, 3 * etape);
        QCOMPARE(historique.cleanIndex(), 0);
        BornerHistorique(historique, 2 * etape + etape / 2);
        QVERIFY(OctetsHistorique(historique) <= 2 * etape + etape / 2);
        QCOMPARE(historique.cleanIndex(), -1);
        appliquees.clear();
        while (PeutAnnuler(historique))
            historique.undo();
        QCOMPARE(appliquees, (QList<int>{2, 1}));
    }

    void quadrillage_data()
    {
        QTest::addColumn<int>("largeur");
        QTest::addColumn<int>("nombre");
        QTest::addColumn<int>("derniere");
        QTest::newRow("995 : le point 996 tombe dehors") << 995 << 66 << 981;
        QTest::newRow("1000 : le point 996 est dedans") << 1000 << 67 << 996;
    }
    void quadrillage()
    {
        QFETCH(int, largeur);
        QFETCH(int, nombre);
        QFETCH(int, derniere);
        const QColor gris(128, 128, 128);
        QImage image(largeur, 40, QImage::Format_RGB888);
        RemplirImage(image, clBtnFace);
        image.setPixelColor(21, 6, Qt::red); // a pixel that is not the ground keeps its colour
        QuadrillageImage(image, 0x00808080, clBtnFace);
        QList<int> colonnes;
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, 21) == gris)
                colonnes << x;
        }
        QCOMPARE(colonnes.size(), nombre);
        QCOMPARE(colonnes.front(), 6);
        QCOMPARE(colonnes.back(), derniere);
        QCOMPARE(colonnes[1], 21);
        QCOMPARE(image.pixelColor(21, 6), QColor(Qt::red));
        QCOMPARE(image.pixelColor(6, 36), gris);
        QCOMPARE(image.pixelColor(7, 21), Surface());
        QCOMPARE(image.pixelColor(0, 39), Surface());
    }

    // The background in one pass gives what the raster helpers give one step after the other.
    void fondDessin_data()
    {
        QTest::addColumn<int>("transparence");
        QTest::addColumn<bool>("enChaine");
        QTest::newRow("pleine force") << 0 << false;
        QTest::newRow("estompé de moitié") << -50 << false;
        QTest::newRow("effacé") << -100 << false;
        QTest::newRow("renforcé") << 40 << false;
        QTest::newRow("une classe colore la marque d'une autre") << -30 << true;
    }
    void fondDessin()
    {
        QFETCH(int, transparence);
        QFETCH(bool, enChaine);
        std::mt19937 hasard(7);
        QImage trame = ImageUnie(97, 61, Qt::white);
        QImage plan = ImageUnie(97, 61, Qt::white);
        const QList<QColor> marques{QColor(0, 255, 0), QColor(255, 255, 0), QColor(0, 0, 255), QColor(12, 34, 56)};
        {
            QPainter peintreTrame(&trame);
            QPainter peintrePlan(&plan);
            for (int i = 0; i < 40; ++i) {
                const QRect r(int(hasard() % 90), int(hasard() % 55), 1 + int(hasard() % 20), 1 + int(hasard() % 12));
                peintreTrame.fillRect(r, marques[int(hasard() % 4)]);
                peintrePlan.fillRect(r.adjusted(2, 0, -2, -r.height() + 1), QColor(int(hasard() % 256), 0, 40));
            }
        }
        // Class 1 turns lime into yellow, which class 2 marks: in a chain they both end in class 2's red.
        std::vector<TeinteClasse> teintes{{0x0000FF00, enChaine ? TColor(0x0000FFFF) : TColor(0x00FF8000)},
                                          {0x0000FFFF, 0x000000FF},
                                          {0x00FF0000, clBtnFace},
                                          {0x0000FF00, 0x00123456}};
        const QImage attendu = FondPasAPas(trame, plan, teintes, transparence);

        QImage fond;
        QVERIFY(ConstruireFondDessin(trame, plan, teintes, transparence, RvbSurface(), fond));
        QCOMPARE(fond.format(), QImage::Format_RGB888);
        QCOMPARE(fond, attendu);
        // Built again into the same pixels, from pictures in another format.
        QVERIFY(ConstruireFondDessin(trame.convertToFormat(QImage::Format_RGB32), plan, teintes, transparence,
                                     RvbSurface(), fond));
        QCOMPARE(fond, attendu);
    }

    void fondDessinTaillesDifferentes()
    {
        QImage fond;
        QVERIFY(!ConstruireFondDessin(ImageUnie(10, 10, Qt::white), ImageUnie(10, 11, Qt::white), {}, 0, RvbSurface(),
                                      fond));
        QVERIFY(!ConstruireFondDessin(QImage(), QImage(), {}, 0, RvbSurface(), fond));
    }

    void composition()
    {
        QImage fond = ImageUnie(40, 20, Qt::yellow);
        QImage traits(50, 20, QImage::Format_RGB888);
        RemplirImage(traits, clBtnFace);
        traits.setPixelColor(3, 3, Qt::blue);
        traits.setPixelColor(45, 10, Qt::red);   // beyond the background
        traits.setPixelColor(33, 19, Qt::green); // in the last block of a row, past sixteen pixels
        QImage affichage;
        ComposerAffichage(fond, traits, RvbSurface(), affichage);
        QCOMPARE(affichage.size(), traits.size());
        QCOMPARE(affichage.pixelColor(3, 3), QColor(Qt::blue));
        QCOMPARE(affichage.pixelColor(4, 3), QColor(Qt::yellow));
        QCOMPARE(affichage.pixelColor(33, 19), QColor(Qt::green));
        QCOMPARE(affichage.pixelColor(45, 10), QColor(Qt::red));
        QCOMPARE(affichage.pixelColor(46, 10), Surface());

        // Made again on a rectangle only: what lies outside it stays as it was shown.
        const uchar *avant = affichage.constBits();
        traits.setPixelColor(20, 5, Qt::magenta);
        traits.setPixelColor(3, 3, QColor(Surface()));
        ComposerAffichage(fond, traits, RvbSurface(), affichage, QRect(15, 2, 30, 10));
        QCOMPARE(affichage.constBits(), avant);
        QCOMPARE(affichage.pixelColor(20, 5), QColor(Qt::magenta));
        QCOMPARE(affichage.pixelColor(3, 3), QColor(Qt::blue));
        ComposerAffichage(fond, traits, RvbSurface(), affichage);
        QCOMPARE(affichage.pixelColor(3, 3), QColor(Qt::yellow));
    }

    void exporter_data()
    {
        QTest::addColumn<bool>("avecFond");
        QTest::newRow("avec la trame") << true;
        QTest::newRow("sans la trame") << false;
    }
    void exporter()
    {
        QFETCH(bool, avecFond);
        QImage fond = ImageUnie(60, 40, Surface());
        fond.setPixelColor(6, 6, QColor(128, 128, 128));
        fond.setPixelColor(50, 30, Qt::yellow);
        QImage traits(60, 40, QImage::Format_RGB888);
        RemplirImage(traits, clBtnFace);
        for (int x = 10; x < 30; ++x)
            traits.setPixelColor(x, 20, Qt::red);
        // Two symbols overlap: the later one is drawn over the earlier, its white left out; one is cut.
        const QImage symbole = SymboleTest();
        const std::vector<SymbolePlace> symboles{{ImageSymbole(symbole, clBlack, TColor(0x00FF0000), 0), QPoint(0, 0)},
                                                 {ImageSymbole(symbole, clRed, clBtnFace, 0), QPoint(10, 0)},
                                                 {symbole, QPoint(40, 25)}};
        const QImage image = QImage::fromData(FichierBmp(fond, traits, avecFond, symboles), "BMP");
        QCOMPARE(image.size(), QSize(60, 40));
        QCOMPARE(image.pixelColor(6, 6), avecFond ? QColor(128, 128, 128) : QColor(Qt::white));
        QCOMPARE(image.pixelColor(35, 35), QColor(Qt::white)); // the surface turned white
        QCOMPARE(image.pixelColor(29, 20), QColor(Qt::red));
        QCOMPARE(image.pixelColor(5, 15), QColor(Qt::black));  // first symbol, first marker
        QCOMPARE(image.pixelColor(13, 15), QColor(Qt::red));   // second symbol over the first's blue
        QCOMPARE(image.pixelColor(24, 15), QColor(Qt::black)); // the second's bar
        QCOMPARE(image.pixelColor(28, 15), QColor(Qt::white)); // its second marker, the surface colour
        QCOMPARE(image.pixelColor(11, 25), QColor(Qt::white)); // white of the symbols lets the ground through
        QCOMPARE(image.pixelColor(59, 37), QColor(255, 208, 135));
        QCOMPARE(image.pixelColor(50, 30), avecFond ? QColor(Qt::yellow) : QColor(Qt::white));
    }

    void symboleTourne()
    {
        const QImage image = ImageSymbole(SymboleTest(), clRed, TColor(0x00FF0000), 90);
        QCOMPARE(image.size(), QSize(30, 30));
        // A quarter turn anticlockwise brings the left half (class 1) to the bottom.
        QCOMPARE(image.pixelColor(15, 24), QColor(Qt::red));
        QCOMPARE(image.pixelColor(15, 6), QColor(Qt::blue));
        QCOMPARE(image.pixelColor(0, 29), QColor(Qt::white));
        QVERIFY(ImageSymbole(QImage(), clRed, TColor(0x00FF0000), 0).isNull());
        const QImage transparente = AvecTransparence(image);
        QCOMPARE(qAlpha(transparente.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(transparente.pixel(15, 24)), 255);
    }

    void cadreSelection()
    {
        const QImage cadre = CadreSelection();
        QCOMPARE(cadre.size(), QSize(75, 75));
        QCOMPARE(cadre.pixelColor(2, 2), QColor(Qt::black));
        QCOMPARE(cadre.pixelColor(2, 72), QColor(Qt::black));
        QCOMPARE(cadre.pixelColor(0, 74), QColor(Qt::white));
        QCOMPARE(cadre.pixelColor(37, 37), QColor(Qt::black));
        QCOMPARE(cadre.pixelColor(44, 37), QColor(Qt::black)); // the cross reaches 7 pixels from the centre
        QCOMPARE(cadre.pixelColor(45, 37), QColor(Qt::white));
        const QImage transparent = AvecTransparence(cadre);
        QCOMPARE(qAlpha(transparent.pixel(20, 20)), 0);
        QCOMPARE(qAlpha(transparent.pixel(2, 2)), 255);
    }

    // A width whose rows need padding, over a background narrower and shorter than the strokes.
    void fichierBmp()
    {
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath("schéma.bmp");
        QImage traits(33, 7, QImage::Format_RGB888);
        RemplirImage(traits, clBtnFace);
        traits.setPixelColor(32, 6, Qt::red);
        traits.setPixelColor(9, 2, Qt::blue);
        const QImage fond = ImageUnie(20, 5, Qt::green);
        QCOMPARE(EnregistrerBmpSchema(chemin, fond, traits, true, {}, RvbSurface()), std::nullopt);
        QFile fichier(chemin);
        QVERIFY(fichier.open(QIODevice::ReadOnly));
        const QByteArray octets = fichier.readAll();
        QVERIFY(octets.startsWith("BM"));
        QCOMPARE(octets.size(), 54 + 100 * 7);
        QCOMPARE(quint16(uchar(octets[28]) | (uchar(octets[29]) << 8)), quint16(24));
        QImage attendu = ImageUnie(33, 7, Qt::white);
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 20; ++x)
                attendu.setPixelColor(x, y, Qt::green);
        attendu.setPixelColor(32, 6, Qt::red);
        attendu.setPixelColor(9, 2, Qt::blue);
        QCOMPARE(QImage(chemin).convertToFormat(QImage::Format_RGB888), attendu);
        QBuffer tampon;
        tampon.open(QIODevice::WriteOnly);
        QVERIFY(!EcrireBmpSchema(tampon, fond, QImage(), true, {}, RvbSurface()));
    }

    // In a folder that cannot be written, the failure names the path and the old file stays whole.
    void enregistrementImpossible()
    {
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath("ancien.bmp");
        QFile ancien(chemin);
        QVERIFY(ancien.open(QIODevice::WriteOnly));
        ancien.write("ancien contenu");
        ancien.close();
        OuvrirAuxAutres(dossier.path());
        const int code = ExecuterSansRoot([&chemin] {
            const auto erreur = EnregistrerBmpSchema(chemin, {}, ImageUnie(10, 10, Qt::red), false, {}, RvbSurface());
            if (!erreur)
                return 1;
            return *erreur == QStringLiteral("Impossible d'écrire dans ") + chemin ? 0 : 2;
        });
        QCOMPARE(code, 0);
        QVERIFY(ancien.open(QIODevice::ReadOnly));
        QCOMPARE(ancien.readAll(), QByteArray("ancien contenu"));
    }

    void glypheVideLivre()
    {
        const QString livre =
            QFileInfo(QStringLiteral(__FILE__)).absolutePath() + QStringLiteral("/../../data/") + CheminGlypheVide;
        const QImage image(livre);
        QVERIFY(!image.isNull());
        QCOMPARE(image.depth(), 32); // a 24-bit file, read by Qt into 32 bits
        QCOMPARE(image.convertToFormat(QImage::Format_RGB888), DessinerGlypheVide());
        QCOMPARE(image.pixelColor(0, CoteGlypheVide - 1), QColor(Qt::white));
        QTemporaryDir dossier;
        QCOMPARE(EcrireGlypheVide(dossier.path()), std::nullopt);
        QFile ecrit(dossier.filePath(CheminGlypheVide));
        QFile copie(livre);
        QVERIFY(ecrit.open(QIODevice::ReadOnly) && copie.open(QIODevice::ReadOnly));
        QCOMPARE(ecrit.readAll(), copie.readAll());
    }

    // A condition.inf that is there but cannot be read is named as such, not taken for a missing mechanism.
    void conditionIllisible()
    {
        ArbreMecanismes arbre;
        EcrireSchema(arbre, "meca", SchemaDeuxClasses());
        const QString condition = arbre.chemin("meca/schema_cinematique/condition.inf");
        OuvrirAuxAutres(arbre.dossier());
        QVERIFY(QFile::setPermissions(condition, QFileDevice::WriteOwner));
        const QString gdl = arbre.chemin("meca/schema_cinematique/correction.gdl");
        const int code = ExecuterSansRoot([&gdl] {
            return LireSchema(gdl).erreur ==
                           QStringLiteral("Le fichier \"condition.inf\" ne peut pas être lu.\n\n"
                                          "Impossible d'ouvrir le schéma cinématique de ce mécanisme.")
                       ? 0
                       : 1;
        });
        QCOMPARE(code, 0);
    }

    // What condition.inf leaves out takes its default, and the frame is the last class marked.
    void lectureValeursParDefaut()
    {
        ArbreMecanismes arbre;
        SchemaTest s = SchemaDeuxClasses();
        s.couleursCe = {"clRed", "clBlue", "$00FF8000"};
        s.batis = {1, 3};
        s.condition = "[TRAME]\r\nce1=clLime\r\n";
        EcrireSchema(arbre, "meca", s);
        const LectureSchema lecture = LireSchema(arbre.chemin("meca/schema_cinematique/correction.gdl"));
        QVERIFY2(lecture.reussie(), qPrintable(lecture.erreur));
        const SchemaCinematique &schema = lecture.schema;
        QCOMPARE(schema.Liaison[0].Ce2, 3);
        QCOMPARE(schema.Liaison[0].Ce1, 0);
        QCOMPARE(schema.TypeTrame, 0);
        QCOMPARE(schema.Transparence, -100);
        QVERIFY(!schema.PdfVisible);
        QCOMPARE(schema.CouleurTrame[1], TColor(0x0000FF00));
        QCOMPARE(schema.CouleurTrame[2], clWhite);
        QCOMPARE(schema.CouleurTrame[3], clWhite);
        QCOMPARE(schema.Ce[3].Couleur, TColor(0x00FF8000));
        QCOMPARE(schema.Ce[4].Couleur, clBtnFace);
        QCOMPARE(schema.CouleurCe(0), clBlack);
        QCOMPARE(schema.CouleurCe(4), clBtnFace);
        QCOMPARE(schema.CouleurCe(10), clBlack);
        QCOMPARE(schema.CouleurCe(-1), clBlack);
        QCOMPARE(schema.DossierExercice, arbre.chemin("meca/schema_cinematique/"));

        s.batis = {};
        EcrireSchema(arbre, "meca", s);
        QCOMPARE(LireSchema(arbre.chemin("meca/schema_cinematique/correction.gdl")).schema.Liaison[0].Ce2, 0);
    }
    // The passes work on blocks of sixteen pixels where the processor allows it, and pixel by pixel on
    // the rest of a row: on flat zones, noise, black and coloured lines, and widths around the block,
    // the pictures are those the plain pixel rules give.
    void calquesSurBlocs_data()
    {
        QTest::addColumn<int>("largeur");
        for (int largeur : {1, 15, 16, 17, 32, 33, 47, 48, 49, 100, 131})
            QTest::addRow("%d", largeur) << largeur;
    }
    void calquesSurBlocs()
    {
        QFETCH(int, largeur);
        std::mt19937 hasard{std::uint32_t(largeur)};
        const auto auHasard = [&hasard] {
            return QColor(int(hasard() % 256), int(hasard() % 256), int(hasard() % 256));
        };
        const int hauteur = 9;
        const QColor surface = Surface();
        const QList<QColor> marques{QColor(255, 0, 0), QColor(0, 255, 0), QColor(0, 0, 255), surface};
        QImage trame = ImageUnie(largeur, hauteur, Qt::white);
        QImage plan = ImageUnie(largeur, hauteur, Qt::white);
        QImage traits(largeur + 7, hauteur + 1, QImage::Format_RGB888); // beyond the background on two sides
        traits.fill(surface);
        for (int y = 0; y < hauteur; ++y) {
            for (int x = 0; x < largeur; ++x) {
                const int zone = (x / (y < 4 ? 50 : 6) + y / 3) % 5;
                trame.setPixelColor(x, y,
                                    hasard() % 23 == 0 ? auHasard()
                                    : zone < 4         ? marques[zone]
                                                       : QColor(Qt::white));
                if (hasard() % 9 == 0)
                    plan.setPixelColor(x, y, hasard() % 3 == 0 ? auHasard() : QColor(Qt::black));
            }
        }
        for (int y = 0; y < traits.height(); ++y) {
            for (int x = 0; x < traits.width(); ++x) {
                if (hasard() % 13 == 0)
                    traits.setPixelColor(x, y, auHasard());
            }
        }
        const std::vector<TeinteClasse> teintes{
            {0x000000FF, 0x0000FF00}, {0x0000FF00, 0x00336699}, {0x00FF0000, clBtnFace}, {clBtnFace, 0x00FFFFFF}};

        QImage fond;
        QVERIFY(ConstruireFondDessin(trame, plan, teintes, -40, RvbSurface(), fond));
        QCOMPARE(fond, FondPasAPas(trame, plan, teintes, -40));

        QImage affichage;
        ComposerAffichage(fond, traits, RvbSurface(), affichage);
        QImage attendu = traits.copy();
        for (int y = 0; y < attendu.height(); ++y) {
            for (int x = 0; x < attendu.width(); ++x) {
                if (attendu.pixelColor(x, y) == surface && fond.rect().contains(x, y))
                    attendu.setPixelColor(x, y, fond.pixelColor(x, y));
            }
        }
        QCOMPARE(affichage, attendu);

        // The export: the same picture with a symbol over it, the surface saved white.
        QImage symbole = ImageUnie(20, 3, Qt::white);
        symbole.setPixelColor(2, 1, Qt::red);
        symbole.setPixelColor(19, 0, surface);
        const QPoint coin(largeur / 3, 2);
        for (int y = 0; y < symbole.height(); ++y) {
            for (int x = 0; x < symbole.width(); ++x) {
                if (symbole.pixelColor(x, y) != QColor(Qt::white) && attendu.rect().contains(coin + QPoint(x, y)))
                    attendu.setPixelColor(coin + QPoint(x, y), symbole.pixelColor(x, y));
            }
        }
        for (int y = 0; y < attendu.height(); ++y) {
            for (int x = 0; x < attendu.width(); ++x) {
                if (attendu.pixelColor(x, y) == surface)
                    attendu.setPixelColor(x, y, Qt::white);
            }
        }
        const QImage relu = QImage::fromData(FichierBmp(fond, traits, true, {{symbole, coin}}), "BMP");
        QCOMPARE(relu.convertToFormat(QImage::Format_RGB888), attendu);
    }
};

VELKORA_TEST(TestReglesSchema)
#include "TestReglesSchema.moc"
