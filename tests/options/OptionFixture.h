#pragma once
// The general options dialog with the settings at their defaults in a scratch settings file, its dialogs
// answered by fakes, and its shell integration written into a scratch classes root and scratch SendTo and
// desktop folders.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "SeamFakes.h"
#include "SettingsFixture.h"
#include "ShellReadBack.h"
#include "TopMostCheck.h"
#include "options/frmOption.h"

namespace optionstest {

// Public: the tests' case tables drive the dialog through it.
class OptionTest : public settingstest::SettingsFixture {
 public:
  OptionTest();
  ~OptionTest() override;

  // Opens the dialog as the Option menu does (a fresh instance, loaded, then shown modally); `user` acts on
  // it while it is shown. Returns how it ended.
  winui::DialogResult Open(const std::function<void()>& user);
  // The dialog of the running Open.
  options::frmOption& Form() { return *form_; }
  winui::CheckBox Check(int id) { return {form_.get(), id}; }
  winui::OptionButton Option(int id) { return {form_.get(), id}; }
  winui::TextBox Text(int id) { return {form_.get(), id}; }
  winui::Control Control(int id) { return {form_.get(), id}; }
  // Clicks a button, check box or option button as the user does; it must be enabled.
  void Click(int id);
  // Moves the spin control one step as its arrow does.
  void Spin(bool up);
  std::wstring SendTo() const { return dir_ / L"SendTo\\"; }
  std::wstring Desktop() const { return dir_ / L"Desktop\\"; }

  testsupport::FakeMainWindow link_;
  core::ScopedMainWindowLink linkSeam_{link_};
  testsupport::FakeCommonDialogs dialogs_;
  core::ScopedCommonDialogSeam dialogsSeam_{dialogs_};
  testsupport::FakeFolderPicker folders_;
  core::ScopedFolderPickerSeam foldersSeam_{folders_};
  installtest::ScratchRoot classes_;
  std::wstring program_;
  std::unique_ptr<options::frmOption> form_;

 private:
  options::frmOption::ShellTargetSource previousTarget_;
};

}  // namespace optionstest
