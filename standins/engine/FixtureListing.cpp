// The printed listings of ace.exe, jar32.exe and the ish32 file list, in the
// layouts the program cuts into columns.
#include <algorithm>
#include <cstdio>
#include <map>

#include "Cp932.h"
#include "SafePath.h"
#include "FixtureCommand.h"

namespace standin::fixture {

namespace {

// The column bar ace.exe prints: one half-width byte in code page 932.
constexpr char kBar = static_cast<char>(0xB3);

std::string Padded(const std::string& s, size_t width) {
  return s.size() >= width ? s : std::string(width - s.size(), ' ') + s;
}

std::string RatioText(const StoredEntry& e) {
  return std::to_string(RatioPerMille(e.info.originalSize, e.info.compressedSize) / 10) + "%";
}

std::string HoursMinutes(uint32_t dos) { return DosTimeText(dos).substr(0, 5); }

}  // namespace

std::string AceListing(const std::string& archive, const std::vector<StoredEntry>& entries) {
  std::string bar(1, kBar);
  std::string out = "ACE stand-in for Tolvenar\r\n";
  out += "Contents of archive " + NameOf(archive) + "\r\n\r\n";
  out += "Date    " + bar + "Time " + bar + "  Packed" + bar + "    Size" + bar + "Ratio" + bar + " File\r\n";
  out += std::string(60, '-') + "\r\n";
  uint64_t total = 0;
  for (const StoredEntry& e : entries) {
    std::string name = ToBackslash(e.info.path) + (e.info.isDirectory ? "\\" : "");
    out += DosDateText(e.info.dosDateTime) + bar + HoursMinutes(e.info.dosDateTime) + bar +
           Padded(std::to_string(e.info.compressedSize), 8) + bar + Padded(std::to_string(e.info.originalSize), 8) +
           bar + Padded(RatioText(e), 5) + bar + " " + name + "\r\n";
    total += e.info.originalSize;
  }
  out += "\r\nlisted: " + std::to_string(entries.size()) + " files, " + std::to_string(total) + " bytes\r\n";
  return out;
}

std::string JarListing(const std::string& archive, const std::vector<StoredEntry>& entries) {
  // One block per folder, the root first; only the first block's heading is
  // followed by column lines, as the later "directory:" lines stand alone.
  std::map<std::string, std::vector<const StoredEntry*>> byFolder;
  for (const StoredEntry& e : entries)
    if (!e.info.isDirectory) byFolder[ToBackslash(FolderOf(e.info.path))].push_back(&e);
  std::string out = "JAR32 stand-in for Tolvenar\r\nArchive: " + NameOf(archive) + "\r\n\r\n";
  bool first = true;
  size_t count = 0;
  if (byFolder.empty()) byFolder[""];
  for (const auto& [folder, list] : byFolder) {
    out += folder.empty() ? std::string("Root directory:\r\n") : "\"" + folder + "\" directory:\r\n";
    if (first) {
      out += "      Size Attr Date       Time     Name\r\n";
      out += "---------- ---- ---------- -------- ----------------\r\n";
      first = false;
    }
    for (const StoredEntry* e : list) {
      std::string attr = (e->info.attributes & 0x01) ? "R" : "-";
      attr += (e->info.attributes & 0x02) ? "H" : "-";
      attr += (e->info.attributes & 0x04) ? "S" : "-";
      attr += (e->info.attributes & 0x20) ? "A" : "-";
      out += Padded(std::to_string(e->info.originalSize), 10) + " " + attr + " " + DosDateText(e->info.dosDateTime) +
             " " + DosTimeText(e->info.dosDateTime) + " " + NameOf(e->info.path) + "\r\n";
      ++count;
    }
  }
  out += "Total files: " + std::to_string(count) + "\r\n";
  return out;
}

std::string IshListing(const std::string& archive, const std::vector<StoredEntry>& entries) {
  std::string out = "ish32 stand-in for Tolvenar\n";
  out += "File: " + NameOf(archive) + "\n";
  out += "Entries: " + std::to_string(entries.size()) + "\n\n";
  out += "Name\n";
  out += "      Size Date       Time     Method Part\n";
  out += "----------\n";
  out += "\n";
  for (const StoredEntry& e : entries) {
    out += NameOf(e.info.path) + "\n";
    out += Padded(std::to_string(e.info.originalSize), 10) + " " + DosDateText(e.info.dosDateTime) + " " +
           DosTimeText(e.info.dosDateTime) + " " + (e.info.method.empty() ? "ish" : e.info.method) + " 1/1\n";
  }
  out += std::string(40, '-') + "\n";
  return out;
}

}  // namespace standin::fixture
