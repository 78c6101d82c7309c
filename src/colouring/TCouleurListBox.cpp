#include "colouring/TCouleurListBox.h"

#include "colouring/NomCouleur.h"
#include "common/Dialogues.h"

#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>

namespace {

const QString MessageCouleurUtilisee = QStringLiteral("Cette couleur est déjà utilisée.");
const QColor Argent(192, 192, 192);

bool dansTable(int i) { return i >= 0 && i < TCouleurListBox::NombreCases; }

// Draws an item: its background, a silver-bordered square of the slot's colour, then its text,
// silver when the slot is inactive.
class DessinItem final : public QStyledItemDelegate {
public:
    explicit DessinItem(TCouleurListBox &liste) : QStyledItemDelegate(&liste), liste_(liste) {}

    void paint(QPainter *peintre, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const int i = index.row();
        const QRect r = option.rect;
        const bool choisi = option.state & QStyle::State_Selected;
        const QPalette &palette = option.palette;
        peintre->save();
        peintre->fillRect(r, choisi ? palette.highlight() : palette.base());
        const int m = TCouleurListBox::MargeCase;
        const int mb = m + TCouleurListBox::BordCase;
        const int cote = r.height() - 2 * m;
        peintre->fillRect(QRect(r.left() + m, r.top() + m, cote, cote), Argent);
        const int coteCouleur = r.height() - 2 * mb;
        peintre->fillRect(QRect(r.left() + mb, r.top() + mb, coteCouleur, coteCouleur),
                          CouleurVersQColor(liste_.Couleur(i)));
        QColor texte = choisi ? palette.color(QPalette::HighlightedText) : palette.color(QPalette::Text);
        if (!liste_.Actif(i))
            texte = Argent;
        peintre->setPen(texte);
        peintre->setFont(option.font);
        const QRect zoneTexte(r.left() + r.height() + 2, r.top(), r.width() - r.height() - 2, r.height());
        peintre->drawText(zoneTexte, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                          index.data(Qt::DisplayRole).toString());
        peintre->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QSize taille = QStyledItemDelegate::sizeHint(option, index);
        taille.setHeight(liste_.HauteurItem());
        return taille;
    }

private:
    TCouleurListBox &liste_;
};

} // namespace

TCouleurListBox::TCouleurListBox(QWidget *proprietaire) : QListWidget(proprietaire)
{
    couleurs_.fill(clWhite);
    actifs_.fill(true);
    setItemDelegate(new DessinItem(*this));
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setAccessibleName(QStringLiteral("Liste des couleurs"));
    ajusterHauteurItems();
    connect(model(), &QAbstractItemModel::rowsInserted, this, [this](const QModelIndex &, int premier, int dernier) {
        for (int i = premier; i <= dernier; ++i)
            nommer(i);
    });
    connect(model(), &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex &haut, const QModelIndex &bas, const QList<int> &roles) {
                if (!roles.isEmpty() && !roles.contains(Qt::DisplayRole))
                    return;
                for (int i = haut.row(); i <= bas.row(); ++i)
                    nommer(i);
            });
}

void TCouleurListBox::ajusterHauteurItems()
{
    // Thirteen pixels, unless the desktop's font needs more to be read.
    hauteurItem_ = std::max(HauteurItemMin, fontMetrics().height() + 2);
    doItemsLayout();
}

void TCouleurListBox::changeEvent(QEvent *evenement)
{
    QListWidget::changeEvent(evenement);
    if (evenement->type() == QEvent::FontChange)
        ajusterHauteurItems();
}

TColor TCouleurListBox::Couleur(int i) const { return dansTable(i) ? couleurs_[std::size_t(i)] : clWhite; }

bool TCouleurListBox::Actif(int i) const { return dansTable(i) ? actifs_[std::size_t(i)] : true; }

void TCouleurListBox::DefinirCouleur(int i, TColor v)
{
    if (!dansTable(i) || couleurs_[std::size_t(i)] == v)
        return;
    for (int j = 0; j < count() && j < NombreCases; ++j) {
        if (couleurs_[std::size_t(j)] == v) {
            dialogues().Message(MessageCouleurUtilisee);
            return;
        }
    }
    ChangerCouleur(i, v);
}

void TCouleurListBox::ChangerCouleur(int i, TColor v)
{
    if (!dansTable(i))
        return;
    ancienne_ = couleurs_[std::size_t(i)];
    nouvelle_ = v;
    caseChangee_ = i;
    couleurs_[std::size_t(i)] = v;
    nommer(i);
    viewport()->update();
    emit CouleurChange();
}

void TCouleurListBox::DefinirActif(int i, bool b)
{
    if (!dansTable(i) || actifs_[std::size_t(i)] == b)
        return;
    actifs_[std::size_t(i)] = b;
    nommer(i);
    viewport()->update();
}

bool TCouleurListBox::ChoisirCouleur(int i)
{
    const std::optional<TColor> choisie = dialogues().ChoisirCouleur(clWhite, personnalisees_);
    if (choisie && *choisie != Couleur(i))
        DefinirCouleur(i, *choisie);
    return choisie.has_value();
}

void TCouleurListBox::nommer(int i)
{
    QListWidgetItem *element = item(i);
    if (!element)
        return;
    const QSignalBlocker silence(model());
    element->setData(Qt::AccessibleTextRole,
                     QStringLiteral("%1, case %2, couleur %3, %4")
                         .arg(element->text())
                         .arg(i)
                         .arg(NomCouleurFrancais(Couleur(i)))
                         .arg(Actif(i) ? QStringLiteral("active") : QStringLiteral("inactive")));
}

bool TCouleurListBox::selectionActive() const { return Actif(currentRow()); }

void TCouleurListBox::mousePressEvent(QMouseEvent *evenement)
{
    const int x = evenement->position().toPoint().x();
    QListWidget::mousePressEvent(evenement);
    if (x > 0 && x < hauteurItem_) {
        emit CouleurClick();
        if (currentRow() >= 0)
            ChoisirCouleur(currentRow());
        return;
    }
    if (selectionActive())
        emit SourisEnfoncee(evenement->button(), evenement->position().toPoint());
}

void TCouleurListBox::mouseReleaseEvent(QMouseEvent *evenement)
{
    QListWidget::mouseReleaseEvent(evenement);
    if (selectionActive())
        emit SourisRelachee(evenement->button(), evenement->position().toPoint());
}

void TCouleurListBox::mouseMoveEvent(QMouseEvent *evenement)
{
    QListWidget::mouseMoveEvent(evenement);
    if (selectionActive())
        emit SourisDeplacee(evenement->position().toPoint());
}

void TCouleurListBox::mouseDoubleClickEvent(QMouseEvent *evenement)
{
    QListWidget::mouseDoubleClickEvent(evenement);
    if (selectionActive())
        emit DoubleClic(evenement->position().toPoint());
}

void TCouleurListBox::keyPressEvent(QKeyEvent *evenement)
{
    const int avant = currentRow();
    QListWidget::keyPressEvent(evenement);
    if (currentRow() != avant)
        emit SelectionChangeeAuClavier();
}
