#include "colouring/TFormColoriage.h"
#include "colouring/TFormZoom.h"
#include "diagram/TFormSchemaCinematique.h"
#include "joint_graph/TFormGrapheDesLiaisons.h"
#include "presentation/TFormPresentation.h"
#include "shell/TAboutBox.h"
#include "shell/TFormPrincipale.h"
#include "support/ArbreMecanismes.h"
#include "support/Enregistrement.h"
#include "support/Factices.h"
#include "workshop/TFormAtelier.h"

#include <QAccessible>
#include <QtTest>
#include <functional>
#include <memory>

namespace {

// Controls a student acts on or reads: each must have a name that a screen reader can say.
bool AUnNomAttendu(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::Window:
    case QAccessible::Dialog:
    case QAccessible::PushButton:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::MenuItem:
    case QAccessible::ButtonMenu:
    case QAccessible::PageTab:
    case QAccessible::Slider:
    case QAccessible::SpinBox:
    case QAccessible::ComboBox:
    case QAccessible::List:
    case QAccessible::ListItem:
    case QAccessible::Graphic:
    case QAccessible::EditableText: return true;
    default: return false;
    }
}

// The path of every control without a name, through the window's accessible tree.
void SansNom(QAccessibleInterface *noeud, const QString &chemin, QStringList &trouves, int profondeur = 0)
{
    if (!noeud || profondeur > 40)
        return;
    const QString nom = noeud->text(QAccessible::Name).trimmed();
    const QString ici = chemin + u'/' + QString::number(int(noeud->role()), 16) + u':' +
                        (noeud->object() ? noeud->object()->objectName() : QString());
    if (AUnNomAttendu(noeud->role()) && nom.isEmpty() && !noeud->state().invisible)
        trouves << ici;
    for (int i = 0; i < noeud->childCount(); ++i)
        SansNom(noeud->child(i), ici, trouves, profondeur + 1);
}

QStringList ControlesSansNom(QWidget &fenetre)
{
    fenetre.show();
    QStringList trouves;
    SansNom(QAccessible::queryAccessibleInterface(&fenetre), fenetre.metaObject()->className(), trouves);
    fenetre.hide();
    return trouves;
}

} // namespace

// Every window of the program, as a screen reader walks it.
class TestAccessibilite : public QObject {
    Q_OBJECT
private slots:
    void init() { dialoguesFactices().oublier(); }

    void chaqueControleANom_data()
    {
        QTest::addColumn<QString>("fenetre");
        for (const char *nom : {"TFormPrincipale", "TAboutBox", "TFormPresentation", "TFormColoriage", "TFormZoom",
                                "TFormGrapheDesLiaisons", "TFormSchemaCinematique", "TFormAtelier"})
            QTest::newRow(nom) << QString::fromLatin1(nom);
    }
    void chaqueControleANom()
    {
        QFETCH(QString, fenetre);
        ArbreMecanismes arbre;
        arbre.ecrireDescripteur("meca", {.nom = "Mécanisme"});
        const std::map<QString, std::function<std::unique_ptr<QWidget>()>> fabriques{
            {"TFormPrincipale", [] { return std::make_unique<TFormPrincipale>(24); }},
            {"TAboutBox", [] { return std::make_unique<TAboutBox>(); }},
            {"TFormPresentation", [] { return std::make_unique<TFormPresentation>(); }},
            {"TFormColoriage", [] { return std::make_unique<TFormColoriage>(); }},
            {"TFormZoom", [] { return std::make_unique<TFormZoom>(); }},
            {"TFormGrapheDesLiaisons", [] { return std::make_unique<TFormGrapheDesLiaisons>(); }},
            {"TFormSchemaCinematique", [] { return std::make_unique<TFormSchemaCinematique>(); }},
            {"TFormAtelier", [] { return std::make_unique<TFormAtelier>(); }},
        };
        const std::unique_ptr<QWidget> f = fabriques.at(fenetre)();
        const QStringList sansNom = ControlesSansNom(*f);
        QVERIFY2(sansNom.isEmpty(), qPrintable(sansNom.join(u'\n')));
    }
};

VELKORA_TEST(TestAccessibilite)
#include "TestAccessibilite.moc"
