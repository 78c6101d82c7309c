#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QUndoCommand>
#include <functional>

// The changes the student makes to a diagram, as steps of its undo history. Each step holds what it
// needs to be undone and done again; the window applies it through the function it gives.

// A rectangle of the strokes layer, as it was before a stroke, an erasure or a clearing and after it.
class CommandeTraits final : public QUndoCommand {
public:
    using Appliquer = std::function<void(const QRect &zone, const QImage &pixels)>;
    CommandeTraits(Appliquer appliquer, QRect zone, QImage avant, QImage apres);
    void undo() override;
    void redo() override;

private:
    Appliquer appliquer_;
    QRect zone_;
    QImage avant_;
    QImage apres_;
};

// A joint symbol moved, its places given relative to the drawing so that they stay right when the
// drawing is centred again.
class CommandeDeplacement final : public QUndoCommand {
public:
    using Placer = std::function<void(QPoint position)>;
    CommandeDeplacement(Placer placer, QPoint avant, QPoint apres);
    void undo() override;
    void redo() override;

private:
    Placer placer_;
    QPoint avant_;
    QPoint apres_;
};
