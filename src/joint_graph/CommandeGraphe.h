#pragma once

#include "joint_graph/GrapheLiaisons.h"

#include <QUndoCommand>
#include <functional>

// One change to the joint graph, undone and redone by showing the graph as it was before or after
// it. The window has already made the change when the command is pushed, so the first redo does
// nothing. Successive changes with the same key (the turns of one joint's rotation) merge into one.
class CommandeGraphe : public QUndoCommand {
public:
    using Application = std::function<void(const GrapheLiaisons &graphe)>;
    static constexpr int SansFusion = -1;

    CommandeGraphe(const QString &texte, GrapheLiaisons avant, GrapheLiaisons apres, Application appliquer,
                   int cleFusion = SansFusion);

    void undo() override;
    void redo() override;
    int id() const override;
    bool mergeWith(const QUndoCommand *autre) override;

private:
    GrapheLiaisons avant_;
    GrapheLiaisons apres_;
    Application appliquer_;
    int cleFusion_;
    bool dejaFaite_ = true;
};
