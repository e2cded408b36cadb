// GoogleTest main for tests that need the application object (windows, timers).
#include "ErrorDisplay.h"

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    Zentrix::TApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
