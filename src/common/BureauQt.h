#pragma once

#include "common/Bureau.h"

class BureauQt final : public Bureau {
public:
    OuvertureDocument OuvrirDocument(const QString &chemin, EtatFenetre etat) override;
    bool OuvrirAdresse(const QString &adresse) override;
    bool DemarrerProgramme(const QString &chemin) override;
    bool Effacer(const QString &chemin) override;
    QString DossierDocuments() override;
    QImage CaptureEcran(const QRect &rectangle) override;
    QPoint PositionPointeur() override;
};
