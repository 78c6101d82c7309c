#include "GenerationMecanisme.h"

#include "Planche.h"

#include "common/DossierProgramme.h"
#include "common/FichierIni.h"
#include "joint_graph/ComparaisonGraphe.h"
#include "joint_graph/ExerciceGraphe.h"
#include "joint_graph/FichierGdl.h"
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

// A model of the joints as the window reads it: its mechanism, its classes and frame, and each joint
// as the description gives it, with the plane view the diagram needs. Gives the graph when it reads so.
std::optional<GrapheLiaisons> LireModele(const QString &chemin, const Mecanisme &m,
                                         const std::vector<LiaisonMecanisme> &liaisons, QStringList &fautes)
{
    LectureGdl lecture = LireGdl(chemin);
    if (!lecture.reussie()) {
        fautes << QStringLiteral("\"%1\" : %2").arg(chemin, lecture.erreur);
        return std::nullopt;
    }
    const GrapheLiaisons &graphe = lecture.graphe;
    if (lecture.mecanisme != m.souche || graphe.NbrCe() != static_cast<int>(m.classes.size()) ||
        graphe.NbrLiaison() != static_cast<int>(liaisons.size())) {
        fautes << QStringLiteral("L'en-tête de \"%1\" ne se relit pas comme il a été écrit.").arg(chemin);
        return std::nullopt;
    }
    for (int n = 1; n <= graphe.NbrCe(); ++n) {
        if (graphe.Ce(n).Bati != (n == m.bati))
            fautes << QStringLiteral("La classe %1 de \"%2\" ne se relit pas avec son bâti.").arg(n).arg(chemin);
    }
    for (int n = 1; n <= graphe.NbrLiaison(); ++n) {
        const LiaisonMecanisme &voulue = liaisons[std::size_t(n - 1)];
        const TLiaison &l = graphe.Liaison(n);
        if (l != TLiaison{voulue.ce1, voulue.ce2, voulue.type, voulue.vue, voulue.inclinaison} || l.Ce1 < 1 ||
            l.Ce2 < 1 || l.Liaison3D < 1 || l.Liaison2D < 1)
            fautes << QStringLiteral("La liaison %1 de \"%2\" n'est pas projetée ou relie mal ses classes.")
                          .arg(n)
                          .arg(chemin);
    }
    return lecture.graphe;
}

// The correction as the window reads it, and its degree of hyperstatism worked out as the window works
// it out: the study that the graph exercise's condition.inf asks for, the program's own calculation on
// the delivered catalogue, the mobilities the page gives. It must be what the page states. The other
// accepted models are found as the window finds them, and must be read and studied as well.
void VerifierCorrection(const QString &dossierSchema, const QString &dossierGraphe, const Mecanisme &m,
                        const QString &dossierCatalogue, QStringList &fautes)
{
    const QString chemin = dossierSchema + NomModeleCorrection(1);
    const auto graphe = LireModele(chemin, m, m.liaisons, fautes);
    if (!graphe)
        return;
    // The window opens the graph exercise that the file names: the one written here.
    if (graphe->DossierExercice != dossierGraphe) {
        fautes << QStringLiteral("\"%1\" désigne le dossier \"%2\" au lieu de \"%3\".")
                      .arg(chemin, graphe->DossierExercice, dossierGraphe);
        return;
    }
    const auto condition = LireConditionGraphe(graphe->DossierExercice);
    if (const QString *refus = std::get_if<QString>(&condition)) {
        fautes << QStringLiteral("\"%1\" : %2").arg(dossierGraphe, *refus);
        return;
    }
    const EtudeExercice etude = std::get<ConditionGraphe>(condition).etude;
    if (etude != (m.etudePlane ? EtudeExercice::Plane : EtudeExercice::Spatiale))
        fautes << QStringLiteral("Le graphe des liaisons de \"%1\" ne demande pas l'étude %2.")
                      .arg(m.souche, m.etudePlane ? QStringLiteral("plane") : QStringLiteral("spatiale"));
    LiaisonNormalisee catalogue;
    if (const auto erreur = catalogue.Charger(dossierCatalogue)) {
        fautes << *erreur;
        return;
    }
    const auto donnees = PreparerHyperstatisme(*graphe, catalogue, etude);
    if (const auto *refus = std::get_if<RefusHyperstatisme>(&donnees)) {
        fautes << QStringLiteral("\"%1\" : %2").arg(chemin, refus->message);
        return;
    }
    const auto &d = std::get<DonneesHyperstatisme>(donnees);
    const std::int64_t h = DegreHyperstatisme(d, m.mobiliteExterne, m.mobiliteInterne);
    if (h != m.hyperstatismeAttendu || !d.batiRelie || (d.k == 3) != m.etudePlane)
        fautes << QStringLiteral(
                      "La correction de \"%1\" donne h = %2 (k = %3) ; la page de description annonce h = %4.")
                      .arg(m.souche)
                      .arg(h)
                      .arg(d.k)
                      .arg(m.hyperstatismeAttendu);
    // The page works h out from the description: the same number.
    const EtudeHyperstatisme page =
        EtudierHyperstatisme(m, InconnuesCatalogue(dossierCatalogue + QStringLiteral("liaison.inf")));
    if (page.h != m.hyperstatismeAttendu)
        fautes << QStringLiteral("La page de description de \"%1\" calcule h = %2 et en annonce %3.")
                      .arg(m.souche)
                      .arg(page.h)
                      .arg(m.hyperstatismeAttendu);

    const QStringList modeles = CheminsModelesCorrection(dossierSchema);
    if (modeles.size() != static_cast<qsizetype>(m.autresModeles.size()) + 1)
        fautes << QStringLiteral("La fenêtre trouve %1 modèles de liaisons de \"%2\" au lieu de %3.")
                      .arg(modeles.size())
                      .arg(m.souche)
                      .arg(m.autresModeles.size() + 1);
    for (std::size_t i = 0; i < m.autresModeles.size(); ++i) {
        const QString autre = dossierSchema + NomModeleCorrection(static_cast<int>(i) + 2);
        const auto modele = LireModele(autre, m, m.autresModeles[i], fautes);
        if (!modele)
            continue;
        const auto etudie = PreparerHyperstatisme(*modele, catalogue, etude);
        if (const auto *refus = std::get_if<RefusHyperstatisme>(&etudie))
            fautes << QStringLiteral("\"%1\" : %2").arg(autre, refus->message);
    }
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
    // The mechanism is read as the program reads it installed: its folder beside the program.
    DefinirDossierProgramme(sortie.chemin(QString()));
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
    VerifierCorrection(racine + QStringLiteral("schema_cinematique/"), racine + QStringLiteral("graphe_des_liaisons/"),
                       m, dossierCatalogue, fautes);
    VerifierSchema(racine + QStringLiteral("schema_cinematique/"), m, fautes);
    return fautes;
}
