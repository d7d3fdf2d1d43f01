#pragma once
// What one stand-in library is, independent of Win32: its names, its format and its command
// interpreter. The DLL glue (standins/dll) turns a LibrarySpec into the exported entry points;
// the native tests call the interpreter directly.
#include <string>

#include "Archive.h"
#include "FileSystem.h"
#include "Operations.h"

namespace standin {

struct CommandEnv {
  IFileSystem* fs = nullptr;
  std::string standinFolder;  // folder of the stand-ins (self-extractor stub), no trailing separator
  std::string password;       // the answer a library's password prompt would get (configuration)
};

using CommandFn = int (*)(const CommandEnv& env, const std::string& line, Report& report);

struct LibrarySpec {
  const char* library;           // file name without ".dll", as in the configuration ("unlha32")
  const char* prefix;            // entry-point prefix ("Unlha")
  int version;                   // default version x 100
  int subVersion;                // default sub-version (0: none)
  char separator;                // folder separator in INDIVIDUALINFO names ('\\' or '/')
  const IArchiveFormat* format;  // may be null for libraries without a format of their own
  CommandFn command;             // the command entry's interpreter
  int checkHeadBytes;            // how much of a file the check entry reads (0: all)
};

// File name of the self-extractor stub in the stand-ins' folder.
inline constexpr const char* kSfxStubName = "tvsfx.exe";

}  // namespace standin
