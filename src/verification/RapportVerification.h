#pragma once

#include <QString>
#include <vector>

// One finding of the mechanism checker: the file it is about, relative to the folder that holds the
// descriptor, and the line of that file when there is one (0 otherwise).
struct Constat {
    enum class Gravite { Erreur, Avertissement };
    Gravite gravite = Gravite::Erreur;
    QString fichier;
    qsizetype ligne = 0;
    QString texte;
};

class RapportVerification {
public:
    void erreur(const QString &fichier, qsizetype ligne, const QString &texte);
    void avertissement(const QString &fichier, qsizetype ligne, const QString &texte);

    const std::vector<Constat> &constats() const { return constats_; }
    int nombreErreurs() const;
    int nombreAvertissements() const;
    bool propre() const { return constats_.empty(); }

    // "fichier:ligne : erreur : texte", one finding a line, then the summary line.
    QString texte() const;
    // "N erreurs, M avertissements", in the singular for one.
    QString resume() const;

private:
    std::vector<Constat> constats_;
};
