// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#include <gtest/gtest.h>
#include <QApplication>
#include <QFont>

int main(int argc, char** argv) {
    // No display needed, and no sound card: OpenAL's null device still runs the real path.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("ALSOFT_DRIVERS")) qputenv("ALSOFT_DRIVERS", "null");
    QApplication app(argc, argv);
    // A test that ends the game closes its window; that must not quit the tests after it.
    QApplication::setQuitOnLastWindowClosed(false);
    QFont::insertSubstitution("Verdana", "DejaVu Sans");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
