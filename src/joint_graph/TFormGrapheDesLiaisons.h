#pragma once

#include "common/TravailImprime.h"
#include "joint_graph/ExerciceGraphe.h"
#include "joint_graph/GeometrieLien.h"
#include "joint_graph/GrapheLiaisons.h"
#include "joint_graph/LiaisonNormalisee.h"
#include "joint_graph/OuvertureSchema.h"

#include <QMainWindow>
#include <QStringList>
#include <array>

class QAction;
class QCloseEvent;
class QFrame;
class QKeyEvent;
class QLabel;
class QMenu;
class QPushButton;
class QScrollArea;
class QSlider;
class QUndoStack;
class TFondGraphe;
class TImageMouse;

// The "Graphe des liaisons" exercise: one node per equivalence class, one link per joint with its
// standard-joint symbol at the middle, the joint-editing panel, the frame, the hyperstatism, and the
// hand-off of the graph to a kinematic-diagram window. Its code is split by element:
// GrapheDesLiaisons.cpp (window, files), …Ce.cpp (nodes), …Liaison.cpp (joints and links),
// …Hyperstatisme.cpp.
class TFormGrapheDesLiaisons : public QMainWindow {
    Q_OBJECT
public:
    // The interaction modes of the joint editor.
    enum class Etat { Normal, ChoixLiaisonAEditer, ChoixLiaisonADetruire, ChoixBati, EditionLiaison };

    explicit TFormGrapheDesLiaisons(QWidget *parent = nullptr, OuvertureSchema ouvertureSchema = {});
    ~TFormGrapheDesLiaisons() override;

    // Opens the exercise of the mechanism a descriptor (".sch") describes, or a saved graph. A
    // failure is told to the student; the window stays usable.
    void OuvrirSCH(const QString &cheminDescripteur);
    void OuvrirGDL(const QString &cheminGdl);
    // "Nouveau": a graph without a mechanism, of as many classes as the student says.
    void MenuNouveauClick();
    // « Enregistrer » writes the open graph to this file without asking where: the teacher's workshop has
    // the correction of its mechanism built here.
    void EnregistrerDans(const QString &cheminGdl);

    const GrapheLiaisons &Graphe() const { return Graphe_; }
    // The study the open graph's exercise asks for, from its "condition.inf".
    EtudeExercice Etude() const { return Etude_; }
    Etat EtatEdition() const { return Etat_; }
    int LiaisonEditee() const { return LiaisonEditee_; }

protected:
    bool eventFilter(QObject *objet, QEvent *evenement) override;
    void closeEvent(QCloseEvent *evenement) override;

private:
    // Window and files (GrapheDesLiaisons.cpp).
    void FormCreate();
    void MenuCreation();
    void PanelCreation();
    void StatusBarCreation();
    void Reinitialiser();
    void AucunGraphe();
    void MenuOuvrirClick();
    void MenuEnregistrerClick();
    void MenuEnregistrerSousClick();
    // Writes the graph where it was last saved, or where the student says; true once it is written.
    bool Enregistrer();
    bool EnregistrerSous();
    // Asks before the graph's unsaved changes are thrown away; true when the caller may go on.
    bool PeutAbandonnerGraphe();
    QString NomGraphe() const;
    QString NomMecanismeOuvert() const;
    void ActualiserTitre();
    void MenuFermerClick();
    void MenuPdfClick();
    void MenuSchemaClick();
    bool GrapheOuvert();
    void AjusterFond();
    // Tab goes through the nodes, the joint symbols, the buttons, then the joint-editing panel.
    void OrdreTabulation();
    // The keyboard focus is on the control or inside it.
    bool FocusDans(const QWidget *controle) const;

    // Undo: every change is made between a start and an end, which push it as one command.
    void DebutModification();
    // fusion and continuation: see CommandeGraphe.
    void FinModification(const QString &texte, int fusion = -1, bool continuation = false);
    void AppliquerGraphe(const GrapheLiaisons &graphe);
    void AnnulerClick();
    void RetablirClick();
    void QuitterChoixEnCours();
    void ActiverAnnulation();

    // Class nodes (GrapheDesLiaisonsCe.cpp).
    void CeCreation();
    void CeInitialisation();
    void CeEdition(bool placer);
    void CePlacerEnRangees();
    void CeRangeesSuivreLaZone();
    void CeConvertirBmpToImage(int n);
    bool CeDefinirCouleur(int n);
    void CeImageMouseEnter(TImageMouse *sender);
    void CeImageMouseLeave(TImageMouse *sender);
    void CeImageMouseDown(TImageMouse *sender);
    void CeImageMouseMove(TImageMouse *sender, const QPoint &position);
    void CeImageMouseUp(TImageMouse *sender);
    // Espace or Entrée acts as a press and a click; an arrow moves the node by one pixel, ten with Maj.
    bool CeImageKeyDown(TImageMouse *sender, const QKeyEvent &touche);
    void CeDeplacer(TImageMouse *sender, QPoint decalage, bool continuation);
    void BoutonBatiClick();
    void ImageCeBatiOnClick(TImageMouse *sender);
    QString TexteClasse(int n) const;
    // Left and top brought into 0 … 4000.
    static QPoint PositionDansLaZone(QPoint position);

    // Joints and links (GrapheDesLiaisonsLiaison.cpp).
    void LiaisonCreation();
    void LiaisonPanelCreation();
    void LiaisonInitialisation();
    void LiaisonEdition();
    void ActiverBoutons(bool actifs);
    void BoutonCreerClick();
    void BoutonEditerClick();
    void BoutonDetruireClick();
    void InitialisationEditerLiaison(int a);
    void ImageLiaisonEditerOnClick(TImageMouse *sender);
    void LiaisonImageDetruireOnClick(TImageMouse *sender);
    void LiaisonImageDetruire(int a);
    // Entrée edits the joint and Suppr destroys it, as "Editer liaison" and "Détruire liaison" would.
    bool LiaisonImageKeyDown(TImageMouse *sender, const QKeyEvent &touche);
    void CeImageClick(TImageMouse *sender);
    void BoutonPermuterClick();
    void ImageLiaison3dClick(TImageMouse *sender);
    void ImageLiaison2dClick(TImageMouse *sender);
    void TrackBarInclineaisonChange(int position);
    void BoutonAideClick();
    void BoutonFermerClick();
    void LiaisonImageDessiner(int a);
    void LiaisonImageRotationDessiner(int a);
    void LiaisonLienDessiner(int a);
    void PlacerSymbole(int a, const GeometrieLien &lien);
    void LiaisonLiensDessiner();
    void LiaisonLiensDuNoeudDessiner(int ce);
    void DessinerToutLeGraphe();

    // "Outils": the drawing as PDF, and checking the graph against the mechanism's correction
    // (GrapheDesLiaisonsVerification.cpp).
    void MenuVerifierCreation();
    void OutilsEdition(bool pdfVisible);
    // The accepted models of the open graph's mechanism: "correction.gdl" first; none without a mechanism.
    QStringList CheminsCorrection() const;
    void MenuVerifierGrapheClick();

    // Hyperstatism (GrapheDesLiaisonsHyperstatisme.cpp).
    void BoutonHyperstatismeClick();

    // Printing and export (GrapheDesLiaisonsImpression.cpp).
    std::optional<TravailImprime> TravailGrapheOuvert() const;
    std::int32_t DemanderMobilite(const QString &titre, const QString &invite, const QString &initial);

    GrapheLiaisons Graphe_;
    EtudeExercice Etude_ = EtudeExercice::SelonLesVues;
    LiaisonNormalisee Catalogue;
    QString DernierHyperstatisme_; // the working last shown, printed with the graph
    ImagesClasses Bmp{};
    OuvertureSchema ouvertureSchema_;

    Etat Etat_ = Etat::Normal;
    int LiaisonEditee_ = 0;
    bool Deplacement = false;
    bool DeplacementSeul = false; // the drag is a change of its own
    bool RangeesAPlacer = false;  // the nodes stand as laid out at the opening, in rows across the area
    QPoint PointAppui;
    TColor DerniereCouleur;
    QList<TColor> CouleursPersonnalisees;
    QUndoStack *Annulation = nullptr;
    GrapheLiaisons GrapheAvant;
    bool ModificationEnCours = false;
    QString LibelleEdition;   // the name of the joint's editing in the history, %1 its number
    QString CheminEnregistre; // the file the graph was last saved to; empty until then

    QScrollArea *ScrollBox = nullptr;
    TFondGraphe *ImageFond = nullptr;
    std::array<TImageMouse *, NbrCeMax> ImagesCe{};
    std::array<TImageMouse *, NbrLiaisonMax> ImagesLiaison{};

    QWidget *Panel = nullptr;
    QPushButton *BoutonCreer = nullptr;
    QPushButton *BoutonEditer = nullptr;
    QPushButton *BoutonDetruire = nullptr;
    QPushButton *BoutonHyperstatisme = nullptr;
    QPushButton *BoutonBati = nullptr;
    QWidget *PanelLiaison = nullptr;
    QLabel *LabelLiaison = nullptr;
    QLabel *LabelCe1 = nullptr;
    QLabel *LabelCe2 = nullptr;
    std::array<TImageMouse *, NbrLiaisonNormaliseeMax> ImagesLiaison3d{};
    std::array<TImageMouse *, NbrVueMax> ImagesLiaison2D{};
    QPushButton *BoutonAide = nullptr;
    QPushButton *BoutonPermuter = nullptr;
    QLabel *LabelInclineaison = nullptr;
    QSlider *TrackBarInclineaison = nullptr;
    QPushButton *BoutonFermer = nullptr;

    QFrame *PanelStatusBar = nullptr;
    QLabel *LabelStatut = nullptr;

    QAction *MenuNouveau = nullptr;
    QAction *MenuOuvrir = nullptr;
    QAction *MenuEnregistrer = nullptr;
    QAction *MenuEnregistrerSous = nullptr;
    QAction *MenuFermer = nullptr;
    QAction *MenuAnnuler = nullptr;
    QAction *MenuRetablir = nullptr;
    QMenu *MenuOutils = nullptr;
    QAction *MenuPdf = nullptr;
    QAction *MenuVerifierGraphe = nullptr;
    QAction *MenuSchema = nullptr;
};
