#include "CabCommand.h"

#include <cstdio>
#include <cstdlib>

#include "Commands.h"
#include "Cp932.h"
#include "ListFile.h"
#include "SafePath.h"
#include "Tokenizer.h"
#include "CabFormat.h"
#include "FixtureCommand.h"

namespace standin::cab {

namespace {

// "name.cab" -> "name01.cab": the volumes of a set replace the archive's own name.
std::string VolumePath(const std::string& archive, int index) {
  std::string stem = archive;
  if (stem.size() > 4 && AsciiUpper(stem.substr(stem.size() - 4)) == ".CAB") stem.resize(stem.size() - 4);
  char num[8];
  std::snprintf(num, sizeof num, "%02d", index + 1);
  return stem + num + ".cab";
}

bool Expand(IFileSystem& fs, const std::vector<std::string>& names, std::vector<ListItem>& items, Report& report) {
  std::string error;
  if (ExpandNameArgs(fs, names, items, error)) return true;
  report.Line(error);
  return false;
}

int Create(const CommandEnv& env, const ParsedCommand& pc, Report& report) {
  IFileSystem& fs = *env.fs;
  std::vector<std::string> names = pc.args;
  std::string base;
  if (!names.empty() && names[0][0] != '@' && EndsWithSeparator(names[0])) {
    base = names[0];
    names.erase(names.begin());
  }
  std::vector<ListItem> items;
  if (!Expand(fs, names, items, report)) return kErrorCannotRead;
  AddOptions o;
  o.recurse = pc.Has("-r");
  o.paths = o.recurse ? PathMode::Relative : PathMode::None;
  o.includeDirectories = false;
  o.write.method = pc.Has("-ms") ? "stored" : "mszip";  // LZX ("-ml:") is written as MSZIP here
  std::string volumes = pc.Value("-v:");
  // Always through a temporary cabinet: an existing one is replaced only once
  // the new one is complete, and a set is cut from it.
  std::string temp = pc.archive + ".tv$";
  if (int r = AddFiles(fs, CabFormat(), temp, items, base, o, report)) {
    fs.RemoveFile(temp);
    return r;
  }
  std::string bytes;
  bool read = fs.ReadFile(temp, bytes);
  fs.RemoveFile(temp);
  if (!read) {
    report.Line("cannot read back the new cabinet");
    return kErrorCannotRead;
  }
  if (volumes.empty()) {
    if (fs.WriteFile(pc.archive, bytes)) return kOk;
    report.Line("cannot write " + pc.archive);
    return kErrorCannotWrite;
  }
  std::vector<Entry> entries;
  std::string error;
  if (!ReadCabinet(std::vector<uint8_t>(bytes.begin(), bytes.end()), DefaultReadOptions(), entries, error)) {
    report.Line(error);
    return kErrorDamaged;
  }
  WriteOptions w;
  w.method = o.write.method == "stored" ? Method::Stored : Method::MsZip;
  w.volumeLimit = static_cast<size_t>(std::strtoul(volumes.c_str(), nullptr, 10)) * 1024;
  if (w.volumeLimit == 0) w.volumeLimit = 1;
  std::vector<std::vector<uint8_t>> cabs;
  auto name = [&](int i) { return NameOf(VolumePath(pc.archive, i)); };
  if (!WriteCabinets(entries, w, name, cabs, error)) {
    report.Line(error);
    return kErrorCannotWrite;
  }
  for (size_t i = 0; i < cabs.size(); ++i) {
    std::string path = VolumePath(pc.archive, static_cast<int>(i));
    if (!fs.WriteFile(path, std::string(cabs[i].begin(), cabs[i].end()))) {
      report.Line("cannot write " + path);
      return kErrorCannotWrite;
    }
    report.Line("Volume " + path);
  }
  return kOk;
}

// Loads the archive; with a set, all its cabinets joined into one in memory.
int Load(IFileSystem& fs, const std::string& path, bool wholeSet, LoadedArchive& archive, Report& report) {
  if (!wholeSet) return LoadArchive(fs, CabFormat(), path, archive, report);
  std::string first;
  if (!fs.ReadFile(path, first)) {
    report.Line("cannot open " + path);
    return kErrorCannotRead;
  }
  ReadOptions ro = DefaultReadOptions();
  ro.followSet = true;
  std::string folder = FolderOf(path);
  ro.loadVolume = [&](const std::string& name, std::vector<uint8_t>& out) {
    std::string why, next, bytes;
    if (!JoinSafe(folder, name, next, why) || !fs.ReadFile(next, bytes)) return false;
    out.assign(bytes.begin(), bytes.end());
    return true;
  };
  std::vector<Entry> entries;
  std::string error;
  if (!ReadCabinet(std::vector<uint8_t>(first.begin(), first.end()), ro, entries, error)) {
    report.Line(path + ": " + error);
    return kErrorDamaged;
  }
  WriteOptions w;
  w.method = Method::Stored;
  std::vector<std::vector<uint8_t>> cabs;
  if (!WriteCabinets(
          entries, w, [](int) { return std::string(); }, cabs, error)) {
    report.Line(error);
    return kErrorDamaged;
  }
  archive.bytes.assign(cabs[0].begin(), cabs[0].end());
  ToStoredEntries(entries, archive.entries);
  return kOk;
}

int ExtractOrTest(const CommandEnv& env, const ParsedCommand& pc, bool test, Report& report) {
  IFileSystem& fs = *env.fs;
  LoadedArchive archive;
  if (int r = Load(fs, pc.archive, pc.Has("-k"), archive, report)) return r;
  size_t first = (test || pc.args.empty() || pc.args[0][0] == '@') ? 0 : 1;
  std::string dest = first ? pc.args[0] : (test ? std::string() : fs.CurrentDirectory());
  std::vector<ListItem> items;
  if (!Expand(fs, std::vector<std::string>(pc.args.begin() + static_cast<long>(first), pc.args.end()), items, report))
    return kErrorCannotRead;
  std::vector<std::string> patterns;
  for (const ListItem& i : items) patterns.push_back(i.name);
  ExtractOptions o;
  o.keepFolders = !pc.Has("-j");
  o.newerOnly = pc.Has("-n");
  o.overwrite = pc.Has("-o") || o.newerOnly;
  o.testOnly = test;
  return ExtractEntries(fs, CabFormat(), archive, SelectEntries(archive.entries, patterns), dest, o, report);
}

}  // namespace

int CabCommand(const CommandEnv& env, const std::string& line, Report& report) {
  ParsedCommand pc = ParseCommand(line, false);
  if (pc.archive.empty()) {
    report.Line("no archive named");
    return kErrorCommand;
  }
  if (pc.Has("-a")) return Create(env, pc, report);
  if (pc.Has("-x")) return ExtractOrTest(env, pc, false, report);
  if (pc.Has("-t")) return ExtractOrTest(env, pc, true, report);
  if (pc.Has("-f")) {
    std::string folder = pc.args.empty() ? FolderOf(pc.archive) : pc.args[0];
    std::string name = NameOf(pc.archive);
    return fixture::MakeSfx(env, pc.archive, JoinPath(folder, name.substr(0, name.find('.')) + ".exe"), report);
  }
  if (pc.Has("-l")) {
    LoadedArchive archive;
    if (int r = LoadArchive(*env.fs, CabFormat(), pc.archive, archive, report)) return r;
    report.text += ListText(archive.entries);
    return kOk;
  }
  report.Line("unknown command: " + line);
  return kErrorCommand;
}

}  // namespace standin::cab
