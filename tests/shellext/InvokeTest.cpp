// IContextMenu::InvokeCommand: the main program, found through the install folder in the registry, starts
// in compress mode with the selection. A recorder stands in for the main program.
#include "ExtensionFixture.h"

#include "TempDir.h"

namespace shtest {
namespace {

const wchar_t kFoldersKey[] = L"Software\\Dunel's Software\\Tolvenar\\Folders";

CMINVOKECOMMANDINFO CommandOffset(UINT offset) {
  CMINVOKECOMMANDINFO info{};
  info.cbSize = sizeof info;
  info.lpVerb = MAKEINTRESOURCEA(offset);
  info.nShow = SW_SHOWNORMAL;
  return info;
}

class InvokeTest : public ComTest {
 protected:
  void SetUp() override {
    ComTest::SetUp();
    menu_ = Create<IContextMenu>();
    ASSERT_NE(menu_.Get(), nullptr);
    ASSERT_EQ(menu_.As(&init_), S_OK);
  }
  // Puts the recorder as "Tolvenar.exe" into a new folder `name` and records that folder, followed by
  // `suffix`, as the install folder. Returns the folder.
  std::wstring InstallAt(const std::wstring& name, const std::wstring& suffix = L"\\") {
    std::wstring folder = dir_ / name;
    CreateDirectoryW(folder.c_str(), nullptr);
    EXPECT_TRUE(InstallRecorder(folder));
    EXPECT_TRUE(installDir_.Set(folder + suffix));
    return folder;
  }
  std::wstring Select(const std::vector<std::wstring>& names) {
    std::wstring expected;
    for (const std::wstring& name : names) {
      std::wstring path = dir_.WriteFile(name, "x");
      expected += (expected.empty() ? L"" : L" ") + PlatformShortPath(path);
      files_.push_back(path);
    }
    DropData data(files_);
    EXPECT_EQ(init_->Initialize(nullptr, &data, nullptr), S_OK);
    return expected;
  }

  SavedRegValue installDir_{kFoldersKey, L"TolvenarDir"};
  testsupport::TempDir dir_;
  std::vector<std::wstring> files_;
  ComPtr<IContextMenu> menu_;
  ComPtr<IShellExtInit> init_;
};

struct FolderCase {
  const wchar_t* name;
  const wchar_t* suffix;  // what follows the folder in the registry value
  bool quoted;            // the program path holds a blank
};

class InvokeInFolder : public InvokeTest, public testing::WithParamInterface<FolderCase> {};

TEST_P(InvokeInFolder, StartsTheProgramWithSlashCAndTheSelection) {
  std::wstring folder = InstallAt(GetParam().name, GetParam().suffix);
  std::wstring selection = Select({L"a.txt", L"長い名前の書類.txt", L"c.txt"});
  std::wstring exe = folder + L"\\Tolvenar.exe";
  if (GetParam().quoted) exe = L"\"" + exe + L"\"";

  CMINVOKECOMMANDINFO info = CommandOffset(0);
  ASSERT_EQ(menu_->InvokeCommand(&info), S_OK);
  EXPECT_EQ(RecordedCommandLine(folder), std::optional<std::wstring>(exe + L" /c " + selection));
}

INSTANTIATE_TEST_SUITE_P(InstallFolders, InvokeInFolder,
                         testing::Values(FolderCase{L"Tolv", L"\\", false}, FolderCase{L"Tolv", L"", false},
                                         FolderCase{L"Program Files", L"\\", true}));

TEST_F(InvokeTest, AnEmptySelectionStillStartsTheProgram) {
  std::wstring folder = InstallAt(L"Tolv");
  Select({});
  CMINVOKECOMMANDINFO info = CommandOffset(0);
  ASSERT_EQ(menu_->InvokeCommand(&info), S_OK);
  EXPECT_EQ(RecordedCommandLine(folder), std::optional<std::wstring>(folder + L"\\Tolvenar.exe /c "));
}

TEST_F(InvokeTest, AnyCommandOffsetStartsTheProgram) {
  std::wstring folder = InstallAt(L"Tolv");
  std::wstring selection = Select({L"x.txt"});
  CMINVOKECOMMANDINFO info = CommandOffset(5);
  ASSERT_EQ(menu_->InvokeCommand(&info), S_OK);
  EXPECT_EQ(RecordedCommandLine(folder), std::optional<std::wstring>(folder + L"\\Tolvenar.exe /c " + selection));
}

TEST_F(InvokeTest, AVerbTextOrNoInformationIsRefusedAndStartsNothing) {
  std::wstring folder = InstallAt(L"Tolv");
  Select({L"x.txt"});
  CMINVOKECOMMANDINFO info = CommandOffset(0);
  info.lpVerb = "とるべなー 書庫作成";
  EXPECT_EQ(menu_->InvokeCommand(&info), E_INVALIDARG);
  info.lpVerb = "open";
  EXPECT_EQ(menu_->InvokeCommand(&info), E_INVALIDARG);
  EXPECT_EQ(menu_->InvokeCommand(nullptr), E_INVALIDARG);
  EXPECT_EQ(RecordedCommandLine(folder, 1000), std::nullopt);
}

TEST_F(InvokeTest, AProgramThatCannotStartIsReportedAsAFailure) {
  std::wstring empty = dir_ / L"empty";
  ASSERT_TRUE(CreateDirectoryW(empty.c_str(), nullptr));
  ASSERT_TRUE(installDir_.Set(empty + L"\\"));
  Select({L"x.txt"});
  CMINVOKECOMMANDINFO info = CommandOffset(0);
  HRESULT hr = menu_->InvokeCommand(&info);
  EXPECT_TRUE(FAILED(hr)) << std::hex << hr;
}

}  // namespace
}  // namespace shtest
