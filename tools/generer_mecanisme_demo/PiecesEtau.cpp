#include "PiecesEtau.h"

const std::vector<PieceEtau> &PiecesEtau()
{
    // Key colours: saturated, far apart, never white nor black; where a colour has a name in the
    // mechanism files it is written by that name.
    static const std::vector<PieceEtau> pieces{
        {1, 1, QStringLiteral("Corps"), QStringLiteral("EN-GJL-250"), QStringLiteral("Moulé, glissières rectifiées"),
         0x000000FF},
        {2, 1, QStringLiteral("Mors mobile"), QStringLiteral("EN-GJL-250"), QStringLiteral("Moulé"), 0x0000FF00},
        {3, 1, QStringLiteral("Vis de manœuvre"), QStringLiteral("C35"), QStringLiteral("Filetage trapézoïdal Tr 20×4"),
         0x00FF0000},
        {4, 1, QStringLiteral("Écrou"), QStringLiteral("CuSn8"), QStringLiteral("Taraudage Tr 20×4"), 0x0000FFFF},
        {5, 2, QStringLiteral("Mâchoire"), QStringLiteral("C45"), QStringLiteral("Trempée, striée"), 0x00FF00FF},
        {6, 2, QStringLiteral("Vis CHc M6-20"), QStringLiteral("Classe 8.8"), QStringLiteral("ISO 4762"), 0x00FFFF00},
        {7, 2, QStringLiteral("Vis CHc M6-30"), QStringLiteral("Classe 8.8"), QStringLiteral("ISO 4762"), 0x000080FF},
        {8, 1, QStringLiteral("Bague d'arrêt"), QStringLiteral("C35"), QString(), 0x00FF8000},
        {9, 1, QStringLiteral("Goupille élastique"), QStringLiteral("Acier à ressort"),
         QStringLiteral("ISO 8752 - 5×36"), 0x008000FF},
        {10, 1, QStringLiteral("Rondelle plate"), QStringLiteral("S235"), QStringLiteral("Ø 15 × Ø 24 × 4"), 0x0000FF80},
        {11, 1, QStringLiteral("Levier de manœuvre"), QStringLiteral("S235"), QStringLiteral("Coulisse dans la tête de la vis"),
         0x0080FF00},
        {12, 2, QStringLiteral("Embout de levier"), QStringLiteral("S235"), QStringLiteral("Emmanché à force"),
         0x00FF0080},
        {13, 2, QStringLiteral("Plaque de guidage"), QStringLiteral("E295"), QStringLiteral("Ajustée sous les glissières"),
         0x00008080},
    };
    return pieces;
}
