#include "Operations.h"

#include <cstdio>
#include <map>

#include "Cp932.h"
#include "SafePath.h"

namespace standin {

namespace {

std::string Key(std::string_view path) { return AsciiUpper(ToSlash(path)); }

bool HasWildcard(std::string_view s) { return s.find_first_of("*?") != std::string_view::npos; }

bool IsAbsolute(std::string_view p) {
  return (!p.empty() && (p[0] == '\\' || p[0] == '/')) ||
         (p.size() >= 2 && p[1] == ':' && !IsLeadByte(static_cast<unsigned char>(p[0])));
}

// The path without drive letter and leading separators, "/" between folders.
std::string StripRoot(std::string_view p) {
  std::string s = ToSlash(p);
  if (s.size() >= 2 && s[1] == ':' && !IsLeadByte(static_cast<unsigned char>(s[0]))) s.erase(0, 2);
  size_t b = s.find_first_not_of('/');
  return b == std::string::npos ? std::string() : s.substr(b);
}

// `full` relative to `base` when it lies below it, else empty.
std::string RelativeTo(const std::string& full, const std::string& base) {
  std::string f = ToSlash(full), b = ToSlash(base);
  while (!b.empty() && b.back() == '/') b.pop_back();
  if (b.empty() || f.size() <= b.size() + 1 || Key(f.substr(0, b.size())) != Key(b) || f[b.size()] != '/') return {};
  return f.substr(b.size() + 1);
}

struct SourceFile {
  std::string full;    // path on disk
  std::string stored;  // path inside the archive
  FileStat stat;
};

class Collector {
 public:
  Collector(IFileSystem& fs, const AddOptions& options) : fs_(fs), options_(options) {}

  void Add(const ListItem& item, const std::string& defaultBase) {
    // Names are stored relative to the base they were given against: the list line's own base,
    // else the command's folder for a relative name. A full path without a base of its own is
    // stored whole (without drive), as "absolute path names" ask.
    base_ = !item.base.empty() ? item.base : IsAbsolute(item.name) ? std::string() : defaultBase;
    std::string full = IsAbsolute(item.name) || base_.empty() ? item.name : JoinPath(base_, item.name);
    std::string name = NameOf(full);
    if (HasWildcard(name)) {
      Walk(FolderOf(full), name, options_.recurse);
      return;
    }
    FileStat st = fs_.Stat(full);
    if (!st.exists) {
      missing.push_back(item.name);
      return;
    }
    Push(full, st);
    if (st.isDirectory && options_.recurse) Walk(full, "*", true);
  }

  std::vector<SourceFile> files;
  std::vector<std::string> missing;

 private:
  void Walk(const std::string& folder, const std::string& pattern, bool recurse) {
    std::vector<DirItem> items;
    if (!fs_.List(folder.empty() ? "." : folder, items)) return;
    for (const auto& it : items) {
      std::string full = JoinPath(folder, it.name);
      if (it.isDirectory) {
        if (!recurse) continue;
        Push(full, fs_.Stat(full));
        Walk(full, pattern, true);
      } else if (WildcardMatch(pattern, it.name)) {
        Push(full, fs_.Stat(full));
      }
    }
  }

  void Push(const std::string& full, const FileStat& st) {
    if (st.isDirectory && (!options_.includeDirectories || options_.paths == PathMode::None)) return;
    std::string stored;
    if (options_.paths == PathMode::None) {
      stored = ToSlash(NameOf(full));
    } else {
      stored = base_.empty() ? std::string() : RelativeTo(full, base_);
      if (stored.empty()) stored = StripRoot(full);
    }
    if (stored.empty()) return;
    if (!options_.storedUnder.empty()) stored = ToSlash(JoinPath(options_.storedUnder, stored));
    files.push_back(SourceFile{full, stored, st});
  }

  IFileSystem& fs_;
  const AddOptions& options_;
  std::string base_;
};

int WriteArchive(IFileSystem& fs, const IArchiveFormat& format, const std::string& path, std::string_view oldBytes,
                 const std::vector<NewEntry>& entries, const WriteOptions& options, Report& report) {
  std::string out, error;
  if (!format.Write(oldBytes, entries, options, out, error)) {
    report.Line("cannot write the archive: " + error);
    return kErrorCannotWrite;
  }
  if (!fs.WriteFile(path, out)) {
    // Put the old archive back rather than leave a half-written one.
    if (!oldBytes.empty()) fs.WriteFile(path, std::string(oldBytes));
    report.Line("cannot write " + path);
    return kErrorCannotWrite;
  }
  return kOk;
}

std::vector<NewEntry> KeepAll(const LoadedArchive& archive) {
  std::vector<NewEntry> entries;
  for (const auto& e : archive.entries) entries.push_back(NewEntry{e.info, &e, {}});
  return entries;
}

}  // namespace

int LoadArchive(IFileSystem& fs, const IArchiveFormat& format, const std::string& path, LoadedArchive& archive,
                Report& report) {
  if (!fs.ReadFile(path, archive.bytes)) {
    report.Line("cannot open " + path);
    return kErrorCannotRead;
  }
  if (format.Locate(archive.bytes) < 0) {
    report.Line(path + " is not a " + std::string(format.Name()) + " archive");
    return kErrorNotArchive;
  }
  std::string error;
  if (!format.ReadDirectory(archive.bytes, archive.entries, error)) {
    report.Line(path + ": damaged archive: " + error);
    return kErrorDamaged;
  }
  return kOk;
}

std::vector<const StoredEntry*> SelectEntries(const std::vector<StoredEntry>& entries,
                                              const std::vector<std::string>& patterns) {
  std::vector<const StoredEntry*> selected;
  for (const auto& e : entries) {
    bool take = patterns.empty();
    std::string path = ToSlash(e.info.path);
    for (size_t i = 0; i < patterns.size() && !take; ++i) {
      std::string p = ToSlash(patterns[i]);
      while (!p.empty() && p.back() == '/') p.pop_back();
      if (p.empty()) continue;
      bool hasFolder = FindLastSeparator(p) != std::string::npos;
      take = WildcardMatch(p, path) || (!hasFolder && WildcardMatch(p, NameOf(path))) ||
             (!HasWildcard(p) && Key(path).rfind(Key(p) + "/", 0) == 0);
    }
    if (take) selected.push_back(&e);
  }
  return selected;
}

int ExtractEntries(IFileSystem& fs, const IArchiveFormat& format, const LoadedArchive& archive,
                   const std::vector<const StoredEntry*>& selected, const std::string& destination,
                   const ExtractOptions& options, Report& report) {
  if (selected.empty()) {
    report.Line("no matching entry");
    return kErrorNoFiles;
  }
  int result = kOk;
  size_t written = 0;
  if (!options.testOnly && !destination.empty()) fs.MakeDirectories(destination);
  for (const StoredEntry* e : selected) {
    const std::string& path = e->info.path;
    std::string target, why;
    std::string relative = options.keepFolders ? path : NameOf(path);
    if (!JoinSafe(destination, relative, target, why)) {
      report.Line("refused: " + path + " (" + why + ")");
      result = kErrorUnsafePath;
      continue;
    }
    if (e->info.isDirectory) {
      if (!options.testOnly && options.keepFolders) fs.MakeDirectories(target);
      continue;
    }
    std::string data, error;
    if (!format.ReadData(archive.bytes, *e, options.password, data, error)) {
      report.Line("error: " + path + ": " + error);
      if (result == kOk || result == kErrorWarning)
        result = error.find("password") != std::string::npos ? kErrorPassword : kErrorDamaged;
      continue;
    }
    if (options.testOnly) {
      report.Line("Tested  " + path + "  OK");
      ++written;
      continue;
    }
    FileStat existing = fs.Stat(target);
    if (existing.exists && (!options.overwrite || (options.newerOnly && existing.dosDateTime >= e->info.dosDateTime))) {
      report.Line("Skipped " + path);
      continue;
    }
    std::string folder = FolderOf(target);
    if (!folder.empty()) fs.MakeDirectories(folder);
    if (!fs.WriteFile(target, data)) {
      report.Line("cannot write " + target);
      result = kErrorCannotWrite;
      continue;
    }
    fs.SetTimeAndAttributes(target, e->info.dosDateTime, options.restoreAttributes ? e->info.attributes : 0x20);
    report.Line("Extracting " + path);
    ++written;
  }
  report.Line(std::to_string(written) + (options.testOnly ? " entries tested" : " file(s) extracted") +
              (result == kOk ? "" : ", with errors"));
  return result;
}

int AddFiles(IFileSystem& fs, const IArchiveFormat& format, const std::string& path, const std::vector<ListItem>& items,
             const std::string& defaultBase, const AddOptions& options, Report& report) {
  LoadedArchive archive;
  if (fs.Stat(path).exists) {
    if (int r = LoadArchive(fs, format, path, archive, report)) return r;
  }
  Collector collector(fs, options);
  for (const auto& item : items) collector.Add(item, defaultBase);
  for (const auto& m : collector.missing) report.Line("not found: " + m);
  if (collector.files.empty()) {
    report.Line("no file to add");
    return kErrorNoFiles;
  }
  std::vector<NewEntry> entries = KeepAll(archive);
  std::map<std::string, size_t> index;
  for (size_t i = 0; i < entries.size(); ++i) index[Key(entries[i].info.path)] = i;
  std::vector<std::string> added;
  for (const auto& f : collector.files) {
    auto it = index.find(Key(f.stored));
    if (it == index.end() && options.freshenOnly) continue;
    if (it != index.end() && (options.updateOnly || options.freshenOnly) &&
        entries[it->second].info.dosDateTime >= f.stat.dosDateTime) {
      continue;
    }
    NewEntry e;
    e.info.path = f.stored;
    e.info.isDirectory = f.stat.isDirectory;
    e.info.dosDateTime = f.stat.dosDateTime;
    e.info.attributes = f.stat.attributes;
    if (!f.stat.isDirectory && !fs.ReadFile(f.full, e.data)) {
      report.Line("cannot read " + f.full);
      return kErrorCannotRead;
    }
    e.info.originalSize = e.data.size();
    report.Line((it == index.end() ? "Adding   " : "Updating ") + f.stored);
    if (it == index.end()) {
      index[Key(f.stored)] = entries.size();
      entries.push_back(std::move(e));
    } else {
      entries[it->second] = std::move(e);
    }
    added.push_back(f.full);
  }
  if (int r = WriteArchive(fs, format, path, archive.bytes, entries, options.write, report)) return r;
  if (options.move) {
    // Sources go only once the archive holding them is written; folders last, deepest first.
    for (auto it = collector.files.rbegin(); it != collector.files.rend(); ++it) {
      if (it->stat.isDirectory)
        fs.RemoveFolder(it->full);
      else
        fs.RemoveFile(it->full);
    }
  }
  report.Line(std::to_string(added.size()) + " file(s) stored in " + path);
  return kOk;
}

int DeleteEntries(IFileSystem& fs, const IArchiveFormat& format, const std::string& path,
                  const std::vector<std::string>& patterns, Report& report) {
  LoadedArchive archive;
  if (int r = LoadArchive(fs, format, path, archive, report)) return r;
  if (patterns.empty()) {
    report.Line("no name to delete");
    return kErrorNoFiles;
  }
  auto selected = SelectEntries(archive.entries, patterns);
  if (selected.empty()) {
    report.Line("no matching entry");
    return kErrorNoFiles;
  }
  std::vector<NewEntry> entries;
  for (const auto& e : archive.entries) {
    bool drop = false;
    for (auto* s : selected) drop = drop || s == &e;
    if (drop)
      report.Line("Deleting " + e.info.path);
    else
      entries.push_back(NewEntry{e.info, &e, {}});
  }
  WriteOptions options;
  options.headerLevel = -1;  // keep each entry's own header form
  return WriteArchive(fs, format, path, archive.bytes, entries, options, report);
}

int RenameEntry(IFileSystem& fs, const IArchiveFormat& format, const std::string& path, const std::string& from,
                const std::string& to, Report& report) {
  LoadedArchive archive;
  if (int r = LoadArchive(fs, format, path, archive, report)) return r;
  std::string why;
  if (!IsSafeEntryPath(to, why)) {
    report.Line("refused new name " + to + " (" + why + ")");
    return kErrorUnsafePath;
  }
  std::vector<NewEntry> entries = KeepAll(archive);
  bool found = false;
  for (auto& e : entries) {
    if (Key(e.info.path) == Key(from)) {
      e.info.path = ToSlash(to);
      found = true;
    }
  }
  if (!found) {
    report.Line("no entry " + from);
    return kErrorNoFiles;
  }
  report.Line("Renamed " + from + " -> " + to);
  WriteOptions options;
  options.headerLevel = -1;
  return WriteArchive(fs, format, path, archive.bytes, entries, options, report);
}

int Rewrite(IFileSystem& fs, const IArchiveFormat& format, const std::string& path, const WriteOptions& options,
            Report& report) {
  LoadedArchive archive;
  if (int r = LoadArchive(fs, format, path, archive, report)) return r;
  report.Line("Converting " + path);
  return WriteArchive(fs, format, path, archive.bytes, KeepAll(archive), options, report);
}

std::string DosDateText(uint32_t d) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%04u-%02u-%02u", ((d >> 25) & 0x7F) + 1980, (d >> 21) & 0x0F, (d >> 16) & 0x1F);
  return buf;
}

std::string DosTimeText(uint32_t d) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02u:%02u:%02u", (d >> 11) & 0x1F, (d >> 5) & 0x3F, (d & 0x1F) * 2);
  return buf;
}

int RatioPerMille(uint64_t original, uint64_t packed) {
  return original == 0 ? 0 : static_cast<int>(packed * 1000 / original);
}

std::string ListText(const std::vector<StoredEntry>& entries) {
  std::string text = "    Original    Packed  Ratio  Date       Time     Method  Name\r\n";
  text += "------------ --------- ------ ---------- -------- ------- --------------\r\n";
  uint64_t total = 0, packed = 0;
  for (const auto& e : entries) {
    char buf[128];
    int r = RatioPerMille(e.info.originalSize, e.info.compressedSize);
    std::snprintf(
        buf, sizeof buf, "%12llu %9llu %3d.%d%% %s %s %-7s ", static_cast<unsigned long long>(e.info.originalSize),
        static_cast<unsigned long long>(e.info.compressedSize), r / 10, r % 10, DosDateText(e.info.dosDateTime).c_str(),
        DosTimeText(e.info.dosDateTime).c_str(), e.info.method.c_str());
    text += buf + e.info.path + (e.info.isDirectory ? "/" : "") + "\r\n";
    total += e.info.originalSize;
    packed += e.info.compressedSize;
  }
  text += "------------ --------- ------ ---------- -------- ------- --------------\r\n";
  text += std::to_string(total) + " " + std::to_string(packed) + " " + std::to_string(entries.size()) + " file(s)\r\n";
  return text;
}

}  // namespace standin
