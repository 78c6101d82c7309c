#include "joint_graph/CommandeGraphe.h"

#include <utility>

CommandeGraphe::CommandeGraphe(const QString &texte, GrapheLiaisons avant, GrapheLiaisons apres,
                               Application appliquer)
    : QUndoCommand(texte), avant_(std::move(avant)), apres_(std::move(apres)), appliquer_(std::move(appliquer))
{
}

void CommandeGraphe::undo() { appliquer_(avant_); }

void CommandeGraphe::redo()
{
    if (std::exchange(dejaFaite_, false))
        return;
    appliquer_(apres_);
}
