#include "common/GeometrieFenetre.h"

#include "common/TitreFenetre.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

void PreparerGeometrieRestauree(QWidget &fenetre, QSize tailleConception)
{
    const QScreen *ecran = fenetre.screen() ? fenetre.screen() : QGuiApplication::primaryScreen();
    if (!ecran)
        return;
    // The frame (title bar, borders) must fit too; before the window is first shown its size is not known yet,
    // so room for a usual title bar is kept.
    const QRect disponible = ecran->availableGeometry();
    QSize cadre = fenetre.frameGeometry().size() - fenetre.geometry().size();
    if (cadre.height() <= 0)
        cadre = QSize(8, 40);
    const QRect client = disponible.adjusted(cadre.width() / 2, cadre.height() - cadre.width() / 2,
                                             -cadre.width() / 2, -cadre.width() / 2);
    fenetre.setGeometry(GeometrieRestauree(tailleConception, client));
}
