#include "MecanismeGraphe.h"

#include "diagram/LectureSchema.h"
#include "support/Enregistrement.h"
#include "support/Factices.h"
#include "support/MecanismeComplet.h"

#include <QAction>
#include <QtTest>

// A ".gdl" names its mechanism only: it reopens on that mechanism's folders in whichever folder of
// mechanisms holds it, the user's own or the room's as well as the program's.
class TestGrapheDesDossiers : public QObject {
    Q_OBJECT
private slots:
    void init() { dialoguesFactices().oublier(); }

    // Complete mechanisms "dossier/radical" are written; a graph naming nom reopens on "dossier/radical".
    void grapheRouvertDansSonDossier_data()
    {
        QTest::addColumn<QStringList>("mecanismes");
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("attendu");
        QTest::newRow("utilisateur") << QStringList{"utilisateur/meca"} << "meca"
                                     << "utilisateur/meca";
        QTest::newRow("salle") << QStringList{"salle/meca"} << "meca"
                               << "salle/meca";
        QTest::newRow("utilisateur avant le programme") << QStringList{"programme/meca", "utilisateur/meca"} << "meca"
                                                        << "utilisateur/meca";
        QTest::newRow("salle avant le réseau") << QStringList{"reseau/meca", "salle/meca", "programme/meca"} << "meca"
                                               << "salle/meca";
        QTest::newRow("nom exact avant la casse") << QStringList{"utilisateur/Meca", "programme/meca"} << "meca"
                                                  << "programme/meca";
        QTest::newRow("casse") << QStringList{"reseau/Meca"} << "meca"
                               << "reseau/Meca";
        QTest::newRow("mode libre dans le programme") << QStringList{"utilisateur/sansmecanisme"} << "sansmecanisme"
                                                      << "programme/sansmecanisme";
    }
    void grapheRouvertDansSonDossier()
    {
        QFETCH(QStringList, mecanismes);
        QFETCH(QString, nom);
        QFETCH(QString, attendu);
        ArbreMecanismes arbre;
        EcrireCatalogueTest(arbre);
        EcrireSansMecanisme(arbre);
        auto racine = [&](const QString &dossier) -> const RacineMecanismes & {
            return dossier == u"utilisateur" ? arbre.utilisateur()
                   : dossier == u"salle"     ? arbre.systeme(1)
                   : dossier == u"reseau"    ? arbre.systeme(2)
                                             : arbre;
        };
        for (const QString &mecanisme : mecanismes)
            EcrireMecanismeComplet(racine(mecanisme.section(u'/', 0, 0)), mecanisme.section(u'/', 1));
        const QString gdl = arbre.ecrireTexte(
            "Documents/g.gdl", QStringLiteral("[MECANISME]\r\nMecanisme=%1\r\nNbrCe=2\r\nNbrLiaison=1\r\n"
                                              "[Ce1]\r\nCouleur=clRed\r\nBati=1\r\n[Ce2]\r\nCouleur=clBlue\r\n"
                                              "[Liaison1]\r\nCe1=1\r\nCe2=2\r\nLiaison3D=2\r\nLiaison2D=1\r\n")
                                   .arg(nom));
        const QString dossier = racine(attendu.section(u'/', 0, 0)).chemin(attendu.section(u'/', 1));

        FenetreGraphe f;
        f.fenetre.OuvrirGDL(gdl);
        QCOMPARE(dialoguesFactices().textes(), QStringList());
        QCOMPARE(f.fenetre.Graphe().DossierExercice, dossier + QStringLiteral("/graphe_des_liaisons/"));
        // « Vérifier mon graphe » finds the correction of that same folder.
        QCOMPARE(f.action("MenuVerifierGraphe")->isVisible(), nom != u"sansmecanisme");

        const LectureSchema schema = LireSchema(gdl);
        QVERIFY2(schema.reussie(), qPrintable(schema.erreur));
        QCOMPARE(schema.schema.DossierExercice, dossier + QStringLiteral("/schema_cinematique/"));
    }
};

VELKORA_TEST(TestGrapheDesDossiers)
#include "TestGrapheDesDossiers.moc"
