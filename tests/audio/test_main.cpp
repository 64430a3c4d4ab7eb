#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
    // Run on OpenAL Soft's silent backend unless the caller picked drivers; OpenAL reads this
    // once, when it first opens a device.
    setenv("ALSOFT_DRIVERS", "null", 0);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
