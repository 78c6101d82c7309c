#include "Mecanisme.h"

#include "PagesHtml.h"
#include "Planche.h"

namespace {

enum ClasseCompresseur {
    CarterCompresseur = 1,
    VilebrequinCompresseur,
    BielleCompresseur,
    PistonCompresseur,
    AxeCompresseur
};

// The section plane holds the crankshaft's axis and the cylinder's; the whole view sits 80 to the left
// of the coordinates below, to leave the title block free.
constexpr double Decalage = -80;

QPainterPath R(double x1, double y1, double x2, double y2) { return Rectangle(x1 + Decalage, y1, x2 + Decalage, y2); }

QPointF P(double x, double y) { return {x + Decalage, y}; }

void Roulement(Feuille &f, double x1, double x2)
{
    f.zone(5, CarterCompresseur);
    f.coupee(R(x1, 630, x2, 645), 45, 4);
    f.coupee(R(x1, 755, x2, 770), 45, 4);
    f.zone(5, VilebrequinCompresseur);
    f.coupee(R(x1, 663, x2, 675), 135, 4);
    f.coupee(R(x1, 725, x2, 737), 135, 4);
    const double x = (x1 + x2) / 2;
    f.noire(Disque(P(x, 654), 8));
    f.noire(Disque(P(x, 746), 8));
}

void DessinerVuesCompresseur(Feuille &f)
{
    QPainter &p = f.trait();

    f.zone(1, CarterCompresseur);
    f.coupee(R(380, 560, 440, 900)
                 .united(R(960, 560, 1020, 900))
                 .united(R(380, 860, 1020, 900))
                 .united(R(380, 520, 1020, 560))
                 .subtracted(R(600, 520, 800, 560))
                 .subtracted(R(380, 630, 440, 770))
                 .subtracted(R(960, 630, 1020, 770)),
             45, 10);
    f.zone(14, CarterCompresseur);
    f.coupee(R(360, 620, 380, 780), 135, 6);
    f.zone(14, CarterCompresseur);
    f.coupee(R(1020, 620, 1040, 780).subtracted(R(1020, 675, 1040, 725)), 135, 6);

    f.zone(4, VilebrequinCompresseur);
    f.vue(R(380, 675, 620, 725)
              .united(R(780, 675, 1150, 725))
              .united(R(620, 590, 650, 745))
              .united(R(750, 590, 780, 745))
              .united(R(650, 608, 750, 652)));
    p.setPen(TraitFin());
    p.drawLine(P(1135, 679), P(1150, 679));
    p.drawLine(P(1135, 721), P(1150, 721));
    Roulement(f, 380, 440);
    Roulement(f, 960, 1020);

    f.zone(2, CarterCompresseur);
    QPainterPath cylindre = R(580, 300, 620, 520).united(R(780, 300, 820, 520));
    for (double y = 310; y <= 470; y += 32)
        cylindre = cylindre.united(R(540, y, 580, y + 12)).united(R(820, y, 860, y + 12));
    f.coupee(cylindre, 135, 10);

    f.zone(3, CarterCompresseur);
    f.coupee(R(560, 250, 840, 300).subtracted(R(640, 250, 665, 300)).subtracted(R(735, 250, 760, 300)), 45, 8);
    for (const double x : {600.0, 800.0}) {
        f.zone(13, CarterCompresseur);
        DessinerVisCHc(f, P(x, 238), 90, VisCHc{12, 20, 12, 70, 30});
    }

    f.zone(7, PistonCompresseur);
    f.coupee(R(622, 330, 778, 445)
                 .subtracted(R(645, 355, 755, 445))
                 .united(R(645, 380, 672, 430))
                 .united(R(728, 380, 755, 430))
                 .subtracted(R(628, 388, 772, 412)),
             135, 8);
    f.zone(9, PistonCompresseur);
    for (const double y : {338.0, 356.0}) {
        f.coupee(R(622, y, 634, y + 8), 45, 3);
        f.coupee(R(766, y, 778, y + 8), 45, 3);
    }

    f.zone(6, BielleCompresseur);
    f.coupee(R(665, 588, 735, 608)
                 .united(R(665, 652, 735, 672))
                 .united(R(685, 412, 715, 588))
                 .united(R(672, 412, 728, 424))
                 .united(R(672, 376, 728, 388)),
             45, 6);
    f.zone(8, AxeCompresseur);
    f.vue(R(628, 388, 772, 412));

    f.zone(10, VilebrequinCompresseur);
    f.coupee(R(1070, 650, 1130, 675).united(R(1085, 580, 1115, 650)).united(R(1065, 560, 1135, 580)), 135, 8);
    f.coupee(R(1070, 725, 1130, 750).united(R(1085, 750, 1115, 820)).united(R(1065, 820, 1135, 840)), 135, 8);
    f.zone(11, VilebrequinCompresseur);
    f.vue(R(1075, 667, 1125, 675));
    f.zone(12, VilebrequinCompresseur);
    f.vue(R(1135, 660, 1160, 740));

    LigneAxe(p, P(340, 700), P(1180, 700));
    LigneAxe(p, P(700, 225), P(700, 680));
    LigneAxe(p, P(640, 630), P(760, 630));
    Texte(p, QRectF(P(560, 925), QSizeF(280, 30)), 20, true, QStringLiteral("COUPE A-A"));
}

std::vector<Repere> ReperesCompresseur()
{
    const auto r = [](int n, double lx, double ly, double cx, double cy) {
        return Repere{n, P(lx, ly).toPoint(), P(cx, cy).toPoint()};
    };
    return {r(1, 300, 840, 400, 820),    r(2, 430, 420, 560, 420),    r(3, 430, 200, 580, 270),
            r(4, 600, 950, 636, 740),    r(5, 300, 580, 410, 637),    r(6, 950, 520, 700, 500),
            r(7, 950, 380, 766, 438),    r(8, 950, 450, 765, 400),    r(9, 950, 310, 772, 342),
            r(10, 1200, 500, 1100, 570), r(11, 1250, 620, 1110, 671), r(12, 1250, 760, 1155, 735),
            r(13, 900, 160, 800, 244),   r(14, 300, 700, 370, 700)};
}

std::vector<PieceMecanisme> PiecesCompresseur()
{
    return {
        {1, 1, QStringLiteral("Carter"), QStringLiteral("EN AC-46000"), QStringLiteral("Moulé sous pression"),
         0x000000FF},
        {2, 1, QStringLiteral("Cylindre"), QStringLiteral("EN-GJL-250"), QStringLiteral("À ailettes, alésage rodé"),
         0x0000FF00},
        {3, 1, QStringLiteral("Culasse"), QStringLiteral("EN AC-46000"), QStringLiteral("Clapets non représentés"),
         0x00FF0000},
        {4, 1, QStringLiteral("Vilebrequin"), QStringLiteral("42CrMo4"), QStringLiteral("Forgé, portées rectifiées"),
         0x0000FFFF},
        {5, 2, QStringLiteral("Roulement à billes"), QStringLiteral("100Cr6"), QStringLiteral("6205"), 0x00FF00FF},
        {6, 1, QStringLiteral("Bielle"), QStringLiteral("EN AW-2017"), QString(), 0x00FFFF00},
        {7, 1, QStringLiteral("Piston"), QStringLiteral("EN AC-48000"), QString(), 0x000080FF},
        {8, 1, QStringLiteral("Axe de piston"), QStringLiteral("16NiCr6"),
         QStringLiteral("Flottant, arrêté par deux joncs"), 0x00FF8000},
        {9, 2, QStringLiteral("Segment"), QStringLiteral("EN-GJL-250"), QString(), 0x008000FF},
        {10, 1, QStringLiteral("Poulie"), QStringLiteral("EN-GJL-200"),
         QStringLiteral("Gorge pour courroie trapézoïdale"), 0x0000FF80},
        {11, 1, QStringLiteral("Clavette parallèle"), QStringLiteral("C45"), QStringLiteral("Forme A 6 × 6 × 25"),
         0x0080FF00},
        {12, 1, QStringLiteral("Écrou H M16"), QStringLiteral("Classe 8"), QStringLiteral("Arrête la poulie"),
         0x00FF0080},
        {13, 2, QStringLiteral("Vis CHc M8-40"), QStringLiteral("Classe 8.8"), QStringLiteral("ISO 4762"), 0x00008080},
        {14, 2, QStringLiteral("Couvercle de palier"), QStringLiteral("S235"), QStringLiteral("Vissé sur le carter"),
         0x00800080},
    };
}

// Crank, rod and piston drawn as the kinematic chain they make.
QImage ImagePrincipeCompresseur()
{
    QImage image(440, 320, QImage::Format_RGB888);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF o(220, 250);
    const QPointF maneton = o + QPointF(48, -28);
    const QPointF axe(220, 110);
    p.setPen(QPen(QColor(120, 130, 140), 2));
    p.setBrush(QColor(225, 232, 240));
    p.drawRect(QRectF(170, 40, 100, 130));
    p.setPen(QPen(QColor(38, 48, 60), 2));
    p.setBrush(QColor(170, 190, 210));
    p.drawRect(QRectF(176, 80, 88, 60));
    p.setPen(QPen(QColor(200, 60, 40), 6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(o, maneton);
    p.setPen(QPen(QColor(31, 78, 121), 6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(maneton, axe);
    p.setPen(QPen(QColor(38, 48, 60), 2));
    p.setBrush(Qt::white);
    for (const QPointF &c : {o, maneton, axe})
        p.drawEllipse(c, 6, 6);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(200, 60, 40), 2, Qt::DashLine));
    p.drawEllipse(o, 56, 56);
    p.setFont(PoliceDessin(13));
    p.setPen(QColor(27, 39, 51));
    p.drawText(QPointF(290, 260), QStringLiteral("vilebrequin"));
    p.drawText(QPointF(260, 190), QStringLiteral("bielle"));
    p.drawText(QPointF(280, 100), QStringLiteral("piston"));
    p.drawText(QPointF(180, 30), QStringLiteral("cylindre"));
    return image;
}

QString CorpsExplicationCompresseur()
{
    return QStringLiteral(R"(<h1>Compresseur d'air monocylindre</h1>
<p><img src="principe.png" width="440" height="320" alt="Vilebrequin, bielle et piston du compresseur"></p>
<p class="legende">La rotation du vilebrequin devient, par la bielle, le va-et-vient du piston.</p>
<h2>À quoi sert-il ?</h2>
<p>Ce compresseur d'atelier remplit d'air comprimé une cuve qui alimente des outils pneumatiques. Un moteur électrique
l'entraîne par une courroie posée dans la gorge de la poulie (10).</p>
<h2>Comment fonctionne-t-il ?</h2>
<p>La poulie, arrêtée en rotation par la clavette (11) et serrée par l'écrou (12), fait tourner le vilebrequin (4).
Celui-ci est porté par deux roulements à billes (5) logés dans les parois du carter (1) et fermés par les couvercles
de palier (14).</p>
<p>La bielle (6) relie le maneton du vilebrequin à l'axe de piston (8). L'axe est flottant : il peut tourner à la fois
dans le pied de bielle et dans les bossages du piston (7). Le piston, étanché par ses deux segments (9), monte et
descend dans le cylindre à ailettes (2), fermé par la culasse (3) et ses vis (13). En descendant il aspire l'air, en
montant il le comprime et le chasse vers la cuve par les clapets de la culasse.</p>
<h2>Les pièces</h2>
<p>Le compresseur compte quatorze repères. Dans l'onglet « Dessin technique », cliquez sur le numéro d'une pièce
pour connaître sa désignation, sa matière et le nombre d'exemplaires.</p>
<h2>Deux roulements pour un arbre</h2>
<p>Chaque roulement à billes est modélisé par une liaison sphérique (3 inconnues). Les deux liaisons sphériques en
parallèle entre le carter et le vilebrequin équivalent à une liaison pivot, qui n'en demande que 5 : elles en
apportent une de trop. C'est le cas d'école de l'hyperstatisme : l'effort axial se partage entre les deux roulements
de façon indéterminée, et le montage demande des cotes de position précises.</p>
)");
}

} // namespace

const Mecanisme &MecanismeCompresseur()
{
    static const Mecanisme compresseur{
        .souche = QStringLiteral("compresseur"),
        .nom = QStringLiteral("Compresseur d'air"),
        .reference = QStringLiteral("CA-03"),
        .echelle = QStringLiteral("1:1"),
        .difficulte = 3,
        .zoneDessin = QSize(1400, 990),
        .pieces = PiecesCompresseur(),
        .reperes = ReperesCompresseur(),
        .classes = {{QStringLiteral("Carter")},
                    {QStringLiteral("Vilebrequin")},
                    {QStringLiteral("Bielle")},
                    {QStringLiteral("Piston")},
                    {QStringLiteral("Axe de piston")}},
        .bati = CarterCompresseur,
        // Drawn in the section plane: the crankshaft, crank pin and piston pin lie across the sheet, the
        // cylinder's axis upright.
        .liaisons = {{CarterCompresseur, VilebrequinCompresseur, 7, 1, 0, QStringLiteral("le roulement (5) de gauche")},
                     {CarterCompresseur, VilebrequinCompresseur, 7, 1, 0, QStringLiteral("le roulement (5) de droite")},
                     {VilebrequinCompresseur, BielleCompresseur, 2, 1, 0,
                      QStringLiteral("la tête de bielle sur le maneton")},
                     {BielleCompresseur, AxeCompresseur, 2, 1, 0, QStringLiteral("l'axe dans le pied de bielle")},
                     {AxeCompresseur, PistonCompresseur, 2, 1, 0, QStringLiteral("l'axe dans les bossages du piston")},
                     {PistonCompresseur, CarterCompresseur, 5, 1, 90,
                      QStringLiteral("le piston dans le cylindre (2)")}},
        .etudePlane = false,
        .mobiliteExterne = 1,
        .mobiliteInterne = 1,
        .explicationMobilites =
            QStringLiteral("La mobilité utile est la rotation du vilebrequin, qui fait monter et descendre le piston : "
                           "me = 1. L'axe de piston peut tourner sur lui-même sans rien entraîner : mi = 1."),
        .hyperstatismeAttendu = 3,
        .typeTrame = 2,
        .transparence = 0,
        .dessinerVues = DessinerVuesCompresseur,
        .corpsExplication = CorpsExplicationCompresseur,
        .annexes =
            [] {
                return std::vector<AnnexePage>{{QStringLiteral("principe.png"), OctetsPng(ImagePrincipeCompresseur())}};
            },
    };
    return compresseur;
}
