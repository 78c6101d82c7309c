#pragma once

#include "diagram/TFormSchemaCinematique.h"
#include "support/ArbreMecanismes.h"

#include <QImage>
#include <QList>
#include <QPoint>
#include <QString>

class ImageSchema;
class QAction;
class QLabel;
class QScrollArea;
class QToolButton;

// One joint of a test graph.
struct LiaisonTest {
    int ce1 = 1;
    int ce2 = 2;
    int liaison3D = 1;
    int liaison2D = 1;
    int inclinaison = 0;
};

// The files of a diagram exercise as a test writes them. The default one has two classes, red and
// blue (the second the frame), one joint, and a 300 × 200 drawing background whose zones are marked
// in lime (class 1) and yellow (class 2).
struct SchemaTest {
    QStringList couleursCe{QStringLiteral("clRed"), QStringLiteral("clBlue")};
    QList<int> batis{2};
    QList<LiaisonTest> liaisons{LiaisonTest{}};
    QString condition = QStringLiteral("[IMPRIMER]\r\nVisible=1\r\n[TRAME]\r\nType=1\r\nTransparence=0\r\n"
                                       "ce1=clLime\r\nce2=clYellow\r\n");
    QImage trame;
    QImage plan;
};

namespace PixelsSchema {
inline const QPoint ZoneCe1(40, 40);  // lime in the trame, white in the plan
inline const QPoint ZoneCe2(200, 40); // yellow in the trame, white in the plan
inline const QPoint Trait(120, 100);  // black in the plan, over white in the trame
inline const QPoint Fond(120, 170);   // white in both: the ground
} // namespace PixelsSchema

SchemaTest SchemaDeuxClasses();
// The catalogue symbols the tests use: 30 × 30, white, the first marker in the left half, the second
// in the right half, a black bar in the middle. Written for every row and view.
QImage SymboleTest();
void EcrireCatalogue(const ArbreMecanismes &arbre);
// The ".gdl" text of the graph, naming the mechanism.
QString TexteGdl(const QString &mecanisme, const SchemaTest &s);
// Writes the descriptor, "correction.gdl" and the exercise folder; returns the descriptor's path.
QString EcrireSchema(const ArbreMecanismes &arbre, const QString &radical, const SchemaTest &s,
                     const DescripteurTest &descripteur = {});

QColor Surface();
QRgb PixelDe(const QImage &image, QPoint p);

// A diagram window at a known size, shown, with the controls the student uses.
class FenetreSchema {
public:
    FenetreSchema();

    TFormSchemaCinematique fenetre;
    ImageSchema *fond;
    QScrollArea *defilement;
    QLabel *selection;
    QToolButton *trait;
    QToolButton *spline;
    QToolButton *gomme;
    QToolButton *effacer;
    QAction *menuOuvrir;
    QAction *menuTrame;
    QAction *menuEnregistrer;
    QAction *menuPdf;
    QAction *menuAnnuler;
    QAction *menuRetablir;

    QToolButton *boutonCe(int n) const;
    QLabel *symbole(int k) const;
    QImage affichage() const; // the displayed picture

    // Mouse events as the desktop sends them, the button held from the press to the release.
    void presser(QWidget *cible, QPoint p, Qt::MouseButton bouton = Qt::LeftButton);
    void deplacer(QWidget *cible, QPoint p, Qt::MouseButton bouton = Qt::LeftButton);
    void relacher(QWidget *cible, QPoint p, Qt::MouseButton bouton = Qt::LeftButton);
    // A stroke on the background through the points, with the tool given (already pressed or not).
    void tracer(QToolButton *outil, const QList<QPoint> &points, Qt::MouseButton bouton = Qt::LeftButton);
    // Drags a symbol so that its top-left corner is released at coin.
    void glisser(int k, QPoint coin);
};
