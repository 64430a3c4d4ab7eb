// The rules' cost of what happens most: a pointer move over a busy board.
#include <benchmark/benchmark.h>

#include "flow/game.h"
#include "support/sim_platform.h"

namespace {

using namespace quazzle;

// A board three quarters full, in all six colours, with gaps where pieces still fit.
void fillBusyBoard(GameState& s) {
    for (int i = 0; i < kCellCount; ++i)
        s.picCell[i].backColor =
            (i * 7) % 4 == 0 ? colour::kEmpty : colour::kPalette[std::size_t(i % 6)];
}

void BM_PointerMoveBusyBoard(benchmark::State& state) {
    sim::SimPlatform sim;
    Game game(sim, 1);
    fillBusyBoard(game.editState());
    game.editState().thePiece = "DOT";
    int index = 0;
    for (auto _ : state) {
        game.picCell_MouseMove(index, 0, 0, 200, 200);
        index = (index + 37) % kCellCount;
    }
}
BENCHMARK(BM_PointerMoveBusyBoard);

void BM_PointerMoveFullBoard(benchmark::State& state) {
    sim::SimPlatform sim;
    Game game(sim, 1);
    for (Cell& cell : game.editState().picCell) cell.backColor = colour::kPalette[1];
    game.editState().thePiece = "SQUARE";
    int index = 0;
    for (auto _ : state) {
        game.picCell_MouseMove(index, 0, 0, 200, 200);
        index = (index + 37) % kCellCount;
    }
}
BENCHMARK(BM_PointerMoveFullBoard);

// One hour of the demo playing itself on the simulated platform.
void BM_SimulatedDemoHour(benchmark::State& state) {
    for (auto _ : state) {
        sim::SimPlatform sim;
        Game game(sim, 7);
        sim.attach(game);
        sim.at(3600, [&] { sim.halt(); });
        game.load();
        benchmark::DoNotOptimize(game.state().TopScore);
    }
}
BENCHMARK(BM_SimulatedDemoHour)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
