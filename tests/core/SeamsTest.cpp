#include "core/Seams.h"

#include <gtest/gtest.h>

#include <string>

#include "SeamFakes.h"
#include "TempDir.h"

namespace {

TEST(Seams, ScopedReplacementIsPutBack) {
  testsupport::FakeDiskSpace fake, inner;
  core::DiskSpaceSeam* real = &core::DiskSpace();
  {
    core::ScopedDiskSpaceSeam outerScope(fake);
    EXPECT_EQ(&core::DiskSpace(), &fake);
    {
      core::ScopedDiskSpaceSeam innerScope(inner);
      EXPECT_EQ(&core::DiskSpace(), &inner);
    }
    EXPECT_EQ(&core::DiskSpace(), &fake);
  }
  EXPECT_EQ(&core::DiskSpace(), real);
}

TEST(Seams, RealProcessStartGivesAHandleToWaitOn) {
  testsupport::TempDir dir;
  HANDLE process = core::Processes().StartProcess(L"cmd.exe /c exit 3", dir.Path(), SW_HIDE);
  ASSERT_NE(process, nullptr);
  ASSERT_EQ(WaitForSingleObject(process, 60000), WAIT_OBJECT_0);
  DWORD code = 0;
  GetExitCodeProcess(process, &code);
  CloseHandle(process);
  EXPECT_EQ(code, 3u);
  EXPECT_EQ(core::Processes().StartProcess(L"tv_no_such_program.exe", L"", SW_HIDE), nullptr);
}

TEST(Seams, RealClipboardTextRoundTrip) {
  ASSERT_TRUE(core::Clipboard().SetText(L"begin 644 書庫.lzh"));
  std::wstring text;
  ASSERT_TRUE(core::Clipboard().GetText(text));
  EXPECT_EQ(text, L"begin 644 書庫.lzh");
  EXPECT_TRUE(core::Clipboard().Clear());
  EXPECT_FALSE(core::Clipboard().GetText(text));
}

}  // namespace
