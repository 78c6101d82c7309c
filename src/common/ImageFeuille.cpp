#include "common/ImageFeuille.h"

#include <cstring>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace {

#ifdef __linux__
constexpr std::size_t GrandePage = std::size_t(2) << 20;
// Below this a picture is left to the ordinary allocator.
constexpr qsizetype SeuilGrandesPages = qsizetype(8) << 20;

// Where a mapping starts and how long it is, kept in its own last bytes.
struct Carte {
    void *debut;
    std::size_t longueur;
};

void LibererCarte(void *info)
{
    const Carte carte = *static_cast<const Carte *>(info);
    munmap(carte.debut, carte.longueur);
}
#endif

} // namespace

QImage NouvelleImageFeuille(QSize taille, QImage::Format format)
{
#ifdef __linux__
    const QImage modele(1, 1, format); // the row length Qt gives this format
    const qsizetype octetsLigne = (qsizetype(taille.width()) * modele.depth() + 31) / 32 * 4;
    const qsizetype octets = octetsLigne * taille.height();
    if (taille.isEmpty() || modele.isNull() || octets < SeuilGrandesPages)
        return QImage(taille, format);
    const std::size_t longueur = (std::size_t(octets) + sizeof(Carte) + GrandePage - 1) / GrandePage * GrandePage;
    void *debut = mmap(nullptr, longueur, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (debut == MAP_FAILED)
        return QImage(taille, format);
    madvise(debut, longueur, MADV_HUGEPAGE); // a hint: without it the pages are the ordinary ones
    auto *carte = reinterpret_cast<Carte *>(static_cast<uchar *>(debut) + longueur - sizeof(Carte));
    *carte = {debut, longueur};
    QImage image(static_cast<uchar *>(debut), taille.width(), taille.height(), octetsLigne, format, LibererCarte,
                 carte);
    if (image.isNull())
        munmap(debut, longueur);
    return image;
#else
    return QImage(taille, format);
#endif
}

QImage CopieImageFeuille(const QImage &image)
{
    if (image.isNull())
        return QImage();
    QImage copie = NouvelleImageFeuille(image.size(), image.format());
    if (copie.isNull())
        return QImage();
    const std::size_t octets = std::size_t(qMin(copie.bytesPerLine(), image.bytesPerLine()));
    for (int y = 0; y < image.height(); ++y)
        std::memcpy(copie.scanLine(y), image.constScanLine(y), octets);
    return copie;
}
