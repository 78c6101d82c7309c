// The equivalence classes: named, filled by clicking their parts' zones, and the kind of study of the graph.
#include "workshop/TFormAtelier.h"

#include "atelier/CouleursMecanisme.h"

#include "joint_graph/GrapheLiaisons.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {
const QString TexteTropDeClasses = QStringLiteral("Un mécanisme a au plus %1 classes d'équivalence.");
const QString TexteChoisirClasse = QStringLiteral("Choisissez d'abord une classe (ou ajoutez-en une).");
const QString TexteZoneSansPiece =
    QStringLiteral("La zone %1 n'a pas de pièce : donnez-la d'abord à sa pièce (onglet Pièces).");
const QString TexteNomClasse = QStringLiteral("Classe %1");

QString Membres(const ClasseAtelier &classe)
{
    QStringList reperes;
    for (const int piece : classe.pieces)
        reperes << QString::number(piece);
    return reperes.isEmpty() ? QStringLiteral("aucune pièce") : QStringLiteral("pièces ") + reperes.join(u", ");
}
} // namespace

void TFormAtelier::ClassesCreation(QTabWidget *onglets)
{
    auto *page = new QWidget(onglets);
    page->setObjectName(QStringLiteral("OngletClasses"));
    auto *colonne = new QVBoxLayout(page);
    ListeClasses = new QListWidget(page);
    ListeClasses->setObjectName(QStringLiteral("ListeClasses"));
    ListeClasses->setAccessibleName(QStringLiteral("Classes d'équivalence"));
    ListeClasses->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                  QAbstractItemView::AnyKeyPressed);
    connect(ListeClasses, &QListWidget::itemChanged, this, &TFormAtelier::ListeClassesModifiee);
    colonne->addWidget(ListeClasses, 1);
    auto *boutons = new QHBoxLayout;
    BoutonAjouterClasse = new QPushButton(QStringLiteral("A&jouter une classe"), page);
    BoutonAjouterClasse->setObjectName(QStringLiteral("BoutonAjouterClasse"));
    BoutonAjouterClasse->setAccessibleName(QStringLiteral("Ajouter une classe"));
    connect(BoutonAjouterClasse, &QPushButton::clicked, this, &TFormAtelier::AjouterClasseClick);
    boutons->addWidget(BoutonAjouterClasse);
    auto *retirer = new QPushButton(QStringLiteral("Re&tirer la classe choisie"), page);
    retirer->setObjectName(QStringLiteral("BoutonRetirerClasse"));
    retirer->setAccessibleName(QStringLiteral("Retirer la classe choisie"));
    connect(retirer, &QPushButton::clicked, this, &TFormAtelier::RetirerClasseClick);
    boutons->addWidget(retirer);
    colonne->addLayout(boutons);
    auto *aide = new QLabel(QStringLiteral("F2 renomme la classe choisie."), page);
    colonne->addWidget(aide);

    auto *etude = new QGroupBox(QStringLiteral("Étude du graphe des liaisons"), page);
    etude->setObjectName(QStringLiteral("GroupeEtude"));
    auto *choix = new QVBoxLayout(etude);
    RadioSpatiale = new QRadioButton(QStringLiteral("Ét&ude spatiale"), etude);
    RadioSpatiale->setObjectName(QStringLiteral("RadioSpatiale"));
    RadioSpatiale->setAccessibleName(QStringLiteral("Étude spatiale"));
    RadioPlane = new QRadioButton(QStringLiteral("Étude plan&e"), etude);
    RadioPlane->setObjectName(QStringLiteral("RadioPlane"));
    RadioPlane->setAccessibleName(QStringLiteral("Étude plane"));
    RadioSpatiale->setChecked(true);
    choix->addWidget(RadioSpatiale);
    choix->addWidget(RadioPlane);
    connect(RadioPlane, &QRadioButton::toggled, this, [this](bool plane) {
        if (Edition_ || plane == Etat_.etudePlane)
            return;
        EtatAtelier apres = Etat_;
        apres.etudePlane = plane;
        Modifier(std::move(apres), QStringLiteral("Étude du graphe"));
    });
    colonne->addWidget(etude);
    onglets->addTab(page, QStringLiteral("C&lasses"));
}

void TFormAtelier::ClassesEdition()
{
    const QSignalBlocker bloque(ListeClasses);
    const int ligne = ListeClasses->currentRow();
    ListeClasses->clear();
    for (std::size_t c = 0; c < Etat_.classes.size(); ++c) {
        const ClasseAtelier &classe = Etat_.classes[c];
        auto *item = new QListWidgetItem(classe.nom, ListeClasses);
        item->setFlags(item->flags() | Qt::ItemIsEditable);
        QPixmap pastille(16, 16);
        pastille.fill(CouleurVersQColor(CouleurClasse(int(c) + 1)));
        item->setIcon(QIcon(pastille));
        item->setToolTip(Membres(classe));
        item->setData(Qt::AccessibleDescriptionRole, Membres(classe));
    }
    if (ligne >= 0 && ligne < ListeClasses->count())
        ListeClasses->setCurrentRow(ligne);
    else if (ListeClasses->count() > 0)
        ListeClasses->setCurrentRow(ListeClasses->count() - 1);
    BoutonAjouterClasse->setEnabled(Etat_.classes.size() < std::size_t(NbrCeMax));
    (Etat_.etudePlane ? RadioPlane : RadioSpatiale)->setChecked(true);
}

void TFormAtelier::ListeClassesModifiee(QListWidgetItem *item)
{
    const int ligne = ListeClasses->row(item);
    if (Edition_ || ligne < 0 || ligne >= int(Etat_.classes.size()))
        return;
    const QString nom = item->text().trimmed();
    if (nom.isEmpty() || nom == Etat_.classes[std::size_t(ligne)].nom) {
        ClassesEdition();
        return;
    }
    EtatAtelier apres = Etat_;
    apres.classes[std::size_t(ligne)].nom = nom;
    Modifier(std::move(apres), QStringLiteral("Renommer la classe"));
}

void TFormAtelier::AjouterClasseClick()
{
    if (Etat_.classes.size() >= std::size_t(NbrCeMax)) {
        statusBar()->showMessage(TexteTropDeClasses.arg(NbrCeMax));
        return;
    }
    EtatAtelier apres = Etat_;
    apres.classes.push_back({TexteNomClasse.arg(apres.classes.size() + 1), {}});
    Modifier(std::move(apres), QStringLiteral("Ajouter une classe"));
    ListeClasses->setCurrentRow(ListeClasses->count() - 1);
    Onglets->setCurrentIndex(2);
}

void TFormAtelier::RetirerClasseClick()
{
    const int ligne = ListeClasses->currentRow();
    if (ligne < 0 || ligne >= int(Etat_.classes.size()))
        return;
    EtatAtelier apres = Etat_;
    apres.classes.erase(apres.classes.begin() + ligne);
    Modifier(std::move(apres), QStringLiteral("Retirer une classe"));
}

void TFormAtelier::ClasseClic(std::int32_t zone)
{
    const int piece =
        zone > 0 && std::size_t(zone) < Etat_.pieceDeZone.size() ? Etat_.pieceDeZone[std::size_t(zone)] : 0;
    if (piece == 0) {
        statusBar()->showMessage(TexteZoneSansPiece.arg(zone));
        return;
    }
    const int ligne = ListeClasses->currentRow();
    if (ligne < 0 || ligne >= int(Etat_.classes.size())) {
        statusBar()->showMessage(TexteChoisirClasse);
        return;
    }
    EtatAtelier apres = Etat_;
    std::vector<int> &membres = apres.classes[std::size_t(ligne)].pieces;
    const bool dejaLa = std::find(membres.begin(), membres.end(), piece) != membres.end();
    for (ClasseAtelier &classe : apres.classes)
        std::erase(classe.pieces, piece);
    if (!dejaLa) {
        membres.push_back(piece);
        std::sort(membres.begin(), membres.end());
    }
    statusBar()->showMessage(QStringLiteral("%1 : %2").arg(apres.classes[std::size_t(ligne)].nom,
                                                           Membres(apres.classes[std::size_t(ligne)])));
    Modifier(std::move(apres), QStringLiteral("Pièce %1 dans une classe").arg(piece));
}
