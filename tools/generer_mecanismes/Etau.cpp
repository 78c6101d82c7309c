#include "Mecanisme.h"

#include "PagesEtau.h"
#include "PlanEtau.h"

namespace {

std::vector<PieceMecanisme> PiecesEtau()
{
    // Key colours of the labels: saturated, far apart, never white nor black.
    return {
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
        {10, 1, QStringLiteral("Rondelle plate"), QStringLiteral("S235"), QStringLiteral("Ø 15 × Ø 24 × 4"),
         0x0000FF80},
        {11, 1, QStringLiteral("Levier de manœuvre"), QStringLiteral("S235"),
         QStringLiteral("Coulisse dans la tête de la vis"), 0x0080FF00},
        {12, 2, QStringLiteral("Embout de levier"), QStringLiteral("S235"), QStringLiteral("Emmanché à force"),
         0x00FF0080},
        {13, 2, QStringLiteral("Plaque de guidage"), QStringLiteral("E295"),
         QStringLiteral("Vissée sous le mors mobile"), 0x00008080},
        {14, 4, QStringLiteral("Vis CHc M4-12"), QStringLiteral("Classe 8.8"), QStringLiteral("ISO 4762"), 0x00808000},
    };
}

} // namespace

const Mecanisme &MecanismeEtau()
{
    static const Mecanisme etau{
        .souche = QStringLiteral("etau"),
        .nom = QStringLiteral("Étau de serrage"),
        .reference = QStringLiteral("ET-01"),
        .echelle = QStringLiteral("1:2"),
        .difficulte = 1,
        .zoneDessin = QSize(1400, 990),
        .pieces = PiecesEtau(),
        .reperes = ReperesEtau(),
        .classes = {{QStringLiteral("Bâti")},
                    {QStringLiteral("Mors mobile")},
                    {QStringLiteral("Vis de manœuvre")},
                    {QStringLiteral("Levier")}},
        .bati = BatiEtau,
        // Drawn in the plane of the section A-A, where the screw's axis lies across the sheet.
        .liaisons =
            {{BatiEtau, MorsMobileEtau, 3, 1, 0, QStringLiteral("le mors mobile glisse sur les glissières du corps")},
             {MorsMobileEtau, VisEtau, 4, 1, 0,
              QStringLiteral("l'écrou, fixé au mors mobile, sur le filetage de la vis")},
             {VisEtau, BatiEtau, 2, 1, 0,
              QStringLiteral("la vis tourne dans le palier du corps, arrêtée par la bague (8) et la rondelle (10)")},
             {LevierEtau, VisEtau, 5, 1, 90, QStringLiteral("le levier coulisse et tourne dans la tête de la vis")}},
        .etudePlane = false,
        .mobiliteExterne = 1,
        .mobiliteInterne = 2,
        .explicationMobilites =
            QStringLiteral("La mobilité utile est la rotation de la vis, qui fait avancer le mors mobile : me = 1. "
                           "Le levier peut, sans rien entraîner, coulisser dans la tête de la vis et tourner sur "
                           "son axe : mi = 2. Tout l'hyperstatisme vient de la boucle fermée corps – mors mobile – "
                           "vis : la glissière, l'hélicoïdale et le pivot y apportent 5 + 5 + 5 = 15 inconnues pour "
                           "2 × 6 = 12 équations et une mobilité, soit 1 + 15 - 12 = 4. Ces inconnues en trop sont "
                           "autant de conditions de montage : l'axe du palier du corps et celui de l'écrou doivent "
                           "être confondus et parallèles aux glissières, sans quoi la vis force en tournant. Le levier "
                           "est au bout d'une chaîne ouverte : ses 4 inconnues et ses 2 mobilités équilibrent les 6 "
                           "équations de son isolement, il n'ajoute rien."),
        .hyperstatismeAttendu = 4,
        .typeTrame = 1,
        .transparence = -40,
        .dessinerVues = DessinerVuesEtau,
        .corpsExplication = CorpsExplicationEtau,
        .annexes = AnnexesEtau,
    };
    return etau;
}
