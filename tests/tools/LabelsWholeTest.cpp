// Every label of every tool window shows its whole text in the font the program gets here (the Japanese
// UI faces replaced by the IPA fonts): a label laid out for another font is widened where there is room.
#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include <functional>
#include <memory>
#include <string>

#include "LabelCheck.h"
#include "TopMostCheck.h"
#include "tools/PackWizardRun.h"
#include "tools/frmAbout.h"
#include "tools/frmArchiveDown.h"
#include "tools/frmCommandLine.h"
#include "tools/frmExpand.h"
#include "tools/frmPackWizard.h"
#include "tools/frmPassPhrase.h"
#include "tools/frmProperty.h"
#include "tools/frmRename.h"
#include "tools/frmTemplate.h"
#include "tools/frmTemplateList.h"
#include "tools/frmUnPackWizard.h"

namespace {

class NoHost : public tools::PackWizardHost {
 public:
  void ShowArcOptions(HWND, int16_t) override {}
  void ShowCreatedArchive(const std::wstring&) override {}
};

template <class F, class... Args>
std::vector<std::string> CutLabelsOf(Args&... args) {
  F form(args...);
  EXPECT_TRUE(form.Load());
  std::vector<std::string> cut = testsupport::CutLabels(form.Hwnd());
  form.Unload();
  return cut;
}

TEST(ToolLabels, EveryLabelOfEveryToolWindowShowsItsWholeText) {
  testsupport::FakeMainWindow link;
  core::ScopedMainWindowLink linkSeam{link};
  NoHost host;
  const struct {
    const char* form;
    std::function<std::vector<std::string>()> cut;
  } forms[] = {
      {"frmAbout", [] { return CutLabelsOf<tools::frmAbout>(); }},
      {"frmArchiveDown", [] { return CutLabelsOf<tools::frmArchiveDown>(); }},
      {"frmCommandLine", [] { return CutLabelsOf<tools::frmCommandLine>(); }},
      {"frmExpand", [] { return CutLabelsOf<tools::frmExpand>(); }},
      {"frmPackWizard", [&] { return CutLabelsOf<tools::frmPackWizard>(host); }},
      {"frmPassPhrase", [] { return CutLabelsOf<tools::frmPassPhrase>(); }},
      {"frmProperty", [] { return CutLabelsOf<tools::frmProperty>(); }},
      {"frmRename", [] { return CutLabelsOf<tools::frmRename>(); }},
      {"frmTemplate", [] { return CutLabelsOf<tools::frmTemplate>(); }},
      {"frmTemplateList", [] { return CutLabelsOf<tools::frmTemplateList>(); }},
      {"frmUnPackWizard", [] { return CutLabelsOf<tools::frmUnPackWizard>(); }},
  };
  for (const auto& f : forms) EXPECT_THAT(f.cut(), testing::IsEmpty()) << f.form;
}

}  // namespace
