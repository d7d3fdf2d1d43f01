// The command-line syntaxes of the fixture-backed libraries and console tools,
// each reduced to the few switches that change what is done.
#include <cstdlib>

#include "Commands.h"
#include "Cp932.h"
#include "Tokenizer.h"
#include "FixtureCommand.h"

namespace standin::fixture {

namespace {

std::string Lower(std::string s) {
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return s;
}

bool IsListRef(const std::string& s) { return !s.empty() && (s[0] == '@' || s[0] == '!'); }

// Extraction: the destination (unless a switch names it), then the names.
void ExtractArgs(const ParsedCommand& pc, Request& r, const char* destSwitch = nullptr) {
  size_t i = 0;
  std::string fromSwitch = destSwitch ? pc.Value(destSwitch) : std::string();
  if (!fromSwitch.empty()) {
    r.destination = fromSwitch;
  } else if (!pc.args.empty() && !IsListRef(pc.args[0])) {
    r.destination = pc.args[0];
    i = 1;
  }
  r.names.assign(pc.args.begin() + static_cast<long>(i), pc.args.end());
}

// Creation: an optional base folder (ends with a separator), then the names.
void CreateArgs(const ParsedCommand& pc, Request& r) {
  size_t i = 0;
  if (!pc.args.empty() && !IsListRef(pc.args[0]) && EndsWithSeparator(pc.args[0])) {
    r.base = pc.args[0];
    i = 1;
  }
  r.names.assign(pc.args.begin() + static_cast<long>(i), pc.args.end());
}

Request Start(const ParsedCommand& pc) {
  Request r;
  r.archive = pc.archive;
  if (r.archive.empty()) r.error = "no archive named";
  return r;
}

void Deleting(const ParsedCommand& pc, Request& r) {
  r.op = Op::Delete;
  r.names = pc.args;
}

// Extraction; an existing file is replaced when `overwrite` says so, or when
// the entry is newer and only newer ones are asked for.
void Extracting(const ParsedCommand& pc, Request& r, bool keepFolders, bool overwrite = true, bool newerOnly = false,
                const char* destSwitch = nullptr) {
  r.op = Op::Extract;
  r.keepFolders = keepFolders;
  r.newerOnly = newerOnly;
  r.overwrite = overwrite || newerOnly;
  ExtractArgs(pc, r, destSwitch);
}

void Adding(const ParsedCommand& pc, Request& r, Op op, PathMode paths = PathMode::Relative) {
  r.op = op;
  r.paths = paths;
  CreateArgs(pc, r);
}

void Unknown(Request& r, const std::string& verb) {
  if (r.error.empty()) r.error = "unknown command: " + verb;
}

// The verbs every tool reads alike: delete, list, test, self-extractor.
void CommonVerb(const ParsedCommand& pc, const std::string& v, Request& r) {
  if (v == "d") {
    Deleting(pc, r);
  } else if (v == "l" || v == "lv" || v == "v") {
    r.op = Op::List;
  } else if (v == "t") {
    r.op = Op::Test;
  } else if (v == "s") {
    r.op = Op::Sfx;
    ExtractArgs(pc, r);
  } else {
    Unknown(r, v);
  }
}

}  // namespace

Request ParseSevenZip(const std::string& line) {
  ParsedCommand pc = ParseCommand(line, true);
  Request r = Start(pc);
  std::string v = Lower(pc.verb);
  r.recurse = !pc.Has("-r-");
  r.overwrite = !pc.Has("-aos");
  r.password = pc.Value("-p");
  if (pc.Has("-tzip")) r.writeType = "ZIP";
  r.sfxAfterCreate = pc.HasPrefix("-sfx");
  r.updateOnly = v == "u" && pc.Has("-u");
  if (v == "a" || v == "u")
    Adding(pc, r, Op::Add);
  else if (v == "m")
    Adding(pc, r, Op::Move);
  else if (v == "x" || v == "e")
    Extracting(pc, r, v == "x", r.overwrite, false, "-o");
  else
    CommonVerb(pc, v, r);
  return r;
}

Request ParseBga(const std::string& line) {
  ParsedCommand pc = ParseCommand(line, true);
  Request r = Start(pc);
  std::string v = Lower(pc.verb);
  if (v == "a" || v == "m") {
    Adding(pc, r, v == "m" ? Op::Move : Op::Add, pc.Has("-r") ? PathMode::Relative : PathMode::None);
  } else if (v == "n") {
    r.op = Op::Rename;
    r.names = pc.args;
    r.renameTo = pc.Value("-f");
  } else if (v == "x") {
    Extracting(pc, r, !pc.Has("-j"), pc.Has("-o"), pc.Has("-n"));
  } else {
    CommonVerb(pc, v, r);
  }
  return r;
}

Request ParseBh(const std::string& line) {
  ParsedCommand pc = ParseCommand(line, true);
  Request r = Start(pc);
  std::string v = Lower(pc.verb);
  if (v == "a" || v == "m") {
    Adding(pc, r, v == "m" ? Op::Move : Op::Add, pc.Has("-d0") ? PathMode::None : PathMode::Relative);
  } else if (v == "r") {
    r.op = Op::Rename;
    r.names = pc.args;
    if (r.names.size() == 2) {
      r.renameTo = r.names[1];
      r.names.pop_back();
    }
  } else if (v == "e" || v == "x") {
    Extracting(pc, r, v == "x" || pc.Has("-d1"), !pc.Has("-o2"), pc.Has("-o0"));
  } else {
    CommonVerb(pc, v, r);
  }
  return r;
}

Request ParseYz1(const std::string& line) {
  ParsedCommand pc = ParseCommand(line, true);
  Request r = Start(pc);
  std::string v = Lower(pc.verb);
  r.password = pc.Value("-p");
  if (v == "c") {
    r.op = Op::Add;
    r.paths = pc.Has("-r0") ? PathMode::None : (pc.Has("-r2") ? PathMode::Full : PathMode::Relative);
    CreateArgs(pc, r);
  } else if (v == "x") {
    Extracting(pc, r, pc.Has("-x1"), !pc.Has("-c2"), false);
  } else {
    CommonVerb(pc, v, r);
  }
  return r;
}

Request ParseYz2(const std::string& line) {
  ParsedCommand pc = ParseCommand(line, true);
  Request r = Start(pc);
  std::string v = Lower(pc.verb);
  r.password = pc.Value("-p");
  if (v == "f") {
    // One item is compressed, a file by its name, a folder ("...\*.*") with the paths below it.
    r.op = Op::Add;
    r.fromOwnFolder = true;
    r.names = pc.args;
  } else if (v == "m" && pc.Has("-t")) {
    r.op = Op::Test;
  } else if (v == "m") {
    Extracting(pc, r, false);
  } else {
    CommonVerb(pc, v, r);
  }
  return r;
}

Request ParseArj(const std::string& line) {
  ParsedCommand pc = ParseCommand(line, true);
  Request r = Start(pc);
  std::string v = Lower(pc.verb);
  if (v == "a" || v == "m" || v == "u") {
    r.op = v == "m" ? Op::Move : Op::Add;
    r.updateOnly = pc.Has("-u");
    r.paths = pc.Has("-e") ? PathMode::None : (pc.Has("-e1") ? PathMode::Relative : PathMode::Full);
    r.recurse = pc.Has("-r") || r.paths != PathMode::None;
    r.sfxAfterCreate = pc.Has("-je1");
    CreateArgs(pc, r);
  } else if (v == "x" || v == "e") {
    Extracting(pc, r, v == "x", pc.Has("-y") || pc.Has("-f+"), pc.Has("-n"));
  } else {
    CommonVerb(pc, v, r);
  }
  return r;
}

Request ParseRarLibrary(const std::string& line) {
  // The verb travels as a switch: -x, -e, -v, -l, -t.
  ParsedCommand pc = ParseCommand(line, false);
  Request r = Start(pc);
  if (pc.Has("-x") || pc.Has("-e")) {
    Extracting(pc, r, pc.Has("-x"), pc.Has("-o"), pc.Has("-u"));
  } else if (pc.Has("-v") || pc.Has("-l")) {
    r.op = Op::List;
  } else if (pc.Has("-t")) {
    r.op = Op::Test;
  } else {
    Unknown(r, line);
  }
  return r;
}

Request ParseRarTool(const std::string& line) {
  ParsedCommand pc = ParseCommand(line, true);
  Request r = Start(pc);
  std::string v = Lower(pc.verb);
  if (v == "a" || v == "m" || v == "u") {
    r.op = v == "m" ? Op::Move : Op::Add;
    r.updateOnly = pc.Has("-u");
    r.paths = pc.Has("-ep") ? PathMode::None : PathMode::Relative;
    r.recurse = pc.Has("-r") || !pc.Has("-ep");
    r.fromOwnFolder = pc.Has("-ep1");
    std::string vol = pc.Value("-v");
    if (!vol.empty()) r.volumeSize = static_cast<size_t>(std::strtoul(vol.c_str(), nullptr, 10)) * 1000;
    r.storedUnder = pc.Value("-ap");
    CreateArgs(pc, r);
  } else if (v == "x" || v == "e") {
    Extracting(pc, r, v == "x");
  } else {
    CommonVerb(pc, v, r);
  }
  return r;
}

Request ParseAce(const std::string& line) {
  ParsedCommand pc = ParseCommand(line, true);
  Request r = Start(pc);
  std::string v = Lower(pc.verb);
  r.listStyle = ListStyle::Ace;
  if (v == "a" || v == "m") {
    Adding(pc, r, v == "m" ? Op::Move : Op::Add, pc.Has("-ep") ? PathMode::None : PathMode::Relative);
    r.fromOwnFolder = pc.Has("-ep1");
  } else if (v == "x" || v == "e") {
    Extracting(pc, r, v == "x", pc.Has("-y") || pc.Has("-o"), false);
  } else {
    CommonVerb(pc, v, r);
  }
  return r;
}

Request ParseJar(const std::string& line) {
  ParsedCommand pc = ParseCommand(line, true);
  Request r = Start(pc);
  std::string v = Lower(pc.verb);
  r.listStyle = ListStyle::Jar;
  if (v == "a" || v == "m" || v == "u") {
    r.op = v == "m" ? Op::Move : Op::Add;
    r.updateOnly = v == "u" || pc.Has("-u");
    r.paths = pc.Has("-jf-") ? PathMode::None : PathMode::Relative;
    CreateArgs(pc, r);
  } else if (v == "x" || v == "e") {
    Extracting(pc, r, v == "x", pc.Has("-y"), pc.Has("-n"), "-o");
  } else {
    CommonVerb(pc, v, r);
  }
  return r;
}

Request ParseGca(const std::string& line) {
  ParsedCommand pc = ParseCommand(line, true);
  Request r = Start(pc);
  std::string v = Lower(pc.verb);
  if (v == "a" || v == "n" || v == "s") {
    // The list comes as one "-o" switch holding its path.
    r.op = Op::Add;
    r.password = pc.Value("-p");
    CreateArgs(pc, r);
    std::string list = pc.Value("-o");
    if (!list.empty()) r.names.push_back("@" + list);
  } else if (v == "e" || v == "ex") {
    Extracting(pc, r, pc.Has("-xx1"), !pc.Has("-yx1"), false);
  } else {
    CommonVerb(pc, v, r);
  }
  return r;
}

Request ParseImp(const std::string& line) {
  ParsedCommand pc = ParseCommand(line, true);
  Request r = Start(pc);
  std::string v = Lower(pc.verb);
  if (v == "e" || v == "x") {
    Extracting(pc, r, pc.Has("-r1"), !pc.Has("-u5"), false);
  } else {
    CommonVerb(pc, v, r);
  }
  return r;
}

Request ParseBel(const std::string& line) {
  // Archive and destination only: the whole archive is extracted.
  ParsedCommand pc = ParseCommand(line, false);
  Request r = Start(pc);
  r.op = Op::Extract;
  ExtractArgs(pc, r);
  r.names.clear();
  return r;
}

Request ParseIsh(const std::string& line) {
  // Switches start with "/"; "/F=" names the output folder.
  Request r;
  std::vector<std::string> plain;
  bool encode = false, decode = false;
  for (const std::string& t : Tokenize(line)) {
    std::string l = Lower(t);
    if (l.rfind("/f=", 0) == 0)
      r.destination = t.substr(3);
    else if (l == "/a")
      decode = true;
    else if (l == "/r")
      decode = r.newerOnly = true;
    else if (l == "/ss" || l == "/s" || l == "/s7" || l == "/sn")
      encode = true;
    else if (!t.empty() && t[0] == '/' && t.find_first_of("/\\", 1) == std::string::npos)
      continue;  // target system switches; a path with folders is a file
    else
      plain.push_back(t);
  }
  if (plain.empty()) {
    r.error = "no file named";
    return r;
  }
  r.archive = plain[0];
  if (encode)
    r.op = Op::Encode;
  else if (decode)
    r.op = Op::Extract;
  else
    r.error = "no mode switch";
  return r;
}

}  // namespace standin::fixture
