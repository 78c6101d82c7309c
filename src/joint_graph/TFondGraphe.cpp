#include "joint_graph/TFondGraphe.h"

#include <QChildEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>

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
    uchar *bits = image.bits();
    const qsizetype pas = image.bytesPerLine();
    for (int y = zone.top(); y <= zone.bottom(); ++y)
        std::memcpy(reinterpret_cast<QRgb *>(bits + y * pas) + zone.left(), ligneFond.data(), octets);
}

// The whole part of n / m, rounded down (m > 0).
qint64 divisionEntiere(qint64 n, qint64 m) { return n >= 0 ? n / m : -((m - 1 - n) / m); }

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
    const int premier = int(debut);
    const int dernier = int(fin);
    if (premier > dernier)
        return;

    // The cross coordinate at p1 is a2 + round(k·d2/d1), halves rounded up, k = p1 - a1: that is
    // a2 + floor(n/m) with n = 2k·d2·sign(d1) + |d1| and m = 2|d1|, followed step by step in whole
    // numbers (|d2| <= |d1|, so it moves by at most one per step).
    const qint64 m = 2 * qMax(1, std::abs(d1));
    const qint64 pasN = d1 == 0 ? 0 : 2 * qint64(d2) * (d1 > 0 ? 1 : -1);
    const qint64 n = qint64(premier - a1) * pasN + m / 2;
    const qint64 quotient = divisionEntiere(n, m);
    qint64 reste = n - quotient * m;
    int p2 = a2 + int(quotient);

    uchar *bits = image.bits();
    const qsizetype pas = image.bytesPerLine();
    for (int p1 = premier; p1 <= dernier; ++p1) {
        for (int q = qMax(p2, zoneDebut2); q <= qMin(p2 + 1, zoneFin2); ++q) {
            const int x = horizontal ? p1 : q;
            const int y = horizontal ? q : p1;
            reinterpret_cast<QRgb *>(bits + y * pas)[x] = couleur;
        }
        reste += pasN;
        if (reste >= m) {
            reste -= m;
            ++p2;
        } else if (reste < 0) {
            reste += m;
            --p2;
        }
    }
}

// The rectangles clipped to the picture, two that overlap joined when their union is no larger than
// the two of them: a pass over them costs by the rectangle as much as by the pixel.
QList<QRect> Regrouper(const QList<QRect> &rectangles, const QRect &image)
{
    QList<QRect> zones;
    zones.reserve(rectangles.size());
    for (const QRect &rectangle : rectangles) {
        QRect zone = rectangle & image;
        if (zone.isEmpty())
            continue;
        // Two rectangles become one when their union is no larger than the two of them.
        for (qsizetype i = 0; i < zones.size();) {
            const QRect uni = zone | zones[i];
            const qint64 aire = qint64(uni.width()) * uni.height();
            if (zone.intersects(zones[i]) &&
                aire <= qint64(zone.width()) * zone.height() + qint64(zones[i].width()) * zones[i].height()) {
                zone = uni;
                zones.removeAt(i);
                i = 0;
            } else {
                ++i;
            }
        }
        zones.append(zone);
    }
    return zones;
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
    Rafraichir(maillons);
}

const std::optional<TFondGraphe::Lien> &TFondGraphe::LienDe(int liaison) const
{
    static const std::optional<Lien> aucun;
    if (!GrapheLiaisons::NumeroLiaisonValide(liaison))
        return aucun;
    return liens_[static_cast<std::size_t>(liaison - 1)];
}

void TFondGraphe::Suivre(TImageMouse *image)
{
    if (image == nullptr || image->parentWidget() != this || SuiviDe(image) != nullptr)
        return;
    image->DefinirDessineeParLeParent(true);
    image->setUpdatesEnabled(false);
    image->installEventFilter(this);
    suivis_.push_back({image, {}, image->pos(), false});
    const auto nouvelleImage = [this, image] {
        if (Suivi *suivi = SuiviDe(image))
            Actualiser(*suivi, image->Image().convertToFormat(QImage::Format_RGB32), image->pos(), !image->isHidden());
    };
    connect(image, &TImageMouse::imageDefinie, this, nouvelleImage);
    nouvelleImage();
}

TFondGraphe::Suivi *TFondGraphe::SuiviDe(const QObject *image)
{
    const auto i = std::find_if(suivis_.begin(), suivis_.end(), [image](const Suivi &s) { return s.image == image; });
    return i == suivis_.end() ? nullptr : &*i;
}

bool TFondGraphe::eventFilter(QObject *objet, QEvent *evenement)
{
    const QEvent::Type type = evenement->type();
    if (type == QEvent::FocusIn || type == QEvent::FocusOut) {
        if (SuiviDe(objet) != nullptr) {
            DefinirFocus(type == QEvent::FocusIn ? objet : (focus_ == objet ? nullptr : focus_));
            if (type == QEvent::FocusIn)
                emit focusRecu(static_cast<QWidget *>(objet));
        }
    } else if (type == QEvent::Move || type == QEvent::Show || type == QEvent::Hide) {
        // Shown or hidden with the window, a control keeps its state: only its own counts.
        if (Suivi *suivi = SuiviDe(objet)) {
            const auto *image = static_cast<const QWidget *>(objet);
            Actualiser(*suivi, suivi->pixels, image->pos(), !image->isHidden());
        }
    }
    return QWidget::eventFilter(objet, evenement);
}

void TFondGraphe::childEvent(QChildEvent *evenement)
{
    if (evenement->removed()) {
        if (const Suivi *suivi = SuiviDe(evenement->child())) {
            const QRect place = Place(*suivi);
            if (focus_ == suivi->image)
                focus_ = nullptr;
            suivis_.erase(suivis_.begin() + (suivi - suivis_.data()));
            Rafraichir({place});
        }
    }
    QWidget::childEvent(evenement);
}

void TFondGraphe::Actualiser(Suivi &suivi, const QImage &pixels, QPoint coin, bool montre)
{
    const bool memeImage = pixels.cacheKey() == suivi.pixels.cacheKey();
    if (memeImage && coin == suivi.coin && montre == suivi.montre)
        return;
    const QRect avant = Place(suivi);
    suivi.pixels = pixels;
    suivi.coin = coin;
    suivi.montre = montre;
    const QRect apres = Place(suivi);
    // A picture moved by a few pixels: one rectangle, not two that overlap.
    if (avant.intersects(apres))
        Rafraichir({avant | apres});
    else
        Rafraichir({avant, apres});
}

QRect TFondGraphe::Place(const Suivi &suivi) const
{
    if (!suivi.montre)
        return {};
    const QRect place(suivi.coin, suivi.pixels.size());
    const int marge = suivi.image == focus_ ? EpaisseurCadreFocus + 1 : 0;
    return place.adjusted(-marge, -marge, marge, marge);
}

void TFondGraphe::DefinirFocus(const QObject *image)
{
    // The frame leaves the picture that had it, whatever order the focus events came in.
    QList<QRect> places;
    if (const Suivi *avant = SuiviDe(focus_))
        places << Place(*avant);
    focus_ = image;
    if (const Suivi *apres = SuiviDe(focus_))
        places << Place(*apres);
    Rafraichir(places);
}

TFondGraphe::Lot::Lot(TFondGraphe &fond) : fond_(fond) { ++fond_.lots_; }

TFondGraphe::Lot::~Lot()
{
    if (--fond_.lots_ == 0)
        fond_.Rafraichir(std::exchange(fond_.enAttente_, {}));
}

void TFondGraphe::Rafraichir(const QList<QRect> &rectangles)
{
    if (lots_ > 0) {
        enAttente_ += rectangles;
        return;
    }
    const QList<QRect> zones = Regrouper(rectangles, image_.rect());
    Retracer(zones);
    QRegion change;
    for (const QRect &zone : zones)
        change += zone;
    update(change);
}

void TFondGraphe::Retracer(const QList<QRect> &zones)
{
    for (const QRect &zone : zones)
        remplir(image_, zone, ligneFond_);
    // Link by link, so that a later link stays over an earlier one where rectangles overlap.
    for (const std::optional<Lien> &lien : liens_) {
        if (!lien)
            continue;
        const GeometrieLien &g = lien->geometrie;
        const QRect couvert = RectangleLien(g, EpaisseurLien);
        const QRgb couleur1 = pixelDe(lien->couleurCe1);
        const QRgb couleur2 = pixelDe(lien->couleurCe2);
        for (const QRect &zone : zones) {
            if (!couvert.intersects(zone))
                continue;
            tracer(image_, zone, g.sortie, g.milieu, couleur1);
            tracer(image_, zone, g.entree, g.milieu, couleur2);
        }
    }
    for (const Suivi &suivi : suivis_) {
        if (!suivi.montre)
            continue;
        const QRect place(suivi.coin, suivi.pixels.size());
        for (const QRect &zone : zones) {
            const QRect r = place & zone;
            for (int y = r.top(); y <= r.bottom(); ++y)
                std::memcpy(reinterpret_cast<QRgb *>(image_.scanLine(y)) + r.left(),
                            reinterpret_cast<const QRgb *>(suivi.pixels.constScanLine(y - place.top())) +
                                (r.left() - place.left()),
                            std::size_t(r.width()) * sizeof(QRgb));
        }
    }
    TracerCadreFocus(zones);
}

void TFondGraphe::TracerCadreFocus(const QList<QRect> &zones)
{
    const Suivi *suivi = SuiviDe(focus_);
    if (suivi == nullptr || !suivi->montre)
        return;
    const QRect cadre = Place(*suivi);
    const int e = EpaisseurCadreFocus;
    const QRect cotes[] = {{cadre.left(), cadre.top(), cadre.width(), e},
                           {cadre.left(), cadre.bottom() - e + 1, cadre.width(), e},
                           {cadre.left(), cadre.top(), e, cadre.height()},
                           {cadre.right() - e + 1, cadre.top(), e, cadre.height()}};
    const QRgb couleur = palette().color(QPalette::Highlight).rgb();
    for (const QRect &zone : zones) {
        for (const QRect &cote : cotes) {
            const QRect r = cote & zone;
            for (int y = r.top(); y <= r.bottom(); ++y) {
                QRgb *ligne = reinterpret_cast<QRgb *>(image_.scanLine(y));
                std::fill(ligne + r.left(), ligne + r.right() + 1, couleur);
            }
        }
    }
}

void TFondGraphe::resizeEvent(QResizeEvent *)
{
    image_ = QImage(size(), QImage::Format_RGB32);
    ligneFond_.assign(std::size_t(qMax(0, width())), pixelDe(clBtnFace));
    Retracer({image_.rect()});
}

void TFondGraphe::paintEvent(QPaintEvent *evenement)
{
    QPainter peintre(this);
    for (const QRect &rectangle : evenement->region())
        peintre.drawImage(rectangle.topLeft(), image_, rectangle);
}
