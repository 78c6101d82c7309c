#include "joint_graph/ComparaisonGraphe.h"

#include "common/TrouverChemin.h"

#include <QFileInfo>
#include <QStringList>
#include <algorithm>
#include <map>
#include <optional>
#include <utility>

namespace {

const QString TexteJuste = QStringLiteral("Votre graphe des liaisons est juste.");
const QString TexteClassesDifferentes =
    QStringLiteral("Votre graphe a %1 classes d'équivalence et la correction %2 : ils ne peuvent pas être comparés.");
const QString TexteJustes = QStringLiteral("Liaisons justes : %1.");
// Each text in the singular, then the plural.
const std::pair<QString, QString> TexteManquantes{
    QStringLiteral("Il manque une liaison entre des classes d'équivalence que vous n'avez pas reliées."),
    QStringLiteral("Il manque %1 liaisons entre des classes d'équivalence que vous n'avez pas reliées.")};
const std::pair<QString, QString> TexteParallele{
    QStringLiteral("Il manque une liaison entre les classes d'équivalence %2 et %3 (liaisons en parallèle)."),
    QStringLiteral("Il manque %1 liaisons entre les classes d'équivalence %2 et %3 (liaisons en parallèle).")};
const std::pair<QString, QString> TexteEnTrop{
    QStringLiteral("La liaison entre les classes d'équivalence %2 et %3 est en trop."),
    QStringLiteral("%1 liaisons entre les classes d'équivalence %2 et %3 sont en trop.")};
const std::pair<QString, QString> TexteMauvaisType{
    QStringLiteral("Une liaison entre les classes d'équivalence %2 et %3 n'a pas le bon type."),
    QStringLiteral("%1 liaisons entre les classes d'équivalence %2 et %3 n'ont pas le bon type.")};
const std::pair<QString, QString> TexteIncompletes{
    QStringLiteral("Une liaison n'a pas ses deux classes d'équivalence."),
    QStringLiteral("%1 liaisons n'ont pas leurs deux classes d'équivalence.")};
const QString TexteBatiJuste = QStringLiteral("Le bâti est juste.");
const QString TexteBatiFaux = QStringLiteral("Le bâti n'est pas la bonne classe d'équivalence.");
const QString TexteBatiAbsent = QStringLiteral("Vous n'avez pas défini le bâti.");

using Cle = std::pair<int, int>;
// For each unordered pair of classes, the types of its joints, sorted; with the view, a joint's type
// is its row and view together.
using Types = std::map<Cle, std::vector<int>>;

bool toutesAvecVue(const GrapheLiaisons &g)
{
    for (int n = 1; n <= g.NbrLiaison(); ++n) {
        if (g.Liaison(n).Liaison2D == 0)
            return false;
    }
    return true;
}

Types typesParPaire(const GrapheLiaisons &g, bool avecVue, int *incompletes)
{
    Types types;
    for (int n = 1; n <= g.NbrLiaison(); ++n) {
        const TLiaison &l = g.Liaison(n);
        if (l.Ce1 < 1 || l.Ce2 < 1 || l.Ce1 > g.NbrCe() || l.Ce2 > g.NbrCe() || l.Ce1 == l.Ce2) {
            if (incompletes)
                ++*incompletes;
            continue;
        }
        const int type = avecVue ? l.Liaison3D * (NbrVueMax + 1) + l.Liaison2D : l.Liaison3D;
        types[{std::min(l.Ce1, l.Ce2), std::max(l.Ce1, l.Ce2)}].push_back(type);
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

// The singular text when there is one, else the plural with the count; %2 and %3 are the classes.
QString accorde(const std::pair<QString, QString> &texte, int nombre, int ce1 = 0, int ce2 = 0)
{
    QString t = nombre == 1 ? texte.first : texte.second;
    t.replace(QStringLiteral("%1"), QString::number(nombre));
    t.replace(QStringLiteral("%2"), QString::number(ce1));
    return t.replace(QStringLiteral("%3"), QString::number(ce2));
}

} // namespace

bool VuesComparees(const GrapheLiaisons &eleve, const GrapheLiaisons &correction, EtudeExercice etude)
{
    switch (etude) {
    case EtudeExercice::Spatiale: return false;
    case EtudeExercice::Plane: return true;
    case EtudeExercice::SelonLesVues: break;
    }
    return toutesAvecVue(correction) && toutesAvecVue(eleve);
}

VerdictGraphe ComparerGraphes(const GrapheLiaisons &eleve, const GrapheLiaisons &correction, EtudeExercice etude)
{
    VerdictGraphe v;
    if (eleve.NbrCe() != correction.NbrCe()) {
        v.refus = TexteClassesDifferentes.arg(eleve.NbrCe()).arg(correction.NbrCe());
        return v;
    }
    const bool avecVue = VuesComparees(eleve, correction, etude);
    const Types attendus = typesParPaire(correction, avecVue, nullptr);
    const Types donnes = typesParPaire(eleve, avecVue, &v.incompletes);

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

QString NomModeleCorrection(int numero)
{
    return numero <= 1 ? QStringLiteral("correction.gdl") : QStringLiteral("correction_%1.gdl").arg(numero);
}

QStringList CheminsModelesCorrection(const QString &dossierSchema)
{
    QStringList chemins;
    for (int n = 1; n <= NbrModelesMax; ++n) {
        const QString chemin = FichierDuDossier(dossierSchema, NomModeleCorrection(n));
        if (!QFileInfo(chemin).isFile())
            break;
        chemins << chemin;
    }
    return chemins;
}

VerdictGraphe ComparerAuxModeles(const GrapheLiaisons &eleve, const std::vector<GrapheLiaisons> &modeles,
                                 EtudeExercice etude)
{
    std::optional<VerdictGraphe> proche;
    std::optional<VerdictGraphe> premier;
    for (const GrapheLiaisons &modele : modeles) {
        VerdictGraphe v = ComparerGraphes(eleve, modele, etude);
        if (!premier)
            premier = v;
        if (v.refus.isEmpty() && (!proche || v.fautes() < proche->fautes()))
            proche = std::move(v);
    }
    if (proche)
        return *proche;
    if (premier)
        return *premier;
    VerdictGraphe sansModele;
    sansModele.refus = MessageSansCorrection;
    return sansModele;
}

int VerdictGraphe::fautes() const
{
    int total = manquantes + incompletes;
    for (const auto *liste : {&paralleleManquante, &enTrop, &mauvaisType}) {
        for (const Paire &p : *liste)
            total += p.nombre;
    }
    if (bati == Bati::Faux || bati == Bati::Absent)
        ++total;
    return total;
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
        lignes << accorde(TexteManquantes, manquantes);
    for (const Paire &p : paralleleManquante)
        lignes << accorde(TexteParallele, p.nombre, p.ce1, p.ce2);
    for (const Paire &p : enTrop)
        lignes << accorde(TexteEnTrop, p.nombre, p.ce1, p.ce2);
    for (const Paire &p : mauvaisType)
        lignes << accorde(TexteMauvaisType, p.nombre, p.ce1, p.ce2);
    if (incompletes > 0)
        lignes << accorde(TexteIncompletes, incompletes);
    if (bati == Bati::Juste)
        lignes << TexteBatiJuste;
    else if (bati == Bati::Faux)
        lignes << TexteBatiFaux;
    else if (bati == Bati::Absent)
        lignes << TexteBatiAbsent;
    return lignes.join(u'\n');
}
