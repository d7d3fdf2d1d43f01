#include "operations/SfxArchive.h"

#include "core/ArcCatalogue.h"
#include "core/ArcType.h"
#include "core/SettingValues.h"
#include "core/Text.h"
#include "core/modPath.h"
#include "core/modShell.h"
#include "core/modTolvenar.h"

namespace operations {

const wchar_t kZipSfxModuleMissing[] = L"ZIP形式の自己解凍型書庫を作成するには sfx32gui.dat が必要となります";

namespace {

// An option with a command text: the switch followed directly by the trimmed text, when both are set.
void AddCommandSwitch(std::wstring& switches, const wchar_t* name, const std::wstring& flag,
                      const std::wstring& command) {
  const std::wstring text = core::Trim(command);
  if (core::IsOn(flag) && !text.empty()) switches += L" " + std::wstring(name) + text;
}

}  // namespace

std::wstring LzhSfxSwitches(const core::SettingsStore& s) {
  struct Kind {
    const wchar_t* japanese;
    const wchar_t* english;
  };
  static const Kind kKinds[] = {
      {L"-x1", L"-x1"}, {L"-jwj", L"-jwe"}, {L"-jwj3", L"-jwe3"}, {L"-gwj", L"-gwe"}, {L"-gwj3", L"-gwe3"}};
  std::wstring switches = L"s";
  for (int k = 0; k < 5; ++k)
    if (s.LZH_SFX == core::ToWString(k))
      switches += L" " + std::wstring(core::IsOn(s.LZH_SFXEnglish) ? kKinds[k].english : kKinds[k].japanese);
  switches += L" -gu1";
  if (core::IsOn(s.LZH_SFXCapital)) switches += L" -i0";
  switches += core::IsOn(s.LZH_SFXgya) ? L" -gya1" : L" -gya0";
  switches += core::IsOn(s.LZH_SFXgyc) ? L" -gyc0" : L" -gyc1";
  AddCommandSwitch(switches, L"-gyd", s.LZH_SFXgyd, s.LZH_SFXgydCommand);
  AddCommandSwitch(switches, L"-gye", s.LZH_SFXgye, s.LZH_SFXgyeCommand);
  if (core::IsOn(s.LZH_SFXgyo)) switches += L" -gyo1";
  if (core::IsOn(s.LZH_SFXgyq)) switches += L" -gyq1";
  if (core::IsOn(s.LZH_SFXgys)) switches += L" -gys1";
  AddCommandSwitch(switches, L"-gyt", s.LZH_SFXgyt, s.LZH_SFXgytCommand);
  AddCommandSwitch(switches, L"-gyw", s.LZH_SFXgyw, s.LZH_SFXgywCommand);
  if (core::IsOn(s.LZH_SFXgyx)) switches += L" -gyx1";
  return switches;
}

std::wstring SfxDestination(const std::wstring& archive, const std::wstring& destination) {
  const std::wstring folder = core::Trim(destination).empty() ? core::GetFolderPart(archive) : destination;
  return core::QuotePath(core::AddBackslash(folder));
}

std::optional<ArchiverCommand> SfxCommand(const core::SettingsStore& settings, const std::wstring& type,
                                          const std::wstring& archive, const std::wstring& destination, bool plain,
                                          bool moduleFound) {
  const core::ArcTypeRow* row = core::FindArcType(type);
  if (!row || !row->creation.sfx.verb) return std::nullopt;
  const core::SfxCommand& sfx = row->creation.sfx;
  if (sfx.module && !moduleFound) return std::nullopt;
  std::wstring line = sfx.lzhSwitches ? LzhSfxSwitches(settings) : std::wstring(sfx.verb);
  line += L" " + core::QuotePath(archive);
  if (sfx.destination) line += L" " + SfxDestination(archive, destination);
  // The name is one argument, blanks and all, as the rename command passes its new name.
  if (sfx.lzhSwitches && !settings.LZH_SFXName.empty() && !plain)
    line += L" " + core::QuotePath(L"-gr" + settings.LZH_SFXName);
  return ArchiverCommand{sfx.call.archiver, line, sfx.call.flag};
}

std::wstring SfxProgramPath(const core::SettingsStore& settings, const std::wstring& type, const std::wstring& archive,
                            const std::wstring& destination, bool plain) {
  const core::ArcTypeRow* row = core::FindArcType(type);
  if (!row || !row->creation.sfx.verb) return L"";
  const core::SfxCommand& sfx = row->creation.sfx;
  const bool toDestination = sfx.destination && !core::Trim(destination).empty();
  const std::wstring folder = toDestination ? destination : core::GetFolderPart(archive);
  const bool named = sfx.lzhSwitches && !settings.LZH_SFXName.empty() && !plain;
  return core::AddBackslash(folder) + (named ? settings.LZH_SFXName : core::GetBaseName(archive)) + L".exe";
}

std::wstring ExistingFileQuestion(const std::wstring& path) {
  return path + L"\r\nこのファイルは既に存在します\r\n処理を続けますか?";
}

JobResult MakeSfxArchive(core::OperationUi& ui, const SfxRequest& request) {
  const std::wstring& archive = request.archive;
  const std::wstring& given = request.destination;
  const bool plain = request.plain;
  const std::wstring type = core::GetArcTypeByExt(archive);
  const core::ArcTypeRow* row = core::FindArcType(type);

  bool moduleFound = true;
  if (row && row->creation.sfx.verb && row->creation.sfx.module) {
    std::wstring module = row->creation.sfx.module;
    moduleFound = core::FindFilePath(module);
  }
  if (!moduleFound) {
    ui.Ask(kZipSfxModuleMissing, MB_OK | MB_ICONEXCLAMATION);
    return {};
  }
  // The archiver writes its program over a file of that name, hidden or not: an unrelated file stays unless
  // the user says otherwise. (A folder of that name is no file to lose; the archiver fails on it.)
  const std::wstring program = SfxProgramPath(core::Settings, type, archive, given, plain);
  const DWORD there = program.empty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesW(program.c_str());
  if (there != INVALID_FILE_ATTRIBUTES && !(there & FILE_ATTRIBUTE_DIRECTORY) &&
      ui.Ask(ExistingFileQuestion(program), MB_OKCANCEL | MB_ICONQUESTION) != IDOK)
    return {};
  JobResult result;
  result.ok = Run(ui.Owner(), SfxCommand(core::Settings, type, archive, given, plain, true)).Succeeded();
  if (result.ok && !program.empty()) result.made.push_back(program);
  return result;
}

std::wstring SfxProgramName(const std::wstring& archive) {
  return archive.substr(0, archive.size() >= 3 ? archive.size() - 3 : 0) + L"exe";
}

std::wstring ProgramPath(const std::wstring& path) {
  const size_t dot = path.rfind(L'.');
  const size_t separator = path.find_last_of(L"\\/");
  if (dot == std::wstring::npos || (separator != std::wstring::npos && dot < separator)) return path + L".exe";
  return path.substr(0, dot + 1) + L"exe";
}

}  // namespace operations
