// Writes the seed inputs of the fuzz targets from a program folder: its mechanisms' files joined as each
// target reads them, their pictures reduced so that a run decodes them in a moment, and the program's
// own JPEG pictures. Usage: velkora_semences PROGRAM_FOLDER RESOURCES_FOLDER CORPUS_FOLDER
#include "Essai.h"

#include "common/Jpeg.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <cstdio>

namespace {

constexpr int CoteMaxSemence = 96;

QString corpus;
int ecrites = 0;

QByteArray lire(const QString &chemin)
{
    QFile fichier(chemin);
    return fichier.open(QIODevice::ReadOnly) ? fichier.readAll() : QByteArray();
}

// Nearest-neighbour reduction keeps every colour of the picture as it was: the zone maps depend on it.
QByteArray reduite(const QString &chemin, const char *format = "BMP")
{
    QImage image(chemin);
    if (image.isNull())
        return {};
    if (image.width() > CoteMaxSemence || image.height() > CoteMaxSemence)
        image = image.scaled(CoteMaxSemence, CoteMaxSemence, Qt::KeepAspectRatio, Qt::FastTransformation);
    if (QByteArray(format) == "BMP")
        image.convertTo(QImage::Format_RGB888);
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    image.save(&tampon, format);
    return octets;
}

QByteArray joints(const QList<QByteArray> &parties) { return parties.join(QByteArray(SeparateurFichiers)); }

void ecrire(const QString &cible, const QString &nom, const QByteArray &octets)
{
    QDir().mkpath(corpus + cible);
    QFile fichier(corpus + cible + u'/' + nom);
    if (!fichier.open(QIODevice::WriteOnly) || fichier.write(octets) != octets.size()) {
        std::fprintf(stderr, "Impossible d'écrire %s\n", qPrintable(fichier.fileName()));
        std::exit(1);
    }
    ++ecrites;
}

void mecanisme(const QString &programme, const QString &nom)
{
    const QString racine = programme + nom + u'/';
    ecrire(QStringLiteral("descripteur"), nom, lire(programme + nom + QStringLiteral(".sch")));
    ecrire(QStringLiteral("ini"), nom + QStringLiteral(".sch"), lire(programme + nom + QStringLiteral(".sch")));

    const QString p = racine + QStringLiteral("presentation/");
    ecrire(QStringLiteral("presentation"), nom,
           joints({lire(p + QStringLiteral("condition.inf")), reduite(p + QStringLiteral("trame.bmp")),
                   reduite(p + QStringLiteral("plan.bmp")), lire(p + QStringLiteral("nomenclature.inf")),
                   lire(p + QStringLiteral("explication.htm"))}));
    ecrire(QStringLiteral("ini"), nom + QStringLiteral("-nomenclature"), lire(p + QStringLiteral("nomenclature.inf")));
    ecrire(QStringLiteral("image"), nom + QStringLiteral("-trame"), reduite(p + QStringLiteral("trame.bmp")));
    QDirIterator png(p, {QStringLiteral("*.png")}, QDir::Files);
    while (png.hasNext()) {
        const QString chemin = png.next();
        ecrire(QStringLiteral("image"), nom + u'-' + png.fileName(), reduite(chemin, "PNG"));
    }

    for (const QString &mode : {QStringLiteral("p"), QStringLiteral("ce")}) {
        const QString c = racine + QStringLiteral("coloriage_") + mode + u'/';
        if (!QFileInfo::exists(c))
            continue;
        const QByteArray condition = lire(c + QStringLiteral("condition.inf"));
        ecrire(QStringLiteral("coloriage"), nom + u'-' + mode,
               joints({condition, lire(c + QStringLiteral("solution.inf")), reduite(c + QStringLiteral("trame.bmp")),
                       reduite(c + QStringLiteral("plan.bmp")), QByteArray("\x01\x02\x03\x04\x05\x06\x07\x08")}));
        ecrire(QStringLiteral("ini"), nom + QStringLiteral("-condition-") + mode, condition);
        // Every value of the condition is a colour text or an integer to someone.
        for (const QByteArray &ligne : condition.split('\n')) {
            const qsizetype egal = ligne.indexOf('=');
            if (egal > 0) {
                const QByteArray valeur = ligne.mid(egal + 1).trimmed();
                const QString clef = QString::fromLatin1(QByteArray::number(qHash(valeur), 16));
                ecrire(QStringLiteral("couleur"), clef, valeur);
                ecrire(QStringLiteral("entier"), clef, valeur);
            }
        }
    }

    const QString g = racine + QStringLiteral("graphe_des_liaisons/");
    QList<QByteArray> graphe{lire(g + QStringLiteral("condition.inf"))};
    for (int n = 1; n <= 9 && QFileInfo::exists(g + QStringLiteral("%1.bmp").arg(n)); ++n)
        graphe << reduite(g + QStringLiteral("%1.bmp").arg(n));
    ecrire(QStringLiteral("graphe_exercice"), nom, joints(graphe));

    const QString s = racine + QStringLiteral("schema_cinematique/");
    QByteArray correction = lire(s + QStringLiteral("correction.gdl"));
    ecrire(QStringLiteral("gdl"), nom, correction);
    ecrire(QStringLiteral("ini"), nom + QStringLiteral("-correction"), correction);
    // The diagram target finds its exercise under the mechanism "m".
    const QString texte = QString::fromLatin1(correction);
    QString versM = texte;
    versM.replace(QRegularExpression(QStringLiteral("(?im)^(\\s*Mecanisme\\s*=).*$")), QStringLiteral("\\1m"));
    ecrire(
        QStringLiteral("schema"), nom,
        joints({versM.toLatin1(), lire(s + QStringLiteral("condition.inf")), reduite(s + QStringLiteral("trame.bmp")),
                reduite(s + QStringLiteral("plan.bmp")), QByteArray("\x05\x05\x40\x10\xF0\xF0")}));
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "Usage : velkora_semences DOSSIER_PROGRAMME DOSSIER_RESSOURCES DOSSIER_CORPUS\n");
        return 2;
    }
    const QString programme = QDir(QString::fromLocal8Bit(argv[1])).absolutePath() + u'/';
    const QString ressources = QDir(QString::fromLocal8Bit(argv[2])).absolutePath() + u'/';
    corpus = QDir(QString::fromLocal8Bit(argv[3])).absolutePath() + u'/';
    for (const QString &descripteur : QDir(programme).entryList({QStringLiteral("*.sch")}, QDir::Files, QDir::Name))
        mecanisme(programme, descripteur.chopped(4));
    for (const QString &jpeg : {QStringLiteral("banniere.jpg"), QStringLiteral("logo.jpg")}) {
        const QByteArray octets = reduite(ressources + jpeg, "JPG");
        ecrire(QStringLiteral("jpeg"), jpeg, octets);
        ecrire(QStringLiteral("image"), jpeg, octets);
    }
    std::printf("%d semences écrites dans %s\n", ecrites, qPrintable(corpus));
    return ecrites > 0 ? 0 : 1;
}
