#include "core/modCommandLine.h"

#include "core/ArcType.h"
#include "core/Text.h"
#include "core/modPath.h"

namespace core {

std::vector<std::wstring> CommandLineFiles{std::wstring()};

namespace {

struct Item {
  std::wstring text;
  bool quoted;
};

// First split: quoted items up to their closing quote, others up to the next blank. False for an unclosed
// quote.
bool SplitItems(const std::wstring& line, std::vector<Item>& items) {
  std::wstring rest = line;
  for (;;) {
    if (!rest.empty() && rest[0] == L'"') {
      size_t close = rest.find(L'"', 1);
      if (close == std::wstring::npos) return false;
      items.push_back({rest.substr(1, close - 1), true});
      rest = Trim(rest.substr(close + 1));
      if (rest.empty()) return true;
      continue;
    }
    size_t blank = rest.find(L' ');
    if (blank == std::wstring::npos) {
      items.push_back({rest, false});
      return true;
    }
    items.push_back({rest.substr(0, blank), false});
    rest = Trim(rest.substr(blank + 1));
  }
}

struct Range {
  size_t begin, end;
};

bool InsideAny(size_t pos, const std::vector<Range>& ranges) {
  for (const auto& r : ranges)
    if (pos >= r.begin && pos < r.end) return true;
  return false;
}

// Where the search for the blank that ends the item at `start` begins: past the share name of a UNC path,
// so blanks in server and share names do not split it.
size_t SearchStart(const std::wstring& line, size_t start) {
  if (line.compare(start, 2, L"\\\\") != 0) return start;
  size_t server = line.find(L'\\', start + 2);
  if (server == std::wstring::npos) return start;
  size_t share = line.find(L'\\', server + 1);
  return share == std::wstring::npos ? start : share + 1;
}

// Second split of the short-form line at blanks; blanks inside `kept` ranges (quoted items that have no
// short form) never split.
std::vector<std::wstring> SplitShortLine(const std::wstring& line, const std::vector<Range>& kept) {
  std::vector<std::wstring> pieces;
  size_t start = 0;
  for (;;) {
    size_t blank = line.find(L' ', SearchStart(line, start));
    while (blank != std::wstring::npos && InsideAny(blank, kept)) blank = line.find(L' ', blank + 1);
    if (blank == std::wstring::npos) {
      pieces.push_back(line.substr(start));
      return pieces;
    }
    pieces.push_back(line.substr(start, blank - start));
    start = blank + 1;
  }
}

}  // namespace

int ParseCommandLine(std::wstring& commandLine, std::vector<std::wstring>& files) {
  files.assign(1, std::wstring());
  // A single path in quotes is split like any quoted item, so its quotes never stay in the name.
  if (commandLine.find_first_of(L" \"") == std::wstring::npos) {
    files[0] = ExpandLongPath(commandLine);
  } else if (commandLine.find(L' ') != std::wstring::npos &&
             GetShortPath(commandLine).find(L' ') == std::wstring::npos) {
    files[0] = commandLine;  // one unquoted path holding blanks
  } else {
    std::vector<Item> items;
    if (!SplitItems(commandLine, items)) return 0;
    std::wstring line, rewritten;
    std::vector<Range> kept;
    for (const auto& item : items) {
      std::wstring shortForm = GetShortPath(item.text);
      bool keep = item.quoted && shortForm.find(L' ') != std::wstring::npos;
      if (!line.empty() || !rewritten.empty()) {
        line += L' ';
        rewritten += L' ';
      }
      if (keep) kept.push_back({line.size(), line.size() + shortForm.size()});
      line += shortForm;
      rewritten += keep ? QuotePath(shortForm) : shortForm;
    }
    size_t lead = line.find_first_not_of(L' ');
    if (lead == std::wstring::npos) lead = line.size();
    line = line.substr(lead);
    for (auto& r : kept) r = {r.begin < lead ? 0 : r.begin - lead, r.end < lead ? 0 : r.end - lead};
    line = RTrim(line);
    commandLine = Trim(rewritten);
    files.clear();
    for (const auto& piece : SplitShortLine(line, kept)) files.push_back(ExpandLongPath(piece));
  }
  int count = 0;
  for (const auto& file : files)
    if (!GetArcTypeByExt(file).empty()) ++count;
  return count;
}

int ParseCommandLine(std::wstring& commandLine) { return ParseCommandLine(commandLine, CommandLineFiles); }

}  // namespace core
