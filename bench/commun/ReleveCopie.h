#pragma once

// What every benchmark of the program prints: the best time per iteration of each measure over the
// repetitions (other work on the machine can only slow a repetition down), then each measure as a
// ratio to the plain copy of the same picture timed in the same run, against its target.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

struct Cible {
    const char *nom;
    double rapportMax;          // 0: shown for information only
    const char *note = nullptr; // said beside a measure shown for information
};

class ReleveCopie : public benchmark::ConsoleReporter {
public:
    ReleveCopie(std::string nomCopie, double octetsCopies, std::vector<Cible> cibles)
        : nomCopie_(std::move(nomCopie)), octetsCopies_(octetsCopies), cibles_(std::move(cibles))
    {}

    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs) {
            if (run.run_type != Run::RT_Iteration || run.error_occurred)
                continue;
            const double secondes = run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
            const auto [entree, nouveau] = meilleurs_.try_emplace(run.run_name.function_name, secondes);
            if (!nouveau)
                entree->second = std::min(entree->second, secondes);
        }
        ConsoleReporter::ReportRuns(runs);
    }

    void AfficherRapports() const
    {
        const auto copie = meilleurs_.find(nomCopie_);
        if (copie == meilleurs_.end())
            return;
        std::printf("\nRapports au memcpy de %.1f Mo (%.3f ms) :\n", octetsCopies_ / 1e6, copie->second * 1e3);
        for (const Cible &cible : cibles_) {
            const auto mesure = meilleurs_.find(cible.nom);
            if (mesure == meilleurs_.end())
                continue;
            const double rapport = mesure->second / copie->second;
            if (cible.rapportMax == 0)
                std::printf("%s: %.3g x memcpy (pour information%s%s)\n", cible.nom, rapport, cible.note ? " : " : "",
                            cible.note ? cible.note : "");
            else
                std::printf("%s: %.3g x memcpy (cible <= %g)%s\n", cible.nom, rapport, cible.rapportMax,
                            rapport <= cible.rapportMax ? "" : "  ** cible manquee **");
        }
    }

private:
    std::string nomCopie_;
    double octetsCopies_;
    std::vector<Cible> cibles_;
    std::map<std::string, double> meilleurs_;
};
