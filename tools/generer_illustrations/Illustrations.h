#pragma once

#include <QImage>
#include <QSize>

// The main window's banner. Its right-hand part stays dark and plain: the program writes the
// chosen mechanism's name there, in white. A ratio of 2 draws it at twice as many pixels, for
// high-density screens.
inline constexpr QSize TailleBanniere(772, 215);
inline constexpr int LargeurZoneNom = 340;
QImage DessinerBanniere(qreal ratio = 1);

// The About box's logo: a spur gear on a blue ground, shown at half size.
inline constexpr QSize TailleLogo(242, 194);
QImage DessinerLogo();
