#include "GenerationEtau.h"

#include "PiecesEtau.h"
#include "PlanEtau.h"

#include "common/FichierIni.h"

#include <QFile>
#include <QHash>
#include <QImage>
#include <QSet>

namespace {

// Bits per pixel written in a BMP header, or 0 when the file is no BMP.
int ProfondeurBmp(const QString &chemin)
{
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray entete = fichier.read(30);
    if (entete.size() < 30 || !entete.startsWith("BM"))
        return 0;
    return static_cast<unsigned char>(entete[28]) | (static_cast<unsigned char>(entete[29]) << 8);
}

QImage LireBmp24(const QString &chemin, QStringList &fautes)
{
    if (ProfondeurBmp(chemin) != 24) {
        fautes << QStringLiteral("\"%1\" n'est pas un BMP 24 bits.").arg(chemin);
        return {};
    }
    return QImage(chemin).convertToFormat(QImage::Format_RGB888);
}

TColor CouleurPixel(const QImage &image, int x, int y)
{
    const uchar *p = image.constScanLine(y) + 3 * x;
    return RvbVersCouleur(Rvb{p[0], p[1], p[2]});
}

void VerifierDescripteur(const QString &chemin, QStringList &fautes)
{
    const FichierIni descripteur(chemin);
    if (descripteur.lireTexte(QStringLiteral("EXERCICE"), QStringLiteral("Nom")) != NomMecanismeEtau ||
        !descripteur.lireDrapeau(QStringLiteral("EXERCICE"), QStringLiteral("Exo1")) ||
        !descripteur.lireDrapeau(QStringLiteral("EXERCICE"), QStringLiteral("Validite")))
        fautes << QStringLiteral("Le descripteur \"%1\" ne se relit pas comme il a été écrit.").arg(chemin);
}

// The key colours as the presentation window will read them back.
QHash<int, TColor> LireCouleurs(const QString &chemin, QStringList &fautes)
{
    const FichierIni condition(chemin);
    QHash<int, TColor> couleurs;
    const int combien = condition.lireEntier(QStringLiteral("NOMBRE DE PIECES"), QStringLiteral("Combien"), 0);
    if (combien != static_cast<int>(PiecesEtau().size()))
        fautes << QStringLiteral("\"%1\" annonce %2 pièces au lieu de %3.").arg(chemin).arg(combien).arg(PiecesEtau().size());
    QSet<TColor> vues;
    for (const PieceEtau &piece : PiecesEtau()) {
        const auto lue = condition.lireCouleur(QStringLiteral("COULEUR"), QStringLiteral("Piece%1").arg(piece.repere),
                                               QStringLiteral("clWhite"));
        if (!lue.couleur || *lue.couleur != piece.couleurCle || piece.couleurCle == clWhite ||
            piece.couleurCle == clBlack || vues.contains(piece.couleurCle)) {
            fautes << QStringLiteral("La couleur de la pièce %1 est absente, blanche, noire ou déjà prise.").arg(piece.repere);
            continue;
        }
        vues.insert(piece.couleurCle);
        couleurs.insert(piece.repere, piece.couleurCle);
    }
    return couleurs;
}

void VerifierNomenclature(const QString &chemin, QStringList &fautes)
{
    const FichierIni nomenclature(chemin);
    for (const PieceEtau &piece : PiecesEtau()) {
        if (nomenclature.lireTexte(QStringLiteral("PIECE%1").arg(piece.repere), QStringLiteral("Designation")) !=
            piece.designation)
            fautes << QStringLiteral("La désignation de la pièce %1 ne se relit pas.").arg(piece.repere);
    }
}

// The zone map holds only white and key colours, every key colour is there, and each label of the
// drawing lies on a disc of its part's colour.
void VerifierTrame(const QImage &plan, const QImage &trame, const QHash<int, TColor> &couleurs, QStringList &fautes)
{
    if (plan.size() != trame.size() || plan.size() != TaillePlanEtau) {
        fautes << QStringLiteral("Le dessin (%1 × %2) et la trame (%3 × %4) n'ont pas la taille attendue.")
                      .arg(plan.width()).arg(plan.height()).arg(trame.width()).arg(trame.height());
        return;
    }
    QSet<TColor> cles;
    for (const TColor c : couleurs)
        cles.insert(c);
    QSet<TColor> presentes;
    qsizetype etrangers = 0;
    for (int y = 0; y < trame.height(); ++y) {
        for (int x = 0; x < trame.width(); ++x) {
            const TColor c = CouleurPixel(trame, x, y);
            if (cles.contains(c))
                presentes.insert(c);
            else if (c != clWhite)
                ++etrangers;
        }
    }
    if (etrangers > 0)
        fautes << QStringLiteral("La trame a %1 pixels ni blancs ni d'une couleur de pièce.").arg(etrangers);
    for (auto it = couleurs.cbegin(); it != couleurs.cend(); ++it) {
        if (!presentes.contains(it.value()))
            fautes << QStringLiteral("La couleur de la pièce %1 n'apparaît pas dans la trame.").arg(it.key());
    }
    for (const Repere &repere : ReperesEtau()) {
        const TColor cle = couleurs.value(repere.numero, clWhite);
        int encre = 0;
        bool couvert = true;
        for (int dy = -RayonRepere; dy <= RayonRepere; ++dy) {
            for (int dx = -RayonRepere; dx <= RayonRepere; ++dx) {
                if (dx * dx + dy * dy >= RayonRepere * RayonRepere)
                    continue;
                const int x = repere.centre.x() + dx;
                const int y = repere.centre.y() + dy;
                if (x < 0 || y < 0 || x >= trame.width() || y >= trame.height()) {
                    couvert = false;
                    continue;
                }
                couvert = couvert && CouleurPixel(trame, x, y) == cle;
                encre += CouleurPixel(plan, x, y) != clWhite;
            }
        }
        if (!couvert || encre == 0)
            fautes << QStringLiteral("Le repère %1 du dessin n'est pas couvert par sa couleur dans la trame.").arg(repere.numero);
    }
}

} // namespace

QStringList VerifierMecanismeEtau(const EcritureDemo &sortie)
{
    QStringList fautes;
    const QString d = DossierPresentationEtau;
    VerifierDescripteur(sortie.chemin(DescripteurEtau), fautes);
    const QHash<int, TColor> couleurs = LireCouleurs(sortie.chemin(d + QStringLiteral("condition.inf")), fautes);
    VerifierNomenclature(sortie.chemin(d + QStringLiteral("nomenclature.inf")), fautes);
    const QImage plan = LireBmp24(sortie.chemin(d + QStringLiteral("plan.bmp")), fautes);
    const QImage trame = LireBmp24(sortie.chemin(d + QStringLiteral("trame.bmp")), fautes);
    if (!plan.isNull() && !trame.isNull())
        VerifierTrame(plan, trame, couleurs, fautes);
    return fautes;
}
