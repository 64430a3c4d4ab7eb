// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

// The game in the browser: this runs on the game thread; the page's own thread forwards input
// to it and draws what it sends.
#include "game/game.h"
#include "web/browser_page.h"
#include "web/inbox.h"
#include "web/web_platform.h"

int main() {
    using namespace quazzle::web;
    const PageOptions options = pageOptions();
    // The page may call in at any moment, even after the game has ended.
    static const Clock clock(options.still);
    static Inbox inbox(clock);
    listenTo(inbox);

    BrowserPage page;
    WebPlatform platform(page, inbox, clock);
    quazzle::Game game(platform, options.seed);
    platform.attach(game);
    game.load();
    platform.run();
    page.send(R"({"ended":0})");
    return 0;
}
