// The form's life, its twips geometry, the modal loop and its seam, and handler exceptions.
#include "winui/Form.h"

#include <gtest/gtest.h>

#include "ProbeForm.h"
#include "WindowGuard.h"
#include "winui/App.h"

namespace {

using probe::frmProbe;

TEST(Twips, ConvertAtTheScreenDpiAndAtAnOverride) {
  ASSERT_EQ(winui::ScreenDpiX(), 96) << "the test prefix runs at 96 DPI";
  struct Case {
    int dpi;
    int twips;
    int pixels;
  };
  const Case cases[] = {{96, 1440, 96}, {96, 15, 1}, {96, 7005, 467}, {120, 1440, 120}, {144, 3270, 327}};
  for (const Case& c : cases) {
    winui::SetDpiForTesting(c.dpi);
    EXPECT_EQ(winui::TwipsToPixelsX(c.twips), c.pixels) << c.dpi << " dpi, " << c.twips << " twips";
    EXPECT_EQ(winui::TwipsToPixelsY(c.twips), c.pixels);
    EXPECT_EQ(winui::PixelsToTwipsX(c.pixels), c.twips) << "back to twips";
  }
  winui::SetDpiForTesting(0);
}

TEST(Form, LoadCreatesEverythingHiddenAndRunsFormLoad) {
  frmProbe form;
  EXPECT_FALSE(form.IsLoaded());
  EXPECT_EQ(form.txtName.Hwnd(), nullptr) << "no window before Load";
  ASSERT_TRUE(form.Load());
  EXPECT_FALSE(IsWindowVisible(form.Hwnd()));
  EXPECT_EQ(form.log, std::vector<std::wstring>{L"Form_Load"});
  EXPECT_EQ(form.Caption(), L"プローブ");
  for (int id = probe::ID_txtName; id < probe::ID_timTick; ++id) EXPECT_NE(form.Item(id), nullptr) << form.NameOf(id);
  EXPECT_EQ(GetDlgCtrlID(form.Item(probe::ID_txtName)), probe::ID_txtName) << "ids are the window ids";
  EXPECT_EQ(GetParent(form.optSmall.Hwnd()), form.fraSize.Hwnd()) << "controls sit in their container";
  EXPECT_FALSE(form.picBar.Visible());
  EXPECT_TRUE(form.txtName.Visible());
  EXPECT_TRUE(form.Load()) << "loading twice keeps the loaded form";
  EXPECT_EQ(form.log.size(), 1u);
}

TEST(Form, ControlsArePlacedInTwipsAt96Dpi) {
  frmProbe form;
  ASSERT_TRUE(form.Load());
  EXPECT_EQ(form.ScaleWidth(), 9000);
  EXPECT_EQ(form.ScaleHeight(), 6000);
  RECT r{};
  GetWindowRect(form.txtName.Hwnd(), &r);
  MapWindowPoints(HWND_DESKTOP, form.Hwnd(), reinterpret_cast<POINT*>(&r), 2);
  EXPECT_EQ(r.left, 80);
  EXPECT_EQ(r.top, 40);
  EXPECT_EQ(r.right - r.left, 200);
  EXPECT_EQ(r.bottom - r.top, 20);
  EXPECT_EQ(form.txtName.Left(), 1200);
  EXPECT_EQ(form.txtName.Width(), 3000);
  EXPECT_EQ(form.optLarge.Top(), 540) << "relative to its frame";
  form.txtName.Move(300, 450, 1500, 330);
  EXPECT_EQ(form.txtName.Left(), 300);
  EXPECT_EQ(form.txtName.Top(), 450);
  EXPECT_EQ(form.txtName.Width(), 1500);
  EXPECT_EQ(form.txtName.Height(), 330);
}

TEST(Form, UsesTheJapaneseUiFontOrFallsBack) {
  frmProbe form;
  ASSERT_TRUE(form.Load());
  LOGFONTW lf{};
  ASSERT_TRUE(GetObjectW(form.Font(), sizeof lf, &lf));
  EXPECT_EQ(std::wstring(lf.lfFaceName), L"MS UI Gothic");
  EXPECT_EQ(lf.lfHeight, -12) << "9 points at 96 DPI";
  EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(form.txtName.Hwnd(), WM_GETFONT, 0, 0)), form.Font());

  static const winui::FormDef odd{L"Tolvenar.Tests.odd",
                                  L"odd",
                                  1500,
                                  1500,
                                  winui::BorderStyle::FixedDialog,
                                  false,
                                  false,
                                  winui::StartPosition::Manual,
                                  false,
                                  L"存在しない書体"};
  winui::Form plain(odd, {});
  ASSERT_TRUE(plain.Load());
  EXPECT_EQ(plain.Font(), GetStockObject(DEFAULT_GUI_FONT));
}

TEST(Form, QueryUnloadCanCancelAndCloseBoxUnloads) {
  frmProbe form;
  ASSERT_TRUE(form.Load());
  form.queryUnloadCancel = 1;
  EXPECT_FALSE(form.Unload());
  EXPECT_TRUE(form.IsLoaded());
  EXPECT_EQ(form.log.back(), L"Form_QueryUnload");

  form.queryUnloadCancel = 0;
  SendMessageW(form.Hwnd(), WM_CLOSE, 0, 0);
  EXPECT_FALSE(form.IsLoaded());
  EXPECT_EQ(form.lastUnloadMode, winui::UnloadMode::ControlMenu);
  EXPECT_EQ(form.log.back(), L"Form_Unload");
  EXPECT_EQ(form.txtName.Hwnd(), nullptr);
  EXPECT_EQ(form.txtName.Text(), L"") << "wrappers of an unloaded form are inert";

  form.log.clear();
  ASSERT_TRUE(form.Load()) << "an unloaded form loads again";
  EXPECT_EQ(form.log, std::vector<std::wstring>{L"Form_Load"});
}

TEST(Form, AHandlerMayUnloadItsOwnFormWhileTheClickIsUnderWay) {
  frmProbe form;
  ASSERT_TRUE(form.Load());
  form.On(probe::ID_cmdCancel, winui::Event::Click, [&](winui::EventArgs&) { form.Unload(); });
  int mouseUps = 0;
  form.On(probe::ID_cmdCancel, winui::Event::MouseUp, [&](winui::EventArgs&) { ++mouseUps; });
  // A click runs through the button's own mouse handling, which goes on after the handler returns.
  SendMessageW(form.Item(probe::ID_cmdCancel), BM_CLICK, 0, 0);
  EXPECT_FALSE(form.IsLoaded());
  EXPECT_EQ(mouseUps, 0) << "no events from a form that is gone";
  EXPECT_EQ(form.log.back(), L"Form_Unload");
}

TEST(Form, ExceptionInAHandlerStaysInsideTheWindowProcedure) {
  frmProbe form;
  ASSERT_TRUE(form.Load());
  std::vector<std::wstring> reports;
  winui::HandlerErrorSink previous =
      winui::SetHandlerErrorSink([&](winui::Form&, const std::wstring& where, const std::wstring& what) {
        reports.push_back(where + L": " + what);
      });
  // As a user's click arrives: through the window procedure.
  SendMessageW(form.Item(probe::ID_cmdThrow), BM_CLICK, 0, 0);
  EXPECT_TRUE(form.Raise(probe::ID_cmdThrow, winui::Event::Click)) << "raised by hand too";
  winui::SetHandlerErrorSink(previous);
  ASSERT_EQ(reports.size(), 2u);
  EXPECT_EQ(reports[0], L"cmdThrow: handler failed");
  EXPECT_TRUE(form.IsLoaded());
  form.cmdOK.Click();
  EXPECT_EQ(form.log.back(), L"cmdOK_Click") << "the form keeps working";
}

TEST(Form, ModalHookRunsInsteadOfTheNestedLoop) {
  frmProbe owner;
  ASSERT_TRUE(owner.Load());
  frmProbe dialog;
  bool ownerEnabledInside = false;
  winui::ModalHook previous = winui::SetModalHook([&](winui::Form& shown) {
    EXPECT_EQ(&shown, &dialog);
    EXPECT_TRUE(shown.IsLoaded());
    EXPECT_TRUE(shown.IsModal());
    EXPECT_FALSE(shown.Visible());
    ownerEnabledInside = IsWindowEnabled(owner.Hwnd());
    dialog.txtName.SetText(L"入力");
    dialog.cmdOK.Click();
  });
  dialog.ShowModal(owner.Hwnd());
  winui::SetModalHook(previous);
  EXPECT_TRUE(ownerEnabledInside) << "the hook does not disable the owner";
  EXPECT_FALSE(dialog.IsModal());
  EXPECT_EQ(dialog.txtName.Text(), L"入力");
  EXPECT_EQ(dialog.log.back(), L"cmdOK_Click");
}

TEST(Form, RealModalLoopDisablesTheOwnerUntilTheFormHides) {
  testsupport::AllowWindows allow;
  frmProbe owner;
  ASSERT_TRUE(owner.Load());
  frmProbe dialog;
  ASSERT_TRUE(dialog.Load(owner.Hwnd()));
  bool ownerEnabledInside = true;
  dialog.On(probe::ID_cmdOK, winui::Event::Click, [&](winui::EventArgs&) {
    ownerEnabledInside = IsWindowEnabled(owner.Hwnd());
    dialog.Hide();
  });
  // Showing puts the focus on the first Tab stop; from there Enter reaches the default button through the
  // dialog keys of the nested loop.
  dialog.On(probe::ID_txtName, winui::Event::GotFocus,
            [&](winui::EventArgs&) { PostMessageW(dialog.Item(probe::ID_txtName), WM_KEYDOWN, VK_RETURN, 1); });
  // On a loaded machine the new window may not be active yet when the loop starts: then the focus is
  // nowhere, and the first tick puts it on the box. Should the focus go elsewhere, a later tick ends the
  // loop so that the test fails instead of hanging.
  int ticks = 0;
  dialog.On(probe::ID_timTick, winui::Event::Timer, [&](winui::EventArgs&) {
    if (++ticks < 5 && GetFocus() == nullptr) {
      SetForegroundWindow(dialog.Hwnd());
      SetFocus(dialog.Item(probe::ID_txtName));
      return;
    }
    ADD_FAILURE() << "Enter did not arrive; focus on " << GetFocus();
    dialog.Hide();
  });
  dialog.timTick.SetInterval(3000);
  dialog.timTick.SetEnabled(true);
  dialog.ShowModal(owner.Hwnd());
  dialog.timTick.SetEnabled(false);
  EXPECT_FALSE(ownerEnabledInside);
  EXPECT_TRUE(IsWindowEnabled(owner.Hwnd()));
  EXPECT_FALSE(dialog.Visible());
  EXPECT_TRUE(dialog.IsLoaded()) << "hiding ends the loop without unloading";
}

TEST(Form, BorderStylesAndStartPositions) {
  struct Case {
    winui::BorderStyle border;
    bool maxButton;
    DWORD styleOn, styleOff, exOn;
  };
  const Case cases[] = {
      {winui::BorderStyle::Sizable, true, WS_THICKFRAME | WS_MAXIMIZEBOX | WS_MINIMIZEBOX, 0, WS_EX_APPWINDOW},
      {winui::BorderStyle::Sizable, false, WS_THICKFRAME | WS_MINIMIZEBOX, WS_MAXIMIZEBOX, 0},
      {winui::BorderStyle::FixedSingle, true, WS_CAPTION | WS_MAXIMIZEBOX, WS_THICKFRAME, 0},
      {winui::BorderStyle::FixedDialog, true, WS_CAPTION | WS_SYSMENU, WS_THICKFRAME | WS_MAXIMIZEBOX | WS_MINIMIZEBOX,
       WS_EX_DLGMODALFRAME},
      {winui::BorderStyle::FixedToolWindow, true, WS_CAPTION, WS_THICKFRAME | WS_MAXIMIZEBOX, WS_EX_TOOLWINDOW},
  };
  for (const Case& c : cases) {
    winui::FormDef def{L"Tolvenar.Tests.border",          L"枠", 3000, 1500, c.border, true, c.maxButton,
                       winui::StartPosition::CenterScreen};
    winui::Form form(def, {});
    ASSERT_TRUE(form.Load());
    DWORD style = GetWindowLongW(form.Hwnd(), GWL_STYLE);
    DWORD ex = GetWindowLongW(form.Hwnd(), GWL_EXSTYLE);
    EXPECT_EQ(style & c.styleOn, c.styleOn) << static_cast<int>(c.border);
    EXPECT_EQ(style & c.styleOff, 0u) << static_cast<int>(c.border);
    EXPECT_EQ(ex & c.exOn, c.exOn) << static_cast<int>(c.border);
    EXPECT_EQ(form.ScaleWidth(), 3000);
    RECT r{};
    GetWindowRect(form.Hwnd(), &r);
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_NEAR((r.left + r.right) / 2, (work.left + work.right) / 2, 1) << "centred on the screen";
  }

  frmProbe owner;
  ASSERT_TRUE(owner.Load());
  owner.Move(0, 0, 6000, 4500);
  static const winui::FormDef child{L"Tolvenar.Tests.child",         L"子", 1500,  750,
                                    winui::BorderStyle::FixedDialog, false, false, winui::StartPosition::CenterOwner};
  winui::Form dialog(child, {});
  ASSERT_TRUE(dialog.Load(owner.Hwnd()));
  EXPECT_EQ(GetWindow(dialog.Hwnd(), GW_OWNER), owner.Hwnd());
  RECT o{}, d{};
  GetWindowRect(owner.Hwnd(), &o);
  GetWindowRect(dialog.Hwnd(), &d);
  EXPECT_NEAR((d.left + d.right) / 2, (o.left + o.right) / 2, 1) << "centred on its owner";
  EXPECT_NEAR((d.top + d.bottom) / 2, (o.top + o.bottom) / 2, 1);
}

TEST(Form, ControlArraysShareHandlersAndLoadMembers) {
  frmProbe form;
  ASSERT_TRUE(form.Load());
  SendMessageW(form.Hwnd(), WM_COMMAND, MAKEWPARAM(probe::ID_Label2 + 1, STN_CLICKED),
               reinterpret_cast<LPARAM>(form.Label2_1.Hwnd()));
  EXPECT_EQ(form.log.back(), L"Label2_Click 1");
  EXPECT_EQ(form.NameOf(probe::ID_Label2 + 1), L"Label2(1)");
  EXPECT_EQ(form.IdOf(L"Label2", 1), probe::ID_Label2 + 1);
  EXPECT_EQ(form.IdOf(L"txtName"), probe::ID_txtName);

  int id = form.LoadControl(probe::ID_Label2, 5);
  ASSERT_EQ(id, probe::ID_Label2 + 5);
  winui::Label added(&form, id);
  EXPECT_EQ(added.Index(), 5);
  EXPECT_FALSE(added.Visible()) << "a loaded member starts hidden";
  EXPECT_EQ(added.Left(), form.Label2_0.Left());
  EXPECT_EQ(form.LoadControl(probe::ID_Label2, 5), 0) << "an index is loaded once";
  EXPECT_TRUE(form.Raise(id, winui::Event::Click));
  EXPECT_EQ(form.log.back(), L"Label2_Click 5");
  form.UnloadControl(id);
  EXPECT_EQ(form.Item(id), nullptr);
}

TEST(Form, TimerFiresWhileEnabledOnly) {
  frmProbe form;
  ASSERT_TRUE(form.Load());
  auto ticks = [&] { return std::count(form.log.begin(), form.log.end(), L"timTick_Timer"); };
  EXPECT_FALSE(form.timTick.Enabled());
  EXPECT_EQ(form.timTick.Interval(), 10);
  form.timTick.SetEnabled(true);
  for (DWORD start = GetTickCount(); ticks() < 2 && GetTickCount() - start < 3000;) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    winui::DoEvents();
  }
  EXPECT_GE(ticks(), 2);
  form.timTick.SetEnabled(false);
  auto before = ticks();
  for (DWORD start = GetTickCount(); GetTickCount() - start < 200;) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    winui::DoEvents();
  }
  EXPECT_EQ(ticks(), before);
}

TEST(MessageLoop, WaitCursorNestsAndShowsOverTheForm) {
  frmProbe form;
  ASSERT_TRUE(form.Load());
  EXPECT_FALSE(winui::BusyCursor());
  {
    winui::WaitCursor outer;
    {
      winui::WaitCursor inner;
      EXPECT_TRUE(winui::BusyCursor());
    }
    EXPECT_TRUE(winui::BusyCursor()) << "the outer wait still runs";
    SendMessageW(form.txtName.Hwnd(), WM_SETCURSOR, reinterpret_cast<WPARAM>(form.txtName.Hwnd()),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_WAIT));
  }
  EXPECT_FALSE(winui::BusyCursor());
}

TEST(MessageLoop, DoEventsRunsWhatWaitsAndTheLoopEndsWithTheLastForm) {
  ASSERT_EQ(winui::LoadedFormCount(), 0);
  frmProbe first, second;
  ASSERT_TRUE(first.Load());
  PostMessageW(first.Item(probe::ID_cmdOK), BM_CLICK, 0, 0);
  EXPECT_EQ(first.log.back(), L"Form_Load");
  winui::DoEvents();
  EXPECT_EQ(first.log.back(), L"cmdOK_Click");
  // The first form hands over to a second one as it closes: the program goes on with it.
  second.On(probe::ID_timTick, winui::Event::Timer, [&](winui::EventArgs&) { second.Unload(); });
  first.On(probe::ID_cmdCancel, winui::Event::Click, [&](winui::EventArgs&) {
    first.Unload();
    second.Load();
    second.timTick.SetEnabled(true);  // closes it later, after the loop has seen the first form go
  });
  PostMessageW(first.Item(probe::ID_cmdCancel), BM_CLICK, 0, 0);
  EXPECT_EQ(winui::RunMessageLoop(), 0);
  EXPECT_FALSE(first.IsLoaded());
  EXPECT_FALSE(second.IsLoaded());
  EXPECT_EQ(second.log.back(), L"Form_Unload") << "the loop ran until the last form was gone";
  EXPECT_EQ(winui::LoadedFormCount(), 0);
}

}  // namespace
