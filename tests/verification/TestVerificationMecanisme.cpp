#include "common/FichierIni.h"
#include "support/Enregistrement.h"
#include "support/MecanismeComplet.h"
#include "verification/VerificationMecanisme.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QtTest>

namespace {

// One change that breaks the complete mechanism: a key set in an INI file, a picture written, raw
// bytes written, a file removed or renamed.
struct Casse {
    QString section;
    QString cle;
    QString valeur;
    QImage image;
    QByteArray octets;
    bool effacer = false;
    QString renommer;
};

void appliquer(const ArbreMecanismes &arbre, const QString &relatif, const Casse &c)
{
    const QString chemin = arbre.chemin(relatif);
    if (!c.section.isEmpty()) {
        FichierIni ini(chemin);
        ini.ecrireTexte(c.section, c.cle, c.valeur);
        QVERIFY(!ini.enregistrer());
    } else if (!c.image.isNull()) {
        arbre.ecrireBmp(relatif, c.image);
    } else if (!c.octets.isEmpty()) {
        arbre.ecrireOctets(relatif, c.octets);
    } else if (c.effacer) {
        QVERIFY(QFile::remove(chemin));
    } else if (!c.renommer.isEmpty()) {
        QVERIFY(QFile::rename(chemin, QFileInfo(chemin).absolutePath() + u'/' + c.renommer));
    }
}

// The plan decoding's zone map with part 2 (zone 3, blue) reaching over half of zone 2, which is in
// the other equivalence class.
QImage pieceDebordante()
{
    QImage trame = TrameComplete();
    QPainter(&trame).fillRect(19, 2, 5, 20, CouleurZone3);
    return trame;
}

Casse cle(const QString &section, const QString &cle, const QString &valeur) { return {section, cle, valeur}; }

} // namespace
Q_DECLARE_METATYPE(Casse)

class TestVerificationMecanisme : public QObject {
    Q_OBJECT
private slots:
    // Each row breaks one rule that a window relies on, once, in an otherwise clean mechanism: the
    // checker names that file and line, and finds nothing else.
    void chaqueRegleEnfreinte_data()
    {
        QTest::addColumn<QString>("fichier");
        QTest::addColumn<Casse>("casse");
        QTest::addColumn<QString>("signale");
        QTest::addColumn<int>("ligne");
        QTest::addColumn<QString>("extrait");
        QTest::addColumn<QString>("resume");

        const QString p = QStringLiteral("meca/coloriage_p/");
        const QString ce = QStringLiteral("meca/coloriage_ce/");
        const QString correction = QStringLiteral("meca/schema_cinematique/correction.gdl");
        QTest::newRow("propre") << QString() << Casse{} << QString() << 0 << QString() << "0 erreurs, 0 avertissements";
        QTest::newRow("fichier manquant")
            << p + "plan.bmp" << Casse{.effacer = true} << p + "plan.bmp" << 0 << "manquant"
            << "1 erreur, 0 avertissements";
        QTest::newRow("image de classe manquante") << "meca/graphe_des_liaisons/2.bmp" << Casse{.effacer = true}
                                                   << "meca/graphe_des_liaisons/2.bmp" << 0 << "manquant"
                                                   << "1 erreur, 0 avertissements";
        QTest::newRow("valeur illisible") << ce + "condition.inf" << cle("NOMBRE DE ZONES", "Combien", "trois")
                                          << ce + "condition.inf" << 2 << "« trois »"
                                          << "1 erreur, 0 avertissements";
        QTest::newRow("drapeau illisible")
            << "meca.sch" << cle("EXERCICE", "Exo4", "oui") << "meca.sch" << 6 << "« oui »"
            << "1 erreur, 0 avertissements";
        QTest::newRow("couleur invalide")
            << p + "condition.inf" << cle("COULEUR", "Zone2", "rouge") << p + "condition.inf" << 7 << "rouge"
            << "1 erreur, 0 avertissements";
        QTest::newRow("couleur de zone sans cle") << "meca/presentation/condition.inf" << cle("COULEUR", "Piece1", "")
                                                  << "meca/presentation/condition.inf" << 4 << "Piece1"
                                                  << "1 erreur, 0 avertissements";
        QTest::newRow("image illisible") << "meca/schema_cinematique/trame.bmp" << Casse{.octets = "BM pas une image"}
                                         << "meca/schema_cinematique/trame.bmp" << 0 << "image"
                                         << "1 erreur, 0 avertissements";
        QTest::newRow("tailles differentes")
            << "meca/presentation/plan.bmp" << Casse{.image = ImageUnie(20, 30, Qt::white)}
            << "meca/presentation/trame.bmp" << 0 << "même taille"
            << "1 erreur, 0 avertissements";
        QTest::newRow("couleur absente de la trame")
            << "meca/presentation/condition.inf" << cle("COULEUR", "Piece2", "clYellow")
            << "meca/presentation/condition.inf" << 5 << "n'apparaît nulle part"
            << "1 erreur, 0 avertissements";
        QTest::newRow("couleur noire") << ce + "condition.inf" << cle("COULEUR", "Zone3", "clBlack")
                                       << ce + "condition.inf" << 8 << "noir"
                                       << "1 erreur, 0 avertissements";
        QTest::newRow("couleur blanche") << "meca/schema_cinematique/condition.inf" << cle("TRAME", "ce2", "$FFFFFF")
                                         << "meca/schema_cinematique/condition.inf" << 7 << "blanc"
                                         << "1 erreur, 0 avertissements";
        QTest::newRow("couleur partagee") << p + "condition.inf" << cle("COULEUR", "Zone2", "clRed")
                                          << p + "condition.inf" << 7 << "même couleur que la zone 1"
                                          << "1 erreur, 0 avertissements";
        QTest::newRow("solution trop courte")
            << p + "solution.inf" << cle("SOLUTIONS", "Solution2", "01") << p + "solution.inf" << 3 << "2 caractères"
            << "1 erreur, 0 avertissements";
        QTest::newRow("solution trop longue")
            << p + "solution.inf" << cle("SOLUTIONS", "Solution1", "1100") << p + "solution.inf" << 2 << "4 caractères"
            << "1 erreur, 0 avertissements";
        QTest::newRow("zone d'aucune piece") << p + "solution.inf" << cle("SOLUTIONS", "Solution2", "000")
                                             << p + "solution.inf" << 0 << "zone 3 n'appartient à aucune pièce"
                                             << "1 erreur, 0 avertissements";
        QTest::newRow("zone de deux classes") << ce + "solution.inf" << cle("SOLUTIONS", "Solution2", "101")
                                              << ce + "solution.inf" << 3 << "zone 1 appartient à la fois"
                                              << "1 erreur, 0 avertissements";
        QTest::newRow("classe qui coupe une piece")
            << p + "trame.bmp" << Casse{.image = pieceDebordante()} << ce + "solution.inf" << 0 << "pièce 2"
            << "1 erreur, 0 avertissements";
        QTest::newRow("liaison non projetee")
            << correction << cle("Liaison1", "Liaison2D", "0") << correction << 11 << "pas projetée"
            << "1 erreur, 0 avertissements";
        QTest::newRow("classe au-dela du compte")
            << correction << cle("Liaison1", "Ce2", "3") << correction << 11 << "classe d'équivalence 3"
            << "1 erreur, 0 avertissements";
        QTest::newRow("liaison d'une classe a elle-meme")
            << correction << cle("Liaison1", "Ce1", "2") << correction << 11 << "elle-même"
            << "1 erreur, 0 avertissements";
        QTest::newRow("autre mecanisme") << correction << cle("MECANISME", "Mecanisme", "autre") << correction << 2
                                         << "« autre »"
                                         << "1 erreur, 0 avertissements";
        QTest::newRow("mecanisme a une autre casse") << correction << cle("MECANISME", "Mecanisme", "Meca") << QString()
                                                     << 0 << QString() << "0 erreurs, 0 avertissements";
        // The program finds such a name on every system.
        QTest::newRow("nom de fichier a une autre casse")
            << "meca/graphe_des_liaisons/2.bmp" << Casse{.renommer = "2.BMP"} << QString() << 0 << QString()
            << "0 erreurs, 0 avertissements";
        QTest::newRow("deux batis") << correction << cle("Ce2", "Bati", "1") << correction << 0 << "Plusieurs"
                                    << "0 erreurs, 1 avertissement";
        QTest::newRow("repere d'aucune piece")
            << "meca/presentation/condition.inf" << cle("NOMBRE DE PIECES", "Combien", "1")
            << "meca/presentation/condition.inf" << 2 << "aucune pièce de 1 à 1 (clBlue)"
            << "1 erreur, 0 avertissements";
        const QByteArray conditionGraphe("[NOMBRE DE CLASSES D EQUIVALENCE]\nCombien=2\n[IMPRIMER]\nVisible=0\n"
                                         "[INFORMATION]\nce1=B\xC3\xA2ti\n");
        QTest::newRow("octet Windows-1252 dans de l'UTF-8") << "meca/graphe_des_liaisons/condition.inf"
                                                            << Casse{.octets = conditionGraphe + "ce2=Pi\xE8"
                                                                                                 "ce\n"}
                                                            << "meca/graphe_des_liaisons/condition.inf" << 7 << "0xE8"
                                                            << "1 erreur, 0 avertissements";
        QTest::newRow("Windows-1252 sans UTF-8")
            << "meca/graphe_des_liaisons/condition.inf"
            << Casse{.octets = "[NOMBRE DE CLASSES D EQUIVALENCE]\nCombien=2\n[INFORMATION]\nce1=B\xE2ti\n"}
            << QString() << 0 << QString() << "0 erreurs, 0 avertissements";
    }
    void chaqueRegleEnfreinte()
    {
        QFETCH(QString, fichier);
        QFETCH(Casse, casse);
        QFETCH(QString, signale);
        QFETCH(int, ligne);
        QFETCH(QString, extrait);
        QFETCH(QString, resume);

        const ArbreMecanismes arbre;
        const QString descripteur = EcrireMecanismeComplet(arbre, QStringLiteral("meca"));
        if (!fichier.isEmpty())
            appliquer(arbre, fichier, casse);

        const RapportVerification rapport = VerifierMecanisme(descripteur);
        const QString texte = rapport.texte();
        QVERIFY2(texte.endsWith(resume + u'\n'), qPrintable(texte));
        if (signale.isEmpty())
            return;
        const auto trouve = std::find_if(rapport.constats().begin(), rapport.constats().end(), [&](const Constat &c) {
            return c.fichier == signale && c.ligne == ligne && c.texte.contains(extrait);
        });
        QVERIFY2(trouve != rapport.constats().end(), qPrintable(texte));
    }
};

VELKORA_TEST(TestVerificationMecanisme)
#include "TestVerificationMecanisme.moc"
