#pragma once

#include <QStringList>

// The folders mechanisms are installed in, each ending with "/", in the order a mechanism's name is
// looked up: the user's own ($XDG_DATA_HOME/velkora/mecanismes, by default
// ~/.local/share/velkora/mecanismes), then velkora/mecanismes under each folder of $XDG_DATA_DIRS in
// its order (by default /usr/local/share then /usr/share: where a school puts the mechanisms of a
// room, or mounts a shared folder), then the program folder. A relative folder in a variable is left
// out, as the desktop's rules for these variables say. The environment is read at each call.
QStringList DossiersMecanismes();
