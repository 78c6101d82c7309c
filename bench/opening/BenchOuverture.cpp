// Times the opening of an exercise on an A3 sheet scanned at 300 dpi: both pictures read and
// everything the colouring window needs before its first paint, then the same for the diagram's
// drawing background; in the same run a plain copy of the two files' bytes, and each time as a ratio
// to that copy. Then the peak memory of the program with that colouring exercise open, and, for
// information, how long an A1 sheet takes to open in each exercise that shows the drawing.

#include "MecanismeGeant.h"
#include "MemoireOuverture.h"

#include "colouring/TFormColoriage.h"
#include "common/FPti.h"
#include "common/ImageFeuille.h"
#include "diagram/CalquesSchema.h"
#include "diagram/FondDessin.h"
#include "presentation/LecturePresentation.h"

#include "commun/ReleveCopie.h"
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

namespace {

constexpr QSize FeuilleA3(4960, 3508);
constexpr QSize FeuilleA1(9933, 7016);
constexpr int Repetitions = 5;
constexpr double PicMemoireMax = 1.6; // times the two pictures' bytes

constexpr const char *NomCopie = "memcpy";
constexpr Cible Cibles[] = {{"Ouverture du coloriage", 6}, {"Ouverture du fond du schema", 6}};

void OuvrirColoriage(const QString &descripteur)
{
    TFormColoriage fenetre;
    fenetre.Ouvrir(descripteur, QStringLiteral("p"));
}

// What the diagram window builds before its first paint: the background, the empty strokes layer
// and the display made of both.
void OuvrirFondSchema(const SchemaCinematique &schema)
{
    const Rvb surface = CouleurVersRvb(clBtnFace);
    auto fond = LireFondDessin(schema, surface);
    const QImage *image = std::get_if<QImage>(&fond);
    if (!image) {
        std::fprintf(stderr, "%s\n", qPrintable(std::get<QString>(fond)));
        std::exit(1);
    }
    QImage traits = NouvelleImageFeuille(image->size(), QImage::Format_RGB888);
    RemplirImage(traits, clBtnFace);
    QImage affichage;
    ComposerAffichage(*image, traits, surface, affichage);
    benchmark::DoNotOptimize(affichage.constBits());
}

void OuvrirPresentation(const QString &dossier)
{
    const LecturePresentation lecture = LirePresentation(dossier);
    if (lecture.issue != LecturePresentation::Issue::Reussie) {
        std::fprintf(stderr, "%s\n", qPrintable(lecture.message));
        std::exit(1);
    }
}

benchmark::internal::Benchmark *Reglages(benchmark::internal::Benchmark *b)
{
    return b->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(Repetitions);
}

// The best of three openings, in seconds.
template <typename F>
double Meilleur(F &&ouvrir)
{
    double meilleur = 1e9;
    for (int i = 0; i < 3; ++i) {
        QElapsedTimer chrono;
        chrono.start();
        ouvrir();
        meilleur = std::min(meilleur, chrono.nsecsElapsed() / 1e9);
    }
    return meilleur;
}

void MesurerMemoire(const QString &programme, const MecanismeGeant &a3)
{
    const auto memoire = MemoireColoriageOuvert(programme, a3.descripteur);
    if (!memoire) {
        std::printf("\nMemoire du programme : la mesure a echoue\n");
        return;
    }
    const double rapport = memoire->pic / double(a3.octetsImages);
    std::printf("\nMemoire du programme, coloriage A3 ouvert et peint : pic %.0f Mo, %.3g x les deux images "
                "(%.0f Mo) (cible <= %g)%s ; residente %.0f Mo\n",
                memoire->pic / 1e6, rapport, double(a3.octetsImages) / 1e6, PicMemoireMax,
                rapport <= PicMemoireMax ? "" : "  ** cible manquee **", memoire->residente / 1e6);
}

void MesurerA1(const QString &dossier)
{
    const MecanismeGeant a1 = InstallerMecanismeGeant(dossier, FeuilleA1);
    const SchemaCinematique schema = SchemaGeant(a1);
    const QString presentation = QFileInfo(a1.dossierSchema + QStringLiteral("../presentation/")).absoluteFilePath();
    std::printf("\nFeuille A1 a 300 dpi (%d x %d, deux images de %.0f Mo), meilleure de trois ouvertures :\n",
                FeuilleA1.width(), FeuilleA1.height(), double(a1.octetsImages) / 2e6);
    std::printf("Presentation (lecture) : %.2f s\n", Meilleur([&] { OuvrirPresentation(presentation + "/"); }));
    std::printf("Coloriage (fenetre) : %.2f s\n", Meilleur([&] { OuvrirColoriage(a1.descripteur); }));
    std::printf("Fond du schema : %.2f s\n", Meilleur([&] { OuvrirFondSchema(schema); }));
}

} // namespace

int main(int argc, char **argv)
{
    if (argc > 1 && std::strcmp(argv[1], OptionEnfant) == 0)
        return OuvrirColoriageEtMesurer(argc, argv);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    InstallerDialoguesArret();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;

    QTemporaryDir temporaire;
    const MecanismeGeant a3 = InstallerMecanismeGeant(temporaire.filePath(QStringLiteral("a3")), FeuilleA3);
    const SchemaCinematique schema = SchemaGeant(a3);
    const std::size_t octets = std::size_t(a3.octetsImages);

    Reglages(benchmark::RegisterBenchmark(NomCopie, [&](benchmark::State &etat) {
        std::vector<char> source(octets, 1);
        std::vector<char> copie(octets, 0); // its pages exist before the clock runs
        for (auto _ : etat) {
            std::memcpy(copie.data(), source.data(), octets);
            benchmark::ClobberMemory();
        }
    }));
    Reglages(benchmark::RegisterBenchmark(Cibles[0].nom, [&](benchmark::State &etat) {
        for (auto _ : etat)
            OuvrirColoriage(a3.descripteur);
    }));
    Reglages(benchmark::RegisterBenchmark(Cibles[1].nom, [&](benchmark::State &etat) {
        for (auto _ : etat)
            OuvrirFondSchema(schema);
    }));

    ReleveCopie releve(NomCopie, double(octets), {std::begin(Cibles), std::end(Cibles)});
    benchmark::RunSpecifiedBenchmarks(&releve);
    benchmark::Shutdown();
    releve.AfficherRapports();

    MesurerMemoire(QCoreApplication::applicationFilePath(), a3);
    MesurerA1(temporaire.filePath(QStringLiteral("a1")));
    return 0;
}
