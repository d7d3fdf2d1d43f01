#include "tools/ClipboardDecoder.h"

#include <algorithm>
#include <cstdint>

#include "archiver/ArcOutput.h"
#include "core/BrowseFolderEx.h"
#include "core/Seams.h"
#include "core/SettingValues.h"
#include "core/Settings.h"
#include "core/Text.h"
#include "core/modPath.h"
#include "core/modShell.h"
#include "tools/Decoders.h"
#include "tools/SafeName.h"
#include "winui/MsgBox.h"

namespace tools {

const wchar_t kDecodeUnknownFormat[] = L"クリップボード内のテキストは認識できない形式です";
const wchar_t kDecodeFolderTitle[] = L"デコードファイルを作成するフォルダを選択して下さい";

namespace {

using Decoder = bool (*)(std::string&, std::wstring&, std::wstring&);

bool Contains(const std::wstring& text, const wchar_t* part) { return text.find(part) != std::wstring::npos; }

// One decoder run with the status text and the hourglass the user sees meanwhile.
bool RunDecoder(DecoderWindow& window, Decoder decoder, std::string& bytes, std::wstring& text, std::wstring& name) {
  window.SetStatusText(L"Decode中...");
  archiver::SetMainPointer(archiver::kPointerHourglass);
  core::DoEvents();
  bool decoded = decoder(bytes, text, name);
  archiver::SetMainPointer(archiver::kPointerDefault);
  return decoded;
}

// Writes a new file (never one that appeared meanwhile); a file left half-written is removed.
bool WriteNewFile(const std::wstring& path, const std::string& bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  bool written = true;
  for (size_t done = 0; written && done < bytes.size();) {
    DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 20));
    DWORD wrote = 0;
    written = WriteFile(file, bytes.data() + done, chunk, &wrote, nullptr) && wrote == chunk;
    done += wrote;
  }
  written = CloseHandle(file) && written;
  if (!written) DeleteFileW(path.c_str());
  return written;
}

bool ReadWholeFile(const std::wstring& path, std::string& bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  bytes.clear();
  char buffer[65536];
  DWORD got = 0;
  bool ok = true;
  while ((ok = ReadFile(file, buffer, sizeof buffer, &got, nullptr) != FALSE) && got > 0) bytes.append(buffer, got);
  CloseHandle(file);
  return ok;
}

}  // namespace

std::wstring FreeDecodeTarget(const std::wstring& folder, const std::wstring& name) {
  std::wstring target = core::AddBackslash(folder) + name;
  if (!core::PathTaken(target)) return target;
  std::wstring base = name.substr(0, name.find(L'.'));
  size_t dot = name.rfind(L'.');
  std::wstring extension = dot == std::wstring::npos ? L"" : name.substr(dot);
  for (int64_t number = 1;; ++number) {
    target = core::AddBackslash(folder) + base + L"(" + core::ToWString(number) + L")" + extension;
    if (!core::PathTaken(target)) return target;
  }
}

std::wstring DecodeClipboard(DecoderWindow& window) {
  const std::wstring savedStatus = window.StatusText();
  auto fail = [&] {
    window.SetStatusText(savedStatus);
    winui::MsgBox(kDecodeUnknownFormat, MB_OK | MB_ICONSTOP, core::kProgramTitle, window.Hwnd());
    return std::wstring();
  };

  std::wstring text;
  if (!core::Clipboard().GetText(text)) return fail();
  std::string bytes;
  std::wstring name;
  bool decoded = false;
  std::wstring lower = core::LCase(text);
  if (Contains(lower, L"begin ") && Contains(lower, L"end")) {
    if (!RunDecoder(window, &DecodeUU, bytes, text, name)) return fail();
    decoded = true;
  }
  // After a uuencoded block the text is what followed its "begin" line.
  lower = core::LCase(text);
  if (Contains(lower, L"content-transfer-encoding") && Contains(lower, L"base64")) {
    if (!RunDecoder(window, &DecodeBase64, bytes, text, name)) return fail();
    decoded = true;
  }
  if (!decoded) return fail();
  window.SetStatusText(savedStatus);

  name = SafeFileName(name);
  if (name.empty()) name = L"decode.txt";
  std::wstring folder = core::ShowBrowseFolder(L"", window.Hwnd(), kDecodeFolderTitle);
  if (folder.empty()) return L"";

  std::wstring target = FreeDecodeTarget(folder, name);
  if (!WriteNewFile(target, bytes)) {
    winui::MsgBox(L"ファイル \"" + target + L"\" を作成できませんでした", MB_OK | MB_ICONSTOP, core::kProgramTitle,
                  window.Hwnd());
    return L"";
  }
  if (core::IsOn(core::Settings.Message))
    winui::MsgBox(L"ファイル名 \"" + target + L"\" としてデコードしました", MB_OK | MB_ICONINFORMATION,
                  core::kProgramTitle, window.Hwnd());
  return target;
}

std::wstring ReadTextFile(const std::wstring& path) {
  std::string bytes;
  if (!ReadWholeFile(path, bytes)) return L"";
  std::wstring text = core::FromCp932(bytes);
  // The test runs over the file's bytes and one NUL behind them, as far as the first 101 go.
  bytes.push_back('\0');
  for (size_t i = 0; i < bytes.size() && i <= 100; ++i) {
    unsigned char byte = static_cast<unsigned char>(bytes[i]);
    bool textByte = byte == 0 || byte == 8 || byte == 9 || byte == 10 || byte == 13 || byte >= 32;
    if (!textByte) return text;
  }
  return text.substr(0, text.find(L'\0'));
}

}  // namespace tools
