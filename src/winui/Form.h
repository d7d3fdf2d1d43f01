#pragma once
// A top-level window whose controls come from one table in twips. A concrete form derives from Form,
// passes its FormDef, control table and menu table, binds its handlers in its constructor with On(...),
// and overrides the Form_ events it needs. Nothing exists on screen until Load(); Load creates the
// window hidden, so tests drive a form by loading it, setting controls and calling handlers.
#include <windows.h>

#include <functional>
#include <initializer_list>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "winui/FormTypes.h"

namespace winui {

namespace detail {
struct ControlState;
struct MenuState;
}  // namespace detail

class Form;
// How a modal showing ended: OK only when the form said so through EndModal; every other way out (Cancel,
// Esc, the close box, Alt+F4, hiding or unloading from code) is Cancel.
enum class DialogResult { Cancel, OK };
using Handler = std::function<void(EventArgs&)>;
// Called instead of the nested message loop of ShowModal while installed (tests): the form is loaded and
// hidden; the hook sets controls and calls handlers as a user would, then returns.
using ModalHook = std::function<void(Form&)>;
// Called instead of the real popup menu while installed: returns the id of the chosen item, 0 for none.
using PopupHook = std::function<int(Form&, HMENU menu, int menuId)>;

class Form {
 public:
  Form(const FormDef& form, std::span<const ControlDef> controls, std::span<const MenuDef> menus = {});
  // A form made of several control tables, such as a dialog's frame and its tab pages (winui/TabPages.h).
  Form(const FormDef& form, std::initializer_list<std::span<const ControlDef>> tables,
       std::span<const MenuDef> menus = {});
  virtual ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  // Creates the window and its controls hidden and runs Form_Load. Does nothing when already loaded.
  // Returns false when the window could not be created.
  bool Load(HWND owner = nullptr);
  // Loads when needed and shows the window without making it modal.
  void Show(HWND owner = nullptr);
  // Loads when needed, disables the owner, shows the form and runs a nested message loop until the form
  // is hidden or unloaded; then re-enables and activates the owner. With a modal hook installed the hook
  // runs instead of showing anything. Returns how the showing ended (DialogResult).
  DialogResult ShowModal(HWND owner = nullptr);
  // Ends the modal showing with `result` by hiding the form (it stays loaded; unload it afterwards for a
  // dialog that starts afresh each time). The result stays until the next ShowModal.
  void EndModal(DialogResult result);
  DialogResult ModalResult() const { return modalResult_; }
  void Hide();
  // Runs Form_QueryUnload and Form_Unload (either can cancel: returns false) and destroys the window.
  bool Unload(UnloadMode mode = UnloadMode::Code);

  bool IsLoaded() const { return hwnd_ != nullptr; }
  bool IsModal() const { return modalDepth_ > 0; }
  HWND Hwnd() const { return hwnd_; }
  HWND Owner() const { return owner_; }
  const FormDef& Def() const { return formDef_; }

  // Window caption and geometry in twips (Left/Top/Width/Height of the whole window; ScaleWidth and
  // ScaleHeight of its inside).
  std::wstring Caption() const;
  void SetCaption(const std::wstring& text);
  int Left() const;
  int Top() const;
  int Width() const;
  int Height() const;
  int ScaleWidth() const;
  int ScaleHeight() const;
  void Move(int left, int top, int width = -1, int height = -1);
  // 0 normal, 1 minimised, 2 maximised (WindowState).
  int WindowState() const;
  void SetWindowState(int state);
  bool Enabled() const;
  void SetEnabled(bool enabled);
  bool Visible() const;
  void SetTopMost(bool topMost);
  void SetIcon(HICON icon);
  HFONT Font() const { return font_; }

  // The window of control `id` (null when not loaded or unknown).
  HWND Item(int id) const;
  // Name of a control or menu item for diagnostics, with "(i)" for array members.
  std::wstring NameOf(int id) const;
  // Id of the control or menu item with this name and array index (0 when unknown).
  int IdOf(const std::wstring& name, int index = -1) const;
  // Loads a new member of a control array (VB Load ctl(i)): a copy of the member `baseId` at
  // id = baseId + index, placed like it, hidden. Returns its id, or 0 when it cannot be created.
  int LoadControl(int baseId, int index);
  // Unloads a member created by LoadControl.
  void UnloadControl(int id);

  // Binds a handler for an event of a control or menu item. A handler bound to an array's index-0 id
  // serves every member; args.index tells which.
  void On(int id, Event event, Handler handler);
  template <class F>
  void On(int id, Event event, void (F::*member)()) {
    On(id, event, [this, member](EventArgs&) { (static_cast<F*>(this)->*member)(); });
  }
  template <class F>
  void On(int id, Event event, void (F::*member)(EventArgs&)) {
    On(id, event, [this, member](EventArgs& args) { (static_cast<F*>(this)->*member)(args); });
  }
  // Runs the handler bound to (id, event) as the window would, exceptions caught. Returns false when no
  // handler is bound. Tests and program code use it to raise an event by hand.
  bool Raise(int id, Event event, EventArgs& args);
  bool Raise(int id, Event event);
  // True when a handler is bound for (id, event), directly or through its array.
  bool Handles(int id, Event event) const;

  // Menus: captions, states and run-time items (history lists) by item id.
  HMENU MenuBar() const;
  HMENU MenuHandle(int id) const;  // the drop-down of a menu with items
  std::wstring MenuCaption(int id) const;
  void SetMenuCaption(int id, const std::wstring& caption);
  bool MenuChecked(int id) const;
  void SetMenuChecked(int id, bool checked);
  bool MenuEnabled(int id) const;
  void SetMenuEnabled(int id, bool enabled);
  bool MenuVisible(int id) const;
  void SetMenuVisible(int id, bool visible);
  // Loads member `index` of the menu array whose index-0 id is `baseId` (after the highest loaded
  // member), with its caption; returns its id (baseId + index) or 0.
  int LoadMenuItem(int baseId, int index, const std::wstring& caption);
  void UnloadMenuItem(int id);
  bool MenuExists(int id) const;
  // Shows a menu (usually a kMenuPopupOnly one) at the cursor, or at x/y twips inside the form; the
  // chosen item's Click handler runs before this returns.
  void PopupMenu(int menuId, int xTwips = -1, int yTwips = -1);

  // Runs the key preview, the shortcuts and the dialog keys for a message of this form; true when the
  // message was used up. The message loops call it for every message of the thread.
  bool PreTranslate(MSG& msg);

  // Form events: override what the form needs.
  virtual void Form_Load() {}
  virtual void Form_Activate() {}
  virtual void Form_Deactivate() {}
  virtual void Form_Resize() {}
  virtual void Form_Paint() {}
  virtual void Form_QueryUnload(int& cancel, UnloadMode mode) {}
  virtual void Form_Unload(int& cancel) {}
  // With keyPreview on, the form sees keys before the control with the focus; set keyCode/keyAscii to 0
  // to swallow the key.
  virtual void Form_KeyDown(int& keyCode, int shift) {}
  virtual void Form_KeyUp(int& keyCode, int shift) {}
  virtual void Form_KeyPress(int& keyAscii) {}
  virtual void Form_MouseDown(int button, int shift, int x, int y) {}
  virtual void Form_MouseMove(int button, int shift, int x, int y) {}
  virtual void Form_MouseUp(int button, int shift, int x, int y) {}
  virtual void Form_DropFiles(const std::vector<std::wstring>& files) {}

  // Internals shared with the control wrappers.
  detail::ControlState* State(int id) const;
  void Suppress(bool on) { suppress_ += on ? 1 : -1; }
  bool Suppressed() const { return suppress_ > 0; }
  // Runs `body`, reporting any exception it throws to the handler error sink; false when one was thrown.
  bool Guarded(const std::wstring& where, const std::function<void()>& body);
  // Id of the default / cancel button (0 when none): Enter and Esc click them.
  int DefaultButton() const;
  int CancelButton() const;

 private:
  friend struct FormAccess;
  static LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT Default(UINT msg, WPARAM wParam, LPARAM lParam);
  bool RegisterClassOnce();
  bool CreateControls();
  HWND CreateControl(const ControlDef& def, int id, int index);
  void CreateMenus();
  void DestroyMenus();
  void RebuildMenu(int parentId);
  void DestroyEverything();
  void Retire(std::unique_ptr<detail::ControlState> state);
  bool OnCommand(WPARAM wParam, LPARAM lParam);
  bool OnNotify(NMHDR* header, LRESULT& result);
  bool OnScroll(HWND bar, int code);
  void OnTimer(UINT_PTR timerId);
  void PlaceAtStart();
  bool DispatchKey(MSG& msg);
  bool DispatchShortcut(const MSG& msg);
  bool FrameAccessKey(const MSG& msg);
  void MenuClicked(int id);

  FormDef formDef_;
  std::vector<ControlDef> controlDefs_;
  std::vector<MenuDef> menuDefs_;
  std::map<int, std::unique_ptr<detail::ControlState>> controls_;
  // States of destroyed controls: a handler may unload the form while a control's window procedure is
  // still on the stack with its state, so they live as long as the form object.
  std::vector<std::unique_ptr<detail::ControlState>> retired_;
  std::map<int, std::unique_ptr<detail::MenuState>> menus_;
  std::map<std::pair<int, Event>, Handler> handlers_;
  HWND hwnd_ = nullptr;
  HWND owner_ = nullptr;
  HMENU menuBar_ = nullptr;
  HFONT font_ = nullptr;
  HWND tooltip_ = nullptr;
  HWND lastFocus_ = nullptr;
  int modalDepth_ = 0;
  DialogResult modalResult_ = DialogResult::Cancel;
  int pendingState_ = 0;
  bool ownsFont_ = false;
  int suppress_ = 0;
  bool unloading_ = false;
  bool shownOnce_ = false;
  bool ready_ = false;  // controls created
  UINT_PTR clockTimer_ = 0;

  friend class Control;
  friend class MenuModel;
};

// Modal and popup seams (tests). Each returns the previous hook; an empty hook restores the real one.
ModalHook SetModalHook(ModalHook hook);
PopupHook SetPopupHook(PopupHook hook);

// Where an exception thrown by a handler is reported (it never leaves the window procedure). The default
// writes it to the debugger output. The handler gets the form, the control or menu name and the text.
using HandlerErrorSink = std::function<void(Form&, const std::wstring& where, const std::wstring& what)>;
HandlerErrorSink SetHandlerErrorSink(HandlerErrorSink sink);

}  // namespace winui
