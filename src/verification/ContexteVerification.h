#pragma once

#include "common/Couleur.h"
#include "common/FichierIni.h"
#include "verification/RapportVerification.h"

#include <QImage>
#include <QSet>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

// What every check of a mechanism shares: where the mechanism lies, how its files are found and read
// the way the windows find and read them, and the report the findings go to. Paths are given relative
// to the folder that holds the descriptor ("etau/coloriage_p/trame.bmp") and reported so.
class ContexteVerification {
public:
    ContexteVerification(const QString &cheminDescripteur, RapportVerification &rapport);

    const QString &radical() const { return radical_; }
    RapportVerification &rapport() { return rapport_; }

    // The file as the program finds it (a name that differs only in letter case included), or nothing
    // when it is not there.
    std::optional<QString> trouver(const QString &relatif);
    // The same; a missing file is an error.
    std::optional<QString> exiger(const QString &relatif);

    // An INI file that must be there and be readable; its encoding is checked as below.
    std::optional<FichierIni> lireIni(const QString &relatif);
    // A text file that is UTF-8 but for a stray byte is an error: the program would read it all as
    // Windows-1252.
    void verifierEncodage(const QString &relatif, const QString &chemin);
    // The integer of a key, or the default when the key is absent; a value that is not an integer is an
    // error and gives nothing (the windows read the default).
    std::optional<std::int32_t> entier(const FichierIni &ini, const QString &relatif, const QString &section,
                                       const QString &cle, std::int32_t defaut);
    // The colour of a key that must be there; an absent key or a text that is no colour is an error.
    std::optional<TColor> couleurExigee(const FichierIni &ini, const QString &relatif, const QString &section,
                                        const QString &cle);
    // A picture that must be there and decode; null otherwise, the error reported.
    QImage image(const QString &relatif);
    // "trame.bmp" and "plan.bmp" of a folder, both decoded and of one size: the zone map, else null.
    QImage trameEtPlan(const QString &dossier);

    // The key colours "prefixe1" … "prefixeN" of a section, each of which must be a colour, neither black
    // nor white, used by no other key, and present in the zone map (when the map could be read).
    // Gives the colours, entry 0 unused and nothing where a key gave none.
    std::vector<std::optional<TColor>> couleursCles(const FichierIni &ini, const QString &relatif,
                                                    const QString &section, const QString &prefixe, int nombre,
                                                    const QImage &trame, const QString &relatifTrame,
                                                    const QString &quoi);

private:
    QString racine_; // the descriptor's folder, ending with "/"
    QString radical_;
    RapportVerification &rapport_;
};

// The plain colours found in a 24-bit picture, as $00BBGGRR values.
QSet<TColor> CouleursDeLImage(const QImage &image);
// The colour a key gives once the desktop colours are resolved, as pixels carry it.
TColor CouleurPixel(TColor couleur);
