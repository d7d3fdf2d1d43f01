#pragma once
// The per-type options dialog: one program-wide instance, loaded hidden at start and afterwards shown
// modally and hidden, so its controls keep their state between showings. This is its frame: the window,
// the tab strip over the 18 pages (17 archive types and the common options, each page in its own file,
// ArcOptionPages.h), OK and Cancel, the three members its callers set, and the load step that reads the
// libraries' versions. OK stores the pages' controls into Settings and ends with DialogResult::OK;
// Cancel, Esc and every other way out reload the controls from Settings (or unload) and give Cancel.
#include <array>
#include <cstdint>
#include <string>

#include "options/ArcOptionPages.h"
#include "winui/CommonControls.h"
#include "winui/Controls.h"
#include "winui/Form.h"

namespace options {

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
  // The window caption set at each activation.
  const std::wstring& CaptionTitle() const { return captionTitle_; }
  void SetCaptionTitle(const std::wstring& value) { captionTitle_ = value; }

  // The libraries' version texts read at load ("#0.00", "" when missing), in this order: unlha32, unzip32,
  // Zip32J, cab32, unarj32j, tar32, bz2lib, unrar32, ish32, IZIP32J, ZCRYPT32, Yz1, jar32.exe, bga32,
  // ungca32, 7-zip32, Yz2, Bh32.
  const std::array<std::wstring, 18>& VersionTexts() const { return versions_; }

  // Fills every page's controls from Settings (at load and on Cancel).
  void SetOption();

  void Form_Load() override;
  void Form_Activate() override;
  void Form_KeyDown(int& keyCode, int shift) override;
  void Form_QueryUnload(int& cancel, winui::UnloadMode mode) override;
  void cmdOk_Click();
  void cmdCancel_Click();

 private:
  // Every page's setting/control pairs, pages in tab order.
  void Transfer(winui::DataExchange& dx);

  int16_t tabIndex_ = 0;
  int16_t optionFlag_ = 0;
  std::wstring captionTitle_;
  std::array<std::wstring, 18> versions_;
};

// The program-wide instance.
frmArcOption& ArcOption();

}  // namespace options
