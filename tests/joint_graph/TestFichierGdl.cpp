#include "common/EncodageTexte.h"
#include "common/FichierIni.h"
#include "joint_graph/FichierGdl.h"
#include "joint_graph/NomMecanisme.h"
#include "support/ArbreMecanismes.h"
#include "support/Enregistrement.h"
#include "support/SansRoot.h"

#include <QtTest>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

namespace {

GrapheLiaisons grapheExemple()
{
    GrapheLiaisons g;
    g.DossierExercice = DossierGrapheDesLiaisons(QStringLiteral("meca"));
    g.DefinirNbrCe(2);
    g.DefinirNbrLiaison(1);
    g.Ce(1) = {clRed, true, QPoint(8, 8), QString()};
    g.Ce(2) = {0x00FF8000, false, QPoint(120, 8), QStringLiteral("Arbre")};
    g.Liaison(1) = {2, 1, 4, 1, -45};
    return g;
}

const QByteArray OctetsExemple = "[MECANISME]\r\nMecanisme=meca\r\nNbrCe=2\r\nNbrLiaison=1\r\n"
                                 "[Ce1]\r\nCouleur=clRed\r\nBati=1\r\nLeft=8\r\nTop=8\r\nInformation=\r\n"
                                 "[Ce2]\r\nCouleur=$00FF8000\r\nBati=0\r\nLeft=120\r\nTop=8\r\nInformation=Arbre\r\n"
                                 "[Liaison1]\r\nCe1=2\r\nCe2=1\r\nLiaison3D=4\r\nLiaison2D=1\r\nInclineaison=-45\r\n";

GrapheLiaisons grapheNumerote(int nbrCe, int nbrLiaison, int graine)
{
    GrapheLiaisons g;
    g.DossierExercice = DossierGrapheDesLiaisons(QStringLiteral("meca"));
    g.DefinirNbrCe(nbrCe);
    g.DefinirNbrLiaison(nbrLiaison);
    for (int n = 1; n <= nbrCe; ++n)
        g.Ce(n) = {static_cast<TColor>(0x00010203 * (n + graine)), n == 2, QPoint(10 * n, graine - n),
                   QStringLiteral("Classe %1").arg(n)};
    for (int n = 1; n <= nbrLiaison; ++n)
        g.Liaison(n) = {n % nbrCe + 1, (n + 1) % nbrCe + 1, (n + graine) % 12, n % 4, n % 4 ? 15 * n : 0};
    return g;
}

QByteArray lireOctets(const QString &chemin)
{
    QFile fichier(chemin);
    return fichier.open(QIODevice::ReadOnly) ? fichier.readAll() : QByteArray();
}

QString entete(const QString &mecanisme, const QString &nbrCe, const QString &nbrLiaison)
{
    return QStringLiteral("[MECANISME]\r\nMecanisme=%1\r\nNbrCe=%2\r\nNbrLiaison=%3\r\n")
        .arg(mecanisme, nbrCe, nbrLiaison);
}

QString classes(int nombre)
{
    QString texte;
    for (int n = 1; n <= nombre; ++n)
        texte += QStringLiteral("[Ce%1]\r\nCouleur=$0000000%1\r\n").arg(n);
    return texte;
}

QString liaison(int n, int ce1, int ce2, int liaison3D, int liaison2D)
{
    return QStringLiteral("[Liaison%1]\r\nCe1=%2\r\nCe2=%3\r\nLiaison3D=%4\r\nLiaison2D=%5\r\n")
        .arg(n)
        .arg(ce1)
        .arg(ce2)
        .arg(liaison3D)
        .arg(liaison2D);
}

} // namespace

class TestFichierGdl : public QObject {
    Q_OBJECT
private slots:
    void exempleOctetPourOctet()
    {
        ArbreMecanismes arbre;
        const QString chemin = arbre.chemin(QStringLiteral("exemple.gdl"));
        const GrapheLiaisons graphe = grapheExemple();
        QCOMPARE(EnregistrerGdl(graphe, chemin), std::nullopt);
        QCOMPARE(lireOctets(chemin), OctetsExemple);

        const LectureGdl lecture = LireGdl(chemin);
        QVERIFY2(lecture.reussie(), qPrintable(lecture.erreur));
        QVERIFY(lecture.graphe == graphe);
    }

    void ancienGrapheGardeSesSections()
    {
        ArbreMecanismes arbre;
        const QString chemin =
            arbre.ecrireTexte(QStringLiteral("g.gdl"), QStringLiteral("[NOTES]\r\nAuteur=M. Roux\r\n"));
        const GrapheLiaisons grand = grapheNumerote(5, 8, 3);
        QCOMPARE(EnregistrerGdl(grand, chemin), std::nullopt);

        GrapheLiaisons petit = grapheNumerote(3, 2, 7);
        petit.Ce(1).Information = QStringLiteral("  retrait voulu ");
        petit.Ce(2).Information = QStringLiteral("\"cité\"");
        petit.Ce(3).Information = QStringLiteral("'a' ou 'b'");
        petit.Liaison(2) = {3, 0, 6, 0, 0}; // still being edited
        QCOMPARE(EnregistrerGdl(petit, chemin), std::nullopt);

        const LectureGdl lecture = LireGdl(chemin);
        QVERIFY2(lecture.reussie(), qPrintable(lecture.erreur));
        QCOMPARE(lecture.graphe.NbrCe(), 3);
        QCOMPARE(lecture.graphe.NbrLiaison(), 2);
        QVERIFY(lecture.graphe == petit);

        const FichierIni ini(chemin);
        QCOMPARE(ini.lireTexte(QStringLiteral("NOTES"), QStringLiteral("Auteur")), QStringLiteral("M. Roux"));
        for (int n = 4; n <= 5; ++n)
            QCOMPARE(ini.lireTexte(QStringLiteral("Ce%1").arg(n), QStringLiteral("Information")),
                     grand.Ce(n).Information);
        for (int n = 3; n <= 8; ++n)
            QCOMPARE(ini.lireEntier(QStringLiteral("Liaison%1").arg(n), QStringLiteral("Liaison3D"), -1),
                     grand.Liaison(n).Liaison3D);
    }

    void nomDuMecanisme_data()
    {
        QTest::addColumn<QString>("dossierExercice");
        QTest::addColumn<QString>("fichier");
        QTest::addColumn<QString>("nom");
        QTest::newRow("mécanisme") << "/opt/velkora/meca/graphe_des_liaisons/"
                                   << "meca/graphe_des_liaisons/g.gdl"
                                   << "meca";
        QTest::newRow("sans mécanisme") << "/opt/velkora/sansmecanisme/graphe_des_liaisons/"
                                        << "sansmecanisme/graphe_des_liaisons/sauvegarde automatique.gdl"
                                        << "sansmecanisme";
        QTest::newRow("copié ailleurs") << "/opt/velkora/meca/graphe_des_liaisons/"
                                        << "ailleurs/profond/copie.gdl"
                                        << "meca";
        QTest::newRow("séparateurs Windows doublés") << "D:\\Appli\\\\meca\\\\graphe_des_liaisons\\"
                                                     << "g.gdl"
                                                     << "meca";
        QTest::newRow("séparateurs mêlés") << "/opt//velkora\\treuil//graphe_des_liaisons//"
                                           << "g.gdl"
                                           << "treuil";
    }
    void nomDuMecanisme()
    {
        QFETCH(QString, dossierExercice);
        QFETCH(QString, fichier);
        QFETCH(QString, nom);
        ArbreMecanismes arbre;
        QDir().mkpath(QFileInfo(arbre.chemin(fichier)).absolutePath());
        GrapheLiaisons graphe = grapheExemple();
        graphe.DossierExercice = dossierExercice;
        QCOMPARE(EnregistrerGdl(graphe, arbre.chemin(fichier)), std::nullopt);
        QCOMPARE(FichierIni(arbre.chemin(fichier)).lireTexte(QStringLiteral("MECANISME"), QStringLiteral("Mecanisme")),
                 nom);

        const LectureGdl lecture = LireGdl(arbre.chemin(fichier));
        QVERIFY2(lecture.reussie(), qPrintable(lecture.erreur));
        QCOMPARE(lecture.mecanisme, nom);
        QCOMPARE(lecture.graphe.DossierExercice, arbre.dossier() + nom + QStringLiteral("/graphe_des_liaisons/"));
        QCOMPARE(DossierSchemaCinematique(lecture.mecanisme),
                 arbre.dossier() + nom + QStringLiteral("/schema_cinematique/"));
    }

    // Other letter cases, blanks, quotes, hexadecimal numbers and LF line ends; nothing past the counts is read.
    void fichierEcritALaMain()
    {
        ArbreMecanismes arbre;
        const QString chemin =
            arbre.ecrireTexte(QStringLiteral("main.GDL"),
                              QStringLiteral("[ mecanisme ]\n MECANISME = \"meca\" \nnbrce = 0x2\nNbrLiaison='1'\n"
                                             "[ce1]\ncouleur = 'clred'\nBATI = 5\nleft=$10\n Top = -4 \n"
                                             "information = \"  Arbre moteur  \"\n"
                                             "[CE2]\nCouleur=$00FF8000\nInformation=Bâti du treuil\n"
                                             "[Ce3]\nCouleur=rouge\n"
                                             "[liaison1]\nce1=2\nCE2=1\nliaison3d=4\nLiaison2D = 1\ninclineaison=-45\n"
                                             "[Liaison2]\nLiaison3D=99\n"));
        const LectureGdl lecture = LireGdl(chemin);
        QVERIFY2(lecture.reussie(), qPrintable(lecture.erreur));
        const GrapheLiaisons &g = lecture.graphe;
        QCOMPARE(g.NbrCe(), 2);
        QCOMPARE(g.NbrLiaison(), 1);
        QCOMPARE(g.Ce(1), (TCe{clRed, true, QPoint(16, -4), QStringLiteral("  Arbre moteur  ")}));
        QCOMPARE(g.Ce(2), (TCe{0x00FF8000, false, QPoint(0, 0), QStringLiteral("Bâti du treuil")}));
        QCOMPARE(g.Liaison(1), (TLiaison{2, 1, 4, 1, -45}));
        QCOMPARE(g.Liaison(2), TLiaison{});
    }

    void informationAccentuee_data()
    {
        QTest::addColumn<QString>("information");
        QTest::addColumn<bool>("utf16");
        QTest::newRow("windows-1252") << "Arbre à cames — pièce n°3, œil" << false;
        QTest::newRow("utf-16") << "Roulement ∅ 12, angle α" << true;
    }
    void informationAccentuee()
    {
        QFETCH(QString, information);
        QFETCH(bool, utf16);
        ArbreMecanismes arbre;
        const QString chemin = arbre.chemin(QStringLiteral("accents.gdl"));
        GrapheLiaisons graphe = grapheExemple();
        graphe.Ce(1).Information = information;
        QCOMPARE(EnregistrerGdl(graphe, chemin), std::nullopt);
        const QByteArray octets = lireOctets(chemin);
        QCOMPARE(octets.startsWith("\xFF\xFE"), utf16);
        if (!utf16)
            QVERIFY(octets.contains("Information=Arbre \xE0 cames \x97 pi\xE8"
                                    "ce n\xB0"
                                    "3, \x9C"
                                    "il\r\n"));
        const LectureGdl lecture = LireGdl(chemin);
        QVERIFY2(lecture.reussie(), qPrintable(lecture.erreur));
        QCOMPARE(lecture.graphe.Ce(1).Information, information);
        QVERIFY(lecture.graphe == graphe);
    }

    // A graph read, saved unchanged and read again is the same graph, on the same mechanism.
    void relectureDeCeQuiAEteEnregistre_data()
    {
        QTest::addColumn<QByteArray>("octets");
        const QByteArray suite = "NbrCe=1\r\n[Ce1]\r\nCouleur=clRed\r\nInformation=Arbre\r\n";
        QTest::newRow("retour chariot dans le nom") << "[MECANISME]\r\nMecanisme=a\ro\r\n" + suite;
        QTest::newRow("retour chariot dans l'information") << QByteArray(
            "[MECANISME]\r\nMecanisme=meca\r\nNbrCe=1\r\n[Ce1]\r\nCouleur=clRed\r\nInformation=ligne\rsuite\r\n");
        QTest::newRow("nom entre doubles guillemets") << "[MECANISME]\r\nMecanisme=\"\"meca\"\"\r\n" + suite;
        QTest::newRow("nom entouré de blancs") << "[MECANISME]\r\nMecanisme=\" meca \"\r\n" + suite;
        QTest::newRow("nom entre apostrophes") << "[MECANISME]\r\nMecanisme=\"'meca'\"\r\n" + suite;
        // The byte-order mark, then the same mark twice as the first characters of the text; the Greek
        // letter has the graph saved in UTF-16.
        QTest::newRow("marques d'ordre des octets répétées")
            << QByteArray("\xFF\xFE\xFF\xFE\xFF\xFE", 6) +
                   EncoderTexte(QStringLiteral("[MECANISME]\r\nMecanisme=autre\r\n[MECANISME]\r\nMecanisme=meca\r\n"
                                               "NbrCe=1\r\n[Ce1]\r\nCouleur=clRed\r\nInformation=angle α\r\n"),
                                Encodage::Utf16LE)
                       .mid(2);
        QTest::newRow("marque UTF-8 doublée")
            << QByteArray(
                   "\xEF\xBB\xBF\xEF\xBB\xBF[MECANISME]\r\nMecanisme=meca\r\n[MECANISME]\r\nMecanisme=autre\r\n") +
                   suite;
    }
    void relectureDeCeQuiAEteEnregistre()
    {
        QFETCH(QByteArray, octets);
        ArbreMecanismes arbre;
        const QString chemin = arbre.ecrireOctets(QStringLiteral("g.gdl"), octets);
        const LectureGdl premiere = LireGdl(chemin);
        QVERIFY2(premiere.reussie(), qPrintable(premiere.erreur));
        QCOMPARE(EnregistrerGdl(premiere.graphe, chemin), std::nullopt);
        const LectureGdl seconde = LireGdl(chemin);
        QVERIFY2(seconde.reussie(), qPrintable(seconde.erreur));
        QCOMPARE(seconde.mecanisme, premiere.mecanisme);
        QCOMPARE(seconde.graphe.DossierExercice, premiere.graphe.DossierExercice);
        QVERIFY(seconde.graphe == premiere.graphe);
    }

    // Two joints between the same two classes (a shaft on two bearings, in either order), the rotation at
    // both ends of its range and a joint still without its classes, read back as saved.
    void liaisonsRelues_data()
    {
        QTest::addColumn<QList<int>>("premiere");
        QTest::addColumn<QList<int>>("seconde");
        QTest::newRow("paliers en parallèle") << QList<int>{1, 2, 4, 0, 0} << QList<int>{2, 1, 7, 0, 0};
        QTest::newRow("même paire dans le même ordre") << QList<int>{3, 1, 4, 1, 15} << QList<int>{3, 1, 9, 2, 0};
        QTest::newRow("demi-tour") << QList<int>{1, 2, 4, 1, 180} << QList<int>{2, 3, 5, 3, -180};
        // Saved while the joint was being made: no class chosen yet is no joint from a class to itself.
        QTest::newRow("liaison en cours d'édition") << QList<int>{0, 0, 0, 0, 0} << QList<int>{1, 2, 4, 1, 0};
    }
    void liaisonsRelues()
    {
        QFETCH(QList<int>, premiere);
        QFETCH(QList<int>, seconde);
        ArbreMecanismes arbre;
        const QString chemin = arbre.chemin(QStringLiteral("g.gdl"));
        GrapheLiaisons graphe = grapheNumerote(3, 2, 1);
        graphe.Liaison(1) = {premiere[0], premiere[1], premiere[2], premiere[3], premiere[4]};
        graphe.Liaison(2) = {seconde[0], seconde[1], seconde[2], seconde[3], seconde[4]};
        QCOMPARE(EnregistrerGdl(graphe, chemin), std::nullopt);
        const LectureGdl lecture = LireGdl(chemin);
        QVERIFY2(lecture.reussie(), qPrintable(lecture.erreur));
        QVERIFY(lecture.graphe == graphe);
    }

    // Names the reader must refuse, or a graph would open that could never be saved: each gives the
    // usual message.
    void nomIllisible_data()
    {
        QTest::addColumn<QByteArray>("octets");
        QTest::addColumn<QString>("nom");
        QTest::newRow("caractère de contrôle")
            << QByteArray("[MECANISME]\r\nMecanisme=me\tca\r\nNbrCe=0\r\n") << QStringLiteral("me\tca");
        const QString seul = QStringLiteral("me") + QChar(0xD800) + QStringLiteral("ca");
        QTest::newRow("demi-paire UTF-16")
            << EncoderTexte(QStringLiteral("[MECANISME]\r\nMecanisme=%1\r\nNbrCe=0\r\n").arg(seul), Encodage::Utf16LE)
            << seul;
        const QString long_ = QString(128, QChar(u'é')); // 256 bytes of UTF-8
        QTest::newRow("trop long pour un dossier")
            << QStringLiteral("[MECANISME]\r\nMecanisme=%1\r\nNbrCe=0\r\n").arg(long_).toUtf8() << long_;
    }
    void nomIllisible()
    {
        QFETCH(QByteArray, octets);
        QFETCH(QString, nom);
        ArbreMecanismes arbre;
        const LectureGdl lecture = LireGdl(arbre.ecrireOctets(QStringLiteral("g.gdl"), octets));
        QVERIFY(!lecture.reussie());
        QCOMPARE(lecture.erreur,
                 QStringLiteral("Le fichier \"g.gdl\" indique le mécanisme \"%1\", qui n'est pas un nom de dossier "
                                "valide.")
                     .arg(nom));
    }

    void refus_data()
    {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<int>("arret");
        QTest::addColumn<int>("numero");
        QTest::addColumn<QString>("message");
        const int entete_ = int(LectureGdl::Arret::Entete);
        const int liaison_ = int(LectureGdl::Arret::Liaison);
        const QString nomInvalide =
            QStringLiteral("Le fichier \"g.gdl\" indique le mécanisme \"%1\", qui n'est pas un nom de dossier valide.");
        const QString sansNom = QStringLiteral("Le fichier \"g.gdl\" n'indique pas le nom de son mécanisme.");

        const QString nbrCe = QStringLiteral("Le fichier \"g.gdl\" annonce %1 classes d'équivalence ; il en faut "
                                             "entre 0 et 9.");
        QTest::newRow("10 classes") << entete("meca", "10", "0") << entete_ << 0 << nbrCe.arg(10);
        QTest::newRow("-1 classe") << entete("meca", "-1", "0") << entete_ << 0 << nbrCe.arg(-1);
        QTest::newRow("21 liaisons") << entete("meca", "2", "21") + classes(2) << entete_ << 0
                                     << "Le fichier \"g.gdl\" annonce 21 liaisons ; il en faut entre 0 et 20.";
        QTest::newRow("-1 liaison") << entete("meca", "2", "-1") + classes(2) << entete_ << 0
                                    << "Le fichier \"g.gdl\" annonce -1 liaisons ; il en faut entre 0 et 20.";
        const QString deuxClasses = entete("meca", "2", "2") + classes(2) + liaison(1, 1, 2, 11, 3);
        QTest::newRow("classe au-delà de NbrCe")
            << deuxClasses + liaison(2, 3, 1, 1, 1) << liaison_ << 2
            << "La liaison 2 du fichier \"g.gdl\" désigne la classe d'équivalence 3, qui n'existe pas.";
        QTest::newRow("classe négative")
            << deuxClasses + liaison(2, 1, -1, 1, 1) << liaison_ << 2
            << "La liaison 2 du fichier \"g.gdl\" désigne la classe d'équivalence -1, qui n'existe pas.";
        const QString type = QStringLiteral("La liaison 2 du fichier \"g.gdl\" désigne le type de liaison %1, "
                                            "qui n'existe pas.");
        QTest::newRow("type 12") << deuxClasses + liaison(2, 1, 2, 12, 1) << liaison_ << 2 << type.arg(12);
        QTest::newRow("type -1") << deuxClasses + liaison(2, 1, 2, -1, 1) << liaison_ << 2 << type.arg(-1);
        QTest::newRow("vue 4") << deuxClasses + liaison(2, 1, 2, 1, 4) << liaison_ << 2
                               << "La liaison 2 du fichier \"g.gdl\" désigne la vue plane 4, qui n'existe pas.";
        QTest::newRow("vue -1") << deuxClasses + liaison(2, 1, 2, 1, -1) << liaison_ << 2
                                << "La liaison 2 du fichier \"g.gdl\" désigne la vue plane -1, qui n'existe pas.";
        for (const QString &nom : {QStringLiteral(".."), QStringLiteral("."), QStringLiteral("../.."),
                                   QStringLiteral("a/b"), QStringLiteral("a\\b"), QStringLiteral("/etc"),
                                   QStringLiteral("me") + QChar(u'\0') + QStringLiteral("ca")})
            QTest::newRow(qPrintable(QStringLiteral("nom %1").arg(nom)))
                << entete(nom, "0", "0") << entete_ << 0 << nomInvalide.arg(nom);
        QTest::newRow("nom vide") << entete("", "0", "0") << entete_ << 0 << sansNom;
        QTest::newRow("nom entre guillemets vides") << entete("\"\"", "0", "0") << entete_ << 0 << sansNom;
        QTest::newRow("sans nom") << "[MECANISME]\r\nNbrCe=0\r\n" << entete_ << 0 << sansNom;
        QTest::newRow("fichier absent") << QString() << int(LectureGdl::Arret::Fichier) << 0
                                        << "Impossible d'ouvrir le fichier \"g.gdl\".";
    }
    void refus()
    {
        QFETCH(QString, texte);
        QFETCH(int, arret);
        QFETCH(int, numero);
        QFETCH(QString, message);
        ArbreMecanismes arbre;
        const QString chemin = arbre.chemin(QStringLiteral("g.gdl"));
        if (!texte.isNull())
            arbre.ecrireTexte(QStringLiteral("g.gdl"), texte);
        const LectureGdl lecture = LireGdl(chemin);
        QCOMPARE(int(lecture.arret), arret);
        QCOMPARE(lecture.numeroArret, numero);
        QCOMPARE(lecture.erreur, message);
        QVERIFY(!lecture.reussie());
        if (arret == int(LectureGdl::Arret::Liaison)) {
            QCOMPARE(lecture.graphe.Liaison(1), (TLiaison{1, 2, 11, 3, 0}));
            QCOMPARE(lecture.graphe.Liaison(2), TLiaison{});
        } else {
            QVERIFY(lecture.graphe == GrapheLiaisons{});
        }
    }

    void couleurInvalide_data()
    {
        QTest::addColumn<QString>("ce2");
        QTest::addColumn<QString>("message");
        QTest::newRow("mot") << "[Ce2]\r\nCouleur=rouge\r\nBati=1\r\n"
                             << "''rouge'' n'est pas une valeur entière valide.";
        QTest::newRow("absente") << "[Ce2]\r\nBati=1\r\n"
                                 << "'''' n'est pas une valeur entière valide.";
    }
    void couleurInvalide()
    {
        QFETCH(QString, ce2);
        QFETCH(QString, message);
        ArbreMecanismes arbre;
        const QString chemin = arbre.ecrireTexte(
            QStringLiteral("g.gdl"), entete("meca", "3", "1") +
                                         "[Ce1]\r\nCouleur=clBlue\r\nLeft=5\r\n[Ce3]\r\nCouleur=clLime\r\n" + ce2 +
                                         liaison(1, 1, 2, 3, 1));
        const LectureGdl lecture = LireGdl(chemin);
        QCOMPARE(lecture.arret, LectureGdl::Arret::Ce);
        QCOMPARE(lecture.numeroArret, 2);
        QCOMPARE(lecture.erreur, message);
        QVERIFY(lecture.enteteLue());
        QCOMPARE(lecture.graphe.DossierExercice, arbre.dossier() + QStringLiteral("meca/graphe_des_liaisons/"));
        QCOMPARE(lecture.graphe.NbrCe(), 3);
        QCOMPARE(lecture.graphe.NbrLiaison(), 1);
        QCOMPARE(lecture.graphe.Ce(1), (TCe{0x00FF0000, false, QPoint(5, 0), QString()}));
        QCOMPARE(lecture.graphe.Ce(2), TCe{});
        QCOMPARE(lecture.graphe.Ce(3), TCe{});
        QCOMPARE(lecture.graphe.Liaison(1), TLiaison{});
    }

    void ecritureImpossible_data()
    {
        QTest::addColumn<QString>("cas");
        for (const char *cas : {"dossier en lecture seule", "taille de fichier limitée", "chemin d'un dossier",
                                "chemin à travers un fichier", "ancien fichier illisible"})
            QTest::newRow(cas) << QString::fromUtf8(cas);
    }
    void ecritureImpossible()
    {
        QFETCH(QString, cas);
        ArbreMecanismes arbre;
        const QByteArray ancien = "[MECANISME]\r\nMecanisme=ancien\r\nNbrCe=0\r\n[NOTES]\r\nA=1\r\n";
        QString chemin = arbre.ecrireOctets(QStringLiteral("ro/g.gdl"), ancien);
        const QString dossier = arbre.chemin(QStringLiteral("ro"));
        std::optional<QString> erreur;

        // Permission bits do not hold for root: those two cases are run by an ordinary user, whose
        // reason is brought back as the exit code of its process.
        const auto commeUtilisateur = [&] {
            const QString attendu = MessageEcritureImpossible(chemin);
            return ExecuterSansRoot([&] { return EnregistrerGdl(grapheExemple(), chemin) == attendu ? 0 : 1; }) == 0
                       ? std::optional<QString>(attendu)
                       : std::optional<QString>(QStringLiteral("échec dans le processus sans droits de root"));
        };
        if (cas == u"dossier en lecture seule") {
            OuvrirAuxAutres(arbre.dossier()); // readable by all, writable by its owner only
            erreur = commeUtilisateur();
        } else if (cas == u"taille de fichier limitée") {
#ifdef Q_OS_UNIX
            rlimit limite{};
            getrlimit(RLIMIT_FSIZE, &limite);
            const rlimit petite{16, limite.rlim_max};
            const auto ancienSignal = std::signal(SIGXFSZ, SIG_IGN);
            setrlimit(RLIMIT_FSIZE, &petite);
            erreur = EnregistrerGdl(grapheExemple(), chemin);
            setrlimit(RLIMIT_FSIZE, &limite);
            std::signal(SIGXFSZ, ancienSignal);
#else
            QSKIP("no file size limit on this system");
#endif
        } else if (cas == u"chemin d'un dossier") {
            chemin = dossier;
            erreur = EnregistrerGdl(grapheExemple(), chemin);
            QVERIFY(QFileInfo(dossier).isDir());
        } else if (cas == u"chemin à travers un fichier") {
            chemin += QStringLiteral("/dedans.gdl");
            erreur = EnregistrerGdl(grapheExemple(), chemin);
        } else {
            OuvrirAuxAutres(arbre.dossier());
            QFile::setPermissions(chemin, QFile::WriteOwner);
            erreur = commeUtilisateur();
            QFile::setPermissions(chemin, QFile::ReadOwner | QFile::WriteOwner);
        }
        QCOMPARE(erreur, std::optional<QString>(MessageEcritureImpossible(chemin)));
        QCOMPARE(lireOctets(arbre.chemin(QStringLiteral("ro/g.gdl"))), ancien);
        QCOMPARE(QDir(dossier).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("g.gdl")});
    }
};

VELKORA_TEST(TestFichierGdl)
#include "TestFichierGdl.moc"
