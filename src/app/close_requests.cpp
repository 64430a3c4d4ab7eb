// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#include "close_requests.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QWindow>

#include "x11_atom.h"

namespace quazzle {

CloseRequests::CloseRequests() {
    // The offscreen platform answers for X11 too, without a connection.
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection) return;
    protocols_ = internAtom(connection, "WM_PROTOCOLS");
    deleteWindow_ = internAtom(connection, "WM_DELETE_WINDOW");
    if (protocols_ != XCB_ATOM_NONE && deleteWindow_ != XCB_ATOM_NONE)
        QCoreApplication::instance()->installNativeEventFilter(this);
}

CloseRequests::~CloseRequests() {
    if (QCoreApplication* app = QCoreApplication::instance()) app->removeNativeEventFilter(this);
}

bool CloseRequests::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t") return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7f) != XCB_CLIENT_MESSAGE) return false;
    const auto* request = static_cast<const xcb_client_message_event_t*>(message);
    if (request->format != 32 || request->type != protocols_ ||
        request->data.data32[0] != deleteWindow_)
        return false;
    // Unblocked, Qt hands the request to the window itself.
    const QWindow* modal = QGuiApplication::modalWindow();
    if (!modal) return false;
    const QWindowList windows = QGuiApplication::topLevelWindows();
    for (QWindow* window : windows)
        if (window != modal && window->handle() && window->winId() == request->window) {
            window->close();
            return true;
        }
    return false;
}

}  // namespace quazzle
