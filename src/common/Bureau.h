#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <memory>

enum class EtatFenetre { Cachee, Normale, Maximisee };

// What became of a document the desktop was asked to open. True only when it was opened, so that a
// caller that need not say why can test it as a yes or no.
struct OuvertureDocument {
    enum Etat { Ouvert, FichierAbsent, SansProgramme };
    Etat etat = Ouvert;
    explicit operator bool() const { return etat == Ouvert; }
};

// What the student is told when a document could not be opened: that the file is missing, or that
// the desktop has no program for it.
QString MessageDocumentNonOuvert(const QString &chemin, OuvertureDocument ouverture);

// The services of the desktop the program relies on, replaced by a recording fake in tests.
class Bureau {
public:
    virtual ~Bureau() = default;

    // Opens a document with the program the desktop associates with it.
    virtual OuvertureDocument OuvrirDocument(const QString &chemin, EtatFenetre etat) = 0;
    // Opens a web address in the desktop's browser.
    virtual bool OuvrirAdresse(const QString &adresse) = 0;
    virtual bool DemarrerProgramme(const QString &chemin) = 0;
    // Moves a file or folder to the trash, or deletes it where the file system has no trash.
    virtual bool Effacer(const QString &chemin) = 0;
    // The user's documents folder, created if missing.
    virtual QString DossierDocuments() = 0;
    virtual QImage CaptureEcran(const QRect &rectangle) = 0;
    virtual QPoint PositionPointeur() = 0;
};

Bureau &bureau();
std::unique_ptr<Bureau> InstallerBureau(std::unique_ptr<Bureau> nouveau);
