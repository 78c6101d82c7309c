#pragma once

#include <QPageLayout>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QPainter;

// A student's work as it goes on paper or into a file: what the header says of it, and the work itself,
// painted by the window in its own units (the pixels of its sheet or area) from (0, 0) to `taille`.
struct TravailImprime {
    QString mecanisme;
    QString exercice;
    QStringList details; // lines under the header: attempts and score, the hyperstatism worked out…
    QSizeF taille;
    std::function<void(QPainter &)> dessiner;
};

// The rectangle a work of that size takes in `place`: as large as fits whole, its proportions kept, centred.
QRectF CadreAjuste(QSizeF taille, const QRectF &place);

// One page: at the top of `page` (in the painter's units) the header, « Velkora », the mechanism, the exercise,
// the student's name and the date, then the details; under it the work fitted. Pictures the work paints keep
// their own resolution, whatever the device's.
void PeindrePage(QPainter &peintre, const QRectF &page, const TravailImprime &travail, const QString &eleve);

// The work as a one-page PDF of that layout, with its header; the work alone, at its own size, as SVG.
// Written whole or not at all: on failure, the file that was there stays, and the French reason names the path.
std::optional<QString> EnregistrerPdf(const QString &chemin, const TravailImprime &travail, const QString &eleve,
                                      const QPageLayout &miseEnPage);
std::optional<QString> EnregistrerSvg(const QString &chemin, const TravailImprime &travail);
