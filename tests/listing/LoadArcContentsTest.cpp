// LoadArcContents and the state with no archive open, over the hidden entry list.
#include "ListingFixture.h"
#include "archiver/listing/LoadArcContents.h"
#include "core/modTolvenar.h"

namespace listingtest {
namespace {

using archiver::listing::LoadArcContents;
using ::testing::ElementsAre;

void ExpectBaseImages(const winui::ImageList& list) {
  EXPECT_EQ(4, list.Count());
  int index = 0;
  for (const wchar_t* key : {L"Closed", L"Leaf", L"Archive", L"Application"}) EXPECT_EQ(index++, list.IndexOf(key));
}

TEST_F(ListingTest, ClearOnlyEmptiesTheListAndLeavesTheBaseImages) {
  form_.lvListView.AddItem(L"old");
  form_.sbStatusBar.SetPanelText(1, L"前の表示");
  core::NewArcCount = 3;
  std::wstring path = temp_ / L"any.lzh";
  bool flag = false;
  LoadArcContents(path, L"LZH", true, flag);

  EXPECT_EQ(0, form_.lvListView.Count());
  ExpectBaseImages(form_.ImgListDummy);
  ExpectBaseImages(form_.ImgListLargeDummy);
  EXPECT_EQ(L"前の表示", form_.sbStatusBar.PanelText(1));
  EXPECT_EQ(3, core::NewArcCount);
  EXPECT_TRUE(calls_.empty());
}

TEST_F(ListingTest, ANewArchiveNeverWrittenOnlyLowersTheCount) {
  struct Case {
    int before, after;
  } cases[] = {{2, 1}, {0, 0}};
  for (const Case& c : cases) {
    core::NewArcCount = c.before;
    calls_.clear();
    std::wstring path = temp_ / L"work\\tvtemp00\\Arc\\$New0003.lzh";
    bool flag = false;
    LoadArcContents(path, L"LZH", false, flag);
    EXPECT_EQ(c.after, core::NewArcCount);
    EXPECT_EQ(0, form_.lvListView.Count());
    EXPECT_TRUE(calls_.empty()) << "no hourglass, no reader";
    EXPECT_EQ(L"", form_.sbStatusBar.PanelText(1));
  }
}

TEST_F(ListingTest, ATypeNameWithoutReaderListsNothingAndShowsNoMessage) {
  std::wstring path = Fixture(L"a.lzh", "RAR", "entry a.txt\r\n");
  for (const wchar_t* type : {L"lzh", L"LZS", L""}) {
    calls_.clear();
    List(path, type);
    EXPECT_EQ(0, form_.lvListView.Count()) << core::ToUtf8(type);
    EXPECT_THAT(calls_, ElementsAre(L"pointer 11", L"pointer 0"));
    EXPECT_EQ(L"", form_.sbStatusBar.PanelText(1));
  }
  EXPECT_TRUE(boxes_.Shown().empty());
}

TEST_F(ListingTest, AListingPlacesTheProgressReadsSilentlyThenSizesAndSorts) {
  std::wstring path = Fixture(L"a.7z", "7Z", "entry b.txt\r\nentry a.txt\r\n");
  core::Settings.SortIndex = L"0";
  List(path, L"7Z");
  EXPECT_THAT(calls_, ElementsAre(L"pointer 11", L"progress 1", L"eturan 1", L"progress 0", L"autosize 8", L"sort 0",
                                  L"pointer 0"));
  EXPECT_FALSE(core::PrivateState.EturanMode());
  EXPECT_EQ(L"", form_.sbStatusBar.PanelText(1));
  // Rows stay in the library's order: sorting is the browser's.
  EXPECT_EQ(L"b.txt", form_.lvListView.Text(1));
}

TEST_F(ListingTest, TextReadersDoNotPlaceTheProgressAndAnEmptyListIsNeitherSizedNorSorted) {
  std::wstring path = Fixture(L"empty.ace", "ACE", "");
  List(path, L"ACE");
  for (const auto& call : calls_) EXPECT_EQ(0u, call.find(L"pointer ")) << core::ToUtf8(call);
  EXPECT_EQ(L"pointer 0", calls_.back());
}

TEST_F(ListingTest, AMissingArchiveIsReadAndItsReaderReportsIt) {
  boxes_.Expect(L"書庫ファイル \"old.lzh\" の読み込みに失敗しました");
  std::wstring path = temp_ / L"old.lzh";
  List(path, L"LZH");
  EXPECT_EQ(0, form_.lvListView.Count());
  ASSERT_EQ(1u, boxes_.Shown().size());
  EXPECT_EQ(UINT(MB_ICONEXCLAMATION | MB_OK), boxes_.Shown()[0].style);
  EXPECT_EQ(L"とるべなー【瞬間開梱】", boxes_.Shown()[0].title);
  // The default pointer comes back before the message, and once more when the listing ends.
  EXPECT_THAT(calls_,
              ElementsAre(L"pointer 11", L"progress 1", L"eturan 1", L"pointer 0", L"progress 0", L"pointer 0"));
}

TEST_F(ListingTest, TheStateWithoutAnArchiveLeavesOnlyOpeningAndNewArchivesUsable) {
  form_.SetMenuEnabled(form_.IdOf(L"mnuFileOpen"), false);
  archiver::listing::SetNoArchiveState();

  EXPECT_FALSE(GetWindowLongW(form_.lvListView.Hwnd(), GWL_STYLE) & LVS_EDITLABELS);
  for (const wchar_t* name :
       {L"mnuFileArcClose",   L"mnuFileArcAllClose",  L"mnuFileQuickUnPack",      L"mnuFileSaveAs",
        L"mnuFileSFX",        L"mnuFileList",         L"mnuFileConvert",          L"mnuEditUnPack",
        L"mnuEditQuickView",  L"mnuEditNewSwitch",    L"mnuEditExpand",           L"mnuEditDSelectAll",
        L"mnuEditAdd",        L"mnuEditAddFolder",    L"mnuEditDelete",           L"mnuEditApplication",
        L"mnuEditReName",     L"mnuEditTest",         L"mnuPopUpUnPack",          L"mnuPopUpAddPack",
        L"mnuPopUpDelete",    L"mnuPopUpApplication", L"mnuPopUpReName",          L"mnuPopUpQuickView",
        L"mnuPopUpNewSwitch", L"mnuPopUpExpand",      L"mnuTreePopUpArcClose",    L"mnuTreePopUpConvert",
        L"mnuTreePopUpList",  L"mnuTreePopUpUnPack",  L"mnuTreePopUpQuickUnPack", L"mnuTreePopUpSaveAs",
        L"mnuTreePopUpSFX",   L"mnuTreePopUpTest",    L"mnuTreePopUpProperty"})
    EXPECT_FALSE(form_.MenuEnabled(form_.IdOf(name))) << core::ToUtf8(name);
  EXPECT_FALSE(form_.MenuEnabled(form_.IdOf(L"mnuEditAction", 0)));
  EXPECT_FALSE(form_.MenuEnabled(form_.IdOf(L"mnuPopUpAction", 0)));
  EXPECT_FALSE(form_.MenuEnabled(form_.IdOf(L"mnuToolJpeg", 0)));
  EXPECT_FALSE(form_.MenuEnabled(form_.IdOf(L"mnuToolJpeg", 1)));
  EXPECT_TRUE(form_.MenuEnabled(form_.IdOf(L"mnuEditPack")));
  EXPECT_TRUE(form_.MenuEnabled(form_.IdOf(L"mnuEditFolderPack")));
  EXPECT_FALSE(form_.MenuEnabled(form_.IdOf(L"mnuFileOpen"))) << "other items keep their state";

  std::vector<std::wstring> enabled;
  for (const wchar_t* key : {L"Open", L"Close", L"AllClose", L"SaveAs", L"View", L"AddPack", L"AddFolderPack", L"Trush",
                             L"UnPack", L"Pack", L"FolderPack", L"All"})
    if (form_.tbToolBar.ButtonEnabled(key)) enabled.push_back(key);
  EXPECT_THAT(enabled, ElementsAre(L"Open", L"Pack", L"FolderPack"));
  EXPECT_TRUE(form_.tbToolBar.ButtonEnabled(L"Option"));
}

}  // namespace
}  // namespace listingtest
