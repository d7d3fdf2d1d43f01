// Compress mode and instant extraction of the real Tolvenar.exe, started on files on disk as Explorer's
// verbs start it, its dialogs answered from this process as a user would: "/c" into one archive saved
// under a typed name and "/c" into one archive per item (the run script reads them with Debian's lhasa and
// unzip), a "/c" run that is refused ending with a non-zero code, and "/e" on an archive made by jlha
// (the run script compares what was extracted). Each run's exit code is checked.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "E2EProcess.h"
#include "RemoteControls.h"
#include "Standins.h"
#include "TempDir.h"

namespace {

using e2e::Program;

// Control ids of the new-archive dialog, as the program publishes them.
constexpr int kTypeLzh = 103;        // frmDropOption.optArcType(0)
constexpr int kTypeZip = 104;        // frmDropOption.optArcType(1)
constexpr int kRelativePaths = 122;  // frmDropOption.optFolder(1)
constexpr int kDropOk = 128;         // frmDropOption.cmdOk
constexpr int kMessageText = 0xFFFF;
// The file-name box of the system's file dialogs: a combo box in newer dialogs, an edit box in older ones.
constexpr int kFileNameCombo = 0x47C;
constexpr int kFileNameEdit = 0x480;

class CompressModeE2E : public testing::Test {
 protected:
  void SetUp() override {
    run_ = e2e::Env(L"TOLVENAR_E2E_RUN");
    ASSERT_FALSE(run_.empty()) << "TOLVENAR_E2E_RUN is not set";
    const std::wstring standins = testsupport::StandinFolder();
    ASSERT_FALSE(standins.empty());
    SetEnvironmentVariableW(L"PATH", (standins + L";" + e2e::Env(L"PATH")).c_str());
  }
  void TearDown() override {
    SetOption("Option", "PackKobetsu", "0");
    SetOption("COM_Option", "Folder", "0");
  }

  // An option in the settings file beside the program, as the options dialog would leave it.
  void SetOption(const char* section, const char* key, const char* value) {
    const std::string ini(run_.begin(), run_.end());  // the run folder's path is plain ASCII
    WritePrivateProfileStringA(section, key, value, (ini + "\\Tolvenar.ini").c_str());
  }
  bool Start(const std::wstring& arguments) { return program_.Start(run_ + L"\\Tolvenar.exe", arguments, run_); }
  // The new-archive dialog: the user clicks the type's button and "relative paths", then OK.
  void ChooseType(int typeButton) {
    HWND dialog =
        program_.WaitForWindow([](HWND window) { return e2e::ClassOf(window) == L"Tolvenar.frmDropOption"; }, 60);
    ASSERT_NE(dialog, nullptr) << "no new-archive dialog";
    HWND type = e2e::ChildById(dialog, typeButton);
    ASSERT_NE(type, nullptr);
    SendMessageTimeoutW(type, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, 10000, nullptr);
    HWND relative = e2e::ChildById(dialog, kRelativePaths);
    ASSERT_NE(relative, nullptr);
    SendMessageTimeoutW(relative, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, 10000, nullptr);
    HWND ok = e2e::ChildById(dialog, kDropOk);
    ASSERT_NE(ok, nullptr);
    ASSERT_TRUE(IsWindowEnabled(ok)) << "the type cannot be created here";
    PostMessageW(ok, BM_CLICK, 0, 0);
  }
  // The system's save dialog: the user types the name and presses Save.
  void TypeSaveName(const std::wstring& path) {
    HWND dialog = program_.WaitForWindow(
        [](HWND window) { return e2e::IsDialog(window) && e2e::WindowText(window) == L"書庫ファイル名の指定"; }, 60);
    ASSERT_NE(dialog, nullptr) << "no save dialog";
    HWND box = e2e::ChildById(dialog, kFileNameCombo);
    if (!box) box = e2e::ChildById(dialog, kFileNameEdit);
    ASSERT_NE(box, nullptr) << "no file-name box";
    SendMessageTimeoutW(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()), SMTO_ABORTIFHUNG, 10000, nullptr);
    PostMessageW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
  }

  std::wstring run_;
  Program program_;
};

TEST_F(CompressModeE2E, OneArchiveOfAFileAndAFolderUnderTheNameTyped) {
  ASSERT_TRUE(Start(L"/c \"" + run_ + L"\\pack\\notes.txt\" \"" + run_ + L"\\pack\\docs.old\""));
  ChooseType(kTypeLzh);
  TypeSaveName(run_ + L"\\packed-one");
  EXPECT_EQ(0, program_.FinishClosingWindows(60));
  EXPECT_FALSE(testsupport::ReadFileBytes(run_ + L"\\packed-one.lzh").empty());
}

TEST_F(CompressModeE2E, OneArchivePerItemBesideEachItem) {
  SetOption("Option", "PackKobetsu", "1");
  ASSERT_TRUE(Start(L"/c \"" + run_ + L"\\pack\\notes.txt\" \"" + run_ + L"\\pack\\docs.old\""));
  ChooseType(kTypeZip);
  EXPECT_EQ(0, program_.FinishClosingWindows(60));
  EXPECT_FALSE(testsupport::ReadFileBytes(run_ + L"\\pack\\notes_txt.zip").empty());
  EXPECT_FALSE(testsupport::ReadFileBytes(run_ + L"\\pack\\docs_old.zip").empty());
}

// One archive holds names relative to one folder: items of two folders are refused, and that is no success.
TEST_F(CompressModeE2E, ItemsOfTwoFoldersAreRefusedAndTheRunFails) {
  const std::wstring other = run_ + L"\\packme.txt";
  ASSERT_TRUE(Start(L"/c \"" + run_ + L"\\pack\\notes.txt\" \"" + other + L"\""));
  ChooseType(kTypeLzh);
  const std::wstring text =
      L"一つの書庫には同じフォルダにあるファイルしかまとめられません\r\n"
      L"次の項目は最初の項目と異なるフォルダにあります\r\n\"" +
      other + L"\"";
  HWND message = program_.WaitForWindow(
      [&](HWND window) { return e2e::IsDialog(window) && e2e::WindowText(GetDlgItem(window, kMessageText)) == text; },
      60);
  ASSERT_NE(message, nullptr) << "no message naming the item";
  PostMessageW(message, WM_COMMAND, IDOK, 0);
  EXPECT_EQ(1, program_.Finish(60));
}

TEST_F(CompressModeE2E, InstantExtractionPutsTheArchiveBesideItInAFolderOfItsName) {
  ASSERT_TRUE(Start(L"/e \"" + run_ + L"\\書庫あ.lzh\""));
  EXPECT_EQ(0, program_.FinishClosingWindows(60));
  EXPECT_FALSE(testsupport::ReadFileBytes(run_ + L"\\書庫あ\\readme.txt").empty());
}

}  // namespace
