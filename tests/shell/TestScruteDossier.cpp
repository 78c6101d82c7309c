#include "shell/TScruteDossier.h"
#include "support/ArbreMecanismes.h"
#include "support/Enregistrement.h"

#include <QFile>
#include <QtTest>

namespace {
struct Releve {
    QStringList fichiers;
    QStringList dossiers;
    QStringList ordre; // "F:" / "D:" + path, in call order
};

void brancher(TScruteDossier &s, Releve &r)
{
    s.OnFichier = [&r](TScruteDossier *, const QString &n) {
        r.fichiers << n;
        r.ordre << "F:" + n;
    };
    s.OnDossier = [&r](TScruteDossier *, const QString &n) {
        r.dossiers << n;
        r.ordre << "D:" + n;
    };
}
} // namespace

class TestScruteDossier : public QObject {
    Q_OBJECT
private slots:
    void descripteursDuDossierSeulement()
    {
        ArbreMecanismes arbre;
        arbre.ecrireTexte("a.sch", "x");
        arbre.ecrireTexte("b.txt", "x");
        arbre.ecrireTexte("sub/d.sch", "x");
        TScruteDossier s(nullptr);
        Releve r;
        brancher(s, r);
        s.Filtre = "*.sch";
        s.SousDossier = false;
        for (const QString &dossier : {arbre.dossier(), arbre.dossier().chopped(1)}) {
            r = {};
            s.Dossier = dossier;
            s.Execute();
            QCOMPARE(r.fichiers, QStringList{arbre.chemin("a.sch")});
            QCOMPARE(r.dossiers, QStringList{arbre.chemin("sub")});
        }
    }

    void motifsDansLOrdreEtCasseIgnoree()
    {
        ArbreMecanismes arbre;
        arbre.ecrireTexte("x.SCH", "x");
        arbre.ecrireTexte("y.gdl", "x");
        arbre.ecrireTexte("z.sch", "x");
        TScruteDossier s(nullptr);
        Releve r;
        brancher(s, r);
        s.Dossier = arbre.dossier();
        s.Filtre = "*.gdl;*.sch";
        s.Execute();
        QCOMPARE(r.fichiers.size(), 3);
        QCOMPARE(r.fichiers.first(), arbre.chemin("y.gdl"));
        QCOMPARE(QSet<QString>(r.fichiers.begin() + 1, r.fichiers.end()),
                 (QSet<QString>{arbre.chemin("x.SCH"), arbre.chemin("z.sch")}));

        r = {};
        s.Filtre = "*.sch;*.SCH";
        s.Execute();
        QCOMPARE(r.fichiers.size(), 4); // a file matching two patterns is reported twice
    }

    void filtreVideParcourtQuandMeme()
    {
        ArbreMecanismes arbre;
        arbre.ecrireTexte("a.sch", "x");
        arbre.ecrireTexte("s1/s2/b.sch", "x");
        TScruteDossier s(nullptr);
        Releve r;
        brancher(s, r);
        s.Dossier = arbre.dossier();
        s.Filtre = "";
        s.Execute();
        QVERIFY(r.fichiers.isEmpty());
        QCOMPARE(r.dossiers, (QStringList{arbre.chemin("s1"), arbre.chemin("s1/s2")}));
    }

    void profondeurEtOrdre()
    {
        ArbreMecanismes arbre;
        arbre.ecrireTexte("a.sch", "x");
        arbre.ecrireTexte("s1/b.sch", "x");
        arbre.ecrireTexte("s1/s2/c.sch", "x");
        TScruteDossier s(nullptr);
        Releve r;
        brancher(s, r);
        s.Dossier = arbre.dossier();
        s.Filtre = "*.sch";
        s.Execute();
        QCOMPARE(r.ordre, (QStringList{"F:" + arbre.chemin("a.sch"), "D:" + arbre.chemin("s1"),
                                       "F:" + arbre.chemin("s1/b.sch"), "D:" + arbre.chemin("s1/s2"),
                                       "F:" + arbre.chemin("s1/s2/c.sch")}));

        r = {};
        s.MaxPenetration = 0;
        s.Execute();
        QCOMPARE(r.fichiers, QStringList{arbre.chemin("a.sch")});
        QCOMPARE(r.dossiers, QStringList{arbre.chemin("s1")});

        r = {};
        s.MaxPenetration = 1;
        s.Execute();
        QCOMPARE(r.fichiers, (QStringList{arbre.chemin("a.sch"), arbre.chemin("s1/b.sch")}));

        r = {};
        s.MaxPenetration = -1;
        s.Execute();
        QCOMPARE(r.fichiers.size(), 3);
    }

    void dossierNommeCommeUnDescripteurEtDossierAbsent()
    {
        ArbreMecanismes arbre;
        arbre.ecrireTexte("faux.sch/x", "x");
        TScruteDossier s(nullptr);
        Releve r;
        bool debut = false, fin = false;
        brancher(s, r);
        s.OnExecute = [&](TScruteDossier *) { debut = true; };
        s.OnFinExecute = [&](TScruteDossier *) { fin = true; };
        s.Dossier = arbre.dossier();
        s.Filtre = "*.sch";
        s.SousDossier = false;
        s.Execute();
        QVERIFY(r.fichiers.isEmpty());
        QVERIFY(debut && fin);

        s.Dossier = arbre.chemin("nulle/part");
        s.Execute();
        QVERIFY(r.fichiers.isEmpty());
    }

    void lienVersLeHautNeBouclePas()
    {
        ArbreMecanismes arbre;
        arbre.ecrireTexte("s/a.sch", "x");
        QVERIFY(QFile::link(arbre.dossier(), arbre.chemin("s/retour")));
        TScruteDossier s(nullptr);
        Releve r;
        brancher(s, r);
        s.Dossier = arbre.dossier();
        s.Filtre = "*.sch";
        s.Execute();
        QCOMPARE(r.fichiers, QStringList{arbre.chemin("s/a.sch")});
    }

    void motifs_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("motif");
        QTest::addColumn<bool>("correspond");
        QTest::newRow("etoile") << "etau.sch" << "*.sch" << true;
        QTest::newRow("casse") << "ETAU.Sch" << "*.sch" << true;
        QTest::newRow("autre extension") << "etau.schx" << "*.sch" << false;
        QTest::newRow("point interrogation") << "a1.sch" << "a?.sch" << true;
        QTest::newRow("point interrogation manquant") << "a.sch" << "a?.sch" << false;
        QTest::newRow("etoiles multiples") << "abcabc.sch" << "*bc*.sch" << true;
        QTest::newRow("tout") << "x" << "*.*" << true;
        QTest::newRow("tout avec point") << "x.y" << "*.*" << true;
    }
    void motifs()
    {
        QFETCH(QString, nom);
        QFETCH(QString, motif);
        QFETCH(bool, correspond);
        QCOMPARE(CorrespondAuMotif(nom, motif), correspond);
    }
};

VELKORA_TEST(TestScruteDossier)
#include "TestScruteDossier.moc"
