#include "common/Entier.h"

namespace {

int valeurChiffre(QChar c, int base)
{
    const char16_t u = c.unicode();
    int v = -1;
    if (u >= u'0' && u <= u'9')
        v = u - u'0';
    else if (u >= u'a' && u <= u'f')
        v = 10 + (u - u'a');
    else if (u >= u'A' && u <= u'F')
        v = 10 + (u - u'A');
    return v < base ? v : -1;
}

} // namespace

std::optional<std::int32_t> LireEntierTexte(QStringView texte)
{
    qsizetype i = 0;
    const qsizetype n = texte.size();
    while (i < n && (texte[i] == u' ' || texte[i] == u'\t'))
        ++i;
    bool negatif = false;
    if (i < n && (texte[i] == u'-' || texte[i] == u'+')) {
        negatif = texte[i] == u'-';
        ++i;
    }
    int base = 10;
    if (i < n && texte[i] == u'$') {
        base = 16;
        ++i;
    } else if (i + 1 < n && texte[i] == u'0' && (texte[i + 1] == u'x' || texte[i + 1] == u'X')) {
        base = 16;
        i += 2;
    }
    if (i == n)
        return std::nullopt;

    const std::uint64_t limite = base == 16 ? 0xFFFFFFFFull : (negatif ? 0x80000000ull : 0x7FFFFFFFull);
    std::uint64_t valeur = 0;
    for (; i < n; ++i) {
        const int chiffre = valeurChiffre(texte[i], base);
        if (chiffre < 0)
            return std::nullopt;
        valeur = valeur * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(chiffre);
        if (valeur > limite)
            return std::nullopt;
    }
    const auto brut = static_cast<std::uint32_t>(valeur);
    const auto resultat = negatif ? static_cast<std::uint32_t>(0u - brut) : brut;
    return static_cast<std::int32_t>(resultat);
}
