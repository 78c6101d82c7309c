#include "diagram/CommandesSchema.h"

CommandeTraits::CommandeTraits(Appliquer appliquer, QRect zone, QImage avant, QImage apres)
    : appliquer_(std::move(appliquer)), zone_(zone), avant_(std::move(avant)), apres_(std::move(apres))
{
}

void CommandeTraits::undo() { appliquer_(zone_, avant_); }

void CommandeTraits::redo() { appliquer_(zone_, apres_); }

CommandeDeplacement::CommandeDeplacement(Placer placer, QPoint avant, QPoint apres)
    : placer_(std::move(placer)), avant_(avant), apres_(apres)
{
}

void CommandeDeplacement::undo() { placer_(avant_); }

void CommandeDeplacement::redo() { placer_(apres_); }
