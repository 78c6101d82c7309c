#include "joint_graph/CommandeGraphe.h"

namespace {
constexpr int IdentifiantRotation = 1;
}

CommandeGraphe::CommandeGraphe(const QString &texte, GrapheLiaisons avant, GrapheLiaisons apres,
                               Application appliquer, int cleFusion)
    : QUndoCommand(texte), avant_(std::move(avant)), apres_(std::move(apres)), appliquer_(std::move(appliquer)),
      cleFusion_(cleFusion)
{
}

void CommandeGraphe::undo() { appliquer_(avant_); }

void CommandeGraphe::redo()
{
    if (std::exchange(dejaFaite_, false))
        return;
    appliquer_(apres_);
}

int CommandeGraphe::id() const { return cleFusion_ == SansFusion ? -1 : IdentifiantRotation; }

bool CommandeGraphe::mergeWith(const QUndoCommand *autre)
{
    const auto *suivante = static_cast<const CommandeGraphe *>(autre);
    if (suivante->cleFusion_ != cleFusion_)
        return false;
    apres_ = suivante->apres_;
    return true;
}
