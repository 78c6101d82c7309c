#include "joint_graph/TFondGraphe.h"

#include <QPaintEvent>
#include <QPainter>

namespace {
void demiLien(QPainter &peintre, QPoint depuis, QPoint milieu, TColor couleur)
{
    peintre.setPen(QPen(CouleurVersQColor(couleur), TFondGraphe::EpaisseurLien, Qt::SolidLine, Qt::FlatCap));
    peintre.drawLine(depuis, milieu);
}
} // namespace

TFondGraphe::TFondGraphe(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(QStringLiteral("Graphe des liaisons"));
}

void TFondGraphe::DefinirLien(int liaison, const std::optional<Lien> &lien)
{
    if (!GrapheLiaisons::NumeroLiaisonValide(liaison))
        return;
    std::optional<Lien> &actuel = liens_[static_cast<std::size_t>(liaison - 1)];
    if (actuel == lien)
        return;
    QRegion aRepeindre;
    if (actuel)
        aRepeindre += RectangleLien(actuel->geometrie, EpaisseurLien);
    if (lien)
        aRepeindre += RectangleLien(lien->geometrie, EpaisseurLien);
    actuel = lien;
    update(aRepeindre);
}

const std::optional<TFondGraphe::Lien> &TFondGraphe::LienDe(int liaison) const
{
    static const std::optional<Lien> aucun;
    if (!GrapheLiaisons::NumeroLiaisonValide(liaison))
        return aucun;
    return liens_[static_cast<std::size_t>(liaison - 1)];
}

void TFondGraphe::Peindre(QPainter &peintre, const QRegion &region) const
{
    peintre.setClipRegion(region);
    const QRect limites = region.boundingRect();
    peintre.fillRect(limites, CouleurVersQColor(clBtnFace));
    for (const std::optional<Lien> &lien : liens_) {
        if (!lien || !RectangleLien(lien->geometrie, EpaisseurLien).intersects(limites))
            continue;
        demiLien(peintre, lien->geometrie.sortie, lien->geometrie.milieu, lien->couleurCe1);
        demiLien(peintre, lien->geometrie.entree, lien->geometrie.milieu, lien->couleurCe2);
    }
}

void TFondGraphe::paintEvent(QPaintEvent *evenement)
{
    QPainter peintre(this);
    Peindre(peintre, evenement->region());
}
