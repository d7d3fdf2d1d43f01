#pragma once
// A settings file of the test's own for the archive templates: written by hand as the user's file would be
// (code page 932, CR LF), and read back section by section exactly as the file holds it.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "TempDir.h"
#include "core/Text.h"
#include "core/modIni.h"

namespace toolstest {

class TemplateIni {
 public:
  explicit TemplateIni(const testsupport::TempDir& temp) : temp_(temp) { core::SetIniFolder(temp.Path()); }
  ~TemplateIni() { core::SetIniFolder(L""); }
  TemplateIni(const TemplateIni&) = delete;
  TemplateIni& operator=(const TemplateIni&) = delete;

  // Replaces the file with `text` (lines ending in "\n").
  void Write(const std::wstring& text) const {
    std::wstring crlf;
    for (wchar_t c : text) crlf += c == L'\n' ? std::wstring(L"\r\n") : std::wstring(1, c);
    temp_.WriteFile(core::kIniFileName, core::ToCp932(crlf));
  }

  // Every "key=value" of the section, in file order; empty when the section is not there.
  std::vector<std::wstring> Section(const std::wstring& name) const {
    std::string buffer(32768, '\0');
    const DWORD length =
        GetPrivateProfileSectionA(core::ToCp932(name).c_str(), buffer.data(), static_cast<DWORD>(buffer.size()),
                                  core::ToCp932(core::IniFilePath()).c_str());
    std::vector<std::wstring> keys;
    for (size_t start = 0; start < length;) {
      const size_t end = buffer.find('\0', start);
      keys.push_back(core::FromCp932(buffer.substr(start, end - start)));
      start = end + 1;
    }
    return keys;
  }

 private:
  const testsupport::TempDir& temp_;
};

// The system search path with `folder` in front while it lives (where the self-extractor modules are
// looked for).
class SearchPathFront {
 public:
  explicit SearchPathFront(const std::wstring& folder) {
    DWORD size = GetEnvironmentVariableW(L"PATH", nullptr, 0);
    saved_.assign(size, L'\0');
    GetEnvironmentVariableW(L"PATH", saved_.data(), size);
    saved_.resize(size ? size - 1 : 0);
    SetEnvironmentVariableW(L"PATH", (folder + L";" + saved_).c_str());
  }
  ~SearchPathFront() { SetEnvironmentVariableW(L"PATH", saved_.c_str()); }
  SearchPathFront(const SearchPathFront&) = delete;
  SearchPathFront& operator=(const SearchPathFront&) = delete;

 private:
  std::wstring saved_;
};

}  // namespace toolstest
