// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QtGlobal>
#include <array>
#include <functional>
#include <memory>
#include <string>

#include "game/platform.h"
#include "grid_timer.h"
#include "key_clock.h"

class QWidget;

namespace quazzle {

class Game;
class KeyPresses;
class SoundSystem;

// What the platform needs from the window it serves.
class WindowHooks {
  public:
    WindowHooks() = default;
    virtual ~WindowHooks() = default;
    WindowHooks(const WindowHooks&) = delete;
    WindowHooks& operator=(const WindowHooks&) = delete;

    virtual void refresh(Region region, int index) = 0;
    virtual void showWindow() = 0;
    virtual double scoreTextWidth(const std::string& text) const = 0;
    virtual QWidget* dialogParent() = 0;
    // Device pixels to a window pixel on the window's screen.
    virtual qreal pixelRatio() const = 0;
    // What the window heard of the keys: a key it heard go down is held into the prompt.
    virtual const KeyPresses& keyPresses() const = 0;
};

// The toolkit's side of the seam: waits, timers, sound and the prompt, on Qt.
class QtPlatform : public Platform {
  public:
    explicit QtPlatform(WindowHooks& window);
    ~QtPlatform() override;

    void attach(Game& game) { game_ = &game; }

    void pause(double seconds) override;
    void processEvents() override;
    bool ending() const override { return ending_; }
    void settle() override;
    void armTimer(TimerId id, int intervalMs, bool enabled) override;
    void playEffect(std::string_view soundName) override;
    void bindPlayer(Player player, const std::string& locator) override;
    void playPlayer(Player player) override;
    void stopPlayer(Player player) override;
    std::string exeName() const override;
    void showWindow() override { window_.showWindow(); }
    double scoreTextWidth(const std::string& text) override { return window_.scoreTextWidth(text); }
    bool askPlayAgain() override;
    void endProgram() override { endProgramWith(0); }
    // Ends the program at once, from any depth of waits, with exit status `status`.
    void endProgramWith(int status);
    void trace(std::string_view text) override;
    void changed(Region region, int index) override;

    // The window has shown its first frame: the sound device can open now.
    void openSound();

    // The window drew the hourglass at this ratio; a new ratio may show the fill sooner.
    void hourglassDrawnAt(qreal ratio);

  private:
    class ListenerWatch;
    SoundSystem& sound();
    qint64 hourglassTicksAhead();

    WindowHooks& window_;
    Game* game_ = nullptr;
    bool ending_ = false;
    QElapsedTimer clock_;
    KeyClock keys_;
    std::array<std::unique_ptr<GridTimer>, kTimerCount> timers_;
    std::unique_ptr<SoundSystem> sound_;  // opened after the first frame
    std::array<QString, kPlayerCount> boundSounds_;
    std::array<bool, kPlayerCount> pendingPlays_{};
    QObject pendingCheck_;
    std::unique_ptr<ListenerWatch> listenerWatch_;
    qreal plannedRatio_ = 0;
};

}  // namespace quazzle
