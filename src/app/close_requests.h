// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QAbstractNativeEventFilter>
#include <cstdint>

namespace quazzle {

// Closing the window ends the game whatever is up, the "Play again?" box included. On X11 a
// window manager asks a window to close with a WM_DELETE_WINDOW message, which Qt drops while a
// modal box blocks the window; this hands such a request to the window as a close of its own,
// which Qt lets through. (A Wayland compositor's request already comes as one.)
class CloseRequests : public QAbstractNativeEventFilter {
  public:
    CloseRequests();  // does nothing off X11
    ~CloseRequests() override;
    CloseRequests(const CloseRequests&) = delete;
    CloseRequests& operator=(const CloseRequests&) = delete;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

  private:
    std::uint32_t protocols_ = 0;     // the atoms WM_PROTOCOLS
    std::uint32_t deleteWindow_ = 0;  // and WM_DELETE_WINDOW
};

}  // namespace quazzle
