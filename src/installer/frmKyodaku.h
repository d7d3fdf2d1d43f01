#pragma once
// The consent page: the licence delivered beside the installer, and the choice to agree or not. Shown
// modally, it ends with DialogResult::OK only through the agree button; refusing, Esc and the close box
// all give Cancel. Either button unloads the page.
#include <string>

#include "winui/Controls.h"
#include "winui/Form.h"

namespace modInstall {

enum KyodakuControlId {
  ID_txtKyodaku = 100,
  ID_lblKyodaku,
  ID_kyodakuOk,
  ID_kyodakuCancel,
};

class frmKyodaku : public winui::Form {
 public:
  // `sourceFolder` holds "License.txt".
  explicit frmKyodaku(std::wstring sourceFolder);

  winui::TextBox txtKyodaku{this, ID_txtKyodaku};
  winui::Label lblKyodaku{this, ID_lblKyodaku};
  winui::CommandButton cmdOk{this, ID_kyodakuOk};
  winui::CommandButton cmdCancel{this, ID_kyodakuCancel};

  void Form_Load() override;
  void cmdOk_Click();
  void cmdCancel_Click();

 private:
  std::wstring sourceFolder_;
};

// The licence file's text, each line ended by CR LF; "" when there is no such file.
std::wstring ReadLicenceText(const std::wstring& path);

}  // namespace modInstall
