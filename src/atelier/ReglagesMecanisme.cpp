#include "atelier/ReglagesMecanisme.h"

#include "atelier/IniAtelier.h"
#include "common/FichierIni.h"

#include <array>

namespace {

const QString SectionLecture = QStringLiteral("LECTURE DU DESSIN");

struct Reglage {
    const char *cle;
    int ReglagesAnalyse::*valeur = nullptr;
    int ReglagesZones::*valeurZones = nullptr;
    int min, max;
};

// The bounds are those the workshop's controls accept.
const std::array<Reglage, 5> Reglages{{{"Seuil", &ReglagesAnalyse::seuil, nullptr, 1, 254},
                                       {"Poussieres", &ReglagesAnalyse::poussieres, nullptr, 0, 10000},
                                       {"AireMin", nullptr, &ReglagesZones::aireMin, 1, 1000000},
                                       {"EpaisseurHachure", nullptr, &ReglagesZones::epaisseurHachureMax, 1, 50},
                                       {"EcartHachures", nullptr, &ReglagesZones::ecartHachuresMax, 2, 1000}}};
const QString CleReunirHachures = QStringLiteral("ReunirHachures");

template <typename Reglages>
auto &Valeur(Reglages &r, const Reglage &reglage)
{
    return reglage.valeur ? r.*reglage.valeur : r.zones.*reglage.valeurZones;
}

} // namespace

void EcrireReglages(IniAtelier &descripteur, const ReglagesAnalyse &reglages)
{
    for (const Reglage &reglage : Reglages)
        descripteur.ecrire(SectionLecture, QString::fromLatin1(reglage.cle), Valeur(reglages, reglage));
    descripteur.ecrire(SectionLecture, CleReunirHachures, reglages.zones.reunirHachures ? 1 : 0);
}

ReglagesAnalyse LireReglages(const FichierIni &descripteur)
{
    ReglagesAnalyse r;
    for (const Reglage &reglage : Reglages) {
        int &valeur = Valeur(r, reglage);
        const int lue = descripteur.lireEntier(SectionLecture, QString::fromLatin1(reglage.cle), valeur);
        if (lue >= reglage.min && lue <= reglage.max)
            valeur = lue;
    }
    r.zones.reunirHachures = descripteur.lireDrapeau(SectionLecture, CleReunirHachures, r.zones.reunirHachures);
    return r;
}
