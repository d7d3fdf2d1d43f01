#include "core/ArcTypeTexts.h"

#include <vector>

#include "core/SettingValues.h"
#include "core/Text.h"
#include "core/modPath.h"

namespace core {
namespace {

constexpr wchar_t kArchiveWord[] = L"書庫";
constexpr wchar_t kProgramsFilter[] = L"自己解凍型書庫 (*.exe)|*.exe|";
constexpr wchar_t kEveryFileFilter[] = L"すべてのファイル (*.*)|*.*";
constexpr wchar_t kProgramPatterns[] = L"*.exe";
constexpr wchar_t kProgramSaveFilter[] = L"SFX File (*.exe)|*.exe";
// The wizard's list of every archive has always named the programs right after the JAR archives.
constexpr int kWizardProgramsAfter = ArcTypeJar;

// Texts made once and kept for the program's life, so windows and menu tables can hold their pointers.
class TextList {
 public:
  explicit TextList(std::vector<std::wstring> texts) : texts_(std::move(texts)) {
    for (const std::wstring& text : texts_) pointers_.push_back(text.c_str());
  }
  std::span<const wchar_t* const> Pointers() const { return pointers_; }

 private:
  std::vector<std::wstring> texts_;
  std::vector<const wchar_t*> pointers_;
};

template <typename Make>
std::vector<std::wstring> EachIndexed(Make make) {
  std::vector<std::wstring> texts;
  for (int index = 0; index < kArcTypeCount; ++index) texts.push_back(make(*ArcTypeAt(index)));
  return texts;
}

std::wstring Label(const ArcTypeRow& row) { return row.texts.label ? row.texts.label : row.name; }

std::wstring Caption(const ArcTypeRow& row) { return Label(row) + kArchiveWord; }

// The access key is marked where the label holds it; a key the label lacks follows the item's text.
std::wstring MenuCaption(const ArcTypeRow& row, const wchar_t* after, const wchar_t* tail) {
  std::wstring label = Label(row);
  const size_t at = label.find(row.texts.menuKey);
  const bool inLabel = row.texts.menuKey && at != std::wstring::npos;
  if (inLabel) label.insert(at, L"&");
  std::wstring caption = label + kArchiveWord + after;
  if (!inLabel && row.texts.menuKey) caption += std::wstring(L"(&") + row.texts.menuKey + L")";
  return caption + tail;
}

bool Offered(const ArcTypeRow& row, OpenDialog dialog) {
  return row.texts.openPatterns && (dialog == OpenDialog::MainWindow || row.texts.inUnpackWizard);
}

std::wstring MakeOpenFilter(OpenDialog dialog) {
  std::wstring every, types;
  const auto addPatterns = [&every](const std::wstring& patterns) {
    if (!every.empty()) every += L";";
    every += patterns;
  };
  for (int index = 0; index < kArcTypeCount; ++index) {
    const ArcTypeRow& row = *ArcTypeAt(index);
    if (!Offered(row, dialog)) continue;
    const std::wstring patterns = row.texts.openPatterns;
    addPatterns(patterns);
    if (dialog == OpenDialog::UnpackWizard && index == kWizardProgramsAfter) addPatterns(kProgramPatterns);
    types += Caption(row) + L" (" + patterns + L")|" + patterns + L"|";
  }
  if (dialog == OpenDialog::MainWindow) addPatterns(kProgramPatterns);
  return L"すべての書庫|" + every + L"|" + types + kProgramsFilter + kEveryFileFilter;
}

std::wstring AssociationRow(const ArcTypeRow& row, AssociationList list) {
  const TypeTexts& texts = row.texts;
  const std::wstring label = list == AssociationList::Options && texts.optionsLabel ? texts.optionsLabel : Label(row);
  return label + kArchiveWord + L" (" + (texts.associationPatterns ? texts.associationPatterns : texts.openPatterns) +
         L")";
}

SaveChoice Choice(const ArcTypeRow& row, const std::wstring& extension) {
  return {SaveFilter(row, extension), LCase(extension)};
}

// A new archive's extension: the one its setting names, or the type name as given.
std::wstring NewExtension(const ArcTypeRow& row, const std::wstring& type, const SettingsStore& settings) {
  const Saving& saving = row.saving;
  if (!saving.extensionSetting) return LCase(type);
  const std::wstring& value = settings.*saving.extensionSetting;
  for (size_t k = 0; k < saving.extensionsBySetting.size(); ++k)
    if (value == ToWString(static_cast<int64_t>(k))) return std::wstring(saving.extensionsBySetting[k]).substr(1);
  return type;
}

bool IsProgram(const std::wstring& path) {
  return UCase(path.size() >= 4 ? path.substr(path.size() - 4) : path) == L".EXE";
}

}  // namespace

std::span<const wchar_t* const> ArcTypeCaptions() {
  static const TextList captions(EachIndexed(Caption));
  return captions.Pointers();
}

std::span<const wchar_t* const> ArcTypeMenuCaptions(TypeMenu menu) {
  static const TextList newArchive(EachIndexed([](const ArcTypeRow& row) { return MenuCaption(row, L"を指定", L""); }));
  static const TextList makeType(EachIndexed([](const ArcTypeRow& row) { return MenuCaption(row, L"", L""); }));
  static const TextList options(
      EachIndexed([](const ArcTypeRow& row) { return MenuCaption(row, L"のオプション", L"..."); }));
  switch (menu) {
    case TypeMenu::NewArchive:
      return newArchive.Pointers();
    case TypeMenu::MakeType:
      return makeType.Pointers();
    case TypeMenu::Options:
      break;
  }
  return options.Pointers();
}

const wchar_t* OpenArchiveFilter(OpenDialog dialog) {
  static const std::wstring mainWindow = MakeOpenFilter(OpenDialog::MainWindow);
  static const std::wstring unpackWizard = MakeOpenFilter(OpenDialog::UnpackWizard);
  return (dialog == OpenDialog::MainWindow ? mainWindow : unpackWizard).c_str();
}

std::span<const wchar_t* const> AssociationRows(AssociationList list) {
  static const TextList installer(
      EachIndexed([](const ArcTypeRow& row) { return AssociationRow(row, AssociationList::Installer); }));
  static const TextList options(
      EachIndexed([](const ArcTypeRow& row) { return AssociationRow(row, AssociationList::Options); }));
  return (list == AssociationList::Installer ? installer : options).Pointers();
}

std::optional<SaveChoice> SaveAsChoice(const std::wstring& path) {
  if (IsProgram(path)) return SaveChoice{kProgramSaveFilter, L"exe"};
  const ArcTypeRow* row = FindArcType(GetArcTypeByExt(path));
  if (!row) return std::nullopt;
  switch (row->saving.copy) {
    case SaveAs::TypeName:
      return Choice(*row, LCase(row->name));
    case SaveAs::OwnExtension: {
      const std::wstring extension = GetExtension(path, false);
      return Choice(*row, LCase(extension.empty() ? extension : extension.substr(1)));
    }
    case SaveAs::Never:
      break;
  }
  return std::nullopt;
}

std::optional<SaveChoice> NewArchiveSaveChoice(const std::wstring& type, const SettingsStore& settings) {
  if (type == L"EXE") return SaveChoice{kProgramSaveFilter, L"exe"};
  const ArcTypeRow* row = FindArcType(type);
  if (!row || row->saving.copy == SaveAs::Never) return std::nullopt;
  return Choice(*row, NewExtension(*row, type, settings));
}

std::wstring SaveFilter(const ArcTypeRow& row, const std::wstring& extension) {
  const std::wstring pattern = L"*." + extension;
  return Caption(row) + L" (" + pattern + L")|" + pattern;
}

std::wstring SaveStartFolder(const SettingsStore& settings) {
  if (IsOn(settings.SaveDefaultFlag) && !settings.SaveDefault.empty()) return settings.SaveDefault;
  return settings.OpenFolder;
}

}  // namespace core
