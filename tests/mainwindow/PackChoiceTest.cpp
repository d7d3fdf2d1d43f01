// The name a new archive of the compress mode is saved under: the save dialog's answer with the type's
// extension, which becomes the current archive.
#include "mainwindow/PackChoice.h"

#include <gtest/gtest.h>

#include "ProgramStateGuard.h"
#include "SeamFakes.h"
#include "core/Settings.h"
#include "core/modTolvenar.h"

namespace {

class SaveArchiveName : public testing::Test {
 protected:
  void SetUp() override {
    core::Settings.SaveDefaultFlag = L"0";
    core::Settings.OpenFolder = L"C:\\start\\";
    core::PrivateState.SetArcFileName(L"");
  }

  testsupport::ProgramStateGuard state;
  testsupport::FakeCommonDialogs dialogs;
  core::ScopedCommonDialogSeam seam{dialogs};
};

// What the user types in the save dialog is the archive to make, in the folder typed.
TEST_F(SaveArchiveName, TheTypedNameKeepsItsFolder) {
  dialogs.answers = {L"C:\\my.files\\new"};
  EXPECT_EQ(L"C:\\my.files\\new.lzh", mainwindow::GetSaveArchiveName(nullptr, L"LZH", L"base"));
  EXPECT_EQ(L"C:\\my.files\\new.lzh", core::PrivateState.ArcFileName());
  ASSERT_EQ(1u, dialogs.asked.size());
  EXPECT_EQ(L"LHA書庫 (*.lzh)|*.lzh", dialogs.asked[0].filter);
  EXPECT_EQ(L"C:\\start\\", dialogs.asked[0].initialDir);
}

TEST_F(SaveArchiveName, CancelledOrWithoutFilterGivesNoName) {
  EXPECT_EQ(L"", mainwindow::GetSaveArchiveName(nullptr, L"ZIP", L"base"));  // no answer: cancelled
  EXPECT_EQ(L"", mainwindow::GetSaveArchiveName(nullptr, L"BEL", L"base"));
  EXPECT_EQ(1u, dialogs.asked.size());  // none for BEL
  EXPECT_EQ(L"", core::PrivateState.ArcFileName());
}

}  // namespace
