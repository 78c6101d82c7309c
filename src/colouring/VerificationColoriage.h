#pragma once

#include "common/Couleur.h"

#include <QList>
#include <QString>
#include <cstdint>
#include <vector>

// Parts ("Décodage de plan") or equivalence classes ("Classe d'équivalence").
enum class ModeColoriage { Pieces, Classes };

// Which list item each zone is painted with: 0 is "Effacer" (unpainted), h the part or class h.
// Every zone is painted with exactly one item.
class Coloriage {
public:
    void Reinitialiser(std::int32_t nombreZones);
    std::int32_t NombreZones() const { return std::int32_t(rangees_.size()) - 1; }
    // The item of zone 1 to NombreZones(); 0 outside.
    std::int32_t Rangee(std::int32_t zone) const;
    bool Est(std::int32_t rangee, std::int32_t zone) const { return zone >= 1 && Rangee(zone) == rangee; }
    void Colorier(std::int32_t zone, std::int32_t rangee);
    // Character k is "1" when zone k is painted with the item, "0" otherwise.
    QString Chaine(std::int32_t rangee) const;

private:
    std::vector<std::int32_t> rangees_ = std::vector<std::int32_t>(1, 0);
};

struct ResultatVerification {
    QString ligne1;
    QString ligne2;
    bool fini = false;
};

// True when no item 1 to nombreCouleurs is active any more (actif is indexed from 1).
bool ExerciceFini(const std::vector<bool> &actif, std::int32_t nombreCouleurs);

// Checks the colouring: an item whose zone set is the solution's (its own in parts mode, any of
// them in classes mode) becomes inactive, and the zones of every inactive item are locked by
// whitening their key colour. Returns the two lines of the notification.
ResultatVerification Verifier(ModeColoriage mode, const Coloriage &coloriage, std::int32_t nombreCouleurs,
                              const std::vector<QString> &solution, std::vector<TColor> &couleurZone,
                              std::vector<bool> &actif);

// The numbers of the inactive items 1 to nombreCouleurs, ascending.
QList<std::int32_t> ItemsTrouves(const std::vector<bool> &actif, std::int32_t nombreCouleurs);

// The two lines written on a saved drawing while the exercise is not finished.
QString PremiereLigneExport();
QString SecondeLigneExport(ModeColoriage mode, const QList<std::int32_t> &trouves);

QString EnteteNotification(int tentatives);
