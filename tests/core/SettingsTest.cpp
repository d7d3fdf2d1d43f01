#include "core/Settings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SettingsFixture.h"
#include "core/Text.h"
#include "core/modIni.h"

namespace {

using settingstest::SettingsFixture;

std::vector<std::wstring> Lines(const std::wstring& text) {
  std::vector<std::wstring> lines;
  size_t start = 0;
  for (size_t end; (end = text.find(L'\n', start)) != std::wstring::npos; start = end + 1)
    lines.push_back(text.substr(start, end - start));
  lines.push_back(text.substr(start));
  return lines;
}

// Every key with its default in saving order, for the machine places of the fixture: program folder
// C:\Prog, desktop C:\Desk\, temp C:\Tmp\, screen 20475 x 15360 twips.
const wchar_t kDefaultFile[] = LR"([Option]
WindowLeft=500
WindowTop=500
WindowWidth=6765
WindowHeight=4170
ViewMode=3
SplitBar=1965
OpenFolder=C:\Prog\
PackType=0
SplashLogo=0
NeverTop=0
Log=1
Message=0
AllSelect=0
IconDrop=0
UnpackDefaultFlag=1
UnpackDefault=C:\Desk\
SaveDefaultFlag=1
SaveDefault=C:\Desk\
UnlhaWorkFolderFlag=0
UnlhaWorkFolder=
PackDefaultFlag=1
PackDefault=C:\Desk\
ArcDefaultFlag=1
ArcDefault=C:\Desk\
Editor=notepad.exe
Viewer=pbrush.exe
WorkFolder=C:\Tmp\
FileHistory=15
EscEnd=1
FolderByArc=1
UnPackExp=0
UnPackDialog=0
SendTo=0
DeskTop=0
QuickMenu=0
QuickCompress=0
OpenPackn=0
Classes=0
ClassesArcType=00000000000000000
RetuKotei=0
RetuColumn0=1440
RetuColumn1=1440
RetuColumn2=1440
RetuColumn3=1440
RetuColumn4=1440
RetuColumn5=1440
RetuColumn6=1440
RetuColumn7=1440
RetuColumn8=1440
Grid=0
BackColor=16777215
ForeColor=0
FontSize=9
FontName=ＭＳ Ｐゴシック
Font=0000
SystemColor=0
UnPackToRun=20
SortIndex=9
SortFlag=0
PackAfter=0
PackKobetsu=0
TemplateWindowLeft=6577.5
TemplateWindowTop=6060
TemplateWindowWidth=7320
TemplateWindowHeight=3240
[History]
00=
[LZH_Option]
ArcType=2
HeadType=2
FileOpt=000
SFX=2
SFXEnglish=0
SFXCapital=1
SFXName=
Broken=0
Attribute=1
NewArc=0
SpaceFolder=0
AllStatus=0
ErrSkip=1
MakeSFX=0
SFXgya=1
SFXgyc=0
SFXgyd=0
SFXgydCommand=
SFXgye=0
SFXgyeCommand=
SFXgyo=0
SFXgyq=0
SFXgys=0
SFXgyt=0
SFXgytCommand=
SFXgyw=0
SFXgywCommand=
SFXgyx=0
[ZIP_Option]
ArcTypeOpt=6
FileOpt=000
Attribute=1
EnterConvert=0
Convert=0
Encrypt=0
MakeSFX=0
NoKekka=1
[CAB_Option]
Multi=0
SizeManual=1423
MultiSize=3
MultiFile=NewCab
ArcType=0
ArcTypeOpt=21
FileOpt=0
MakeSFX=0
NoPack=0
NoPackFilter=*.lzh;*.zip;*.cab;*.jpg;*.jpeg;*.gif;
[ARJ_Option]
FileOpt=00
Broken=0
AllStatus=0
ArcType=1
MakeSFX=0
[TAR_Option]
ArcType=0
ArcTypeOpt=9
MakeSFX=0
[ISH_Option]
Mode=0
OS=0
[RAR_Option]
ArcType=3
FileOpt=00
Dictionary=256
Solid=0
Multimedia=0
Shared=0
MakeSFX=0
Volume=0
VolumeName=NewRar
[YZ1_Option]
MakeSFX=0
Pass=0
PassDefault=
[ACE_Option]
FileOpt=00
ArcTypeOpt=
Solid=0
MakeSFX=0
[JAR_Option]
FileOpt=00
ArcType=2
NewArc=0
[BGA_Option]
ArcType=0
Level=6
FileOpt=00
Attribute=1
MakeSFX=0
[GCA_Option]
ArcType=0
ArcOpt=00
Pass=0
PassType=0
PassKeyFile=
PassDefault=
[7Z_Option]
Solid=1
ArcHead=1
FileOpt=00
MakeSFX=0
MakeSFXType=0
ArcMode=01
Pass=0
PassDefault=
ArcType=7z
[IMP_Option]
Attribute=1
AllStatus=0
[YZ2_Option]
MakeSFX=0
Pass=0
PassDefault=
BuffaSize=8
Ppm=0
MultiThread=0
[BH_Option]
FileOpt=00
Attribute=1
HiddenFolder=0
NewArc=0
SpaceFolder=0
Level=5
Pass=0
PassDefault=
MakeSFX=0
[COM_Option]
FolderYuko=0
Folder=0
OverWtite=0
NewFile=0
MakeFolder=0)";

class SettingsTest : public SettingsFixture {};

TEST_F(SettingsTest, DefaultsAreSavedInKeyOrderInCodePage932) {
  core::LoadSettings();
  core::SaveSettings();
  EXPECT_EQ(IniLines(), Lines(kDefaultFile));
  const std::string bytes = IniBytes();
  EXPECT_NE(bytes.find(core::ToCp932(L"FontName=ＭＳ Ｐゴシック")), std::string::npos);
  EXPECT_EQ(bytes.find('\0'), std::string::npos) << "no UTF-16 text";
}

TEST_F(SettingsTest, DefaultsReachTheMembers) {
  core::LoadSettings();
  const core::SettingsStore& s = core::Settings;
  EXPECT_EQ(s.OpenFolder, L"C:\\Prog\\");
  for (const std::wstring* folder : {&s.UnpackDefault, &s.SaveDefault, &s.PackDefault, &s.ArcDefault})
    EXPECT_EQ(*folder, L"C:\\Desk\\");
  EXPECT_EQ(s.WorkFolder, L"C:\\Tmp\\");
  EXPECT_EQ(s.BackColor, 16777215);
  EXPECT_EQ(s.ForeColor, 0);
  EXPECT_EQ(s.History, std::vector<std::wstring>{L""});
  EXPECT_EQ(s.ArcDown, std::vector<std::wstring>{L""});
  EXPECT_EQ(s.ArcCommand, std::vector<std::wstring>{L""});
  for (const std::wstring& width : s.RetuColumn) EXPECT_EQ(width, L"1440");
  EXPECT_EQ(s._7Z_ArcType, L"7z");
  EXPECT_EQ(s.ZIP_NoKekka, L"1");
}

TEST_F(SettingsTest, MachineDependentDefaults) {
  struct Case {
    const char* what;
    std::wstring temp;
    int64_t width, height;
    std::wstring work, left, top;
  };
  const std::vector<Case> cases = {
      {"half twips kept", L"C:\\Tmp\\", 20475, 15360, L"C:\\Tmp\\", L"6577.5", L"6060"},
      {"no temp folder", L"", 7320, 3240, L"C:\\Prog\\Temp\\", L"0", L"0"},
      {"screen smaller than the window", L"C:\\Tmp\\", 7319, 3237, L"C:\\Tmp\\", L"-0.5", L"-1.5"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    places_.places.tempFolder = c.temp;
    places_.places.screenWidthTwips = c.width;
    places_.places.screenHeightTwips = c.height;
    core::LoadSettings();
    EXPECT_EQ(core::Settings.WorkFolder, c.work);
    EXPECT_EQ(core::Settings.TemplateWindowLeft, c.left);
    EXPECT_EQ(core::Settings.TemplateWindowTop, c.top);
  }
}

TEST_F(SettingsTest, RoundTripKeepsEveryMember) {
  core::LoadSettings();
  const core::SettingsStore defaults = core::Settings;
  core::SaveSettings();
  core::Settings = core::SettingsStore();
  core::LoadSettings();
  EXPECT_TRUE(core::Settings == defaults);

  // Values of every kind that differ from the defaults come back the same.
  core::SettingsStore changed = defaults;
  changed.FileHistory = L"3";
  changed.History = {L"C:\\新しい\\a.lzh", L"C:\\b.zip"};
  changed.ArcDown = {L"", L"C:\\展開先", L"", L"D:\\x"};
  changed.ArcCommand = {L"", L"-x a.lzh"};
  changed.RetuColumn[4] = L"900";
  changed.BackColor = -2147483643;
  changed.ForeColor = 255;
  changed.FontName = L"ＭＳ ゴシック";
  changed.ClassesArcType = L"10100000000000001";
  changed.LZH_SFXgydCommand = L"\"c:\\my tools\\run.exe\"";
  changed._7Z_ArcType = L"zip";
  changed.COM_MakeFolder = L"1";
  core::Settings = changed;
  core::SaveSettings();
  core::Settings = core::SettingsStore();
  core::LoadSettings();
  EXPECT_TRUE(core::Settings == changed);
}

}  // namespace
