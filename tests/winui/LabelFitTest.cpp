// Labels laid out in twips for one font show their whole text in the font they really get: a label too
// narrow grows to the right up to the control beside it or its parent's edge, and then downwards where it
// still cuts; a label that shows its text keeps its size, and so does one whose text is set later and fits.
#include <gtest/gtest.h>

#include <string>

#include "winui/App.h"
#include "winui/Controls.h"
#include "winui/Form.h"

namespace {

using namespace winui;

enum Id { ID_lblNarrow = 100, ID_cmdBeside, ID_lblAtEdge, ID_fraBox, ID_lblInFrame, ID_lblFits, ID_lblBelow };

// Twelve characters a label of 1000 twips cannot hold on one line at 9 points.
const wchar_t kLong[] = L"新規書庫の圧縮形式を指定して下さい";

const FormDef kForm{L"Tolvenar.Tests.frmLabels", L"ラベル", 6000, 3000, BorderStyle::FixedSingle, false, false,
                    StartPosition::CenterScreen};
const ControlDef kControls[] = {
    // Room to the right up to the button.
    {ID_lblNarrow, L"lblNarrow", Kind::Label, 120, 120, 1000, 180, kLong},
    {ID_cmdBeside, L"cmdBeside", Kind::CommandButton, 4200, 60, 1200, 375, L"OK"},
    // No room to the right (the form's edge), room below down to the label under it.
    {ID_lblAtEdge, L"lblAtEdge", Kind::Label, 4800, 1200, 1200, 180, kLong},
    {ID_lblBelow, L"lblBelow", Kind::Label, 4800, 2400, 1200, 180, L"下"},
    // Inside a frame: its parent is the frame, whose edge is the limit.
    {ID_fraBox, L"fraBox", Kind::Frame, 120, 900, 3000, 1500, L"枠"},
    {ID_lblInFrame, L"lblInFrame", Kind::Label, 120, 300, 800, 180, kLong, kNone, -1, ID_fraBox},
    {ID_lblFits, L"lblFits", Kind::Label, 120, 2600, 2000, 180, L"短い"},
};

class frmLabels : public Form {
 public:
  frmLabels() : Form(kForm, kControls) {}
  Label lblNarrow{this, ID_lblNarrow};
  Label lblAtEdge{this, ID_lblAtEdge};
  Label lblInFrame{this, ID_lblInFrame};
  Label lblFits{this, ID_lblFits};
  Label lblBelow{this, ID_lblBelow};
  CommandButton cmdBeside{this, ID_cmdBeside};
};

RECT InParent(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

class LabelFitTest : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(form.Load()); }
  void TearDown() override { form.Unload(); }
  frmLabels form;
};

TEST_F(LabelFitTest, ALabelTooNarrowGrowsToTheRightShortOfItsNeighbour) {
  EXPECT_TRUE(LabelShowsWhole(form.lblNarrow.Hwnd()));
  EXPECT_GT(form.lblNarrow.Width(), 1000);
  EXPECT_EQ(form.lblNarrow.Left(), 120);
  EXPECT_LT(InParent(form.lblNarrow.Hwnd()).right, InParent(form.cmdBeside.Hwnd()).left);
  EXPECT_NEAR(form.lblNarrow.Height(), 180, 15) << "one line is enough once it is wide";
}

TEST_F(LabelFitTest, ALabelThatCannotWidenTakesTheLinesItNeedsAsFarAsThereIsRoom) {
  EXPECT_TRUE(LabelShowsWhole(form.lblAtEdge.Hwnd()));
  EXPECT_GT(form.lblAtEdge.Height(), 180);
  EXPECT_LT(InParent(form.lblAtEdge.Hwnd()).bottom, InParent(form.lblBelow.Hwnd()).top);
  RECT client;
  GetClientRect(form.Hwnd(), &client);
  EXPECT_LE(InParent(form.lblAtEdge.Hwnd()).right, client.right);
}

TEST_F(LabelFitTest, ALabelInAFrameStaysInsideTheFrame) {
  EXPECT_TRUE(LabelShowsWhole(form.lblInFrame.Hwnd()));
  RECT frame;
  GetClientRect(GetParent(form.lblInFrame.Hwnd()), &frame);
  EXPECT_LE(InParent(form.lblInFrame.Hwnd()).right, frame.right);
}

TEST_F(LabelFitTest, ALabelThatShowsItsTextKeepsItsSizeAndATextSetLaterIsFittedToo) {
  EXPECT_NEAR(form.lblFits.Width(), 2000, 15);
  EXPECT_NEAR(form.lblFits.Height(), 180, 15);
  form.lblFits.SetCaption(L"まだ収まる");
  EXPECT_NEAR(form.lblFits.Width(), 2000, 15);
  form.lblFits.SetCaption(std::wstring(kLong) + kLong);
  EXPECT_TRUE(LabelShowsWhole(form.lblFits.Hwnd()));
  EXPECT_GT(form.lblFits.Width(), 2000);
}

TEST_F(LabelFitTest, AnEmptyLabelIsLeftAlone) {
  // A label with no text has nothing to cut; its rectangle may be a measure other code relies on.
  form.lblBelow.SetCaption(L"");
  EXPECT_NEAR(form.lblBelow.Width(), 1200, 15);
  EXPECT_TRUE(LabelShowsWhole(form.lblBelow.Hwnd()));
}

}  // namespace
