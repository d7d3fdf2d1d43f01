#include "core/clsFileInfo.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "TempDir.h"

namespace {

// Gives the file a last-write time of the given local time.
void SetLocalWriteTime(const std::wstring& path, WORD year, WORD month, WORD day, WORD hour, WORD minute, WORD second) {
  SYSTEMTIME local{year, month, 0, day, hour, minute, second, 0};
  FILETIME localFile, utc;
  ASSERT_TRUE(SystemTimeToFileTime(&local, &localFile));
  ASSERT_TRUE(LocalFileTimeToFileTime(&localFile, &utc));
  HANDLE file = CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  EXPECT_TRUE(SetFileTime(file, nullptr, nullptr, &utc));
  CloseHandle(file);
}

TEST(FileInfo, LastWriteTimeInEveryMode) {
  testsupport::TempDir dir;
  std::wstring path = dir.WriteFile(L"書庫.lzh", "x");
  SetLocalWriteTime(path, 2000, 1, 5, 7, 8, 9);
  core::clsFileInfo info;
  struct Case {
    int mode;
    const wchar_t* text;
  };
  const Case cases[] = {{0, L"2000/01/05"}, {1, L"07:08:09"}, {2, L"2000/01/05 07:08:09"}, {3, L""}, {-1, L""}};
  for (const auto& c : cases) EXPECT_EQ(info.GetFileLastWriteTime(path, c.mode), c.text) << c.mode;
}

TEST(FileInfo, MissingFileReadsAsQuestionMarks) {
  core::clsFileInfo info;
  const std::wstring date =
      L"????"
      L"/??"
      L"/??";  // split so no "??/" trigraph is read
  EXPECT_EQ(info.GetFileLastWriteTime(L"C:\\no such\\file.dll", 2), date + L" ??:??:??");
  EXPECT_EQ(info.GetFileLastWriteTime(L"C:\\no such\\file.dll", 0), date);
  EXPECT_EQ(info.GetFileLastWriteTime(L"C:\\no such\\file.dll", 1), L"??:??:??");
  EXPECT_EQ(info.GetFileLastWriteTime(L"C:\\no such\\file.dll", 3), L"");
}

}  // namespace
