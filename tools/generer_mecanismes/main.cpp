// Writes the delivered mechanisms into the program folder given on the command line, then reads each
// back; a fault removes what was written and fails the build.

#include "GenerationMecanisme.h"
#include "VerificationReperes.h"

#include <QFontInfo>
#include <QGuiApplication>
#include <cstdio>

namespace {

void Signaler(const QString &texte) { std::fprintf(stderr, "generer_mecanismes : %s\n", qPrintable(texte)); }

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() != 3) {
        Signaler(QStringLiteral("usage : generer_mecanismes DOSSIER_DU_PROGRAMME DOSSIER_DU_CATALOGUE_DE_LIAISONS"));
        return 2;
    }
    // Another font would change the drawing from one machine to the next.
    if (QFontInfo(PoliceDessin(16)).family() != QStringLiteral("DejaVu Sans")) {
        Signaler(QStringLiteral("la police DejaVu Sans est introuvable (paquet fonts-dejavu-core)."));
        return 1;
    }
    const QString catalogue = arguments[2].endsWith(u'/') ? arguments[2] : arguments[2] + u'/';
    const InconnuesCatalogue inconnues(catalogue + QStringLiteral("liaison.inf"));
    EcritureDemo sortie(arguments[1]);
    QStringList fautes;
    for (const Mecanisme *m : {&MecanismeEtau(), &MecanismePompe(), &MecanismeCompresseur()}) {
        if (const auto erreur = EcrireMecanisme(sortie, *m, inconnues)) {
            fautes << *erreur;
            break;
        }
        fautes << VerifierMecanisme(sortie, *m, catalogue);
        fautes << VerifierReperes(*m);
    }
    for (const QString &faute : std::as_const(fautes))
        Signaler(faute);
    if (!fautes.isEmpty()) {
        sortie.effacerTout();
        return 1;
    }
    return 0;
}
