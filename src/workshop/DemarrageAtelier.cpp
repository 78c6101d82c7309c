#include "workshop/DemarrageAtelier.h"

#include "common/BureauQt.h"
#include "common/Descripteur.h"
#include "common/DialoguesQt.h"
#include "shell/Demarrage.h"
#include "workshop/TFormAtelier.h"

#include <QApplication>
#include <QFileInfo>
#include <QTranslator>

int DemarrerAtelier(int argc, char **argv)
{
    QApplication application(argc, argv);
    QTranslator traducteur;
    ChargerTraductions(application, traducteur);
    InstallerDialogues(std::make_unique<DialoguesQt>());
    InstallerBureau(std::make_unique<BureauQt>());

    TFormAtelier atelier;
    atelier.show();
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() > 1) {
        const QString chemin = QFileInfo(arguments[1]).absoluteFilePath();
        if (chemin.endsWith(ExtensionDescripteur, Qt::CaseInsensitive))
            atelier.OuvrirMecanisme(chemin);
        else
            atelier.OuvrirDessin(chemin);
    }
    return QApplication::exec();
}
