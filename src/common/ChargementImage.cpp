#include "common/ChargementImage.h"

#include "common/ImageFeuille.h"
#include "common/OuvertureExercice.h"

#include <QFile>
#include <QImageReader>
#include <QtEndian>
#include <array>
#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
#include <immintrin.h>
#endif
#include <climits>
#include <cstring>
#include <optional>
#include <vector>

namespace {

constexpr int TailleEnteteFichierBmp = 14;
constexpr int TailleEnteteMaxLue = TailleEnteteFichierBmp + 40;

enum Compression : quint32 { SansCompression = 0, Rle8 = 1, Rle4 = 2, Masques = 3, MasquesAlpha = 6 };

using Entete = std::array<char, TailleEnteteMaxLue>;

template <typename T>
T lu(const Entete &octets, int position)
{
    T valeur;
    std::memcpy(&valeur, octets.data() + position, sizeof(T));
    return qFromLittleEndian(valeur);
}

bool tailleAcceptee(QSize taille)
{
    const int grand = qMax(taille.width(), taille.height());
    const int petit = qMin(taille.width(), taille.height());
    return grand <= GrandCoteImageMax && petit <= PetitCoteImageMax;
}

// What a bitmap's header tells before any pixel is decoded. Qt gives no size for a header it would not
// read, so the size is taken here too.
struct EnteteBmp {
    QSize taille;
    bool donneesCompletes = false; // the pixel data it announces lies within the file
    bool brut24Bits = false;       // 24 bits a pixel, uncompressed: read here without Qt
    bool deHautEnBas = false;      // rows stored from the top, as a negative height says
    qint64 debutPixels = 0;
};

std::optional<EnteteBmp> LireEnteteBmp(const QByteArray &lus, qint64 tailleFichier)
{
    if (!lus.startsWith("BM"))
        return std::nullopt;
    // Read from a buffer of the header's full length: fields past what the file holds read as zero, and
    // the length checks below say which may be used.
    Entete debut{};
    std::memcpy(debut.data(), lus.constData(), std::size_t(qMin<qsizetype>(lus.size(), TailleEnteteMaxLue)));
    const qsizetype longueur = lus.size();
    EnteteBmp entete;
    if (longueur < TailleEnteteFichierBmp + 4)
        return entete;
    const qint64 debutPixels = lu<quint32>(debut, 10);
    const quint32 tailleEntete = lu<quint32>(debut, TailleEnteteFichierBmp);
    qint64 largeur = 0, hauteur = 0;
    quint32 bits = 0, compression = SansCompression, tailleDonnees = 0;
    if (tailleEntete == 12) { // the old OS/2 header, with 16-bit sizes
        if (longueur < TailleEnteteFichierBmp + 12)
            return entete;
        largeur = lu<quint16>(debut, 18);
        hauteur = lu<quint16>(debut, 20);
        bits = lu<quint16>(debut, 24);
    } else {
        if (tailleEntete < 40 || longueur < TailleEnteteFichierBmp + 40)
            return entete;
        largeur = lu<qint32>(debut, 18);
        hauteur = lu<qint32>(debut, 22);
        entete.deHautEnBas = hauteur < 0;
        hauteur = qAbs(hauteur);
        bits = lu<quint16>(debut, 28);
        compression = lu<quint32>(debut, 30);
        tailleDonnees = lu<quint32>(debut, 34);
    }
    if (largeur <= 0 || hauteur <= 0 || largeur > INT_MAX || hauteur > INT_MAX)
        return entete;
    entete.taille = QSize(int(largeur), int(hauteur));
    if (debutPixels < TailleEnteteFichierBmp || debutPixels > tailleFichier)
        return entete;
    const qint64 disponible = tailleFichier - debutPixels;
    switch (compression) {
    case SansCompression:
    case Masques:
    case MasquesAlpha: {
        if (bits == 0 || bits > 32)
            return entete;
        // Rows times row length overflows 64 bits for the largest headers: the rows are counted instead.
        const qint64 octetsParLigne = (largeur * bits + 31) / 32 * 4;
        entete.donneesCompletes = hauteur <= disponible / octetsParLigne;
        break;
    }
    case Rle8:
    case Rle4:
        // Compressed rows have no fixed length: the header must say how many bytes they take.
        entete.donneesCompletes = tailleDonnees != 0 && tailleDonnees <= disponible;
        break;
    default: break;
    }
    entete.brut24Bits = bits == 24 && compression == SansCompression;
    entete.debutPixels = debutPixels;
    return entete;
}

// A bitmap row holds blue, green, red; a Format_RGB888 row red, green, blue.
void BgrVersRgbPixels(const uchar *source, uchar *destination, int pixels)
{
    for (int x = 0; x < pixels; ++x, source += 3, destination += 3) {
        destination[0] = source[2];
        destination[1] = source[1];
        destination[2] = source[0];
    }
}

#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
// Five pixels per 16 bytes loaded; the sixteenth byte is written again by the next step, so the last
// steps, which would reach past the row, are left to the plain loop.
__attribute__((target("ssse3"))) int BgrVersRgbSsse3(const uchar *source, uchar *destination, int pixels)
{
    const __m128i ordre = _mm_setr_epi8(2, 1, 0, 5, 4, 3, 8, 7, 6, 11, 10, 9, 14, 13, 12, 15);
    int x = 0;
    for (; x + 6 <= pixels; x += 5) {
        const __m128i bgr = _mm_loadu_si128(reinterpret_cast<const __m128i *>(source + 3 * std::size_t(x)));
        _mm_storeu_si128(reinterpret_cast<__m128i *>(destination + 3 * std::size_t(x)), _mm_shuffle_epi8(bgr, ordre));
    }
    return x;
}
#define VELKORA_BGR_SSSE3
#endif

void BgrVersRgb(const uchar *source, uchar *destination, int pixels)
{
    int fait = 0;
#ifdef VELKORA_BGR_SSSE3
    static const bool ssse3 = __builtin_cpu_supports("ssse3");
    if (ssse3)
        fait = BgrVersRgbSsse3(source, destination, pixels);
#endif
    BgrVersRgbPixels(source + 3 * std::size_t(fait), destination + 3 * std::size_t(fait), pixels - fait);
}

// The pixels of a 24-bit uncompressed bitmap whose header was checked, read in blocks of rows straight
// into the picture: no picture of another format in between, no second copy of the sheet.
QImage LireBmp24Bits(QFile &fichier, const EnteteBmp &entete)
{
    QImage image = NouvelleImageFeuille(entete.taille, QImage::Format_RGB888);
    if (image.isNull() || !fichier.seek(entete.debutPixels))
        return {};
    const int largeur = entete.taille.width();
    const int hauteur = entete.taille.height();
    const qsizetype octetsLigne = (qsizetype(largeur) * 3 + 3) / 4 * 4;
    constexpr qsizetype OctetsBloc = 256 * 1024;
    const int lignesBloc = int(qBound<qsizetype>(1, OctetsBloc / octetsLigne, qsizetype(hauteur)));
    std::vector<uchar> bloc(std::size_t(octetsLigne) * std::size_t(lignesBloc));
    for (int premiere = 0; premiere < hauteur; premiere += lignesBloc) {
        const int lignes = qMin(lignesBloc, hauteur - premiere);
        const qint64 attendus = octetsLigne * lignes;
        if (fichier.read(reinterpret_cast<char *>(bloc.data()), attendus) != attendus)
            return {};
        for (int k = 0; k < lignes; ++k) {
            const int rangee = premiere + k;
            const int y = entete.deHautEnBas ? rangee : hauteur - 1 - rangee;
            BgrVersRgb(bloc.data() + std::size_t(octetsLigne) * std::size_t(k), image.scanLine(y), largeur);
        }
    }
    return image;
}

} // namespace

QString RefusImage::message(const QString &nomFichier, const QString &phraseExercice) const
{
    if (!tropGrande.isValid())
        return MessageImageIllisible(nomFichier, phraseExercice);
    return QStringLiteral("Le fichier \"%1\" est une image de %2 × %3 pixels : la plus grande image acceptée mesure "
                          "%4 × %5 pixels (une feuille A1 à 300 dpi).\n\n%6")
        .arg(nomFichier)
        .arg(tropGrande.width())
        .arg(tropGrande.height())
        .arg(GrandCoteImageMax)
        .arg(PetitCoteImageMax)
        .arg(phraseExercice);
}

std::variant<QImage, RefusImage> ChargerImage(const QString &chemin)
{
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly))
        return RefusImage{};
    const std::optional<EnteteBmp> bmp = LireEnteteBmp(fichier.peek(TailleEnteteMaxLue), fichier.size());
    QImageReader lecteur(&fichier);
    const QSize taille = bmp ? bmp->taille : lecteur.size();
    if (taille.isValid() && !tailleAcceptee(taille))
        return RefusImage{taille};
    if (bmp && !bmp->donneesCompletes)
        return RefusImage{};
    if (bmp && bmp->brut24Bits) {
        QImage image = LireBmp24Bits(fichier, *bmp);
        if (image.isNull())
            return RefusImage{};
        return image;
    }
    // Qt refuses pictures over 128 MB by default; the largest accepted sheet, read at 32 bits a pixel, is more.
    const qint64 octetsMax = qint64(GrandCoteImageMax) * PetitCoteImageMax * 4;
    QImageReader::setAllocationLimit(int(octetsMax / (1024 * 1024) + 1));
    QImage image = lecteur.read();
    if (image.isNull() || !tailleAcceptee(image.size()))
        return RefusImage{image.isNull() ? QSize() : image.size()};
    if (image.format() != QImage::Format_RGB888)
        image.convertTo(QImage::Format_RGB888);
    return image;
}
