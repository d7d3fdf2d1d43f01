#pragma once
// Per-library behaviour that tests set through a small ini-style file:
//
//   [unlha32]
//   Version=185
//   SubVersion=5
//   Missing=UnlhaGetSubVersion,UnlhaCheckArchive
//   Result.Unlha=32790        ; forced return code of that entry
//   Output.Unlha=any text     ; printed output replacing the entry's own report ("\n" = new line)
//   Password=secret           ; the answer to the library's password prompt (none: refused)
//   ResultAfterWork.rar=1     ; the entry does its work, then returns this (a tool ending with a warning)
//   DiskFree=4096             ; the disk the entry writes to is full after this many more bytes
//
// Without a file, or for a library or key it does not name, every library is present and working.
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>

namespace standin {

struct LibraryConfig {
  int version = -1;                      // -1: the library's own default (0 is answered as it is)
  int subVersion = -1;                   // -1: the library's own default
  std::set<std::string> missingEntries;  // exact names, compared case-sensitively like GetProcAddress
  std::map<std::string, int> forcedResults;
  std::map<std::string, std::string> forcedOutputs;
  std::string password;  // what the library's password prompt answers (Password=)
  std::map<std::string, int> resultsAfterWork;
  int64_t diskFree = -1;  // -1: as much room as the disk has

  bool IsMissing(std::string_view entry) const;
  std::optional<int> ForcedResult(std::string_view entry) const;
  std::optional<std::string> ForcedOutput(std::string_view entry) const;
  std::optional<int> ResultAfterWork(std::string_view entry) const;
};

class Config {
 public:
  // Parses the text of a configuration file; unknown keys are ignored.
  static Config Parse(const std::string& text);
  // Library names compare ASCII case-insensitively ("unlha32", "Zip32J", ...).
  const LibraryConfig& For(std::string_view library) const;

 private:
  std::map<std::string, LibraryConfig> libraries_;  // keys upper-cased
};

// Names of the environment variables and the default file names in the stand-ins' folder.
inline constexpr const char* kConfigEnvVar = "TOLVENAR_STANDIN_CONFIG";
inline constexpr const char* kConfigFileName = "standins.ini";
inline constexpr const char* kLogEnvVar = "TOLVENAR_STANDIN_LOG";
inline constexpr const char* kLogFileName = "standins.log";

}  // namespace standin
