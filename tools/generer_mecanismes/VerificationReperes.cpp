#include "VerificationReperes.h"

#include <QImage>
#include <QLineF>
#include <QPainter>

namespace {

// The views alone, one pixel per unit of the drawing area.
QImage ImageVues(const Mecanisme &m)
{
    QImage image(m.zoneDessin, QImage::Format_RGB888);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    Feuille feuille(p, Calque::Plan);
    m.dessinerVues(feuille);
    return image;
}

bool Encre(const QImage &image, int x, int y)
{
    if (!image.rect().contains(x, y))
        return false;
    const uchar *pixel = image.constScanLine(y) + 3 * x;
    return pixel[0] != 255 || pixel[1] != 255 || pixel[2] != 255;
}

// Two units of white all round the bubble, so that its circle reads apart from every outline.
bool BulleLibre(const QImage &vues, QPoint centre)
{
    const int rayon = RayonRepere + 2;
    for (int dy = -rayon; dy <= rayon; ++dy)
        for (int dx = -rayon; dx <= rayon; ++dx)
            if (dx * dx + dy * dy <= rayon * rayon && Encre(vues, centre.x() + dx, centre.y() + dy))
                return false;
    return true;
}

} // namespace

QStringList VerifierReperes(const Mecanisme &m)
{
    QStringList fautes;
    const QImage vues = ImageVues(m);
    for (std::size_t i = 0; i < m.reperes.size(); ++i) {
        const Repere &r = m.reperes[i];
        if (!BulleLibre(vues, r.centre))
            fautes << QStringLiteral("%1 : la bulle du repère %2 est posée sur le dessin.").arg(m.souche).arg(r.numero);
        const QLineF ligne(r.centre, r.cible);
        for (std::size_t j = i + 1; j < m.reperes.size(); ++j) {
            const Repere &autre = m.reperes[j];
            if (ligne.intersects(QLineF(autre.centre, autre.cible), nullptr) == QLineF::BoundedIntersection)
                fautes << QStringLiteral("%1 : les lignes des repères %2 et %3 se croisent.")
                              .arg(m.souche)
                              .arg(r.numero)
                              .arg(autre.numero);
        }
    }
    return fautes;
}
