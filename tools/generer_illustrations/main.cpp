// Draws the main window's banner (at 100 % and 200 %) and the About box's logo and writes them as JPEG files into the
// folder given on the command line, the project's resources/ folder. Run by hand when the artwork
// changes; the build compiles the pictures it wrote into the program.

#include "Illustrations.h"

#include "common/Jpeg.h"

#include <QFontInfo>
#include <QGuiApplication>
#include <cstdio>

namespace {

constexpr int QualiteJpeg = 92;

void Signaler(const QString &texte) { std::fprintf(stderr, "generer_illustrations : %s\n", qPrintable(texte)); }

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() != 2) {
        Signaler(QStringLiteral("usage : generer_illustrations DOSSIER_DES_RESSOURCES"));
        return 2;
    }
    // Another font would change the pictures from one machine to the next.
    if (QFontInfo(QFont(QStringLiteral("DejaVu Sans"))).family() != QStringLiteral("DejaVu Sans")) {
        Signaler(QStringLiteral("la police DejaVu Sans est introuvable (paquet fonts-dejavu-core)."));
        return 1;
    }
    const QString dossier = arguments[1];
    const struct {
        const char *nom;
        QImage image;
    } illustrations[] = {
        {"banniere.jpg", DessinerBanniere()}, {"banniere@2x.jpg", DessinerBanniere(2)}, {"logo.jpg", DessinerLogo()}};
    for (const auto &illustration : illustrations) {
        const QString chemin = dossier + u'/' + QString::fromLatin1(illustration.nom);
        if (const auto erreur = EcrireJpeg(illustration.image, QualiteJpeg, chemin)) {
            Signaler(*erreur);
            return 1;
        }
    }
    return 0;
}
