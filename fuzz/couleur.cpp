// Colour texts: a text read as a colour is written back to a text that reads as the same colour.
#include "Essai.h"

#include "common/Couleur.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    DemarrerQt();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *donnees, std::size_t taille)
{
    const QString texte = QString::fromUtf8(reinterpret_cast<const char *>(donnees), qsizetype(taille));
    const ConversionCouleur lue = TexteVersCouleur(texte);
    if (!lue.couleur) {
        if (lue.erreur.isEmpty())
            Echec("une couleur refusée sans message");
        return 0;
    }
    const ConversionCouleur relue = TexteVersCouleur(CouleurVersTexte(*lue.couleur));
    if (relue.couleur != lue.couleur)
        Echec("une couleur écrite ne se relit pas");
    const Rvb rvb = CouleurVersRvb(*lue.couleur);
    if (CouleurVersRvb(RvbVersCouleur(rvb)) != rvb ||
        QColorVersCouleur(CouleurVersQColor(RvbVersCouleur(rvb))) != RvbVersCouleur(rvb))
        Echec("une couleur ne passe pas par QColor et retour");
    return 0;
}
