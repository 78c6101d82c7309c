#include "atelier/CalquesAtelier.h"

#include "atelier/CouleursMecanisme.h"

#include <QPainter>
#include <QRect>
#include <algorithm>
#include <climits>

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

// The smallest rectangle around each zone of the drawing (index = zone), null for one without a pixel.
std::vector<QRect> CadresZones(const ZonesDessin &zones)
{
    struct Bornes {
        int x0 = INT_MAX, y0 = INT_MAX, x1 = -1, y1 = -1;
    };
    std::vector<Bornes> bornes(std::size_t(zones.nombre) + 1);
    const int largeur = zones.taille.width();
    for (int y = 0; y < zones.taille.height(); ++y) {
        const std::int32_t *etiquette = zones.etiquettes.data() + std::size_t(y) * std::size_t(largeur);
        for (int x = 0; x < largeur; ++x) {
            Bornes &b = bornes[std::size_t(etiquette[x])];
            b.x0 = std::min(b.x0, x), b.y0 = std::min(b.y0, y), b.x1 = std::max(b.x1, x), b.y1 = std::max(b.y1, y);
        }
    }
    std::vector<QRect> cadres(bornes.size());
    for (std::size_t z = 0; z < bornes.size(); ++z) {
        if (bornes[z].x1 >= 0)
            cadres[z] = QRect(QPoint(bornes[z].x0, bornes[z].y0), QPoint(bornes[z].x1, bornes[z].y1));
    }
    return cadres;
}

// The disc that covers a bubble clicked at the point: the white inside of its circle is a small, round zone of
// the drawing (the number's strokes are not, so the nearest zone around them is looked for); the disc takes
// that zone and the circle's line. A point where no such zone lies gets a disc of the default radius.
std::pair<QPoint, int> DisqueDeBulle(const ZonesDessin &zones, const std::vector<QRect> &cadres, QPoint bulle,
                                     int rayonDefaut)
{
    const QRect feuille(QPoint(0, 0), zones.taille);
    int zone = 0;
    int plusPres = INT_MAX;
    for (int dy = -rayonDefaut; dy <= rayonDefaut; ++dy) {
        for (int dx = -rayonDefaut; dx <= rayonDefaut; ++dx) {
            const QPoint p = bulle + QPoint(dx, dy);
            const int distance = dx * dx + dy * dy;
            if (distance < plusPres && feuille.contains(p) && zones.zone(p.x(), p.y()) > 0)
                zone = zones.zone(p.x(), p.y()), plusPres = distance;
        }
    }
    if (zone > 0) {
        const QRect c = cadres[std::size_t(zone)];
        const int cote = std::max(c.width(), c.height());
        const bool ronde = 2 * c.width() >= c.height() && 2 * c.height() >= c.width();
        if (ronde && c.contains(bulle) && cote <= 4 * rayonDefaut)
            return {c.center(), cote / 2 + std::max(2, cote / 8)};
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

QImage TrameReperes(const MecanismeAtelier &m)
{
    QImage trame(m.zones.taille, QImage::Format_RGB888);
    trame.fill(Qt::white);
    const std::vector<QRect> cadres = CadresZones(m.zones);
    // A bubble is some 8 mm across on an A3 sheet, a thirty-fifth of its short side, whatever the scan's resolution.
    const int rayonDefaut = std::max(8, std::min(trame.width(), trame.height()) / 70);
    QPainter p(&trame);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    for (const PieceAtelier &piece : m.pieces) {
        if (piece.bulle.isNull())
            continue;
        const auto [centre, rayon] = DisqueDeBulle(m.zones, cadres, piece.bulle, rayonDefaut);
        p.setBrush(CouleurCleZone(piece.repere));
        p.drawEllipse(centre, rayon, rayon);
    }
    return trame;
}
