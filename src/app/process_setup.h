// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
#include <string>

// What main() settles before the toolkit starts.
namespace quazzle {

// Makes writes to the standard streams harmless, whatever the streams are. A closed one is opened
// on /dev/null: left closed, the next file the program opens (the X connection, say) would take
// its number and get the toolkit's warnings. A write to a pipe whose reader has gone fails
// instead of ending the program (SIGPIPE is ignored).
void guardStandardStreams();

// The largest factor the window is scaled by: at 11 it is 5951 x 4301 device pixels and still
// fits an 8K screen (7680 x 4320), the largest made; at a factor much above it fits no screen at
// all, and a factor like 1e9 asks for a window no window system makes.
inline constexpr double kMaxScaleFactor = 11;

// What is wrong with `value` as a QT_SCALE_FACTOR, read as Qt reads it, or "" when it is a
// finite number above 0 and up to kMaxScaleFactor.
std::string scaleFactorFault(const QByteArray& value);

// Drops a QT_SCALE_FACTOR that is no usable factor, saying so in one line on stderr, so that the
// window is shown at scale 1. Qt reads the variable as the application is made: call this first.
// An empty value counts as none.
void sanitiseScaleFactor();

// Has the window's pixels reach an X server through the connection rather than shared memory,
// unless QT_XCB_NO_MITSHM was set already. The game repaints a few small regions many times a
// second (the hourglass's new rows, the cells under the pointer); through shared memory Qt waits
// for a round trip to the server before each repaint of a region the server may still be
// reading, while copying those few pixels costs next to nothing. Call before the application.
void sendPixelsThroughConnection();

}  // namespace quazzle
