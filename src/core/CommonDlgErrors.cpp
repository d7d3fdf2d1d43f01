// Error numbers and texts of the common dialogs, and the usual file question built on them.
#include <windows.h>
#include <cderr.h>

#include "core/CommonDlg.h"
#include "core/modPath.h"
#include "winui/MsgBox.h"

namespace core {
namespace {

struct ErrorRow {
  DWORD extended;
  int32_t number;
};

const ErrorRow kNumbers[] = {
    {CDERR_INITIALIZATION, 32765},  {CDERR_LOADSTRFAILURE, 32760}, {CDERR_LOADRESFAILURE, 32760},
    {CDERR_FINDRESFAILURE, 32761},  {CDERR_LOCKRESFAILURE, 32759}, {CDERR_MEMALLOCFAILURE, 32758},
    {CDERR_MEMLOCKFAILURE, 32757},  {PDERR_PRINTERCODES, 28671},   {PDERR_SETUPFAILURE, 28670},
    {PDERR_PARSEFAILURE, 28669},    {PDERR_RETDEFFAILURE, 28668},  {PDERR_LOADDRVFAILURE, 28667},
    {PDERR_GETDEVMODEFAIL, 28666},  {PDERR_INITFAILURE, 28665},    {PDERR_NODEVICES, 28664},
    {PDERR_NODEFAULTPRN, 28663},    {PDERR_DNDMMISMATCH, 28662},   {PDERR_CREATEICFAILURE, 28661},
    {PDERR_PRINTERNOTFOUND, 28660}, {CFERR_NOFONTS, 24574},        {FNERR_SUBCLASSFAILURE, 20478},
    {FNERR_INVALIDFILENAME, 20477}, {FNERR_BUFFERTOOSMALL, 20476},
};

struct TextRow {
  int32_t number;
  const wchar_t* text;
};

const wchar_t kDefaultPrinterText[] =
    L"PDReturnDefault ﾌﾗｸﾞが設定されていますが、hDevMode ﾌｨｰﾙﾄﾞまたは hDevNames ﾌｨｰﾙﾄﾞが 0 ではありません。";

const TextRow kTexts[] = {
    {32755, L"[ｷｬﾝｾﾙ] ボタンが選択されました。"},
    {32765, L"関数を初期化できません。"},
    {32760, L"関数が指定したﾘｿｰｽをﾛｰﾄﾞできません。"},
    {32761, L"関数が指定したﾘｿｰｽをﾛｰﾄﾞできません。"},
    {32759, L"関数が指定したﾘｿｰｽをﾛｯｸできません。"},
    {32758, L"関数が、内部のﾃﾞｰﾀ構造にﾒﾓﾘを割り当てられません。"},
    {32757, L"関数が、ﾊﾝﾄﾞﾙに関連付けられたﾒﾓﾘをﾛｯｸできません。"},
    {28671, kDefaultPrinterText},
    {28670, L"必要なﾘｿｰｽを読み込めません。"},
    {28669, L"CommonDialog 関数が WIN.INI の [devices] ｾｸｼｮﾝの文字列を解析できません。"},
    {28668, kDefaultPrinterText},
    {28667, L"PrintDlg 関数が、指定したﾌﾟﾘﾝﾀ ﾄﾞﾗｲﾊﾞをﾛｰﾄﾞできません。"},
    {28666, L"ﾌﾟﾘﾝﾀ ﾄﾞﾗｲﾊﾞが DevMode ﾃﾞｰﾀ構造を初期化できません。"},
    {28665, L"PrintDlg 関数を初期化できません。"},
    {28664, L"ﾌﾟﾘﾝﾀ ﾄﾞﾗｲﾊﾞが見つかりません。"},
    {28663, L"通常使うﾌﾟﾘﾝﾀが設定されていません。"},
    {28662, L"DevMode ﾃﾞｰﾀ構造と DevNames ﾃﾞｰﾀ構造のﾃﾞｰﾀが異なるﾌﾟﾘﾝﾀを指しています。"},
    {28661, L"PrintDlg 関数が情報ｺﾝﾃｷｽﾄを作成できません。"},
    {28660, L"WIN.INI ﾌｧｲﾙ内の [devices] ｾｸｼｮﾝに、必要なﾌﾟﾘﾝﾀについてのｴﾝﾄﾘがありません。"},
    {24574, L"ﾌｫﾝﾄが存在しません。"},
    {20478, L"ﾒﾓﾘ不足のために、ﾘｽﾄ ﾎﾞｯｸｽをｻﾌﾞｸﾗｽ化できません。"},
    {20477, L"ﾌｧｲﾙ名が無効です。"},
    {20476, L"ﾒﾝﾊﾞ lpstrFile が指すﾊﾞｯﾌｧが小さすぎます。"},
    {-32768, L"関数がﾀﾞｲｱﾛｸﾞ ﾎﾞｯｸｽをﾛｰﾄﾞできません。"},
    {32751, L"Microsoft Windows のﾍﾙﾌﾟを呼び出せません。"},
    {32752, L"FileName ﾌﾟﾛﾊﾟﾃｨまたは Filter ﾌﾟﾛﾊﾟﾃｨにﾒﾓﾘを割り当てられません。"},
};

// What the file question shows for any failure other than a cancel.
const wchar_t kApplicationDefinedError[] = L"アプリケーション定義またはオブジェクト定義のエラーです。";

DWORD FlagsForMode(int16_t mode) {
  switch (mode) {
    case 0:
      return 0x201804;  // hide read-only, path and file must exist, long names
    case 1:
      return 0x200004;  // hide read-only, long names
    case 9:
      return 0x1C1A04;  // as open, several files, Explorer style, links not followed
    default:
      return 0;
  }
}

}  // namespace

int32_t CommonDlg::ErrorNumberFor(DWORD extendedError, bool cancelError) {
  if (extendedError == 0) return cancelError ? kCommonDlgCancel : 0;
  for (const auto& row : kNumbers)
    if (row.extended == extendedError) return row.number;
  return -32768;
}

std::wstring CommonDlg::DescribeError(int32_t number) {
  if (number == 0) return std::wstring();
  for (const auto& row : kTexts)
    if (row.number == number) return row.text;
  return L"未知のｴﾗｰです。";
}

std::wstring ShowFileDialog(HWND ownerForm, const std::wstring& title, const std::wstring& filter,
                            const std::wstring& fileName, int16_t filterIndex, const std::wstring& initDir,
                            int16_t mode) {
  CommonDlg dialog;
  dialog.Form(ownerForm);
  dialog.DialogTitle(title);
  dialog.flags(FlagsForMode(mode));
  dialog.Filter(filter);
  // Only a name with a dot has an extension to propose ("archive" proposes none, not "rchive").
  std::wstring ext = GetExtension(fileName, false);
  dialog.DefaultExt(!ext.empty() && ext[0] == L'.' ? ext.substr(1) : std::wstring());
  dialog.InitDir(initDir);
  dialog.CancelError(true);
  auto run = [&] {
    dialog.FileName(fileName);
    dialog.FilterIndex(filterIndex);
    if (mode == 1)
      dialog.ShowSave();
    else
      dialog.ShowOpen();
  };
  run();
  if (dialog.ErrNumber() == kCommonDlgInvalidFileName) run();
  if (dialog.ErrNumber() == 0) return dialog.FileName();
  if (dialog.ErrNumber() != kCommonDlgCancel)
    winui::MsgBox(kApplicationDefinedError, MB_ICONSTOP, dialog.DialogTitle(), ownerForm);
  return std::wstring();
}

}  // namespace core
