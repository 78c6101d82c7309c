#pragma once

#include <QPoint>
#include <QRect>
#include <QString>

class QWidget;

// The hints (tooltips) of the whole application. Their timing, once set, stays in force for the
// rest of the run: the display time then also applies to every widget's own tooltip, and a
// display time of 0 shows no hint at all. Before it is set, Qt's own timing applies.
void DefinirDelaiInfobulles(int millisecondes);
void DefinirDureeInfobulles(int millisecondes);
int DelaiInfobulles(); // -1 while not set
int DureeInfobulles(); // -1 while not set

// Shows a plain-text hint at a point of the screen, after the delay and for the display time.
void MontrerInfobulle(const QPoint &positionGlobale, const QString &texte, QWidget *widget, const QRect &zone = {});
// Removes the hint shown or waiting to be shown.
void CacherInfobulle();
