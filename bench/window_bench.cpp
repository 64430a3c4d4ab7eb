// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

// The window on the real Qt platform: a pointer move to the repainted footprint, the hourglass
// from a placement to the game-over sounds, and the waits of one demo sweep.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFont>
#include <QMouseEvent>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <array>
#include <vector>

#include "board/board.h"
#include "form1.h"
#include "game/timings.h"

namespace {

using namespace quazzle;

void sendMouse(QWidget* target, QEvent::Type type, QPoint at, Qt::MouseButton button,
               Qt::MouseButtons held) {
    const QPointF local(at);
    QMouseEvent event(type, local, target->mapTo(target->window(), local),
                      target->mapToGlobal(local), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &event);
}

void moveTo(BoardWidget* board, int cell) {
    sendMouse(board, QEvent::MouseMove, BoardWidget::cellRect(cell).center(), Qt::NoButton,
              Qt::NoButton);
}

bool waitExposed(QWidget& form) {
    QElapsedTimer waited;
    waited.start();
    while (!(form.windowHandle() && form.windowHandle()->isExposed())) {
        if (waited.elapsed() > 5000) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

bool showsFootprint(const GameState& s) {
    return std::ranges::any_of(s.picCell, [](const Cell& c) { return isHoverMark(c.backColor); });
}

// Two cells far enough apart that every piece's footprint moves between them.
constexpr std::array<int, 2> kHoverCells{44, 55};

// A real game on an empty board; no demo, so nothing waits inside the loop.
void pointerMoveBench(benchmark::State& state, bool repaint) {
    Form1 form(1);
    form.game().startPressed();
    form.show();
    if (!waitExposed(form)) {
        state.SkipWithError("the window was never exposed");
        return;
    }
    BoardWidget* board = form.board();
    moveTo(board, kHoverCells[0]);
    if (!showsFootprint(form.game().state())) {
        state.SkipWithError("a pointer move showed no footprint");
        return;
    }
    std::size_t k = 1;
    for (auto _ : state) {
        moveTo(board, kHoverCells[k]);
        if (repaint) board->repaint();
        k ^= 1;
    }
}

void BM_PointerMoveRepaint(benchmark::State& state) { pointerMoveBench(state, true); }
BENCHMARK(BM_PointerMoveRepaint)->Unit(benchmark::kMicrosecond);

// The same move without the paint: what the event and the rules cost alone.
void BM_PointerMoveEventOnly(benchmark::State& state) { pointerMoveBench(state, false); }
BENCHMARK(BM_PointerMoveEventOnly)->Unit(benchmark::kMicrosecond);

// One game: a piece placed 0.2 s after Start, then the seconds until the game-over sequence
// begins, polled every millisecond. Negative when no placement or no game over happened.
double hourglassOnce(std::uint32_t seed) {
    Form1 form(seed);
    form.game().startPressed();
    form.show();
    double seconds = -1;
    QElapsedTimer sincePlacement;
    QTimer poll;
    poll.setTimerType(Qt::PreciseTimer);
    poll.setInterval(1);
    QObject::connect(&poll, &QTimer::timeout, &form, [&] {
        if (!form.game().gameOverRunning()) return;
        seconds = double(sincePlacement.nsecsElapsed()) / 1e9;
        poll.stop();
        // Ends every loop, the game-over wait included, before the prompt could open.
        form.platform().endProgram();
    });
    QTimer::singleShot(200, &form, [&] {
        BoardWidget* board = form.board();
        const QPoint centre = BoardWidget::cellRect(kHoverCells[0]).center();
        moveTo(board, kHoverCells[0]);
        sendMouse(board, QEvent::MouseButtonPress, centre, Qt::LeftButton, Qt::LeftButton);
        sincePlacement.start();
        sendMouse(board, QEvent::MouseButtonRelease, centre, Qt::LeftButton, Qt::NoButton);
        if (form.game().state().Score != 1) {
            form.platform().endProgram();
            return;
        }
        poll.start();
    });
    QTimer::singleShot(30000, &form, [&] { form.platform().endProgram(); });
    QApplication::exec();
    return seconds;
}

void BM_HourglassToGameOver(benchmark::State& state) {
    std::vector<double> runs;
    std::uint32_t seed = 1;
    for (auto _ : state) {
        const double seconds = hourglassOnce(seed++);
        if (seconds < 0) {
            state.SkipWithError("no placement or no game over");
            return;
        }
        state.SetIterationTime(seconds);
        runs.push_back(seconds);
    }
    const auto [low, high] = std::ranges::minmax(runs);
    state.counters["min_s"] = low;
    state.counters["max_s"] = high;
}
BENCHMARK(BM_HourglassToGameOver)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

// What one sweep of the demo waits: a step's pause for each of the hundred cells.
void BM_DemoSweepWaits(benchmark::State& state) {
    Form1 form(1);
    for (auto _ : state)
        for (int cell = 0; cell < kCellCount; ++cell) form.platform().pause(timing::kDemoStep);
}
BENCHMARK(BM_DemoSweepWaits)->UseRealTime()->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
    // Offscreen and silent unless told otherwise, so it runs on any machine.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("ALSOFT_DRIVERS")) qputenv("ALSOFT_DRIVERS", "null");
    benchmark::Initialize(&argc, argv);
    QApplication app(argc, argv);
    QFont::insertSubstitution("Verdana", "DejaVu Sans");
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
