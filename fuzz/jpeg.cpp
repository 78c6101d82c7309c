// The JPEG decoder: any bytes give a 24-bit picture or an error text; a decoded picture encodes and
// decodes again to its size.
#include "Essai.h"

#include "common/Jpeg.h"

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
    const ImageDecodee decodee = DecoderJpeg(octets);
    if (decodee.image.isNull()) {
        if (decodee.erreur.isEmpty())
            Echec("un JPEG refusé sans message");
        return 0;
    }
    if (decodee.image.format() != QImage::Format_RGB888)
        Echec("un JPEG décodé dans un autre format");
    QByteArray encode;
    if (EncoderJpeg(decodee.image, 75, encode))
        Echec("une image décodée ne s'encode pas");
    if (DecoderJpeg(encode).image.size() != decodee.image.size())
        Echec("un JPEG encodé ne se décode pas à sa taille");
    return 0;
}
