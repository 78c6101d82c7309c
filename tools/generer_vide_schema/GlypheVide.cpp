#include "GlypheVide.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>

QImage DessinerGlypheVide()
{
    QImage image(CoteGlypheVide, CoteGlypheVide, QImage::Format_RGB888);
    image.fill(Qt::white);
    // 96 dots per inch, whatever the screen of the program that draws it.
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    QPainter peintre(&image);
    peintre.setPen(QColor(128, 128, 128));
    peintre.drawRect(2, 2, CoteGlypheVide - 5, CoteGlypheVide - 5);
    return image;
}

std::optional<QString> EcrireGlypheVide(const QString &dossierProgramme)
{
    const QString chemin = QDir(dossierProgramme).filePath(CheminGlypheVide);
    if (!QDir().mkpath(QFileInfo(chemin).absolutePath()) || !DessinerGlypheVide().save(chemin, "BMP"))
        return QStringLiteral("Impossible d'écrire dans %1").arg(chemin);
    return std::nullopt;
}
