// The tests are only meaningful on a system like the users': ANSI code page 932.
#include <windows.h>
#include <gtest/gtest.h>

TEST(Environment, AnsiCodePageIsJapanese) {
  EXPECT_EQ(GetACP(), 932u);
  EXPECT_EQ(GetOEMCP(), 932u);
}
