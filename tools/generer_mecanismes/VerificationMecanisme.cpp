#include "GenerationMecanisme.h"

#include "Planche.h"

#include "common/FichierIni.h"
#include "joint_graph/Hyperstatisme.h"
#include "joint_graph/LiaisonNormalisee.h"

#include <QFile>
#include <QHash>
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
    const QImage image = QImage(chemin).convertToFormat(QImage::Format_RGB888);
    if (image.size() != TaillePlanche)
        fautes << QStringLiteral("\"%1\" mesure %2 × %3 au lieu de %4 × %5.")
                      .arg(chemin)
                      .arg(image.width())
                      .arg(image.height())
                      .arg(TaillePlanche.width())
                      .arg(TaillePlanche.height());
    return image.size() == TaillePlanche ? image : QImage();
}

TColor CouleurPixel(const QImage &image, int x, int y)
{
    const uchar *p = image.constScanLine(y) + 3 * x;
    return RvbVersCouleur(Rvb{p[0], p[1], p[2]});
}

// How many pixels of each colour the picture holds.
QHash<TColor, qsizetype> Histogramme(const QImage &image)
{
    QHash<TColor, qsizetype> compte;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++compte[CouleurPixel(image, x, y)];
    return compte;
}

void VerifierDescripteur(const QString &chemin, const Mecanisme &m, QStringList &fautes)
{
    const FichierIni d(chemin);
    const QString e = QStringLiteral("EXERCICE");
    bool juste = d.lireTexte(e, QStringLiteral("Nom")) == m.nom && d.lireDrapeau(e, QStringLiteral("Validite")) &&
                 d.lireEntier(QStringLiteral("MENU"), QStringLiteral("Difficulte"), 0) == m.difficulte;
    for (int n = 1; n <= 5; ++n)
        juste = juste && d.lireDrapeau(e, QStringLiteral("Exo%1").arg(n));
    if (!juste)
        fautes << QStringLiteral("Le descripteur \"%1\" ne se relit pas comme il a été écrit.").arg(chemin);
}

// The labels' key colours as the presentation reads them, and each label on a disc of its colour.
void VerifierPresentation(const QString &dossier, const Mecanisme &m, QStringList &fautes)
{
    const FichierIni condition(dossier + QStringLiteral("condition.inf"));
    const FichierIni nomenclature(dossier + QStringLiteral("nomenclature.inf"));
    if (condition.lireEntier(QStringLiteral("NOMBRE DE PIECES"), QStringLiteral("Combien"), 0) !=
        static_cast<int>(m.pieces.size()))
        fautes << QStringLiteral("\"%1condition.inf\" n'annonce pas %2 pièces.").arg(dossier).arg(m.pieces.size());
    QSet<TColor> vues;
    QHash<int, TColor> couleurs;
    for (std::size_t i = 0; i < m.pieces.size(); ++i) {
        const PieceMecanisme &piece = m.pieces[i];
        if (piece.repere != static_cast<int>(i) + 1)
            fautes << QStringLiteral("La pièce %1 de la liste porte le repère %2.").arg(i + 1).arg(piece.repere);
        const auto lue = condition.lireCouleur(QStringLiteral("COULEUR"), QStringLiteral("Piece%1").arg(piece.repere),
                                               QStringLiteral("clWhite"));
        if (!lue.couleur || *lue.couleur != piece.couleurCle || piece.couleurCle == clWhite ||
            piece.couleurCle == clBlack || vues.contains(piece.couleurCle))
            fautes << QStringLiteral("La couleur de la pièce %1 est absente, blanche, noire ou déjà prise.")
                          .arg(piece.repere);
        vues.insert(piece.couleurCle);
        couleurs.insert(piece.repere, piece.couleurCle);
        if (nomenclature.lireTexte(QStringLiteral("PIECE%1").arg(piece.repere), QStringLiteral("Designation")) !=
            piece.designation)
            fautes << QStringLiteral("La désignation de la pièce %1 ne se relit pas.").arg(piece.repere);
    }
    const QImage plan = LireBmp24(dossier + QStringLiteral("plan.bmp"), fautes);
    const QImage trame = LireBmp24(dossier + QStringLiteral("trame.bmp"), fautes);
    if (plan.isNull() || trame.isNull())
        return;
    const QHash<TColor, qsizetype> compte = Histogramme(trame);
    for (auto it = compte.cbegin(); it != compte.cend(); ++it) {
        if (it.key() != clWhite && !vues.contains(it.key()))
            fautes << QStringLiteral("La trame de la présentation a %1 pixels d'une couleur d'aucune pièce.")
                          .arg(it.value());
    }
    const QTransform t = TransformationPlanche(m);
    for (const Repere &repere : m.reperes) {
        const TColor cle = couleurs.value(repere.numero, clWhite);
        const QPoint centre = t.map(QPointF(repere.centre)).toPoint();
        const int rayon = static_cast<int>(RayonRepere * t.m11()) - 1;
        bool couvert = couleurs.contains(repere.numero);
        int encre = 0;
        for (int dy = -rayon; dy <= rayon && couvert; ++dy) {
            for (int dx = -rayon; dx <= rayon; ++dx) {
                if (dx * dx + dy * dy >= rayon * rayon)
                    continue;
                const int x = centre.x() + dx;
                const int y = centre.y() + dy;
                couvert = couvert && trame.rect().contains(x, y) && CouleurPixel(trame, x, y) == cle;
                encre += couvert && CouleurPixel(plan, x, y) != clWhite;
            }
        }
        if (!couvert || encre == 0)
            fautes << QStringLiteral("Le repère %1 du dessin n'est pas couvert par sa couleur dans la trame.")
                          .arg(repere.numero);
    }
}

// Every zone can be clicked, every part and class has a zone, and the solutions cover each zone once.
void VerifierColoriage(const QString &dossier, const Mecanisme &m, bool parClasse, QStringList &fautes)
{
    const FichierIni condition(dossier + QStringLiteral("condition.inf"));
    const FichierIni solution(dossier + QStringLiteral("solution.inf"));
    const int z = condition.lireEntier(QStringLiteral("NOMBRE DE ZONES"), QStringLiteral("Combien"), 0);
    const int n = condition.lireEntier(QStringLiteral("NOMBRE DE COULEURS"), QStringLiteral("Combien"), 0);
    const int attendu = static_cast<int>(parClasse ? m.classes.size() : m.pieces.size());
    if (n != attendu || z < 1 || z > 1000)
        fautes << QStringLiteral("\"%1condition.inf\" annonce %2 zones et %3 couleurs.").arg(dossier).arg(z).arg(n);
    const QImage trame = LireBmp24(dossier + QStringLiteral("trame.bmp"), fautes);
    if (trame.isNull())
        return;
    const QHash<TColor, qsizetype> compte = Histogramme(trame);
    QSet<TColor> cles;
    for (int k = 1; k <= z; ++k) {
        const auto lue = condition.lireCouleur(QStringLiteral("COULEUR"), QStringLiteral("Zone%1").arg(k),
                                               QStringLiteral("ClBlack"));
        if (!lue.couleur || *lue.couleur == clWhite || *lue.couleur == clBlack || cles.contains(*lue.couleur)) {
            fautes << QStringLiteral("La couleur de la zone %1 de \"%2\" est absente, blanche, noire ou déjà prise.")
                          .arg(k)
                          .arg(dossier);
            continue;
        }
        cles.insert(*lue.couleur);
        if (compte.value(*lue.couleur) < PixelsMinimumZone)
            fautes << QStringLiteral("La zone %1 de \"%2\" n'a que %3 pixels : elle est cachée par une autre pièce.")
                          .arg(k)
                          .arg(dossier)
                          .arg(compte.value(*lue.couleur));
    }
    for (auto it = compte.cbegin(); it != compte.cend(); ++it) {
        if (it.key() != clWhite && it.key() != clBlack && !cles.contains(it.key()))
            fautes << QStringLiteral("La trame de \"%1\" a %2 pixels d'une couleur d'aucune zone.")
                          .arg(dossier)
                          .arg(it.value());
    }
    std::vector<int> couvertures(static_cast<std::size_t>(std::max(z, 0)), 0);
    for (int h = 1; h <= n; ++h) {
        const QString s = solution.lireTexte(QStringLiteral("SOLUTIONS"), QStringLiteral("Solution%1").arg(h));
        if (s.size() != z || !s.contains(u'1')) {
            fautes << QStringLiteral("La solution %1 de \"%2\" n'a pas %3 caractères dont au moins un 1.")
                          .arg(h)
                          .arg(dossier)
                          .arg(z);
            continue;
        }
        for (int k = 0; k < z; ++k)
            couvertures[std::size_t(k)] += s[k] == u'1';
    }
    for (int k = 0; k < z; ++k) {
        if (couvertures[std::size_t(k)] != 1)
            fautes << QStringLiteral("La zone %1 de \"%2\" est dans %3 solutions.")
                          .arg(k + 1)
                          .arg(dossier)
                          .arg(couvertures[std::size_t(k)]);
    }
}

// The correction as the graph reads it, and its degree of hyperstatism worked out with the program's
// own calculation on the delivered catalogue: the one the description page states.
void VerifierCorrection(const QString &chemin, const Mecanisme &m, const QString &dossierCatalogue, QStringList &fautes)
{
    const FichierIni gdl(chemin);
    const QString en = QStringLiteral("MECANISME");
    GrapheLiaisons graphe;
    if (gdl.lireTexte(en, QStringLiteral("Mecanisme")) != m.souche ||
        !graphe.DefinirNbrCe(gdl.lireEntier(en, QStringLiteral("NbrCe"), 0)) ||
        graphe.NbrCe() != static_cast<int>(m.classes.size()) ||
        gdl.lireEntier(en, QStringLiteral("NbrLiaison"), 0) != static_cast<int>(m.liaisons.size())) {
        fautes << QStringLiteral("L'en-tête de \"%1\" ne se relit pas comme il a été écrit.").arg(chemin);
        return;
    }
    for (int n = 1; n <= graphe.NbrCe(); ++n)
        graphe.Ce(n).Bati = gdl.lireDrapeau(QStringLiteral("Ce%1").arg(n), QStringLiteral("Bati"));
    for (int n = 1; n <= static_cast<int>(m.liaisons.size()); ++n) {
        const QString s = QStringLiteral("Liaison%1").arg(n);
        TLiaison &l = graphe.Liaison(graphe.AjouterLiaison());
        l.Ce1 = gdl.lireEntier(s, QStringLiteral("Ce1"), 0);
        l.Ce2 = gdl.lireEntier(s, QStringLiteral("Ce2"), 0);
        l.Liaison3D = gdl.lireEntier(s, QStringLiteral("Liaison3D"), 0);
        l.Liaison2D = gdl.lireEntier(s, QStringLiteral("Liaison2D"), 0);
        if (l.Ce1 < 1 || l.Ce2 < 1 || l.Ce1 > graphe.NbrCe() || l.Ce2 > graphe.NbrCe() || l.Ce1 == l.Ce2 ||
            l.Liaison3D < 1 || l.Liaison3D > NbrLiaisonNormaliseeMax || l.Liaison2D < 1 || l.Liaison2D > NbrVueMax)
            fautes << QStringLiteral("La liaison %1 de \"%2\" n'est pas projetée ou relie mal ses classes.")
                          .arg(n)
                          .arg(chemin);
        // A study in space counts each joint's unknowns in space; the plane view only draws the diagram.
        if (!m.etudePlane)
            l.Liaison2D = 0;
    }
    LiaisonNormalisee catalogue;
    if (const auto erreur = catalogue.Charger(dossierCatalogue)) {
        fautes << *erreur;
        return;
    }
    const auto donnees = PreparerHyperstatisme(graphe, catalogue);
    if (const auto *refus = std::get_if<RefusHyperstatisme>(&donnees)) {
        fautes << QStringLiteral("\"%1\" : %2").arg(chemin, refus->message);
        return;
    }
    const auto &d = std::get<DonneesHyperstatisme>(donnees);
    const int h = m.mobiliteExterne + m.mobiliteInterne + d.is - d.k * d.n;
    if (h != m.hyperstatismeAttendu || !d.batiRelie || (d.k == 3) != m.etudePlane)
        fautes << QStringLiteral(
                      "La correction de \"%1\" donne h = %2 (k = %3) ; la page de description annonce h = %4.")
                      .arg(m.souche)
                      .arg(h)
                      .arg(d.k)
                      .arg(m.hyperstatismeAttendu);
}

void VerifierSchema(const QString &dossier, const Mecanisme &m, QStringList &fautes)
{
    const QImage trame = LireBmp24(dossier + QStringLiteral("trame.bmp"), fautes);
    if (trame.isNull())
        return;
    const QHash<TColor, qsizetype> compte = Histogramme(trame);
    const FichierIni condition(dossier + QStringLiteral("condition.inf"));
    for (int n = 1; n <= static_cast<int>(m.classes.size()); ++n) {
        const auto lue =
            condition.lireCouleur(QStringLiteral("TRAME"), QStringLiteral("ce%1").arg(n), QStringLiteral("ClWhite"));
        if (!lue.couleur || compte.value(*lue.couleur) < PixelsMinimumZone)
            fautes << QStringLiteral("La classe %1 n'est pas marquée dans la trame de \"%2\".").arg(n).arg(dossier);
    }
}

} // namespace

QStringList VerifierMecanisme(const EcritureDemo &sortie, const Mecanisme &m, const QString &dossierCatalogue)
{
    QStringList fautes;
    const QString racine = sortie.chemin(m.souche + u'/');
    VerifierDescripteur(sortie.chemin(m.souche + QStringLiteral(".sch")), m, fautes);
    VerifierPresentation(racine + QStringLiteral("presentation/"), m, fautes);
    VerifierColoriage(racine + QStringLiteral("coloriage_p/"), m, false, fautes);
    VerifierColoriage(racine + QStringLiteral("coloriage_ce/"), m, true, fautes);
    const FichierIni graphe(racine + QStringLiteral("graphe_des_liaisons/condition.inf"));
    const int nbrCe =
        graphe.lireEntier(QStringLiteral("NOMBRE DE CLASSES D EQUIVALENCE"), QStringLiteral("Combien"), 0);
    if (nbrCe != static_cast<int>(m.classes.size()) || nbrCe < 2 || nbrCe > NbrCeMax)
        fautes << QStringLiteral("Le graphe des liaisons de \"%1\" annonce %2 classes.").arg(m.souche).arg(nbrCe);
    for (int n = 1; n <= std::min(nbrCe, NbrCeMax); ++n) {
        if (ProfondeurBmp(racine + QStringLiteral("graphe_des_liaisons/%1.bmp").arg(n)) != 24)
            fautes
                << QStringLiteral("L'image de la classe %1 de \"%2\" n'est pas un BMP 24 bits.").arg(n).arg(m.souche);
    }
    VerifierCorrection(racine + QStringLiteral("schema_cinematique/correction.gdl"), m, dossierCatalogue, fautes);
    VerifierSchema(racine + QStringLiteral("schema_cinematique/"), m, fautes);
    return fautes;
}
