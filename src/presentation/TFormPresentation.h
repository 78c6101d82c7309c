#pragma once

#include "presentation/ZonesPresentation.h"

#include <QImage>
#include <QMainWindow>
#include <QPoint>

class NavigateurLocal;
class QAction;
class QLabel;
class QMenu;
class QScrollArea;
class QSpinBox;
class QTabWidget;

// The "Présentation" exercise: the description page of a mechanism and its technical drawing, on
// which a click on a part number shows the part's line of the bill of materials. The part is found
// on the zone map, a hidden picture of the drawing's size where each number is painted in the
// part's own colour.
class TFormPresentation : public QMainWindow {
    Q_OBJECT
public:
    explicit TFormPresentation(QWidget *parent = nullptr);

    // Opens the presentation of the mechanism a descriptor (".sch") describes. A failure is told
    // to the student and leaves the window showing what it showed.
    void Ouvrir(const QString &cheminDescripteur);

protected:
    bool eventFilter(QObject *objet, QEvent *evenement) override;

private:
    void FormCreate();
    void MenuCreation();
    void DescriptionCreation();
    void PlanCreation();
    void PlanEdition(const QImage &plan);

    void FormResize();
    void MenuOuvrirClick();
    void MenuFermerClick();
    void MenuPdfClick();
    void PageControl1Change();
    void SpinEditChange();
    void ImagePlanMouseDown(const QPoint &position, const QPoint &positionGlobale);
    void ImagePlanMouseUp();
    void ScrollBoxMouseMove();
    int NumeroZone(TColor couleur) const;

    QString DossierExercice;
    std::int32_t NombrePieces = 0;
    TableZones Zones = ZonesVides();
    QImage ImageTrame; // Format_RGB888, the size of the drawing
    QImage Plan;       // the drawing as read, for printing
    QString NomMecanisme;

    // The pop-up that a press on a part prepares; it shows when the button is released, since Qt
    // closes a tooltip at every mouse button event.
    QString InfobulleArmee;
    QPoint PositionInfobulle;

    QTabWidget *PageControl1 = nullptr;
    QWidget *TabSheet1 = nullptr;
    NavigateurLocal *WebBrowser1 = nullptr;
    QWidget *TabSheetPlan = nullptr;
    QWidget *Panel1 = nullptr;
    QSpinBox *SpinEdit = nullptr;
    QScrollArea *ScrollBox = nullptr;
    QWidget *FondPlan = nullptr; // the scroll box's contents, at least as large as its view
    QLabel *ImagePlan = nullptr;
    QMenu *MenuFichier = nullptr;
    QAction *MenuOuvrir = nullptr;
    QAction *MenuFermer = nullptr;
    QAction *MenuPdf = nullptr;
};
