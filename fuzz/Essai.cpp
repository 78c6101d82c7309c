#include "Essai.h"

#include "common/ChargementImage.h"
#include "common/DossierProgramme.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

// Enough for the sheets of the seeds once reduced, small enough for thousands of runs a second.
constexpr qint64 PixelsMaxEssai = 512 * 512;

void sansMessage(QtMsgType, const QMessageLogContext &, const QString &) {}

} // namespace

void DemarrerQt()
{
    if (QCoreApplication::instance())
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(sansMessage);
    static int argc = 1;
    static char nom[] = "velkora-fuzz";
    static char *argv[] = {nom, nullptr};
    static QGuiApplication application(argc, argv);
    DefinirDossierProgramme(DossierEssai());
}

const QString &DossierEssai()
{
    static const auto dossier = [] {
        auto temporaire = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/velkora-fuzz-XXXXXX"));
        if (!temporaire->isValid())
            Echec("dossier temporaire impossible à créer");
        return temporaire;
    }();
    static const QString chemin = dossier->path() + u'/';
    return chemin;
}

std::vector<QByteArray> DecouperEntree(const std::uint8_t *donnees, std::size_t taille, std::size_t nombre)
{
    const QByteArray entree = QByteArray::fromRawData(reinterpret_cast<const char *>(donnees), qsizetype(taille));
    const QByteArray separateur(SeparateurFichiers);
    std::vector<QByteArray> fichiers;
    qsizetype debut = 0;
    while (fichiers.size() + 1 < nombre) {
        const qsizetype fin = entree.indexOf(separateur, debut);
        if (fin < 0)
            break;
        fichiers.emplace_back(entree.constData() + debut, fin - debut);
        debut = fin + separateur.size();
    }
    fichiers.emplace_back(entree.constData() + debut, entree.size() - debut);
    fichiers.resize(nombre);
    return fichiers;
}

void EcrireFichier(const QString &chemin, const QByteArray &octets)
{
    QDir().mkpath(chemin.left(chemin.lastIndexOf(u'/')));
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::WriteOnly | QIODevice::Truncate) || fichier.write(octets) != octets.size())
        Echec("fichier d'essai impossible à écrire");
}

bool ImageTropLourdePourEssai(const QByteArray &octets)
{
    qint64 largeur = 0, hauteur = 0;
    if (octets.startsWith("BM") && octets.size() >= 26) {
        const auto octet = [&octets](int i) { return quint32(static_cast<unsigned char>(octets.at(i))); };
        const auto lu16 = [&octet](int i) { return octet(i) | octet(i + 1) << 8; };
        const auto lu32 = [&lu16](int i) { return lu16(i) | lu16(i + 2) << 16; };
        const bool os2 = lu32(14) == 12;
        largeur = os2 ? lu16(18) : qAbs(qint64(qint32(lu32(18))));
        hauteur = os2 ? lu16(20) : qAbs(qint64(qint32(lu32(22))));
    } else {
        QBuffer tampon;
        tampon.setData(octets);
        tampon.open(QIODevice::ReadOnly);
        const QSize taille = QImageReader(&tampon).size();
        largeur = qMax(0, taille.width());
        hauteur = qMax(0, taille.height());
    }
    const qint64 grand = qMax(largeur, hauteur);
    const qint64 petit = qMin(largeur, hauteur);
    const bool refuseeParLeProgramme = grand > GrandCoteImageMax || petit > PetitCoteImageMax;
    return !refuseeParLeProgramme && grand * petit > PixelsMaxEssai;
}

void Echec(const char *raison)
{
    std::fprintf(stderr, "velkora-fuzz : %s\n", raison);
    std::abort();
}
