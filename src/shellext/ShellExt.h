#pragma once
// The context-menu handler Explorer creates for a right-click on files, folders and drives: it remembers the
// selection (IShellExtInit), adds its one menu item (IContextMenu) and starts the main program in compress
// mode for the selection. The selection line is also the automation property m_szFile.
#include <windows.h>
#include <shlobj.h>

#include <string>

#include "shellext/ShellExtIds.h"

namespace shellext {

class ShellExt final : public _ShellExt, public IShellExtInit, public IContextMenu {
 public:
  ShellExt();
  ShellExt(const ShellExt&) = delete;
  ShellExt& operator=(const ShellExt&) = delete;

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  // IDispatch, answered from the type library built into the library file
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID lcid, DISPID* ids) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                                   EXCEPINFO* exception, UINT* argError) override;

  // _ShellExt
  HRESULT STDMETHODCALLTYPE get_m_szFile(BSTR* value) override;
  HRESULT STDMETHODCALLTYPE put_m_szFile(BSTR value) override;

  // IShellExtInit
  HRESULT STDMETHODCALLTYPE Initialize(PCIDLIST_ABSOLUTE folder, IDataObject* data, HKEY progIdKey) override;

  // IContextMenu
  HRESULT STDMETHODCALLTYPE QueryContextMenu(HMENU menu, UINT indexMenu, UINT idCmdFirst, UINT idCmdLast,
                                             UINT flags) override;
  HRESULT STDMETHODCALLTYPE InvokeCommand(CMINVOKECOMMANDINFO* info) override;
  HRESULT STDMETHODCALLTYPE GetCommandString(UINT_PTR idCmd, UINT flags, UINT* reserved, CHAR* name,
                                             UINT cchMax) override;

 private:
  ~ShellExt();
  HRESULT LoadTypeInfo();

  LONG refs_ = 1;
  std::wstring file_;  // m_szFile: the selection's short paths joined by blanks
  ITypeInfo* typeInfo_ = nullptr;
};

}  // namespace shellext
