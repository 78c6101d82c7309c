// The graph as it is printed and exported: what the area shows, gathered from its nodes, links and symbols.
#include "joint_graph/TFormGrapheDesLiaisons.h"

#include "joint_graph/DessinGraphe.h"
#include "joint_graph/ImpressionGraphe.h"
#include "joint_graph/TFondGraphe.h"
#include "joint_graph/TImageMouse.h"

namespace {
const QString TitreExerciceGraphe = QStringLiteral("Graphe des liaisons");
}

std::optional<TravailImprime> TFormGrapheDesLiaisons::TravailGrapheOuvert() const
{
    if (Graphe_.DossierExercice.isEmpty())
        return std::nullopt;
    GrapheImprime g;
    for (int ce = 1; ce <= Graphe_.NbrCe(); ++ce) {
        const TImageMouse *noeud = ImagesCe[std::size_t(ce - 1)];
        if (!noeud->isHidden())
            g.noeuds.push_back({noeud->geometry(), noeud->Image()});
        const TCe &classe = Graphe_.Ce(ce);
        g.classes.push_back({classe.Couleur, QStringLiteral("%1 : %2").arg(ce).arg(classe.Information)});
    }
    for (int a = 1; a <= Graphe_.NbrLiaison(); ++a) {
        const TLiaison &l = Graphe_.Liaison(a);
        if (const auto &lien = ImageFond->LienDe(a))
            g.liens.push_back({lien->geometrie, lien->couleurCe1, lien->couleurCe2});
        const TImageMouse *symbole = ImagesLiaison[std::size_t(a - 1)];
        if (!symbole->isHidden())
            g.symboles.push_back({symbole->geometry(), l.Liaison3D, l.Liaison2D, l.Inclineaison,
                                  CouleurVersQColor(CouleurExtremite(Graphe_, l.Ce1)),
                                  CouleurVersQColor(CouleurExtremite(Graphe_, l.Ce2))});
    }
    QStringList details;
    if (!DernierHyperstatisme_.isEmpty())
        details = DernierHyperstatisme_.split(u'\n', Qt::SkipEmptyParts);
    return TravailGraphe(std::move(g), NomMecanismeOuvert(), TitreExerciceGraphe, details);
}
