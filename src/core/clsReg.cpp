#include "core/clsReg.h"

#include <cstring>
#include <vector>

#include "core/Text.h"

namespace {

// Owns one open key handle; closing it on every path is what keeps reads from leaking handles.
class OpenKey {
 public:
  OpenKey() = default;
  ~OpenKey() {
    if (key_) RegCloseKey(key_);
  }
  OpenKey(const OpenKey&) = delete;
  OpenKey& operator=(const OpenKey&) = delete;

  LONG Open(HKEY root, const std::wstring& subKey, REGSAM access) {
    return RegOpenKeyExW(root, subKey.c_str(), 0, access, &key_);
  }
  LONG Create(HKEY root, const std::wstring& subKey, REGSAM access) {
    return RegCreateKeyExW(root, subKey.c_str(), 0, nullptr, 0, access, nullptr, &key_, nullptr);
  }
  HKEY Get() const { return key_; }

 private:
  HKEY key_ = nullptr;
};

// A value's type and data, read whole.
struct ValueData {
  DWORD type = REG_NONE;
  std::vector<BYTE> bytes;
};

LONG QueryValue(HKEY key, const std::wstring& valueName, ValueData& out) {
  for (;;) {
    DWORD size = 0;
    LONG rc = RegQueryValueExW(key, valueName.c_str(), nullptr, &out.type, nullptr, &size);
    if (rc != ERROR_SUCCESS) return rc;
    out.bytes.assign(size, 0);
    rc = RegQueryValueExW(key, valueName.c_str(), nullptr, &out.type, out.bytes.data(), &size);
    // The value grew between the two calls: ask again.
    if (rc == ERROR_MORE_DATA) continue;
    if (rc == ERROR_SUCCESS) out.bytes.resize(size);
    return rc;
  }
}

bool IsStringType(DWORD type) { return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ; }

// The stored UTF-16 text of a string value, always ending in a NUL.
std::wstring StoredText(const ValueData& value) {
  std::wstring text(value.bytes.size() / sizeof(wchar_t), L'\0');
  if (!text.empty()) memcpy(text.data(), value.bytes.data(), text.size() * sizeof(wchar_t));
  if (text.empty() || text.back() != L'\0') text.push_back(L'\0');
  return text;
}

// Size of the value's data as a code page 932 reader receives it: strings are converted, the rest is raw.
size_t AnsiSize(const ValueData& value) {
  if (IsStringType(value.type)) return core::ToCp932(StoredText(value)).size();
  return value.bytes.size();
}

// A sub-key naming nothing would make the key deleters work on the root itself.
bool NamesNoKey(const std::wstring& subKey) { return subKey.find_first_not_of(L"\\ ") == std::wstring::npos; }

// The key is opened with full access first, so a key that is missing or may not be changed reports the
// open's error code and nothing is deleted; the deletion then runs through the root.
int32_t DeleteOpenedKey(HKEY root, const std::wstring& subKey, LSTATUS(WINAPI* deleteKey)(HKEY, LPCWSTR)) {
  if (NamesNoKey(subKey)) return ERROR_INVALID_PARAMETER;
  OpenKey key;
  LONG rc = key.Open(root, subKey, KEY_ALL_ACCESS);
  if (rc != ERROR_SUCCESS) return rc;
  return deleteKey(root, subKey.c_str());
}

}  // namespace

std::wstring clsReg::RegGetString(HKEY root, const std::wstring& subKey, const std::wstring& valueName) const {
  OpenKey key;
  if (key.Open(root, subKey, KEY_QUERY_VALUE) != ERROR_SUCCESS) return std::wstring();
  ValueData value;
  if (QueryValue(key.Get(), valueName, value) != ERROR_SUCCESS) return std::wstring();
  if (value.type != REG_SZ || AnsiSize(value) > kStringBufferBytes) return std::wstring();
  std::wstring text = StoredText(value);
  return text.substr(0, text.find(L'\0'));
}

int32_t clsReg::RegGetDWORD(HKEY root, const std::wstring& subKey, const std::wstring& valueName) const {
  OpenKey key;
  if (key.Open(root, subKey, KEY_QUERY_VALUE) != ERROR_SUCCESS) return 0;
  ValueData value;
  LONG rc = QueryValue(key.Get(), valueName, value);
  if (rc != ERROR_SUCCESS) return rc;
  if (AnsiSize(value) > sizeof(DWORD)) return ERROR_MORE_DATA;
  if (value.type != REG_DWORD || value.bytes.size() != sizeof(DWORD)) return 0;
  int32_t result = 0;
  memcpy(&result, value.bytes.data(), sizeof(result));
  return result;
}

bool clsReg::RegSetString(HKEY root, const std::wstring& subKey, const std::wstring& valueName,
                          const std::wstring& value) const {
  OpenKey key;
  if (key.Create(root, subKey, KEY_SET_VALUE) != ERROR_SUCCESS) return false;
  DWORD size = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
  return RegSetValueExW(key.Get(), valueName.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                        size) == ERROR_SUCCESS;
}

bool clsReg::RegSetDWORD(HKEY root, const std::wstring& subKey, const std::wstring& valueName,
                         int32_t value) const {
  OpenKey key;
  if (key.Create(root, subKey, KEY_SET_VALUE) != ERROR_SUCCESS) return false;
  DWORD data = static_cast<DWORD>(value);
  return RegSetValueExW(key.Get(), valueName.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data),
                        sizeof(data)) == ERROR_SUCCESS;
}

int32_t clsReg::RegDelString(HKEY root, const std::wstring& subKey) const {
  return DeleteOpenedKey(root, subKey, RegDeleteKeyW);
}

int32_t clsReg::RegDelTree(HKEY root, const std::wstring& subKey) const {
  return DeleteOpenedKey(root, subKey, RegDeleteTreeW);
}

int32_t clsReg::RegDelValue(HKEY root, const std::wstring& subKey, const std::wstring& valueName) const {
  OpenKey key;
  LONG rc = key.Open(root, subKey, KEY_ALL_ACCESS);
  if (rc != ERROR_SUCCESS) return rc;
  return RegDeleteValueW(key.Get(), valueName.c_str());
}

void clsReg::RegFlashString(HKEY root) const { RegFlushKey(root); }
