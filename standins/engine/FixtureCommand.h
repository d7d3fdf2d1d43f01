// Commands of the libraries and console tools that work on fixture archives.
// Each tool's command line is first read into a Request by its own syntax
// (FixtureSyntax.cpp); Run then does the work through the engine's operations.
#pragma once

#include <string>
#include <vector>

#include "Library.h"
#include "Operations.h"

namespace standin::fixture {

enum class Op { None, Add, Move, Delete, Extract, List, Test, Rename, Sfx, Encode };
enum class ListStyle { Generic, Ace, Jar };

struct Request {
  Op op = Op::None;
  std::string archive;
  std::string destination;         // extraction target; empty = current folder
  std::vector<std::string> names;  // names, "@list" or "!list"
  std::string base;                // creation: folder the names are relative to
  std::string storedUnder;         // creation: folder inside the archive the names go under
  std::string renameTo;
  PathMode paths = PathMode::Relative;
  bool recurse = true;
  bool fromOwnFolder = false;  // "-ep1": a name given with its folder is stored relative to that folder
  bool keepFolders = true;
  bool overwrite = true;
  bool newerOnly = false;
  bool updateOnly = false;
  std::string password;
  std::string writeType;  // type to write when it differs from the tool's ("ZIP" for 7Z -tzip)
  size_t volumeSize = 0;  // bytes per volume (RAR), 0 = one file
  bool sfxAfterCreate = false;
  ListStyle listStyle = ListStyle::Generic;
  std::string error;  // set when the command line is not understood
};

// Syntaxes: each reads a command line of one library or tool.
Request ParseSevenZip(const std::string& line);
Request ParseBga(const std::string& line);
Request ParseBh(const std::string& line);
Request ParseYz1(const std::string& line);
Request ParseYz2(const std::string& line);
Request ParseArj(const std::string& line);  // unarj32j.dll and arj.exe
Request ParseRarLibrary(const std::string& line);
Request ParseRarTool(const std::string& line);
Request ParseAce(const std::string& line);
Request ParseJar(const std::string& line);
Request ParseGca(const std::string& line);  // ungca32.dll and gcac.exe
Request ParseImp(const std::string& line);
Request ParseBel(const std::string& line);
Request ParseIsh(const std::string& line);

// Runs the request on fixture archives of `type`; 0 on success.
int Run(const CommandEnv& env, const std::string& type, const Request& request, Report& report);

// Text listings in the layouts the program cuts apart.
std::string AceListing(const std::string& archive, const std::vector<StoredEntry>& entries);
std::string JarListing(const std::string& archive, const std::vector<StoredEntry>& entries);
// The ish32 file list: eight heading lines, two lines per entry, a rule; LF line ends.
std::string IshListing(const std::string& archive, const std::vector<StoredEntry>& entries);

// Writes `exe` as the stand-ins' self-extractor stub with the archive appended.
int MakeSfx(const CommandEnv& env, const std::string& archive, const std::string& exe, Report& report);

}  // namespace standin::fixture
