#include "platform/gui/windows/system_metrics.h"
#include "platform/gui/windows/window_theme.h"
#include "std_controls_test_support.h"

#include <gtest/gtest.h>

namespace {

// A parent whose client area is blue on the left half and green on the right, over its own colour.
class THalves : public TCustomControl
{
public:
    using TCustomControl::TCustomControl;

protected:
    void Paint() override
    {
        Canvas()->Brush()->SetColor(clBlue);
        Canvas()->FillRect({0, 0, ClientWidth() / 2, ClientHeight()});
        Canvas()->Brush()->SetColor(clLime);
        Canvas()->FillRect({ClientWidth() / 2, 0, ClientWidth(), ClientHeight() - 40});
    }
};

} // namespace

TEST(WindowTheme, SystemSizesFollowTheMetricsTheThemeDrawsIn)
{
    HTHEME theme = OpenThemeData("ScrollBar");
    const struct
    {
        int index;
        int themed;
    } cases[] = {
        {SM_CXVSCROLL, GetSystemMetrics(SM_CXVSCROLL)},
        {SM_CYHSCROLL, GetSystemMetrics(SM_CYHSCROLL)},
        {SM_CXBORDER, 1},
        {SM_CYSIZE, GetSystemMetrics(SM_CYSIZE)},
        {SM_CXICON, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(GetThemeSysSize(theme, c.index), c.themed) << c.index;
        EXPECT_EQ(GetThemeSysSize(nullptr, c.index), GetSystemMetrics(c.index)) << c.index;
    }
    CloseThemeData(theme);
}

TEST(WindowTheme, ParentBackgroundShowsWhatLiesUnderTheWindow)
{
    TForm* form = ShowTestForm(200, 120);
    auto* parent = new THalves(form);
    parent->SetBounds(0, 0, 200, 120);
    parent->SetColor(clYellow);
    parent->SetParent(form);
    auto* child = new TCustomControl(form);
    child->SetBounds(80, 60, 40, 30);
    child->SetParent(parent);
    Pump();

    TBitmap picture(40, 30, pf24bit);
    TCanvas& canvas = *picture.Canvas();
    const TRect part{0, 0, 30, 30};
    ASSERT_TRUE(DrawThemeParentBackground(child->Handle(), &canvas, &part));
    EXPECT_EQ(canvas.Pixels(5, 5), clBlue) << "the parent's left half at (85, 65)";
    EXPECT_EQ(canvas.Pixels(25, 5), clLime) << "its right half at (105, 65)";
    EXPECT_EQ(canvas.Pixels(25, 25), clYellow) << "its own colour below the green at (105, 85)";
    EXPECT_EQ(canvas.Pixels(35, 5), clWhite) << "outside the rectangle nothing is painted";

    EXPECT_FALSE(DrawThemeParentBackground(form->Handle(), &canvas, nullptr)) << "a form has no parent";
    form->Free();
}
