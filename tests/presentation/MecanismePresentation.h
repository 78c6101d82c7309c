#pragma once

#include "support/ArbreMecanismes.h"

#include <QImage>
#include <QString>

// The files of a presentation folder, as a test writes them. The default one has three parts,
// red, lime and blue, side by side on a 200 × 100 drawing, with a black and a yellow label
// that belong to no part.
struct PresentationTest {
    QString condition;
    QString nomenclature;
    QImage plan;
    QImage trame;
    QString page;
};

namespace Pixels {
inline const QPoint Piece1(20, 20);
inline const QPoint Piece2(60, 20);
inline const QPoint Piece3(100, 20);
inline const QPoint Noir(140, 20);
inline const QPoint Jaune(170, 20);
inline const QPoint Blanc(20, 80);
} // namespace Pixels

PresentationTest PresentationTroisPieces();
QString ConditionTroisPieces(const QString &imprimer = QStringLiteral("[IMPRIMER]\r\nVisible=1\r\n"));

// Writes the descriptor and the presentation folder of a mechanism and returns the descriptor's path.
QString EcrirePresentation(const ArbreMecanismes &arbre, const QString &radical, const PresentationTest &p,
                           const DescripteurTest &descripteur = {});
// The five lines that the pop-up shows for a part.
QString LignesPiece(const QString &repere, const QString &nombre, const QString &designation, const QString &matiere,
                    const QString &observation);

#include "presentation/TFormPresentation.h"

#include <QAction>
#include <QLabel>
#include <QScrollArea>
#include <QSpinBox>
#include <QTabWidget>
#include <QTextBrowser>

// A presentation window shown at a known size, with the controls the student uses.
class FenetreTest {
public:
    FenetreTest();

    TFormPresentation fenetre;
    QTabWidget *pages;
    QTextBrowser *description;
    QLabel *plan;
    QScrollArea *defilement;
    QSpinBox *duree;
    QAction *menuOuvrir;
    QAction *menuFermer;
    QAction *menuPdf;

    // Clicks a pixel of the drawing and returns the pop-up that shows, or nothing.
    QString cliquer(QPoint pixel, Qt::MouseButton bouton = Qt::LeftButton);
    // Clicks the tab of a page, as the student does.
    void montrerPage(int index);
};
