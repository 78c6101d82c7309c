#pragma once

#include "common/Couleur.h"

#include <QUndoCommand>
#include <cstdint>
#include <functional>

// The changes the student makes to a colouring, as steps of its undo history. Each step holds what it
// needs to be undone and done again; the window applies it through the function it gives, and leaves
// alone what a check has locked since.

// A zone given to another list item: the item it had and the one it got.
class CommandePeinture final : public QUndoCommand {
public:
    using Peindre = std::function<void(std::int32_t zone, std::int32_t item)>;
    CommandePeinture(Peindre peindre, std::int32_t zone, std::int32_t avant, std::int32_t apres);
    void undo() override;
    void redo() override;

private:
    Peindre peindre_;
    std::int32_t zone_;
    std::int32_t avant_;
    std::int32_t apres_;
};

// A list item given another colour, its zones following it.
class CommandeCouleur final : public QUndoCommand {
public:
    using Colorer = std::function<void(std::int32_t item, TColor couleur)>;
    CommandeCouleur(Colorer colorer, std::int32_t item, TColor avant, TColor apres);
    void undo() override;
    void redo() override;

private:
    Colorer colorer_;
    std::int32_t item_;
    TColor avant_;
    TColor apres_;
};
