// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QObject>

namespace quazzle {

// The window system's time, as far as the program can tell: the timestamp of the newest key
// event the application has been handed. Key events are stamped by the window system (the X
// server's milliseconds, the compositor's), on a clock the program cannot read for itself.
class KeyClock : public QObject {
    Q_OBJECT

  public:
    KeyClock();  // watches every key event of the application from now on

    // 0 while no key event has come.
    quint64 latest() const { return latest_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    quint64 latest_ = 0;
};

}  // namespace quazzle
