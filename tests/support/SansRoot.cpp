#include "support/SansRoot.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QThreadPool>

#include <cstdlib>
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
constexpr uid_t UtilisateurNobody = 65534;
constexpr gid_t GroupeNogroup = 65534;
constexpr int CodeSansChangement = 125;

bool UnThreadDuPoolExiste()
{
    QDirIterator it(QStringLiteral("/proc/self/task"), QDir::Dirs | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        QFile nom(it.next() + QStringLiteral("/comm"));
        if (nom.open(QIODevice::ReadOnly) && nom.readAll().startsWith("Thread (pooled)"))
            return true;
    }
    return false;
}
} // namespace

int ExecuterSansRoot(const std::function<int()> &travail)
{
    // Qt scales pictures and fills paths on the global pool's threads. A child has none of them, yet its pool
    // would hand them work and wait for ever: the pool is emptied first, so the child starts threads of its own.
    QThreadPool::globalInstance()->waitForDone();
    // The pool's threads are joined, but each may still be ending (under AddressSanitizer, giving its memory
    // back under the allocator's locks): a child forked then would find a lock taken for ever.
    for (int attente = 0; attente < 5000 && UnThreadDuPoolExiste(); ++attente)
        usleep(1000);
    const pid_t enfant = fork();
    if (enfant < 0)
        return -1;
    if (enfant == 0) {
        if (geteuid() == 0 &&
            (setgroups(0, nullptr) != 0 || setgid(GroupeNogroup) != 0 || setuid(UtilisateurNobody) != 0))
            _exit(CodeSansChangement);
        // _exit: the child must not run the parent's exit handlers (test reports, leak checks).
        _exit(travail());
    }
    int statut = 0;
    if (waitpid(enfant, &statut, 0) != enfant || !WIFEXITED(statut))
        return -1;
    const int code = WEXITSTATUS(statut);
    return code == CodeSansChangement ? -1 : code;
}

void OuvrirAuxAutres(const QString &dossier, bool ecriture)
{
    const QFileDevice::Permissions lecture = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther;
    const QFileDevice::Permissions traversee = QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;
    const QFileDevice::Permissions ecritureTous =
        ecriture ? QFile::WriteGroup | QFile::WriteOther : QFileDevice::Permissions();
    QFile::setPermissions(dossier, lecture | traversee | ecritureTous);
    QDirIterator it(dossier, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString chemin = it.next();
        const bool estDossier = it.fileInfo().isDir();
        QFile::setPermissions(chemin, lecture | (estDossier ? traversee : QFileDevice::Permissions()) | ecritureTous);
    }
}

namespace {
// A folder open to all, sticky like /tmp, in parent; empty when it cannot be made.
QString DossierOuvertATous(const QString &parent)
{
    QByteArray modele = QFile::encodeName(parent + QStringLiteral("/velkora-tests-XXXXXX"));
    if (mkdtemp(modele.data()) == nullptr)
        return {};
    const QString dossier = QFile::decodeName(modele);
    if (chmod(modele.constData(), 01777) != 0) {
        QDir().rmdir(dossier);
        return {};
    }
    return dossier;
}

bool EnfantPeutYCreer(const QString &dossier)
{
    return ExecuterSansRoot([&] {
               QByteArray modele = QFile::encodeName(dossier + QStringLiteral("/sonde-XXXXXX"));
               return mkdtemp(modele.data()) != nullptr && rmdir(modele.constData()) == 0 ? 0 : 1;
           }) == 0;
}
} // namespace

TemporairePourEnfants::TemporairePourEnfants()
{
    if (geteuid() != 0)
        return;
    for (const QString &parent : {QDir::tempPath(), QStringLiteral("/tmp")}) {
        dossier = DossierOuvertATous(parent);
        if (dossier.isEmpty())
            continue;
        if (EnfantPeutYCreer(dossier))
            break;
        QDir(dossier).removeRecursively();
        dossier.clear();
    }
    if (!dossier.isEmpty())
        qputenv("TMPDIR", QFile::encodeName(dossier));
}

TemporairePourEnfants::~TemporairePourEnfants()
{
    if (!dossier.isEmpty())
        QDir(dossier).removeRecursively();
}
