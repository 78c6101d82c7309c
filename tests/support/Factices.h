#pragma once

#include "common/Bureau.h"
#include "common/Dialogues.h"

#include <QStringList>
#include <deque>

// Dialogs that never block: every message is recorded, every question is answered from a script.
class DialoguesFactices final : public Dialogues {
public:
    struct Boite {
        QString genre; // "Message", "Erreur", "BoiteErreur", "Question", "Rapport", "Saisie", "Couleur", "Ouvrir",
                       // "Enregistrer", "TypeExercice", "Enregistrement", "Imprimer", "Apercu"
        QString titre;
        QString texte;
        // For a question: the button Entrée would press.
        BoutonParDefaut parDefaut = BoutonParDefaut::Oui;
    };

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
    // The printer is a PDF file, `impression`; the dialog answers the next of reponsesImpression (cancelled
    // when there is none), the preview prints into it at once.
    bool Imprimer(QPrinter &imprimante) override;
    void Apercu(QPrinter &imprimante, const std::function<void(QPrinter &)> &peindre) override;

    // The texts of the notices and error boxes shown, in order.
    QStringList textes() const;
    void oublier();

    std::vector<Boite> boites;
    // Scripted answers, taken in order; when a list is empty the dialog is cancelled (or "Non").
    std::deque<bool> reponsesQuestion;
    std::deque<std::optional<QString>> reponsesSaisie;
    std::deque<std::optional<TColor>> reponsesCouleur;
    std::deque<QString> fichiersAOuvrir;
    std::deque<QString> fichiersAEnregistrer;
    std::deque<QString> typesExercice;
    std::deque<ReponseEnregistrement> reponsesEnregistrement; // empty: "Annuler"
    std::deque<bool> reponsesImpression;
    QString impression;
    // What the last file dialog was given.
    QString dernierDossierInitial;
    QString dernierFiltre;
    int dernierFiltreChoisi = 0;
    QString dernierTitre;
};

// A desktop that records what it is asked and deletes for real, without a trash.
class BureauFactice final : public Bureau {
public:
    struct Ouverture {
        QString chemin;
        EtatFenetre etat;
    };

    OuvertureDocument OuvrirDocument(const QString &chemin, EtatFenetre etat) override;
    bool OuvrirAdresse(const QString &adresse) override;
    bool DemarrerProgramme(const QString &chemin) override;
    bool Effacer(const QString &chemin) override;
    QString DossierDocuments() override;
    QImage CaptureEcran(const QRect &rectangle) override;
    QPoint PositionPointeur() override;

    std::vector<Ouverture> documents;
    QStringList adresses;
    QStringList programmes;
    QStringList effaces;
    QString dossierDocuments;
    QImage ecran;               // what CaptureEcran copies from
    bool sansProgramme = false; // a desktop with no program for documents
    QPoint pointeur;
};

// Installs fresh fakes for the whole run and returns them, so a test can script and inspect them.
DialoguesFactices &InstallerFactices();
DialoguesFactices &dialoguesFactices();
BureauFactice &bureauFactice();
