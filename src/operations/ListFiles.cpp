#include "operations/ListFiles.h"

#include <windows.h>

#include "core/ArcCatalogue.h"
#include "core/Settings.h"
#include "core/Text.h"
#include "core/modPath.h"
#include "core/modShell.h"
#include "core/modTolvenar.h"

namespace operations {

const wchar_t kWorkFolderMissing[] =
    L"作業フォルダが指定されていないか存在しません\r\n「オプション」-「作業フォルダ」にて指定して下さい";

namespace {

const core::ListFileRules& RulesOf(const std::wstring& type) {
  static const core::ListFileRules kOther{};
  const core::ArcTypeRow* row = core::FindArcType(type);
  return row ? row->listFile : kOther;
}

// The index of a path handling in the rules' tables (none, relative, absolute); -1 for Unknown.
int PathOption(core::PathMode paths) { return paths == core::PathMode::Unknown ? -1 : static_cast<int>(paths); }

bool HoldsAllFiles(const std::wstring& item) { return item.find(L"*.*") != std::wstring::npos; }

// Writes the items of one pack list, keeping what the rules carry from one item to the next.
class PackWriter {
 public:
  PackWriter(PackList& out, const ShortPathFunction& shortPath) : out_(out), shortPath_(shortPath) {}

  // One item seen as base folder x, the item relative to it y and its whole path z.
  void Item(const core::PackRule& rule, const std::wstring& x, const std::wstring& y, const std::wstring& z) {
    const std::wstring& measured = rule.measureItemFolder ? core::GetFolderPart(z) : x;
    const bool belowRoot = rule.shortBelow > 0 && measured.size() < rule.shortBelow;
    out_.lines.push_back(Line(belowRoot ? rule.shortForm : rule.form, x, y, z));
    switch (rule.base) {
      case core::PackBase::Keep:
        break;
      case core::PackBase::Clear:
        out_.arcFolderName.clear();
        break;
      case core::PackBase::SetToX:
        out_.arcFolderName = x;
        break;
      case core::PackBase::OwnFolderName:
        if (firstItem_)
          out_.arcFolderName = HoldsAllFiles(y) ? core::AddBackslash(core::GetFolderPart(y))
                                                : core::AddBackslash(core::GetFileNamePart(core::GetFolderPart(x)));
        break;
    }
    firstItem_ = false;
  }

 private:
  std::wstring Line(core::PackForm form, const std::wstring& x, const std::wstring& y, const std::wstring& z) {
    using core::QuotePath;
    switch (form) {
      case core::PackForm::Whole:
        return QuotePath(z);
      case core::PackForm::WholeBare:
        return z;
      case core::PackForm::Relative:
        return QuotePath(y);
      case core::PackForm::FileName:
        return QuotePath(core::GetFileNamePart(z));
      case core::PackForm::ShortWhole:
        return QuotePath(shortPath_(z));
      case core::PackForm::ShortBare:
        return shortPath_(z);
      case core::PackForm::BaseLine:
      case core::PackForm::TarBaseLine: {
        if (baseLineWritten_) return QuotePath(y);
        baseLineWritten_ = true;
        const std::wstring mark = form == core::PackForm::TarBaseLine ? L"-o " : L"";
        return mark + QuotePath(x) + L" " + QuotePath(y);
      }
      case core::PackForm::FolderAndName:
        return QuotePath(x) + L" " + QuotePath(y);
      case core::PackForm::DotMarker:
        // Quoted like every other line form, so a blank on the way does not split the item.
        return QuotePath(x + L".\\" + y);
      case core::PackForm::ParentRelative:
        if (x.size() >= 3 && x[1] == L':' && x[2] == L'\\') return QuotePath(L".." + x.substr(2) + y);
        return QuotePath(z);
    }
    return QuotePath(z);
  }

  PackList& out_;
  const ShortPathFunction& shortPath_;
  bool baseLineWritten_ = false;
  bool firstItem_ = true;
};

// How one folder packed as its contents is listed: everything in it ("*.*") seen from the folder itself, in
// the type's relative form. RAR and ACE take full short names, from which the tool drops the folder's path
// (their switches ask for it when no base folder is left); ARJ's staged run and GCA's command name the folder
// as their base.
core::PackRule FolderContentsRule(const std::wstring& type) {
  const core::ArcTypeRow* row = core::FindArcType(type);
  switch (row ? row->index : -1) {
    case core::ArcTypeRar:
    case core::ArcTypeAce:
      return {.form = core::PackForm::ShortWhole, .base = core::PackBase::Clear};
    case core::ArcTypeArj:
      return {.form = core::PackForm::Whole};
    case core::ArcTypeGca:
      return {.form = core::PackForm::Relative};
    default:
      return RulesOf(type).byPathOption[1];
  }
}

// The one folder item of a pack list ("name\*.*" and nothing else), as the folder's name; "" otherwise.
std::wstring OnlyFolderItem(const std::wstring& rest) {
  if (rest.find(L'\0') != std::wstring::npos || core::GetFileNamePart(rest) != L"*.*") return L"";
  return core::GetFolderPart(rest);
}

std::wstring CreateWorkFolder() {
  const std::wstring folder = core::WorkFolderPath();
  CreateDirectoryW(folder.c_str(), nullptr);
  return folder;
}

}  // namespace

std::vector<std::wstring> SelectListLines(const std::wstring& type, const std::vector<SelectedEntry>& entries) {
  const core::EntrySlashes slashes = RulesOf(type).slashes;
  std::vector<std::wstring> lines;
  lines.reserve(entries.size());
  for (const SelectedEntry& entry : entries) {
    const bool inFolder = !core::Trim(entry.folder).empty();
    std::wstring name = inFolder ? entry.folder + entry.name : entry.name;
    if (slashes == core::EntrySlashes::Always || (slashes == core::EntrySlashes::WhenInFolder && inFolder))
      core::SlashToBackslash(name);
    if (!name.empty() && name[0] == L'\\') name.erase(0, 1);
    lines.push_back(core::QuotePath(name));
  }
  return lines;
}

std::wstring IshSelectArgument(const std::vector<SelectedEntry>& entries) {
  std::wstring argument;
  for (const SelectedEntry& entry : entries) argument += L"/Y " + entry.name + L" ";
  return core::Trim(argument);
}

PackList PackListLines(const std::wstring& files, const std::wstring& type, bool withFolders, core::PathMode paths,
                       const ShortPathFunction& shortPath, bool folderSource) {
  const core::ListFileRules& rules = RulesOf(type);
  // What lies in a folder keeps its path below the folder even where no path names are asked for: a folder
  // alone goes as its contents, several items as relative path names.
  const bool folderPaths = folderSource && !withFolders && paths == core::PathMode::None;
  const int option = PathOption(folderPaths ? core::PathMode::Relative : paths);
  PackList out;
  PackWriter writer(out, shortPath);

  const size_t firstNul = files.find(L'\0');
  std::wstring base = firstNul == std::wstring::npos ? std::wstring() : files.substr(0, firstNul);
  const std::wstring rest = firstNul == std::wstring::npos ? files : files.substr(firstNul + 1);
  if (core::Trim(base).empty()) {
    // One path without a base folder, seen from its folder's parent.
    if (option < 0) return out;
    const std::wstring folder = core::GetFolderPart(rest);
    const std::wstring parent = core::AddBackslash(core::GetFolderPart(folder));
    const std::wstring relative = core::AddBackslash(core::GetFileNamePart(folder)) + core::GetFileNamePart(rest);
    writer.Item(rules.singlePath[option], parent, relative, rest);
    return out;
  }

  base = core::AddBackslash(base);
  out.arcFolderName = base;
  const std::wstring folder = folderPaths ? OnlyFolderItem(rest) : std::wstring();
  if (!folder.empty()) {
    const std::wstring inside = base + core::AddBackslash(folder);
    out.arcFolderName = inside;
    writer.Item(FolderContentsRule(type), inside, L"*.*", inside + L"*.*");
    return out;
  }
  size_t start = 0;
  while (true) {
    const size_t end = rest.find(L'\0', start);
    const std::wstring item = rest.substr(start, end == std::wstring::npos ? std::wstring::npos : end - start);
    if (withFolders && HoldsAllFiles(item)) {
      const std::wstring folder = core::GetFolderPart(item);
      writer.Item(rules.folderItem, core::AddBackslash(core::GetFolderPart(folder)),
                  core::AddBackslash(core::GetFileNamePart(folder)) + core::GetFileNamePart(item), item);
    } else if (withFolders) {
      writer.Item(rules.fileItem, core::AddBackslash(core::GetFolderPart(item)), core::GetFileNamePart(item), item);
    } else if (option >= 0) {
      writer.Item(rules.byPathOption[option], base, item, base + item);
    }
    if (end == std::wstring::npos) break;
    start = end + 1;
  }
  return out;
}

std::wstring ListFilePath() { return core::AddBackslash(core::WorkFolderPath()) + core::ListFileName; }

bool WriteListFile(const std::wstring& path, const std::vector<std::wstring>& lines) {
  std::string bytes;
  bool exact = true;
  for (const std::wstring& line : lines) {
    std::optional<std::string> text = core::ToCp932Exact(line);
    if (!text) {
      exact = false;
      text = core::ToCp932(line);
    }
    bytes += *text;
    bytes += "\r\n";
  }
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool ok =
      bytes.empty() ||
      (WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) && written == bytes.size());
  CloseHandle(file);
  return ok && exact;
}

std::vector<std::wstring> ReadListItems(const std::wstring& path) {
  std::vector<std::wstring> items;
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return items;
  std::string bytes;
  char buffer[65536];
  DWORD read = 0;
  while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) bytes.append(buffer, read);
  CloseHandle(file);
  size_t start = 0;
  while (start < bytes.size()) {
    size_t end = bytes.find('\n', start);
    if (end == std::string::npos) end = bytes.size();
    size_t stop = end;
    if (stop > start && bytes[stop - 1] == '\r') --stop;
    std::wstring item = core::FromCp932(bytes.data() + start, stop - start);
    if (item.size() >= 2 && item.front() == L'"' && item.back() == L'"') item = item.substr(1, item.size() - 2);
    items.push_back(item);
    start = end + 1;
  }
  return items;
}

std::optional<std::wstring> MakeSelectFileList(core::OperationUi& ui, const std::wstring& type,
                                               const std::vector<SelectedEntry>& entries) {
  const DWORD attributes = GetFileAttributesW(core::Settings.WorkFolder.c_str());
  if (core::Settings.WorkFolder.empty() || attributes == INVALID_FILE_ATTRIBUTES ||
      !(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    ui.Ask(kWorkFolderMissing, MB_OK | MB_ICONEXCLAMATION);
    return std::nullopt;
  }
  if (entries.empty()) return std::nullopt;
  const core::ArcTypeRow* row = core::FindArcType(type);
  if (row && row->commandShape == core::CommandShape::Ish) return IshSelectArgument(entries);
  CreateWorkFolder();
  const std::wstring path = ListFilePath();
  WriteListFile(path, SelectListLines(type, entries));
  const wchar_t mark = row ? row->listFile.selectMark : L'@';
  return std::wstring(1, mark) + path;
}

PackListFile MakePackFileList(const std::wstring& files, const std::wstring& type, bool withFolders,
                              bool folderSource) {
  return MakePackFileList(files, type, withFolders, core::PathModeOf(core::Settings.COM_Folder), folderSource);
}

PackListFile MakePackFileList(const std::wstring& files, const std::wstring& type, bool withFolders,
                              core::PathMode paths, bool folderSource) {
  const PackList list = PackListLines(files, type, withFolders, paths, &core::GetShortPath, folderSource);
  CreateWorkFolder();
  const std::wstring path = ListFilePath();
  PackListFile made;
  made.written = WriteListFile(path, list.lines);
  made.argument = L"@" + path;
  made.baseFolder = list.arcFolderName;
  return made;
}

void DeleteListFile() {
  const std::wstring path = ListFilePath();
  if (core::NormalFileExists(path)) DeleteFileW(path.c_str());
}

}  // namespace operations
