#include "common/GeometrieFenetre.h"

QRect GeometrieRestauree(QSize tailleConception, const QRect &disponible, QSize cadre)
{
    if (cadre.height() <= 0)
        cadre = QSize(8, 40);
    // The sides and the bottom take half the frame's width each; the title bar the rest of its height.
    const int bord = cadre.width() / 2;
    const QRect client = disponible.adjusted(bord, cadre.height() - bord, -bord, -bord);
    QRect geometrie(QPoint(), tailleConception.boundedTo(client.size()));
    geometrie.moveCenter(client.center());
    return geometrie;
}
