#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <variant>

// The largest picture a mechanism may deliver: an A1 sheet scanned at 300 dpi, either way round.
inline constexpr int GrandCoteImageMax = 9933;
inline constexpr int PetitCoteImageMax = 7016;

// Why a picture of a mechanism was refused: it cannot be read (missing pixels, not a picture), or it is
// larger than the program accepts (its size is then known).
struct RefusImage {
    QSize tropGrande;
    QString message(const QString &nomFichier, const QString &phraseExercice) const;
};

// Every picture read from a mechanism's files comes through here, as Format_RGB888. A bitmap whose header
// announces more pixel data than the file holds is refused, instead of being shown with grey rows.
std::variant<QImage, RefusImage> ChargerImage(const QString &chemin);
