// Saving: the mechanism's names, the folder written among the teacher's mechanisms, the checker's report,
// and the correction of the joint graph built in the joint-graph editor.
#include "workshop/TFormAtelier.h"

#include "workshop/CommandesAtelier.h"

#include "atelier/EcritureMecanisme.h"
#include "common/Descripteur.h"
#include "common/Dialogues.h"
#include "common/DossiersMecanismes.h"
#include "joint_graph/TFormGrapheDesLiaisons.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFormLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QUndoStack>
#include <QVBoxLayout>

namespace {
const QStringList Difficultes{QStringLiteral("Personnalisé"), QStringLiteral("Facile"), QStringLiteral("Moyenne"),
                              QStringLiteral("Difficile")};
const QStringList NomsExercices{QStringLiteral("Présentation"), QStringLiteral("Décodage de plan"),
                                QStringLiteral("Classe d'équivalence"), QStringLiteral("Graphe des liaisons"),
                                QStringLiteral("Schéma cinématique")};
const QString TexteRemplacer =
    QStringLiteral("Un mécanisme « %1 » existe déjà parmi vos mécanismes.\nLe remplacer par celui-ci ?");
const QString TexteEnregistre = QStringLiteral("Enregistré dans %1\nExercices proposés : %2\n\n");
const QString TexteAucunExercice = QStringLiteral("aucun");
const QString TexteSansRacine = QStringLiteral("Aucun dossier où enregistrer vos mécanismes.");
const QString TexteGrapheAbsent =
    QStringLiteral("Le graphe des liaisons n'est pas encore proposé : ses fichiers ne sont pas complets "
                   "(voir le rapport).");
const QString NomCorrection = QStringLiteral("schema_cinematique/correction.gdl");
const QString TexteSansCorrection =
    QStringLiteral("Le schéma cinématique sera proposé quand la correction du graphe des liaisons sera construite "
                   "(bouton « Construire la correction du graphe… »).\n\n");
const QString TexteSansBulles =
    QStringLiteral("La présentation sera proposée quand chaque pièce aura sa bulle (outil « Placer la bulle ») ; "
                   "sans bulle : %1.\n\n");
} // namespace

void TFormAtelier::EnregistrementCreation(QTabWidget *onglets)
{
    auto *page = new QWidget(onglets);
    page->setObjectName(QStringLiteral("OngletEnregistrement"));
    auto *colonne = new QVBoxLayout(page);
    auto *formulaire = new QFormLayout;
    EditSouche = new QLineEdit(page);
    EditSouche->setObjectName(QStringLiteral("EditSouche"));
    EditSouche->setAccessibleName(QStringLiteral("Nom du dossier"));
    formulaire->addRow(QStringLiteral("Nom du doss&ier :"), EditSouche);
    EditNom = new QLineEdit(page);
    EditNom->setObjectName(QStringLiteral("EditNom"));
    EditNom->setAccessibleName(QStringLiteral("Nom affiché"));
    formulaire->addRow(QStringLiteral("Nom affi&ché :"), EditNom);
    ComboDifficulte = new QComboBox(page);
    ComboDifficulte->setObjectName(QStringLiteral("ComboDifficulte"));
    ComboDifficulte->setAccessibleName(QStringLiteral("Difficulté"));
    ComboDifficulte->addItems(Difficultes);
    formulaire->addRow(QStringLiteral("Diffic&ulté :"), ComboDifficulte);
    colonne->addLayout(formulaire);
    connect(EditSouche, &QLineEdit::editingFinished, this, &TFormAtelier::ChampsEnregistrementModifies);
    connect(EditNom, &QLineEdit::editingFinished, this, &TFormAtelier::ChampsEnregistrementModifies);
    connect(ComboDifficulte, &QComboBox::currentIndexChanged, this, &TFormAtelier::ChampsEnregistrementModifies);

    BoutonEnregistrer = new QPushButton(QStringLiteral("&Enregistrer le mécanisme"), page);
    BoutonEnregistrer->setObjectName(QStringLiteral("BoutonEnregistrer"));
    BoutonEnregistrer->setAccessibleName(QStringLiteral("Enregistrer le mécanisme"));
    connect(BoutonEnregistrer, &QPushButton::clicked, this, &TFormAtelier::Enregistrer);
    colonne->addWidget(BoutonEnregistrer);
    BoutonCorrection = new QPushButton(QStringLiteral("Construire la correction du &graphe…"), page);
    BoutonCorrection->setObjectName(QStringLiteral("BoutonCorrection"));
    BoutonCorrection->setAccessibleName(QStringLiteral("Construire la correction du graphe des liaisons"));
    connect(BoutonCorrection, &QPushButton::clicked, this, &TFormAtelier::CorrectionGrapheClick);
    colonne->addWidget(BoutonCorrection);
    auto *titreRapport = new QLabel(QStringLiteral("&Rapport de la vérification :"), page);
    colonne->addWidget(titreRapport);
    TexteRapport = new QPlainTextEdit(page);
    TexteRapport->setObjectName(QStringLiteral("TexteRapport"));
    TexteRapport->setAccessibleName(QStringLiteral("Rapport de la vérification"));
    TexteRapport->setReadOnly(true);
    TexteRapport->setTabChangesFocus(true);
    titreRapport->setBuddy(TexteRapport);
    colonne->addWidget(TexteRapport, 1);
    onglets->addTab(page, QStringLiteral("E&nregistrement"));
}

void TFormAtelier::EnregistrementEdition()
{
    EditSouche->setText(Etat_.souche);
    EditNom->setText(Etat_.nom);
    ComboDifficulte->setCurrentIndex(std::clamp(Etat_.difficulte, 0, int(Difficultes.size()) - 1));
    BoutonCorrection->setEnabled(!Descripteur_.isEmpty());
}

void TFormAtelier::ChampsEnregistrementModifies()
{
    if (Edition_)
        return;
    const QString souche = EditSouche->text().trimmed();
    const QString nom = EditNom->text().trimmed();
    const int difficulte = ComboDifficulte->currentIndex();
    if (souche == Etat_.souche && nom == Etat_.nom && difficulte == Etat_.difficulte)
        return;
    EtatAtelier apres = Etat_;
    apres.souche = souche;
    // A mechanism without a shown name is shown by its folder's.
    apres.nom = nom.isEmpty() && Etat_.nom.isEmpty() ? souche : nom;
    apres.difficulte = difficulte;
    Modifier(std::move(apres), QStringLiteral("Nom du mécanisme"));
}

MecanismeAtelier TFormAtelier::Mecanisme() const
{
    MecanismeAtelier m;
    m.souche = Etat_.souche;
    m.nom = Etat_.nom.isEmpty() ? Etat_.souche : Etat_.nom;
    m.difficulte = Etat_.difficulte;
    if (Analyse_->edition) {
        m.plan = Analyse_->edition->trait();
        m.zones = Analyse_->edition->zones();
    }
    m.pieceDeZone = Etat_.pieceDeZone;
    m.pieces = Etat_.pieces;
    m.classes = Etat_.classes;
    m.etudePlane = Etat_.etudePlane;
    m.explication = Explication_;
    m.reglages = Analyse_->reglages;
    return m;
}

bool TFormAtelier::Enregistrer()
{
    ChampsEnregistrementModifies(); // a name still being typed counts
    const MecanismeAtelier m = Mecanisme();
    if (const auto refus = RefusMecanismeAtelier(m)) {
        Onglets->setCurrentIndex(3);
        dialogues().Message(*refus);
        return false;
    }
    const QString racine = DossiersMecanismes().value(0);
    if (racine.isEmpty()) {
        dialogues().Message(TexteSansRacine);
        return false;
    }
    const QString descripteur = racine + m.souche + ExtensionDescripteur;
    const bool autre = QFileInfo(descripteur).absoluteFilePath() != QFileInfo(Descripteur_).absoluteFilePath();
    if (autre && QFileInfo::exists(descripteur) &&
        !dialogues().Question(QStringLiteral("Confirmation"), TexteRemplacer.arg(m.souche), BoutonParDefaut::Non))
        return false;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const EcritureAtelier ecrit = EcrireMecanismeAtelier(m, racine);
    QGuiApplication::restoreOverrideCursor();
    if (ecrit.erreur) {
        dialogues().Erreur(*ecrit.erreur);
        return false;
    }
    Descripteur_ = ecrit.descripteur;
    QStringList offerts;
    for (std::size_t n = 0; n < ecrit.exercices.size(); ++n)
        if (ecrit.exercices[n])
            offerts << NomsExercices[qsizetype(n)];
    const bool sansCorrection = ecrit.exercices[3] && !ecrit.exercices[4];
    QStringList sansBulle;
    for (const PieceAtelier &piece : m.pieces)
        if (piece.bulle.isNull())
            sansBulle << QString::number(piece.repere);
    TexteRapport->setPlainText(
        TexteEnregistre.arg(QDir::toNativeSeparators(Descripteur_),
                            offerts.isEmpty() ? TexteAucunExercice : offerts.join(QStringLiteral(", "))) +
        (sansCorrection ? TexteSansCorrection : QString()) +
        (!ecrit.exercices[0] && !sansBulle.isEmpty() ? TexteSansBulles.arg(sansBulle.join(QStringLiteral(", ")))
                                                     : QString()) +
        ecrit.rapport.texte());
    Historique_->setClean();
    BoutonCorrection->setEnabled(true);
    ActualiserTitre();
    if (apresEnregistrement_)
        apresEnregistrement_(Descripteur_);
    return true;
}

void TFormAtelier::CorrectionGrapheClick()
{
    if ((Descripteur_.isEmpty() || !Historique_->isClean()) && !Enregistrer())
        return;
    if (!LireDescripteur(Descripteur_).exercices[3]) {
        dialogues().Message(TexteGrapheAbsent);
        return;
    }
    const QString correction = QFileInfo(Descripteur_).absolutePath() + u'/' + Etat_.souche + u'/' + NomCorrection;
    {
        TFormGrapheDesLiaisons graphe(this);
        if (QFileInfo::exists(correction))
            graphe.OuvrirGDL(correction);
        else
            graphe.OuvrirSCH(Descripteur_);
        graphe.EnregistrerDans(correction);
        affichageModal_(graphe);
    }
    // The diagram exercise is offered once its correction is there: the mechanism is written and checked again.
    if (QFileInfo::exists(correction))
        Enregistrer();
}
