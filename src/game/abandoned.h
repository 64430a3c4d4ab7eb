// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#pragma once

namespace quazzle {

// Thrown out of a wait whose routine no longer has a game to act on: the start button, Yes at the
// prompt or the demo's restart began a new game, or the program is ending. Caught at every entry
// point from the toolkit, and by the demo's loop, which outlives the demo's games.
struct Abandoned {};

}  // namespace quazzle
