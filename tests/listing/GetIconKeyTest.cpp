// Icon keys of entry rows: folders, the per-extension cache in the form's image lists, the fixed images.
#include "ListingFixture.h"
#include "archiver/listing/GetIconKey.h"
#include "archiver/listing/LoadArcContents.h"

namespace listingtest {
namespace {

using archiver::listing::GetIconKey;
using archiver::listing::ProgramOfOpenCommand;

class IconKeyTest : public ListingTest {
 protected:
  void SetUp() override {
    ListingTest::SetUp();
    archiver::listing::ResetIconLists(form_.views);
  }
  // Open commands by extension (upper case); every other extension has none.
  void OpenCommands(std::map<std::wstring, std::wstring> commands) {
    archiver::listing::SetBrowserServices({nullptr, nullptr, nullptr, [commands](const std::wstring& ext) {
                                             asked_.push_back(ext);
                                             auto it = commands.find(core::UCase(ext));
                                             return it == commands.end() ? std::wstring() : it->second;
                                           }});
  }
  std::wstring Key(int16_t attributes, const std::wstring& ext) {
    return GetIconKey(form_.views.icons, attributes, L"", ext, 0);
  }
  static inline std::vector<std::wstring> asked_;
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
  EXPECT_EQ(4, form_.ImgListDummy.Count()) << "nothing is cached";
  EXPECT_EQ(4, form_.ImgListLargeDummy.Count());
}

TEST_F(IconKeyTest, OneImagePerExtensionWhateverItsCase) {
  wchar_t system[MAX_PATH];
  GetSystemDirectoryW(system, MAX_PATH);
  const std::wstring program = std::wstring(system) + L"\\shell32.dll";
  OpenCommands({{L".TXT", L"\"" + program + L"\" \"%1\""}});
  asked_.clear();

  EXPECT_EQ(L"k.TXT", Key(7, L".TXT"));
  EXPECT_EQ(L"k.TXT", Key(7, L".txt"));
  EXPECT_EQ(5, form_.ImgListDummy.Count());
  EXPECT_EQ(5, form_.ImgListLargeDummy.Count());
  EXPECT_EQ(4, form_.ImgListDummy.IndexOf(L"k.TXT"));
  EXPECT_EQ(4, form_.ImgListLargeDummy.IndexOf(L"k.TXT"));
  EXPECT_EQ(1u, asked_.size()) << "the second entry is answered from the image list";

  // The next listing starts from the base images again.
  archiver::listing::ResetIconLists(form_.views);
  EXPECT_EQ(-1, form_.ImgListDummy.IndexOf(L"k.TXT"));
}

}  // namespace
}  // namespace listingtest
