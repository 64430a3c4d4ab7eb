// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#pragma once

#include <xcb/xcb.h>

#include <cstdint>

namespace quazzle {

// The X server's number for the atom `name`, or XCB_ATOM_NONE when it does not answer.
std::uint32_t internAtom(xcb_connection_t* connection, const char* name);

}  // namespace quazzle
