#include "shell/InstanceUnique.h"

#include <QLockFile>

bool AutreCopieEnCours(QLockFile &verrou)
{
    verrou.setStaleLockTime(0);
    return !verrou.tryLock(0) && verrou.error() == QLockFile::LockFailedError;
}
