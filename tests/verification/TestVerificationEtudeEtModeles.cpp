#include "common/FichierIni.h"
#include "support/Enregistrement.h"
#include "support/MecanismeComplet.h"
#include "verification/VerificationMecanisme.h"

#include <QFile>
#include <QtTest>

// The study a graph exercise asks for ([HYPERSTATISME] Etude) and the other accepted models of the joints
// (correction_2.gdl…), as the checker reads them: a bad study is named with its line, each model is read
// by the rules of correction.gdl, and only the models the window finds are read.
class TestVerificationEtudeEtModeles : public QObject {
    Q_OBJECT

    static constexpr const char *Condition = "meca/graphe_des_liaisons/condition.inf";
    static constexpr const char *Correction = "meca/schema_cinematique/correction.gdl";

    // correction.gdl copied under another name, one key changed when a section is given.
    static void copierCorrection(const ArbreMecanismes &arbre, const QString &nom, const QString &section = {},
                                 const QString &cle = {}, const QString &valeur = {})
    {
        const QString chemin = arbre.chemin(QStringLiteral("meca/schema_cinematique/") + nom);
        QVERIFY(QFile::copy(arbre.chemin(Correction), chemin));
        if (section.isEmpty())
            return;
        FichierIni ini(chemin);
        ini.ecrireTexte(section, cle, valeur);
        QVERIFY(!ini.enregistrer());
    }

    static bool signale(const RapportVerification &rapport, const QString &fichier, qsizetype ligne,
                        const QString &extrait)
    {
        return std::any_of(rapport.constats().begin(), rapport.constats().end(), [&](const Constat &c) {
            return c.fichier == fichier && c.ligne == ligne && c.texte.contains(extrait);
        });
    }

private slots:
    void etudeDemandee_data()
    {
        QTest::addColumn<QString>("valeur");
        QTest::addColumn<int>("erreurs");
        QTest::newRow("spatiale") << "spatiale" << 0;
        QTest::newRow("plane en capitales") << "PLANE" << 0;
        QTest::newRow("vide") << "" << 0;
        QTest::newRow("plan") << "plan" << 1;
        QTest::newRow("3") << "3" << 1;
    }
    void etudeDemandee()
    {
        QFETCH(QString, valeur);
        QFETCH(int, erreurs);
        const ArbreMecanismes arbre;
        const QString descripteur = EcrireMecanismeComplet(arbre, QStringLiteral("meca"));
        FichierIni condition(arbre.chemin(Condition));
        condition.ecrireTexte(QStringLiteral("HYPERSTATISME"), QStringLiteral("Etude"), valeur);
        QVERIFY(!condition.enregistrer());
        const qsizetype ligne = FichierIni(arbre.chemin(Condition)).ligne("HYPERSTATISME", "Etude");

        const RapportVerification rapport = VerifierMecanisme(descripteur);
        QVERIFY2(rapport.nombreErreurs() == erreurs && rapport.nombreAvertissements() == 0,
                 qPrintable(rapport.texte()));
        if (erreurs)
            QVERIFY2(signale(rapport, Condition, ligne, QStringLiteral("« Etude » vaut « %1 »").arg(valeur)),
                     qPrintable(rapport.texte()));
    }

    void modelesAcceptes_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("cle");
        QTest::addColumn<QString>("valeur");
        QTest::addColumn<int>("ligne");
        QTest::addColumn<QString>("extrait");
        QTest::newRow("modèle juste") << "correction_2.gdl"
                                      << ""
                                      << ""
                                      << "" << 0 << "";
        QTest::newRow("modèle d'une autre casse") << "CORRECTION_2.gdl"
                                                  << ""
                                                  << ""
                                                  << "" << 0 << "";
        QTest::newRow("modèle non projeté") << "correction_2.gdl"
                                            << "Liaison1"
                                            << "Liaison2D"
                                            << "0" << 11 << "n'est pas projetée";
        QTest::newRow("modèle hors des tables") << "correction_2.gdl"
                                                << "Liaison1"
                                                << "Liaison3D"
                                                << "12" << 11 << "\"correction_2.gdl\"";
        QTest::newRow("modèle d'un autre mécanisme") << "correction_2.gdl"
                                                     << "MECANISME"
                                                     << "Mecanisme"
                                                     << "autre" << 2 << "« autre »";
        QTest::newRow("modèle d'autres classes") << "correction_2.gdl"
                                                 << "MECANISME"
                                                 << "NbrCe"
                                                 << "3" << 0 << "Ce modèle a 3 classes";
        // Not found by the window, since correction_2.gdl is missing: not read.
        QTest::newRow("modèle après un trou") << "correction_3.gdl"
                                              << "Liaison1"
                                              << "Liaison2D"
                                              << "0" << 0 << "";
    }
    void modelesAcceptes()
    {
        QFETCH(QString, nom);
        QFETCH(QString, section);
        QFETCH(QString, cle);
        QFETCH(QString, valeur);
        QFETCH(int, ligne);
        QFETCH(QString, extrait);
        const ArbreMecanismes arbre;
        const QString descripteur = EcrireMecanismeComplet(arbre, QStringLiteral("meca"));
        copierCorrection(arbre, nom, section, cle, valeur);

        const RapportVerification rapport = VerifierMecanisme(descripteur);
        const int casse = nom == nom.toLower() ? 0 : 1;
        if (extrait.isEmpty()) {
            QVERIFY2(rapport.nombreErreurs() == 0 && rapport.nombreAvertissements() <= casse,
                     qPrintable(rapport.texte()));
            return;
        }
        QVERIFY2(rapport.nombreErreurs() >= 1, qPrintable(rapport.texte()));
        QVERIFY2(signale(rapport, QStringLiteral("meca/schema_cinematique/") + nom, ligne, extrait),
                 qPrintable(rapport.texte()));
        // correction.gdl itself is clean: every error is the model's.
        for (const Constat &c : rapport.constats())
            QVERIFY2(!c.fichier.endsWith(QStringLiteral("correction.gdl")), qPrintable(rapport.texte()));
    }
};

VELKORA_TEST(TestVerificationEtudeEtModeles)
#include "TestVerificationEtudeEtModeles.moc"
