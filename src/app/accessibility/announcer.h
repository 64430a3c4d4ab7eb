// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QAccessible>
#include <QElapsedTimer>
#include <QTimer>
#include <QVariant>
#include <array>
#include <bitset>

#include "accessibility/window_parts.h"
#include "board/board.h"
#include "front/news.h"
#include "front/speech_queue.h"
#include "game/platform.h"

namespace quazzle::accessibility {

// Tells assistive technology what the rules changed. Changes are gathered and told once the
// routine that made them waits or ends, and only where what a control says is new: a cell that
// flickers back to what it was says nothing. What happens in the game is also spoken as news, at
// a pace a listener can follow. Without assistive technology it does nothing at all.
class Announcer {
  public:
    explicit Announcer(const WindowParts& parts);
    ~Announcer();
    Announcer(const Announcer&) = delete;
    Announcer& operator=(const Announcer&) = delete;

    void changed(Region region, int index) {
        if (QAccessible::isActive()) note(region, index);
    }
    // The pointer went from cell `was` to cell `now` (-1 off the board); the rules have not seen
    // it yet. The cell under the pointer says whether the piece fits, so both names change.
    void pointerMoved(int was, int now) {
        if (QAccessible::isActive()) notePointer(was, now);
    }

  private:
    static constexpr int kRegionCount = int(Region::StartButton) + 1;

    void note(Region region, int index);
    void notePointer(int was, int now);
    void flush();
    void tellCells();
    void tellRegions();
    void gatherNews();
    void speak();
    void announce(const QString& words);

    const WindowParts& parts_;
    QTimer flush_;
    std::bitset<kCellCount> cellsDue_;
    std::bitset<kRegionCount> regionsDue_;
    std::array<QVariant, kCellCount> cellsSaid_;
    std::array<QVariant, kRegionCount> regionsSaid_;
    Newsroom newsroom_;
    SpeechQueue queue_;
    QTimer speak_;
    QElapsedTimer clock_;
    QAccessible::Id noticeId_ = 0;
};

}  // namespace quazzle::accessibility
