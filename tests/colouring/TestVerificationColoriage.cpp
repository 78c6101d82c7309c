#include "MecanismeColoriage.h"
#include "support/Enregistrement.h"
#include "support/Factices.h"
#include "support/LecturePdf.h"
#include "support/SansRoot.h"

#include "colouring/TFormNotification.h"
#include "colouring/VerificationColoriage.h"
#include "common/Jpeg.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPainter>
#include <QtTest>

// Checking the colouring through the window: the counter, the texts of both modes, locking, the
// end of the exercise; then the saved drawing, read back from the JPEG file.
class TestVerificationColoriage : public QObject {
    Q_OBJECT

    // Gives items 1 to n the colours of the list, through the forced choice, and paints each
    // listed zone with its item.
    static void peindre(FenetreColoriage &f, const QList<QPair<int, int>> &itemEtZone)
    {
        static const QList<TColor> couleurs{0x000000FF, 0x00008000, 0x00FF0000, 0x0000FFFF, 0x00800080};
        for (const auto &[item, zone] : itemEtZone) {
            if (f.liste->Couleur(item) == clWhite)
                dialoguesFactices().reponsesCouleur = {couleurs[item - 1]};
            f.choisirItem(item);
            f.cliquer(CentreZone(zone));
        }
    }
    static QString texte(const QString &ligne1, const QString &suite)
    {
        return ligne1 + "\n\nPar rapport à la dernière validation,\n" + suite;
    }

private slots:
    void init() { dialoguesFactices().oublier(); }

    void rienDePeint()
    {
        ArbreMecanismes arbre;
        FenetreColoriage f;
        f.fenetre.Ouvrir(EcrireColoriage(arbre, "etau", "p", ColoriageSixZones()), "p");
        // A right double click, as the window system delivers it, is one check.
        QTest::mouseClick(f.vue, Qt::RightButton, {}, PixelBlanc);
        QTest::mouseDClick(f.vue, Qt::RightButton, {}, PixelBlanc);
        QTest::mouseRelease(f.vue, Qt::RightButton, {}, PixelBlanc);
        QCOMPARE(f.bilan->text(), QStringLiteral("Correction : 1"));
        QCOMPARE(f.nombreNotifications(), 1);
        QCOMPARE(f.derniereNotification()->Entete(), QStringLiteral("Tentative de validation : 1"));
        QCOMPARE(f.derniereNotification()->Message(),
                 texte("Aucune pièce n'a été trouvé.", "aucune nouvelle pièce n'a été trouvé."));
        QVERIFY(f.derniereNotification()->isVisible());
        QCOMPARE(f.derniereNotification()->size(), QSize(300, 100));
    }

    void piecesTrouvees()
    {
        ArbreMecanismes arbre;
        FenetreColoriage f;
        f.fenetre.Ouvrir(EcrireColoriage(arbre, "etau", "p", ColoriageSixZones()), "p");
        peindre(f, {{2, 2}, {5, 5}, {5, 6}, {1, 3}});
        f.cliquer(PixelBlanc, Qt::RightButton);
        QCOMPARE(f.derniereNotification()->Message(),
                 texte("Pièces trouvées : 2-5", "nouvelles pièces trouvées : 2-5"));
        QVERIFY(!f.liste->Actif(2));
        QVERIFY(f.liste->Actif(1));
        QVERIFY(f.liste->item(2)->data(Qt::AccessibleTextRole).toString().endsWith("inactive"));
        // Found zones are locked: not painted, not highlighted, not announced.
        f.choisirItem(0);
        f.cliquer(CentreZone(2));
        QCOMPARE(f.pixelVu(CentreZone(2)), QColor(0, 128, 0));
        QTest::mouseMove(f.vue, CentreZone(2));
        QCOMPARE(f.zone->text(), QString());
        // A found item can be selected but paints nothing.
        f.choisirItem(2);
        f.cliquer(CentreZone(4));
        QCOMPARE(f.pixelVu(CentreZone(4)), QColor(Qt::white));

        // Part 1 on zone 3 was wrong; on zone 1 it is right.
        f.choisirItem(0);
        f.cliquer(CentreZone(3));
        peindre(f, {{1, 1}});
        f.cliquer(PixelBlanc, Qt::RightButton);
        QCOMPARE(f.bilan->text(), QStringLiteral("Correction : 2"));
        QCOMPARE(f.derniereNotification()->Entete(), QStringLiteral("Tentative de validation : 2"));
        QCOMPARE(f.derniereNotification()->Message(), texte("Pièces trouvées : 1-2-5", "nouvelle pièce trouvée : 1"));
        QCOMPARE(f.nombreNotifications(), 2);
    }

    void uneZoneDeTrop()
    {
        ArbreMecanismes arbre;
        FenetreColoriage f;
        f.fenetre.Ouvrir(EcrireColoriage(arbre, "etau", "p", ColoriageSixZones()), "p");
        peindre(f, {{4, 4}, {4, 3}});
        f.cliquer(PixelBlanc, Qt::RightButton);
        QVERIFY(f.liste->Actif(4));
        f.choisirItem(0);
        f.cliquer(CentreZone(3));
        f.cliquer(PixelBlanc, Qt::RightButton);
        QCOMPARE(f.derniereNotification()->Message(), texte("Pièce trouvée : 4", "nouvelle pièce trouvée : 4"));
    }

    void exerciceFini()
    {
        ArbreMecanismes arbre;
        FenetreColoriage f;
        f.fenetre.Ouvrir(EcrireColoriage(arbre, "etau", "p", ColoriageSixZones()), "p");
        QVERIFY(f.loupe.isVisible());
        peindre(f, {{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {5, 6}});
        f.cliquer(PixelBlanc, Qt::RightButton);
        QCOMPARE(f.derniereNotification()->Message(),
                 QStringLiteral("Le coloriage est juste.\n\nL'exercice est fini."));
        QVERIFY(!f.loupe.isVisible());
        f.cliquer(PixelBlanc, Qt::RightButton);
        f.action("MenuVerification")->trigger();
        QCOMPARE(f.bilan->text(), QStringLiteral("Correction : 1"));
        QCOMPARE(f.nombreNotifications(), 1);
    }

    void classesAutrementNumerotees()
    {
        ArbreMecanismes arbre;
        ColoriageTest c = ColoriageSixZones();
        c.condition = ConditionSixZones({}, 2);
        c.solution = "[SOLUTIONS]\r\nSolution1=110000\r\nSolution2=001111\r\n";
        FenetreColoriage f;
        f.fenetre.Ouvrir(EcrireColoriage(arbre, "etau", "ce", c), "ce");
        peindre(f, {{1, 3}, {1, 4}, {1, 5}, {1, 6}});
        f.cliquer(PixelBlanc, Qt::RightButton);
        QCOMPARE(f.derniereNotification()->Message(),
                 texte("Classe d'équivalence trouvée : 1", "nouvelle classe d'équivalence trouvée : 1"));
        f.cliquer(PixelBlanc, Qt::RightButton);
        QCOMPARE(f.derniereNotification()->Message(),
                 texte("Classe d'équivalence trouvée : 1", "aucune nouvelle classe d'équivalence n'a été trouvé."));
    }

    // Solutions with an empty or all-zero string for some class (or no zone at all): nothing painted finds nothing.
    void classesRienDePeint_data()
    {
        QTest::addColumn<int>("zones");
        QTest::addColumn<QStringList>("solutions");
        QTest::newRow("aucune zone, solution vide") << 0 << QStringList{"", "", ""};
        QTest::newRow("moins de zones que de classes") << 2 << QStringList{"10", "01", "00"};
    }
    void classesRienDePeint()
    {
        QFETCH(int, zones);
        QFETCH(QStringList, solutions);
        Coloriage coloriage;
        coloriage.Reinitialiser(zones);
        std::vector<QString> solution{QString()};
        for (const QString &chaine : solutions)
            solution.push_back(chaine);
        std::vector<TColor> couleurZone(std::size_t(zones) + 1, clRed);
        std::vector<bool> actif(solution.size(), true);
        const ResultatVerification r =
            Verifier(ModeColoriage::Classes, coloriage, int(solutions.size()), solution, couleurZone, actif);
        QVERIFY(!r.fini);
        QCOMPARE(r.ligne1, QStringLiteral("Aucune classe d'équivalence n'a été trouvé."));
    }

    void avantToutExercice()
    {
        FenetreColoriage f;
        // No drawing nor help to open before an exercise is.
        QVERIFY(!f.action("MenuPdf")->isEnabled());
        QVERIFY(!f.action("MenuAide")->isEnabled());
        f.action("MenuVerification")->trigger();
        QCOMPARE(f.nombreNotifications(), 0);
        QCOMPARE(f.bilan->text(), QStringLiteral("Correction : 0"));
        f.action("MenuEnregistrerImage")->trigger();
        QCOMPARE(dialoguesFactices().textes(),
                 QStringList{"Aucun exercice n'est ouvert : il n'y a pas de plan colorié à enregistrer."});
    }

    void exporter_data()
    {
        QTest::addColumn<bool>("fini");
        QTest::newRow("non validé") << false;
        QTest::newRow("fini") << true;
    }
    void exporter()
    {
        QFETCH(bool, fini);
        ArbreMecanismes arbre;
        // Zone 1 also covers the top of the drawing, where the text goes.
        ColoriageTest c = ColoriageSixZones();
        QPainter(&c.trame).fillRect(QRect(0, 0, 240, 36), QColor(255, 0, 0));
        FenetreColoriage f;
        f.fenetre.Ouvrir(EcrireColoriage(arbre, "etau", "p", c), "p");
        if (fini)
            peindre(f, {{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {5, 6}});
        else
            peindre(f, {{3, 3}, {1, 1}});
        f.cliquer(PixelBlanc, Qt::RightButton);
        const QString chemin = arbre.chemin("export.jpg");
        dialoguesFactices().fichiersAEnregistrer = {chemin};
        f.action("MenuEnregistrerImage")->trigger();
        QCOMPARE(dialoguesFactices().textes(), QStringList());

        const ImageDecodee lue = LireJpeg(chemin);
        QVERIFY2(!lue.image.isNull(), qPrintable(lue.erreur));
        QCOMPARE(lue.image.size(), QSize(240, 100));
        const auto proche = [](QColor a, QColor b) {
            return qAbs(a.red() - b.red()) < 40 && qAbs(a.green() - b.green()) < 40 && qAbs(a.blue() - b.blue()) < 40;
        };
        QVERIFY(proche(lue.image.pixelColor(CentreZone(3) + QPoint(0, 5)), QColor(0, 0, 255)));
        QVERIFY(proche(lue.image.pixelColor(QPoint(130, 40)), QColor(Qt::black)));
        QVERIFY(proche(lue.image.pixelColor(QPoint(2, 2)), QColor(Qt::red)));
        // Text at the top left while the exercise is not finished, black on white over the paint.
        int sombres = 0;
        int rouges = 0;
        for (int y = 4; y < 34; ++y) {
            for (int x = 4; x < 60; ++x) {
                const QColor p = lue.image.pixelColor(x, y);
                sombres += std::max({p.red(), p.green(), p.blue()}) < 100;
                rouges += (y % 16 > 4 && y % 16 < 14) && proche(p, Qt::red);
            }
        }
        if (fini) {
            QCOMPARE(sombres, 0);
        } else {
            QVERIFY(sombres > 20);
            QCOMPARE(rouges, 0);
        }
    }

    // The printed page and the PDF carry the coloured drawing, the checks made and what they found.
    void imprimerEtPdf()
    {
        ArbreMecanismes arbre;
        FenetreColoriage f;
        f.fenetre.Ouvrir(EcrireColoriage(arbre, "etau", "p", ColoriageSixZones()), "p");
        peindre(f, {{1, 1}, {2, 2}, {3, 4}});
        f.action("MenuVerification")->trigger();
        DialoguesFactices &d = dialoguesFactices();
        d.oublier();
        d.reponsesSaisie = {QStringLiteral("Camille")};
        d.reponsesImpression = {true};
        d.impression = arbre.chemin("page.pdf");
        f.action("MenuImprimer")->trigger();
        d.fichiersAEnregistrer = {arbre.chemin("coloriage.pdf")};
        f.action("MenuExporterPdf")->trigger();
        QCOMPARE(d.textes(), QStringList());
        for (const QString &pdf : {d.impression, arbre.chemin("coloriage.pdf")}) {
            const PdfLu lu = LirePdf(pdf, 150);
            QCOMPARE(lu.pages, 1);
            for (const QString &attendu : {QStringLiteral("Décodage de plan"), QStringLiteral("Vérifications : 1"),
                                           QStringLiteral("Pièces trouvées : 2 sur 5")})
                QVERIFY2(lu.texte.contains(attendu), qPrintable(lu.texte));
            int peints = 0;
            for (int y = 0; y < lu.image.height(); ++y)
                for (int x = 0; x < lu.image.width(); ++x) {
                    const QColor p = lu.image.pixelColor(x, y);
                    peints += std::max({p.red(), p.green(), p.blue()}) - std::min({p.red(), p.green(), p.blue()}) > 150;
                }
            QVERIFY2(peints > 200, qPrintable(QString::number(peints)));
        }
    }

    void exportImpossible()
    {
        ArbreMecanismes arbre;
        const QString chemin = EcrireColoriage(arbre, "etau", "p", ColoriageSixZones());
        QDir().mkpath(arbre.chemin("ferme"));
        OuvrirAuxAutres(arbre.dossier());
        const QString cible = arbre.chemin("ferme/plan.jpg");
        QFile::setPermissions(arbre.chemin("ferme"), QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther |
                                                         QFile::ExeOther | QFile::ReadGroup | QFile::ExeGroup);
        FenetreColoriage f;
        f.fenetre.Ouvrir(chemin, "p");
        const int code = ExecuterSansRoot([&] {
            dialoguesFactices().oublier();
            dialoguesFactices().fichiersAEnregistrer = {cible};
            f.action("MenuEnregistrerImage")->trigger();
            const QStringList textes = dialoguesFactices().textes();
            if (textes.size() != 1 || !textes[0].contains(cible))
                return 1;
            return QFile::exists(cible) ? 2 : 0;
        });
        QCOMPARE(code, 0);
    }

    // The drawing's PDF and the help page: missing, found whatever the letter case of its name, and
    // there but with no program on the desktop to show it.
    void documents_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("attendu");
        QTest::addColumn<QString>("ecrit");
        QTest::newRow("pdf") << "MenuPdf"
                             << "plan.pdf"
                             << "Plan.PDF";
        QTest::newRow("aide") << "MenuAide"
                              << "aide.htm"
                              << "aide/aide.htm";
    }
    void documents()
    {
        QFETCH(QString, action);
        QFETCH(QString, attendu);
        QFETCH(QString, ecrit);
        ArbreMecanismes arbre;
        ColoriageTest c = ColoriageSixZones();
        c.condition = ConditionSixZones("[MENU AIDE]\r\nAdresse=aide.htm\r\nErreur=0\r\n");
        FenetreColoriage f;
        f.fenetre.Ouvrir(EcrireColoriage(arbre, "etau", "p", c), "p");
        bureauFactice().documents.clear();
        f.action(action)->trigger();
        QCOMPARE(dialoguesFactices().textes(), QStringList{"Impossible d'ouvrir le fichier \"" + attendu + "\"."});
        arbre.ecrireOctets("etau/coloriage_p/" + ecrit, "%PDF");
        dialoguesFactices().oublier();
        f.action(action)->trigger();
        QCOMPARE(dialoguesFactices().textes(), QStringList());
        QCOMPARE(bureauFactice().documents.back().chemin, arbre.chemin("etau/coloriage_p/" + ecrit));
        QCOMPARE(int(bureauFactice().documents.back().etat), int(EtatFenetre::Maximisee));
        bureauFactice().sansProgramme = true;
        f.action(action)->trigger();
        bureauFactice().sansProgramme = false;
        QCOMPARE(dialoguesFactices().textes(), QStringList{"Ce bureau n'a aucun programme pour ouvrir le fichier \"" +
                                                           QFileInfo(ecrit).fileName() + "\"."});
    }

    // However long the lists of a check, the notification shows the whole of its text.
    void notificationEntiere()
    {
        QStringList numeros;
        for (int h = 1; h <= 13; ++h)
            numeros << QString::number(h);
        const QString message = QStringLiteral("Pièces trouvées : %1\n\nPar rapport à la dernière validation,\n"
                                               "nouvelles pièces trouvées : %1")
                                    .arg(numeros.join(u'-'));
        QWidget proprietaire;
        auto *notification = new TFormNotification(&proprietaire, EnteteNotification(1), message);
        notification->Montrer();
        QCOMPARE(notification->width(), 300);
        for (QLabel *texte : notification->findChildren<QLabel *>()) {
            QVERIFY(notification->rect().contains(texte->geometry()));
            QVERIFY2(texte->height() >= texte->heightForWidth(texte->width()), qPrintable(texte->text()));
        }
    }

    // The saved drawing's format is the one its name says; a name that says none gets ".jpg", and a
    // file already there under that name is replaced only when the student says so.
    void formatSelonLeNom_data()
    {
        QTest::addColumn<QString>("choisi");
        QTest::addColumn<QString>("ecrit");
        QTest::addColumn<QByteArray>("signature");
        QTest::addColumn<bool>("dejaLa");
        const QByteArray jpeg("\xFF\xD8\xFF");
        QTest::newRow("png") << "plan.png"
                             << "plan.png" << QByteArray("\x89PNG") << false;
        QTest::newRow("bmp en capitales") << "plan.BMP"
                                          << "plan.BMP" << QByteArray("BM") << false;
        QTest::newRow("jpeg") << "plan.jpeg"
                              << "plan.jpeg" << jpeg << false;
        QTest::newRow("sans extension") << "plan"
                                        << "plan.jpg" << jpeg << false;
        QTest::newRow("autre extension") << "plan.gif"
                                         << "plan.gif.jpg" << jpeg << false;
        QTest::newRow("autre extension, fichier déjà là") << "plan.gif"
                                                          << "plan.gif.jpg" << jpeg << true;
    }
    void formatSelonLeNom()
    {
        QFETCH(QString, choisi);
        QFETCH(QString, ecrit);
        QFETCH(QByteArray, signature);
        QFETCH(bool, dejaLa);
        ArbreMecanismes arbre;
        FenetreColoriage f;
        f.fenetre.Ouvrir(EcrireColoriage(arbre, "etau", "p", ColoriageSixZones()), "p");
        peindre(f, {{3, 3}});
        if (dejaLa)
            arbre.ecrireOctets(ecrit, "ancien");
        dialoguesFactices().oublier();
        dialoguesFactices().fichiersAEnregistrer = {arbre.chemin(choisi)};
        f.action("MenuEnregistrerImage")->trigger();
        for (const char *motif : {"*.jpg", "*.png", "*.bmp"})
            QVERIFY(dialoguesFactices().dernierFiltre.contains(motif));
        QCOMPARE(dialoguesFactices().textes(), QStringList());
        QFile fichier(arbre.chemin(ecrit));
        QVERIFY(fichier.open(QIODevice::ReadOnly));
        if (dejaLa) {
            QCOMPARE(dialoguesFactices().boites.back().genre, QStringLiteral("Question"));
            QCOMPARE(fichier.readAll(), QByteArray("ancien"));
            QVERIFY(f.fenetre.isWindowModified());
            return;
        }
        QVERIFY(fichier.readAll().startsWith(signature));
        QCOMPARE(QDir(arbre.dossier()).entryList({"plan*"}, QDir::Files), QStringList{ecrit});
        const QColor bleu = QImage(arbre.chemin(ecrit)).pixelColor(CentreZone(3));
        QVERIFY2(qAbs(bleu.blue() - 255) + bleu.red() + bleu.green() < 40, qPrintable(bleu.name()));
        QVERIFY(!f.fenetre.isWindowModified());
    }
};

VELKORA_TEST(TestVerificationColoriage)
#include "TestVerificationColoriage.moc"
