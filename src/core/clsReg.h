#pragma once
// Small registry class: read, write and delete strings and 32-bit values. Every method opens, uses and closes
// its own key handle; none raises an error. The texts behave as the ANSI (code page 932) registry calls of the
// older program did: a string read is limited to 256 bytes in code page 932, its terminating NUL included.
#include <windows.h>

#include <cstdint>
#include <string>

class clsReg {
 public:
  // Largest string the readers hand back, in code page 932 bytes with its terminating NUL.
  static constexpr size_t kStringBufferBytes = 256;

  // The REG_SZ value's text up to its first NUL; "" when the key cannot be opened, the value is missing, is
  // not REG_SZ, or is 256 bytes or longer in code page 932. An empty value name reads the default value.
  std::wstring RegGetString(HKEY root, const std::wstring& subKey, const std::wstring& valueName) const;

  // The value when it is a REG_DWORD; 0 when the key cannot be opened or the value has another type in at
  // most 4 bytes; otherwise the query's error code (2 when the value does not exist, 234 when it is longer
  // than 4 bytes). Callers compare with the value they expect, not with 0.
  int32_t RegGetDWORD(HKEY root, const std::wstring& subKey, const std::wstring& valueName) const;

  // Writes the text as REG_SZ with its terminating NUL, creating every missing key of the path. True when
  // the value was written.
  bool RegSetString(HKEY root, const std::wstring& subKey, const std::wstring& valueName,
                    const std::wstring& value) const;

  // Writes the value as REG_DWORD, creating the key when needed. True when the value was written.
  bool RegSetDWORD(HKEY root, const std::wstring& subKey, const std::wstring& valueName, int32_t value) const;

  // Deletes one key (not a value) with the platform's single-key deletion, which may refuse a key that has
  // sub-keys. 0 or the error code of the open or the deletion. An empty sub-key deletes nothing.
  int32_t RegDelString(HKEY root, const std::wstring& subKey) const;

  // Deletes the key with everything below it (a shell verb key holds "command"). 0 or the error code of the
  // open or the deletion. An empty sub-key deletes nothing.
  int32_t RegDelTree(HKEY root, const std::wstring& subKey) const;

  // Deletes one value of the key. 0 or the error code.
  int32_t RegDelValue(HKEY root, const std::wstring& subKey, const std::wstring& valueName) const;

  // Writes the root key's changes to disk.
  void RegFlashString(HKEY root) const;
};
