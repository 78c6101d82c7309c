#include "colouring/VerificationColoriage.h"

#include <QStringList>
#include <algorithm>

namespace {

const QString TexteLigne2 = QStringLiteral("Par rapport à la dernière validation,\n");
const QString TexteJuste = QStringLiteral("Le coloriage est juste.");
const QString TexteFini = QStringLiteral("L'exercice est fini.");

struct Textes {
    QString plusieurs, un, aucun, nouveauxPlusieurs, nouveauUn, nouveauAucun;
};

const Textes TextesPieces{
    QStringLiteral("Pièces trouvées : "),           QStringLiteral("Pièce trouvée : "),
    QStringLiteral("Aucune pièce n'a été trouvé."), QStringLiteral("nouvelles pièces trouvées : "),
    QStringLiteral("nouvelle pièce trouvée : "),    QStringLiteral("aucune nouvelle pièce n'a été trouvé."),
};
const Textes TextesClasses{
    QStringLiteral("Classes d'équivalences trouvées : "),
    QStringLiteral("Classe d'équivalence trouvée : "),
    QStringLiteral("Aucune classe d'équivalence n'a été trouvé."),
    QStringLiteral("nouvelles classes d'équivalences trouvées : "),
    QStringLiteral("nouvelle classe d'équivalence trouvée : "),
    QStringLiteral("aucune nouvelle classe d'équivalence n'a été trouvé."),
};

QString joindre(const QList<std::int32_t> &nombres, const QString &separateur)
{
    QStringList textes;
    for (std::int32_t n : nombres)
        textes << QString::number(n);
    return textes.join(separateur);
}

QString ligne(const QList<std::int32_t> &nombres, const QString &plusieurs, const QString &un, const QString &aucun)
{
    if (nombres.isEmpty())
        return aucun;
    return (nombres.size() > 1 ? plusieurs : un) + joindre(nombres, QStringLiteral("-"));
}

bool actifDe(const std::vector<bool> &actif, std::int32_t h)
{
    return std::size_t(h) >= actif.size() || actif[std::size_t(h)];
}

} // namespace

void Coloriage::Reinitialiser(std::int32_t nombreZones)
{
    rangees_.assign(std::size_t(std::max(nombreZones, 0) + 1), 0);
}

std::int32_t Coloriage::Rangee(std::int32_t zone) const
{
    if (zone < 1 || std::size_t(zone) >= rangees_.size())
        return 0;
    return rangees_[std::size_t(zone)];
}

void Coloriage::Colorier(std::int32_t zone, std::int32_t rangee)
{
    if (zone >= 1 && std::size_t(zone) < rangees_.size())
        rangees_[std::size_t(zone)] = rangee;
}

QString Coloriage::Chaine(std::int32_t rangee) const
{
    QString chaine(NombreZones(), u'0');
    for (std::int32_t k = 1; k <= NombreZones(); ++k) {
        if (rangees_[std::size_t(k)] == rangee)
            chaine[k - 1] = u'1';
    }
    return chaine;
}

bool ExerciceFini(const std::vector<bool> &actif, std::int32_t nombreCouleurs)
{
    for (std::int32_t h = 1; h <= nombreCouleurs; ++h) {
        if (actifDe(actif, h))
            return false;
    }
    return true;
}

QList<std::int32_t> ItemsTrouves(const std::vector<bool> &actif, std::int32_t nombreCouleurs)
{
    QList<std::int32_t> trouves;
    for (std::int32_t h = 1; h <= nombreCouleurs; ++h) {
        if (!actifDe(actif, h))
            trouves << h;
    }
    return trouves;
}

ResultatVerification Verifier(ModeColoriage mode, const Coloriage &coloriage, std::int32_t nombreCouleurs,
                              const std::vector<QString> &solution, std::vector<TColor> &couleurZone,
                              std::vector<bool> &actif)
{
    const std::int32_t n =
        std::min<std::int32_t>({nombreCouleurs, std::int32_t(actif.size()) - 1, std::int32_t(solution.size()) - 1});
    const QList<std::int32_t> avant = ItemsTrouves(actif, n);
    for (std::int32_t h = 1; h <= n; ++h) {
        const QString chaine = coloriage.Chaine(h);
        bool juste = false;
        if (mode == ModeColoriage::Pieces) {
            juste = chaine == solution[std::size_t(h)];
        } else {
            // The student's classes need not be numbered as the solution's. A class with nothing painted is never
            // found, or an empty or all-zero solution string would be found without the student doing anything.
            const bool peinte = chaine.contains(u'1');
            for (std::int32_t j = 1; j <= n && peinte && !juste; ++j)
                juste = chaine == solution[std::size_t(j)];
        }
        if (juste)
            actif[std::size_t(h)] = false;
        if (!actif[std::size_t(h)]) {
            for (std::int32_t k = 1; k <= coloriage.NombreZones() && std::size_t(k) < couleurZone.size(); ++k) {
                if (coloriage.Est(h, k))
                    couleurZone[std::size_t(k)] = clWhite;
            }
        }
    }
    const QList<std::int32_t> apres = ItemsTrouves(actif, n);
    QList<std::int32_t> nouveaux;
    for (std::int32_t h : apres) {
        if (!avant.contains(h))
            nouveaux << h;
    }

    const Textes &t = mode == ModeColoriage::Pieces ? TextesPieces : TextesClasses;
    ResultatVerification resultat;
    resultat.fini = ExerciceFini(actif, n);
    if (resultat.fini) {
        resultat.ligne1 = TexteJuste;
        resultat.ligne2 = TexteFini;
    } else {
        resultat.ligne1 = ligne(apres, t.plusieurs, t.un, t.aucun);
        resultat.ligne2 = TexteLigne2 + ligne(nouveaux, t.nouveauxPlusieurs, t.nouveauUn, t.nouveauAucun);
    }
    return resultat;
}

QString PremiereLigneExport() { return QStringLiteral("L'exercice n'a pas été validé."); }

QString SecondeLigneExport(ModeColoriage mode, const QList<std::int32_t> &trouves)
{
    const bool pieces = mode == ModeColoriage::Pieces;
    if (trouves.isEmpty())
        return QStringLiteral("Aucune ") + (pieces ? QStringLiteral("pièce") : QStringLiteral("classe d'équivalence")) +
               QStringLiteral(" n'a été trouvée.");
    return (pieces ? QStringLiteral("Pièce(s) trouvée(s) : ")
                   : QStringLiteral("Classe(s) d'équivalence trouvée(s) : ")) +
           joindre(trouves, QStringLiteral(" - "));
}

QString EnteteNotification(int tentatives) { return QStringLiteral("Tentative de validation : %1").arg(tentatives); }
