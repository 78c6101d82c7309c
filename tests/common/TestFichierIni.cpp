#include "common/EncodageTexte.h"
#include "common/FichierIni.h"
#include "support/ArbreMecanismes.h"
#include "support/Enregistrement.h"

#include <QFile>
#include <QtTest>

namespace {
QByteArray contenu(const QString &chemin)
{
    QFile f(chemin);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}
} // namespace

class TestFichierIni : public QObject {
    Q_OBJECT
private slots:
    void lectureSelonLesRegles_data()
    {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("cle");
        QTest::addColumn<QString>("attendu");
        QTest::newRow("casse de section et de cle") << "exercice"
                                                    << "nom"
                                                    << "Étau";
        QTest::newRow("blancs autour") << "Blancs"
                                       << "Cle"
                                       << "valeur avec blanc";
        QTest::newRow("guillemets doubles") << "Blancs"
                                            << "Double"
                                            << " garde ";
        QTest::newRow("guillemets simples") << "Blancs"
                                            << "Simple"
                                            << "x";
        QTest::newRow("guillemet seul") << "Blancs"
                                        << "Seul"
                                        << "\"x";
        QTest::newRow("valeur vide") << "Blancs"
                                     << "Vide"
                                     << "";
        QTest::newRow("egal dans la valeur") << "Blancs"
                                             << "Egal"
                                             << "a=b";
        QTest::newRow("premiere cle gagne") << "EXERCICE"
                                            << "Exo1"
                                            << "1";
        QTest::newRow("premiere section gagne") << "Double"
                                                << "Cle"
                                                << "premiere";
        QTest::newRow("cle absente") << "EXERCICE"
                                     << "Absente"
                                     << "defaut";
        QTest::newRow("section absente") << "Rien"
                                         << "Nom"
                                         << "defaut";
    }
    void lectureSelonLesRegles()
    {
        QFETCH(QString, section);
        QFETCH(QString, cle);
        QFETCH(QString, attendu);
        ArbreMecanismes arbre;
        const QString chemin = arbre.ecrireTexte(
            "a.ini",
            "; pas une section\r\nHorsSection=1\r\n[EXERCICE]\r\nNom=Étau\r\nExo1=1\r\nexo1=0\r\n"
            "  [ Blancs ]  \r\n  Cle  =  valeur avec blanc  \r\nDouble=\" garde \"\r\nSimple='x'\r\nSeul=\"x\r\n"
            "Vide=\r\nEgal=a=b\r\nligne sans egal\r\n[Double]\r\nCle=premiere\r\n[double]\r\nCle=seconde\r\n",
            Encodage::Windows1252);
        const FichierIni ini(chemin);
        QCOMPARE(ini.lireTexte(section, cle, "defaut"), attendu);
    }

    void entiersEtDrapeaux()
    {
        ArbreMecanismes arbre;
        const FichierIni ini(arbre.ecrireTexte("a.ini", "[S]\nA=12\nB=$1F\nC=0x10\nD=oui\nE=2\nF=0\nG=-3\nH= 7 \n"));
        QCOMPARE(ini.lireEntier("s", "a", 0), 12);
        QCOMPARE(ini.lireEntier("S", "B", 0), 31);
        QCOMPARE(ini.lireEntier("S", "C", 0), 16);
        QCOMPARE(ini.lireEntier("S", "D", 99), 99);
        QCOMPARE(ini.lireEntier("S", "G", 0), -3);
        QCOMPARE(ini.lireEntier("S", "H", 0), 7);
        QCOMPARE(ini.lireEntier("S", "Z", 5), 5);
        QVERIFY(ini.lireDrapeau("S", "E"));
        QVERIFY(ini.lireDrapeau("S", "B"));
        QVERIFY(!ini.lireDrapeau("S", "F"));
        QVERIFY(!ini.lireDrapeau("S", "D"));
        QVERIFY(!ini.lireDrapeau("S", "Z"));
        QVERIFY(ini.lireDrapeau("S", "Z", true));
    }

    void fichierManquantOuDossier()
    {
        ArbreMecanismes arbre;
        const FichierIni absent(arbre.chemin("absent.ini"));
        QVERIFY(!absent.existe());
        QCOMPARE(absent.lireTexte("S", "K", "d"), QStringLiteral("d"));
        const FichierIni dossier(arbre.dossier());
        QVERIFY(!dossier.existe());
        QCOMPARE(dossier.lireEntier("S", "K", 4), 4);
    }

    void texteLimiteA2047Caracteres()
    {
        ArbreMecanismes arbre;
        const FichierIni ini(arbre.ecrireTexte("a.ini", "[S]\nK=" + QString(3000, u'x') + "\n"));
        QCOMPARE(ini.lireTexte("S", "K").size(), 2047);
    }

    void encodages_data()
    {
        QTest::addColumn<int>("encodage");
        QTest::newRow("windows-1252") << int(Encodage::Windows1252);
        QTest::newRow("utf-8") << int(Encodage::Utf8);
        QTest::newRow("utf-16 le") << int(Encodage::Utf16LE);
        QTest::newRow("utf-16 be") << int(Encodage::Utf16BE);
    }
    void encodages()
    {
        QFETCH(int, encodage);
        ArbreMecanismes arbre;
        const QString texte = QStringLiteral("[PIECE1]\r\nDesignation=Vis de manœuvre à tête « Hc » €\r\n");
        const FichierIni ini(arbre.ecrireTexte("a.inf", texte, Encodage(encodage)));
        QCOMPARE(ini.lireTexte("piece1", "designation"), QStringLiteral("Vis de manœuvre à tête « Hc » €"));
    }

    void utf8AvecMarque()
    {
        ArbreMecanismes arbre;
        const FichierIni ini(arbre.ecrireOctets("a.inf", "\xEF\xBB\xBF[S]\nK=\xC3\xA9t\xC3\xA9\n"));
        QCOMPARE(ini.lireTexte("S", "K"), QStringLiteral("été"));
    }

    // A lone surrogate is not valid UTF-16, and a line may end at CR, LF or both: every key after it still reads.
    void finsDeLigneQuelQueSoitLeTexte()
    {
        ArbreMecanismes arbre;
        QByteArray octets("\xFF\xFE");
        for (const char16_t u : u"[S]\r\nA=x\xD800y\rB=2\nC=3\r\n\r\nD=4")
            octets += QByteArray(reinterpret_cast<const char *>(&u), 2);
        octets.chop(2); // the literal's closing null
        const FichierIni ini(arbre.ecrireOctets("a.inf", octets));
        QCOMPARE(ini.lireTexte("S", "A"), QStringLiteral("x") + QChar(0xD800) + QStringLiteral("y"));
        QCOMPARE(ini.lireEntier("S", "B", 0), 2);
        QCOMPARE(ini.lireEntier("S", "C", 0), 3);
        QCOMPARE(ini.lireEntier("S", "D", 0), 4);
    }

    void ecritureEnPlace()
    {
        ArbreMecanismes arbre;
        const QString chemin = arbre.ecrireTexte(
            "a.gdl", "[MECANISME]\r\nMecanisme=vieux\r\nAutre=garde\r\n\r\n[Ce7]\r\nCouleur=clRed\r\n",
            Encodage::Windows1252);
        FichierIni ini(chemin);
        ini.ecrireTexte("mecanisme", "MECANISME", "neuf");
        ini.ecrireEntier("MECANISME", "NbrCe", 3);
        ini.ecrireDrapeau("Ce1", "Bati", true);
        ini.ecrireTexte("Ce1", "Information", "ligne\r\ncoupée");
        QVERIFY(!ini.enregistrer());
        QCOMPARE(contenu(chemin),
                 QByteArray("[MECANISME]\r\nMecanisme=neuf\r\nAutre=garde\r\nNbrCe=3\r\n\r\n"
                            "[Ce7]\r\nCouleur=clRed\r\n[Ce1]\r\nBati=1\r\nInformation=ligne  coupée\r\n")
                     .replace("coup\xC3\xA9"
                              "e",
                              "coup\xE9"
                              "e"));
    }

    void ecritureUtf16QuandIlLeFaut()
    {
        ArbreMecanismes arbre;
        FichierIni ini(arbre.chemin("a.gdl"));
        ini.ecrireTexte("Ce1", "Information", QStringLiteral("Arbre → moteur"));
        QVERIFY(!ini.enregistrer());
        const QByteArray octets = contenu(arbre.chemin("a.gdl"));
        QVERIFY(octets.startsWith("\xFF\xFE"));
        QCOMPARE(FichierIni(arbre.chemin("a.gdl")).lireTexte("CE1", "information"), QStringLiteral("Arbre → moteur"));
    }

    void texteQuiRessembleAUtf8()
    {
        ArbreMecanismes arbre;
        FichierIni ini(arbre.chemin("a.gdl"));
        ini.ecrireTexte("Ce1", "Information", QStringLiteral("Ã©"));
        QVERIFY(!ini.enregistrer());
        QCOMPARE(FichierIni(arbre.chemin("a.gdl")).lireTexte("Ce1", "Information"), QStringLiteral("Ã©"));
    }

    void echecDEcritureGardeLAncienFichier()
    {
        ArbreMecanismes arbre;
        // A path through a regular file cannot be created, even by root.
        const QString bloquant = arbre.ecrireTexte("fichier", "x");
        FichierIni impossible(bloquant + "/a.gdl");
        impossible.ecrireTexte("S", "K", "v");
        QVERIFY(impossible.enregistrer().has_value());

        const QString chemin = arbre.ecrireTexte("dossier.gdl/garde", "x");
        FichierIni surDossier(arbre.chemin("dossier.gdl"));
        surDossier.ecrireTexte("S", "K", "v");
        QVERIFY(surDossier.enregistrer().has_value());
        QCOMPARE(contenu(chemin), QByteArray("x"));
    }
};

VELKORA_TEST(TestFichierIni)
#include "TestFichierIni.moc"
