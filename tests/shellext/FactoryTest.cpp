// The class factory, the unload count, the interfaces of the object and its automation property.
#include "ExtensionFixture.h"

namespace shtest {
namespace {

const IID kIidShellExtDispatch = {0x15C03175, 0x34B0, 0x4DBA, {0xB7, 0x69, 0x38, 0x13, 0x2D, 0x72, 0x41, 0x6A}};

class FactoryTest : public ComTest {};

TEST_F(FactoryTest, UnloadsOnlyWithoutObjectsAndLocks) {
  const Extension& ext = Extension::Get();
  ComPtr<IClassFactory> factory;
  ASSERT_EQ(ext.GetClassObject(kClsid, IID_IClassFactory, &factory), S_OK);
  EXPECT_EQ(ext.CanUnloadNow(), S_OK);

  ComPtr<IUnknown> first, second;
  ASSERT_EQ(factory->CreateInstance(nullptr, IID_IUnknown, &first), S_OK);
  ASSERT_EQ(factory->CreateInstance(nullptr, IID_IContextMenu, &second), S_OK);
  EXPECT_EQ(ext.CanUnloadNow(), S_FALSE);
  first.Reset();
  EXPECT_EQ(ext.CanUnloadNow(), S_FALSE);
  second.Reset();
  EXPECT_EQ(ext.CanUnloadNow(), S_OK);

  EXPECT_EQ(factory->LockServer(TRUE), S_OK);
  EXPECT_EQ(ext.CanUnloadNow(), S_FALSE);
  EXPECT_EQ(factory->LockServer(FALSE), S_OK);
  EXPECT_EQ(ext.CanUnloadNow(), S_OK);
  // An unlock too many does not leave the count below zero.
  EXPECT_EQ(factory->LockServer(FALSE), S_OK);
  EXPECT_EQ(factory->LockServer(TRUE), S_OK);
  EXPECT_EQ(ext.CanUnloadNow(), S_FALSE);
  EXPECT_EQ(factory->LockServer(FALSE), S_OK);
  EXPECT_EQ(ext.CanUnloadNow(), S_OK);
}

TEST_F(FactoryTest, RefusesOtherClassesAggregationAndUnknownInterfaces) {
  const Extension& ext = Extension::Get();
  ComPtr<IClassFactory> factory;
  EXPECT_EQ(ext.GetClassObject(IID_IDispatch, IID_IClassFactory, &factory), CLASS_E_CLASSNOTAVAILABLE);
  EXPECT_EQ(factory.Get(), nullptr);
  ASSERT_EQ(ext.GetClassObject(kClsid, IID_IClassFactory, &factory), S_OK);

  ComPtr<IUnknown> outer = Create<IUnknown>();
  ComPtr<IUnknown> object;
  EXPECT_EQ(factory->CreateInstance(outer.Get(), IID_IUnknown, &object), CLASS_E_NOAGGREGATION);
  EXPECT_EQ(object.Get(), nullptr);
  EXPECT_EQ(factory->CreateInstance(nullptr, IID_IClassFactory, &object), E_NOINTERFACE);
  EXPECT_EQ(object.Get(), nullptr);
  outer.Reset();
  EXPECT_EQ(ext.CanUnloadNow(), S_OK) << "a refused creation must not leave an object alive";
}

TEST_F(FactoryTest, OneObjectAnswersForAllItsInterfaces) {
  ComPtr<IContextMenu> menu = Create<IContextMenu>();
  ASSERT_NE(menu.Get(), nullptr);
  ComPtr<IShellExtInit> init;
  ComPtr<IDispatch> dispatch;
  ComPtr<IUnknown> viaInit, viaMenu, viaDefault;
  void* shellExt = nullptr;
  ASSERT_EQ(menu.As(&init), S_OK);
  ASSERT_EQ(menu.As(&dispatch), S_OK);
  ASSERT_EQ(menu->QueryInterface(kIidShellExtDispatch, &shellExt), S_OK);
  static_cast<IUnknown*>(shellExt)->Release();
  EXPECT_EQ(shellExt, static_cast<void*>(dispatch.Get()));
  // COM identity: IUnknown is the same pointer whichever interface it is asked from.
  ASSERT_EQ(init.As(&viaInit), S_OK);
  ASSERT_EQ(menu.As(&viaMenu), S_OK);
  ASSERT_EQ(dispatch.As(&viaDefault), S_OK);
  EXPECT_EQ(viaInit.Get(), viaMenu.Get());
  EXPECT_EQ(viaInit.Get(), viaDefault.Get());
}

TEST_F(FactoryTest, SelectionIsTheAutomationPropertyMSzFile) {
  ComPtr<IDispatch> dispatch = Create<IDispatch>();
  ASSERT_NE(dispatch.Get(), nullptr);
  FileProperty property(dispatch.Get());
  ASSERT_EQ(property.NameResult(), S_OK);
  EXPECT_EQ(property.Get(), std::optional<std::wstring>(L"")) << "empty before any selection";
  ASSERT_EQ(property.Put(L"C:\\A.TXT C:\\長い~1.TXT"), S_OK);
  EXPECT_EQ(property.Get(), std::optional<std::wstring>(L"C:\\A.TXT C:\\長い~1.TXT"));

  UINT count = 0;
  ComPtr<ITypeInfo> info;
  BSTR name = nullptr;
  EXPECT_EQ(dispatch->GetTypeInfoCount(&count), S_OK);
  EXPECT_EQ(count, 1u);
  ASSERT_EQ(dispatch->GetTypeInfo(0, LOCALE_USER_DEFAULT, &info), S_OK);
  ASSERT_EQ(info->GetDocumentation(MEMBERID_NIL, &name, nullptr, nullptr, nullptr), S_OK);
  EXPECT_STREQ(name, L"_ShellExt");
  SysFreeString(name);
  EXPECT_EQ(dispatch->GetTypeInfo(1, LOCALE_USER_DEFAULT, &info), DISP_E_BADINDEX);

  LPOLESTR unknown = const_cast<LPOLESTR>(L"Compress");
  DISPID id = 0;
  EXPECT_EQ(dispatch->GetIDsOfNames(IID_NULL, &unknown, 1, LOCALE_USER_DEFAULT, &id), DISP_E_UNKNOWNNAME);
}

}  // namespace
}  // namespace shtest
