#pragma once

#include "common/EncodageTexte.h"

#include <QImage>
#include <QString>
#include <QStringList>
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

// A folder mechanisms are installed in, that a test writes files into.
class RacineMecanismes {
public:
    explicit RacineMecanismes(QString dossier = QString()) : dossier_(std::move(dossier)) {}

    // The folder, ending with "/".
    QString dossier() const { return dossier_; }
    QString chemin(const QString &relatif) const;

    QString ecrireOctets(const QString &relatif, const QByteArray &octets) const;
    QString ecrireTexte(const QString &relatif, const QString &texte, Encodage encodage = Encodage::Utf8) const;
    QString ecrireDescripteur(const QString &radical, const DescripteurTest &descripteur) const;
    // Writes a 24-bit BMP.
    QString ecrireBmp(const QString &relatif, const QImage &image) const;

protected:
    void definirDossier(const QString &dossier) { dossier_ = dossier; }

private:
    QString dossier_;
};

// A program folder of its own in a temporary folder, made the program folder while it lives. The folders
// of mechanisms outside it are in a temporary folder of its own too: XDG_DATA_HOME and XDG_DATA_DIRS name
// them while the tree lives, so that no mechanism of the machine enters a test. None of them exists until
// a test writes into it.
class ArbreMecanismes : public RacineMecanismes {
public:
    ArbreMecanismes();
    ~ArbreMecanismes();
    ArbreMecanismes(const ArbreMecanismes &) = delete;
    ArbreMecanismes &operator=(const ArbreMecanismes &) = delete;

    // XDG_DATA_HOME/velkora/mecanismes/.
    const RacineMecanismes &utilisateur() const { return utilisateur_; }
    // velkora/mecanismes/ in the first and in the second folder of XDG_DATA_DIRS.
    const RacineMecanismes &systeme(int numero) const { return numero == 1 ? systeme1_ : systeme2_; }
    // The folder XDG_DATA_HOME names, and those XDG_DATA_DIRS names.
    QString donneesUtilisateur() const;
    QStringList donneesSysteme() const;

private:
    QTemporaryDir temporaire_;
    QTemporaryDir donnees_;
    RacineMecanismes utilisateur_;
    RacineMecanismes systeme1_;
    RacineMecanismes systeme2_;
    std::optional<QByteArray> ancienUtilisateur_;
    std::optional<QByteArray> ancienSysteme_;
};

QImage ImageUnie(int largeur, int hauteur, const QColor &couleur);
// Keeps the first third of a file, as a copy cut short would.
void TronquerFichier(const QString &chemin);
// A 24-bit picture with a filled rectangle on a ground colour.
QImage ImageAvecRectangle(int largeur, int hauteur, const QColor &fond, const QRect &rectangle, const QColor &couleur);
