#pragma once
// The About box: the program's title and version, one row per outside library, tool and auxiliary file
// with its version or date (AboutRows), the Windows and browser versions, and four link labels. A double
// click on a row offers to open its download page; a button starts the system-information program. Every
// opening reads everything anew; the window changes no setting.
#include <array>

#include "tools/AboutInfo.h"
#include "tools/DialogExtras.h"
#include "winui/Controls.h"
#include "winui/Form.h"

namespace tools {

class frmAbout : public winui::Form {
 public:
  enum Id : int {
    ID_PicIcon = 100,
    ID_lblVersion,
    ID_lblVersionInfo,
    ID_lstVersion,
    ID_lblOS,
    ID_lblIE,
    ID_CmdOk,
    ID_cmdSysInfo,
    ID_lblTitle = 120,  // array: 120..121
    ID_Label1 = 130,    // array: 130..134; (1) to (4) are the links
    ID_Label3 = 140,    // array: only Label3(2), id 142
    ID_Line1 = 150,     // array: 150..151
  };
  static constexpr int kLinkCount = 5;
  // Link colours (red, green, blue).
  static constexpr COLORREF kLinkBlue = RGB(0, 0, 255);
  static constexpr COLORREF kLinkRed = RGB(255, 0, 0);
  // The hand the link labels show; the standard hand where the program carries none.
  static constexpr int kHandCursor = 101;

  frmAbout();

  winui::PictureBox PicIcon{this, ID_PicIcon};
  winui::Label lblVersion{this, ID_lblVersion};
  winui::Label lblOS{this, ID_lblOS};
  winui::Label lblIE{this, ID_lblIE};
  winui::CommandButton CmdOk{this, ID_CmdOk};
  winui::CommandButton cmdSysInfo{this, ID_cmdSysInfo};
  TabbedListBox lstVersion;
  winui::Label Label1(int index) { return winui::Label(this, ID_Label1 + index); }

  // The colour a link label is drawn in (index 1 to 4).
  COLORREF LinkColour(int index) const { return linkColours_.at(static_cast<size_t>(index)); }
  // The cursor the link labels show.
  HCURSOR HandCursor() const { return hand_; }

  void Form_Load() override;
  void Form_KeyDown(int& keyCode, int shift) override;
  void Form_MouseMove(int button, int shift, int x, int y) override;
  void Label1_Click(winui::EventArgs& args);
  void Label1_MouseMove(winui::EventArgs& args);
  void lstVersion_DblClick();
  void lstVersion_MouseMove();
  void CmdOk_Click();
  void cmdSysInfo_Click();

 private:
  void SetLinkColour(int index, COLORREF colour);
  // Links first..4 back to blue where they are not.
  void LinksBlue(int first);

  std::array<COLORREF, kLinkCount> linkColours_{};
  HCURSOR hand_ = nullptr;
};

}  // namespace tools
