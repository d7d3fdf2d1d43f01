// IShellExtInit::Initialize: the dropped-file list becomes the selection line of short paths.
#include "ExtensionFixture.h"

#include "TempDir.h"

namespace shtest {
namespace {

class InitializeTest : public ComTest {
 protected:
  void SetUp() override {
    ComTest::SetUp();
    init_ = Create<IShellExtInit>();
    ASSERT_NE(init_.Get(), nullptr);
    ASSERT_EQ(init_.As(&dispatch_), S_OK);
  }
  std::wstring Selection() { return FileProperty(dispatch_.Get()).Get().value_or(L"<failed>"); }

  testsupport::TempDir dir_;
  ComPtr<IShellExtInit> init_;
  ComPtr<IDispatch> dispatch_;
};

TEST_F(InitializeTest, JoinsShortPathsOfTheSelectionInOrder) {
  std::wstring longName = dir_.WriteFile(L"長いファイル名の書類 2026.txt", "x");
  std::wstring plain = dir_.WriteFile(L"A.TXT", "x");
  std::wstring folder = dir_ / L"Sub Folder With Long Name";
  ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
  std::wstring shortLong = PlatformShortPath(longName);
  std::wstring shortFolder = PlatformShortPath(folder);
  ASSERT_NE(shortLong, longName) << "the volume gives no short names";
  ASSERT_EQ(shortLong.find(L' '), std::wstring::npos);

  DropData data({longName, plain, folder});
  ASSERT_EQ(init_->Initialize(nullptr, &data, nullptr), S_OK);
  EXPECT_EQ(Selection(), shortLong + L" " + PlatformShortPath(plain) + L" " + shortFolder);
  EXPECT_EQ(data.References(), 1) << "the data object stays the caller's";
}

TEST_F(InitializeTest, LeavesOutItemsThatNoLongerExist) {
  std::wstring first = dir_.WriteFile(L"first.txt", "1");
  std::wstring last = dir_.WriteFile(L"last.txt", "2");
  DropData data({first, dir_ / L"deleted meanwhile.txt", last});
  ASSERT_EQ(init_->Initialize(nullptr, &data, nullptr), S_OK);
  EXPECT_EQ(Selection(), PlatformShortPath(first) + L" " + PlatformShortPath(last));
}

TEST_F(InitializeTest, AnEmptyListGivesAnEmptySelectionAndReplacesTheLastOne) {
  std::wstring file = dir_.WriteFile(L"one.txt", "1");
  DropData one({file});
  ASSERT_EQ(init_->Initialize(nullptr, &one, nullptr), S_OK);
  ASSERT_EQ(Selection(), PlatformShortPath(file));
  DropData none({});
  ASSERT_EQ(init_->Initialize(nullptr, &none, nullptr), S_OK);
  EXPECT_EQ(Selection(), L"");
}

TEST_F(InitializeTest, WithoutADroppedFileListAnswersTheDataObjectsFailureAndKeepsTheSelection) {
  std::wstring file = dir_.WriteFile(L"kept.txt", "1");
  DropData list({file});
  ASSERT_EQ(init_->Initialize(nullptr, &list, nullptr), S_OK);

  DropData noList({file}, false);
  EXPECT_EQ(init_->Initialize(nullptr, &noList, nullptr), DV_E_FORMATETC);
  EXPECT_EQ(Selection(), PlatformShortPath(file));
  EXPECT_EQ(noList.References(), 1);
}

TEST_F(InitializeTest, RefusesAMissingDataObject) {
  EXPECT_EQ(init_->Initialize(nullptr, nullptr, nullptr), E_INVALIDARG);
  EXPECT_EQ(Selection(), L"");
}

}  // namespace
}  // namespace shtest
