// The command entry of unzip32: switches ("-x", "-l", "-t", ...), archive, folder and names.
#include <cstdio>

#include "Commands.h"
#include "Cp932.h"
#include "Formats.h"

namespace standin {

namespace {

// "-l": a heading of two lines, one line per entry (path, size, packed size, ratio, date, time,
// attribute, method, CRC: the path may hold blanks, the other columns never do), a closing line
// of dashes and the totals.
std::string UnzipListing(const std::vector<StoredEntry>& entries) {
  std::string text = " Name                      Length   Packed Ratio   Date     Time  Attr    Method  CRC-32\r\n";
  text += " ------------------------ -------- -------- ----- -------- ----- ------- ------- --------\r\n";
  uint64_t total = 0, packed = 0;
  for (const auto& e : entries) {
    const EntryInfo& i = e.info;
    int saved = i.originalSize ? 100 - static_cast<int>(i.compressedSize * 100 / i.originalSize) : 0;
    uint32_t d = i.dosDateTime;
    char buf[160];
    std::snprintf(buf, sizeof buf, " %8llu %8llu %3d%% %02u-%02u-%02u %02u:%02u %s %s %08x",
                  static_cast<unsigned long long>(i.originalSize), static_cast<unsigned long long>(i.compressedSize),
                  saved, ((d >> 25) + 80) % 100, (d >> 21) & 0x0F, (d >> 16) & 0x1F, (d >> 11) & 0x1F, (d >> 5) & 0x3F,
                  (i.isDirectory ? "d----" : (i.encrypted ? "a---+" : "a----")), i.method.c_str(), i.crc);
    text += " " + i.path + (i.isDirectory ? "/" : "") + buf + "\r\n";
    total += i.originalSize;
    packed += i.compressedSize;
  }
  text += " -------------- -------- -------- -----\r\n";
  text += ' ';
  text += std::to_string(entries.size());
  text += " files ";
  text += std::to_string(total);
  text += ' ';
  text += std::to_string(packed);
  text += "\r\n";
  return text;
}

}  // namespace

int RunUnzipCommand(const CommandEnv& env, const std::string& line, Report& report) {
  ParsedCommand cmd = ParseCommand(line, false);
  if (cmd.archive.empty()) {
    report.Line("usage: -x|-l|-t [switches] archive [folder\\] [names or @list]");
    return kErrorCommand;
  }
  LoadedArchive archive;
  if (int r = LoadArchive(*env.fs, ZipFormat(), cmd.archive, archive, report)) return r;
  if (cmd.Has("-l") || cmd.Has("-lv") || cmd.Has("-v")) {
    report.text += UnzipListing(archive.entries);
    return kOk;
  }
  std::string folder;
  std::vector<ListItem> names;
  if (!FolderAndNames(env, cmd, folder, names, report)) return kErrorCannotRead;
  ExtractOptions options;
  options.testOnly = cmd.Has("-t");
  if (!options.testOnly && !cmd.Has("-x")) {
    report.Line("unknown command");
    return kErrorCommand;
  }
  options.keepFolders = !cmd.Has("-j");
  // -o replaces every file; -n only older ones; neither: files on disk are kept (no prompt here).
  options.overwrite = cmd.Has("-o") || cmd.Has("-n");
  options.newerOnly = cmd.Has("-n");
  options.password = cmd.Value("-P");
  if (options.password.empty()) options.password = cmd.Value("--password=");
  // Where the real library would ask, the stand-in answers with the configured password.
  if (options.password.empty()) options.password = env.password;
  if (folder.empty()) folder = env.fs->CurrentDirectory();
  return ExtractEntries(*env.fs, ZipFormat(), archive, SelectEntries(archive.entries, Patterns(names)), folder, options,
                        report);
}

}  // namespace standin
