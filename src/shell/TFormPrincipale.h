#pragma once

#include "common/AffichageModal.h"
#include "shell/TMecanisme.h"

#include <QMainWindow>

class QAction;
class QLabel;
class QMenu;
class TAboutBox;
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

    // How exercise windows and the About box are shown; tests replace it to look at the window.
    void DefinirAffichageModal(AffichageModal affichage);

    int NombreMecanismes() const { return NombreMecanismes_; }
    const TMecanisme &Mecanisme(int numero) const; // 1 to NombreMecanismes
    const QString &MecanismeChoisi() const { return MecanismeChoisi_; }

private:
    void FormCreate(int profondeurEcran);
    void CreerMenus();
    void ScruteDossierFichier(const QString &Nom);
    void MenuMecanismeOnClick(QAction *item);
    void MenuQuitterClick();
    void MenuLienInternetClick();
    void MenuAProposClick();
    void MenuPresentationClick();
    void MenuGrapheClick();
    void MenuSpecialClick();
    void MenuExerciceNonDisponibleClick();
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

    int NombreMecanismes_ = 0;
    std::array<TMecanisme, MaxMecanismes> Mecanismes_{};
    QString MecanismeChoisi_;
    AffichageModal affichageModal_ = AfficherModal;
};
