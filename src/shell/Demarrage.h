#pragma once

// The program's start: one running copy at a time, the splash, then the main window until it closes.
int Demarrer(int argc, char **argv);

class QApplication;
class QTranslator;
// Qt's own texts (buttons of the standard dialogs) in French.
void ChargerTraductions(QApplication &application, QTranslator &traducteur);
