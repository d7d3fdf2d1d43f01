// The command-line modes of the real Tolvenar.exe that end the process, driven from this process as a
// user would answer their dialogs: "/d" decodes a MIME text made by coreutils' base64 through the
// clipboard, "/l" runs a typed command through the stand-in LZH library (the archive is checked with
// Debian's jlha by the run script), a single ".JPZ" file is decrypted, "/e" passes over what is no archive.
// Each run's exit code is checked.
// Last, a normal start registers with the update notifier and tells of a newer build.
#include <gtest/gtest.h>
#include <windows.h>
#include <shlobj.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "E2EProcess.h"
#include "RemoteControls.h"
#include "Standins.h"
#include "TempDir.h"

namespace {

using e2e::Program;

// Control ids of the dialogs driven here, as the program publishes them.
constexpr int kCommandCombo = 101;    // frmCommandLine.cboCommandLine
constexpr int kCommandOk = 103;       // frmCommandLine.CmdOk
constexpr int kCommandCancel = 104;   // frmCommandLine.CmdCancel
constexpr int kPassText = 103;        // frmPassPhrase.txtPass
constexpr int kPassOk = 104;          // frmPassPhrase.CmdOk
constexpr int kMessageText = 0xFFFF;  // the text of a message box
const std::wstring kDecodeFolder = L"tolvenar-decoded";

bool PutClipboardText(const std::wstring& text) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
  if (!block) return false;
  auto* chars = static_cast<wchar_t*>(GlobalLock(block));
  text.copy(chars, text.size());
  chars[text.size()] = L'\0';
  GlobalUnlock(block);
  if (!OpenClipboard(nullptr)) return false;
  EmptyClipboard();
  const bool put = SetClipboardData(CF_UNICODETEXT, block) != nullptr;
  CloseClipboard();
  return put;
}

std::wstring ClipboardText(bool& present) {
  std::wstring text;
  present = false;
  if (!OpenClipboard(nullptr)) return text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
      text = chars;
      present = true;
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

// Runs a console program to its end; its exit code, or -1.
long RunTool(const std::wstring& program, const std::wstring& arguments) {
  Program tool;
  if (!tool.Start(program, arguments, e2e::Env(L"TOLVENAR_E2E_RUN"))) return -1;
  return tool.Finish(60);
}

class BatchModesE2E : public testing::Test {
 protected:
  void SetUp() override {
    run_ = e2e::Env(L"TOLVENAR_E2E_RUN");
    ASSERT_FALSE(run_.empty()) << "TOLVENAR_E2E_RUN is not set";
    standins_ = testsupport::StandinFolder();
    ASSERT_FALSE(standins_.empty());
    SetEnvironmentVariableW(L"PATH", (standins_ + L";" + e2e::Env(L"PATH")).c_str());
  }

  bool Start(const std::wstring& arguments) { return program_.Start(run_ + L"\\Tolvenar.exe", arguments, run_); }
  // A window of the program whose class is `name` (the program's forms are classes of their own).
  HWND WaitForClass(const std::wstring& name) {
    return program_.WaitForWindow([&](HWND window) { return e2e::ClassOf(window) == name; }, 60);
  }
  // A message box showing exactly `text`.
  HWND WaitForMessage(const std::wstring& text) {
    return program_.WaitForWindow(
        [&](HWND window) { return e2e::IsDialog(window) && e2e::WindowText(GetDlgItem(window, kMessageText)) == text; },
        60);
  }

  // Among the nodes below `parent` (nullptr: the tree's top) down to `depth` levels, each expanded as a user
  // expands it, the first whose text `match` accepts; nullptr when none is there yet.
  HTREEITEM FindNode(HWND tree, HTREEITEM parent, int depth, const std::function<bool(const std::wstring&)>& match) {
    if (parent) SendMessageW(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(parent));
    auto next = [&](HTREEITEM item, WPARAM how) {
      return reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, how, reinterpret_cast<LPARAM>(item)));
    };
    for (HTREEITEM item = next(parent, parent ? TVGN_CHILD : TVGN_ROOT); item; item = next(item, TVGN_NEXT)) {
      if (match(e2e::NodeText(program_.Handle(), tree, item))) return item;
      if (depth > 1)
        if (HTREEITEM below = FindNode(tree, item, depth - 1, match)) return below;
    }
    return nullptr;
  }

  std::wstring run_, standins_;
  Program program_;
};

TEST_F(BatchModesE2E, DecodeWritesTheFileIntoTheFolderPickedAndEmptiesTheClipboard) {
  // A folder at the root of the prefix's drive C:, under the folder dialog's "My Computer".
  const std::wstring folder = L"C:\\" + kDecodeFolder;
  CreateDirectoryW(folder.c_str(), nullptr);
  DeleteFileW((folder + L"\\payload.bin").c_str());
  ASSERT_TRUE(PutClipboardText(L"text the user had copied"));
  ASSERT_TRUE(Start(L"/d \"" + run_ + L"\\mail 1.txt\""));

  // The system's folder dialog: the user opens drive C: in its tree, clicks the folder and OK.
  HWND browse = program_.WaitForWindow(e2e::IsDialog, 60);
  ASSERT_NE(browse, nullptr) << "no folder dialog";
  HWND tree = FindWindowExW(browse, nullptr, L"SysTreeView32", nullptr);
  ASSERT_NE(tree, nullptr);
  HTREEITEM drive = nullptr;
  ASSERT_TRUE(e2e::WaitFor(
      [&] {
        drive = FindNode(tree, nullptr, 3,
                         [](const std::wstring& text) { return text.find(L"(C:)") != std::wstring::npos; });
        return drive != nullptr;
      },
      30))
      << "no drive C: in the folder tree";
  HTREEITEM target = nullptr;
  ASSERT_TRUE(e2e::WaitFor(
      [&] {
        target = FindNode(tree, drive, 1, [](const std::wstring& text) { return text == kDecodeFolder; });
        return target != nullptr;
      },
      30))
      << "no " << testing::PrintToString(kDecodeFolder) << " on drive C:";
  SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(target));
  PostMessageW(GetDlgItem(browse, IDOK), BM_CLICK, 0, 0);

  EXPECT_EQ(0, program_.Finish(60));
  const std::string decoded = testsupport::ReadFileBytes(folder + L"\\payload.bin");
  EXPECT_FALSE(decoded.empty());
  EXPECT_TRUE(decoded == testsupport::ReadFileBytes(run_ + L"\\payload.bin")) << "the decoded file differs";
  bool present = true;
  ClipboardText(present);
  EXPECT_FALSE(present) << "the batch end of decoding empties the clipboard";
  DeleteFileW((folder + L"\\payload.bin").c_str());
  RemoveDirectoryW(folder.c_str());
}

TEST_F(BatchModesE2E, RawCommandLineRunsTheTypedCommandAndEndsByItsResult) {
  ASSERT_TRUE(PutClipboardText(L"kept"));
  ASSERT_TRUE(Start(L"/l"));
  HWND dialog = WaitForClass(L"Tolvenar.frmCommandLine");
  ASSERT_NE(dialog, nullptr) << "no command-line dialog";
  const std::wstring command = L"a \"" + run_ + L"\\typed.lzh\" \"" + run_ + L"\\packme.txt\"";
  SendMessageW(GetDlgItem(dialog, kCommandCombo), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(command.c_str()));
  PostMessageW(GetDlgItem(dialog, kCommandOk), BM_CLICK, 0, 0);
  EXPECT_EQ(0, program_.FinishClosingWindows(60));
  EXPECT_FALSE(testsupport::ReadFileBytes(run_ + L"\\typed.lzh").empty());
  bool present = false;
  EXPECT_EQ(L"kept", ClipboardText(present)) << "only decoding empties the clipboard";
}

// Cancel made nothing: that is no success.
TEST_F(BatchModesE2E, RawCommandLineCancelledEndsWithFailure) {
  ASSERT_TRUE(Start(L"/l"));
  HWND dialog = WaitForClass(L"Tolvenar.frmCommandLine");
  ASSERT_NE(dialog, nullptr) << "no command-line dialog";
  PostMessageW(GetDlgItem(dialog, kCommandCancel), BM_CLICK, 0, 0);
  EXPECT_EQ(1, program_.Finish(60));
}

TEST_F(BatchModesE2E, AJpzFileIsDecryptedWithThePassPhraseTyped) {
  // Encrypted beforehand with the stand-in jpz.dll, as a user's earlier encryption would have.
  HMODULE jpz = LoadLibraryW((standins_ + L"\\jpz.dll").c_str());
  ASSERT_NE(jpz, nullptr);
  using JpzFn = int(WINAPI*)(LPCSTR, LPCSTR, LPCSTR);
  auto encrypt = reinterpret_cast<JpzFn>(reinterpret_cast<void*>(GetProcAddress(jpz, "JPGtoJPZ")));
  ASSERT_NE(encrypt, nullptr);
  std::string runA(run_.begin(), run_.end());  // the run folder's path is plain ASCII
  ASSERT_EQ(0, encrypt((runA + "\\secret.jpz").c_str(), (runA + "\\picture.jpg").c_str(), "passphrase8"));
  FreeLibrary(jpz);
  const std::string picture = testsupport::ReadFileBytes(run_ + L"\\picture.jpg");
  ASSERT_FALSE(picture.empty());
  DeleteFileW((run_ + L"\\secret.jpg").c_str());

  ASSERT_TRUE(Start(L"\"" + run_ + L"\\secret.jpz\""));
  HWND dialog = WaitForClass(L"Tolvenar.frmPassPhrase");
  ASSERT_NE(dialog, nullptr) << "no pass-phrase dialog";
  SendMessageW(GetDlgItem(dialog, kPassText), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"passphrase8"));
  PostMessageW(GetDlgItem(dialog, kPassOk), BM_CLICK, 0, 0);
  EXPECT_EQ(0, program_.Finish(60));
  EXPECT_EQ(picture, testsupport::ReadFileBytes(run_ + L"\\secret.jpg"));
}

// "/e" as Explorer's verb starts it on a selection: the text file selected beside the archive is passed over
// without a word and the run ends with success; "/e" alone extracts nothing, says nothing and ends with
// failure.
TEST_F(BatchModesE2E, InstantExtractionPassesOverOtherItemsQuietlyAndEndsByTheArchives) {
  struct Case {
    std::wstring arguments;
    long exitCode;
  };
  const Case cases[] = {
      {L"/e \"" + run_ + L"\\書庫い.zip\" \"" + run_ + L"\\packme.txt\"", 0},
      {L"/e", 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.arguments));
    Program run;
    ASSERT_TRUE(run.Start(run_ + L"\\Tolvenar.exe", c.arguments, run_));
    bool box = false;
    e2e::WaitFor(
        [&] {
          for (HWND window : e2e::WindowsOf(run.Id())) box = box || e2e::IsDialog(window);
          return box || !run.Running();
        },
        60);
    EXPECT_FALSE(box) << "a box waits for a user";
    EXPECT_EQ(c.exitCode, run.Finish(box ? 0 : 10));
  }
  EXPECT_FALSE(testsupport::ReadFileBytes(run_ + L"\\書庫い\\readme.txt").empty());
}

// Removes the notifier's registry key however the test ends, so no other start sees it.
class NotifierInstalled {
 public:
  explicit NotifierInstalled(const std::wstring& tool) : tool_(tool) { installed = RunTool(tool_, L"install") == 0; }
  ~NotifierInstalled() { RunTool(tool_, L"uninstall"); }
  bool installed;

 private:
  std::wstring tool_;
};

TEST_F(BatchModesE2E, ANormalStartRegistersWithTheUpdateNotifierAndTellsOfANewerBuild) {
  const std::wstring tool = standins_ + L"\\upcheck.exe";
  NotifierInstalled notifier(tool);
  ASSERT_TRUE(notifier.installed);
  const std::wstring announce = L"announce dunel@example.com \"とるべなー－【瞬間開梱】\" 10001";
  EXPECT_EQ(2, RunTool(tool, announce)) << "the program is not registered yet";

  // The first start registers the program; no newer build is known, so nothing is shown.
  {
    Program first;
    ASSERT_TRUE(first.Start(run_ + L"\\Tolvenar.exe", L"", run_));
    HWND main = first.WaitForWindow([](HWND window) { return e2e::ClassOf(window) == L"Tolvenar.frmMain"; }, 60);
    ASSERT_NE(main, nullptr);
    // The splash goes as the window shows; nothing else may stay.
    EXPECT_TRUE(e2e::WaitFor([&] { return e2e::WindowsOf(first.Id()) == std::vector<HWND>{main}; }, 10))
        << "another window stays beside the main window";
    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(0, first.Finish(30));
  }
  ASSERT_EQ(0, RunTool(tool, announce)) << "the start registered the program";

  // The next start tells of the newer build.
  ASSERT_TRUE(Start(L""));
  HWND message = WaitForMessage(L"最新バージョンが存在します");
  ASSERT_NE(message, nullptr) << "no message of the newer build";
  PostMessageW(message, WM_COMMAND, IDOK, 0);
  HWND main = WaitForClass(L"Tolvenar.frmMain");
  ASSERT_NE(main, nullptr);
  PostMessageW(main, WM_CLOSE, 0, 0);
  EXPECT_EQ(0, program_.Finish(30));
}

}  // namespace
