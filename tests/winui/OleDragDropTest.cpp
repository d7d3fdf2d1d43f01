// OLE drag and drop of files as another program takes part in it: a real window registered as a drop
// target, driven through the IDropTarget the system would call, with a file list (CF_HDROP) in a data object;
// and a dragged data object that makes its paths only when a target asks for them, once.
#include "winui/OleDragDrop.h"

#include <gtest/gtest.h>
#include <shlobj.h>

#include <string>
#include <vector>

namespace {

// A plain top-level window to register; destroyed with the test.
class PlainWindow {
 public:
  PlainWindow() {
    hwnd_ = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 100, 100, 200, 200, nullptr, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
  }
  ~PlainWindow() { DestroyWindow(hwnd_); }
  HWND Hwnd() const { return hwnd_; }

 private:
  HWND hwnd_;
};

// Records what reaches the window and answers with `offer`.
class RecordingDrop : public winui::DropHandler {
 public:
  DWORD DragOver(IDataObject* data, const winui::DragPoint& at) override {
    overs.push_back(at);
    sawFiles = winui::HasFileList(data);
    return offer;
  }
  void DragLeave() override { ++leaves; }
  DWORD Drop(IDataObject* data, const winui::DragPoint& at) override {
    dropped = winui::FileListOf(data);
    dropAt = at;
    return offer;
  }
  DWORD offer = DROPEFFECT_COPY;
  std::vector<winui::DragPoint> overs;
  bool sawFiles = false;
  int leaves = 0;
  std::vector<std::wstring> dropped;
  winui::DragPoint dropAt;
};

POINTL ScreenPoint(HWND hwnd, int x, int y) {
  POINT pt{x, y};
  ClientToScreen(hwnd, &pt);
  return POINTL{pt.x, pt.y};
}

TEST(OleDragDropTest, FilesDroppedThroughTheRegisteredTargetReachTheWindowsHandler) {
  PlainWindow window;
  RecordingDrop handler;
  winui::DropRegistration registration(window.Hwnd(), handler);
  ASSERT_TRUE(registration.Registered());

  const std::vector<std::wstring> files = {L"C:\\ファイル\\a b.txt", L"C:\\ファイル\\フォルダ"};
  IDataObject* data = winui::NewFileDataObject([&] { return files; });
  IDropTarget* target = registration.Target();
  DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
  ASSERT_EQ(target->DragEnter(data, MK_LBUTTON, ScreenPoint(window.Hwnd(), 10, 20), &effect), S_OK);
  EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_COPY));
  EXPECT_TRUE(handler.sawFiles);
  effect = DROPEFFECT_COPY;
  target->DragOver(MK_LBUTTON | MK_SHIFT, ScreenPoint(window.Hwnd(), 30, 40), &effect);
  ASSERT_EQ(handler.overs.size(), 2u);
  EXPECT_EQ(handler.overs[1].client.x, 30);
  EXPECT_EQ(handler.overs[1].client.y, 40);
  EXPECT_EQ(handler.overs[1].keyState, static_cast<DWORD>(MK_LBUTTON | MK_SHIFT));

  effect = DROPEFFECT_COPY;
  ASSERT_EQ(target->Drop(data, MK_SHIFT, ScreenPoint(window.Hwnd(), 5, 6), &effect), S_OK);
  EXPECT_EQ(handler.dropped, files);
  EXPECT_EQ(handler.dropAt.client.x, 5);
  EXPECT_EQ(handler.dropAt.keyState, static_cast<DWORD>(MK_SHIFT));
  EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_COPY));
  data->Release();
}

TEST(OleDragDropTest, AnEffectTheSourceDoesNotAllowIsNeverAnsweredAndLeavingIsReported) {
  PlainWindow window;
  RecordingDrop handler;
  handler.offer = DROPEFFECT_MOVE;
  winui::DropRegistration registration(window.Hwnd(), handler);
  IDataObject* data = winui::NewFileDataObject([] { return std::vector<std::wstring>{L"C:\\a.txt"}; });
  DWORD effect = DROPEFFECT_COPY;
  registration.Target()->DragEnter(data, 0, ScreenPoint(window.Hwnd(), 1, 1), &effect);
  EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_NONE));
  registration.Target()->DragLeave();
  EXPECT_EQ(handler.leaves, 1);
  data->Release();
}

TEST(OleDragDropTest, TheDraggedPathsAreMadeAtTheFirstRequestForTheDataAndOnlyOnce) {
  int made = 0;
  IDataObject* data = winui::NewFileDataObject([&] {
    ++made;
    return std::vector<std::wstring>{L"C:\\drag\\x.txt", L"C:\\drag\\folder"};
  });
  FORMATETC hdrop{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
  FORMATETC text{CF_UNICODETEXT, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
  EXPECT_EQ(data->QueryGetData(&hdrop), S_OK);
  EXPECT_NE(data->QueryGetData(&text), S_OK);
  EXPECT_TRUE(winui::HasFileList(data));
  IEnumFORMATETC* formats = nullptr;
  ASSERT_EQ(data->EnumFormatEtc(DATADIR_GET, &formats), S_OK);
  FORMATETC offered{};
  ULONG got = 0;
  ASSERT_EQ(formats->Next(1, &offered, &got), S_OK);
  EXPECT_EQ(offered.cfFormat, CF_HDROP);
  EXPECT_NE(formats->Next(1, &offered, &got), S_OK);
  formats->Release();
  EXPECT_EQ(made, 0) << "asking what is offered makes nothing";

  const std::vector<std::wstring> expected = {L"C:\\drag\\x.txt", L"C:\\drag\\folder"};
  EXPECT_EQ(winui::FileListOf(data), expected);
  EXPECT_EQ(winui::FileListOf(data), expected);
  EXPECT_EQ(made, 1);
  STGMEDIUM medium{};
  EXPECT_NE(data->GetData(&text, &medium), S_OK);
  data->Release();
}

TEST(OleDragDropTest, TheDragHandsItsDataToTheLoopAndReportsTheEffect) {
  int made = 0;
  std::vector<std::wstring> received;
  winui::DragHook previous = winui::SetDragHook([&](IDataObject* data, DWORD allowed) -> DWORD {
    EXPECT_EQ(allowed, static_cast<DWORD>(DROPEFFECT_COPY));
    EXPECT_EQ(made, 0) << "nothing is made when the drag starts";
    received = winui::FileListOf(data);
    return DROPEFFECT_COPY;
  });
  const DWORD effect = winui::DragFiles(
      [&] {
        ++made;
        return std::vector<std::wstring>{L"C:\\w\\a.txt"};
      },
      DROPEFFECT_COPY);
  winui::SetDragHook(previous);
  EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_COPY));
  EXPECT_EQ(received, std::vector<std::wstring>{L"C:\\w\\a.txt"});
  EXPECT_EQ(made, 1);

  // A drag that ends nowhere makes nothing.
  made = 0;
  previous = winui::SetDragHook([](IDataObject*, DWORD) -> DWORD { return DROPEFFECT_NONE; });
  winui::DragFiles(
      [&] {
        ++made;
        return std::vector<std::wstring>{};
      },
      DROPEFFECT_COPY);
  winui::SetDragHook(previous);
  EXPECT_EQ(made, 0);
}

}  // namespace
