#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// A whole description page around its body. Every character outside ASCII becomes a numeric entity,
// so the page reads the same whatever character set a viewer assumes.
QByteArray PageHtml(const QString &titre, const QString &corps);
QByteArray OctetsPng(const QImage &image);
