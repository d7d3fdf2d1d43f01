#pragma once
// The one table of the settings file shared by LoadSettings and SaveSettings: every section, key, member and
// default, in the order the keys are saved. Internal to the settings store.
#include <cstdint>
#include <vector>

#include "core/Settings.h"

namespace core {

enum class SettingsKind {
  Text,        // a string member
  Color,       // a 32-bit colour member, decimal text in the file
  Column,      // one element of RetuColumn, trimmed
  History,     // the [History] section
  ArcDown,     // "ArcDown1" to "ArcDown16"
  ArcCommand,  // "ArcCommand1" to "ArcCommand16"
};

// Where a default comes from and what else loading does with the value.
enum class SettingsRule {
  None,
  DesktopFolder,   // default: the desktop folder
  ProgramFolder,   // default: the program folder with "\"
  TempFolder,      // default: the temp folder, else the program folder with "\Temp\"
  FileHistory,     // not a whole number: "15"; kept within 0 to 99
  ClassesArcType,  // padded with "0" and cut to 17 characters
  TemplateLeft,    // default: (screen width - 7320) / 2
  TemplateTop,     // default: (screen height - 3240) / 2
  QuotePath,       // a value read is quoted when it holds a blank
  NoKekka,         // missing: also sets the unzip32 registry switch
};

struct SettingsKey {
  const wchar_t* section;
  const wchar_t* key;
  SettingsKind kind;
  std::wstring SettingsStore::*text;
  int32_t SettingsStore::*number;
  const wchar_t* defaultText;
  SettingsRule rule;
  int column;
};

const std::vector<SettingsKey>& SettingsTable();

}  // namespace core
