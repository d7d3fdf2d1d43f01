// The command entry of Zip32J: switches, archive, then names or "@list" (paths relative to the
// current folder unless a list line names its base).
#include "Commands.h"
#include "Cp932.h"
#include "Formats.h"
#include "SafePath.h"

namespace standin {

namespace {

int Level(const ParsedCommand& cmd) {
  int level = 6;
  for (const auto& s : cmd.switches) {
    if (s.size() == 2 && s[1] >= '0' && s[1] <= '9') level = s[1] - '0';
  }
  return level;
}

int SfxToArchive(const CommandEnv& env, const std::string& path, Report& report) {
  LoadedArchive archive;
  if (int r = LoadArchive(*env.fs, ZipFormat(), path, archive, report)) return r;
  if (ZipFormat().Locate(archive.bytes) <= 0) {
    report.Line(path + " is not a self-extracting archive");
    return kErrorNotArchive;
  }
  // Written anew so that the offsets start at the archive, whoever made the stub.
  std::vector<NewEntry> entries;
  for (const auto& e : archive.entries) entries.push_back(NewEntry{e.info, &e, {}});
  std::string out, error;
  if (!ZipFormat().Write(archive.bytes, entries, WriteOptions{}, out, error) || !env.fs->WriteFile(path, out)) {
    report.Line("cannot write " + path + " " + error);
    return kErrorCannotWrite;
  }
  report.Line("Converted to a plain archive: " + path);
  return kOk;
}

int MakeSfx(const CommandEnv& env, const ParsedCommand& cmd, Report& report) {
  LoadedArchive archive;
  if (int r = LoadArchive(*env.fs, ZipFormat(), cmd.archive, archive, report)) return r;
  std::string folder = cmd.args.empty() ? FolderOf(cmd.archive) : cmd.args[0];
  std::string name = NameOf(cmd.archive);
  name = name.substr(0, name.find('.'));
  return MakeSelfExtractor(env, archive.bytes, JoinPath(folder, name + ".exe"), report);
}

}  // namespace

int RunZipCommand(const CommandEnv& env, const std::string& line, Report& report) {
  ParsedCommand cmd = ParseCommand(line, false);
  if (cmd.archive.empty()) {
    report.Line("usage: [switches] archive names or @list");
    return kErrorCommand;
  }
  if (cmd.Has("-J")) return SfxToArchive(env, cmd.archive, report);
  if (cmd.HasPrefix("--sfx")) return MakeSfx(env, cmd, report);
  std::vector<ListItem> names;
  std::string error;
  ExpandNameArgs(*env.fs, cmd.args, names, error);
  if (!error.empty()) {
    report.text += error;
    return kErrorCannotRead;
  }
  if (cmd.Has("-d")) return DeleteEntries(*env.fs, ZipFormat(), cmd.archive, Patterns(names), report);
  AddOptions options;
  options.paths = cmd.Has("-j") ? PathMode::None : PathMode::Relative;
  options.recurse = cmd.Has("-r");
  options.move = cmd.Has("-m");
  options.updateOnly = cmd.Has("-u");
  options.freshenOnly = cmd.Has("-f");
  options.write.level = Level(cmd);
  if (cmd.Has("-e")) {
    options.write.password = cmd.HasPrefix("-P") ? cmd.Value("-P") : env.password;
    if (options.write.password.empty()) {
      report.Line("encryption asked for, but no password was given");
      return kErrorPassword;
    }
  }
  return AddFiles(*env.fs, ZipFormat(), cmd.archive, names, "", options, report);
}

}  // namespace standin
