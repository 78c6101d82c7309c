#include "DessinTechnique.h"

#include <QtMath>
#include <algorithm>
#include <cmath>
#include <limits>

QPen TraitFort() { return QPen(Qt::black, 3, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin); }

QPen TraitFin() { return QPen(Qt::black, 1, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin); }

QPen TraitAxe()
{
    QPen stylo(Qt::black, 1, Qt::CustomDashLine, Qt::FlatCap);
    stylo.setDashPattern({14, 3, 2, 3});
    return stylo;
}

QPen TraitCache()
{
    QPen stylo(Qt::black, 1, Qt::CustomDashLine, Qt::FlatCap);
    stylo.setDashPattern({5, 3});
    return stylo;
}

void Hachurer(QPainter &p, const QPainterPath &zone, double angleDegres, double pas)
{
    const double angle = qDegreesToRadians(angleDegres);
    const QPointF direction(std::cos(angle), -std::sin(angle));
    const QPointF normale(-direction.y(), direction.x());
    const QRectF cadre = zone.boundingRect().adjusted(-2, -2, 2, 2);
    // Offsets are measured from the page origin, so that separate pieces of one part line up.
    double mini = std::numeric_limits<double>::max();
    double maxi = std::numeric_limits<double>::lowest();
    for (const QPointF &coin : {cadre.topLeft(), cadre.topRight(), cadre.bottomLeft(), cadre.bottomRight()}) {
        const double o = QPointF::dotProduct(coin, normale);
        mini = std::min(mini, o);
        maxi = std::max(maxi, o);
    }
    const QPointF centre = cadre.center();
    const double demiLongueur = std::hypot(cadre.width(), cadre.height());
    const double oCentre = QPointF::dotProduct(centre, normale);
    p.save();
    p.setClipPath(zone);
    p.setPen(TraitFin());
    for (double o = std::floor(mini / pas) * pas; o <= maxi; o += pas) {
        const QPointF base = centre + normale * (o - oCentre);
        p.drawLine(base - direction * demiLongueur, base + direction * demiLongueur);
    }
    p.restore();
}

void PieceCoupee(QPainter &p, const QPainterPath &section, double angleDegres, double pas)
{
    p.fillPath(section, Qt::white);
    Hachurer(p, section, angleDegres, pas);
    p.strokePath(section, TraitFort());
}

void PieceVue(QPainter &p, const QPainterPath &contour)
{
    p.fillPath(contour, Qt::white);
    p.strokePath(contour, TraitFort());
}

void SectionNoire(QPainter &p, const QPainterPath &section)
{
    p.fillPath(section, Qt::black);
    p.strokePath(section, TraitFort());
}

void LigneAxe(QPainter &p, QPointF a, QPointF b)
{
    p.save();
    p.setPen(TraitAxe());
    p.drawLine(a, b);
    p.restore();
}

void Fleche(QPainter &p, QPointF queue, QPointF pointe)
{
    const QPointF v = pointe - queue;
    const double longueur = std::hypot(v.x(), v.y());
    if (longueur <= 0)
        return;
    const QPointF u = v / longueur;
    const QPointF n(-u.y(), u.x());
    p.save();
    p.setPen(TraitFin());
    p.drawLine(queue, pointe);
    QPolygonF tete;
    tete << pointe << pointe - u * 12 + n * 4 << pointe - u * 12 - n * 4;
    p.setBrush(Qt::black);
    p.drawPolygon(tete);
    p.restore();
}

QPainterPath Rectangle(double x1, double y1, double x2, double y2)
{
    QPainterPath chemin;
    chemin.addRect(QRectF(QPointF(x1, y1), QPointF(x2, y2)));
    return chemin;
}

QPainterPath Polygone(std::initializer_list<QPointF> sommets)
{
    QPainterPath chemin;
    chemin.addPolygon(QPolygonF(QList<QPointF>(sommets)));
    chemin.closeSubpath();
    return chemin;
}

QPainterPath Disque(QPointF centre, double rayon)
{
    QPainterPath chemin;
    chemin.addEllipse(centre, rayon, rayon);
    return chemin;
}

void DessinerRepere(QPainter &p, const Repere &repere, Calque calque, const QColor &cle)
{
    if (calque != Calque::Plan && calque != Calque::Reperes)
        return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    if (calque == Calque::Plan) {
        p.setPen(TraitFin());
        p.drawLine(repere.centre, repere.cible);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        p.drawEllipse(QPointF(repere.cible), 3, 3);
        p.setPen(QPen(Qt::black, 2));
        p.setBrush(Qt::white);
    } else {
        p.setPen(QPen(cle, 2));
        p.setBrush(cle);
    }
    p.drawEllipse(QPointF(repere.centre), RayonRepere, RayonRepere);
    if (calque == Calque::Plan) {
        p.setFont(PoliceDessin(16, true));
        p.setPen(Qt::black);
        const QRect boite(repere.centre - QPoint(RayonRepere, RayonRepere), QSize(2 * RayonRepere, 2 * RayonRepere));
        p.drawText(boite, Qt::AlignCenter, QString::number(repere.numero));
    }
    p.restore();
}
