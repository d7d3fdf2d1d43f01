#pragma once
// Identity of the Explorer extension's class and type library, and the C++ form of its dispatch interface
// (the type library built from ShTolvenar.idl describes the same interface to automation clients).
#include <windows.h>
#include <oaidl.h>

namespace shellext {

// {7CCCBF2B-2E49-46BF-AFF7-5913D921D894}
inline constexpr CLSID kClsidShellExt = {0x7CCCBF2B, 0x2E49, 0x46BF, {0xAF, 0xF7, 0x59, 0x13, 0xD9, 0x21, 0xD8, 0x94}};
// {A9145AA1-6B32-4FC2-8C0D-B401454DDA82}
inline constexpr GUID kLibidShellExt = {0xA9145AA1, 0x6B32, 0x4FC2, {0x8C, 0x0D, 0xB4, 0x01, 0x45, 0x4D, 0xDA, 0x82}};
// {15C03175-34B0-4DBA-B769-38132D72416A}
inline constexpr IID kIidShellExtDispatch = {
    0x15C03175, 0x34B0, 0x4DBA, {0xB7, 0x69, 0x38, 0x13, 0x2D, 0x72, 0x41, 0x6A}};

inline constexpr wchar_t kClsidText[] = L"{7CCCBF2B-2E49-46BF-AFF7-5913D921D894}";
inline constexpr wchar_t kLibidText[] = L"{A9145AA1-6B32-4FC2-8C0D-B401454DDA82}";
inline constexpr wchar_t kProgId[] = L"pIContextMenu.ShellExt";
inline constexpr WORD kTypeLibMajor = 1;
inline constexpr WORD kTypeLibMinor = 0;

}  // namespace shellext

// The class's default interface: a dual interface whose only member is the m_szFile property.
struct _ShellExt : public IDispatch {
  virtual HRESULT STDMETHODCALLTYPE get_m_szFile(BSTR* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_m_szFile(BSTR value) = 0;
};
