// Starts the real Tolvenar.exe on four archives made by Debian's archivers and reads its window from
// this process: the tree of open archives, the entry list and the caption, then a click on another
// node, then the close. The program is always ended: closed by WM_CLOSE or, failing that, killed.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "E2EProcess.h"
#include "RemoteControls.h"
#include "Standins.h"

namespace {

using e2e::Env;
using e2e::IsDialog;
using e2e::Program;
using e2e::WaitFor;
using e2e::WindowsOf;

constexpr int kTreeId = 100;  // tvTreeView
constexpr int kListId = 101;  // lvListView
constexpr int kColumns = 9;
enum Column { kName = 0, kSize = 2, kPacked = 3, kRatio = 4, kDate = 5, kFolder = 7 };
const std::wstring kTitle = L"とるべなー【瞬間開梱】 ";
const wchar_t* const kArchives[] = {L"書庫あ.lzh", L"書庫い.zip", L"書庫う.tgz", L"書庫え.cab"};
// "格納サイズ" and "レート" of readme.txt and memo.txt in each archive. The ratio is packed / original
// whichever library reports it: jlha packs the two files into 43 and 15 bytes, zip into 44 and 10 (unzip32
// reports the space saved, which the program turns round); the CAB and TAR rows show fixed texts.
struct Packing {
  const wchar_t* readmePacked;
  const wchar_t* readmeRatio;
  const wchar_t* memoPacked;
  const wchar_t* memoRatio;
};
const Packing kPacking[] = {
    {L"43", L"3.4%", L"15", L"7.5%"},
    {L"44", L"3.5%", L"10", L"5.0%"},
    {L"?,???", L"???.?%", L"?,???", L"???.?%"},
    {L"?,???", L"???.?%", L"?,???", L"???.?%"},
};

const std::vector<std::wstring>* RowNamed(const std::vector<std::vector<std::wstring>>& rows,
                                          const std::wstring& name) {
  for (const auto& row : rows)
    if (row[kName] == name) return &row;
  return nullptr;
}

class TolvenarE2E : public testing::Test {
 protected:
  void SetUp() override {
    run_ = Env(L"TOLVENAR_E2E_RUN");
    ASSERT_FALSE(run_.empty()) << "TOLVENAR_E2E_RUN is not set";
    // The stand-in archivers are found on the program's search path, as the run script places them.
    const std::wstring standins = testsupport::StandinFolder();
    ASSERT_FALSE(standins.empty());
    SetEnvironmentVariableW(L"PATH", (standins + L";" + Env(L"PATH")).c_str());
    for (const wchar_t* name : kArchives) paths_.push_back(run_ + L"\\" + name);
  }

  // Fails with the text of any other window of the program (a message box would wait for a user).
  void ExpectNoOtherWindow() {
    for (HWND window : program_.Running() ? WindowsOf(program_.Id()) : std::vector<HWND>{})
      if (window != main_) ADD_FAILURE() << "unexpected window: " << testing::PrintToString(e2e::WindowText(window));
  }

  // Waits until the caption shows `path` and the list has rows, then reads the rows.
  std::vector<std::vector<std::wstring>> WaitForListing(const std::wstring& path) {
    const std::wstring caption = path + L" - " + kTitle;
    const bool shown = WaitFor(
        [&] { return e2e::WindowText(main_) == caption && SendMessageW(list_, LVM_GETITEMCOUNT, 0, 0) > 0; }, 60);
    EXPECT_TRUE(shown) << "caption " << testing::PrintToString(e2e::WindowText(main_));
    return e2e::ListRows(program_.Handle(), list_, kColumns);
  }

  // The two files every archive holds: readme.txt of 1,234 bytes and doc/memo.txt of 200, both dated
  // 2024-05-06 07:08:10.
  static void ExpectEntries(const std::vector<std::vector<std::wstring>>& rows, const Packing& packing) {
    const auto* readme = RowNamed(rows, L"readme.txt");
    const auto* memo = RowNamed(rows, L"memo.txt");
    ASSERT_NE(readme, nullptr);
    ASSERT_NE(memo, nullptr);
    EXPECT_EQ((*readme)[kSize], L"1,234");
    EXPECT_EQ((*memo)[kSize], L"200");
    EXPECT_EQ((*readme)[kPacked], packing.readmePacked);
    EXPECT_EQ((*readme)[kRatio], packing.readmeRatio);
    EXPECT_EQ((*memo)[kPacked], packing.memoPacked);
    EXPECT_EQ((*memo)[kRatio], packing.memoRatio);
    EXPECT_EQ(Trimmed((*readme)[kFolder]), L"");
    EXPECT_EQ((*memo)[kFolder], L"doc/");
    EXPECT_EQ((*readme)[kDate], L"2024/05/06 07:08:10");
    EXPECT_EQ((*memo)[kDate], L"2024/05/06 07:08:10");
  }
  static std::wstring Trimmed(const std::wstring& text) {
    const size_t first = text.find_first_not_of(L' ');
    return first == std::wstring::npos ? L"" : text.substr(first, text.find_last_not_of(L' ') - first + 1);
  }

  std::wstring run_;
  std::vector<std::wstring> paths_;
  Program program_;
  HWND main_ = nullptr;
  HWND tree_ = nullptr;
  HWND list_ = nullptr;
};

TEST_F(TolvenarE2E, OpensFourArchivesListsThemAndClosesCleanly) {
  std::wstring arguments;
  for (const std::wstring& path : paths_) arguments += L"\"" + path + L"\" ";
  ASSERT_TRUE(program_.Start(run_ + L"\\Tolvenar.exe", arguments, run_)) << GetLastError();

  const std::wstring lastCaption = paths_.back() + L" - " + kTitle;
  ASSERT_TRUE(WaitFor(
      [&] {
        bool dialog = false;
        for (HWND window : WindowsOf(program_.Id())) {
          if (e2e::WindowText(window) == lastCaption) main_ = window;
          dialog = dialog || IsDialog(window);
        }
        return main_ != nullptr || dialog || !program_.Running();
      },
      90))
      << "the main window never showed the last archive";
  ExpectNoOtherWindow();
  ASSERT_NE(main_, nullptr) << "the program ended early or waits on a dialog";
  tree_ = e2e::ChildById(main_, kTreeId);
  list_ = e2e::ChildById(main_, kListId);
  ASSERT_NE(tree_, nullptr);
  ASSERT_NE(list_, nullptr);

  // Four nodes under the root, the last one selected and listed.
  const std::vector<e2e::RemoteNode> nodes = e2e::ChildNodes(program_.Handle(), tree_);
  ASSERT_EQ(nodes.size(), 4u);
  for (size_t i = 0; i < nodes.size(); ++i) EXPECT_EQ(nodes[i].text, kArchives[i]);
  EXPECT_EQ(e2e::SelectedNode(tree_), nodes[3].item);

  auto rows = WaitForListing(paths_[3]);
  ExpectEntries(rows, kPacking[3]);

  // Up one node at a time: each archive is listed in its place.
  for (int node = 2; node >= 0; --node) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(kArchives[node])));
    PostMessageW(tree_, WM_KEYDOWN, VK_UP, 0x00480001);
    PostMessageW(tree_, WM_KEYUP, VK_UP, 0xC0480001);
    rows = WaitForListing(paths_[node]);
    EXPECT_EQ(e2e::SelectedNode(tree_), nodes[node].item);
    ExpectEntries(rows, kPacking[node]);
  }
  ExpectNoOtherWindow();

  PostMessageW(main_, WM_CLOSE, 0, 0);
  ASSERT_EQ(WaitForSingleObject(program_.Handle(), 30000), WAIT_OBJECT_0) << "the program did not end after WM_CLOSE";
  DWORD code = 1;
  GetExitCodeProcess(program_.Handle(), &code);
  EXPECT_EQ(code, 0u);
}

}  // namespace
