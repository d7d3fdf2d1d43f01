#pragma once
// The main program's persisted options, one member per key of "Tolvenar.ini". LoadSettings fills every
// member once at start (a missing or empty key takes its default); SaveSettings writes them all back.
// Members keep the names of their keys; a name that begins with a digit ("7Z_Solid") gets a leading "_".
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace core {

struct SettingsStore {
  // [Option]
  std::wstring WindowLeft, WindowTop, WindowWidth, WindowHeight, ViewMode, SplitBar, OpenFolder, PackType;
  std::wstring SplashLogo, NeverTop, Log, Message, AllSelect, IconDrop;
  std::wstring UnpackDefaultFlag, UnpackDefault, SaveDefaultFlag, SaveDefault, PackDefaultFlag, PackDefault;
  std::wstring ArcDefaultFlag, ArcDefault, Editor, Viewer, UnlhaWorkFolderFlag, UnlhaWorkFolder, WorkFolder;
  std::wstring FileHistory, EscEnd, FolderByArc, UnPackExp, UnPackDialog;
  std::wstring SendTo, DeskTop, QuickMenu, QuickCompress, OpenPackn, Classes, ClassesArcType;
  std::wstring RetuKotei, Grid, FontSize, FontName, Font, SystemColor, UnPackToRun, SortIndex, SortFlag;
  std::wstring PackAfter, PackKobetsu;
  std::wstring TemplateWindowLeft, TemplateWindowTop, TemplateWindowWidth, TemplateWindowHeight;
  // Colours as the window system's colour values.
  int32_t BackColor = 0;
  int32_t ForeColor = 0;
  // Recent archives, newest first, from index 0; never empty.
  std::vector<std::wstring> History{L""};
  // Widths of the nine list columns in twips.
  std::array<std::wstring, 9> RetuColumn;
  // Extraction folders and raw command lines, newest first, used from index 1 (index 0 stays empty).
  std::vector<std::wstring> ArcDown{L""};
  std::vector<std::wstring> ArcCommand{L""};

  // [LZH_Option]
  std::wstring LZH_ArcType, LZH_HeadType, LZH_FileOpt, LZH_SFX, LZH_SFXEnglish, LZH_SFXName, LZH_SFXCapital;
  std::wstring LZH_Broken, LZH_Attribute, LZH_NewArc, LZH_SpaceFolder, LZH_AllStatus, LZH_ErrSkip, LZH_MakeSFX;
  std::wstring LZH_SFXgya, LZH_SFXgyc, LZH_SFXgyd, LZH_SFXgydCommand, LZH_SFXgye, LZH_SFXgyeCommand;
  std::wstring LZH_SFXgyo, LZH_SFXgyq, LZH_SFXgys, LZH_SFXgyt, LZH_SFXgytCommand, LZH_SFXgyw, LZH_SFXgywCommand;
  std::wstring LZH_SFXgyx;
  // [ZIP_Option]
  std::wstring ZIP_ArcTypeOpt, ZIP_FileOpt, ZIP_Attribute, ZIP_EnterConvert, ZIP_Convert, ZIP_Encrypt;
  std::wstring ZIP_MakeSFX, ZIP_NoKekka;
  // [CAB_Option]
  std::wstring CAB_Multi, CAB_SizeManual, CAB_MultiSize, CAB_MultiFile, CAB_ArcType, CAB_ArcTypeOpt;
  std::wstring CAB_FileOpt, CAB_MakeSFX, CAB_NoPack, CAB_NoPackFilter;
  // [ARJ_Option]
  std::wstring ARJ_FileOpt, ARJ_Broken, ARJ_AllStatus, ARJ_ArcType, ARJ_MakeSFX;
  // [TAR_Option]
  std::wstring TAR_ArcType, TAR_ArcTypeOpt, TAR_MakeSFX;
  // [ISH_Option]
  std::wstring ISH_Mode, ISH_OS;
  // [RAR_Option]
  std::wstring RAR_ArcType, RAR_FileOpt, RAR_Dictionary, RAR_Solid, RAR_Multimedia, RAR_Shared, RAR_MakeSFX;
  std::wstring RAR_Volume, RAR_VolumeName;
  // [YZ1_Option]
  std::wstring YZ1_MakeSFX, YZ1_Pass, YZ1_PassDefault;
  // [ACE_Option]
  std::wstring ACE_FileOpt, ACE_ArcTypeOpt, ACE_Solid, ACE_MakeSFX;
  // [JAR_Option]
  std::wstring JAR_FileOpt, JAR_ArcType, JAR_NewArc;
  // [BGA_Option]
  std::wstring BGA_ArcType, BGA_Level, BGA_FileOpt, BGA_Attribute, BGA_MakeSFX;
  // [GCA_Option]
  std::wstring GCA_ArcType, GCA_ArcOpt, GCA_Pass, GCA_PassType, GCA_PassKeyFile, GCA_PassDefault;
  // [7Z_Option]
  std::wstring _7Z_Solid, _7Z_ArcHead, _7Z_FileOpt, _7Z_MakeSFX, _7Z_MakeSFXType, _7Z_ArcMode, _7Z_Pass;
  std::wstring _7Z_PassDefault, _7Z_ArcType;
  // [IMP_Option]
  std::wstring IMP_Attribute, IMP_AllStatus;
  // [YZ2_Option]
  std::wstring YZ2_MakeSFX, YZ2_Pass, YZ2_PassDefault, YZ2_BuffaSize, YZ2_Ppm, YZ2_MultiThread;
  // [BH_Option]
  std::wstring BH_FileOpt, BH_Attribute, BH_HiddenFolder, BH_NewArc, BH_SpaceFolder, BH_Level, BH_Pass;
  std::wstring BH_PassDefault, BH_MakeSFX;
  // [COM_Option]
  std::wstring COM_FolderYuko, COM_Folder, COM_OverWtite, COM_NewFile, COM_MakeFolder;

  bool operator==(const SettingsStore&) const = default;
};

// The program's one set of settings.
extern SettingsStore Settings;

// Fills every member from the settings file; a missing or empty key takes its default. When [ZIP_Option]
// "NoKekka" is missing it also sets the unzip32 library's registry value "ShowResult" to -1. Reports nothing.
void LoadSettings();
// Writes every member to the settings file in the fixed key order. Reports nothing.
void SaveSettings();

// Where the defaults that depend on the machine come from. Tests install a fake with SetSettingsPlaces.
struct SettingsPlaces {
  std::wstring programFolder;  // without a trailing "\"
  std::wstring desktopFolder;  // with a trailing "\"
  std::wstring tempFolder;     // with a trailing "\"; "" when the system gives none
  int64_t screenWidthTwips = 0;
  int64_t screenHeightTwips = 0;
};

class SettingsPlacesSeam {
 public:
  virtual ~SettingsPlacesSeam() = default;
  virtual SettingsPlaces Places() = 0;
};

SettingsPlacesSeam& SettingsPlacesSource();
// Installs a replacement (nullptr = the real machine) and returns the one installed before.
SettingsPlacesSeam* SetSettingsPlaces(SettingsPlacesSeam* seam);

// The unzip32 library's switch that LoadSettings sets when [ZIP_Option] "NoKekka" is missing, under
// HKEY_CURRENT_USER. Tests point the key elsewhere ("" gives the library's own key back): every test program
// that loads settings writes the real one.
extern const wchar_t kUnzipSettingsKey[];
extern const wchar_t kUnzipShowResultValue[];
const std::wstring& UnzipSettingsKey();
void SetUnzipSettingsKey(const std::wstring& subKey);

// Highest index of the recent-archive list: Settings.FileHistory as a whole number within 0 to 99 (15 when
// it is not one), so the two-digit [History] keys never repeat.
int HistoryLimit(const std::wstring& fileHistory);

}  // namespace core
