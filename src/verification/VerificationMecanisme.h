#pragma once

#include "verification/RapportVerification.h"

#include <QString>

// Checks a mechanism as the windows will read it: its descriptor, then every exercise it offers, and
// the correction graph of its diagram when there is one. Every finding names its file and, where
// there is one, its line. Nothing is written.
RapportVerification VerifierMecanisme(const QString &cheminDescripteur);
