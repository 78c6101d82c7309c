#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <optional>

// JPEG through libjpeg. A damaged or absurd file gives an error text, never an ended process.
struct ImageDecodee {
    QImage image; // Format_RGB888; null on failure
    QString erreur;
};

ImageDecodee DecoderJpeg(const QByteArray &octets);
ImageDecodee LireJpeg(const QString &chemin);
// Encodes at the given quality (1 to 100); returns the error text on failure.
std::optional<QString> EncoderJpeg(const QImage &image, int qualite, QByteArray &sortie);
std::optional<QString> EcrireJpeg(const QImage &image, int qualite, const QString &chemin);
