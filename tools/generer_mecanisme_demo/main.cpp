// Writes the bench vice, a demonstration mechanism, into the program folder given on the command
// line, then reads it back; a fault removes what was written and fails the build.

#include "GenerationEtau.h"
#include "DessinTechnique.h"

#include <QFontInfo>
#include <QGuiApplication>
#include <cstdio>

namespace {

void Signaler(const QString &texte)
{
    std::fprintf(stderr, "generer_mecanisme_demo : %s\n", qPrintable(texte));
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() != 2) {
        Signaler(QStringLiteral("usage : generer_mecanisme_demo DOSSIER_DU_PROGRAMME"));
        return 2;
    }
    // Another font would change the drawing from one machine to the next.
    if (QFontInfo(PoliceDessin(16)).family() != QStringLiteral("DejaVu Sans")) {
        Signaler(QStringLiteral("la police DejaVu Sans est introuvable (paquet fonts-dejavu-core)."));
        return 1;
    }
    EcritureDemo sortie(arguments[1]);
    if (const auto erreur = EcrireMecanismeEtau(sortie)) {
        Signaler(*erreur);
        sortie.effacerTout();
        return 1;
    }
    const QStringList fautes = VerifierMecanismeEtau(sortie);
    for (const QString &faute : fautes)
        Signaler(faute);
    if (!fautes.isEmpty()) {
        sortie.effacerTout();
        return 1;
    }
    return 0;
}
