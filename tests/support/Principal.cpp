#include "support/Enregistrement.h"
#include "support/Factices.h"
#include "support/SansRoot.h"

#include <QApplication>
#include <QTest>
#include <vector>

namespace {
std::vector<std::function<std::unique_ptr<QObject>()>> &fabriques()
{
    static std::vector<std::function<std::unique_ptr<QObject>()>> liste;
    return liste;
}
} // namespace

bool EnregistrerTest(std::function<std::unique_ptr<QObject>()> fabrique)
{
    fabriques().push_back(std::move(fabrique));
    return true;
}

// Runs every registered test class, or only the one VELKORA_CLASSE names (QtTest's own arguments, a function
// name among them, then apply to it alone); the exit code counts the classes that failed.
int main(int argc, char **argv)
{
    const QByteArray classeChoisie = qgetenv("VELKORA_CLASSE");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    InstallerFactices();
    const TemporairePourEnfants temporaire;
    int echecs = 0;
    for (const auto &fabrique : fabriques()) {
        const std::unique_ptr<QObject> test = fabrique();
        if (!classeChoisie.isEmpty() && classeChoisie != test->metaObject()->className())
            continue;
        if (QTest::qExec(test.get(), argc, argv) != 0)
            ++echecs;
    }
    return echecs;
}
