#include "presentation/ZonesPresentation.h"

#include <algorithm>

namespace {
const QString LigneRepere = QStringLiteral("Repère : ");
const QString LigneNombre = QStringLiteral("Nombre : ");
const QString LigneDesignation = QStringLiteral("Désignation : ");
const QString LigneMatiere = QStringLiteral("Matière : ");
const QString LigneObservation = QStringLiteral("Observation : ");
} // namespace

TableZones ZonesVides() { return TableZones(static_cast<std::size_t>(MaxZones)); }

int NumeroZone(const TableZones &zones, std::int32_t nombrePieces, TColor couleur)
{
    if (couleur == clWhite || couleur == clBlack)
        return -1;
    const auto dernier = std::min<std::int64_t>(nombrePieces, static_cast<std::int64_t>(zones.size()));
    for (std::int64_t n = 1; n <= dernier; ++n) {
        TColor piece = zones[static_cast<std::size_t>(n - 1)].Couleur;
        // A desktop colour stands for its current value on this desktop, as the zone map was painted.
        if ((piece & 0xFF000000u) == MarqueCouleurBureau)
            piece = RvbVersCouleur(CouleurVersRvb(piece));
        if (piece == couleur)
            return static_cast<int>(n);
    }
    return -1;
}

QString TexteInfobulle(const TZone &zone)
{
    return LigneRepere + zone.Repere + u'\n' + LigneNombre + zone.Nombre + u'\n' + LigneDesignation + zone.Designation +
           u'\n' + LigneMatiere + zone.Matiere + u'\n' + LigneObservation + zone.Observation;
}
