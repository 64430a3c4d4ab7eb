// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#include "detectable_repeat.h"

#include <QGuiApplication>
#include <cstdint>
#include <cstdlib>

#include "x11_xkb.h"

namespace quazzle {

bool askForDetectableAutoRepeat() {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection) return false;
    // The X server takes no other XKB request from a client that has not asked for XKB first.
    xcb_xkb_use_extension_reply_t* used = xcb_xkb_use_extension_reply(
        connection, xcb_xkb_use_extension(connection, XCB_XKB_MAJOR_VERSION, XCB_XKB_MINOR_VERSION),
        nullptr);
    const bool xkb = used && used->supported;
    std::free(used);
    if (!xkb) return false;
    constexpr std::uint32_t kDetectable = XCB_XKB_PER_CLIENT_FLAG_DETECTABLE_AUTO_REPEAT;
    xcb_xkb_per_client_flags_reply_t* flags =
        xcb_xkb_per_client_flags_reply(connection,
                                       xcb_xkb_per_client_flags(connection, XCB_XKB_ID_USE_CORE_KBD,
                                                                kDetectable, kDetectable, 0, 0, 0),
                                       nullptr);
    const bool agreed = flags && (flags->supported & kDetectable) && (flags->value & kDetectable);
    std::free(flags);
    return agreed;
}

}  // namespace quazzle
