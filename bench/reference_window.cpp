// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

// A bare Qt window of the game's size, for the wake-up benchmark to measure the game against.
// Built three times: STRIP_HZ 0 only shows the window; 30 and 64 repaint a 9 x 1 pixel strip
// that many times a second, moving down a row each time, as the hourglass's bar does.
#include <QApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <QWidget>
#include <algorithm>

namespace {

constexpr int kWidth = 541;
constexpr int kHeight = 391;
constexpr QRect kBar(8, 8, 9, 321);

class ReferenceWindow : public QWidget {
  public:
    ReferenceWindow() {
        setWindowTitle("Reference");
        setFixedSize(kWidth, kHeight);
        setAttribute(Qt::WA_OpaquePaintEvent);
        constexpr int hz = STRIP_HZ;
        if constexpr (hz > 0) {
            timer_.setTimerType(Qt::PreciseTimer);
            timer_.setInterval(1000 / std::max(hz, 1));
            connect(&timer_, &QTimer::timeout, this, [this] {
                row_ = (row_ + 1) % kBar.height();
                update(kBar.left(), kBar.top() + row_, kBar.width(), 1);
            });
            timer_.start();
        }
    }

  protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter p(this);
        p.fillRect(event->rect(), Qt::white);
        p.fillRect(kBar.intersected(event->rect()), Qt::red);
        p.fillRect(QRect(kBar.left(), kBar.top(), kBar.width(), row_ + 1) & event->rect(),
                   Qt::black);
    }

  private:
    QTimer timer_;
    int row_ = 0;
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    ReferenceWindow window;
    window.show();
    return QApplication::exec();
}
