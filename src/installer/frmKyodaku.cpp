#include "installer/frmKyodaku.h"

#include <windows.h>

#include "core/Text.h"
#include "core/modPath.h"
#include "installer/InstallFiles.h"

namespace modInstall {
namespace {

using namespace winui;

const FormDef kForm{L"Tolvenar.frmKyodaku",
                    L"使用許諾契約",
                    7080,
                    5355,
                    BorderStyle::FixedDialog,
                    false,
                    false,
                    StartPosition::CenterScreen,
                    false,
                    L"MS UI Gothic",
                    9,
                    1};

const ControlDef kControls[] = {
    {ID_txtKyodaku, L"txtKyodaku", Kind::TextBox, 120, 120, 6840, 3855, L"", kMultiLine | kReadOnly, 0},
    {ID_lblKyodaku, L"lblKyodaku", Kind::Label, 120, 4095, 6840, 540,
     L"「同意しない」を選択するとインストールは中断されます。とるべなー "
     L"のインストールを続行するには上記契約に同意していただく"
     L"必要があります。",
     kNone, -1},
    {ID_kyodakuOk, L"cmdOk", Kind::CommandButton, 3960, 4815, 1455, 390, L"同意する", kNone, 1},
    {ID_kyodakuCancel, L"cmdCancel", Kind::CommandButton, 5505, 4815, 1455, 390, L"同意しない", kCancel, 2},
};

std::string ReadBytes(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::string();
  std::string bytes;
  char buffer[16 * 1024];
  DWORD got = 0;
  while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
  CloseHandle(file);
  return bytes;
}

}  // namespace

std::wstring ReadLicenceText(const std::wstring& path) {
  if (!FileExists(path)) return std::wstring();
  const std::wstring text = core::FromCp932(ReadBytes(path));
  // Line by line: a line ends at CR LF, CR or LF, and each comes back ended by CR LF.
  std::wstring result;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find_first_of(L"\r\n", start);
    if (end == std::wstring::npos) end = text.size();
    result += text.substr(start, end - start) + L"\r\n";
    start = end;
    if (start < text.size() && text[start] == L'\r') ++start;
    if (start < text.size() && text[start] == L'\n') ++start;
  }
  return result;
}

frmKyodaku::frmKyodaku(std::wstring sourceFolder) : Form(kForm, kControls), sourceFolder_(std::move(sourceFolder)) {
  On(ID_kyodakuOk, Event::Click, &frmKyodaku::cmdOk_Click);
  On(ID_kyodakuCancel, Event::Click, &frmKyodaku::cmdCancel_Click);
}

void frmKyodaku::Form_Load() {
  txtKyodaku.SetText(ReadLicenceText(core::AddBackslash(sourceFolder_) + L"License.txt"));
}

void frmKyodaku::cmdOk_Click() {
  EndModal(DialogResult::OK);
  Unload();
}

void frmKyodaku::cmdCancel_Click() { Unload(); }

}  // namespace modInstall
