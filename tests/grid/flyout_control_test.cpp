#include "controls/grid/flyout_control.h"
#include "gui_driver.h"

#include "platform/gui/graphics/region.h"
#include "platform/gui/windows/window_functions.h"

#include <gtest/gtest.h>

TEST(FlyoutControl, FloatsAsAToolWindowWithoutErasing)
{
    TForm* form = ShowTestForm(200, 100);
    auto* flyout = new TGxFlyoutControl(form);
    flyout->SetParent(form);
    const auto style = static_cast<uint32_t>(GetWindowLong(flyout->Handle(), GWL_STYLE));
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_FALSE(style & WS_CHILD);
    EXPECT_TRUE(GetWindowLong(flyout->Handle(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    EXPECT_EQ(flyout->Perform(WM_ERASEBKGND, 0, 0), 1);
    form->Free();
}

TEST(FlyoutControl, RollMarkerSitsOnItsPointInItsShape)
{
    TForm* form = ShowTestForm(200, 100);
    auto* marker = new TRollShadow(form);
    marker->SetParent(form);
    EXPECT_EQ(marker->Kind(), rkVertical);
    marker->SetKind(rkHorizontal); // the shape stays
    marker->SetPosition({100, 200});
    EXPECT_EQ(marker->BoundsRect(), (TRect{93, 189, 125, 221}));
    EXPECT_EQ(marker->Position(), (TPoint{100, 200}));

    TRegion shape;
    ASSERT_NE(GetWindowRgn(marker->Handle(), shape), RGN_ERROR);
    const struct
    {
        TPoint p;
        bool inside;
    } probes[] = {
        {{7, 11}, true},  // the dot, on the point
        {{7, 2}, true},   // the upward arrow head
        {{6, 18}, true},  // the downward arrow head
        {{1, 11}, false}, // between the heads beside the dot
        {{20, 5}, false}, {{7, 24}, false}, {{31, 31}, false},
    };
    for (const auto& probe : probes)
        EXPECT_EQ(PtInRegion(shape, probe.p.X, probe.p.Y), probe.inside) << probe.p.X << "," << probe.p.Y;

    marker->Show();
    Pump();
    auto picture = Render(marker);
    EXPECT_EQ(picture->Canvas()->Pixels(7, 11), ColorToRGB(clGrayText));
    // What shows on the screen: the window's pixels within its region.
    TBitmap shown(32, 32, pf24bit);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            shown.Canvas()->SetPixels(x, y,
                                      PtInRegion(shape, x, y) ? picture->Canvas()->Pixels(x, y) : clWhite);
    SaveScreenshot(shown, "roll_marker");
    form->Free();
}
