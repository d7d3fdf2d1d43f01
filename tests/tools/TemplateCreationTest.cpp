// The run behind the template list's "圧縮(&P)", with the making of one archive replaced: the question, the
// templates it takes, the instance's own work folder, and the completion message only when every selected
// template's archive was made.
#include "tools/TemplateCreation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ProgramStateGuard.h"
#include "ScriptedMsgBox.h"
#include "TempDir.h"
#include "TemplateFixture.h"
#include "core/Settings.h"
#include "core/Text.h"
#include "core/WorkFolder.h"
#include "core/modTolvenar.h"
#include "tools/TemplateArchive.h"

namespace {

using tools::TemplateArchiveRequest;

class RecordingMaker : public tools::TemplateArchiveMaker {
 public:
  std::vector<TemplateArchiveRequest> made;
  bool answer = true;
  bool workFolderThere = false;
  std::string leaveBehind;  // a file of this name is left in the work folder
  bool Make(HWND, const TemplateArchiveRequest& request) override {
    made.push_back(request);
    const DWORD attributes = GetFileAttributesW(request.workFolder.c_str());
    workFolderThere = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
    if (!leaveBehind.empty()) {
      HANDLE file = CreateFileW((request.workFolder + core::FromUtf8(leaveBehind)).c_str(), GENERIC_WRITE, 0, nullptr,
                                CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
      CloseHandle(file);
    }
    return answer;
  }
};

class TemplateCreationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    core::Settings.WorkFolder = temp.Path();
    ini.Write(
        L"[Template0]\nFolder=C:\\out\nArcName=first\nArcType=0\nMakeSFX=0\nArcCount=2\n"
        L"ArcFile0=C:\\src\\a.txt\nArcFile1=\n"
        L"[Template1]\nFolder=C:\\out\\\nArcName=second\nArcType=9\nArcCount=1\nArcFile0=C:\\src\\b.txt\n");
  }
  void TearDown() override { core::ReleaseTempFolder(); }
  void Question(int answer) { boxes.Expect(tools::kCreateTemplatesQuestion, answer); }

  testsupport::ProgramStateGuard state;
  testsupport::TempDir temp;
  toolstest::TemplateIni ini{temp};
  testsupport::ScriptedMsgBox boxes;
  RecordingMaker maker;
  tools::ScopedTemplateArchiveMaker seam{maker};
};

TEST_F(TemplateCreationTest, AfterTheQuestionTheTemplateIsMadeInThisInstancesWorkFolder) {
  Question(IDOK);
  boxes.Expect(tools::kAllTemplatesCreated);
  EXPECT_TRUE(tools::CreateTemplateArchives(nullptr, {0}));
  EXPECT_TRUE(boxes.AllShown());
  ASSERT_EQ(1u, maker.made.size());
  EXPECT_EQ(
      (TemplateArchiveRequest{
          L"C:\\out", L"first", tools::TemplateType::Lzh, false, {L"C:\\src\\a.txt"}, temp.Path() + L"\\tvtemp00\\"}),
      maker.made[0]);
  EXPECT_TRUE(maker.workFolderThere);
  const std::vector<winui::MsgBoxRequest>& shown = boxes.Shown();
  EXPECT_EQ(static_cast<UINT>(MB_OKCANCEL | MB_ICONQUESTION | MB_SYSTEMMODAL), shown[0].style);
  EXPECT_EQ(static_cast<UINT>(MB_OK | MB_ICONINFORMATION | MB_SYSTEMMODAL), shown[1].style);
}

// The run leaves no work folder of its own behind; the folder the instance works in stays its own.
TEST_F(TemplateCreationTest, TheWorkFolderGoesWhenTheRunClaimedItAndLeftItEmpty) {
  const std::wstring folder = temp / L"tvtemp00";
  struct Case {
    const char* name;
    bool heldBefore;
    std::string leftBehind;
    bool folderStays;
  };
  const Case cases[] = {
      {"claimed by the run, empty afterwards", false, "", false},
      {"claimed by the run, a file left in it", false, "left.txt", true},
      {"the instance's own folder", true, "", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    core::ReleaseTempFolder();
    if (c.heldBefore) ASSERT_TRUE(core::SelectTempFolder());
    maker.leaveBehind = c.leftBehind;
    Question(IDOK);
    boxes.Expect(tools::kAllTemplatesCreated);
    EXPECT_TRUE(tools::CreateTemplateArchives(nullptr, {0}));
    EXPECT_TRUE(maker.workFolderThere);
    EXPECT_EQ(c.folderStays, testsupport::FolderExists(folder));
    EXPECT_EQ(c.folderStays, core::HoldsTempFolder()) << "a folder that stays is still claimed";
    if (!c.leftBehind.empty()) EXPECT_TRUE(testsupport::FileExists(folder + L"\\" + core::FromUtf8(c.leftBehind)));
  }
}

TEST_F(TemplateCreationTest, WhatEndsTheRunWithoutTheCompletionMessage) {
  struct Case {
    const char* name;
    int answer;
    std::vector<int> selected;
    bool makerSucceeds;
    size_t made;
  };
  const Case cases[] = {
      {"Cancel", IDCANCEL, {0}, true, 0},
      {"the maker fails", IDOK, {0}, false, 1},
      {"a type none of the four", IDOK, {1}, true, 0},
      {"a position past the list", IDOK, {2, 0}, true, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    maker.made.clear();
    maker.answer = c.makerSucceeds;
    Question(c.answer);
    EXPECT_FALSE(tools::CreateTemplateArchives(nullptr, c.selected));
    EXPECT_EQ(c.made, maker.made.size());
    EXPECT_TRUE(boxes.AllShown());
  }
  EXPECT_EQ(4u, boxes.Shown().size()) << "no completion message after any of them";
}

TEST_F(TemplateCreationTest, NothingSelectedAsksAndReportsCompletion) {
  Question(IDOK);
  boxes.Expect(tools::kAllTemplatesCreated);
  EXPECT_TRUE(tools::CreateTemplateArchives(nullptr, {}));
  EXPECT_TRUE(boxes.AllShown());
  EXPECT_TRUE(maker.made.empty());
}

TEST_F(TemplateCreationTest, AWorkFolderThatCannotBeMadeFailsThatTemplate) {
  // The folder above the work folder is a file.
  core::Settings.WorkFolder = temp.WriteFile(L"occupied", "x");
  Question(IDOK);
  EXPECT_FALSE(tools::CreateTemplateArchives(nullptr, {0}));
  EXPECT_TRUE(maker.made.empty());
  EXPECT_TRUE(boxes.AllShown());
  EXPECT_EQ(1u, boxes.Shown().size());
}

}  // namespace
