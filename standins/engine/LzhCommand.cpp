// The command entry of unlha32: verb first, switches anywhere, then archive, folder and names.
#include "Commands.h"
#include "Cp932.h"
#include "Formats.h"
#include "SafePath.h"

namespace standin {

namespace {

WriteOptions LzhWriteOptions(const ParsedCommand& cmd) {
  WriteOptions w;
  static const char* const kMethods[] = {"lh0", "lh5", "lh5", "lh6", "lh7"};
  std::string jm = cmd.Value("-jm", "2");
  int m = jm.empty() ? 2 : jm[0] - '0';
  w.method = m >= 0 && m <= 4 ? kMethods[m] : "lh5";
  std::string h = cmd.Value("-h", "2");
  w.headerLevel = !h.empty() && h[0] >= '0' && h[0] <= '2' ? h[0] - '0' : 2;
  return w;
}

int Add(const CommandEnv& env, const ParsedCommand& cmd, const std::string& verb, Report& report) {
  std::string folder;
  std::vector<ListItem> names;
  if (!FolderAndNames(env, cmd, folder, names, report)) return kErrorCannotRead;
  AddOptions options;
  options.write = LzhWriteOptions(cmd);
  options.paths = cmd.Has("-x0") ? PathMode::None : PathMode::Relative;
  options.recurse = !cmd.Has("-r0") && (cmd.Has("-r2") || cmd.Has("-r1") || cmd.Has("-r"));
  options.includeDirectories = !cmd.Has("-d0");
  options.move = verb == "M";
  options.updateOnly = verb == "U";
  return AddFiles(*env.fs, LzhFormat(), cmd.archive, names, folder, options, report);
}

int Extract(const CommandEnv& env, const ParsedCommand& cmd, const std::string& verb, Report& report) {
  std::string folder;
  std::vector<ListItem> names;
  if (!FolderAndNames(env, cmd, folder, names, report)) return kErrorCannotRead;
  LoadedArchive archive;
  if (int r = LoadArchive(*env.fs, LzhFormat(), cmd.archive, archive, report)) return r;
  ExtractOptions options;
  options.testOnly = verb == "T";
  options.keepFolders = verb == "X" ? !cmd.Has("-x0") : cmd.Has("-x1");
  // Without -c only entries newer than the files on disk replace them.
  options.overwrite = true;
  options.newerOnly = !cmd.Has("-c");
  if (folder.empty()) folder = env.fs->CurrentDirectory();
  return ExtractEntries(*env.fs, LzhFormat(), archive, SelectEntries(archive.entries, Patterns(names)), folder, options,
                        report);
}

// "n A old -grNEW", or "n A @list" with lines "old new".
int Rename(const CommandEnv& env, const ParsedCommand& cmd, Report& report) {
  if (cmd.HasPrefix("-gr")) {
    if (cmd.args.empty()) {
      report.Line("no entry to rename");
      return kErrorCommand;
    }
    return RenameEntry(*env.fs, LzhFormat(), cmd.archive, cmd.args[0], cmd.Value("-gr"), report);
  }
  std::vector<ListItem> items;
  std::string error;
  ExpandNameArgs(*env.fs, cmd.args, items, error);
  if (!error.empty() || items.empty()) {
    report.text += error;
    report.Line("no entry to rename");
    return kErrorCommand;
  }
  int result = kOk;
  for (const auto& it : items) {
    std::string from = it.base;
    while (EndsWithSeparator(from)) from.pop_back();
    if (from.empty()) {
      report.Line("no new name for " + it.name);
      result = kErrorCommand;
      continue;
    }
    if (int r = RenameEntry(*env.fs, LzhFormat(), cmd.archive, from, it.name, report)) result = r;
  }
  return result;
}

int MakeSfx(const CommandEnv& env, const ParsedCommand& cmd, Report& report) {
  LoadedArchive archive;
  if (int r = LoadArchive(*env.fs, LzhFormat(), cmd.archive, archive, report)) return r;
  std::string folder = cmd.args.empty() ? FolderOf(cmd.archive) : cmd.args[0];
  std::string name = cmd.Value("-gr");
  if (name.empty()) {
    name = NameOf(cmd.archive);
    name = name.substr(0, name.find('.'));
  }
  int64_t at = LzhFormat().Locate(archive.bytes);
  return MakeSelfExtractor(env, archive.bytes.substr(static_cast<size_t>(at)), JoinPath(folder, name + ".exe"), report);
}

}  // namespace

int RunUnlhaCommand(const CommandEnv& env, const std::string& line, Report& report) {
  ParsedCommand cmd = ParseCommand(line, true);
  std::string verb = AsciiUpper(cmd.verb);
  if (cmd.archive.empty()) {
    report.Line("usage: command [switches] archive [folder\\] [names or @list]");
    return kErrorCommand;
  }
  if (verb == "A" || verb == "U" || verb == "M") return Add(env, cmd, verb, report);
  if (verb == "X" || verb == "E" || verb == "T") return Extract(env, cmd, verb, report);
  if (verb == "L" || verb == "V") {
    LoadedArchive archive;
    if (int r = LoadArchive(*env.fs, LzhFormat(), cmd.archive, archive, report)) return r;
    report.text += ListText(archive.entries);
    return kOk;
  }
  if (verb == "D") {
    std::string error;
    std::vector<ListItem> names;
    ExpandNameArgs(*env.fs, cmd.args, names, error);
    report.text += error;
    return error.empty() ? DeleteEntries(*env.fs, LzhFormat(), cmd.archive, Patterns(names), report) : kErrorCannotRead;
  }
  if (verb == "N") return Rename(env, cmd, report);
  if (verb == "S") return MakeSfx(env, cmd, report);
  if (verb == "Y") {
    if (cmd.Has("-gd1")) {
      // The whole archive must read before the program file is rewritten in place.
      LoadedArchive archive;
      if (int r = LoadArchive(*env.fs, LzhFormat(), cmd.archive, archive, report)) return r;
      return StripSelfExtractor(env, cmd.archive, archive.bytes, LzhFormat().Locate(archive.bytes), report);
    }
    return Rewrite(*env.fs, LzhFormat(), cmd.archive, LzhWriteOptions(cmd), report);
  }
  report.Line("unknown command: " + cmd.verb);
  return kErrorCommand;
}

}  // namespace standin
