#pragma once
// List files handed behind "@" or "!": code-page-932 text, one item per line (CR LF or LF).
// A line is a quoted or bare name, or a base folder followed by a name relative to it (the base
// stays for the following lines), optionally behind "-o "; a bare "B\.\N" also names base B and N.
#include <string>
#include <vector>

#include "FileSystem.h"

namespace standin {

struct ListItem {
  std::string base;  // folder the name is relative to, with trailing separator; may be empty
  std::string name;  // the item as written (may hold wildcards such as docs\*.*)
};

std::vector<ListItem> ParseListText(const std::string& text);

// Reads `path`; false when the file cannot be read.
bool ReadListFile(IFileSystem& fs, const std::string& path, std::vector<ListItem>& items);

// Expands the command's name arguments: "@x"/"!x" read list file x, other tokens are names.
// A missing list file adds an error line to `error` and returns false.
bool ExpandNameArgs(IFileSystem& fs, const std::vector<std::string>& args, std::vector<ListItem>& items,
                    std::string& error);

}  // namespace standin
