// The open-with submenus on the real main window, built from a throw-away file type in the registry when
// the Edit menu or the list pop-up opens, and their items opening the selected entry with their program.
#include <windows.h>

#include "EntryFixture.h"
#include "core/Settings.h"
#include "core/clsPrivate.h"
#include "core/modPath.h"
#include "core/modTolvenar.h"
#include "mainwindow/ArchiveCommands.h"
#include "operations/EditedFiles.h"

namespace {

using namespace mainwindow;

// A file type of the test's own under HKEY_CLASSES_ROOT, removed at the end.
class ThrowAwayType {
 public:
  ThrowAwayType(const std::wstring& ext, const std::wstring& className,
                const std::vector<std::pair<std::wstring, std::wstring>>& verbs)
      : ext_(ext), class_(className) {
    Set(ext, className);
    for (const auto& [verb, command] : verbs) Set(className + L"\\shell\\" + verb + L"\\command", command);
  }
  ~ThrowAwayType() {
    RegDeleteTreeW(HKEY_CLASSES_ROOT, ext_.c_str());
    RegDeleteKeyW(HKEY_CLASSES_ROOT, ext_.c_str());
    RegDeleteTreeW(HKEY_CLASSES_ROOT, class_.c_str());
    RegDeleteKeyW(HKEY_CLASSES_ROOT, class_.c_str());
  }

 private:
  static void Set(const std::wstring& subKey, const std::wstring& value) {
    EXPECT_TRUE(testsupport::SetRegDefault(HKEY_CLASSES_ROOT, subKey, value)) << subKey;
  }
  std::wstring ext_, class_;
};

class OpenWithMenusTest : public mwtest::EntryTest {
 protected:
  void SetUp() override {
    EntryTest::SetUp();
    core::Settings.Editor = L"C:\\Tools\\TeraPad.exe";
    core::Settings.Viewer = L"C:\\Tools\\ifview.exe";
    const std::wstring fixture =
        Archive(L"types.7z",
                "entry memo.tvowtest\r\ndata abc\r\nend\r\nentry pic.jpg\r\ndata abc\r\nend\r\n"
                "entry plain.tvownone\r\ndata abc\r\nend\r\n");
    ASSERT_TRUE(OpenArchive(*form, fixture, L"unreadable"));
  }
  // The drop-down opening, as the window hears it from the menu.
  void Open(int menuId) {
    HMENU menu = form->MenuHandle(menuId);
    ASSERT_TRUE(menu);
    SendMessageW(form->Hwnd(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), 0);
  }
  struct Item {
    std::wstring caption;
    bool enabled;
    bool operator==(const Item&) const = default;
  };
  // The loaded items of a submenu.
  std::vector<Item> Items(int base) const {
    std::vector<Item> items;
    for (int id = base; form->MenuExists(id); ++id) items.push_back({form->MenuCaption(id), form->MenuEnabled(id)});
    return items;
  }

  ThrowAwayType type_{L".tvowtest",
                      L"Tolvenar.OwTest",
                      {{L"open", L"\"C:\\Program Files\\Ow Edit\\owedit.exe\" \"%1\""},
                       {L"print", L"C:\\ow\\print.exe %1"},
                       {L"zedit", L"C:\\ow\\zed.exe /e %1"}}};
};

TEST_F(OpenWithMenusTest, TheSubmenusFollowTheSelectedEntrysTypeAndTheirItemsOpenItWithTheirProgram) {
  Select({L"memo.tvowtest"});
  Open(ID_mnuEdit);
  const std::vector<Item> verbs = {{L"外部エディタで開く TeraPad", true},
                                   {L"画像ビューアで開く ifview", false},
                                   {L"-", true},
                                   {L"owedit", true},
                                   {L"zedit", true}};
  EXPECT_EQ(Items(ID_mnuEditAction), verbs);
  EXPECT_EQ(Items(ID_mnuPopUpAction), verbs);
  const std::vector<std::wstring> commands = {core::Settings.Editor, core::Settings.Viewer, L"",
                                              L"C:\\Program Files\\Ow Edit\\owedit.exe", L"C:\\ow\\zed.exe /e"};
  EXPECT_EQ(core::OpenWithCommands, commands);

  // The item opens the extracted entry with its program.
  SendMessageW(form->Hwnd(), WM_COMMAND, MAKEWPARAM(ID_mnuPopUpAction + 4, 0), 0);
  const std::wstring copy = operations::MemberCopyPath(core::PrivateState.ArcFileName(), {L"memo.tvowtest", L""});
  EXPECT_TRUE(work.Called(L"ExecuteFile(2|" + copy + L"|C:\\ow\\zed.exe /e)")) << testing::PrintToString(work.calls);

  // A type the registry does not know: one disabled item after the separator, nothing left of the verbs.
  Select({L"plain.tvownone"});
  Open(ID_mnuPopUpMenu);
  const std::vector<Item> none = {
      {L"外部エディタで開く TeraPad", true}, {L"画像ビューアで開く ifview", false}, {L"-", true}, {L"(なし)", false}};
  EXPECT_EQ(Items(ID_mnuEditAction), none);
  EXPECT_EQ(Items(ID_mnuPopUpAction), none);
  EXPECT_EQ(core::OpenWithCommands.size(), 4u);

  Select({L"pic.jpg"});
  Open(ID_mnuEdit);
  EXPECT_TRUE(form->MenuEnabled(ID_mnuEditAction + 1)) << "a picture opens in the image viewer";
  EXPECT_TRUE(form->MenuEnabled(ID_mnuPopUpAction + 1));

  // With nothing selected the submenus are those of no type.
  form->lvListView.SelectAll(false);
  Open(ID_mnuEdit);
  EXPECT_EQ(Items(ID_mnuEditAction), none);
}

}  // namespace
