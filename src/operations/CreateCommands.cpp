// The shapes of the creation command lines: where the archive, the folder, the base folder and the list go.
#include "operations/CreateCommands.h"

#include "core/Text.h"
#include "core/modPath.h"

namespace operations {

std::optional<ArchiverCommand> CreationCommand(const core::SettingsStore& settings, const core::ArcTypeRow& row,
                                               const CreateInput& input) {
  const std::wstring switches = CreationSwitches(settings, row, input);
  const std::wstring archive = core::QuotePath(input.archive);
  const std::wstring list = core::QuotePath(input.list);
  const bool hasBase = !core::Trim(input.baseFolder).empty();
  std::wstring line;
  switch (row.creation.form) {
    case core::CreateForm::WithFolder:
      line = switches + L" " + archive + L" " + core::QuotePath(input.folder) + L" " + list;
      break;
    case core::CreateForm::Plain:
      line = switches + L" " + archive + L" " + list;
      break;
    case core::CreateForm::WithBase:
      line = switches + L" " + archive + (hasBase ? L" " + core::QuotePath(input.baseFolder) : L"") + L" " + list;
      break;
    case core::CreateForm::ListSwitch: {
      // The list goes as one switch: "-o" and its path, quoted as a whole.
      const std::wstring listSwitch = core::QuotePath(L"-o" + input.list.substr(input.list.empty() ? 0 : 1));
      line = switches + L" " + archive + (hasBase ? L" " + core::QuotePath(input.baseFolder) : L"") + L" " + listSwitch;
      break;
    }
    default:
      return std::nullopt;
  }
  return ArchiverCommand{row.creation.writer.archiver, line, row.creation.writer.flag};
}

ArchiverCommand IshEncodeCommand(const core::SettingsStore& settings, const std::wstring& outputFolder,
                                 const std::wstring& file) {
  const core::ArcTypeRow& row = *core::ArcTypeAt(core::ArcTypeIsh);
  return {row.creation.writer.archiver, CreationSwitches(settings, row, {}) + L" /F=" + outputFolder + L" " + file,
          row.creation.writer.flag};
}

std::wstring IshOutputName(const std::wstring& outputFolder, const std::wstring& file) {
  const std::wstring name = core::GetFileNamePart(file);
  const size_t dot = name.find(L'.');
  return outputFolder + (dot == std::wstring::npos ? std::wstring() : name.substr(0, dot + 1)) + L"ISH";
}

ArchiverCommand Yz2Command(const core::SettingsStore& settings, const std::wstring& archive, const std::wstring& item) {
  const core::ArcTypeRow& row = *core::ArcTypeAt(core::ArcTypeYz2);
  return {row.creation.writer.archiver,
          CreationSwitches(settings, row, {}) + L" " + core::QuotePath(archive) + L" " + core::QuotePath(item),
          row.creation.writer.flag};
}

std::wstring ArjCommandLine(const std::wstring& switches, const std::wstring& stagedArchive,
                            const std::wstring& baseFolder, const std::wstring& stagedList) {
  return switches + L" " + core::QuotePath(stagedArchive) + L" " + core::QuotePath(baseFolder) + L" " +
         core::QuotePath(L"!" + stagedList);
}

std::wstring StagedCommandLine(const std::wstring& switches, const std::wstring& stagedArchive,
                               const std::wstring& stagedList) {
  return switches + L" " + core::QuotePath(stagedArchive) + L" " + core::QuotePath(L"@" + stagedList);
}

std::wstring ZipNameOf7z(const std::wstring& path) {
  static const std::wstring k7z = L".7z";
  if (path.size() < k7z.size() || path.compare(path.size() - k7z.size(), k7z.size(), k7z) != 0) return path;
  return path.substr(0, path.size() - k7z.size()) + L".zip";
}

}  // namespace operations
