#pragma once
// What the program says about itself: the version numbers and product name of its version resource, and
// where its file lies. The About box shows them; the update-notifier registration hands them on.
#include <windows.h>

#include <cstdint>
#include <string>

namespace tools {

struct ProgramIdentity {
  // The first, second and fourth numbers of the file version (the third is never set).
  uint16_t major = 0;
  uint16_t minor = 0;
  uint16_t revision = 0;
  // "ProductName" of the version resource; "" without one.
  std::wstring productName;
  // Folder of the program file as the system gives it ("C:\" for a drive root, else without "\").
  std::wstring folder;
  // The program file's name without its extension.
  std::wstring exeName;
};

// The identity read from a module's file (the running program's for nullptr).
ProgramIdentity ReadProgramIdentity(HMODULE module = nullptr);

// "major.minor.revision" in decimal.
std::wstring ProgramVersionText(const ProgramIdentity& program);

}  // namespace tools
