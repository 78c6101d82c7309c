#include "symboles/EcritureSymboles.h"

#include <QString>
#include <cstdio>

// Draws the joint catalogue's 48 symbol pictures into the folder named on the command line.
int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fputs("Usage : generer_liaisons DOSSIER\n"
                   "Dessine les 48 symboles des liaisons dans DOSSIER.\n",
                   stderr);
        return 2;
    }
    if (const auto erreur = EcrireSymbolesLiaisons(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "%s\n", erreur->toLocal8Bit().constData());
        return 1;
    }
    return 0;
}
