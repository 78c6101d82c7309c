#pragma once

#include "support/ArbreMecanismes.h"

#include "colouring/TCouleurListBox.h"
#include "colouring/TFormColoriage.h"
#include "colouring/TFormNotification.h"
#include "colouring/TFormZoom.h"

#include <QAction>
#include <QImage>
#include <QLabel>
#include <QString>

// The files of a colouring folder, as a test writes them. The default one has six zones side by
// side on a 240 × 100 drawing, 40 pixels from its top: red, lime, blue, yellow, fuchsia and aqua squares of 20 pixels, each
// outlined in black on the drawing, with a black square that belongs to no zone. Its five parts are
// zones 1, 2, 3 and 4 alone, and zones 5 and 6 together.
struct ColoriageTest {
    QString condition;
    QString solution;
    QImage plan;
    QImage trame;
};

// The centre of zone 1 to 6, of the black square and of the white outside.
QPoint CentreZone(int zone);
inline const QPoint PixelNoir(20, 80);
inline const QPoint PixelBlanc(120, 90);

ColoriageTest ColoriageSixZones();
// A condition of the six zones with the given extra lines (counts may be replaced).
QString ConditionSixZones(const QString &suite = {}, int nombreCouleurs = 5);
QString SolutionCinqPieces();

// A picture of the screen where each pixel's colour tells its place: red the column, green the row
// (both modulo 256), blue 77.
QImage EcranRepere();
QColor Repere(QPoint pixel);

// Writes the descriptor and the colouring folder of one mode and returns the descriptor's path.
QString EcrireColoriage(const ArbreMecanismes &arbre, const QString &radical, const QString &mode,
                        const ColoriageTest &c, const DescripteurTest &descripteur = {});

// A colouring window shown at a known size with its loupe, and the controls the student uses.
class FenetreColoriage {
public:
    FenetreColoriage();
    ~FenetreColoriage();

    TFormZoom loupe;
    TFormColoriage fenetre;
    TCouleurListBox *liste;
    QWidget *vue;
    QLabel *bilan;
    QLabel *zone;
    QAction *action(const QString &nom) const;

    // A press of the button on a pixel of the drawing.
    void cliquer(QPoint pixel, Qt::MouseButton bouton = Qt::LeftButton);
    // The pixel as the student sees it.
    QColor pixelVu(QPoint pixel) const;
    // A click on the text of an item of the list, or on its colour square.
    void choisirItem(int item);
    void cliquerCarre(int item);
    void molette(int delta);
    // The last notification shown, or null.
    TFormNotification *derniereNotification() const;
    int nombreNotifications() const;
};
