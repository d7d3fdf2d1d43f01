// Icon keys of entry rows: folders, one image per extension and listing, the fixed images.
#include "archiver/listing/GetIconKey.h"

#include <gtest/gtest.h>
#include <shellapi.h>

#include <map>
#include <string>
#include <vector>

#include "core/Text.h"

namespace listingtest {
namespace {

using archiver::listing::GetIconKey;
using archiver::listing::ProgramOfOpenCommand;

class IconKeyTest : public ::testing::Test {
 protected:
  // Open commands by extension (upper case); every other extension has none.
  void OpenCommands(std::map<std::wstring, std::wstring> commands) { commands_ = std::move(commands); }
  std::wstring Key(int16_t attributes, const std::wstring& ext) { return GetIconKey(icons_, attributes, L"", ext, 0); }

  std::map<std::wstring, std::wstring> commands_;
  std::vector<std::wstring> asked_;
  archiver::listing::EntryIcons icons_{[this](const std::wstring& ext) {
    asked_.push_back(ext);
    auto it = commands_.find(core::UCase(ext));
    return it == commands_.end() ? std::wstring() : it->second;
  }};
};

TEST(OpenCommandProgram, ReducesTheCommandToItsProgramFile) {
  struct Case {
    const wchar_t* command;
    const wchar_t* program;
  } cases[] = {
      {L"\"C:\\Program Files\\Editor\\edit.exe\" \"%1\"", L"C:\\Program Files\\Editor\\edit.exe"},
      {L"C:\\WINDOWS\\NOTEPAD.EXE %1", L"C:\\WINDOWS\\NOTEPAD.EXE"},
      {L"viewer.exe /p \"%1\"", L"viewer.exe"},
      {L"\"C:\\Tools\\open.exe", L"C:\\Tools\\open.exe"},
      {L"%NoSuchVariableHere%\\x.exe %1", L""},
  };
  for (const Case& c : cases) EXPECT_EQ(c.program, ProgramOfOpenCommand(c.command)) << core::ToUtf8(c.command);
}

TEST_F(IconKeyTest, FixedKeysWhenNoIconCanBeHad) {
  OpenCommands({{L".DAT", L"C:\\no\\such\\program.exe %1"}});
  struct Case {
    int16_t attributes;
    const wchar_t* ext;
    const wchar_t* key;
  } cases[] = {
      {0x10, L".txt", L"Closed"}, {7, L".lzh", L"Archive"}, {7, L".Tgz", L"Archive"}, {7, L".exe", L"Application"},
      {7, L".ico", L"Leaf"},      {7, L".txt", L"Leaf"},    {7, L"README", L"Leaf"},  {7, L"", L"Leaf"},
      {7, L".dat", L"Leaf"},      {7, L".com", L"Leaf"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.key, Key(c.attributes, c.ext)) << core::ToUtf8(c.ext);
  EXPECT_TRUE(icons_.Images().empty()) << "no image is made for a fixed key";
  // The registry is asked once per extension of a listing, whatever the case.
  asked_.clear();
  for (const wchar_t* ext : {L".dat", L".DAT", L".dat"}) EXPECT_EQ(L"Leaf", Key(7, ext));
  EXPECT_TRUE(asked_.empty());
}

TEST_F(IconKeyTest, OneImagePerExtensionWhateverItsCase) {
  wchar_t system[MAX_PATH];
  GetSystemDirectoryW(system, MAX_PATH);
  const std::wstring program = std::wstring(system) + L"\\shell32.dll";
  OpenCommands({{L".TXT", L"\"" + program + L"\" \"%1\""}});
  asked_.clear();

  EXPECT_EQ(L"k.TXT", Key(7, L".TXT"));
  EXPECT_EQ(L"k.TXT", Key(7, L".txt"));
  ASSERT_EQ(1u, icons_.Images().size());
  EXPECT_EQ(L"k.TXT", icons_.Images()[0].key);
  ICONINFO small{}, large{};
  ASSERT_TRUE(GetIconInfo(icons_.Images()[0].small, &small));
  ASSERT_TRUE(GetIconInfo(icons_.Images()[0].large, &large));
  BITMAP smallBits{}, largeBits{};
  GetObjectW(small.hbmColor ? small.hbmColor : small.hbmMask, sizeof smallBits, &smallBits);
  GetObjectW(large.hbmColor ? large.hbmColor : large.hbmMask, sizeof largeBits, &largeBits);
  EXPECT_LT(smallBits.bmWidth, largeBits.bmWidth);
  for (HBITMAP bitmap : {small.hbmColor, small.hbmMask, large.hbmColor, large.hbmMask})
    if (bitmap) DeleteObject(bitmap);
  EXPECT_EQ(1u, asked_.size()) << "the second entry is answered from the images made";
}

// Square size in pixels of an icon's picture; 0 when the handle names no icon.
int IconSize(HICON icon) {
  ICONINFO info{};
  if (!GetIconInfo(icon, &info)) return 0;
  BITMAP bits{};
  GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bits, &bits);
  for (HBITMAP bitmap : {info.hbmColor, info.hbmMask})
    if (bitmap) DeleteObject(bitmap);
  return bits.bmWidth;
}

TEST_F(IconKeyTest, AProgramWithOneIconGivesThatIcon) {
  wchar_t self[MAX_PATH];
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring program(self);
  program = program.substr(0, program.rfind(L'\\')) + L"\\OneIconProgram.exe";
  ASSERT_EQ(1u, ExtractIconExW(program.c_str(), -1, nullptr, nullptr, 0)) << "the program has exactly one icon";
  wchar_t system[MAX_PATH];
  GetSystemDirectoryW(system, MAX_PATH);
  // A program with many icons first, so that the one-icon program's extraction comes after real icons.
  OpenCommands(
      {{L".TXT", L"\"" + std::wstring(system) + L"\\shell32.dll\" \"%1\""}, {L".ONE", L"\"" + program + L"\" \"%1\""}});

  EXPECT_EQ(L"k.TXT", Key(7, L".txt"));
  EXPECT_EQ(L"k.ONE", Key(7, L".one"));
  ASSERT_EQ(2u, icons_.Images().size());
  for (const archiver::listing::EntryIcons::Image& image : icons_.Images()) {
    SCOPED_TRACE(core::ToUtf8(image.key));
    EXPECT_EQ(16, IconSize(image.small)) << "the small icon is whole";
    EXPECT_EQ(32, IconSize(image.large)) << "the large icon is whole";
  }
}

}  // namespace
}  // namespace listingtest
