#include "shell/Demarrage.h"

#include "colouring/TFormZoom.h"
#include "common/BureauQt.h"
#include "common/DialoguesQt.h"
#include "shell/InstanceUnique.h"
#include "shell/TFormPrincipale.h"
#include "shell/TFormSplash.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QLockFile>
#include <QTranslator>

namespace {

// One lock per user.
QString CheminVerrou()
{
    const QString utilisateur =
        qEnvironmentVariable("USER", qEnvironmentVariable("USERNAME", QStringLiteral("velkora")));
    return QDir::temp().filePath(QStringLiteral("Velkora-%1.lock").arg(utilisateur));
}

} // namespace

void ChargerTraductions(QApplication &application, QTranslator &traducteur)
{
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    if (traducteur.load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        application.installTranslator(&traducteur);
}

int Demarrer(int argc, char **argv)
{
    QApplication application(argc, argv);
    QLockFile verrou(CheminVerrou());
    if (AutreCopieEnCours(verrou))
        return 0;

    QTranslator traducteur;
    ChargerTraductions(application, traducteur);
    InstallerDialogues(std::make_unique<DialoguesQt>());
    InstallerBureau(std::make_unique<BureauQt>());

    auto splash = std::make_unique<TFormSplash>();
    splash->exec();
    TFormPrincipale principale;
    TFormZoom loupe;
    principale.DefinirLoupe(&loupe);
    splash.reset();
    return principale.Executer();
}
