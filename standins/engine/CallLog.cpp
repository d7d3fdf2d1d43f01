#include "CallLog.h"

namespace standin {

std::string FormatLogLine(const LogRecord& record) {
  return record.library + "\t" + record.entry + "\t" + record.arguments + "\r\n";
}

std::vector<LogRecord> ParseLog(const std::string& text) {
  std::vector<LogRecord> records;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = text.find("\r\n", pos);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(pos, end - pos);
    pos = end + 2;
    size_t a = line.find('\t');
    if (a == std::string::npos) continue;
    size_t b = line.find('\t', a + 1);
    if (b == std::string::npos) continue;
    records.push_back(LogRecord{line.substr(0, a), line.substr(a + 1, b - a - 1), line.substr(b + 1)});
  }
  return records;
}

void AppendLog(IFileSystem& fs, const std::string& path, const LogRecord& record) {
  // Appended per call so that several processes and libraries share the file.
  if (!path.empty()) fs.AppendFile(path, FormatLogLine(record));
}

}  // namespace standin
