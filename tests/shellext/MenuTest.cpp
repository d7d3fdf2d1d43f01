// IContextMenu::QueryContextMenu and GetCommandString: the one item, its separator and its texts.
#include "ExtensionFixture.h"

#include <cstring>

#include "core/Text.h"

namespace shtest {
namespace {

const std::wstring kMenuText = L"とるべなー 書庫作成";

class MenuTest : public ComTest {
 protected:
  void SetUp() override {
    ComTest::SetUp();
    menu_ = Create<IContextMenu>();
    ASSERT_NE(menu_.Get(), nullptr);
  }
  ComPtr<IContextMenu> menu_;
};

std::wstring ItemText(HMENU menu, UINT position) {
  wchar_t text[128] = {};
  GetMenuStringW(menu, position, text, 128, MF_BYPOSITION);
  return text;
}

MENUITEMINFOW ItemInfo(HMENU menu, UINT position) {
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_FTYPE | MIIM_ID;
  GetMenuItemInfoW(menu, position, TRUE, &info);
  return info;
}

class QueryMenu : public MenuTest, public testing::WithParamInterface<UINT> {};

TEST_P(QueryMenu, InsertsTheItemAndASeparatorBelowItAndUsesOneIdentifier) {
  HMENU menu = CreatePopupMenu();
  AppendMenuW(menu, MF_STRING, 1, L"開く");
  AppendMenuW(menu, MF_STRING, 2, L"送る");
  EXPECT_EQ(menu_->QueryContextMenu(menu, 1, 100, 200, GetParam()), MAKE_HRESULT(SEVERITY_SUCCESS, 0, 1));

  ASSERT_EQ(GetMenuItemCount(menu), 4);
  EXPECT_EQ(ItemText(menu, 0), L"開く");
  EXPECT_EQ(ItemText(menu, 1), kMenuText);
  EXPECT_EQ(ItemInfo(menu, 1).wID, 100u);
  EXPECT_EQ(ItemInfo(menu, 1).fType & MFT_SEPARATOR, 0u);
  EXPECT_NE(ItemInfo(menu, 2).fType & MFT_SEPARATOR, 0u);
  EXPECT_EQ(ItemText(menu, 3), L"送る");
  DestroyMenu(menu);
}

INSTANTIATE_TEST_SUITE_P(AnyRequest, QueryMenu,
                         testing::Values(CMF_NORMAL, CMF_DEFAULTONLY, CMF_VERBSONLY, CMF_EXPLORE | CMF_CANRENAME));

constexpr char kSentinel = '\x7F';

struct AnsiCase {
  UINT cchMax;
  const wchar_t* text;  // what fits, cut by whole characters; null: nothing is written
};

void PrintTo(const AnsiCase& c, std::ostream* out) { *out << "cchMax " << c.cchMax; }

class AnsiCommandString : public MenuTest, public testing::WithParamInterface<AnsiCase> {};

TEST_P(AnsiCommandString, WritesCodePage932TextCutByWholeCharactersWithinCchMax) {
  for (UINT flags : {GCS_VERBA, GCS_HELPTEXTA, GCS_VALIDATEA}) {
    char buffer[64];
    memset(buffer, kSentinel, sizeof buffer);
    ASSERT_EQ(menu_->GetCommandString(7, flags, nullptr, buffer, GetParam().cchMax), S_OK);
    size_t written = 0;
    if (GetParam().text != nullptr) {
      std::string expected = core::ToCp932(GetParam().text);
      written = expected.size() + 1;
      EXPECT_EQ(std::string(buffer), expected) << "flags " << flags;
    }
    ASSERT_LE(written, GetParam().cchMax);
    for (size_t i = written; i < sizeof buffer; ++i) ASSERT_EQ(buffer[i], kSentinel) << "byte " << i;
  }
}

// The text is 19 bytes in code page 932: ten double-byte characters and one blank.
INSTANTIATE_TEST_SUITE_P(BufferSizes, AnsiCommandString,
                         testing::Values(AnsiCase{64, L"とるべなー 書庫作成"}, AnsiCase{20, L"とるべなー 書庫作成"},
                                         AnsiCase{19, L"とるべなー 書庫作"}, AnsiCase{18, L"とるべなー 書庫作"},
                                         AnsiCase{12, L"とるべなー "}, AnsiCase{11, L"とるべなー"}, AnsiCase{2, L""},
                                         AnsiCase{1, L""}, AnsiCase{0, nullptr}));

struct WideCase {
  UINT cchMax;
  const wchar_t* text;
};

void PrintTo(const WideCase& c, std::ostream* out) { *out << "cchMax " << c.cchMax; }

class WideCommandString : public MenuTest, public testing::WithParamInterface<WideCase> {};

TEST_P(WideCommandString, WritesUtf16TextWithinCchMaxCharacters) {
  for (UINT flags : {GCS_VERBW, GCS_HELPTEXTW, GCS_VALIDATEW}) {
    wchar_t buffer[32];
    std::fill(std::begin(buffer), std::end(buffer), L'\x7F');
    ASSERT_EQ(menu_->GetCommandString(0, flags, nullptr, reinterpret_cast<char*>(buffer), GetParam().cchMax), S_OK);
    size_t written = 0;
    if (GetParam().text != nullptr) {
      written = wcslen(GetParam().text) + 1;
      EXPECT_EQ(std::wstring(buffer), GetParam().text) << "flags " << flags;
    }
    ASSERT_LE(written, GetParam().cchMax);
    for (size_t i = written; i < 32; ++i) ASSERT_EQ(buffer[i], L'\x7F') << "character " << i;
  }
}

INSTANTIATE_TEST_SUITE_P(BufferSizes, WideCommandString,
                         testing::Values(WideCase{32, L"とるべなー 書庫作成"}, WideCase{11, L"とるべなー 書庫作成"},
                                         WideCase{10, L"とるべなー 書庫作"}, WideCase{1, L""}, WideCase{0, nullptr}));

TEST_F(MenuTest, OtherRequestsWriteNothing) {
  for (UINT flags : {3u, 7u, 8u, 0x100u}) {
    char buffer[32];
    memset(buffer, kSentinel, sizeof buffer);
    EXPECT_EQ(menu_->GetCommandString(0, flags, nullptr, buffer, sizeof buffer), S_OK) << "flags " << flags;
    EXPECT_EQ(std::string(buffer, sizeof buffer), std::string(sizeof buffer, kSentinel)) << "flags " << flags;
  }
}

TEST_F(MenuTest, RefusesToWriteIntoNoBuffer) {
  EXPECT_EQ(menu_->GetCommandString(0, GCS_HELPTEXTA, nullptr, nullptr, 64), E_INVALIDARG);
  EXPECT_EQ(menu_->GetCommandString(0, GCS_HELPTEXTW, nullptr, nullptr, 64), E_INVALIDARG);
}

}  // namespace
}  // namespace shtest
