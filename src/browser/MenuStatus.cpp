#include "browser/MenuStatus.h"

#include <windows.h>

#include <array>

#include "archiver/LibraryBinding.h"
#include "archiver/clsArchive.h"
#include "browser/BrowserViews.h"
#include "core/Text.h"
#include "core/modPath.h"
#include "core/modTolvenar.h"

namespace browser {
namespace {

constexpr wchar_t kRootText[] = L"書庫ﾌｧｲﾙ";

// Columns of the per-type table, in the order the branches are tested; TGZ and TBZ share TAR's gate
// and have their own column.
constexpr std::array<const wchar_t*, 18> kColumns = {L"LZH", L"ZIP", L"CAB", L"ARJ", L"TAR", L"TGZ",
                                                     L"ISH", L"RAR", L"YZ1", L"ACE", L"JAR", L"BGA",
                                                     L"GCA", L"BEL", L"7Z",  L"IMP", L"YZ2", L"BH"};

enum Target { kMenu, kButton, kLabelEdit };

// One command and its code per column:
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
    {kLabelEdit, L"", -1, "Y__________Y_____Y"},
    {kMenu, L"mnuFileQuickUnPack", -1, "YUYYYYYR___YYYYY_Y"},
    {kMenu, L"mnuEditUnPack", -1, "YUYYYYYRYYYYYYYYYY"},
    {kMenu, L"mnuFileList", -1, "YUYYYY_Y_YY_YYYYYY"},
    {kMenu, L"mnuEditTest", -1, "YUYYYY_Y_YYY__YYYY"},
    {kMenu, L"mnuFileConvert", -1, "Xz_________X______"},
    {kMenu, L"mnuFileSaveAs", -1, "YZYYYYYYYYYYY_Y_YY"},
    {kMenu, L"mnuFileSFX", -1, "NnN____S_Y_N______"},
    {kMenu, L"mnuEditAdd", -1, "YZ_AY__W_YYY__Y__Y"},
    {kMenu, L"mnuEditAddFolder", -1, "YZ_AY__W_YYY__Y__Y"},
    {kMenu, L"mnuEditDelete", -1, "YZ_A___W_YYY__Y__Y"},
    {kMenu, L"mnuEditReName", -1, "Y__________Y_____Y"},
    {kMenu, L"mnuEditNewSwitch", -1, "Y__________Y______"},
    {kMenu, L"mnuEditQuickView", -1, "YUYYYYYRYYYYYYY__Y"},
    {kMenu, L"mnuEditApplication", -1, "YUYYYYYRYYYYYYY6YY"},
    {kMenu, L"mnuEditAction", 0, "YUYYYYYR_YYYYYY__Y"},
    {kMenu, L"mnuEditPack", -1, "_______________o__"},
    {kMenu, L"mnuEditFolderPack", -1, "_______________o__"},
    {kMenu, L"mnuPopUpUnPack", -1, "YUYYYYYRYYYYYYYYYY"},
    {kMenu, L"mnuPopUpAddPack", -1, "YZ_AY__W_YYY__Y__Y"},
    {kMenu, L"mnuPopUpDelete", -1, "YZ_A___W_YYY__Y__Y"},
    {kMenu, L"mnuPopUpReName", -1, "Y__________Y_____Y"},
    {kMenu, L"mnuPopUpNewSwitch", -1, "Y__________Y______"},
    {kMenu, L"mnuPopUpQuickView", -1, "YUYYYYYRYYYYYYY__Y"},
    {kMenu, L"mnuPopUpApplication", -1, "YUYYYYYRYYYYYYY6_Y"},
    {kMenu, L"mnuPopUpAction", 0, "YUYYYYYR_YYYYYY__Y"},
    {kMenu, L"mnuPopUpProperty", -1, "_______________o__"},
    {kMenu, L"mnuTreePopUpArcClose", -1, "Y!YYYYYYYYYYYYYYYY"},
    {kMenu, L"mnuTreePopUpUnPack", -1, "YUYYYYYRYYYYYYYYYY"},
    {kMenu, L"mnuTreePopUpQuickUnPack", -1, "YUYYYYYR___YYYYY_Y"},
    {kMenu, L"mnuTreePopUpList", -1, "YUYYYY_Y_YY_YYYYYY"},
    {kMenu, L"mnuTreePopUpTest", -1, "YUYYYYYY_YYY__YYYY"},
    {kMenu, L"mnuTreePopUpConvert", -1, "Xu_________X______"},
    {kMenu, L"mnuTreePopUpSFX", -1, "NnN____S_Y_N______"},
    {kMenu, L"mnuTreePopUpSaveAs", -1, "YUYYYYYYYYYYY_Y_YY"},
    {kButton, L"Close", -1, "YUYYYYYYYYYYYYYYYY"},
    {kButton, L"SaveAs", -1, "YZYYYY_YYYYYY_Y_YY"},
    {kButton, L"View", -1, "YUYYYYYR_YYY___6_Y"},
    {kButton, L"UnPack", -1, "YUYYYYYRYYYYYYYYYY"},
    {kButton, L"AddPack", -1, "YZ_AY__W_YYY__Y__Y"},
    {kButton, L"AddFolderPack", -1, "YZ_AY__W_YYY__Y__Y"},
    {kButton, L"Trush", -1, "YZ_A___W_YYY_____Y"},
    {kButton, L"Pack", -1, "_______________o__"},
    {kButton, L"FolderPack", -1, "_______________o__"},
};

// The types a new archive can be made of, with what must be installed for each.
struct CreatableType {
  int index;
  std::wstring (archiver::clsArchive::*probe)() const;  // nullptr: the tool below decides
  const wchar_t* tool;
  bool optionMenuOnly;  // YZ1, YZ2: only the Option menu's item follows; the File submenu's keeps its state
};

constexpr CreatableType kCreatable[] = {
    {0, &archiver::clsArchive::GetLhaVersion, nullptr, false},
    {1, &archiver::clsArchive::GetZip32JVersion, nullptr, false},
    {3, nullptr, L"ARJ.EXE", false},
    {4, &archiver::clsArchive::GetTarVersion, nullptr, false},
    {6, nullptr, L"RAR.EXE", false},
    {7, &archiver::clsArchive::GetYz1Version, nullptr, true},
    {8, nullptr, L"ACE.EXE", false},
    {9, nullptr, L"JAR32.EXE", false},
    {10, &archiver::clsArchive::GetBgaVersion, nullptr, false},
    {13, &archiver::clsArchive::Get7ZipVersion, nullptr, false},
    {15, &archiver::clsArchive::GetYz2Version, nullptr, true},
    {16, &archiver::clsArchive::GetBhVersion, nullptr, false},
};

int ColumnOf(const std::wstring& arcType) {
  if (arcType == L"TBZ") return 5;
  for (size_t i = 0; i < kColumns.size(); ++i)
    if (arcType == kColumns[i]) return static_cast<int>(i);
  return -1;
}

// The version text of the type's library (or the tool's name for ACE and JAR); "" when it does not answer.
// ZIP has no gate of its own: its codes name the library they need.
std::wstring GateOf(const std::wstring& column) {
  const archiver::clsArchive& a = archiver::Archive();
  if (column == L"LZH") return a.GetLhaVersion();
  if (column == L"CAB") return a.GetCabVersion();
  if (column == L"ARJ") return a.GetArjVersion();
  if (column == L"TAR" || column == L"TGZ") return a.GetTarVersion();
  if (column == L"ISH") return a.GetIshVersion();
  if (column == L"RAR") return a.GetRarVersion();
  if (column == L"YZ1") return a.GetYz1Version();
  if (column == L"ACE") return a.GetAceVersion();
  if (column == L"JAR") return a.GetJarVersion();
  if (column == L"BGA") return a.GetBgaVersion();
  if (column == L"GCA") return a.GetGcaVersion();
  if (column == L"BEL") return a.GetBelVersion();
  if (column == L"7Z") return a.Get7ZipVersion();
  if (column == L"IMP") return a.GetImpVersion();
  if (column == L"YZ2") return a.GetYz2Version();
  if (column == L"BH") return a.GetBhVersion();
  return L"";
}

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

void SetCreatableTypes(const BrowserViews& views) {
  const archiver::clsArchive& a = archiver::Archive();
  for (const CreatableType& type : kCreatable) {
    bool present = type.probe ? !(a.*type.probe)().empty() : ToolPresent(type.tool);
    EnableMenu(views, L"mnuOptionMakeArc", type.index, present);
    if (!type.optionMenuOnly || !present) EnableMenu(views, L"mnuFileNewArcExtOpt", type.index, present);
  }
}

bool EndsWithExe(const std::wstring& text) {
  return text.size() >= 3 && core::UCase(text.substr(text.size() - 3)) == L"EXE";
}

void SetTypeCommands(const BrowserViews& views, int column, const std::wstring& fileName,
                     const std::wstring& nodeText) {
  const std::wstring type = kColumns[static_cast<size_t>(column)];
  BranchFacts facts;
  facts.version = GateOf(type);
  facts.gate = !facts.version.empty();
  facts.nodeIsExe = EndsWithExe(nodeText);
  if (type == L"ZIP") {
    facts.zipExtract = !archiver::Archive().GetZipVersion().empty();
    facts.zipCreate = !archiver::Archive().GetZip32JVersion().empty();
  } else if (type == L"ARJ") {
    facts.arjTool = ToolPresent(L"arj.exe");
  } else if (type == L"RAR") {
    facts.rarName = core::UCase(core::GetExtension(fileName, false)) == L".RAR";
    facts.rarTool = ToolPresent(L"rar.exe");
    facts.rarSfx = ToolPresent(L"Default.SFX");
  }
  for (const Command& command : kCommands) {
    int decision = Decide(command.codes[column], facts);
    if (decision >= 0) SetCommand(views, command, decision == 1);
  }
}

}  // namespace

bool ToolPresent(const std::wstring& name) {
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((core::AddBackslash(archiver::ToolFolder()) + name).c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return false;
  FindClose(search);
  return !(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
}

void SetMenuStatus(const std::wstring& arcType) {
  BrowserViews* installed = Views();
  if (!installed) return;
  const BrowserViews& views = *installed;
  const std::wstring fileName = core::GetFileNamePart(core::PrivateState.ArcFileName());

  Listing().SetNoArchiveState();
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
  if (nodeText != kRootText && views.lvListView.Count() == 0) {
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

  const int column = ColumnOf(arcType);
  if (column < 0) return;
  EnableMenu(views, L"mnuFileArcClose", -1, true);
  EnableMenu(views, L"mnuEditDSelectAll", -1, true);
  views.tbToolBar.SetButtonEnabled(L"All", true);
  EnableMenu(views, L"mnuTreePopUpProperty", -1, true);
  SetTypeCommands(views, column, fileName, nodeText);
}

}  // namespace browser
