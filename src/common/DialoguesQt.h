#pragma once

#include "common/Dialogues.h"

#include <QStringList>

// The real dialogs, on Qt's widgets. Message boxes belong to the active window.
class DialoguesQt final : public Dialogues {
public:
    void Message(const QString &texte) override;
    void Erreur(const QString &texte) override;
    void BoiteErreur(const QString &texte) override;
    void Rapport(const QString &titre, const QString &texte) override;
    bool Question(const QString &titre, const QString &texte,
                  BoutonParDefaut parDefaut = BoutonParDefaut::Oui) override;
    std::optional<QString> Saisie(const QString &titre, const QString &invite, const QString &initial) override;
    std::optional<TColor> ChoisirCouleur(TColor initiale, QList<TColor> &personnalisees) override;
    QString FichierAOuvrir(const QString &dossierInitial, const QString &filtre, int filtreChoisi,
                           const QString &titre = {}) override;
    QString FichierAEnregistrer(const QString &dossierInitial, const QString &filtre, const QString &extensionParDefaut,
                                bool demanderEcrasement, const QString &titre = {}) override;
    ReponseEnregistrement EnregistrerModifications(const QString &texte) override;
    QString ChoisirTypeExercice() override;
    bool Imprimer(QPrinter &imprimante) override;
    void Apercu(QPrinter &imprimante, const std::function<void(QPrinter &)> &peindre) override;
};

// "Caption (*.x)|*.x|…" as the name filters of a Qt file dialog.
QStringList FiltresQt(const QString &filtre);
