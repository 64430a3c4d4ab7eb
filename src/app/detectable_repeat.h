// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#pragma once

namespace quazzle {

// On X11 a held key repeats, unless asked otherwise, as a release and a press that the X server
// writes one after the other. Qt flags such a release as a repeat only when the press is already
// in its queue as it reads the release; when the press comes a moment later the release looks
// like the key's own, and a held Space would set off more than one bomb. This asks the X server,
// on Qt's connection, to send a held key's repeats as presses alone and one release as the key
// comes up. True when the server agreed; does nothing off X11.
bool askForDetectableAutoRepeat();

}  // namespace quazzle
