#include "operations/ExtractCommands.h"

#include <span>

#include "archiver/ExecArcCommand.h"
#include "core/ArcCatalogue.h"
#include "core/SettingValues.h"
#include "core/Text.h"
#include "core/modPath.h"

namespace operations {
namespace {

bool Holds(const core::SettingsStore& settings, const core::SettingTest& test) {
  return !test.member || core::IsOn(settings.*test.member) == test.on;
}

bool Applies(const core::SettingsStore& settings, const core::ExtractSwitch& rule, uint16_t state) {
  return (rule.when & state) == rule.when && Holds(settings, rule.setting) && Holds(settings, rule.also);
}

void Append(std::wstring& line, const std::wstring& text) {
  if (!line.empty()) line += L' ';
  line += text;
}

void AppendEvery(const core::SettingsStore& settings, std::span<const core::ExtractSwitch> rules, uint16_t state,
                 std::wstring& line) {
  for (const core::ExtractSwitch& rule : rules) {
    if (!Applies(settings, rule, state)) continue;
    if (rule.group)
      AppendEvery(settings, rule.group->switches, state, line);
    else
      Append(line, rule.text);
  }
}

// The first base switch that holds, then every appended one that holds.
std::wstring Switches(const core::SettingsStore& settings, std::span<const core::ExtractSwitch> base,
                      std::span<const core::ExtractSwitch> appended, uint16_t state) {
  std::wstring line;
  for (const core::ExtractSwitch& rule : base) {
    if (!Applies(settings, rule, state)) continue;
    line = rule.text;
    break;
  }
  AppendEvery(settings, appended, state, line);
  return line;
}

uint16_t Either(bool condition, uint16_t yes, uint16_t no) { return condition ? yes : no; }

uint16_t NamesState(const std::wstring& names) { return core::Trim(names).empty() ? core::kNoNames : core::kNames; }

// The destination as the archiver's output switch: "-o" and the folder, as one argument.
std::wstring OutputSwitch(std::wstring destination) {
  if (!destination.empty() && destination.front() == L'"') {
    destination.erase(0, 1);
    if (!destination.empty() && destination.back() == L'"') destination.pop_back();
  }
  return core::QuotePath(L"-o" + destination);
}

ExtractCommand Command(const core::ArcTypeRow& row, const std::wstring& switches, const UnPackArgs& args,
                       const std::wstring& names) {
  std::wstring destination = row.extraction.outputSwitch ? OutputSwitch(args.destination) : args.destination;
  return {row.name, switches, args.quotedArchive, destination, names};
}

}  // namespace

std::wstring ExtractCommand::Line() const {
  return archiver::MakeArcCommandLine(type, switches, archive, destination, names);
}

std::optional<ExtractCommand> DialogExtractCommand(const core::SettingsStore& settings,
                                                   const DialogExtractRequest& request) {
  const core::ArcTypeRow* row = core::FindArcType(request.type);
  if (!row) return std::nullopt;
  const core::Extraction& rules = row->extraction;
  std::wstring names = request.args.names;
  const bool allVolumes = request.allVolumes && rules.boxes.volumes != core::VolumesBox::None;
  if (allVolumes && rules.allVolumesNames) names = rules.allVolumesNames;
  const bool newer = core::IsOn(settings.COM_NewFile);
  const bool ask = core::IsOn(settings.COM_OverWtite);
  const uint16_t state = Either(newer, core::kNewerOnly, core::kNotNewerOnly) |
                         Either(ask, core::kAskFirst, core::kNotAskFirst) |
                         Either(core::IsOn(settings.COM_FolderYuko), core::kKeepFolders, core::kFlat) |
                         Either(allVolumes, core::kAllVolumes, 0) | NamesState(names);
  return Command(*row, Switches(settings, rules.dialogBase, rules.dialogAppended, state), request.args, names);
}

std::optional<ExtractCommand> QuickExtractCommand(const core::SettingsStore& settings,
                                                  const QuickExtractRequest& request) {
  const core::ArcTypeRow* row = core::FindArcType(request.type);
  if (!row) return std::nullopt;
  const core::Extraction& rules = row->extraction;
  const uint16_t state = core::kNotNewerOnly | core::kNotAskFirst |
                         Either(request.direct && !request.flat, core::kKeepFolders, core::kFlat) |
                         Either(request.direct, 0, core::kForDragOut) | NamesState(request.args.names);
  return Command(*row, Switches(settings, rules.quickBase, rules.quickAppended, state), request.args,
                 request.args.names);
}

JobResult RunExtractCommand(core::OperationUi& ui, const std::optional<ExtractCommand>& command) {
  if (!command) return {true};
  return {archiver::ExecArcCommand(ui.Owner(), command->type, command->switches, command->archive, command->destination,
                                   command->names) == 0};
}

}  // namespace operations
