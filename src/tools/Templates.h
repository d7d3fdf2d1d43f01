#pragma once
// Archive templates in the settings file: one section "Template<n>" per template, numbered from 0 without
// gaps. The list of templates ends before the first number whose "Folder" reads empty, so a template is
// addressed by its list position. Each value is read and written on its own, straight in the file.
#include <string>
#include <vector>

namespace tools {

// The four types a template can make, by their "ArcType" value.
enum class TemplateType { Lzh = 0, Zip = 1, Cab = 2, Tar = 3 };
constexpr int kTemplateTypeCount = 4;

// One template as its section holds it. The texts are as read (a missing key reads ""); `entries` are the
// keys ArcFile0 .. ArcFile(count-1), empty ones included, so that a reader decides what an empty one means.
struct ArchiveTemplate {
  std::wstring folder;   // "Folder": where the archive is made, as typed
  std::wstring arcName;  // "ArcName": the archive's name without extension
  std::wstring arcType;  // "ArcType": "0" LZH, "1" ZIP, "2" CAB, "3" TAR
  std::wstring makeSfx;  // "MakeSFX": "0" = a plain archive, anything else a self-extracting program
  std::vector<std::wstring> entries;

  bool operator==(const ArchiveTemplate&) const = default;
};

// "Template" and the number in decimal.
std::wstring TemplateSection(int number);

// Number of templates: the first number whose "Folder" reads empty.
int TemplateCount();
// The section of template `number`; with `withEntries`, also the ArcCount entry keys (a count that is no
// number from 0 to 32767 reads as 0).
ArchiveTemplate ReadTemplate(int number, bool withEntries = true);

// Writes template `number`: "Folder", "ArcName", "ArcType", "MakeSFX", then the entry keys the section had
// when it was read (`loadedCount`) go, the new ones are written in order, and "ArcCount" last. The section
// never keeps an entry key beyond its count.
void WriteTemplate(int number, const ArchiveTemplate& values, int loadedCount);

// Deletes template `number` and moves every later one down one number, keeping their order; the section of
// the last number goes. A number outside the list changes nothing.
void DeleteTemplate(int number);

// The type of an "ArcType" value; false for anything but "0" to "3".
bool TemplateTypeOf(const std::wstring& arcType, TemplateType& type);
// "Folder" with a trailing "\" and "ArcName": the archive's path without extension.
std::wstring TemplateBase(const std::wstring& folder, const std::wstring& arcName);
// The file a template makes, as the template list shows it: the base, then ".exe" when MakeSFX is not "0",
// else the type's extension (an empty "ArcType" counts as LZH; an unknown one adds nothing).
std::wstring TemplateArchiveFile(const ArchiveTemplate& values);

// Whether a text written as a template's value reads back as it stands: not blank (values are read
// trimmed) and with a code-page-932 form (the settings file's text; without one the key would be lost).
bool ReadsBackAsTemplateValue(const std::wstring& text);

}  // namespace tools
