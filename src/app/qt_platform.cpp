// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#include "qt_platform.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QTimer>

#include "audio/sound_system.h"
#include "audio/wave_resources.h"
#include "flow/game.h"
#include "play_again_box.h"

Q_LOGGING_CATEGORY(quazzleTrace, "quazzle.trace", QtWarningMsg)

namespace quazzle {

QtPlatform::QtPlatform(WindowHooks& window)
    : window_(window), sound_(std::make_unique<SoundSystem>()) {
    clock_.start();
    for (int t = 0; t < kTimerCount; ++t)
        timers_[t] = std::make_unique<GridTimer>(clock_, [this, t] {
            if (game_) game_->timerTicked(static_cast<TimerId>(t));
        });
}

QtPlatform::~QtPlatform() = default;

void QtPlatform::pause(double seconds) {
    if (seconds <= 0 || ending_) return;
    const qint64 until = clock_.nsecsElapsed() + qint64(seconds * 1e9);
    // A nested loop sleeps until its timer ends it; it never spins.
    for (qint64 left = until - clock_.nsecsElapsed(); left > 0 && !ending_;
         left = until - clock_.nsecsElapsed()) {
        QEventLoop loop;
        QTimer::singleShot(int((left + 999'999) / 1'000'000), Qt::PreciseTimer, &loop,
                           &QEventLoop::quit);
        if (loop.exec() != 0) break;  // the application is quitting
    }
}

void QtPlatform::processEvents() { QCoreApplication::processEvents(); }

void QtPlatform::armTimer(TimerId id, int intervalMs, bool enabled) {
    timers_[static_cast<int>(id)]->arm(intervalMs, enabled);
}

void QtPlatform::playEffect(std::string_view soundName) {
    sound_->playEffect(loadWaveResource(QString::fromUtf8(soundName.data(), soundName.size())));
}

void QtPlatform::bindPlayer(Player player, const std::string& locator) {
    const QString name = waveNameFromLocator(QString::fromStdString(locator));
    sound_->bindPlayer(static_cast<int>(player), loadWaveResource(name));
}

void QtPlatform::playPlayer(Player player) { sound_->playPlayer(static_cast<int>(player)); }

void QtPlatform::stopPlayer(Player player) { sound_->stopPlayer(static_cast<int>(player)); }

std::string QtPlatform::exeName() const {
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName().toStdString();
}

bool QtPlatform::askPlayAgain() {
    return PlayAgainBox::ask(window_.dialogParent(), keys_.latest());
}

void QtPlatform::endProgramWith(int status) {
    ending_ = true;
    for (auto& timer : timers_) timer->arm(0, false);
    QCoreApplication::exit(status);
}

void QtPlatform::trace(std::string_view text) {
    qCDebug(quazzleTrace, "%.*s", int(text.size()), text.data());
}

}  // namespace quazzle
