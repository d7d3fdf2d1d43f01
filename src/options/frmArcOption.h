#pragma once
// The per-type options dialog: one program-wide instance, loaded hidden at start and afterwards shown
// modally and hidden, so its controls keep their state between showings. This is its frame: the window,
// the tab strip over the 18 pages (17 archive types and the common options, each page in its own file,
// ArcOptionPages.h), OK and Cancel, the three members its callers set, and the load step that reads the
// libraries' versions.
//
// Every showing fills the controls from Settings afresh, so a value another window wrote while the dialog
// was hidden is what the dialog shows and what OK stores. OK stores the pages' controls into Settings
// (a value typed that cannot be stored is refused with a message naming the field, and nothing is stored)
// and ends with DialogResult::OK; Cancel, Esc and every other way out store nothing and give Cancel.
#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "options/ArcOptionPages.h"
#include "winui/CommonControls.h"
#include "winui/Controls.h"
#include "winui/Form.h"

namespace options {

// The libraries whose version texts the dialog keeps, in the order it reads them at load.
enum class Library : size_t {
  Lha,
  Zip,
  Zip32J,
  Cab,
  Arj,
  Tar,
  Bz2,
  Rar,
  Ish,
  IZip32J,
  ZCrypt32,
  Yz1,
  Jar,
  Bga,
  Gca,
  SevenZip,
  Yz2,
  Bh,
};
constexpr size_t kLibraryCount = 18;

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

  // The libraries' version texts read at load ("#0.00", "" when missing), in the order of Library.
  const std::array<std::wstring, kLibraryCount>& VersionTexts() const { return versions_; }
  const std::wstring& Version(Library library) const { return versions_[static_cast<size_t>(library)]; }
  // Asks the library's version again and keeps the new text.
  const std::wstring& RereadVersion(Library library);

  // Fills every page's controls from Settings and applies the pages' enable rules.
  void SetOption();

  // What the LZH page's "&SFX" button opens (the self-extractor options), with this dialog as owner.
  // Returns the one installed before.
  using SfxOptionsOpener = std::function<void(HWND owner)>;
  static SfxOptionsOpener SetSfxOptionsOpener(SfxOptionsOpener opener);
  void cmdSfxConfig_Click();

  void Form_Load() override;
  void Form_Activate() override;
  void Form_KeyDown(int& keyCode, int shift) override;
  void Form_QueryUnload(int& cancel, winui::UnloadMode mode) override;
  void tspArcType_Click();
  void cmdOk_Click();
  void cmdCancel_Click();

 private:
  // Every page's setting/control pairs, pages in tab order.
  void Transfer(winui::DataExchange& dx);

  int16_t tabIndex_ = 0;
  int16_t optionFlag_ = 0;
  std::wstring captionTitle_;
  std::array<std::wstring, kLibraryCount> versions_;
  // False from the moment the dialog hides until the next showing has filled its controls.
  bool filledForShowing_ = false;
};

// The program-wide instance.
frmArcOption& ArcOption();

}  // namespace options
