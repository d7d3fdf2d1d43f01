// Running a fixture request: the engine's operations over the fixture handler.
#include "FixtureCommand.h"

#include <cstdio>

#include "Commands.h"
#include "Cp932.h"
#include "Formats.h"
#include "ListFile.h"
#include "SafePath.h"
#include "FixtureFormat.h"

namespace standin::fixture {

namespace {

// Names to select in an archive: the items of the name arguments and list files.
bool SelectNames(IFileSystem& fs, const std::vector<std::string>& names, std::vector<std::string>& out,
                 Report& report) {
  std::vector<ListItem> items;
  std::string error;
  if (!ExpandNameArgs(fs, names, items, error)) {
    report.Line(error);
    return false;
  }
  out = Patterns(items);
  return true;
}

std::string BaseName(const std::string& path) {
  std::string name = NameOf(path);
  return name.substr(0, name.find('.'));
}

// Spreads the entries of `path` over volumes of about `limit` bytes: the first
// keeps the name, the next are name.r00, name.r01, ... (the extension's last
// two characters replaced). The last entry of a volume that is not the last
// carries flag 2: it goes on in the next one.
int SplitVolumes(IFileSystem& fs, const std::string& type, const std::string& path, size_t limit, Report& report) {
  std::string bytes, err;
  Archive all;
  if (!fs.ReadFile(path, bytes) || !Parse(bytes, all, err)) {
    report.Line("cannot read back " + path);
    return kErrorCannotRead;
  }
  std::vector<Archive> volumes(1);
  size_t used = 0;
  for (const Entry& e : all.entries) {
    if (used > 0 && used + e.data.size() > limit) {
      volumes.back().entries.back().flags |= 2;
      volumes.emplace_back();
      used = 0;
    }
    volumes.back().entries.push_back(e);
    used += e.data.size() + 64;
  }
  std::string stem = path.size() > 4 ? path.substr(0, path.size() - 4) : path;
  for (size_t k = 0; k < volumes.size(); ++k) {
    volumes[k].type = type;
    volumes[k].password = all.password;
    char suffix[8];
    std::snprintf(suffix, sizeof suffix, ".r%02u", static_cast<unsigned>((k - 1) % 100));
    std::string name = k == 0 ? path : stem + suffix;
    if (!fs.WriteFile(name, Serialize(volumes[k]))) {
      report.Line("cannot write " + name);
      return kErrorCannotWrite;
    }
    if (k > 0) report.Line("Volume " + name);
  }
  return kOk;
}

int Add(const CommandEnv& env, const std::string& type, const Request& req, Report& report) {
  IFileSystem& fs = *env.fs;
  std::vector<ListItem> items;
  std::string error;
  if (!ExpandNameArgs(fs, req.names, items, error)) {
    report.Line(error);
    return kErrorCannotRead;
  }
  // A name given relative to the command's base folder keeps its path below that folder; only a name
  // given with a folder of its own is stored relative to that folder.
  if (req.fromOwnFolder && req.base.empty())
    for (ListItem& item : items)
      if (item.base.empty() && FindLastSeparator(item.name) != std::string::npos) {
        item.base = FolderOf(item.name) + "\\";
        item.name = NameOf(item.name);
      }
  bool existed = fs.Stat(req.archive).exists;
  AddOptions o;
  o.paths = req.paths;
  o.recurse = req.recurse;
  o.move = req.op == Op::Move;
  o.updateOnly = req.updateOnly;
  o.storedUnder = req.storedUnder;
  o.write.password = req.password;
  const IArchiveFormat& format = req.writeType == "ZIP" ? ZipFormat() : Format(type);
  if (int r = AddFiles(fs, format, req.archive, items, req.base, o, report)) return r;
  if (req.volumeSize > 0)
    if (int r = SplitVolumes(fs, type, req.archive, req.volumeSize, report)) return r;
  if (!req.sfxAfterCreate) return kOk;
  std::string exe = req.archive.size() > 3 ? req.archive.substr(0, req.archive.size() - 3) + "exe" : req.archive;
  if (int r = MakeSfx(env, req.archive, exe, report)) return r;
  // The tool was asked for a program only: the plain archive it made on the way goes.
  if (!existed && exe != req.archive) fs.RemoveFile(req.archive);
  return kOk;
}

int Extract(const CommandEnv& env, const std::string& type, const Request& req, bool test, Report& report) {
  IFileSystem& fs = *env.fs;
  const IArchiveFormat& format = Format(type);
  LoadedArchive archive;
  if (int r = LoadArchive(fs, format, req.archive, archive, report)) return r;
  std::vector<std::string> patterns;
  if (!SelectNames(fs, req.names, patterns, report)) return kErrorCannotRead;
  ExtractOptions o;
  o.keepFolders = req.keepFolders;
  o.overwrite = req.overwrite;
  o.newerOnly = req.newerOnly;
  o.testOnly = test;
  o.password = req.password.empty() ? env.password : req.password;
  std::string dest = req.destination.empty() ? fs.CurrentDirectory() : req.destination;
  return ExtractEntries(fs, format, archive, SelectEntries(archive.entries, patterns), dest, o, report);
}

int List(const CommandEnv& env, const std::string& type, const Request& req, Report& report) {
  LoadedArchive archive;
  if (int r = LoadArchive(*env.fs, Format(type), req.archive, archive, report)) return r;
  switch (req.listStyle) {
    case ListStyle::Ace:
      report.text += AceListing(req.archive, archive.entries);
      break;
    case ListStyle::Jar:
      report.text += JarListing(req.archive, archive.entries);
      break;
    default:
      report.text += ListText(archive.entries);
      break;
  }
  return kOk;
}

// ISH encodes one file into "<name up to its first dot>.ISH" in the output folder.
int Encode(const CommandEnv& env, const Request& req, Report& report) {
  IFileSystem& fs = *env.fs;
  std::string name = NameOf(req.archive);
  size_t dot = name.find('.');
  std::string out = JoinPath(req.destination.empty() ? FolderOf(req.archive) : req.destination,
                             (dot == std::string::npos ? std::string() : name.substr(0, dot + 1)) + "ISH");
  FileStat st = fs.Stat(req.archive);
  Entry e;
  if (!st.exists || st.isDirectory || !fs.ReadFile(req.archive, e.data)) {
    report.Line("cannot read " + req.archive);
    return kErrorCannotRead;
  }
  e.path = name;
  e.SetDosDateTime(st.dosDateTime);
  e.method = "ish";
  Archive a;
  a.type = "ISH";
  a.entries.push_back(std::move(e));
  if (!fs.WriteFile(out, Serialize(a))) {
    report.Line("cannot write " + out);
    return kErrorCannotWrite;
  }
  report.Line("Encoded " + name + " -> " + out);
  return kOk;
}

}  // namespace

int MakeSfx(const CommandEnv& env, const std::string& archive, const std::string& exe, Report& report) {
  std::string bytes;
  if (!env.fs->ReadFile(archive, bytes)) {
    report.Line("cannot open " + archive);
    return kErrorCannotRead;
  }
  // An archive that is itself a self-extractor gets a new stub, not a second one.
  int64_t payload = FindSfxPayload(bytes);
  if (payload > 0) bytes.erase(0, static_cast<size_t>(payload));
  if (int r = MakeSelfExtractor(env, bytes, exe, report)) return r;
  FileStat written = env.fs->Stat(exe);
  if (!written.exists || written.size <= bytes.size()) {
    report.Line("the self-extracting program did not appear: " + exe);
    return kErrorCannotWrite;
  }
  return kOk;
}

int Run(const CommandEnv& env, const std::string& type, const Request& req, Report& report) {
  if (!req.error.empty()) {
    report.Line(req.error);
    return kErrorCommand;
  }
  IFileSystem& fs = *env.fs;
  switch (req.op) {
    case Op::Add:
    case Op::Move:
      return Add(env, type, req, report);
    case Op::Extract:
      return Extract(env, type, req, false, report);
    case Op::Test:
      return Extract(env, type, req, true, report);
    case Op::List:
      return List(env, type, req, report);
    case Op::Encode:
      return Encode(env, req, report);
    case Op::Delete: {
      std::vector<std::string> patterns;
      if (!SelectNames(fs, req.names, patterns, report)) return kErrorCannotRead;
      return DeleteEntries(fs, Format(type), req.archive, patterns, report);
    }
    case Op::Rename:
      if (req.names.size() != 1 || req.renameTo.empty()) {
        report.Line("rename needs the old and the new name");
        return kErrorCommand;
      }
      return RenameEntry(fs, Format(type), req.archive, req.names[0], req.renameTo, report);
    case Op::Sfx: {
      std::string folder = req.destination.empty() ? FolderOf(req.archive) : req.destination;
      return MakeSfx(env, req.archive, JoinPath(folder, BaseName(req.archive) + ".exe"), report);
    }
    case Op::None:
      break;
  }
  report.Line("nothing to do");
  return kErrorCommand;
}

}  // namespace standin::fixture
