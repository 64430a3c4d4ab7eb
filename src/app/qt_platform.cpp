// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#include "qt_platform.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QTimer>
#include <algorithm>
#include <utility>

#include "audio/sound_system.h"
#include "audio/wave_resources.h"
#include "front/hourglass_wake.h"
#include "game/game.h"
#include "key_presses.h"
#include "play_again_box.h"

Q_LOGGING_CATEGORY(quazzleTrace, "quazzle.trace", QtWarningMsg)

namespace quazzle {

// A screen reader that starts listening hears the hourglass's percent, so its wakes change.
class QtPlatform::ListenerWatch : public QAccessible::ActivationObserver {
  public:
    explicit ListenerWatch(GridTimer& hourglass) : hourglass_(hourglass) {
        QAccessible::installActivationObserver(this);
    }
    ~ListenerWatch() override { QAccessible::removeActivationObserver(this); }
    ListenerWatch(const ListenerWatch&) = delete;
    ListenerWatch& operator=(const ListenerWatch&) = delete;
    void accessibilityActiveChanged(bool) override { hourglass_.replan(); }

  private:
    GridTimer& hourglass_;
};

QtPlatform::QtPlatform(WindowHooks& window) : window_(window) {
    clock_.start();
    for (int t = 0; t < kTimerCount; ++t)
        timers_[t] = std::make_unique<GridTimer>(clock_, [this, id = static_cast<TimerId>(t)] {
            if (!game_) return;
            // The hourglass's ticks that fell due earlier come first; it runs its own in order.
            if (id != TimerId::Timer1) settle();
            game_->timerTicked(id);
        });
    GridTimer& hourglass = *timers_[static_cast<int>(TimerId::Timer1)];
    // The hourglass wakes only when a tick shows, or ends the game.
    hourglass.setPlanner([this] { return hourglassTicksAhead(); });
    listenerWatch_ = std::make_unique<ListenerWatch>(hourglass);
}

QtPlatform::~QtPlatform() = default;

qint64 QtPlatform::hourglassTicksAhead() {
    if (!game_) return 1;
    plannedRatio_ = window_.pixelRatio();
    return ticksUntilSeen(game_->state().hourglassFill, plannedRatio_, QAccessible::isActive(),
                          game_->gameOverRunning());
}

void QtPlatform::hourglassDrawnAt(qreal ratio) {
    if (ratio != plannedRatio_) timers_[static_cast<int>(TimerId::Timer1)]->replan();
}

void QtPlatform::changed(Region region, int index) {
    window_.refresh(region, index);
    // A fill set afresh (a placement, a new game) moves the next tick that shows.
    if (region == Region::Hourglass) timers_[static_cast<int>(TimerId::Timer1)]->replan();
}

void QtPlatform::settle() {
    if (ending_) return;
    std::array<GridTimer*, kTimerCount> timers{};
    std::ranges::transform(timers_, timers.begin(), &std::unique_ptr<GridTimer>::get);
    runDueInOrder(timers);
    for (GridTimer* timer : timers) timer->replan();
}

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
    settle();
}

void QtPlatform::processEvents() {
    QCoreApplication::processEvents();
    settle();
}

void QtPlatform::armTimer(TimerId id, int intervalMs, bool enabled) {
    timers_[static_cast<int>(id)]->arm(intervalMs, enabled);
}

// The sound device and its recordings wait until the window has been drawn, or until a sound
// must really play.
SoundSystem& QtPlatform::sound() {
    if (sound_) return *sound_;
    sound_ = std::make_unique<SoundSystem>();
    for (int p = 0; p < kPlayerCount; ++p)
        if (!boundSounds_[p].isEmpty()) sound_->bindPlayer(p, loadWaveResource(boundSounds_[p]));
    return *sound_;
}

void QtPlatform::openSound() {
    SoundSystem& system = sound();
    for (int p = 0; p < kPlayerCount; ++p)
        if (std::exchange(pendingPlays_[p], false)) system.playPlayer(p);
}

void QtPlatform::playEffect(std::string_view soundName) {
    sound().playEffect(
        loadWaveResource(QString::fromUtf8(soundName.data(), qsizetype(soundName.size()))));
}

void QtPlatform::bindPlayer(Player player, const std::string& locator) {
    const int p = static_cast<int>(player);
    boundSounds_[p] = waveNameFromLocator(QString::fromStdString(locator));
    if (sound_) sound_->bindPlayer(p, loadWaveResource(boundSounds_[p]));
}

void QtPlatform::playPlayer(Player player) {
    const int p = static_cast<int>(player);
    if (sound_) return sound_->playPlayer(p);
    // Start-up's play-and-stop at once is silence; a play that is not stopped at once sounds.
    pendingPlays_[p] = true;
    QTimer::singleShot(0, &pendingCheck_, [this] {
        if (std::ranges::any_of(pendingPlays_, [](bool pending) { return pending; })) openSound();
    });
}

void QtPlatform::stopPlayer(Player player) {
    const int p = static_cast<int>(player);
    pendingPlays_[p] = false;
    if (sound_) sound_->stopPlayer(p);
}

std::string QtPlatform::exeName() const {
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName().toStdString();
}

bool QtPlatform::askPlayAgain() {
    return PlayAgainBox::ask(window_.dialogParent(), game_->state(),
                             window_.keyPresses().from(keys_.latest()));
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
