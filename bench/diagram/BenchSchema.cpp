// Times what the kinematic diagram does to whole pictures, on a 1920 × 1080 drawing background with
// 20 joint symbols, and in the same run a plain copy of the same bytes; then prints each one's time
// as a ratio to that copy, against its target.

#include "diagram/CalquesSchema.h"
#include "diagram/CommandesSchema.h"

#include "commun/ReleveCopie.h"
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QUndoStack>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <random>
#include <string>

namespace {

constexpr int Largeur = 1920;
constexpr int Hauteur = 1080;
constexpr int NbrClasses = 9;
constexpr int NbrSymboles = 20;
constexpr int Repetitions = 5;
const Rvb Surface{240, 240, 240};

constexpr const char *NomCopie = "memcpy";
constexpr const char *NomReconstruction = "Reconstruction apres un trait";
constexpr const char *NomFond = "Construction du fond";
constexpr const char *NomExport = "Export";

constexpr Cible Cibles[] = {{NomReconstruction, 3}, {NomFond, 6}, {NomExport, 6}};

QColor Marque(int n) { return QColor(40 + 20 * n, 255 - 25 * n, (70 * n) % 256); }

// The zone map: each class's parts in its marking colour, outlined in black, on white; and the line
// drawing of the same parts, outlines and hatching, black on white.
void Dessins(QImage &trame, QImage &plan)
{
    std::mt19937 hasard(1789);
    const auto entre = [&hasard](int a, int b) { return std::uniform_int_distribution<int>(a, b)(hasard); };
    QImage t(Largeur, Hauteur, QImage::Format_RGB32);
    QImage p(Largeur, Hauteur, QImage::Format_RGB32);
    t.fill(Qt::white);
    p.fill(Qt::white);
    QPainter peintreTrame(&t);
    QPainter peintrePlan(&p);
    peintreTrame.setPen(QPen(Qt::black, 2));
    peintrePlan.setPen(QPen(Qt::black, 2));
    for (int i = 0; i < 40; ++i) {
        const QRect cadre(entre(0, Largeur - 300), entre(0, Hauteur - 300), entre(60, 300), entre(60, 300));
        peintreTrame.setBrush(Marque(1 + i % NbrClasses));
        if (i % 2 == 0) {
            peintreTrame.drawRect(cadre);
            peintrePlan.drawRect(cadre);
        } else {
            peintreTrame.drawEllipse(cadre);
            peintrePlan.drawEllipse(cadre);
        }
        if (i % 3 == 0) {
            for (int x = cadre.left(); x < cadre.right(); x += 12)
                peintrePlan.drawLine(x, cadre.bottom(), x + cadre.height() / 2, cadre.top());
        }
    }
    peintreTrame.end();
    peintrePlan.end();
    trame = t.convertToFormat(QImage::Format_RGB888);
    plan = p.convertToFormat(QImage::Format_RGB888);
}

std::vector<TeinteClasse> Teintes()
{
    std::vector<TeinteClasse> teintes;
    for (int n = 1; n <= NbrClasses; ++n) {
        const QColor m = Marque(n);
        teintes.push_back({TColor(m.red() | (m.green() << 8) | (m.blue() << 16)), TColor(0x00102030u * TColor(n))});
    }
    return teintes;
}

// The strokes layer after a lesson's work: a few dozen lines in the class colours on the surface.
QImage Traits()
{
    QImage traits(Largeur, Hauteur, QImage::Format_RGB888);
    traits.fill(QColor(Surface.rouge, Surface.vert, Surface.bleu));
    QPainter peintre(&traits);
    std::mt19937 hasard(1871);
    for (int i = 0; i < 40; ++i) {
        peintre.setPen(QPen(QColor::fromHsv(int(hasard() % 360), 255, 200), 3));
        peintre.drawLine(int(hasard() % Largeur), int(hasard() % Hauteur), int(hasard() % Largeur),
                         int(hasard() % Hauteur));
    }
    return traits;
}

std::vector<SymbolePlace> Symboles()
{
    std::vector<SymbolePlace> symboles;
    for (int k = 0; k < NbrSymboles; ++k) {
        QImage image(75, 75, QImage::Format_RGB888);
        image.fill(Qt::white);
        QPainter peintre(&image);
        peintre.setPen(QPen(Qt::red, 3));
        peintre.drawRect(20, 20, 35, 35);
        peintre.end();
        symboles.push_back({image, QPoint(90 * k, 60 * (k % 7))});
    }
    return symboles;
}

// The undo history after a lesson on an A3 sheet at 300 dpi: 20 strokes, straight or freehand, across
// the sheet, and 8 clearings of all strokes between them, kept as the window keeps them (without the
// bound on its bytes, which would hide what they cost). It should hold at most one copy of the sheet.
void RapportHistorique()
{
    constexpr int LargeurA3 = 4960;
    constexpr int HauteurA3 = 3508;
    constexpr int NbrTraits = 20;
    constexpr int NbrEffacements = 8;
    QImage calque(LargeurA3, HauteurA3, QImage::Format_RGB888);
    const QColor surface(Surface.rouge, Surface.vert, Surface.bleu);
    calque.fill(surface);
    QUndoStack historique;
    std::mt19937 hasard(1905);
    const auto point = [&hasard] { return QPoint(int(hasard() % LargeurA3), int(hasard() % HauteurA3)); };
    const auto rien = [](const ZoneTraits &, const TracesSchema &) {};
    int traits = 0;
    for (int effacement = 1; effacement <= NbrEffacements; ++effacement) {
        for (; traits < NbrTraits * effacement / NbrEffacements; ++traits) {
            const QImage avant = calque;
            QPolygon trace{point()};
            const int pas = traits % 2 == 0 ? 1 : 60; // a straight line, or a freehand one
            for (int i = 1; i <= pas; ++i)
                trace << (pas == 1 ? point()
                                   : trace.back() + QPoint(int(hasard() % 161) - 60, int(hasard() % 121) - 60));
            QPainter peintre(&calque);
            peintre.setPen(QPen(QColor::fromHsv(int(hasard() % 360), 255, 200), 3));
            peintre.drawPolyline(trace);
            peintre.end();
            const QRect zone = trace.boundingRect().adjusted(-4, -4, 4, 4);
            historique.push(
                new CommandeTraits(rien, ZoneTraits(avant, zone, Surface), ZoneTraits(calque, zone, Surface)));
        }
        historique.push(
            new CommandeTraits(rien, ZoneTraits(calque, calque.rect(), Surface), ZoneTraits(calque.rect(), Surface)));
        calque.fill(surface);
    }
    const double octets = double(OctetsHistorique(historique));
    const double feuille = double(calque.sizeInBytes());
    std::printf("Historique apres %d traits et %d effacements sur une feuille A3 : %.2f Mo, %.3g x la feuille "
                "(cible <= 1)%s\n",
                NbrTraits, NbrEffacements, octets / 1e6, octets / feuille,
                octets <= feuille ? "" : "  ** cible manquee **");
}

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

    QImage trame;
    QImage plan;
    Dessins(trame, plan);
    const std::vector<TeinteClasse> teintes = Teintes();
    QImage fond;
    ConstruireFondDessin(trame, plan, teintes, -40, Surface, fond);
    const QImage traits = Traits();
    const std::vector<SymbolePlace> symboles = Symboles();
    const qsizetype octets = fond.sizeInBytes();

    Reglages(benchmark::RegisterBenchmark(NomCopie, [&](benchmark::State &etat) {
        QImage copie(fond.size(), fond.format());
        copie.fill(Qt::black); // its pages exist before the clock runs
        for (auto _ : etat) {
            std::memcpy(copie.bits(), fond.constBits(), std::size_t(octets));
            benchmark::ClobberMemory();
        }
        etat.SetBytesProcessed(etat.iterations() * octets);
    }));

    // The display rebuilt from the kept background and strokes, at each stroke's release.
    Reglages(benchmark::RegisterBenchmark(NomReconstruction, [&](benchmark::State &etat) {
        QImage affichage;
        ComposerAffichage(fond, traits, Surface, affichage);
        for (auto _ : etat) {
            ComposerAffichage(fond, traits, Surface, affichage);
            benchmark::ClobberMemory();
        }
        etat.SetBytesProcessed(etat.iterations() * octets);
    }));

    // The tinted, faded drawing background of nine classes, from the decoded zone map and drawing.
    // Its pixels exist before the clock runs, as the copy's do.
    Reglages(benchmark::RegisterBenchmark(NomFond, [&](benchmark::State &etat) {
        QImage construit;
        ConstruireFondDessin(trame, plan, teintes, -40, Surface, construit);
        for (auto _ : etat) {
            ConstruireFondDessin(trame, plan, teintes, -40, Surface, construit);
            benchmark::ClobberMemory();
        }
        etat.SetBytesProcessed(etat.iterations() * octets);
    }));

    // The exported picture with its background and symbols, written as a BMP file through a file
    // device, into /dev/null: what the disk then costs is left out.
    Reglages(benchmark::RegisterBenchmark(NomExport, [&](benchmark::State &etat) {
        QFile sortie(QStringLiteral("/dev/null"));
        sortie.open(QIODevice::WriteOnly);
        for (auto _ : etat) {
            EcrireBmpSchema(sortie, fond, traits, true, symboles, Surface);
            sortie.flush();
        }
        etat.SetBytesProcessed(etat.iterations() * octets);
    }));

    ReleveCopie releve(NomCopie, double(Largeur) * Hauteur * 3, {std::begin(Cibles), std::end(Cibles)});
    benchmark::RunSpecifiedBenchmarks(&releve);
    benchmark::Shutdown();
    releve.AfficherRapports();
    RapportHistorique();
    return 0;
}
