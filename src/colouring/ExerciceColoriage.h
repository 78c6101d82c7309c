#pragma once

#include "colouring/IndexZones.h"
#include "common/Couleur.h"

#include <QImage>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

// Capacities: zones of a zone map, and parts or classes of an exercise.
inline constexpr std::int32_t MaxZonesColoriage = 1000;
inline constexpr std::int32_t MaxCouleursColoriage = 1000;

inline const QString ModeDecodage = QStringLiteral("p");
inline const QString ModeClasses = QStringLiteral("ce");
inline const QString TitreDecodage = QStringLiteral("Décodage de plan");
inline const QString TitreClasses = QStringLiteral("Classe d'équivalence");

inline constexpr int NumeroExerciceDecodage = 2;
inline constexpr int NumeroExerciceClasses = 3;
inline const QString PrefixeDossierColoriage = QStringLiteral("coloriage_");

inline const QString FichierConditionColoriage = QStringLiteral("condition.inf");
inline const QString FichierSolutionColoriage = QStringLiteral("solution.inf");
inline const QString FichierTrameColoriage = QStringLiteral("trame.bmp");
inline const QString FichierPlanColoriage = QStringLiteral("plan.bmp");
inline const QString FichierPdfColoriage = QStringLiteral("plan.pdf");
inline const QString DossierAideColoriage = QStringLiteral("aide/");
inline const QStringList FichiersRequisColoriage{FichierConditionColoriage, FichierSolutionColoriage,
                                                 FichierTrameColoriage, FichierPlanColoriage};
inline const QString PhraseColoriage = QStringLiteral("Impossible d'ouvrir cet exercice de ce mécanisme.");
inline const QString MessageTypeInconnu = QStringLiteral("Ce type d'exercice n'existe pas.");

// What a colouring folder gives the window. Tables are numbered from 1; entry 0 is unused.
struct ExerciceColoriage {
    std::int32_t NombreZones = 0;
    std::int32_t NombreCouleurs = 0;
    std::vector<TColor> CouleurZone = std::vector<TColor>(MaxZonesColoriage + 1, clWhite);
    std::vector<QString> Solution = std::vector<QString>(MaxCouleursColoriage + 1);
    bool PdfVisible = false;
    QString AdresseAide;         // relative to the folder "aide/"
    std::int32_t SeuilAide = -1; // -1 help hidden, 0 at once, n from the n-th check on
    IndexZones Index;            // where the zones of "trame.bmp" lie; the map itself is not kept
    QImage Plan;                 // Format_RGB888, the size of the map
};

struct LectureColoriage {
    bool reussie = false;
    ExerciceColoriage exercice;
    // Why nothing may be used; shown in the application's error box when erreurGenerale is set
    // (a colour that is not one, a picture that does not decode), in a plain notice otherwise.
    QString message;
    bool erreurGenerale = false;
};

// Reads "condition.inf", "solution.inf" and the two pictures of a colouring folder (ending with "/"),
// whose files are known to exist. The zone map is indexed and let go before the drawing is read, so
// that a large sheet is never held three times. Zone colours given as desktop colours take their current value.
LectureColoriage LireColoriage(const QString &dossierExercice);

QString MessageTropDeZones(const QString &combien);
QString MessageTropDeCouleurs(const QString &combien);
