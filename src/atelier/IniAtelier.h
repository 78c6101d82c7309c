#pragma once

#include "common/FichierIni.h"

#include <QString>
#include <optional>

// An INI file of a mechanism as the workshop writes it again: the keys it derives from the drawing are
// written over, the settings a teacher may change by hand only when the file has none yet, and every other
// key and section of the file stays as it was.
class IniAtelier {
public:
    explicit IniAtelier(const QString &chemin);

    void ecrire(const QString &section, const QString &cle, const QString &valeur);
    void ecrire(const QString &section, const QString &cle, int valeur);
    void reglage(const QString &section, const QString &cle, const QString &valeurInitiale);

    // A file that is there but cannot be read is not replaced: what it holds would be lost.
    std::optional<QString> enregistrer() const;

private:
    FichierIni ini_;
};
