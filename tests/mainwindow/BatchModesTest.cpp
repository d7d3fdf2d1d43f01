// The batch modes "/l", "/d" and a single ".JPZ" file, each chosen by the window's load from its command
// line and run by the program's own work over the stand-in libraries: what it opens, writes and reports,
// and the exit code the batch end hands to the system.
#include "mainwindow/BatchModes.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "KeyInput.h"
#include "MainWindowFixture.h"
#include "Standins.h"
#include "ToolFakes.h"
#include "archiver/LibraryBinding.h"
#include "core/Text.h"
#include "core/modTolvenar.h"
#include "tools/ClipboardDecoder.h"
#include "tools/CommandLineRun.h"
#include "tools/clsJpz.h"
#include "tools/frmCommandLine.h"
#include "tools/frmPassPhrase.h"

namespace {

using namespace mainwindow;

// The recorder, but for the three batch modes, which do the program's own work.
class BatchWork : public mwtest::WorkRecorder {
 public:
  int RunRawCommandLine(frmMain& form) override { return WindowWork::RunRawCommandLine(form); }
  int DecodeFile(frmMain& form, const std::wstring& path) override { return WindowWork::DecodeFile(form, path); }
  int DecryptJpeg(frmMain& form, const std::wstring& path) override { return WindowWork::DecryptJpeg(form, path); }
};

class BatchModesTest : public mwtest::MainWindowTest {
 protected:
  void SetUp() override { ASSERT_FALSE(testsupport::StandinFolder().empty()) << "TOLVENAR_STANDINS is not set"; }

  // Starts the window on the command line; the batch mode runs and ends the run.
  void Run(const std::wstring& commandLine) {
    batch.exitCodes.clear();
    clipboard.clears = 0;
    ASSERT_TRUE(LoadWindow(commandLine));
    EXPECT_FALSE(form->Visible());
  }
  void NoLibraries() {
    const std::wstring empty = temp / L"no libraries";
    CreateDirectoryW(empty.c_str(), nullptr);
    archiver::FreeLibraries();
    archiver::SetLibraryFolder(empty);
  }

  BatchWork batch;
  mainwindow::ScopedWindowWork batchSeam{batch};
  testsupport::FakeFolderPicker picker;
  core::ScopedFolderPickerSeam pickerSeam{picker};
};

TEST_F(BatchModesTest, DecodingPutsTheFileOnTheClipboardAndEndsByItsResult) {
  const std::string encoded =
      "From: someone\r\nContent-Type: application/octet-stream; name=\"data.bin\"\r\n"
      "Content-Transfer-Encoding: base64\r\n\r\nAAECA/7/\r\n";
  struct Case {
    const char* name;
    std::string text;  // the file's content; none: no file
    bool folderPicked;
    bool clipboardTakes;
    std::vector<std::wstring> boxes;
    int exitCode;
  };
  const std::wstring out = temp / L"out";
  CreateDirectoryW(out.c_str(), nullptr);
  const std::wstring written = out + L"\\data.bin";
  const Case cases[] = {
      {"decoded", encoded, true, true, {L"ファイル名 \"" + written + L"\" としてデコードしました"}, kBatchDone},
      {"folder not picked", encoded, false, true, {}, kBatchNotDone},
      {"plain text", "nothing encoded here\r\n", true, true, {tools::kDecodeUnknownFormat}, kBatchNotDone},
      {"no such file", "", true, true, {tools::kDecodeUnknownFormat}, kBatchNotDone},
      {"clipboard locked", encoded, true, false, {kClipboardUnavailable}, kBatchNotDone},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    DeleteFileW(written.c_str());
    std::wstring path = temp / L"メール 1.txt";
    DeleteFileW(path.c_str());
    if (!c.text.empty()) temp.WriteFile(L"メール 1.txt", c.text);
    picker.answer = c.folderPicked ? out : L"";
    picker.titles.clear();
    for (const std::wstring& box : c.boxes) boxes.Expect(box);
    testsupport::FakeClipboard locked;  // another program holds it open
    locked.writable = false;
    std::optional<core::ScopedClipboardSeam> lockedSeam;
    if (!c.clipboardTakes) lockedSeam.emplace(locked);

    Run(L"/d \"" + path + L"\"");
    EXPECT_TRUE(boxes.AllShown());
    EXPECT_EQ(std::vector<int>{c.exitCode}, batch.exitCodes);
    EXPECT_EQ(c.exitCode == kBatchDone, testsupport::FileExists(written));
    if (c.exitCode == kBatchDone) {
      EXPECT_EQ(std::string("\x00\x01\x02\x03\xfe\xff", 6), testsupport::ReadFileBytes(written));
    }
    // The folder is asked for only once the text was decoded.
    EXPECT_EQ(c.clipboardTakes && c.text == encoded ? 1u : 0u, picker.titles.size());
    if (c.clipboardTakes) {
      // The file's text went through the clipboard, which the batch end empties.
      EXPECT_EQ(core::FromCp932(c.text), clipboard.text);
      EXPECT_EQ(1, clipboard.clears);
      EXPECT_FALSE(clipboard.hasText);
    }
  }
}

TEST_F(BatchModesTest, RawCommandLineEndsWithTheResultOfTheCommandTyped) {
  const std::wstring file = temp.WriteFile(L"a.txt", "some text to pack\r\n");
  const std::wstring archive = temp / L"made.lzh";
  struct Case {
    const char* name;
    std::string config;
    std::wstring typed;  // "" = Cancel
    int exitCode;
  };
  const Case cases[] = {
      {"ran", "", L"a \"" + archive + L"\" \"" + file + L"\"", kBatchDone},
      {"library failed", "[unlha32]\r\nResult.Unlha=32790\r\n", L"a \"" + archive + L"\" \"" + file + L"\"",
       kBatchNotDone},
      {"cancelled", "", L"", kBatchNotDone},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    DeleteFileW(archive.c_str());
    archiver::FreeLibraries();
    temp.WriteFile(L"standins.ini", c.config);
    core::PrivateState.SetArcStatus(true);
    int shown = 0;
    toolstest::ModalScript script([&](winui::Form& opened) {
      auto* dialog = dynamic_cast<tools::frmCommandLine*>(&opened);
      if (!dialog) {  // the archiver's result window
        opened.Unload();
        return;
      }
      ++shown;
      if (c.typed.empty()) {
        PressButtonOf(dialog->CmdCancel);
        return;
      }
      dialog->cboCommandLine.SetText(c.typed);
      PressButtonOf(dialog->CmdOk);
    });
    Run(L"/l");
    EXPECT_EQ(1, shown);
    EXPECT_EQ(std::vector<int>{c.exitCode}, batch.exitCodes);
    EXPECT_EQ(c.exitCode == kBatchDone, testsupport::FileExists(archive));
    EXPECT_EQ(0, clipboard.clears) << "only decoding empties the clipboard";
  }

  // Without any of its libraries the dialog does not open, and that is no success.
  NoLibraries();
  boxes.Expect(tools::kCommandLineMissing);
  toolstest::ModalScript none([](winui::Form&) { ADD_FAILURE() << "a dialog opened"; });
  Run(L"/l");
  EXPECT_TRUE(boxes.AllShown());
  EXPECT_EQ(std::vector<int>{kBatchNotDone}, batch.exitCodes);
}

TEST_F(BatchModesTest, AJpzFileIsDecryptedBesideItselfOrTheRunFails) {
  const std::string picture = std::string("\xFF\xD8\xFF\xE0", 4) + std::string(500, 'p') + "\xFF\xD9";
  const std::wstring jpeg = temp.WriteFile(L"写真 1.jpg", picture);
  testsupport::FakePassPhrases given;  // answers as the dialog's OK would
  given.answer = L"secret12";
  tools::ConvertJpgToJpz(jpeg, given, nullptr);
  const std::wstring jpz = temp / L"写真 1.jpz";
  ASSERT_TRUE(testsupport::FileExists(jpz));

  struct Case {
    const char* name;
    bool library;
    std::string typed;  // "" = Cancel
    std::vector<std::wstring> boxes;
    int exitCode;
  };
  const Case cases[] = {
      {"decrypted", true, "secret12", {}, kBatchDone},
      {"cancelled", true, "", {}, kBatchNotDone},
      {"no library", false, "secret12", {kJpzMissing}, kBatchNotDone},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    DeleteFileW(jpeg.c_str());
    if (!c.library) NoLibraries();
    for (const std::wstring& box : c.boxes) boxes.Expect(box);
    int asked = 0;
    toolstest::ModalScript script([&](winui::Form& opened) {
      auto& dialog = dynamic_cast<tools::frmPassPhrase&>(opened);
      ++asked;
      if (c.typed.empty()) {
        PressButtonOf(dialog.CmdCancel);
        return;
      }
      winuitest::Type(dialog.txtPass.Hwnd(), c.typed);
      winuitest::Key(dialog.txtPass.Hwnd(), VK_RETURN);
    });
    Run(L"\"" + jpz + L"\"");
    EXPECT_EQ(1, asked);
    EXPECT_TRUE(boxes.AllShown());
    EXPECT_EQ(std::vector<int>{c.exitCode}, batch.exitCodes);
    EXPECT_EQ(c.exitCode == kBatchDone ? picture : "", testsupport::ReadFileBytes(jpeg));
    if (c.boxes.size() == 1) {
      EXPECT_EQ(static_cast<UINT>(MB_ICONEXCLAMATION), boxes.Shown().back().style & MB_ICONMASK);
    }
  }
}

}  // namespace
