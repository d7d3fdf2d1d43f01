#include "options/ShellIntegration.h"

#include "core/clsReg.h"
#include "core/modPath.h"

namespace shellintegration {

const wchar_t kHandlerClassId[] = L"{7CCCBF2B-2E49-46BF-AFF7-5913D921D894}";
const wchar_t* const kHandlerKeys[3] = {
    L"*\\shellex\\ContextMenuHandlers\\TolvenarMenu",
    L"Directory\\shellex\\ContextMenuHandlers\\TolvenarMenu",
    L"Drive\\shellex\\ContextMenuHandlers\\TolvenarMenu",
};

namespace {

constexpr AssociationRow kRows[] = {
    {0, L".lzh", L"LzhTolvenarFile", L"LZH書庫"},  {0, L".lzs", L"LzhTolvenarFile", L"LZH書庫"},
    {1, L".zip", L"ZipTolvenarFile", L"ZIP書庫"},  {2, L".cab", L"CabTolvenarFile", L"CAB書庫"},
    {3, L".arj", L"ArjTolvenarFile", L"ARJ書庫"},  {4, L".tar", L"TarTolvenarFile", L"TAR書庫"},
    {4, L".taz", L"TarTolvenarFile", L"TAR書庫"},  {4, L".tgz", L"TarTolvenarFile", L"TAR書庫"},
    {4, L".gz", L"TarTolvenarFile", L"TAR書庫"},   {4, L".bz2", L"TarTolvenarFile", L"TAR書庫"},
    {4, L".tbz", L"TarTolvenarFile", L"TAR書庫"},  {4, L".z", L"TarTolvenarFile", L"TAR書庫"},
    {5, L".ish", L"IshTolvenarFile", L"ISH書庫"},  {6, L".rar", L"RarTolvenarFile", L"RAR書庫"},
    {7, L".yz1", L"Yz1TolvenarFile", L"YZ1書庫"},  {8, L".ace", L"AceTolvenarFile", L"ACE書庫"},
    {9, L".j", L"JarTolvenarFile", L"JAR書庫"},    {9, L".jar", L"JarTolvenarFile", L"JAR書庫"},
    {10, L".gza", L"BgaTolvenarFile", L"BGA書庫"}, {10, L".bza", L"BgaTolvenarFile", L"BGA書庫"},
    {11, L".gca", L"GcaTolvenarFile", L"GCA書庫"}, {12, L".bel", L"BelTolvenarFile", L"BEL書庫"},
    {13, L".7z", L"7zTolvenarFile", L"7Z書庫"},    {14, L".imp", L"ImpTolvenarFile", L"IMP書庫"},
    {15, L".yz2", L"Yz2TolvenarFile", L"YZ2書庫"}, {16, L".bh", L"BhTolvenarFile", L"BH書庫"},
};

struct VerbText {
  const wchar_t* key;  // below the ProgID
  const wchar_t* caption;
  const wchar_t* arguments;  // behind the quoted program path
};

VerbText VerbOf(VerbKind kind) {
  if (kind == kOpenWithVerb) return {L"\\shell\\open2", L"とるべなー から開く", L" %1"};
  return {L"\\shell\\open3", L"とるべなー ｸｲｯｸ解凍", L" /e %1"};
}

bool IsKnownVerb(int kind) { return kind == kQuickExtractVerb || kind == kOpenWithVerb; }

// The default value of a key, "" when the key or the value is missing or is not a string.
std::wstring DefaultValue(const ShellTarget& target, const std::wstring& key) {
  return clsReg().RegGetString(target.classesRoot, key, L"");
}

void SetDefault(const ShellTarget& target, const std::wstring& key, const std::wstring& value) {
  clsReg().RegSetString(target.classesRoot, key, L"", value);
}

// True when the key holds more than its default value: sub-keys or named values another program keeps there.
bool HoldsOtherEntries(const ShellTarget& target, const std::wstring& key) {
  HKEY handle = nullptr;
  if (RegOpenKeyExW(target.classesRoot, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS) return false;
  DWORD subKeys = 0, values = 0;
  LONG rc = RegQueryInfoKeyW(handle, nullptr, nullptr, nullptr, &subKeys, nullptr, nullptr, &values, nullptr, nullptr,
                             nullptr, nullptr);
  RegCloseKey(handle);
  // A key that cannot be inspected is treated as shared: only the program's own value goes.
  if (rc != ERROR_SUCCESS) return true;
  return subKeys > 0 || values > 1;
}

// The extension stops naming the program: the key goes when it held nothing else, otherwise only its
// default value does.
void ReleaseExtension(const ShellTarget& target, const std::wstring& extension) {
  clsReg reg;
  if (HoldsOtherEntries(target, extension))
    reg.RegDelValue(target.classesRoot, extension, L"");
  else
    reg.RegDelString(target.classesRoot, extension);
}

std::wstring QuotedProgram(const ShellTarget& target) { return core::QuotePath(target.programPath); }

}  // namespace

std::span<const AssociationRow> AssociationTable() { return kRows; }

ShellTarget TargetForFolder(const std::wstring& folder, bool replaceShortcuts) {
  ShellTarget target;
  target.programPath = core::AddBackslash(folder) + L"Tolvenar.exe";
  target.specialFolder = ShellSpecialFolder;
  target.replaceShortcuts = replaceShortcuts;
  return target;
}

bool IsMarked(const std::wstring& classesArcType, int typeIndex) {
  return typeIndex >= 0 && static_cast<size_t>(typeIndex) < classesArcType.size() && classesArcType[typeIndex] != L'0';
}

void RegisterAssociations(const ShellTarget& target, const std::wstring& classesArcType) {
  for (const AssociationRow& row : kRows) SetFileAssociation(target, row, !IsMarked(classesArcType, row.typeIndex));
}

void SetFileAssociation(const ShellTarget& target, const AssociationRow& row, bool remove) {
  if (remove) {
    // Exact comparison: an extension that names anything else belongs to another program.
    if (DefaultValue(target, row.extension) == row.progId) ReleaseExtension(target, row.extension);
    return;
  }
  const std::wstring progId = row.progId;
  SetDefault(target, row.extension, progId);
  SetDefault(target, progId, row.description);
  SetDefault(target, progId + L"\\DefaultIcon", target.programPath + L",1");
  SetDefault(target, progId + L"\\shell\\open\\command", QuotedProgram(target) + L" %1");
}

void SetShellVerbs(const ShellTarget& target, VerbKind kind, bool remove, const std::wstring& classesArcType) {
  for (const AssociationRow& row : kRows) {
    if (remove)
      SetShellVerb(target, row, true, kind);
    else if (IsMarked(classesArcType, row.typeIndex) || DefaultValue(target, row.extension) == row.progId)
      SetShellVerb(target, row, false, kind);
  }
}

void SetShellVerb(const ShellTarget& target, const AssociationRow& row, bool remove, VerbKind kind) {
  if (!IsKnownVerb(kind)) return;
  const std::wstring progId = row.progId;
  const VerbText verb = VerbOf(kind);
  if (remove) {
    if (DefaultValue(target, row.extension) == progId) clsReg().RegDelTree(target.classesRoot, progId + verb.key);
    return;
  }
  SetDefault(target, row.extension, progId);
  SetDefault(target, progId, row.description);
  SetDefault(target, progId + verb.key, verb.caption);
  SetDefault(target, progId + verb.key + L"\\command", QuotedProgram(target) + verb.arguments);
}

void SetHandlerKeys(const ShellTarget& target, bool write) {
  clsReg reg;
  for (const wchar_t* key : kHandlerKeys) {
    if (write)
      reg.RegSetString(target.classesRoot, key, L"", kHandlerClassId);
    else
      reg.RegDelString(target.classesRoot, key);
  }
}

void ApplyShellIntegration(const ShellTarget& target, const ShellChoices& choices) {
  ApplyShortcuts(target, IsOn(choices.SendTo), IsOn(choices.DeskTop));
  RegisterAssociations(target, choices.ClassesArcType);
  SetShellVerbs(target, kQuickExtractVerb, !IsOn(choices.QuickMenu), choices.ClassesArcType);
  SetShellVerbs(target, kOpenWithVerb, !IsOn(choices.OpenPackn), choices.ClassesArcType);
  SetHandlerKeys(target, IsOn(choices.QuickCompress));
}

}  // namespace shellintegration
