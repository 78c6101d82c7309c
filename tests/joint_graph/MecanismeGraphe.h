#pragma once

#include "joint_graph/TFormGrapheDesLiaisons.h"
#include "support/ArbreMecanismes.h"

#include <QImage>
#include <QStringList>

class QPushButton;
class TImageMouse;

// A joint catalogue laid in the program folder: 21 × 21 pictures, the left half in marker 1, the
// right half in marker 2, with row number i drawn as i black pixels on the top line. Its counts of
// static unknowns are the row number in space and the view number in a plane view.
void EcrireCatalogueTest(const ArbreMecanismes &arbre);
QImage SymboleTest(int rangee, int colonne);

// The descriptor and joint-graph folder of a mechanism with nbrCe class pictures of the given width
// (60 high), texts "Pièce n" for the classes listed in informations. Returns the descriptor's path.
QString EcrireMecanismeGraphe(const ArbreMecanismes &arbre, const QString &radical, int nbrCe, int largeur = 100,
                              bool outilsVisibles = true, int exo4 = 1);

// The free mode's folder, with pictures 1.bmp to 9.bmp 40 × 40.
void EcrireSansMecanisme(const ArbreMecanismes &arbre);

// A joint-graph window shown at a known size, with what the student uses.
class FenetreGraphe {
public:
    // montree false: the window is shown later, by montrer, as the program shows it after opening.
    explicit FenetreGraphe(OuvertureSchema ouverture = {}, bool montree = true);
    void montrer(QSize taille);

    TFormGrapheDesLiaisons fenetre;
    TImageMouse *noeud(int n) const;
    TImageMouse *symbole(int a) const;
    TImageMouse *imageLiaison3d(int i) const;
    TImageMouse *imageLiaison2D(int v) const;
    QPushButton *bouton(const char *nom) const;
    QAction *action(const char *nom) const;
    QString statut() const;
    QWidget *panelLiaison() const;

    // Mouse events sent to a control, at a point relative to it.
    static void appuyer(QWidget *w, QPoint p = {5, 5});
    static void deplacer(QWidget *w, QPoint p);
    static void relacher(QWidget *w, QPoint p = {5, 5});
    static void cliquer(QWidget *w, QPoint p = {5, 5});
    static void entrer(QWidget *w);
    static void sortir(QWidget *w);

    // Clicks "Créer liaison", the classes in order, a standard joint and a view (0 for none), then "Fermer".
    void creerLiaison(const QList<int> &classes, int type, int vue);
    // Gives the classes colours through the scripted colour dialog (first press on each node).
    void colorer(const QList<TColor> &couleurs);
    // What the graph area shows at a point of it.
    QColor pixelGraphe(QPoint p);
};
