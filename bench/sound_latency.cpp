// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

// From a play to the first sample the mixer takes of it: the time until the voice's offset
// moves, after GAP seconds of silence (the device may have gone to sleep meanwhile). Prints the
// median and the range of RUNS plays for each gap given on the command line (default 0.3 2.5).
// With AWAKE=1 a second voice sounds all along, so the device never sleeps: every play finds the
// mixer running, as every play did when the device slept only 2 s after the last sound.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "../tests/audio/test_waves.h"
#include "audio/sound_system.h"

namespace {

constexpr int kKeepAwake = 1;  // the player that keeps the device running under AWAKE=1

// Runs the event loop (the sound layer's own timers) for `seconds`.
void idle(quazzle::SoundSystem& sound, bool awake, double seconds) {
    QElapsedTimer clock;
    clock.start();
    while (clock.nsecsElapsed() < qint64(seconds * 1e9)) {
        if (awake && !sound.playerPlaying(kKeepAwake)) sound.playPlayer(kKeepAwake);
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::usleep(500);
    }
}

double playToFirstSampleMs(quazzle::SoundSystem& sound) {
    QElapsedTimer clock;
    clock.start();
    sound.playPlayer(0);
    while (sound.playerOffsetSeconds(0) <= 0 && clock.elapsed() < 1000) QThread::usleep(100);
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const int runs =
        qEnvironmentVariableIntValue("RUNS") > 0 ? qEnvironmentVariableIntValue("RUNS") : 15;
    std::vector<double> gaps;
    for (int i = 1; i < argc; ++i) gaps.push_back(std::atof(argv[i]));
    if (gaps.empty()) gaps = {0.3, 2.5};
    quazzle::SoundSystem sound;
    if (!sound.hasDevice()) {
        std::puts("no audio device");
        return 1;
    }
    // As long as the placement's sound.
    sound.bindPlayer(0, quazzle::test::makeWave(2, 44100, 0.13));
    const bool awake = qEnvironmentVariableIntValue("AWAKE") == 1;
    if (awake) sound.bindPlayer(kKeepAwake, quazzle::test::makeWave(2, 44100, 5.0));
    for (const double gap : gaps) {
        std::vector<double> ms;
        for (int r = 0; r < runs; ++r) {
            idle(sound, awake, 0.13 + gap);
            ms.push_back(playToFirstSampleMs(sound));
        }
        std::ranges::sort(ms);
        std::printf("after %.1f s%s: median %.2f ms (%.2f to %.2f), %d plays\n", gap,
                    awake ? " (another voice sounding)" : " of silence", ms[ms.size() / 2],
                    ms.front(), ms.back(), runs);
    }
}
