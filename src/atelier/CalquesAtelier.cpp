#include "atelier/CalquesAtelier.h"

#include "atelier/CouleursMecanisme.h"

#include <QPainter>
#include <QRect>
#include <algorithm>

namespace {

struct Pixel {
    uchar r = 255, v = 255, b = 255;
};

Pixel PixelDe(const QColor &c) { return {uchar(c.red()), uchar(c.green()), uchar(c.blue())}; }

int PieceDeZone(const MecanismeAtelier &m, int zone)
{
    return zone >= 0 && std::size_t(zone) < m.pieceDeZone.size() ? m.pieceDeZone[std::size_t(zone)] : 0;
}

// Each zone of the drawing painted in its colour of the table (index = zone), white where it has none.
QImage PeindreZones(const ZonesDessin &zones, const std::vector<Pixel> &couleurs)
{
    QImage image(zones.taille, QImage::Format_RGB888);
    const int largeur = zones.taille.width();
    for (int y = 0; y < zones.taille.height(); ++y) {
        const std::int32_t *etiquette = zones.etiquettes.data() + std::size_t(y) * std::size_t(largeur);
        uchar *ligne = image.scanLine(y);
        for (int x = 0; x < largeur; ++x) {
            const std::int32_t z = etiquette[x];
            const Pixel p = z > 0 && std::size_t(z) < couleurs.size() ? couleurs[std::size_t(z)] : Pixel{};
            ligne[3 * x] = p.r, ligne[3 * x + 1] = p.v, ligne[3 * x + 2] = p.b;
        }
    }
    return image;
}

bool Blanc(const uchar *p) { return p[0] >= 128 && p[1] >= 128 && p[2] >= 128; }

// The disc under a bubble clicked at the point: the white inside of its circle is a small round region of the
// drawing, closed within a square twice the default radius around the click, and not as small as the holes of
// the number's figures; the disc covers it and the circle's line. The white nearest the click is tried first
// (the click may fall on the number). A click where no such region lies gets a disc of the default radius.
std::pair<QPoint, int> DisqueDeBulle(const QImage &plan, QPoint bulle, int rayonDefaut)
{
    const int portee = 2 * rayonDefaut;
    const QRect carre = QRect(bulle - QPoint(portee, portee), bulle + QPoint(portee, portee)).intersected(plan.rect());
    if (!carre.contains(bulle))
        return {bulle, rayonDefaut};
    const auto blanc = [&](QPoint p) { return Blanc(plan.constScanLine(p.y()) + 3 * p.x()); };
    std::vector<QPoint> graines;
    for (int dy = -rayonDefaut; dy <= rayonDefaut; ++dy) {
        for (int dx = -rayonDefaut; dx <= rayonDefaut; ++dx) {
            const QPoint p = bulle + QPoint(dx, dy);
            if (carre.contains(p) && blanc(p))
                graines.push_back(p);
        }
    }
    std::stable_sort(graines.begin(), graines.end(), [&](QPoint a, QPoint b) {
        return QPoint::dotProduct(a - bulle, a - bulle) < QPoint::dotProduct(b - bulle, b - bulle);
    });
    std::vector<std::uint8_t> vu(std::size_t(carre.width()) * std::size_t(carre.height()), 0);
    const auto marque = [&](QPoint p) -> std::uint8_t & {
        return vu[std::size_t(p.y() - carre.y()) * std::size_t(carre.width()) + std::size_t(p.x() - carre.x())];
    };
    constexpr int EssaisMax = 16;
    int essais = 0;
    for (const QPoint graine : graines) {
        if (marque(graine) || ++essais > EssaisMax)
            continue;
        QRect region(graine, QSize(1, 1));
        bool fermee = true;
        std::vector<QPoint> pile{graine};
        marque(graine) = 1;
        while (!pile.empty()) {
            const QPoint p = pile.back();
            pile.pop_back();
            region |= QRect(p, QSize(1, 1));
            for (const QPoint voisin : {p + QPoint(1, 0), p - QPoint(1, 0), p + QPoint(0, 1), p - QPoint(0, 1)}) {
                if (!carre.contains(voisin)) {
                    fermee = false;
                } else if (!marque(voisin) && blanc(voisin)) {
                    marque(voisin) = 1;
                    pile.push_back(voisin);
                }
            }
        }
        const int cote = std::max(region.width(), region.height());
        const bool ronde = 2 * region.width() >= region.height() && 2 * region.height() >= region.width();
        if (fermee && ronde && cote >= rayonDefaut && region.contains(bulle))
            return {region.center(), cote / 2 + std::max(2, cote / 8)};
    }
    return {bulle, rayonDefaut};
}

} // namespace

ZonesExercice NumeroterZonesExercice(const MecanismeAtelier &m)
{
    ZonesExercice z;
    z.numero.assign(std::size_t(std::max(m.zones.nombre, 0)) + 1, 0);
    // A zone merged into another keeps its number without a pixel: the student could never paint it.
    std::vector<bool> presente(z.numero.size(), false);
    for (const std::int32_t etiquette : m.zones.etiquettes)
        presente[std::size_t(etiquette)] = true;
    z.piece.push_back(0);
    for (int zone = 1; zone <= m.zones.nombre; ++zone) {
        if (const int piece = PieceDeZone(m, zone); piece > 0 && presente[std::size_t(zone)]) {
            z.piece.push_back(piece);
            z.numero[std::size_t(zone)] = z.nombre();
        }
    }
    return z;
}

std::vector<int> ClasseDesPieces(const MecanismeAtelier &m)
{
    int plusGrand = 0;
    for (const PieceAtelier &piece : m.pieces)
        plusGrand = std::max(plusGrand, piece.repere);
    std::vector<int> classe(std::size_t(plusGrand) + 1, 0);
    for (std::size_t n = 0; n < m.classes.size(); ++n) {
        for (const int repere : m.classes[n].pieces) {
            if (repere > 0 && repere <= plusGrand && classe[std::size_t(repere)] == 0)
                classe[std::size_t(repere)] = int(n) + 1;
        }
    }
    return classe;
}

QImage TrameZonesExercice(const MecanismeAtelier &m, const ZonesExercice &zones)
{
    std::vector<Pixel> couleurs(zones.numero.size());
    for (std::size_t zone = 1; zone < zones.numero.size(); ++zone) {
        if (zones.numero[zone] > 0)
            couleurs[zone] = PixelDe(CouleurCleZone(zones.numero[zone]));
    }
    return PeindreZones(m.zones, couleurs);
}

QImage TrameClasses(const MecanismeAtelier &m, const std::vector<int> &classeDesPieces)
{
    std::vector<Pixel> couleurs(std::size_t(std::max(m.zones.nombre, 0)) + 1);
    for (int zone = 1; zone <= m.zones.nombre; ++zone) {
        const int piece = PieceDeZone(m, zone);
        const int classe =
            piece > 0 && std::size_t(piece) < classeDesPieces.size() ? classeDesPieces[std::size_t(piece)] : 0;
        if (classe > 0)
            couleurs[std::size_t(zone)] = PixelDe(CouleurVersQColor(MarqueClasse(classe)));
    }
    return PeindreZones(m.zones, couleurs);
}

QImage TrameReperes(const MecanismeAtelier &m, const QImage &plan)
{
    QImage trame(plan.size(), QImage::Format_RGB888);
    trame.fill(Qt::white);
    // A bubble is some 8 mm across on an A3 sheet, a thirty-fifth of its short side, whatever the scan's resolution.
    const int rayonDefaut = std::max(8, std::min(trame.width(), trame.height()) / 70);
    QPainter p(&trame);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    for (const PieceAtelier &piece : m.pieces) {
        if (piece.bulle.isNull())
            continue;
        const auto [centre, rayon] = DisqueDeBulle(plan, piece.bulle, rayonDefaut);
        p.setBrush(CouleurCleZone(piece.repere));
        p.drawEllipse(centre, rayon, rayon);
    }
    return trame;
}
