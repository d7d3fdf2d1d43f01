#include "TarCommand.h"

#include "Commands.h"
#include "Cp932.h"
#include "ListFile.h"
#include "SafePath.h"
#include "Tokenizer.h"
#include "FixtureCommand.h"
#include "TarFormat.h"

namespace standin::tar {

namespace {

struct TarRequest {
  char op = 0;  // c, r, x, t
  bool test = false;
  std::string method = "tar";
  int level = 6;
  bool flat = false;
  bool sfx = false;
  std::string archive;
  std::vector<std::string> args;
};

// Operation letters: the first of c/r/x/t names the operation, z<digit> and
// B<digit> pick gzip or bzip2 with their level, i with t asks for a test.
bool ReadLetters(const std::string& letters, TarRequest& r) {
  for (size_t i = 0; i < letters.size(); ++i) {
    char c = letters[i];
    if (c == 'c' || c == 'r' || c == 'x' || c == 't' || c == 'u') {
      if (!r.op) r.op = c == 'u' ? 'r' : c;
    } else if (c == 'z' || c == 'B' || c == 'j') {
      r.method = c == 'z' ? "tgz" : "tbz";
      if (i + 1 < letters.size() && letters[i + 1] >= '1' && letters[i + 1] <= '9') r.level = letters[++i] - '0';
    } else if (c == 'i') {
      r.test = true;
    } else if (c != 'v' && c != 'f') {
      return false;
    }
  }
  return r.op != 0;
}

bool Parse(const std::string& line, TarRequest& r, std::string& error) {
  std::vector<std::string> plain;
  for (const std::string& t : Tokenize(line)) {
    if (t.rfind("--", 0) == 0) {
      if (t == "--use-directory=0")
        r.flat = true;
      else if (t == "--self-extracting=1")
        r.sfx = true;
    } else if (t.size() > 1 && t[0] == '-') {
      if (!ReadLetters(t.substr(1), r)) return error = "unknown switch " + t, false;
    } else if (!r.op && plain.empty() && t.find_first_of(".\\/:") == std::string::npos && ReadLetters(t, r)) {
      continue;  // letters without a dash ("tif")
    } else {
      plain.push_back(t);
    }
  }
  if (!r.op) return error = "no operation given", false;
  if (plain.empty()) return error = "no archive named", false;
  r.archive = plain[0];
  r.args.assign(plain.begin() + 1, plain.end());
  return true;
}

int Create(const CommandEnv& env, const TarRequest& r, Report& report) {
  IFileSystem& fs = *env.fs;
  std::string base;
  std::vector<std::string> names = r.args;
  if (!names.empty() && names[0][0] != '@' && EndsWithSeparator(names[0])) {
    base = names[0];
    names.erase(names.begin());
  }
  std::vector<ListItem> items;
  std::string error;
  if (!ExpandNameArgs(fs, names, items, error)) {
    report.Line(error);
    return kErrorCannotRead;
  }
  AddOptions o;
  o.paths = r.flat ? PathMode::None : PathMode::Relative;
  o.write.method = r.method;
  o.write.level = r.level;
  if (r.op == 'c') {
    // A new archive replaces an old one only once it is written in full.
    std::string temp = r.archive + ".tv$";
    if (int res = AddFiles(fs, FamilyFormat(), temp, items, base, o, report)) {
      fs.RemoveFile(temp);
      return res;
    }
    std::string bytes;
    bool ok = fs.ReadFile(temp, bytes) && fs.WriteFile(r.archive, bytes);
    fs.RemoveFile(temp);
    if (!ok) {
      report.Line("cannot write " + r.archive);
      return kErrorCannotWrite;
    }
  } else if (int res = AddFiles(fs, FamilyFormat(), r.archive, items, base, o, report)) {
    return res;
  }
  if (!r.sfx) return kOk;
  std::string exe = r.archive.substr(0, r.archive.rfind('.')) + ".exe";
  return fixture::MakeSfx(env, r.archive, exe, report);
}

int ExtractOrTest(const CommandEnv& env, const TarRequest& r, bool test, Report& report) {
  IFileSystem& fs = *env.fs;
  LoadedArchive archive;
  if (int res = LoadArchive(fs, FamilyFormat(), r.archive, archive, report)) return res;
  std::string dest = test ? std::string() : (r.args.empty() ? fs.CurrentDirectory() : r.args[0]);
  std::vector<std::string> names(r.args.begin() + (r.args.empty() || test ? 0 : 1), r.args.end());
  std::vector<ListItem> items;
  std::string error;
  if (!ExpandNameArgs(fs, names, items, error)) {
    report.Line(error);
    return kErrorCannotRead;
  }
  std::vector<std::string> patterns;
  for (const ListItem& i : items) patterns.push_back(i.name);
  ExtractOptions o;
  o.keepFolders = !r.flat;
  o.testOnly = test;
  return ExtractEntries(fs, FamilyFormat(), archive, SelectEntries(archive.entries, patterns), dest, o, report);
}

}  // namespace

int TarCommand(const CommandEnv& env, const std::string& line, Report& report) {
  TarRequest r;
  std::string error;
  if (!Parse(line, r, error)) {
    report.Line(error);
    return kErrorCommand;
  }
  switch (r.op) {
    case 'c':
    case 'r':
      return Create(env, r, report);
    case 'x':
      return ExtractOrTest(env, r, false, report);
    default:
      break;
  }
  if (r.test) return ExtractOrTest(env, r, true, report);
  LoadedArchive archive;
  if (int res = LoadArchive(*env.fs, FamilyFormat(), r.archive, archive, report)) return res;
  report.text += ListText(archive.entries);
  return kOk;
}

}  // namespace standin::tar
