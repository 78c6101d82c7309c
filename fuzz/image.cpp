// Loading a mechanism's picture: anything gives a 24-bit picture within the program's limit or a
// refusal, and a header that announces too large a picture is refused with its size.
#include "Essai.h"

#include "common/ChargementImage.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    DemarrerQt();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *donnees, std::size_t taille)
{
    const QByteArray octets(reinterpret_cast<const char *>(donnees), qsizetype(taille));
    if (ImageTropLourdePourEssai(octets))
        return -1;
    const QString chemin = DossierEssai() + QStringLiteral("image.bmp");
    EcrireFichier(chemin, octets);
    const auto lue = ChargerImage(chemin);
    if (const auto *refus = std::get_if<RefusImage>(&lue)) {
        if (refus->message(QStringLiteral("image.bmp"), QStringLiteral("Essai.")).isEmpty())
            Echec("une image refusée sans message");
        return 0;
    }
    const QImage &image = std::get<QImage>(lue);
    const int grand = qMax(image.width(), image.height());
    const int petit = qMin(image.width(), image.height());
    if (image.format() != QImage::Format_RGB888 || petit < 1 || grand > GrandCoteImageMax || petit > PetitCoteImageMax)
        Echec("une image acceptée hors du format ou des limites du programme");
    return 0;
}
