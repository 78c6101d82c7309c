#include "atelier/EcritureExercices.h"

#include "atelier/CouleursMecanisme.h"
#include "atelier/EcritureFichiers.h"
#include "atelier/ImageClasse.h"
#include "atelier/IniAtelier.h"
#include "atelier/PagesMecanisme.h"
#include "atelier/TextesMecanisme.h"
#include "colouring/ExerciceColoriage.h"
#include "diagram/SchemaCinematique.h"
#include "joint_graph/ExerciceGraphe.h"
#include "joint_graph/NomMecanisme.h"
#include "presentation/LecturePresentation.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString SectionImprimer = QStringLiteral("IMPRIMER");
const QString CleVisible = QStringLiteral("Visible");
const QString CleCombien = QStringLiteral("Combien");
const QString PageAide = QStringLiteral("aide.htm");
// The help of the colouring exercises is offered from the second check on.
const QString SeuilAide = QStringLiteral("2");
// The diagram is drawn over the tinted drawing, faded enough for the strokes to stand out.
const QString TypeTrameInitial = QString::number(TrameDessin);
const QString TransparenceInitiale = QStringLiteral("-40");

const QString TexteDossierImpossible = QStringLiteral("Impossible de créer le dossier \"%1\".");
const QString TexteModeleExplication = QStringLiteral(
    "<h1>%1</h1>\n<p>Décrivez ici le rôle du mécanisme et son fonctionnement : ce qui entre, ce qui sort, ce que "
    "l'utilisateur manœuvre.</p>\n<h2>Nomenclature</h2>\n<p>Le mécanisme compte %2 pièces. Cliquez sur le numéro "
    "d'une pièce, dans l'onglet « Dessin technique », pour retrouver sa ligne.</p>\n<table border=\"1\" "
    "cellspacing=\"0\">\n<tr><th>Repère</th><th>Nombre</th><th>Désignation</th><th>Matière</th>"
    "<th>Observation</th></tr>\n%3</table>\n");

// The exercise folder, made when missing; its path ends with "/".
std::optional<QString> PreparerDossier(const SourceExercices &s, const QString &nom, QString &dossier)
{
    dossier = s.dossierMecanisme + nom + u'/';
    if (!QDir().mkpath(dossier))
        return TexteDossierImpossible.arg(QDir::cleanPath(dossier));
    return std::nullopt;
}

int NombrePieces(const MecanismeAtelier &m)
{
    int n = 0;
    for (const PieceAtelier &piece : m.pieces)
        n = std::max(n, piece.repere);
    return n;
}

// The parts of the class, in the order of the parts list.
QStringList PiecesDeLaClasse(const MecanismeAtelier &m, const ClasseAtelier &classe)
{
    QStringList noms;
    for (const PieceAtelier &piece : m.pieces) {
        if (std::find(classe.pieces.begin(), classe.pieces.end(), piece.repere) != classe.pieces.end())
            noms << PieceEtRepere(piece.designation, piece.repere);
    }
    return noms;
}

int ClasseDeLaPiece(const SourceExercices &s, int repere)
{
    return std::size_t(repere) < s.classeDesPieces.size() ? s.classeDesPieces[std::size_t(repere)] : 0;
}

QByteArray Explication(const MecanismeAtelier &m)
{
    const QString &html = m.explication;
    if (html.contains(QStringLiteral("<html"), Qt::CaseInsensitive))
        return HtmlEnAscii(html);
    if (!html.trimmed().isEmpty())
        return PageHtml(m.nom, html);
    QString lignes;
    for (const PieceAtelier &piece : m.pieces)
        lignes += QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td><td>%4</td><td>%5</td></tr>\n")
                      .arg(piece.repere)
                      .arg(piece.nombre)
                      .arg(piece.designation.toHtmlEscaped(), piece.matiere.toHtmlEscaped(),
                           piece.observation.toHtmlEscaped());
    return PageHtml(m.nom, TexteModeleExplication.arg(m.nom.toHtmlEscaped(), QString::number(m.pieces.size()), lignes));
}

std::optional<QString> EcrireSiAbsent(const QString &chemin, const QByteArray &contenu)
{
    return QFileInfo::exists(chemin) ? std::nullopt : EcrireOctets(chemin, contenu);
}

} // namespace

std::optional<QString> EcrirePresentation(const SourceExercices &s)
{
    QString dossier;
    if (auto e = PreparerDossier(s, NomDossierPresentation, dossier))
        return e;
    const MecanismeAtelier &m = s.m;

    IniAtelier condition(dossier + FichierCondition);
    condition.ecrire(QStringLiteral("NOMBRE DE PIECES"), CleCombien, NombrePieces(m));
    for (const PieceAtelier &piece : m.pieces)
        condition.ecrire(QStringLiteral("COULEUR"), QStringLiteral("Piece%1").arg(piece.repere),
                         CouleurVersTexte(QColorVersCouleur(CouleurCleZone(piece.repere))));
    condition.reglage(SectionImprimer, CleVisible, QStringLiteral("1"));
    if (auto e = condition.enregistrer())
        return e;

    IniAtelier nomenclature(dossier + FichierNomenclature);
    for (const PieceAtelier &piece : m.pieces) {
        const QString section = QStringLiteral("PIECE%1").arg(piece.repere);
        nomenclature.ecrire(section, QStringLiteral("Repere"), piece.repere);
        nomenclature.ecrire(section, QStringLiteral("Nombre"), piece.nombre);
        nomenclature.ecrire(section, QStringLiteral("Designation"), piece.designation);
        nomenclature.ecrire(section, QStringLiteral("Matiere"), piece.matiere);
        nomenclature.ecrire(section, QStringLiteral("Observation"), piece.observation);
    }
    if (auto e = nomenclature.enregistrer())
        return e;

    if (auto e = EcrireImage(dossier + FichierPlan, s.plan, "BMP"))
        return e;
    if (auto e = EcrireImage(dossier + FichierTrame, TrameReperes(m, s.plan), "BMP"))
        return e;
    // A page the teacher wrote by hand stays until the workshop is given one.
    const QString explication = dossier + FichierExplication;
    if (auto e = m.explication.trimmed().isEmpty() ? EcrireSiAbsent(explication, Explication(m))
                                                   : EcrireOctets(explication, Explication(m)))
        return e;
    return EcrireOctets(dossier + FichierPdf, s.pdf);
}

std::optional<QString> EcrireColoriage(const SourceExercices &s, bool parClasse)
{
    QString dossier;
    if (auto e = PreparerDossier(s, PrefixeDossierColoriage + (parClasse ? ModeClasses : ModeDecodage), dossier))
        return e;
    const MecanismeAtelier &m = s.m;
    const int couleurs = parClasse ? int(m.classes.size()) : NombrePieces(m);

    IniAtelier condition(dossier + FichierConditionColoriage);
    condition.ecrire(QStringLiteral("NOMBRE DE ZONES"), CleCombien, s.zones.nombre());
    condition.ecrire(QStringLiteral("NOMBRE DE COULEURS"), CleCombien, couleurs);
    for (int n = 1; n <= s.zones.nombre(); ++n)
        condition.ecrire(QStringLiteral("COULEUR"), QStringLiteral("Zone%1").arg(n),
                         CouleurVersTexte(QColorVersCouleur(CouleurCleZone(n))));
    condition.reglage(SectionImprimer, CleVisible, QStringLiteral("1"));
    condition.reglage(QStringLiteral("MENU AIDE"), QStringLiteral("Adresse"), PageAide);
    condition.reglage(QStringLiteral("MENU AIDE"), QStringLiteral("Erreur"), SeuilAide);
    if (auto e = condition.enregistrer())
        return e;

    std::vector<int> proprietaires;
    for (int k = 1; k <= s.zones.nombre(); ++k) {
        const int piece = s.zones.piece[std::size_t(k)];
        proprietaires.push_back(parClasse ? ClasseDeLaPiece(s, piece) : piece);
    }
    IniAtelier solution(dossier + FichierSolutionColoriage);
    for (int h = 1; h <= couleurs; ++h)
        solution.ecrire(QStringLiteral("SOLUTIONS"), QStringLiteral("Solution%1").arg(h),
                        ChaineSolution(proprietaires, h));
    if (auto e = solution.enregistrer())
        return e;

    if (auto e = EcrireImage(dossier + FichierTrameColoriage, TrameZonesExercice(m, s.zones), "BMP"))
        return e;
    if (auto e = EcrireImage(dossier + FichierPlanColoriage, s.plan, "BMP"))
        return e;
    if (auto e = EcrireOctets(dossier + FichierPdfColoriage, s.pdf))
        return e;
    if (!QDir().mkpath(dossier + DossierAideColoriage))
        return TexteDossierImpossible.arg(dossier + DossierAideColoriage);
    return EcrireSiAbsent(dossier + DossierAideColoriage + PageAide, PageAideColoriage(m.nom, parClasse, couleurs));
}

std::optional<QString> EcrireGrapheDesLiaisons(const SourceExercices &s)
{
    QString dossier;
    if (auto e = PreparerDossier(s, NomDossierGrapheDesLiaisons, dossier))
        return e;
    const MecanismeAtelier &m = s.m;
    IniAtelier condition(dossier + FichierConditionGraphe);
    condition.ecrire(QStringLiteral("NOMBRE DE CLASSES D EQUIVALENCE"), CleCombien, int(m.classes.size()));
    condition.reglage(SectionImprimer, CleVisible, QStringLiteral("1"));
    for (std::size_t n = 0; n < m.classes.size(); ++n)
        condition.ecrire(QStringLiteral("INFORMATION"), QStringLiteral("ce%1").arg(n + 1),
                         InformationClasse(m.classes[n].nom, PiecesDeLaClasse(m, m.classes[n])));
    condition.ecrire(QStringLiteral("HYPERSTATISME"), QStringLiteral("Etude"),
                     m.etudePlane ? QStringLiteral("plane") : QStringLiteral("spatiale"));
    if (auto e = condition.enregistrer())
        return e;
    for (int n = 1; n <= int(m.classes.size()); ++n) {
        if (auto e =
                EcrireImage(dossier + QStringLiteral("%1.bmp").arg(n), ImageClasse(s.plan, s.trameClasses, n), "BMP"))
            return e;
    }
    return EcrireOctets(dossier + FichierPlanPdf, s.pdf);
}

std::optional<QString> EcrireSchemaCinematique(const SourceExercices &s)
{
    QString dossier;
    if (auto e = PreparerDossier(s, NomDossierSchemaCinematique, dossier))
        return e;
    IniAtelier condition(dossier + NomConditionSchema);
    condition.reglage(SectionImprimer, CleVisible, QStringLiteral("1"));
    condition.reglage(QStringLiteral("TRAME"), QStringLiteral("Type"), TypeTrameInitial);
    condition.reglage(QStringLiteral("TRAME"), QStringLiteral("Transparence"), TransparenceInitiale);
    for (int n = 1; n <= int(s.m.classes.size()); ++n)
        condition.ecrire(QStringLiteral("TRAME"), QStringLiteral("ce%1").arg(n), CouleurVersTexte(MarqueClasse(n)));
    if (auto e = condition.enregistrer())
        return e;
    if (auto e = EcrireImage(dossier + NomTrameSchema, s.trameClasses, "BMP"))
        return e;
    if (auto e = EcrireImage(dossier + NomPlanSchema, s.plan, "BMP"))
        return e;
    return EcrireOctets(dossier + NomPdfSchema, s.pdf);
}
