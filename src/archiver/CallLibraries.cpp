#include <optional>
#include <string>

#include "archiver/ArcOutput.h"
#include "archiver/ArchiverApi.h"
#include "archiver/CallWrappers.h"
#include "archiver/LibraryBinding.h"
#include "archiver/LibraryRun.h"
#include "core/ArcCatalogue.h"
#include "core/Text.h"

namespace archiver {
namespace {

// The command entry of the type's reading library, by the blank-output rule.
int32_t CallType(core::ArcTypeIndex index, HWND owner, const std::wstring& command) {
  const core::ArcTypeRow& row = *core::ArcTypeAt(index);
  return CallWithBlankRule(row.library, row.prefix, owner, command);
}

}  // namespace

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

int32_t CallUnlha(HWND owner, const std::wstring& command) { return CallType(core::ArcTypeLzh, owner, command); }

int32_t CallZip(HWND owner, const std::wstring& command, int16_t create) {
  const core::ArcTypeRow& zip = *core::ArcTypeAt(core::ArcTypeZip);
  if (create) return CallWithBlankRule(zip.creation.library, zip.creation.prefix, owner, command);
  return CallType(core::ArcTypeZip, owner, command);
}

int32_t CallCab(HWND owner, const std::wstring& command) { return CallType(core::ArcTypeCab, owner, command); }

int32_t CallTar(HWND owner, const std::wstring& command) { return CallType(core::ArcTypeTar, owner, command); }

int32_t CallYz1(HWND owner, const std::wstring& command, int16_t) { return CallType(core::ArcTypeYz1, owner, command); }

int32_t CallYz2(HWND owner, const std::wstring& command, int16_t) { return CallType(core::ArcTypeYz2, owner, command); }

int32_t CallBga(HWND owner, const std::wstring& command) { return CallType(core::ArcTypeBga, owner, command); }

int32_t CallSevenZip(HWND owner, const std::wstring& command) { return CallType(core::ArcType7z, owner, command); }

int32_t CallUnImp(HWND owner, const std::wstring& command) { return CallType(core::ArcTypeImp, owner, command); }

int32_t CallUnbel(HWND owner, const std::wstring& command) { return CallType(core::ArcTypeBel, owner, command); }

int32_t CallBh(HWND owner, const std::wstring& command) { return CallType(core::ArcTypeBh, owner, command); }

int32_t CallIsh(HWND owner, int16_t commandMode, const std::wstring& command) {
  std::optional<std::string> text = core::ToCp932Exact(command);
  ArcOutputText.clear();
  if (!text) return kNotCalled;
  const std::string& line = *text;
  int code = 0;
  Binding binding;
  if (commandMode) {
    const core::ArcTypeRow& ish = *core::ArcTypeAt(core::ArcTypeIsh);
    binding = Invoke<IshCommandFn>(ish.library, ish.prefix, code, owner, line.c_str());
  } else {
    std::string buffer(kOutputBufferSize + 1, '\0');
    const core::ArcTypeRow& ish = *core::ArcTypeAt(core::ArcTypeIsh);
    const std::string entry = std::string(ish.prefix) + "FileList";
    binding = Invoke<IshFileListFn>(ish.library, entry.c_str(), code, line.c_str(), buffer.data(), kOutputBufferSize);
    ArcOutputText = binding == Binding::Called ? BufferText(buffer) : std::wstring();
  }
  if (binding != Binding::Called) return kNotCalled;
  if (!ArcOutputText.empty()) ShowArcOutput();
  return code;
}

}  // namespace archiver
