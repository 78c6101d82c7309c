#pragma once

#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>

// The checks every exercise window runs on the file it is asked to open. Each returns the French
// message to show when the check fails, and nothing when it passes.

inline const QString MessageMauvaiseExtension =
    QStringLiteral("Vous avez ouvert un fichier qui n'a pas l'extension attendue.");
inline const QString MessageSansAcces = QStringLiteral("Vous n'avez pas accès à cet exercice de ce mécanisme.");

QString MessageImpossibleOuvrir(const QString &chemin);
QString MessageFichierManquant(const QString &nomFichier, const QString &phraseExercice);
// A file of the exercise that is there but cannot be read (no permission, a folder, too large, damaged).
QString MessageFichierIllisible(const QString &nomFichier, const QString &phraseExercice);
// An INI file of the exercise that holds no section: empty, cut short or of another kind.
QString MessageFichierSansSection(const QString &nomFichier, const QString &phraseExercice);
QString MessageImageIllisible(const QString &nomFichier, const QString &phraseExercice);
// "trame.bmp" and "plan.bmp" of an exercise are of different sizes.
QString MessageTailleTramePlan(const QSize &trame, const QSize &plan, const QString &phraseExercice);

// The file exists and its extension, in lower case, is the one expected (".sch", ".gdl").
std::optional<QString> VerifierFichier(const QString &chemin, const QString &extensionAttendue);
// The descriptor's flag of exercise 1 to 5 is set.
std::optional<QString> VerifierAcces(const QString &cheminDescripteur, int numeroExercice);
// What the checks of an exercise window opening a mechanism's descriptor give: the first refusal to show,
// and the exercise folder, known as soon as the descriptor itself passed (even when a file is missing).
struct OuvertureDescripteur {
    std::optional<QString> refus;
    QString dossierExercice;
};
// In order: the file is there, its extension is ".sch", the exercise's flag is set, and the exercise folder
// nomDossier of the mechanism holds the required files.
OuvertureDescripteur VerifierDescripteur(const QString &cheminDescripteur, int numeroExercice,
                                         const QString &nomDossier, const QStringList &fichiersRequis,
                                         const QString &phraseExercice);
// The first of the files, looked for in order in the folder, that is missing. Something of that name
// that is no file (a folder) is there: reading it tells that it cannot be read.
std::optional<QString> VerifierFichiersPresents(const QString &dossier, const QStringList &fichiers,
                                                const QString &phraseExercice);
