// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QKeyEvent>
#include <QMessageBox>
#include <QPointer>
#include <map>
#include <memory>

#include "key_presses.h"

namespace quazzle {

struct GameState;

// "Play again?": Yes by default, no icon, and only its two buttons can answer it. A key answers
// it only when it was pressed after the box appeared and is released while the box is up: a key
// held down from the game, or repeating, does nothing to it. Clicks answer it as ever.
class PlayAgainBox : public QMessageBox {
    Q_OBJECT

  public:
    // `ended`: the game it asks about, whose scores assistive technology hears with the question.
    // `keys`: what it hears of the keys, from the window system's time as it is shown
    // (KeyClock::latest()), with the keys down in the game held from before.
    PlayAgainBox(QWidget* parent, const GameState& ended, KeyPresses keys = KeyPresses());

    // Shows the box and waits for the answer; true for Yes.
    static bool ask(QWidget* parent, const GameState& ended, KeyPresses keys);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // Holds back every key the box would get, and hands it a key's press and release together
    // when a press it saw is released.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Press {
        QPointer<QObject> receiver;
        std::unique_ptr<QKeyEvent> event;
    };

    bool isMine(QObject* object) const;
    void answer(Press press, const QKeyEvent& release);

    KeyPresses keys_;
    std::map<int, Press> pressed_;  // presses that count, by key, awaiting release
    bool handing_ = false;
};

}  // namespace quazzle
