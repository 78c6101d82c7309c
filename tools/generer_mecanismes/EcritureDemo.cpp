#include "EcritureDemo.h"

#include "common/EncodageTexte.h"
#include "common/FichierIni.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>

EcritureDemo::EcritureDemo(const QString &dossier) : dossier_(QDir::cleanPath(dossier)) {}

QString EcritureDemo::chemin(const QString &relatif) const { return dossier_ + u'/' + relatif; }

std::optional<QString> EcritureDemo::preparer(const QString &relatif)
{
    const QString complet = chemin(relatif);
    const QString parent = QFileInfo(complet).absolutePath();
    if (!QDir().mkpath(parent))
        return QStringLiteral("Impossible de créer le dossier \"%1\".").arg(parent);
    if (!ecrits_.contains(complet))
        ecrits_.append(complet);
    return std::nullopt;
}

std::optional<QString> EcritureDemo::octets(const QString &relatif, const QByteArray &contenu)
{
    if (auto erreur = preparer(relatif))
        return erreur;
    QSaveFile fichier(chemin(relatif));
    if (!fichier.open(QIODevice::WriteOnly) || fichier.write(contenu) != contenu.size() || !fichier.commit())
        return QStringLiteral("Impossible d'écrire \"%1\" : %2").arg(chemin(relatif), fichier.errorString());
    return std::nullopt;
}

std::optional<QString> EcritureDemo::image(const QString &relatif, const QImage &image, const char *format)
{
    if (auto erreur = preparer(relatif))
        return erreur;
    QSaveFile fichier(chemin(relatif));
    const QImage aEcrire = image.convertToFormat(QImage::Format_RGB888);
    if (!fichier.open(QIODevice::WriteOnly) || !aEcrire.save(&fichier, format) || !fichier.commit())
        return QStringLiteral("Impossible d'écrire l'image \"%1\" : %2").arg(chemin(relatif), fichier.errorString());
    return std::nullopt;
}

std::optional<QString> EcritureDemo::ini(const QString &relatif, const std::vector<EntreeIni> &entrees)
{
    for (const EntreeIni &entree : entrees) {
        if (!TientEnWindows1252(entree.section + entree.cle + entree.valeur))
            return QStringLiteral("\"%1\" ne s'écrit pas en Windows-1252 (fichier \"%2\").")
                .arg(entree.valeur, relatif);
    }
    if (auto erreur = preparer(relatif))
        return erreur;
    // Built from nothing, so that no key of an earlier generation survives.
    QFile::remove(chemin(relatif));
    FichierIni fichier(chemin(relatif));
    for (const EntreeIni &entree : entrees)
        fichier.ecrireTexte(entree.section, entree.cle, entree.valeur);
    if (auto erreur = fichier.enregistrer())
        return QStringLiteral("Impossible d'écrire \"%1\" : %2").arg(chemin(relatif), *erreur);
    return std::nullopt;
}

std::optional<QString> EcritureDemo::pdf(const QString &relatif, const QString &titre, QSize zone,
                                         const std::function<void(QPainter &)> &dessin)
{
    if (auto erreur = preparer(relatif))
        return erreur;
    QSaveFile fichier(chemin(relatif));
    if (!fichier.open(QIODevice::WriteOnly))
        return QStringLiteral("Impossible d'écrire \"%1\" : %2").arg(chemin(relatif), fichier.errorString());
    {
        QPdfWriter pdf(&fichier);
        pdf.setTitle(titre);
        pdf.setCreator(QStringLiteral("Velkora"));
        pdf.setResolution(300);
        // No margin of its own: the sheet's frame is the margin, and the drawing area then covers the A3 page as
        // it covers the scanned sheet, so that the scale written in the title block holds on paper too.
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A3), QPageLayout::Landscape, QMarginsF(0, 0, 0, 0),
                                      QPageLayout::Millimeter));
        QPainter p(&pdf);
        if (!p.isActive())
            return QStringLiteral("Impossible de dessiner la page de \"%1\".").arg(chemin(relatif));
        const QRect page = p.viewport();
        const double echelle = std::min(page.width() / double(zone.width()), page.height() / double(zone.height()));
        p.translate((page.width() - zone.width() * echelle) / 2, (page.height() - zone.height() * echelle) / 2);
        p.scale(echelle, echelle);
        dessin(p);
    }
    if (!fichier.commit())
        return QStringLiteral("Impossible d'écrire \"%1\" : %2").arg(chemin(relatif), fichier.errorString());
    return std::nullopt;
}

void EcritureDemo::effacerTout()
{
    for (const QString &fichier : std::as_const(ecrits_))
        QFile::remove(fichier);
    ecrits_.clear();
}
