#include "common/BureauQt.h"
#include "support/ArbreMecanismes.h"
#include "support/Enregistrement.h"

#include <QFileInfo>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <optional>

class TestBureauQt : public QObject {
    Q_OBJECT
private slots:
    void effacerUnFichierEtUnDossierPlein()
    {
        // Files go to a trash of the test's own, not to the user's.
        const QTemporaryDir donnees;
        const std::optional<QByteArray> ancienDossier =
            qEnvironmentVariableIsSet("XDG_DATA_HOME") ? std::optional(qgetenv("XDG_DATA_HOME")) : std::nullopt;
        qputenv("XDG_DATA_HOME", donnees.path().toLocal8Bit());
        const auto retablir = qScopeGuard([&] {
            if (ancienDossier)
                qputenv("XDG_DATA_HOME", *ancienDossier);
            else
                qunsetenv("XDG_DATA_HOME");
        });
        ArbreMecanismes arbre;
        BureauQt bureau;
        const QString fichier = arbre.ecrireTexte("sauvegarde automatique.gdl", "[MECANISME]");
        QVERIFY(bureau.Effacer(fichier));
        QVERIFY(!QFileInfo::exists(fichier));

        arbre.ecrireTexte("plein/a/b.txt", "x");
        QVERIFY(bureau.Effacer(arbre.chemin("plein")));
        QVERIFY(!QFileInfo::exists(arbre.chemin("plein")));

        QVERIFY(!bureau.Effacer(arbre.chemin("absent")));
    }

    void dossierDesDocumentsExiste()
    {
        QStandardPaths::setTestModeEnabled(true);
        const QString dossier = BureauQt().DossierDocuments();
        QStandardPaths::setTestModeEnabled(false);
        QVERIFY(!dossier.isEmpty());
        QVERIFY(QFileInfo(dossier).isDir());
    }
};

VELKORA_TEST(TestBureauQt)
#include "TestBureauQt.moc"
