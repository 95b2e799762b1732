#include "platform/gui/graphics/colors.h"
#include "platform/gui/graphics/theme.h"
#include "platform/gui/standard/group_box.h"
#include "platform/gui/standard/panels.h"
#include "std_controls_test_support.h"

#include <gtest/gtest.h>

namespace {

class Panels : public testing::Test
{
protected:
    void SetUp() override { form = ShowTestForm(); }
    void TearDown() override
    {
        form->Free();
        SetThemesEnabled(true);
    }
    TForm* form = nullptr;
};

TEST_F(Panels, BevelsAndBorderAreDrawnAndChildrenSitInsideThem)
{
    struct Case
    {
        TBevelCut outer;
        TBevelCut inner;
        int bevelWidth;
        int borderWidth;
        TColor topLeft;     // the outermost top-left pixel
        TColor bottomRight; // the outermost bottom-right pixel
        int inset;          // where an aligned child starts
    };
    const Case cases[] = {{bvRaised, bvNone, 1, 0, clBtnHighlight, clBtnShadow, 1},
                          {bvLowered, bvNone, 2, 0, clBtnShadow, clBtnHighlight, 2},
                          {bvRaised, bvLowered, 1, 3, clBtnHighlight, clBtnShadow, 5},
                          {bvNone, bvNone, 1, 0, clGreen, clGreen, 0}};
    for (bool themed : {true, false}) {
        SetThemesEnabled(themed);
        for (const Case& c : cases) {
            auto* panel = new TPanel(form);
            panel->SetBounds(10, 10, 100, 60);
            panel->SetColor(clGreen);
            panel->SetBevelOuter(c.outer);
            panel->SetBevelInner(c.inner);
            panel->SetBevelWidth(c.bevelWidth);
            panel->SetBorderWidth(c.borderWidth);
            panel->SetParent(form);
            auto* child = new TCustomControl(form);
            child->SetAlign(alClient);
            child->SetParentColor(true);
            child->SetParent(panel);
            auto shot = Render(panel);
            EXPECT_EQ(shot->Canvas()->Pixels(0, 0), ColorToRGB(c.topLeft)) << c.outer << "/" << c.inner;
            EXPECT_EQ(shot->Canvas()->Pixels(99, 59), ColorToRGB(c.bottomRight)) << c.outer << "/" << c.inner;
            EXPECT_EQ(child->BoundsRect(), Rect(c.inset, c.inset, 100 - c.inset, 60 - c.inset));
            panel->Free();
        }
    }
}

TEST_F(Panels, CaptionFollowsAlignmentAndCanBeHidden)
{
    auto* panel = new TPanel(form);
    panel->SetBounds(10, 10, 200, 30);
    panel->SetBevelOuter(bvNone);
    panel->SetParent(form);
    panel->SetCaption("WWWW");
    panel->Font()->SetColor(clRed);
    auto redIn = [&](int from, int to) { return CountPixels(*Render(panel), Rect(from, 0, to, 30), clRed); };
    EXPECT_GT(redIn(70, 130), 0);
    EXPECT_EQ(redIn(0, 60), 0);
    panel->SetAlignment(taLeftJustify);
    EXPECT_GT(redIn(0, 60), 0);
    panel->SetShowCaption(false);
    EXPECT_EQ(redIn(0, 200), 0);
}

TEST_F(Panels, GroupBoxAcceleratorFocusesItsFirstChildAndChildrenSitBelowTheCaption)
{
    auto* box = new TGroupBox(form);
    box->SetBounds(10, 10, 150, 100);
    box->SetCaption("&Output");
    box->SetParent(form);
    auto* first = new TRecorder(form, nullptr, "first");
    first->SetParent(box);
    first->SetAlign(alClient);
    auto* outside = new TRecorder(form, nullptr, "outside");
    outside->SetParent(form);
    outside->SetFocus();
    SendKey(outside, Qt::Key_O, Qt::AltModifier, "o");
    EXPECT_TRUE(first->Focused());
    EXPECT_GT(first->Top(), 8);
    EXPECT_GT(first->Left(), 0);
    EXPECT_LT(first->Top() + first->Height(), 100);
}

} // namespace
