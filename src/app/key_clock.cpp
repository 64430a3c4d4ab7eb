// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#include "key_clock.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace quazzle {

KeyClock::KeyClock() { QCoreApplication::instance()->installEventFilter(this); }

bool KeyClock::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)
        latest_ = static_cast<QKeyEvent*>(event)->timestamp();
    return QObject::eventFilter(watched, event);
}

}  // namespace quazzle
