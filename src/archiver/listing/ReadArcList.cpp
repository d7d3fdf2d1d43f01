#include "archiver/listing/Listing.h"
#include "archiver/listing/Readers.h"

namespace archiver::listing {

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
