#pragma once

#include <QByteArray>
#include <QString>

// Text files come from a desktop that wrote Windows-1252 or UTF-16 with a byte-order mark;
// teachers may also write UTF-8.
enum class Encodage { Windows1252, Utf8, Utf16LE, Utf16BE };

struct TexteDecode {
    QString texte;
    Encodage encodage = Encodage::Windows1252;
};

// UTF-16 when a byte-order mark says so, or when its NUL bytes show UTF-16 written without one; UTF-8 when
// marked or valid; Windows-1252 otherwise.
TexteDecode DecoderTexte(const QByteArray &octets);
// Writes the byte-order mark for UTF-16 and none for the 8-bit encodings.
QByteArray EncoderTexte(const QString &texte, Encodage encodage);
bool TientEnWindows1252(const QString &texte);
