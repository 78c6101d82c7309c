#pragma once

#include "common/AffichageModal.h"
#include "workshop/AtelierModifiable.h"
#include "workshop/TeinteZones.h"

#include <QMainWindow>
#include <functional>
#include <memory>

class QAction;
class QActionGroup;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QSlider;
class QSpinBox;
class QTabWidget;
class QTableWidget;
class QTimer;
class QUndoStack;
class VueAtelier;
struct ReglagesAnalyse;
struct ZonesDessin;

// « Atelier du professeur »: a scanned or exported drawing turned into a mechanism. The teacher sets how the
// drawing is read, corrects its zones, types the parts and clicks their zones and bubbles, groups them into
// classes and saves the mechanism among his own. Its code is split by element: TFormAtelier.cpp (window,
// menus, history), …Dessin.cpp (the drawing and its settings), …Feuille.cpp (clicks and keys on the sheet),
// …Pieces.cpp, …Classes.cpp, …Enregistrement.cpp.
class TFormAtelier : public QMainWindow, private AtelierModifiable {
    Q_OBJECT
public:
    // What the sheet's clicks do.
    enum class Outil { Fusion, Trait, ZonesPiece, Bulle, Classes };

    explicit TFormAtelier(QWidget *parent = nullptr);
    ~TFormAtelier() override;

    // Opens a drawing (scan or PDF) or reopens a mechanism (".sch"); false when nothing was opened, after
    // telling the teacher why.
    bool OuvrirDessin(const QString &chemin);
    bool OuvrirMecanisme(const QString &cheminDescripteur);
    // « Nouveau mécanisme »: an empty workshop, once the work is saved or given up.
    void MenuNouveauClick();
    void MenuModifierClick();

    // Called after each save with the descriptor written, so that the main window lists the mechanism.
    void DefinirApresEnregistrement(std::function<void(const QString &)> rappel);
    // How the joint-graph editor is shown; tests replace it.
    void DefinirAffichageModal(AffichageModal affichage) { affichageModal_ = std::move(affichage); }

    const QUndoStack &Historique() const { return *Historique_; }
    const EtatAtelier &Etat() const { return Etat_; }
    const ZonesDessin *Zones() const;
    QString DescripteurEnregistre() const { return Descripteur_; }

protected:
    void closeEvent(QCloseEvent *evenement) override;

private:
    // Window, menus and history (TFormAtelier.cpp).
    void MenuCreation();
    void OutilsCreation();
    void ActualiserTitre();
    bool PeutAbandonnerAtelier();
    void Reinitialiser();
    void AppliquerEtat(const EtatAtelier &etat) override;
    void Modifier(EtatAtelier apres, const QString &texte);
    void ChoisirOutil(Outil outil);

    // The drawing and its settings (TFormAtelierDessin.cpp).
    void DessinCreation(QTabWidget *onglets);
    void MenuOuvrirClick();
    void ReglagesModifies();
    void Analyser();
    ReglagesAnalyse ReglagesChoisis() const;
    void ReglagesEdition(const ReglagesAnalyse &reglages);
    void EchangerAnalyse(AnalyseAtelier &autre) override;
    void DessinEdition();
    void TeintesEdition();
    void Reteinter(QRect cadre);

    // Clicks and keys on the sheet (TFormAtelierFeuille.cpp).
    void FeuilleCreation();
    void ImageFeuilleClic(QPoint point);
    void ImageFeuilleTrace(const QPolygon &trace);
    void ImageFeuilleTouche(QPoint point, bool fin);
    void FusionClic(std::int32_t zone);
    void TracerTrait(const QPolygon &trace);
    void EchangerZones(ModificationZones &modification, std::vector<int> &pieceDeZone) override;
    void ZonesEditees(QRect change);
    std::vector<int> PiecesApresEdition(const ModificationZones &avant) const;
    void Zoomer(double facteur);
    void ZoomFeuilleEntiere();
    void BullesEdition();

    // Parts (TFormAtelierPieces.cpp).
    void PiecesCreation(QTabWidget *onglets);
    void PiecesEdition();
    void TablePiecesModifiee(int ligne, int colonne);
    void AjouterPieceClick();
    void RetirerPieceClick();
    void CollerPieces();
    int PieceChoisie() const; // repère, 0 for none
    void ZonePieceClic(std::int32_t zone);
    void BulleClic(QPoint point);
    void TrouverBullesClick();
    std::int32_t ZoneSousLePointeur(QPoint feuille) const;

    // Classes (TFormAtelierClasses.cpp).
    void ClassesCreation(QTabWidget *onglets);
    void ClassesEdition();
    void ListeClassesModifiee(QListWidgetItem *item);
    void AjouterClasseClick();
    void RetirerClasseClick();
    void ClasseClic(std::int32_t zone);

    // Saving (TFormAtelierEnregistrement.cpp).
    void EnregistrementCreation(QTabWidget *onglets);
    void EnregistrementEdition();
    void ChampsEnregistrementModifies();
    bool Enregistrer();
    MecanismeAtelier Mecanisme() const;
    void CorrectionGrapheClick();

    QUndoStack *Historique_ = nullptr;
    EtatAtelier Etat_;
    std::unique_ptr<AnalyseAtelier> Analyse_; // never null
    QImage Gris_;                             // the drawing as read, in grey
    QImage Teinte_;                           // what the sheet shows
    TeintesZones Teintes_;
    QString Source_;      // the drawing's file, or the descriptor reopened
    QString Descripteur_; // where the mechanism was last saved or read from
    QString Explication_; // kept from a reopened mechanism
    Outil Outil_ = Outil::Fusion;
    std::int32_t ZoneAFusionner_ = 0; // first zone clicked for a merge
    QPolygon TraceClavier_;
    bool Edition_ = false; // the controls are being filled from the state
    std::function<void(const QString &)> apresEnregistrement_;
    AffichageModal affichageModal_ = AfficherModal;

    VueAtelier *ImageFeuille = nullptr;
    QScrollArea *ScrollFeuille = nullptr;
    QTabWidget *Onglets = nullptr;
    QLabel *LabelAide = nullptr;
    QActionGroup *GroupeOutils = nullptr;
    QAction *MenuAnnuler = nullptr;
    QAction *MenuRetablir = nullptr;
    QAction *OutilFusion = nullptr;
    QAction *OutilTrait = nullptr;
    QAction *OutilZonesPiece = nullptr;
    QAction *OutilBulle = nullptr;
    QAction *OutilClasses = nullptr;
    QSlider *SliderSeuil = nullptr;
    QSpinBox *SpinSeuil = nullptr;
    QSpinBox *SpinPoussieres = nullptr;
    QSpinBox *SpinAireMin = nullptr;
    QCheckBox *CaseHachures = nullptr;
    QSpinBox *SpinEpaisseurHachure = nullptr;
    QSpinBox *SpinEcartHachures = nullptr;
    QSpinBox *SpinEpaisseurTrait = nullptr;
    QLabel *LabelZones = nullptr;
    QTimer *MinuterieAnalyse = nullptr;
    QTableWidget *TablePieces = nullptr;
    QLabel *LabelZonesSansPiece = nullptr;
    QListWidget *ListeClasses = nullptr;
    QPushButton *BoutonAjouterClasse = nullptr;
    QRadioButton *RadioSpatiale = nullptr;
    QRadioButton *RadioPlane = nullptr;
    QLineEdit *EditSouche = nullptr;
    QLineEdit *EditNom = nullptr;
    QComboBox *ComboDifficulte = nullptr;
    QPushButton *BoutonEnregistrer = nullptr;
    QPushButton *BoutonCorrection = nullptr;
    QPlainTextEdit *TexteRapport = nullptr;
};
