#pragma once

#include "common/Couleur.h"
#include "joint_graph/LiaisonNormalisee.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

// The joint symbols of the diagram, without widgets.

// "ressource/liaison/<type>_<view>.bmp" in the program folder.
QString CheminSymbole(int liaison3D, int liaison2D);

// A catalogue picture with its first marker colour turned into couleurCe1 and its second into
// couleurCe2, turned by inclinaison degrees about its centre with white in the corners. A null
// picture stays null.
QImage ImageSymbole(const QImage &catalogue, TColor couleurCe1, TColor couleurCe2, int inclinaison);

// A copy in 32 bits where the colour of the bottom-left pixel is transparent, for showing on screen.
QImage AvecTransparence(const QImage &image);

// Where a symbol released with its top-left corner at cadre lands: pushed inside the area (the left
// and top edges first, so a symbol larger than the area sticks out to the right and below), then on
// the nearest grid crossing when surGrille.
QPoint PositionRelachee(QPoint cadre, QSize symbole, const QRect &zone, bool surGrille);
