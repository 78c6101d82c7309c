#include "joint_graph/CommandeGraphe.h"

#include <utility>

CommandeGraphe::CommandeGraphe(const QString &texte, GrapheLiaisons avant, GrapheLiaisons apres, Application appliquer,
                               int fusion, bool continuation)
    : QUndoCommand(texte), avant_(std::move(avant)), apres_(std::move(apres)), appliquer_(std::move(appliquer)),
      fusion_(fusion), continuation_(continuation)
{}

void CommandeGraphe::undo() { appliquer_(avant_); }

void CommandeGraphe::redo()
{
    if (std::exchange(dejaFaite_, false))
        return;
    appliquer_(apres_);
}

bool CommandeGraphe::mergeWith(const QUndoCommand *suivante)
{
    // The history asks only with a command of the same id.
    const auto *commande = static_cast<const CommandeGraphe *>(suivante);
    if (!commande->continuation_)
        return false;
    apres_ = commande->apres_;
    return true;
}
