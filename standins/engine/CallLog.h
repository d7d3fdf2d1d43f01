#pragma once
// Every stand-in appends one line per call: library, entry point and its text arguments,
// separated by tabs, code-page-932 bytes, CR LF. Tests read the file back with ParseLog.
#include <string>
#include <vector>

#include "FileSystem.h"

namespace standin {

struct LogRecord {
  std::string library;
  std::string entry;
  std::string arguments;  // command line or the text arguments joined by tabs
};

std::string FormatLogLine(const LogRecord& record);
std::vector<LogRecord> ParseLog(const std::string& text);

// Appends the record to the log file `path` (nothing when the path is empty).
void AppendLog(IFileSystem& fs, const std::string& path, const LogRecord& record);

}  // namespace standin
