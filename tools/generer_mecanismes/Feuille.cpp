#include "Feuille.h"

Feuille::Feuille(QPainter &page, Calque calque, std::vector<QColor> marquesClasses)
    : page_(page), calque_(calque), marques_(std::move(marquesClasses)), feuilleBrouillon_(1, 1, QImage::Format_RGB888),
      brouillon_(&feuilleBrouillon_)
{}

void Feuille::decaler(double dx, double dy)
{
    page_.translate(dx, dy);
    brouillon_.translate(dx, dy);
}

void Feuille::zone(int piece, int classe) { zones_.push_back({piece, classe}); }

void Feuille::remplir(const QPainterPath &forme)
{
    if (zones_.empty())
        return;
    const ZoneDessin &z = zones_.back();
    if (calque_ == Calque::Zones)
        page_.fillPath(forme, CouleurCleZone(static_cast<int>(zones_.size())));
    else if (calque_ == Calque::Classes && z.classe >= 1 && z.classe <= static_cast<int>(marques_.size()))
        page_.fillPath(forme, marques_[static_cast<std::size_t>(z.classe - 1)]);
}

void Feuille::coupee(const QPainterPath &section, double angleDegres, double pas)
{
    if (calque_ == Calque::Plan)
        PieceCoupee(page_, section, angleDegres, pas);
    else
        remplir(section);
}

void Feuille::vue(const QPainterPath &contour)
{
    if (calque_ == Calque::Plan)
        PieceVue(page_, contour);
    else
        remplir(contour);
}

void Feuille::noire(const QPainterPath &section)
{
    if (calque_ == Calque::Plan)
        SectionNoire(page_, section);
    else if (calque_ != Calque::Reperes)
        page_.fillPath(section, Qt::white);
}

void DessinerVisCHc(Feuille &f, QPointF faceTete, double angleDegres, const VisCHc &vis)
{
    QPainter &p = f.trait();
    const QTransform repere = QTransform().translate(faceTete.x(), faceTete.y()).rotate(angleDegres);
    const double rk = vis.dk / 2;
    const double r = vis.d / 2;
    const double bout = vis.k + vis.longueur;
    const double c = 2; // chamfers
    const QPainterPath tete = Polygone({{0, -rk + c}, {c, -rk}, {vis.k, -rk}, {vis.k, rk}, {c, rk}, {0, rk - c}});
    const QPainterPath tige =
        Polygone({{vis.k, -r}, {bout - c, -r}, {bout, -r + c}, {bout, r - c}, {bout - c, r}, {vis.k, r}});
    f.vue(repere.map(tete));
    f.vue(repere.map(tige));
    p.save();
    p.setTransform(repere, true);
    // The hexagon socket, hidden inside the head.
    const double s = vis.dk * 0.25;
    p.setPen(TraitCache());
    p.drawLine(QPointF(0, -s), QPointF(vis.k * 0.6, -s));
    p.drawLine(QPointF(0, s), QPointF(vis.k * 0.6, s));
    p.drawLine(QPointF(vis.k * 0.6, -s), QPointF(vis.k * 0.75, 0));
    p.drawLine(QPointF(vis.k * 0.6, s), QPointF(vis.k * 0.75, 0));
    // Thread: roots in thin lines, limit in a thick one.
    const double racine = r * 0.8;
    const double debut = bout - vis.filetage;
    p.setPen(TraitFin());
    p.drawLine(QPointF(debut, -racine), QPointF(bout, -racine));
    p.drawLine(QPointF(debut, racine), QPointF(bout, racine));
    p.setPen(TraitFort());
    p.drawLine(QPointF(debut, -r), QPointF(debut, r));
    p.restore();
}
