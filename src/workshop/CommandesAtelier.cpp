#include "workshop/CommandesAtelier.h"

CommandeEtat::CommandeEtat(AtelierModifiable &atelier, EtatAtelier avant, EtatAtelier apres, const QString &texte)
    : QUndoCommand(texte), atelier_(atelier), avant_(std::move(avant)), apres_(std::move(apres))
{}

void CommandeEtat::undo() { atelier_.AppliquerEtat(avant_); }

void CommandeEtat::redo() { atelier_.AppliquerEtat(apres_); }

CommandeZones::CommandeZones(AtelierModifiable &atelier, ModificationZones modification,
                             std::vector<int> pieceDeZoneAvant, const QString &texte)
    : QUndoCommand(texte), atelier_(atelier), modification_(std::move(modification)),
      pieceDeZone_(std::move(pieceDeZoneAvant))
{}

void CommandeZones::undo()
{
    atelier_.EchangerZones(modification_, pieceDeZone_);
    faite_ = false;
}

void CommandeZones::redo()
{
    if (std::exchange(faite_, true))
        return;
    atelier_.EchangerZones(modification_, pieceDeZone_);
}

namespace {

AnalyseRangee Ranger(AnalyseAtelier analyse)
{
    return {RangerEdition(*analyse.edition), analyse.reglages, std::move(analyse.pieceDeZone)};
}

} // namespace

CommandeAnalyse::CommandeAnalyse(AtelierModifiable &atelier, AnalyseAtelier avant, const QString &texte)
    : QUndoCommand(texte), atelier_(atelier), autre_(Ranger(std::move(avant)))
{}

void CommandeAnalyse::echanger()
{
    AnalyseAtelier analyse{std::make_unique<EditionZones>(ReprendreEdition(autre_.edition)), autre_.reglages,
                           std::move(autre_.pieceDeZone)};
    atelier_.EchangerAnalyse(analyse);
    autre_ = Ranger(std::move(analyse));
}

void CommandeAnalyse::undo()
{
    echanger();
    faite_ = false;
}

void CommandeAnalyse::redo()
{
    if (std::exchange(faite_, true))
        return;
    echanger();
}

bool CommandeAnalyse::mergeWith(const QUndoCommand *autre) { return autre->id() == id(); }
