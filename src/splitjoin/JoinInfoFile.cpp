// Reading a join-info file and the folder it lies in.
#include <algorithm>
#include <vector>

#include "core/Text.h"
#include "splitjoin/FileIo.h"
#include "splitjoin/JoinEngine.h"

namespace modMolquen {

namespace {

// A join-info file holds two short lines; anything longer is not one.
constexpr DWORD kMaxInfoBytes = 65536;

// One line from `pos`, ended by CR LF, CR or LF; moves `pos` past the ending.
std::string NextLine(const std::string& bytes, size_t& pos) {
  size_t end = bytes.find_first_of("\r\n", pos);
  std::string line = bytes.substr(pos, end == std::string::npos ? std::string::npos : end - pos);
  if (end == std::string::npos) {
    pos = bytes.size();
  } else {
    pos = end + 1;
    if (bytes[end] == '\r' && pos < bytes.size() && bytes[pos] == '\n') ++pos;
  }
  return line;
}

}  // namespace

std::optional<JoinInfo> ReadJoinInfo(const std::wstring& path, DWORD* error) {
  auto fail = [error](DWORD code) -> std::optional<JoinInfo> {
    if (error) *error = code;
    return std::nullopt;
  };
  splitjoin::FileHandle file = splitjoin::OpenForRead(path);
  if (!file.Valid()) return fail(GetLastError());
  uint64_t size = splitjoin::GetFileSizeByHandle(file.Get());
  std::string bytes(static_cast<size_t>(std::min<uint64_t>(size, kMaxInfoBytes)), '\0');
  if (!splitjoin::ReadExactly(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()))) return fail(GetLastError());
  size_t pos = 0;
  JoinInfo info;
  info.countLine = core::FromCp932(NextLine(bytes, pos));
  if (pos >= bytes.size()) return fail(ERROR_HANDLE_EOF);
  info.name = core::FromCp932(NextLine(bytes, pos));
  return info;
}

std::wstring GetFolderOfPath(const std::wstring& path) {
  std::wstring copy = path;
  std::replace(copy.begin(), copy.end(), L'/', L'\\');
  size_t slash = copy.rfind(L'\\');
  std::wstring folder;
  if (slash != std::wstring::npos) {
    folder = copy.substr(0, slash);
  } else {
    std::vector<wchar_t> current(32768);
    DWORD length = GetCurrentDirectoryW(static_cast<DWORD>(current.size()), current.data());
    if (length > 0 && length < current.size()) folder.assign(current.data(), length);
  }
  if (!folder.empty() && folder.back() == L'\\') folder.pop_back();
  return folder;
}

}  // namespace modMolquen
