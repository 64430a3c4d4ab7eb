// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

// The "Play again?" prompt: what keys do to it, and closing the main window while it is up.
#include <xcb/xcb.h>

#include <qpa/qwindowsysteminterface.h>
#include <QGuiApplication>
#include <QMessageBox>

#include "window_fixture.h"
#include "x11_atom.h"

namespace quazzle::window {
namespace {

// A key event as the window system hands it over, stamped `at` on its clock (ms).
void key(QWindow* window, QEvent::Type type, int code, quint64 at, bool repeat = false,
         Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    const QString text = code == Qt::Key_Return  ? QStringLiteral("\r")
                         : code == Qt::Key_Space ? QStringLiteral(" ")
                         : code >= Qt::Key_A && code <= Qt::Key_Z
                             ? QString(QChar(code - Qt::Key_A + 'a'))
                             : QString();
    QWindowSystemInterface::handleKeyEvent<QWindowSystemInterface::SynchronousDelivery>(
        window, at, type, code, modifiers, text, repeat);
}

class PromptTest : public WindowTest {
  protected:
    // A real game whose hourglass runs out at once, with a score of 7 to tell it from the next.
    void loseTheGame() {
        startRealGame();
        GameState& s = GameSeam::state(game());
        s.Score = 7;
        game().refreshScore();
        s.hourglassFill = 4810;
    }

    // Runs `whileUp` once the prompt is up, then lets events run until `done`.
    static void onThePrompt(const std::function<void(QMessageBox*)>& whileUp,
                            const std::function<bool()>& done) {
        bool ran = false;
        QTimer poll;
        poll.setInterval(10);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || ran) return;
            ran = true;
            // A prompt left unanswered would hold the test in its loop for good.
            QTimer::singleShot(6000, box, [box] { box->button(QMessageBox::No)->click(); });
            whileUp(box);
        });
        poll.start();
        ASSERT_TRUE(QTest::qWaitFor([&] { return ran && done(); }, 10000));
    }

    static bool stillAsking(QMessageBox* box) {
        return box->isVisible() && QApplication::activeModalWidget() == box;
    }
};

// Keys that went down during the game: Return held and repeating as X11 repeats a key (release
// and press pairs stamped alike, flagged as repeats or, when Qt cannot tell, not), 'n' held, and
// Space held. Their presses went to the main window, or the repeat's press half reached the
// prompt just after its release half reached the window. None of it answers; a Return pressed
// and released on the prompt does.
TEST_F(PromptTest, AKeyPressedBeforeThePromptAppearedDoesNotAnswerIt) {
    loseTheGame();
    quint64 t = 5'000'000;
    key(handle(), QEvent::KeyPress, Qt::Key_N, ++t);
    key(handle(), QEvent::KeyPress, Qt::Key_Space, ++t);
    key(handle(), QEvent::KeyPress, Qt::Key_Return, ++t);
    // Each step gives the main window the press half of one pair and the release half of the
    // next, so that a release is the last the window gets before the prompt appears.
    key(handle(), QEvent::KeyRelease, Qt::Key_Return, t += 500, true);
    QTimer repeat;
    repeat.setInterval(33);
    QObject::connect(&repeat, &QTimer::timeout, [&] {
        if (QApplication::activeModalWidget()) return;
        key(handle(), QEvent::KeyPress, Qt::Key_Return, t, true);
        key(handle(), QEvent::KeyRelease, Qt::Key_Return, t += 33, true);
    });
    repeat.start();

    bool answeredEarly = false;
    QMessageBox* prompt = nullptr;
    onThePrompt(
        [&](QMessageBox* box) {
            repeat.stop();
            prompt = box;
            QWindow* on = box->windowHandle();
            key(on, QEvent::KeyPress, Qt::Key_Return, t, false);  // the pair's other half
            for (int k = 0; k < 4; ++k) {                         // repeats Qt took for keys
                key(on, QEvent::KeyRelease, Qt::Key_Return, t += 33);
                key(on, QEvent::KeyPress, Qt::Key_Return, t);
            }
            for (int k = 0; k < 3; ++k) {  // repeats flagged as such
                key(on, QEvent::KeyRelease, Qt::Key_Return, t += 33, true);
                key(on, QEvent::KeyPress, Qt::Key_Return, t, true);
            }
            key(on, QEvent::KeyRelease, Qt::Key_Return, t += 40);
            key(on, QEvent::KeyRelease, Qt::Key_N, t += 40);
            key(on, QEvent::KeyRelease, Qt::Key_Space, t += 40);
            QTest::qWait(300);
            answeredEarly = !stillAsking(box);
            // Now Return, pressed and released on the prompt.
            key(on, QEvent::KeyPress, Qt::Key_Return, t += 500);
            ASSERT_TRUE(stillAsking(box)) << "a press alone does not answer";
            key(on, QEvent::KeyRelease, Qt::Key_Return, t += 90);
        },
        [&] { return game().state().Score == 0; });

    EXPECT_FALSE(answeredEarly);
    EXPECT_FALSE(form().platform().ending());
    EXPECT_EQ(game().state().TopScore, 7) << "Yes: a new game";
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

// The prompt's keys still answer it when pressed and released on it: 'n' and Alt+N say No.
class PromptKeyTest : public PromptTest, public ::testing::WithParamInterface<bool> {};

TEST_P(PromptKeyTest, AKeyPressedAndReleasedOnThePromptAnswersIt) {
    const bool alt = GetParam();
    loseTheGame();
    onThePrompt(
        [&](QMessageBox* box) {
            QWindow* on = box->windowHandle();
            const auto modifiers = alt ? Qt::AltModifier : Qt::NoModifier;
            key(on, QEvent::KeyPress, Qt::Key_N, 9'000'000, false, modifiers);
            QTest::qWait(200);
            EXPECT_TRUE(stillAsking(box)) << "the answer comes with the release";
            key(on, QEvent::KeyRelease, Qt::Key_N, 9'000'080, false, modifiers);
        },
        [&] { return form().platform().ending(); });
    EXPECT_EQ(game().state().Score, 7);
}

INSTANTIATE_TEST_SUITE_P(N, PromptKeyTest, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "WithAlt" : "Alone"; });

// Asks `window` to close as a window manager does: on X11 with a WM_DELETE_WINDOW message; on
// other platforms through the window's own close, which is what a Wayland compositor's request
// comes to.
void closeAsTheWindowManagerDoes(QWindow* window) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection) {
        window->close();
        return;
    }
    xcb_client_message_event_t request{};
    request.response_type = XCB_CLIENT_MESSAGE;
    request.format = 32;
    request.window = static_cast<xcb_window_t>(window->winId());
    request.type = internAtom(connection, "WM_PROTOCOLS");
    request.data.data32[0] = internAtom(connection, "WM_DELETE_WINDOW");
    request.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(connection, 0, request.window, XCB_EVENT_MASK_NO_EVENT,
                   reinterpret_cast<const char*>(&request));
    xcb_flush(connection);
}

TEST_F(PromptTest, ClosingTheMainWindowWhileThePromptIsUpEndsTheProgram) {
    loseTheGame();
    bool endedAtOnce = false;
    onThePrompt(
        [&](QMessageBox*) {
            closeAsTheWindowManagerDoes(handle());
            endedAtOnce = QTest::qWaitFor([&] { return form().platform().ending(); }, 1000);
        },
        [&] { return form().platform().ending() && !QApplication::activeModalWidget(); });
    EXPECT_TRUE(endedAtOnce);
    EXPECT_FALSE(form().isVisible());
    EXPECT_EQ(game().state().Score, 7) << "no new game";
    EXPECT_EQ(game().state().hourglassFill, 4810 + 7) << "nor anything else after the prompt";
}

}  // namespace
}  // namespace quazzle::window
