// The program's identity from its own version resource (this test program carries version 1.6.0.8).
#include <gtest/gtest.h>

#include "core/modShell.h"
#include "tools/ProgramInfo.h"
#include "tools/UpCheck.h"

namespace {

TEST(ProgramInfo, ReadsTheRunningProgramsVersionResource) {
  tools::ProgramIdentity program = tools::ReadProgramIdentity();
  EXPECT_EQ(L"1.6.8", tools::ProgramVersionText(program));
  EXPECT_EQ(L"テスト製品", program.productName);
  EXPECT_EQ(L"ToolsTest", program.exeName);
  EXPECT_EQ(core::ProgramFolder(), program.folder);
  EXPECT_EQ(10608, tools::UpCheck::BuildNumber(program));
}

}  // namespace
