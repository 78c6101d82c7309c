// INI files in any of the encodings the program reads: every key read before a save reads the same after
// it, and any text survives UTF-16 unchanged.
#include "Essai.h"

#include "common/EncodageTexte.h"
#include "common/FichierIni.h"

#include <QFile>
#include <QStringList>
#include <utility>

namespace {

// The section and key names the text seems to use, the way a reader of it would guess them.
std::vector<std::pair<QString, QString>> Sondes(const QString &texte)
{
    constexpr std::size_t Max = 24;
    std::vector<std::pair<QString, QString>> sondes;
    QString section;
    for (const QString &ligne : texte.split(u'\n')) {
        if (sondes.size() >= Max)
            break;
        const QString propre = ligne.trimmed();
        if (propre.startsWith(u'[')) {
            section = propre.mid(1, propre.indexOf(u']') - 1);
            sondes.emplace_back(section, QString());
        } else if (const qsizetype egal = propre.indexOf(u'='); egal > 0) {
            sondes.emplace_back(section, propre.left(egal));
        }
    }
    return sondes;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    DemarrerQt();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *donnees, std::size_t taille)
{
    const QByteArray octets(reinterpret_cast<const char *>(donnees), qsizetype(taille));
    const TexteDecode decode = DecoderTexte(octets);
    if (DecoderTexte(EncoderTexte(decode.texte, Encodage::Utf16LE)).texte != decode.texte)
        Echec("un texte ne se relit pas tel quel en UTF-16");

    const QString chemin = DossierEssai() + QStringLiteral("essai.inf");
    EcrireFichier(chemin, octets);
    const FichierIni lu(chemin);
    const auto sondes = Sondes(decode.texte);
    std::vector<QString> valeurs;
    for (const auto &[section, cle] : sondes) {
        valeurs.push_back(lu.lireTexte(section, cle, QStringLiteral("<absent>")));
        lu.lireEntier(section, cle, -1);
        lu.lireCompte(section, cle, 0).depasse(1000);
        lu.lireDrapeau(section, cle);
        lu.lireCouleur(section, cle, QStringLiteral("clWhite"));
        lu.ligne(section, cle);
    }
    if (const auto erreur = lu.enregistrer())
        Echec("un fichier lu ne s'enregistre pas");
    const FichierIni relu(chemin);
    for (std::size_t i = 0; i < sondes.size(); ++i) {
        if (relu.lireTexte(sondes[i].first, sondes[i].second, QStringLiteral("<absent>")) != valeurs[i])
            Echec("une clé ne se relit pas comme avant l'enregistrement");
    }
    return 0;
}
