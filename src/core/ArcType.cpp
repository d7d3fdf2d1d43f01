#include "core/ArcType.h"

#include <utility>

#include "core/Text.h"
#include "core/modPath.h"

namespace core {
namespace {

const wchar_t* const kNames[kArcTypeCount] = {L"LZH", L"ZIP", L"CAB", L"ARJ", L"TAR", L"ISH", L"RAR", L"YZ1", L"ACE",
                                              L"JAR", L"BGA", L"GCA", L"BEL", L"7Z",  L"IMP", L"YZ2", L"BH"};

struct ExtRule {
  const wchar_t* ext;
  const wchar_t* type;
};

// Tested in this order; ".EXE" and the RAR volume range are handled around the table.
const ExtRule kRules[] = {
    {L".LZH", L"LZH"}, {L".LZS", L"LZH"}, {L".ZIP", L"ZIP"}, {L".CAB", L"CAB"}, {L".ARJ", L"ARJ"}, {L".TAR", L"TAR"},
    {L".TAZ", L"TAR"}, {L".GZ", L"TAR"},  {L".Z", L"TAR"},   {L".TGZ", L"TGZ"}, {L".TBZ", L"TBZ"}, {L".BZ2", L"TBZ"},
    {L".RAR", L"RAR"}, {L".ISH", L"ISH"}, {L".YZ1", L"YZ1"}, {L".ACE", L"ACE"}, {L".J", L"JAR"},   {L".JAR", L"JAR"},
    {L".GZA", L"BGA"}, {L".BZA", L"BGA"}, {L".GCA", L"GCA"}, {L".BEL", L"BEL"}, {L".7Z", L"7Z"},   {L".IMP", L"IMP"},
    {L".YZ2", L"YZ2"}, {L".BH", L"BH"},
};

ArcTypeDetector& Detector() {
  static ArcTypeDetector detector;
  return detector;
}

// RAR volumes: a range of the text by character codes, so ".R5" and ".R0A" count while ".R" does not.
bool IsRarVolumeExt(const std::wstring& ext) { return ext >= L".R00" && ext <= L".R99"; }

}  // namespace

std::wstring GetArcTypeName(int index) {
  if (index < 0 || index >= kArcTypeCount) return kNames[ArcTypeLzh];
  return kNames[index];
}

std::wstring GetArcTypeByExt(const std::wstring& path) {
  std::wstring ext = UCase(GetExtension(GetFileNamePart(path), false));
  if (ext.empty() || ext[0] != L'.') return std::wstring();
  if (ext == L".EXE") return Detector() ? Detector()(path) : std::wstring();
  for (const auto& rule : kRules)
    if (ext == rule.ext) return rule.type;
  if (IsRarVolumeExt(ext)) return L"RAR";
  return std::wstring();
}

ArcTypeDetector SetArcTypeDetector(ArcTypeDetector detector) { return std::exchange(Detector(), std::move(detector)); }

}  // namespace core
