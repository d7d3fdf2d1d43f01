// The File menu's self-extracting program of an LZH archive whose name holds a blank, chosen in the real main
// window with the self-extractor options confirmed as offered: the program gets the whole name, an unrelated
// program named after the name's first word is left alone, and one of the program's own name is replaced only
// when the user says so.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "MainWindowFixture.h"
#include "Standins.h"
#include "archiver/LibraryBinding.h"
#include "archiver/clsArchive.h"
#include "archiver/frmView.h"
#include "core/Settings.h"
#include "core/Text.h"
#include "core/modPath.h"
#include "core/modTolvenar.h"
#include "mainwindow/ArchiveCommands.h"
#include "operations/SfxArchive.h"
#include "options/frmSFX.h"
#include "winui/App.h"

namespace {

using namespace mainwindow;

class SfxCommandTest : public mwtest::MainWindowTest {
 protected:
  void SetUp() override {
    ASSERT_FALSE(testsupport::StandinFolder().empty());
    archiver::InstallArcTypeDetector();
    ASSERT_TRUE(LoadWindow());
    UseFreshSettings();
    core::Settings.LZH_SFXName = L"";
    archive = temp / L"sfx test.lzh";
    ASSERT_TRUE(CopyFileW(testsupport::OutsideToolFixture(L"jlha.lzh").c_str(), archive.c_str(), FALSE));
    unrelated = temp.WriteFile(L"sfx.exe", "an unrelated program");
    program = temp / L"sfx test.exe";
    previousHook_ = winui::SetModalHook([this](winui::Form& shown) {
      if (auto* options = dynamic_cast<options::frmSFX*>(&shown)) {
        offeredName = options->txtSFXName.Text();
        PressButtonOf(options->cmdOk);
      } else if (auto* view = dynamic_cast<archiver::frmView*>(&shown)) {
        PressButtonOf(view->cmdOk);
      } else {
        ADD_FAILURE() << "an unexpected modal window";
      }
    });
    ASSERT_TRUE(OpenArchive(*form, archive, kUnreadableArchive));
  }
  void TearDown() override { winui::SetModalHook(previousHook_); }

  std::vector<std::string> SfxCommands() const {
    std::vector<std::string> lines;
    for (const std::string& line : testsupport::StandinLogLines(temp / L"standins.log"))
      if (line.rfind("unlha32\tUnlha\ts ", 0) == 0) lines.push_back(line.substr(14));
    return lines;
  }
  bool Shows(const std::wstring& path) const { return form->tvTreeView.SelectedKey().substr(4) == path; }

  std::wstring archive, unrelated, program, offeredName;

 private:
  winui::ModalHook previousHook_;
};

TEST_F(SfxCommandTest, TheProgramTakesTheWholeNameOfferedAndIsShown) {
  Click(ID_mnuFileSFX);
  EXPECT_EQ(offeredName, L"sfx test");
  ASSERT_TRUE(core::PrivateState.ArcStatus());
  const std::vector<std::string> commands = SfxCommands();
  ASSERT_EQ(commands.size(), 1u);
  EXPECT_NE(commands[0].find(core::ToCp932(L" \"-grsfx test\"")), std::string::npos) << commands[0];
  EXPECT_TRUE(testsupport::FileExists(program));
  EXPECT_EQ(testsupport::ReadFileBytes(unrelated), "an unrelated program");
  EXPECT_TRUE(Shows(program));
  EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(SfxCommandTest, AProgramOfThatNameIsReplacedOnlyWhenTheUserGoesOn) {
  temp.WriteFile(L"sfx test.exe", "the user's own program");
  const std::wstring question = operations::ExistingFileQuestion(program);
  EXPECT_EQ(question, program + L"\r\nこのファイルは既に存在します\r\n処理を続けますか?");

  boxes.Expect(question, IDCANCEL);
  Click(ID_mnuFileSFX);
  EXPECT_TRUE(boxes.AllShown());
  EXPECT_FALSE(core::PrivateState.ArcStatus());
  EXPECT_TRUE(SfxCommands().empty());
  EXPECT_EQ(testsupport::ReadFileBytes(program), "the user's own program");
  EXPECT_TRUE(Shows(archive));

  boxes.Expect(question, IDOK);
  Click(ID_mnuFileSFX);
  EXPECT_TRUE(boxes.AllShown());
  ASSERT_TRUE(core::PrivateState.ArcStatus());
  EXPECT_EQ(SfxCommands().size(), 1u);
  EXPECT_EQ(testsupport::ReadFileBytes(program).substr(0, 2), "MZ") << "the self-extracting program";
  EXPECT_TRUE(Shows(program));
  EXPECT_EQ(testsupport::ReadFileBytes(unrelated), "an unrelated program");
}

}  // namespace
