#pragma once

class QLockFile;

// Whether another copy of the program is running: it holds the lock. A lock left by a copy that
// crashed is taken over. A lock that cannot be taken for another reason (a temporary folder that
// cannot be written) does not stop this copy, which then runs without it.
bool AutreCopieEnCours(QLockFile &verrou);
