#pragma once

#include "colouring/ExerciceColoriage.h"
#include "colouring/IndexZones.h"
#include "colouring/VerificationColoriage.h"
#include "common/TravailImprime.h"

#include <QImage>
#include <QMainWindow>
#include <QPointer>

class QAction;
class QFrame;
class QKeyEvent;
class QLabel;
class QMenu;
class QScrollArea;
class QUndoStack;
class TCouleurListBox;
class TFormZoom;
class VueColoriage;

// The two colouring exercises of a mechanism: "Décodage de plan" (mode "p"), where every part of
// the drawing gets a colour of its own, and "Classe d'équivalence" (mode "ce"), where every
// equivalence class does. The drawing is cut into zones by a zone map; the student paints zones
// with the items of the colour list and has the colouring checked against the solution.
class TFormColoriage : public QMainWindow {
    Q_OBJECT
public:
    // loupe: the magnifier window of the run, shown with this window; may be null.
    explicit TFormColoriage(QWidget *parent = nullptr, TFormZoom *loupe = nullptr);
    ~TFormColoriage() override;

    // Opens the exercise of mode "p" or "ce" of the mechanism a descriptor (".sch") describes.
    // A failure is told to the student and leaves the window as it was.
    void Ouvrir(const QString &cheminDescripteur, const QString &mode);

    // What a test reads back: the coloured layer, the attempts and the key colours.
    const QImage &CoucheZone() const { return ImageZone; }
    int Tentatives() const { return Tentatives_; }
    const std::vector<TColor> &CouleursZones() const { return CouleurZone; }
    const QUndoStack &Historique() const { return *Historique_; }

protected:
    bool eventFilter(QObject *objet, QEvent *evenement) override;
    void showEvent(QShowEvent *evenement) override;
    void closeEvent(QCloseEvent *evenement) override;
    void changeEvent(QEvent *evenement) override;
    void wheelEvent(QWheelEvent *evenement) override;
    void resizeEvent(QResizeEvent *evenement) override;
    void moveEvent(QMoveEvent *evenement) override;

private:
    // Creation of the elements, once.
    void MenuCreation();
    void PanelCreation();
    void PlanCreation();
    void StatusBarCreation();
    // Loading.
    void ExerciceEdition(LectureColoriage &&lecture, const QString &mode);
    void ListeEdition(const QString &mode);
    // "Correction : " and the number of checks made.
    void BilanEdition();

    // Painting (TFormColoriagePeinture.cpp).
    void ImagePlanMouseDown(Qt::MouseButton bouton, QPoint position);
    void ImagePlanMouseMove(QPoint position);
    // The keyboard's cursor on the drawing (TFormColoriageClavier.cpp).
    void ImagePlanCurseurDeplace(QPoint position);
    void ImagePlanZoneVoisine(bool suivante);
    // PageUp, PageDown and Ctrl+arrows; false for another key.
    bool ImagePlanDefilement(const QKeyEvent &touche);
    void ImagePlanFocus(bool entree);
    void LoupeSurCurseur();
    void ScrollBoxMouseDown(Qt::MouseButton bouton);
    void CouleurListBoxMouseUp();
    // The rule every change of the selected item goes through, by mouse, wheel or keyboard.
    void ImposerCouleur();
    void CouleurListBoxCouleurChange();
    void FormMouseWheel(int delta);
    void MenuPrevisualisationClick();
    void FormResize();
    int ZoneSous(QPoint position) const;
    void AnnoncerZone(int zone);
    void EteindreSurbrillance();
    void Recolorier(std::int32_t item, TColor couleur);
    // What a step of the history applies, again or backwards.
    void PeindreZone(std::int32_t zone, std::int32_t item);
    void ColorerItem(std::int32_t item, TColor couleur);
    void MenuAnnulerClick();
    void MenuRetablirClick();

    // Checking and export (TFormColoriageVerification.cpp).
    void MenuVerificationClick();
    void MenuEnregistrerImageClick();
    void MenuPdfClick();
    void MenuAideClick();
    // Opens a file of the exercise with the desktop's program, or says why it cannot.
    void OuvrirDocumentExercice(const QString &cheminAttendu);
    void MenuZoomClick();
    void MontrerLoupe();
    void CacherLoupe();
    ModeColoriage Mode() const;
    // Writes the coloured drawing where the student chooses; false when nothing was written.
    bool EnregistrerPlanColorie();
    // The coloured drawing as it is saved, made again from the colouring.
    void ExportEdition();
    // The coloured drawing as it is printed: the saved picture, the checks made and what was found.
    std::optional<TravailImprime> TravailColorie();
    // Asks, when paint would be lost, whether to save it first; false when the student cancels.
    bool PeutAbandonnerColoriage();
    std::vector<bool> Actifs() const;

    void MenuOuvrirClick();
    void MenuFermerClick();

    QString DossierExercice;
    QString ModeOuvert; // "p" or "ce" once an exercise is open
    QString NomMecanisme;
    std::int32_t NombreZones = 0;
    std::int32_t NombreCouleurs = 0;
    std::vector<TColor> CouleurZone = std::vector<TColor>(MaxZonesColoriage + 1, clWhite);
    std::vector<QString> Solution = std::vector<QString>(MaxCouleursColoriage + 1);
    QString CheminPdf;
    QString CheminAide;
    std::int32_t SeuilAide = 0;
    Coloriage Coloriage_;
    int Tentatives_ = 0;

    QImage ImageZone;   // the coloured layer the student paints
    QImage ImagePlan;   // the line drawing
    QImage ImageExport; // the last saved picture, its memory used again by the next
    IndexZones Index;
    int ZoneSurbrillance = -1;
    bool PeintureEnCours = false;
    // Paint and recolourings since the opening, in the order they were made; a colour change made by
    // the history itself or by the opening is not one more step.
    QUndoStack *Historique_ = nullptr;
    bool HistoriqueSuspendu = false;
    // Whether the loupe goes with this window: false once the student hid it or the exercise ended,
    // true again when an exercise is opened or the student asks for it.
    bool LoupeDemandee = true;

    QPointer<TFormZoom> Loupe;
    QWidget *Panel = nullptr;
    QLabel *LabelBilan = nullptr;
    TCouleurListBox *CouleurListBox = nullptr;
    QScrollArea *ScrollBox = nullptr;
    QFrame *CadrePlan = nullptr; // around the scroll box; coloured while the drawing has the focus
    QWidget *FondPlan = nullptr; // the scroll box's contents, at least as large as its view
    VueColoriage *ImageVue = nullptr;
    QLabel *LabelZone = nullptr;
    QAction *MenuOuvrir = nullptr;
    QAction *MenuFermer = nullptr;
    QAction *MenuAnnuler = nullptr;
    QAction *MenuRetablir = nullptr;
    QAction *MenuPdf = nullptr;
    QAction *MenuZoom = nullptr;
    QAction *MenuPrevisualisation = nullptr;
    QAction *MenuEnregistrerImage = nullptr;
    QAction *MenuVerification = nullptr;
    QAction *MenuAide = nullptr;
};
