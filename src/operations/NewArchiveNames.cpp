#include "operations/NewArchiveNames.h"

#include <windows.h>

#include <optional>

#include "core/ArcCatalogue.h"
#include "core/SettingValues.h"
#include "core/Settings.h"
#include "core/Text.h"
#include "core/modPath.h"
#include "core/modShell.h"
#include "core/modTolvenar.h"

namespace operations {

const wchar_t kTarSfxModuleMissing[] = L"TAR形式の自己解凍型書庫を作成するには kmtarsef.exe が必要となります";

namespace {

std::wstring FourDigits(int32_t counter) {
  const std::wstring digits = core::PadNumber(counter, 4);
  return digits.substr(digits.size() - 4);
}

// The name a volume or self-extractor option gives (`name`, cut before `extension` in its file name), in
// the save folder when that is chosen, else in its own folder, else in `folder`.
void NameFromOptions(const std::wstring& name, const wchar_t* extension, NewArcName& out, const std::wstring& folder) {
  const core::SettingsStore& s = core::Settings;
  std::wstring place = folder;
  std::wstring fileName = core::GetFileNamePart(name);
  if (!s.SaveDefault.empty() && core::IsOn(s.SaveDefaultFlag)) {
    place = core::AddBackslash(s.SaveDefault);
  } else if (!core::GetFolderPart(name).empty()) {
    place = core::AddBackslash(core::GetFolderPart(name));
  }
  const size_t cut = core::UCase(fileName).find(extension);
  if (cut != std::wstring::npos) fileName.erase(cut);
  out.folder = place;
  out.path = place + fileName;
}

// The extension of a new archive; nullopt when the type's self-extractor module is missing.
std::optional<std::wstring> NewExtension(const core::ArcTypeRow* row, const std::wstring& type) {
  if (!row) return L"." + core::LCase(type);
  const core::Creation& creation = row->creation;
  if (row->index == core::ArcTypeTar && core::IsOn(core::Settings.TAR_MakeSFX)) {
    std::wstring module = L"kmtarsef.exe";
    if (!core::FindFilePath(module)) return std::nullopt;
    return L".exe";
  }
  if (creation.newExtension) return creation.newExtension;
  if (creation.extensionSetting) {
    const auto value = core::WholeSetting(core::Settings.*creation.extensionSetting, 0,
                                          static_cast<int>(creation.extensionsBySetting.size()) - 1);
    const std::wstring& text = core::Settings.*creation.extensionSetting;
    if (!value || text != core::ToWString(*value)) return std::wstring();
    return creation.extensionsBySetting[static_cast<size_t>(*value)];
  }
  return L"." + core::LCase(type);
}

}  // namespace

NewArcName MakeNewArcFileName(core::OperationUi& ui, const std::wstring& type, const std::wstring& folder) {
  const core::SettingsStore& s = core::Settings;
  const core::ArcTypeRow* row = core::FindArcType(type);
  NewArcName name;
  name.folder = folder;
  bool fromOptions = true;
  if (type == L"CAB" && !s.CAB_MultiFile.empty() && (core::IsOn(s.CAB_MakeSFX) || core::IsOn(s.CAB_Multi))) {
    NameFromOptions(s.CAB_MultiFile, L".CAB", name, folder);
  } else if (type == L"ISH" && !s.SaveDefault.empty() && core::IsOn(s.SaveDefaultFlag)) {
    // ISH writes one file per source file; only the folder counts.
    name.folder = core::AddBackslash(s.SaveDefault);
    name.path = name.folder;
  } else if (type == L"RAR" && core::IsOn(s.RAR_Volume)) {
    NameFromOptions(s.RAR_VolumeName, L".RAR", name, folder);
  } else {
    fromOptions = false;
    ++core::NewArcCount;
    name.counted = true;
  }

  const std::optional<std::wstring> extension = NewExtension(row, type);
  if (!extension) {
    ui.Ask(kTarSfxModuleMissing, MB_OK | MB_ICONEXCLAMATION);
    GiveBack(name);
    return {};
  }
  if (fromOptions) {
    name.path += *extension;
    return name;
  }
  // A file left by an earlier run or another program keeps its name: the counter moves on.
  for (int tries = 0; tries < 10000; ++tries) {
    name.path = folder + L"$New" + FourDigits(core::ArcNodeCounter) + *extension;
    if (!core::PathTaken(name.path)) break;
    ++core::ArcNodeCounter;
  }
  return name;
}

void GiveBack(const NewArcName& name) {
  if (name.counted) core::NewArcCount = core::NewArcCount > 0 ? core::NewArcCount - 1 : 0;
}

std::wstring NewArchiveFolderPath() { return core::AddBackslash(core::AddBackslash(core::WorkFolderPath()) + L"Arc"); }

std::wstring NewArchiveFolder() {
  CreateDirectoryW(core::WorkFolderPath().c_str(), nullptr);
  const std::wstring folder = NewArchiveFolderPath();
  CreateDirectoryW(folder.c_str(), nullptr);
  return folder;
}

}  // namespace operations
