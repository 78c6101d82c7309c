#include "atelier/CouleursMecanisme.h"

#include <algorithm>
#include <array>

QColor CouleurCleZone(int numero)
{
    return QColor(40 + (numero % 10) * 20, 40 + (numero / 10 % 10) * 20, 40 + (numero / 100 % 10) * 20);
}

TColor CouleurClasse(int n)
{
    static constexpr std::array<TColor, 9> couleurs{0x000000FF, 0x00FF0000, 0x00008000, 0x000080FF, 0x00800080,
                                                    0x00808000, 0x00004080, 0x00FF0080, 0x00408000};
    return couleurs[static_cast<std::size_t>(std::clamp(n, 1, 9) - 1)];
}

TColor MarqueClasse(int n)
{
    static constexpr std::array<TColor, 9> marques{0x0000FFFF, 0x00FFFF00, 0x00FF00FF, 0x0000FF00, 0x008080FF,
                                                   0x00FFC080, 0x0080FFFF, 0x00C0FFC0, 0x00FF80C0};
    return marques[static_cast<std::size_t>(std::clamp(n, 1, 9) - 1)];
}
