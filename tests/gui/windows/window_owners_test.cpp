#include "platform/gui/graphics/gdi.h"
#include "platform/gui/windows/hooks.h"
#include "platform/gui/windows/overlay_window.h"
#include "platform/gui/windows/window_functions.h"
#include "window_test_support.h"

#include <gtest/gtest.h>

#include <vector>

// Windows that change parents and owners, the overlay that the pointer passes through, and the place
// changes a window's showing and hiding report.

namespace {

class WindowOwners : public testing::Test
{
protected:
    void SetUp() override { form = ShowTestForm(300, 200); }
    void TearDown() override
    {
        form->Free();
        Pump();
    }
    TCustomControl* AddChild(TWinControl* parent, const TRect& bounds)
    {
        auto* child = new TCustomControl(form);
        child->SetParent(parent);
        child->SetBoundsRect(bounds);
        return child;
    }
    TForm* form = nullptr;
};

TEST_F(WindowOwners, AChildWindowMovesToAnotherParentKeepingItsHandle)
{
    TCustomControl* left = AddChild(form, {0, 0, 100, 100});
    TCustomControl* right = AddChild(form, {150, 0, 250, 100});
    TCustomControl* child = AddChild(left, {10, 20, 40, 50});
    const HWND handle = child->Handle();
    EXPECT_EQ(SetParent(handle, right->Handle()), left->Handle());
    EXPECT_EQ(WindowFromPoint(right->ClientToScreen({15, 25})), handle);
    EXPECT_TRUE(IsWindowVisible(handle));
    EXPECT_EQ(SetParent(right->Handle(), handle), nullptr) << "a window cannot go inside its own child";
    EXPECT_EQ(SetParent(form->Handle(), left->Handle()), nullptr) << "a top-level window stays one";
}

TEST_F(WindowOwners, TheOwnerOfATopLevelWindowCanChange)
{
    TForm* other = ShowTestForm(100, 100);
    auto* palette = new TForm(nullptr);
    palette->HandleNeeded();
    EXPECT_EQ(GetWindowLong(palette->Handle(), GWLP_HWNDPARENT), 0);
    SetWindowLong(palette->Handle(), GWLP_HWNDPARENT, reinterpret_cast<intptr_t>(form->Handle()));
    EXPECT_EQ(reinterpret_cast<HWND>(GetWindowLong(palette->Handle(), GWLP_HWNDPARENT)), form->Handle());
    SetWindowLong(palette->Handle(), GWLP_HWNDPARENT, reinterpret_cast<intptr_t>(other->Handle()));
    EXPECT_EQ(reinterpret_cast<HWND>(GetWindowLong(palette->Handle(), GWLP_HWNDPARENT)), other->Handle());
    SetWindowLong(palette->Handle(), GWLP_HWNDPARENT, 0);
    EXPECT_EQ(GetWindowLong(palette->Handle(), GWLP_HWNDPARENT), 0);
    palette->Free();
    other->Free();
}

TEST_F(WindowOwners, ShowingAndHidingAreReportedAsPlaceChanges)
{
    TCustomControl* child = AddChild(form, {0, 0, 50, 50});
    std::vector<unsigned> flags;
    HHOOK hook = SetWindowsHookEx(WH_CALLWNDPROC, [&](int, WPARAM, LPARAM lParam) {
        const auto* sent = reinterpret_cast<const TCWPStruct*>(lParam);
        if (sent->message == WM_WINDOWPOSCHANGED && sent->lParam)
            flags.push_back(reinterpret_cast<const TWindowPos*>(sent->lParam)->flags &
                            (SWP_SHOWWINDOW | SWP_HIDEWINDOW));
        return LRESULT{0};
    });
    child->Hide();
    child->Show();
    UnhookWindowsHookEx(hook);
    EXPECT_EQ(flags, (std::vector<unsigned>{SWP_HIDEWINDOW, SWP_SHOWWINDOW}));
}

TEST_F(WindowOwners, AnOverlayShowsItsShapeAboveAllAndLetsThePointerThrough)
{
    TCustomControl* below = AddChild(form, {0, 0, 300, 200});
    auto* overlay = new TOverlayWindow(nullptr);
    int paints = 0;
    overlay->OnPaint = [&paints](TCanvas& canvas) {
        ++paints;
        canvas.Brush()->SetColor(clRed);
        canvas.FillRect({0, 0, 100, 100});
    };
    const HWND active = GetActiveWindow();
    const TPoint inside = below->ClientToScreen({50, 50});
    TRegion frame;
    CombineRgn(frame, TRegion::FromRect(Rect(0, 0, 60, 40)), TRegion::FromRect(Rect(4, 4, 56, 36)), RGN_DIFF);
    overlay->ShowShape(Bounds(inside.X - 30, inside.Y - 20, 60, 40), frame);
    Pump();
    const HWND handle = overlay->Handle();
    EXPECT_TRUE(IsWindowVisible(handle));
    EXPECT_NE(GetWindowLong(handle, GWL_EXSTYLE) & WS_EX_TOPMOST, 0u);
    EXPECT_EQ(GetActiveWindow(), active) << "the overlay takes no activation";
    EXPECT_EQ(WindowFromPoint({inside.X - 28, inside.Y - 18}), below->Handle()) << "on its frame";
    EXPECT_GT(paints, 0);
    TRegion shape;
    ASSERT_EQ(GetWindowRgn(handle, shape), static_cast<int>(COMPLEXREGION));
    EXPECT_TRUE(shape.IntersectsRect(Rect(0, 0, 4, 40)));
    EXPECT_FALSE(shape.IntersectsRect(Rect(10, 10, 50, 30)));
    overlay->HideShape();
    EXPECT_FALSE(IsWindowVisible(handle));
    overlay->Free();
}

} // namespace
