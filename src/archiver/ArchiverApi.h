#pragma once
// The calling contract shared by the outside archiver libraries: entry-point shapes (all __stdcall with
// undecorated names, text in code page 932) and the records that cross the boundary.
#include <windows.h>

#include <cstddef>
#include <cstdint>

namespace archiver {

// Size of the output buffer every command entry gets.
constexpr DWORD kOutputBufferSize = 20800;

#pragma pack(push, 1)
// One entry as the enumeration calls fill it.
struct INDIVIDUALINFO {
  uint32_t dwOriginalSize;
  uint32_t dwCompressedSize;
  uint32_t dwCRC;
  uint32_t uFlag;
  uint32_t uOSType;
  uint16_t wRatio;
  uint16_t wDate;
  uint16_t wTime;
  char szFileName[513];
  char dummy1[3];
  char szAttribute[8];
  char szMode[8];
};
#pragma pack(pop)
static_assert(sizeof(INDIVIDUALINFO) == 558, "INDIVIDUALINFO crosses the library boundary as 558 bytes");
static_assert(offsetof(INDIVIDUALINFO, szFileName) == 26 && offsetof(INDIVIDUALINFO, szAttribute) == 542 &&
                  offsetof(INDIVIDUALINFO, szMode) == 550,
              "INDIVIDUALINFO field offsets");

// The published records of the RAR reading library "unrar.dll".
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

using HARC = HANDLE;

// Entry-point shapes. P = the library's prefix ("Unlha", "UnZip", ...).
using CommandFn = int(WINAPI*)(HWND owner, LPCSTR commandLine, LPSTR output, DWORD size);  // P
using VersionFn = WORD(WINAPI*)();                                                      // PGetVersion, PGetSubVersion
using CheckArchiveFn = BOOL(WINAPI*)(LPCSTR path, int mode);                            // PCheckArchive
using ConfigDialogFn = BOOL(WINAPI*)(HWND owner, LPSTR buffer, int mode);               // PConfigDialog
using GetFileCountFn = int(WINAPI*)(LPCSTR path);                                       // PGetFileCount
using OpenArchiveFn = HARC(WINAPI*)(HWND owner, LPCSTR path, DWORD mode);               // POpenArchive
using CloseArchiveFn = int(WINAPI*)(HARC archive);                                      // PCloseArchive
using FindFirstFn = int(WINAPI*)(HARC archive, LPCSTR wildcard, INDIVIDUALINFO* info);  // PFindFirst
using FindNextFn = int(WINAPI*)(HARC archive, INDIVIDUALINFO* info);                    // PFindNext
using IshCommandFn = int(WINAPI*)(HWND owner, LPCSTR commandLine);                      // Ish
using IshFileListFn = int(WINAPI*)(LPCSTR path, LPSTR buffer, DWORD size);              // IshFileList
using RarOpenFn = HANDLE(WINAPI*)(RAROpenArchiveData* data);                            // RAROpenArchive
using RarReadHeaderFn = int(WINAPI*)(HANDLE archive, RARHeaderData* header);            // RARReadHeader
using RarCloseFn = int(WINAPI*)(HANDLE archive);                                        // RARCloseArchive

}  // namespace archiver
