#pragma once

#include "common/TravailImprime.h"

#include <functional>
#include <optional>

class QMenu;

// The work of an exercise window as it is when the student prints it; nothing when no exercise is open.
using FabriqueTravail = std::function<std::optional<TravailImprime>()>;

enum class ExportsTravail { Aucun, Pdf, PdfEtSvg };

// Adds to the menu « Imprimer… » (Ctrl+P) and « Aperçu avant impression », then the exports asked for:
// « Exporter en PDF… », « Exporter en SVG… ». The student's name, printed in the header, is asked at the first print or PDF and
// kept until the program ends; it is written nowhere else. The page set-up chosen in the print dialog is kept
// for the next prints and PDFs.
void AjouterImpression(QMenu &menu, FabriqueTravail travail, ExportsTravail exports);
