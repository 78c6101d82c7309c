#include "shell/AnimationOuverture.h"

#include "common/Engrenage.h"

#include <QLinearGradient>
#include <QPaintEvent>
#include <QPainter>
#include <QRadialGradient>
#include <QTimer>
#include <QtMath>
#include <algorithm>
#include <cmath>

namespace {

constexpr int Largeur = 772;
constexpr int Hauteur = 215;
constexpr int IntervalleImage = 33; // about 30 frames a second

// Gears: the driving wheel and the pinion it turns, on a common line of centres.
constexpr int DentsMenante = 18;
constexpr int DentsMenee = 11;
constexpr double Module = 6.5;
const QPointF CentreMenante(100, 122);
constexpr double AngleEntraxe = -35.0;  // degrees, from the driving wheel towards the pinion
constexpr double VitesseMenante = 38.0; // degrees a second

// Crank-slider.
const QPointF PivotManivelle(548, 164);
constexpr double RayonManivelle = 32;
constexpr double LongueurBielle = 124;
constexpr double VitesseManivelle = -120.0;

const QRect ZoneEngrenages(28, 18, 204, 178);
const QRect ZoneBielleManivelle(506, 122, 256, 82);

const QColor Trait(232, 242, 255);
const QColor TraitDiscret(232, 242, 255, 70);
const QColor Accent(255, 200, 87);

// Title fades in, then its subtitle.
constexpr double DebutTitre = 0.3;
constexpr double DureeTitre = 1.4;
constexpr double DebutSousTitre = 1.1;
constexpr double DureeSousTitre = 1.4;

QPointF CentreMenee()
{
    const double entraxe = RayonPrimitif(DentsMenante, Module) + RayonPrimitif(DentsMenee, Module);
    return CentreMenante + Polaire(entraxe, qDegreesToRadians(AngleEntraxe));
}

double Progression(double t, double debut, double duree)
{
    const double x = std::clamp((t - debut) / duree, 0.0, 1.0);
    return x * x * (3 - 2 * x);
}

QPen StyloAxe(const QColor &couleur)
{
    QPen stylo(couleur, 1, Qt::CustomDashLine, Qt::FlatCap);
    stylo.setDashPattern({12, 3, 2, 3});
    return stylo;
}

QFont Police(int pixels, bool gras)
{
    QFont police(QStringLiteral("DejaVu Sans"));
    police.setPixelSize(pixels);
    police.setBold(gras);
    return police;
}

// A piece of text drawn once, with anti-aliasing, into a transparent picture.
QPixmap TexteEnImage(const QString &texte, const QFont &police, const QColor &couleur, qreal ratio)
{
    const QFontMetrics mesures(police);
    const QSize taille(mesures.horizontalAdvance(texte) + 8, mesures.height() + 4);
    QPixmap image(taille * ratio);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(police);
    p.setPen(couleur);
    p.drawText(QRect(QPoint(0, 0), taille), Qt::AlignCenter, texte);
    return image;
}

QRect ZoneTitre(const QPixmap &image, int y)
{
    const QSize taille = (QSizeF(image.size()) / image.devicePixelRatio()).toSize();
    return QRect(QPoint(400 - taille.width() / 2, y), taille);
}

constexpr int HautTitre = 30;
constexpr int HautSousTitre = 92;

} // namespace

AnimationOuverture::AnimationOuverture(QWidget *parent)
    : QWidget(parent), minuterie_(new QTimer(this)), roueMenante_(ProfilEngrenage(DentsMenante, Module, 11, 5)),
      roueMenee_(ProfilEngrenage(DentsMenee, Module, 7, 0))
{
    setFixedSize(Largeur, Hauteur);
    setAttribute(Qt::WA_OpaquePaintEvent);
    minuterie_->setInterval(IntervalleImage);
    connect(minuterie_, &QTimer::timeout, this, &AnimationOuverture::avancer);
}

double AnimationOuverture::secondes() const { return horloge_.isValid() ? horloge_.elapsed() / 1000.0 : 0.0; }

void AnimationOuverture::showEvent(QShowEvent *evenement)
{
    QWidget::showEvent(evenement);
    if (!horloge_.isValid())
        horloge_.start();
    minuterie_->start();
}

void AnimationOuverture::hideEvent(QHideEvent *evenement)
{
    minuterie_->stop();
    QWidget::hideEvent(evenement);
}

void AnimationOuverture::avancer()
{
    update(ZoneEngrenages);
    update(ZoneBielleManivelle);
    const double t = secondes();
    if (t < DebutSousTitre + DureeSousTitre + 0.2) {
        // The title rises a few pixels as it appears, the subtitle's underline grows below it.
        update(ZoneTitre(titre_, HautTitre).adjusted(0, 0, 0, 10));
        update(ZoneTitre(sousTitre_, HautSousTitre).adjusted(0, 0, 0, 6));
    }
}

void AnimationOuverture::preparerFond()
{
    const qreal ratio = devicePixelRatioF();
    fond_ = QPixmap(QSize(Largeur, Hauteur) * ratio);
    fond_.setDevicePixelRatio(ratio);
    QPainter p(&fond_);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient degrade(0, 0, Largeur, Hauteur);
    degrade.setColorAt(0, QColor(20, 62, 112));
    degrade.setColorAt(1, QColor(9, 33, 66));
    p.fillRect(rect(), degrade);

    // Drawing-sheet grid.
    for (int x = 0; x <= Largeur; x += 10) {
        p.setPen(QPen(QColor(255, 255, 255, x % 50 == 0 ? 30 : 13), 1));
        p.drawLine(QPointF(x + 0.5, 0), QPointF(x + 0.5, Hauteur));
    }
    for (int y = 0; y <= Hauteur; y += 10) {
        p.setPen(QPen(QColor(255, 255, 255, y % 50 == 0 ? 30 : 13), 1));
        p.drawLine(QPointF(0, y + 0.5), QPointF(Largeur, y + 0.5));
    }
    QRadialGradient vignette(QPointF(Largeur / 2.0, Hauteur / 2.0), Largeur * 0.6);
    vignette.setColorAt(0.55, QColor(0, 0, 0, 0));
    vignette.setColorAt(1, QColor(0, 0, 0, 90));
    p.fillRect(rect(), vignette);

    p.setPen(QPen(QColor(232, 242, 255, 90), 1));
    p.drawRect(QRectF(6.5, 6.5, Largeur - 13, Hauteur - 13));

    // Construction lines of the gears: centre lines, pitch circles, line of centres.
    const QPointF b = CentreMenee();
    p.setPen(StyloAxe(TraitDiscret));
    for (const auto &[centre, dents] : {std::pair{CentreMenante, DentsMenante}, std::pair{b, DentsMenee}}) {
        const double r = RayonPrimitif(dents, Module) + Module + 8;
        p.drawLine(centre - QPointF(r, 0), centre + QPointF(r, 0));
        p.drawLine(centre - QPointF(0, r), centre + QPointF(0, r));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(centre, RayonPrimitif(dents, Module), RayonPrimitif(dents, Module));
    }
    p.drawLine(CentreMenante, b);

    // The crank's frame: pivot bracket, path of the crank pin, slide axis and guides.
    p.setPen(StyloAxe(TraitDiscret));
    p.drawEllipse(PivotManivelle, RayonManivelle, RayonManivelle);
    p.drawLine(QPointF(PivotManivelle.x() - 40, PivotManivelle.y()), QPointF(758, PivotManivelle.y()));
    p.setPen(QPen(Trait, 1.5));
    const double yBati = PivotManivelle.y() + 18;
    p.drawLine(QPointF(PivotManivelle.x() - 16, yBati), QPointF(PivotManivelle.x() + 16, yBati));
    p.drawLine(PivotManivelle, QPointF(PivotManivelle.x() - 9, yBati));
    p.drawLine(PivotManivelle, QPointF(PivotManivelle.x() + 9, yBati));
    const double gaucheGuide = PivotManivelle.x() + LongueurBielle - RayonManivelle - 26;
    const double droiteGuide = PivotManivelle.x() + LongueurBielle + RayonManivelle + 26;
    for (const double y : {PivotManivelle.y() - 15, PivotManivelle.y() + 15})
        p.drawLine(QPointF(gaucheGuide, y), QPointF(droiteGuide, y));
    p.setPen(QPen(TraitDiscret, 1));
    for (double x = PivotManivelle.x() - 14; x <= PivotManivelle.x() + 14; x += 5)
        p.drawLine(QPointF(x, yBati), QPointF(x - 5, yBati + 6));
    for (double x = gaucheGuide + 4; x <= droiteGuide; x += 6) {
        p.drawLine(QPointF(x, PivotManivelle.y() - 15), QPointF(x - 5, PivotManivelle.y() - 21));
        p.drawLine(QPointF(x, PivotManivelle.y() + 15), QPointF(x - 5, PivotManivelle.y() + 21));
    }
}

void AnimationOuverture::preparerTitre()
{
    const qreal ratio = devicePixelRatioF();
    titre_ = TexteEnImage(QStringLiteral("Velkora"), Police(48, true), Trait, ratio);
    sousTitre_ = TexteEnImage(QStringLiteral("Du plan technique au schéma cinématique"), Police(16, false),
                              QColor(190, 215, 245), ratio);
}

void AnimationOuverture::dessinerEngrenages(QPainter &p, double t) const
{
    const double tourne = VitesseMenante * t;
    const double phaseMenee = AngleEntraxe + 180.0 - 180.0 / DentsMenee;
    const struct {
        QPointF centre;
        double angle;
        const QPainterPath &profil;
        QColor remplissage;
        QColor contour;
    } roues[] = {
        {CentreMenante, AngleEntraxe + tourne, roueMenante_, QColor(255, 255, 255, 40), Trait},
        {CentreMenee(), phaseMenee - tourne * DentsMenante / DentsMenee, roueMenee_, QColor(255, 200, 87, 70), Accent},
    };
    for (const auto &roue : roues)
        DessinerEngrenage(p, roue.profil, roue.centre, roue.angle, roue.remplissage, roue.contour);
}

void AnimationOuverture::dessinerBielleManivelle(QPainter &p, double t) const
{
    const double a = qDegreesToRadians(VitesseManivelle * t);
    const QPointF maneton = PivotManivelle + Polaire(RayonManivelle, a);
    const double hauteur = maneton.y() - PivotManivelle.y();
    const double xCoulisseau = maneton.x() + std::sqrt(LongueurBielle * LongueurBielle - hauteur * hauteur);
    const QPointF axeCoulisseau(xCoulisseau, PivotManivelle.y());

    p.setBrush(QColor(255, 200, 87, 60));
    p.setPen(QPen(Accent, 1.6));
    p.drawRoundedRect(QRectF(xCoulisseau - 24, PivotManivelle.y() - 13, 48, 26), 3, 3);
    p.setPen(QPen(Trait, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(maneton, axeCoulisseau);
    p.setPen(QPen(Trait, 7, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(PivotManivelle, maneton);
    p.setPen(QPen(Trait, 1.6));
    p.setBrush(QColor(20, 62, 112));
    for (const QPointF &articulation : {PivotManivelle, maneton, axeCoulisseau})
        p.drawEllipse(articulation, 4.5, 4.5);
}

void AnimationOuverture::paintEvent(QPaintEvent *evenement)
{
    if (fond_.isNull() || !qFuzzyCompare(fond_.devicePixelRatio(), devicePixelRatioF())) {
        preparerFond();
        preparerTitre();
    }
    const double t = secondes();
    const QRect zone = evenement->rect();
    QPainter p(this);
    const qreal ratio = fond_.devicePixelRatio();
    p.drawPixmap(zone.topLeft(), fond_, QRectF(QPointF(zone.topLeft()) * ratio, QSizeF(zone.size()) * ratio));
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);

    const QRect zoneTitre = ZoneTitre(titre_, HautTitre);
    const QRect zoneSousTitre = ZoneTitre(sousTitre_, HautSousTitre);
    if (zone.intersects(zoneTitre.adjusted(0, 0, 0, 10))) {
        p.setOpacity(Progression(t, DebutTitre, DureeTitre));
        p.drawPixmap(zoneTitre.topLeft() + QPoint(0, qRound(8 * (1 - p.opacity()))), titre_);
    }
    if (zone.intersects(zoneSousTitre.adjusted(0, 0, 0, 6))) {
        const double montee = Progression(t, DebutSousTitre, DureeSousTitre);
        p.setOpacity(montee);
        p.drawPixmap(zoneSousTitre.topLeft(), sousTitre_);
        // A drafting line drawn under the subtitle as it appears.
        const double demi = zoneSousTitre.width() / 2.0 * montee;
        p.setPen(QPen(Accent, 1.5));
        p.drawLine(QPointF(400 - demi, zoneSousTitre.bottom() + 3), QPointF(400 + demi, zoneSousTitre.bottom() + 3));
    }
    p.setOpacity(1);
    if (zone.intersects(ZoneEngrenages))
        dessinerEngrenages(p, t);
    if (zone.intersects(ZoneBielleManivelle))
        dessinerBielleManivelle(p, t);
}
