#include "atelier/AnalyseDessin.h"

#include "atelier/NettoyageDessin.h"

DessinAnalyse AnalyserDessin(const QImage &gris, const ReglagesAnalyse &reglages)
{
    QImage masque = SeuillerDessin(gris, reglages.seuil);
    RetirerPoussieres(masque, reglages.poussieres);
    return {TraitNoirSurBlanc(masque), TrouverZones(masque, reglages.zones)};
}
