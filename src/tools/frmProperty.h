#pragma once
// The property sheet of one file: its icon, name, type, location, size, MS-DOS name, three times and five
// attributes on the first tab; for the open archive itself a second tab with the archiver's own listing,
// which the user can copy. It changes nothing on disk.
#include <string>

#include "winui/CommonControls.h"
#include "winui/Controls.h"
#include "winui/Form.h"

namespace tools {

class frmProperty : public winui::Form {
 public:
  enum Id : int {
    ID_tabProperty = 100,
    ID_PicIcon,
    ID_txtFileName,
    ID_LblArchive,
    ID_txtStatus,
    ID_cmdCopy,
    ID_CmdOK,
    ID_Frame1 = 110,            // array: 110..111, the pages of the two tabs
    ID_LblFileEtc = 120,        // array: 120..122
    ID_LblFilePlace = 130,      // array: 130..132
    ID_LblFileDate = 140,       // array: 140..143
    ID_LblFileAcsess = 150,     // array: 150..153
    ID_LblFileAttribute = 160,  // array: 160..164
    ID_Line1 = 170,             // array: 170..175
  };

  frmProperty();

  winui::TabStrip tabProperty{this, ID_tabProperty};
  winui::PictureBox PicIcon{this, ID_PicIcon};
  winui::TextBox txtFileName{this, ID_txtFileName};
  winui::TextBox txtStatus{this, ID_txtStatus};
  winui::CommandButton cmdCopy{this, ID_cmdCopy};
  winui::CommandButton CmdOK{this, ID_CmdOK};
  winui::Frame Frame1(int index) { return winui::Frame(this, ID_Frame1 + index); }
  winui::Label LblFilePlace(int index) { return winui::Label(this, ID_LblFilePlace + index); }
  winui::Label LblFileAcsess(int index) { return winui::Label(this, ID_LblFileAcsess + index); }
  winui::Label LblFileAttribute(int index) { return winui::Label(this, ID_LblFileAttribute + index); }

  // The file to describe (set before loading).
  void GetPropertyFileName(const std::wstring& strFileName) { fileName_ = strFileName; }
  // True: the file is the open archive itself (set before loading).
  void GetPropertyPlace(bool blnPlace) { archiveMark_ = blnPlace; }

  void Form_Load() override;
  void Form_Activate() override;
  void Form_KeyDown(int& keyCode, int shift) override;
  void Form_QueryUnload(int& cancel, winui::UnloadMode mode) override;
  void tabProperty_Click();
  void cmdCopy_Click();
  void CmdOK_Click();

 private:
  void DrawFileIcon(const std::wstring& path);
  void ListArchive(const std::wstring& path);

  std::wstring fileName_;
  bool archiveMark_ = false;
};

// The archiver's own listing of an archive into archiver::ArcOutputText, without the result window (the
// sheet sets PrivateState.EturanMode around the call). The archive operations provide it; the main window
// installs it. Until one is installed the listing tab stays empty.
using ArchiveListingRunner = void (*)(HWND owner, const std::wstring& archive);
// Installs the runner (nullptr = none) and returns the one installed before.
ArchiveListingRunner SetArchiveListingRunner(ArchiveListingRunner runner);

}  // namespace tools
