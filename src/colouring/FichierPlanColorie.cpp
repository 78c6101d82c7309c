#include "colouring/FichierPlanColorie.h"

#include "colouring/ExportColoriage.h"
#include "common/FPfichier.h"
#include "common/Jpeg.h"

#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>

namespace {
QString messageEcriture(const QString &chemin, const QString &raison)
{
    return QStringLiteral("Impossible d'enregistrer le fichier \"%1\" :\n%2").arg(chemin, raison);
}
} // namespace

FichierPlanColorie FichierPourNom(const QString &cheminChoisi)
{
    const QString extension = QFileInfo(cheminChoisi).suffix().toLower();
    if (extension == u"jpg" || extension == u"jpeg")
        return {cheminChoisi, FormatPlanColorie::Jpeg, false};
    if (extension == u"png")
        return {cheminChoisi, FormatPlanColorie::Png, false};
    if (extension == u"bmp")
        return {cheminChoisi, FormatPlanColorie::Bmp, false};
    // A name that is there and is no file (a device, a folder) is kept: writing to it is refused with
    // its reason, rather than a file being made beside it.
    const QFileInfo existant(cheminChoisi);
    if (existant.exists() && !existant.isFile())
        return {cheminChoisi, FormatPlanColorie::Jpeg, false};
    return {cheminChoisi + u'.' + ExtensionPlanColorie, FormatPlanColorie::Jpeg, true};
}

std::optional<QString> EcrirePlanColorie(const QImage &image, const FichierPlanColorie &fichier)
{
    if (fichier.format == FormatPlanColorie::Jpeg)
        return EcrireJpeg(image, QualiteJpegColoriage, fichier.chemin);
    if (const auto refus = RefusCibleNonFichier(fichier.chemin))
        return messageEcriture(fichier.chemin, *refus);
    QSaveFile sortie(fichier.chemin);
    if (!sortie.open(QIODevice::WriteOnly))
        return messageEcriture(fichier.chemin, sortie.errorString());
    QImageWriter ecrivain(&sortie, fichier.format == FormatPlanColorie::Png ? "png" : "bmp");
    if (!ecrivain.write(image))
        return messageEcriture(fichier.chemin, ecrivain.errorString());
    if (!sortie.commit())
        return messageEcriture(fichier.chemin, sortie.errorString());
    return std::nullopt;
}
