#include "browser/MenuStatus.h"

#include <windows.h>

#include "archiver/LibraryBinding.h"
#include "archiver/clsArchive.h"
#include "browser/BrowserViews.h"
#include "browser/EntryList.h"
#include "core/ArcCatalogue.h"
#include "core/Text.h"
#include "core/modPath.h"
#include "core/modTolvenar.h"

namespace browser {
namespace {

constexpr wchar_t kRootText[] = L"書庫ﾌｧｲﾙ";

enum Target { kMenu, kButton, kLabelEdit };

// One command and its code per type, in the order of the type catalogue (LZH ... BH, TGZ, TBZ):
//   _ untouched   Y gate   X gate and node text ends in EXE   N gate and node text does not end in EXE
//   U ZIP extraction library   Z ZIP creation library   u/z U/Z and EXE   n Z and not EXE   ! always
//   A "arj.exe" present   R gate and ".RAR"   S "Default.SFX" and ".RAR"   W "rar.exe" and ".RAR"
//   6 gate and version text not below "0.06"   o disabled when the gate answers
struct Command {
  Target target;
  const wchar_t* name;
  int index;
  const char* codes;
};

constexpr Command kCommands[] = {
    {kLabelEdit, L"", -1, "Y_________Y_____Y__"},
    {kMenu, L"mnuFileQuickUnPack", -1, "YUYYYYR___YYYYY_YYY"},
    {kMenu, L"mnuEditUnPack", -1, "YUYYYYRYYYYYYYYYYYY"},
    {kMenu, L"mnuFileList", -1, "YUYYY_Y_YY_YYYYYYYY"},
    {kMenu, L"mnuEditTest", -1, "YUYYY_Y_YYY__YYYYYY"},
    {kMenu, L"mnuFileConvert", -1, "Xz________X________"},
    {kMenu, L"mnuFileSaveAs", -1, "YZYYYYYYYYYY_Y_YYYY"},
    {kMenu, L"mnuFileSFX", -1, "NnN___S_Y_N________"},
    {kMenu, L"mnuEditAdd", -1, "YZ_AY_W_YYY__Y__Y__"},
    {kMenu, L"mnuEditAddFolder", -1, "YZ_AY_W_YYY__Y__Y__"},
    {kMenu, L"mnuEditDelete", -1, "YZ_A__W_YYY__Y__Y__"},
    {kMenu, L"mnuEditReName", -1, "Y_________Y_____Y__"},
    {kMenu, L"mnuEditNewSwitch", -1, "Y_________Y________"},
    {kMenu, L"mnuEditQuickView", -1, "YUYYYYRYYYYYYY__YYY"},
    {kMenu, L"mnuEditApplication", -1, "YUYYYYRYYYYYYY6YYYY"},
    {kMenu, L"mnuEditAction", 0, "YUYYYYR_YYYYYY__YYY"},
    {kMenu, L"mnuEditPack", -1, "______________o____"},
    {kMenu, L"mnuEditFolderPack", -1, "______________o____"},
    {kMenu, L"mnuPopUpUnPack", -1, "YUYYYYRYYYYYYYYYYYY"},
    {kMenu, L"mnuPopUpAddPack", -1, "YZ_AY_W_YYY__Y__Y__"},
    {kMenu, L"mnuPopUpDelete", -1, "YZ_A__W_YYY__Y__Y__"},
    {kMenu, L"mnuPopUpReName", -1, "Y_________Y_____Y__"},
    {kMenu, L"mnuPopUpNewSwitch", -1, "Y_________Y________"},
    {kMenu, L"mnuPopUpQuickView", -1, "YUYYYYRYYYYYYY__YYY"},
    {kMenu, L"mnuPopUpApplication", -1, "YUYYYYRYYYYYYY6_YYY"},
    {kMenu, L"mnuPopUpAction", 0, "YUYYYYR_YYYYYY__YYY"},
    {kMenu, L"mnuPopUpProperty", -1, "______________o____"},
    {kMenu, L"mnuTreePopUpArcClose", -1, "Y!YYYYYYYYYYYYYYYYY"},
    {kMenu, L"mnuTreePopUpUnPack", -1, "YUYYYYRYYYYYYYYYYYY"},
    {kMenu, L"mnuTreePopUpQuickUnPack", -1, "YUYYYYR___YYYYY_YYY"},
    {kMenu, L"mnuTreePopUpList", -1, "YUYYY_Y_YY_YYYYYYYY"},
    {kMenu, L"mnuTreePopUpTest", -1, "YUYYYYY_YYY__YYYYYY"},
    {kMenu, L"mnuTreePopUpConvert", -1, "Xu________X________"},
    {kMenu, L"mnuTreePopUpSFX", -1, "NnN___S_Y_N________"},
    {kMenu, L"mnuTreePopUpSaveAs", -1, "YUYYYYYYYYYY_Y_YYYY"},
    {kButton, L"Close", -1, "YUYYYYYYYYYYYYYYYYY"},
    {kButton, L"SaveAs", -1, "YZYYY_YYYYYY_Y_YYYY"},
    {kButton, L"View", -1, "YUYYYYR_YYY___6_YYY"},
    {kButton, L"UnPack", -1, "YUYYYYRYYYYYYYYYYYY"},
    {kButton, L"AddPack", -1, "YZ_AY_W_YYY__Y__Y__"},
    {kButton, L"AddFolderPack", -1, "YZ_AY_W_YYY__Y__Y__"},
    {kButton, L"Trush", -1, "YZ_A__W_YYY_____Y__"},
    {kButton, L"Pack", -1, "______________o____"},
    {kButton, L"FolderPack", -1, "______________o____"},
};

// What the codes of one branch depend on, asked once per call.
struct BranchFacts {
  bool gate = false;
  std::wstring version;
  bool zipExtract = false;
  bool zipCreate = false;
  bool nodeIsExe = false;
  bool rarName = false;
  bool arjTool = false;
  bool rarTool = false;
  bool rarSfx = false;
};

// Enabled state for a code: 1 enable, 0 disable, -1 leave as it is.
int Decide(char code, const BranchFacts& f) {
  switch (code) {
    case 'Y':
      return f.gate ? 1 : -1;
    case 'X':
      return f.gate && f.nodeIsExe ? 1 : (f.nodeIsExe ? -1 : 0);
    case 'N':
      return f.gate && !f.nodeIsExe ? 1 : -1;
    case 'U':
      return f.zipExtract ? 1 : -1;
    case 'Z':
      return f.zipCreate ? 1 : -1;
    case 'u':
      return f.zipExtract && f.nodeIsExe ? 1 : (f.nodeIsExe ? -1 : 0);
    case 'z':
      return f.zipCreate && f.nodeIsExe ? 1 : (f.nodeIsExe ? -1 : 0);
    case 'n':
      return f.zipCreate && !f.nodeIsExe ? 1 : -1;
    case '!':
      return 1;
    case 'A':
      return f.arjTool ? 1 : -1;
    case 'R':
      return f.gate && f.rarName ? 1 : -1;
    case 'S':
      return f.rarSfx && f.rarName ? 1 : -1;
    case 'W':
      return f.rarTool && f.rarName ? 1 : -1;
    // Version texts compare by character codes, as the libraries' "#0.00" texts always have.
    case '6':
      return f.gate && f.version >= L"0.06" ? 1 : -1;
    case 'o':
      return f.gate ? 0 : -1;
    default:
      return -1;
  }
}

void SetCommand(const BrowserViews& views, const Command& command, bool enabled) {
  switch (command.target) {
    case kMenu:
      EnableMenu(views, command.name, command.index, enabled);
      break;
    case kButton:
      views.tbToolBar.SetButtonEnabled(command.name, enabled);
      break;
    case kLabelEdit:
      views.lvListView.SetLabelEdit(enabled);
      break;
  }
}

// The types a new archive can be made of follow what their creation needs; the others keep their state.
void SetCreatableTypes(const BrowserViews& views) {
  for (const core::ArcTypeRow& row : core::ArcCatalogue()) {
    const core::Presence& gate = row.creation.menuGate;
    if (!gate.Given()) continue;
    const bool present = !archiver::PresenceText(gate).empty();
    EnableMenu(views, L"mnuOptionMakeArc", row.index, present);
    if (row.creation.fileMenuFollowsWhenPresent || !present)
      EnableMenu(views, L"mnuFileNewArcExtOpt", row.index, present);
  }
}

bool EndsWithExe(const std::wstring& text) {
  return text.size() >= 3 && core::UCase(text.substr(text.size() - 3)) == L"EXE";
}

void SetTypeCommands(const BrowserViews& views, const core::ArcTypeRow& row, const std::wstring& fileName,
                     const std::wstring& nodeText) {
  BranchFacts facts;
  facts.version = archiver::PresenceText(row.presence);
  facts.gate = !facts.version.empty();
  facts.nodeIsExe = EndsWithExe(nodeText);
  // ZIP is read and written by two libraries; ARJ and RAR are also changed by their console tools.
  const bool creator = !archiver::PresenceText(row.creation.menuGate).empty();
  if (row.index == core::ArcTypeZip) {
    facts.zipExtract = facts.gate;
    facts.zipCreate = creator;
  } else if (row.index == core::ArcTypeArj) {
    facts.arjTool = creator;
  } else if (row.index == core::ArcTypeRar) {
    facts.rarName = core::UCase(core::GetExtension(fileName, false)) == L".RAR";
    facts.rarTool = creator;
    facts.rarSfx = core::NormalFileExists(core::CombinePath(archiver::ToolFolder(), L"Default.SFX"));
  }
  const size_t column = core::RowNumber(row);
  for (const Command& command : kCommands) {
    int decision = Decide(command.codes[column], facts);
    if (decision >= 0) SetCommand(views, command, decision == 1);
  }
}

// The state with no archive open, on which every call builds.
void SetNoArchiveState(const BrowserViews& views) {
  views.lvListView.SetLabelEdit(false);
  struct Item {
    const wchar_t* name;
    int index;
  };
  static constexpr Item kDisabled[] = {{L"mnuFileArcClose", -1},
                                       {L"mnuFileArcAllClose", -1},
                                       {L"mnuFileQuickUnPack", -1},
                                       {L"mnuFileSaveAs", -1},
                                       {L"mnuFileSFX", -1},
                                       {L"mnuFileList", -1},
                                       {L"mnuFileConvert", -1},
                                       {L"mnuEditUnPack", -1},
                                       {L"mnuEditQuickView", -1},
                                       {L"mnuEditNewSwitch", -1},
                                       {L"mnuEditExpand", -1},
                                       {L"mnuEditDSelectAll", -1},
                                       {L"mnuEditAdd", -1},
                                       {L"mnuEditAddFolder", -1},
                                       {L"mnuEditDelete", -1},
                                       {L"mnuEditApplication", -1},
                                       {L"mnuEditAction", 0},
                                       {L"mnuEditReName", -1},
                                       {L"mnuEditTest", -1},
                                       {L"mnuToolJpeg", 0},
                                       {L"mnuToolJpeg", 1},
                                       {L"mnuPopUpUnPack", -1},
                                       {L"mnuPopUpAddPack", -1},
                                       {L"mnuPopUpDelete", -1},
                                       {L"mnuPopUpApplication", -1},
                                       {L"mnuPopUpAction", 0},
                                       {L"mnuPopUpReName", -1},
                                       {L"mnuPopUpQuickView", -1},
                                       {L"mnuPopUpNewSwitch", -1},
                                       {L"mnuPopUpExpand", -1},
                                       {L"mnuTreePopUpArcClose", -1},
                                       {L"mnuTreePopUpConvert", -1},
                                       {L"mnuTreePopUpList", -1},
                                       {L"mnuTreePopUpUnPack", -1},
                                       {L"mnuTreePopUpQuickUnPack", -1},
                                       {L"mnuTreePopUpSaveAs", -1},
                                       {L"mnuTreePopUpSFX", -1},
                                       {L"mnuTreePopUpTest", -1},
                                       {L"mnuTreePopUpProperty", -1}};
  for (const Item& item : kDisabled) EnableMenu(views, item.name, item.index, false);
  for (const wchar_t* name : {L"mnuEditPack", L"mnuEditFolderPack"}) EnableMenu(views, name, -1, true);
  for (const wchar_t* key : {L"Open", L"Pack", L"FolderPack"}) views.tbToolBar.SetButtonEnabled(key, true);
  for (const wchar_t* key :
       {L"Close", L"AllClose", L"SaveAs", L"View", L"AddPack", L"AddFolderPack", L"Trush", L"UnPack", L"All"})
    views.tbToolBar.SetButtonEnabled(key, false);
}

}  // namespace

void SetMenuStatus(const std::wstring& arcType) {
  BrowserViews* installed = Views();
  if (!installed) return;
  const BrowserViews& views = *installed;
  const std::wstring fileName = core::GetFileNamePart(core::PrivateState.ArcFileName());

  SetNoArchiveState(views);
  // The list pop-up's property item is enabled when the window is made; only an IMP archive with its
  // library takes it away, and it comes back with the next archive of another type.
  EnableMenu(views, L"mnuPopUpProperty", -1, true);

  SetCreatableTypes(views);
  const bool jpeg = !archiver::Archive().GetJpzVersion().empty();
  EnableMenu(views, L"mnuToolJpeg", 0, jpeg);
  EnableMenu(views, L"mnuToolJpeg", 1, jpeg);

  if (views.tvTreeView.Count() > 1) {
    views.tbToolBar.SetButtonEnabled(L"AllClose", true);
    EnableMenu(views, L"mnuFileArcAllClose", -1, true);
  }

  const std::wstring selected = views.tvTreeView.SelectedKey();
  const std::wstring nodeText = selected.empty() ? L"" : views.tvTreeView.Text(selected);
  if (nodeText != kRootText && Entries().Count() == 0) {
    // A new archive not yet saved has no entries: it can take files or be closed.
    if (fileName.compare(0, 4, L"$New") == 0) {
      EnableMenu(views, L"mnuFileArcClose", -1, true);
      views.tbToolBar.SetButtonEnabled(L"Close", true);
      EnableMenu(views, L"mnuTreePopUpArcClose", -1, true);
      EnableMenu(views, L"mnuEditAdd", -1, true);
      views.tbToolBar.SetButtonEnabled(L"AddPack", true);
      EnableMenu(views, L"mnuPopUpAddPack", -1, true);
      views.tbToolBar.SetButtonEnabled(L"AddFolderPack", true);
      EnableMenu(views, L"mnuEditAddFolder", -1, true);
    }
    return;
  }

  const core::ArcTypeRow* row = core::FindArcType(arcType);
  if (!row) return;
  EnableMenu(views, L"mnuFileArcClose", -1, true);
  EnableMenu(views, L"mnuEditDSelectAll", -1, true);
  views.tbToolBar.SetButtonEnabled(L"All", true);
  EnableMenu(views, L"mnuTreePopUpProperty", -1, true);
  SetTypeCommands(views, *row, fileName, nodeText);
}

}  // namespace browser
