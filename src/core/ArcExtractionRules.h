#pragma once
// The extraction rules of the archive types, as the catalogue's rows hold them: the switches of the
// extraction dialog and of the quick extraction, and how each type sets the dialog's boxes. Included by the
// catalogue alone.
#include "core/ArcCatalogue.h"

namespace core::extraction_rules {

using S = SettingsStore;
constexpr SettingTest On(std::wstring S::*member) { return {member, true}; }
constexpr SettingTest Off(std::wstring S::*member) { return {member, false}; }
constexpr uint16_t kNeither = kNotNewerOnly | kNotAskFirst;

constexpr ExtractSwitch kLzhOptionSwitches[] = {
    {.text = L"-jc1", .setting = On(&S::LZH_Broken)},    {.text = L"-a1", .setting = On(&S::LZH_Attribute)},
    {.text = L"-gn1", .setting = On(&S::LZH_AllStatus)}, {.text = L"-gn0", .setting = Off(&S::LZH_AllStatus)},
    {.text = L"-jss1", .setting = On(&S::LZH_ErrSkip)},
};
constexpr SwitchGroup kLzhOptions{kLzhOptionSwitches};
constexpr ExtractSwitch kLzhDialogBase[] = {{kNewerOnly, L"x"}, {kAskFirst, L"e -c"}, {0, L"x -c"}};
constexpr ExtractSwitch kLzhDialogAppended[] = {
    {kKeepFolders, L"-x1 -a2 -jf0"}, {kFlat, L"-x0"}, {.group = &kLzhOptions}};
constexpr ExtractSwitch kLzhQuickBase[] = {{0, L"x -c -jf0"}};
constexpr ExtractSwitch kLzhQuickAppended[] = {{kFlat, L"-x0"}, {.group = &kLzhOptions}, {kForDragOut, L"-n1"}};

constexpr ExtractSwitch kZipDialogBase[] = {{kNewerOnly, L"-x -n"}, {kAskFirst, L"-x"}, {0, L"-x -o"}};
constexpr ExtractSwitch kZipDialogAppended[] = {
    {kFlat, L"-j"},
    {.text = L"-S", .setting = On(&S::ZIP_Attribute)},
    {.text = L"-l", .setting = On(&S::ZIP_EnterConvert), .also = Off(&S::ZIP_Convert)},
    {.text = L"-ll", .setting = On(&S::ZIP_EnterConvert), .also = On(&S::ZIP_Convert)}};
constexpr ExtractSwitch kZipQuickBase[] = {{0, L"-x -o"}};
constexpr ExtractSwitch kZipQuickAppended[] = {{kFlat, L"-j"}, {.text = L"-S", .setting = On(&S::ZIP_Attribute)}};

constexpr ExtractSwitch kCabDialogAppended[] = {{kFlat, L"-j"}, {kAllVolumes, L"-k"}};
constexpr ExtractSwitch kFlatJ[] = {{kFlat, L"-j"}};

constexpr ExtractSwitch kArjOptionSwitches[] = {{.text = L"-jr1", .setting = On(&S::ARJ_Broken)},
                                                {.text = L"-hn1", .setting = On(&S::ARJ_AllStatus)},
                                                {.text = L"-hn0", .setting = Off(&S::ARJ_AllStatus)}};
constexpr ExtractSwitch kArjDialogBase[] = {{kNewerOnly, L"x -n"}, {kAskFirst, L"x -ha"}, {0, L"x -ha -y"}};
constexpr ExtractSwitch kArjQuickBase[] = {{kKeepFolders, L"x -f+"}, {0, L"e -f+"}};

constexpr ExtractSwitch kTarDialogBase[] = {{0, L"-xvf"}};
constexpr ExtractSwitch kTarQuickBase[] = {{kKeepFolders, L"-xvf"}, {0, L"--use-directory=0 -xvf"}};

constexpr ExtractSwitch kIshDialogBase[] = {{kNewerOnly, L"/r"}, {0, L"/a"}};
constexpr ExtractSwitch kIshQuickBase[] = {{0, L"/r"}};

constexpr ExtractSwitch kRarBase[] = {{kKeepFolders, L"-x"}, {0, L"-e"}};
constexpr ExtractSwitch kRarDialogAppended[] = {{kNewerOnly, L"-u"}, {kNeither, L"-o"}};

constexpr ExtractSwitch kYz1DialogBase[] = {{kNewerOnly, L"x"}, {kAskFirst, L"x -c2"}, {0, L"x"}};
constexpr ExtractSwitch kYz1DialogAppended[] = {{kKeepFolders, L"-x1"}, {kFlat, L"-x0"}};
constexpr ExtractSwitch kYz1QuickBase[] = {{kKeepFolders, L"x -x1"}, {0, L"x -x0"}};

constexpr ExtractSwitch kAceDialogBase[] = {{0, L"x -y"}};
constexpr ExtractSwitch kAceQuickBase[] = {{kKeepFolders, L"x -o -y"}, {0, L"e -o -y"}};

constexpr ExtractSwitch kJarBase[] = {{kKeepFolders, L"x -y"}, {0, L"e -y"}};
constexpr ExtractSwitch kJarDialogAppended[] = {{kNewerOnly, L"-n"}};

constexpr ExtractSwitch kBgaDialogBase[] = {{kNewerOnly, L"x -n"}, {kAskFirst, L"x"}, {0, L"x -o"}};
constexpr ExtractSwitch kBgaQuickBase[] = {{0, L"x -o"}};

constexpr ExtractSwitch kGcaDialogBase[] = {
    {kNoNames | kAskFirst, L"e -yx1"}, {kNoNames, L"e"}, {kAskFirst, L"ex -yx1"}, {0, L"ex"}};
constexpr ExtractSwitch kGcaDialogAppended[] = {{kKeepFolders, L"-xx1"}};
constexpr ExtractSwitch kGcaQuickBase[] = {{kKeepFolders, L"ex -xx1"}, {0, L"ex"}};

constexpr ExtractSwitch k7zDialogBase[] = {{kKeepFolders, L"x"}, {0, L"e"}};
constexpr ExtractSwitch k7zDialogAppended[] = {{kNewerOnly, L"-aos"}, {kNeither, L"-aoa"}};
constexpr ExtractSwitch k7zQuickBase[] = {{kKeepFolders, L"x -y"}, {0, L"e -y"}};

constexpr ExtractSwitch kImpOptionSwitches[] = {{.text = L"-a1", .setting = On(&S::IMP_Attribute)},
                                                {.text = L"-n1", .setting = On(&S::IMP_AllStatus)},
                                                {.text = L"-n0", .setting = Off(&S::IMP_AllStatus)}};
constexpr SwitchGroup kImpOptions{kImpOptionSwitches};
constexpr ExtractSwitch kImpDialogBase[] = {{kKeepFolders, L"x -r1"}, {0, L"e -r0"}};
constexpr ExtractSwitch kImpDialogAppended[] = {{.group = &kImpOptions}, {kAskFirst, L"-u5"}, {kNotAskFirst, L"-u1"}};
constexpr ExtractSwitch kImpQuickBase[] = {{0, L"e -r0"}};
constexpr ExtractSwitch kImpQuickAppended[] = {{.group = &kImpOptions}, {0, L"-u1"}};

constexpr ExtractSwitch kYz2Base[] = {{0, L"m -c -j"}};

constexpr ExtractSwitch kBhAttribute[] = {{.text = L"-a1", .setting = On(&S::BH_Attribute)}};
constexpr SwitchGroup kBhOptions{kBhAttribute};
constexpr ExtractSwitch kBhDialogBase[] = {{kKeepFolders, L"x -r1"}, {0, L"e -r0"}};
constexpr ExtractSwitch kBhDialogAppended[] = {
    {kNewerOnly, L"-o0"}, {kNotNewerOnly | kAskFirst, L"-o2"}, {kNeither, L"-o1"}, {.group = &kBhOptions}};
constexpr ExtractSwitch kBhQuickBase[] = {{0, L"e -o1"}};
constexpr ExtractSwitch kBhQuickAppended[] = {{kFlat, L"-d0 -r0"}, {kKeepFolders, L"-d1 -r1"}, {.group = &kBhOptions}};

constexpr Extraction kLzhExtraction{.dialogBase = kLzhDialogBase,
                                    .dialogAppended = kLzhDialogAppended,
                                    .quickBase = kLzhQuickBase,
                                    .quickAppended = kLzhQuickAppended,
                                    .boxes = {.newFileFrom = &S::LZH_FileOpt},
                                    .oneEntry = {L"x -c -gn1 -ga1 -x0 -a1 -n1 -y1", MemberNaming::FolderAndName}};
constexpr Extraction kZipExtraction{.dialogBase = kZipDialogBase,
                                    .dialogAppended = kZipDialogAppended,
                                    .quickBase = kZipQuickBase,
                                    .quickAppended = kZipQuickAppended,
                                    .boxes = {.newFileFrom = &S::ZIP_FileOpt},
                                    .oneEntry = {L"-x -o -j --i", MemberNaming::FolderAndName}};
constexpr Extraction kCabExtraction{.dialogBase = kZipDialogBase,
                                    .dialogAppended = kCabDialogAppended,
                                    .quickBase = kZipQuickBase,
                                    .quickAppended = kFlatJ,
                                    .allVolumesNames = L"*.*",
                                    .boxes = {.volumes = VolumesBox::Cabinets},
                                    .oneEntry = {L"-x -o -j -i", MemberNaming::FolderAndName}};
constexpr Extraction kArjExtraction{.dialogBase = kArjDialogBase,
                                    .dialogAppended = kArjOptionSwitches,
                                    .quickBase = kArjQuickBase,
                                    .quickAppended = kArjOptionSwitches,
                                    .boxes = {.folder = BoxRule::Disabled, .newFileFrom = &S::ARJ_FileOpt},
                                    .oneEntry = {L"e -y -i"}};
constexpr Extraction kTarExtraction{.dialogBase = kTarDialogBase,
                                    .quickBase = kTarQuickBase,
                                    .boxes = {.overwrite = BoxRule::Disabled, .newFile = BoxRule::Cleared},
                                    .oneEntry = {L"--display-dialog=0 --use-directory=0 -xvf"}};
constexpr Extraction kIshExtraction{.dialogBase = kIshDialogBase,
                                    .quickBase = kIshQuickBase,
                                    .names = ExtractNames::Inline,
                                    .boxes = {.folder = BoxRule::Disabled, .overwrite = BoxRule::Disabled},
                                    .oneEntry = {L"/a", MemberNaming::Name, MemberPlaces::Plain}};
constexpr Extraction kRarExtraction{.dialogBase = kRarBase,
                                    .dialogAppended = kRarDialogAppended,
                                    .quickBase = kRarBase,
                                    .allVolumesNames = L"",
                                    .boxes = {.volumes = VolumesBox::Volumes},
                                    .oneEntry = {L"-e -u"}};
constexpr Extraction kYz1Extraction{.dialogBase = kYz1DialogBase,
                                    .dialogAppended = kYz1DialogAppended,
                                    .quickBase = kYz1QuickBase,
                                    .boxes = {.newFile = BoxRule::Disabled},
                                    .oneEntry = {L"x -i2 -x0 -y1"}};
constexpr Extraction kAceExtraction{
    .dialogBase = kAceDialogBase,
    .quickBase = kAceQuickBase,
    .shortDestination = true,
    .boxes = {.folder = BoxRule::ClearedDisabled, .overwrite = BoxRule::Disabled, .newFile = BoxRule::Disabled},
    .oneEntry = {L"e -y"}};
constexpr Extraction kJarExtraction{.dialogBase = kJarBase,
                                    .dialogAppended = kJarDialogAppended,
                                    .quickBase = kJarBase,
                                    .boxes = {.overwrite = BoxRule::Disabled, .newFileFrom = &S::JAR_FileOpt},
                                    .oneEntry = {L"e -y"}};
constexpr Extraction kBgaExtraction{.dialogBase = kBgaDialogBase,
                                    .dialogAppended = kFlatJ,
                                    .quickBase = kBgaQuickBase,
                                    .quickAppended = kFlatJ,
                                    .boxes = {.newFileFrom = &S::BGA_FileOpt},
                                    .oneEntry = {L"x -i -o"}};
constexpr Extraction kGcaExtraction{.dialogBase = kGcaDialogBase,
                                    .dialogAppended = kGcaDialogAppended,
                                    .quickBase = kGcaQuickBase,
                                    .boxes = {.newFile = BoxRule::Disabled},
                                    .oneEntry = {L"ex", MemberNaming::FolderAndNameBackslashed}};
// The library takes no switches and no names.
constexpr Extraction kBelExtraction{.boxes = {.newFile = BoxRule::Disabled}, .oneEntry = {L""}};
constexpr Extraction k7zExtraction{
    .dialogBase = k7zDialogBase,
    .dialogAppended = k7zDialogAppended,
    .quickBase = k7zQuickBase,
    .outputSwitch = true,
    .boxes = {.newFile = BoxRule::Cleared},
    .oneEntry = {L"e -r- -aoa -hide -y", MemberNaming::FolderAndNameBackslashed, MemberPlaces::OutputSwitch}};
constexpr Extraction kImpExtraction{
    .dialogBase = kImpDialogBase,
    .dialogAppended = kImpDialogAppended,
    .quickBase = kImpQuickBase,
    .quickAppended = kImpQuickAppended,
    .names = ExtractNames::ListItems,
    .boxes = {.folder = BoxRule::Enabled, .overwrite = BoxRule::Enabled, .newFile = BoxRule::Disabled},
    .oneEntry = {L"e -r -c0", MemberNaming::FolderAndNameBackslashed}};
constexpr Extraction kYz2Extraction{.dialogBase = kYz2Base,
                                    .quickBase = kYz2Base,
                                    .boxes = {.folder = BoxRule::ClearedDisabled, .newFile = BoxRule::Disabled},
                                    .oneEntry = {L"m -c -j"}};
constexpr Extraction kBhExtraction{.dialogBase = kBhDialogBase,
                                   .dialogAppended = kBhDialogAppended,
                                   .quickBase = kBhQuickBase,
                                   .quickAppended = kBhQuickAppended,
                                   .boxes = {.newFileFrom = &S::BH_FileOpt},
                                   .oneEntry = {L"e -o1 -r1 -d0"}};

}  // namespace core::extraction_rules
