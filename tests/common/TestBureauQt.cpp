#include "common/BureauQt.h"
#include "support/ArbreMecanismes.h"
#include "support/Enregistrement.h"

#include <QFileInfo>
#include <QStandardPaths>
#include <QtTest>

class TestBureauQt : public QObject {
    Q_OBJECT
private slots:
    void effacerUnFichierEtUnDossierPlein()
    {
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
