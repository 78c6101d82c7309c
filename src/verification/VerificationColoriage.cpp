#include "verification/VerificationExercices.h"

#include "colouring/ExerciceColoriage.h"

#include <QHash>

namespace {

const QString CleCombien = QStringLiteral("Combien");
const QString SectionSolutions = QStringLiteral("SOLUTIONS");
const QString TexteNombre = QStringLiteral("La clé « Combien » de la section [%1] vaut %2 ; il en faut entre 1 et %3.");
const QString TexteAideSansAdresse =
    QStringLiteral("« Erreur » de la section [MENU AIDE] offre l'aide, mais la clé « Adresse » est vide.");
const QString TexteSolutionManquante = QStringLiteral("La section [SOLUTIONS] n'a pas de clé « Solution%1 ».");
const QString TexteLongueur =
    QStringLiteral("« Solution%1 » a %2 caractères ; il en faut %3, un par zone : elle ne pourra jamais être trouvée.");
const QString TexteCaractere = QStringLiteral("« Solution%1 » contient « %2 » ; seuls « 0 » et « 1 » sont attendus.");
const QString TexteZoneOrpheline = QStringLiteral("La zone %1 n'appartient à aucune %2.");
const QString TexteZoneDouble = QStringLiteral("La zone %1 appartient à la fois à la %2 %3 et à la %2 %4.");
const QString TexteClasseNonUnion = QStringLiteral(
    "La zone %1 du décodage de plan (pièce %2) est partagée entre les classes d'équivalence %3 et %4 : une classe "
    "d'équivalence réunit des pièces entières.");
const QString TexteRefus = QStringLiteral("La fenêtre de l'exercice refuse de l'ouvrir : %1");

// The part or class of each key colour of the zone map.
QHash<TColor, int> proprietaires(const ZonesColoriage &z)
{
    QHash<TColor, int> table;
    for (std::size_t k = 1; k < z.couleurs.size(); ++k) {
        if (z.couleurs[k] && z.proprietaire[k] > 0)
            table.insert(*z.couleurs[k], z.proprietaire[k]);
    }
    return table;
}

TColor pixel(const uchar *p) { return TColor(p[0]) | TColor(p[1]) << 8 | TColor(p[2]) << 16; }

} // namespace

ZonesColoriage VerifierColoriage(ContexteVerification &contexte, const QString &mode)
{
    RapportVerification &rapport = contexte.rapport();
    const int erreursAvant = rapport.nombreErreurs();
    const QString dossier = contexte.radical() + u'/' + PrefixeDossierColoriage + mode + u'/';
    const QString relatifCondition = dossier + FichierConditionColoriage;
    const QString relatifSolution = dossier + FichierSolutionColoriage;
    const QString quoi = mode == ModeDecodage ? QStringLiteral("pièce") : QStringLiteral("classe d'équivalence");
    ZonesColoriage z;

    const auto condition = contexte.lireIni(relatifCondition);
    const auto solution = contexte.lireIni(relatifSolution);
    z.trame = contexte.trameEtPlan(dossier);
    if (!condition)
        return z;

    auto compte = [&](const QString &section, int maximum) {
        const auto lu = contexte.entier(*condition, relatifCondition, section, CleCombien, 0);
        if (!lu)
            return 0;
        const int n = *lu;
        if (n >= 1 && n <= maximum)
            return n;
        rapport.erreur(relatifCondition, condition->ligne(section, CleCombien),
                       TexteNombre.arg(section).arg(n).arg(maximum));
        return 0;
    };
    const int zones = compte(QStringLiteral("NOMBRE DE ZONES"), MaxZonesColoriage);
    z.nombre = compte(QStringLiteral("NOMBRE DE COULEURS"), MaxCouleursColoriage);
    z.couleurs = contexte.couleursCles(*condition, relatifCondition, QStringLiteral("COULEUR"), QStringLiteral("Zone"),
                                       zones, z.trame, dossier + FichierTrameColoriage, QStringLiteral("la zone"));
    if (contexte.entier(*condition, relatifCondition, QStringLiteral("IMPRIMER"), QStringLiteral("Visible"), 0)
            .value_or(0))
        contexte.exiger(dossier + FichierPdfColoriage);
    const QString sectionAide = QStringLiteral("MENU AIDE");
    if (contexte.entier(*condition, relatifCondition, sectionAide, QStringLiteral("Erreur"), -1).value_or(-1) != -1) {
        const QString adresse = condition->lireTexte(sectionAide, QStringLiteral("Adresse"));
        if (adresse.isEmpty())
            rapport.erreur(relatifCondition, condition->ligne(sectionAide), TexteAideSansAdresse);
        else
            contexte.exiger(dossier + DossierAideColoriage + adresse);
    }

    // Which part or class each zone belongs to, from strings of exactly one character a zone.
    z.proprietaire.assign(std::size_t(zones) + 1, 0);
    if (!solution || zones == 0)
        return z;
    bool lisibles = true;
    std::vector<int> appartenances(std::size_t(zones) + 1, 0);
    for (int h = 1; h <= z.nombre; ++h) {
        const QString cle = QStringLiteral("Solution%1").arg(h);
        const qsizetype ligne = solution->ligne(SectionSolutions, cle);
        if (ligne == 0) {
            rapport.erreur(relatifSolution, solution->ligne(SectionSolutions), TexteSolutionManquante.arg(h));
            lisibles = false;
            continue;
        }
        const QString valeur = solution->lireTexte(SectionSolutions, cle);
        if (valeur.size() != zones) {
            rapport.erreur(relatifSolution, ligne, TexteLongueur.arg(h).arg(valeur.size()).arg(zones));
            lisibles = false;
            continue;
        }
        for (int k = 1; k <= zones; ++k) {
            const QChar c = valeur[k - 1];
            if (c == u'1') {
                if (appartenances[std::size_t(k)]++ == 0)
                    z.proprietaire[std::size_t(k)] = h;
                else
                    rapport.erreur(relatifSolution, ligne,
                                   TexteZoneDouble.arg(k).arg(quoi).arg(z.proprietaire[std::size_t(k)]).arg(h));
            } else if (c != u'0') {
                rapport.erreur(relatifSolution, ligne, TexteCaractere.arg(h).arg(c));
                lisibles = false;
                break;
            }
        }
    }
    if (lisibles) {
        for (int k = 1; k <= zones; ++k) {
            if (appartenances[std::size_t(k)] == 0)
                rapport.erreur(relatifSolution, 0, TexteZoneOrpheline.arg(k).arg(quoi));
        }
    }
    for (int k = 1; k <= zones; ++k) {
        if (appartenances[std::size_t(k)] != 1)
            z.proprietaire[std::size_t(k)] = 0;
    }

    if (rapport.nombreErreurs() == erreursAvant) {
        z.complet = true;
        const LectureColoriage lecture = LireColoriage(*contexte.trouver(dossier));
        if (!lecture.reussie)
            rapport.erreur(relatifCondition, 0, TexteRefus.arg(QString(lecture.message).replace(u'\n', u' ')));
    }
    return z;
}

void VerifierClassesUnionsDePieces(ContexteVerification &contexte, const ZonesColoriage &pieces,
                                   const ZonesColoriage &classes)
{
    if (pieces.trame.isNull() || classes.trame.isNull() || pieces.trame.size() != classes.trame.size())
        return;
    // A part drawn more than once (two jaws, two screws) may have its copies in different classes: what
    // must lie in one class is each zone of the plan decoding.
    QHash<TColor, int> zoneDe;
    for (std::size_t k = 1; k < pieces.couleurs.size(); ++k) {
        if (pieces.couleurs[k] && pieces.proprietaire[k] > 0)
            zoneDe.insert(*pieces.couleurs[k], int(k));
    }
    const QHash<TColor, int> classeDe = proprietaires(classes);
    std::vector<int> classeDeLaZone(pieces.couleurs.size(), 0);
    std::vector<bool> signalee(pieces.couleurs.size(), false);
    const QString relatif =
        contexte.radical() + u'/' + PrefixeDossierColoriage + ModeClasses + u'/' + FichierSolutionColoriage;

    // A pixel that is a zone in both maps ties its zone to its class; runs of one pair are looked at once.
    TColor precedenteP = 0xFFFFFFFF;
    TColor precedenteCe = 0xFFFFFFFF;
    for (int y = 0; y < pieces.trame.height(); ++y) {
        const uchar *p = pieces.trame.constScanLine(y);
        const uchar *c = classes.trame.constScanLine(y);
        for (int x = 0; x < pieces.trame.width(); ++x, p += 3, c += 3) {
            const TColor cp = pixel(p);
            const TColor cc = pixel(c);
            if (cp == precedenteP && cc == precedenteCe)
                continue;
            precedenteP = cp;
            precedenteCe = cc;
            const int zone = zoneDe.value(cp, 0);
            const int classe = classeDe.value(cc, 0);
            if (zone <= 0 || classe <= 0)
                continue;
            int &connue = classeDeLaZone[std::size_t(zone)];
            if (connue == 0) {
                connue = classe;
            } else if (connue != classe && !signalee[std::size_t(zone)]) {
                signalee[std::size_t(zone)] = true;
                contexte.rapport().erreur(relatif, 0,
                                          TexteClasseNonUnion.arg(zone)
                                              .arg(pieces.proprietaire[std::size_t(zone)])
                                              .arg(std::min(connue, classe))
                                              .arg(std::max(connue, classe)));
            }
        }
    }
}
