#pragma once

#include <QImage>
#include <QString>
#include <variant>

// The resolution a page of a PDF is rendered at unless the teacher chooses another.
inline constexpr int ResolutionPdfParDefaut = 300;

// A teacher's drawing read from a scan (BMP, PNG, JPEG, TIFF, any depth) or from one page of a PDF (pages
// counted from 0, rendered at `resolutionPdf` dots per inch), as a Format_Grayscale8 picture; or, when it
// cannot be had, the French text that says why. Sheets larger than the exercises accept are refused before
// their pixels are made.
std::variant<QImage, QString> ChargerDessin(const QString &chemin, int resolutionPdf = ResolutionPdfParDefaut,
                                            int page = 0);

// The number of pages of a PDF, or the French text that says why it cannot be read.
std::variant<int, QString> NombrePagesPdf(const QString &chemin);
