#pragma once

#include <QImage>
#include <QSizeF>
#include <QString>

// A PDF the program wrote, read back as a viewer reads it.
struct PdfLu {
    bool lisible = false;
    int pages = 0;
    QSizeF taillePoints; // of the first page, 1/72 inch
    QString texte;       // of the first page
    QImage image;        // the first page rendered, white behind
};
PdfLu LirePdf(const QString &chemin, double pointsParPouce = 72);
