#pragma once

#include "DessinTechnique.h"
#include "Feuille.h"

#include "common/Couleur.h"

#include <QByteArray>
#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>
#include <functional>
#include <vector>

// One line of the bill of materials, with the key colour of its label in the presentation's zone map.
// Parts are numbered 1, 2, 3… in the order of the list.
struct PieceMecanisme {
    int repere;
    int nombre;
    QString designation;
    QString matiere;
    QString observation;
    TColor couleurCle;
};

// An equivalence class; its colours and its node's place in the correction are given by its number.
struct ClasseMecanisme {
    QString nom;
};

// A joint of the correction: two class numbers, the catalogue row, the plane view its symbol is drawn
// in on the diagram and that symbol's rotation.
struct LiaisonMecanisme {
    int ce1;
    int ce2;
    int type;
    int vue;
    int inclinaison;
    QString role; // where it lies in the mechanism, for the description page
};

// A file that a description page shows or links to, beside it in the presentation folder.
struct AnnexePage {
    QString nom;
    QByteArray contenu;
};

// Everything the generator needs to write one mechanism: each exercise's files are drawn from it.
struct Mecanisme {
    QString souche;    // descriptor and folder name
    QString nom;       // name shown in the menus and the title block
    QString reference; // drawing number in the title block
    QString echelle;
    int difficulte;
    QSize zoneDessin; // logical size of the sheet the views are drawn on
    std::vector<PieceMecanisme> pieces;
    std::vector<Repere> reperes;
    std::vector<ClasseMecanisme> classes; // class n is classes[n - 1]
    int bati;                             // number of the frame class
    std::vector<LiaisonMecanisme> liaisons;
    // The study the graph exercise asks for ([HYPERSTATISME] Etude of its condition.inf): plane, else in
    // space; the diagram is always drawn in a plane view.
    bool etudePlane;
    int mobiliteExterne;
    int mobiliteInterne;
    QString explicationMobilites;
    int hyperstatismeAttendu; // what the description page states; the generator checks it
    int typeTrame;            // background of the diagram: 1 the tinted drawing, 2 the grid
    int transparence;
    std::function<void(Feuille &)> dessinerVues; // the views only: frame, labels and title block are drawn around them
    std::function<QString()> corpsExplication;   // HTML of the description page, before the study of the joints
    std::function<std::vector<AnnexePage>()> annexes;
    // Other accepted models of the joints, written as correction_2.gdl, correction_3.gdl… with the
    // classes of correction.gdl; « Vérifier mon graphe » accepts any of them.
    std::vector<std::vector<LiaisonMecanisme>> autresModeles;
};

const Mecanisme &MecanismeEtau();
const Mecanisme &MecanismePompe();
const Mecanisme &MecanismeCompresseur();
