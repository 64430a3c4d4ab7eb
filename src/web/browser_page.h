// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>
#include <string>

#include "web/inbox.h"
#include "web/web_platform.h"

namespace quazzle::web {

// The page, as the game thread reaches it: messages go to the page's main thread to be drawn in
// its next animation frame; the score's width is measured there while the game thread waits.
class BrowserPage : public Page {
  public:
    void send(std::string message) override;
    double textWidth(const std::string& text) override;
};

// What the page asks of this run: a seed for the draws, and whether the clock stands still.
struct PageOptions {
    std::uint32_t seed;
    bool still;
};
PageOptions pageOptions();

// From now on the page's input goes to `inbox`, which must live as long as the page can call.
void listenTo(Inbox& inbox);

}  // namespace quazzle::web
