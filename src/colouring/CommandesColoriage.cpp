#include "colouring/CommandesColoriage.h"

CommandePeinture::CommandePeinture(Peindre peindre, std::int32_t zone, std::int32_t avant, std::int32_t apres)
    : peindre_(std::move(peindre)), zone_(zone), avant_(avant), apres_(apres)
{}

void CommandePeinture::undo() { peindre_(zone_, avant_); }

void CommandePeinture::redo() { peindre_(zone_, apres_); }

CommandeCouleur::CommandeCouleur(Colorer colorer, std::int32_t item, TColor avant, TColor apres)
    : colorer_(std::move(colorer)), item_(item), avant_(avant), apres_(apres)
{}

void CommandeCouleur::undo() { colorer_(item_, avant_); }

void CommandeCouleur::redo() { colorer_(item_, apres_); }
