#include "Tokenizer.h"

#include "Cp932.h"

namespace standin {

std::vector<std::string> Tokenize(std::string_view line) {
  std::vector<std::string> tokens;
  std::string current;
  bool inToken = false, quoted = false;
  for (size_t i = 0; i < line.size(); ++i) {
    char c = line[i];
    if (IsLeadByte(static_cast<unsigned char>(c)) && i + 1 < line.size()) {
      current += c;
      current += line[++i];
      inToken = true;
    } else if (c == '"') {
      quoted = !quoted;
      inToken = true;
    } else if ((c == ' ' || c == '\t' || c == '\r' || c == '\n') && !quoted) {
      if (inToken) tokens.push_back(current);
      current.clear();
      inToken = false;
    } else {
      current += c;
      inToken = true;
    }
  }
  if (inToken) tokens.push_back(current);
  return tokens;
}

bool ParsedCommand::Has(std::string_view sw) const {
  for (const auto& s : switches) {
    if (s == sw) return true;
  }
  return false;
}

bool ParsedCommand::HasPrefix(std::string_view prefix) const {
  for (const auto& s : switches) {
    if (s.compare(0, prefix.size(), prefix) == 0) return true;
  }
  return false;
}

std::string ParsedCommand::Value(std::string_view prefix, std::string_view fallback) const {
  std::string value(fallback);
  for (const auto& s : switches) {
    if (s.compare(0, prefix.size(), prefix) == 0) {
      value = s.substr(prefix.size());
    }
  }
  return value;
}

ParsedCommand ParseCommand(std::string_view line, bool hasVerb) {
  ParsedCommand cmd;
  bool verbTaken = !hasVerb, archiveTaken = false;
  for (auto& token : Tokenize(line)) {
    if (token.size() > 1 && token[0] == '-') {
      cmd.switches.push_back(token);
    } else if (!verbTaken) {
      cmd.verb = token;
      verbTaken = true;
    } else if (!archiveTaken) {
      cmd.archive = token;
      archiveTaken = true;
    } else {
      cmd.args.push_back(token);
    }
  }
  return cmd;
}

}  // namespace standin
