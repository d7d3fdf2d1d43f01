#include "mainwindow/ToolCommands.h"

#include "archiver/LibraryBinding.h"
#include "browser/MenuStatus.h"
#include "core/ArcType.h"
#include "core/BrowseFolderEx.h"
#include "core/OpenCommand.h"
#include "core/Seams.h"
#include "core/Text.h"
#include "core/modPath.h"
#include "core/modShell.h"
#include "core/modTolvenar.h"
#include "mainwindow/ArchiveCommands.h"
#include "mainwindow/frmMain.h"
#include "operations/OpenArchiveCommands.h"
#include "tools/CommandLineRun.h"
#include "tools/ToolCommands.h"
#include "tools/frmProperty.h"
#include "tools/frmTemplateList.h"
#include "winui/MsgBox.h"

namespace mainwindow {

const wchar_t kNotInstalled[] =
    L"とるべなー【瞬間開梱】が正しくインストールされていません\r\n再度インストールを行ってください";
const wchar_t kHelpFile[] = L"Tolvenar.chm";
const wchar_t kHelpFileMissing[] = L"ヘルプファイルが見つかりませんでした";
const wchar_t kHelpViewerMissing[] = L"ヘルプファイルを表示するアプリケーションが見つかりませんでした";
const wchar_t kExplorerFolderTitle[] = L"ｴｸｽﾌﾟﾛｰﾗを起動するﾌｫﾙﾀﾞを選択して下さい";
const wchar_t kDownloadPage[] = L"http://www.example.com/tolvenar/";

namespace {

void Report(frmMain& form, const std::wstring& text, UINT icon) {
  winui::MsgBox(text, MB_OK | icon, core::kProgramTitle, form.Hwnd());
}

std::wstring InProgramFolder(const std::wstring& name) { return core::CombinePath(archiver::ToolFolder(), name); }

}  // namespace

void mnuTool_Click(frmMain&) { browser::SetToolMenuStatus(); }

void mnuToolCommandLine_Click(frmMain& form) { tools::ShowCommandLine(form.Hwnd()); }

void mnuToolMakeTemplate_Click(frmMain& form) { tools::ShowTemplateList(form.Hwnd()); }

void StartSideProgram(frmMain& form, const std::wstring& program) {
  const std::wstring path = InProgramFolder(program);
  if (!core::NormalFileExists(path)) {
    Report(form, kNotInstalled, MB_ICONSTOP);
    return;
  }
  core::Processes().Execute(form.Hwnd(), L"open", path, L"", L"", SW_SHOW);
}

void mnuToolJpeg_Click(frmMain& form, int index) { tools::RunJpegTool(form.Hwnd(), index, OpenStartFolder()); }

void mnuToolDecode_Click(frmMain& form) { tools::DecodeClipboardText(form.Hwnd(), &form.sbStatusBar); }

void mnuToolExprore_Click(frmMain& form) {
  const std::wstring folder = core::ShowBrowseFolder(L"", form.Hwnd(), kExplorerFolderTitle);
  if (!folder.empty()) core::OpenExplorer(folder, true);
}

std::wstring OpenCommandProgram(const std::wstring& openCommand) {
  std::wstring program = openCommand;
  if (!program.empty() && program[0] == L'"') {
    const size_t close = program.find(L'"', 1);
    program = program.substr(1, close == std::wstring::npos ? std::wstring::npos : close - 1);
  }
  const size_t exe = core::UCase(program).find(L".EXE");
  if (exe != std::wstring::npos) program = core::Trim(program.substr(0, exe + 4));
  return program;
}

void mnuHelpHelp_Click(frmMain& form) {
  const std::wstring path = InProgramFolder(kHelpFile);
  if (!core::NormalFileExists(path)) {
    Report(form, kHelpFileMissing, MB_ICONEXCLAMATION);
    return;
  }
  const std::wstring command = core::GetOpenCommand(core::GetExtension(path, false));
  if (command.empty()) {
    Report(form, kHelpViewerMissing, MB_ICONEXCLAMATION);
    return;
  }
  const std::wstring line = core::QuotePath(OpenCommandProgram(command)) + L" " + core::QuotePath(path);
  // The viewer is not waited for; a start that fails is not reported.
  if (HANDLE process = core::Processes().StartProcess(line, archiver::ToolFolder(), SW_SHOWNORMAL))
    CloseHandle(process);
}

void mnuHelpAbout_Click(frmMain& form) { tools::ShowAbout(form.Hwnd()); }

void mnuHelpDownload_Click(frmMain&) {
  core::Processes().Execute(GetDesktopWindow(), L"open", kDownloadPage, L"", L"", SW_SHOW);
}

void mnuTreePopUpProperty_Click(frmMain& form) {
  tools::ShowProperty(form.Hwnd(), core::PrivateState.ArcFileName(), true);
}

void ListArchiveForProperty(HWND owner, const std::wstring& archive) {
  core::WindowOperationUi ui(owner);
  operations::Settle(operations::ShowArcList(ui, {archive, core::GetArcTypeByExt(archive)}));
}

void BindToolCommands(frmMain& form) {
  using winui::Event;
  using winui::EventArgs;
  struct Item {
    int id;
    void (*run)(frmMain&);
  };
  static constexpr Item kItems[] = {
      {ID_mnuTool, &mnuTool_Click},
      {ID_mnuToolCommandLine, &mnuToolCommandLine_Click},
      {ID_mnuToolMakeTemplate, &mnuToolMakeTemplate_Click},
      {ID_mnuToolDravisk, [](frmMain& f) { StartSideProgram(f, browser::kSplitterProgram); }},
      {ID_mnuToolMolquen, [](frmMain& f) { StartSideProgram(f, browser::kJoinerProgram); }},
      {ID_mnuToolDecode, &mnuToolDecode_Click},
      {ID_mnuToolExprore, &mnuToolExprore_Click},
      {ID_mnuHelpHelp, &mnuHelpHelp_Click},
      {ID_mnuHelpAbout, &mnuHelpAbout_Click},
      {ID_mnuHelpDownload, &mnuHelpDownload_Click},
      {ID_mnuTreePopUpProperty, &mnuTreePopUpProperty_Click},
  };
  for (const Item& item : kItems) form.On(item.id, Event::Click, [&form, run = item.run](EventArgs&) { run(form); });
  form.On(ID_mnuToolJpeg, Event::Click, [&form](EventArgs& args) { mnuToolJpeg_Click(form, args.index); });
  tools::SetArchiveListingRunner(&ListArchiveForProperty);
}

}  // namespace mainwindow
