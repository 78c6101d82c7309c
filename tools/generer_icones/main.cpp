// Draws the program's icon for the desktop's hicolor theme, in the folder given on the command line:
// DOSSIER/NxN/apps/velkora.png for each size, and DOSSIER/scalable/apps/velkora.svg.

#include "IconeVelkora.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSaveFile>
#include <cstdio>

namespace {

constexpr int Tailles[] = {16, 22, 24, 32, 48, 64, 128, 256};

bool Ecrire(const QString &chemin, const QByteArray &octets)
{
    QSaveFile fichier(chemin);
    return QDir().mkpath(QFileInfo(chemin).absolutePath()) && fichier.open(QIODevice::WriteOnly) &&
           fichier.write(octets) == octets.size() && fichier.commit();
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage : generer_icones DOSSIER_HICOLOR\n");
        return 2;
    }
    const QString dossier = arguments[1];
    for (const int cote : Tailles) {
        const QString chemin = QStringLiteral("%1/%2x%2/apps/velkora.png").arg(dossier).arg(cote);
        if (!QDir().mkpath(QFileInfo(chemin).absolutePath()) || !DessinerIcone(cote).save(chemin, "PNG")) {
            std::fprintf(stderr, "generer_icones : impossible d'écrire %s\n", qPrintable(chemin));
            return 1;
        }
    }
    const QString svg = dossier + QStringLiteral("/scalable/apps/velkora.svg");
    if (!Ecrire(svg, IconeSvg())) {
        std::fprintf(stderr, "generer_icones : impossible d'écrire %s\n", qPrintable(svg));
        return 1;
    }
    return 0;
}
