#include "joint_graph/FichierGdl.h"

#include "common/Descripteur.h"
#include "common/FichierIni.h"
#include "common/OuvertureExercice.h"
#include "joint_graph/NomMecanisme.h"

#include <QFileInfo>
#include <algorithm>

namespace {

const QString SectionMecanisme = QStringLiteral("MECANISME");
const QString CleMecanisme = QStringLiteral("Mecanisme");
const QString CleNbrCe = QStringLiteral("NbrCe");
const QString CleNbrLiaison = QStringLiteral("NbrLiaison");
const QString CleCouleur = QStringLiteral("Couleur");
const QString CleBati = QStringLiteral("Bati");
const QString CleLeft = QStringLiteral("Left");
const QString CleTop = QStringLiteral("Top");
const QString CleInformation = QStringLiteral("Information");
const QString CleCe1 = QStringLiteral("Ce1");
const QString CleCe2 = QStringLiteral("Ce2");
const QString CleLiaison3D = QStringLiteral("Liaison3D");
const QString CleLiaison2D = QStringLiteral("Liaison2D");
const QString CleInclineaison = QStringLiteral("Inclineaison");

const QString TexteEcritureImpossible = QStringLiteral("Impossible d'écrire dans %1");
const QString TexteSansMecanisme = QStringLiteral("Le fichier \"%1\" n'indique pas le nom de son mécanisme.");
const QString TexteMecanismeInvalide =
    QStringLiteral("Le fichier \"%1\" indique le mécanisme \"%2\", qui n'est pas un nom de dossier valide.");
const QString TexteNbrCeInvalide =
    QStringLiteral("Le fichier \"%1\" annonce %2 classes d'équivalence ; il en faut entre 0 et %3.");
const QString TexteNbrLiaisonInvalide =
    QStringLiteral("Le fichier \"%1\" annonce %2 liaisons ; il en faut entre 0 et %3.");
const QString TexteClasseInexistante =
    QStringLiteral("La liaison %1 du fichier \"%2\" désigne la classe d'équivalence %3, qui n'existe pas.");
const QString TexteTypeInconnu =
    QStringLiteral("La liaison %1 du fichier \"%2\" désigne le type de liaison %3, qui n'existe pas.");
const QString TexteVueInconnue =
    QStringLiteral("La liaison %1 du fichier \"%2\" désigne la vue plane %3, qui n'existe pas.");
const QString TexteBoucle =
    QStringLiteral("La liaison %1 du fichier \"%2\" relie la classe d'équivalence %3 à elle-même.");
const QString TexteRotation =
    QStringLiteral("La liaison %1 du fichier \"%2\" est tournée de %3°, hors de -180° à 180°.");
const QString TexteSansGraphe = QStringLiteral("Aucun graphe des liaisons n'est ouvert : il n'y a rien à enregistrer.");
const QString TexteNomIllisible = QStringLiteral(
    "Le nom du mécanisme \"%1\" ne pourrait pas être relu : le graphe des liaisons n'est pas enregistré.");

QString sectionCe(int n) { return QStringLiteral("Ce%1").arg(n); }
QString sectionLiaison(int n) { return QStringLiteral("Liaison%1").arg(n); }

// A text that starts or ends with a blank or a quote is written between quotes, since reading drops
// surrounding blanks and one pair of quotes.
QString texteProtege(const QString &texte)
{
    if (texte.isEmpty())
        return texte;
    const auto aProteger = [](QChar c) { return c.isSpace() || c == u'"' || c == u'\''; };
    if (aProteger(texte.front()) || aProteger(texte.back()))
        return u'"' + texte + u'"';
    return texte;
}

LectureGdl arret(LectureGdl lecture, LectureGdl::Arret ou, int numero, const QString &erreur)
{
    lecture.arret = ou;
    lecture.numeroArret = numero;
    lecture.erreur = erreur;
    return lecture;
}

// The mechanism name is read back as a trimmed text of one line, without surrounding quotes.
// Written between quotes when it must be, a valid name reads back whole unless reading would cut it.
bool nomRelisible(const QString &nom)
{
    return EstNomMecanismeValide(nom) && nom.size() <= FichierIni::LongueurMaxTexte - 2;
}

} // namespace

std::optional<QString> LiaisonHorsTables(const TLiaison &l, int n, int nbrCe, const QString &nomFichier)
{
    for (const std::int32_t ce : {l.Ce1, l.Ce2}) {
        if (ce < 0 || ce > nbrCe)
            return TexteClasseInexistante.arg(QString::number(n), nomFichier, QString::number(ce));
    }
    if (l.Liaison3D < 0 || l.Liaison3D > NbrLiaisonNormaliseeMax)
        return TexteTypeInconnu.arg(QString::number(n), nomFichier, QString::number(l.Liaison3D));
    if (l.Liaison2D < 0 || l.Liaison2D > NbrVueMax)
        return TexteVueInconnue.arg(QString::number(n), nomFichier, QString::number(l.Liaison2D));
    if (l.Inclineaison < InclineaisonMin || l.Inclineaison > InclineaisonMax)
        return TexteRotation.arg(QString::number(n), nomFichier, QString::number(l.Inclineaison));
    if (l.Ce1 != 0 && l.Ce1 == l.Ce2)
        return TexteBoucle.arg(QString::number(n), nomFichier, QString::number(l.Ce1));
    return std::nullopt;
}

QString MessageEcritureImpossible(const QString &chemin) { return TexteEcritureImpossible.arg(chemin); }

LectureGdl LireGdl(const QString &chemin)
{
    LectureGdl lecture;
    const FichierIni ini(chemin);
    const QString nomFichier = NomFichier(chemin);
    if (!ini.existe())
        return arret(std::move(lecture), LectureGdl::Arret::Fichier, 0, MessageImpossibleOuvrir(chemin));

    const QString mecanisme = ini.lireTexte(SectionMecanisme, CleMecanisme);
    if (mecanisme.isEmpty())
        return arret(std::move(lecture), LectureGdl::Arret::Entete, 0, TexteSansMecanisme.arg(nomFichier));
    if (!EstNomMecanismeValide(mecanisme))
        return arret(std::move(lecture), LectureGdl::Arret::Entete, 0,
                     TexteMecanismeInvalide.arg(nomFichier, mecanisme));
    // A count that is no 32-bit number ("2147483648", "deux") is told as written, not read as none.
    const FichierIni::Compte compteCe = ini.lireCompte(SectionMecanisme, CleNbrCe, 0);
    if (compteCe.depasse(NbrCeMax))
        return arret(std::move(lecture), LectureGdl::Arret::Entete, 0,
                     TexteNbrCeInvalide.arg(nomFichier, compteCe.texte, QString::number(NbrCeMax)));
    const FichierIni::Compte compteLiaisons = ini.lireCompte(SectionMecanisme, CleNbrLiaison, 0);
    if (compteLiaisons.depasse(NbrLiaisonMax))
        return arret(std::move(lecture), LectureGdl::Arret::Entete, 0,
                     TexteNbrLiaisonInvalide.arg(nomFichier, compteLiaisons.texte, QString::number(NbrLiaisonMax)));
    const std::int32_t nbrCe = compteCe.valeur;
    const std::int32_t nbrLiaison = compteLiaisons.valeur;

    GrapheLiaisons &graphe = lecture.graphe;
    lecture.mecanisme = mecanisme;
    graphe.DossierExercice = DossierGrapheDesLiaisons(mecanisme);
    graphe.DefinirNbrCe(nbrCe);
    graphe.DefinirNbrLiaison(nbrLiaison);

    for (int n = 1; n <= nbrCe; ++n) {
        const QString section = sectionCe(n);
        const QPoint position(ini.lireEntier(section, CleLeft, 0), ini.lireEntier(section, CleTop, 0));
        const ConversionCouleur couleur = ini.lireCouleur(section, CleCouleur, QString());
        if (!couleur.couleur)
            return arret(std::move(lecture), LectureGdl::Arret::Ce, n, couleur.erreur);
        TCe &ce = graphe.Ce(n);
        ce.Position = position;
        ce.Couleur = *couleur.couleur;
        ce.Bati = ini.lireDrapeau(section, CleBati, false);
        ce.Information = ini.lireTexte(section, CleInformation);
    }

    for (int n = 1; n <= nbrLiaison; ++n) {
        const QString section = sectionLiaison(n);
        const TLiaison liaison{ini.lireEntier(section, CleCe1, 0), ini.lireEntier(section, CleCe2, 0),
                               ini.lireEntier(section, CleLiaison3D, 0), ini.lireEntier(section, CleLiaison2D, 0),
                               ini.lireEntier(section, CleInclineaison, 0)};
        if (const auto erreur = LiaisonHorsTables(liaison, n, nbrCe, nomFichier))
            return arret(std::move(lecture), LectureGdl::Arret::Liaison, n, *erreur);
        // Two joints may join the same two classes (a shaft on two bearings): the editor makes the
        // second one only when the student asks for joints in parallel.
        graphe.Liaison(n) = liaison;
    }
    return lecture;
}

std::optional<QString> VerifierEnregistrable(const GrapheLiaisons &graphe)
{
    if (graphe.DossierExercice.isEmpty())
        return TexteSansGraphe;
    const QString mecanisme = NomMecanismeDuDossier(graphe.DossierExercice);
    if (!nomRelisible(mecanisme))
        return TexteNomIllisible.arg(mecanisme);
    return std::nullopt;
}

std::optional<QString> EnregistrerGdl(const GrapheLiaisons &graphe, const QString &chemin)
{
    if (auto refus = VerifierEnregistrable(graphe))
        return refus;
    const QString mecanisme = NomMecanismeDuDossier(graphe.DossierExercice);

    FichierIni ini(chemin);
    // A file that is there but could not be read would lose its other sections if written over.
    if (!ini.existe() && QFileInfo::exists(chemin))
        return MessageEcritureImpossible(chemin);

    ini.ecrireTexte(SectionMecanisme, CleMecanisme, texteProtege(mecanisme));
    ini.ecrireEntier(SectionMecanisme, CleNbrCe, graphe.NbrCe());
    ini.ecrireEntier(SectionMecanisme, CleNbrLiaison, graphe.NbrLiaison());
    for (int n = 1; n <= graphe.NbrCe(); ++n) {
        const TCe &ce = graphe.Ce(n);
        const QString section = sectionCe(n);
        ini.ecrireTexte(section, CleCouleur, CouleurVersTexte(ce.Couleur));
        ini.ecrireDrapeau(section, CleBati, ce.Bati);
        ini.ecrireEntier(section, CleLeft, ce.Position.x());
        ini.ecrireEntier(section, CleTop, ce.Position.y());
        ini.ecrireTexte(section, CleInformation, texteProtege(ce.Information));
    }
    for (int n = 1; n <= graphe.NbrLiaison(); ++n) {
        const TLiaison &l = graphe.Liaison(n);
        const QString section = sectionLiaison(n);
        ini.ecrireEntier(section, CleCe1, l.Ce1);
        ini.ecrireEntier(section, CleCe2, l.Ce2);
        ini.ecrireEntier(section, CleLiaison3D, l.Liaison3D);
        ini.ecrireEntier(section, CleLiaison2D, l.Liaison2D);
        ini.ecrireEntier(section, CleInclineaison, l.Inclineaison);
    }
    if (ini.enregistrer())
        return MessageEcritureImpossible(chemin);
    return std::nullopt;
}
