#include "core/modIni.h"

#include <optional>

#include "core/Text.h"
#include "core/modPath.h"
#include "core/modShell.h"

namespace core {

const wchar_t kIniFileName[] = L"Tolvenar.ini";

namespace {

std::wstring& IniFolder() {
  static std::wstring folder;
  return folder;
}

// The file stays in code page 932 whatever the system: the ANSI profile functions get every text already
// converted, since the wide ones may write a new file as UTF-16.
struct Cp932Args {
  std::string section;
  std::string key;
  std::string path;
};

Cp932Args ToArgs(const std::wstring& section, const std::wstring& key) {
  return {ToCp932(section), ToCp932(key), ToCp932(IniFilePath())};
}

}  // namespace

void SetIniFolder(const std::wstring& folder) { IniFolder() = folder; }

std::wstring IniFilePath() {
  const std::wstring& folder = IniFolder();
  return AddBackslash(folder.empty() ? ProgramFolder() : folder) + kIniFileName;
}

std::wstring ReadIni(const std::wstring& section, const std::wstring& key) {
  const Cp932Args args = ToArgs(section, key);
  char buffer[kIniValueBytes + 1] = {};
  DWORD copied = GetPrivateProfileStringA(args.section.c_str(), args.key.c_str(), "", buffer, sizeof(buffer),
                                          args.path.c_str());
  if (copied == 0) return std::wstring();
  // A value cut at the buffer's end must not end in half of a double-byte character.
  size_t length = Cp932SafeLength(buffer, copied, kIniValueBytes);
  std::wstring value = FromCp932(buffer, length);
  // The profile function already strips blanks around a value and one pair of enclosing quotes. Blanks
  // inside such quotes are part of the value: they are how a value with edge blanks is written.
  return value.substr(0, value.find(L'\0'));
}

bool WriteIni(const std::wstring& section, const std::wstring& key, const std::wstring& value) {
  const std::optional<std::string> text = ToCp932Exact(value);
  // A look-alike ("Ubersicht" for "Übersicht") would name another file or folder on the next start.
  if (!text) {
    DeleteIniKey(section, key);
    return false;
  }
  const Cp932Args args = ToArgs(section, key);
  return WritePrivateProfileStringA(args.section.c_str(), args.key.c_str(), text->c_str(), args.path.c_str()) != 0;
}

std::wstring IniExactValue(const std::wstring& value) {
  auto edge = [](wchar_t c) { return c <= L' ' || c == L'"' || c == L'\''; };
  if (value.empty() || !(edge(value.front()) || edge(value.back()))) return value;
  return L'"' + value + L'"';
}

bool DeleteIniKey(const std::wstring& section, const std::wstring& key) {
  const Cp932Args args = ToArgs(section, key);
  return WritePrivateProfileStringA(args.section.c_str(), args.key.c_str(), nullptr, args.path.c_str()) != 0;
}

bool DeleteIniSection(const std::wstring& section) {
  const Cp932Args args = ToArgs(section, L"");
  return WritePrivateProfileStringA(args.section.c_str(), nullptr, nullptr, args.path.c_str()) != 0;
}

}  // namespace core
