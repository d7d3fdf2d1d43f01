#pragma once
// What the tests of changed entries share: the window's own work for adding and for the new-archive
// dialog in place of the recorder's, and the archives kept for entry-edit.sh, which reads them with
// Debian's own tools.
#include <windows.h>

#include <optional>
#include <string>

#include "MainWindowFixture.h"
#include "core/modPath.h"

namespace mwtest {

class RealEditWork : public WorkRecorder {
 public:
  void AddArchiveFileOrFolder(mainwindow::frmMain& form, int mode) override {
    mainwindow::WindowWork::AddArchiveFileOrFolder(form, mode);
  }
  void AddDroppedFiles(mainwindow::frmMain& form, const std::wstring& archive, const std::wstring& type,
                       const std::wstring& files) override {
    mainwindow::WindowWork::AddDroppedFiles(form, archive, type, files);
  }
  std::optional<int> AskDropArchiveType(mainwindow::frmMain& form) override {
    return mainwindow::WindowWork::AskDropArchiveType(form);
  }
};

// Keeps a copy of the archive in the folder TOLVENAR_EDIT_OUT names, when it names one.
inline void KeepForDebianTools(const std::wstring& path) {
  wchar_t out[4096];
  const DWORD n = GetEnvironmentVariableW(L"TOLVENAR_EDIT_OUT", out, 4096);
  if (n == 0 || n >= 4096) return;
  CopyFileW(path.c_str(), (std::wstring(out, n) + L"\\" + core::GetFileNamePart(path)).c_str(), FALSE);
}

}  // namespace mwtest
