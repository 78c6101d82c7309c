#include "atelier/EditionZones.h"

#include "atelier/Composantes.h"
#include "atelier/NettoyageDessin.h"

#include <QPainter>
#include <algorithm>
#include <cstdlib>
#include <utility>

EditionZones::EditionZones(QImage trait, ZonesDessin zones, int aireMin)
    : trait_(std::move(trait)), zones_(std::move(zones)), aireMin_(aireMin)
{
    if (trait_.format() != QImage::Format_RGB888)
        trait_ = TraitNoirSurBlanc(MasqueDuTrait(trait_));
    // Zones of another sheet, or a table of the wrong length, are none of this drawing's.
    if (zones_.taille != trait_.size() ||
        zones_.etiquettes.size() != std::size_t(trait_.width()) * std::size_t(trait_.height()))
        zones_ = ZonesDessin{trait_.size(),
                             std::vector<std::int32_t>(std::size_t(trait_.width()) * std::size_t(trait_.height())), 0};
    index_ = IndexerZones(zones_);
    // A zone whose paper makes several regions: its regions are counted, each by the number of its first run.
    composee_.assign(index_.aires.size(), 0);
    const Composantes blancs = TrouverComposantes(MasqueDuTrait(trait_), false, false);
    std::vector<std::uint8_t> vue(index_.aires.size(), 0);
    std::int32_t suivante = 0; // regions are numbered in the order their first run comes
    for (int y = 0; y < zones_.taille.height(); ++y) {
        const Passage *passages = blancs.rangee(y);
        for (std::size_t i = 0, n = blancs.passagesRangee(y); i < n; ++i) {
            if (passages[i].composante != suivante)
                continue;
            ++suivante;
            const std::int32_t zone = zones_.zone(passages[i].x0, y);
            if (zone > 0) {
                composee_[std::size_t(zone)] |= vue[std::size_t(zone)];
                vue[std::size_t(zone)] = 1;
            }
        }
    }
}

std::int32_t EditionZones::zoneEn(QPoint point) const
{
    if (!QRect(QPoint(0, 0), zones_.taille).contains(point))
        return 0;
    return zones_.zone(point.x(), point.y());
}

void EditionZones::renumeroter(QRect cadre, std::int32_t de, std::int32_t vers)
{
    for (int y = cadre.top(); y <= cadre.bottom(); ++y) {
        std::int32_t *ligne = &etiquette(0, y);
        for (int x = cadre.left(); x <= cadre.right(); ++x)
            if (ligne[x] == de)
                ligne[x] = vers;
    }
}

// Zones whose pixels are all gone give their numbers to the last zones.
QRect EditionZones::compacterNumeros(std::vector<std::int32_t> vides)
{
    QRect change;
    const auto retirerDerniere = [this] {
        index_.cadres.pop_back();
        index_.aires.pop_back();
        composee_.pop_back();
        --zones_.nombre;
    };
    const auto retirerVidesDeFin = [&] {
        while (zones_.nombre > 0 && index_.aires[std::size_t(zones_.nombre)] == 0)
            retirerDerniere();
    };
    retirerVidesDeFin();
    std::sort(vides.begin(), vides.end());
    for (const std::int32_t vide : vides) {
        if (vide > zones_.nombre || index_.aires[std::size_t(vide)] != 0)
            continue;
        const std::size_t derniere = std::size_t(zones_.nombre);
        renumeroter(index_.cadres[derniere], zones_.nombre, vide);
        change |= index_.cadres[derniere];
        index_.cadres[std::size_t(vide)] = index_.cadres[derniere];
        index_.aires[std::size_t(vide)] = index_.aires[derniere];
        composee_[std::size_t(vide)] = composee_[derniere];
        retirerDerniere();
        retirerVidesDeFin();
    }
    return change;
}

QRect EditionZones::FusionnerZones(std::int32_t gardee, std::int32_t absorbee)
{
    if (gardee == absorbee || gardee < 1 || absorbee < 1 || gardee > zones_.nombre || absorbee > zones_.nombre)
        return {};
    QRect change = index_.cadres[std::size_t(absorbee)];
    renumeroter(change, absorbee, gardee);
    index_.cadres[std::size_t(gardee)] |= change;
    index_.aires[std::size_t(gardee)] += index_.aires[std::size_t(absorbee)];
    index_.aires[std::size_t(absorbee)] = 0;
    composee_[std::size_t(gardee)] = 1;
    return change | compacterNumeros({absorbee});
}

std::vector<QPoint> EditionZones::pixelsDuTrait(const QPolygon &trace, int epaisseur) const
{
    epaisseur = std::clamp(epaisseur, 1, EpaisseurTraitMax);
    const QRect feuille(QPoint(0, 0), zones_.taille);
    // Only the part of the stroke on the sheet is drawn, whatever its points.
    const QRect utile = trace.boundingRect().adjusted(-epaisseur, -epaisseur, epaisseur, epaisseur) & feuille;
    if (trace.isEmpty() || utile.isEmpty())
        return {};
    QImage calque(utile.size(), QImage::Format_ARGB32_Premultiplied);
    if (calque.isNull())
        return {};
    calque.fill(Qt::transparent);
    {
        QPainter peintre(&calque);
        peintre.translate(-utile.topLeft());
        peintre.setPen(QPen(Qt::black, epaisseur, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        if (trace.size() == 1)
            peintre.drawPoint(trace.first());
        else
            peintre.drawPolyline(trace);
    }
    std::vector<QPoint> pixels;
    for (int y = utile.top(); y <= utile.bottom(); ++y) {
        const auto *ligne = reinterpret_cast<const QRgb *>(calque.constScanLine(y - utile.top()));
        for (int x = utile.left(); x <= utile.right(); ++x)
            if (qAlpha(ligne[x - utile.left()]) != 0)
                pixels.emplace_back(x, y);
    }
    return pixels;
}

QRect EditionZones::TracerTrait(const QPolygon &trace, int epaisseur)
{
    const std::vector<QPoint> pixels = pixelsDuTrait(trace, epaisseur);
    if (pixels.empty())
        return {};
    QRect change;
    std::vector<std::int32_t> touchees;
    for (const QPoint p : pixels) {
        std::int32_t &zone = etiquette(p.x(), p.y());
        if (blanc(p.x(), p.y())) {
            std::fill_n(trait_.scanLine(p.y()) + 3 * p.x(), 3, uchar(0));
            if (zone > 0) {
                --index_.aires[std::size_t(zone)];
                touchees.push_back(zone);
            }
            change |= QRect(p, QSize(1, 1));
        }
        zone = MarqueTrait;
    }
    const auto finirTrait = [&] {
        for (const QPoint p : pixels)
            etiquette(p.x(), p.y()) = 0;
    };
    if (change.isEmpty()) {
        finirTrait();
        return {};
    }
    std::vector<QPoint> graines;
    const QRect feuille(QPoint(0, 0), zones_.taille);
    for (const QPoint p : pixels)
        for (const QPoint pas : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
            const QPoint q = p + pas;
            if (feuille.contains(q) && blanc(q.x(), q.y()))
                graines.push_back(q);
        }
    change |= retrouverZones(graines);
    finirTrait();
    std::sort(touchees.begin(), touchees.end());
    touchees.erase(std::unique(touchees.begin(), touchees.end()), touchees.end());
    std::vector<std::int32_t> vides;
    for (const std::int32_t zone : touchees)
        if (zone <= zones_.nombre && index_.aires[std::size_t(zone)] == 0)
            vides.push_back(zone);
    return change | compacterNumeros(vides);
}
