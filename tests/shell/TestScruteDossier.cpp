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

// A scanner of a folder whose events are written down in a record.
struct Scrutation {
    TScruteDossier s{nullptr};
    Releve r;

    Scrutation(const QString &dossier, const QString &filtre)
    {
        s.Dossier = dossier;
        s.Filtre = filtre;
        s.OnFichier = [this](TScruteDossier *, const QString &n) {
            r.fichiers << n;
            r.ordre << "F:" + n;
        };
        s.OnDossier = [this](TScruteDossier *, const QString &n) {
            r.dossiers << n;
            r.ordre << "D:" + n;
        };
    }
    // Runs the scan again on a fresh record.
    void executer()
    {
        r = {};
        s.Execute();
    }
};
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
        Scrutation scrutation(arbre.dossier(), "*.sch");
        auto &s = scrutation.s;
        auto &r = scrutation.r;
        s.SousDossier = false;
        for (const QString &dossier : {arbre.dossier(), arbre.dossier().chopped(1)}) {
            s.Dossier = dossier;
            scrutation.executer();
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
        Scrutation scrutation(arbre.dossier(), "*.gdl;*.sch");
        auto &s = scrutation.s;
        auto &r = scrutation.r;
        s.Execute();
        QCOMPARE(r.fichiers.size(), 3);
        QCOMPARE(r.fichiers.first(), arbre.chemin("y.gdl"));
        QCOMPARE(QSet<QString>(r.fichiers.begin() + 1, r.fichiers.end()),
                 (QSet<QString>{arbre.chemin("x.SCH"), arbre.chemin("z.sch")}));

        s.Filtre = "*.sch;*.SCH";
        scrutation.executer();
        QCOMPARE(r.fichiers.size(), 4); // a file matching two patterns is reported twice
    }

    void filtreVideParcourtQuandMeme()
    {
        ArbreMecanismes arbre;
        arbre.ecrireTexte("a.sch", "x");
        arbre.ecrireTexte("s1/s2/b.sch", "x");
        Scrutation scrutation(arbre.dossier(), "");
        auto &s = scrutation.s;
        auto &r = scrutation.r;
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
        Scrutation scrutation(arbre.dossier(), "*.sch");
        auto &s = scrutation.s;
        auto &r = scrutation.r;
        s.Execute();
        QCOMPARE(r.ordre,
                 (QStringList{"F:" + arbre.chemin("a.sch"), "D:" + arbre.chemin("s1"), "F:" + arbre.chemin("s1/b.sch"),
                              "D:" + arbre.chemin("s1/s2"), "F:" + arbre.chemin("s1/s2/c.sch")}));

        s.MaxPenetration = 0;
        scrutation.executer();
        QCOMPARE(r.fichiers, QStringList{arbre.chemin("a.sch")});
        QCOMPARE(r.dossiers, QStringList{arbre.chemin("s1")});

        s.MaxPenetration = 1;
        scrutation.executer();
        QCOMPARE(r.fichiers, (QStringList{arbre.chemin("a.sch"), arbre.chemin("s1/b.sch")}));

        s.MaxPenetration = -1;
        scrutation.executer();
        QCOMPARE(r.fichiers.size(), 3);
    }

    void dossierNommeCommeUnDescripteurEtDossierAbsent()
    {
        ArbreMecanismes arbre;
        arbre.ecrireTexte("faux.sch/x", "x");
        Scrutation scrutation(arbre.dossier(), "*.sch");
        auto &s = scrutation.s;
        auto &r = scrutation.r;
        bool debut = false, fin = false;
        s.OnExecute = [&](TScruteDossier *) { debut = true; };
        s.OnFinExecute = [&](TScruteDossier *) { fin = true; };
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
        Scrutation scrutation(arbre.dossier(), "*.sch");
        auto &s = scrutation.s;
        auto &r = scrutation.r;
        s.Execute();
        QCOMPARE(r.fichiers, QStringList{arbre.chemin("s/a.sch")});
    }

    void motifs_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("motif");
        QTest::addColumn<bool>("correspond");
        QTest::newRow("etoile") << "etau.sch"
                                << "*.sch" << true;
        QTest::newRow("casse") << "ETAU.Sch"
                               << "*.sch" << true;
        QTest::newRow("autre extension") << "etau.schx"
                                         << "*.sch" << false;
        QTest::newRow("point interrogation") << "a1.sch"
                                             << "a?.sch" << true;
        QTest::newRow("point interrogation manquant") << "a.sch"
                                                      << "a?.sch" << false;
        QTest::newRow("etoiles multiples") << "abcabc.sch"
                                           << "*bc*.sch" << true;
        QTest::newRow("tout") << "x"
                              << "*.*" << true;
        QTest::newRow("tout avec point") << "x.y"
                                         << "*.*" << true;
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
