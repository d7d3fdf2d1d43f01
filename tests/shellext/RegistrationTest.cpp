// DllRegisterServer and DllUnregisterServer: the class, its ProgID and its type library, and creation by
// class identifier once registered.
#include "ExtensionFixture.h"

namespace shtest {
namespace {

const wchar_t kClassKey[] = L"CLSID\\{7CCCBF2B-2E49-46BF-AFF7-5913D921D894}";
const wchar_t kProgIdKey[] = L"pIContextMenu.ShellExt";
const wchar_t kTypeLibKey[] = L"TypeLib\\{A9145AA1-6B32-4FC2-8C0D-B401454DDA82}";
const wchar_t kInterfaceKey[] = L"Interface\\{15C03175-34B0-4DBA-B769-38132D72416A}";
const GUID kLibid = {0xA9145AA1, 0x6B32, 0x4FC2, {0x8C, 0x0D, 0xB4, 0x01, 0x45, 0x4D, 0xDA, 0x82}};

std::optional<std::wstring> ClassesValue(const std::wstring& subKey, const wchar_t* name) {
  wchar_t text[1024] = {};
  DWORD size = sizeof text - sizeof(wchar_t);
  DWORD type = 0;
  if (RegGetValueW(HKEY_CLASSES_ROOT, subKey.c_str(), name, RRF_RT_ANY, &type, text, &size) != ERROR_SUCCESS)
    return std::nullopt;
  if (type != REG_SZ) return L"<not REG_SZ>";
  return std::wstring(text);
}

bool ClassesKeyExists(const std::wstring& subKey) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CLASSES_ROOT, subKey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

// Registers for the test and leaves nothing behind, even when the test fails half-way.
class RegistrationTest : public ComTest {
 protected:
  void SetUp() override {
    ComTest::SetUp();
    Extension::Get().Unregister();
  }
  void TearDown() override {
    Extension::Get().Unregister();
    ComTest::TearDown();
  }
};

TEST_F(RegistrationTest, RegistersTheClassAsApartmentInProcessServerWithProgIdAndTypeLibrary) {
  ASSERT_EQ(Extension::Get().Register(), S_OK);

  const std::wstring classKey = kClassKey;
  EXPECT_EQ(ClassesValue(classKey + L"\\InprocServer32", nullptr), Extension::Get().Path());
  EXPECT_EQ(ClassesValue(classKey + L"\\InprocServer32", L"ThreadingModel"), L"Apartment");
  EXPECT_EQ(ClassesValue(classKey + L"\\ProgID", nullptr), L"pIContextMenu.ShellExt");
  EXPECT_EQ(ClassesValue(std::wstring(kProgIdKey) + L"\\Clsid", nullptr), L"{7CCCBF2B-2E49-46BF-AFF7-5913D921D894}");
  CLSID fromProgId{};
  ASSERT_EQ(CLSIDFromProgID(L"pIContextMenu.ShellExt", &fromProgId), S_OK);
  EXPECT_TRUE(IsEqualCLSID(fromProgId, kClsid));

  ComPtr<ITypeLib> library;
  ASSERT_EQ(LoadRegTypeLib(kLibid, 1, 0, LOCALE_NEUTRAL, &library), S_OK);
  BSTR name = nullptr, help = nullptr;
  ASSERT_EQ(library->GetDocumentation(-1, &name, &help, nullptr, nullptr), S_OK);
  EXPECT_STREQ(name, L"pIContextMenu");
  EXPECT_STREQ(help, L"Tolvenar Shell Extension...");
  SysFreeString(name);
  SysFreeString(help);
  EXPECT_TRUE(ClassesKeyExists(kInterfaceKey));
}

TEST_F(RegistrationTest, CreatesByClassIdentifierOnceRegistered) {
  ComPtr<IContextMenu> menu;
  EXPECT_EQ(CoCreateInstance(kClsid, nullptr, CLSCTX_INPROC_SERVER, IID_IContextMenu, &menu), REGDB_E_CLASSNOTREG);
  ASSERT_EQ(Extension::Get().Register(), S_OK);
  ASSERT_EQ(CoCreateInstance(kClsid, nullptr, CLSCTX_INPROC_SERVER, IID_IContextMenu, &menu), S_OK);
  HMENU popup = CreatePopupMenu();
  EXPECT_EQ(menu->QueryContextMenu(popup, 0, 1, 10, CMF_NORMAL), MAKE_HRESULT(SEVERITY_SUCCESS, 0, 1));
  EXPECT_EQ(GetMenuItemCount(popup), 2);
  DestroyMenu(popup);
}

TEST_F(RegistrationTest, UnregisteringRemovesEverythingRegistrationWrote) {
  ASSERT_EQ(Extension::Get().Register(), S_OK);
  ASSERT_EQ(Extension::Get().Unregister(), S_OK);
  EXPECT_FALSE(ClassesKeyExists(kClassKey));
  EXPECT_FALSE(ClassesKeyExists(kProgIdKey));
  EXPECT_FALSE(ClassesKeyExists(kTypeLibKey));
  EXPECT_FALSE(ClassesKeyExists(kInterfaceKey));
  CLSID fromProgId{};
  EXPECT_NE(CLSIDFromProgID(L"pIContextMenu.ShellExt", &fromProgId), S_OK);
  // Nothing left to remove is no failure.
  EXPECT_EQ(Extension::Get().Unregister(), S_OK);
}

TEST(SelfRegistration, TheVersionResourceDeclaresTheLibrarySelfRegistering) {
  const std::wstring path = OutputFolder() + L"ShTolvenar.dll";
  DWORD ignored = 0;
  DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
  ASSERT_GT(size, 0u);
  std::vector<BYTE> block(size);
  ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, size, block.data()));
  void* value = nullptr;
  UINT length = 0;
  EXPECT_TRUE(VerQueryValueW(block.data(), L"\\StringFileInfo\\041104B0\\OLESelfRegister", &value, &length));
  EXPECT_TRUE(VerQueryValueW(block.data(), L"\\StringFileInfo\\041104B0\\OriginalFilename", &value, &length));
  EXPECT_STREQ(static_cast<const wchar_t*>(value), L"ShTolvenar.dll");
}

}  // namespace
}  // namespace shtest
