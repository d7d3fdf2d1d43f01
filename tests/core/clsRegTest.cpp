#include "core/clsReg.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "TempDir.h"

namespace {

// Raw access beside the class under test, so each test checks what really is in the registry.
void PutRaw(const std::wstring& subKey, const std::wstring& name, DWORD type, const void* data, DWORD size) {
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, subKey.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                            nullptr),
            ERROR_SUCCESS);
  ASSERT_EQ(RegSetValueExW(key, name.c_str(), 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
  RegCloseKey(key);
}

void PutString(const std::wstring& subKey, const std::wstring& name, const std::wstring& text,
               DWORD type = REG_SZ) {
  PutRaw(subKey, name, type, text.c_str(), static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

bool KeyExists(const std::wstring& subKey) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, subKey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

// Type of a value, or REG_NONE with `found` false when it is missing.
DWORD RawType(const std::wstring& subKey, const std::wstring& name, bool& found) {
  DWORD type = REG_NONE;
  found = RegGetValueW(HKEY_CURRENT_USER, subKey.c_str(), name.c_str(), RRF_RT_ANY | RRF_NOEXPAND, &type, nullptr,
                       nullptr) == ERROR_SUCCESS;
  return type;
}

class RegTest : public ::testing::Test {
 protected:
  std::wstring Key(const std::wstring& relative = L"") const {
    return relative.empty() ? scratch_.SubKey() : scratch_.SubKey() + L"\\" + relative;
  }
  testsupport::ScratchRegKey scratch_;
  clsReg reg_;
};

TEST_F(RegTest, StringRoundTripsUpToTheBufferLimitInCodePage932) {
  struct Case {
    const char* what;
    std::wstring text;
    std::wstring expected;
  };
  const std::wstring ascii255(255, L'a');
  const std::wstring kana127(127, L'あ');  // 254 bytes in code page 932
  const std::vector<Case> cases = {
      {"plain", L"abc", L"abc"},
      {"japanese", L"とるべなー【瞬間開梱】", L"とるべなー【瞬間開梱】"},
      {"empty", L"", L""},
      {"255 bytes fit with the NUL", ascii255, ascii255},
      {"256 bytes do not", ascii255 + L"b", L""},
      {"254 bytes of double-byte text fit", kana127, kana127},
      {"256 bytes of double-byte text do not", kana127 + L"あ", L""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ASSERT_TRUE(reg_.RegSetString(HKEY_CURRENT_USER, Key(), L"Value", c.text));
    EXPECT_EQ(reg_.RegGetString(HKEY_CURRENT_USER, Key(), L"Value"), c.expected);
  }
}

TEST_F(RegTest, GetStringIsEmptyForMissingOrOtherTypes) {
  DWORD number = 7;
  PutRaw(Key(), L"Number", REG_DWORD, &number, sizeof(number));
  PutString(Key(), L"Expand", L"%TEMP%", REG_EXPAND_SZ);
  EXPECT_EQ(reg_.RegGetString(HKEY_CURRENT_USER, Key(), L"Number"), L"");
  EXPECT_EQ(reg_.RegGetString(HKEY_CURRENT_USER, Key(), L"Expand"), L"");
  EXPECT_EQ(reg_.RegGetString(HKEY_CURRENT_USER, Key(), L"Missing"), L"");
  EXPECT_EQ(reg_.RegGetString(HKEY_CURRENT_USER, Key(L"NoSuchKey"), L"Number"), L"");
}

TEST_F(RegTest, GetStringStopsAtTheFirstNulAndEmptyNameReadsTheDefault) {
  const wchar_t twoParts[] = L"first\0second";
  PutRaw(Key(), L"Multi", REG_SZ, twoParts, sizeof(twoParts));
  PutString(Key(), L"", L"default text");
  EXPECT_EQ(reg_.RegGetString(HKEY_CURRENT_USER, Key(), L"Multi"), L"first");
  EXPECT_EQ(reg_.RegGetString(HKEY_CURRENT_USER, Key(), L""), L"default text");
}

TEST_F(RegTest, SetStringCreatesMissingKeysAndStoresEmptyTextAsString) {
  const std::wstring deep = Key(L"a\\b\\c");
  ASSERT_TRUE(reg_.RegSetString(HKEY_CURRENT_USER, deep, L"", L""));
  bool found = false;
  EXPECT_EQ(RawType(deep, L"", found), static_cast<DWORD>(REG_SZ));
  EXPECT_TRUE(found);
  EXPECT_EQ(reg_.RegGetString(HKEY_CURRENT_USER, deep, L""), L"");
}

TEST_F(RegTest, WritersReportFailure) {
  // A key path below a missing predefined root cannot be created.
  EXPECT_FALSE(reg_.RegSetString(reinterpret_cast<HKEY>(0x12345678), L"x", L"v", L"t"));
  EXPECT_FALSE(reg_.RegSetDWORD(reinterpret_cast<HKEY>(0x12345678), L"x", L"v", 1));
}

TEST_F(RegTest, GetDwordResults) {
  struct Case {
    const char* what;
    DWORD type;
    std::vector<BYTE> data;
    int32_t expected;
  };
  const std::wstring shortText = L"1";      // 2 bytes in code page 932
  const std::wstring longText = L"abcde";   // 6 bytes
  auto bytesOf = [](const std::wstring& text) {
    const BYTE* p = reinterpret_cast<const BYTE*>(text.c_str());
    return std::vector<BYTE>(p, p + (text.size() + 1) * sizeof(wchar_t));
  };
  const std::vector<Case> cases = {
      {"dword", REG_DWORD, {5, 0, 0, 0}, 5},
      {"negative dword", REG_DWORD, {0xFF, 0xFF, 0xFF, 0xFF}, -1},
      {"short string", REG_SZ, bytesOf(shortText), 0},
      {"string longer than 4 bytes", REG_SZ, bytesOf(longText), ERROR_MORE_DATA},
      {"binary of 2 bytes", REG_BINARY, {1, 2}, 0},
      {"binary of 8 bytes", REG_BINARY, {1, 2, 3, 4, 5, 6, 7, 8}, ERROR_MORE_DATA},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    PutRaw(Key(), L"V", c.type, c.data.data(), static_cast<DWORD>(c.data.size()));
    EXPECT_EQ(reg_.RegGetDWORD(HKEY_CURRENT_USER, Key(), L"V"), c.expected);
  }
  EXPECT_EQ(reg_.RegGetDWORD(HKEY_CURRENT_USER, Key(), L"Missing"), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(reg_.RegGetDWORD(HKEY_CURRENT_USER, Key(L"NoSuchKey"), L"V"), 0);
}

TEST_F(RegTest, SetDwordCreatesKeyAndWritesDword) {
  const std::wstring sub = Key(L"Zip");
  ASSERT_TRUE(reg_.RegSetDWORD(HKEY_CURRENT_USER, sub, L"ShowResult", -1));
  bool found = false;
  EXPECT_EQ(RawType(sub, L"ShowResult", found), static_cast<DWORD>(REG_DWORD));
  EXPECT_EQ(reg_.RegGetDWORD(HKEY_CURRENT_USER, sub, L"ShowResult"), -1);
}

TEST_F(RegTest, DelStringDeletesOneLeafKey) {
  PutString(Key(L"leaf"), L"", L"x");
  PutString(Key(L"sibling"), L"", L"y");
  EXPECT_EQ(reg_.RegDelString(HKEY_CURRENT_USER, Key(L"leaf")), 0);
  EXPECT_FALSE(KeyExists(Key(L"leaf")));
  EXPECT_TRUE(KeyExists(Key(L"sibling")));
}

TEST_F(RegTest, DelStringOfMissingKeyReturnsOpenErrorAndDeletesNothing) {
  PutString(Key(L"kept"), L"", L"x");
  EXPECT_EQ(reg_.RegDelString(HKEY_CURRENT_USER, Key(L"missing")), ERROR_FILE_NOT_FOUND);
  EXPECT_TRUE(KeyExists(Key(L"kept")));
}

TEST_F(RegTest, DelStringLeavesKeyWithSubKeys) {
  PutString(Key(L"shell\\open2\\command"), L"", L"cmd");
  EXPECT_NE(reg_.RegDelString(HKEY_CURRENT_USER, Key(L"shell\\open2")), 0);
  EXPECT_TRUE(KeyExists(Key(L"shell\\open2\\command")));
}

TEST_F(RegTest, DelTreeDeletesVerbKeyWithCommand) {
  PutString(Key(L"shell\\open2\\command"), L"", L"cmd");
  PutString(Key(L"shell\\open"), L"", L"kept");
  EXPECT_EQ(reg_.RegDelTree(HKEY_CURRENT_USER, Key(L"shell\\open2")), 0);
  EXPECT_FALSE(KeyExists(Key(L"shell\\open2")));
  EXPECT_TRUE(KeyExists(Key(L"shell\\open")));
  EXPECT_EQ(reg_.RegDelTree(HKEY_CURRENT_USER, Key(L"shell\\open2")), ERROR_FILE_NOT_FOUND);
}

TEST_F(RegTest, KeyDeletersRefuseAnEmptySubKey) {
  // The sub-key names the root itself: nothing below the scratch key may go.
  PutString(Key(L"child"), L"", L"x");
  HKEY scratch = nullptr;
  ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, Key().c_str(), 0, KEY_ALL_ACCESS, &scratch), ERROR_SUCCESS);
  for (const std::wstring& empty : {std::wstring(), std::wstring(L"\\")}) {
    EXPECT_EQ(reg_.RegDelString(scratch, empty), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(reg_.RegDelTree(scratch, empty), ERROR_INVALID_PARAMETER);
  }
  RegCloseKey(scratch);
  EXPECT_TRUE(KeyExists(Key(L"child")));
}

TEST_F(RegTest, DelValueDeletesOnlyTheValue) {
  PutString(Key(), L"ShowResult", L"x");
  EXPECT_EQ(reg_.RegDelValue(HKEY_CURRENT_USER, Key(), L"ShowResult"), 0);
  bool found = true;
  RawType(Key(), L"ShowResult", found);
  EXPECT_FALSE(found);
  EXPECT_TRUE(KeyExists(Key()));
  EXPECT_EQ(reg_.RegDelValue(HKEY_CURRENT_USER, Key(), L"ShowResult"), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(reg_.RegDelValue(HKEY_CURRENT_USER, Key(L"missing"), L"ShowResult"), ERROR_FILE_NOT_FOUND);
}

// Handle of a fresh key opened and closed at once. Handle slots are reused once freed, so the same value
// again after a run of calls means the calls closed every handle they opened.
uintptr_t ProbeHandleSlot(const std::wstring& subKey) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, subKey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return 0;
  RegCloseKey(key);
  return reinterpret_cast<uintptr_t>(key);
}

TEST_F(RegTest, NoHandleStaysOpenAfterUse) {
  PutString(Key(), L"S", L"text");
  const uintptr_t before = ProbeHandleSlot(Key());
  ASSERT_NE(before, 0u);
  for (int i = 0; i < 20; ++i) {
    reg_.RegGetString(HKEY_CURRENT_USER, Key(), L"S");
    reg_.RegGetDWORD(HKEY_CURRENT_USER, Key(), L"S");
    reg_.RegGetString(HKEY_CURRENT_USER, Key(L"missing"), L"S");
    reg_.RegSetString(HKEY_CURRENT_USER, Key(), L"S", L"text");
    reg_.RegSetDWORD(HKEY_CURRENT_USER, Key(), L"D", i);
    reg_.RegDelValue(HKEY_CURRENT_USER, Key(), L"D");
    reg_.RegSetString(HKEY_CURRENT_USER, Key(L"gone\\command"), L"", L"");
    reg_.RegDelTree(HKEY_CURRENT_USER, Key(L"gone"));
    reg_.RegSetString(HKEY_CURRENT_USER, Key(L"gone"), L"", L"");
    reg_.RegDelString(HKEY_CURRENT_USER, Key(L"gone"));
  }
  EXPECT_EQ(ProbeHandleSlot(Key()), before);
}

}  // namespace
