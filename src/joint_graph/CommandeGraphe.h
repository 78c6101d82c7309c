#pragma once

#include "joint_graph/GrapheLiaisons.h"

#include <QUndoCommand>
#include <functional>

// One change to the joint graph, undone and redone by showing the graph as it was before or after
// it. The window has already made the change when the command is pushed, so the first redo does
// nothing.
class CommandeGraphe : public QUndoCommand {
public:
    using Application = std::function<void(const GrapheLiaisons &graphe)>;

    CommandeGraphe(const QString &texte, GrapheLiaisons avant, GrapheLiaisons apres, Application appliquer);

    void undo() override;
    void redo() override;

private:
    GrapheLiaisons avant_;
    GrapheLiaisons apres_;
    Application appliquer_;
    bool dejaFaite_ = true;
};
