#include "common/DialoguesQt.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>

namespace {

const QString TitreApplication = QStringLiteral("Velkora");

QWidget *fenetreActive()
{
    if (QWidget *modale = QApplication::activeModalWidget())
        return modale;
    return QApplication::activeWindow();
}

// Messages quote texts of the mechanism's files: they are shown as written, never as markup.
void boite(QMessageBox::Icon icone, const QString &titre, const QString &texte)
{
    QMessageBox boite(icone, titre, texte, QMessageBox::Ok, fenetreActive());
    boite.setTextFormat(Qt::PlainText);
    boite.exec();
}

// The button keeps its designed width unless its text needs more with the desktop's font.
void largeurAuMoins(QPushButton *bouton, int largeur)
{
    bouton->setFixedWidth(qMax(largeur, bouton->sizeHint().width()));
}

} // namespace

QStringList FiltresQt(const QString &filtre)
{
    const QStringList morceaux = filtre.split(u'|');
    QStringList filtres;
    for (qsizetype i = 0; i + 1 < morceaux.size(); i += 2) {
        const QString legende = morceaux[i].trimmed();
        QStringList motifs = morceaux[i + 1].split(QRegularExpression(QStringLiteral("[;\\s]+")), Qt::SkipEmptyParts);
        const QString entreParentheses = u'(' + motifs.join(u' ') + u')';
        filtres << (legende.endsWith(entreParentheses) ? legende : legende + u' ' + entreParentheses);
    }
    return filtres;
}

void DialoguesQt::Message(const QString &texte) { boite(QMessageBox::NoIcon, TitreApplication, texte); }

void DialoguesQt::Erreur(const QString &texte) { boite(QMessageBox::Critical, TitreApplication, texte); }

void DialoguesQt::Rapport(const QString &titre, const QString &texte)
{
    QDialog fenetre(fenetreActive());
    fenetre.setWindowTitle(titre);
    fenetre.setAccessibleName(titre);
    auto *zone = new QPlainTextEdit(texte, &fenetre);
    zone->setReadOnly(true);
    zone->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    zone->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    zone->setAccessibleName(titre);
    auto *boutons = new QDialogButtonBox(&fenetre);
    QPushButton *copier = boutons->addButton(QStringLiteral("&Copier"), QDialogButtonBox::ActionRole);
    copier->setAccessibleName(QStringLiteral("Copier"));
    QPushButton *fermer = boutons->addButton(QStringLiteral("&Fermer"), QDialogButtonBox::RejectRole);
    fermer->setAccessibleName(QStringLiteral("Fermer"));
    fermer->setDefault(true);
    QObject::connect(copier, &QPushButton::clicked, &fenetre,
                     [texte] { QGuiApplication::clipboard()->setText(texte); });
    QObject::connect(boutons, &QDialogButtonBox::rejected, &fenetre, &QDialog::reject);
    auto *disposition = new QVBoxLayout(&fenetre);
    disposition->addWidget(zone);
    disposition->addWidget(boutons);
    fenetre.resize(760, 420);
    fenetre.exec();
}

void DialoguesQt::BoiteErreur(const QString &texte) { boite(QMessageBox::Critical, QStringLiteral("Erreur"), texte); }

bool DialoguesQt::Question(const QString &titre, const QString &texte, BoutonParDefaut parDefaut)
{
    QMessageBox boite(QMessageBox::Question, titre, texte, QMessageBox::NoButton, fenetreActive());
    boite.setTextFormat(Qt::PlainText);
    QPushButton *oui = boite.addButton(QStringLiteral("&Oui"), QMessageBox::YesRole);
    QPushButton *non = boite.addButton(QStringLiteral("&Non"), QMessageBox::NoRole);
    boite.setDefaultButton(parDefaut == BoutonParDefaut::Oui ? oui : non);
    boite.setEscapeButton(non);
    boite.exec();
    return boite.clickedButton() == oui;
}

std::optional<QString> DialoguesQt::Saisie(const QString &titre, const QString &invite, const QString &initial)
{
    bool accepte = false;
    const QString texte = QInputDialog::getText(fenetreActive(), titre, invite, QLineEdit::Normal, initial, &accepte);
    if (!accepte)
        return std::nullopt;
    return texte;
}

std::optional<TColor> DialoguesQt::ChoisirCouleur(TColor initiale, QList<TColor> &personnalisees)
{
    for (int i = 0; i < QColorDialog::customCount(); ++i) {
        if (i < personnalisees.size())
            QColorDialog::setCustomColor(i, CouleurVersQColor(personnalisees[i]));
    }
    const QColor choisie = QColorDialog::getColor(CouleurVersQColor(initiale), fenetreActive());
    personnalisees.clear();
    for (int i = 0; i < QColorDialog::customCount(); ++i)
        personnalisees << QColorVersCouleur(QColorDialog::customColor(i));
    if (!choisie.isValid())
        return std::nullopt;
    return QColorVersCouleur(choisie);
}

QString DialoguesQt::FichierAOuvrir(const QString &dossierInitial, const QString &filtre, int filtreChoisi,
                                    const QString &titre)
{
    QFileDialog dialogue(fenetreActive(), titre, dossierInitial);
    dialogue.setAcceptMode(QFileDialog::AcceptOpen);
    dialogue.setFileMode(QFileDialog::ExistingFile);
    const QStringList filtres = FiltresQt(filtre);
    dialogue.setNameFilters(filtres);
    if (filtreChoisi >= 1 && filtreChoisi <= filtres.size())
        dialogue.selectNameFilter(filtres[filtreChoisi - 1]);
    if (dialogue.exec() != QDialog::Accepted || dialogue.selectedFiles().isEmpty())
        return {};
    return dialogue.selectedFiles().constFirst();
}

QString DialoguesQt::FichierAEnregistrer(const QString &dossierInitial, const QString &filtre,
                                         const QString &extensionParDefaut, bool demanderEcrasement,
                                         const QString &titre)
{
    QFileDialog dialogue(fenetreActive(), titre, dossierInitial);
    dialogue.setAcceptMode(QFileDialog::AcceptSave);
    dialogue.setNameFilters(FiltresQt(filtre));
    dialogue.setDefaultSuffix(extensionParDefaut);
    // A name typed without extension takes that of the kind of file chosen in the list.
    QObject::connect(&dialogue, &QFileDialog::filterSelected, &dialogue, [&dialogue](const QString &choisi) {
        const QRegularExpressionMatch motif = QRegularExpression(QStringLiteral("\\*\\.(\\w+)")).match(choisi);
        if (motif.hasMatch())
            dialogue.setDefaultSuffix(motif.captured(1));
    });
    dialogue.setOption(QFileDialog::DontConfirmOverwrite, !demanderEcrasement);
    if (dialogue.exec() != QDialog::Accepted || dialogue.selectedFiles().isEmpty())
        return {};
    return dialogue.selectedFiles().constFirst();
}

ReponseEnregistrement DialoguesQt::EnregistrerModifications(const QString &texte)
{
    QMessageBox boite(QMessageBox::Warning, QStringLiteral("Confirmation"), texte, QMessageBox::NoButton,
                      fenetreActive());
    boite.setTextFormat(Qt::PlainText);
    QPushButton *enregistrer = boite.addButton(QStringLiteral("&Enregistrer"), QMessageBox::AcceptRole);
    QPushButton *abandonner = boite.addButton(QStringLiteral("&Ne pas enregistrer"), QMessageBox::DestructiveRole);
    QPushButton *annuler = boite.addButton(QStringLiteral("Annuler"), QMessageBox::RejectRole);
    boite.setDefaultButton(enregistrer);
    boite.setEscapeButton(annuler);
    boite.exec();
    if (boite.clickedButton() == enregistrer)
        return ReponseEnregistrement::Enregistrer;
    if (boite.clickedButton() == abandonner)
        return ReponseEnregistrement::NePasEnregistrer;
    return ReponseEnregistrement::Annuler;
}

QString DialoguesQt::ChoisirTypeExercice()
{
    QMessageBox boite(QMessageBox::Information, QStringLiteral("Information"), QStringLiteral("Voulez-vous faire ?"),
                      QMessageBox::NoButton, fenetreActive());
    boite.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    QPushButton *decodage = boite.addButton(QStringLiteral("Le décodage de plan"), QMessageBox::AcceptRole);
    largeurAuMoins(decodage, 119);
    QPushButton *classes =
        boite.addButton(QStringLiteral("La recherche des classes d'équivalences"), QMessageBox::RejectRole);
    largeurAuMoins(classes, 212);
    boite.exec();
    return boite.clickedButton() == decodage ? QStringLiteral("p") : QStringLiteral("ce");
}

bool DialoguesQt::Imprimer(QPrinter &imprimante)
{
    QPrintDialog dialogue(&imprimante, fenetreActive());
    dialogue.setWindowTitle(QStringLiteral("Imprimer"));
    return dialogue.exec() == QDialog::Accepted;
}

void DialoguesQt::Apercu(QPrinter &imprimante, const std::function<void(QPrinter &)> &peindre)
{
    QPrintPreviewDialog apercu(&imprimante, fenetreActive());
    apercu.setWindowTitle(QStringLiteral("Aperçu avant impression"));
    apercu.setAccessibleName(QStringLiteral("Aperçu avant impression"));
    QObject::connect(&apercu, &QPrintPreviewDialog::paintRequested, &apercu,
                     [&peindre](QPrinter *sortie) { peindre(*sortie); });
    apercu.exec();
}
