#include "common/Bureau.h"
#include "common/Descripteur.h"
#include "common/Dialogues.h"
#include "common/OuvertureExercice.h"

#include <QtGlobal>
#include <utility>

namespace {
std::unique_ptr<Dialogues> &dialoguesInstalles()
{
    static std::unique_ptr<Dialogues> instance;
    return instance;
}
std::unique_ptr<Bureau> &bureauInstalle()
{
    static std::unique_ptr<Bureau> instance;
    return instance;
}
} // namespace

Dialogues &dialogues()
{
    if (!dialoguesInstalles())
        qFatal("Velkora: no dialogs installed");
    return *dialoguesInstalles();
}

std::unique_ptr<Dialogues> InstallerDialogues(std::unique_ptr<Dialogues> nouveaux)
{
    return std::exchange(dialoguesInstalles(), std::move(nouveaux));
}

Bureau &bureau()
{
    if (!bureauInstalle())
        qFatal("Velkora: no desktop installed");
    return *bureauInstalle();
}

std::unique_ptr<Bureau> InstallerBureau(std::unique_ptr<Bureau> nouveau)
{
    return std::exchange(bureauInstalle(), std::move(nouveau));
}

QString MessageDocumentNonOuvert(const QString &chemin, OuvertureDocument ouverture)
{
    if (ouverture.etat == OuvertureDocument::SansProgramme)
        return QStringLiteral("Ce bureau n'a aucun programme pour ouvrir le fichier \"%1\".").arg(NomFichier(chemin));
    return MessageImpossibleOuvrir(chemin);
}
