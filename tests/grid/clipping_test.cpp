#include "controls/grid/clipping.h"
#include "controls/grid/hint_calls.h"
#include "paint_test_support.h"

#include "platform/gui/graphics/gdi.h"
#include "platform/gui/windows/win_control.h"

#include <gtest/gtest.h>

namespace {

// Red left of x = 50, blue from there on.
class TTwoColourPanel : public TCustomControl
{
public:
    using TCustomControl::TCustomControl;

protected:
    void Paint() override
    {
        Canvas()->Brush()->SetColor(clRed);
        Canvas()->FillRect({0, 0, 50, ClientHeight()});
        Canvas()->Brush()->SetColor(clBlue);
        Canvas()->FillRect({50, 0, ClientWidth(), ClientHeight()});
    }
};

} // namespace

TEST(Clipping, ClipToRectCorrectsForTheWindowOriginAndSelectClipRectDoesNot)
{
    auto bitmap = FilledBitmap(40, 40, clWhite);
    TCanvas& canvas = *bitmap->Canvas();
    SetWindowOrgEx(canvas, -10, -10); // logical (0, 0) at device (10, 10)
    ClipToRect(canvas, {0, 0, 5, 5});
    canvas.Brush()->SetColor(clRed);
    canvas.FillRect({-20, -20, 40, 40});
    SetWindowOrgEx(canvas, 0, 0);
    EXPECT_EQ(CountPixels(*bitmap, {0, 0, 40, 40}, clRed), 25);
    EXPECT_EQ(PixelAt(*bitmap, 10, 10), clRed); // where logical (0, 0) was drawn

    auto plain = FilledBitmap(40, 40, clWhite);
    TCanvas& other = *plain->Canvas();
    SetWindowOrgEx(other, -10, -10);
    SelectClipRect(other, {0, 0, 5, 5});
    other.Brush()->SetColor(clRed);
    other.FillRect({-20, -20, 40, 40});
    SetWindowOrgEx(other, 0, 0);
    EXPECT_EQ(PixelAt(*plain, 0, 0), clRed); // the region stood in device pixels
    EXPECT_EQ(CountPixels(*plain, {0, 0, 40, 40}, clRed), 25);
}

TEST(Clipping, ParentImageShowsThroughAtTheControlsPlace)
{
    TForm* form = ShowTestForm(200, 100);
    auto* panel = new TTwoColourPanel(form);
    panel->SetBounds(0, 0, 120, 60);
    panel->SetParent(form);
    auto* child = new TTwoColourPanel(form);
    child->SetBounds(40, 10, 30, 20);
    child->SetParent(panel);
    Pump();

    auto bitmap = FilledBitmap(30, 20, clWhite);
    PaintParentImage(*child, *bitmap->Canvas());
    EXPECT_EQ(PixelAt(*bitmap, 5, 5), clRed);   // the panel's x = 45
    EXPECT_EQ(PixelAt(*bitmap, 15, 5), clBlue); // the panel's x = 55
    EXPECT_TRUE(IsParentFormActive(child));

    TTwoColourPanel orphan(nullptr);
    auto untouched = FilledBitmap(10, 10, clWhite);
    PaintParentImage(orphan, *untouched->Canvas());
    EXPECT_EQ(CountPixels(*untouched, {0, 0, 10, 10}, clWhite), 100);
    EXPECT_FALSE(IsParentFormActive(&orphan));
    form->Free();
}
