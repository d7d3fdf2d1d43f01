#include <optional>
#include <string>

#include "archiver/ArcOutput.h"
#include "archiver/ArchiverApi.h"
#include "archiver/CallWrappers.h"
#include "archiver/LibraryBinding.h"
#include "archiver/LibraryRun.h"
#include "core/Text.h"

namespace archiver {

int32_t CallWithBlankRule(const wchar_t* library, const char* entry, HWND owner, const std::wstring& command) {
  LibraryRun run = RunLibraryCommand(library, entry, owner, command);
  // Blank output, which includes a call that never happened, gives -1 and no window.
  if (ArcOutputText.find_first_not_of(L' ') == std::wstring::npos) return kNotCalled;
  ShowArcOutput();
  return run.code;
}

std::wstring BufferText(const std::string& buffer) {
  size_t length = buffer.find('\0');
  if (length == std::string::npos || length > kOutputBufferSize) length = kOutputBufferSize;
  // A library that filled the whole buffer may have cut its last character in two: keep whole ones only.
  length = core::Cp932SafeLength(buffer.data(), length, length);
  return core::FromCp932(buffer.data(), length);
}

LibraryRun RunLibraryCommand(const wchar_t* library, const char* entry, HWND owner, const std::wstring& command) {
  LibraryRun run;
  std::optional<std::string> text = core::ToCp932Exact(command);
  if (!text) {
    ArcOutputText.clear();
    run.code = kNotCalled;
    return run;
  }
  const std::string& line = *text;
  std::string buffer(kOutputBufferSize + 1, '\0');
  run.binding = Invoke<CommandFn>(library, entry, run.code, owner, line.c_str(), buffer.data(), kOutputBufferSize);
  ArcOutputText = run.binding == Binding::Called ? BufferText(buffer) : std::wstring();
  if (run.binding != Binding::Called) run.code = kNotCalled;
  return run;
}

int32_t CallUnlha(HWND owner, const std::wstring& command) {
  return CallWithBlankRule(L"unlha32.dll", "Unlha", owner, command);
}

int32_t CallZip(HWND owner, const std::wstring& command, int16_t create) {
  if (create) return CallWithBlankRule(L"Zip32J.DLL", "Zip", owner, command);
  return CallWithBlankRule(L"unzip32.dll", "UnZip", owner, command);
}

int32_t CallCab(HWND owner, const std::wstring& command) {
  return CallWithBlankRule(L"cab32.dll", "Cab", owner, command);
}

int32_t CallTar(HWND owner, const std::wstring& command) {
  return CallWithBlankRule(L"tar32.dll", "Tar", owner, command);
}

int32_t CallYz1(HWND owner, const std::wstring& command, int16_t) {
  return CallWithBlankRule(L"Yz1.dll", "Yz1", owner, command);
}

int32_t CallYz2(HWND owner, const std::wstring& command, int16_t) {
  return CallWithBlankRule(L"Yz2.dll", "Yz2", owner, command);
}

int32_t CallBga(HWND owner, const std::wstring& command) {
  return CallWithBlankRule(L"bga32.dll", "Bga", owner, command);
}

int32_t CallSevenZip(HWND owner, const std::wstring& command) {
  return CallWithBlankRule(L"7-zip32.dll", "SevenZip", owner, command);
}

int32_t CallUnImp(HWND owner, const std::wstring& command) {
  return CallWithBlankRule(L"unimp32.dll", "UnImp", owner, command);
}

int32_t CallUnbel(HWND owner, const std::wstring& command) {
  return CallWithBlankRule(L"unbel32.dll", "Unbel", owner, command);
}

int32_t CallBh(HWND owner, const std::wstring& command) { return CallWithBlankRule(L"Bh32.dll", "Bh", owner, command); }

int32_t CallIsh(HWND owner, int16_t commandMode, const std::wstring& command) {
  std::optional<std::string> text = core::ToCp932Exact(command);
  ArcOutputText.clear();
  if (!text) return kNotCalled;
  const std::string& line = *text;
  int code = 0;
  Binding binding;
  if (commandMode) {
    binding = Invoke<IshCommandFn>(L"ish32.dll", "Ish", code, owner, line.c_str());
  } else {
    std::string buffer(kOutputBufferSize + 1, '\0');
    binding = Invoke<IshFileListFn>(L"ish32.dll", "IshFileList", code, line.c_str(), buffer.data(), kOutputBufferSize);
    ArcOutputText = binding == Binding::Called ? BufferText(buffer) : std::wstring();
  }
  if (binding != Binding::Called) return kNotCalled;
  if (!ArcOutputText.empty()) ShowArcOutput();
  return code;
}

}  // namespace archiver
