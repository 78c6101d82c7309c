#include "CompresseurPlan.h"
#include "Mecanisme.h"

#include "PagesHtml.h"
#include "Planche.h"

namespace {

std::vector<PieceMecanisme> PiecesCompresseur()
{
    return {
        {1, 1, QStringLiteral("Carter"), QStringLiteral("EN AC-46000"), QStringLiteral("Moulé sous pression"),
         0x000000FF},
        {2, 1, QStringLiteral("Cylindre"), QStringLiteral("EN-GJL-250"), QStringLiteral("À ailettes, alésage rodé"),
         0x0000FF00},
        {3, 1, QStringLiteral("Culasse"), QStringLiteral("EN AC-46000"), QStringLiteral("Clapets non représentés"),
         0x00FF0000},
        {4, 2, QStringLiteral("Demi-vilebrequin"), QStringLiteral("42CrMo4"), QStringLiteral("Forgé, portée rectifiée"),
         0x0000FFFF},
        {5, 2, QStringLiteral("Roulement à billes"), QStringLiteral("100Cr6"),
         QStringLiteral("6205 : d 25, D 52, B 15"), 0x00FF00FF},
        {6, 1, QStringLiteral("Bielle"), QStringLiteral("EN AW-2017"), QString(), 0x00FFFF00},
        {7, 1, QStringLiteral("Piston"), QStringLiteral("EN AC-48000"), QString(), 0x000080FF},
        {8, 1, QStringLiteral("Axe de piston"), QStringLiteral("16NiCr6"),
         QStringLiteral("Flottant ; joncs d'arrêt non représentés"), 0x00FF8000},
        {9, 2, QStringLiteral("Segment"), QStringLiteral("EN-GJL-250"), QString(), 0x008000FF},
        {10, 1, QStringLiteral("Poulie"), QStringLiteral("EN-GJL-200"),
         QStringLiteral("Gorge pour courroie trapézoïdale"), 0x0000FF80},
        {11, 1, QStringLiteral("Clavette parallèle"), QStringLiteral("C45"), QStringLiteral("Forme A 6 × 6 × 25"),
         0x0080FF00},
        {12, 1, QStringLiteral("Écrou H M16"), QStringLiteral("Classe 8"), QStringLiteral("Arrête la poulie"),
         0x00FF0080},
        {13, 4, QStringLiteral("Vis CHc M8-90"), QStringLiteral("Classe 8.8"), QStringLiteral("ISO 4762"), 0x00008080},
        {14, 2, QStringLiteral("Couvercle de palier"), QStringLiteral("S235"),
         QStringLiteral("Fixé au carter par trois vis (16)"), 0x00800080},
        {15, 2, QStringLiteral("Anneau élastique pour arbre 25 × 1,2"), QStringLiteral("C75S"),
         QStringLiteral("DIN 471"), 0x00808000},
        {16, 6, QStringLiteral("Vis CHc M6-16"), QStringLiteral("Classe 8.8"), QStringLiteral("ISO 4762"), 0x00004080},
        {17, 1, QStringLiteral("Maneton"), QStringLiteral("16NiCr6"),
         QStringLiteral("Cémenté, emmanché à force dans les demi-vilebrequins"), 0x00804000},
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
l'entraîne par une courroie trapézoïdale posée dans la gorge de la poulie (10).</p>
<h2>Comment fonctionne-t-il ?</h2>
<p>La poulie, arrêtée en rotation par la clavette (11), est serrée par l'écrou (12) contre un épaulement du
vilebrequin, qu'elle fait tourner. Le vilebrequin est assemblé : deux demi-vilebrequins (4)
emmanchés à force sur le maneton (17).</p>
<p>Le vilebrequin est porté par deux roulements à billes (5), des 6205 : alésage 25 mm, diamètre extérieur 52 mm,
largeur 15 mm. Chaque roulement est arrêté en translation dans les deux sens : sa bague intérieure entre un épaulement
du vilebrequin et un anneau élastique (15), sa bague extérieure entre un épaulement du carter (1) et le centrage du
couvercle de palier (14), fixé par trois vis (16). Le couvercle n'appuie que sur la bague extérieure, qui ne tourne
pas, et laisse un jeu autour de l'arbre.</p>
<p>La bielle (6), d'une seule pièce, est enfilée sur le maneton avant l'emmanchement ; elle le relie à l'axe de piston
(8). L'axe est flottant : il peut tourner à la fois dans le pied de bielle et dans les bossages du piston (7). Le
piston, étanché par ses deux segments (9), monte et descend dans le cylindre à ailettes (2). La culasse (3), d'une
seule pièce, et le cylindre sont serrés sur le carter par quatre longues vis (13). En descendant le piston aspire
l'air, en montant il le comprime et le chasse vers la cuve par les clapets de la culasse.</p>
<h2>Les pièces</h2>
<p>Le compresseur compte %1 repères ; le plan est à l'échelle 1:1. Dans l'onglet « Dessin technique », cliquez sur le
numéro d'une pièce pour connaître sa désignation, sa matière et le nombre d'exemplaires.</p>
<p>Les éléments roulants ne sont jamais coupés : les billes sont dessinées entières, entre les deux bagues coupées.
Dans le coloriage par classes d'équivalence, elles se colorient avec la bague extérieure.</p>
<h2>D'où vient l'hyperstatisme ?</h2>
<p><b>Les deux roulements : 1.</b> Chaque roulement, arrêté en translation dans les deux sens, est modélisé par une
liaison sphérique (rotule) : 3 inconnues statiques. Les deux rotules en parallèle entre le carter et le vilebrequin
équivalent à une liaison pivot, qui n'en demande que 5 : 3 + 3 - 5 = 1 inconnue de trop. C'est l'effort axial : il se
partage entre les deux roulements de façon indéterminée, et la distance entre les épaulements du vilebrequin doit
s'accorder avec celle entre les épaulements du carter ; une dilatation de l'arbre charge les deux roulements.</p>
<p><b>La boucle bielle-manivelle : 2.</b> Remplaçons les deux roulements par leur pivot équivalent. Le carter, le
vilebrequin, la bielle, l'axe et le piston forment une seule boucle : quatre liaisons pivot (5 inconnues chacune) et
la liaison pivot glissant du piston dans le cylindre (4 inconnues), soit 4 × 5 + 4 = 24 inconnues pour 6 × 4 = 24
équations. Avec me = 1 et mi = 1, h = 1 + 1 + 24 - 24 = 2. Ce sont deux conditions de montage : le long de l'axe du
vilebrequin, la place de la tête de bielle sur le maneton doit s'accorder avec celle du piston dans le cylindre ; dans
le plan de la coupe, l'axe de piston doit rester parallèle au maneton. Les jeux de la tête et du pied de bielle les
absorbent.</p>
<p>En tout, h = 1 + 2 = 3.</p>
<p><b>Un autre modèle accepté.</b> On modélise aussi un arbre sur deux roulements à billes par une liaison sphérique et
une liaison linéaire annulaire (2 inconnues), comme si un seul des deux roulements arrêtait l'arbre en translation :
l'ensemble équivaut alors exactement à une liaison pivot (3 + 2 = 5), et il ne reste que les 2 de la boucle
bielle-manivelle, h = 2. « Vérifier mon graphe » accepte l'un et l'autre modèle.</p>
)")
        .arg(PiecesCompresseur().size());
}

constexpr int Spherique = 7;
constexpr int LineaireAnnulaire = 9;

// Drawn in the section plane: the crankshaft, crank pin and piston pin lie across the sheet, the
// cylinder's axis upright. The left bearing is a ball joint; the right one is given.
std::vector<LiaisonMecanisme> LiaisonsCompresseur(int roulementDroit)
{
    return {
        {CarterCompresseur, VilebrequinCompresseur, Spherique, 1, 0, QStringLiteral("le roulement (5) de gauche")},
        {CarterCompresseur, VilebrequinCompresseur, roulementDroit, 1, 0, QStringLiteral("le roulement (5) de droite")},
        {VilebrequinCompresseur, BielleCompresseur, 2, 1, 0, QStringLiteral("la tête de bielle sur le maneton")},
        {BielleCompresseur, AxeCompresseur, 2, 1, 0, QStringLiteral("l'axe dans le pied de bielle")},
        {AxeCompresseur, PistonCompresseur, 2, 1, 0, QStringLiteral("l'axe dans les bossages du piston")},
        {PistonCompresseur, CarterCompresseur, 5, 1, 90, QStringLiteral("le piston dans le cylindre (2)")}};
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
        .zoneDessin = ZoneDessinCompresseur,
        .pieces = PiecesCompresseur(),
        .reperes = ReperesCompresseur(),
        .classes = {{QStringLiteral("Carter")},
                    {QStringLiteral("Vilebrequin")},
                    {QStringLiteral("Bielle")},
                    {QStringLiteral("Piston")},
                    {QStringLiteral("Axe de piston")}},
        .bati = CarterCompresseur,
        .liaisons = LiaisonsCompresseur(Spherique),
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
        // The left bearing alone stops the shaft in translation.
        .autresModeles = {LiaisonsCompresseur(LineaireAnnulaire)},
    };
    return compresseur;
}
