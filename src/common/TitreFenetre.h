#pragma once

#include <QRect>
#include <QString>
#include <QStringList>

// An exercise window's title: its caption first, then what is open (mechanism, file), then Qt's modified
// marker for a window that edits what it shows.
QString TitreExercice(const QString &legende, const QStringList &precisions, bool marqueModification = true);

// Where a maximised window goes when it is restored: its design size, fitted to the available area and centred.
QRect GeometrieRestauree(QSize tailleConception, const QRect &disponible);
