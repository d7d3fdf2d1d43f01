// Compressing a folder as the user does it: the Edit menu's folder compression of the real main window, and
// the command line's compress mode with a folder. Every file of a folder three levels deep, with blanks and
// Japanese names, must reach the archive under its path below the folder, for every type the program
// writes. Under folder-pack.sh the archives of the real formats are left where Debian's own tools read them.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "MainWindowFixture.h"
#include "Standins.h"
#include "ToolFakes.h"
#include "archiver/LibraryBinding.h"
#include "archiver/frmView.h"
#include "browser/EntryList.h"
#include "core/Settings.h"
#include "core/Text.h"
#include "core/modPath.h"
#include "core/modShell.h"
#include "core/modTolvenar.h"
#include "mainwindow/BatchModes.h"
#include "options/frmDropOption.h"

namespace {

std::wstring Environment(const wchar_t* name) {
  wchar_t buffer[4096];
  const DWORD n = GetEnvironmentVariableW(name, buffer, 4096);
  return n && n < 4096 ? std::wstring(buffer, n) : std::wstring();
}

// The folder's files as paths below it: three levels of sub-folders, blanks and Japanese names on the way,
// and one name found at two depths.
const std::vector<std::wstring>& FolderFiles() {
  static const std::vector<std::wstring> files = {
      L"readme.txt",
      L"資料\\メモ 1.txt",
      L"資料\\readme.txt",
      L"資料\\二 段目\\表.csv",
      L"資料\\二 段目\\三段目\\深い ファイル.bin",
  };
  return files;
}

// The compress mode's work is the program's own.
class CompressingWork : public mwtest::WorkRecorder {
 public:
  int Compress(mainwindow::frmMain& form) override { return WindowWork::Compress(form); }
};

class FolderPackTest : public mwtest::MainWindowTest {
 protected:
  FolderPackTest() {
    const std::wstring given = Environment(L"TOLVENAR_CREATED_OUT");
    out = given.empty() ? temp / L"out" : given;
    CreateDirectoryW(out.c_str(), nullptr);
    // The chosen folder's own parent has a blank too: nothing of the way to it may reach the archive.
    folder = out + L"\\src tree\\素材 フォルダ";
    int k = 0;
    for (const std::wstring& file : FolderFiles())
      WriteTree(folder + L"\\" + file, core::ToCp932(file) + std::string(static_cast<size_t>(200 * ++k), 'x'));
  }

  void SetUp() override {
    ASSERT_FALSE(testsupport::StandinFolder().empty()) << "TOLVENAR_STANDINS is not set";
    UseFreshSettings();
    core::Settings.Message = L"0";
    core::Settings.PackAfter = L"0";
    core::Settings.PackKobetsu = L"0";
    core::Settings.SaveDefaultFlag = L"0";
    // The console archivers, and the file whose presence lets the window make YZ1, in the program's folder.
    const std::wstring tools = temp / L"tools";
    CreateDirectoryW(tools.c_str(), nullptr);
    for (const wchar_t* tool : {L"arj.exe", L"rar.exe", L"ace.exe", L"jar32.exe", L"gcac.exe"})
      CopyFileW((testsupport::StandinFolder() + L"\\" + tool).c_str(), (tools + L"\\" + tool).c_str(), FALSE);
    temp.WriteFile(L"tools\\yzenc.exe", "present");
    archiver::SetToolFolder(tools);
  }
  void TearDown() override { archiver::SetToolFolder(L""); }

  static void WriteTree(const std::wstring& path, const std::string& bytes) {
    for (size_t k = 3; k < path.size(); ++k)
      if (path[k] == L'\\') CreateDirectoryW(path.substr(0, k).c_str(), nullptr);
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
  }

  // Answers the new-archive dialog with the type button `type` and the path choice `paths`, then OK.
  toolstest::ModalScript AnswerType(int type, int paths) {
    return toolstest::ModalScript([type, paths](winui::Form& opened) {
      if (auto* view = dynamic_cast<archiver::frmView*>(&opened)) {
        view->cmdOk.Click();
        return;
      }
      auto& dialog = dynamic_cast<options::frmDropOption&>(opened);
      SendMessageW(dialog.optArcType(type).Hwnd(), BM_CLICK, 0, 0);
      SendMessageW(dialog.optFolder(paths).Hwnd(), BM_CLICK, 0, 0);
      SendMessageW(dialog.cmdOk.Hwnd(), BM_CLICK, 0, 0);
    });
  }

  // The entries the window lists for the archive it shows, as paths with "\".
  static std::set<std::wstring> Listed() {
    std::set<std::wstring> names;
    for (int i = 0; i < browser::Entries().Count(); ++i) {
      const auto& row = browser::Entries().Row(i);
      // The folder column ends in a separator, but for JAR, which shows it as the tool prints it.
      std::wstring folder = core::Trim(std::wstring(row.Cell(7)));
      if (!folder.empty() && folder.back() != L'\\' && folder.back() != L'/') folder += L'\\';
      std::wstring name = folder + std::wstring(row.Name());
      core::SlashToBackslash(name);
      if (!name.empty() && name[0] == L'\\') name.erase(0, 1);
      // Folders listed as entries of their own are no files.
      if (!name.empty() && name.back() != L'\\') names.insert(name);
    }
    return names;
  }
  static std::set<std::wstring> Expected() { return {FolderFiles().begin(), FolderFiles().end()}; }

  std::wstring out, folder;
  testsupport::FakeFolderPicker picker;
  core::ScopedFolderPickerSeam pickerSeam{picker};
  testsupport::FakeCommonDialogs files;
  core::ScopedCommonDialogSeam filesSeam{files};
};

// The types the program writes, as the new-archive dialog numbers them; TAR once per compression.
struct TypeCase {
  int button;
  const wchar_t* tarType;
  const wchar_t* extension;     // of an archive saved under a name
  const wchar_t* newExtension;  // of a new archive in the work folder
};
const TypeCase kTypes[] = {
    {0, L"0", L"lzh", L"lzh"},  {1, L"0", L"zip", L"zip"}, {2, L"0", L"cab", L"cab"},  {3, L"0", L"arj", L"arj"},
    {4, L"0", L"tar", L"tar"},  {4, L"1", L"tgz", L"tgz"}, {4, L"2", L"tbz", L"tbz"},  {6, L"0", L"rar", L"rar"},
    {7, L"0", L"yz1", L"yz1"},  {8, L"0", L"ace", L"ace"}, {9, L"0", L"jar", L"j"},    {10, L"0", L"gza", L"gza"},
    {11, L"0", L"gca", L"gca"}, {13, L"0", L"7z", L"7z"},  {15, L"0", L"yz2", L"yz2"}, {16, L"0", L"bh", L"bh"},
};

TEST_F(FolderPackTest, TheEditMenusFolderCompressionKeepsEveryFileUnderItsPathBelowTheFolder) {
  ASSERT_TRUE(LoadWindow());
  for (const TypeCase& c : kTypes) {
    SCOPED_TRACE(core::ToUtf8(c.extension));
    core::Settings.TAR_ArcType = c.tarType;
    picker.answer = folder;
    {
      toolstest::ModalScript script = AnswerType(c.button, 0);
      Click(mainwindow::ID_mnuEditFolderPack);
    }
    const std::wstring archive = core::PrivateState.ArcFileName();
    ASSERT_TRUE(core::PrivateState.ArcStatus());
    EXPECT_EQ(core::LCase(core::GetExtension(archive, false)), L"." + std::wstring(c.newExtension));
    EXPECT_EQ(Listed(), Expected());
    CopyFileW(archive.c_str(), (out + L"\\menu." + c.extension).c_str(), FALSE);
  }
  EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(FolderPackTest, TheCommandLinesCompressModeKeepsEveryFileUnderItsPathBelowTheFolder) {
  CompressingWork compressing;
  mainwindow::ScopedWindowWork compressingSeam{compressing};
  core::Settings.PackAfter = L"1";  // the window stays on the new archive and lists it
  for (const TypeCase& c : kTypes) {
    SCOPED_TRACE(core::ToUtf8(c.extension));
    core::Settings.TAR_ArcType = c.tarType;
    files.asked.clear();
    files.answers = {out + L"\\commandline"};
    {
      toolstest::ModalScript script = AnswerType(c.button, 0);
      ASSERT_TRUE(LoadWindow(L"/c \"" + folder + L"\""));
    }
    const std::wstring archive = out + L"\\commandline." + c.extension;
    ASSERT_EQ(core::PrivateState.ArcFileName(), archive);
    EXPECT_TRUE(compressing.exitCodes.empty()) << "the window stays";
    EXPECT_EQ(Listed(), Expected());
    const std::wstring kept = out + L"\\line." + c.extension;
    MoveFileExW(archive.c_str(), kept.c_str(), MOVEFILE_REPLACE_EXISTING);
  }
  EXPECT_TRUE(boxes.Shown().empty());
}

}  // namespace
