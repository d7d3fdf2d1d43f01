// Every label of the option dialogs shows its whole text in the font the program gets here (the Japanese UI
// faces replaced by the IPA fonts), on every tab: a label laid out for another font is widened where there
// is room.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "ArcOptionFixture.h"
#include "LabelCheck.h"
#include "OptionFixture.h"
#include "options/frmDropOption.h"
#include "options/frmSFX.h"

namespace {

using testing::IsEmpty;

class OptionLabels : public optionstest::ArcOptionTest {};

TEST_F(OptionLabels, TheTypeOptionsTheNewArchiveAndTheSelfExtractorDialogsShowEveryLabelWhole) {
  EXPECT_THAT(testsupport::CutLabels(Load().Hwnd()), IsEmpty()) << "frmArcOption";
  options::frmDropOption drop;
  drop.SetArcType(0);
  EXPECT_THAT(testsupport::CutLabels(drop.Hwnd()), IsEmpty()) << "frmDropOption";
  drop.Unload();
  options::frmSFX sfx;
  ASSERT_TRUE(sfx.Load());
  EXPECT_THAT(testsupport::CutLabels(sfx.Hwnd()), IsEmpty()) << "frmSFX";
  sfx.Unload();
}

class GeneralOptionLabels : public optionstest::OptionTest {};

TEST_F(GeneralOptionLabels, TheGeneralOptionsDialogShowsEveryLabelWhole) {
  Open([&] {
    EXPECT_THAT(testsupport::CutLabels(Form().Hwnd()), IsEmpty());
    Form().Unload();
  });
}

}  // namespace
