// Shows the test form with sample contents for a screenshot (tests/winui/screenshot.sh); not a test.
#include <windows.h>

#include <string>

#include "DialogProbe.h"
#include "ProbeForm.h"
#include "winui/App.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int) {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_COOL_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&icc);
  // "dialog": the settings dialog with tab pages instead, on its second page.
  if (std::wstring(commandLine) == L"dialog") {
    probe::frmDialogProbe dialog;
    dialog.settings.folder = L"C:\\作業\\";
    if (!dialog.Load()) return 1;
    dialog.tspPages.SetSelectedTab(2);
    dialog.Show();
    return winui::RunMessageLoop();
  }
  probe::frmProbe form;
  if (!form.Load()) return 1;
  form.txtName.SetText(L"C:\\書庫\\サンプル.lzh");
  form.txtNotes.SetText(L"一行目\r\n二行目");
  form.optLarge.SetValue(true);
  form.optLeft.SetValue(true);
  form.chkKeep.SetValue(1);
  for (const wchar_t* kind : {L"LZH", L"ZIP", L"CAB"}) form.cmbKind.AddItem(kind);
  form.cmbKind.SetListIndex(1);
  form.cmbFree.SetText(L"編集できる");
  for (const wchar_t* item : {L"LHA書庫 (*.lzh)", L"ZIP書庫 (*.zip)", L"CAB書庫 (*.cab)"}) form.lstItems.AddItem(item);
  form.lstItems.SetSelected(1, true);
  form.lvFiles.AddColumn(L"名前", 1500);
  form.lvFiles.AddColumn(L"サイズ", 1000, winui::ColumnAlign::Right);
  form.lvFiles.AddColumn(L"場所", 1500);
  form.lvFiles.AddItem(L"readme.txt");
  form.lvFiles.SetSubItem(1, 1, L"1,024");
  form.lvFiles.AddItem(L"画像.bmp");
  form.lvFiles.SetSubItem(2, 1, L"65,536");
  form.lvFiles.SetSubItem(2, 2, L"doc\\");
  form.tvTree.Add(L"", L"root", L"とるべなー");
  form.tvTree.Add(L"root", L"a", L"C:\\サンプル.lzh");
  form.tvTree.Expand(L"root");
  form.tabPages.AddTab(L"全般");
  form.tabPages.AddTab(L"LHA");
  form.sldLevel.SetValue(6);
  form.prgDone.SetValue(40);
  form.sbStatus.SetPanelText(1, L"2 個のファイル");
  form.picBar.SetVisible(true);
  form.picBar.SetBackColor(RGB(255, 255, 255));
  form.picBar.Cls();
  RECT done{0, 0, 60, 14};
  HBRUSH blue = CreateSolidBrush(RGB(0, 0, 160));
  FillRect(form.picBar.Hdc(), &done, blue);
  DeleteObject(blue);
  form.picBar.Refresh();
  form.Show();
  return winui::RunMessageLoop();
}
