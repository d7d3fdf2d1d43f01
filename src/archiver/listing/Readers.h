#pragma once
// The listing readers, one per archive type. Each adds one row per entry to the installed entry list or
// shows its reading failure; they are called by LoadArcContents.
#include <string>

namespace archiver::listing {

void ReadArcListLzh(std::wstring& path);
void ReadArcListZip(std::wstring& path);
void ReadArcListCab(std::wstring& path);
void ReadArcListArj(std::wstring& path);
void ReadArcListTar(std::wstring& path);
void ReadArcListIsh(std::wstring& path);
void ReadArcListRar(std::wstring& path);
void ReadArcListYz1(std::wstring& path, bool& yz1Flag);
void ReadArcListAce(std::wstring& path);
void ReadArcListJar(std::wstring& path);
void ReadArcListBga(std::wstring& path);
void ReadArcListGca(std::wstring& path);
void ReadArcListBel(std::wstring& path);
void ReadArcList7z(std::wstring& path);
void ReadArcListImp(std::wstring& path);
void ReadArcListYz2(std::wstring& path);
void ReadArcListBh(std::wstring& path);

}  // namespace archiver::listing
