#include "core/clsFileVersion.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "TempDir.h"
#include "core/Text.h"

namespace {

// A copy of this test program carrying a version resource with the given file version.
std::wstring ProgramWithVersion(const testsupport::TempDir& dir, const std::wstring& name, uint32_t ms, uint32_t ls) {
  wchar_t self[MAX_PATH];
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring path = dir / name;
  if (!CopyFileW(self, path.c_str(), FALSE)) return std::wstring();

  // VS_VERSIONINFO: header, key "VS_VERSION_INFO", padding to 32 bits, the fixed part, no children.
  static const wchar_t kKey[] = L"VS_VERSION_INFO";
  std::vector<BYTE> block(40 + sizeof(VS_FIXEDFILEINFO), 0);
  auto word = [&](size_t at, WORD v) { std::memcpy(&block[at], &v, 2); };
  word(0, static_cast<WORD>(block.size()));
  word(2, sizeof(VS_FIXEDFILEINFO));
  word(4, 0);
  std::memcpy(&block[6], kKey, sizeof(kKey));
  VS_FIXEDFILEINFO fixed{};
  fixed.dwSignature = 0xFEEF04BD;
  fixed.dwStrucVersion = 0x00010000;
  fixed.dwFileVersionMS = fixed.dwProductVersionMS = ms;
  fixed.dwFileVersionLS = fixed.dwProductVersionLS = ls;
  fixed.dwFileOS = VOS_NT_WINDOWS32;
  fixed.dwFileType = VFT_APP;
  std::memcpy(&block[40], &fixed, sizeof(fixed));

  HANDLE update = BeginUpdateResourceW(path.c_str(), FALSE);
  if (!update) return std::wstring();
  if (!UpdateResourceW(update, RT_VERSION, MAKEINTRESOURCEW(VS_VERSION_INFO), MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL),
                       block.data(), static_cast<DWORD>(block.size()))) {
    EndUpdateResourceW(update, TRUE);
    return std::wstring();
  }
  return EndUpdateResourceW(update, FALSE) ? path : std::wstring();
}

TEST(FileVersion, NumbersFromTheVersionResource) {
  testsupport::TempDir dir;
  struct Case {
    uint32_t ms, ls;
    const wchar_t* text;
  };
  const Case cases[] = {
      {MAKELONG(0, 4), MAKELONG(950, 0), L"4.0.950"},  // third number 0: three numbers shown
      {MAKELONG(50, 5), MAKELONG(600, 4134), L"5.50.4134.600"},
      {MAKELONG(2, 1), MAKELONG(5, 0), L"1.2.5"},
      {MAKELONG(0, 0), MAKELONG(0, 0), L"0.0.0"},
      {0xFFFFFFFFu, 0xFFFFFFFFu, L"65535.65535.65535.65535"},
  };
  int n = 0;
  for (const auto& c : cases) {
    std::wstring path = ProgramWithVersion(dir, L"v" + std::to_wstring(++n) + L".exe", c.ms, c.ls);
    ASSERT_FALSE(path.empty()) << "could not build the fixture";
    EXPECT_EQ(core::clsFileVersion().GetFileVersion(path), c.text);
  }
}

TEST(FileVersion, NoResourceOrNoFileGivesNothing) {
  testsupport::TempDir dir;
  std::wstring plain = dir.WriteFile(L"plain.dll", "not a program");
  core::clsFileVersion version;
  EXPECT_EQ(version.GetFileVersion(plain), L"");
  EXPECT_EQ(version.GetFileVersion(dir / L"missing.dll"), L"");
}

TEST(FileVersion, BrowserPathFromItsAppPathsValue) {
  struct Case {
    const wchar_t* value;
    const wchar_t* path;
  };
  const Case cases[] = {
      {L"C:\\Program Files\\Internet Explorer;", L"C:\\Program Files\\Internet Explorer\\iexplore.exe"},
      {L"C:\\IE\\;", L"C:\\IE\\iexplore.exe"},
      {L"C:\\IE", L"C:\\IE\\iexplore.exe"},  // no separator to drop: the folder keeps its last letter
  };
  for (const auto& c : cases) EXPECT_EQ(core::clsFileVersion::BrowserFromAppPath(c.value), c.path);
}

TEST(FileVersion, NameOfTheSystem) {
  struct Case {
    const wchar_t* version;
    const wchar_t* sub;
    const wchar_t* name;
  };
  const Case cases[] = {
      {L"Windows 98", L"", L"Windows 98"},
      {L"Windows 95", L" B", L"Windows 95 B"},
      {L"Windows 95", L" a", L"Windows 95 a"},
      {L"Windows 95", L"", L""},
      {L"Windows 95", L" C", L""},
  };
  for (const auto& c : cases) EXPECT_EQ(core::clsFileVersion::Win9xName(c.version, c.sub), c.name);

  core::clsFileVersion version;
  EXPECT_EQ(version.GetOS(), L"Windows NT");
  std::wstring number = version.GetOSVersion();  // current version, a blank, the build number
  size_t blank = number.find(L' ');
  ASSERT_NE(blank, std::wstring::npos) << core::ToUtf8(number);
  EXPECT_TRUE(core::ParseWholeNumber(number.substr(blank + 1)).has_value()) << core::ToUtf8(number);
  EXPECT_NE(number.find(L'.'), std::wstring::npos);
}

}  // namespace
