#include "symboles/SymbolesLiaisons.h"

#include "symboles/DessinsLiaisons.h"
#include "symboles/PixelsIsoles.h"

#include <array>

namespace {
using namespace symboles;
using Dessin = void (*)(Trace &, Vue);

// Rows of the catalogue, in the order the joint-graph window numbers them.
constexpr std::array<Dessin, NombreRangeesSymboles> DessinsParRangee{
    DessinerSansType,          DessinerEncastrement,       DessinerPivot,
    DessinerGlissiere,         DessinerHelicoidale,        DessinerPivotGlissant,
    DessinerSpheriqueADoigt,   DessinerSpherique,          DessinerAppuiPlan,
    DessinerLineaireAnnulaire, DessinerLineaireRectiligne, DessinerPonctuelle,
};

bool DansLaTable(int rangee, int colonne)
{
    return rangee >= 0 && rangee < NombreRangeesSymboles && colonne >= 0 && colonne < NombreColonnesSymboles;
}
} // namespace

namespace symboles {
QList<QPointF> Rectangle(double x0, double y0, double x1, double y1)
{
    return {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}};
}
} // namespace symboles

void PeindreSymboleLiaison(QPainter &peintre, int rangee, int colonne, const QRectF &cadre, const QColor &solide1,
                           const QColor &solide2)
{
    if (!DansLaTable(rangee, colonne) || cadre.isEmpty() || !peintre.isActive())
        return;
    Trace trace(peintre, cadre, solide1, solide2);
    DessinsParRangee[std::size_t(rangee)](trace, Vue(colonne));
}

void PeindreSymboleTourne(QPainter &peintre, const SymboleTourne &s)
{
    peintre.save();
    peintre.setClipRect(s.cadre, Qt::IntersectClip);
    const QPointF centre = QRectF(s.cadre).center();
    peintre.translate(centre);
    peintre.rotate(-s.inclinaison);
    peintre.translate(-centre);
    PeindreSymboleLiaison(peintre, s.rangee, s.colonne, QRectF(s.cadre), s.solide1, s.solide2);
    peintre.restore();
}

QImage DessinerSymboleLiaison(int rangee, int colonne)
{
    if (!DansLaTable(rangee, colonne))
        return {};
    QImage image(CoteSymbole, CoteSymbole, QImage::Format_RGB888);
    image.fill(Qt::white);
    {
        QPainter peintre(&image);
        // The windows find each solid again by its marker's exact colour.
        peintre.setRenderHint(QPainter::Antialiasing, false);
        PeindreSymboleLiaison(peintre, rangee, colonne, QRectF(0, 0, CoteSymbole, CoteSymbole));
    }
    EpaissirPixelsIsoles(image, {MarqueSolide1, MarqueSolide2});
    return image;
}
