#include "joint_graph/Hyperstatisme.h"

#include <QRegularExpression>
#include <array>

namespace {
const QString TexteCalculImpossible = QStringLiteral("On ne peut pas calculer l'hyperstatisme.");
const QString TexteSansLiaison = QStringLiteral("Il n'y a pas de liaison.");
const QString TexteSpatialesEtPlanes = QStringLiteral("Vous avez des liaisons spatiales et planes.");
const QString TexteVuePlaneExigee =
    QStringLiteral("Cet exercice demande une étude plane : chaque liaison doit avoir une vue plane.");
// The line that tells why the study is in space or plane.
const QString TexteExerciceSpatial = QStringLiteral("Cet exercice demande une étude dans l'espace.");
const QString TexteExercicePlan = QStringLiteral("Cet exercice demande une étude plane.");
const QString TexteToutesSpatiales =
    QStringLiteral("Aucune liaison n'a de vue plane : l'étude est faite dans l'espace.");
const QString TexteToutesPlanes = QStringLiteral("Toutes les liaisons ont une vue plane : l'étude est plane.");
const QString TexteSansBati =
    QStringLiteral("Vous n'avez pas défini de bâti ou il n'y a pas de liaison avec le bati.\n\n"
                   "Donc pour notre calcul de l'hyperstatisme, toutes les classes d'équivalences sont isolables.");
} // namespace

std::variant<DonneesHyperstatisme, RefusHyperstatisme>
PreparerHyperstatisme(const GrapheLiaisons &graphe, const LiaisonNormalisee &catalogue, EtudeExercice etude)
{
    if (graphe.NbrLiaison() == 0)
        return RefusHyperstatisme{TexteSansLiaison + QStringLiteral("\n\n") + TexteCalculImpossible};

    int planes = 0;
    for (int i = 1; i <= graphe.NbrLiaison(); ++i)
        planes += graphe.Liaison(i).Liaison2D != 0 ? 1 : 0;
    bool plane = false;
    switch (etude) {
    case EtudeExercice::Spatiale:
        // The views only draw the diagram: every joint counts in space.
        break;
    case EtudeExercice::Plane:
        if (planes != graphe.NbrLiaison())
            return RefusHyperstatisme{TexteVuePlaneExigee + QStringLiteral("\n\n") + TexteCalculImpossible};
        plane = true;
        break;
    case EtudeExercice::SelonLesVues:
        if (planes != 0 && planes != graphe.NbrLiaison())
            return RefusHyperstatisme{TexteSpatialesEtPlanes + QStringLiteral("\n\n") + TexteCalculImpossible};
        plane = planes != 0;
        break;
    }

    DonneesHyperstatisme d;
    d.k = plane ? 3 : 6;
    d.etude = etude;

    std::array<bool, NbrCeMax + 1> relie{};
    for (int i = 1; i <= graphe.NbrLiaison(); ++i) {
        for (const std::int32_t ce : {graphe.Liaison(i).Ce1, graphe.Liaison(i).Ce2}) {
            if (GrapheLiaisons::NumeroCeValide(ce))
                relie[static_cast<std::size_t>(ce)] = true;
        }
    }
    for (int c = 1; c <= graphe.NbrCe(); ++c) {
        if (!relie[static_cast<std::size_t>(c)])
            continue;
        ++d.n;
        if (graphe.Ce(c).Bati) {
            --d.n;
            d.batiRelie = true;
        }
    }

    for (int i = 1; i <= graphe.NbrLiaison(); ++i) {
        const TLiaison &l = graphe.Liaison(i);
        d.is += catalogue.Inconnues(l.Liaison3D, plane ? l.Liaison2D : 0).value_or(0);
    }
    return d;
}

std::int64_t DegreHyperstatisme(const DonneesHyperstatisme &d, std::int32_t me, std::int32_t mi)
{
    return std::int64_t(me) + mi + d.is - std::int64_t(d.k) * d.n;
}

QString MessageSansBati() { return TexteSansBati; }

QString MessageHyperstatisme(const DonneesHyperstatisme &d, std::int32_t me, std::int32_t mi)
{
    const std::int64_t h = DegreHyperstatisme(d, me, mi);
    const bool plane = d.k != 6;
    const QString titre = plane ? QStringLiteral("Hyperstatisme plane") : QStringLiteral("Hyperstatisme spatiale");
    QString raison;
    switch (d.etude) {
    case EtudeExercice::Spatiale: raison = TexteExerciceSpatial; break;
    case EtudeExercice::Plane: raison = TexteExercicePlan; break;
    case EtudeExercice::SelonLesVues: raison = plane ? TexteToutesPlanes : TexteToutesSpatiales; break;
    }
    QString verdict;
    if (h < 0)
        verdict = QStringLiteral("Le système est hypostatique. Oups...");
    else if (h == 0)
        verdict = QStringLiteral("Le système est isostatique.");
    else
        verdict = QStringLiteral("Le système est hyperstatique d'ordre %1.").arg(h);
    // The reason follows the title: the lines of the working stay as they always were.
    return QStringLiteral("%1 :\n%9\nh = me + mi + is - %2*n\n\nme = %3\nmi = %4\nis = %5\nn = %6\n\nh = %7\n\n%8")
        .arg(titre)
        .arg(d.k)
        .arg(me)
        .arg(mi)
        .arg(d.is)
        .arg(d.n)
        .arg(h)
        .arg(verdict, raison);
}

std::optional<std::int32_t> LireNombreEntier(const QString &texte)
{
    static const QRegularExpression nombre(QStringLiteral("^[+-]?[0-9]+$"));
    const QString net = texte.trimmed();
    if (!nombre.match(net).hasMatch())
        return std::nullopt;
    bool ok = false;
    const int valeur = net.toInt(&ok);
    if (!ok)
        return std::nullopt;
    return valeur;
}
