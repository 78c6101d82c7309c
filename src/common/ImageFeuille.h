#pragma once

#include <QImage>
#include <QSize>

// A new picture for a whole sheet, its pixels not set. On Linux a large one lies in memory the system
// may give by pages of 2 MB: making and first filling an A3 sheet then costs a fraction of the
// thousands of small page faults it would take. Null when the memory cannot be had.
QImage NouvelleImageFeuille(QSize taille, QImage::Format format);

// A copy of a picture made the same way.
QImage CopieImageFeuille(const QImage &image);
