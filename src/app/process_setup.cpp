// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#include "process_setup.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <csignal>
#include <cstdio>

#include "game/layout.h"

namespace quazzle {

static_assert(double(layout::kClientWidth) / layout::kTwipsPerPixel * kMaxScaleFactor <= 7680 &&
                  double(layout::kClientHeight) / layout::kTwipsPerPixel * kMaxScaleFactor <= 4320,
              "the window at the largest factor fits an 8K screen");

void guardStandardStreams() {
    std::signal(SIGPIPE, SIG_IGN);
    for (int fd = 0; fd <= 2; ++fd) {
        if (fcntl(fd, F_GETFD) != -1 || errno != EBADF) continue;
        // The lowest free number: this one.
        const int opened = open("/dev/null", O_RDWR | O_CLOEXEC);
        if (opened < 0 || opened == fd) continue;
        dup2(opened, fd);
        close(opened);
    }
}

std::string scaleFactorFault(const QByteArray& value) {
    bool number = false;
    const double factor = value.toDouble(&number);
    if (!number) return "not a number";
    if (!std::isfinite(factor)) return "not a finite number";
    if (factor <= 0) return "not above 0";
    if (factor > kMaxScaleFactor) {
        char largest[48];
        std::snprintf(largest, sizeof largest, "more than %g", kMaxScaleFactor);
        return largest;
    }
    return "";
}

void sanitiseScaleFactor() {
    const char* name = "QT_SCALE_FACTOR";
    const QByteArray value = qgetenv(name);
    if (value.isEmpty()) return;
    const std::string fault = scaleFactorFault(value);
    if (fault.empty()) return;
    qunsetenv(name);
    // The value as typed, on one line and not too long to read.
    std::string shown;
    const QByteArray head = value.left(40);
    for (char c : head) shown += c >= ' ' && c <= '~' ? c : '?';
    if (value.size() > 40) shown += "...";
    std::fprintf(stderr, "quazzle: ignoring %s=\"%s\" (%s); the window is shown at scale 1\n", name,
                 shown.c_str(), fault.c_str());
}

void sendPixelsThroughConnection() {
    const char* name = "QT_XCB_NO_MITSHM";
    if (!qEnvironmentVariableIsSet(name)) qputenv(name, "1");
}

}  // namespace quazzle
