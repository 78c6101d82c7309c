// velkora-verifier NOM.sch: checks a mechanism the way the program will read it and prints every
// finding, then "N erreurs, M avertissements". Exit status: 0 when nothing was found, 1 when there is
// an error, 2 when there are only warnings, 3 when it was not called rightly.

#include "common/DossierProgramme.h"
#include "verification/VerificationMecanisme.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>

int main(int argc, char **argv)
{
    // Pictures and desktop colours need a graphical application, not a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() != 2) {
        std::fputs("Utilisation : velkora-verifier NOM.sch\n"
                   "Vérifie un mécanisme : son descripteur et les fichiers de chaque exercice qu'il offre.\n",
                   stderr);
        return 3;
    }
    // The mechanism is read as the program would read it from the folder that holds the descriptor.
    const QFileInfo descripteur(arguments[1]);
    DefinirDossierProgramme(descripteur.absolutePath() + u'/');
    const RapportVerification rapport = VerifierMecanisme(descripteur.absoluteFilePath());
    std::fputs(rapport.texte().toUtf8().constData(), stdout);
    if (rapport.nombreErreurs() > 0)
        return 1;
    return rapport.propre() ? 0 : 2;
}
