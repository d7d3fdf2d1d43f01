#include "Formats.h"
#include "Commands.h"
#include "Cp932.h"
#include "SafePath.h"

namespace standin {

bool EndsWithSeparator(const std::string& arg) { return !arg.empty() && FindLastSeparator(arg) == arg.size() - 1; }

void SplitFolderAndNames(IFileSystem& fs, const std::vector<std::string>& args, std::string& folder,
                         std::vector<ListItem>& names, std::string& error) {
  std::vector<std::string> rest;
  for (size_t i = 0; i < args.size(); ++i) {
    bool isFolder = EndsWithSeparator(args[i]) ||
                    (i == 0 && args[i][0] != '@' && args[i][0] != '!' &&
                     args[i].find_first_of("*?") == std::string::npos && fs.Stat(args[i]).isDirectory);
    if (folder.empty() && isFolder)
      folder = args[i];
    else
      rest.push_back(args[i]);
  }
  ExpandNameArgs(fs, rest, names, error);
}

bool FolderAndNames(const CommandEnv& env, const ParsedCommand& cmd, std::string& folder, std::vector<ListItem>& names,
                    Report& report) {
  std::string error;
  SplitFolderAndNames(*env.fs, cmd.args, folder, names, error);
  report.text += error;
  return error.empty();
}

std::vector<std::string> Patterns(const std::vector<ListItem>& items) {
  std::vector<std::string> out;
  for (const auto& i : items) out.push_back(i.name);
  return out;
}

int MakeSelfExtractor(const CommandEnv& env, const std::string& archiveBytes, const std::string& target,
                      Report& report) {
  std::string stub;
  std::string stubPath = JoinPath(env.standinFolder, kSfxStubName);
  if (!env.fs->ReadFile(stubPath, stub)) {
    report.Line("self-extractor stub not found: " + stubPath);
    return kErrorCannotRead;
  }
  std::string folder = FolderOf(target);
  if (!folder.empty()) env.fs->MakeDirectories(folder);
  if (!env.fs->WriteFile(target, stub + kSfxMarker + archiveBytes)) {
    report.Line("cannot write " + target);
    return kErrorCannotWrite;
  }
  report.Line("Self-extracting archive created: " + target);
  return kOk;
}

int StripSelfExtractor(const CommandEnv& env, const std::string& path, const std::string& bytes, int64_t offset,
                       Report& report) {
  if (offset <= 0) {
    report.Line(path + " is not a self-extracting archive");
    return kErrorNotArchive;
  }
  if (!env.fs->WriteFile(path, bytes.substr(static_cast<size_t>(offset)))) {
    env.fs->WriteFile(path, bytes);
    report.Line("cannot write " + path);
    return kErrorCannotWrite;
  }
  report.Line("Converted to a plain archive: " + path);
  return kOk;
}

}  // namespace standin
