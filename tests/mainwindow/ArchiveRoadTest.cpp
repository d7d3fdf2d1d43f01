// The road of one LZH archive through the main window: made from files, saved under a name, an entry
// deleted, one renamed, a file added, re-converted, made self-extracting and turned back, extracted at
// once. Each step's archive is kept (when TOLVENAR_ROAD_OUT names a folder) for road.sh, which checks them
// with Debian's own lhasa.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include <windows.h>

#include "MainWindowFixture.h"
#include "SeamFakes.h"
#include "Standins.h"
#include "archiver/clsArchive.h"
#include "archiver/frmView.h"
#include "mainwindow/EntryCommands.h"
#include "operations/EditCommands.h"
#include "mainwindow/PackChoice.h"
#include "core/Settings.h"
#include "core/modIni.h"
#include "core/Text.h"
#include "core/modPath.h"
#include "core/modTolvenar.h"
#include "mainwindow/ArchiveCommands.h"
#include "mainwindow/ArchiveFileCommands.h"
#include "operations/EditCommands.h"
#include "operations/ListFiles.h"
#include "options/frmDropOption.h"
#include "options/frmSFX.h"
#include "winui/App.h"

namespace {

using namespace mainwindow;

std::wstring RoadOut() {
  wchar_t buffer[4096];
  const DWORD n = GetEnvironmentVariableW(L"TOLVENAR_ROAD_OUT", buffer, 4096);
  return n && n < 4096 ? std::wstring(buffer, n) : std::wstring();
}

class ArchiveRoad : public mwtest::MainWindowTest {
 protected:
  void SetUp() override {
    ASSERT_FALSE(testsupport::StandinFolder().empty());
    archiver::InstallArcTypeDetector();
    ASSERT_TRUE(LoadWindow());
    UseFreshSettings();
    core::Settings.Message = L"0";
    core::Settings.PackType = L"0";
    // Names stored relative to the folder they were chosen in.
    core::Settings.COM_Folder = L"1";
    core::Settings.UnpackDefaultFlag = L"1";
    core::Settings.FolderByArc = L"1";
    core::Settings.UnPackExp = L"0";
    core::Settings.UnPackToRun = L"2";
    temp.WriteFile(L"src\\予定表.txt", core::ToCp932(L"予定表の本文\r\n") + std::string(2000, 'x'));
    temp.WriteFile(L"src\\memo.txt", "memo\r\n");
    temp.WriteFile(L"src\\extra.txt", "added later\r\n");
    hook_ = winui::SetModalHook([this](winui::Form& shown) { Play(shown); });
  }
  void TearDown() override { winui::SetModalHook(hook_); }

  // The user at each modal window: OK in the type dialog (LZH as offered) and the self-extractor options,
  // OK in every output window.
  void Play(winui::Form& shown) {
    if (auto* drop = dynamic_cast<options::frmDropOption*>(&shown)) {
      PressButtonOf(drop->cmdOk);
    } else if (auto* sfx = dynamic_cast<options::frmSFX*>(&shown)) {
      PressButtonOf(sfx->cmdOk);
    } else if (auto* view = dynamic_cast<archiver::frmView*>(&shown)) {
      PressButtonOf(view->cmdOk);
    } else {
      ADD_FAILURE() << "an unexpected modal window";
    }
  }
  void Keep(const std::wstring& path, const std::wstring& name) {
    const std::wstring out = RoadOut();
    if (!out.empty()) CopyFileW(path.c_str(), (out + L"\\" + name).c_str(), FALSE);
  }
  std::vector<std::wstring> Listed() const {
    std::vector<std::wstring> names;
    for (int i = 1; i <= form->lvListView.Count(); ++i) names.push_back(form->lvListView.Text(i));
    std::sort(names.begin(), names.end());
    return names;
  }
  int Row(const std::wstring& name) const {
    for (int i = 1; i <= form->lvListView.Count(); ++i)
      if (form->lvListView.Text(i) == name) return i;
    return 0;
  }
  void SelectOnly(const std::wstring& name) {
    for (int i = 1; i <= form->lvListView.Count(); ++i)
      form->lvListView.SetSelected(i, form->lvListView.Text(i) == name);
  }

  testsupport::FakeCommonDialogs files;
  core::ScopedCommonDialogSeam filesSeam_{files};

 private:
  winui::ModalHook hook_;
};

TEST_F(ArchiveRoad, AnLzhArchiveFromFilesToExtraction) {
  // 新規圧縮: two files chosen at once.
  files.answers.push_back(temp / L"src" + L'\0' + L"予定表.txt" + L'\0' + L"memo.txt");
  Click(ID_mnuEditPack);
  ASSERT_TRUE(core::PrivateState.ArcStatus());
  const std::wstring fresh = core::PrivateState.ArcFileName();
  EXPECT_EQ(Listed(), (std::vector<std::wstring>{L"memo.txt", L"予定表.txt"}));
  EXPECT_EQ(core::NewArcCount, 1);

  // 名前を付けて保存.
  CreateDirectoryW((temp / L"out").c_str(), nullptr);
  files.answers.push_back(temp / L"out\\road");
  Click(ID_mnuFileSaveAs);
  const std::wstring archive = temp / L"out\\road.lzh";
  ASSERT_EQ(core::PrivateState.ArcFileName(), archive);
  EXPECT_FALSE(GetFileAttributesW(fresh.c_str()) != INVALID_FILE_ATTRIBUTES);
  Keep(archive, L"1-saved.lzh");

  // Delete memo.txt, as the entry commands do it.
  SelectOnly(L"memo.txt");
  const std::optional<std::wstring> selection = mainwindow::ListSelection(*form);
  ASSERT_TRUE(selection.has_value());
  core::WindowOperationUi ui(form->Hwnd());
  ASSERT_TRUE(operations::Settle(operations::DeleteArcFiles(ui, {archive, L"", *selection})).ok);
  ASSERT_TRUE(core::PrivateState.ArcStatus());
  operations::DeleteListFile();
  Keep(archive, L"2-deleted.lzh");

  // Rename 予定表.txt to a name with a blank.
  const operations::EditRequest rename{archive, L"LZH"};
  ASSERT_TRUE(operations::Settle(operations::RenameArcFile(ui, rename, L"予定表.txt", L"新しい 日程.txt")).ok);
  ASSERT_TRUE(core::PrivateState.ArcStatus());
  Keep(archive, L"3-renamed.lzh");

  // Add a file.
  files.answers.push_back(temp / L"src\\extra.txt");
  mainwindow::SelectPackFiles(form->Hwnd(), *core::FindArcType(L"LZH"), true, false);
  ASSERT_TRUE(core::PrivateState.ArcStatus());
  EXPECT_EQ(Listed(), (std::vector<std::wstring>{L"extra.txt", L"新しい 日程.txt"}));
  Keep(archive, L"4-added.lzh");

  // Re-convert with header level 1.
  core::Settings.LZH_HeadType = L"1";
  boxes.Expect(L"新しいスイッチで書庫を変換します　\r\nよろしいですか", IDOK);
  SelectOnly(L"extra.txt");
  Click(ID_mnuEditNewSwitch);
  ASSERT_TRUE(core::PrivateState.ArcStatus());
  Keep(archive, L"5-converted.lzh");

  // Self-extracting, then back to a plain archive.
  core::Settings.LZH_SFXName = L"";
  Click(ID_mnuFileSFX);
  const std::wstring program = temp / L"out\\road.exe";
  ASSERT_TRUE(core::PrivateState.ArcStatus());
  ASSERT_EQ(core::PrivateState.ArcFileName(), program);
  DeleteFileW(archive.c_str());
  Click(ID_mnuFileConvert);
  ASSERT_TRUE(core::PrivateState.ArcStatus());
  EXPECT_EQ(core::PrivateState.ArcFileName(), archive);
  EXPECT_EQ(GetFileAttributesW(program.c_str()), INVALID_FILE_ATTRIBUTES);
  Keep(archive, L"6-back.lzh");

  // クイック解凍: into a folder named after the archive, beside it.
  Click(ID_mnuFileQuickUnPack);
  ASSERT_TRUE(core::PrivateState.ArcStatus());
  const std::wstring extracted = temp / L"out\\road";
  EXPECT_NE(GetFileAttributesW((extracted + L"\\extra.txt").c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(testsupport::ReadFileBytes(extracted + L"\\新しい 日程.txt"),
            testsupport::ReadFileBytes(temp / L"src\\予定表.txt"));
  EXPECT_TRUE(boxes.AllShown());
}

}  // namespace
