#include "atelier/IniAtelier.h"

IniAtelier::IniAtelier(const QString &chemin) : ini_(chemin) {}

void IniAtelier::ecrire(const QString &section, const QString &cle, const QString &valeur)
{
    ini_.ecrireTexte(section, cle, valeur);
}

void IniAtelier::ecrire(const QString &section, const QString &cle, int valeur)
{
    ini_.ecrireEntier(section, cle, valeur);
}

void IniAtelier::reglage(const QString &section, const QString &cle, const QString &valeurInitiale)
{
    if (ini_.ligne(section, cle) == 0)
        ini_.ecrireTexte(section, cle, valeurInitiale);
}

std::optional<QString> IniAtelier::enregistrer() const
{
    if (ini_.illisible())
        return QStringLiteral("Le fichier \"%1\" ne peut pas être lu : il n'est pas remplacé, pour ne rien perdre de "
                              "ce qu'il contient.")
            .arg(ini_.chemin());
    if (const auto erreur = ini_.enregistrer())
        return QStringLiteral("Impossible d'écrire \"%1\" : %2").arg(ini_.chemin(), *erreur);
    return std::nullopt;
}
