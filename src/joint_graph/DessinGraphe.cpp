#include "joint_graph/DessinGraphe.h"

#include "common/FPti.h"

#include <QPainter>
#include <array>

namespace {

struct LigneNoire {
    int premiereLigne;
    int derniereLigne;
    int premiereColonne;
    int derniereColonne;
    int pas;
};

QImage dessinerBati()
{
    constexpr std::array<LigneNoire, 5> traits{{
        {3, 11, 12, 12, 1}, // the stem
        {12, 12, 3, 21, 1}, // the ground line
        {13, 13, 3, 21, 3}, // hatching, three rows slanting down to the right
        {14, 15, 4, 19, 3},
        {16, 17, 5, 20, 3},
    }};
    QImage image(25, 21, QImage::Format_RGB888);
    image.fill(Qt::white);
    for (const LigneNoire &t : traits) {
        for (int y = t.premiereLigne; y <= t.derniereLigne; ++y) {
            uchar *ligne = image.scanLine(y);
            for (int x = t.premiereColonne; x <= t.derniereColonne; x += t.pas)
                ligne[3 * x] = ligne[3 * x + 1] = ligne[3 * x + 2] = 0;
        }
    }
    return image;
}

TColor couleurDe(QRgb rgb)
{
    return RvbVersCouleur({std::uint8_t(qRed(rgb)), std::uint8_t(qGreen(rgb)), std::uint8_t(qBlue(rgb))});
}

} // namespace

const QImage &ImageBati()
{
    static const QImage image = dessinerBati();
    return image;
}

QImage ImageNoeud(const QImage &classe, TColor couleur, bool bati)
{
    QImage image = classe.convertToFormat(QImage::Format_RGB888);
    if (couleur != clWhite) {
        QPainter peintre(&image);
        peintre.fillRect(QRect(0, 0, CoteCarreCouleur, CoteCarreCouleur), CouleurVersQColor(couleur));
    }
    if (bati) {
        const QImage &symbole = ImageBati();
        const int x0 = image.width() - symbole.width();
        const int y0 = image.height() - symbole.height();
        for (int y = qMax(0, -y0); y < symbole.height() && y0 + y < image.height(); ++y) {
            const uchar *source = symbole.constScanLine(y);
            uchar *cible = image.scanLine(y0 + y);
            for (int x = qMax(0, -x0); x < symbole.width() && x0 + x < image.width(); ++x) {
                for (int c = 0; c < 3; ++c)
                    cible[3 * (x0 + x) + c] &= source[3 * x + c];
            }
        }
    }
    return image;
}

TColor CouleurExtremite(const GrapheLiaisons &graphe, int ce)
{
    return GrapheLiaisons::NumeroCeValide(ce) ? graphe.Ce(ce).Couleur : clBlack;
}

QImage SymboleColore(const QImage &symbole, TColor couleurCe1, TColor couleurCe2)
{
    QImage image = symbole.convertToFormat(QImage::Format_RGB888);
    CopierColorBmpToColorImage(image, image, couleurDe(LiaisonNormalisee::MarqueCe1), couleurCe1);
    CopierColorBmpToColorImage(image, image, couleurDe(LiaisonNormalisee::MarqueCe2), couleurCe2);
    return image;
}

QImage SymboleLiaison(const LiaisonNormalisee &catalogue, const GrapheLiaisons &graphe, int liaison)
{
    const TLiaison &l = graphe.Liaison(liaison);
    const QImage &symbole = catalogue.Symbole(l.Liaison3D, l.Liaison2D);
    if (l.Liaison3D == 0 || symbole.isNull())
        return {};
    const QImage colore = SymboleColore(symbole, CouleurExtremite(graphe, l.Ce1), CouleurExtremite(graphe, l.Ce2));
    QImage tourne;
    RotationBmp(colore, tourne, clWhite, l.Inclineaison);
    return tourne;
}

std::optional<GeometrieLien> LienLiaison(const GrapheLiaisons &graphe, int a, const QRect &noeud1, const QRect &noeud2,
                                         QSize symbole)
{
    constexpr int EcartSymboles = 4;
    const TLiaison &l = graphe.Liaison(a);
    int rang = 0;
    for (int i = 1; i < a; ++i) {
        const TLiaison &autre = graphe.Liaison(i);
        if ((autre.Ce1 == l.Ce1 && autre.Ce2 == l.Ce2) || (autre.Ce1 == l.Ce2 && autre.Ce2 == l.Ce1))
            ++rang;
    }
    const auto droit = CalculerLien(noeud1, noeud2);
    if (rang == 0 || !droit)
        return droit;
    return CalculerLien(noeud1, noeud2, rang * PasEntreLiens(droit->direction, symbole, EcartSymboles));
}
