// A console archiver for the tests, copied into a test folder as "rar.exe", "ace.exe" and the others. It
// appends its file name and command line to the file named by TVPROBE_LOG, writes the bytes of the file named
// by TVPROBE_PRINT to its standard output, and ends with the exit code TVPROBE_EXIT (0 when unset).
#include <windows.h>

#include <cstdlib>
#include <string>

namespace {

std::string Env(const char* name) {
  char buffer[4096];
  DWORD n = GetEnvironmentVariableA(name, buffer, sizeof buffer);
  return n && n < sizeof buffer ? std::string(buffer, n) : std::string();
}

void Append(const std::string& path, const std::string& text) {
  HANDLE file = CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  CloseHandle(file);
}

}  // namespace

int main() {
  std::string log = Env("TVPROBE_LOG");
  if (!log.empty()) {
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    Append(log, std::string(self) + "\t" + GetCommandLineA() + "\r\n");
  }
  std::string print = Env("TVPROBE_PRINT");
  if (!print.empty()) {
    HANDLE in = CreateFileA(print.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (in != INVALID_HANDLE_VALUE) {
      char chunk[4096];
      DWORD got = 0, written = 0;
      HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
      while (ReadFile(in, chunk, sizeof chunk, &got, nullptr) && got > 0) WriteFile(out, chunk, got, &written, nullptr);
      CloseHandle(in);
    }
  }
  // A tool that waits for an answer on its input sees the end of it at once.
  if (!Env("TVPROBE_READ_INPUT").empty()) {
    char c;
    DWORD got = 0;
    while (ReadFile(GetStdHandle(STD_INPUT_HANDLE), &c, 1, &got, nullptr) && got > 0) {
    }
  }
  return std::atoi(Env("TVPROBE_EXIT").c_str());
}
