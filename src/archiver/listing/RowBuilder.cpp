#include "archiver/listing/RowBuilder.h"

#include "core/Text.h"
#include "core/modPath.h"
#include "core/modShell.h"

namespace archiver::listing {

std::wstring SizeText(uint32_t size) {
  return size > 0 ? core::FormatNumber(static_cast<int64_t>(size), L"#,###") : L" ";
}

std::wstring PrintedSizeText(const std::wstring& printed) {
  if (printed.empty()) return L" ";
  auto number = core::ParseWholeNumber(printed);
  return number ? core::FormatNumber(*number, L"#,###") : printed;
}

std::wstring RatioText(double percent) { return core::FormatNumber(percent, L"##0.0") + L"%"; }

const std::wstring& RowBuilder::TypeText(const std::wstring& extension) {
  static const std::wstring kFolder = L"ファイル フォルダ";
  if (core::Trim(extension).empty()) return kFolder;
  auto [it, added] = typeNames_.try_emplace(extension);
  if (added) it->second = core::GetFileTypeName(extension);
  return it->second;
}

void RowBuilder::Add(const std::wstring& name, const std::array<std::wstring, 7>& rest) {
  const std::wstring extension = core::GetExtension(name, false);
  const std::wstring key = GetIconKey(icons_, 7, L"", extension, 0);
  rows.emplace_back(name,
                    std::array<std::wstring_view, 8>{TypeText(extension), rest[0], rest[1], rest[2], rest[3], rest[4],
                                                     rest[5], rest[6]},
                    key);
}

void RowBuilder::Expect(int32_t count) {
  // A count the library reports is only a guess at the memory to take; a wild one is not believed.
  constexpr int32_t kMostReserved = 1 << 20;
  if (count > 0) rows.reserve(static_cast<size_t>(count < kMostReserved ? count : kMostReserved));
}

void RowBuilder::Progress(int32_t done, int32_t count) {
  if (count > 0) progress_.Progress(static_cast<float>(done) / static_cast<float>(count), false);
}

void RowBuilder::ReadFailed(const std::wstring& path) {
  progress_.Failed(L"書庫ファイル \"" + core::GetFileNamePart(path) + L"\" の読み込みに失敗しました", true);
}

}  // namespace archiver::listing
