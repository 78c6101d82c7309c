#include "shell/TFormPrincipale.h"

#include "common/Dialogues.h"
#include "common/DossiersMecanismes.h"
#include "workshop/TFormAtelier.h"

#include <QAction>
#include <QLabel>

namespace {
const QString FiltreDescripteur = QStringLiteral("Mécanisme Velkora (*.sch)|*.sch");
const QString TitreModifier = QStringLiteral("Modifier un mécanisme");
} // namespace

void TFormPrincipale::MenuNouveauMecanismeClick() { OuvrirAtelier({}); }

void TFormPrincipale::MenuModifierMecanismeClick()
{
    const QString chemin =
        dialogues().FichierAOuvrir(DossiersMecanismes().value(0), FiltreDescripteur, 1, TitreModifier);
    if (!chemin.isEmpty())
        OuvrirAtelier(chemin);
}

void TFormPrincipale::OuvrirAtelier(const QString &cheminDescripteur)
{
    TFormAtelier atelier(this);
    atelier.DefinirAffichageModal(affichageModal_);
    atelier.DefinirApresEnregistrement([this](const QString &) { RescannerMecanismes(); });
    if (!cheminDescripteur.isEmpty() && !atelier.OuvrirMecanisme(cheminDescripteur))
        return;
    affichageModal_(atelier);
}

// The catalogue made again from the folders, as at start-up; the mechanism chosen is chosen again.
void TFormPrincipale::RescannerMecanismes()
{
    const QString choisi = CheminChoisi_;
    for (int k = 1; k <= NombreMecanismes_; ++k) {
        TMecanisme &entree = Mecanismes_[std::size_t(k - 1)];
        delete entree.Menu;
        entree = TMecanisme{};
    }
    MecanismeChoisi_.clear();
    CheminChoisi_.clear();
    LabelMecanisme->clear();
    for (QAction *item : {MenuPresentation, MenuDecodage_p, MenuDecodage_ce, MenuGraphe, MenuSchema})
        item->setEnabled(false);
    ScannerMecanismes();
    for (int k = 1; k <= NombreMecanismes_; ++k) {
        const TMecanisme &entree = Mecanismes_[std::size_t(k - 1)];
        if (entree.Chemin == choisi) {
            MenuMecanismeOnClick(entree.Menu);
            break;
        }
    }
}
