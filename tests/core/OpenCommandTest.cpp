#include "core/OpenCommand.h"

#include <gtest/gtest.h>

#include "TempDir.h"

namespace {

void SetDefault(const std::wstring& subKey, const std::wstring& value) {
  ASSERT_TRUE(testsupport::SetRegDefault(HKEY_CURRENT_USER, subKey, value)) << subKey;
}

TEST(OpenCommand, FollowsTheExtensionToItsClassAndReturnsTheCommandUnchanged) {
  testsupport::ScratchRegKey scratch;
  const std::wstring root = scratch.SubKey() + L"\\";
  const std::wstring command = L"\"C:\\Program Files\\テキスト編集\\edit.exe\" /n \"%1\" " + std::wstring(300, L'x');
  SetDefault(root + L".txt", L"txtfile");
  SetDefault(root + L"txtfile\\shell\\open\\command", command);
  SetDefault(root + L".nocmd", L"nocmdfile");
  SetDefault(root + L"nocmdfile", L"a class without a command");

  EXPECT_EQ(command, core::GetOpenCommandUnder(HKEY_CURRENT_USER, root, L".txt")) << "long commands stay whole";
  EXPECT_EQ(L"", core::GetOpenCommandUnder(HKEY_CURRENT_USER, root, L".nocmd"));
  EXPECT_EQ(L"", core::GetOpenCommandUnder(HKEY_CURRENT_USER, root, L".unknown"));
  EXPECT_EQ(L"", core::GetOpenCommandUnder(HKEY_CURRENT_USER, root, L""));
}

TEST(OpenCommand, TheVerbsOfATypeAreReadWithTheirCommandsAndVerbsWithoutCommandLeftOut) {
  testsupport::ScratchRegKey scratch;
  const std::wstring root = scratch.SubKey() + L"\\";
  SetDefault(root + L".tvw", L"tvwfile");
  SetDefault(root + L"tvwfile\\shell\\edit\\command", L"\"C:\\Program Files\\e.exe\" \"%1\"");
  SetDefault(root + L"tvwfile\\shell\\explore", L"a verb the shell handles itself");
  SetDefault(root + L"tvwfile\\shell\\open\\command", L"notepad.exe %1");
  SetDefault(root + L"tvwfile\\shell\\print\\command", L"");
  SetDefault(root + L".noshell", L"noshellfile");
  SetDefault(root + L"noshellfile", L"a class without verbs");

  const std::vector<core::ShellVerb> expected = {
      {L"edit", L"\"C:\\Program Files\\e.exe\" \"%1\""}, {L"open", L"notepad.exe %1"}, {L"print", L""}};
  EXPECT_EQ(core::GetShellVerbsUnder(HKEY_CURRENT_USER, root, L".tvw"), expected);
  EXPECT_EQ(core::GetShellVerbsUnder(HKEY_CURRENT_USER, root, L".noshell"), std::nullopt);
  EXPECT_EQ(core::GetShellVerbsUnder(HKEY_CURRENT_USER, root, L".unknown"), std::nullopt);
  EXPECT_EQ(core::GetShellVerbsUnder(HKEY_CURRENT_USER, root, L""), std::nullopt);
}

}  // namespace
