#include "GlypheVide.h"

#include <cstdio>

// Draws the blank glyph of the diagram's class buttons under the program folder named on the
// command line.
int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fputs("Usage : generer_vide_schema DOSSIER\n"
                   "Dessine ressource/SchemaCinematique/vide.bmp dans DOSSIER.\n",
                   stderr);
        return 2;
    }
    if (const auto erreur = EcrireGlypheVide(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "%s\n", erreur->toLocal8Bit().constData());
        return 1;
    }
    return 0;
}
