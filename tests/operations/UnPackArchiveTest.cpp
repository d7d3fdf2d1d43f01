// What follows an extraction: the after-extraction action of each mode (with its question), the
// completion message, and an archive of no known type.
#include "operations/UnPackArchive.h"

#include <gtest/gtest.h>

#include "ExtractFixture.h"
#include "ProgramStateGuard.h"
#include "ScriptedMsgBox.h"
#include "SeamFakes.h"
#include "TempDir.h"
#include "core/Settings.h"
#include "core/Text.h"
#include "core/modPath.h"
#include "core/modTolvenar.h"

namespace {

class RunAfterUnPackTest : public ::testing::Test {
 protected:
  void SetUp() override { core::Settings.Editor = L"C:\\Tools\\editor.exe"; }
  std::wstring Question(const std::wstring& file) {
    return L"\"" + temp.Path() + L"\" に解凍した \"" + file + L"\" を実行します　よろしいですか";
  }

  testsupport::ProgramStateGuard state;
  testsupport::TempDir temp;
  testsupport::ScriptedMsgBox boxes;
  testsupport::FakeProcesses shell;
  core::ScopedProcessSeam shellSeam{shell};
};

TEST_F(RunAfterUnPackTest, EachModeStartsItsFileAndAsksWhenTold) {
  temp.WriteFile(L"setup.exe", "MZ");
  temp.WriteFile(L"install.exe", "MZ");
  temp.WriteFile(L"readme.txt", "read me");
  const std::wstring setup = temp / L"setup.exe";

  // A program runs itself: no parameters.
  operations::RunAfterUnPack(temp.Path(), L"00");
  EXPECT_EQ(std::vector<std::wstring>{setup + L"|"}, extracttest::Opened(shell));

  shell.opened.clear();
  boxes.Expect(Question(L"setup.exe"), IDCANCEL);
  operations::RunAfterUnPack(temp.Path() + L"\\", L"01");
  EXPECT_TRUE(boxes.AllShown());
  EXPECT_EQ(UINT(MB_OKCANCEL | MB_ICONQUESTION), boxes.Shown().back().style);
  EXPECT_TRUE(shell.opened.empty()) << "Cancel runs nothing";
  boxes.Expect(Question(L"setup.exe"), IDOK);
  operations::RunAfterUnPack(temp.Path(), L"01");
  EXPECT_EQ(std::vector<std::wstring>{setup + L"|"}, extracttest::Opened(shell));

  // The read-me file opens with a program, without a question.
  for (const wchar_t* mode : {L"10", L"11"}) {
    shell.opened.clear();
    operations::RunAfterUnPack(temp.Path(), mode);
    ASSERT_EQ(1u, shell.opened.size());
    EXPECT_NE(0u, extracttest::Opened(shell)[0].find(L"|")) << "a program is named";
    EXPECT_TRUE(extracttest::Opened(shell)[0].ends_with(L"|" + core::QuotePath(temp / L"readme.txt")))
        << core::ToUtf8(extracttest::Opened(shell)[0]);
  }
  for (const wchar_t* mode : {L"20", L"21", L"", L"9"}) operations::RunAfterUnPack(temp.Path(), mode);
  EXPECT_EQ(1u, shell.opened.size()) << "no action for the other modes";
  EXPECT_EQ(2u, boxes.Shown().size());
}

TEST_F(RunAfterUnPackTest, OnlyAPlainFileCountsAndNothingThereDoesNothing) {
  operations::RunAfterUnPack(temp.Path(), L"01");
  operations::RunAfterUnPack(temp.Path(), L"10");
  EXPECT_TRUE(shell.opened.empty());

  // A hidden setup program is not offered; the install program is.
  const std::wstring hidden = temp.WriteFile(L"setup.exe", "MZ");
  SetFileAttributesW(hidden.c_str(), FILE_ATTRIBUTE_HIDDEN);
  temp.WriteFile(L"install.exe", "MZ");
  boxes.Expect(Question(L"install.exe"), IDOK);
  operations::RunAfterUnPack(temp.Path(), L"01");
  EXPECT_EQ(std::vector<std::wstring>{(temp / L"install.exe") + L"|"}, extracttest::Opened(shell));
}

TEST(TellExtracted, OnlyAfterASuccessAndWithMessagesOn) {
  testsupport::ProgramStateGuard state;
  testsupport::ScriptedMsgBox boxes;
  for (const bool status : {true, false}) {
    for (const wchar_t* message : {L"1", L"0"}) {
      core::Settings.Message = message;
      core::PrivateState.SetArcStatus(status);
      if (status && std::wstring(message) == L"1") boxes.Expect(L"ファイルを解凍しました");
      operations::TellExtracted(nullptr);
    }
  }
  EXPECT_TRUE(boxes.AllShown());
  ASSERT_EQ(1u, boxes.Shown().size());
  EXPECT_EQ(UINT(MB_OK | MB_ICONINFORMATION), boxes.Shown()[0].style);
}

class UnPackArchiveTest : public extracttest::StandinTest {
 protected:
  testsupport::ScriptedMsgBox boxes;
};

TEST_F(UnPackArchiveTest, AFileOfNoKnownTypeExtractsNothingAndIsNoSuccess) {
  const std::wstring text = temp.WriteFile(L"notes.txt", "text");
  core::PrivateState.SetArcStatus(true);
  core::PrivateState.SetArcFileName(L"C:\\kept.lzh");
  operations::UnPackArchive(nullptr, text, true, L"");
  EXPECT_FALSE(core::PrivateState.ArcStatus());
  EXPECT_EQ(L"C:\\kept.lzh", core::PrivateState.ArcFileName());
  EXPECT_TRUE(LogLines().empty());
}

}  // namespace
