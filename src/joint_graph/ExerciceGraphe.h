#pragma once

#include "joint_graph/GrapheLiaisons.h"
#include "joint_graph/Hyperstatisme.h"

#include <QImage>
#include <QString>
#include <array>
#include <optional>
#include <variant>

inline constexpr int NumeroExerciceGraphe = 4;
inline const QString PhraseGraphe = QStringLiteral("Impossible d'ouvrir le graphe des liaisons de ce mécanisme.");
inline const QString FichierConditionGraphe = QStringLiteral("condition.inf");
inline const QString FichierPlanPdf = QStringLiteral("plan.pdf");

// What the "condition.inf" of a joint-graph exercise says.
struct ConditionGraphe {
    std::int32_t nbrCe = 0;
    bool outilsVisibles = false;
    std::array<QString, NbrCeMax> informations{}; // text of classes 1 to nbrCe
    EtudeExercice etude = EtudeExercice::SelonLesVues;
};

// Reads the "condition.inf" of the exercise folder; a count of classes outside 2 to 9, or a study
// other than "spatiale" or "plane", is refused with the text to show.
std::variant<ConditionGraphe, QString> LireConditionGraphe(const QString &dossierExercice);
// The study that "condition.inf" of the folder asks for ([HYPERSTATISME] Etude, letter case ignored):
// none when there is no such file or key, or the key is empty (a file that cannot be read reads as
// empty, as for "Visible"); the text to show for a value other than "spatiale" or "plane".
std::variant<EtudeExercice, QString> LireEtudeExercice(const QString &dossierExercice);
// Whether "condition.inf" of the folder shows the "Outils" menu; false when there is none.
bool LireOutilsVisibles(const QString &dossierExercice);

using ImagesClasses = std::array<QImage, NbrCeMax>;

// Loads the pictures "1.bmp" to nbrCe ".bmp" of the folder, in 24 bits. The first that is missing
// or does not decode gives the text to show.
std::variant<ImagesClasses, QString> ChargerImagesClasses(const QString &dossierExercice, int nbrCe);
