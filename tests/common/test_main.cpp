#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    // Tests never open a window or a sound device.
    setenv("DORVIN_HEADLESS", "1", 1);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
