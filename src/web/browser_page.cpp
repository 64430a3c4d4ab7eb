// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#include "web/browser_page.h"

#include <emscripten/emscripten.h>
#include <emscripten/threading.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "game/sounds.h"
#include "synthesis.h"

namespace quazzle::web {

namespace {
// The page calls in through plain C functions, which know no object: this is where they find
// the game's inbox. Nothing else is kept here.
std::atomic<Inbox*> inboxForPage{nullptr};

void put(const Input& input) {
    if (Inbox* inbox = inboxForPage.load()) inbox->put(input);
}
}  // namespace

void BrowserPage::send(std::string message) {
    // The page frees the copy once it has read it.
    char* copy = static_cast<char*>(std::malloc(message.size() + 1));
    if (!copy) return;
    std::memcpy(copy, message.c_str(), message.size() + 1);
    MAIN_THREAD_ASYNC_EM_ASM(
        {
            const text = UTF8ToString($0);
            _free($0);
            Module.page.receive(JSON.parse(text));
        },
        copy);
}

double BrowserPage::textWidth(const std::string& text) {
    const char* words = text.c_str();
    return MAIN_THREAD_EM_ASM_DOUBLE({ return Module.page.textWidth(UTF8ToString($0)); }, words);
}

PageOptions pageOptions() {
    const int given = MAIN_THREAD_EM_ASM_INT({
        const seed = Number(Module.seed);
        return Number.isInteger(seed) && seed >= 0 ? seed | 0 : -1;
    });
    const bool still = MAIN_THREAD_EM_ASM_INT({ return Module.still ? 1 : 0; }) != 0;
    const auto clock = std::chrono::system_clock::now().time_since_epoch();
    const auto seed =
        given >= 0
            ? std::uint32_t(given)
            : std::uint32_t(std::chrono::duration_cast<std::chrono::milliseconds>(clock).count());
    return {seed, still};
}

void listenTo(Inbox& inbox) { inboxForPage.store(&inbox); }

}  // namespace quazzle::web

using quazzle::web::Input;

extern "C" {

EMSCRIPTEN_KEEPALIVE void quazzle_pointer(int kind, double x, double y) {
    constexpr Input::Kind kKinds[] = {Input::Kind::PointerMoved, Input::Kind::PointerDown,
                                      Input::Kind::PointerUp, Input::Kind::PointerLeft};
    if (kind >= 0 && kind < int(std::size(kKinds))) quazzle::web::put({kKinds[kind], x, y});
}

EMSCRIPTEN_KEEPALIVE void quazzle_key_released(int code) {
    quazzle::web::put({Input::Kind::KeyReleased, 0, 0, code});
}

EMSCRIPTEN_KEEPALIVE void quazzle_start() { quazzle::web::put({Input::Kind::Start}); }

EMSCRIPTEN_KEEPALIVE void quazzle_answer(int yes) {
    quazzle::web::put({Input::Kind::Answer, 0, 0, yes ? 1 : 0});
}

EMSCRIPTEN_KEEPALIVE void quazzle_ratio(double ratio) {
    quazzle::web::put({Input::Kind::Ratio, ratio});
}

EMSCRIPTEN_KEEPALIVE int quazzle_sound_count() { return int(quazzle::sound::kRecordings.size()); }

// The name is a literal of the game's table, so it ends with a NUL.
EMSCRIPTEN_KEEPALIVE const char* quazzle_sound_name(int index) {
    if (index < 0 || index >= quazzle_sound_count()) return "";
    return quazzle::sound::kRecordings[std::size_t(index)].name.data();
}

// A recording, synthesised now, in one block the page frees: its frame count (32 bits), then
// its samples, 16-bit stereo interleaved. Nothing for an index the game has no recording of.
EMSCRIPTEN_KEEPALIVE void* quazzle_sound_make(int index) {
    if (index < 0 || index >= quazzle_sound_count()) return nullptr;
    const std::vector<std::int16_t> samples =
        quazzle::sound::synthesise(quazzle::sound::kRecordings[std::size_t(index)].name);
    const std::int32_t frames = std::int32_t(samples.size() / 2);
    auto* block = static_cast<unsigned char*>(
        std::malloc(sizeof frames + samples.size() * sizeof(std::int16_t)));
    if (!block) return nullptr;
    std::memcpy(block, &frames, sizeof frames);
    std::memcpy(block + sizeof frames, samples.data(), samples.size() * sizeof(std::int16_t));
    return block;
}
}
