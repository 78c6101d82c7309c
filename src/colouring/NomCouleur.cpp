#include "colouring/NomCouleur.h"

#include <array>

namespace {
struct Nom {
    TColor valeur;
    const char16_t *nom;
};
constexpr std::array<Nom, 16> NomsDeBase{{
    {0x00000000, u"noir"},
    {0x00000080, u"bordeaux"},
    {0x00008000, u"vert"},
    {0x00008080, u"olive"},
    {0x00800000, u"bleu marine"},
    {0x00800080, u"violet"},
    {0x00808000, u"bleu canard"},
    {0x00808080, u"gris"},
    {0x00C0C0C0, u"argent"},
    {0x000000FF, u"rouge"},
    {0x0000FF00, u"vert vif"},
    {0x0000FFFF, u"jaune"},
    {0x00FF0000, u"bleu"},
    {0x00FF00FF, u"fuchsia"},
    {0x00FFFF00, u"cyan"},
    {0x00FFFFFF, u"blanc"},
}};
} // namespace

QString NomCouleurFrancais(TColor couleur)
{
    const TColor valeur = RvbVersCouleur(CouleurVersRvb(couleur));
    for (const Nom &n : NomsDeBase) {
        if (n.valeur == valeur)
            return QString::fromUtf16(n.nom);
    }
    const Rvb rvb = CouleurVersRvb(valeur);
    return QStringLiteral("rouge %1, vert %2, bleu %3").arg(rvb.rouge).arg(rvb.vert).arg(rvb.bleu);
}
