#include "common/GeometrieFenetre.h"

QRect GeometrieRestauree(QSize tailleConception, const QRect &disponible)
{
    const QSize taille = tailleConception.boundedTo(disponible.size());
    QRect geometrie(QPoint(), taille);
    geometrie.moveCenter(disponible.center());
    return geometrie;
}
