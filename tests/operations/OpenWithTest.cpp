// The open-with submenus' items from a type's verbs, the program a verb starts, and how a file is started
// in each mode.
#include "operations/OpenWith.h"

#include <gtest/gtest.h>

#include <map>

namespace {

using operations::OpenWithItem;
using operations::ProgramStart;

const std::wstring kEditor = L"C:\\Tools\\TeraPad.v1.exe";
const std::wstring kViewer = L"C:\\Program Files\\Viewer\\ifview.exe";

TEST(OpenWith, AVerbsProgramIsItsCommandWithoutArguments) {
  const std::pair<std::wstring, std::wstring> cases[] = {
      {L"C:\\WINDOWS\\NOTEPAD.EXE %1", L"C:\\WINDOWS\\NOTEPAD.EXE"},
      {L"\"C:\\Program Files\\Edit\\edit.exe\" /n \"%1\"", L"C:\\Program Files\\Edit\\edit.exe"},
      {L"", L"notepad.exe"},
      {L"notepad.exe \"%1\"", L"notepad.exe"},
      {L"wordpad.exe", L"wordpad.exe"},
      {L"%1", L""},
  };
  for (const auto& [command, program] : cases) EXPECT_EQ(operations::VerbProgram(command), program) << command;
}

TEST(OpenWith, TheItemsAreTheEditorTheViewerForPicturesAndTheTypesVerbsButPrint) {
  const std::vector<core::ShellVerb> verbs = {
      {L"edit", L"\"C:\\Program Files\\Edit\\edit.exe\" \"%1\""},
      {L"open", L"C:\\WINDOWS\\NOTEPAD.EXE %1"},
      {L"print", L"C:\\WINDOWS\\NOTEPAD.EXE /p %1"},
      {L"Print", L""},
  };
  const std::vector<OpenWithItem> expected = {
      {L"外部エディタで開く TeraPad", kEditor, true},
      {L"画像ビューアで開く ifview", kViewer, false},
      {L"-", L"", true},
      {L"edit", L"C:\\Program Files\\Edit\\edit.exe", true},
      {L"NOTEPAD", L"C:\\WINDOWS\\NOTEPAD.EXE", true},
      {L"Print", L"notepad.exe", true},  // only "print" itself is left out
  };
  EXPECT_EQ(operations::OpenWithItems(L".txt", kEditor, kViewer, verbs), expected);

  for (const wchar_t* picture : {L".jpg", L".JPEG", L".Png", L".q0"})
    EXPECT_TRUE(operations::OpenWithItems(picture, kEditor, kViewer, verbs)[1].enabled) << picture;

  // A type without verbs key: a disabled "(なし)"; a verbs key without verbs: nothing after the separator.
  const std::vector<OpenWithItem> none = operations::OpenWithItems(L".zzz", kEditor, kViewer, std::nullopt);
  ASSERT_EQ(none.size(), 4u);
  EXPECT_EQ(none[3], (OpenWithItem{L"(なし)", L"", false}));
  EXPECT_EQ(operations::OpenWithItems(L".zzz", kEditor, kViewer, std::vector<core::ShellVerb>{}).size(), 3u);
}

TEST(OpenWith, EachModeStartsItsProgramInItsOwnFolderGivenUnquoted) {
  const std::map<std::wstring, std::wstring> registry = {
      {L".txt", L"\"C:\\Program Files\\Edit\\EDIT.EXE\" /n \"%1\""},
      {L".htm", L"C:\\Browser\\browse.exe -new %1"},
  };
  const auto openCommand = [&](const std::wstring& ext) {
    auto it = registry.find(ext);
    return it == registry.end() ? std::wstring() : it->second;
  };
  const std::wstring work = L"C:\\Work Folder\\tvtemp00\\";
  struct Case {
    std::wstring file;
    int mode;
    std::wstring command;
    ProgramStart start;
  };
  const Case cases[] = {
      {L"read me.txt",
       0,
       L"",
       {L"C:\\Program Files\\Edit\\EDIT.EXE", L"\"" + work + L"read me.txt\"", L"C:\\Program Files\\Edit"}},
      {L"index.htm", 0, L"", {L"C:\\Browser\\browse.exe", L"\"" + work + L"index.htm\"", L"C:\\Browser"}},
      {L"data.unknown", 0, L"", {kEditor, L"\"" + work + L"data.unknown\"", L"C:\\Tools"}},
      {L"noext", 0, L"", {kEditor, L"\"" + work + L"noext\"", L"C:\\Tools"}},
      {L"setup.exe", 1, L"", {work + L"setup.exe", L"", L"C:\\Work Folder\\tvtemp00"}},
      {L"a.bmp", 2, L"C:\\Tools\\view.exe /r", {L"C:\\Tools\\view.exe", L"\"" + work + L"a.bmp\" /r", L"C:\\Tools"}},
      {L"a.bmp", 2, L"C:\\Tools\\viewer", {L"C:\\Tools\\viewer", L"\"" + work + L"a.bmp\"", L"C:\\Tools"}},
      {L"a.bmp",
       2,
       L"\"C:\\Program Files\\Viewer\\ifview.exe\" -s",
       {kViewer, L"\"" + work + L"a.bmp\" -s", L"C:\\Program Files\\Viewer"}},
      {L"a.txt", 9, L"", {kEditor, L"\"" + work + L"a.txt\"", L"C:\\Tools"}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(operations::ProgramStartOf(work + c.file, c.mode, c.command, kEditor, openCommand), c.start)
        << c.file << " mode " << c.mode;
}

}  // namespace
