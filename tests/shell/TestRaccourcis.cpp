#include "colouring/TFormColoriage.h"
#include "diagram/TFormSchemaCinematique.h"
#include "joint_graph/TFormGrapheDesLiaisons.h"
#include "presentation/TFormPresentation.h"
#include "shell/TFormPrincipale.h"
#include "support/ArbreMecanismes.h"
#include "support/Enregistrement.h"
#include "workshop/TFormAtelier.h"

#include <QAction>
#include <QMenuBar>
#include <QShortcut>
#include <QtTest>
#include <memory>

namespace {

std::unique_ptr<QMainWindow> Fenetre(const QString &nom)
{
    if (nom == u"principale")
        return std::make_unique<TFormPrincipale>(24);
    if (nom == u"présentation")
        return std::make_unique<TFormPresentation>();
    if (nom == u"coloriage")
        return std::make_unique<TFormColoriage>();
    if (nom == u"graphe")
        return std::make_unique<TFormGrapheDesLiaisons>();
    if (nom == u"atelier")
        return std::make_unique<TFormAtelier>();
    return std::make_unique<TFormSchemaCinematique>();
}

const QStringList Fenetres{"principale", "présentation", "coloriage", "graphe", "schéma", "atelier"};

// The letter after the single '&' of a menu text, or nothing.
QChar Lettre(const QString &texte)
{
    const qsizetype i = QString(texte).replace(QStringLiteral("&&"), QStringLiteral("  ")).indexOf(u'&');
    return i >= 0 && i + 1 < texte.size() ? texte[i + 1].toLower() : QChar();
}

} // namespace

// The keys every window shares, checked once for each window: the usual shortcuts where the item
// exists, each on one item only; a letter for every menu and item; F10 for the menus.
class TestRaccourcis : public QObject {
    Q_OBJECT

private slots:
    void init() { arbre_ = std::make_unique<ArbreMecanismes>(); }
    void cleanup() { arbre_.reset(); }

    void raccourcisUsuels_data()
    {
        QTest::addColumn<QString>("fenetre");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QKeySequence>("touches");
        const auto ligne = [](const char *fenetre, const char *action, const char *touches) {
            QTest::addRow("%s, %s", fenetre, touches) << QString::fromUtf8(fenetre) << action << QKeySequence(touches);
        };
        ligne("principale", "MenuQuitter", "Ctrl+Q");
        for (const char *fenetre : {"présentation", "coloriage", "graphe", "schéma", "atelier"}) {
            ligne(fenetre, "MenuOuvrir", "Ctrl+O");
            ligne(fenetre, "MenuFermer", "Ctrl+W");
        }
        for (const char *fenetre : {"coloriage", "graphe", "schéma", "atelier"}) {
            ligne(fenetre, "MenuAnnuler", "Ctrl+Z");
            ligne(fenetre, "MenuRetablir", "Ctrl+Y");
            ligne(fenetre, "MenuRetablir", "Ctrl+Shift+Z");
        }
        ligne("coloriage", "MenuEnregistrerImage", "Ctrl+S");
        ligne("coloriage", "MenuAide", "F1");
        ligne("graphe", "MenuNouveau", "Ctrl+N");
        ligne("graphe", "MenuEnregistrer", "Ctrl+S");
        ligne("graphe", "MenuEnregistrerSous", "Ctrl+Shift+S");
        ligne("schéma", "MenuEnregistrer", "Ctrl+S");
        ligne("atelier", "MenuNouveau", "Ctrl+N");
        ligne("atelier", "MenuEnregistrer", "Ctrl+S");
    }
    void raccourcisUsuels()
    {
        QFETCH(QString, fenetre);
        QFETCH(QString, action);
        QFETCH(QKeySequence, touches);
        const auto f = Fenetre(fenetre);
        QStringList porteurs;
        for (const QAction *a : f->findChildren<QAction *>()) {
            if (a->shortcuts().contains(touches))
                porteurs << a->objectName();
        }
        for (const QShortcut *s : f->findChildren<QShortcut *>()) {
            if (s->key() == touches)
                porteurs << s->objectName();
        }
        QCOMPARE(porteurs, QStringList{action});
    }

    // Alt and a letter reach every menu and item: each has its letter, none shared in one menu.
    void lettresDesMenus_data()
    {
        QTest::addColumn<QString>("fenetre");
        for (const QString &fenetre : Fenetres)
            QTest::newRow(qPrintable(fenetre)) << fenetre;
    }
    void lettresDesMenus()
    {
        QFETCH(QString, fenetre);
        const auto f = Fenetre(fenetre);
        QList<QList<QAction *>> niveaux{f->menuBar()->actions()};
        for (const QMenu *menu : f->menuBar()->findChildren<QMenu *>())
            niveaux << menu->actions();
        for (const QList<QAction *> &niveau : niveaux) {
            QSet<QChar> vues;
            for (const QAction *a : niveau) {
                if (a->isSeparator())
                    continue;
                const QChar lettre = Lettre(a->text());
                QVERIFY2(!lettre.isNull(), qPrintable(a->text()));
                QVERIFY2(!vues.contains(lettre), qPrintable(a->text()));
                vues.insert(lettre);
            }
        }
    }

    void f10OuvreLesMenus_data() { lettresDesMenus_data(); }
    void f10OuvreLesMenus()
    {
        QFETCH(QString, fenetre);
        const auto f = Fenetre(fenetre);
        f->show();
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.get()));
        QTest::keyClick(f.get(), Qt::Key_F10);
        QVERIFY(f->menuBar()->activeAction());
        QCOMPARE(Lettre(f->menuBar()->activeAction()->text()), u'f');
    }

private:
    std::unique_ptr<ArbreMecanismes> arbre_; // an empty program folder for the main window's scan
};

VELKORA_TEST(TestRaccourcis)
#include "TestRaccourcis.moc"
