#pragma once
// Which outside archivers are present and in which version, asked anew on every read (no cache); type
// detection by content; RAR multi-volume test; the libraries' own options dialogs.
#include <windows.h>

#include <cstdint>
#include <string>

#include "core/ArcCatalogue.h"

namespace archiver {

// Every property gives the version text ("1.85", "1.85.0.05"), the tool's file name as stored on disk, or
// "Installed"; an empty string when the library, its entry point or the file is missing or the version is 0.
class clsArchive {
 public:
  std::wstring GetLhaVersion() const;
  std::wstring GetImpVersion() const;
  std::wstring GetBgaVersion() const;
  std::wstring GetZipVersion() const;
  std::wstring GetZip32JVersion() const;
  std::wstring GetIZip32JVersion() const;
  std::wstring GetZCrypt32Version() const;
  std::wstring GetIshVersion() const;
  std::wstring GetCabVersion() const;
  std::wstring GetTarVersion() const;
  std::wstring GetBz2Version() const;
  std::wstring GetRarVersion() const;
  std::wstring GetGcaVersion() const;
  std::wstring GetBelVersion() const;
  std::wstring GetYz1Version() const;
  std::wstring GetYz2Version() const;
  std::wstring GetBhVersion() const;
  std::wstring Get7ZipVersion() const;
  std::wstring GetArjVersion() const;
  std::wstring GetYz1DecVersion() const;
  std::wstring GetYz1EncVersion() const;
  std::wstring GetAceVersion() const;
  std::wstring GetJpzVersion() const;
  std::wstring GetJarVersion() const;
};

// The program-wide catalogue.
clsArchive& Archive();

// What a presence rule of the type catalogue finds: the version text, the tool file's name, or "".
std::wstring PresenceText(const core::Presence& presence);

// What the main window lacks to make an archive of the type: "" when it can make one here, else the file
// name of the missing library or program, or the type's own name when no program here makes the type.
std::wstring MissingCreator(const core::ArcTypeRow& row);

// Version text of a library's 16-bit version value (version x 100): "#0.00" of v / 100, "" for 0.
std::wstring VersionText(WORD value);

// Type name for a new empty archive of type index `index`: as GetArcTypeName, except that CAB (2), ISH (5)
// and every index outside 0..16 give "LZH".
std::wstring GetArcTypeNameByIndex(int16_t index);
// The type the libraries recognise the file as, asked in a fixed order; "" when none does.
std::wstring DetectArcType(const std::wstring& path);
// 1 when the RAR archive's first entry continues in the next volume, else 0 (also when "unrar.dll" is absent).
int16_t IsRarMultiVolume(const std::wstring& path);
// Opens the options dialog of the type's library (LZH, ZIP, CAB, TAR, ISH, BGA, 7Z); other types: nothing.
void ShowArcConfigDialog(HWND owner, const std::wstring& type, int16_t mode);

// Makes the extension lookup type ".EXE" files by content (DetectArcType). Called once at start.
void InstallArcTypeDetector();

}  // namespace archiver
