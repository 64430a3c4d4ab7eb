// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#pragma once

// Shared helpers for the rules tests. The catalogue below is written out by hand from the
// game's rules, apart from the game's own tables, so that a slip in either shows up.

#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "game/game.h"
#include "support/game_seam.h"
#include "support/sim_platform.h"

namespace quazzle::testing {

// The six piece colours as decimal numbers, in the order the levels open them.
inline const std::vector<Colour> kPaletteColours = {255,     10925378, 50687,
                                                    3329330, 16711680, 10485856};
inline constexpr Colour kEmptyCell = 4210752;
inline constexpr Colour kBlack = 0;
inline constexpr Colour kMagentaFlash = 16711935;
inline constexpr Colour kWhiteFlash = 16777215;
inline constexpr Colour kBlankPreview = 8438015;

struct Step {
    int row;
    int column;
};

struct KindSpec {
    std::string name;
    std::vector<Step> footprint;  // from the anchor under the pointer
    std::vector<int> preview;     // preview slots painted
    int previewAnchor;            // preview slot that stands for the anchor
};

// All thirteen kinds, in the order the game examines them; dealing draws the first twelve.
inline const std::vector<KindSpec>& kinds() {
    static const std::vector<KindSpec> table = {
        {"L-R", {{0, 0}, {0, 1}, {1, 0}}, {2, 3, 5}, 2},
        {"L-L", {{0, 0}, {0, 1}, {-1, 0}}, {2, 5, 6}, 5},
        {"L-RB", {{0, 0}, {0, -1}, {1, 0}}, {1, 2, 5}, 2},
        {"L-LB", {{0, 0}, {0, -1}, {-1, 0}}, {2, 4, 5}, 5},
        {"SQUARE", {{0, 0}, {0, 1}, {1, 0}, {1, 1}}, {2, 3, 5, 6}, 2},
        {"H-D", {{0, 0}, {0, 1}}, {5, 6}, 5},
        {"V-D", {{0, 0}, {1, 0}}, {2, 5}, 2},
        {"DOT", {{0, 0}}, {5}, 5},
        {"H-B", {{0, 0}, {0, 1}, {0, 2}, {0, 3}}, {4, 5, 6, 14}, 4},
        {"V-B", {{0, 0}, {1, 0}, {2, 0}, {3, 0}}, {2, 5, 8, 22}, 2},
        {"H-P", {{0, 0}, {0, 1}, {0, 2}, {0, 3}, {0, 4}}, {10, 4, 5, 6, 14}, 10},
        {"V-P", {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}}, {27, 2, 5, 8, 22}, 27},
        {"THREExTHREE",
         {{0, 0}, {0, 1}, {0, 2}, {1, 0}, {1, 1}, {1, 2}, {2, 0}, {2, 1}, {2, 2}},
         {1, 2, 3, 4, 5, 6, 7, 8, 9},
         1},
    };
    return table;
}

inline constexpr int kDealtKindCount = 12;

inline void PrintTo(const KindSpec& kind, std::ostream* os) { *os << '"' << kind.name << '"'; }

// The board cells `kind` covers when anchored at `anchor`, or nothing when any of them would
// fall off the board.
inline std::optional<std::set<int>> coveredCells(const KindSpec& kind, int anchor) {
    std::set<int> cells;
    for (const Step s : kind.footprint) {
        const int row = anchor / 10 + s.row;
        const int column = anchor % 10 + s.column;
        if (row < 0 || row > 9 || column < 0 || column > 9) return std::nullopt;
        cells.insert(row * 10 + column);
    }
    return cells;
}

inline std::set<int> blackCells(const Board& board) {
    std::set<int> black;
    for (int i = 0; i < kCellCount; ++i)
        if (board[i].backColor == kBlack) black.insert(i);
    return black;
}

// A test name from a kind name: "L-RB" becomes "L_RB".
inline std::string testName(std::string_view name) {
    std::string out(name);
    for (char& c : out)
        if (c == '-') c = '_';
    return out.empty() ? "empty" : out;
}

// One game on the simulated platform.
struct Session {
    explicit Session(std::uint32_t seed = 7) : game(sim, seed) { sim.attach(game); }

    GameState& st() { return GameSeam::state(game); }
    Board& board() { return GameSeam::state(game).picCell; }
    // A pointer move well inside cell `index`.
    void hover(int index) { game.picCell_MouseMove(index, 0, 0, 200, 200); }

    sim::SimPlatform sim;
    Game game;
};

}  // namespace quazzle::testing
