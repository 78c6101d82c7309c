#include "common/Engrenage.h"

#include <QPainter>
#include <QtMath>
#include <algorithm>
#include <cmath>

namespace {

double Involute(double a) { return std::tan(a) - a; }

} // namespace

QPainterPath ProfilEngrenage(int dents, double module, double rayonAlesage, int trous, double largeurClavette)
{
    const double pression = qDegreesToRadians(20.0);
    const double rp = RayonPrimitif(dents, module);
    const double rb = rp * std::cos(pression);
    const double ra = rp + module;
    const double rf = rp - 1.25 * module;
    // Half the angular thickness of a tooth at radius r.
    const auto demiEpaisseur = [&](double r) {
        return M_PI / (2 * dents) + Involute(pression) - Involute(std::acos(std::min(1.0, rb / r)));
    };
    const double rFlanc = std::max(rb, rf);
    constexpr int PointsFlanc = 8;
    QPolygonF contour;
    for (int k = 0; k < dents; ++k) {
        const double c = 2 * M_PI * k / dents;
        contour << Polaire(rf, c - demiEpaisseur(rFlanc));
        for (int i = 0; i <= PointsFlanc; ++i) {
            const double r = rFlanc + (ra - rFlanc) * i / PointsFlanc;
            contour << Polaire(r, c - demiEpaisseur(r));
        }
        for (int i = PointsFlanc; i >= 0; --i) {
            const double r = rFlanc + (ra - rFlanc) * i / PointsFlanc;
            contour << Polaire(r, c + demiEpaisseur(r));
        }
        contour << Polaire(rf, c + demiEpaisseur(rFlanc));
        const double debutCreux = c + demiEpaisseur(rFlanc);
        const double finCreux = c + 2 * M_PI / dents - demiEpaisseur(rFlanc);
        for (int j = 1; j < 4; ++j)
            contour << Polaire(rf, debutCreux + (finCreux - debutCreux) * j / 4);
    }
    QPainterPath chemin;
    chemin.setFillRule(Qt::OddEvenFill);
    chemin.addPolygon(contour);
    chemin.closeSubpath();
    if (largeurClavette > 0) {
        QPainterPath alesage;
        alesage.addEllipse(QPointF(0, 0), rayonAlesage, rayonAlesage);
        QPainterPath rainure;
        rainure.addRect(
            QRectF(-largeurClavette / 2, -rayonAlesage - largeurClavette / 2, largeurClavette, rayonAlesage));
        chemin.addPath(alesage.united(rainure));
    } else {
        chemin.addEllipse(QPointF(0, 0), rayonAlesage, rayonAlesage);
    }
    const double rTrous = (rf * 0.82 + rayonAlesage * 1.4) / 2;
    const double rTrou = (rf * 0.82 - rayonAlesage * 1.4) * 0.3;
    for (int i = 0; i < trous; ++i)
        chemin.addEllipse(Polaire(rTrous, 2 * M_PI * (i + 0.5) / trous), rTrou, rTrou);
    return chemin;
}

void DessinerEngrenage(QPainter &p, const QPainterPath &profil, QPointF centre, double angle, const QColor &remplissage,
                       const QColor &contour)
{
    p.save();
    p.translate(centre);
    p.rotate(angle);
    p.fillPath(profil, remplissage);
    p.strokePath(profil, QPen(contour, 1.6));
    p.restore();
}
