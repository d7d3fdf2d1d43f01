#pragma once
// The Tool and Help menus of the main window and the tree pop-up's property sheet: each handler checks
// that what it needs is there, then opens a tool's dialog, runs one of its procedures or starts an outside
// program through the process seam. The side programs and the help file are looked for in the program
// folder (archiver::ToolFolder).
#include <windows.h>

#include <string>

namespace mainwindow {

class frmMain;

// A side program ("Dravisk.exe", "Molquen.exe") missing from the program folder.
extern const wchar_t kNotInstalled[];
extern const wchar_t kHelpFile[];
extern const wchar_t kHelpFileMissing[];
extern const wchar_t kHelpViewerMissing[];
extern const wchar_t kExplorerFolderTitle[];
// The publisher's download page, handed to the shell's open verb.
extern const wchar_t kDownloadPage[];

// Opening the Tool menu: the splitter's and the joiner's items follow their programs.
void mnuTool_Click(frmMain& form);
// Tool > 書庫をコマンドラインより操作: the raw command-line dialog, or the message that no library for it is
// installed. The "/l" start-up runs it too.
void mnuToolCommandLine_Click(frmMain& form);
// Tool > テンプレート圧縮: with none of its four libraries, the message the command-line item shows too.
// The template list itself is not part of the program yet: with a library present nothing opens.
void mnuToolMakeTemplate_Click(frmMain& form);
// Tool > ファイルを分割 and 分割ファイルを連結: starts the program (not waited for), or reports kNotInstalled.
void StartSideProgram(frmMain& form, const std::wstring& program);
// Tool > JPEG暗号化 (index 0), JPEG復号化 (index 1).
void mnuToolJpeg_Click(frmMain& form, int index);
// Tool > クリップボードのデータをデコード.
void mnuToolDecode_Click(frmMain& form);
// Tool > エクスプローラを開く: Explorer with its folder tree on a folder the user picks.
void mnuToolExprore_Click(frmMain& form);
// Help > ヘルプ: the help file in the program its type is registered to open with.
void mnuHelpHelp_Click(frmMain& form);
// Help > バージョン情報.
void mnuHelpAbout_Click(frmMain& form);
// Help > 最新版のダウンロード: the download page in the default browser; nothing is reported.
void mnuHelpDownload_Click(frmMain& form);
// Tree pop-up > プロパティ: the property sheet of the archive shown, with its listing tab.
void mnuTreePopUpProperty_Click(frmMain& form);

// The program of a registered open command: the text between the first two double quotes when it begins
// with one (all that follows the quote when there is no second), then, when it holds ".EXE" in any case,
// cut after the first ".EXE" and trimmed; a command without ".EXE" is the program whole.
std::wstring OpenCommandProgram(const std::wstring& openCommand);

// The property sheet's listing tab: the archiver's own listing of an archive (installed at start).
void ListArchiveForProperty(HWND owner, const std::wstring& archive);

// Binds the handlers above to the window's menu items and installs the property sheet's listing.
void BindToolCommands(frmMain& form);

}  // namespace mainwindow
