#include "EngineFakes.h"

#include "splitjoin/FileIo.h"
#include "winui/MsgBox.h"

namespace splitjoin_test {

int RecordingUi::Ask(const std::wstring& text, UINT style, const std::wstring& title) {
  return winui::MsgBox(text, style, title.empty() ? title_ : title);
}

void RecordingUi::SetStatus(const std::wstring& text) {
  status = text;
  statuses.push_back(text);
  if (text.rfind(L"残り ", 0) == 0 && text != L"残り 0") {
    ++blocks;
    if (onBlock) onBlock(blocks);
  }
}

double FakeDisks::FreeSpace(const std::wstring& path) {
  freeAsked.push_back(path);
  if (freeAnswers.empty()) return free;
  double answer = freeAnswers.front();
  freeAnswers.pop_front();
  return answer;
}

bool FakeDisks::CanList(const std::wstring& folder) {
  if (listAnswers.empty()) return true;
  bool answer = listAnswers.front();
  listAnswers.pop_front();
  return answer;
}

std::string PatternBytes(uint64_t size, uint64_t offset) {
  std::string bytes(static_cast<size_t>(size), '\0');
  for (uint64_t i = 0; i < size; ++i) {
    uint64_t p = i + offset;
    bytes[static_cast<size_t>(i)] = static_cast<char>((p * 2654435761u) >> 13 ^ p >> 8);
  }
  return bytes;
}

void MakeLargeFile(const std::wstring& path, uint64_t size) {
  splitjoin::FileHandle file = splitjoin::CreateForWrite(path);
  LARGE_INTEGER at;
  at.QuadPart = static_cast<LONGLONG>(size);
  SetFilePointerEx(file.Get(), at, nullptr, FILE_BEGIN);
  SetEndOfFile(file.Get());
}

uint64_t SizeOf(const std::wstring& path) { return splitjoin::GetFileSizeByPath(path); }

FILETIME LastWrite(const std::wstring& path) { return splitjoin::SaveFileTime(path).lastWrite; }

}  // namespace splitjoin_test
