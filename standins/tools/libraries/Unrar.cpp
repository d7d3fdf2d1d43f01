// unrar.dll: the open / read-header / close calls over RAR fixtures. The
// records are the library's published ones (ANSI names, 32-bit fields).
#include <map>
#include <mutex>

#include "../../dll/WinEnv.h"
#include "FixtureLibrary.h"

namespace {

#pragma pack(push, 1)
struct RAROpenArchiveData {
  char* ArcName;
  UINT OpenMode;
  UINT OpenResult;
  char* CmtBuf;
  UINT CmtBufSize;
  UINT CmtSize;
  UINT CmtState;
};
struct RARHeaderData {
  char ArcName[260];
  char FileName[260];
  UINT Flags;
  UINT PackSize;
  UINT UnpSize;
  UINT HostOS;
  UINT FileCRC;
  UINT FileTime;
  UINT UnpVer;
  UINT Method;
  UINT FileAttr;
  char* CmtBuf;
  UINT CmtBufSize;
  UINT CmtSize;
  UINT CmtState;
};
#pragma pack(pop)

// Result codes of the published interface that the stand-in gives.
constexpr int kEndArchive = 10, kBadArchive = 13, kOpenFailed = 15, kBadHandle = 12;

struct Open {
  std::string path;
  standin::fixture::Archive archive;
  size_t next = 0;
};

int NoCommand(const standin::CommandEnv&, const std::string&, standin::Report& report) {
  report.Line("unrar.dll has no command entry");
  return standin::kErrorCommand;
}

standin::ArchiverDll g_unrar({"unrar", "RAR", 0, 0, '\\', nullptr, NoCommand, 0});
std::mutex g_mutex;
std::map<uintptr_t, Open> g_open;
uintptr_t g_nextHandle = 0x2000;

}  // namespace

extern "C" HANDLE WINAPI RAROpenArchive(RAROpenArchiveData* data) {
  try {
    if (!data) return nullptr;
    std::string path = data->ArcName ? data->ArcName : "";
    g_unrar.Log("OpenArchive", path + "\t" + std::to_string(data->OpenMode));
    std::string bytes, err;
    Open open;
    open.path = path;
    if (!standin::WinFileSystem().ReadFile(path, bytes)) {
      data->OpenResult = kOpenFailed;
      return nullptr;
    }
    if (standin::fixture::Format("RAR").Locate(bytes) < 0 || !standin::fixture::Parse(bytes, open.archive, err)) {
      data->OpenResult = kBadArchive;
      return nullptr;
    }
    data->OpenResult = 0;
    data->CmtSize = 0;
    data->CmtState = 0;
    std::lock_guard<std::mutex> lock(g_mutex);
    uintptr_t handle = g_nextHandle;
    g_nextHandle += 0x10;
    g_open[handle] = std::move(open);
    return reinterpret_cast<HANDLE>(handle);
  } catch (...) {
    return nullptr;
  }
}

extern "C" int WINAPI RARReadHeader(HANDLE archive, RARHeaderData* header) {
  try {
    g_unrar.Log("ReadHeader", "");
    std::lock_guard<std::mutex> lock(g_mutex);
    auto it = g_open.find(reinterpret_cast<uintptr_t>(archive));
    if (it == g_open.end() || !header) return kBadHandle;
    Open& o = it->second;
    if (o.next >= o.archive.entries.size()) return kEndArchive;
    const standin::fixture::Entry& e = o.archive.entries[o.next++];
    standin::CopyText(o.path, header->ArcName, sizeof header->ArcName);
    standin::CopyText(e.path, header->FileName, sizeof header->FileName);
    header->Flags = e.flags;
    header->PackSize = static_cast<UINT>(e.Packed());
    header->UnpSize = static_cast<UINT>(e.Size());
    header->HostOS = 2;
    header->FileCRC = e.Crc();
    header->FileTime = e.DosDateTime();
    header->UnpVer = 29;
    header->Method = 0x33;
    header->FileAttr = e.IsDirectory() ? 0x10 : 0x20;
    header->CmtSize = 0;
    header->CmtState = 0;
    return 0;
  } catch (...) {
    return kBadArchive;
  }
}

extern "C" int WINAPI RARCloseArchive(HANDLE archive) {
  g_unrar.Log("CloseArchive", "");
  std::lock_guard<std::mutex> lock(g_mutex);
  return g_open.erase(reinterpret_cast<uintptr_t>(archive)) ? 0 : kBadHandle;
}

extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) g_unrar.Attach(module);
  return TRUE;
}
