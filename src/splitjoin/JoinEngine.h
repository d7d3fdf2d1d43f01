#pragma once
// The join engine: rebuilds the file of a split-file set from its join-info file and numbered pieces.
#include <optional>
#include <string>

#include "core/OperationUi.h"
#include "splitjoin/DiskService.h"

namespace modMolquen {

// The two lines of a join-info file.
struct JoinInfo {
  std::wstring countLine;
  std::wstring name;
};
// nullopt when the file cannot be read or holds fewer than two lines; `error` gets the reason's code.
std::optional<JoinInfo> ReadJoinInfo(const std::wstring& path, DWORD* error = nullptr);

// The folder part of a path ("/" read as "\"), without a trailing "\"; the current folder for a bare name.
std::wstring GetFolderOfPath(const std::wstring& path);

struct JoinOptions {
  bool deleteAfter = false;  // remove the set once the restored file holds all of it under its own name
};

enum class JoinResult {
  Declined,   // the first question was answered with Cancel
  Done,       // the file is restored
  Cancelled,  // stopped at a disk prompt or by the cancel button; the set is as it was
  Failed,     // the failure message was shown
};

// On a fixed disk every piece is asked for before anything is written. The join is written under a
// temporary name beside the target and renamed when whole, so an older file of the restored name is replaced
// only by a join that succeeded. Stops after the block during which the user asked to (ui.Cancelled()); the
// bytes joined so far stay under the temporary name, which the user is told.
JoinResult JoinFiles(const std::wstring& joinInfoPath, const std::wstring& destinationFolder,
                     const JoinOptions& options, core::OperationUi& ui, splitjoin::DiskService& disks);

}  // namespace modMolquen
