// Shows one of the tools' dialogs with sample contents for a screenshot (screenshot.sh); not a test.
// Argument: passphrase, about, commandline, expand, property, listing, template, templates or extract.
#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>

#include "archiver/ArcOutput.h"
#include "archiver/LibraryBinding.h"
#include "core/Settings.h"
#include "core/modIni.h"
#include "core/modShell.h"
#include "core/modTolvenar.h"
#include "tools/frmAbout.h"
#include "tools/frmArchiveDown.h"
#include "tools/frmCommandLine.h"
#include "tools/frmExpand.h"
#include "tools/frmPassPhrase.h"
#include "tools/frmProperty.h"
#include "tools/Templates.h"
#include "tools/frmTemplate.h"
#include "tools/frmTemplateList.h"
#include "winui/App.h"

namespace {

void SampleListing(HWND, const std::wstring&) {
  archiver::ArcOutputText =
      L" Name            Original    Packed  Ratio   Date     Time\n"
      L"---------------  --------  --------  -----  -------- --------\n"
      L"readme.txt           1024       512  50.0%  04-04-05 12:00:00\n"
      L"画像.bmp            65536     12000  18.3%  04-04-05 12:00:00\n";
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int) {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_COOL_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&icc);
  wchar_t folder[MAX_PATH];
  if (GetEnvironmentVariableW(L"TOLVENAR_STANDINS_WIN", folder, MAX_PATH)) archiver::SetLibraryFolder(folder);
  const std::wstring which = commandLine;
  std::unique_ptr<winui::Form> form;
  if (which == L"passphrase") {
    auto dialog = std::make_unique<tools::frmPassPhrase>();
    dialog->Load();
    dialog->lblComment.SetCaption(
        L"このJPEGファイルを448bit可変長キー暗号化アルゴリズム「BlowFish」によって暗号化します");
    dialog->txtPass.SetText(L"password");
    form = std::move(dialog);
  } else if (which == L"about") {
    form = std::make_unique<tools::frmAbout>();
  } else if (which == L"commandline") {
    core::Settings.ArcCommand = {L"", L"a C:\\書庫\\new.lzh C:\\作業\\*.*", L"l C:\\書庫\\old.lzh"};
    form = std::make_unique<tools::frmCommandLine>();
  } else if (which == L"expand") {
    auto expand = std::make_unique<tools::frmExpand>();
    expand->SetProposed(L"C:\\作業\\SETUP.EX_");
    form = std::move(expand);
  } else if (which == L"property" || which == L"listing") {
    tools::SetArchiveListingRunner(&SampleListing);
    auto sheet = std::make_unique<tools::frmProperty>();
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    sheet->GetPropertyFileName(self);
    sheet->GetPropertyPlace(true);
    sheet->Load();
    if (which == L"listing") sheet->tabProperty.SetSelectedTab(2);
    form = std::move(sheet);
  } else if (which == L"template" || which == L"templates") {
    // Two sample templates in a settings file of the temp folder.
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    core::SetIniFolder(temp);
    tools::WriteTemplate(0, {L"C:\\書庫", L"日報", L"0", L"0", {L"C:\\作業\\日報.txt", L"C:\\作業\\*.xls"}}, 0);
    tools::WriteTemplate(1, {L"D:\\Backup\\", L"source", L"1", L"1", {L"D:\\src\\*.cpp"}}, 0);
    if (which == L"template") {
      auto editor = std::make_unique<tools::frmTemplate>();
      editor->SetTemplateNo(0);
      editor->SetOpenStatus(true);
      editor->Load();
      editor->SetCaption(L"テンプレートの更新");
      form = std::move(editor);
    } else {
      form = std::make_unique<tools::frmTemplateList>();
    }
  } else if (which == L"extract") {
    core::Settings.ArcDown = {L"", L"C:\\解凍\\書類", L"D:\\展開先"};
    core::Settings.UnpackDefaultFlag = L"1";
    core::Settings.COM_FolderYuko = L"1";
    core::PrivateState.SetArcFileName(L"C:\\書庫\\資料.cab");
    form = std::make_unique<tools::frmArchiveDown>();
  } else {
    return 2;
  }
  if (!form->Load()) return 1;
  form->Show();
  return winui::RunMessageLoop();
}
