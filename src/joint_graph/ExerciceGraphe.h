#pragma once

#include "joint_graph/GrapheLiaisons.h"

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
};

// Reads the "condition.inf" of the exercise folder; a count of classes outside 2 to 9 is refused
// with the text to show.
std::variant<ConditionGraphe, QString> LireConditionGraphe(const QString &dossierExercice);
// Whether "condition.inf" of the folder shows the "Outils" menu; false when there is none.
bool LireOutilsVisibles(const QString &dossierExercice);

using ImagesClasses = std::array<QImage, NbrCeMax>;

// Loads the pictures "1.bmp" to nbrCe ".bmp" of the folder, in 24 bits. The first that is missing
// or does not decode gives the text to show.
std::variant<ImagesClasses, QString> ChargerImagesClasses(const QString &dossierExercice, int nbrCe);
