#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>
#include <optional>

// A description page and what it refers to are read whole; a larger file is not one a teacher wrote.
inline constexpr qint64 TailleMaxRessource = 64 * 1024 * 1024;

// The text of a description page. Pages come from editors that wrote Windows-1252 or UTF-8, often
// with a charset that does not match: the bytes decide, as for every text file of a mechanism,
// unless the page declares another encoding (UTF-16 without a byte-order mark, Cyrillic, …).
QString DecoderPageHtml(const QByteArray &octets);

// The canonical path of the file a page refers to, when it is an existing file inside the folder
// (ending with "/"); relative addresses are taken from the folder. Nothing for anything else:
// another scheme, a file outside the folder, through ".." or a link, or a missing file.
std::optional<QString> CheminDansDossier(const QString &dossier, const QUrl &adresse);
