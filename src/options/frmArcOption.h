#pragma once
// The per-type options dialog: one program-wide instance, loaded hidden at start and afterwards only shown
// and hidden. This is its frame: the window, the tab strip of the 18 pages (17 archive types and the common
// options), OK and Cancel, the two members its callers set, and the load step that reads the libraries'
// versions. The pages' controls, and with them reading and storing Settings, are not built yet.
#include <array>
#include <cstdint>
#include <string>

#include "winui/CommonControls.h"
#include "winui/Controls.h"
#include "winui/Form.h"

namespace options {

enum ArcOptionId {
  ID_tspArcType = 100,
  ID_cmdOk,
  ID_cmdCancel,
};

// Tab k (1 to 17) is the page of ArcTypeIndex k - 1; tab 18 is the common page.
constexpr int kArcOptionTabs = 18;
constexpr int kCommonTab = 18;

class frmArcOption : public winui::Form {
 public:
  frmArcOption();

  winui::TabStrip tspArcType{this, ID_tspArcType};
  winui::CommandButton cmdOk{this, ID_cmdOk};
  winui::CommandButton cmdCancel{this, ID_cmdCancel};

  // The tab selected at the next activation, stored as given (1 to 18 select a tab; others select none).
  int16_t TabIndex() const { return tabIndex_; }
  void SetTabIndex(int16_t value) { tabIndex_ = value; }
  // Stored as given; read by nothing here.
  int16_t OptionFlag() const { return optionFlag_; }
  void SetOptionFlag(int16_t value) { optionFlag_ = value; }

  // The libraries' version texts read at load ("#0.00", "" when missing), in this order: unlha32, unzip32,
  // Zip32J, cab32, unarj32j, tar32, bz2lib, unrar32, ish32, IZIP32J, ZCRYPT32, Yz1, jar32.exe, bga32,
  // ungca32, 7-zip32, Yz2, Bh32.
  const std::array<std::wstring, 18>& VersionTexts() const { return versions_; }

  void Form_Load() override;
  void Form_Activate() override;
  void cmdOk_Click();
  void cmdCancel_Click();

 private:
  int16_t tabIndex_ = 0;
  int16_t optionFlag_ = 0;
  std::array<std::wstring, 18> versions_;
};

// The program-wide instance.
frmArcOption& ArcOption();

}  // namespace options
