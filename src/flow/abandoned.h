// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#pragma once

namespace quazzle {

// Thrown out of a wait whose routine no longer has a game to act on: the start button began a
// new game, or the program is ending. Caught at every entry point from the toolkit.
struct Abandoned {};

}  // namespace quazzle
