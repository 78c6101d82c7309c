#pragma once

#include <QImage>
#include <cstdint>
#include <vector>

// The connected groups of paper or of line pixels of a mask (0: line, any other value: paper), found run by
// run: a row's pixels of one kind side by side are a run, and runs of two rows that touch belong together.
// A sheet holds far fewer runs than pixels, so nothing here goes through every pixel twice.

struct Passage {
    std::int32_t x0, x1;     // pixels x0 … x1 - 1 of its row
    std::int32_t composante; // 0 … nombre - 1
};

struct Composantes {
    std::vector<Passage> passages;        // row after row, left to right
    std::vector<std::size_t> debutRangee; // the runs of row y are debutRangee[y] … debutRangee[y + 1] - 1
    std::int32_t nombre = 0;              // numbered in the order their first pixel comes, row after row
    std::vector<std::int64_t> aires;

    const Passage *rangee(int y) const { return passages.data() + debutRangee[std::size_t(y)]; }
    std::size_t passagesRangee(int y) const { return debutRangee[std::size_t(y) + 1] - debutRangee[std::size_t(y)]; }
};

// `encre`: the line pixels, else the paper; `huitVoisins`: pixels touching by a corner belong together,
// else only by a side.
Composantes TrouverComposantes(const QImage &masque, bool encre, bool huitVoisins);
