#include "browser/MenuStatus.h"

#include "archiver/LibraryBinding.h"
#include "archiver/clsArchive.h"
#include "browser/BrowserViews.h"
#include "browser/Commands.h"
#include "browser/EntryList.h"
#include "browser/TreeListUpkeep.h"
#include "core/ArcCatalogue.h"
#include "core/SettingValues.h"
#include "core/Settings.h"
#include "core/Text.h"
#include "core/modPath.h"
#include "core/modTolvenar.h"

namespace browser {

const wchar_t kSplitterProgram[] = L"Dravisk.exe";
const wchar_t kJoinerProgram[] = L"Molquen.exe";

namespace {

constexpr wchar_t kRootText[] = L"書庫ﾌｧｲﾙ";

// The code of each type for a command, in the order of the type catalogue (LZH ... BH, TGZ, TBZ):
//   _ untouched   Y gate   X gate and node text ends in EXE   N gate and node text does not end in EXE
//   U ZIP extraction library   Z ZIP creation library   u/z U/Z and EXE   n Z and not EXE   ! always
//   A "arj.exe" present   R gate and ".RAR"   S "Default.SFX" and ".RAR"   W "rar.exe" and ".RAR"
//   6 gate and version text not below "0.06"   o disabled when the gate answers
struct TypeCodes {
  Command command;
  const char* codes;
};

constexpr TypeCodes kTypeCodes[] = {
    {Command::RenameInPlace, "Y_________Y_____Y__"},
    {Command::QuickUnPack, "YUYYYYR___YYYYY_YYY"},
    {Command::UnPack, "YUYYYYRYYYYYYYYYYYY"},
    {Command::List, "YUYYY_Y_YY_YYYYYYYY"},
    {Command::Test, "YUYYY_Y_YYY__YYYYYY"},
    {Command::TestInTree, "YUYYYYY_YYY__YYYYYY"},
    {Command::Convert, "Xz________X________"},
    {Command::ConvertInTree, "Xu________X________"},
    {Command::SaveAs, "YZYYYYYYYYYY_Y_YYYY"},
    {Command::SaveAsInTree, "YUYYYYYYYYYY_Y_YYYY"},
    {Command::SaveAsButton, "YZYYY_YYYYYY_Y_YYYY"},
    {Command::MakeSfx, "NnN___S_Y_N________"},
    {Command::AddFiles, "YZ_AY_W_YYY__Y__Y__"},
    {Command::AddFolder, "YZ_AY_W_YYY__Y__Y__"},
    {Command::Delete, "YZ_A__W_YYY__Y__Y__"},
    {Command::DeleteButton, "YZ_A__W_YYY_____Y__"},
    {Command::Rename, "Y_________Y_____Y__"},
    {Command::NewSwitch, "Y_________Y________"},
    {Command::QuickView, "YUYYYYRYYYYYYY__YYY"},
    {Command::OpenWithApplication, "YUYYYYRYYYYYYY6YYYY"},
    {Command::OpenWithApplicationInList, "YUYYYYRYYYYYYY6_YYY"},
    {Command::OpenWith, "YUYYYYR_YYYYYY__YYY"},
    {Command::View, "YUYYYYR_YYY___6_YYY"},
    {Command::Pack, "______________o____"},
    {Command::FolderPack, "______________o____"},
    {Command::Property, "______________o____"},
    {Command::CloseArchiveInTree, "Y!YYYYYYYYYYYYYYYYY"},
    {Command::CloseArchiveButton, "YUYYYYYYYYYYYYYYYYY"},
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

// The types a new archive can be made of follow what their creation needs; the others keep their state.
void SetCreatableTypes(CommandState& state) {
  for (const core::ArcTypeRow& row : core::ArcCatalogue()) {
    const core::Presence& gate = row.creation.menuGate;
    if (!gate.Given()) continue;
    const bool present = !archiver::PresenceText(gate).empty();
    state.Enable(Command::MakeArcType, present, row.index);
    if (row.creation.fileMenuFollowsWhenPresent || !present) state.Enable(Command::NewArcOfType, present, row.index);
  }
}

bool EndsWithExe(const std::wstring& text) {
  return text.size() >= 3 && core::UCase(text.substr(text.size() - 3)) == L"EXE";
}

void SetTypeCommands(CommandState& state, const core::ArcTypeRow& row, const std::wstring& fileName,
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
  for (const TypeCodes& type : kTypeCodes) {
    int decision = Decide(type.codes[column], facts);
    if (decision >= 0) state.Enable(type.command, decision == 1);
  }
}

// The state with no archive open, on which every call builds; the types to create are not touched.
void SetNoArchiveState(CommandState& state) {
  for (Command command : {Command::CloseArchive,
                          Command::CloseArchiveButton,
                          Command::CloseArchiveInTree,
                          Command::CloseAll,
                          Command::UnPack,
                          Command::QuickUnPack,
                          Command::List,
                          Command::Test,
                          Command::TestInTree,
                          Command::Convert,
                          Command::ConvertInTree,
                          Command::SaveAs,
                          Command::SaveAsInTree,
                          Command::SaveAsButton,
                          Command::MakeSfx,
                          Command::AddFiles,
                          Command::AddFolder,
                          Command::Delete,
                          Command::DeleteButton,
                          Command::Rename,
                          Command::RenameInPlace,
                          Command::NewSwitch,
                          Command::QuickView,
                          Command::OpenWithApplication,
                          Command::OpenWithApplicationInList,
                          Command::OpenWith,
                          Command::View,
                          Command::Expand,
                          Command::SelectAll,
                          Command::ArchiveProperty,
                          Command::Jpeg})
    state.Enable(command, false);
  for (Command command : {Command::Open, Command::Pack, Command::FolderPack}) state.Enable(command, true);
}

}  // namespace

void SetMenuStatus(const std::wstring& arcType) {
  BrowserViews* views = Views();
  if (!views) return;
  CommandState& state = Commands();
  const std::wstring fileName = core::GetFileNamePart(core::PrivateState.ArcFileName());

  SetNoArchiveState(state);
  // The list pop-up's property item is enabled when the window is made; only an IMP archive with its
  // library takes it away, and it comes back with the next archive of another type.
  state.Enable(Command::Property, true);
  SetCreatableTypes(state);
  state.Enable(Command::Jpeg, !archiver::Archive().GetJpzVersion().empty());
  if (views->tvTreeView.Count() > 1) state.Enable(Command::CloseAll, true);

  const std::wstring selected = views->tvTreeView.SelectedKey();
  const std::wstring nodeText = selected.empty() ? L"" : views->tvTreeView.Text(selected);
  const core::ArcTypeRow* row = core::FindArcType(arcType);
  if (nodeText != kRootText && Entries().Count() == 0) {
    // A new archive not yet saved has no entries: it can take files or be closed.
    if (IsNewArchive(core::PrivateState.ArcFileName())) {
      for (Command command : {Command::CloseArchive, Command::CloseArchiveButton, Command::CloseArchiveInTree,
                              Command::AddFiles, Command::AddFolder})
        state.Enable(command, true);
    }
  } else if (row) {
    for (Command command : {Command::CloseArchive, Command::SelectAll, Command::ArchiveProperty})
      state.Enable(command, true);
    SetTypeCommands(state, *row, fileName, nodeText);
  }
  ShowCommands();
}

int ChosenMember(Command command) {
  const core::SettingsStore& s = core::Settings;
  const std::wstring* setting = nullptr;
  switch (command) {
    case Command::MakeArcType:
      setting = &s.PackType;
      break;
    case Command::ListViewMode:
      setting = &s.ViewMode;
      break;
    case Command::SortColumn:
      setting = &s.SortIndex;
      break;
    case Command::SortOrder:
      setting = &s.SortFlag;
      break;
    default:
      return -1;
  }
  return core::WholeSetting(*setting, -1, 0, CommandState::Members(command) - 1);
}

void TickChosenMembers() {
  CommandState& state = Commands();
  for (Command command : {Command::MakeArcType, Command::ListViewMode, Command::SortColumn, Command::SortOrder}) {
    const int chosen = ChosenMember(command);
    for (int member = 0; member < CommandState::Members(command); ++member)
      state.Check(command, member == chosen, member);
  }
}

void SetToolMenuStatus() {
  CommandState& state = Commands();
  const std::wstring folder = archiver::ToolFolder();
  state.Enable(Command::Splitter, core::NormalFileExists(core::CombinePath(folder, kSplitterProgram)));
  state.Enable(Command::Joiner, core::NormalFileExists(core::CombinePath(folder, kJoinerProgram)));
  ShowCommands();
}

}  // namespace browser
