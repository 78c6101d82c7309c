// Integers: whatever is read as one is the number its decimal text reads as.
#include "Essai.h"

#include "common/Entier.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***) { return 0; }

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *donnees, std::size_t taille)
{
    const QString texte = QString::fromUtf8(reinterpret_cast<const char *>(donnees), qsizetype(taille));
    const std::optional<std::int32_t> valeur = LireEntierTexte(texte);
    if (valeur && LireEntierTexte(QString::number(*valeur)) != valeur)
        Echec("un entier lu ne se relit pas depuis son texte décimal");
    if (valeur && LireEntierTexte(QStringLiteral("$%1").arg(quint32(*valeur), 0, 16)) != valeur)
        Echec("un entier lu ne se relit pas depuis son texte hexadécimal");
    return 0;
}
