#include "diagram/CommandesSchema.h"

namespace {
const EtapeSchema *Etape(const QUndoStack &historique, int i)
{
    return static_cast<const EtapeSchema *>(historique.command(i));
}
} // namespace

CommandeTraits::CommandeTraits(Appliquer appliquer, ZoneTraits avant, ZoneTraits apres, TracesSchema tracesAvant,
                               TracesSchema tracesApres)
    : appliquer_(std::move(appliquer)), avant_(std::move(avant)), apres_(std::move(apres)),
      tracesAvant_(std::move(tracesAvant)), tracesApres_(std::move(tracesApres))
{}

void CommandeTraits::undo()
{
    if (!oubliee())
        appliquer_(avant_, tracesAvant_);
}

void CommandeTraits::redo()
{
    if (!oubliee())
        appliquer_(apres_, tracesApres_);
}

qsizetype CommandeTraits::octets() const { return qsizetype(sizeof(*this)) + avant_.octets() + apres_.octets(); }

void CommandeTraits::liberer()
{
    avant_ = ZoneTraits();
    apres_ = ZoneTraits();
    tracesAvant_ = {};
    tracesApres_ = {};
}

CommandeDeplacement::CommandeDeplacement(Placer placer, PlaceSymbole avant, PlaceSymbole apres)
    : placer_(std::move(placer)), avant_(avant), apres_(apres)
{}

void CommandeDeplacement::undo()
{
    if (!oubliee())
        placer_(avant_);
}

void CommandeDeplacement::redo()
{
    if (!oubliee())
        placer_(apres_);
}

qsizetype OctetsHistorique(const QUndoStack &historique)
{
    qsizetype octets = 0;
    for (int i = 0; i < historique.count(); ++i)
        octets += Etape(historique, i)->octets();
    return octets;
}

void BornerHistorique(QUndoStack &historique, qsizetype octetsMax)
{
    qsizetype octets = OctetsHistorique(historique);
    int derniereOubliee = -1;
    for (int i = 0; i < historique.count() && octets > octetsMax; ++i) {
        // The history made these steps and holds them; it lends them out read-only.
        auto *etape = const_cast<EtapeSchema *>(Etape(historique, i));
        if (!etape->oubliee()) {
            octets -= etape->octets();
            etape->oublier();
            octets += etape->octets();
        }
        derniereOubliee = i;
    }
    if (derniereOubliee >= 0 && historique.cleanIndex() >= 0 && historique.cleanIndex() <= derniereOubliee)
        historique.resetClean();
}

bool PeutAnnuler(const QUndoStack &historique)
{
    return historique.canUndo() && !Etape(historique, historique.index() - 1)->oubliee();
}
