#include "common/TravailImprime.h"

#include "common/FPfichier.h"

#include <QBuffer>
#include <QDate>
#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSvgGenerator>

namespace {

constexpr double PointsEnTete = 10; // font size of the header, in points
const QString TitreProgramme = QStringLiteral("Velkora");

QString MessageEcriture(const QString &chemin, const QString &raison)
{
    return QStringLiteral("Impossible d'enregistrer le fichier \"%1\" :\n%2").arg(chemin, raison);
}

std::optional<QString> Ecrire(const QString &chemin, const QByteArray &octets)
{
    if (const auto refus = RefusCibleNonFichier(chemin))
        return MessageEcriture(chemin, *refus);
    QSaveFile fichier(chemin);
    if (!fichier.open(QIODevice::WriteOnly) || fichier.write(octets) != octets.size() || !fichier.commit())
        return MessageEcriture(chemin, fichier.errorString());
    return std::nullopt;
}

} // namespace

QRectF CadreAjuste(QSizeF taille, const QRectF &place)
{
    if (taille.isEmpty() || place.isEmpty())
        return {};
    const double echelle = std::min(place.width() / taille.width(), place.height() / taille.height());
    const QSizeF ajustee = taille * echelle;
    return QRectF(place.center() - QPointF(ajustee.width() / 2, ajustee.height() / 2), ajustee);
}

void PeindrePage(QPainter &peintre, const QRectF &page, const TravailImprime &travail, const QString &eleve)
{
    peintre.save();
    QFont police(QStringLiteral("DejaVu Sans"));
    police.setPointSizeF(PointsEnTete);
    peintre.setFont(police);
    peintre.setPen(Qt::black);
    const QFontMetricsF mesure(police, peintre.device());
    const double ligne = mesure.lineSpacing();
    const QString date = QLocale(QLocale::French).toString(QDate::currentDate(), QLocale::LongFormat);
    QStringList lignes{TitreProgramme + QStringLiteral(" — ") + travail.mecanisme + QStringLiteral(" — ") +
                           travail.exercice,
                       QStringLiteral("Nom : ") + eleve + QStringLiteral("    ") + date};
    lignes += travail.details;
    double y = page.top();
    for (const QString &texte : lignes) {
        peintre.drawText(QRectF(page.left(), y, page.width(), ligne), Qt::AlignLeft | Qt::AlignVCenter,
                         mesure.elidedText(texte, Qt::ElideRight, page.width()));
        y += ligne;
    }
    y += ligne / 2;
    peintre.drawLine(QPointF(page.left(), y), QPointF(page.right(), y));
    y += ligne / 2;
    const QRectF cadre = CadreAjuste(travail.taille, QRectF(page.left(), y, page.width(), page.bottom() - y));
    if (!cadre.isEmpty() && travail.dessiner) {
        peintre.translate(cadre.topLeft());
        peintre.scale(cadre.width() / travail.taille.width(), cadre.height() / travail.taille.height());
        peintre.setClipRect(QRectF(QPointF(0, 0), travail.taille));
        travail.dessiner(peintre);
    }
    peintre.restore();
}

std::optional<QString> EnregistrerPdf(const QString &chemin, const TravailImprime &travail, const QString &eleve,
                                      const QPageLayout &miseEnPage)
{
    QBuffer tampon;
    tampon.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&tampon);
        pdf.setCreator(TitreProgramme);
        pdf.setTitle(travail.exercice + QStringLiteral(" — ") + travail.mecanisme);
        pdf.setResolution(300);
        pdf.setPageLayout(miseEnPage);
        QPainter peintre(&pdf);
        // The painter's origin is the corner of the printable area, its unit the writer's dot.
        PeindrePage(peintre, QRectF(QPointF(0, 0), pdf.pageLayout().paintRectPixels(pdf.resolution()).size()), travail,
                    eleve);
    }
    return Ecrire(chemin, tampon.data());
}

std::optional<QString> EnregistrerSvg(const QString &chemin, const TravailImprime &travail)
{
    QBuffer tampon;
    tampon.open(QIODevice::WriteOnly);
    {
        QSvgGenerator svg;
        svg.setOutputDevice(&tampon);
        svg.setTitle(travail.exercice + QStringLiteral(" — ") + travail.mecanisme);
        svg.setSize(travail.taille.toSize());
        svg.setViewBox(QRectF(QPointF(0, 0), travail.taille));
        QPainter peintre(&svg);
        if (travail.dessiner)
            travail.dessiner(peintre);
    }
    // Qt gives the size in millimetres, which each reader turns into pixels at its own resolution; in plain
    // units it is the work's pixels everywhere, as the window shows them.
    QByteArray octets = tampon.data();
    static const QRegularExpression taille(QStringLiteral("<svg width=\"[^\"]*\" height=\"[^\"]*\""));
    const QRegularExpressionMatch trouvee = taille.match(QString::fromLatin1(octets.left(256)));
    if (trouvee.hasMatch())
        octets.replace(trouvee.capturedStart(), trouvee.capturedLength(),
                       QStringLiteral("<svg width=\"%1\" height=\"%2\"")
                           .arg(travail.taille.width())
                           .arg(travail.taille.height())
                           .toLatin1());
    return Ecrire(chemin, octets);
}
