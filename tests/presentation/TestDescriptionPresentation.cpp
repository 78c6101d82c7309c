#include "MecanismePresentation.h"
#include "support/Enregistrement.h"
#include "support/Factices.h"

#include <QTextBlock>
#include <QtTest>

// The description page: its text, its pictures from the exercise folder only, and its links.
class TestDescriptionPresentation : public QObject {
    Q_OBJECT

    static int pixelsDeCouleur(QWidget *widget, QColor couleur)
    {
        const QImage image = widget->grab().toImage();
        int nombre = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                nombre += image.pixelColor(x, y) == couleur;
        return nombre;
    }

    // Clicks the link whose address is the one given, where the page shows it.
    static void cliquerLien(QTextBrowser *page, const QString &adresse)
    {
        for (QTextBlock bloc = page->document()->begin(); bloc.isValid(); bloc = bloc.next()) {
            for (auto morceau = bloc.begin(); !morceau.atEnd(); ++morceau) {
                const QTextFragment fragment = morceau.fragment();
                if (fragment.charFormat().anchorHref() != adresse)
                    continue;
                QTextCursor curseur(page->document());
                curseur.setPosition(fragment.position() + fragment.length() / 2);
                QTest::mouseClick(page->viewport(), Qt::LeftButton, {}, page->cursorRect(curseur).center());
                return;
            }
        }
        QFAIL(qPrintable("no link to " + adresse));
    }

private slots:
    void init() { dialoguesFactices().oublier(); }

    void images()
    {
        ArbreMecanismes arbre;
        arbre.ecrireBmp("meca/presentation/images/rouge.bmp", ImageUnie(40, 40, Qt::red));
        const QString dehors = arbre.ecrireBmp("meca/bleu.bmp", ImageUnie(40, 40, Qt::blue));
        arbre.ecrireBmp("vert.bmp", ImageUnie(40, 40, Qt::green));
        PresentationTest p = PresentationTroisPieces();
        p.page = "<p>Vue éclatée</p><p><img src=\"images\\rouge.bmp\"> <img src=\"../bleu.bmp\"> <img src=\"" + dehors +
                 "\"> <img src=\"file://" + dehors + "\"> <img src=\"../../vert.bmp\"></p>";
        FenetreTest f;
        f.fenetre.Ouvrir(EcrirePresentation(arbre, "meca", p));
        QCOMPARE(f.pages->currentIndex(), 0);
        QVERIFY(f.description->toPlainText().contains("Vue éclatée"));
        QCOMPARE(pixelsDeCouleur(f.description, Qt::red), 40 * 40);
        QCOMPARE(pixelsDeCouleur(f.description, Qt::blue), 0);
        QCOMPARE(pixelsDeCouleur(f.description, Qt::green), 0);
    }

    void liens()
    {
        ArbreMecanismes arbre;
        arbre.ecrireTexte("meca/presentation/suite.htm", "<p>Deuxième page</p>");
        arbre.ecrireTexte("meca/secret.htm", "<p>Hors du dossier</p>");
        PresentationTest p = PresentationTroisPieces();
        p.page = "<p>Début</p><p><a href=\"http://exemple.fr/velkora\">Site</a> <a href=\"../secret.htm\">Secret</a> "
                 "<a href=\"mailto:prof@exemple.fr\">Courriel</a> <a href=\"suite.htm\">Suite</a></p>";
        FenetreTest f;
        f.fenetre.Ouvrir(EcrirePresentation(arbre, "meca", p));

        for (const QString lien : {"http://exemple.fr/velkora", "../secret.htm", "mailto:prof@exemple.fr"}) {
            cliquerLien(f.description, lien);
            QVERIFY(f.description->toPlainText().contains("Début"));
        }
        QCOMPARE(bureauFactice().adresses.last(), QString("http://exemple.fr/velkora"));
        QCOMPARE(bureauFactice().adresses.count("mailto:prof@exemple.fr"), 0);
        cliquerLien(f.description, "suite.htm");
        QCOMPARE(f.description->toPlainText().trimmed(), QString("Deuxième page"));
    }

    // A local document that is no page opens on the desktop, if it lies inside the exercise folder.
    void liensVersDesDocuments()
    {
        ArbreMecanismes arbre;
        arbre.ecrireOctets("meca/presentation/Plan.PDF", "%PDF-1.4");
        arbre.ecrireOctets("meca/notes.pdf", "%PDF-1.4");
        PresentationTest p = PresentationTroisPieces();
        p.page = "<p>Début</p><p><a href=\"plan.pdf\">Plan</a> <a href=\"../notes.pdf\">Notes</a></p>";
        FenetreTest f;
        f.fenetre.Ouvrir(EcrirePresentation(arbre, "meca", p));
        bureauFactice().documents.clear();
        cliquerLien(f.description, "../notes.pdf");
        QVERIFY(bureauFactice().documents.empty());
        cliquerLien(f.description, "plan.pdf");
        QCOMPARE(bureauFactice().documents.size(), std::size_t(1));
        QCOMPARE(QFileInfo(bureauFactice().documents.front().chemin).canonicalFilePath(),
                 QFileInfo(arbre.chemin("meca/presentation/Plan.PDF")).canonicalFilePath());
        QVERIFY(f.description->toPlainText().contains("Début"));
    }

    void encodages_data()
    {
        QTest::addColumn<QByteArray>("octets");
        QTest::addColumn<QString>("texte");
        const QString francais = QStringLiteral("Mécanisme à cames");
        const QString russe = QStringLiteral("Механизм");
        QTest::newRow("Windows-1252") << EncoderTexte("<p>" + francais + "</p>", Encodage::Windows1252) << francais;
        QTest::newRow("UTF-8") << ("<p>" + francais + "</p>").toUtf8() << francais;
        QTest::newRow("UTF-8 annoncé latin-1")
            << ("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-1\"><p>" + francais + "</p>")
                   .toUtf8()
            << francais;
        QTest::newRow("Windows-1252 annoncé UTF-8")
            << EncoderTexte("<meta charset=\"utf-8\"><p>" + francais + "</p>", Encodage::Windows1252) << francais;
        QTest::newRow("KOI8-R annoncé") << QByteArray("<meta charset=koi8-r><p>") +
                                               QStringEncoder("KOI8-R").encode(russe) + QByteArray("</p>")
                                        << russe;
        QTest::newRow("UTF-16") << EncoderTexte("<p>" + russe + "</p>", Encodage::Utf16LE) << russe;
    }
    void encodages()
    {
        QFETCH(QByteArray, octets);
        QFETCH(QString, texte);
        ArbreMecanismes arbre;
        const QString chemin = EcrirePresentation(arbre, "meca", PresentationTroisPieces());
        arbre.ecrireOctets("meca/presentation/explication.htm", octets);
        FenetreTest f;
        f.fenetre.Ouvrir(chemin);
        QCOMPARE(f.description->toPlainText().trimmed(), texte);
    }
};

VELKORA_TEST(TestDescriptionPresentation)
#include "TestDescriptionPresentation.moc"
