// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QColor>

#include "board/colours.h"

namespace quazzle {

// Cell colours are stored blue-green-red.
inline QColor toQColor(Colour c) { return {colour::red(c), colour::green(c), colour::blue(c)}; }

}  // namespace quazzle
