#include "joint_graph/ImpressionGraphe.h"

#include <QFontMetrics>
#include <QPainter>

namespace {

constexpr int Marge = 8;
constexpr int HauteurLigneClasse = 22;
constexpr int CoteCarreClasse = 14;

QFont PoliceClasses()
{
    QFont police(QStringLiteral("DejaVu Sans"));
    police.setPixelSize(13);
    return police;
}

QRect Couvert(const GrapheImprime &g)
{
    QRect cadre;
    for (const auto &n : g.noeuds)
        cadre |= n.cadre;
    for (const auto &l : g.liens)
        cadre |= RectangleLien(l.geometrie, EpaisseurLienImprime);
    for (const auto &s : g.symboles)
        cadre |= s.cadre;
    return cadre.adjusted(-Marge, -Marge, Marge, Marge);
}

void PeindreGraphe(QPainter &p, const GrapheImprime &g, QRect couvert)
{
    p.fillRect(QRect(QPoint(0, 0), couvert.size()), Qt::white);
    p.translate(-couvert.topLeft());
    for (const auto &l : g.liens) {
        const auto moitie = [&p](QPoint depuis, QPoint vers, TColor couleur) {
            p.setPen(QPen(CouleurVersQColor(couleur), EpaisseurLienImprime, Qt::SolidLine, Qt::FlatCap));
            p.drawLine(depuis, vers);
        };
        moitie(l.geometrie.sortie, l.geometrie.milieu, l.couleurCe1);
        moitie(l.geometrie.entree, l.geometrie.milieu, l.couleurCe2);
    }
    for (const auto &n : g.noeuds)
        p.drawImage(n.cadre, n.image);
    // On the links the symbols are opaque, as the window shows them.
    for (const SymboleTourne &s : g.symboles) {
        p.fillRect(s.cadre, Qt::white);
        PeindreSymboleTourne(p, s);
    }
}

} // namespace

TravailImprime TravailGraphe(GrapheImprime graphe, const QString &mecanisme, const QString &exercice,
                             const QStringList &details)
{
    const QRect couvert = Couvert(graphe);
    const int hauteurClasses = int(graphe.classes.size()) * HauteurLigneClasse + Marge;
    // As wide as the longest name, so that no name is cut.
    int largeur = std::max(couvert.width(), 320);
    const QFontMetrics mesure(PoliceClasses());
    for (const auto &classe : graphe.classes)
        largeur = std::max(largeur, 3 * Marge + CoteCarreClasse + mesure.horizontalAdvance(classe.texte));
    const QSize taille(largeur, couvert.height() + hauteurClasses);
    return {mecanisme, exercice, details, QSizeF(taille), [graphe = std::move(graphe), couvert, taille](QPainter &p) {
                p.save();
                p.fillRect(QRect(QPoint(0, 0), taille), Qt::white);
                PeindreGraphe(p, graphe, couvert);
                p.restore();
                p.setFont(PoliceClasses());
                int y = couvert.height();
                for (const auto &classe : graphe.classes) {
                    const QRect carre(Marge, y + (HauteurLigneClasse - CoteCarreClasse) / 2, CoteCarreClasse,
                                      CoteCarreClasse);
                    p.fillRect(carre, CouleurVersQColor(classe.couleur));
                    p.setPen(Qt::black);
                    p.drawRect(carre);
                    p.drawText(QRect(2 * Marge + CoteCarreClasse, y, taille.width() - 3 * Marge - CoteCarreClasse,
                                     HauteurLigneClasse),
                               Qt::AlignLeft | Qt::AlignVCenter, classe.texte);
                    y += HauteurLigneClasse;
                }
            }};
}
