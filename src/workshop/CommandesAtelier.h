#pragma once

#include "atelier/AnalyseDessin.h"
#include "atelier/EditionRangee.h"
#include "atelier/EditionZones.h"
#include "workshop/AtelierModifiable.h"

#include <QUndoCommand>
#include <memory>
#include <vector>

// The drawing's zones as found with some settings, and the parts of those zones.
struct AnalyseAtelier {
    std::unique_ptr<EditionZones> edition;
    ReglagesAnalyse reglages;
    std::vector<int> pieceDeZone;
};

// The same while an undo command keeps it.
struct AnalyseRangee {
    EditionRangee edition;
    ReglagesAnalyse reglages;
    std::vector<int> pieceDeZone;
};

// Names, parts, zones given to parts, bubbles, classes: the whole small state before and after.
class CommandeEtat : public QUndoCommand {
public:
    CommandeEtat(AtelierModifiable &atelier, EtatAtelier avant, EtatAtelier apres, const QString &texte);
    void undo() override;
    void redo() override;

private:
    AtelierModifiable &atelier_;
    EtatAtelier avant_;
    EtatAtelier apres_;
};

// A merge or a stroke, already done when the command is pushed.
class CommandeZones : public QUndoCommand {
public:
    CommandeZones(AtelierModifiable &atelier, ModificationZones modification, std::vector<int> pieceDeZoneAvant,
                  const QString &texte);
    void undo() override;
    void redo() override;

private:
    AtelierModifiable &atelier_;
    ModificationZones modification_;
    std::vector<int> pieceDeZone_;
    bool faite_ = true;
};

// The zones found again with other settings, already done when pushed. Settings moved one after the other
// make one command, which keeps the zones as they were before the first.
class CommandeAnalyse : public QUndoCommand {
public:
    CommandeAnalyse(AtelierModifiable &atelier, AnalyseAtelier avant, const QString &texte); // avant.edition: not null
    void undo() override;
    void redo() override;
    int id() const override { return 1; }
    bool mergeWith(const QUndoCommand *autre) override;

private:
    void echanger();

    AtelierModifiable &atelier_;
    AnalyseRangee autre_;
    bool faite_ = true;
};
