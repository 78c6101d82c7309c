#pragma once

// The program's start: one running copy at a time, the splash, then the main window until it closes.
int Demarrer(int argc, char **argv);
