#include "verification/RapportVerification.h"

#include <algorithm>

void RapportVerification::erreur(const QString &fichier, qsizetype ligne, const QString &texte)
{
    constats_.push_back({Constat::Gravite::Erreur, fichier, ligne, texte});
}

void RapportVerification::avertissement(const QString &fichier, qsizetype ligne, const QString &texte)
{
    constats_.push_back({Constat::Gravite::Avertissement, fichier, ligne, texte});
}

int RapportVerification::nombreErreurs() const
{
    return int(std::count_if(constats_.begin(), constats_.end(),
                             [](const Constat &c) { return c.gravite == Constat::Gravite::Erreur; }));
}

int RapportVerification::nombreAvertissements() const { return int(constats_.size()) - nombreErreurs(); }

QString RapportVerification::resume() const
{
    const int erreurs = nombreErreurs();
    const int avertissements = nombreAvertissements();
    return QStringLiteral("%1 %2, %3 %4")
        .arg(erreurs)
        .arg(erreurs == 1 ? QStringLiteral("erreur") : QStringLiteral("erreurs"))
        .arg(avertissements)
        .arg(avertissements == 1 ? QStringLiteral("avertissement") : QStringLiteral("avertissements"));
}

QString RapportVerification::texte() const
{
    QString texte;
    for (const Constat &c : constats_) {
        texte += c.fichier;
        if (c.ligne > 0)
            texte += u':' + QString::number(c.ligne);
        texte += c.gravite == Constat::Gravite::Erreur ? QStringLiteral(" : erreur : ")
                                                       : QStringLiteral(" : avertissement : ");
        texte += c.texte + u'\n';
    }
    return texte + resume() + u'\n';
}
