#include "diagram/LectureSchema.h"

#include "common/Descripteur.h"
#include "common/FichierIni.h"
#include "common/TrouverChemin.h"
#include "joint_graph/FichierGdl.h"
#include "joint_graph/NomMecanisme.h"

#include <QFileInfo>

namespace {

const QString SectionImprimer = QStringLiteral("IMPRIMER");
const QString CleVisible = QStringLiteral("Visible");
const QString SectionTrame = QStringLiteral("TRAME");
const QString CleType = QStringLiteral("Type");
const QString CleTransparence = QStringLiteral("Transparence");
const QString BlancParDefaut = QStringLiteral("ClWhite");
const QString TexteConditionIllisible =
    QStringLiteral("Le fichier \"condition.inf\" ne peut pas être lu.\n\n") + PhraseSchema;
const QString TexteCouleurTrame =
    QStringLiteral("%1\n\nC'est la couleur de la clé \"ce%2\" de la section [TRAME] du fichier \"condition.inf\".");

// What the title calls the mechanism a graph names; the free mode has none.
QString NomAfficheMecanisme(const QString &radical)
{
    if (radical.compare(NomSansMecanisme, Qt::CaseInsensitive) == 0)
        return QStringLiteral("sans mécanisme");
    return NomMecanismeAffiche(CheminDescripteur(radical));
}

LectureSchema refus(const QString &erreur)
{
    LectureSchema lecture;
    lecture.erreur = erreur;
    return lecture;
}

} // namespace

LectureSchema LireSchema(const QString &cheminGdl)
{
    const LectureGdl gdl = LireGdl(cheminGdl);
    if (!gdl.reussie())
        return refus(gdl.erreur);

    LectureSchema lecture;
    SchemaCinematique &s = lecture.schema;
    s.DossierExercice = DossierSchemaCinematique(gdl.mecanisme);
    s.NomMecanisme = NomAfficheMecanisme(gdl.mecanisme);
    s.NbrCe = gdl.graphe.NbrCe();
    s.NbrLiaison = gdl.graphe.NbrLiaison();
    for (int n = 1; n <= s.NbrCe; ++n) {
        const TCe &ce = gdl.graphe.Ce(n);
        s.Ce[std::size_t(n)] = {ce.Couleur, ce.Bati};
        if (ce.Bati)
            s.Liaison[0].Ce2 = n; // the last frame class read is the frame
    }
    bool nonProjetee = false;
    for (int n = 1; n <= s.NbrLiaison; ++n) {
        s.Liaison[std::size_t(n)] = gdl.graphe.Liaison(n);
        nonProjetee = nonProjetee || s.Liaison[std::size_t(n)].Liaison2D == 0;
    }
    if (nonProjetee)
        return refus(MessageLiaisonNonProjetee);

    const QString cheminCondition = FichierDuDossier(s.DossierExercice, NomConditionSchema);
    const FichierIni condition(cheminCondition);
    if (!condition.existe())
        return refus(QFileInfo::exists(cheminCondition) ? TexteConditionIllisible : MessageMecanismeNonInstalle);
    s.PdfVisible = condition.lireDrapeau(SectionImprimer, CleVisible, false);
    s.TypeTrame = condition.lireEntier(SectionTrame, CleType, TrameAucune);
    s.Transparence = condition.lireEntier(SectionTrame, CleTransparence, -100);
    for (int n = 1; n <= s.NbrCe; ++n) {
        const ConversionCouleur couleur =
            condition.lireCouleur(SectionTrame, QStringLiteral("ce%1").arg(n), BlancParDefaut);
        if (!couleur.couleur)
            return refus(TexteCouleurTrame.arg(couleur.erreur, QString::number(n)));
        s.CouleurTrame[std::size_t(n)] = *couleur.couleur;
    }
    return lecture;
}
