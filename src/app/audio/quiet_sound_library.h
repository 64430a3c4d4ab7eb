// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#pragma once

namespace quazzle {

// Keeps OpenAL Soft and ALSA from printing on the terminal, where the player has not asked the
// sound library to speak (ALSOFT_LOGLEVEL). Call before the first sound call; without a sound
// device the game just stays silent.
void quietSoundLibrary();

}  // namespace quazzle
