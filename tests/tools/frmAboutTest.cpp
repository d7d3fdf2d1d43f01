// The About box under Wine with the stand-ins on the search path: every library's version ("Not
// Installed" for one removed), the links under the mouse, the download question on a double click, and
// the ways it closes.
#include "tools/frmAbout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "KeyInput.h"
#include "ScriptedMsgBox.h"
#include "TempDir.h"
#include "ToolFakes.h"
#include "ToolFixtures.h"
#include "TopMostCheck.h"
#include "tools/ToolCommands.h"
#include "winui/Resources.h"

namespace {

using tools::frmAbout;

class frmAboutTest : public ::testing::Test {
 protected:
  void SetUp() override {
    standins.Configure(toolstest::kVersionsIni);
    standins.Remove(L"unrar32.dll");
    standins.Remove(L"ace.exe");
  }
  void TearDown() override { form.Unload(); }
  HWND List() { return GetDlgItem(form.Hwnd(), frmAbout::ID_lstVersion); }
  // Moves the mouse over a window and lets the loop deliver it.
  static void MoveOver(HWND window) {
    PostMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
    winui::DoEvents();
  }
  std::vector<COLORREF> Links() {
    std::vector<COLORREF> colours;
    for (int i = 1; i < frmAbout::kLinkCount; ++i) colours.push_back(form.LinkColour(i));
    return colours;
  }

  testsupport::TempDir temp;
  toolstest::StandinCopies standins{temp};
  testsupport::FakeMainWindow link;
  core::ScopedMainWindowLink linkSeam{link};
  testsupport::ScriptedMsgBox boxes;
  testsupport::FakeProcesses processes;
  core::ScopedProcessSeam processSeam{processes};
  frmAbout form;
};

TEST_F(frmAboutTest, ListsEveryLibraryToolAndFileWithItsVersionOrDate) {
  ASSERT_TRUE(form.Load());
  HWND list = List();
  ASSERT_NE(nullptr, list) << "the list is found by its id";
  ASSERT_EQ(tools::kAboutRowCount, SendMessageW(list, LB_GETCOUNT, 0, 0));
  std::vector<std::wstring> shown;
  for (int row = 0; row < tools::kAboutRowCount; ++row) {
    const std::wstring text = form.lstVersion.List(row);
    const size_t tab = text.find(L'\t'), secondTab = text.find(L'\t', tab + 1);
    ASSERT_NE(std::wstring::npos, secondTab) << row;
    shown.push_back(text.substr(0, tab) + L" " + text.substr(tab + 1, secondTab - tab - 1));
    EXPECT_EQ(L"http://", text.substr(secondTab + 1, 7)) << "its download page: " << row;
  }
  EXPECT_EQ(toolstest::kAboutWithoutUnrarAndAce, shown);
  EXPECT_EQ(0, SendMessageW(list, LB_GETCURSEL, 0, 0));
  EXPECT_TRUE(GetWindowLongW(list, GWL_STYLE) & LBS_USETABSTOPS) << "rows laid out at tab stops";
  // Rows scroll sideways as far as 120 blanks and a "B" reach in the window's font.
  HDC dc = GetDC(list);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(list, WM_GETFONT, 0, 0)));
  SIZE reach{};
  GetTextExtentPoint32W(dc, (std::wstring(120, L' ') + L"B").c_str(), 121, &reach);
  SelectObject(dc, old);
  ReleaseDC(list, dc);
  EXPECT_NEAR(reach.cx, SendMessageW(list, LB_GETHORIZONTALEXTENT, 0, 0), 1);
  EXPECT_EQ(L"ダブルクリックでダウンロードサイトを開きます", form.lstVersion.ToolTipText());

  EXPECT_EQ(L"バージョン情報", form.Caption());
  EXPECT_EQ(L"1.6.8", form.lblVersion.Caption()) << "major, minor and revision of the program";
  EXPECT_EQ(0u, form.lblOS.Caption().find(L"OS : "));
  EXPECT_EQ(0u, form.lblIE.Caption().find(L"IE : "));
}

TEST_F(frmAboutTest, EveryOpeningReadsTheLibrariesAnew) {
  int shown = 0;
  toolstest::ModalScript script([&](winui::Form& opened) {
    auto& about = dynamic_cast<frmAbout&>(opened);
    ++shown;
    EXPECT_EQ(L"UNLHA32.DLL\tNot Installed", about.lstVersion.List(0).substr(0, 25));
    SendMessageW(about.CmdOk.Hwnd(), BM_CLICK, 0, 0);
    EXPECT_FALSE(about.IsLoaded());
  });
  standins.Remove(L"unlha32.dll");
  tools::ShowAbout(nullptr);
  EXPECT_EQ(1, shown);
}

TEST_F(frmAboutTest, LinksTurnRedUnderTheMouseAndBlueOverTheWindow) {
  ASSERT_TRUE(form.Load());
  const COLORREF blue = frmAbout::kLinkBlue, red = frmAbout::kLinkRed;
  EXPECT_EQ((std::vector<COLORREF>{blue, blue, blue, blue}), Links());
  MoveOver(form.Label1(1).Hwnd());
  MoveOver(form.Label1(3).Hwnd());
  EXPECT_EQ((std::vector<COLORREF>{red, blue, red, blue}), Links());
  // Over the list the first link keeps its colour; only the window's background sets it back.
  MoveOver(List());
  EXPECT_EQ((std::vector<COLORREF>{red, blue, blue, blue}), Links());
  MoveOver(form.Label1(0).Hwnd());
  EXPECT_EQ((std::vector<COLORREF>{red, blue, blue, blue}), Links()) << "the plain line is no link";
  MoveOver(form.Hwnd());
  EXPECT_EQ((std::vector<COLORREF>{blue, blue, blue, blue}), Links());
}

TEST_F(frmAboutTest, ClickingALinkOpensItsCaption) {
  ASSERT_TRUE(form.Load());
  toolstest::ClickAt(form.Label1(0).Hwnd());
  winui::DoEvents();
  EXPECT_TRUE(processes.opened.empty()) << "the plain line opens nothing";
  for (int i = 1; i < frmAbout::kLinkCount; ++i) {
    toolstest::ClickAt(form.Label1(i).Hwnd());
    winui::DoEvents();
  }
  const std::vector<std::wstring> opened = {
      L"open " + std::wstring(tools::kAboutLinks[0]), L"open " + std::wstring(tools::kAboutLinks[1]),
      L"open " + std::wstring(tools::kAboutLinks[2]), L"open " + std::wstring(tools::kAboutLinks[3])};
  EXPECT_EQ(opened, toolstest::Executed(processes));
  EXPECT_EQ(0u, std::wstring(tools::kAboutLinks[0]).find(L"mailto:"));
}

TEST_F(frmAboutTest, LinksShowTheProgramsHandWithItsFingertipAsHotSpot) {
  ASSERT_TRUE(form.Load());
  HCURSOR hand = winui::LoadCursorRes(frmAbout::kHandCursor);
  ASSERT_NE(nullptr, hand) << "the program carries the hand";
  EXPECT_EQ(hand, form.HandCursor());
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(hand, &info));
  EXPECT_EQ(12u, info.xHotspot);
  EXPECT_EQ(1u, info.yHotspot);
  DeleteObject(info.hbmMask);
  if (info.hbmColor) DeleteObject(info.hbmColor);

  for (int i = 0; i < frmAbout::kLinkCount; ++i) {
    HWND label = form.Label1(i).Hwnd();
    SetCursor(LoadCursorW(nullptr, IDC_ARROW));
    SendMessageW(label, WM_SETCURSOR, reinterpret_cast<WPARAM>(label), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(i > 0, GetCursor() == hand) << i;
  }
}

TEST_F(frmAboutTest, ADoubleClickOnARowAsksBeforeOpeningItsPage) {
  ASSERT_TRUE(form.Load());
  const std::wstring cabRow = form.lstVersion.List(3);
  const std::wstring url = cabRow.substr(cabRow.rfind(L'\t') + 1);
  RECT row;
  SendMessageW(List(), LB_GETITEMRECT, 3, reinterpret_cast<LPARAM>(&row));
  auto doubleClick = [&] {
    LPARAM at = MAKELPARAM(row.left + 5, (row.top + row.bottom) / 2);
    PostMessageW(List(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(List(), WM_LBUTTONUP, 0, at);
    PostMessageW(List(), WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    PostMessageW(List(), WM_LBUTTONUP, 0, at);
    winui::DoEvents();
  };
  boxes.Expect(L"ダウンロードサイトへ接続しますか\r\n" + url, IDCANCEL);
  doubleClick();
  EXPECT_EQ(3, form.lstVersion.ListIndex());
  EXPECT_TRUE(processes.opened.empty());
  boxes.Expect(L"ダウンロードサイトへ接続しますか\r\n" + url, IDOK);
  doubleClick();
  EXPECT_EQ(std::vector<std::wstring>{L"open " + url}, toolstest::Executed(processes));
  EXPECT_TRUE(boxes.AllShown());
}

TEST_F(frmAboutTest, TopMostUnlessNeverTopIsZero) { testsupport::ExpectTopMostUnlessNeverTopIsZero(form, link); }

TEST_F(frmAboutTest, EscAndEnterCloseAndPutTheMainWindowBackOnTopTheCloseBoxDoesNot) {
  HWND main = CreateWindowExW(0, L"STATIC", L"main", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(nullptr, main);
  link.mainWindow = main;
  link.neverTop = L"1";
  const struct {
    const char* how;
    void (*close)(frmAbout&);
    bool mainOnTop;
  } cases[] = {
      {"Esc", [](frmAbout& f) { winuitest::Key(f.lstVersion.Hwnd(), VK_ESCAPE); }, true},
      {"Enter", [](frmAbout& f) { winuitest::Key(f.lstVersion.Hwnd(), VK_RETURN); }, true},
      {"OK",
       [](frmAbout& f) {
         toolstest::ClickAt(f.CmdOk.Hwnd());
         winui::DoEvents();
       },
       true},
      {"close box", [](frmAbout& f) { SendMessageW(f.Hwnd(), WM_CLOSE, 0, 0); }, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.how);
    SetWindowPos(main, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ASSERT_TRUE(form.Load());
    c.close(form);
    EXPECT_FALSE(form.IsLoaded());
    EXPECT_EQ(c.mainOnTop, testsupport::IsTopMost(main));
  }
  DestroyWindow(main);
}

}  // namespace
