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

    // A command of the same kind (fusion, -1 for none) pushed as the continuation of this one (a key
    // held down) joins it: the two are undone as one.
    CommandeGraphe(const QString &texte, GrapheLiaisons avant, GrapheLiaisons apres, Application appliquer,
                   int fusion = -1, bool continuation = false);

    void undo() override;
    void redo() override;
    int id() const override { return fusion_; }
    bool mergeWith(const QUndoCommand *suivante) override;

private:
    GrapheLiaisons avant_;
    GrapheLiaisons apres_;
    Application appliquer_;
    int fusion_;
    bool continuation_;
    bool dejaFaite_ = true;
};
