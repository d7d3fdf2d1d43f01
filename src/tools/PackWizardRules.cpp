#include "tools/PackWizardRules.h"

#include <algorithm>

#include "archiver/LibraryBinding.h"
#include "archiver/clsArchive.h"
#include "core/ArcType.h"
#include "core/ArcTypeTexts.h"
#include "core/SettingValues.h"
#include "core/Text.h"
#include "core/modPath.h"

namespace tools {

namespace {

bool Is(const core::ArcTypeRow& row, int16_t index) { return row.index == index; }

std::wstring Joined(const std::wstring& base, const std::vector<std::wstring>& names) {
  std::wstring files = base;
  for (const std::wstring& name : names) files += L'\0' + name;
  return files;
}

}  // namespace

bool PackTypeOffered(const core::ArcTypeRow& row) {
  const core::Creation& creation = row.creation;
  if (row.index < 0 || creation.form == core::CreateForm::None) return false;
  const std::wstring tool = creation.windowTool;
  if (!tool.empty()) return core::NormalFileExists(core::CombinePath(archiver::ToolFolder(), tool));
  return !archiver::PresenceText(creation.menuGate.Given() ? creation.menuGate : row.presence).empty();
}

std::wstring PackExtension(const core::ArcTypeRow& row, const core::SettingsStore& settings) {
  const core::Creation& creation = row.creation;
  if (!creation.extensionSetting) return L"." + core::LCase(row.name);
  const std::wstring& kind = settings.*creation.extensionSetting;
  for (size_t k = 0; k < creation.extensionsBySetting.size(); ++k)
    if (kind == std::to_wstring(k)) return creation.extensionsBySetting[k];
  return L"";
}

std::wstring PackNameFilter(const core::ArcTypeRow& row, const core::SettingsStore& settings) {
  if (row.creation.form == core::CreateForm::None) return L"";
  const std::wstring extension = PackExtension(row, settings);
  if (extension.empty()) return L"";
  return core::SaveFilter(row, extension.substr(1));
}

std::optional<std::wstring> NormaliseArchiveName(const std::wstring& typed, const core::ArcTypeRow& row,
                                                 const core::SettingsStore& settings) {
  if (core::Trim(typed).empty()) return std::nullopt;
  const std::wstring typedExtension = core::UCase(core::GetExtension(typed, false));
  // A name with the type's own extension is taken as typed, where that extension is one the program reads
  // as the type (".BGA" is none: BGA archives are ".gza" or ".bza").
  if (typedExtension == L"." + core::UCase(row.name) &&
      std::find(row.extensions.begin(), row.extensions.end(), typedExtension) != row.extensions.end())
    return typed;
  std::wstring name = typed;
  // Only the file name loses what follows its first dot: a dot in a folder name belongs to the folder.
  const size_t separator = name.find_last_of(L"\\/");
  const size_t dot = name.find(L'.', separator == std::wstring::npos ? 0 : separator + 1);
  if (dot != std::wstring::npos) name.erase(dot);
  const std::wstring extension = PackExtension(row, settings);
  name += extension.empty() ? L"." : extension;
  if (name.find_first_of(L"\\/") == std::wstring::npos)
    name = core::AddBackslash(core::SaveStartFolder(settings)) + name;
  return name;
}

std::wstring IshDefaultName(const std::wstring& firstSource) {
  const std::wstring file = core::GetFileNamePart(firstSource);
  return file.substr(0, file.find(L'.')) + L".xxx";
}

bool TakesMoreSources(const core::ArcTypeRow& row, SourceKind added) {
  if (Is(row, core::ArcTypeCab) || Is(row, core::ArcTypeIsh)) return false;
  return !Is(row, added == SourceKind::File ? core::ArcTypeYz2 : core::ArcTypeYz1);
}

bool PicksOneFile(const core::ArcTypeRow& row) { return Is(row, core::ArcTypeIsh) || Is(row, core::ArcTypeYz2); }

bool SfxOffered(const core::ArcTypeRow& row, const core::SettingsStore& settings) {
  if (!row.creation.makeSfx) return false;
  if (Is(row, core::ArcTypeCab) && core::IsOn(settings.CAB_Multi)) return false;
  return !(Is(row, core::ArcTypeTar) && settings.TAR_ArcType == L"2");
}

bool OpenOfferedWithSfx(const core::ArcTypeRow& row) {
  // ace.exe's programs are not read back as archives.
  return row.creation.makeSfx && !Is(row, core::ArcTypeAce);
}

std::wstring FolderSourceText(const std::wstring& folder) { return core::AddBackslash(folder) + L"*.*"; }

std::vector<PackCall> PackCalls(const core::ArcTypeRow& row, const std::vector<PackSource>& sources) {
  std::vector<std::wstring> folders, files;
  for (const PackSource& source : sources) (source.folder ? folders : files).push_back(source.text);
  if (sources.empty()) return {};
  if (row.creation.packsInOneCall) {
    std::vector<std::wstring> names = folders;
    names.insert(names.end(), files.begin(), files.end());
    return {{Joined(core::GetFolderPart(sources.front().text), names), !folders.empty()}};
  }
  std::vector<PackCall> calls;
  std::wstring base;
  for (size_t k = 0; k < sources.size(); ++k) {
    if (!sources[k].folder) continue;
    base = core::GetFolderPart(sources[k].text);
    if (row.creation.keepsFolderName && k == 0 && base.size() > 3) base = core::GetFolderPart(base);
  }
  if (!folders.empty()) calls.push_back({Joined(base, folders), true});
  if (!sources.front().folder) base = core::GetFolderPart(sources.front().text);
  if (!files.empty()) calls.push_back({Joined(base, files), false});
  return calls;
}

}  // namespace tools
