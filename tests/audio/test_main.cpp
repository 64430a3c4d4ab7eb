// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#include <gtest/gtest.h>
#include <QCoreApplication>

#include <cstdlib>

int main(int argc, char** argv) {
    // Run on OpenAL Soft's silent backend unless the caller picked drivers; OpenAL reads this
    // once, when it first opens a device.
    setenv("ALSOFT_DRIVERS", "null", 0);
    QCoreApplication app(argc, argv);  // the sound layer's idle check is a timer
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
