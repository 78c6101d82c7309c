#include "common/DialoguesQt.h"
#include "support/Enregistrement.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>
#include <functional>

// The real dialogs, answered by the test once they are on the screen.
class TestDialoguesQt : public QObject {
    Q_OBJECT

    // The gesture looks at the box and closes it; it must not fail inside, or the box would stay open.
    static void quandOuverte(std::function<void(QMessageBox *)> geste)
    {
        QTimer::singleShot(0, qApp, [geste] {
            if (auto *boite = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
                geste(boite);
        });
    }

private slots:
    void texteDeFichierMontreTelQuel()
    {
        QString montre;
        Qt::TextFormat format = Qt::AutoText;
        quandOuverte([&](QMessageBox *boite) {
            montre = boite->findChild<QLabel *>("qt_msgbox_label")->text();
            format = boite->textFormat();
            boite->accept();
        });
        DialoguesQt().Message(QStringLiteral("La couleur \"<b>rouge</b>\" n'existe pas."));
        QCOMPARE(montre, QStringLiteral("La couleur \"<b>rouge</b>\" n'existe pas."));
        QCOMPARE(format, Qt::PlainText);
    }

    void choixDuTypeDExercice_data()
    {
        QTest::addColumn<bool>("premierBouton");
        QTest::addColumn<QString>("mode");
        QTest::newRow("le décodage de plan") << true << "p";
        QTest::newRow("Échap") << false << "ce";
    }
    void choixDuTypeDExercice()
    {
        QFETCH(bool, premierBouton);
        QFETCH(QString, mode);
        QStringList coupes;
        quandOuverte([&](QMessageBox *boite) {
            for (QPushButton *bouton : boite->findChildren<QPushButton *>()) {
                if (bouton->width() < bouton->sizeHint().width())
                    coupes << bouton->text();
            }
            if (premierBouton)
                QTest::mouseClick(boite->buttons().constFirst(), Qt::LeftButton);
            else
                QTest::keyClick(boite, Qt::Key_Escape);
        });
        QCOMPARE(DialoguesQt().ChoisirTypeExercice(), mode);
        QCOMPARE(coupes, QStringList());
    }

    // Entrée presses the button the caller made the default; Échap always answers "Non".
    void question_data()
    {
        QTest::addColumn<BoutonParDefaut>("parDefaut");
        QTest::addColumn<int>("touche");
        QTest::addColumn<bool>("oui");
        QTest::newRow("Entrée, Oui par défaut") << BoutonParDefaut::Oui << int(Qt::Key_Return) << true;
        QTest::newRow("Entrée, Non par défaut") << BoutonParDefaut::Non << int(Qt::Key_Return) << false;
        QTest::newRow("Échap, Oui par défaut") << BoutonParDefaut::Oui << int(Qt::Key_Escape) << false;
    }
    void question()
    {
        QFETCH(BoutonParDefaut, parDefaut);
        QFETCH(int, touche);
        QFETCH(bool, oui);
        quandOuverte([touche](QMessageBox *boite) { QTest::keyClick(boite, Qt::Key(touche)); });
        QCOMPARE(DialoguesQt().Question(QStringLiteral("Confirmation"), QStringLiteral("Continuer ?"), parDefaut), oui);
    }

    // Escape must never throw work away: it is "Annuler".
    void questionDEnregistrement_data()
    {
        QTest::addColumn<QString>("bouton");
        QTest::addColumn<int>("reponse");
        QTest::newRow("Enregistrer") << "&Enregistrer" << int(ReponseEnregistrement::Enregistrer);
        QTest::newRow("Ne pas enregistrer") << "&Ne pas enregistrer" << int(ReponseEnregistrement::NePasEnregistrer);
        QTest::newRow("Annuler") << "Annuler" << int(ReponseEnregistrement::Annuler);
        QTest::newRow("Échap") << QString() << int(ReponseEnregistrement::Annuler);
    }
    void questionDEnregistrement()
    {
        QFETCH(QString, bouton);
        QFETCH(int, reponse);
        quandOuverte([&](QMessageBox *boite) {
            for (QAbstractButton *b : boite->buttons()) {
                if (!bouton.isEmpty() && b->text() == bouton)
                    return QTest::mouseClick(b, Qt::LeftButton);
            }
            QTest::keyClick(boite, Qt::Key_Escape);
        });
        QCOMPARE(int(DialoguesQt().EnregistrerModifications(QStringLiteral("Enregistrer les modifications ?"))),
                 reponse);
    }
};

VELKORA_TEST(TestDialoguesQt)
#include "TestDialoguesQt.moc"
