#include "GenerationEtau.h"

#include "PagesEtau.h"
#include "PiecesEtau.h"
#include "PlanEtau.h"

#include <QImage>

namespace {

QImage ImageCalque(Calque calque)
{
    QImage image(TaillePlanEtau, QImage::Format_RGB888);
    QPainter p(&image);
    DessinerPlanEtau(p, calque);
    return image;
}

std::vector<EntreeIni> EntreesDescripteur()
{
    const QString exercice = QStringLiteral("EXERCICE");
    // Only the presentation is ready; the other exercises need their own files first.
    return {{exercice, QStringLiteral("Nom"), NomMecanismeEtau},
            {exercice, QStringLiteral("Exo1"), QStringLiteral("1")},
            {exercice, QStringLiteral("Exo2"), QStringLiteral("0")},
            {exercice, QStringLiteral("Exo3"), QStringLiteral("0")},
            {exercice, QStringLiteral("Exo4"), QStringLiteral("0")},
            {exercice, QStringLiteral("Exo5"), QStringLiteral("0")},
            {exercice, QStringLiteral("Validite"), QStringLiteral("1")},
            {QStringLiteral("MENU"), QStringLiteral("Difficulte"), QStringLiteral("1")}};
}

std::vector<EntreeIni> EntreesCondition()
{
    std::vector<EntreeIni> entrees{
        {QStringLiteral("NOMBRE DE PIECES"), QStringLiteral("Combien"), QString::number(PiecesEtau().size())}};
    for (const PieceEtau &piece : PiecesEtau())
        entrees.push_back({QStringLiteral("COULEUR"), QStringLiteral("Piece%1").arg(piece.repere),
                           CouleurVersTexte(piece.couleurCle)});
    entrees.push_back({QStringLiteral("IMPRIMER"), QStringLiteral("Visible"), QStringLiteral("1")});
    return entrees;
}

std::vector<EntreeIni> EntreesNomenclature()
{
    std::vector<EntreeIni> entrees;
    for (const PieceEtau &piece : PiecesEtau()) {
        const QString section = QStringLiteral("PIECE%1").arg(piece.repere);
        entrees.push_back({section, QStringLiteral("Repere"), QString::number(piece.repere)});
        entrees.push_back({section, QStringLiteral("Nombre"), QString::number(piece.nombre)});
        entrees.push_back({section, QStringLiteral("Designation"), piece.designation});
        entrees.push_back({section, QStringLiteral("Matiere"), piece.matiere});
        entrees.push_back({section, QStringLiteral("Observation"), piece.observation});
    }
    return entrees;
}

} // namespace

std::optional<QString> EcrireMecanismeEtau(EcritureDemo &sortie)
{
    const QString d = DossierPresentationEtau;
    if (auto e = sortie.ini(DescripteurEtau, EntreesDescripteur()))
        return e;
    if (auto e = sortie.ini(d + QStringLiteral("condition.inf"), EntreesCondition()))
        return e;
    if (auto e = sortie.ini(d + QStringLiteral("nomenclature.inf"), EntreesNomenclature()))
        return e;
    if (auto e = sortie.image(d + QStringLiteral("plan.bmp"), ImageCalque(Calque::Plan), "BMP"))
        return e;
    if (auto e = sortie.image(d + QStringLiteral("trame.bmp"), ImageCalque(Calque::Trame), "BMP"))
        return e;
    if (auto e = sortie.octets(d + QStringLiteral("explication.htm"), PageExplication()))
        return e;
    if (auto e = sortie.octets(d + NomPageFonctionnement, PageFonctionnement()))
        return e;
    if (auto e = sortie.image(d + NomImageVue, ImageVueEtau(), "PNG"))
        return e;
    if (auto e = sortie.image(d + NomImageMouvement, ImageMouvementEtau(), "PNG"))
        return e;
    return sortie.pdf(d + QStringLiteral("plan.pdf"), NomMecanismeEtau, TaillePlanEtau,
                      [](QPainter &p) { DessinerPlanEtau(p, Calque::Plan); });
}
