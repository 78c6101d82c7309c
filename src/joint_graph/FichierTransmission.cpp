#include "joint_graph/FichierTransmission.h"

#include "joint_graph/FichierGdl.h"

#include <QDir>
#include <QFile>

FichierTransmission::FichierTransmission(const GrapheLiaisons &graphe)
{
    const QString dansLExercice = graphe.DossierExercice + NomFichierTransmission;
    if (!graphe.DossierExercice.isEmpty() && !EnregistrerGdl(graphe, dansLExercice)) {
        chemin_ = dansLExercice;
        return;
    }
    // An installation the student may not write into: the file goes where only this user can read it.
    temporaire_ = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/velkora-XXXXXX"));
    if (!temporaire_->isValid()) {
        erreur_ = MessageEcritureImpossible(dansLExercice);
        return;
    }
    const QString ailleurs = temporaire_->filePath(NomFichierTransmission);
    if (const auto refus = EnregistrerGdl(graphe, ailleurs)) {
        erreur_ = *refus;
        return;
    }
    chemin_ = ailleurs;
}

FichierTransmission::~FichierTransmission()
{
    // Deleted for good: a file the program wrote for itself has no place in the student's trash.
    if (!chemin_.isEmpty())
        QFile::remove(chemin_);
}
