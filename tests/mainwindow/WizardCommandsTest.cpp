// The compression wizard opened from the File menu of the real main window, driven through its buttons:
// archives made from a folder and files for real through the stand-in archivers, shown in the window.
// Under wizard-check.sh the archives are left where Debian's own tools read them afterwards.
#include "mainwindow/WizardCommands.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "MainWindowFixture.h"
#include "ToolFakes.h"
#include "browser/EntryList.h"
#include "core/Settings.h"
#include "core/modIni.h"
#include "core/Text.h"
#include "core/modPath.h"
#include "core/modShell.h"
#include "core/modTolvenar.h"
#include "tools/frmPackWizard.h"
#include "tools/frmUnPackWizard.h"

namespace {

std::wstring Environment(const wchar_t* name) {
  wchar_t buffer[4096];
  const DWORD n = GetEnvironmentVariableW(name, buffer, 4096);
  return n && n < 4096 ? std::wstring(buffer, n) : std::wstring();
}

class WizardCommandsTest : public mwtest::MainWindowTest {
 protected:
  WizardCommandsTest() {
    const std::wstring given = Environment(L"TOLVENAR_CREATED_OUT");
    out = given.empty() ? temp / L"out" : given;
    CreateDirectoryW(out.c_str(), nullptr);
    CreateDirectoryW((temp / L"work").c_str(), nullptr);
    src = out + L"\\src";
    Write(L"readme.txt", std::string(2000, 'r') + "\r\nend\r\n");
    Write(L"doc\\memo.txt", "memo\r\n");
    Write(L"doc\\sub\\deep.txt", std::string(5000, 'd'));
  }

  void Write(const std::wstring& relative, const std::string& bytes) {
    const std::wstring path = src + L"\\" + relative;
    for (size_t k = src.size() + 1; k < path.size(); ++k)
      if (path[k] == L'\\') CreateDirectoryW(path.substr(0, k).c_str(), nullptr);
    CreateDirectoryW(src.c_str(), nullptr);
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
  }

  void Load() {
    // The archivers' options as a fresh settings file gives them (with the unzip32 switch present, loading
    // leaves the registry alone).
    temp.WriteFile(L"Tolvenar.ini", "[ZIP_Option]\r\nNoKekka=1\r\n");
    core::LoadSettings();
    core::Settings.NeverTop = L"0";
    ASSERT_TRUE(LoadWindow());
    core::Settings.WorkFolder = temp / L"work";
    core::WorkFolderNo = L"00";
    core::ListFileName = L"tv120000.txt";
    core::Settings.Log = L"0";
    core::Settings.SaveDefaultFlag = L"0";
    core::Settings.OpenFolder = core::AddBackslash(out);
  }

  static void Click(const winui::Control& control) { SendMessageW(control.Hwnd(), BM_CLICK, 0, 0); }

  // Chooses File > 圧縮ウィザード and plays the user: the type, the folder "doc" and the file readme.txt, the
  // name, the open box, Finish; then Cancel when the wizard is still open.
  void RunWizard(int type, const std::wstring& name) {
    toolstest::ModalScript script([&](winui::Form& form) {
      auto& wizard = static_cast<tools::frmPackWizard&>(form);
      Click(wizard.cmdNext);
      Click(wizard.optArcType(type));
      Click(wizard.cmdNext);
      picker.answer = src + L"\\doc";
      Click(wizard.cmdFolderSelect);
      dialogs.answers.push_back(src + L"\\readme.txt");
      Click(wizard.cmdFileSelect);
      Click(wizard.cmdNext);
      wizard.txtMakeArc.SetText(name);
      Click(wizard.cmdNext);
      Click(wizard.chkPackOpen);
      Click(wizard.cmdNext);
      stayedOpen = wizard.IsLoaded();
      if (stayedOpen) Click(wizard.CmdCancel);
    });
    SendMessageW(form->Form::Hwnd(), WM_COMMAND, MAKEWPARAM(mainwindow::ID_mnuFilePackWizard, 0), 0);
  }

  std::vector<std::wstring> ListedNames() const {
    std::vector<std::wstring> names;
    for (int i = 0; i < browser::Entries().Count(); ++i)
      names.push_back(std::wstring(browser::Entries().Row(i).Name()));
    std::sort(names.begin(), names.end());
    return names;
  }

  std::wstring out, src;
  bool stayedOpen = false;
  testsupport::FakeCommonDialogs dialogs;
  testsupport::FakeFolderPicker picker;
  core::ScopedCommonDialogSeam dialogSeam{dialogs};
  core::ScopedFolderPickerSeam pickerSeam{picker};
};

TEST_F(WizardCommandsTest, TheFileMenusWizardMakesLzhZipAndTgzArchivesAndOpensThem) {
  Load();
  core::Settings.TAR_ArcType = L"1";
  struct Case {
    int type;
    const wchar_t* name;
    const wchar_t* made;
  };
  const Case cases[] = {
      {0, L"wizard", L"wizard.lzh"},
      {1, L"wizard.txt", L"wizard.zip"},
      {4, L"wizard", L"wizard.tgz"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(core::ToUtf8(c.made));
    RunWizard(c.type, c.name);
    EXPECT_FALSE(stayedOpen);
    const std::wstring archive = out + L"\\" + c.made;
    EXPECT_TRUE(core::NormalFileExists(archive));
    EXPECT_EQ(form->Caption(), archive + L" - " + core::kProgramTitle + L" ");
    ASSERT_FALSE(core::Settings.History.empty());
    EXPECT_EQ(core::Settings.History.front(), archive);
    EXPECT_EQ(ListedNames(), (std::vector<std::wstring>{L"deep.txt", L"memo.txt", L"readme.txt"}));
  }
}

TEST_F(WizardCommandsTest, TheExtractionWizardTakesTheArchivesBackEachIntoAFolderOfItsOwn) {
  Load();
  RunWizard(0, L"round");
  RunWizard(1, L"round");
  const std::wstring back = out + L"\\back";
  CreateDirectoryW(back.c_str(), nullptr);
  toolstest::ModalScript script([&](winui::Form& form) {
    auto& wizard = static_cast<tools::frmUnPackWizard&>(form);
    Click(wizard.cmdNext);
    dialogs.answers.push_back(out + L'\0' + L"round.lzh" + L'\0' + L"round.zip");
    Click(wizard.cmdFileSelect);
    Click(wizard.cmdNext);
    wizard.txtUnpackPlace.SetText(back);
    Click(wizard.chkFolder);
    Click(wizard.chkMakeFolder);
    Click(wizard.cmdNext);
    Click(wizard.cmdNext);
  });
  SendMessageW(form->Form::Hwnd(), WM_COMMAND, MAKEWPARAM(mainwindow::ID_mnuFileUnPackWizard, 0), 0);
  for (const wchar_t* folder : {L"\\round_lzh\\", L"\\round_zip\\"}) {
    SCOPED_TRACE(core::ToUtf8(folder));
    for (const wchar_t* file : {L"readme.txt", L"doc\\memo.txt", L"doc\\sub\\deep.txt"})
      EXPECT_EQ(testsupport::ReadFileBytes(back + folder + file), testsupport::ReadFileBytes(src + L"\\" + file))
          << core::ToUtf8(file);
  }
}

TEST_F(WizardCommandsTest, AFailingArchiverLeavesNoCaptionOrHistoryForWhatWasNotWritten) {
  temp.WriteFile(L"standins.ini", "[unlha32]\r\nResult.Unlha=32790\r\n");
  Load();
  const std::wstring caption = form->Caption();
  RunWizard(0, L"failed");
  EXPECT_TRUE(stayedOpen);
  EXPECT_EQ(form->Caption(), caption);
  EXPECT_TRUE(std::none_of(core::Settings.History.begin(), core::Settings.History.end(),
                           [](const std::wstring& path) { return path.find(L"failed") != std::wstring::npos; }));
}

}  // namespace
