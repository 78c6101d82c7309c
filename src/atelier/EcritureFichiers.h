#pragma once

#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QSize>
#include <QString>
#include <functional>
#include <optional>

// Files written whole or not at all: each goes to a temporary file renamed onto its path, so a full disk
// leaves the previous file as it was. Each returns the French text of its failure, naming the path.

std::optional<QString> EcrireOctets(const QString &chemin, const QByteArray &contenu);
// BMP pictures are written at 24 bits per pixel.
std::optional<QString> EcrireImage(const QString &chemin, const QImage &image, const char *format);
// One A3 page without a margin of its own; the drawing's logical area is scaled to fit it, centred. Nothing
// when the page could not be drawn.
std::optional<QByteArray> PdfA3(const QString &titre, QSize zone, QPageLayout::Orientation orientation,
                                const std::function<void(QPainter &)> &dessin);
std::optional<QString> EcrirePdfA3(const QString &chemin, const QString &titre, QSize zone,
                                   QPageLayout::Orientation orientation, const std::function<void(QPainter &)> &dessin);
