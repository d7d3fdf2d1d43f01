#pragma once
// The per-type options dialog over the stand-in libraries (versions set per test), with the settings at
// their defaults in a scratch settings file and the unzip32 switch in a scratch key.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "SettingsFixture.h"
#include "TopMostCheck.h"
#include "options/frmArcOption.h"
#include "winui/CommonControls.h"
#include "winui/Controls.h"
#include "winui/ListControls.h"

namespace optionstest {

// Public: the tests' case tables drive the dialog through it.
class ArcOptionTest : public settingstest::SettingsFixture {
 public:
  ArcOptionTest();
  ~ArcOptionTest() override;

  // Replaces the stand-ins' configuration ("[cab32]\nVersion=89\n..."); the libraries are bound afresh.
  void Configure(const std::string& ini);
  // Where the libraries are looked for (the stand-ins' folder unless a test gives its own).
  void UseLibraryFolder(const std::wstring& folder);
  // A dialog loaded afresh, as at program start.
  options::frmArcOption& Load();
  // Shows the dialog modally on `tab` as its callers do; `user` acts on it while it is shown (and presses
  // OK or Cancel, or leaves it open, which ends as Cancel).
  winui::DialogResult Show(int tab, const std::function<void()>& user);
  // The stand-ins' calls of `entry` ("TarConfigDialog"), as "library|arguments".
  std::vector<std::string> Calls(const std::string& entry) const;

  options::frmArcOption& Form() { return *form_; }
  winui::CheckBox Check(int id) { return {form_.get(), id}; }
  winui::OptionButton Option(int id) { return {form_.get(), id}; }
  winui::ComboBox List(int id) { return {form_.get(), id}; }
  winui::TextBox Text(int id) { return {form_.get(), id}; }
  winui::Slider Slider(int id) { return {form_.get(), id}; }
  winui::Control Control(int id) { return {form_.get(), id}; }
  // The index of the one selected button of an array, -1 for none, -2 for more than one.
  int Selected(int firstId, int count);
  // Clicks a button, check box or option button as the user does (BM_CLICK); it must be enabled.
  void Click(int id);

  testsupport::FakeMainWindow link_;
  core::ScopedMainWindowLink linkSeam_{link_};
  std::unique_ptr<options::frmArcOption> form_;
};

}  // namespace optionstest
