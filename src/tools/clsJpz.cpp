#include "tools/clsJpz.h"

#include <windows.h>

#include <optional>

#include "archiver/LibraryBinding.h"
#include "core/modPath.h"
#include "core/MainWindowLink.h"
#include "core/Text.h"
#include "core/modShell.h"
#include "winui/MsgBox.h"

namespace tools {
namespace {

// JPZtoJPG and JPGtoJPZ alike: (jpz path, jpg path, pass phrase), 0 on success.
using JpzFn = int(WINAPI*)(LPCSTR, LPCSTR, LPCSTR);

struct Direction {
  const wchar_t* extension;
  bool strict;
  const wchar_t* comment;
  const char* entry;
  bool sourceIsJpz;
  const wchar_t* failure;
  UINT failureIcon;
};

const Direction kDecrypt = {
    L".jpg",           false, L"448bit可変長キー暗号化アルゴリズム「BlowFish」により復号化します",
    "JPZtoJPG",        true,  L"パスワードが間違っているか暗号化されたJPEGファイルではありません",
    MB_ICONEXCLAMATION};
const Direction kEncrypt = {
    L".jpz",    true,  L"このJPEGファイルを448bit可変長キー暗号化アルゴリズム「BlowFish」によって暗号化します",
    "JPGtoJPZ", false, L"JPZ.DLL(JPGtoJPZ)でファイル操作エラーが発生しました",
    MB_ICONSTOP};

// One attempt. A text without a code page 932 form is never handed over (a best-fit substitute could name
// another file): the attempt then fails as the library would.
archiver::Binding Attempt(const Direction& direction, const std::wstring& source, const std::wstring& output,
                          const std::wstring& passPhrase, int& result) {
  std::optional<std::string> from = core::ToCp932Exact(source);
  std::optional<std::string> to = core::ToCp932Exact(output);
  std::optional<std::string> pass = core::ToCp932Exact(passPhrase);
  result = -1;
  if (!from || !to || !pass) return archiver::Binding::Called;
  const std::string& jpz = direction.sourceIsJpz ? *from : *to;
  const std::string& jpg = direction.sourceIsJpz ? *to : *from;
  return archiver::Invoke<JpzFn>(L"jpz.dll", direction.entry, result, jpz.c_str(), jpg.c_str(), pass->c_str());
}

std::wstring Convert(core::PassPhraseAsker& prompt, HWND owner, const Direction& direction, const std::wstring& source,
                     JpzStatus& status) {
  const std::wstring output = JpzOutputPath(source, direction.extension);
  if (core::EqualsNoCase(output, source)) {
    // Writing the output would overwrite the source; it is never touched.
    winui::MsgBox(direction.failure, MB_OK | direction.failureIcon, core::kProgramTitle, core::MainWindow().Hwnd());
    status = JpzStatus::SameFile;
    return output;
  }
  // A file of the output name that was there before is never removed by the clean-up.
  const bool outputExisted = core::PathTaken(output);
  int result = 0;
  bool firstRequest = true;
  status = JpzStatus::Cancelled;
  for (;;) {
    const std::wstring passPhrase =
        prompt.Ask(owner, {.comment = firstRequest ? direction.comment : L"", .strict = direction.strict});
    firstRequest = false;
    if (passPhrase.empty()) break;
    if (Attempt(direction, source, output, passPhrase, result) != archiver::Binding::Called) {
      status = JpzStatus::LibraryMissing;
      return output;
    }
    if (result == 0) {
      status = JpzStatus::Converted;
      break;
    }
    winui::MsgBox(direction.failure, MB_OK | direction.failureIcon, core::kProgramTitle, core::MainWindow().Hwnd());
  }
  if (result != 0 && !outputExisted && core::PathTaken(output)) DeleteFileW(output.c_str());
  return output;
}

}  // namespace

std::wstring JpzOutputPath(const std::wstring& source, const std::wstring& extension) {
  size_t slash = source.find_last_of(L"\\/");
  std::wstring folder = slash == std::wstring::npos ? L"" : source.substr(0, slash) + L"\\";
  std::wstring name = slash == std::wstring::npos ? source : source.substr(slash + 1);
  return folder + name.substr(0, name.find(L'.')) + extension;
}

std::wstring clsJpz::GetJpzToJpg(const std::wstring& strFileName) {
  return Convert(prompt_, owner_, kDecrypt, strFileName, status_);
}

std::wstring clsJpz::SetJpgToJpz(const std::wstring& strFileName) {
  return Convert(prompt_, owner_, kEncrypt, strFileName, status_);
}

void ConvertJpgToJpz(const std::wstring& path, core::PassPhraseAsker& prompt, HWND owner) {
  clsJpz(prompt, owner).SetJpgToJpz(path);
}

void ConvertJpzToJpg(const std::wstring& path, core::PassPhraseAsker& prompt, HWND owner) {
  clsJpz(prompt, owner).GetJpzToJpg(path);
}

}  // namespace tools
