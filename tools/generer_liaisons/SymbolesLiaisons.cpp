#include "SymbolesLiaisons.h"

#include "DessinsLiaisons.h"

#include <QDir>
#include <QSaveFile>
#include <array>

namespace {
using Dessin = void (*)(Trace &, Vue);

// Rows of the catalogue, in the order the joint-graph window numbers them.
constexpr std::array<Dessin, NombreRangeesSymboles> DessinsParRangee{
    DessinerSansType,          DessinerEncastrement,       DessinerPivot,
    DessinerGlissiere,         DessinerHelicoidale,        DessinerPivotGlissant,
    DessinerSpheriqueADoigt,   DessinerSpherique,          DessinerAppuiPlan,
    DessinerLineaireAnnulaire, DessinerLineaireRectiligne, DessinerPonctuelle,
};

constexpr auto TexteDossierImpossible = "Impossible de créer le dossier %1";
constexpr auto TexteEcritureImpossible = "Impossible d'écrire dans %1";
} // namespace

QList<QPointF> Rectangle(double x0, double y0, double x1, double y1)
{
    return {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}};
}

QImage DessinerSymboleLiaison(int rangee, int colonne)
{
    if (rangee < 0 || rangee >= NombreRangeesSymboles || colonne < 0 || colonne >= NombreColonnesSymboles)
        return {};
    QImage image(CoteSymbole, CoteSymbole, QImage::Format_RGB888);
    image.fill(Qt::white);
    {
        Trace trace(image);
        DessinsParRangee[std::size_t(rangee)](trace, Vue(colonne));
    }
    EpaissirPixelsIsoles(image, {MarqueSolide1, MarqueSolide2});
    return image;
}

QString NomFichierSymbole(int rangee, int colonne) { return QStringLiteral("%1_%2.bmp").arg(rangee).arg(colonne); }

std::optional<QString> EcrireSymbolesLiaisons(const QString &dossier)
{
    if (!QDir().mkpath(dossier))
        return QString::fromUtf8(TexteDossierImpossible).arg(QDir::toNativeSeparators(dossier));
    for (int rangee = 0; rangee < NombreRangeesSymboles; ++rangee) {
        for (int colonne = 0; colonne < NombreColonnesSymboles; ++colonne) {
            const QString chemin = QDir(dossier).filePath(NomFichierSymbole(rangee, colonne));
            QSaveFile fichier(chemin);
            if (!fichier.open(QIODevice::WriteOnly) || !DessinerSymboleLiaison(rangee, colonne).save(&fichier, "BMP") ||
                !fichier.commit())
                return QString::fromUtf8(TexteEcritureImpossible).arg(QDir::toNativeSeparators(chemin));
        }
    }
    return std::nullopt;
}
