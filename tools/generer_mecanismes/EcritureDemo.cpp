#include "EcritureDemo.h"

#include "atelier/EcritureFichiers.h"
#include "common/EncodageTexte.h"
#include "common/FichierIni.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

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
    return EcrireOctets(chemin(relatif), contenu);
}

std::optional<QString> EcritureDemo::image(const QString &relatif, const QImage &image, const char *format)
{
    if (auto erreur = preparer(relatif))
        return erreur;
    return EcrireImage(chemin(relatif), image, format);
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
    return EcrirePdfA3(chemin(relatif), titre, zone, QPageLayout::Landscape, dessin);
}

void EcritureDemo::effacerTout()
{
    for (const QString &fichier : std::as_const(ecrits_))
        QFile::remove(fichier);
    ecrits_.clear();
}
