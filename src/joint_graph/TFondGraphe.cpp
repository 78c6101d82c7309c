#include "joint_graph/TFondGraphe.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

QRgb pixelDe(TColor couleur)
{
    const Rvb rvb = CouleurVersRvb(couleur);
    return qRgb(rvb.rouge, rvb.vert, rvb.bleu);
}

// Copies a row already in the face colour: a plain copy goes at the speed of memory.
void remplir(QImage &image, const QRect &zone, const std::vector<QRgb> &ligneFond)
{
    const std::size_t octets = std::size_t(zone.width()) * sizeof(QRgb);
    for (int y = zone.top(); y <= zone.bottom(); ++y)
        std::memcpy(reinterpret_cast<QRgb *>(image.scanLine(y)) + zone.left(), ligneFond.data(), octets);
}

// A line two pixels wide from a to b, the second pixel beside the first across the line's main
// direction, drawn only inside the zone (which lies inside the picture). Only the steps whose
// pixels can fall in the zone are taken.
void tracer(QImage &image, const QRect &zone, QPoint a, QPoint b, QRgb couleur)
{
    const bool horizontal = std::abs(b.x() - a.x()) >= std::abs(b.y() - a.y());
    // Main and cross coordinates of the line and of the zone.
    const int a1 = horizontal ? a.x() : a.y();
    const int a2 = horizontal ? a.y() : a.x();
    const int d1 = horizontal ? b.x() - a.x() : b.y() - a.y();
    const int d2 = horizontal ? b.y() - a.y() : b.x() - a.x();
    const int zoneDebut1 = horizontal ? zone.left() : zone.top();
    const int zoneFin1 = horizontal ? zone.right() : zone.bottom();
    const int zoneDebut2 = horizontal ? zone.top() : zone.left();
    const int zoneFin2 = horizontal ? zone.bottom() : zone.right();

    double debut = qMax(qMin(a1, a1 + d1), zoneDebut1);
    double fin = qMin(qMax(a1, a1 + d1), zoneFin1);
    if (d2 != 0 && d1 != 0) {
        // Where the cross coordinate enters and leaves the zone, one pixel around.
        const double t1 = a1 + double(zoneDebut2 - 2 - a2) * d1 / d2;
        const double t2 = a1 + double(zoneFin2 + 1 - a2) * d1 / d2;
        debut = qMax(debut, std::floor(qMin(t1, t2)));
        fin = qMin(fin, std::ceil(qMax(t1, t2)));
    }
    uchar *bits = image.bits();
    const qsizetype pas = image.bytesPerLine();
    for (int p1 = int(debut); p1 <= int(fin); ++p1) {
        const int p2 = d1 == 0 ? a2 : a2 + int(std::floor(double(p1 - a1) * d2 / d1 + 0.5));
        for (int q = p2; q <= p2 + 1; ++q) {
            if (q < zoneDebut2 || q > zoneFin2)
                continue;
            const int x = horizontal ? p1 : q;
            const int y = horizontal ? q : p1;
            reinterpret_cast<QRgb *>(bits + y * pas)[x] = couleur;
        }
    }
}

} // namespace

TFondGraphe::TFondGraphe(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(QStringLiteral("Graphe des liaisons"));
}

void TFondGraphe::DefinirLien(int liaison, const std::optional<Lien> &lien)
{
    if (!GrapheLiaisons::NumeroLiaisonValide(liaison))
        return;
    std::optional<Lien> &actuel = liens_[static_cast<std::size_t>(liaison - 1)];
    if (actuel == lien)
        return;
    const auto geometrie = [](const std::optional<Lien> &l) {
        return l ? std::optional<GeometrieLien>(l->geometrie) : std::nullopt;
    };
    const QList<QRect> maillons = MaillonsLien(geometrie(actuel), geometrie(lien), EpaisseurLien + 1);
    actuel = lien;
    QRegion change;
    for (const QRect &maillon : maillons) {
        Retracer(maillon);
        change += maillon;
    }
    update(change);
}

const std::optional<TFondGraphe::Lien> &TFondGraphe::LienDe(int liaison) const
{
    static const std::optional<Lien> aucun;
    if (!GrapheLiaisons::NumeroLiaisonValide(liaison))
        return aucun;
    return liens_[static_cast<std::size_t>(liaison - 1)];
}

void TFondGraphe::Retracer(const QRect &rectangle)
{
    const QRect zone = rectangle & image_.rect();
    if (zone.isEmpty())
        return;
    remplir(image_, zone, ligneFond_);
    for (const std::optional<Lien> &lien : liens_) {
        if (!lien || !RectangleLien(lien->geometrie, EpaisseurLien).intersects(zone))
            continue;
        const GeometrieLien &g = lien->geometrie;
        tracer(image_, zone, g.sortie, g.milieu, pixelDe(lien->couleurCe1));
        tracer(image_, zone, g.entree, g.milieu, pixelDe(lien->couleurCe2));
    }
}

void TFondGraphe::resizeEvent(QResizeEvent *)
{
    image_ = QImage(size(), QImage::Format_RGB32);
    ligneFond_.assign(std::size_t(qMax(0, width())), pixelDe(clBtnFace));
    Retracer(image_.rect());
}

void TFondGraphe::paintEvent(QPaintEvent *evenement)
{
    QPainter peintre(this);
    for (const QRect &rectangle : evenement->region())
        peintre.drawImage(rectangle.topLeft(), image_, rectangle);
}
