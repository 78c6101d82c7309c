// Times the workshop's analysis of a teacher's drawing on an A3 sheet scanned at 300 dpi and, in the same
// run, a plain copy of the sheet's 24-bit picture; then prints each step as a ratio to that copy.

#include "atelier/EditionZones.h"
#include "atelier/NettoyageDessin.h"
#include "atelier/TrouverZones.h"

#include "commun/ReleveCopie.h"
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <random>

namespace {

constexpr int Largeur = 4960;
constexpr int Hauteur = 3508;
constexpr int Repetitions = 5;

// A sheet as a teacher scans it: a frame and its title block, parts outlined 5 pixels thick, a third of
// them hatched at one of the usual angles, text and specks, on slightly grey paper.
QImage FeuilleA3()
{
    QImage image(Largeur, Hauteur, QImage::Format_RGB32);
    image.fill(QColor(235, 235, 235));
    QPainter peintre(&image);
    std::mt19937 hasard(1871);
    const auto entre = [&hasard](int a, int b) { return std::uniform_int_distribution<int>(a, b)(hasard); };
    peintre.setPen(QPen(Qt::black, 6));
    peintre.drawRect(120, 120, Largeur - 240, Hauteur - 240);
    peintre.drawRect(Largeur - 2200, Hauteur - 700, 2080, 580);
    for (int i = 1; i < 5; ++i)
        peintre.drawLine(Largeur - 2200, Hauteur - 700 + i * 116, Largeur - 120, Hauteur - 700 + i * 116);
    const double angles[] = {30, 45, 135, 0, 90, 60, 120};
    for (int i = 0; i < 90; ++i) {
        const QRect cadre(entre(200, Largeur - 800), entre(200, Hauteur - 1200), entre(80, 600), entre(80, 500));
        if (entre(0, 2) == 0) {
            peintre.save();
            peintre.setClipRect(cadre);
            peintre.setPen(QPen(Qt::black, 2));
            peintre.translate(QRectF(cadre).center());
            peintre.rotate(-angles[entre(0, 6)]);
            const int ecart = entre(16, 40);
            const int rayon = cadre.width() + cadre.height();
            for (int d = -rayon; d <= rayon; d += ecart)
                peintre.drawLine(-rayon, d, rayon, d);
            peintre.restore();
        }
        peintre.setPen(QPen(Qt::black, 5));
        peintre.drawRect(cadre);
    }
    QFont police;
    police.setPixelSize(36);
    peintre.setFont(police);
    peintre.setPen(Qt::black);
    for (int i = 0; i < 400; ++i)
        peintre.drawText(entre(200, Largeur - 600), entre(200, Hauteur - 200),
                         QStringLiteral("Repère %1 acier").arg(i));
    peintre.end();
    QImage gris = image.convertToFormat(QImage::Format_Grayscale8);
    for (int i = 0; i < Largeur * Hauteur / 2000; ++i)
        gris.scanLine(entre(0, Hauteur - 1))[entre(0, Largeur - 1)] = uchar(entre(0, 120));
    return gris;
}

constexpr const char *NomCopie = "memcpy";
constexpr Cible Cibles[] = {
    {"Seuil", 0, "montre en direct au professeur"},
    {"Etiquetage", 3},
    {"Analyse complete avec hachures", 8},
    {"Fusion de deux zones", 0, "proportionnel aux zones touchees"},
    {"Coupe d'une zone par un trait", 0, "proportionnel aux zones touchees"},
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
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const QGuiApplication application(argc, argv); // the text of the sheet needs its fonts

    const QImage gris = FeuilleA3();
    QImage masque = SeuillerDessin(gris, 128);
    RetirerPoussieres(masque, 12);
    const QImage trait = TraitNoirSurBlanc(masque);
    const qsizetype octets = trait.sizeInBytes();
    const ReglagesZones reglages;
    ReglagesZones sansHachures = reglages;
    sansHachures.reunirHachures = false;
    const ZonesDessin zones = TrouverZones(masque, reglages);
    const EditionZones edition(trait, zones, reglages.aireMin);
    std::printf("%d zones sur la feuille, %d sans reunir les hachures\n", zones.nombre,
                TrouverZones(masque, sansHachures).nombre);

    Reglages(benchmark::RegisterBenchmark(NomCopie, [&](benchmark::State &etat) {
        QImage copie(trait.size(), trait.format());
        copie.fill(Qt::black); // its pages exist before the clock runs
        for (auto _ : etat) {
            std::memcpy(copie.bits(), trait.constBits(), std::size_t(octets));
            benchmark::ClobberMemory();
        }
        etat.SetBytesProcessed(etat.iterations() * octets);
    }));

    Reglages(benchmark::RegisterBenchmark("Seuil", [&](benchmark::State &etat) {
        for (auto _ : etat)
            benchmark::DoNotOptimize(SeuillerDessin(gris, 128));
    }));

    // Into the table of the previous analysis, as the window does when a setting moves (and as the copy
    // writes into pages that exist).
    Reglages(benchmark::RegisterBenchmark("Etiquetage", [&](benchmark::State &etat) {
        ZonesDessin resultat = zones;
        for (auto _ : etat) {
            TrouverZones(masque, sansHachures, resultat);
            benchmark::ClobberMemory();
        }
    }));

    // From the grey scan to the zones and the picture the window shows.
    Reglages(benchmark::RegisterBenchmark("Analyse complete avec hachures", [&](benchmark::State &etat) {
        ZonesDessin resultat = zones;
        for (auto _ : etat) {
            QImage m = SeuillerDessin(gris, 128);
            RetirerPoussieres(m, 12);
            benchmark::DoNotOptimize(TraitNoirSurBlanc(m));
            TrouverZones(m, reglages, resultat);
            benchmark::ClobberMemory();
        }
    }));

    // What a click or a stroke of the teacher reaches: the two largest parts (the largest zone of all is the
    // paper around them, inside the frame), and a stroke across the largest part.
    std::vector<std::int32_t> parTaille;
    for (std::int32_t z = 1; z <= zones.nombre; ++z)
        parTaille.push_back(z);
    std::sort(parTaille.begin(), parTaille.end(), [&](std::int32_t a, std::int32_t b) {
        return edition.index().aires[std::size_t(a)] > edition.index().aires[std::size_t(b)];
    });
    const std::int32_t grande = parTaille.at(1), seconde = parTaille.at(2);
    const QRect cadre = edition.index().cadres[std::size_t(grande)];
    std::printf("zones touchees : %lld et %lld pixels sur %d\n",
                static_cast<long long>(edition.index().aires[std::size_t(grande)]),
                static_cast<long long>(edition.index().aires[std::size_t(seconde)]), Largeur * Hauteur);

    Reglages(benchmark::RegisterBenchmark("Fusion de deux zones", [&](benchmark::State &etat) {
        std::optional<EditionZones> copie; // made and dropped while the clock is stopped
        for (auto _ : etat) {
            etat.PauseTiming();
            copie.emplace(trait.copy(), zones, reglages.aireMin); // its own pixels, as the window's are
            etat.ResumeTiming();
            benchmark::DoNotOptimize(copie->FusionnerZones(grande, seconde));
        }
    }))->Iterations(10);

    Reglages(benchmark::RegisterBenchmark("Coupe d'une zone par un trait", [&](benchmark::State &etat) {
        const QPolygon trace{QPoint(cadre.center().x(), cadre.top() - 10),
                             QPoint(cadre.center().x(), cadre.bottom() + 10)};
        std::optional<EditionZones> copie; // made and dropped while the clock is stopped
        for (auto _ : etat) {
            etat.PauseTiming();
            copie.emplace(trait.copy(), zones, reglages.aireMin); // its own pixels, as the window's are
            etat.ResumeTiming();
            benchmark::DoNotOptimize(copie->TracerTrait(trace, 3));
        }
    }))->Iterations(10);

    ReleveCopie releve(NomCopie, double(Largeur) * Hauteur * 3, {std::begin(Cibles), std::end(Cibles)});
    benchmark::RunSpecifiedBenchmarks(&releve);
    benchmark::Shutdown();
    releve.AfficherRapports();
    return 0;
}
