#pragma once

class QMainWindow;

// F10 opens the window's first menu, as on most desktops (Qt only gives Alt and the menus' letters).
void OuvrirMenusParF10(QMainWindow &fenetre);
