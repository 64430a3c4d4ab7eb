// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QFont>
#include <QWidget>
#include <array>
#include <cstdint>

#include "accessibility/announcer.h"
#include "accessibility/views.h"
#include "board_widget.h"
#include "close_requests.h"
#include "game/game.h"
#include "key_presses.h"
#include "panel.h"
#include "pictures.h"
#include "qt_platform.h"
#include "shown.h"

class QPushButton;

namespace quazzle {

// The game's one window: every control at its place, painted from the game's state.
class Form1 : public QWidget, public WindowHooks {
    Q_OBJECT

  public:
    explicit Form1(std::uint32_t seed);

    Game& game() { return game_; }
    QtPlatform& platform() { return platform_; }
    BoardWidget* board() { return board_; }
    QPushButton* startButton() { return command1_; }

    // WindowHooks
    void refresh(Region region, int index) override;
    void showWindow() override;
    double scoreTextWidth(const std::string& text) const override;
    QWidget* dialogParent() override { return this; }
    qreal pixelRatio() const override { return devicePixelRatioF(); }
    const KeyPresses& keyPresses() const override { return keys_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildControls();
    void afterFirstFrame();
    void nameControls();
    void updateArea(QWidget* control, const QRegion& area);
    QRectF levelLabelBox(int k) const;
    void paintHourglass(QPainter& p) const;
    void paintPreview(QPainter& p) const;
    void paintXpBar(QPainter& p) const;
    void paintInstructions(QPainter& p);
    void paintBomb(QPainter& p, int slot);
    void paintScore(QPainter& p) const;
    double hourglassFill() const;
    QRect scoreRect() const;
    QFont scoreFontFor(const QString& text) const;

    Pictures pictures_;
    QFont scoreFont_;
    QFont smallFont_;
    mutable QString fittedText_;
    mutable QFont fittedFont_;
    QtPlatform platform_;
    Game game_;
    accessibility::Views views_;  // before the title is set
    accessibility::Announcer announcer_;
    CloseRequests closeRequests_;
    KeyPresses keys_;
    BoardWidget* board_ = nullptr;
    Panel* hourglass_ = nullptr;
    Panel* preview_ = nullptr;
    Panel* xpBar_ = nullptr;
    Panel* instructions_ = nullptr;
    Panel* score_ = nullptr;
    std::array<Panel*, kBombSlots> bombs_{};
    QPushButton* command1_ = nullptr;
    Shown shown_;  // what the changing controls showed when last painted
    bool firstFrameShown_ = false;
};

}  // namespace quazzle
