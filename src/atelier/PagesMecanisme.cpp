#include "atelier/PagesMecanisme.h"

#include <QList>

QByteArray HtmlEnAscii(const QString &page)
{
    QByteArray sortie;
    for (const char32_t c : page.toUcs4()) {
        if (c < 0x80)
            sortie.append(static_cast<char>(c));
        else
            sortie.append("&#" + QByteArray::number(static_cast<uint>(c)) + ';');
    }
    return sortie;
}

QByteArray PageHtml(const QString &titre, const QString &corps)
{
    return HtmlEnAscii(
        QStringLiteral(
            "<!DOCTYPE html>\n<html lang=\"fr\">\n<head>\n<meta charset=\"utf-8\">\n<title>%1</title>\n"
            "<style>\nbody { font-family: 'DejaVu Sans', Verdana, sans-serif; margin: 16px; color: #1b2733; }\n"
            "h1 { color: #1f4e79; }\nh2 { color: #1f4e79; margin-top: 18px; }\n"
            "p.legende { font-style: italic; color: #4a5a6a; }\ntd, th { padding: 2px 8px; }\n</style>\n</head>\n"
            "<body>\n%2</body>\n</html>\n")
            .arg(titre, corps));
}

QByteArray PageAideColoriage(const QString &nomMecanisme, bool parClasse, int nombre)
{
    const QString corps =
        parClasse
            ? QStringLiteral(
                  "<h1>Classes d'équivalence : aide</h1>\n<p>Une classe d'équivalence réunit les pièces "
                  "qui ne bougent pas les unes par rapport aux autres pendant le fonctionnement : pièces "
                  "vissées, goupillées, emmanchées, soudées. Les vis, goupilles et clavettes appartiennent "
                  "à la classe des pièces qu'elles assemblent.</p>\n<p>Le mécanisme « %1 » compte %2 classes "
                  "d'équivalence. Commencez par le bâti : la pièce fixée au sol ou à la machine, et tout ce "
                  "qui lui est lié.</p>\n")
                  .arg(nomMecanisme, QString::number(nombre))
            : QStringLiteral("<h1>Décodage de plan : aide</h1>\n<p>Une pièce coupée par le plan de coupe est hachurée, "
                             "toujours dans le même sens et au même pas sur toutes les vues ; deux pièces voisines ont "
                             "des hachures différentes. Les arbres, vis, goupilles et billes ne sont jamais coupés "
                             "dans leur longueur.</p>\n<p>Le mécanisme « %1 » compte %2 pièces : suivez les repères et "
                             "la nomenclature de la présentation.</p>\n")
                  .arg(nomMecanisme, QString::number(nombre));
    return PageHtml(
        parClasse ? QStringLiteral("Aide : classes d'équivalence") : QStringLiteral("Aide : décodage de plan"), corps);
}
