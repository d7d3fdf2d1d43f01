#include "core/ArcType.h"

#include <utility>

#include "core/ArcCatalogue.h"
#include "core/Text.h"
#include "core/modPath.h"

namespace core {
namespace {

ArcTypeDetector& Detector() {
  static ArcTypeDetector detector;
  return detector;
}

// RAR volumes: a range of the text by character codes, so ".R5" and ".R0A" count while ".R" does not.
bool IsRarVolumeExt(const std::wstring& ext) { return ext >= L".R00" && ext <= L".R99"; }

}  // namespace

std::wstring GetArcTypeName(int index) {
  const ArcTypeRow* row = ArcTypeAt(index);
  return row ? row->name : ArcTypeAt(ArcTypeLzh)->name;
}

std::wstring GetArcTypeByExt(const std::wstring& path) {
  std::wstring ext = UCase(GetExtension(GetFileNamePart(path), false));
  if (ext.empty() || ext[0] != L'.') return std::wstring();
  if (ext == L".EXE") return Detector() ? Detector()(path) : std::wstring();
  // No extension belongs to two types, so the order of the rows decides nothing.
  for (const ArcTypeRow& row : ArcCatalogue())
    for (const wchar_t* known : row.extensions)
      if (ext == known) return row.name;
  if (IsRarVolumeExt(ext)) return ArcTypeAt(ArcTypeRar)->name;
  return std::wstring();
}

ArcTypeDetector SetArcTypeDetector(ArcTypeDetector detector) { return std::exchange(Detector(), std::move(detector)); }

}  // namespace core
