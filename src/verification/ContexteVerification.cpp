#include "verification/ContexteVerification.h"

#include "common/ChargementImage.h"
#include "common/Descripteur.h"
#include "common/EncodageTexte.h"
#include "common/Entier.h"
#include "common/TrouverChemin.h"

#include <QFile>
#include <QFileInfo>

namespace {

const QString TexteManquant = QStringLiteral("Le fichier est manquant.");
const QString TexteIllisible = QStringLiteral("Le fichier ne peut pas être lu.");
const QString TexteImageIllisible = QStringLiteral("Le fichier n'est pas une image lisible.");
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
const QString TexteUtf8Abime =
    QStringLiteral("Le fichier est écrit en UTF-8, sauf l'octet 0x%1 de cette ligne, qui n'en est pas : le programme "
                   "lira donc tout le fichier en Windows-1252 et chaque lettre accentuée s'affichera mal (« Ã© » au "
                   "lieu de « é »).");

// Where a file that is UTF-8 but for a stray byte goes wrong: the offset of the first byte that starts
// or continues no UTF-8 character, when the file also holds at least one character UTF-8 writes in
// several bytes. Nothing for ASCII, clean UTF-8 and plain Windows-1252 text.
std::optional<qsizetype> OctetHorsUtf8(const QByteArray &octets)
{
    std::optional<qsizetype> fautif;
    bool multiOctets = false;
    for (qsizetype i = 0; i < octets.size();) {
        const auto b = static_cast<unsigned char>(octets[i]);
        const int suite = b < 0x80                   ? 0
                          : (b >= 0xC2 && b <= 0xDF) ? 1
                          : (b >= 0xE0 && b <= 0xEF) ? 2
                          : (b >= 0xF0 && b <= 0xF4) ? 3
                                                     : -1;
        bool valide = suite >= 0 && i + suite < octets.size();
        for (int k = 1; valide && k <= suite; ++k)
            valide = (static_cast<unsigned char>(octets[i + k]) & 0xC0) == 0x80;
        if (!valide) {
            if (!fautif)
                fautif = i;
            ++i;
            continue;
        }
        multiOctets = multiOctets || suite > 0;
        i += suite + 1;
    }
    return multiOctets ? fautif : std::nullopt;
}

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
    verifierEncodage(relatif, *chemin);
    return ini;
}

void ContexteVerification::verifierEncodage(const QString &relatif, const QString &chemin)
{
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly))
        return;
    const QByteArray octets = fichier.readAll();
    if (DecoderTexte(octets).encodage != Encodage::Windows1252)
        return;
    if (const auto fautif = OctetHorsUtf8(octets)) {
        const QString octet = QString::number(static_cast<unsigned char>(octets[*fautif]), 16).toUpper();
        rapport_.erreur(relatif, octets.first(*fautif).count('\n') + 1, TexteUtf8Abime.arg(octet));
    }
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
