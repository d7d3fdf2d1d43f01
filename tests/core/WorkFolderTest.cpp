// The instance's work folder: which number it takes, that it holds it against other instances, and that
// clearing deletes only what belongs to this instance.
#include "core/WorkFolder.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>

#include "ProgramStateGuard.h"
#include "TempDir.h"
#include "core/Settings.h"
#include "core/modTolvenar.h"

namespace {

using testsupport::FileExists;
using testsupport::FolderExists;
using testsupport::TempDir;

// Holds a folder's lock file open as another running instance would.
class OtherInstanceLock {
 public:
  explicit OtherInstanceLock(const std::wstring& folder) {
    CreateDirectoryW(folder.c_str(), nullptr);
    handle_ = CreateFileW((folder + L"\\" + core::kWorkFolderLockName).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                          FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
  }
  ~OtherInstanceLock() {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
  }
  bool Held() const { return handle_ != INVALID_HANDLE_VALUE; }

 private:
  HANDLE handle_;
};

bool IsHidden(const std::wstring& path) {
  DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_HIDDEN);
}

class WorkFolderTest : public ::testing::Test {
 public:
  void SetUp() override {
    core::Settings.WorkFolder = temp.Path() + L"\\work";
    core::Settings.UnpackDefault = temp.Path() + L"\\unpack";
    core::WorkFolderNo.clear();
  }
  void TearDown() override { core::ReleaseTempFolder(); }
  std::wstring Work(const std::wstring& relative) const { return temp / (work_ + L"\\" + relative); }
  // Writes a file under the work folder of the current case.
  std::wstring Put(const std::wstring& relative, const std::string& bytes = "x") const {
    return temp.WriteFile(work_ + L"\\" + relative, bytes);
  }
  void UseWorkFolder(const std::wstring& name) {
    work_ = name;
    core::Settings.WorkFolder = temp / name;
  }
  std::wstring Unpack(const std::wstring& relative) const { return temp / (L"unpack\\" + relative); }
  void Hide(const std::wstring& path) const { SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_HIDDEN); }

  testsupport::ProgramStateGuard state_;
  TempDir temp;
  std::wstring work_ = L"work";
};

TEST_F(WorkFolderTest, TakesTheFirstFreeNumberAndClaimsIt) {
  struct Case {
    const char* what;
    std::function<void(WorkFolderTest&)> arrange;
    const wchar_t* number;
    const wchar_t* keeps;  // a leftover that must still be there afterwards ("" for none)
  };
  const Case cases[] = {
      {"nothing there", [](WorkFolderTest&) {}, L"00", L""},
      {"00 holds a plain file", [](WorkFolderTest& t) { t.Put(L"tvtemp00\\a.txt"); }, L"01", L"tvtemp00\\a.txt"},
      {"00 empty",
       [](WorkFolderTest& t) {
         t.Put(L"tvtemp00\\a.txt");
         DeleteFileW(t.Work(L"tvtemp00\\a.txt").c_str());
       },
       L"00", L""},
      {"00 holds only a hidden file", [](WorkFolderTest& t) { t.Hide(t.Put(L"tvtemp00\\h.dat")); }, L"00",
       L"tvtemp00\\h.dat"},
      {"00 holds only a sub-folder", [](WorkFolderTest& t) { t.Put(L"tvtemp00\\Arc\\n.lzh"); }, L"00",
       L"tvtemp00\\Arc\\n.lzh"},
      {"00 and 01 busy with files",
       [](WorkFolderTest& t) {
         t.Put(L"tvtemp00\\a");
         t.Put(L"tvtemp01\\b");
       },
       L"02", L"tvtemp01\\b"},
      {"00 has a lock nobody holds (left by a crash)",
       [](WorkFolderTest& t) { t.Hide(t.Put(std::wstring(L"tvtemp00\\") + core::kWorkFolderLockName, "")); }, L"00",
       L""},
  };
  int caseNo = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    UseWorkFolder(L"case" + std::to_wstring(++caseNo));
    c.arrange(*this);
    ASSERT_TRUE(core::SelectTempFolder());
    EXPECT_EQ(c.number, core::WorkFolderNo);
    EXPECT_TRUE(core::HoldsTempFolder());
    std::wstring lock = Work(std::wstring(L"tvtemp") + c.number + L"\\" + core::kWorkFolderLockName);
    EXPECT_TRUE(FileExists(lock));
    EXPECT_TRUE(IsHidden(lock));
    if (*c.keeps) {
      EXPECT_TRUE(FileExists(Work(c.keeps)));
    }
    core::ReleaseTempFolder();
  }
}

TEST_F(WorkFolderTest, NeverTakesAFolderAnotherRunningInstanceHolds) {
  CreateDirectoryW(Work(L"").c_str(), nullptr);
  OtherInstanceLock other(Work(L"tvtemp00"));
  ASSERT_TRUE(other.Held());
  ASSERT_TRUE(core::SelectTempFolder());
  EXPECT_EQ(L"01", core::WorkFolderNo);
  // And the other way round: while this instance runs, its own folder is locked against others.
  OtherInstanceLock third(Work(L"tvtemp01"));
  EXPECT_FALSE(third.Held());
}

TEST_F(WorkFolderTest, WhenAllHundredAreInUseTakesANameOfItsOwnProcess) {
  for (int n = 0; n < 100; ++n) {
    wchar_t name[32];
    wsprintfW(name, L"tvtemp%02d\\busy.txt", n);
    Put(name);
  }
  wchar_t own[16];
  wsprintfW(own, L"P%lX", GetCurrentProcessId());
  ASSERT_TRUE(core::SelectTempFolder());
  EXPECT_EQ(own, core::WorkFolderNo);
  EXPECT_TRUE(FolderExists(Work(std::wstring(L"tvtemp") + own)));

  core::ReleaseTempFolder();
  Put(std::wstring(L"tvtemp") + own + L"\\busy.txt");
  EXPECT_FALSE(core::SelectTempFolder());
  EXPECT_FALSE(core::HoldsTempFolder());
}

TEST_F(WorkFolderTest, ReselectingKeepsItsFolderAndMovesWhenTheSettingChanges) {
  ASSERT_TRUE(core::SelectTempFolder());
  Put(L"tvtemp00\\tv120000.txt", "list");
  ASSERT_TRUE(core::SelectTempFolder());
  EXPECT_EQ(L"00", core::WorkFolderNo);
  EXPECT_TRUE(FileExists(Work(L"tvtemp00\\tv120000.txt")));

  core::Settings.WorkFolder = temp.Path() + L"\\other";
  ASSERT_TRUE(core::SelectTempFolder());
  EXPECT_EQ(L"00", core::WorkFolderNo);
  EXPECT_FALSE(FolderExists(Work(L"tvtemp00")));
  EXPECT_TRUE(FolderExists(temp / L"other\\tvtemp00"));
}

TEST_F(WorkFolderTest, ClearEmptiesItsOwnFolderButKeepsTheClaim) {
  ASSERT_TRUE(core::SelectTempFolder());
  Put(L"tvtemp00\\tv120000.txt", "list");
  std::wstring readOnly = Put(L"tvtemp00\\ro.txt", "x");
  SetFileAttributesW(readOnly.c_str(), FILE_ATTRIBUTE_READONLY);
  Put(L"tvtemp00\\Arc\\$New.lzh", "x");
  Put(L"tvtemp00\\Drag\\out\\e.txt", "x");
  Put(L"tvtemp05\\someone-else.txt", "x");

  core::ClearTempFolder();

  EXPECT_FALSE(FileExists(Work(L"tvtemp00\\tv120000.txt")));
  EXPECT_FALSE(FileExists(readOnly));
  EXPECT_FALSE(FolderExists(Work(L"tvtemp00\\Arc")));
  EXPECT_FALSE(FolderExists(Work(L"tvtemp00\\Drag")));
  EXPECT_TRUE(FileExists(Work(L"tvtemp05\\someone-else.txt")));
  EXPECT_TRUE(core::HoldsTempFolder());
  EXPECT_FALSE(OtherInstanceLock(Work(L"tvtemp00")).Held());

  core::ReleaseTempFolder();
  EXPECT_FALSE(FolderExists(Work(L"tvtemp00")));
  EXPECT_FALSE(core::HoldsTempFolder());
}

TEST_F(WorkFolderTest, ClearLeavesAFolderThisInstanceDoesNotHold) {
  Put(L"tvtemp03\\data.txt", "x");
  core::WorkFolderNo = L"03";
  core::ClearTempFolder();
  EXPECT_TRUE(FileExists(Work(L"tvtemp03\\data.txt")));
}

TEST_F(WorkFolderTest, UsersOwnDragFolderLosesOnlyWhatThisInstancePutThere) {
  std::wstring users = temp.WriteFile(L"unpack\\Drag\\mine.doc", "user");
  std::wstring drag = core::PrepareDragFolder();
  EXPECT_EQ(Unpack(L"Drag"), drag);
  std::wstring ours = temp.WriteFile(L"unpack\\Drag\\entry.txt", "x");
  temp.WriteFile(L"unpack\\Drag\\sub\\inner.txt", "x");
  core::RememberDragItem(ours);
  core::RememberDragItem(Unpack(L"Drag\\sub"));

  core::ClearTempFolder();

  EXPECT_FALSE(FileExists(ours));
  EXPECT_FALSE(FolderExists(Unpack(L"Drag\\sub")));
  EXPECT_TRUE(FileExists(users));
}

TEST_F(WorkFolderTest, DragFolderThisInstanceMadeGoesOnlyWhenNothingElseIsInIt) {
  std::wstring drag = core::PrepareDragFolder();
  ASSERT_TRUE(FolderExists(drag));
  core::RememberDragItem(temp.WriteFile(L"unpack\\Drag\\entry.txt", "x"));
  core::ClearTempFolder();
  EXPECT_FALSE(FolderExists(drag));

  drag = core::PrepareDragFolder();
  core::RememberDragItem(temp.WriteFile(L"unpack\\Drag\\entry.txt", "x"));
  std::wstring users = temp.WriteFile(L"unpack\\Drag\\dropped-by-user.txt", "x");
  core::ClearTempFolder();
  EXPECT_TRUE(FileExists(users));
}

TEST_F(WorkFolderTest, DeleteFilesRemovesWhatMatchesSubFoldersIncluded) {
  temp.WriteFile(L"d\\a.txt", "x");
  std::wstring readOnly = temp.WriteFile(L"d\\b.txt", "x");
  SetFileAttributesW(readOnly.c_str(), FILE_ATTRIBUTE_READONLY);
  temp.WriteFile(L"d\\keep.bin", "x");
  temp.WriteFile(L"d\\sub.txt\\deep\\c.bin", "x");

  EXPECT_TRUE(core::DeleteFiles(temp / L"d\\*.txt"));
  EXPECT_FALSE(FileExists(temp / L"d\\a.txt"));
  EXPECT_FALSE(FileExists(readOnly));
  EXPECT_FALSE(FolderExists(temp / L"d\\sub.txt"));
  EXPECT_TRUE(FileExists(temp / L"d\\keep.bin"));

  EXPECT_TRUE(core::DeleteFiles(temp / L"d\\*.*"));
  EXPECT_FALSE(FileExists(temp / L"d\\keep.bin"));
  EXPECT_TRUE(FolderExists(temp / L"d"));
  EXPECT_TRUE(core::DeleteFiles(temp / L"nothing-here\\*.*"));
  EXPECT_FALSE(core::DeleteFiles(L""));
}

}  // namespace
