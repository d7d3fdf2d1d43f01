// The entries the main window calls for the tools without a window of their own: the JPEG tool through the
// real pass-phrase dialog and the stand-in jpz.dll, and the clipboard decoder on a real status bar.
#include "tools/ToolCommands.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "KeyInput.h"
#include "ProgramStateGuard.h"
#include "ScriptedMsgBox.h"
#include "TempDir.h"
#include "ToolFakes.h"
#include "ToolFixtures.h"
#include "core/Settings.h"
#include "core/modTolvenar.h"
#include "tools/frmPassPhrase.h"
#include "winui/CommonControls.h"

namespace {

using testsupport::ReadFileBytes;

const wchar_t kEncryptComment[] =
    L"このJPEGファイルを448bit可変長キー暗号化アルゴリズム「BlowFish」によって暗号化します";
const wchar_t kDecryptComment[] = L"448bit可変長キー暗号化アルゴリズム「BlowFish」により復号化します";
const wchar_t kOwnComment[] =
    L"このJPEGファイルは448bit可変長キー暗号化アルゴリズム「BlowFish」によって暗号化されています";

class JpegToolTest : public ::testing::Test {
 protected:
  void SetUp() override { picture = std::string("\xFF\xD8\xFF\xE0", 4) + std::string(2000, 'p') + "\xFF\xD9"; }
  // What each request of the pass-phrase dialog showed.
  struct Request {
    std::wstring comment, box;
  };
  // Answers the requests from now on; an empty text cancels.
  toolstest::ModalScript Answer(std::vector<std::string> typed) {
    requests.clear();
    return toolstest::ModalScript([this, typed](winui::Form& opened) {
      auto& dialog = dynamic_cast<tools::frmPassPhrase&>(opened);
      requests.push_back({dialog.lblComment.Caption(), dialog.txtPass.Text()});
      const std::string& keys = typed.at(requests.size() - 1);
      if (keys.empty()) {
        SendMessageW(dialog.CmdCancel.Hwnd(), BM_CLICK, 0, 0);
        return;
      }
      winuitest::Type(dialog.txtPass.Hwnd(), keys);
      winuitest::Key(dialog.txtPass.Hwnd(), VK_RETURN);
      if (dialog.IsLoaded()) {
        refused.push_back(keys);
        winuitest::Type(dialog.txtPass.Hwnd(), "x");
        winuitest::Key(dialog.txtPass.Hwnd(), VK_RETURN);
      }
    });
  }

  testsupport::ProgramStateGuard state;
  testsupport::TempDir temp;
  toolstest::StandinCopies standins{temp};
  testsupport::ScriptedMsgBox boxes;
  testsupport::FakeCommonDialogs dialogs;
  core::ScopedCommonDialogSeam dialogSeam{dialogs};
  std::string picture;
  std::vector<Request> requests;
  std::vector<std::string> refused;  // typed texts the dialog refused (one more letter was then typed)
};

TEST_F(JpegToolTest, EncryptsAndDecryptsThroughThePassPhraseDialog) {
  const std::wstring jpeg = temp.WriteFile(L"photo.2024.jpeg", picture);
  dialogs.answers = {jpeg};
  {
    toolstest::ModalScript script = Answer({"secret7"});
    tools::RunJpegTool(nullptr, 0, temp.Path());
  }
  EXPECT_EQ(L"暗号化するJPEGﾌｧｲﾙを指定", dialogs.asked.at(0).title);
  EXPECT_EQ(temp.Path(), dialogs.asked.at(0).initialDir);
  EXPECT_EQ(L"JPEG (*.jpg;*.jpeg)|*.jpg;*.jpeg", dialogs.asked.at(0).filter);
  EXPECT_EQ(std::vector<std::string>{"secret7"}, refused) << "seven characters are too few to encrypt";
  ASSERT_EQ(1u, requests.size());
  EXPECT_EQ(kEncryptComment, requests[0].comment);
  ASSERT_TRUE(testsupport::FileExists(temp / L"photo.jpz"));
  DeleteFileW(jpeg.c_str());

  dialogs.answers.push_back(temp / L"photo.jpz");
  boxes.Expect(L"パスワードが間違っているか暗号化されたJPEGファイルではありません");
  {
    toolstest::ModalScript script = Answer({"wrong", "secret7x"});
    tools::RunJpegTool(nullptr, 1, temp.Path());
  }
  EXPECT_EQ(L"暗号化JPEGﾌｧｲﾙを開く", dialogs.asked.at(1).title);
  EXPECT_EQ(L"暗号化JPEG (*.jpz)|*.jpz", dialogs.asked.at(1).filter);
  ASSERT_EQ(2u, requests.size());
  EXPECT_EQ(kDecryptComment, requests[0].comment);
  EXPECT_EQ(kOwnComment, requests[1].comment) << "a fresh dialog after the failure";
  EXPECT_EQ(L"", requests[1].box);
  EXPECT_EQ(picture, ReadFileBytes(temp / L"photo.jpg"));
}

TEST_F(JpegToolTest, NoFileChosenAsksNothingAndTheStartUpDecryptsTheFileGiven) {
  dialogs.answers = {L""};
  {
    toolstest::ModalScript script = Answer({});
    tools::RunJpegTool(nullptr, 0, temp.Path());
  }
  EXPECT_TRUE(requests.empty());

  temp.WriteFile(L"photo.jpg", picture);
  dialogs.answers = {temp / L"photo.jpg"};
  {
    toolstest::ModalScript script = Answer({"password"});
    tools::RunJpegTool(nullptr, 0, temp.Path());
  }
  DeleteFileW((temp / L"photo.jpg").c_str());
  {
    toolstest::ModalScript script = Answer({"password"});
    tools::DecryptJpzFile(nullptr, temp / L"photo.jpz");
  }
  EXPECT_EQ(picture, ReadFileBytes(temp / L"photo.jpg"));
}

// A window with a status bar, as the main window gives the decoder its panel 1.
class StatusForm : public winui::Form {
 public:
  StatusForm() : Form(kDef, kControls) {}
  winui::StatusBar bar{this, 100};

 private:
  static constexpr winui::FormDef kDef{L"Tolvenar.Tests.StatusForm", L"status", 4000, 2000};
  static constexpr winui::ControlDef kControls[] = {{100, L"sbStatusBar", winui::Kind::StatusBar, 0, 1700, 4000, 300}};
};

TEST(DecodeClipboardText, DecodesIntoThePickedFolderAndPutsTheStatusTextBack) {
  testsupport::ProgramStateGuard state;
  testsupport::TempDir temp;
  testsupport::ScriptedMsgBox boxes;
  testsupport::FakeClipboard clipboard;
  testsupport::FakeFolderPicker picker;
  core::ScopedClipboardSeam clipboardSeam(clipboard);
  core::ScopedFolderPickerSeam pickerSeam(picker);
  core::Settings.Message = L"0";
  StatusForm form;
  ASSERT_TRUE(form.Load());
  form.bar.AddPanel(0, winui::PanelStyle::Text, L"3 個のファイル");
  picker.answer = temp.Path();
  clipboard.Hold(L"Content-Type: text/plain; name=ABC.TXT\r\nContent-Transfer-Encoding: base64\r\n\r\nQUJD\r\n");

  EXPECT_EQ(temp / L"abc.txt", tools::DecodeClipboardText(form.Hwnd(), &form.bar));
  EXPECT_EQ("ABC", ReadFileBytes(temp / L"abc.txt"));
  EXPECT_EQ(L"3 個のファイル", form.bar.PanelText(1));
  EXPECT_EQ(temp / L"abc(1).txt", tools::DecodeClipboardText(nullptr, nullptr)) << "also without a status bar";
}

}  // namespace
