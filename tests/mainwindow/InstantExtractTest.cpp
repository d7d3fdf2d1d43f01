// Instant extraction from the command line ("/e", or archives alone with Shift held) through the whole
// start of the main window: each archive extracted beside itself, other items passed over quietly, a failure
// reported by name and ending the process with a non-zero code, and Ctrl's "no folder per archive" given
// back to Settings afterwards.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

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

// Items that are no archive are passed over without a word; only the archives decide the exit code, and a
// run with no archive at all made nothing.
TEST_F(InstantExtractTest, ArchivesDecideTheExitCodeAndOtherItemsArePassedOverQuietly) {
  const std::wstring notes = temp.WriteFile(L"notes 1.txt", "not an archive");
  struct Case {
    const char* what;
    std::wstring commandLine;
    std::vector<std::wstring> boxes;
    int exitCode;
  };
  const Case cases[] = {
      {"an archive and a text file", L"/e \"" + good + L"\" \"" + notes + L"\"", {}, 0},
      {"a text file alone", L"/e \"" + notes + L"\"", {}, 1},
      {"the switch alone", L"/e", {}, 1},
      {"a good and a broken archive",
       L"/e \"" + good + L"\" \"" + broken + L"\"",
       {operations::NotExtractedMessage(broken)},
       1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    extracting.exitCodes.clear();
    const size_t before = boxes.Shown().size();
    for (const std::wstring& text : c.boxes) boxes.Expect(text);
    LoadWindow(c.commandLine);
    EXPECT_TRUE(boxes.AllShown());
    EXPECT_EQ(boxes.Shown().size() - before, c.boxes.size());
    ASSERT_EQ(extracting.exitCodes.size(), 1u);
    EXPECT_EQ(extracting.exitCodes[0], c.exitCode);
  }
  EXPECT_TRUE(Extracted(temp / L"good"));
  EXPECT_EQ(testsupport::ReadFileBytes(notes), "not an archive");
  EXPECT_EQ(GetFileAttributesW((temp / L"broken").c_str()), INVALID_FILE_ATTRIBUTES)
      << "the folder made for the failed archive is taken away";
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
