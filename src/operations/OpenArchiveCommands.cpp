#include "operations/OpenArchiveCommands.h"

#include "core/modPath.h"
#include "core/modTolvenar.h"

namespace operations {

namespace {

struct ListRow {
  const wchar_t* type;
  const wchar_t* verb;
  Archiver archiver;
  int16_t flag;
};

// The libraries are asked for their listing (flag 0 where a console tool is the other choice).
constexpr ListRow kListRows[] = {
    {L"LZH", L"l", Archiver::Unlha, 0},  {L"ZIP", L"-lv", Archiver::Zip, 0},  {L"CAB", L"-l", Archiver::Cab, 0},
    {L"ARJ", L"lv", Archiver::Unarj, 0}, {L"TAR", L"-tvf", Archiver::Tar, 0}, {L"TGZ", L"-tvf", Archiver::Tar, 0},
    {L"TBZ", L"-tvf", Archiver::Tar, 0}, {L"RAR", L"-v", Archiver::Unrar, 0}, {L"ACE", L"l", Archiver::AceExe, 0},
    {L"JAR", L"l", Archiver::JarExe, 0}, {L"GCA", L"l", Archiver::UnGca, 0},  {L"7Z", L"l", Archiver::SevenZip, 0},
    {L"IMP", L"v", Archiver::UnImp, 0},  {L"YZ2", L"l", Archiver::Yz2, 0},    {L"BH", L"l", Archiver::Bh, 0},
};

}  // namespace

std::optional<ArchiverCommand> ListCommand(const core::SettingsStore&, const ListRequest& request) {
  for (const ListRow& row : kListRows)
    if (request.type == row.type)
      return ArchiverCommand{row.archiver, std::wstring(row.verb) + L" " + core::QuotePath(request.archive), row.flag};
  return std::nullopt;
}

void ShowArcList(HWND owner, const ListRequest& request) {
  std::optional<ForcedOutput> forced;
  if (request.forceOutput) forced.emplace();
  SetArcStatus(Run(owner, ListCommand(core::Settings, request)));
}

ForcedOutput::ForcedOutput()
    : iconDrop_(core::PrivateState.IconDrop()), eturanMode_(core::PrivateState.EturanMode()), log_(core::Settings.Log) {
  core::PrivateState.SetIconDrop(false);
  core::PrivateState.SetEturanMode(false);
  core::Settings.Log = L"1";
}

ForcedOutput::~ForcedOutput() {
  core::PrivateState.SetIconDrop(iconDrop_);
  core::PrivateState.SetEturanMode(eturanMode_);
  core::Settings.Log = log_;
}

}  // namespace operations
