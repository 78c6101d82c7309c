// Feeds every file of the folders or files named on the command line to the target's
// LLVMFuzzerTestOneInput, so that the ordinary builds replay the inputs that once made it fail.
#include "Essai.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

int main(int argc, char **argv)
{
    LLVMFuzzerInitialize(&argc, &argv);
    int rejoues = 0;
    for (int i = 1; i < argc; ++i) {
        const QString chemin = QString::fromLocal8Bit(argv[i]);
        QStringList fichiers;
        if (QFileInfo(chemin).isDir()) {
            for (const QString &nom : QDir(chemin).entryList(QDir::Files, QDir::Name))
                fichiers << chemin + u'/' + nom;
        } else {
            fichiers << chemin;
        }
        for (const QString &fichier : fichiers) {
            QFile entree(fichier);
            if (!entree.open(QIODevice::ReadOnly)) {
                std::fprintf(stderr, "Entrée illisible : %s\n", qPrintable(fichier));
                return 1;
            }
            const QByteArray octets = entree.readAll();
            std::fprintf(stderr, "Rejoue %s\n", qPrintable(fichier));
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t *>(octets.constData()),
                                   std::size_t(octets.size()));
            ++rejoues;
        }
    }
    std::printf("%d passed, 0 failed\n", rejoues);
    return rejoues > 0 ? 0 : 1;
}
