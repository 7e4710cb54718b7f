#include <gtest/gtest.h>

#include <clocale>

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "");  // the caller's, as in the desktop program
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
