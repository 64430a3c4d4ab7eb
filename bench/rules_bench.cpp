// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

// The rules' cost of what happens most: a pointer move over a busy board.
#include <benchmark/benchmark.h>

#include "game/game.h"
#include "support/game_seam.h"
#include "support/sim_platform.h"

namespace {

using namespace quazzle;

// A board three quarters full, in all six colours, with gaps where pieces still fit.
void fillBusyBoard(Board& board) {
    for (int i = 0; i < kCellCount; ++i)
        board[i].backColor =
            (i * 7) % 4 == 0 ? colour::kEmpty : colour::kPalette[std::size_t(i % 6)];
}

void fillFullBoard(Board& board) {
    for (Cell& cell : board) cell.backColor = colour::kPalette[1];
}

// Pointer moves with `piece` in hand over a board laid out by `fill`, anchors spread around.
void pointerMoves(benchmark::State& state, void (*fill)(Board&), const char* piece) {
    sim::SimPlatform sim;
    Game game(sim, 1);
    fill(GameSeam::state(game).picCell);
    GameSeam::state(game).thePiece = piece;
    int index = 0;
    for (auto _ : state) {
        game.picCell_MouseMove(index, 0, 0, 200, 200);
        index = (index + 37) % kCellCount;
    }
}
BENCHMARK_CAPTURE(pointerMoves, BusyBoard, fillBusyBoard, "DOT");
BENCHMARK_CAPTURE(pointerMoves, FullBoard, fillFullBoard, "SQUARE");

// One hour of the demo playing itself on the simulated platform.
void BM_SimulatedDemoHour(benchmark::State& state) {
    for (auto _ : state) {
        sim::SimPlatform sim;
        Game game(sim, 7);
        sim.attach(game);
        sim.at(3600, [&] { sim.halt(); });
        game.load();
        // A copy: newer Google Benchmark refuses a const reference here.
        auto topScore = game.state().TopScore;
        benchmark::DoNotOptimize(topScore);
    }
}
BENCHMARK(BM_SimulatedDemoHour)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
