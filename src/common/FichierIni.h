#pragma once

#include "common/Couleur.h"
#include "common/EncodageTexte.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <map>
#include <optional>
#include <vector>

// An INI file read once into memory. Section and key names match without regard to letter case,
// blanks around names and values are ignored, one pair of quotes around a value is dropped, and a
// missing file, section or key gives the caller's default. The first of two equal names wins.
// Writing replaces a key in place and keeps every other line of the file as it was.
class FichierIni {
public:
    static constexpr qsizetype LongueurMaxTexte = 2047;

    explicit FichierIni(const QString &chemin);

    const QString &chemin() const { return chemin_; }
    bool existe() const { return existe_; }
    // Something of that name is there but could not be read: no permission, a folder, too large.
    // It reads as empty.
    bool illisible() const { return illisible_; }
    // Read, but without one section: an empty file, or one that is no INI text.
    bool sansSection() const { return existe_ && sections_.empty(); }
    bool sectionExiste(const QString &section) const;
    // The line, counted from 1, that gives the key, or that opens the section when the key is empty;
    // 0 when there is none.
    qsizetype ligne(const QString &section, const QString &cle = {}) const;

    QString lireTexte(const QString &section, const QString &cle, const QString &defaut = {}) const;
    std::int32_t lireEntier(const QString &section, const QString &cle, std::int32_t defaut) const;
    bool lireDrapeau(const QString &section, const QString &cle, bool defaut = false) const;
    // A count: the key's whole number, or the default when the key is missing or empty. Anything else (a word,
    // a number too large for 32 bits) is no number, and its text is kept for the caller's refusal.
    struct Compte {
        std::int32_t valeur = 0;
        QString texte;
        bool estNombre = true;
        // No number, a negative one or one above the maximum: a count no table can take.
        bool depasse(std::int32_t maximum) const { return !estNombre || valeur < 0 || valeur > maximum; }
    };
    Compte lireCompte(const QString &section, const QString &cle, std::int32_t defaut) const;
    ConversionCouleur lireCouleur(const QString &section, const QString &cle, const QString &defaut) const;

    void ecrireTexte(const QString &section, const QString &cle, const QString &valeur);
    void ecrireEntier(const QString &section, const QString &cle, std::int32_t valeur);
    void ecrireDrapeau(const QString &section, const QString &cle, bool valeur);

    // Writes the file through a temporary file renamed into place, in Windows-1252 when every
    // character fits and in UTF-16 LE otherwise, lines ended by CR LF. Returns the system's
    // reason on failure; the previous file is then left whole.
    std::optional<QString> enregistrer() const;

private:
    struct Section {
        qsizetype ligneEntete;
        qsizetype derniereLigne;           // last key line of the section, or the header
        QHash<QString, qsizetype> entrees; // lower-case key -> index in lignes_
    };

    std::optional<QString> valeurBrute(const QString &section, const QString &cle) const;
    void indexer();

    QString chemin_;
    bool existe_ = false;
    bool illisible_ = false;
    QStringList lignes_;
    std::map<QString, Section> sections_; // lower-case name -> section; entries stay in place as it grows
};
