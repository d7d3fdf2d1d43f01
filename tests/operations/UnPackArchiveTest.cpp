// What follows an extraction: the after-extraction action of each mode (with its question), the
// completion message, and an archive of no known type.
#include "operations/UnPackArchive.h"

#include <gtest/gtest.h>

#include "ExtractFixture.h"
#include "ProgramStateGuard.h"
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
  testsupport::FakeOperationUi ui;
  testsupport::FakeProcesses shell;
  core::ScopedProcessSeam shellSeam{shell};
};

TEST_F(RunAfterUnPackTest, EachModeStartsItsFileAndAsksWhenTold) {
  temp.WriteFile(L"setup.exe", "MZ");
  temp.WriteFile(L"install.exe", "MZ");
  temp.WriteFile(L"readme.txt", "read me");
  const std::wstring setup = temp / L"setup.exe";

  // A program runs itself: no parameters.
  operations::RunAfterUnPack(ui, temp.Path(), L"00");
  EXPECT_EQ(std::vector<std::wstring>{setup + L"|"}, extracttest::Opened(shell));

  shell.opened.clear();
  ui.Expect(Question(L"setup.exe"), IDCANCEL);
  operations::RunAfterUnPack(ui, temp.Path() + L"\\", L"01");
  EXPECT_TRUE(ui.AllAsked());
  EXPECT_EQ(UINT(MB_OKCANCEL | MB_ICONQUESTION), ui.asked.back().style);
  EXPECT_TRUE(shell.opened.empty()) << "Cancel runs nothing";
  ui.Expect(Question(L"setup.exe"), IDOK);
  operations::RunAfterUnPack(ui, temp.Path(), L"01");
  EXPECT_EQ(std::vector<std::wstring>{setup + L"|"}, extracttest::Opened(shell));

  // The read-me file opens with a program, without a question.
  for (const wchar_t* mode : {L"10", L"11"}) {
    shell.opened.clear();
    operations::RunAfterUnPack(ui, temp.Path(), mode);
    ASSERT_EQ(1u, shell.opened.size());
    EXPECT_NE(0u, extracttest::Opened(shell)[0].find(L"|")) << "a program is named";
    EXPECT_TRUE(extracttest::Opened(shell)[0].ends_with(L"|" + core::QuotePath(temp / L"readme.txt")))
        << core::ToUtf8(extracttest::Opened(shell)[0]);
  }
  for (const wchar_t* mode : {L"20", L"21", L"", L"9"}) operations::RunAfterUnPack(ui, temp.Path(), mode);
  EXPECT_EQ(1u, shell.opened.size()) << "no action for the other modes";
  EXPECT_EQ(2u, ui.asked.size());
}

TEST_F(RunAfterUnPackTest, OnlyAPlainFileCountsAndNothingThereDoesNothing) {
  operations::RunAfterUnPack(ui, temp.Path(), L"01");
  operations::RunAfterUnPack(ui, temp.Path(), L"10");
  EXPECT_TRUE(shell.opened.empty());

  // A hidden setup program is not offered; the install program is.
  const std::wstring hidden = temp.WriteFile(L"setup.exe", "MZ");
  SetFileAttributesW(hidden.c_str(), FILE_ATTRIBUTE_HIDDEN);
  temp.WriteFile(L"install.exe", "MZ");
  ui.Expect(Question(L"install.exe"), IDOK);
  operations::RunAfterUnPack(ui, temp.Path(), L"01");
  EXPECT_EQ(std::vector<std::wstring>{(temp / L"install.exe") + L"|"}, extracttest::Opened(shell));
}

TEST(TellExtracted, OnlyAfterASuccessAndWithMessagesOn) {
  testsupport::ProgramStateGuard state;
  testsupport::FakeOperationUi ui;
  for (const bool extracted : {true, false}) {
    for (const wchar_t* message : {L"1", L"0"}) {
      core::Settings.Message = message;
      if (extracted && std::wstring(message) == L"1") ui.Expect(L"ファイルを解凍しました");
      operations::TellExtracted(ui, extracted);
    }
  }
  EXPECT_TRUE(ui.AllAsked());
  ASSERT_EQ(1u, ui.asked.size());
  EXPECT_EQ(UINT(MB_OK | MB_ICONINFORMATION), ui.asked[0].style);
}

class UnPackArchiveTest : public extracttest::StandinTest {
 protected:
  testsupport::FakeOperationUi ui;
};

TEST_F(UnPackArchiveTest, AFileOfNoKnownTypeExtractsNothingAndIsNoSuccess) {
  const std::wstring text = temp.WriteFile(L"notes.txt", "text");
  core::PrivateState.SetArcStatus(true);
  core::PrivateState.SetArcFileName(L"C:\\kept.lzh");
  const operations::JobResult result = operations::UnPackArchive(ui, {text});
  EXPECT_FALSE(result.ok);
  EXPECT_TRUE(result.made.empty());
  EXPECT_TRUE(core::PrivateState.ArcStatus()) << "the job leaves the program's record to its caller";
  EXPECT_EQ(L"C:\\kept.lzh", core::PrivateState.ArcFileName());
  EXPECT_TRUE(ui.asked.empty());
  EXPECT_TRUE(LogLines().empty());
}

}  // namespace
