#pragma once

#include "common/AffichageModal.h"
#include "shell/TMecanisme.h"

#include <QMainWindow>
#include <QSet>

class QAction;
class QLabel;
class QMenu;
class TAboutBox;
class TFormZoom;
class TScruteDossier;

// The main window: the banner, the catalogue of installed mechanisms under their difficulty menus,
// and the exercise items of the chosen mechanism.
class TFormPrincipale : public QMainWindow {
    Q_OBJECT
public:
    // profondeurEcran: bits per pixel of the display, checked before anything else.
    explicit TFormPrincipale(int profondeurEcran = ProfondeurEcran(), QWidget *parent = nullptr);
    ~TFormPrincipale() override;

    static int ProfondeurEcran();
    // Exit status of a run refused for a display of fewer than 24 bits.
    static constexpr int CodeEcranInsuffisant = 1;

    // Shows the window and runs the application's event loop until the program ends; returns the exit
    // status. A refused display ends the loop as soon as it starts, with CodeEcranInsuffisant.
    int Executer();

    // How exercise windows and the About box are shown; tests replace it to look at the window.
    void DefinirAffichageModal(AffichageModal affichage);
    // The magnifier window of the run, handed to the colouring windows; it outlives this window.
    void DefinirLoupe(TFormZoom *loupe) { Loupe = loupe; }

    int NombreMecanismes() const { return NombreMecanismes_; }
    const TMecanisme &Mecanisme(int numero) const; // 1 to NombreMecanismes
    const QString &MecanismeChoisi() const { return MecanismeChoisi_; }

private:
    void FormCreate(int profondeurEcran);
    void CreerMenus();
    void ScruteDossierFichier(const QString &Nom);
    void AjouterAuMenu(QMenu *sousMenu, QAction *item);
    void MenuMecanismeOnClick(QAction *item);
    void MenuQuitterClick();
    // "Vérifier un mécanisme…" (TFormPrincipaleVerification.cpp): the checker's report on a chosen descriptor.
    void MenuVerifierClick();
    // « Nouveau mécanisme… » and « Modifier un mécanisme… » (TFormPrincipaleAtelier.cpp): the teacher's workshop,
    // after which the catalogue is built again so that a mechanism saved there is listed.
    void MenuNouveauMecanismeClick();
    void MenuModifierMecanismeClick();
    void OuvrirAtelier(const QString &cheminDescripteur);
    void ScannerMecanismes();
    void RescannerMecanismes();
    void MenuLienInternetClick();
    void MenuAProposClick();
    void MenuPresentationClick();
    void MenuDecodage_pClick();
    void MenuDecodage_ceClick();
    void MenuSchemaClick();
    void MenuGrapheClick();
    void MenuSpecialClick();
    void OuvrirSchema(QWidget &proprietaire, const QString &cheminGdl);
    QString CheminDescripteurChoisi() const;

    QLabel *Image = nullptr;
    QLabel *LabelMecanisme = nullptr;
    TScruteDossier *ScruteDossier = nullptr;
    TAboutBox *AboutBox = nullptr;
    QMenu *MenuFacile = nullptr;
    QMenu *MenuMoyenne = nullptr;
    QMenu *MenuDifficile = nullptr;
    QMenu *MenuPersonnalise = nullptr;
    QAction *MenuPresentation = nullptr;
    QAction *MenuDecodage_p = nullptr;
    QAction *MenuDecodage_ce = nullptr;
    QAction *MenuGraphe = nullptr;
    QAction *MenuSchema = nullptr;

    bool FinDemandee_ = false;
    int NombreMecanismes_ = 0;
    std::array<TMecanisme, MaxMecanismes> Mecanismes_{};
    QString MecanismeChoisi_;
    QString CheminChoisi_;
    QSet<QString> RadicauxTrouves_; // stems already met in a folder of mechanisms looked at earlier
    AffichageModal affichageModal_ = AfficherModal;
    TFormZoom *Loupe = nullptr;
};
