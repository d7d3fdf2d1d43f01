// Stand-in for the main program in the extension's tests: writes the command line it was started with, as
// UTF-8, to "command.txt" beside itself. The file appears whole (written aside, then renamed), so a test
// that sees it can read it at once.
#include <windows.h>

#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  wchar_t self[MAX_PATH] = {};
  DWORD length = GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring folder(self, length);
  folder.resize(folder.rfind(L'\\') + 1);

  const wchar_t* line = GetCommandLineW();
  int bytes = WideCharToMultiByte(CP_UTF8, 0, line, -1, nullptr, 0, nullptr, nullptr);
  std::string text(bytes > 0 ? bytes - 1 : 0, '\0');
  if (bytes > 1) WideCharToMultiByte(CP_UTF8, 0, line, -1, text.data(), bytes, nullptr, nullptr);

  std::wstring partial = folder + L"command.tmp";
  HANDLE file = CreateFileW(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 1;
  DWORD written = 0;
  BOOL ok = WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  CloseHandle(file);
  if (!ok || !MoveFileExW(partial.c_str(), (folder + L"command.txt").c_str(), MOVEFILE_REPLACE_EXISTING)) return 1;
  return 0;
}
