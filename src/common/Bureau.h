#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <memory>

enum class EtatFenetre { Cachee, Normale, Maximisee };

// The services of the desktop the program relies on, replaced by a recording fake in tests.
class Bureau {
public:
    virtual ~Bureau() = default;

    // Opens a document with the program the desktop associates with it.
    virtual bool OuvrirDocument(const QString &chemin, EtatFenetre etat) = 0;
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
