#pragma once

#include <QString>
#include <functional>

class QWidget;

// Opens a kinematic-diagram window owned by proprietaire on a ".gdl" file, shows it modally and
// returns once it is closed. Whoever opens a joint-graph window gives it one.
using OuvertureSchema = std::function<void(QWidget &proprietaire, const QString &cheminGdl)>;
