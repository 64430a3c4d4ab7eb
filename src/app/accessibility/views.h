// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#pragma once

#include <vector>

#include "accessibility/window_parts.h"

class QObject;

namespace quazzle::accessibility {

// Hands Qt's accessibility this program's own views of one game window: the window's at once,
// its controls' once it has made them. Each is made from the window's parts when assistive
// technology first asks for it; until then none of this costs anything.
class Views {
  public:
    // Qt 6.8 makes and keeps the window's view as its title is set: make this before that.
    Views(QWidget& window, const Game& game);
    ~Views();
    Views(const Views&) = delete;
    Views& operator=(const Views&) = delete;

    void setControls(const Controls& controls);
    const WindowParts& parts() const { return parts_; }

  private:
    WindowParts parts_;
    std::vector<const QObject*> offered_;
};

}  // namespace quazzle::accessibility
