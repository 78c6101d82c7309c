#include "atelier/AnalyseDessin.h"

#include "atelier/NettoyageDessin.h"

DessinAnalyse AnalyserDessin(const QImage &gris, const ReglagesAnalyse &reglages)
{
    DessinAnalyse resultat;
    AnalyserDessin(gris, reglages, resultat);
    return resultat;
}

void AnalyserDessin(const QImage &gris, const ReglagesAnalyse &reglages, DessinAnalyse &resultat)
{
    SeuillerDessin(gris, reglages.seuil, resultat.masque);
    RetirerPoussieres(resultat.masque, reglages.poussieres);
    TraitNoirSurBlanc(resultat.masque, resultat.trait);
    TrouverZones(resultat.masque, reglages.zones, resultat.zones);
}
