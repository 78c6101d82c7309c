#pragma once

#include "Mecanisme.h"

#include <QStringList>

// What a reader of the drawing would be asked about first: two leaders that cross, a bubble set on the
// lines of the views. One French line each; empty when the labels are clear.
QStringList VerifierReperes(const Mecanisme &m);
