// The clipboard decoder as the user meets it: text on the clipboard (or read from a code page 932 file for
// the "/d" mode), the folder picker, the file written, the messages and the status bar.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ProgramStateGuard.h"
#include "ScriptedMsgBox.h"
#include "TempDir.h"
#include "ToolFakes.h"
#include "core/Seams.h"
#include "core/Settings.h"
#include "core/Text.h"
#include "tools/ClipboardDecoder.h"

namespace {

using testsupport::FileExists;
using testsupport::ReadFileBytes;

using testsupport::FakeClipboard;
using testsupport::FakeFolderPicker;

class FakeWindow : public tools::DecoderWindow {
 public:
  std::wstring status = L"3 個のファイル";
  std::vector<std::wstring> shown;
  HWND Hwnd() override { return nullptr; }
  std::wstring StatusText() override { return status; }
  void SetStatusText(const std::wstring& text) override {
    status = text;
    shown.push_back(text);
  }
};

// The uuencoded and MIME texts as a mail program would save them, in code page 932.
const std::string kUuMail =
    "From: someone\r\n\r\nbegin 644 \x93\xFA\x96\x7B\x8C\xEA\x83\x81\x83\x82.TXT\r\n&D_J6>XSJ\r\n`\r\nend\r\n";
const std::string kMimeMail =
    "Content-Type: multipart/mixed; boundary=\"XyZ\"\r\n\r\n--XyZ\r\n"
    "Content-Type: image/jpeg; name=\"\x8E\xCA\x90\x5E.JPG\"\r\nContent-Transfer-Encoding: base64\r\n\r\n"
    "/9j/4AAQSkZJRgA=\r\n--XyZ--\r\n";
const std::string kJpegStart("\xFF\xD8\xFF\xE0\x00\x10JFIF\x00", 11);

class ClipboardDecoderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    core::Settings.Message = L"1";
    folder_ = temp_ / L"out";
    CreateDirectoryW(folder_.c_str(), nullptr);
    picker_.answer = folder_;
  }

  // The "/d" mode's way in: the file read as text and put on the clipboard.
  void ClipboardFromFile(const std::string& bytes) {
    clipboard_.SetText(tools::ReadTextFile(temp_.WriteFile(L"mail.txt", bytes)));
  }
  static std::wstring Done(const std::wstring& path) { return L"ファイル名 \"" + path + L"\" としてデコードしました"; }

  testsupport::ProgramStateGuard state_;
  testsupport::TempDir temp_;
  std::wstring folder_;
  FakeClipboard clipboard_;
  FakeFolderPicker picker_;
  FakeWindow window_;
  core::ScopedClipboardSeam clipboardSeam_{clipboard_};
  core::ScopedFolderPickerSeam pickerSeam_{picker_};
  testsupport::ScriptedMsgBox boxes_;
};

TEST_F(ClipboardDecoderTest, UuencodedMailWithAJapaneseName) {
  ClipboardFromFile(kUuMail);
  const std::wstring target = folder_ + L"\\日本語メモ.txt";
  boxes_.Expect(Done(target));

  EXPECT_EQ(target, tools::DecodeClipboard(window_));
  EXPECT_EQ("\x93\xFA\x96\x7B\x8C\xEA", ReadFileBytes(target));
  EXPECT_EQ((std::vector<std::wstring>{L"Decode中...", L"3 個のファイル"}), window_.shown);
  EXPECT_EQ((std::vector<std::wstring>{tools::kDecodeFolderTitle}), picker_.titles);
  EXPECT_EQ(static_cast<UINT>(MB_ICONINFORMATION), boxes_.Shown().at(0).style & MB_ICONMASK);
}

TEST_F(ClipboardDecoderTest, MimePartWithAJapaneseQuotedName) {
  ClipboardFromFile(kMimeMail);
  const std::wstring target = folder_ + L"\\写真.jpg";
  boxes_.Expect(Done(target));

  EXPECT_EQ(target, tools::DecodeClipboard(window_));
  EXPECT_EQ(kJpegStart, ReadFileBytes(target));
}

// After a uuencoded block the text that followed its begin line is tried as MIME; that result is written.
TEST_F(ClipboardDecoderTest, AMimePartAfterAUuencodedBlockWins) {
  ClipboardFromFile(kUuMail + kMimeMail);
  boxes_.Expect(Done(folder_ + L"\\写真.jpg"));

  tools::DecodeClipboard(window_);
  EXPECT_EQ(kJpegStart, ReadFileBytes(folder_ + L"\\写真.jpg"));
  EXPECT_FALSE(FileExists(folder_ + L"\\日本語メモ.txt"));
}

TEST_F(ClipboardDecoderTest, TextItCannotReadIsReportedAndNothingIsWritten) {
  const struct {
    const char* what;
    bool hasText;
    std::wstring text;
  } cases[] = {
      {"no text on the clipboard", false, L""},
      {"plain text", true, L"hello\r\nworld\r\n"},
      {"uuencode with an empty data line", true, L"begin 644 x.txt\r\n\r\nend\r\n"},
      {"base64 without the blank line", true, L"Content-Transfer-Encoding: base64\r\nQUJD\r\n"},
      {"LF line ends", true, L"Content-Transfer-Encoding: base64\n\nQUJD\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    clipboard_.hasText = c.hasText;
    clipboard_.text = c.text;
    window_.status = L"前の表示";
    boxes_.Expect(tools::kDecodeUnknownFormat);
    EXPECT_EQ(L"", tools::DecodeClipboard(window_));
    EXPECT_EQ(L"前の表示", window_.status);
    EXPECT_EQ(static_cast<UINT>(MB_ICONSTOP), boxes_.Shown().back().style & MB_ICONMASK);
  }
  EXPECT_TRUE(picker_.titles.empty());
}

TEST_F(ClipboardDecoderTest, ExistingFilesGetNumberedNamesAndAMissingNameIsDecodeTxt) {
  temp_.WriteFile(L"out\\decode.txt", "old");
  temp_.WriteFile(L"out\\decode(1).txt", "older");
  clipboard_.Hold(L"Content-Transfer-Encoding: base64\r\n\r\nQUJD\r\n");
  boxes_.Expect(Done(folder_ + L"\\decode(2).txt"));

  tools::DecodeClipboard(window_);
  EXPECT_EQ("ABC", ReadFileBytes(folder_ + L"\\decode(2).txt"));
  EXPECT_EQ("old", ReadFileBytes(folder_ + L"\\decode.txt"));
  EXPECT_EQ("older", ReadFileBytes(folder_ + L"\\decode(1).txt"));
}

TEST_F(ClipboardDecoderTest, NumberedNamesTakeTheBaseToTheFirstDotAndTheLastExtension) {
  const struct {
    const wchar_t* name;
    const wchar_t* numbered;
  } cases[] = {{L"report.txt", L"report(1).txt"}, {L"data.tar.gz", L"data(1).gz"}, {L"readme", L"readme(1)"}};
  for (const auto& c : cases) {
    temp_.WriteFile(std::wstring(L"out\\") + c.name, "x");
    EXPECT_EQ(folder_ + L"\\" + c.numbered, tools::FreeDecodeTarget(folder_, c.name));
  }
  EXPECT_EQ(folder_ + L"\\new.txt", tools::FreeDecodeTarget(folder_, L"new.txt"));
}

// A name in the encoded text never leads out of the folder the user chose.
TEST_F(ClipboardDecoderTest, ANameWithFoldersIsWrittenInsideTheChosenFolder) {
  clipboard_.Hold(
      L"Content-Type: text/plain; name=\"..\\..\\evil.bat\"\r\nContent-Transfer-Encoding: base64\r\n\r\n"
      L"QUJD\r\n");
  boxes_.Expect(Done(folder_ + L"\\evil.bat"));

  tools::DecodeClipboard(window_);
  EXPECT_EQ("ABC", ReadFileBytes(folder_ + L"\\evil.bat"));
  EXPECT_FALSE(FileExists(temp_ / L"evil.bat"));
}

TEST_F(ClipboardDecoderTest, AFileThatCannotBeWrittenIsReportedWithoutTheCompletionMessage) {
  picker_.answer = temp_ / L"no such folder";
  clipboard_.Hold(L"Content-Transfer-Encoding: base64\r\n\r\nQUJD\r\n");
  const std::wstring target = picker_.answer + L"\\decode.txt";
  boxes_.Expect(L"ファイル \"" + target + L"\" を作成できませんでした");

  EXPECT_EQ(L"", tools::DecodeClipboard(window_));
  ASSERT_EQ(1u, boxes_.Shown().size());
  EXPECT_EQ(static_cast<UINT>(MB_ICONSTOP), boxes_.Shown()[0].style & MB_ICONMASK);
  EXPECT_FALSE(FileExists(target));
}

TEST_F(ClipboardDecoderTest, CancelledFolderWritesNothingAndSaysNothing) {
  picker_.answer = L"";
  clipboard_.Hold(L"Content-Transfer-Encoding: base64\r\n\r\nQUJD\r\n");
  EXPECT_EQ(L"", tools::DecodeClipboard(window_));
  EXPECT_TRUE(boxes_.Shown().empty());
}

TEST_F(ClipboardDecoderTest, NoCompletionMessageWhenMessagesAreOff) {
  core::Settings.Message = L"0";
  clipboard_.Hold(L"Content-Transfer-Encoding: base64\r\n\r\nQUJD\r\n");
  EXPECT_EQ(folder_ + L"\\decode.txt", tools::DecodeClipboard(window_));
  EXPECT_EQ("ABC", ReadFileBytes(folder_ + L"\\decode.txt"));
}

TEST_F(ClipboardDecoderTest, ReadTextFileStopsAtANulOnlyInText) {
  EXPECT_EQ(L"first line\r\n", tools::ReadTextFile(temp_.WriteFile(L"a.txt", std::string("first line\r\n\0rest", 17))));
  EXPECT_EQ(std::wstring(L"\x1A"
                         L"ab\0cd",
                         6),
            tools::ReadTextFile(temp_.WriteFile(L"b.bin", std::string("\x1A"
                                                                      "ab\0cd",
                                                                      6))));
  EXPECT_EQ(L"日本語", tools::ReadTextFile(temp_.WriteFile(L"c.txt", "\x93\xFA\x96\x7B\x8C\xEA")));
  EXPECT_EQ(L"", tools::ReadTextFile(temp_ / L"missing.txt"));
}

}  // namespace
