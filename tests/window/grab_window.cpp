// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

// Writes the window's own picture of the demo's first step as a PNG, for the browser's page to
// be compared with: the game seeded with SEED, grabbed inside the step's wait, with the hourglass
// as the placement left it (the page's still clock never ticks it).
// Usage: grab_window SEED OUT.png   (offscreen, at scale 1 unless Qt is told otherwise)
#include <QApplication>
#include <QFont>
#include <QThread>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <functional>

#include "form1.h"
#include "support/game_seam.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("ALSOFT_DRIVERS")) qputenv("ALSOFT_DRIVERS", "null");
    QApplication app(argc, argv);
    QFont::insertSubstitution("Verdana", "DejaVu Sans");
    if (argc != 3) {
        std::fprintf(stderr, "usage: grab_window SEED OUT.png\n");
        return 2;
    }
    quazzle::Form1 form(static_cast<std::uint32_t>(std::strtoul(argv[1], nullptr, 10)));
    const QString out = QString::fromLocal8Bit(argv[2]);
    int status = 1;
    // The step's wait is an event loop inside the application's; until the demo is in it (a
    // slow start-up still has the demo's first look at the events to come), the grab waits.
    std::function<void()> grab = [&] {
        if (QThread::currentThread()->loopLevel() < 2) {
            QTimer::singleShot(1, &form, grab);
            return;
        }
        quazzle::GameSeam::state(form.game()).hourglassFill = 0;
        form.platform().changed(quazzle::Region::Hourglass, 0);
        status = form.grab().toImage().save(out, "PNG") ? 0 : 1;
        form.platform().endProgramWith(status);
    };
    // Booked before start-up, so that it runs in the first wait when start-up is quick.
    QTimer::singleShot(30, &form, grab);
    QTimer::singleShot(0, &form, [&form] { form.game().load(); });
    QApplication::exec();
    return status;
}
