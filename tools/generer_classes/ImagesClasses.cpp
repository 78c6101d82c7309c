#include "ImagesClasses.h"

#include <QDir>
#include <QPainter>
#include <QSaveFile>
#include <array>

namespace {

// Segments a to g of a digit: top, top right, bottom right, bottom, bottom left, top left, middle.
enum Segment : unsigned { A = 1, B = 2, C = 4, D = 8, E = 16, F = 32, G = 64 };
constexpr std::array<unsigned, 10> SegmentsChiffre{
    A | B | C | D | E | F, B | C,         A | B | G | E | D,
    A | B | G | C | D,     F | G | B | C, A | F | G | C | D,
    A | F | G | E | C | D, A | B | C,     A | B | C | D | E | F | G,
    A | B | C | D | F | G,
};

constexpr int LargeurChiffre = 24;
constexpr int HauteurChiffre = 36;
constexpr int Epaisseur = 5;

void dessinerChiffre(QPainter &peintre, int chiffre, QPoint origine)
{
    const int x0 = origine.x();
    const int y0 = origine.y();
    const int milieu = y0 + (HauteurChiffre - Epaisseur) / 2;
    const int droite = x0 + LargeurChiffre - Epaisseur;
    const int bas = y0 + HauteurChiffre - Epaisseur;
    const int demi = HauteurChiffre / 2;
    const std::array<QRect, 7> rectangles{
        QRect(x0, y0, LargeurChiffre, Epaisseur),     QRect(droite, y0, Epaisseur, demi),
        QRect(droite, y0 + demi, Epaisseur, demi),    QRect(x0, bas, LargeurChiffre, Epaisseur),
        QRect(x0, y0 + demi, Epaisseur, demi),        QRect(x0, y0, Epaisseur, demi),
        QRect(x0, milieu, LargeurChiffre, Epaisseur),
    };
    const unsigned segments = SegmentsChiffre[static_cast<std::size_t>(chiffre)];
    for (std::size_t s = 0; s < rectangles.size(); ++s) {
        if (segments & (1u << s))
            peintre.fillRect(rectangles[s], Qt::black);
    }
}

} // namespace

QImage DessinerImageClasse(int numero)
{
    if (numero < 1 || numero > NombreImagesClasses)
        return {};
    QImage image(LargeurImageClasse, HauteurImageClasse, QImage::Format_RGB888);
    image.fill(Qt::white);
    QPainter peintre(&image);
    peintre.setRenderHint(QPainter::Antialiasing, false);
    // A double frame, so the card stands out on the window's face colour.
    peintre.fillRect(0, 0, LargeurImageClasse, 2, Qt::black);
    peintre.fillRect(0, HauteurImageClasse - 2, LargeurImageClasse, 2, Qt::black);
    peintre.fillRect(0, 0, 2, HauteurImageClasse, Qt::black);
    peintre.fillRect(LargeurImageClasse - 2, 0, 2, HauteurImageClasse, Qt::black);
    dessinerChiffre(peintre, numero,
                    {(LargeurImageClasse - LargeurChiffre) / 2, (HauteurImageClasse - HauteurChiffre) / 2 - 4});
    return image;
}

QString NomFichierImageClasse(int numero) { return QStringLiteral("%1.bmp").arg(numero); }

std::optional<QString> EcrireImagesClasses(const QString &dossier)
{
    if (!QDir().mkpath(dossier))
        return QStringLiteral("Impossible de créer le dossier %1").arg(QDir::toNativeSeparators(dossier));
    for (int numero = 1; numero <= NombreImagesClasses; ++numero) {
        const QString chemin = QDir(dossier).filePath(NomFichierImageClasse(numero));
        QSaveFile fichier(chemin);
        if (!fichier.open(QIODevice::WriteOnly) || !DessinerImageClasse(numero).save(&fichier, "BMP") ||
            !fichier.commit())
            return QStringLiteral("Impossible d'écrire dans %1").arg(QDir::toNativeSeparators(chemin));
    }
    return std::nullopt;
}
