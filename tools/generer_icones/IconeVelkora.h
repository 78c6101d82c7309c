#pragma once

#include <QByteArray>
#include <QImage>
#include <QPainterPath>

// The program's icon: a light gear on a blue rounded square, drawn on a 256-unit canvas.
inline constexpr int CoteIconeReference = 256;

// The icon at cote × cote pixels, with a transparent ground.
QImage DessinerIcone(int cote);

// The same drawing as an SVG document, for the desktop's scalable icons.
QByteArray IconeSvg();
