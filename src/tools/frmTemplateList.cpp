#include "tools/frmTemplateList.h"

#include <string>
#include <vector>

#include "core/Settings.h"
#include "core/SettingValues.h"
#include "core/Text.h"
#include "core/modShell.h"
#include "tools/CommandLineRun.h"
#include "tools/TemplateCreation.h"
#include "tools/Templates.h"
#include "tools/ToolDialog.h"
#include "tools/frmTemplate.h"
#include "winui/App.h"
#include "winui/MsgBox.h"

namespace tools {
namespace {

using winui::Kind;
using F = frmTemplateList;

// The inside at design size, which is also the smallest the window keeps.
constexpr int kInnerWidth = 7200;
constexpr int kInnerHeight = 2835;
constexpr int kDefaultWidth = 7320;
constexpr int kDefaultHeight = 3240;
constexpr int kButtonWidth = 1215;
constexpr int kButtonLeft = kInnerWidth - kButtonWidth - 120;

constexpr winui::FormDef kForm{.className = L"Tolvenar.frmTemplateList",
                               .caption = L"テンプレート圧縮書庫リスト",
                               .clientWidth = kInnerWidth,
                               .clientHeight = kInnerHeight,
                               .border = winui::BorderStyle::Sizable,
                               .start = winui::StartPosition::Manual,
                               .keyPreview = true,
                               .showInTaskbar = false};

const winui::ControlDef kControls[] = {
    {F::ID_lstTemplateList, L"lstTemplateList", Kind::ListBox, 120, 120, kInnerWidth - kButtonWidth - 360,
     kInnerHeight - 240, L"", winui::kScrollBars, 0},
    {F::ID_cmdPack, L"cmdPack", Kind::CommandButton, kButtonLeft, 120, kButtonWidth, 375, L"圧縮(&P)", winui::kNone, 1},
    {F::ID_cmdAdd, L"cmdAdd", Kind::CommandButton, kButtonLeft, 555, kButtonWidth, 375, L"新規(&A)", winui::kNone, 2},
    {F::ID_cmdUpdate, L"cmdUpdate", Kind::CommandButton, kButtonLeft, 990, kButtonWidth, 375, L"更新(&U)", winui::kNone,
     3},
    {F::ID_cmdDelete, L"cmdDelete", Kind::CommandButton, kButtonLeft, 1425, kButtonWidth, 375, L"削除(&D)",
     winui::kNone, 4},
    {F::ID_cmdEnd, L"cmdEnd", Kind::CommandButton, kButtonLeft, 1860, kButtonWidth, 375, L"キャンセル(&C)",
     winui::kNone, 5},
};

constexpr int kMinimized = 1;

// Width in pixels of `text` in the font `font`.
int TextPixels(HWND window, HFONT font, const std::wstring& text) {
  HDC dc = GetDC(window);
  if (!dc) return 0;
  HGDIOBJ previous = SelectObject(dc, font);
  SIZE size{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(dc, previous);
  ReleaseDC(window, dc);
  return size.cx;
}

// A stored place, or `fallback` when the settings file holds no number there.
int Twips(const std::wstring& text, int fallback) { return core::WholeSetting(text, fallback, INT_MIN, INT_MAX); }

}  // namespace

std::wstring DeleteTemplateQuestion(int position) {
  return std::to_wstring(position) + L" 番目の定型書庫情報を削除します \r\nよろしいですか";
}

frmTemplateList::frmTemplateList() : Form(kForm, kControls) {
  On(ID_lstTemplateList, winui::Event::DblClick, &frmTemplateList::cmdUpdate_Click);
  On(ID_lstTemplateList, winui::Event::KeyPress, &frmTemplateList::lstTemplateList_KeyPress);
  On(ID_cmdPack, winui::Event::Click, &frmTemplateList::cmdPack_Click);
  On(ID_cmdAdd, winui::Event::Click, &frmTemplateList::cmdAdd_Click);
  On(ID_cmdUpdate, winui::Event::Click, &frmTemplateList::cmdUpdate_Click);
  On(ID_cmdDelete, winui::Event::Click, &frmTemplateList::cmdDelete_Click);
  On(ID_cmdEnd, winui::Event::Click, &frmTemplateList::cmdEnd_Click);
}

void frmTemplateList::Form_Load() {
  const core::SettingsStore& s = core::Settings;
  const int width = Twips(s.TemplateWindowWidth, kDefaultWidth);
  const int height = Twips(s.TemplateWindowHeight, kDefaultHeight);
  // Centred on the screen where no place is stored.
  const int left = Twips(s.TemplateWindowLeft, (winui::PixelsToTwipsX(GetSystemMetrics(SM_CXSCREEN)) - width) / 2);
  const int top = Twips(s.TemplateWindowTop, (winui::PixelsToTwipsY(GetSystemMetrics(SM_CYSCREEN)) - height) / 2);
  Move(left, top, width, height);
  core::SetWindowTop(Hwnd(), HWND_TOPMOST);
  selection_ = 0;
  GetTemplateList();
}

void frmTemplateList::GetTemplateList() {
  lstTemplateList.Clear();
  size_t longestBytes = 0;
  std::wstring longest;
  const int count = TemplateCount();
  for (int i = 0; i < count; ++i) {
    const std::wstring item = TemplateArchiveFile(ReadTemplate(i, false));
    lstTemplateList.AddItem(item);
    const size_t bytes = core::ToCp932(item + L"　").size();
    if (bytes > longestBytes) {
      longestBytes = bytes;
      longest = item;
    }
  }
  SendMessageW(lstTemplateList.Hwnd(), LB_SETHORIZONTALEXTENT,
               static_cast<WPARAM>(TextPixels(lstTemplateList.Hwnd(), Font(), longest + L"B")), 0);
  if (selection_ >= 0 && selection_ < lstTemplateList.ListCount()) lstTemplateList.SetListIndex(selection_);
}

void frmTemplateList::Form_Resize() {
  if (WindowState() == kMinimized) return;
  // Never smaller than the design size: the frame around the inside is kept as the system draws it.
  if (ScaleWidth() < kInnerWidth) {
    Move(Left(), Top(), Width() - ScaleWidth() + kInnerWidth, Height());
    return;
  }
  if (ScaleHeight() < kInnerHeight) {
    Move(Left(), Top(), Width(), Height() - ScaleHeight() + kInnerHeight);
    return;
  }
  const int buttonLeft = ScaleWidth() - kButtonWidth - 120;
  for (int id = ID_cmdPack; id <= ID_cmdEnd; ++id) {
    winui::CommandButton button(this, id);
    button.Move(buttonLeft, button.Top());
  }
  lstTemplateList.Move(lstTemplateList.Left(), lstTemplateList.Top(), ScaleWidth() - kButtonWidth - 360,
                       ScaleHeight() - 240);
  winui::DoEvents();
}

void frmTemplateList::Form_Unload(int&) {
  if (WindowState() != kMinimized) {
    core::SettingsStore& s = core::Settings;
    s.TemplateWindowLeft = std::to_wstring(Left());
    s.TemplateWindowTop = std::to_wstring(Top());
    s.TemplateWindowWidth = std::to_wstring(Width());
    s.TemplateWindowHeight = std::to_wstring(Height());
  }
  MainWindowBackOnTop();
}

void frmTemplateList::Form_KeyDown(int& keyCode, int) {
  EscapeCloses(keyCode, [this] { cmdEnd_Click(); });
}

void frmTemplateList::lstTemplateList_KeyPress(winui::EventArgs& args) {
  if (args.keyAscii != VK_RETURN) return;
  args.keyAscii = 0;
  cmdUpdate_Click();
}

void frmTemplateList::cmdPack_Click() {
  std::vector<int> selected;
  if (lstTemplateList.ListIndex() >= 0) selected.push_back(lstTemplateList.ListIndex());
  CreateTemplateArchives(Hwnd(), selected);
}

void frmTemplateList::cmdAdd_Click() { EditTemplate(lstTemplateList.ListCount(), false, L"テンプレートの作成"); }

void frmTemplateList::cmdUpdate_Click() {
  const int position = lstTemplateList.ListIndex();
  if (position < 0) return;
  selection_ = position;
  EditTemplate(position, true, L"テンプレートの更新");
}

void frmTemplateList::EditTemplate(int number, bool open, const wchar_t* caption) {
  frmTemplate editor;
  editor.SetOpenStatus(open);
  editor.SetTemplateNo(number);
  if (!editor.Load(Hwnd())) return;
  editor.SetCaption(caption);
  if (editor.ShowModal(Hwnd()) == winui::DialogResult::OK) GetTemplateList();
}

void frmTemplateList::cmdDelete_Click() {
  const int position = lstTemplateList.ListIndex();
  if (position < 0) return;
  if (winui::MsgBox(DeleteTemplateQuestion(position + 1), MB_OKCANCEL | MB_ICONQUESTION | MB_SYSTEMMODAL,
                    core::kProgramTitle, Hwnd()) != IDOK)
    return;
  DeleteTemplate(position);
  lstTemplateList.RemoveItem(position);
  if (lstTemplateList.ListCount() > 0) lstTemplateList.SetListIndex(0);
}

void frmTemplateList::cmdEnd_Click() { Unload(); }

void ShowTemplateList(HWND owner) {
  if (!CommandLineAvailable()) {
    winui::MsgBox(kCommandLineMissing, MB_OK | MB_ICONEXCLAMATION, core::kProgramTitle, owner);
    return;
  }
  frmTemplateList form;
  form.ShowModal(owner);
}

}  // namespace tools
