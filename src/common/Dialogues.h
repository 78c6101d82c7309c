#pragma once

#include "common/Couleur.h"

#include <QList>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

class QPrinter;

enum class ReponseEnregistrement { Enregistrer, NePasEnregistrer, Annuler };
// The button of a question that Entrée presses; Échap always answers Non.
enum class BoutonParDefaut { Oui, Non };

// Every modal dialog the windows open goes through here, so that tests can answer them.
// Filters are written "Description (*.ext)|*.ext|…", pairs of a caption and its patterns.
class Dialogues {
public:
    virtual ~Dialogues() = default;

    // A plain notice with an OK button.
    virtual void Message(const QString &texte) = 0;
    // The application's general error box, for an unexpected failure.
    virtual void Erreur(const QString &texte) = 0;
    // A long text the user reads and copies, such as a report, in a window of the given title.
    virtual void Rapport(const QString &titre, const QString &texte) = 0;
    // An error box titled "Erreur".
    virtual void BoiteErreur(const QString &texte) = 0;
    // A question titled "Information" or "Confirmation" with "&Oui" and "&Non"; true for Oui.
    virtual bool Question(const QString &titre, const QString &texte,
                          BoutonParDefaut parDefaut = BoutonParDefaut::Oui) = 0;
    // An input box; nothing when it is cancelled.
    virtual std::optional<QString> Saisie(const QString &titre, const QString &invite, const QString &initial) = 0;
    // The colour dialog; the custom colours are kept between calls by the caller.
    virtual std::optional<TColor> ChoisirCouleur(TColor initiale, QList<TColor> &personnalisees) = 0;
    // Open dialog; filtreChoisi counts from 1. Empty when cancelled. The title says what is chosen.
    virtual QString FichierAOuvrir(const QString &dossierInitial, const QString &filtre, int filtreChoisi,
                                   const QString &titre = {}) = 0;
    // Save dialog; empty when cancelled.
    virtual QString FichierAEnregistrer(const QString &dossierInitial, const QString &filtre,
                                        const QString &extensionParDefaut, bool demanderEcrasement,
                                        const QString &titre = {}) = 0;
    // "Enregistrer", "Ne pas enregistrer" or "Annuler", before work would be thrown away.
    virtual ReponseEnregistrement EnregistrerModifications(const QString &texte) = 0;
    // The two-button choice between the two colouring exercises: "p" or "ce".
    virtual QString ChoisirTypeExercice() = 0;
    // The print dialog on the printer, which keeps what was chosen; false when cancelled.
    virtual bool Imprimer(QPrinter &imprimante) = 0;
    // The print preview of what `peindre` prints, until the user closes it or prints from it.
    virtual void Apercu(QPrinter &imprimante, const std::function<void(QPrinter &)> &peindre) = 0;
};

Dialogues &dialogues();
// Replaces the dialogs for the rest of the run and returns the previous ones.
std::unique_ptr<Dialogues> InstallerDialogues(std::unique_ptr<Dialogues> nouveaux);
