// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

// Keys held down on a real X server, as a player holds them: the keys come through XTEST and
// the server repeats them itself, at the rates a desktop may set. At a fast rate a repeat that
// Qt cannot tell from the key's own release comes soon, if it can come at all.
#include <xcb/xcb.h>
#include <xcb/xtest.h>

#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPointer>
#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <optional>
#include <ostream>
#include <set>
#include <string>

#include "window_fixture.h"
#include "x11_xkb.h"

namespace quazzle::window {
namespace {

// How the X server repeats a held key (delay and interval in ms).
struct Repeat {
    const char* name;
    bool on;
    int delay;
    int interval;
};

void PrintTo(const Repeat& repeat, std::ostream* out) { *out << repeat.name; }

// A keyboard of the test's own on the X server the window is on.
class XKeyboard {
  public:
    XKeyboard() : connection_(xcb_connect(nullptr, nullptr)) {
        if (xcb_connection_has_error(connection_)) return;
        root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
        space_ = keycodeOf(' ');
        a_ = keycodeOf('a');
        xcb_xkb_use_extension_reply_t* xkb = xcb_xkb_use_extension_reply(
            connection_,
            xcb_xkb_use_extension(connection_, XCB_XKB_MAJOR_VERSION, XCB_XKB_MINOR_VERSION),
            nullptr);
        const bool hasXkb = xkb && xkb->supported;
        std::free(xkb);
        xcb_xkb_get_controls_reply_t* controls = xcb_xkb_get_controls_reply(
            connection_, xcb_xkb_get_controls(connection_, XCB_XKB_ID_USE_CORE_KBD), nullptr);
        if (hasXkb && controls)
            before_ = Repeat{"before", (controls->enabledControls & kRepeatKeys) != 0,
                             controls->repeatDelay, controls->repeatInterval};
        std::free(controls);
    }
    ~XKeyboard() {
        for (const xcb_keycode_t key : std::set(down_)) up(key);
        if (before_) setRepeat(*before_);
        xcb_disconnect(connection_);
    }
    XKeyboard(const XKeyboard&) = delete;
    XKeyboard& operator=(const XKeyboard&) = delete;

    // XTEST and XKB answer, and the keyboard has Space and A.
    bool ready() const {
        return !xcb_connection_has_error(connection_) && space_ && a_ && before_ &&
               xcb_get_extension_data(connection_, &xcb_test_id)->present;
    }

    void setRepeat(const Repeat& repeat) {
        const std::uint8_t perKey[32] = {};
        xcb_xkb_set_controls(connection_, XCB_XKB_ID_USE_CORE_KBD, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                             kRepeatKeys, repeat.on ? kRepeatKeys : 0,
                             kRepeatKeys | XCB_XKB_CONTROL_CONTROLS_ENABLED,
                             std::uint16_t(repeat.delay), std::uint16_t(repeat.interval), 0, 0, 0,
                             0, 0, 0, 0, 0, 0, 0, 0, 0, perKey);
        sync();
    }

    xcb_keycode_t space() const { return space_; }
    xcb_keycode_t a() const { return a_; }

    void down(xcb_keycode_t key) {
        down_.insert(key);
        fake(XCB_KEY_PRESS, key);
    }
    void up(xcb_keycode_t key) {
        down_.erase(key);
        fake(XCB_KEY_RELEASE, key);
    }
    void pointTo(QPoint global) {
        xcb_test_fake_input(connection_, XCB_MOTION_NOTIFY, 0, XCB_CURRENT_TIME, root_,
                            std::int16_t(global.x()), std::int16_t(global.y()), 0);
        sync();
    }

  private:
    static constexpr std::uint32_t kRepeatKeys = XCB_XKB_BOOL_CTRL_REPEAT_KEYS;

    void fake(std::uint8_t type, xcb_keycode_t key) {
        xcb_test_fake_input(connection_, type, key, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
        sync();
    }
    // Every request sent so far has been carried out.
    void sync() {
        std::free(
            xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
    }

    // The key that types `symbol` without a modifier (its keysym is its Latin-1 code).
    xcb_keycode_t keycodeOf(char symbol) {
        const xcb_setup_t* setup = xcb_get_setup(connection_);
        const int count = setup->max_keycode - setup->min_keycode + 1;
        xcb_get_keyboard_mapping_reply_t* map = xcb_get_keyboard_mapping_reply(
            connection_,
            xcb_get_keyboard_mapping(connection_, setup->min_keycode, std::uint8_t(count)),
            nullptr);
        xcb_keycode_t found = 0;
        if (map) {
            const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(map);
            for (int k = 0; k < count && !found; ++k)
                if (syms[std::ptrdiff_t(k) * map->keysyms_per_keycode] == xcb_keysym_t(symbol))
                    found = xcb_keycode_t(setup->min_keycode + k);
        }
        std::free(map);
        return found;
    }

    xcb_connection_t* connection_;
    xcb_window_t root_ = XCB_NONE;
    xcb_keycode_t space_ = 0;
    xcb_keycode_t a_ = 0;
    std::optional<Repeat> before_;
    std::set<xcb_keycode_t> down_;  // let go of when the test ends, whatever it came to
};

// Counts the presses and releases of a key that reach the application's windows.
class KeyCount : public QObject {
  public:
    explicit KeyCount(int key) : key_(key) { qApp->installEventFilter(this); }
    int presses() const { return presses_; }
    int releases() const { return releases_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if ((type == QEvent::KeyPress || type == QEvent::KeyRelease) && watched->isWindowType() &&
            static_cast<QKeyEvent*>(event)->key() == key_)
            ++(type == QEvent::KeyPress ? presses_ : releases_);
        return false;
    }

  private:
    int key_;
    int presses_ = 0;
    int releases_ = 0;
};

// Lets events run for `ms` as the game's own loops do: asleep until the next one comes.
// (QTest::qWait looks only every 10 ms, by when a repeat's release and press have both come.)
void wait(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

bool anyCellBlasting(const GameState& s) {
    return std::ranges::any_of(
        s.picCell, [](const Cell& cell) { return cell.backColor == colour::kBombFlash; });
}

class HeldKeyOnX11Test : public WindowTest, public ::testing::WithParamInterface<Repeat> {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        if (QGuiApplication::platformName() != QLatin1String("xcb")) GTEST_SKIP() << "X11 only";
        keyboard_ = std::make_unique<XKeyboard>();
        ASSERT_TRUE(keyboard_->ready()) << "the X server needs XTEST and XKB";
        keyboard_->setRepeat(GetParam());
    }
    void TearDown() override {
        keyboard_.reset();
        WindowTest::TearDown();
    }

    // A real game with three bombs, its window holding the keyboard.
    GameState& playWithThreeBombs() {
        startRealGame();
        GameState& s = GameSeam::state(game());
        s.Bombs = 3;
        form().activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form()));
        keyboard_->pointTo(form().mapToGlobal(QPoint(400, 380)));
        return s;
    }

    // Longer than any repeat delay here, so that the key repeats for most of it.
    static constexpr int kHoldMs = 1000;
    // Long enough for a blast to end (at most six cells, 0.1 s each).
    static constexpr int kBlastMs = 700;

    XKeyboard& keyboard() { return *keyboard_; }

  private:
    std::unique_ptr<XKeyboard> keyboard_;
};

TEST_P(HeldKeyOnX11Test, HoldingSpaceSetsOffOneBombAsItComesUp) {
    GameState& s = playWithThreeBombs();
    KeyCount space(Qt::Key_Space);
    keyboard().down(keyboard().space());
    wait(kHoldMs);
    EXPECT_EQ(s.Bombs, 3) << "a bomb went off while Space was held";
    // Asked for detectable auto-repeat, the X server repeats a held key as presses alone.
    EXPECT_EQ(space.presses() > 5, GetParam().on) << space.presses() << " presses of Space";
    EXPECT_EQ(space.releases(), 0);
    keyboard().up(keyboard().space());
    wait(kBlastMs);
    EXPECT_EQ(s.Bombs, 2);

    // Another key held as long sets nothing off.
    s.hourglassFill = 0;
    keyboard().down(keyboard().a());
    wait(kHoldMs);
    keyboard().up(keyboard().a());
    wait(200);
    EXPECT_EQ(s.Bombs, 2);
}

// Space tapped, then pressed again while its blast runs and held: one bomb more, as it comes up.
TEST_P(HeldKeyOnX11Test, SpaceHeldWhileABlastRunsSetsOffOneBombMore) {
    GameState& s = playWithThreeBombs();
    // The blast runs inside waits of its own, so each step is booked on a timer before it. Each
    // stroke comes a while after the one before, as a player's do: a release and a press
    // stamped alike are a repeat.
    int bombsAsPressedAgain = -1;
    QTimer again;
    again.setInterval(5);
    QObject::connect(&again, &QTimer::timeout, [&] {
        if (bombsAsPressedAgain >= 0 || !anyCellBlasting(s)) return;
        bombsAsPressedAgain = s.Bombs;
        keyboard().down(keyboard().space());
        QTimer::singleShot(kHoldMs, &form(), [&] { keyboard().up(keyboard().space()); });
    });
    keyboard().down(keyboard().space());
    QTimer::singleShot(40, &form(), [&] {
        keyboard().up(keyboard().space());
        again.start();
    });
    wait(40 + kHoldMs + 2 * kBlastMs);
    EXPECT_EQ(bombsAsPressedAgain, 2) << "-1: Space was not pressed again while the blast ran";
    EXPECT_EQ(s.Bombs, 1);
}

class HeldKeyOnThePromptTest : public HeldKeyOnX11Test {
  protected:
    // Space held down as the game is lost and the prompt asks: pressed on the prompt
    // (`heldFromTheGame` false) or held down from the game as it appears, and let go after a
    // while. Then, if the prompt still asks, a click answers Yes.
    void holdSpaceOnThePrompt(bool heldFromTheGame) {
        GameState& s = playWithThreeBombs();
        s.Score = 7;
        game().refreshScore();
        if (heldFromTheGame) {
            keyboard().down(keyboard().space());
            wait(300);
        }
        s.hourglassFill = 4810;
        QMessageBox* prompt = nullptr;
        QTimer poll;
        poll.setInterval(10);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || prompt || !box->isActiveWindow()) return;
            prompt = box;
            if (!heldFromTheGame) keyboard().down(keyboard().space());
            // Timed by the window, which outlives a prompt answered too soon.
            QTimer::singleShot(kHoldMs, &form(), [this, box = QPointer(box)] {
                askingAsReleased_ = box && box->isVisible();
                keyboard().up(keyboard().space());
                QTimer::singleShot(500, &form(), [this, box] {
                    askingAfterward_ = box && box->isVisible();
                    if (askingAfterward_) box->button(QMessageBox::Yes)->click();
                });
            });
        });
        poll.start();
        ASSERT_TRUE(QTest::qWaitFor([&] { return prompt && s.Score == 0; }, kHoldMs + 10000));
        EXPECT_EQ(s.TopScore, 7);
        EXPECT_EQ(s.Bombs, 0) << "a new game";
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }

    bool askingAsReleased_ = false;
    bool askingAfterward_ = false;
};

TEST_P(HeldKeyOnThePromptTest, SpaceHeldOnThePromptAnswersItAsItComesUp) {
    holdSpaceOnThePrompt(false);
    EXPECT_TRUE(askingAsReleased_) << "answered while Space was held";
    EXPECT_FALSE(askingAfterward_);
}

TEST_P(HeldKeyOnThePromptTest, SpaceHeldFromTheGameAnswersNothing) {
    holdSpaceOnThePrompt(true);
    EXPECT_TRUE(askingAsReleased_);
    EXPECT_TRUE(askingAfterward_);
}

const auto kRepeats = ::testing::Values(
    Repeat{"Off", false, 660, 40}, Repeat{"AsXvfb", true, 660, 40}, Repeat{"Fast", true, 80, 8});
std::string repeatName(const ::testing::TestParamInfo<Repeat>& info) { return info.param.name; }
INSTANTIATE_TEST_SUITE_P(Repeating, HeldKeyOnX11Test, kRepeats, repeatName);
// Without repeats a held key on the prompt is a tap, which the prompt's own tests cover.
INSTANTIATE_TEST_SUITE_P(Repeating, HeldKeyOnThePromptTest,
                         ::testing::Values(Repeat{"AsXvfb", true, 660, 40},
                                           Repeat{"Fast", true, 80, 8}),
                         repeatName);

}  // namespace
}  // namespace quazzle::window
