#pragma once

#include "common/TravailImprime.h"
#include "diagram/CommandesSchema.h"
#include "diagram/SchemaCinematique.h"
#include "diagram/TracesSchema.h"

#include <QImage>
#include <QMainWindow>
#include <QPen>
#include <QPoint>
#include <array>
#include <optional>

class ImageSchema;
class QAction;
class QCloseEvent;
class QKeyEvent;
class QLabel;
class QMenu;
class QScrollArea;
class QToolButton;
class QUndoStack;

// The "Schéma cinématique" exercise: the student lays out the kinematic diagram of a joint graph.
// One coloured button per equivalence class chooses the stroke colour, one movable symbol per joint
// (and the frame symbol) is dragged onto the background, which is the mechanism's drawing tinted in
// the class colours or a grid of dots, and strokes are drawn in a layer of their own over it.
// The window is split by element: the palette (…Ce.cpp), the symbols (…Liaison.cpp), the background
// (…Trame.cpp), the drawing tools and export (…Dessin.cpp), the tools from the keyboard (…Curseur.cpp).
class TFormSchemaCinematique : public QMainWindow {
    Q_OBJECT
public:
    explicit TFormSchemaCinematique(QWidget *parent = nullptr);
    ~TFormSchemaCinematique() override;

    // Opens the diagram exercise of the mechanism a descriptor (".sch") describes, from its
    // "correction.gdl". A refusal is told to the student and leaves the window as it was.
    void OuvrirSCH(const QString &cheminDescripteur);
    // Opens a joint graph (".gdl") on the background of the mechanism it names; true once it is shown.
    // A refusal before the graph is read leaves the window as it was; one after leaves it empty.
    bool OuvrirGDL(const QString &cheminGdl);

protected:
    bool eventFilter(QObject *objet, QEvent *evenement) override;
    void closeEvent(QCloseEvent *evenement) override;
    void showEvent(QShowEvent *evenement) override;

private:
    static constexpr int NbrSymboles = NbrLiaisonMax + 1; // the frame symbol, then the joints

    // The window as a whole (TFormSchemaCinematique.cpp).
    void FormCreate();
    void MenuCreation();
    void InitialisationGenerale();
    void EditionGenerale();
    void FormShow();
    // Centres a drawing background; the symbols the student placed move with it.
    void ScrollBoxResize();
    void AjusterContenu();
    QRect ZoneVisible() const;
    void MettreAJourTitre();
    // Asks before the strokes and moves made since the last export are thrown away; true when the
    // caller may go on.
    bool PeutAbandonnerSchema();
    void MenuOuvrirClick();
    void MenuFermerClick();
    void MenuPdfClick();

    // The class palette.
    void CeCreation();
    void CeInitialisation();
    void CeEdition();
    void CeSpeedButtonClick(int n);

    // The joint symbols and the selection frame.
    void LiaisonCreation();
    void LiaisonInitialisation();
    void LiaisonEdition();
    void LiaisonPlacementInitial();
    void LiaisonOnMouse(bool versImageFond);
    void LiaisonMouseDown(int k, QPoint position);
    void LiaisonMouseMove(int k, QPoint position);
    void LiaisonMouseUp(int k, bool parEtudiant);
    bool LiaisonEvenement(int k, QEvent *evenement);
    bool LiaisonKeyDown(int k, const QKeyEvent *touche);
    QPoint OrigineImageFond() const;
    PlaceSymbole PlaceDe(int k) const;
    void PlacerSymbole(int k, const PlaceSymbole &place);

    // The background.
    void TrameCreation();
    void TrameInitialisation();
    std::optional<QString> TrameConstruction();
    void TrameEdition();
    void TrameAjuster();
    void MenuTrameClick();
    bool SurQuadrillage() const;

    // The drawing tools, the strokes layer, its history and the export.
    void DessinCreation();
    void DessinInitialisation();
    void DessinEdition();
    // Makes the display again from the background and the strokes, all of it or the rectangle given.
    void DessinDessiner(const QRect &zone = QRect());
    void DessinSpeedButtonClick(QToolButton *bouton);
    void ImageFondMouseDown(QPoint position);
    void ImageFondMouseMove(Qt::MouseButtons boutons, QPoint position);
    void ImageFondMouseUp(QPoint position);
    bool ImageFondEvenement(QEvent *evenement, QPoint decalage);
    void TracerLigne(QPoint depuis, QPoint vers, bool surCalque);
    void HistoriqueTraits(ZoneTraits avant, ZoneTraits apres, TracesSchema tracesApres);
    void RemplacerTraits(const ZoneTraits &pixels);
    void MenuEnregistrerClick();
    // The export; true when the picture was written.
    bool EnregistrerSchema();
    // The diagram as it is printed and exported: the drawing area as shown, strokes and symbols as vectors.
    std::optional<TravailImprime> TravailSchemaOuvert() const;
    void MenuAnnulerClick();
    void MenuRetablirClick();
    QToolButton *OutilEnfonce() const;

    // The drawing tools from the keyboard (…Curseur.cpp).
    void CurseurCreation();
    bool CurseurActif() const;
    void CurseurAfficher();
    // Puts the cursor at a point of the drawing, inside it and, on a grid, on a dot.
    void CurseurPlacer(QPoint position);
    bool ScrollBoxEvenement(QEvent *evenement);
    bool ScrollBoxKeyDown(const QKeyEvent *touche);
    void TraitAbandonner();

    SchemaCinematique Schema;
    bool SchemaOuvert = false; // a diagram was opened and is shown

    // Palette.
    std::array<QToolButton *, NbrCeMax + 1> BoutonCe{}; // 1 to 9
    QImage GlypheVide;

    // Symbols.
    std::array<QLabel *, NbrSymboles> ImageLiaison{};
    std::array<QImage, NbrSymboles> PictureLiaison; // as drawn, 24 bits, for the export
    QLabel *ImageSelection = nullptr;
    bool SymbolesVersImageFond = false;
    std::array<bool, NbrSymboles> SymbolePose{}; // placed by the student: it keeps its place on the drawing
    int SymboleDeplace = -1;                     // the symbol the student is dragging, or -1
    PlaceSymbole PlaceAvantDeplacement;
    bool PlacementInitialAttendu = false;

    // Background.
    QImage BitmapTrame;
    bool FenetreMontree = false;

    // Drawing.
    QPen CrayonTrait;
    QPen CrayonGomme;
    QImage BitmapDessin;
    QImage BitmapInstantane;
    QImage CalqueAvantTrait;
    QPoint PointOrigine;
    QPoint PositionCourante;
    QPen CrayonCourant;
    QRect ZoneTrait;     // what the stroke in progress changed in the strokes layer
    QRect ZoneApercu;    // the straight-line preview last drawn on the display
    TracesSchema Traces; // what the strokes layer holds, as vectors
    TraceSchema TraceEnCours;
    bool TraitEnCours = false;
    bool TraitAuClavier = false;   // the stroke under way was started with Espace
    QPoint CurseurClavier{-1, -1}; // on the drawing; outside it until first shown
    QLabel *ImageCurseur = nullptr;
    QUndoStack *Historique = nullptr;

    // Controls.
    QWidget *Panel = nullptr;
    QScrollArea *ScrollBox = nullptr;
    QWidget *Contenu = nullptr; // the scroll box's contents, at least as large as its view
    ImageSchema *ImageFond = nullptr;
    QToolButton *SpeedBoutonTrait = nullptr;
    QToolButton *SpeedBoutonSpline = nullptr;
    QToolButton *SpeedBoutonGomme = nullptr;
    QToolButton *SpeedBoutonEffacer = nullptr;
    QMenu *MenuFichier = nullptr;
    QMenu *MenuEdition = nullptr;
    QMenu *MenuOutils = nullptr;
    QAction *MenuOuvrir = nullptr;
    QAction *MenuFermer = nullptr;
    QAction *MenuAnnuler = nullptr;
    QAction *MenuRetablir = nullptr;
    QAction *MenuTrame = nullptr;
    QAction *MenuEnregistrer = nullptr;
    QAction *MenuPdf = nullptr;
};
