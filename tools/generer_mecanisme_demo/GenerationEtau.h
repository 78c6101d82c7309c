#pragma once

#include "EcritureDemo.h"

#include <QString>
#include <QStringList>
#include <optional>

// Where the bench vice lies in the program folder.
inline const QString DescripteurEtau = QStringLiteral("etau.sch");
inline const QString DossierPresentationEtau = QStringLiteral("etau/presentation/");
inline const QString NomMecanismeEtau = QStringLiteral("Étau de serrage");

// Writes the descriptor and the presentation exercise of the bench vice.
std::optional<QString> EcrireMecanismeEtau(EcritureDemo &sortie);

// Reads back what was written and lists every fault in French; empty when all is right.
QStringList VerifierMecanismeEtau(const EcritureDemo &sortie);
