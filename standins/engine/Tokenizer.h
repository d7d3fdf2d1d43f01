#pragma once
// The command line of the archiver libraries: blank-separated tokens; a double quote toggles
// quoting anywhere in a token and is dropped; there are no backslash escapes.
#include <string>
#include <string_view>
#include <vector>

namespace standin {

std::vector<std::string> Tokenize(std::string_view line);

// A command line split by role. A token starting with "-" is a switch (wherever it stands, also
// after the archive); with `hasVerb` the first other token is the verb; the next one is the
// archive; the rest are arguments in their order (folders, names, "@list" and "!list").
struct ParsedCommand {
  std::string verb;
  std::vector<std::string> switches;
  std::string archive;
  std::vector<std::string> args;

  // Switches compare case-sensitively: "-j" and "-J" differ for the ZIP libraries.
  bool Has(std::string_view sw) const;
  // Value of the last switch starting with `prefix` (text after it), or `fallback`.
  std::string Value(std::string_view prefix, std::string_view fallback = {}) const;
  bool HasPrefix(std::string_view prefix) const;
};

ParsedCommand ParseCommand(std::string_view line, bool hasVerb);

}  // namespace standin
