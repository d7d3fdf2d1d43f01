// upcheck.exe: the update notifier's side of its registry protocol under "Software\Upcheck" of the
// current user, for trying the program's registration by hand and in tests.
//
//   upcheck [--root <key below HKCU>] install              make "Software\Upcheck" (the tool is installed)
//   upcheck [--root <key>] uninstall                       remove it with everything below
//   upcheck [--root <key>] announce <mail> <product> <latest> [<next>]
//                                                          write LatestBuild and NextBuild; exit 2 when the
//                                                          product has not registered itself
//   upcheck [--root <key>] list                            one line per registered product (code page 932):
//                                                          mail, product, Author, InfoURL, DisplayHost,
//                                                          Build, FilePath, DisplayName, separated by tabs
// Exit code 0 on success, 1 for a usage or registry error.
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

const std::wstring kUpcheck = L"Software\\Upcheck";

std::wstring Text(HKEY key, const wchar_t* name) {
  wchar_t buffer[1024] = {};
  DWORD type = 0, size = sizeof buffer - sizeof(wchar_t);
  if (RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size) != ERROR_SUCCESS) return L"";
  if (type == REG_DWORD) {
    DWORD number = 0;
    std::memcpy(&number, buffer, sizeof number);
    return std::to_wstring(number);
  }
  return type == REG_SZ ? std::wstring(buffer) : L"";
}

std::vector<std::wstring> SubKeys(HKEY key) {
  std::vector<std::wstring> names;
  wchar_t name[256];
  for (DWORD i = 0;; ++i) {
    DWORD length = 256;
    if (RegEnumKeyExW(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) return names;
    names.emplace_back(name, length);
  }
}

void Print(const std::wstring& line) {
  std::wstring text = line + L"\r\n";
  int size = WideCharToMultiByte(932, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string bytes(size > 0 ? size : 0, '\0');
  WideCharToMultiByte(932, 0, text.c_str(), static_cast<int>(text.size()), bytes.data(), size, nullptr, nullptr);
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

int List(HKEY root) {
  HKEY upcheck = nullptr;
  if (RegOpenKeyExW(root, kUpcheck.c_str(), 0, KEY_READ, &upcheck) != ERROR_SUCCESS) return 1;
  for (const std::wstring& mail : SubKeys(upcheck)) {
    HKEY maker = nullptr;
    if (RegOpenKeyExW(upcheck, mail.c_str(), 0, KEY_READ, &maker) != ERROR_SUCCESS) continue;
    for (const std::wstring& product : SubKeys(maker)) {
      HKEY entry = nullptr;
      if (RegOpenKeyExW(maker, product.c_str(), 0, KEY_READ, &entry) != ERROR_SUCCESS) continue;
      Print(mail + L"\t" + product + L"\t" + Text(maker, L"Author") + L"\t" + Text(maker, L"InfoURL") + L"\t" +
            Text(maker, L"DisplayHost") + L"\t" + Text(entry, L"Build") + L"\t" + Text(entry, L"FilePath") + L"\t" +
            Text(entry, L"DisplayName"));
      RegCloseKey(entry);
    }
    RegCloseKey(maker);
  }
  RegCloseKey(upcheck);
  return 0;
}

int Announce(HKEY root, const std::wstring& mail, const std::wstring& product, DWORD latest, DWORD next) {
  HKEY entry = nullptr;
  std::wstring path = kUpcheck + L"\\" + mail + L"\\" + product;
  if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ | KEY_SET_VALUE, &entry) != ERROR_SUCCESS) return 2;
  bool ok = RegSetValueExW(entry, L"LatestBuild", 0, REG_DWORD, reinterpret_cast<BYTE*>(&latest), 4) == 0 &&
            RegSetValueExW(entry, L"NextBuild", 0, REG_DWORD, reinterpret_cast<BYTE*>(&next), 4) == 0;
  RegCloseKey(entry);
  return ok ? 0 : 1;
}

int Run(std::vector<std::wstring> args) {
  HKEY root = HKEY_CURRENT_USER;
  HKEY opened = nullptr;
  if (args.size() >= 2 && args[0] == L"--root") {
    if (RegCreateKeyExW(HKEY_CURRENT_USER, args[1].c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &opened, nullptr) !=
        ERROR_SUCCESS)
      return 1;
    root = opened;
    args.erase(args.begin(), args.begin() + 2);
  }
  int code = 1;
  if (args.size() == 1 && args[0] == L"install") {
    HKEY key = nullptr;
    code = RegCreateKeyExW(root, kUpcheck.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) ? 1 : 0;
    if (key) RegCloseKey(key);
  } else if (args.size() == 1 && args[0] == L"uninstall") {
    code = RegDeleteTreeW(root, kUpcheck.c_str()) == ERROR_SUCCESS ? 0 : 1;
  } else if ((args.size() == 4 || args.size() == 5) && args[0] == L"announce") {
    DWORD next = args.size() == 5 ? std::wcstoul(args[4].c_str(), nullptr, 10) : 0;
    code = Announce(root, args[1], args[2], std::wcstoul(args[3].c_str(), nullptr, 10), next);
  } else if (args.size() == 1 && args[0] == L"list") {
    code = List(root);
  }
  if (opened) RegCloseKey(opened);
  return code;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  try {
    return Run(std::vector<std::wstring>(argv + 1, argv + argc));
  } catch (...) {
    return 1;
  }
}
