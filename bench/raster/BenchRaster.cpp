// Times the raster helpers on an A3 sheet scanned at 300 dpi and, in the same run, a plain copy of the
// same bytes; then prints each helper's time as a ratio to that copy, against its target.

#include "common/FPti.h"

#include "commun/ReleveCopie.h"
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <map>
#include <random>
#include <string>

namespace {

constexpr int Largeur = 4960;
constexpr int Hauteur = 3508;
constexpr int Repetitions = 5;

const QColor CouleurMarqueur(255, 173, 173);
const TColor Marqueur = 0x00ADADFF;    // (255, 173, 173)
const TColor Remplacante = 0x00382210; // (16, 34, 56), absent from the pictures
const TColor Blanc = 0x00FFFFFF;

// The parts of a mechanical drawing: each a few rectangles, ellipses or quadrilaterals.
struct Piece {
    QPainterPath contour;
    QColor cle;    // its colour in the zone map
    bool hachuree; // cut parts are hatched on the drawing
};

std::vector<Piece> PiecesDuPlan()
{
    std::mt19937 hasard(1789);
    const auto entre = [&hasard](int a, int b) { return std::uniform_int_distribution<int>(a, b)(hasard); };
    std::vector<Piece> pieces;
    for (int i = 0; i < 70; ++i) {
        Piece piece;
        const QPoint centre(entre(300, Largeur - 300), entre(300, Hauteur - 300));
        for (int morceau = entre(1, 4); morceau > 0; --morceau) {
            const QRect cadre(centre + QPoint(entre(-400, 200), entre(-400, 200)),
                              QSize(entre(60, 500), entre(60, 500)));
            switch (entre(0, 2)) {
            case 0: piece.contour.addRect(cadre); break;
            case 1: piece.contour.addEllipse(cadre); break;
            default:
                piece.contour.addPolygon(
                    QPolygonF(QPolygon{cadre.topLeft() + QPoint(entre(0, 80), 0), cadre.topRight(),
                                       cadre.bottomRight() - QPoint(0, entre(0, 80)), cadre.bottomLeft()}));
                piece.contour.closeSubpath();
            }
        }
        piece.contour.setFillRule(Qt::WindingFill);
        piece.cle = i == 0 ? CouleurMarqueur : QColor(entre(0, 255), entre(0, 255), entre(0, 255));
        piece.hachuree = entre(0, 2) == 0;
        pieces.push_back(std::move(piece));
    }
    return pieces;
}

// The zone map: every part in its key colour, outlined in black, on white.
QImage TrameDeZones(const std::vector<Piece> &pieces)
{
    QImage image(Largeur, Hauteur, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter peintre(&image);
    peintre.setPen(QPen(Qt::black, 3));
    for (const Piece &piece : pieces) {
        peintre.setBrush(piece.cle);
        peintre.drawPath(piece.contour);
    }
    peintre.end();
    return image.convertToFormat(QImage::Format_RGB888);
}

// The line drawing as it comes off the scanner: outlines, hatching of the cut parts, centre lines,
// and grey specks.
QImage DessinAuTrait(const std::vector<Piece> &pieces)
{
    QImage image(Largeur, Hauteur, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter peintre(&image);
    peintre.setPen(QPen(Qt::black, 3));
    for (const Piece &piece : pieces) {
        peintre.setBrush(Qt::NoBrush);
        peintre.drawPath(piece.contour);
        if (piece.hachuree) {
            peintre.save();
            peintre.setClipPath(piece.contour);
            peintre.setPen(QPen(Qt::black, 2));
            const QRect cadre = piece.contour.boundingRect().toRect();
            for (int d = -cadre.height(); d < cadre.width(); d += 24)
                peintre.drawLine(cadre.left() + d, cadre.bottom(), cadre.left() + d + cadre.height(), cadre.top());
            peintre.restore();
        }
        const QPointF centre = piece.contour.boundingRect().center();
        peintre.setPen(QPen(Qt::black, 1, Qt::DashDotLine));
        peintre.drawLine(QPointF(centre.x() - 300, centre.y()), QPointF(centre.x() + 300, centre.y()));
        peintre.setPen(QPen(Qt::black, 3));
    }
    peintre.end();
    image.convertTo(QImage::Format_RGB888);
    std::mt19937 hasard(1848);
    std::uniform_int_distribution<int> colonne(0, Largeur - 1);
    std::uniform_int_distribution<int> ligne(0, Hauteur - 1);
    std::uniform_int_distribution<int> gris(150, 250);
    for (int i = 0; i < Largeur * Hauteur / 300; ++i) {
        uchar *p = image.scanLine(ligne(hasard)) + 3 * colonne(hasard);
        p[0] = p[1] = p[2] = static_cast<uchar>(gris(hasard));
    }
    return image;
}

constexpr const char *NomCopie = "memcpy";
constexpr const char *NomTransparenceBruit = "TransparenceBmp sur du bruit";
constexpr Cible Cibles[] = {
    {"CopierColorBmpToColorImage", 3},
    {"TransparenceBmp", 3},
    {"RotationBmp", 12},
    {"CopierBmp", 3},
    {NomTransparenceBruit, 0, "le pire cas, rien ne se repete"},
};

benchmark::internal::Benchmark *Reglages(benchmark::internal::Benchmark *b)
{
    return b->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(Repetitions);
}

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;

    const std::vector<Piece> pieces = PiecesDuPlan();
    const QImage trame = TrameDeZones(pieces);
    const QImage dessin = DessinAuTrait(pieces);
    const qsizetype octets = trame.sizeInBytes();
    // The diagram's background: the coloured zones with the drawing laid over them.
    QImage fond = trame.copy();
    CopierBmp(dessin, fond, OperationRaster::EtSource);

    Reglages(benchmark::RegisterBenchmark(NomCopie, [&](benchmark::State &etat) {
        QImage copie(trame.size(), trame.format());
        copie.fill(Qt::black); // its pages exist before the clock runs
        for (auto _ : etat) {
            std::memcpy(copie.bits(), trame.constBits(), std::size_t(octets));
            benchmark::ClobberMemory();
        }
        etat.SetBytesProcessed(etat.iterations() * octets);
    }));

    // The picture with itself; the marker colour and its replacement swap places on every pass, so
    // every pass rewrites the same pixels.
    Reglages(benchmark::RegisterBenchmark("CopierColorBmpToColorImage", [&](benchmark::State &etat) {
        QImage image = trame.copy();
        bool aller = true;
        for (auto _ : etat) {
            CopierColorBmpToColorImage(image, image, aller ? Marqueur : Remplacante, aller ? Remplacante : Marqueur);
            aller = !aller;
            benchmark::ClobberMemory();
        }
        etat.SetBytesProcessed(etat.iterations() * octets);
    }));

    Reglages(benchmark::RegisterBenchmark("TransparenceBmp", [&](benchmark::State &etat) {
        QImage image = fond.copy();
        for (auto _ : etat) {
            etat.PauseTiming();
            std::memcpy(image.bits(), fond.constBits(), std::size_t(octets));
            etat.ResumeTiming();
            TransparenceBmp(image, -30);
            benchmark::ClobberMemory();
        }
        etat.SetBytesProcessed(etat.iterations() * octets);
    }));

    // Scanner noise everywhere: no row repeats the one above, every byte goes through the table.
    QImage bruit(Largeur, Hauteur, QImage::Format_RGB888);
    std::mt19937_64 hasard(1871);
    for (int y = 0; y < Hauteur; ++y) {
        uchar *ligne = bruit.scanLine(y);
        for (int i = 0; i + 8 <= 3 * Largeur; i += 8) {
            const std::uint64_t octets8 = hasard();
            std::memcpy(ligne + i, &octets8, 8);
        }
    }
    Reglages(benchmark::RegisterBenchmark(NomTransparenceBruit, [&](benchmark::State &etat) {
        QImage image = bruit.copy();
        for (auto _ : etat) {
            etat.PauseTiming();
            std::memcpy(image.bits(), bruit.constBits(), std::size_t(octets));
            etat.ResumeTiming();
            TransparenceBmp(image, -30);
            benchmark::ClobberMemory();
        }
        etat.SetBytesProcessed(etat.iterations() * octets);
    }));

    Reglages(benchmark::RegisterBenchmark("RotationBmp", [&](benchmark::State &etat) {
        QImage tournee;
        for (auto _ : etat) {
            RotationBmp(trame, tournee, Blanc, 30.0);
            benchmark::ClobberMemory();
        }
        etat.SetBytesProcessed(etat.iterations() * octets);
    }));

    // The line drawing ANDed over the zone map, as the colouring export and the diagram background do.
    Reglages(benchmark::RegisterBenchmark("CopierBmp", [&](benchmark::State &etat) {
        QImage fond = trame.copy();
        for (auto _ : etat) {
            etat.PauseTiming();
            std::memcpy(fond.bits(), trame.constBits(), std::size_t(octets));
            etat.ResumeTiming();
            CopierBmp(dessin, fond, OperationRaster::EtSource);
            benchmark::ClobberMemory();
        }
        etat.SetBytesProcessed(etat.iterations() * octets);
    }));

    ReleveCopie releve(NomCopie, double(Largeur) * Hauteur * 3, {std::begin(Cibles), std::end(Cibles)});
    benchmark::RunSpecifiedBenchmarks(&releve);
    benchmark::Shutdown();
    releve.AfficherRapports();
    return 0;
}
