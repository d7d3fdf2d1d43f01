#pragma once
// Reads a shell layout back as Explorer would find it: default values and keys under a classes root, and
// the fields of a shortcut file.
#include <windows.h>

#include <optional>
#include <string>

#include "TempDir.h"

namespace installtest {

// The key's default value; nullopt when the key or the value is missing.
std::optional<std::wstring> DefaultValue(HKEY root, const std::wstring& key);
// A named value of the key; nullopt when missing.
std::optional<std::wstring> NamedValue(HKEY root, const std::wstring& key, const std::wstring& name);
bool KeyExists(HKEY root, const std::wstring& key);

struct LinkFields {
  std::wstring target;
  std::wstring arguments;
  std::wstring workingFolder;
  std::wstring iconPath;
  int iconIndex = -1;
  int showCommand = 0;
  WORD hotKey = 0xFFFF;
};
// The fields of a shortcut file; nullopt when it cannot be loaded as one.
std::optional<LinkFields> ReadLink(const std::wstring& path);

// A scratch key under HKEY_CURRENT_USER, open to stand in for a registry root; deleted with everything below.
class ScratchRoot {
 public:
  ScratchRoot();
  ~ScratchRoot();
  ScratchRoot(const ScratchRoot&) = delete;
  ScratchRoot& operator=(const ScratchRoot&) = delete;
  HKEY Key() const { return key_; }
  // Writes a default (name "") or named string value, creating the key.
  void Set(const std::wstring& key, const std::wstring& value, const std::wstring& name = L"") const;

 private:
  testsupport::ScratchRegKey scratch_;
  HKEY key_ = nullptr;
};

}  // namespace installtest
