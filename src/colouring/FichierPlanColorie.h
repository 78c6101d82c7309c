#pragma once

#include <QImage>
#include <QString>
#include <optional>

// The file the coloured drawing is saved to: its format is the one its name says (JPEG, PNG or
// BMP); a name that says none of them gets the JPEG extension.
enum class FormatPlanColorie { Jpeg, Png, Bmp };

struct FichierPlanColorie {
    QString chemin;
    FormatPlanColorie format = FormatPlanColorie::Jpeg;
    // The extension was added to the name chosen: the save dialog did not ask about this file.
    bool extensionAjoutee = false;
};

FichierPlanColorie FichierPourNom(const QString &cheminChoisi);
// Writes through a temporary file, so that a failed write leaves the file there whole; the French
// reason on failure.
std::optional<QString> EcrirePlanColorie(const QImage &image, const FichierPlanColorie &fichier);

inline const QString FiltrePlanColorie = QStringLiteral("Fichier image JPEG (*.jpg *.jpeg)|*.jpg;*.jpeg|"
                                                        "Fichier image PNG (*.png)|*.png|"
                                                        "Fichier image BMP (*.bmp)|*.bmp");
inline const QString ExtensionPlanColorie = QStringLiteral("jpg");
