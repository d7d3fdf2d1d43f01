#pragma once
// The command interpreters of the LZH and ZIP libraries, and the helpers they share.
#include <string>
#include <vector>

#include "Library.h"
#include "ListFile.h"
#include "Tokenizer.h"

namespace standin {

int RunUnlhaCommand(const CommandEnv& env, const std::string& line, Report& report);
int RunUnzipCommand(const CommandEnv& env, const std::string& line, Report& report);
int RunZipCommand(const CommandEnv& env, const std::string& line, Report& report);

// True for an argument naming a folder by its trailing separator.
bool EndsWithSeparator(const std::string& arg);

// Splits the arguments after the archive into a destination/base folder (the first argument
// ending in a separator, or an existing folder given first) and the names or list files.
void SplitFolderAndNames(IFileSystem& fs, const std::vector<std::string>& args, std::string& folder,
                         std::vector<ListItem>& names, std::string& error);

// SplitFolderAndNames for the command's arguments; a list file that cannot be read is reported
// and gives false.
bool FolderAndNames(const CommandEnv& env, const ParsedCommand& cmd, std::string& folder, std::vector<ListItem>& names,
                    Report& report);

// The names of the items, for selecting entries (base folders do not apply to entries).
std::vector<std::string> Patterns(const std::vector<ListItem>& items);

// Writes `target` as the self-extractor stub followed by the archive bytes.
int MakeSelfExtractor(const CommandEnv& env, const std::string& archiveBytes, const std::string& target,
                      Report& report);
// Rewrites `path` (read as `bytes`) in place without the stub in front of the archive at `offset`.
int StripSelfExtractor(const CommandEnv& env, const std::string& path, const std::string& bytes, int64_t offset,
                       Report& report);

}  // namespace standin
