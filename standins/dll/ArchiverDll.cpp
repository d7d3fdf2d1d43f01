#include "ArchiverDll.h"

#include <algorithm>
#include <cstring>
#include <optional>

#include "../engine/CallLog.h"
#include "../engine/Cp932.h"
#include "../engine/DiskLimit.h"
#include "WinEnv.h"

namespace standin {

namespace {

// Makes GetProcAddress fail for an export, as if the library did not have that entry point.
void HideExport(HMODULE module, const std::string& name) {
  auto base = reinterpret_cast<BYTE*>(module);
  auto dos = reinterpret_cast<IMAGE_DOS_HEADER*>(base);
  auto nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
  if (!dir.VirtualAddress) return;
  auto exp = reinterpret_cast<IMAGE_EXPORT_DIRECTORY*>(base + dir.VirtualAddress);
  auto names = reinterpret_cast<DWORD*>(base + exp->AddressOfNames);
  auto ordinals = reinterpret_cast<WORD*>(base + exp->AddressOfNameOrdinals);
  auto functions = reinterpret_cast<DWORD*>(base + exp->AddressOfFunctions);
  for (DWORD i = 0; i < exp->NumberOfNames; ++i) {
    if (name != reinterpret_cast<const char*>(base + names[i])) continue;
    DWORD* slot = &functions[ordinals[i]];
    DWORD old;
    if (VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &old)) {
      *slot = 0;
      VirtualProtect(slot, sizeof *slot, old, &old);
    }
  }
}

bool MatchesWildcard(const std::string& wildcard, const std::string& path) {
  if (wildcard.empty() || wildcard == "*" || wildcard == "*.*") return true;
  std::string w = ToSlash(wildcard);
  return WildcardMatch(w, path) || (FindLastSeparator(w) == std::string::npos && WildcardMatch(w, NameOfPath(path)));
}

}  // namespace

// Copies `text` into a buffer of `size` bytes, NUL-terminated, never cutting a double-byte
// character in two.
void CopyText(const std::string& text, char* out, size_t size) {
  if (!out || size == 0) return;
  size_t n = 0;
  while (n < text.size()) {
    size_t step = IsLeadByte(static_cast<unsigned char>(text[n])) && n + 1 < text.size() ? 2 : 1;
    if (n + step > size - 1) break;
    n += step;
  }
  std::memcpy(out, text.data(), n);
  out[n] = '\0';
}

std::string NameOfPath(const std::string& path) {
  size_t sep = FindLastSeparator(path);
  return sep == std::string::npos ? path : path.substr(sep + 1);
}

std::string AttributeText(uint32_t a) {
  std::string s;
  s += (a & 0x10) ? 'd' : '-';
  s += (a & 0x20) ? 'a' : '-';
  s += (a & 0x04) ? 's' : '-';
  s += (a & 0x02) ? 'h' : '-';
  s += (a & 0x01) ? 'r' : 'w';
  return s;
}

void FillIndividualInfo(const EntryInfo& info, char separator, IndividualInfo& out) {
  out.dwOriginalSize = static_cast<uint32_t>(std::min<uint64_t>(info.originalSize, 0xFFFFFFFFu));
  out.dwCompressedSize = static_cast<uint32_t>(std::min<uint64_t>(info.compressedSize, 0xFFFFFFFFu));
  out.dwCRC = info.crc;
  out.uFlag = 0;
  out.uOSType = info.osType;
  out.wRatio = static_cast<uint16_t>(
      info.originalSize ? std::min<uint64_t>(info.compressedSize * 1000 / info.originalSize, 0xFFFF) : 0);
  out.wDate = static_cast<uint16_t>(info.dosDateTime >> 16);
  out.wTime = static_cast<uint16_t>(info.dosDateTime & 0xFFFF);
  std::string name = separator == '\\' ? ToBackslash(info.path) : ToSlash(info.path);
  if (info.isDirectory) name += separator;
  CopyText(name, out.szFileName, sizeof out.szFileName);
  CopyText(AttributeText(info.attributes), out.szAttribute, sizeof out.szAttribute);
  CopyText(info.method, out.szMode, sizeof out.szMode);
}

void ArchiverDll::Attach(HMODULE module) {
  module_ = module;
  InstallTextConverters();
  Config config = LoadConfig(module);
  for (const auto& name : config.For(spec_.library).missingEntries) HideExport(module, name);
}

std::string ArchiverDll::StandinFolder() const { return ModuleFolder(module_); }

void ArchiverDll::Log(const char* entrySuffix, const std::string& arguments) {
  AppendLog(WinFileSystem(), LogPath(module_),
            LogRecord{spec_.library, std::string(spec_.prefix) + entrySuffix, arguments});
}

bool ArchiverDll::Forced(const char* entrySuffix, int& result) {
  auto forced = LoadConfig(module_).For(spec_.library).ForcedResult(std::string(spec_.prefix) + entrySuffix);
  if (forced) result = *forced;
  return forced.has_value();
}

int ArchiverDll::Command(HWND, LPCSTR line, LPSTR output, DWORD size) {
  try {
    std::string text = line ? line : "";
    Log("", text);
    BeforeCommand();
    LibraryConfig config = LoadConfig(module_).For(spec_.library);
    Report report;
    int result;
    running_ = true;
    if (auto forced = config.ForcedResult(spec_.prefix)) {
      result = *forced;
      report.Line("forced result " + std::to_string(result));
    } else {
      std::optional<DiskLimit> limited;
      if (config.diskFree >= 0) limited.emplace(WinFileSystem(), config.diskFree);
      CommandEnv env{limited ? &*limited : &WinFileSystem(), StandinFolder(), config.password};
      result = spec_.command(env, text, report);
      if (auto after = config.ResultAfterWork(spec_.prefix)) result = *after;
    }
    running_ = false;
    if (auto forcedText = config.ForcedOutput(spec_.prefix)) report.text = *forcedText;
    if (report.text.find_first_not_of(" \r\n") == std::string::npos) report.Line(result ? "error" : "OK");
    CopyText(report.text, output, size);
    return result;
  } catch (...) {
    running_ = false;
    CopyText("internal error\r\n", output, size);
    return kErrorCommand;
  }
}

WORD ArchiverDll::GetVersion() {
  Log("GetVersion", "");
  int v = LoadConfig(module_).For(spec_.library).version;
  return static_cast<WORD>(v >= 0 ? v : spec_.version);
}

WORD ArchiverDll::GetSubVersion() {
  Log("GetSubVersion", "");
  int v = LoadConfig(module_).For(spec_.library).subVersion;
  return static_cast<WORD>(v >= 0 ? v : spec_.subVersion);
}

BOOL ArchiverDll::CheckArchive(LPCSTR path, int mode) {
  try {
    std::string p = path ? path : "";
    Log("CheckArchive", p + "\t" + std::to_string(mode));
    int forced;
    if (Forced("CheckArchive", forced)) return forced;
    if (!spec_.format) return FALSE;
    LoadedArchive archive;
    Report report;
    return LoadArchive(WinFileSystem(), *spec_.format, p, archive, report) == kOk;
  } catch (...) {
    return FALSE;
  }
}

int ArchiverDll::GetFileCount(LPCSTR path) {
  try {
    std::string p = path ? path : "";
    Log("GetFileCount", p);
    int forced;
    if (Forced("GetFileCount", forced)) return forced;
    if (!spec_.format) return -1;
    LoadedArchive archive;
    Report report;
    if (LoadArchive(WinFileSystem(), *spec_.format, p, archive, report) != kOk) return -1;
    return static_cast<int>(archive.entries.size());
  } catch (...) {
    return -1;
  }
}

BOOL ArchiverDll::ConfigDialog(HWND, LPSTR buffer, int mode) {
  // The real libraries show a modal options dialog here; a stand-in only records the call, so
  // that nothing ever waits for a user.
  Log("ConfigDialog", std::to_string(mode) + "\t" + std::to_string(buffer ? std::strlen(buffer) : 0));
  return TRUE;
}

HANDLE ArchiverDll::OpenArchive(HWND, LPCSTR path, DWORD mode) {
  try {
    std::string p = path ? path : "";
    Log("OpenArchive", p + "\t" + std::to_string(mode));
    if (!spec_.format) return nullptr;
    auto state = std::make_unique<OpenState>();
    Report report;
    if (LoadArchive(WinFileSystem(), *spec_.format, p, state->archive, report) != kOk) return nullptr;
    std::lock_guard<std::mutex> lock(mutex_);
    uintptr_t handle = nextHandle_;
    nextHandle_ += 0x10;
    open_[handle] = std::move(state);
    return reinterpret_cast<HANDLE>(handle);
  } catch (...) {
    return nullptr;
  }
}

int ArchiverDll::CloseArchive(HANDLE archive) {
  Log("CloseArchive", "");
  std::lock_guard<std::mutex> lock(mutex_);
  return open_.erase(reinterpret_cast<uintptr_t>(archive)) ? 0 : kErrorCommand;
}

int ArchiverDll::NextMatch(OpenState& state, IndividualInfo* info) {
  const auto& entries = state.archive.entries;
  while (state.next < entries.size()) {
    const EntryInfo& e = entries[state.next++].info;
    if (!MatchesWildcard(state.wildcard, e.path)) continue;
    if (info) {
      FillIndividualInfo(e, spec_.separator, *info);
      FinishRecord(e, *info);
    }
    return 0;
  }
  return -1;
}

int ArchiverDll::FindFirst(HANDLE archive, LPCSTR wildcard, IndividualInfo* info) {
  try {
    Log("FindFirst", wildcard ? wildcard : "");
    std::lock_guard<std::mutex> lock(mutex_);
    auto it = open_.find(reinterpret_cast<uintptr_t>(archive));
    if (it == open_.end()) return kErrorCommand;
    it->second->wildcard = wildcard ? wildcard : "";
    it->second->next = 0;
    return NextMatch(*it->second, info);
  } catch (...) {
    return kErrorCommand;
  }
}

int ArchiverDll::FindNext(HANDLE archive, IndividualInfo* info) {
  try {
    Log("FindNext", "");
    std::lock_guard<std::mutex> lock(mutex_);
    auto it = open_.find(reinterpret_cast<uintptr_t>(archive));
    if (it == open_.end()) return kErrorCommand;
    return NextMatch(*it->second, info);
  } catch (...) {
    return kErrorCommand;
  }
}

BOOL ArchiverDll::GetRunning() { return running_; }

}  // namespace standin
