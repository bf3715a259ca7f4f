#include <gtest/gtest.h>
#include <windows.h>
TEST(Placeholder, runs) { EXPECT_NE(GetDesktopWindow(), nullptr); }
