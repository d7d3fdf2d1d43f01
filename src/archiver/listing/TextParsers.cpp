#include "archiver/listing/TextParsers.h"

#include "archiver/ArcOutput.h"
#include "core/Text.h"
#include "core/modPath.h"

namespace archiver::listing {

std::vector<ArcEntry> ArcEntries;

namespace {

// The column bar ace.exe prints (byte 0xB3 in code page 932).
constexpr wchar_t kAceBar = L'\xFF73';
const std::wstring kDashes(14, L'-');

// Walks the output once: each consumed line moves the start forward instead of copying the rest.
class Lines {
 public:
  explicit Lines(const std::wstring& text) : text_(text) {}
  bool Empty() const { return pos_ >= text_.size(); }
  bool HasLineFeed() const { return text_.find(L'\n', pos_) != std::wstring::npos; }
  bool StartsWith(const std::wstring& prefix) const { return text_.compare(pos_, prefix.size(), prefix) == 0; }
  // A rule of at least fourteen dashes, also when the tool indents it.
  bool AtRule() const {
    size_t first = text_.find_first_not_of(L' ', pos_);
    return first != std::wstring::npos && text_.compare(first, kDashes.size(), kDashes) == 0;
  }
  void Drop(int count = 1) {
    for (int i = 0; i < count && !Empty(); ++i) {
      size_t lf = text_.find(L'\n', pos_);
      pos_ = lf == std::wstring::npos ? text_.size() : lf + 1;
    }
  }
  // The first line without its line end (a CR before the LF is not part of the line).
  std::wstring First() const {
    if (Empty()) return L"";
    size_t lf = text_.find(L'\n', pos_);
    std::wstring line = text_.substr(pos_, lf == std::wstring::npos ? std::wstring::npos : lf - pos_);
    if (!line.empty() && line.back() == L'\r') line.pop_back();
    return line;
  }

 private:
  const std::wstring& text_;
  size_t pos_ = 0;
};

// Takes the last field after `separator` off the line: the field is what follows it, the line keeps what
// precedes it (with the separator) trimmed. Without a separator nothing is taken.
std::wstring LastField(std::wstring& line, wchar_t separator = L' ') {
  size_t at = line.rfind(separator);
  if (at == std::wstring::npos) return L"";
  std::wstring field = line.substr(at + 1);
  line = core::Trim(line.substr(0, at + 1));
  return field;
}

// The next blank-separated field from the left; the line keeps what follows it.
std::wstring FirstField(std::wstring& line) {
  line = core::LTrim(line);
  size_t at = line.find(L' ');
  std::wstring field = line.substr(0, at);
  line = at == std::wstring::npos ? L"" : line.substr(at + 1);
  return field;
}

// A path inside the archive as folder ("\" separators, trailing "\"; "\" at the root) and name.
void SetPath(ArcEntry& entry, const std::wstring& path) {
  if (path.find_first_of(L"\\/") != std::wstring::npos) {
    entry.FolderPath = core::GetFolderPart(path) + L"\\";
    entry.FileName = core::GetFileNamePart(path);
  } else {
    entry.FolderPath = L"\\";
    entry.FileName = path;
  }
}

std::wstring JarFolder(const std::wstring& line) {
  if (line.rfind(L"Root ", 0) == 0) return L"";
  std::wstring folder = core::Trim(line.substr(0, line.find(L"directory:")));
  if (!folder.empty() && folder[0] == L'"') folder = folder.size() >= 2 ? folder.substr(1, folder.size() - 2) : L"";
  return folder;
}

int32_t Count() { return static_cast<int32_t>(ArcEntries.size()); }

}  // namespace

// A line: date, bar, time, bar, packed size, bar, size, bar, ratio, bar, a blank and the name. The first
// five bars are the columns, so a name keeps its blanks (and any bar of its own).
int32_t ParseAceList() {
  Lines lines(ArcOutputText);
  for (;;) {
    lines.Drop();
    if (lines.StartsWith(L"Date    ")) {
      lines.Drop(2);
      break;
    }
    if (lines.Empty()) break;
  }
  ArcEntries.clear();
  for (;;) {
    std::wstring line = core::RTrim(lines.First());
    if (line.empty()) break;
    lines.Drop();
    std::wstring columns[5];
    size_t start = 0;
    bool whole = true;
    for (auto& column : columns) {
      size_t bar = line.find(kAceBar, start);
      if (bar == std::wstring::npos) {
        whole = false;
        break;
      }
      column = core::Trim(line.substr(start, bar - start));
      start = bar + 1;
    }
    // A line without its five columns is not an entry: the listing ends there.
    if (!whole) break;
    std::wstring name = line.substr(start);
    if (!name.empty() && name[0] == L' ') name.erase(0, 1);
    ArcEntry entry;
    SetPath(entry, name);
    entry.Date = columns[0];
    entry.Time = columns[1];
    entry.PackedSize = columns[2];
    entry.OriginalSize = columns[3];
    entry.Ratio = columns[4];
    ArcEntries.push_back(std::move(entry));
  }
  return Count();
}

// One block per folder, each headed by a "directory:" line; a line: size, attribute, date, time, name.
int32_t ParseJarList() {
  Lines lines(ArcOutputText);
  std::wstring folder;
  for (;;) {
    lines.Drop();
    std::wstring line = core::RTrim(lines.First());
    if (line.find(L"directory:") != std::wstring::npos) {
      folder = JarFolder(line);
      lines.Drop(3);
      break;
    }
    if (lines.Empty()) break;
  }
  ArcEntries.clear();
  for (;;) {
    std::wstring line = core::RTrim(lines.First());
    if (line.empty() || line.rfind(L"Total files", 0) == 0) break;
    lines.Drop();
    if (line.find(L"directory:") != std::wstring::npos) {
      folder = JarFolder(line);
      continue;
    }
    ArcEntry entry;
    entry.OriginalSize = FirstField(line);
    entry.Attribute = FirstField(line);
    entry.Date = FirstField(line);
    entry.Time = FirstField(line);
    entry.FileName = core::LTrim(line);
    entry.FolderPath = folder;
    ArcEntries.push_back(std::move(entry));
  }
  return Count();
}

// Eight heading lines, then per entry a name line and a data line (size, date, time, method, part), then a
// rule of dashes.
int32_t ParseIshList() {
  if (ArcOutputText.empty()) return 0;
  Lines lines(ArcOutputText);
  lines.Drop(8);
  ArcEntries.clear();
  for (;;) {
    if (lines.Empty() || lines.AtRule()) break;
    std::wstring name = lines.First();
    lines.Drop();
    if (lines.AtRule()) break;
    ArcEntry entry;
    entry.FileName = core::Trim(name);
    std::wstring data = lines.First();
    LastField(data);
    entry.Method = LastField(data);
    entry.Time = LastField(data);
    entry.Date = LastField(data);
    entry.OriginalSize = core::Trim(data);
    lines.Drop();
    ArcEntries.push_back(std::move(entry));
  }
  return Count();
}

// Two heading lines, one line per entry (path, then eight columns without blanks), a closing rule.
int32_t ParseUnzipList() {
  Lines lines(ArcOutputText);
  lines.Drop(2);
  ArcEntries.clear();
  for (;;) {
    if (lines.AtRule()) break;
    if (!lines.HasLineFeed()) {
      ArcEntries.clear();
      return -1;
    }
    std::wstring line = lines.First();
    lines.Drop();
    ArcEntry entry;
    entry.Extra = LastField(line);
    entry.Method = LastField(line);
    entry.Attribute = LastField(line);
    entry.Time = LastField(line);
    entry.Date = LastField(line);
    entry.Ratio = LastField(line);
    entry.PackedSize = LastField(line);
    entry.OriginalSize = LastField(line);
    SetPath(entry, core::Trim(line));
    ArcEntries.push_back(std::move(entry));
  }
  return Count();
}

}  // namespace archiver::listing
