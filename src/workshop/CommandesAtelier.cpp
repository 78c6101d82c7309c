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

CommandeAnalyse::CommandeAnalyse(AtelierModifiable &atelier, AnalyseAtelier avant, const QString &texte)
    : QUndoCommand(texte), atelier_(atelier), autre_(std::move(avant))
{}

void CommandeAnalyse::undo()
{
    atelier_.EchangerAnalyse(autre_);
    faite_ = false;
}

void CommandeAnalyse::redo()
{
    if (std::exchange(faite_, true))
        return;
    atelier_.EchangerAnalyse(autre_);
}

bool CommandeAnalyse::mergeWith(const QUndoCommand *autre) { return autre->id() == id(); }
