// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QElapsedTimer>
#include <array>
#include <functional>
#include <memory>
#include <string>

#include "flow/platform.h"
#include "grid_timer.h"
#include "key_clock.h"

class QWidget;

namespace quazzle {

class Game;
class SoundSystem;

// What the platform needs from the window it serves.
class WindowHooks {
  public:
    virtual ~WindowHooks() = default;
    virtual void refresh(Region region, int index) = 0;
    virtual void showWindow() = 0;
    virtual double scoreTextWidth(const std::string& text) const = 0;
    virtual QWidget* dialogParent() = 0;
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
    void changed(Region region, int index) override { window_.refresh(region, index); }

  private:
    WindowHooks& window_;
    Game* game_ = nullptr;
    bool ending_ = false;
    QElapsedTimer clock_;
    KeyClock keys_;
    std::array<std::unique_ptr<GridTimer>, kTimerCount> timers_;
    std::unique_ptr<SoundSystem> sound_;
};

}  // namespace quazzle
