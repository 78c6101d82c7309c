#include "common/TravailNonEnregistre.h"

#include "common/Dialogues.h"

#include <QUndoStack>

bool PeutAbandonnerTravail(const QUndoStack &historique, const QString &nomTravail,
                           const std::function<bool()> &enregistrer)
{
    if (historique.isClean())
        return true;
    switch (
        dialogues().EnregistrerModifications(QStringLiteral("Enregistrer les modifications de %1 ?").arg(nomTravail))) {
    case ReponseEnregistrement::Enregistrer: return enregistrer();
    case ReponseEnregistrement::NePasEnregistrer: return true;
    case ReponseEnregistrement::Annuler: break;
    }
    return false;
}
