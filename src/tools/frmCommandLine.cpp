#include "tools/frmCommandLine.h"

#include <vector>

#include "core/CommonDlg.h"
#include "core/modIni.h"
#include "core/modPath.h"
#include "core/modShell.h"
#include "operations/OpenWith.h"
#include "tools/CommandLineRun.h"
#include "tools/ToolCommands.h"
#include "tools/ToolDialog.h"
#include "winui/MsgBox.h"
#include "winui/Resources.h"

namespace tools {
namespace {

using winui::Kind;
using F = frmCommandLine;

constexpr winui::FormDef kForm = ToolDialogDef(L"Tolvenar.frmCommandLine", L"書庫をコマンドラインより実行", 7920, 2280);

const winui::ControlDef kControls[] = {
    {F::ID_frmArcType, L"frmArcType", Kind::Frame, 120, 60, 7680, 615, L"圧縮形式(&V)", winui::kNone, 0},
    {F::ID_optArcType, L"optArcType", Kind::OptionButton, 240, 270, 1455, 255, L"LHA書庫", winui::kNone, 1,
     F::ID_frmArcType, 0},
    {F::ID_optArcType + 1, L"optArcType", Kind::OptionButton, 2040, 270, 1455, 255, L"ZIP書庫", winui::kNone, 2,
     F::ID_frmArcType, 1},
    {F::ID_optArcType + 2, L"optArcType", Kind::OptionButton, 3840, 270, 1455, 255, L"CAB書庫", winui::kNone, 3,
     F::ID_frmArcType, 2},
    {F::ID_optArcType + 3, L"optArcType", Kind::OptionButton, 5640, 270, 1455, 255, L"TAR書庫", winui::kNone, 4,
     F::ID_frmArcType, 3},
    {F::ID_lblCommandLine, L"lblCommandLine", Kind::Label, 120, 840, 6840, 180, kCommandLineSyntax, winui::kNone, 5, 0,
     0},
    {F::ID_lblCommandLine + 1, L"lblCommandLine", Kind::Label, 7020, 840, 780, 180, L"[.LZH]", winui::kNone, 7, 0, 1},
    {F::ID_cboCommandLine, L"cboCommandLine", Kind::ComboBox, 120, 1080, 7320, 300, L"", winui::kNone, 6},
    {F::ID_cmdFileSearch, L"cmdFileSearch", Kind::CommandButton, 7500, 1065, 300, 300, L"", winui::kGraphical, 8},
    {F::ID_CmdOk, L"CmdOk", Kind::CommandButton, 3720, 1740, 1215, 375, L"&OK", winui::kNone, 9},
    {F::ID_CmdCancel, L"CmdCancel", Kind::CommandButton, 5040, 1740, 1215, 375, L"キャンセル(&C)", winui::kNone, 10},
    {F::ID_cmdHelp, L"cmdHelp", Kind::CommandButton, 6480, 1740, 1320, 375, L"ヘルプ(&H)", winui::kNone, 11},
};

// The main program's browse icon, shown on the search button.
constexpr int kBrowseIcon = 102;

}  // namespace

frmCommandLine::frmCommandLine() : Form(kForm, kControls) {
  On(ID_optArcType, winui::Event::Click, &frmCommandLine::optArcType_Click);
  On(ID_cboCommandLine, winui::Event::LostFocus, &frmCommandLine::cboCommandLine_LostFocus);
  On(ID_cmdFileSearch, winui::Event::Click, &frmCommandLine::cmdFileSearch_Click);
  On(ID_cmdHelp, winui::Event::Click, &frmCommandLine::cmdHelp_Click);
  On(ID_CmdOk, winui::Event::Click, &frmCommandLine::CmdOk_Click);
  On(ID_CmdCancel, winui::Event::Click, &frmCommandLine::CmdCancel_Click);
}

void frmCommandLine::Form_Load() {
  core::SetWindowTop(Hwnd(), HWND_TOPMOST);
  if (auto icon = static_cast<HICON>(
          LoadImageW(winui::ResourceModule(), MAKEINTRESOURCEW(kBrowseIcon), IMAGE_ICON, 16, 16, LR_SHARED)))
    cmdFileSearch.SetPicture(icon);
  searchFolder_.clear();
  for (int i = 0; i < kCommandLineTypeCount; ++i) optArcType(i).SetEnabled(CommandLineTypeAvailable(i));
  // The first type is selected also when its library is missing.
  optArcType(0).SetValue(true);
  cboCommandLine.Clear();
  for (const std::wstring& item : CommandHistoryItems()) cboCommandLine.AddItem(item);
  if (cboCommandLine.ListCount() > 0) {
    core::SetComboDropWidth(Hwnd(), cboCommandLine.Hwnd());
    cboCommandLine.SetListIndex(0);
  }
  core::DoEvents();
}

void frmCommandLine::Form_KeyDown(int& keyCode, int) {
  EscapeCloses(keyCode, [this] { CmdCancel_Click(); });
}

void frmCommandLine::Form_QueryUnload(int&, winui::UnloadMode) { MainWindowBackOnTop(); }

void frmCommandLine::optArcType_Click(winui::EventArgs& args) {
  lblCommandLine(1).SetCaption(CommandLineTypeRow(args.index).extension);
}

void frmCommandLine::cboCommandLine_LostFocus() {
  std::vector<std::wstring> items;
  for (int i = 0; i < cboCommandLine.ListCount(); ++i) items.push_back(cboCommandLine.List(i));
  const size_t before = items.size();
  KeepTypedCommand(items, cboCommandLine.Text());
  if (items.size() > before) cboCommandLine.AddItem(items.back());
  core::SetComboDropWidth(Hwnd(), cboCommandLine.Hwnd());
}

void frmCommandLine::cmdFileSearch_Click() {
  const std::wstring picked =
      core::ShowFileDialog(Hwnd(), L"ﾌｧｲﾙを開く", L"すべてのﾌｧｲﾙ (*.*)|*.*", L"", 1, searchFolder_, 0);
  if (picked.empty()) return;
  cboCommandLine.SetFocus();
  const std::wstring text = AppendPickedFile(cboCommandLine.Text(), picked);
  cboCommandLine.SetText(text);
  // The caret at the end, nothing selected.
  const auto end = static_cast<WORD>(text.size());
  SendMessageW(cboCommandLine.Hwnd(), CB_SETEDITSEL, 0, MAKELPARAM(end, end));
  searchFolder_ = core::GetFolderPart(picked);
}

void frmCommandLine::cmdHelp_Click() {
  const CommandLineType& row = CommandLineTypeRow(SelectedType());
  const std::wstring file =
      core::ShowFileDialog(Hwnd(), row.helpTitle, L"ｺﾏﾝﾄﾞ説明ﾌｧｲﾙ (*.txt)|*.txt|すべてのﾌｧｲﾙ (*.*)|*.*", row.helpFile,
                           1, core::ProgramFolder(), 0);
  // Opened as an entry is opened with its type's program (the editor when the type has none), so a text
  // file opens on a machine where ".txt" has no association too. It is no archive entry: not watched.
  if (!file.empty()) operations::ExecuteFile(file, 0, L"");
}

void frmCommandLine::CmdOk_Click() {
  if (cboCommandLine.Text().empty()) return;
  core::AddComboHistory(Hwnd(), cboCommandLine.Hwnd(), true);
  RunTypedCommand(Hwnd(), SelectedType(), cboCommandLine.Text());
  EndModal(winui::DialogResult::OK);
  Unload();
}

void frmCommandLine::CmdCancel_Click() { Unload(); }

int frmCommandLine::SelectedType() {
  for (int i = 0; i < kCommandLineTypeCount; ++i)
    if (optArcType(i).Value()) return i;
  return 0;
}

void ShowCommandLine(HWND owner) {
  if (!CommandLineAvailable()) {
    winui::MsgBox(kCommandLineMissing, MB_OK | MB_ICONEXCLAMATION, core::kProgramTitle, owner);
    return;
  }
  frmCommandLine form;
  if (!form.Load(owner)) return;
  core::DoEvents();
  form.ShowModal(owner);
  core::DoEvents();
}

}  // namespace tools
