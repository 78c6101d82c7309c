#pragma once

#include <QString>
#include <QStringList>

// An exercise window's title: its caption first, then what is open (mechanism, file), then Qt's modified
// marker for a window that edits what it shows.
QString TitreExercice(const QString &legende, const QStringList &precisions, bool marqueModification = true);
