#pragma once

#include "diagram/TracesSchema.h"
#include "diagram/ZoneTraits.h"

#include <QPoint>
#include <QUndoCommand>
#include <QUndoStack>
#include <functional>

// The changes the student makes to a diagram, as steps of its undo history. Each step holds what it
// needs to be undone and done again; the window applies it through the function it gives.

// A step that says what it holds, and that the history can forget to stay within its bytes: a
// forgotten step holds nothing and can no longer be undone, nor can any step before it.
class EtapeSchema : public QUndoCommand {
public:
    virtual qsizetype octets() const = 0;
    bool oubliee() const { return oubliee_; }
    void oublier()
    {
        oubliee_ = true;
        liberer();
    }

protected:
    virtual void liberer() {}

private:
    bool oubliee_ = false;
};

// A rectangle of the strokes layer, as it was before a stroke, an erasure or a clearing and after it, with the
// strokes drawn before and after, as vectors.
class CommandeTraits final : public EtapeSchema {
public:
    using Appliquer = std::function<void(const ZoneTraits &pixels, const TracesSchema &traces)>;
    CommandeTraits(Appliquer appliquer, ZoneTraits avant, ZoneTraits apres, TracesSchema tracesAvant = {},
                   TracesSchema tracesApres = {});
    void undo() override;
    void redo() override;
    qsizetype octets() const override;

protected:
    void liberer() override;

private:
    Appliquer appliquer_;
    ZoneTraits avant_;
    ZoneTraits apres_;
    TracesSchema tracesAvant_;
    TracesSchema tracesApres_;
};

// Where a joint symbol stands: placed by the student, relative to the drawing, so that it keeps its
// place on the drawing when the drawing is centred again; or still in the row it was laid in when the
// diagram was opened, relative to the drawing area.
struct PlaceSymbole {
    bool surDessin = false;
    QPoint position;
    bool operator==(const PlaceSymbole &) const = default;
};

// A joint symbol moved.
class CommandeDeplacement final : public EtapeSchema {
public:
    using Placer = std::function<void(const PlaceSymbole &place)>;
    CommandeDeplacement(Placer placer, PlaceSymbole avant, PlaceSymbole apres);
    void undo() override;
    void redo() override;
    qsizetype octets() const override { return sizeof(*this); }

private:
    Placer placer_;
    PlaceSymbole avant_;
    PlaceSymbole apres_;
};

// The bytes the steps of a diagram's history hold.
qsizetype OctetsHistorique(const QUndoStack &historique);
// Forgets the oldest steps until the history holds at most octetsMax bytes. When the state last saved
// can no longer be reached, the history is no longer clean anywhere.
void BornerHistorique(QUndoStack &historique, qsizetype octetsMax);
// Whether the step before the present state can be undone.
bool PeutAnnuler(const QUndoStack &historique);
