// The two pages of the test dialog, each a table of its own on the dialog's tab strip.
#include "DialogProbe.h"

namespace probe {
namespace {

using winui::Kind;
using namespace winui;  // style flags

const ControlDef kBasic[] = {
    {ID_fraBasic, L"fraBasic", Kind::Frame, 240, 480, 4500, 2700, L"基本", kNone, -1, ID_tspPages},
    {ID_chkKeep2, L"chkKeep", Kind::CheckBox, 120, 300, 2000, 270, L"保持する(&K)", kNone, -1, ID_fraBasic},
    {ID_optSize, L"optSize", Kind::OptionButton, 120, 600, 1200, 270, L"小", kNone, -1, ID_fraBasic, 0},
    {ID_optSize + 1, L"optSize", Kind::OptionButton, 1400, 600, 1200, 270, L"中", kNone, -1, ID_fraBasic, 1},
    {ID_optSize + 2, L"optSize", Kind::OptionButton, 2700, 600, 1200, 270, L"大", kNone, -1, ID_fraBasic, 2},
    {ID_chkType, L"chkType", Kind::CheckBox, 120, 960, 1200, 270, L"LZH", kNone, -1, ID_fraBasic, 0},
    {ID_chkType + 1, L"chkType", Kind::CheckBox, 1400, 960, 1200, 270, L"ZIP", kNone, -1, ID_fraBasic, 1},
    {ID_chkType + 2, L"chkType", Kind::CheckBox, 2700, 960, 1200, 270, L"CAB", kNone, -1, ID_fraBasic, 2},
    {ID_lblCount, L"lblCount", Kind::Label, 120, 1380, 1500, 240, L"表示数(&N)", kNone, -1, ID_fraBasic},
    {ID_txtCount, L"txtCount", Kind::TextBox, 1700, 1340, 800, 300, L"", kNone, -1, ID_fraBasic},
};

const ControlDef kDetail[] = {
    {ID_picDetail, L"picDetail", Kind::PictureBox, 240, 480, 4500, 2700, L"", kNone, -1, ID_tspPages},
    {ID_txtFolder, L"txtFolder", Kind::TextBox, 120, 120, 3000, 300, L"", kNone, -1, ID_picDetail},
    {ID_txtNote, L"txtNote", Kind::TextBox, 120, 480, 3000, 300, L"", kNone, -1, ID_picDetail},
    {ID_cmbKind2, L"cmbKind", Kind::ComboBox, 120, 840, 2000, 300, L"", kDropDownList, -1, ID_picDetail},
    {ID_cmbName, L"cmbName", Kind::ComboBox, 120, 1200, 2000, 300, L"", kDropDownList, -1, ID_picDetail},
    {ID_cmbFree2, L"cmbFree", Kind::ComboBox, 120, 1560, 2000, 300, L"", kNone, -1, ID_picDetail},
    {ID_sldLevel2, L"sldLevel", Kind::Slider, 120, 1920, 2000, 300, L"", kNone, -1, ID_picDetail, -1, 10},
    {ID_picColour, L"picColour", Kind::PictureBox, 2400, 1920, 600, 300, L"", kBorder, -1, ID_picDetail},
};

}  // namespace

std::span<const ControlDef> BasicPage() { return kBasic; }
std::span<const ControlDef> DetailPage() { return kDetail; }

}  // namespace probe
