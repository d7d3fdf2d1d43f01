#include "tools/Templates.h"

#include "core/SettingValues.h"
#include "core/Text.h"
#include "core/modIni.h"
#include "core/modPath.h"

namespace tools {
namespace {

const wchar_t kFolder[] = L"Folder";
const wchar_t kArcName[] = L"ArcName";
const wchar_t kArcType[] = L"ArcType";
const wchar_t kMakeSfx[] = L"MakeSFX";
const wchar_t kArcCount[] = L"ArcCount";

// Template numbers and entry indexes stay within 16 bits.
constexpr int kLastNumber = 32767;

std::wstring EntryKey(int index) { return L"ArcFile" + std::to_wstring(index); }

int EntryCount(const std::wstring& section) {
  return core::WholeSetting(core::ReadIni(section, kArcCount), 0, 0, kLastNumber);
}

bool IsTemplate(int number) { return !core::ReadIni(TemplateSection(number), kFolder).empty(); }

void WriteSection(const std::wstring& section, const ArchiveTemplate& values, int loadedCount) {
  core::WriteIni(section, kFolder, values.folder);
  core::WriteIni(section, kArcName, values.arcName);
  core::WriteIni(section, kArcType, values.arcType);
  core::WriteIni(section, kMakeSfx, values.makeSfx);
  for (int i = 0; i < loadedCount; ++i) core::DeleteIniKey(section, EntryKey(i));
  const int count = static_cast<int>(values.entries.size());
  for (int i = 0; i < count; ++i) core::WriteIni(section, EntryKey(i), values.entries[i]);
  core::WriteIni(section, kArcCount, std::to_wstring(count));
}

}  // namespace

std::wstring TemplateSection(int number) { return L"Template" + std::to_wstring(number); }

int TemplateCount() {
  int count = 0;
  while (count <= kLastNumber && IsTemplate(count)) ++count;
  return count;
}

ArchiveTemplate ReadTemplate(int number, bool withEntries) {
  const std::wstring section = TemplateSection(number);
  ArchiveTemplate values{core::ReadIni(section, kFolder),
                         core::ReadIni(section, kArcName),
                         core::ReadIni(section, kArcType),
                         core::ReadIni(section, kMakeSfx),
                         {}};
  if (!withEntries) return values;
  const int count = EntryCount(section);
  values.entries.reserve(count);
  for (int i = 0; i < count; ++i) values.entries.push_back(core::ReadIni(section, EntryKey(i)));
  return values;
}

void WriteTemplate(int number, const ArchiveTemplate& values, int loadedCount) {
  WriteSection(TemplateSection(number), values, loadedCount);
}

void DeleteTemplate(int number) {
  if (number < 0 || !IsTemplate(number)) return;
  core::DeleteIniSection(TemplateSection(number));
  // Each later template takes the number below it: that section is emptied first, so nothing of the
  // template that was there stays behind, then written whole.
  int next = number + 1;
  for (; next <= kLastNumber && IsTemplate(next); ++next) {
    const std::wstring lower = TemplateSection(next - 1);
    core::DeleteIniSection(lower);
    WriteSection(lower, ReadTemplate(next), 0);
  }
  core::DeleteIniSection(TemplateSection(next - 1));
}

bool TemplateTypeOf(const std::wstring& arcType, TemplateType& type) {
  if (arcType.size() != 1 || arcType[0] < L'0' || arcType[0] >= L'0' + kTemplateTypeCount) return false;
  type = static_cast<TemplateType>(arcType[0] - L'0');
  return true;
}

std::wstring TemplateBase(const std::wstring& folder, const std::wstring& arcName) {
  return core::AddBackslash(folder) + arcName;
}

std::wstring TemplateArchiveFile(const ArchiveTemplate& values) {
  static const wchar_t* const kExtensions[kTemplateTypeCount] = {L".lzh", L".zip", L".cab", L".tar"};
  const std::wstring base = TemplateBase(values.folder, values.arcName);
  if (core::IsOn(values.makeSfx)) return base + L".exe";
  TemplateType type = TemplateType::Lzh;
  if (!values.arcType.empty() && !TemplateTypeOf(values.arcType, type)) return base;
  return base + kExtensions[static_cast<int>(type)];
}

bool ReadsBackAsTemplateValue(const std::wstring& text) {
  // The profile reader drops blanks and tabs around a value.
  return text.find_first_not_of(L" \t") != std::wstring::npos && core::ToCp932Exact(text).has_value();
}

}  // namespace tools
