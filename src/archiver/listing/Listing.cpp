#include "archiver/listing/Listing.h"
#include "archiver/listing/Readers.h"

namespace archiver::listing {

EntryRow::EntryRow(std::wstring_view name, const std::array<std::wstring_view, 8>& sub, std::wstring_view iconKey) {
  size_t length = name.size() + iconKey.size();
  for (std::wstring_view text : sub) length += text.size();
  texts_.reserve(length);
  auto append = [this](size_t part, std::wstring_view text) {
    starts_[part] = static_cast<uint32_t>(texts_.size());
    texts_.append(text);
  };
  append(0, name);
  for (size_t k = 0; k < sub.size(); ++k) append(k + 1, sub[k]);
  append(9, iconKey);
  starts_[10] = static_cast<uint32_t>(texts_.size());
}

void EntryRow::SetName(std::wstring_view name) {
  const std::wstring rest = texts_.substr(starts_[1]);
  const uint32_t shift = static_cast<uint32_t>(name.size()) - starts_[1];
  texts_.assign(name);
  texts_.append(rest);
  for (size_t part = 1; part < starts_.size(); ++part) starts_[part] += shift;
}

EntryRows ReadArcList(const core::ArcTypeRow& type, std::wstring& path, bool yz1Flag, EntryIcons& icons,
                      ListingProgress& progress) {
  RowBuilder rows(icons, progress);
  switch (type.listing) {
    case core::ListingRule::Library:
      ReadLibraryList(rows, type, path);
      break;
    case core::ListingRule::Zip:
      ReadArcListZip(rows, path);
      break;
    case core::ListingRule::Tar:
      ReadArcListTar(rows, path);
      break;
    case core::ListingRule::Yz1:
      ReadArcListYz1(rows, path, yz1Flag);
      break;
    case core::ListingRule::Yz2:
      ReadArcListYz2(rows, path);
      break;
    case core::ListingRule::Bel:
      ReadArcListBel(rows, path);
      break;
    case core::ListingRule::Ace:
      ReadArcListAce(rows, path);
      break;
    case core::ListingRule::Jar:
      ReadArcListJar(rows, path);
      break;
    case core::ListingRule::Ish:
      ReadArcListIsh(rows, path);
      break;
  }
  return std::move(rows.rows);
}

}  // namespace archiver::listing
