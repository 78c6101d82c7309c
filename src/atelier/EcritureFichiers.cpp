#include "atelier/EcritureFichiers.h"

#include "common/FPfichier.h"

#include <QBuffer>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>

namespace {

QString MessageEcriture(const QString &chemin, const QString &raison)
{
    return QStringLiteral("Impossible d'écrire \"%1\" : %2").arg(chemin, raison);
}

} // namespace

std::optional<QString> EcrireOctets(const QString &chemin, const QByteArray &contenu)
{
    if (const auto refus = RefusCibleNonFichier(chemin))
        return MessageEcriture(chemin, *refus);
    QSaveFile fichier(chemin);
    // Unbuffered, so that a short write is seen here rather than lost in the buffer before commit().
    if (!fichier.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || fichier.write(contenu) != contenu.size() ||
        !fichier.commit())
        return MessageEcriture(chemin, fichier.errorString());
    return std::nullopt;
}

std::optional<QString> EcrireImage(const QString &chemin, const QImage &image, const char *format)
{
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    if (!image.convertToFormat(QImage::Format_RGB888).save(&tampon, format))
        return QStringLiteral("Impossible de coder l'image \"%1\".").arg(chemin);
    return EcrireOctets(chemin, octets);
}

std::optional<QByteArray> PdfA3(const QString &titre, QSize zone, QPageLayout::Orientation orientation,
                                const std::function<void(QPainter &)> &dessin)
{
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&tampon);
        pdf.setTitle(titre);
        pdf.setCreator(QStringLiteral("Velkora"));
        pdf.setResolution(300);
        // No margin of its own: the sheet's frame is the margin, and the drawing area then covers the A3 page as
        // it covers the scanned sheet, so that the scale written in the title block holds on paper too.
        pdf.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A3), orientation, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
        QPainter p(&pdf);
        if (!p.isActive())
            return std::nullopt;
        const QRect page = p.viewport();
        const double echelle = std::min(page.width() / double(zone.width()), page.height() / double(zone.height()));
        p.translate((page.width() - zone.width() * echelle) / 2, (page.height() - zone.height() * echelle) / 2);
        p.scale(echelle, echelle);
        dessin(p);
    }
    return octets;
}

std::optional<QString> EcrirePdfA3(const QString &chemin, const QString &titre, QSize zone,
                                   QPageLayout::Orientation orientation, const std::function<void(QPainter &)> &dessin)
{
    const auto octets = PdfA3(titre, zone, orientation, dessin);
    if (!octets)
        return QStringLiteral("Impossible de dessiner la page de \"%1\".").arg(chemin);
    return EcrireOctets(chemin, *octets);
}
