// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#pragma once

#include <gtest/gtest.h>
#include <QApplication>
#include <QImage>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <memory>

#include "form1.h"
#include "support/game_seam.h"

namespace quazzle::window {

// A fresh window per test. Start-up runs the demo inside nested waits, so everything a test does
// while the demo plays is booked on timers before the wait that runs it.
class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override { form_ = std::make_unique<Form1>(1234); }

    void TearDown() override {
        if (!form_->platform().ending()) return;
        // Ending the program tells every later event loop to quit at once; a full run of the
        // application's own loop clears that for the next test in this process.
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        QCoreApplication::exec();
    }

    Form1& form() { return *form_; }
    Game& game() { return form_->game(); }
    QWindow* handle() { return form_->windowHandle(); }

    // Loads the window and lets the demo play until `during` has run, `ms` after start-up.
    void loadAndThen(int ms, std::function<void()> during) {
        bool loaded = false;
        QTimer::singleShot(0, form_.get(), [&] {
            game().load();
            loaded = true;
        });
        QTimer::singleShot(ms, form_.get(), std::move(during));
        ASSERT_TRUE(QTest::qWaitFor([&] { return loaded; }, 20000));
    }

    // Ends the demo with the start button and leaves a real game running.
    void startRealGame() {
        loadAndThen(100, [this] {
            ASSERT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
            QTest::mouseClick(form_->startButton(), Qt::LeftButton);
        });
        ASSERT_FALSE(game().state().isDemo);
    }

    QImage grab() { return form_->grab().toImage(); }

    // The window point `inside` pixels from the top-left corner of board cell `index`.
    static QPoint cellPoint(int index, QPoint inside) {
        return QPoint(24 + 32 * (index % 10), 8 + 32 * (index / 10)) + inside;
    }

  private:
    std::unique_ptr<Form1> form_;
};

}  // namespace quazzle::window
