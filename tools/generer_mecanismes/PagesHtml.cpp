#include "PagesHtml.h"

#include <QBuffer>

QByteArray PageHtml(const QString &titre, const QString &corps)
{
    const QString page =
        QStringLiteral(
            "<!DOCTYPE html>\n<html lang=\"fr\">\n<head>\n<meta charset=\"utf-8\">\n<title>%1</title>\n"
            "<style>\nbody { font-family: 'DejaVu Sans', Verdana, sans-serif; margin: 16px; color: #1b2733; }\n"
            "h1 { color: #1f4e79; }\nh2 { color: #1f4e79; margin-top: 18px; }\n"
            "p.legende { font-style: italic; color: #4a5a6a; }\ntd, th { padding: 2px 8px; }\n</style>\n</head>\n"
            "<body>\n%2</body>\n</html>\n")
            .arg(titre, corps);
    QByteArray sortie;
    for (const char32_t c : page.toUcs4()) {
        if (c < 0x80)
            sortie.append(static_cast<char>(c));
        else
            sortie.append("&#" + QByteArray::number(static_cast<uint>(c)) + ';');
    }
    return sortie;
}

QByteArray OctetsPng(const QImage &image)
{
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    image.save(&tampon, "PNG");
    return octets;
}
