#pragma once

#include <QString>
#include <functional>

class QUndoStack;

// Asked before an editor's work is thrown away (closing, opening another file, a new document).
// When the history is not clean, « Enregistrer les modifications de NOM ? » is put through the dialog seam:
// true when the caller may go on (the work was saved, or the user chose not to save it).
bool PeutAbandonnerTravail(const QUndoStack &historique, const QString &nomTravail,
                           const std::function<bool()> &enregistrer);
