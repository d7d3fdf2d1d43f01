#include "browser/Commands.h"

namespace browser {

CommandState::CommandState() {
  enabled_.fill(true);
  // The File menu offers at first only the types whose entries can later be added to a new empty archive;
  // the Option menu the types that can be created.
  for (int index : {2, 5, 7, 11, 12, 14, 15}) Enable(Command::NewArcOfType, false, index);
  for (int index : {3, 6, 7, 8, 9, 12, 14, 15}) Enable(Command::MakeArcType, false, index);
  Enable(Command::RenameInPlace, false);
}

int CommandState::Members(Command command) {
  switch (command) {
    case Command::MakeArcType:
    case Command::NewArcOfType:
      return 17;
    case Command::ListViewMode:
      return 4;
    case Command::SortColumn:
      return 10;
    case Command::SortOrder:
      return 2;
    default:
      return 1;
  }
}

int CommandState::Slot(Command command, int index) {
  if (index < 0 || index >= Members(command)) return -1;
  switch (command) {
    case Command::MakeArcType:
      return kSingles + index;
    case Command::NewArcOfType:
      return kSingles + 17 + index;
    case Command::ListViewMode:
      return kSingles + 34 + index;
    case Command::SortColumn:
      return kSingles + 38 + index;
    case Command::SortOrder:
      return kSingles + 48 + index;
    default:
      return static_cast<int>(command);
  }
}

bool CommandState::Enabled(Command command, int index) const {
  const int slot = Slot(command, index);
  return slot >= 0 && enabled_[static_cast<size_t>(slot)];
}

bool CommandState::Checked(Command command, int index) const {
  const int slot = Slot(command, index);
  return slot >= 0 && checked_[static_cast<size_t>(slot)];
}

void CommandState::Enable(Command command, bool enabled, int index) {
  const int slot = Slot(command, index);
  if (slot >= 0) enabled_[static_cast<size_t>(slot)] = enabled;
}

void CommandState::Check(Command command, bool checked, int index) {
  const int slot = Slot(command, index);
  if (slot >= 0) checked_[static_cast<size_t>(slot)] = checked;
}

CommandState& Commands() {
  static CommandState state;
  return state;
}

}  // namespace browser
