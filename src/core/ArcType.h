#pragma once
// The two names of an archive type: the index the user picks by, and the name every command branches on.
#include <cstdint>
#include <functional>
#include <string>

namespace core {

// Fixed order: indexes Settings.PackType, Settings.ClassesArcType, the type menus and the option tabs.
enum ArcTypeIndex : int16_t {
  ArcTypeLzh = 0,
  ArcTypeZip = 1,
  ArcTypeCab = 2,
  ArcTypeArj = 3,
  ArcTypeTar = 4,
  ArcTypeIsh = 5,
  ArcTypeRar = 6,
  ArcTypeYz1 = 7,
  ArcTypeAce = 8,
  ArcTypeJar = 9,
  ArcTypeBga = 10,
  ArcTypeGca = 11,
  ArcTypeBel = 12,
  ArcType7z = 13,
  ArcTypeImp = 14,
  ArcTypeYz2 = 15,
  ArcTypeBh = 16,
};
constexpr int kArcTypeCount = 17;

// Name of the type with that index; "LZH" for 0 and for anything outside 0..16.
std::wstring GetArcTypeName(int index);

// Type name ("LZH", "TGZ", ...) from the last extension of the path's file name; "" when none.
// An ".EXE" is typed by its content through the detector installed with SetArcTypeDetector.
std::wstring GetArcTypeByExt(const std::wstring& path);

// Types an ".EXE" by its content (a type name or ""). Until the archiver catalogue installs one, every
// ".EXE" has no type. Returns the previous detector; an empty function restores "no type".
using ArcTypeDetector = std::function<std::wstring(const std::wstring& path)>;
ArcTypeDetector SetArcTypeDetector(ArcTypeDetector detector);

}  // namespace core
