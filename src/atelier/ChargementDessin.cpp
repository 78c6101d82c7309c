#include "atelier/ChargementDessin.h"

#include "common/ChargementImage.h"

#include <QFile>
#include <QFileInfo>
#include <cmath>
#include <memory>
#include <poppler/qt6/poppler-qt6.h>

namespace {

const QString PhraseAutreDessin = QStringLiteral("Choisissez un autre dessin.");
constexpr int ResolutionPdfMin = 36;
constexpr int ResolutionPdfMax = 1200;

bool EstPdf(const QString &chemin)
{
    QFile fichier(chemin);
    return fichier.open(QIODevice::ReadOnly) && fichier.peek(5) == "%PDF-";
}

QString MessagePdfIllisible(const QString &nom)
{
    return QStringLiteral("Le fichier \"%1\" n'est pas un document PDF lisible.\n\n%2").arg(nom, PhraseAutreDessin);
}

std::variant<std::unique_ptr<Poppler::Document>, QString> OuvrirPdf(const QString &chemin)
{
    const QString nom = QFileInfo(chemin).fileName();
    std::unique_ptr<Poppler::Document> document = Poppler::Document::load(chemin);
    if (!document)
        return MessagePdfIllisible(nom);
    if (document->isLocked())
        return QStringLiteral("Le document \"%1\" est protégé par un mot de passe.\n\n%2").arg(nom, PhraseAutreDessin);
    if (document->numPages() < 1)
        return QStringLiteral("Le document \"%1\" n'a aucune page.\n\n%2").arg(nom, PhraseAutreDessin);
    return document;
}

std::variant<QImage, QString> RendrePagePdf(const QString &chemin, int resolution, int numeroPage)
{
    const QString nom = QFileInfo(chemin).fileName();
    if (resolution < ResolutionPdfMin || resolution > ResolutionPdfMax)
        return QStringLiteral("La résolution doit être comprise entre %1 et %2 points par pouce.")
            .arg(ResolutionPdfMin)
            .arg(ResolutionPdfMax);
    auto ouvert = OuvrirPdf(chemin);
    if (auto *message = std::get_if<QString>(&ouvert))
        return *message;
    const auto &document = std::get<std::unique_ptr<Poppler::Document>>(ouvert);
    if (numeroPage < 0 || numeroPage >= document->numPages())
        return QStringLiteral("Le document \"%1\" n'a pas de page %2 : il en a %3.")
            .arg(nom)
            .arg(numeroPage + 1)
            .arg(document->numPages());
    const std::unique_ptr<Poppler::Page> page = document->page(numeroPage);
    if (!page)
        return MessagePdfIllisible(nom);
    // Points are 1/72 inch; the size is known before anything is rendered.
    const QSizeF points = page->pageSizeF();
    const double pixelsLargeur = std::ceil(points.width() * resolution / 72.0);
    const double pixelsHauteur = std::ceil(points.height() * resolution / 72.0);
    const double grand = std::max(pixelsLargeur, pixelsHauteur);
    const double petit = std::min(pixelsLargeur, pixelsHauteur);
    if (!(petit >= 1))
        return MessagePdfIllisible(nom);
    if (grand > GrandCoteImageMax || petit > PetitCoteImageMax)
        return QStringLiteral(
                   "La page %1 du document \"%2\", rendue à %3 points par pouce, mesurerait %4 × %5 pixels : "
                   "la plus grande image acceptée mesure %6 × %7 pixels (une feuille A1 à 300 dpi). "
                   "Choisissez une résolution plus basse.")
            .arg(numeroPage + 1)
            .arg(nom)
            .arg(resolution)
            .arg(qint64(pixelsLargeur))
            .arg(qint64(pixelsHauteur))
            .arg(GrandCoteImageMax)
            .arg(PetitCoteImageMax);
    document->setRenderHint(Poppler::Document::Antialiasing);
    document->setRenderHint(Poppler::Document::TextAntialiasing);
    document->setPaperColor(Qt::white);
    QImage image = page->renderToImage(resolution, resolution);
    if (image.isNull())
        return MessagePdfIllisible(nom);
    return image.convertToFormat(QImage::Format_Grayscale8);
}

} // namespace

std::variant<QImage, QString> ChargerDessin(const QString &chemin, int resolutionPdf, int page)
{
    const QFileInfo info(chemin);
    if (!info.isFile())
        return QStringLiteral("Le fichier \"%1\" est introuvable.\n\n%2").arg(info.fileName(), PhraseAutreDessin);
    if (EstPdf(chemin))
        return RendrePagePdf(chemin, resolutionPdf, page);
    auto lue = ChargerImage(chemin);
    if (const auto *refus = std::get_if<RefusImage>(&lue))
        return refus->message(info.fileName(), PhraseAutreDessin);
    return std::get<QImage>(lue).convertToFormat(QImage::Format_Grayscale8);
}

std::variant<int, QString> NombrePagesPdf(const QString &chemin)
{
    auto ouvert = OuvrirPdf(chemin);
    if (auto *message = std::get_if<QString>(&ouvert))
        return *message;
    return std::get<std::unique_ptr<Poppler::Document>>(ouvert)->numPages();
}
