#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "SettingsFixture.h"
#include "core/Settings.h"
#include "core/modIni.h"

namespace {

// A hidden form holding one drop-down combo box.
class ComboHistoryTest : public settingstest::SettingsFixture {
 protected:
  ComboHistoryTest() {
    form_ = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr, nullptr, nullptr, nullptr);
    combo_ =
        CreateWindowExW(0, L"COMBOBOX", L"", WS_CHILD | CBS_DROPDOWN, 0, 0, 200, 200, form_, nullptr, nullptr, nullptr);
  }
  ~ComboHistoryTest() override { DestroyWindow(form_); }

  void Fill(const std::wstring& text, const std::vector<std::wstring>& items) {
    for (const std::wstring& item : items)
      SendMessageW(combo_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    SetWindowTextW(combo_, text.c_str());
  }
  std::vector<std::wstring> Items() const {
    std::vector<std::wstring> items;
    const LRESULT count = SendMessageW(combo_, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
      wchar_t buffer[512] = {};
      SendMessageW(combo_, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(buffer));
      items.push_back(buffer);
    }
    return items;
  }
  std::wstring Text() const {
    wchar_t buffer[512] = {};
    GetWindowTextW(combo_, buffer, 512);
    return buffer;
  }
  // Element 0 empty, then `entries`, then empty elements up to index 16.
  static std::vector<std::wstring> Stored(const std::vector<std::wstring>& entries) {
    std::vector<std::wstring> stored(17);
    for (size_t i = 0; i < entries.size(); ++i) stored[i + 1] = entries[i];
    return stored;
  }

  HWND form_ = nullptr;
  HWND combo_ = nullptr;
};

TEST_F(ComboHistoryTest, FolderReplacesItsCaseVariantAndIsStoredWithoutBackslash) {
  ASSERT_NE(combo_, nullptr);
  Fill(L"  c:\\temp\\ ", {L"C:\\TEMP\\", L"d:\\x"});
  core::AddComboHistory(form_, combo_, false);
  EXPECT_EQ(Items(), (std::vector<std::wstring>{L"c:\\temp\\", L"d:\\x"}));
  EXPECT_EQ(Text(), L"c:\\temp\\");
  EXPECT_EQ(core::Settings.ArcDown, Stored({L"c:\\temp", L"d:\\x"}));
  EXPECT_EQ(core::Settings.ArcCommand, std::vector<std::wstring>{L""});
}

TEST_F(ComboHistoryTest, CommandIsStoredAsTyped) {
  Fill(L"-x a.lzh d:\\out\\", {L"-l a.lzh", L"", L"-X A.LZH D:\\OUT\\", L"-x a.lzh d:\\out\\"});
  core::AddComboHistory(form_, combo_, true);
  // Only the first case variant gives way; empty items are dropped.
  const std::vector<std::wstring> expected = {L"-x a.lzh d:\\out\\", L"-l a.lzh", L"-x a.lzh d:\\out\\"};
  EXPECT_EQ(Items(), expected);
  EXPECT_EQ(core::Settings.ArcCommand, Stored(expected));
}

TEST_F(ComboHistoryTest, SixteenEntriesAtMost) {
  std::vector<std::wstring> old;
  for (int i = 1; i <= 16; ++i) old.push_back(L"C:\\f" + std::to_wstring(i));
  Fill(L"C:\\new", old);
  core::AddComboHistory(form_, combo_, false);
  std::vector<std::wstring> expected{L"C:\\new"};
  expected.insert(expected.end(), old.begin(), old.end() - 1);
  EXPECT_EQ(Items(), expected);
  EXPECT_EQ(core::Settings.ArcDown, Stored(expected));
}

TEST_F(ComboHistoryTest, BlankTextChangesNothing) {
  Fill(L"   ", {L"b", L"a"});
  core::Settings.ArcDown = {L"", L"kept"};
  core::AddComboHistory(form_, combo_, false);
  EXPECT_EQ(Items(), (std::vector<std::wstring>{L"b", L"a"}));
  EXPECT_EQ(core::Settings.ArcDown, (std::vector<std::wstring>{L"", L"kept"}));
}

}  // namespace
