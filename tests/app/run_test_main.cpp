// Entry point of the window tests: one application object for all of them.
#include <gtest/gtest.h>

#include "error_report.h"

int main(int argc, char** argv) {
    gravitaria::TApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
