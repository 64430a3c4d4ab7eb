// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QAccessible>
#include <QObject>

class QWidget;

namespace quazzle {

class BoardWidget;
class Game;
struct GameState;

namespace accessibility {

// The window's controls that assistive technology meets, as the window made them.
struct Controls {
    BoardWidget* board = nullptr;
    QWidget* hourglass = nullptr;
    QWidget* preview = nullptr;
    QWidget* experience = nullptr;
    QWidget* instructions = nullptr;
    QWidget* bombs = nullptr;  // the first slot, which speaks for all three
    QWidget* score = nullptr;
    QWidget* startButton = nullptr;
};

// What the views of one game window read: its game, and its controls once it has made them.
// It goes before the window's controls do; the views hold it weakly and fall silent then.
class WindowParts : public QObject {
    Q_OBJECT

  public:
    WindowParts(QWidget& window, const Game& game);
    ~WindowParts() override;

    QWidget& window() const { return window_; }
    const Game& game() const { return game_; }
    const GameState& state() const;
    const Controls& controls() const { return controls_; }
    void setControls(const Controls& controls) { controls_ = controls; }

    // The level, painted inside the preview box, as a text of its own; nullptr until the box is
    // made. Made when first asked for.
    QAccessibleInterface* level() const;

  private:
    QWidget& window_;
    const Game& game_;
    Controls controls_;
    mutable QAccessible::Id levelId_ = 0;
};

// The state of the game `parts` show, or nullptr once they have gone.
inline const GameState* stateOf(const WindowParts* parts) {
    return parts ? &parts->state() : nullptr;
}

}  // namespace accessibility
}  // namespace quazzle
