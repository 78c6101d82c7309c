#include "Planche.h"

#include <QFontMetricsF>

#include <algorithm>
#include <array>

namespace {

// European projection symbol: the cone seen from the side and from its end.
void SymboleProjection(QPainter &p, QPointF centre)
{
    p.save();
    p.setPen(TraitFin());
    p.setBrush(Qt::NoBrush);
    const double x = centre.x();
    const double y = centre.y();
    p.drawPolygon(
        QPolygonF({QPointF(x - 30, y - 7), QPointF(x - 6, y - 13), QPointF(x - 6, y + 13), QPointF(x - 30, y + 7)}));
    p.drawEllipse(QPointF(x + 18, y), 13, 13);
    p.drawEllipse(QPointF(x + 18, y), 7, 7);
    p.restore();
}

QRectF CadreCartouche(const Mecanisme &m)
{
    return QRectF(m.zoneDessin.width() - 410, m.zoneDessin.height() - 130, 400, 120);
}

void Cartouche(QPainter &p, const Mecanisme &m)
{
    const QRectF cadre = CadreCartouche(m);
    const double x = cadre.x();
    const double y = cadre.y();
    p.save();
    p.fillRect(cadre, Qt::white);
    p.setPen(TraitFort());
    p.setBrush(Qt::NoBrush);
    p.drawRect(cadre);
    p.drawLine(QPointF(x, y + 60), QPointF(x + 400, y + 60));
    p.setPen(TraitFin());
    for (const double dx : {110.0, 210.0, 300.0})
        p.drawLine(QPointF(x + dx, y + 60), QPointF(x + dx, y + 120));
    p.restore();
    Texte(p, QRectF(x, y + 2, 400, 36), 26, true, m.nom);
    Texte(p, QRectF(x, y + 36, 400, 22), 13, false, QStringLiteral("Dessin d'ensemble"));
    Texte(p, QRectF(x + 4, y + 64, 102, 18), 11, false, QStringLiteral("Échelle"), Qt::AlignLeft | Qt::AlignTop);
    Texte(p, QRectF(x, y + 82, 110, 34), 18, true, m.echelle);
    SymboleProjection(p, QPointF(x + 160, y + 90));
    Texte(p, QRectF(x + 214, y + 64, 82, 18), 11, false, QStringLiteral("Format"), Qt::AlignLeft | Qt::AlignTop);
    Texte(p, QRectF(x + 210, y + 82, 90, 34), 18, true, QStringLiteral("A3"));
    Texte(p, QRectF(x + 304, y + 64, 92, 18), 11, false, QStringLiteral("Velkora"), Qt::AlignLeft | Qt::AlignTop);
    Texte(p, QRectF(x + 300, y + 82, 100, 34), 18, true, m.reference);
}

// A text in the cell, made smaller until it fits.
void TexteCellule(QPainter &p, const QRectF &cellule, const QString &texte, bool gras, Qt::Alignment alignement)
{
    const QRectF boite = cellule.adjusted(4, 0, -4, 0);
    int taille = 12;
    while (taille > 7 && QFontMetricsF(PoliceDessin(taille, gras)).horizontalAdvance(texte) > boite.width())
        --taille;
    Texte(p, boite, taille, gras, texte, alignement | Qt::AlignVCenter);
}

// The bill of materials on the title block, part 1 at the bottom, under a row of headings.
void Nomenclature(QPainter &p, const Mecanisme &m)
{
    const QRectF cadre = CadreNomenclature(m);
    const double x = cadre.left();
    const double bas = cadre.bottom();
    static constexpr std::array<double, 5> Colonnes{0, 40, 76, 256, 400};
    p.save();
    p.fillRect(cadre, Qt::white);
    p.setPen(TraitFin());
    for (std::size_t i = 1; i + 1 < Colonnes.size(); ++i)
        p.drawLine(QPointF(x + Colonnes[i], cadre.top()), QPointF(x + Colonnes[i], bas));
    for (std::size_t n = 1; n <= m.pieces.size(); ++n)
        p.drawLine(QPointF(x, bas - n * HauteurLigneNomenclature),
                   QPointF(cadre.right(), bas - n * HauteurLigneNomenclature));
    p.setPen(TraitFort());
    p.setBrush(Qt::NoBrush);
    p.drawRect(cadre);
    p.restore();
    const auto ligne = [&](double haut, const std::array<QString, 4> &textes, bool gras) {
        for (std::size_t i = 0; i < textes.size(); ++i) {
            const QRectF cellule(x + Colonnes[i], haut, Colonnes[i + 1] - Colonnes[i], HauteurLigneNomenclature);
            TexteCellule(p, cellule, textes[i], gras, i < 2 ? Qt::AlignHCenter : Qt::AlignLeft);
        }
    };
    ligne(cadre.top(),
          {QStringLiteral("Rep."), QStringLiteral("Nb"), QStringLiteral("Désignation"), QStringLiteral("Matière")},
          true);
    for (std::size_t i = 0; i < m.pieces.size(); ++i) {
        const PieceMecanisme &piece = m.pieces[i];
        ligne(bas - (i + 1) * HauteurLigneNomenclature,
              {QString::number(piece.repere), QString::number(piece.nombre), piece.designation, piece.matiere}, false);
    }
}

void Cadre(QPainter &p, QSize zone)
{
    const double l = zone.width();
    const double h = zone.height();
    p.save();
    p.setPen(TraitFort());
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(12, 12, l - 24, h - 24));
    // Centring marks in the middle of each side.
    p.drawLine(QPointF(l / 2, 2), QPointF(l / 2, 12));
    p.drawLine(QPointF(l / 2, h - 12), QPointF(l / 2, h - 2));
    p.drawLine(QPointF(2, h / 2), QPointF(12, h / 2));
    p.drawLine(QPointF(l - 12, h / 2), QPointF(l - 2, h / 2));
    p.restore();
}

} // namespace

QRectF CadreNomenclature(const Mecanisme &m)
{
    const QRectF cartouche = CadreCartouche(m);
    const double hauteur = double(m.pieces.size() + 1) * HauteurLigneNomenclature;
    return QRectF(cartouche.left(), cartouche.top() - hauteur, cartouche.width(), hauteur);
}

QRectF CadreCartoucheEtNomenclature(const Mecanisme &m) { return CadreNomenclature(m).united(CadreCartouche(m)); }

void Texte(QPainter &p, const QRectF &boite, int taille, bool gras, const QString &texte, Qt::Alignment alignement)
{
    p.save();
    p.setFont(PoliceDessin(taille, gras));
    p.setPen(Qt::black);
    p.drawText(boite, alignement, texte);
    p.restore();
}

void TraceCoupe(QPainter &p, double x, double haut, double bas, double sens, const QString &lettre)
{
    p.save();
    p.setPen(TraitFort());
    p.drawLine(QPointF(x, haut - 22), QPointF(x, haut));
    p.drawLine(QPointF(x, bas), QPointF(x, bas + 22));
    Fleche(p, QPointF(x, haut - 18), QPointF(x + sens * 28, haut - 18));
    Fleche(p, QPointF(x, bas + 18), QPointF(x + sens * 28, bas + 18));
    const double xl = x + sens * 30 + (sens < 0 ? -16 : 2);
    Texte(p, QRectF(xl, haut - 44, 14, 20), 16, true, lettre);
    Texte(p, QRectF(xl, bas + 24, 14, 20), 16, true, lettre);
    p.restore();
}

QTransform TransformationPlanche(const Mecanisme &m, QSize page)
{
    const double echelle =
        std::min(page.width() / double(m.zoneDessin.width()), page.height() / double(m.zoneDessin.height()));
    return QTransform()
        .translate((page.width() - m.zoneDessin.width() * echelle) / 2,
                   (page.height() - m.zoneDessin.height() * echelle) / 2)
        .scale(echelle, echelle);
}

std::vector<ZoneDessin> DessinerPlanche(QPainter &p, const Mecanisme &m, Calque calque)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    p.fillRect(QRect(QPoint(0, 0), m.zoneDessin), Qt::white);
    std::vector<QColor> marques;
    for (int n = 1; n <= static_cast<int>(m.classes.size()); ++n)
        marques.push_back(CouleurVersQColor(MarqueClasse(n)));
    Feuille feuille(p, calque, marques);
    if (calque != Calque::Reperes) {
        p.save();
        m.dessinerVues(feuille);
        p.restore();
    }
    if (calque == Calque::Plan) {
        Cadre(p, m.zoneDessin);
        Cartouche(p, m);
        Nomenclature(p, m);
    }
    for (const Repere &repere : m.reperes) {
        const auto piece = std::find_if(m.pieces.begin(), m.pieces.end(),
                                        [&](const PieceMecanisme &x) { return x.repere == repere.numero; });
        DessinerRepere(p, repere, calque,
                       piece == m.pieces.end() ? QColor(Qt::white) : CouleurVersQColor(piece->couleurCle));
    }
    p.restore();
    return feuille.zones();
}

QImage ImagePlanche(const Mecanisme &m, Calque calque)
{
    QImage image(TaillePlanche, QImage::Format_RGB888);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setTransform(TransformationPlanche(m));
    DessinerPlanche(p, m, calque);
    return image;
}

std::vector<ZoneDessin> ZonesPlanche(const Mecanisme &m)
{
    QImage rien(1, 1, QImage::Format_RGB888);
    QPainter p(&rien);
    return DessinerPlanche(p, m, Calque::Classes);
}
