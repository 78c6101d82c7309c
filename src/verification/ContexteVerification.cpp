#include "verification/ContexteVerification.h"

#include "common/ChargementImage.h"
#include "common/Descripteur.h"
#include "common/Entier.h"
#include "common/TrouverChemin.h"

#include <QFileInfo>

namespace {

const QString TexteManquant = QStringLiteral("Le fichier est manquant.");
const QString TexteIllisible = QStringLiteral("Le fichier ne peut pas être lu.");
const QString TexteImageIllisible = QStringLiteral("Le fichier n'est pas une image lisible.");
const QString TexteCasse = QStringLiteral("Le programme cherche « %1 », qui s'écrit « %2 » sur le disque : seul un "
                                          "système qui ignore la casse des noms de fichiers les confond.");
const QString TexteEntier =
    QStringLiteral("La valeur « %1 » de la clé « %2 » de la section [%3] n'est pas un nombre entier.");
const QString TexteCleManquante = QStringLiteral("La section [%1] n'a pas de clé « %2 ».");
const QString TexteCouleurInvalide = QStringLiteral("Clé « %1 » de la section [%2] : %3");
const QString TexteTailles = QStringLiteral(
    "« trame.bmp » mesure %1 × %2 pixels et « plan.bmp » %3 × %4 : les deux images doivent avoir la même taille.");
const QString TexteNoir = QStringLiteral("La couleur de %1 %2 (clé « %3 ») est le noir, réservé aux traits du dessin.");
const QString TexteBlanc = QStringLiteral("La couleur de %1 %2 (clé « %3 ») est le blanc, réservé au fond du dessin.");
const QString TextePartagee =
    QStringLiteral("%1 %2 (clé « %3 ») a la même couleur que %4 %5 : les deux ne peuvent pas être distinguées.");
const QString TexteAbsente = QStringLiteral("La couleur %1 de %2 %3 (clé « %4 ») n'apparaît nulle part dans « %5 ».");

QString majuscule(QString texte)
{
    if (!texte.isEmpty())
        texte[0] = texte[0].toUpper();
    return texte;
}

} // namespace

TColor CouleurPixel(TColor couleur) { return RvbVersCouleur(CouleurVersRvb(couleur)); }

QSet<TColor> CouleursDeLImage(const QImage &image)
{
    QSet<TColor> couleurs;
    for (int y = 0; y < image.height(); ++y) {
        const uchar *p = image.constScanLine(y);
        TColor precedente = 0xFFFFFFFF; // no pixel has it
        for (int x = 0; x < image.width(); ++x, p += 3) {
            const TColor c = TColor(p[0]) | TColor(p[1]) << 8 | TColor(p[2]) << 16;
            if (c != precedente)
                couleurs.insert(c);
            precedente = c;
        }
    }
    return couleurs;
}

ContexteVerification::ContexteVerification(const QString &cheminDescripteur, RapportVerification &rapport)
    : racine_(QFileInfo(cheminDescripteur).absolutePath() + u'/'), radical_(RadicalDescripteur(cheminDescripteur)),
      rapport_(rapport)
{}

std::optional<QString> ContexteVerification::trouver(const QString &relatif)
{
    const QString chemin = TrouverChemin(racine_ + relatif);
    if (!QFileInfo::exists(chemin))
        return std::nullopt;
    const QString trouve = chemin.mid(racine_.size());
    if (trouve != relatif) {
        // Said once, for the first part of the path whose letter case differs.
        const QStringList attendues = relatif.split(u'/');
        const QStringList presentes = trouve.split(u'/');
        qsizetype i = 0;
        while (i < attendues.size() && i < presentes.size() && attendues[i] == presentes[i])
            ++i;
        const QString attendu = attendues.mid(0, i + 1).join(u'/');
        const QString present = presentes.mid(0, i + 1).join(u'/');
        if (!cassesSignalees_.contains(present)) {
            cassesSignalees_.insert(present);
            rapport_.avertissement(present, 0, TexteCasse.arg(attendu, present));
        }
    }
    return chemin;
}

std::optional<QString> ContexteVerification::exiger(const QString &relatif)
{
    auto chemin = trouver(relatif);
    if (!chemin)
        rapport_.erreur(relatif, 0, TexteManquant);
    return chemin;
}

std::optional<FichierIni> ContexteVerification::lireIni(const QString &relatif)
{
    const auto chemin = exiger(relatif);
    if (!chemin)
        return std::nullopt;
    FichierIni ini(*chemin);
    if (!ini.existe() || ini.illisible()) {
        rapport_.erreur(relatif, 0, TexteIllisible);
        return std::nullopt;
    }
    return ini;
}

std::optional<std::int32_t> ContexteVerification::entier(const FichierIni &ini, const QString &relatif,
                                                         const QString &section, const QString &cle,
                                                         std::int32_t defaut)
{
    const qsizetype ligne = ini.ligne(section, cle);
    if (ligne == 0)
        return defaut;
    const QString texte = ini.lireTexte(section, cle);
    const auto valeur = LireEntierTexte(texte);
    if (!valeur) {
        rapport_.erreur(relatif, ligne, TexteEntier.arg(texte, cle, section));
        return std::nullopt;
    }
    return valeur;
}

std::optional<TColor> ContexteVerification::couleurExigee(const FichierIni &ini, const QString &relatif,
                                                          const QString &section, const QString &cle)
{
    const qsizetype ligne = ini.ligne(section, cle);
    if (ligne == 0) {
        rapport_.erreur(relatif, ini.ligne(section), TexteCleManquante.arg(section, cle));
        return std::nullopt;
    }
    const ConversionCouleur conversion = ini.lireCouleur(section, cle, QString());
    if (!conversion.couleur)
        rapport_.erreur(relatif, ligne, TexteCouleurInvalide.arg(cle, section, conversion.erreur));
    return conversion.couleur;
}

QImage ContexteVerification::image(const QString &relatif)
{
    const auto chemin = exiger(relatif);
    if (!chemin)
        return {};
    auto lue = ChargerImage(*chemin);
    if (const auto *refus = std::get_if<RefusImage>(&lue)) {
        rapport_.erreur(relatif, 0,
                        refus->tropGrande.isValid() ? refus->message(NomFichier(relatif), QString()).trimmed()
                                                    : TexteImageIllisible);
        return {};
    }
    return std::get<QImage>(std::move(lue));
}

QImage ContexteVerification::trameEtPlan(const QString &dossier)
{
    const QString relatifTrame = dossier + QStringLiteral("trame.bmp");
    QImage trame = image(relatifTrame);
    const QImage plan = image(dossier + QStringLiteral("plan.bmp"));
    if (trame.isNull() || plan.isNull())
        return {};
    if (trame.size() != plan.size()) {
        rapport_.erreur(relatifTrame, 0,
                        TexteTailles.arg(trame.width()).arg(trame.height()).arg(plan.width()).arg(plan.height()));
        return {};
    }
    return trame;
}

std::vector<std::optional<TColor>> ContexteVerification::couleursCles(const FichierIni &ini, const QString &relatif,
                                                                      const QString &section, const QString &prefixe,
                                                                      int nombre, const QImage &trame,
                                                                      const QString &relatifTrame, const QString &quoi)
{
    std::vector<std::optional<TColor>> couleurs(std::size_t(std::max(nombre, 0)) + 1);
    const QSet<TColor> presentes = CouleursDeLImage(trame);
    QHash<TColor, int> premiere; // colour -> first key that gives it
    for (int n = 1; n <= nombre; ++n) {
        const QString cle = prefixe + QString::number(n);
        const auto couleur = couleurExigee(ini, relatif, section, cle);
        if (!couleur)
            continue;
        const qsizetype ligne = ini.ligne(section, cle);
        const TColor pixel = CouleurPixel(*couleur);
        couleurs[std::size_t(n)] = pixel;
        if (pixel == clBlack) {
            rapport_.erreur(relatif, ligne, TexteNoir.arg(quoi).arg(n).arg(cle));
        } else if (pixel == clWhite) {
            rapport_.erreur(relatif, ligne, TexteBlanc.arg(quoi).arg(n).arg(cle));
        } else if (const auto autre = premiere.constFind(pixel); autre != premiere.cend()) {
            rapport_.erreur(relatif, ligne, TextePartagee.arg(majuscule(quoi)).arg(n).arg(cle, quoi).arg(*autre));
        } else {
            premiere.insert(pixel, n);
            if (!trame.isNull() && !presentes.contains(pixel))
                rapport_.erreur(relatif, ligne,
                                TexteAbsente.arg(CouleurVersTexte(pixel), quoi).arg(n).arg(cle, relatifTrame));
        }
    }
    return couleurs;
}
