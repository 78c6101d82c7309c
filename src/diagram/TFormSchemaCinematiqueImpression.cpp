// The diagram as it is printed and exported: the drawing area as the student sees it.
#include "diagram/TFormSchemaCinematique.h"

#include "diagram/ImageSchema.h"
#include "diagram/ImpressionSchema.h"

#include <QLabel>
#include <QMenu>

namespace {
const QString TitreExerciceSchema = QStringLiteral("Schéma cinématique");
}

std::optional<TravailImprime> TFormSchemaCinematique::TravailSchemaOuvert() const
{
    if (!SchemaOuvert)
        return std::nullopt;
    SchemaImprime s;
    // Without a background there is no drawing surface: the symbols are printed as they stand in the area.
    const bool avecSurface = !BitmapDessin.isNull() && !BitmapDessin.size().isEmpty();
    s.taille = avecSurface ? BitmapDessin.size() : Contenu->size();
    const QPoint origine = avecSurface ? OrigineImageFond() : QPoint(0, 0);
    if (MenuTrame->isChecked())
        s.fond = BitmapTrame;
    s.surface = CouleurVersRvb(clBtnFace);
    s.traces = Traces;
    for (int k = 0; k <= Schema.NbrLiaison; ++k) {
        const QLabel *image = ImageLiaison[std::size_t(k)];
        if (image->isHidden())
            continue;
        const TLiaison &l = Schema.Liaison[std::size_t(k)];
        s.symboles.push_back({QRect(image->pos() - origine, image->size()), l.Liaison3D, l.Liaison2D, l.Inclineaison,
                              CouleurVersQColor(Schema.CouleurCe(l.Ce1)), CouleurVersQColor(Schema.CouleurCe(l.Ce2))});
    }
    return TravailSchemaCinematique(std::move(s), Schema.NomMecanisme, TitreExerciceSchema);
}
