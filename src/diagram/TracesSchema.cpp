#include "diagram/TracesSchema.h"

#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <algorithm>

namespace {

QPainterPath Contour(const TraceSchema &trace)
{
    QPainterPath ligne;
    if (trace.points.isEmpty())
        return ligne;
    ligne.moveTo(trace.points.first());
    for (qsizetype i = 1; i < trace.points.size(); ++i)
        ligne.lineTo(trace.points[i]);
    QPainterPathStroker crayon;
    crayon.setWidth(trace.largeur);
    crayon.setCapStyle(Qt::RoundCap);
    crayon.setJoinStyle(Qt::RoundJoin);
    return crayon.createStroke(ligne).simplified();
}

} // namespace

TracesSchema TracesSchema::ajoute(TraceSchema trace) const
{
    TracesSchema suite;
    suite.dernier_ = std::make_shared<const Maillon>(Maillon{std::move(trace), dernier_});
    return suite;
}

std::vector<const TraceSchema *> TracesSchema::dansLOrdre() const
{
    std::vector<const TraceSchema *> traces;
    for (const Maillon *m = dernier_.get(); m; m = m->precedent.get())
        traces.push_back(&m->trace);
    std::reverse(traces.begin(), traces.end());
    return traces;
}

void PeindreTraces(QPainter &peintre, const TracesSchema &traces)
{
    // From the last stroke back to the first, gathering what the erasers took, so that each stroke loses only
    // what was erased after it.
    const std::vector<const TraceSchema *> liste = traces.dansLOrdre();
    std::vector<std::pair<QPainterPath, QColor>> formes;
    QPainterPath gomme;
    for (auto it = liste.rbegin(); it != liste.rend(); ++it) {
        const QPainterPath contour = Contour(**it);
        if ((*it)->gomme)
            gomme = gomme.united(contour);
        else
            formes.emplace_back(gomme.isEmpty() ? contour : contour.subtracted(gomme), (*it)->couleur);
    }
    peintre.save();
    peintre.setPen(Qt::NoPen);
    for (auto it = formes.rbegin(); it != formes.rend(); ++it) {
        peintre.setBrush(it->second);
        peintre.drawPath(it->first);
    }
    peintre.restore();
}
