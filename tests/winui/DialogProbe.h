#pragma once
// A small settings dialog used only by the winui tests: a tab strip over two pages (each page's table in
// its own file), one control of every value form of the data exchange, OK and Cancel. Its Transfer
// lists every pair once; OK stores through SaveControls and ends with DialogResult::OK.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "winui/CommonControls.h"
#include "winui/DataExchange.h"
#include "winui/Form.h"
#include "winui/ListControls.h"

namespace probe {

enum DialogId {
  ID_tspPages = 100,
  ID_cmdDialogOK,
  ID_cmdDialogCancel,
  // Page 1, a frame.
  ID_fraBasic = 200,
  ID_chkKeep2,
  ID_optSize = 202,  // array: 202..204
  ID_chkType = 210,  // array: 210..212
  ID_lblCount = 215,
  ID_txtCount,
  // Page 2, a picture box.
  ID_picDetail = 300,
  ID_txtFolder,
  ID_txtNote,
  ID_cmbKind2,
  ID_cmbName,
  ID_cmbFree2,
  ID_sldLevel2,
  ID_picColour,
};

struct ProbeSettings {
  std::wstring keep = L"0", size = L"0", types = L"000", count = L"5", folder, note;
  std::wstring kind = L"-1", name, free, level = L"0";
  int32_t colour = 0;
  bool operator==(const ProbeSettings&) const = default;
};

// The pages' tables (DialogProbePages.cpp).
std::span<const winui::ControlDef> BasicPage();
std::span<const winui::ControlDef> DetailPage();

class frmDialogProbe : public winui::Form {
 public:
  frmDialogProbe();
  winui::TabStrip tspPages{this, ID_tspPages};
  winui::Frame fraBasic{this, ID_fraBasic};
  winui::PictureBox picDetail{this, ID_picDetail};
  winui::CheckBox chkKeep{this, ID_chkKeep2};
  winui::TextBox txtCount{this, ID_txtCount};
  winui::TextBox txtFolder{this, ID_txtFolder};
  winui::TextBox txtNote{this, ID_txtNote};
  winui::ComboBox cmbKind{this, ID_cmbKind2};
  winui::ComboBox cmbName{this, ID_cmbName};
  winui::ComboBox cmbFree{this, ID_cmbFree2};
  winui::Slider sldLevel{this, ID_sldLevel2};
  winui::PictureBox picColour{this, ID_picColour};
  winui::CommandButton cmdOK{this, ID_cmdDialogOK};
  winui::CommandButton cmdCancel{this, ID_cmdDialogCancel};

  ProbeSettings settings;
  std::vector<std::wstring> log;

  void Form_Load() override;
  void Transfer(winui::DataExchange& dx);
  void Reload() {
    winui::LoadControls(*this, [this](winui::DataExchange& dx) { Transfer(dx); });
  }
};

}  // namespace probe
