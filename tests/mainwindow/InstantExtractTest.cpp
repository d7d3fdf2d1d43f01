// Instant extraction from the command line ("/e", or archives alone with Shift held) through the whole
// start of the main window: each archive extracted beside itself, a failure reported by name and ending
// the process with a non-zero code, and Ctrl's "no folder per archive" given back to Settings afterwards.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include <windows.h>

#include "MainWindowFixture.h"
#include "Standins.h"
#include "archiver/clsArchive.h"
#include "core/Settings.h"
#include "mainwindow/BatchModes.h"
#include "operations/UnPackArchive.h"

namespace {

// The recorder of the window's work, but for the extraction, which is done for real.
class ExtractingWork : public mwtest::WorkRecorder {
 public:
  int InstantExtract(mainwindow::frmMain& form, bool withoutSubFolders) override {
    return mainwindow::WindowWork::InstantExtract(form, withoutSubFolders);
  }
};

class InstantExtractTest : public mwtest::MainWindowTest {
 protected:
  void SetUp() override {
    ASSERT_FALSE(testsupport::StandinFolder().empty());
    core::Settings.WorkFolder = temp / L"work";
    CreateDirectoryW(core::Settings.WorkFolder.c_str(), nullptr);
    core::Settings.UnpackDefaultFlag = L"1";
    core::Settings.FolderByArc = L"1";
    core::Settings.UnPackExp = L"0";
    core::Settings.UnPackToRun = L"2";
    good = temp / L"good.lzh";
    ASSERT_TRUE(CopyFileW(testsupport::OutsideToolFixture(L"jlha.lzh").c_str(), good.c_str(), FALSE));
    broken = temp.WriteFile(L"broken.lzh", "not an archive at all");
  }
  bool Extracted(const std::wstring& folder) const {
    return GetFileAttributesW((folder + L"\\空.txt").c_str()) != INVALID_FILE_ATTRIBUTES;
  }

  ExtractingWork extracting;
  mainwindow::ScopedWindowWork extractingSeam_{extracting};
  std::wstring good, broken;
};

TEST_F(InstantExtractTest, EveryArchiveIsExtractedBesideItselfAndAFailureEndsWithACode) {
  boxes.Expect(operations::NotExtractedMessage(broken));
  LoadWindow(L"/e \"" + good + L"\" \"" + broken + L"\"");
  EXPECT_TRUE(boxes.AllShown());
  EXPECT_TRUE(Extracted(temp / L"good"));
  ASSERT_EQ(extracting.exitCodes.size(), 1u);
  EXPECT_NE(extracting.exitCodes[0], 0);
}

TEST_F(InstantExtractTest, WithShiftAndCtrlNoFolderIsMadeAndTheOptionComesBack) {
  extracting.keysDown = {VK_SHIFT, VK_CONTROL};
  LoadWindow(L"\"" + good + L"\"");
  EXPECT_TRUE(boxes.Shown().empty());
  EXPECT_TRUE(Extracted(temp.Path()));
  EXPECT_EQ(core::Settings.FolderByArc, L"1");
  ASSERT_EQ(extracting.exitCodes.size(), 1u);
  EXPECT_EQ(extracting.exitCodes[0], 0);
}

}  // namespace
