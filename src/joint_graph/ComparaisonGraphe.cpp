#include "joint_graph/ComparaisonGraphe.h"

#include <QStringList>
#include <algorithm>
#include <map>
#include <utility>

namespace {

const QString TexteJuste = QStringLiteral("Votre graphe des liaisons est juste.");
const QString TexteClassesDifferentes = QStringLiteral(
    "Votre graphe a %1 classes d'équivalence et la correction %2 : ils ne peuvent pas être comparés.");
const QString TexteJustes = QStringLiteral("Liaisons justes : %1.");
const QString TexteManquantes = QStringLiteral(
    "Il manque %1 liaison(s) entre des classes d'équivalence que vous n'avez pas reliées.");
const QString TexteParallele = QStringLiteral(
    "Il manque %1 liaison(s) entre les classes d'équivalence %2 et %3 (liaisons en parallèle).");
const QString TexteEnTrop = QStringLiteral("%1 liaison(s) en trop entre les classes d'équivalence %2 et %3.");
const QString TexteMauvaisType =
    QStringLiteral("%1 liaison(s) entre les classes d'équivalence %2 et %3 n'ont pas le bon type.");
const QString TexteIncompletes = QStringLiteral("%1 liaison(s) n'ont pas leurs deux classes d'équivalence.");
const QString TexteBatiJuste = QStringLiteral("Le bâti est juste.");
const QString TexteBatiFaux = QStringLiteral("Le bâti n'est pas la bonne classe d'équivalence.");
const QString TexteBatiAbsent = QStringLiteral("Vous n'avez pas défini le bâti.");

using Cle = std::pair<int, int>;
// For each unordered pair of classes, the types of its joints, sorted.
using Types = std::map<Cle, std::vector<int>>;

Types typesParPaire(const GrapheLiaisons &g, int *incompletes)
{
    Types types;
    for (int n = 1; n <= g.NbrLiaison(); ++n) {
        const TLiaison &l = g.Liaison(n);
        if (l.Ce1 < 1 || l.Ce2 < 1 || l.Ce1 > g.NbrCe() || l.Ce2 > g.NbrCe() || l.Ce1 == l.Ce2) {
            if (incompletes)
                ++*incompletes;
            continue;
        }
        types[{std::min(l.Ce1, l.Ce2), std::max(l.Ce1, l.Ce2)}].push_back(l.Liaison3D);
    }
    for (auto &[cle, liste] : types)
        std::sort(liste.begin(), liste.end());
    return types;
}

// The frame is the last class marked so, as the diagram reads it.
int bati(const GrapheLiaisons &g)
{
    int b = 0;
    for (int n = 1; n <= g.NbrCe(); ++n) {
        if (g.Ce(n).Bati)
            b = n;
    }
    return b;
}

} // namespace

VerdictGraphe ComparerGraphes(const GrapheLiaisons &eleve, const GrapheLiaisons &correction)
{
    VerdictGraphe v;
    if (eleve.NbrCe() != correction.NbrCe()) {
        v.refus = TexteClassesDifferentes.arg(eleve.NbrCe()).arg(correction.NbrCe());
        return v;
    }
    const Types attendus = typesParPaire(correction, nullptr);
    const Types donnes = typesParPaire(eleve, &v.incompletes);

    for (const auto &[cle, types] : donnes) {
        const auto trouve = attendus.find(cle);
        const std::vector<int> vide;
        const std::vector<int> &voulus = trouve == attendus.end() ? vide : trouve->second;
        std::vector<int> communs;
        std::set_intersection(types.begin(), types.end(), voulus.begin(), voulus.end(), std::back_inserter(communs));
        const int justes = int(communs.size());
        const int enCommun = int(std::min(types.size(), voulus.size()));
        v.justes += justes;
        if (enCommun > justes)
            v.mauvaisType.push_back({cle.first, cle.second, enCommun - justes});
        if (int(types.size()) > enCommun)
            v.enTrop.push_back({cle.first, cle.second, int(types.size()) - enCommun});
        if (int(voulus.size()) > enCommun)
            v.paralleleManquante.push_back({cle.first, cle.second, int(voulus.size()) - enCommun});
    }
    for (const auto &[cle, voulus] : attendus) {
        if (!donnes.count(cle))
            v.manquantes += int(voulus.size());
    }

    const int batiAttendu = bati(correction);
    const int batiDonne = bati(eleve);
    if (batiAttendu == 0)
        v.bati = VerdictGraphe::Bati::SansCorrection;
    else if (batiDonne == 0)
        v.bati = VerdictGraphe::Bati::Absent;
    else
        v.bati = batiDonne == batiAttendu ? VerdictGraphe::Bati::Juste : VerdictGraphe::Bati::Faux;
    return v;
}

bool VerdictGraphe::juste() const
{
    return refus.isEmpty() && manquantes == 0 && paralleleManquante.empty() && enTrop.empty() && mauvaisType.empty() &&
           incompletes == 0 && (bati == Bati::Juste || bati == Bati::SansCorrection);
}

QString VerdictGraphe::texte() const
{
    if (!refus.isEmpty())
        return refus;
    QStringList lignes;
    if (juste())
        lignes << TexteJuste;
    lignes << TexteJustes.arg(justes);
    if (manquantes > 0)
        lignes << TexteManquantes.arg(manquantes);
    for (const Paire &p : paralleleManquante)
        lignes << TexteParallele.arg(p.nombre).arg(p.ce1).arg(p.ce2);
    for (const Paire &p : enTrop)
        lignes << TexteEnTrop.arg(p.nombre).arg(p.ce1).arg(p.ce2);
    for (const Paire &p : mauvaisType)
        lignes << TexteMauvaisType.arg(p.nombre).arg(p.ce1).arg(p.ce2);
    if (incompletes > 0)
        lignes << TexteIncompletes.arg(incompletes);
    if (bati == Bati::Juste)
        lignes << TexteBatiJuste;
    else if (bati == Bati::Faux)
        lignes << TexteBatiFaux;
    else if (bati == Bati::Absent)
        lignes << TexteBatiAbsent;
    return lignes.join(u'\n');
}
