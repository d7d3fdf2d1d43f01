#include "installer/frmInstall.h"

#include "core/ArcTypeTexts.h"
#include "core/BrowseFolderEx.h"
#include "core/SettingValues.h"
#include "core/Text.h"
#include "core/modPath.h"
#include "core/modShell.h"
#include "options/ShellIntegration.h"
#include "winui/App.h"
#include "winui/MsgBox.h"
#include "winui/Resources.h"

namespace modInstall {

namespace {

using namespace winui;

const FormDef kForm{L"Tolvenar.frmInstall",
                    L"とるべなー 【瞬間開梱】 のインストール",
                    6570,
                    5745,
                    BorderStyle::FixedDialog,
                    true,
                    false,
                    StartPosition::CenterScreen,
                    false,
                    L"MS UI Gothic",
                    9,
                    IDI_INSTALL};

const ControlDef kControls[] = {
    {ID_lblInstall, L"lblInstall", Kind::Label, 120, 120, 4815, 240, L"インストール先(&F)", kNone, 0},
    {ID_txtFolder, L"txtFolder", Kind::TextBox, 120, 375, 4380, 300, L"", kNone, 1},
    {ID_cmdFolder, L"cmdFolder", Kind::CommandButton, 4560, 360, 375, 330, L"", kGraphical, 2},
    {ID_fraSendTo, L"fraSendTo", Kind::Frame, 120, 810, 4815, 855, L"Send To Extensions", kNone, 3},
    {ID_chkSendTo, L"chkSendTo", Kind::CheckBox, 180, 270, 4500, 240, L"「送る」メニューに追加する(&N)", kNone, 4,
     ID_fraSendTo},
    {ID_chkDeskTop, L"chkDeskTop", Kind::CheckBox, 180, 540, 4500, 240, L"デスクトップに追加する(&D)", kNone, 5,
     ID_fraSendTo},
    {ID_fraContextMenu, L"fraContextMenu", Kind::Frame, 120, 1770, 4815, 1125, L"Context Menu Extensions", kNone, 6},
    {ID_chkQuickMenu, L"chkQuickMenu", Kind::CheckBox, 180, 270, 4500, 240,
     L"「とるべなー クイック解凍」メニューを追加する(&Q)", kNone, 7, ID_fraContextMenu},
    {ID_chkOpenPackn, L"chkOpenPackn", Kind::CheckBox, 180, 540, 4500, 240,
     L"「とるべなー から開く」メニューを追加する(&M)", kNone, 8, ID_fraContextMenu},
    {ID_chkQuickComp, L"chkQuickComp", Kind::CheckBox, 180, 810, 4500, 240,
     L"「とるべなー 書庫作成」メニューを追加する(&C)", kNone, 9, ID_fraContextMenu},
    {ID_fraClasses, L"fraClasses", Kind::Frame, 120, 3000, 4815, 2625, L"", kNone, 10},
    {ID_chkClasses, L"chkClasses", Kind::CheckBox, 180, 210, 4500, 240,
     L"書庫ファイルを 【とるべなー】 に関連付けする(&K)", kNone, 11, ID_fraClasses},
    {ID_lstClassesArcType, L"lstClassesArcType", Kind::ListBox, 180, 510, 4455, 1980, L"", kMultiSelect, 12,
     ID_fraClasses},
    {ID_cmdOk, L"cmdOk", Kind::CommandButton, 5160, 120, 1290, 375, L"OK(&O)", kDefault, 13},
    {ID_cmdCancel, L"cmdCancel", Kind::CommandButton, 5160, 570, 1290, 375, L"キャンセル(&C)", kCancel, 14},
};

// The options as the check boxes show them: any value other than "0" is a tick.
InstallOptionSet AsCheckBoxes(InstallOptionSet options) {
  for (std::wstring* flag : {&options.SendTo, &options.DeskTop, &options.QuickMenu, &options.QuickCompress,
                             &options.OpenPackn, &options.Classes})
    *flag = shellintegration::IsOn(*flag) ? L"1" : L"0";
  return options;
}

}  // namespace

frmInstall::frmInstall(const InstallPlaces& places) : Form(kForm, kControls), places_(places) {
  On(ID_cmdOk, Event::Click, &frmInstall::cmdOk_Click);
  On(ID_cmdCancel, Event::Click, &frmInstall::cmdCancel_Click);
  On(ID_cmdFolder, Event::Click, &frmInstall::cmdFolder_Click);
  On(ID_chkClasses, Event::Click, &frmInstall::chkClasses_Click);
  On(ID_txtFolder, Event::GotFocus, [this](EventArgs&) { core::SelectAllText(txtFolder.Hwnd()); });
}

void frmInstall::Form_Load() {
  cmdFolder.SetPicture(LoadIconRes(IDI_BROWSE, 16, 16));
  LoadInitialize();
}

void frmInstall::LoadInitialize() {
  lstClassesArcType.Clear();
  for (const wchar_t* row : core::AssociationRows(core::AssociationList::Installer)) lstClassesArcType.AddItem(row);
  InstallOptionSet shown = AsCheckBoxes(InstallOptions);
  LoadControls(*this, [this, &shown](DataExchange& dx) { Transfer(dx, InstallFolder, shown); });
  chkClasses_Click();
}

void frmInstall::Transfer(DataExchange& dx, std::wstring& folder, InstallOptionSet& options) {
  dx.Text(ID_txtFolder, folder);
  // An empty or relative folder would put the program under the current drive's root or folder.
  if (!IsInstallFolderUsable(txtFolder.Text())) dx.Fail(ID_txtFolder, L"");
  dx.Flag(ID_chkSendTo, options.SendTo);
  dx.Flag(ID_chkDeskTop, options.DeskTop);
  dx.Flag(ID_chkQuickMenu, options.QuickMenu);
  dx.Flag(ID_chkQuickComp, options.QuickCompress);
  dx.Flag(ID_chkOpenPackn, options.OpenPackn);
  dx.Flag(ID_chkClasses, options.Classes);
  std::wstring& marks = options.ClassesArcType;
  if (dx.Loading()) {
    for (int i = 0; i < kTypeCount; ++i)
      lstClassesArcType.SetSelected(i, core::FlagIs(marks, static_cast<size_t>(i) + 1, L'1'));
    SendMessageW(lstClassesArcType.Hwnd(), LB_SETCARETINDEX, 0, FALSE);
  } else if (dx.Saving()) {
    // Read even while the list is disabled.
    marks.assign(kTypeCount, L'0');
    for (int i = 0; i < kTypeCount; ++i)
      if (lstClassesArcType.Selected(i)) marks[i] = L'1';
  }
}

void frmInstall::chkClasses_Click() { lstClassesArcType.SetEnabled(chkClasses.Value() != 0); }

void frmInstall::cmdFolder_Click() {
  const std::wstring answer = core::ShowBrowseFolder(txtFolder.Text(), Hwnd(), L"ｲｽﾝﾄｰﾙ先のﾌｫﾙﾀﾞを選択して下さい");
  if (core::Trim(answer).empty()) return;
  txtFolder.SetText(core::AddBackslash(answer));
  InstallFolder = txtFolder.Text();
  // The choices stored in the chosen folder's settings file; the registry is not read again.
  LoadInstallSettings(places_, true);
  LoadInitialize();
}

void frmInstall::cmdOk_Click() {
  const winui::Transfer transfer = [this](DataExchange& dx) { Transfer(dx, InstallFolder, InstallOptions); };
  // A refused folder is refused silently: the button does nothing.
  if (ValidateControls(*this, transfer).Failed()) return;
  DataExchange store(*this, DataExchange::Direction::Save);
  transfer(store);
  InstallFolder = core::AddBackslash(InstallFolder);
  report_ = InstallEngine(places_, *this).Install(InstallFolder, InstallOptions);
  // A folder that takes no file changed nothing: the window stays for another folder.
  if (report_.folderRefused) {
    txtFolder.SetFocus();
    return;
  }
  cmdCancel_Click();
}

void frmInstall::cmdCancel_Click() { Unload(); }

void frmInstall::Form_Unload(int& cancel) {
  // Every other window of the program goes with this one.
  std::vector<Form*> forms = LoadedForms();
  for (size_t i = forms.size(); i > 1; --i)
    if (forms[i - 1] != this) forms[i - 1]->Unload();
}

int frmInstall::Message(const std::wstring& text, UINT style) {
  return winui::MsgBox(text, style, kInstallTitle, Hwnd());
}

}  // namespace modInstall
