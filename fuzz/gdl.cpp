// The joint-graph reader, with the round trip the editor relies on: a graph read whole, written and read
// again is the same graph.
#include "Essai.h"

#include "joint_graph/ComparaisonGraphe.h"
#include "joint_graph/FichierGdl.h"

#include <QFile>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    DemarrerQt();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *donnees, std::size_t taille)
{
    const QString chemin = DossierEssai() + QStringLiteral("essai.gdl");
    EcrireFichier(chemin, QByteArray(reinterpret_cast<const char *>(donnees), qsizetype(taille)));
    const LectureGdl lu = LireGdl(chemin);
    if (!lu.reussie()) {
        if (lu.erreur.isEmpty())
            Echec("un graphe refusé sans message");
        return 0;
    }
    ComparerGraphes(lu.graphe, lu.graphe).texte();
    if (VerifierEnregistrable(lu.graphe))
        return 0;
    const QString copie = DossierEssai() + QStringLiteral("copie.gdl");
    QFile::remove(copie);
    if (EnregistrerGdl(lu.graphe, copie))
        Echec("un graphe lu ne s'enregistre pas");
    const LectureGdl relu = LireGdl(copie);
    if (!relu.reussie() || relu.mecanisme != lu.mecanisme || !(relu.graphe == lu.graphe))
        Echec("un graphe enregistré ne se relit pas à l'identique");
    return 0;
}
