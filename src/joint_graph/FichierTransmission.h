#pragma once

#include "joint_graph/GrapheLiaisons.h"

#include <QString>
#include <QTemporaryDir>
#include <memory>
#include <optional>

inline const QString NomFichierTransmission = QStringLiteral("sauvegarde automatique.gdl");

// The graph handed to the diagram window: written to "sauvegarde automatique.gdl" in the exercise
// folder, or, where that folder cannot be written, in a private temporary folder, and deleted when
// this object goes. The file names its mechanism, so the diagram finds the mechanism's folders
// wherever the file lies.
class FichierTransmission {
public:
    explicit FichierTransmission(const GrapheLiaisons &graphe);
    ~FichierTransmission();
    FichierTransmission(const FichierTransmission &) = delete;
    FichierTransmission &operator=(const FichierTransmission &) = delete;

    // Empty when the graph could not be written anywhere; erreur() then says why.
    const QString &chemin() const { return chemin_; }
    const QString &erreur() const { return erreur_; }

private:
    QString chemin_;
    QString erreur_;
    std::unique_ptr<QTemporaryDir> temporaire_;
};
