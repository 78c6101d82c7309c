// The parts list: typed or pasted from a spreadsheet, each part's zones and bubble clicked on the sheet.
#include "workshop/TFormAtelier.h"

#include "atelier/TrouverBulles.h"
#include "presentation/ZonesPresentation.h"
#include "workshop/CommandesAtelier.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
enum Colonne { ColRepere, ColNombre, ColDesignation, ColMatiere, ColObservation, ColZones, NombreColonnes };
const QStringList TitresColonnes{QStringLiteral("Repère"),      QStringLiteral("Nombre"),
                                 QStringLiteral("Désignation"), QStringLiteral("Matière"),
                                 QStringLiteral("Observation"), QStringLiteral("Zones")};
const QString TexteChoisirPiece = QStringLiteral("Choisissez d'abord une pièce dans la nomenclature.");
const QString TexteNombre = QStringLiteral("Le nombre de pièces est un entier de 1 à 9999.");
const QString TexteTropDePieces = QStringLiteral("La nomenclature a au plus %1 pièces.");
const QString TexteAucuneBulle =
    QStringLiteral("Aucune bulle lue sur le dessin : placez-les en cliquant (outil « Placer la bulle »).");

QString Liste(const QList<int> &numeros)
{
    QStringList textes;
    for (const int n : numeros)
        textes << QString::number(n);
    return textes.join(QStringLiteral(", "));
}

// The parts' zones counted by repère.
std::vector<int> ZonesParPiece(const EtatAtelier &etat)
{
    std::vector<int> compte(etat.pieces.size() + 1, 0);
    for (std::size_t z = 1; z < etat.pieceDeZone.size(); ++z) {
        const int piece = etat.pieceDeZone[z];
        if (piece > 0 && std::size_t(piece) < compte.size())
            ++compte[std::size_t(piece)];
    }
    return compte;
}
} // namespace

void TFormAtelier::PiecesCreation(QTabWidget *onglets)
{
    auto *page = new QWidget(onglets);
    page->setObjectName(QStringLiteral("OngletPieces"));
    auto *colonne = new QVBoxLayout(page);
    TablePieces = new QTableWidget(0, NombreColonnes, page);
    TablePieces->setObjectName(QStringLiteral("TablePieces"));
    TablePieces->setAccessibleName(QStringLiteral("Nomenclature"));
    TablePieces->setHorizontalHeaderLabels(TitresColonnes);
    TablePieces->verticalHeader()->hide();
    TablePieces->setSelectionMode(QAbstractItemView::SingleSelection);
    TablePieces->setTabKeyNavigation(false); // Tab leaves the table; the arrows move in it
    TablePieces->horizontalHeader()->setSectionResizeMode(ColDesignation, QHeaderView::Stretch);
    for (const int c : {ColRepere, ColNombre, ColZones})
        TablePieces->horizontalHeader()->setSectionResizeMode(c, QHeaderView::ResizeToContents);
    connect(TablePieces, &QTableWidget::cellChanged, this, &TFormAtelier::TablePiecesModifiee);
    auto *coller = new QAction(QStringLiteral("Coller des pièces"), TablePieces);
    coller->setShortcut(QKeySequence::Paste);
    coller->setShortcutContext(Qt::WidgetShortcut);
    connect(coller, &QAction::triggered, this, &TFormAtelier::CollerPieces);
    TablePieces->addAction(coller);
    colonne->addWidget(TablePieces, 1);

    auto *boutons = new QHBoxLayout;
    auto bouton = [&](const char *nom, const QString &texte, auto &&commande) {
        auto *b = new QPushButton(texte, page);
        b->setObjectName(QString::fromLatin1(nom));
        b->setAccessibleName(QString(texte).remove(u'&'));
        connect(b, &QPushButton::clicked, this, commande);
        boutons->addWidget(b);
        return b;
    };
    bouton("BoutonAjouterPiece", QStringLiteral("A&jouter une pièce"), &TFormAtelier::AjouterPieceClick);
    bouton("BoutonRetirerPiece", QStringLiteral("Re&tirer la dernière"), &TFormAtelier::RetirerPieceClick);
    bouton("BoutonCollerPieces", QStringLiteral("Colle&r"), &TFormAtelier::CollerPieces);
    bouton("BoutonTrouverBulles", QStringLiteral("Trouver les &bulles"), &TFormAtelier::TrouverBullesClick);
    colonne->addLayout(boutons);
    LabelZonesSansPiece = new QLabel(page);
    LabelZonesSansPiece->setObjectName(QStringLiteral("LabelZonesSansPiece"));
    colonne->addWidget(LabelZonesSansPiece);
    auto *aide = new QLabel(QStringLiteral("Collez des lignes d'un tableur (repère, nombre, désignation, matière, "
                                           "observation, séparés par des tabulations) à partir de la case choisie."),
                            page);
    aide->setWordWrap(true);
    colonne->addWidget(aide);
    onglets->addTab(page, QStringLiteral("&Pièces"));
}

void TFormAtelier::PiecesEdition()
{
    const QSignalBlocker bloque(TablePieces);
    const int ligne = TablePieces->currentRow();
    const int colonne = TablePieces->currentColumn();
    TablePieces->setRowCount(int(Etat_.pieces.size()));
    const std::vector<int> zones = ZonesParPiece(Etat_);
    for (int r = 0; r < int(Etat_.pieces.size()); ++r) {
        const PieceAtelier &piece = Etat_.pieces[std::size_t(r)];
        const QStringList textes{
            QString::number(piece.repere),
            QString::number(piece.nombre),
            piece.designation,
            piece.matiere,
            piece.observation,
            QString::number(std::size_t(piece.repere) < zones.size() ? zones[std::size_t(piece.repere)] : 0)};
        for (int c = 0; c < NombreColonnes; ++c) {
            auto *item = new QTableWidgetItem(textes[c]);
            if (c == ColRepere || c == ColZones)
                item->setFlags(item->flags() & ~Qt::ItemIsEditable);
            if (c == ColRepere)
                item->setBackground(QColor(TeinteNumero(piece.repere, 140)));
            TablePieces->setItem(r, c, item);
        }
    }
    if (ligne >= 0 && ligne < TablePieces->rowCount())
        TablePieces->setCurrentCell(ligne, std::max(colonne, 0));
}

int TFormAtelier::PieceChoisie() const
{
    const int ligne = TablePieces->currentRow();
    return ligne >= 0 && ligne < int(Etat_.pieces.size()) ? Etat_.pieces[std::size_t(ligne)].repere : 0;
}

void TFormAtelier::TablePiecesModifiee(int ligne, int colonne)
{
    if (Edition_ || ligne < 0 || ligne >= int(Etat_.pieces.size()))
        return;
    EtatAtelier apres = Etat_;
    PieceAtelier &piece = apres.pieces[std::size_t(ligne)];
    const QString texte = TablePieces->item(ligne, colonne)->text().trimmed();
    switch (colonne) {
    case ColNombre: {
        bool ok = false;
        const int n = texte.toInt(&ok);
        if (!ok || n < 1 || n > 9999) {
            statusBar()->showMessage(TexteNombre);
            PiecesEdition();
            return;
        }
        piece.nombre = n;
        break;
    }
    case ColDesignation: piece.designation = texte; break;
    case ColMatiere: piece.matiere = texte; break;
    case ColObservation: piece.observation = texte; break;
    default: return;
    }
    Modifier(std::move(apres), QStringLiteral("Modifier la pièce %1").arg(piece.repere));
}

void TFormAtelier::AjouterPieceClick()
{
    if (Etat_.pieces.size() >= std::size_t(MaxZones)) {
        statusBar()->showMessage(TexteTropDePieces.arg(MaxZones));
        return;
    }
    EtatAtelier apres = Etat_;
    PieceAtelier piece;
    piece.repere = int(apres.pieces.size()) + 1;
    apres.pieces.push_back(piece);
    Modifier(std::move(apres), QStringLiteral("Ajouter la pièce %1").arg(piece.repere));
    Onglets->setCurrentIndex(1);
    TablePieces->setCurrentCell(piece.repere - 1, ColDesignation);
    TablePieces->setFocus();
}

void TFormAtelier::RetirerPieceClick()
{
    if (Etat_.pieces.empty())
        return;
    EtatAtelier apres = Etat_;
    const int repere = apres.pieces.back().repere;
    apres.pieces.pop_back();
    for (int &piece : apres.pieceDeZone)
        if (piece == repere)
            piece = 0;
    for (ClasseAtelier &classe : apres.classes)
        std::erase(classe.pieces, repere);
    Modifier(std::move(apres), QStringLiteral("Retirer la pièce %1").arg(repere));
}

// Lines of cells separated by tabs, as a spreadsheet copies them, written from the chosen cell to the right
// and down; rows past the end are new parts. The repère column is the row's own number.
void TFormAtelier::CollerPieces()
{
    const QString texte = QGuiApplication::clipboard()->text();
    QStringList lignes = texte.split(u'\n');
    while (!lignes.isEmpty() && lignes.last().trimmed().isEmpty())
        lignes.removeLast();
    if (lignes.isEmpty())
        return;
    const int ligneDepart = TablePieces->currentRow() >= 0 ? TablePieces->currentRow() : int(Etat_.pieces.size());
    const int colonneDepart = std::max(TablePieces->currentColumn(), 0);
    if (ligneDepart + lignes.size() > MaxZones) {
        statusBar()->showMessage(TexteTropDePieces.arg(MaxZones));
        return;
    }
    EtatAtelier apres = Etat_;
    for (int i = 0; i < lignes.size(); ++i) {
        const std::size_t r = std::size_t(ligneDepart + i);
        while (apres.pieces.size() <= r) {
            PieceAtelier piece;
            piece.repere = int(apres.pieces.size()) + 1;
            apres.pieces.push_back(piece);
        }
        PieceAtelier &piece = apres.pieces[r];
        const QStringList cellules = lignes[i].split(u'\t'); // each cell trimmed below, a Windows \r too
        for (int k = 0; k < cellules.size() && colonneDepart + k < ColZones; ++k) {
            const QString cellule = cellules[k].trimmed();
            switch (colonneDepart + k) {
            case ColNombre: {
                bool ok = false;
                const int n = cellule.toInt(&ok);
                if (ok && n >= 1 && n <= 9999)
                    piece.nombre = n;
                break;
            }
            case ColDesignation: piece.designation = cellule; break;
            case ColMatiere: piece.matiere = cellule; break;
            case ColObservation: piece.observation = cellule; break;
            default: break; // the repère is the row's
            }
        }
    }
    Modifier(std::move(apres), QStringLiteral("Coller des pièces"));
}

void TFormAtelier::ZonePieceClic(std::int32_t zone)
{
    const int repere = PieceChoisie();
    if (repere == 0) {
        statusBar()->showMessage(TexteChoisirPiece);
        return;
    }
    if (zone <= 0 || std::size_t(zone) >= Etat_.pieceDeZone.size())
        return;
    EtatAtelier apres = Etat_;
    int &piece = apres.pieceDeZone[std::size_t(zone)];
    piece = piece == repere ? 0 : repere;
    Modifier(std::move(apres), QStringLiteral("Zone %1 à la pièce %2").arg(zone).arg(repere));
}

void TFormAtelier::BulleClic(QPoint point)
{
    const int ligne = TablePieces->currentRow();
    if (PieceChoisie() == 0) {
        statusBar()->showMessage(TexteChoisirPiece);
        return;
    }
    EtatAtelier apres = Etat_;
    apres.pieces[std::size_t(ligne)].bulle = point;
    Modifier(std::move(apres), QStringLiteral("Bulle de la pièce %1").arg(apres.pieces[std::size_t(ligne)].repere));
}

// Each part without a bubble gets the first one read with its repère; a bubble placed by hand stays.
void TFormAtelier::TrouverBullesClick()
{
    if (!Analyse_->edition)
        return;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const std::vector<BulleTrouvee> bulles =
        TrouverBulles(Analyse_->edition->trait(), Analyse_->edition->zones(), Analyse_->edition->index());
    QGuiApplication::restoreOverrideCursor();
    if (bulles.empty()) {
        statusBar()->showMessage(TexteAucuneBulle);
        return;
    }
    EtatAtelier apres = Etat_;
    QList<int> placees, sansBulle, horsNomenclature;
    for (PieceAtelier &piece : apres.pieces) {
        const auto bulle =
            std::find_if(bulles.begin(), bulles.end(), [&](const BulleTrouvee &b) { return b.numero == piece.repere; });
        if (piece.bulle.isNull() && bulle != bulles.end()) {
            piece.bulle = bulle->centre;
            placees << piece.repere;
        } else if (piece.bulle.isNull()) {
            sansBulle << piece.repere;
        }
    }
    for (const BulleTrouvee &b : bulles)
        if (std::none_of(apres.pieces.begin(), apres.pieces.end(),
                         [&](const PieceAtelier &piece) { return piece.repere == b.numero; }) &&
            !horsNomenclature.contains(b.numero))
            horsNomenclature << b.numero;
    QStringList compte;
    compte << (placees.isEmpty() ? QStringLiteral("Aucune bulle à placer.")
                                 : QStringLiteral("Bulles placées : %1.").arg(Liste(placees)));
    if (!sansBulle.isEmpty())
        compte << QStringLiteral("À placer en cliquant : %1.").arg(Liste(sansBulle));
    if (!horsNomenclature.isEmpty())
        compte << QStringLiteral("Numéros lus hors de la nomenclature : %1.").arg(Liste(horsNomenclature));
    if (!placees.isEmpty())
        Modifier(std::move(apres), QStringLiteral("Trouver les bulles"));
    statusBar()->showMessage(compte.join(u' '));
}
