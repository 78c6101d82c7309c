#include "common/Jpeg.h"

#include "common/ChargementImage.h"
#include "common/Descripteur.h"
#include "common/FPfichier.h"
#include "common/OuvertureExercice.h"

#include <QFile>
#include <QSaveFile>

#include <algorithm>
#include <csetjmp>
#include <cstdint>
#include <cstdio> // jpeglib.h uses FILE and size_t without declaring them
#include <cstdlib>

#include <jerror.h>
#include <jpeglib.h>

namespace {

// A picture is refused before anything is allocated for it when it is larger than the largest sheet the
// program shows: a few hundred bytes may announce any size, and the pixels are allocated before they are read.
bool TailleAcceptee(JDIMENSION largeur, JDIMENSION hauteur)
{
    return std::max(largeur, hauteur) <= JDIMENSION(GrandCoteImageMax) &&
           std::min(largeur, hauteur) <= JDIMENSION(PetitCoteImageMax);
}
constexpr qint64 TailleFichierMax = qint64(512) * 1024 * 1024;

const QString MessageVide = QStringLiteral("Le fichier JPEG est vide.");
const QString MessagePasJpeg = QStringLiteral("Ces données ne sont pas une image JPEG.");
const QString MessageTronque = QStringLiteral("L'image JPEG est incomplète : la fin du fichier manque.");
const QString MessageEndommage =
    QStringLiteral("L'image JPEG est endommagée ou d'un type qui n'est pas pris en charge.");
const QString MessageCmjn =
    QStringLiteral("Les images JPEG en couleurs CMJN ne sont pas prises en charge : enregistrez l'image en RVB.");
const QString MessageMemoire = QStringLiteral("Il n'y a pas assez de mémoire pour cette image JPEG.");
const QString MessageSansImage = QStringLiteral("Il n'y a pas d'image à enregistrer.");
const QString MessageTropGrandePourJpeg =
    QStringLiteral("L'image est trop grande pour le format JPEG (65500 pixels de côté au plus).");
const QString MessageEncodage = QStringLiteral("L'image n'a pas pu être codée en JPEG.");

QString MessageTailleDemesuree(JDIMENSION largeur, JDIMENSION hauteur)
{
    return QStringLiteral("L'image JPEG annonce %1 × %2 pixels : la plus grande image acceptée mesure %3 × %4 pixels "
                          "(une feuille A1 à 300 dpi).")
        .arg(largeur)
        .arg(hauteur)
        .arg(GrandCoteImageMax)
        .arg(PetitCoteImageMax);
}

QString MessageFichierTropGros(const QString &chemin)
{
    return QStringLiteral("Le fichier \"%1\" est trop volumineux pour une image JPEG.").arg(NomFichier(chemin));
}

QString MessageEcriture(const QString &chemin, const QString &raison)
{
    return QStringLiteral("Impossible d'enregistrer le fichier \"%1\" :\n%2").arg(chemin, raison);
}

// libjpeg reports a failure by calling error_exit, which must not return: it jumps back to the
// setjmp of the function that called libjpeg. Warnings (corrupt or missing data) are failures too.
struct GestionErreurs {
    jpeg_error_mgr base; // first, so that libjpeg's pointer to it is a pointer to the whole
    std::jmp_buf saut;
    int code; // libjpeg's message code of the failure
};

[[noreturn]] void QuitterSurErreur(j_common_ptr info)
{
    auto *gestion = reinterpret_cast<GestionErreurs *>(info->err);
    gestion->code = info->err->msg_code;
    std::longjmp(gestion->saut, 1);
}

void TraiterMessage(j_common_ptr info, int niveau)
{
    if (niveau < 0)
        QuitterSurErreur(info);
}

void Taire(j_common_ptr) {}

void PreparerErreurs(GestionErreurs &gestion)
{
    jpeg_std_error(&gestion.base);
    gestion.base.error_exit = QuitterSurErreur;
    gestion.base.emit_message = TraiterMessage;
    gestion.base.output_message = Taire;
    gestion.code = 0;
}

QString MessageDecodage(int code)
{
    switch (code) {
    case JERR_NO_SOI: return MessagePasJpeg;
    case JWRN_JPEG_EOF:
    case JERR_INPUT_EOF: return MessageTronque;
    case JERR_OUT_OF_MEMORY: return MessageMemoire;
    default: return MessageEndommage;
    }
}

// Everything libjpeg works on lives in these plain structures, in the frame of a caller that owns them;
// the functions that call setjmp hold nothing with a destructor, so a jump back to them skips none.
struct EtatDecodage {
    jpeg_decompress_struct info;
    GestionErreurs erreurs;
    bool cree;
};

struct EtatEncodage {
    jpeg_compress_struct info;
    GestionErreurs erreurs;
    unsigned char *sortie; // allocated by libjpeg with malloc
    unsigned long taille;
    bool cree;
};

[[gnu::noinline]] bool LireEntete(EtatDecodage *etat, const unsigned char *octets, unsigned long taille)
{
    if (setjmp(etat->erreurs.saut) != 0)
        return false;
    etat->cree = true; // destroying a structure whose creation failed half-way is safe
    jpeg_create_decompress(&etat->info);
    jpeg_mem_src(&etat->info, octets, taille);
    jpeg_read_header(&etat->info, TRUE);
    return true;
}

[[gnu::noinline]] bool LirePixels(EtatDecodage *etat, unsigned char *pixels, std::size_t pas)
{
    if (setjmp(etat->erreurs.saut) != 0)
        return false;
    jpeg_start_decompress(&etat->info);
    while (etat->info.output_scanline < etat->info.output_height) {
        JSAMPROW ligne = pixels + std::size_t(etat->info.output_scanline) * pas;
        jpeg_read_scanlines(&etat->info, &ligne, 1);
    }
    jpeg_finish_decompress(&etat->info);
    return true;
}

[[gnu::noinline]] bool Encoder(EtatEncodage *etat, const unsigned char *pixels, std::size_t pas, JDIMENSION largeur,
                               JDIMENSION hauteur, int qualite)
{
    if (setjmp(etat->erreurs.saut) != 0)
        return false;
    etat->cree = true;
    jpeg_create_compress(&etat->info);
    jpeg_mem_dest(&etat->info, &etat->sortie, &etat->taille);
    etat->info.image_width = largeur;
    etat->info.image_height = hauteur;
    etat->info.input_components = 3;
    etat->info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&etat->info);
    jpeg_set_quality(&etat->info, qualite, TRUE);
    jpeg_start_compress(&etat->info, TRUE);
    while (etat->info.next_scanline < etat->info.image_height) {
        // libjpeg only reads the rows it is given.
        JSAMPROW ligne = const_cast<unsigned char *>(pixels + std::size_t(etat->info.next_scanline) * pas);
        jpeg_write_scanlines(&etat->info, &ligne, 1);
    }
    jpeg_finish_compress(&etat->info);
    return true;
}

class Decodeur {
public:
    Decodeur()
    {
        etat_.info = {};
        PreparerErreurs(etat_.erreurs);
        etat_.info.err = &etat_.erreurs.base;
        etat_.cree = false;
    }
    ~Decodeur()
    {
        if (etat_.cree)
            jpeg_destroy_decompress(&etat_.info);
    }
    Decodeur(const Decodeur &) = delete;
    Decodeur &operator=(const Decodeur &) = delete;

    ImageDecodee decoder(const QByteArray &octets)
    {
        if (!LireEntete(&etat_, reinterpret_cast<const unsigned char *>(octets.constData()),
                        static_cast<unsigned long>(octets.size())))
            return echec(MessageDecodage(etat_.erreurs.code));
        const JDIMENSION largeur = etat_.info.image_width;
        const JDIMENSION hauteur = etat_.info.image_height;
        if (!TailleAcceptee(largeur, hauteur))
            return echec(MessageTailleDemesuree(largeur, hauteur));
        if (etat_.info.jpeg_color_space == JCS_CMYK || etat_.info.jpeg_color_space == JCS_YCCK)
            return echec(MessageCmjn);
        etat_.info.out_color_space = JCS_RGB; // grey pictures are widened to RGB by libjpeg
        QImage image(int(largeur), int(hauteur), QImage::Format_RGB888);
        if (image.isNull())
            return echec(MessageMemoire);
        if (!LirePixels(&etat_, image.bits(), std::size_t(image.bytesPerLine())))
            return echec(MessageDecodage(etat_.erreurs.code));
        return {std::move(image), {}};
    }

private:
    static ImageDecodee echec(const QString &message) { return {QImage(), message}; }

    EtatDecodage etat_;
};

class Encodeur {
public:
    Encodeur()
    {
        etat_.info = {};
        PreparerErreurs(etat_.erreurs);
        etat_.info.err = &etat_.erreurs.base;
        etat_.sortie = nullptr;
        etat_.taille = 0;
        etat_.cree = false;
    }
    ~Encodeur()
    {
        if (etat_.cree)
            jpeg_destroy_compress(&etat_.info);
        std::free(etat_.sortie);
    }
    Encodeur(const Encodeur &) = delete;
    Encodeur &operator=(const Encodeur &) = delete;

    std::optional<QString> encoder(const QImage &image, int qualite, QByteArray &sortie)
    {
        if (!Encoder(&etat_, image.constBits(), std::size_t(image.bytesPerLine()), JDIMENSION(image.width()),
                     JDIMENSION(image.height()), qualite))
            return etat_.erreurs.code == JERR_OUT_OF_MEMORY ? MessageMemoire : MessageEncodage;
        sortie = QByteArray(reinterpret_cast<const char *>(etat_.sortie), qsizetype(etat_.taille));
        return std::nullopt;
    }

private:
    EtatEncodage etat_;
};

} // namespace

ImageDecodee DecoderJpeg(const QByteArray &octets)
{
    if (octets.isEmpty())
        return {QImage(), MessageVide};
    return Decodeur().decoder(octets);
}

ImageDecodee LireJpeg(const QString &chemin)
{
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly))
        return {QImage(), MessageImpossibleOuvrir(chemin)};
    if (fichier.size() > TailleFichierMax)
        return {QImage(), MessageFichierTropGros(chemin)};
    return DecoderJpeg(fichier.readAll());
}

std::optional<QString> EncoderJpeg(const QImage &image, int qualite, QByteArray &sortie)
{
    if (image.isNull())
        return MessageSansImage;
    if (image.width() > JPEG_MAX_DIMENSION || image.height() > JPEG_MAX_DIMENSION)
        return MessageTropGrandePourJpeg;
    const QImage rvb = image.format() == QImage::Format_RGB888 ? image : image.convertToFormat(QImage::Format_RGB888);
    if (rvb.isNull())
        return MessageMemoire;
    return Encodeur().encoder(rvb, std::clamp(qualite, 1, 100), sortie);
}

std::optional<QString> EcrireJpeg(const QImage &image, int qualite, const QString &chemin)
{
    QByteArray octets;
    if (const auto erreur = EncoderJpeg(image, qualite, octets))
        return erreur;
    if (const auto refus = RefusCibleNonFichier(chemin))
        return MessageEcriture(chemin, *refus);
    QSaveFile fichier(chemin);
    if (!fichier.open(QIODevice::WriteOnly))
        return MessageEcriture(chemin, fichier.errorString());
    if (fichier.write(octets) != octets.size() || !fichier.commit())
        return MessageEcriture(chemin, fichier.errorString());
    return std::nullopt;
}
