// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#include "web/web_platform.h"

#include <algorithm>
#include <utility>

#include "front/hourglass_wake.h"
#include "front/spoken.h"

namespace quazzle::web {

namespace {
constexpr std::int64_t kNsPerMs = 1'000'000;
}  // namespace

WebPlatform::WebPlatform(Page& page, Inbox& inbox, const Clock& clock)
    : page_(page), inbox_(inbox), clock_(clock) {
    for (int t = 0; t < kTimerCount; ++t) {
        const auto id = static_cast<TimerId>(t);
        timers_[t].ticker =
            std::make_unique<Ticker>([this] { return clock_.now(); },
                                     [this, id] {
                                         if (!game_) return;
                                         // The hourglass's ticks that fell due earlier come first;
                                         // it runs its own in order.
                                         if (id != TimerId::Timer1) settle();
                                         game_->timerTicked(id);
                                     },
                                     [this, t](std::int64_t atNs) { timers_[t].wakeNs = atNs; });
    }
    // The hourglass wakes only when a tick shows, or ends the game.
    timers_[0].ticker->setPlanner([this] { return hourglassTicksAhead(); });
}

WebPlatform::~WebPlatform() = default;

void WebPlatform::attach(Game& game) {
    game_ = &game;
    frames_ = std::make_unique<Frames>(game.state());
    pointer_ = std::make_unique<Pointer>(
        game, [this](int was, int now) { frames_->pointerMoved(was, now); });
}

std::int64_t WebPlatform::hourglassTicksAhead() const {
    if (!game_) return 1;
    return ticksUntilSeen(game_->state().hourglassFill, ratio_, false, game_->gameOverRunning());
}

void WebPlatform::run() {
    waitUntil([] { return false; }, Inbox::kForever);
}

void WebPlatform::pause(double seconds) {
    if (seconds <= 0 || ending_) return;
    const std::int64_t until = clock_.now() + std::int64_t(seconds * 1e9);
    waitUntil([&] { return clock_.now() >= until; }, until);
    settle();
}

void WebPlatform::processEvents() {
    while (const auto input = inbox_.take()) {
        handle(*input);
        if (ending_) return;
    }
    wakeDueTimers();
    settle();
}

void WebPlatform::waitUntil(const std::function<bool()>& done, std::int64_t untilNs) {
    while (!ending_ && !done()) {
        auto input = inbox_.take();
        if (!input) {
            // Everything this wait's routine changed is one picture for the page.
            flush();
            input = inbox_.takeBefore(std::min(untilNs, nextWakeNs()));
        }
        if (input)
            handle(*input);
        else
            wakeDueTimers();
    }
}

std::int64_t WebPlatform::nextWakeNs() const {
    std::int64_t wake = Inbox::kForever;
    for (const Timer& timer : timers_) wake = std::min(wake, timer.wakeNs);
    const std::int64_t nowNs = clock_.now();
    if (const std::int64_t ms = speech_.wait(nowNs / kNsPerMs); ms >= 0)
        wake = std::min(wake, nowNs + ms * kNsPerMs);
    return wake;
}

void WebPlatform::wakeDueTimers() {
    const std::int64_t nowNs = clock_.now();
    for (;;) {
        Timer* first = timers_.data();
        for (Timer& timer : timers_)
            if (timer.wakeNs < first->wakeNs) first = &timer;
        if (first->wakeNs > nowNs || ending_) return;
        first->ticker->catchUp();
    }
}

void WebPlatform::settle() {
    if (ending_) return;
    std::array<Ticker*, kTimerCount> tickers{};
    std::ranges::transform(timers_, tickers.begin(), [](Timer& t) { return t.ticker.get(); });
    runDueInOrder(tickers);
    for (Ticker* ticker : tickers) ticker->replan();
}

void WebPlatform::handle(const Input& input) {
    switch (input.kind) {
        case Input::Kind::Ratio:
            ratio_ = input.x > 0 ? input.x : 1;
            timers_[0].ticker->replan();
            return;
        case Input::Kind::Answer:
            if (prompts_ > 0) answer_ = input.code != 0;
            return;
        default:
            break;
    }
    // While the prompt is up it has the player's input to itself.
    if (prompts_ > 0 || !game_) return;
    switch (input.kind) {
        case Input::Kind::PointerMoved:
            pointer_->move(input.x, input.y);
            break;
        case Input::Kind::PointerDown:
            pointer_->press(input.x, input.y);
            break;
        case Input::Kind::PointerUp:
            pointer_->release(input.x, input.y);
            break;
        case Input::Kind::PointerLeft:
            pointer_->leave();
            break;
        case Input::Kind::KeyReleased:
            game_->keyReleased(input.code);
            break;
        case Input::Kind::Start:
            // A press that was on its way as the button went is not a press.
            if (game_->state().startButtonVisible) game_->startPressed();
            break;
        default:
            break;
    }
}

void WebPlatform::armTimer(TimerId id, int intervalMs, bool enabled) {
    timers_[static_cast<int>(id)].ticker->arm(intervalMs, enabled);
}

// Start-up's play and stop at once, before the window shows, are silence.
void WebPlatform::playEffect(std::string_view soundName) {
    if (shown_) frames_->effect(soundName);
}

void WebPlatform::playPlayer(Player player) {
    if (shown_) frames_->play(static_cast<int>(player));
}

void WebPlatform::stopPlayer(Player player) {
    if (shown_) frames_->stop(static_cast<int>(player));
}

void WebPlatform::showWindow() {
    if (!game_) return;
    shown_ = true;
    page_.send(helloMessage(game_->state()));
    frames_->everything();
}

bool WebPlatform::askPlayAgain() {
    frames_->prompt(spoken::finalScore(game_->state()));
    ++prompts_;
    answer_.reset();
    waitUntil([this] { return answer_.has_value(); }, Inbox::kForever);
    --prompts_;
    return std::exchange(answer_, std::nullopt).value_or(false) && !ending_;
}

void WebPlatform::changed(Region region, int index) {
    if (frames_) frames_->changed(region, index);
    // A fill set afresh (a placement, a new game) moves the next tick that shows.
    if (region == Region::Hourglass) timers_[0].ticker->replan();
}

void WebPlatform::flush() {
    if (!shown_) return;
    gatherNews();
    if (frames_->pending()) page_.send(frames_->take(pointer_->cell()));
}

void WebPlatform::gatherNews() {
    const Game& game = *game_;
    for (const accessibility::News& news :
         newsroom_.look(accessibility::sceneOf(game.state(), game.gameOverRunning())))
        speech_.add(news);
    if (auto words = speech_.take(clock_.now() / kNsPerMs)) frames_->say(std::move(*words));
}

}  // namespace quazzle::web
