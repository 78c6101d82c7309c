#pragma once

#include "EcritureDemo.h"
#include "Mecanisme.h"

#include <QStringList>
#include <optional>

// Names of the catalogue's rows, as the description pages write them.
QString NomLiaison(int type);

// The static unknowns of each row and column of the joint catalogue, read from its "liaison.inf".
class InconnuesCatalogue {
public:
    explicit InconnuesCatalogue(const QString &fichier);
    int inconnues(int type, int colonne) const;

private:
    QString fichier_;
};

// What the study of the correction graph gives, as the description page states it.
struct EtudeHyperstatisme {
    int k = 6;
    int n = 0;
    int is = 0;
    int h = 0;
};
EtudeHyperstatisme EtudierHyperstatisme(const Mecanisme &m, const InconnuesCatalogue &catalogue);

// Writes the descriptor and the five exercises of the mechanism.
std::optional<QString> EcrireMecanisme(EcritureDemo &sortie, const Mecanisme &m, const InconnuesCatalogue &catalogue);

// Reads back what was written, with the program's own readers where they exist, and lists every
// fault in French; empty when all is right. The catalogue folder ends with "/".
QStringList VerifierMecanisme(const EcritureDemo &sortie, const Mecanisme &m, const QString &dossierCatalogue);

// Pixels a zone must keep on the sheet so that a student can click it.
inline constexpr int PixelsMinimumZone = 40;
