// The switches of each type's creation command, piece by piece in the order the archivers read them.
#include "core/SettingValues.h"
#include "core/Text.h"
#include "core/modPath.h"
#include "operations/CreateCommands.h"

namespace operations {

namespace {

using core::IsOn;
using core::PathMode;
using core::SettingsStore;

// Switches growing left to right: the first piece sets them, every later one follows one blank.
class Switches {
 public:
  explicit Switches(std::wstring first) : text_(std::move(first)) {}
  Switches& Add(const std::wstring& piece) {
    text_ += L" " + piece;
    return *this;
  }
  Switches& AddIf(bool condition, const std::wstring& piece) { return condition ? Add(piece) : *this; }
  // Appended without a blank.
  Switches& Join(const std::wstring& piece) {
    text_ += piece;
    return *this;
  }
  std::wstring Text() const { return text_; }

 private:
  std::wstring text_;
};

// The verb for adding, or for moving the files into the archive (character 2 of the file options).
std::wstring AddOrMove(const std::wstring& fileOpt, const wchar_t* add, const wchar_t* move) {
  return core::FlagIs(fileOpt, 2, L'0') ? add : move;
}

// The work folder of the libraries, behind `prefix`, when one is chosen.
std::optional<std::wstring> WorkFolderSwitch(const SettingsStore& s, const wchar_t* prefix) {
  const std::wstring folder = core::Trim(s.UnlhaWorkFolder);
  if (!core::IsExactlyOn(s.UnlhaWorkFolderFlag) || folder.empty()) return std::nullopt;
  return core::QuotePath(prefix + folder);
}

Switches& AddWorkFolder(Switches& switches, const SettingsStore& s, const wchar_t* prefix) {
  if (auto piece = WorkFolderSwitch(s, prefix)) switches.Add(*piece);
  return switches;
}

std::wstring Lzh(const SettingsStore& s, const CreateInput& in, PathMode paths) {
  Switches w(AddOrMove(s.LZH_FileOpt, L"u", L"m"));
  w.Add(L"-jm" + s.LZH_ArcType).Add(L"-h" + s.LZH_HeadType).Add(IsOn(s.LZH_Attribute) ? L"-a1" : L"-a0");
  w.AddIf(IsOn(s.LZH_NewArc), L"-t1").AddIf(IsOn(s.LZH_SpaceFolder), L"-d1");
  if (in.named)
    w.Add(in.recurse ? L"-x1 -r2" : L"-r0");
  else if (paths == PathMode::None)
    w.Add(in.recurse ? L"-x1 -r2" : L"-x0 -r0");
  else if (core::KeepsPaths(paths))
    w.Add(L"-x1 -r2");
  w.AddIf(core::FlagIs(s.LZH_FileOpt, 1, L'1'), L"-jn1").AddIf(core::FlagIs(s.LZH_FileOpt, 3, L'1'), L"-ji1");
  w.AddIf(IsOn(s.LZH_ErrSkip), L"-jss1");
  return AddWorkFolder(w, s, L"-w").Text();
}

std::wstring Zip(const SettingsStore& s, const CreateInput& in, PathMode paths) {
  const std::wstring pathSwitch = paths == PathMode::None ? L"-j" : core::KeepsPaths(paths) ? L"-r" : L"";
  Switches w(L"");
  if (in.named) {
    w = Switches(in.recurse ? L"-r" : L"-j");
  } else if (core::FlagIs(s.ZIP_FileOpt, 2, L'0')) {
    w = Switches(pathSwitch);
  } else {
    w = Switches(L"-m");
    w.AddIf(!pathSwitch.empty(), pathSwitch);
  }
  w.AddIf(IsOn(s.ZIP_Attribute), L"-S").Add(L"-" + s.ZIP_ArcTypeOpt).Add(L"-v");
  w.AddIf(core::FlagIs(s.ZIP_FileOpt, 3, L'1'), L"-k");
  if (IsOn(s.ZIP_EnterConvert)) w.Add(IsOn(s.ZIP_Convert) ? L"-ll" : L"-l");
  return w.AddIf(IsOn(s.ZIP_Encrypt), L"-e").Text();
}

std::wstring Cab(const SettingsStore& s, const CreateInput& in) {
  static const wchar_t* const kVolumeSizes[] = {L"-v:634", L"-v:713", L"-v:1221", L"-v:1423"};
  Switches w(L"-a");
  w.AddIf(in.folderSource, L"-r");
  if (IsOn(s.CAB_Multi)) {
    // The four floppy sizes, then one of the user's own.
    if (const std::optional<int> size = core::ChoiceIndex(s.CAB_MultiSize, 0, 4))
      w.Add(*size < 4 ? std::wstring(kVolumeSizes[*size]) : L"-v:" + s.CAB_SizeManual);
  }
  const core::CabMethod method = core::CabMethodOf(s.CAB_ArcType);
  w.AddIf(method == core::CabMethod::MsZip, L"-mz").AddIf(method == core::CabMethod::Lzx, L"-ml:" + s.CAB_ArcTypeOpt);
  w.AddIf(method == core::CabMethod::Stored, L"-ms").AddIf(core::IsExactlyOn(s.CAB_FileOpt), L"-q");
  // cab32 takes the no-compression filter from 0.90 on; the options keep it for a newer library.
  w.AddIf(core::IsExactlyOn(s.CAB_NoPack) && !s.CAB_NoPackFilter.empty() && in.cabVersion >= 90,
          L"-zs" + s.CAB_NoPackFilter);
  // Older cab libraries do not know the switch; the folder goes as it is set, untrimmed.
  if (WorkFolderSwitch(s, L"") && in.cabVersion >= 93)
    w.Add(core::QuotePath(L"-h" + core::RemoveBackslash(s.UnlhaWorkFolder)));
  return w.Text();
}

std::wstring Tar(const SettingsStore& s, const CreateInput& in, PathMode paths) {
  Switches w(IsOn(s.TAR_MakeSFX) ? L"--self-extracting=1" : L"");
  const bool none = paths == PathMode::None;
  const bool flat = in.named ? (!in.recurse && paths != PathMode::Absolute) || (in.recurse && none) : none;
  w.AddIf(flat, L"--use-directory=0").Add(L"-cvf");
  const core::TarCompression compression = core::TarCompressionOf(s.TAR_ArcType);
  if (compression == core::TarCompression::Gzip) w.Join(L"z" + s.TAR_ArcTypeOpt);
  if (compression == core::TarCompression::Bzip2) w.Join(L"B" + s.TAR_ArcTypeOpt);
  return w.Text();
}

std::wstring Ish(const SettingsStore& s) {
  static const wchar_t* const kModes[] = {L"/ss", L"/s", L"/s7", L"/sn"};
  static const wchar_t* const kSystems[] = {L"/m", L"/u", L"/c", L"/9", L"/?", L"/*"};
  const std::optional<int> mode = core::ChoiceIndex(s.ISH_Mode, 0, 3);
  Switches w(mode ? kModes[*mode] : L"");
  if (const std::optional<int> system = core::ChoiceIndex(s.ISH_OS, 0, 5)) w.Add(kSystems[*system]);
  return w.Text();
}

std::wstring Yz1(const SettingsStore& s, PathMode paths) {
  static const wchar_t* const kPaths[] = {L"-r0", L"-r1", L"-r2"};  // by PathMode None, Relative, Absolute
  Switches w(L"c");
  if (paths != PathMode::Unknown) w.Add(kPaths[static_cast<int>(paths)]);
  return w.AddIf(IsOn(s.YZ1_Pass), L"-p" + s.YZ1_PassDefault).Text();
}

std::wstring Bga(const SettingsStore& s, PathMode paths) {
  Switches w(AddOrMove(s.BGA_FileOpt, L"a", L"m"));
  w.Add(core::BgaMethodOf(s.BGA_ArcType) == core::BgaMethod::Gzip ? L"-m1" : L"-m2")
      .Add(L"-l" + s.BGA_Level)
      .AddIf(IsOn(s.BGA_Attribute), L"-a");
  return w.AddIf(core::KeepsPaths(paths), L"-r").AddIf(core::FlagIs(s.BGA_FileOpt, 1, L'1'), L"-n").Text();
}

std::wstring SevenZip(const SettingsStore& s, const CreateInput& in, PathMode paths) {
  Switches w(AddOrMove(s._7Z_FileOpt, L"u", L"m"));
  w.AddIf(core::FlagIs(s._7Z_FileOpt, 1, L'1'), L"-u").AddIf(paths == PathMode::None, L"-r-");
  w.AddIf(core::KeepsPaths(paths), L"-r");
  if (core::SevenZipFormatOf(s._7Z_ArcType) == core::SevenZipFormat::SevenZip) {
    w.Add(L"-t7z");
    if (IsOn(s._7Z_MakeSFX)) {
      const std::wstring module = SevenZipSfxModule(s);
      if (module.empty() || in.sevenZipModulePresent) w.Add(L"-sfx" + module);
    }
    w.Add(IsOn(s._7Z_Solid) ? L"-ms=on" : L"-ms=off").Add(IsOn(s._7Z_ArcHead) ? L"-mhc=on" : L"-mhc=off");
    w.AddIf(!core::FlagIs(s._7Z_ArcMode, 2, L'0'), L"-mx");
  } else {
    w.Add(L"-tzip");
  }
  return AddWorkFolder(w, s, L"-w").Text();
}

std::wstring Yz2(const SettingsStore& s) {
  Switches w(L"f -c -j -m");
  w.AddIf(IsOn(s.YZ2_Pass), L"-p" + s.YZ2_PassDefault).Add(L"-b" + s.YZ2_BuffaSize).AddIf(IsOn(s.YZ2_Ppm), L"-t");
  // The second multi-thread kind is written without its dash.
  const core::Yz2Threads threads = core::Yz2ThreadsOf(s.YZ2_MultiThread);
  w.AddIf(threads == core::Yz2Threads::TypeA, L"-ma").AddIf(threads == core::Yz2Threads::TypeB, L"mb");
  return w.AddIf(IsOn(s.YZ2_MakeSFX), L"-s").Text();
}

std::wstring Bh(const SettingsStore& s, const CreateInput& in, PathMode paths) {
  static const wchar_t* const kLevels[] = {L"-ms", L"-mf", L"-mds", L"-mdf", L"-mdn"};
  Switches w(AddOrMove(s.BH_FileOpt, L"a", L"m"));
  w.Add(IsOn(s.BH_Attribute) ? L"-a1" : L"-a0").AddIf(IsOn(s.BH_HiddenFolder), L"-h1");
  // Levels 1 to 5 each name their method; 6 and any other text take "-mdx".
  const std::optional<int> level = core::ChoiceIndex(s.BH_Level, 1, 5);
  w.Add(level ? kLevels[*level - 1] : L"-mdx").AddIf(IsOn(s.BH_NewArc), L"-t1").AddIf(IsOn(s.BH_SpaceFolder), L"-sd1");
  if (in.named || paths == PathMode::None)
    w.Add(in.recurse ? L"-d1 -r1" : L"-d0 -r0");
  else if (core::KeepsPaths(paths))
    w.Add(L"-d1 -r1");
  if (IsOn(s.BH_Pass)) w.Add(s.BH_PassDefault.empty() ? L"-p" : L"-p=" + s.BH_PassDefault);
  return AddWorkFolder(w, s, L"-w=").Text();
}

std::wstring Arj(const SettingsStore& s, const CreateInput& in, PathMode paths) {
  Switches w(AddOrMove(s.ARJ_FileOpt, L"a -a", L"m -a"));
  w.AddIf(IsOn(s.ARJ_MakeSFX), L"-je1").AddIf(core::FlagIs(s.ARJ_FileOpt, 1, L'1'), L"-u").Add(L"-m" + s.ARJ_ArcType);
  if (in.named)
    w.Add(in.recurse ? L"-e1 -r" : L"-e");
  else if (paths == PathMode::None)
    w.Add(L"-e");
  else if (paths == PathMode::Relative)
    w.Add(in.listHoldsFolder ? L"-e1 -r" : L"-e1");
  return w.Text();
}

std::wstring Rar(const SettingsStore& s, const CreateInput& in, PathMode paths) {
  Switches w(AddOrMove(s.RAR_FileOpt, L"a", L"m"));
  if ((in.named && in.recurse) || (!in.named && in.folderSource)) {
    // A folder listed as its contents leaves no base folder: the names drop the folder's path.
    const bool contents = in.folderSource && in.baseFolder.empty();
    if (paths == PathMode::Relative && (contents || !in.baseFolder.empty()))
      w.Add(contents ? L"-ep1 -r" : L"-ep1 -r " + core::QuotePath(L"-ap" + in.baseFolder));
    else
      w.Add(L"-r");
  }
  w.AddIf(in.named && !in.recurse, L"-ep");
  w.AddIf(!in.named && !in.folderSource && (paths == PathMode::None || paths == PathMode::Relative), L"-ep");
  w.AddIf(core::FlagIs(s.RAR_FileOpt, 1, L'1'), L"-u").Add(L"-m" + s.RAR_ArcType).Add(L"-md" + s.RAR_Dictionary);
  w.AddIf(IsOn(s.RAR_Volume), L"-v" + s.RAR_Volume).AddIf(IsOn(s.RAR_Solid), L"-s");
  return w.AddIf(IsOn(s.RAR_Multimedia), L"-mm").AddIf(IsOn(s.RAR_Shared), L"-dh").Text();
}

std::wstring Ace(const SettingsStore& s, const CreateInput& in, PathMode paths) {
  Switches w(AddOrMove(s.ACE_FileOpt, L"a", L"m"));
  w.AddIf((in.named && !in.recurse) || (!in.named && !in.folderSource && paths == PathMode::None), L"-ep");
  // A folder listed as its contents leaves no base folder: the names drop the folder's path.
  w.AddIf(in.folderSource && in.baseFolder.empty() && paths == PathMode::Relative, L"-ep1");
  return w.AddIf(IsOn(s.ACE_Solid), L"-s").Add(L"-m" + s.ACE_ArcTypeOpt).Text();
}

std::wstring Jar(const SettingsStore& s, const CreateInput& in, PathMode paths) {
  Switches w(AddOrMove(s.JAR_FileOpt, L"a", L"m"));
  if (in.named)
    w.Add(in.recurse ? L"-jf -r" : L"-jf-");
  else
    w.AddIf(paths == PathMode::None, L"-jf-").AddIf(paths == PathMode::Relative, L"-jf -r");
  w.AddIf(core::FlagIs(s.JAR_FileOpt, 1, L'1'), L"-u").Add(L"-m" + s.JAR_ArcType);
  return w.AddIf(IsOn(s.JAR_NewArc), L"-s").Text();
}

std::wstring Gca(const SettingsStore& s, const CreateInput& in) {
  static const wchar_t* const kModes[] = {L"a", L"n", L"s"};
  Switches w(kModes[static_cast<int>(core::GcaModeOf(s.GCA_ArcType))]);
  w.AddIf(!core::FlagIs(s.GCA_ArcOpt, 1, L'0'), L"-v").AddIf(!core::FlagIs(s.GCA_ArcOpt, 2, L'0'), L"-h");
  if (IsOn(s.GCA_Pass)) {
    const core::GcaPassSource source = core::GcaPassSourceOf(s.GCA_PassType);
    w.AddIf(source == core::GcaPassSource::Prompt, L"-p" + in.password);
    w.AddIf(source == core::GcaPassSource::KeyFile, core::QuotePath(L"-k" + s.GCA_PassKeyFile));
  }
  return w.Text();
}

std::wstring TypeSwitches(const SettingsStore& s, const core::ArcTypeRow& row, const CreateInput& in, PathMode paths) {
  switch (row.index) {
    case core::ArcTypeLzh:
      return Lzh(s, in, paths);
    case core::ArcTypeZip:
      return Zip(s, in, paths);
    case core::ArcTypeCab:
      return Cab(s, in);
    case core::ArcTypeArj:
      return Arj(s, in, paths);
    case core::ArcTypeTar:
      return Tar(s, in, paths);
    case core::ArcTypeIsh:
      return Ish(s);
    case core::ArcTypeRar:
      return Rar(s, in, paths);
    case core::ArcTypeYz1:
      return Yz1(s, paths);
    case core::ArcTypeAce:
      return Ace(s, in, paths);
    case core::ArcTypeJar:
      return Jar(s, in, paths);
    case core::ArcTypeBga:
      return Bga(s, paths);
    case core::ArcTypeGca:
      return Gca(s, in);
    case core::ArcType7z:
      return SevenZip(s, in, paths);
    case core::ArcTypeYz2:
      return Yz2(s);
    case core::ArcTypeBh:
      return Bh(s, in, paths);
    default:
      return L"";
  }
}

}  // namespace

std::wstring CreationSwitches(const SettingsStore& s, const core::ArcTypeRow& row, const CreateInput& in) {
  // What lies in a folder keeps its path below the folder even where no path names are asked for: the list
  // names the folder's contents or the items relative to their folder (ListFiles), and the switches are
  // those of relative path names.
  const PathMode chosen = core::PathModeOf(s.COM_Folder);
  return TypeSwitches(s, row, in, in.folderSource && chosen == PathMode::None ? PathMode::Relative : chosen);
}

std::wstring SevenZipSfxModule(const SettingsStore& s) {
  static const wchar_t* const kModules[] = {L"7z.sfx", L"7zC.sfx", L"7zS.sfx", L"7zSD.sfx"};
  // "4", the library's own module, and any other text name none.
  const std::optional<int> module = core::ChoiceIndex(s._7Z_MakeSFXType, 0, 3);
  return module ? kModules[*module] : L"";
}

}  // namespace operations
