#pragma once

#include "presentation/ZonesPresentation.h"

#include <QImage>
#include <QString>
#include <QStringList>

inline constexpr int NumeroExercicePresentation = 1;
inline const QString NomDossierPresentation = QStringLiteral("presentation");

inline const QString FichierCondition = QStringLiteral("condition.inf");
inline const QString FichierTrame = QStringLiteral("trame.bmp");
inline const QString FichierPlan = QStringLiteral("plan.bmp");
inline const QString FichierNomenclature = QStringLiteral("nomenclature.inf");
inline const QString FichierExplication = QStringLiteral("explication.htm");
inline const QString FichierPdf = QStringLiteral("plan.pdf");
// The files that must all be there before anything is read, in the order they are looked for.
inline const QStringList FichiersRequisPresentation{FichierCondition, FichierTrame, FichierPlan, FichierNomenclature,
                                                    FichierExplication};
inline const QString PhrasePresentation = QStringLiteral("Impossible d'ouvrir la présentation de ce mécanisme.");

// Everything a presentation folder gives the window.
struct Presentation {
    std::int32_t NombrePieces = 0;
    TableZones Zones = ZonesVides();
    bool PdfVisible = true;
    QImage Trame; // Format_RGB888, the size of Plan
    QImage Plan;  // Format_RGB888
};

struct LecturePresentation {
    enum class Issue {
        Reussie,
        // Nothing may be used; the message says why.
        Refusee,
        // A colour of "condition.inf" is not a colour: the parts table is reset and holds the
        // colours read before it, the pictures and texts are not read.
        CouleurInvalide,
    };
    Issue issue = Issue::Reussie;
    Presentation presentation;
    QString message;
};

// Reads "condition.inf", the two pictures and "nomenclature.inf" of a presentation folder
// (ending with "/"), whose files are known to exist, and checks that "explication.htm" can be read.
LecturePresentation LirePresentation(const QString &dossierExercice);

QString MessageTropDePieces(const QString &combien);
