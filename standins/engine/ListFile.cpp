#include "ListFile.h"

#include "Cp932.h"
#include "Tokenizer.h"

namespace standin {

namespace {

std::string WithSeparator(const std::string& folder) {
  if (folder.empty() || FindLastSeparator(folder) == folder.size() - 1) return folder;
  return folder + "\\";
}

// "C:\data\.\docs\*.*": the ".\" marker splits base and relative name.
bool SplitDotMarker(const std::string& token, ListItem& item) {
  std::string slashed = ToSlash(token);
  size_t mark = slashed.find("/./");
  if (mark == std::string::npos) return false;
  item.base = token.substr(0, mark + 1);
  item.name = token.substr(mark + 3);
  return true;
}

}  // namespace

std::vector<ListItem> ParseListText(const std::string& text) {
  std::vector<ListItem> items;
  std::string base;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = text.find('\n', pos);
    if (end == std::string::npos) end = text.size();
    std::vector<std::string> tokens = Tokenize(std::string_view(text).substr(pos, end - pos));
    pos = end + 1;
    if (!tokens.empty() && tokens[0] == "-o") tokens.erase(tokens.begin());
    if (tokens.empty()) continue;
    ListItem item;
    if (tokens.size() >= 2) {
      base = WithSeparator(tokens[0]);
      item.base = base;
      item.name = tokens[1];
    } else if (SplitDotMarker(tokens[0], item)) {
      // base and name both from the marker; the base does not carry over
    } else {
      item.base = base;
      item.name = tokens[0];
    }
    items.push_back(item);
  }
  return items;
}

bool ReadListFile(IFileSystem& fs, const std::string& path, std::vector<ListItem>& items) {
  std::string text;
  if (!fs.ReadFile(path, text)) return false;
  auto parsed = ParseListText(text);
  items.insert(items.end(), parsed.begin(), parsed.end());
  return true;
}

bool ExpandNameArgs(IFileSystem& fs, const std::vector<std::string>& args, std::vector<ListItem>& items,
                    std::string& error) {
  bool ok = true;
  for (const auto& arg : args) {
    if (arg.size() > 1 && (arg[0] == '@' || arg[0] == '!')) {
      if (!ReadListFile(fs, arg.substr(1), items)) {
        error += "list file not found: " + arg.substr(1) + "\r\n";
        ok = false;
      }
    } else {
      items.push_back(ListItem{"", arg});
    }
  }
  return ok;
}

}  // namespace standin
