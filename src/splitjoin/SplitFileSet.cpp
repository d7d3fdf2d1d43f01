#include "splitjoin/SplitFileSet.h"

#include "core/CmdQuote.h"
#include "core/Text.h"

namespace splitjoin {

std::wstring GetFileNameOnly(const std::wstring& path) {
  size_t slash = path.rfind(L'\\');
  return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

std::wstring GetPieceBaseName(const std::wstring& name) { return name.substr(0, name.find(L'.')); }

std::wstring PieceStem(const std::wstring& sourcePath) {
  std::wstring stem = GetPieceBaseName(GetFileNameOnly(sourcePath));
  if (stem.empty() || stem.back() != L'.') stem += L'.';
  return stem;
}

std::wstring PieceName(const std::wstring& stem, uint64_t number) {
  return stem + core::PadNumber(static_cast<int64_t>(number), 3);
}

uint64_t PieceCount(uint64_t size, uint64_t pieceSize) {
  if (pieceSize == 0) return 1;
  uint64_t count = size / pieceSize + (size % pieceSize != 0 ? 1 : 0);
  return count < 1 ? 1 : count;
}

std::wstring RangeLabel(uint64_t count) {
  std::wstring last = core::PadNumber(static_cast<int64_t>(count), 3);
  return count > 1 ? L"*.001～*." + last : L"*." + last;
}

std::wstring FullWidthNumber(uint64_t value) {
  std::wstring digits = std::to_wstring(value);
  for (auto& c : digits) c = static_cast<wchar_t>(c - L'0' + L'０');
  return digits;
}

std::optional<std::string> BuildJoinInfo(uint64_t count, const std::wstring& sourceName) {
  return core::ToCp932Exact(core::PadNumber(static_cast<int64_t>(count), 3) + L"\r\n" + sourceName + L"\r\n");
}

// "copy" reads "+" as joining files, so a name holding one is quoted too.
std::wstring CmdArgument(const std::wstring& name) { return core::CmdQuoteArgument(name, L"+"); }

std::optional<std::string> BuildJoinBatch(const std::wstring& sourceName, uint64_t count) {
  const std::wstring stem = PieceStem(sourceName);
  const std::wstring target = CmdArgument(sourceName);
  std::wstring text = L"@echo off\r\n"
                      L"echo 連結用バッチファイル\r\n"
                      L"echo " + core::CmdEchoText(sourceName) + L"を復元します\r\n"
                      L"echo 連結中．．．\r\n";
  text += L"copy /b " + CmdArgument(PieceName(stem, 1)) + L" " + target + L"\r\n";
  for (uint64_t k = 2; k <= count; ++k)
    text += L"copy /b " + target + L"+" + CmdArgument(PieceName(stem, k)) + L" " + target + L"\r\n";
  text += L"echo 連結終了しました\r\n";
  return core::ToCp932Exact(text);
}

}  // namespace splitjoin
