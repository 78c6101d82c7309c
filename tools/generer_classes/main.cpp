#include "ImagesClasses.h"

#include <cstdio>

// Draws the nine class pictures of the free mode into the folder named on the command line.
int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fputs("Usage : generer_classes DOSSIER\n"
                   "Dessine les images des classes 1.bmp à 9.bmp du mode sans mécanisme dans DOSSIER.\n",
                   stderr);
        return 2;
    }
    if (const auto erreur = EcrireImagesClasses(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "%s\n", erreur->toLocal8Bit().constData());
        return 1;
    }
    return 0;
}
