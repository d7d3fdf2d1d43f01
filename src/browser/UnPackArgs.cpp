#include "browser/UnPackArgs.h"

#include <windows.h>

#include "core/ArcCatalogue.h"
#include "core/MainWindowLink.h"
#include "core/SettingValues.h"
#include "core/Text.h"
#include "core/modPath.h"
#include "core/modShell.h"
#include "core/modTolvenar.h"
#include "winui/MsgBox.h"

namespace browser {
namespace {

// The list file's path: the selection without its leading "@" or "!".
std::wstring ListFilePath(const std::wstring& selection) {
  if (!selection.empty() && (selection[0] == L'@' || selection[0] == L'!')) return selection.substr(1);
  return selection;
}

// The archive's file name up to its last dot (the whole name when it has none).
std::wstring ArchiveStem(const std::wstring& arcPath) {
  const std::wstring name = core::GetFileNamePart(arcPath);
  const size_t dot = name.rfind(L'.');
  return dot == std::wstring::npos ? name : name.substr(0, dot);
}

// Appends a folder named after the archive, to be made.
void AddArchiveFolder(UnPackDestination& plan, const std::wstring& arcPath) {
  plan.folder += ArchiveStem(arcPath);
  plan.make.push_back(plan.folder);
  plan.folder = core::AddBackslash(plan.folder);
}

// The items of a list file, one per line (a line in double quotes loses them), each with "/" turned into
// "\" and quoted when it holds a blank, joined by single blanks.
std::wstring ListItems(const std::wstring& listFile) {
  HANDLE file = CreateFileW(listFile.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return L"";
  std::string bytes;
  char buffer[65536];
  DWORD read = 0;
  while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) bytes.append(buffer, read);
  CloseHandle(file);

  std::wstring items;
  const std::wstring text = core::FromCp932(bytes);
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find(L'\n', start);
    if (end == std::wstring::npos) end = text.size();
    std::wstring item = core::Trim(text.substr(start, end - start));
    start = end + 1;
    if (!item.empty() && item.back() == L'\r') item = core::Trim(item.substr(0, item.size() - 1));
    if (item.size() >= 2 && item.front() == L'"' && item.back() == L'"') item = item.substr(1, item.size() - 2);
    if (item.empty()) continue;
    items += L' ' + core::QuotePath(core::SlashToBackslash(item));
  }
  return core::Trim(items);
}

std::wstring Names(const core::ArcTypeRow* row, const std::wstring& selection) {
  if (core::Trim(selection).empty()) return L"";
  const core::ExtractNames rule = row ? row->extraction.names : core::ExtractNames::ListFile;
  switch (rule) {
    case core::ExtractNames::Inline:
      return selection;
    case core::ExtractNames::ListItems:
      return ListItems(ListFilePath(selection));
    case core::ExtractNames::ListFile:
      break;
  }
  return core::QuotePath(selection);
}

bool Holdable(const std::wstring& name) { return core::ToCp932Exact(name).has_value(); }

}  // namespace

UnPackDestination PlanUnPackDestination(const core::SettingsStore& settings, const std::wstring& arcPath,
                                        const std::wstring& selection, const std::wstring& destGiven, bool direct,
                                        bool iconDrop) {
  const std::wstring base = core::AddBackslash(core::GetFolderPart(direct ? arcPath : ListFilePath(selection)));
  UnPackDestination plan;
  if (iconDrop) {
    // Without a default folder the archive's folder is taken, as the dialog does: never the drive's root.
    std::wstring start = destGiven;
    if (start.empty())
      start = core::IsOn(settings.UnpackDefaultFlag) || core::Trim(settings.UnpackDefault).empty()
                  ? base
                  : settings.UnpackDefault;
    plan.make.push_back(core::RemoveBackslash(start));
    plan.folder = core::AddBackslash(start);
    if (core::IsOn(settings.FolderByArc) && destGiven.empty()) {
      if (direct)
        AddArchiveFolder(plan, arcPath);
      else
        plan.folder += L"Drag\\";
    }
    return plan;
  }
  if (destGiven.empty()) {
    plan.folder = base;
    return plan;
  }
  plan.folder = core::AddBackslash(destGiven);
  if (core::IsOn(settings.COM_MakeFolder)) AddArchiveFolder(plan, arcPath);
  return plan;
}

std::wstring UnholdableNameMessage(const std::wstring& name) {
  return L"\"" + name + L"\"\r\nこの名前には書庫ライブラリに渡せない文字が含まれているため処理できません";
}

std::optional<operations::UnPackArgs> MakeUnPackArgs(const std::wstring& type, const std::wstring& arcPath,
                                                     const std::wstring& destGiven, bool direct) {
  const std::wstring selection = core::PrivateState.SelectArcFileName();
  const UnPackDestination plan =
      PlanUnPackDestination(core::Settings, arcPath, selection, destGiven, direct, core::PrivateState.IconDrop());
  for (const std::wstring& name : {arcPath, core::RemoveBackslash(plan.folder), ListFilePath(selection)}) {
    if (Holdable(name)) continue;
    winui::MsgBox(UnholdableNameMessage(name), MB_OK | MB_ICONEXCLAMATION, core::kProgramTitle,
                  core::MainWindow().Hwnd());
    return std::nullopt;
  }
  for (const std::wstring& folder : plan.make) CreateDirectoryW(folder.c_str(), nullptr);

  const core::ArcTypeRow* row = core::FindArcType(type);
  operations::UnPackArgs args;
  args.names = Names(row, selection);
  args.quotedArchive = core::QuotePath(arcPath);
  args.folder = plan.folder;
  // A folder without a short form keeps its blanks: then it goes in quotes all the same.
  args.destination =
      core::QuotePath(row && row->extraction.shortDestination ? core::GetShortPath(plan.folder) : plan.folder);
  return args;
}

}  // namespace browser
