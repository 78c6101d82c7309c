// Times what a student waits for in the colouring window on an A3 sheet scanned at 300 dpi with
// 1000 zones, and in the same run a plain copy of the sheet's bytes; then prints each time as a
// ratio to that copy, against its target.

#include "colouring/ExportColoriage.h"
#include "colouring/IndexZones.h"

#include "commun/ReleveCopie.h"
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <random>
#include <string>

namespace {

constexpr int Largeur = 4960;
constexpr int Hauteur = 3508;
constexpr int Colonnes = 40;
constexpr int Rangees = 25;
constexpr int Zones = Colonnes * Rangees;
constexpr int Repetitions = 5;
// Zone 1 covers 1 % of the sheet.
const QRect GrandeZone(600, 500, 496, 351);

struct Feuille {
    QImage trame;
    QImage plan;
    std::vector<TColor> cles = std::vector<TColor>(Zones + 1, clWhite);
};

QColor VersQColor(TColor c) { return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF)); }

// A grid of 1000 cells outlined in black, each in its own key colour; zone 1 is not a cell but an
// area of 1 % of the sheet laid over ten of them.
Feuille FeuilleA3()
{
    Feuille f;
    std::mt19937 hasard(1905);
    std::map<TColor, int> vues;
    for (int z = 1; z <= Zones; ++z) {
        TColor cle;
        do
            cle = RvbVersCouleur({uchar(hasard() % 254 + 1), uchar(hasard() % 254 + 1), uchar(hasard() % 254 + 1)});
        while (!vues.try_emplace(cle, z).second);
        f.cles[std::size_t(z)] = cle;
    }
    f.trame = QImage(Largeur, Hauteur, QImage::Format_RGB32);
    f.trame.fill(Qt::white);
    f.plan = f.trame.copy();
    QPainter trame(&f.trame);
    QPainter plan(&f.plan);
    plan.setPen(QPen(Qt::black, 3));
    trame.setPen(QPen(Qt::black, 3));
    const int l = Largeur / Colonnes;
    const int h = Hauteur / Rangees;
    for (int z = 1; z <= Zones; ++z) {
        const QRect cellule(((z - 1) % Colonnes) * l, ((z - 1) / Colonnes) * h, l, h);
        trame.setBrush(z == 1 ? QColor(Qt::white) : VersQColor(f.cles[std::size_t(z)]));
        trame.drawRect(cellule);
        plan.drawRect(cellule);
    }
    trame.fillRect(GrandeZone, VersQColor(f.cles[1]));
    trame.end();
    plan.end();
    f.trame.convertTo(QImage::Format_RGB888);
    f.plan.convertTo(QImage::Format_RGB888);
    return f;
}

constexpr const char *NomCopie = "memcpy";
constexpr Cible Cibles[] = {
    {"Clic de peinture (zone de 1 %)", 0.1}, {"Changement de survol (zone de 1 %)", 0.1},
    {"Recoloriage (zone de 1 %)", 0.1},      {"Chargement : index des zones", 3},
    {"Export du plan colorie", 3},
};

benchmark::internal::Benchmark *Reglages(benchmark::internal::Benchmark *b)
{
    return b->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(Repetitions);
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv); // fonts for the text of the export
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;

    const Feuille feuille = FeuilleA3();
    const qsizetype octets = feuille.trame.sizeInBytes();
    const IndexZones index(feuille.trame, feuille.cles, Zones);
    QImage zone = feuille.plan.copy();
    const QPoint dansGrandeZone = GrandeZone.center();
    const TColor rouge = 0x000000FF;
    const TColor bleu = 0x00FF0000;

    Reglages(benchmark::RegisterBenchmark(NomCopie, [&](benchmark::State &etat) {
        QImage copie(feuille.trame.size(), feuille.trame.format());
        copie.fill(Qt::black);
        for (auto _ : etat) {
            std::memcpy(copie.bits(), feuille.trame.constBits(), std::size_t(octets));
            benchmark::ClobberMemory();
        }
    }));

    // What a click costs: the zone under the pointer, its pixels painted, its rectangle drawn again.
    Reglages(benchmark::RegisterBenchmark(Cibles[0].nom, [&](benchmark::State &etat) {
        bool aller = true;
        for (auto _ : etat) {
            const int z = NumeroZone(feuille.cles, Zones, *CouleurPixel(feuille.trame, dansGrandeZone));
            index.Peindre(zone, z, aller ? rouge : bleu);
            const QImage vue = ComposerAffichage(zone, feuille.plan, clWhite, {}, index.Cadre(z));
            benchmark::DoNotOptimize(vue.constBits());
            aller = !aller;
        }
    }));

    // The pointer enters the large zone from another: both rectangles drawn again.
    Reglages(benchmark::RegisterBenchmark(Cibles[1].nom, [&](benchmark::State &etat) {
        for (auto _ : etat) {
            const int z = NumeroZone(feuille.cles, Zones, *CouleurPixel(feuille.trame, dansGrandeZone));
            const QImage quittee = ComposerAffichage(zone, feuille.plan, clWhite, {}, index.Cadre(2));
            const QImage entree = ComposerAffichage(zone, feuille.plan, clWhite, index.Traits(z), index.Cadre(z));
            benchmark::DoNotOptimize(quittee.constBits());
            benchmark::DoNotOptimize(entree.constBits());
        }
    }));

    // A part painted on the large zone takes a new colour: every zone is looked at, its pixels repainted.
    Reglages(benchmark::RegisterBenchmark(Cibles[2].nom, [&](benchmark::State &etat) {
        bool aller = true;
        for (auto _ : etat) {
            for (int z = 1; z <= Zones; ++z) {
                if (z == 1) {
                    index.Peindre(zone, z, aller ? rouge : bleu);
                    const QImage vue = ComposerAffichage(zone, feuille.plan, clWhite, {}, index.Cadre(z));
                    benchmark::DoNotOptimize(vue.constBits());
                }
            }
            aller = !aller;
        }
    }));

    Reglages(benchmark::RegisterBenchmark(Cibles[3].nom, [&](benchmark::State &etat) {
        for (auto _ : etat) {
            const IndexZones construit(feuille.trame, feuille.cles, Zones);
            benchmark::DoNotOptimize(&construit);
        }
    }));

    Reglages(benchmark::RegisterBenchmark(Cibles[4].nom, [&](benchmark::State &etat) {
        // The window hands back the picture of its last export.
        QImage image;
        for (auto _ : etat) {
            image = ImageExportee(zone, feuille.plan, false, ModeColoriage::Pieces, {1, 3}, std::move(image));
            benchmark::DoNotOptimize(image.constBits());
        }
    }));

    ReleveCopie releve(NomCopie, double(Largeur) * Hauteur * 3, {std::begin(Cibles), std::end(Cibles)});
    benchmark::RunSpecifiedBenchmarks(&releve);
    benchmark::Shutdown();
    releve.AfficherRapports();
    return 0;
}
