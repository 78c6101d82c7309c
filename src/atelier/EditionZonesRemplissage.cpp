#include "atelier/EditionZones.h"

#include <array>
#include <map>
#include <set>

// After a stroke, the paper beside it is filled from every pixel that touches it, all fills growing by
// turns. Each region the fills reach becomes one of three things: open (it reaches the edge of the sheet:
// ground), closed (filled to its end: a zone of its own, or nothing when too small), or the rest of the
// region it was part of, which keeps its number. The rest is never filled: once every other part of a
// zone is closed, what remains is the rest. A stroke across a large zone therefore costs the smaller parts
// it cuts off, not the zone.

namespace {

enum class Etat { EnCours, Ouvert, Ferme, Reste };

struct Remplissage {
    std::vector<std::size_t> pixels; // reached so far; those from `tete` on are still to be grown from
    std::size_t tete = 0;
    std::int32_t classe = 0; // the number the region had before the stroke (0: ground or too small)
};

constexpr std::size_t PixelsParTour = 256;
constexpr int SautMax = 7; // the widest hatch line a zone holds together across, crossed at a slant

} // namespace

QRect EditionZones::retrouverZones(const std::vector<QPoint> &graines)
{
    const int largeur = zones_.taille.width(), hauteur = zones_.taille.height();
    std::vector<std::int32_t> &etiquettes = zones_.etiquettes;
    std::vector<Remplissage> remplissages;
    std::vector<std::int32_t> parent;
    std::vector<Etat> etat;
    const auto racine = [&parent](std::int32_t f) {
        while (parent[std::size_t(f)] != f)
            f = parent[std::size_t(f)] = parent[std::size_t(parent[std::size_t(f)])];
        return f;
    };
    const auto unir = [&](std::int32_t a, std::int32_t b) {
        a = racine(a);
        b = racine(b);
        if (a == b)
            return;
        if (etat[std::size_t(b)] == Etat::Ouvert)
            etat[std::size_t(a)] = Etat::Ouvert;
        parent[std::size_t(b)] = a;
    };
    const auto marque = [](std::int32_t f) { return -(f + 1); };

    for (const QPoint graine : graines) {
        const std::size_t i = std::size_t(graine.y()) * std::size_t(largeur) + std::size_t(graine.x());
        if (etiquettes[i] < 0)
            continue;
        noter(graine.x(), graine.y());
        const auto f = std::int32_t(remplissages.size());
        remplissages.push_back({{i}, 0, etiquettes[i]});
        etiquettes[i] = marque(f);
        parent.push_back(f);
        etat.push_back(Etat::EnCours);
    }

    const auto grandir = [&](std::int32_t f) {
        Remplissage &r = remplissages[std::size_t(f)];
        for (std::size_t n = 0; n < PixelsParTour && r.tete < r.pixels.size(); ++n) {
            const std::size_t p = r.pixels[r.tete++];
            const int x = int(p % std::size_t(largeur)), y = int(p / std::size_t(largeur));
            if (x == 0 || y == 0 || x == largeur - 1 || y == hauteur - 1) {
                etat[std::size_t(racine(f))] = Etat::Ouvert;
                return;
            }
            // Not on the edge: its four neighbours are on the sheet.
            const std::array<std::pair<std::size_t, QPoint>, 4> voisins{{{p - 1, {x - 1, y}},
                                                                         {p + 1, {x + 1, y}},
                                                                         {p - std::size_t(largeur), {x, y - 1}},
                                                                         {p + std::size_t(largeur), {x, y + 1}}}};
            for (const auto &[voisin, position] : voisins) {
                std::size_t q = voisin;
                QPoint ou = position;
                if (!blanc(position.x(), position.y())) {
                    if (r.classe <= 0 || !composee_[std::size_t(r.classe)])
                        continue;
                    // A zone of several regions (a hatched section, zones merged by hand) holds together
                    // across its thin lines, not across the stroke.
                    const QPoint pas = position - QPoint(x, y);
                    QPoint ici = position;
                    int k = 1;
                    while (k <= SautMax && QRect(QPoint(0, 0), zones_.taille).contains(ici) &&
                           !blanc(ici.x(), ici.y()) && etiquette(ici.x(), ici.y()) != MarqueTrait) {
                        ici += pas;
                        ++k;
                    }
                    if (k > SautMax || !QRect(QPoint(0, 0), zones_.taille).contains(ici) || !blanc(ici.x(), ici.y()))
                        continue;
                    q = std::size_t(ici.y()) * std::size_t(largeur) + std::size_t(ici.x());
                    ou = ici;
                    const std::int32_t v = etiquettes[q];
                    if (v >= 0 ? v != r.classe : remplissages[std::size_t(-v - 1)].classe != r.classe)
                        continue;
                }
                const std::int32_t v = etiquettes[q];
                if (v >= 0) {
                    noter(ou.x(), ou.y());
                    etiquettes[q] = marque(f);
                    r.pixels.push_back(q);
                } else {
                    unir(f, -v - 1);
                }
            }
        }
    };

    for (bool encore = !remplissages.empty(); encore;) {
        for (std::int32_t f = 0; f < std::int32_t(remplissages.size()); ++f)
            if (etat[std::size_t(racine(f))] == Etat::EnCours)
                grandir(f);
        // A group whose fills have all run out is closed.
        std::vector<std::uint8_t> actif(remplissages.size(), 0);
        for (std::int32_t f = 0; f < std::int32_t(remplissages.size()); ++f) {
            const Remplissage &r = remplissages[std::size_t(f)];
            if (r.tete < r.pixels.size())
                actif[std::size_t(racine(f))] = 1;
        }
        struct Bilan {
            int enCours = 0;
            std::int32_t dernier = -1;
            bool ouvert = false;
        };
        std::map<std::int32_t, Bilan> bilans;
        for (std::int32_t f = 0; f < std::int32_t(remplissages.size()); ++f) {
            if (racine(f) != f)
                continue;
            if (etat[std::size_t(f)] == Etat::EnCours && !actif[std::size_t(f)])
                etat[std::size_t(f)] = Etat::Ferme;
            Bilan &bilan = bilans[remplissages[std::size_t(f)].classe];
            bilan.ouvert |= etat[std::size_t(f)] == Etat::Ouvert;
            if (etat[std::size_t(f)] == Etat::EnCours) {
                ++bilan.enCours;
                bilan.dernier = f;
            }
        }
        encore = false;
        for (const auto &[classe, bilan] : bilans) {
            // The last part of a zone is its rest; so is the last part of the ground while no part has
            // reached the edge: the ground's edge is still beyond it.
            if (bilan.enCours == 1 && (classe > 0 || !bilan.ouvert))
                etat[std::size_t(bilan.dernier)] = Etat::Reste;
            else if (bilan.enCours > 0)
                encore = true;
        }
    }

    // What each group becomes.
    std::vector<std::int64_t> taille(remplissages.size(), 0);
    std::vector<QRect> cadre(remplissages.size());
    for (std::int32_t f = 0; f < std::int32_t(remplissages.size()); ++f) {
        const std::int32_t g = racine(f);
        taille[std::size_t(g)] += std::int64_t(remplissages[std::size_t(f)].pixels.size());
        for (const std::size_t p : remplissages[std::size_t(f)].pixels)
            cadre[std::size_t(g)] |= QRect(int(p % std::size_t(largeur)), int(p / std::size_t(largeur)), 1, 1);
    }
    std::map<std::int32_t, bool> avecReste;
    for (std::int32_t f = 0; f < std::int32_t(remplissages.size()); ++f)
        if (racine(f) == f && etat[std::size_t(f)] == Etat::Reste)
            avecReste[remplissages[std::size_t(f)].classe] = true;
    std::map<std::int32_t, bool> gardee;
    std::vector<std::int32_t> numero(remplissages.size(), 0);
    QRect change;
    for (std::int32_t f = 0; f < std::int32_t(remplissages.size()); ++f) {
        if (racine(f) != f)
            continue;
        const std::int32_t classe = remplissages[std::size_t(f)].classe;
        switch (etat[std::size_t(f)]) {
        case Etat::Reste: numero[std::size_t(f)] = classe; break;
        case Etat::Ouvert:
        case Etat::EnCours: numero[std::size_t(f)] = 0; break;
        case Etat::Ferme:
            change |= cadre[std::size_t(f)];
            if (classe > 0 && !avecReste[classe]) { // every part closed at once: the first keeps the number
                if (!gardee[classe]) {
                    gardee[classe] = true;
                    numero[std::size_t(f)] = classe;
                    index_.aires[std::size_t(classe)] = taille[std::size_t(f)];
                    break;
                }
            } else if (classe > 0) {
                index_.aires[std::size_t(classe)] -= taille[std::size_t(f)];
            }
            if (taille[std::size_t(f)] >= aireMin_) {
                numero[std::size_t(f)] = ++zones_.nombre;
                index_.cadres.push_back(cadre[std::size_t(f)]);
                index_.aires.push_back(taille[std::size_t(f)]);
                composee_.push_back(classe > 0 && composee_[std::size_t(classe)]);
            }
            break;
        }
    }
    for (std::int32_t f = 0; f < std::int32_t(remplissages.size()); ++f) {
        const std::int32_t valeur = numero[std::size_t(racine(f))];
        for (const std::size_t p : remplissages[std::size_t(f)].pixels)
            etiquettes[p] = valeur;
    }
    // A zone left smaller than a zone may be is a zone no more.
    std::set<std::int32_t> classes;
    for (const Remplissage &r : remplissages)
        classes.insert(r.classe);
    for (const std::int32_t classe : classes) {
        const std::size_t z = std::size_t(classe);
        if (classe > 0 && index_.aires[z] > 0 && index_.aires[z] < aireMin_) {
            renumeroter(index_.cadres[z], classe, 0);
            change |= index_.cadres[z];
            index_.aires[z] = 0;
        }
    }
    return change;
}
