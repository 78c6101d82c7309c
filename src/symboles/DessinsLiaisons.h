#pragma once

#include "symboles/SymbolesLiaisons.h"
#include "symboles/Trace.h"

#include <QColor>

namespace symboles {

// The four pictures of a joint; each drawing function draws the joint as seen from one of them.
enum class Vue { Espace, Face, Droite, Dessus };

// The drawings name the two solids by their markers; the trace paints each in the colour asked for.
inline const QColor Solide1 = QColor::fromRgb(MarqueSolide1);
inline const QColor Solide2 = QColor::fromRgb(MarqueSolide2);

// Corners of an axis-aligned rectangle in the symbol's frame.
QList<QPointF> Rectangle(double x0, double y0, double x1, double y1);

// Joints along the axis x (LiaisonsAxiales.cpp).
void DessinerEncastrement(Trace &trace, Vue vue);
void DessinerPivot(Trace &trace, Vue vue);
void DessinerGlissiere(Trace &trace, Vue vue);
void DessinerHelicoidale(Trace &trace, Vue vue);
void DessinerPivotGlissant(Trace &trace, Vue vue);
void DessinerLineaireAnnulaire(Trace &trace, Vue vue);

// Ball joints and contacts of normal z (LiaisonsContact.cpp).
void DessinerSpheriqueADoigt(Trace &trace, Vue vue);
void DessinerSpherique(Trace &trace, Vue vue);
void DessinerAppuiPlan(Trace &trace, Vue vue);
void DessinerLineaireRectiligne(Trace &trace, Vue vue);
void DessinerPonctuelle(Trace &trace, Vue vue);

// Row 0: the frame in space, a neutral placeholder in the plane views.
void DessinerSansType(Trace &trace, Vue vue);

} // namespace symboles
