#include "DessinsDeTest.h"

#include <QPainter>
#include <QPainterPath>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <map>
#include <random>

QImage MasqueLitteral(const QStringList &lignes)
{
    QImage masque(int(lignes.value(0).size()), int(lignes.size()), QImage::Format_Grayscale8);
    for (int y = 0; y < masque.height(); ++y)
        for (int x = 0; x < masque.width(); ++x)
            masque.scanLine(y)[x] = lignes[y][x] == QLatin1Char('1') ? 0 : 255;
    return masque;
}

std::vector<std::int32_t> ZonesLitterales(const QStringList &lignes)
{
    std::vector<std::int32_t> zones;
    for (const QString &ligne : lignes)
        for (const QChar c : ligne)
            zones.push_back(c.isDigit() ? c.digitValue() : c.toLatin1() - 'a' + 10);
    return zones;
}

QImage DessinGris(QSize taille, const std::vector<PieceHachuree> &pieces)
{
    QImage image(taille, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter peintre(&image);
    peintre.setRenderHint(QPainter::Antialiasing);
    for (const PieceHachuree &piece : pieces) {
        if (piece.hachuree) {
            peintre.save();
            peintre.setClipRect(piece.cadre);
            peintre.setPen(QPen(Qt::black, EpaisseurHachure, Qt::SolidLine, Qt::FlatCap));
            const QPointF centre = QRectF(piece.cadre).center();
            const double rayon = std::hypot(piece.cadre.width(), piece.cadre.height());
            peintre.translate(centre);
            peintre.rotate(-piece.angle);
            for (double d = -rayon; d <= rayon; d += piece.ecart)
                peintre.drawLine(QPointF(-rayon, d), QPointF(rayon, d));
            peintre.restore();
        }
        peintre.setPen(QPen(Qt::black, piece.contour, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        peintre.setBrush(Qt::NoBrush);
        peintre.drawRect(piece.cadre);
    }
    peintre.end();
    return image.convertToFormat(QImage::Format_Grayscale8);
}

QImage CommeScanne(const QImage &gris, double degres, unsigned graine)
{
    QImage tournee(gris.size(), QImage::Format_RGB32);
    tournee.fill(Qt::white);
    {
        QPainter peintre(&tournee);
        peintre.setRenderHint(QPainter::SmoothPixmapTransform);
        peintre.translate(gris.width() / 2.0, gris.height() / 2.0);
        peintre.rotate(degres);
        peintre.translate(-gris.width() / 2.0, -gris.height() / 2.0);
        peintre.drawImage(0, 0, gris);
    }
    QImage scan = tournee.convertToFormat(QImage::Format_Grayscale8);
    std::mt19937 hasard(graine);
    std::normal_distribution<double> bruit(0, 12);
    for (int y = 0; y < scan.height(); ++y) {
        uchar *ligne = scan.scanLine(y);
        for (int x = 0; x < scan.width(); ++x) {
            const double valeur = 50 + ligne[x] * (215.0 - 50) / 255 + bruit(hasard); // paper 215, ink 50
            ligne[x] = uchar(std::clamp(valeur, 0.0, 255.0));
        }
    }
    // dust: dark dots of one to four pixels
    std::uniform_int_distribution<int> colonne(0, scan.width() - 2), rangee(0, scan.height() - 2), taille(1, 2);
    for (int grain = scan.width() * scan.height() / 300; grain > 0; --grain) {
        const int x = colonne(hasard), y = rangee(hasard), cote = taille(hasard);
        for (int dy = 0; dy < cote; ++dy)
            std::fill_n(scan.scanLine(y + dy) + x, cote, uchar(40));
    }
    return scan;
}

QString ComparerPartitions(const ZonesDessin &a, const ZonesDessin &b)
{
    if (a.taille != b.taille)
        return QStringLiteral("tailles différentes");
    if (a.nombre != b.nombre)
        return QStringLiteral("%1 zones contre %2").arg(a.nombre).arg(b.nombre);
    std::map<std::int32_t, std::int32_t> versB, versA;
    for (std::size_t i = 0; i < a.etiquettes.size(); ++i) {
        const std::int32_t za = a.etiquettes[i], zb = b.etiquettes[i];
        const auto [ab, nouveauAB] = versB.try_emplace(za, zb);
        const auto [ba, nouveauBA] = versA.try_emplace(zb, za);
        if (ab->second != zb || ba->second != za || (za == 0) != (zb == 0))
            return QStringLiteral("le pixel (%1, %2) est dans la zone %3 d'un côté, %4 de l'autre")
                .arg(int(i) % a.taille.width())
                .arg(int(i) / a.taille.width())
                .arg(za)
                .arg(zb);
    }
    return {};
}
