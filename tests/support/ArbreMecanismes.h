#pragma once

#include "common/EncodageTexte.h"

#include <QImage>
#include <QString>
#include <QTemporaryDir>
#include <array>
#include <optional>

// What a test descriptor holds; unset keys are left out of the file.
struct DescripteurTest {
    QString nom;
    std::array<int, 5> exercices{1, 1, 1, 1, 1};
    int validite = 1;
    std::optional<int> difficulte = 1;
};

// A program folder of its own in a temporary folder, made the program folder while it lives.
class ArbreMecanismes {
public:
    ArbreMecanismes();
    ~ArbreMecanismes();
    ArbreMecanismes(const ArbreMecanismes &) = delete;
    ArbreMecanismes &operator=(const ArbreMecanismes &) = delete;

    // The folder, ending with "/".
    QString dossier() const;
    QString chemin(const QString &relatif) const;

    QString ecrireOctets(const QString &relatif, const QByteArray &octets) const;
    QString ecrireTexte(const QString &relatif, const QString &texte, Encodage encodage = Encodage::Utf8) const;
    QString ecrireDescripteur(const QString &radical, const DescripteurTest &descripteur) const;
    // Writes a 24-bit BMP.
    QString ecrireBmp(const QString &relatif, const QImage &image) const;

private:
    QTemporaryDir temporaire_;
};

QImage ImageUnie(int largeur, int hauteur, const QColor &couleur);
// Keeps the first third of a file, as a copy cut short would.
void TronquerFichier(const QString &chemin);
// A 24-bit picture with a filled rectangle on a ground colour.
QImage ImageAvecRectangle(int largeur, int hauteur, const QColor &fond, const QRect &rectangle, const QColor &couleur);
