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
    modification_ = ModificationZones{{}, index_, composee_, zones_.nombre};
}

std::int32_t EditionZones::zoneEn(QPoint point) const
{
    if (!QRect(QPoint(0, 0), zones_.taille).contains(point))
        return 0;
    return zones_.zone(point.x(), point.y());
}

std::int32_t EditionZones::zoneProche(QPoint point, int rayon) const
{
    if (const std::int32_t zone = zoneEn(point); zone != 0)
        return zone;
    const QRect carre =
        QRect(point - QPoint(rayon, rayon), point + QPoint(rayon, rayon)) & QRect(QPoint(0, 0), zones_.taille);
    std::int32_t proche = 0;
    int distanceProche = rayon * rayon + 1;
    for (int y = carre.top(); y <= carre.bottom(); ++y)
        for (int x = carre.left(); x <= carre.right(); ++x) {
            const int distance = (x - point.x()) * (x - point.x()) + (y - point.y()) * (y - point.y());
            if (distance < distanceProche && zones_.zone(x, y) != 0) {
                proche = zones_.zone(x, y);
                distanceProche = distance;
            }
        }
    return proche;
}

namespace {

constexpr int CoteCarreau = 64;

int CarreauxEn(int pixels) { return (pixels + CoteCarreau - 1) / CoteCarreau; }

} // namespace

void EditionZones::commencerModification()
{
    for (const ModificationZones::Carreau &carreau : modification_.carreaux)
        carreauNote_[std::size_t(carreau.cadre.y() / CoteCarreau * CarreauxEn(zones_.taille.width()) +
                                 carreau.cadre.x() / CoteCarreau)] = 0;
    modification_ = ModificationZones{{}, index_, composee_, zones_.nombre};
    carreauNote_.resize(std::size_t(CarreauxEn(zones_.taille.width())) *
                        std::size_t(CarreauxEn(zones_.taille.height())));
}

void EditionZones::noter(int x, int y)
{
    const int colonne = x / CoteCarreau, rangee = y / CoteCarreau;
    std::uint8_t &note = carreauNote_[std::size_t(rangee * CarreauxEn(zones_.taille.width()) + colonne)];
    if (note)
        return;
    note = 1;
    const QRect cadre = QRect(colonne * CoteCarreau, rangee * CoteCarreau, CoteCarreau, CoteCarreau) &
                        QRect(QPoint(0, 0), zones_.taille);
    ModificationZones::Carreau carreau{cadre, {}, trait_.copy(cadre)};
    carreau.etiquettes.reserve(std::size_t(cadre.width()) * std::size_t(cadre.height()));
    for (int ligne = cadre.top(); ligne <= cadre.bottom(); ++ligne)
        carreau.etiquettes.insert(carreau.etiquettes.end(), &etiquette(cadre.left(), ligne),
                                  &etiquette(cadre.left(), ligne) + cadre.width());
    modification_.carreaux.push_back(std::move(carreau));
}

void EditionZones::noter(QRect cadre)
{
    cadre &= QRect(QPoint(0, 0), zones_.taille);
    if (cadre.isEmpty())
        return;
    for (int y = cadre.top() / CoteCarreau * CoteCarreau; y <= cadre.bottom(); y += CoteCarreau)
        for (int x = cadre.left() / CoteCarreau * CoteCarreau; x <= cadre.right(); x += CoteCarreau)
            noter(x, y);
}

ModificationZones EditionZones::PrendreModification()
{
    ModificationZones prise = std::move(modification_);
    for (const ModificationZones::Carreau &carreau : prise.carreaux)
        carreauNote_[std::size_t(carreau.cadre.y() / CoteCarreau * CarreauxEn(zones_.taille.width()) +
                                 carreau.cadre.x() / CoteCarreau)] = 0;
    modification_ = ModificationZones{{}, index_, composee_, zones_.nombre};
    return prise;
}

ModificationZones EditionZones::Echanger(ModificationZones modification)
{
    ModificationZones remplacee{{}, index_, composee_, zones_.nombre};
    for (ModificationZones::Carreau &carreau : modification.carreaux) {
        const QRect cadre = carreau.cadre & QRect(QPoint(0, 0), zones_.taille);
        if (cadre != carreau.cadre ||
            carreau.etiquettes.size() != std::size_t(cadre.width()) * std::size_t(cadre.height()) ||
            carreau.trait.size() != cadre.size() || carreau.trait.format() != QImage::Format_RGB888)
            continue; // not a square of this drawing
        ModificationZones::Carreau ancien{cadre, {}, trait_.copy(cadre)};
        for (int ligne = 0; ligne < cadre.height(); ++ligne) {
            std::int32_t *debut = &etiquette(cadre.left(), cadre.top() + ligne);
            ancien.etiquettes.insert(ancien.etiquettes.end(), debut, debut + cadre.width());
            std::copy_n(carreau.etiquettes.data() + std::size_t(ligne) * std::size_t(cadre.width()), cadre.width(),
                        debut);
            std::copy_n(carreau.trait.constScanLine(ligne), 3 * cadre.width(),
                        trait_.scanLine(cadre.top() + ligne) + 3 * cadre.left());
        }
        remplacee.carreaux.push_back(std::move(ancien));
    }
    index_ = std::move(modification.index);
    composee_ = std::move(modification.composee);
    zones_.nombre = modification.nombre;
    return remplacee;
}

void EditionZones::renumeroter(QRect cadre, std::int32_t de, std::int32_t vers)
{
    noter(cadre);
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
    commencerModification();
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
    commencerModification();
    const std::vector<QPoint> pixels = pixelsDuTrait(trace, epaisseur);
    if (pixels.empty())
        return {};
    QRect change;
    std::vector<std::int32_t> touchees;
    for (const QPoint p : pixels) {
        noter(p.x(), p.y());
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
