#pragma once
// The listing readers, each adding one row per entry to `rows` or telling its reading failure; ReadArcList
// picks one by the rule of the archive's catalogue row.
#include <string>

#include "archiver/listing/RowBuilder.h"
#include "core/ArcCatalogue.h"

namespace archiver::listing {

// The reader frame over the row's library with the row's decisions.
void ReadLibraryList(RowBuilder& rows, const core::ArcTypeRow& type, const std::wstring& path);
// The frame with a step of its own.
void ReadArcListTar(RowBuilder& rows, const std::wstring& path);
void ReadArcListYz1(RowBuilder& rows, const std::wstring& path, bool yz1Flag);
void ReadArcListYz2(RowBuilder& rows, const std::wstring& path);
void ReadArcListBel(RowBuilder& rows, const std::wstring& path);
// ZIP through unzip32's enumeration calls from version 80 on, through its printed "-l" list below.
void ReadArcListZip(RowBuilder& rows, const std::wstring& path);
// Printed listings. The ISH reader turns `path` into the archive's short path.
void ReadArcListAce(RowBuilder& rows, const std::wstring& path);
void ReadArcListJar(RowBuilder& rows, const std::wstring& path);
void ReadArcListIsh(RowBuilder& rows, std::wstring& path);

}  // namespace archiver::listing
