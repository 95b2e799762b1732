#include "controls/toolbars/bar_image_list.h"
#include "controls/toolbars/chevron_item.h"
#include "controls/toolbars/floating_frame.h"
#include "controls/toolbars/item_viewer.h"
#include "dock_test_support.h"
#include "main_window_like.h"
#include "platform/gui/graphics/gdi.h"
#include "platform/gui/windows/window_functions.h"

#include <algorithm>

// The chevron of a toolbar too long for its row, and the sizes a floating toolbar snaps between.

namespace {

// A toolbar that floats and can be sized, with its list of sizes in view.
class TSizableToolbar : public TBarCustomToolbar
{
public:
    using TBarCustomToolbar::TBarCustomToolbar;
    std::vector<TPoint> Sizes()
    {
        std::vector<TPoint> sizes;
        ListFloatingSizes(sizes);
        return sizes;
    }
};

class ChevronAndSizes : public DockFixture
{
protected:
    template <typename T> T* AddToolbar(TWinControl* parent, int buttons)
    {
        auto* toolbar = new T(form);
        toolbar->SetCaption("Tools");
        toolbar->SetImages(MakeTestImages(form));
        const char* captions[] = {"Open", "Add", "Remove", "Save", "Start", "Film"};
        for (int i = 0; i < buttons; ++i) {
            TBarCustomItem* item = AddCommand(toolbar->Items(), captions[i]);
            item->SetImageIndex(i);
            item->SetDisplayMode(nbdmImageAndText);
        }
        toolbar->SetParent(parent);
        return toolbar;
    }
};

TEST_F(ChevronAndSizes, TheChevronOffersTheItemsThatDoNotFit)
{
    form->SetClientSize({200, 150});
    top->SetAllowDrag(false);
    auto* toolbar = AddToolbar<TBarCustomToolbar>(top, 6);
    TBarItemViewer* chevron = toolbar->View()->Find(toolbar->ChevronItem());
    ASSERT_TRUE(chevron->Show()) << "the toolbar is too long for its row";
    std::vector<std::string> hidden;
    for (int i = 0; i < toolbar->View()->ViewerCount(); ++i)
        if (TBarItemViewer* viewer = toolbar->View()->Viewers(i); viewer->OffEdge())
            hidden.push_back(viewer->Item()->Caption());
    ASSERT_FALSE(hidden.empty());
    EXPECT_LE(toolbar->Width(), top->ClientWidth());

    const TRect r = chevron->BoundsRect();
    const TPoint p{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    std::vector<std::string> offered;
    TLoopScript script({{[&] { MouseUp(toolbar, p); }},
                        {[&] {
                            for (TBarPopupWindow* popup : OpenPopups())
                                for (int i = 0; i < popup->View()->ViewerCount(); ++i)
                                    if (popup->View()->Viewers(i)->Show())
                                        offered.push_back(popup->View()->Viewers(i)->Item()->Caption());
                            // The toolbar with its chevron's menu open, as the user sees them.
                            std::unique_ptr<TBitmap> picture = Render(form);
                            TRect window;
                            GetWindowRect(form->Handle(), window);
                            for (TBarPopupWindow* popup : OpenPopups()) {
                                std::unique_ptr<TBitmap> menu = Render(popup);
                                BitBlt(*picture->Canvas(), popup->Left() - window.Left,
                                       popup->Top() - window.Top, menu->Width(), menu->Height(),
                                       *menu->Canvas(), 0, 0, SRCCOPY);
                            }
                            SaveScreenshot(*picture, "chevron_popup", 2);
                        }},
                        {[&] { Press(toolbar, "Esc"); }},
                        {[&] { Press(toolbar, "Esc"); }}});
    MouseMove(toolbar, p);
    MouseDown(toolbar, p);
    Pump();
    EXPECT_EQ(offered, hidden) << "the chevron's menu holds exactly the hidden items";
}

TEST_F(ChevronAndSizes, TheChevronGlyphPointsAlongTheToolbarAndIsEmbossedWhenDisabled)
{
    TBarDock* left = AddDock(dpLeft, "LeftDock");
    const TColor text = ColorToRGB(clBtnText);
    const TColor shadow = ColorToRGB(clBtnShadow);
    const TColor highlight = ColorToRGB(clBtnHighlight);
    for (TBarDock* dock : {top, left}) {
        auto* toolbar = AddToolbar<TBarCustomToolbar>(dock, 1);
        TBarItemViewer* chevron = toolbar->View()->Find(toolbar->ChevronItem());
        TBitmap picture(22, 22);
        const auto paint = [&] {
            picture.Canvas()->Brush()->SetColor(clBtnFace);
            picture.Canvas()->FillRect({0, 0, 22, 22});
            chevron->Paint(*picture.Canvas(), {0, 0, 22, 22}, false, false, false);
        };
        paint();
        // Two arrows of 20 pixels: pointing right from (2, 4), or down at the right edge from (13, 2).
        EXPECT_EQ(CountPixels(picture, {0, 0, 22, 22}, text), 20);
        if (dock == top)
            EXPECT_EQ(CountPixels(picture, {2, 4, 10, 9}, text), 20);
        else
            EXPECT_EQ(CountPixels(picture, {13, 2, 18, 10}, text), 20);
        toolbar->ChevronItem()->SetEnabled(false);
        paint();
        EXPECT_EQ(CountPixels(picture, {0, 0, 22, 22}, text), 0);
        EXPECT_EQ(CountPixels(picture, {0, 0, 22, 22}, shadow), 20) << "drawn twice: the shadow over";
        EXPECT_GT(CountPixels(picture, {0, 0, 22, 22}, highlight), 0) << "the highlight a pixel lower";
        toolbar->Free();
    }
}

TEST_F(ChevronAndSizes, AFloatingToolbarSnapsBetweenItsSizes)
{
    auto* toolbar = AddToolbar<TSizableToolbar>(top, 4);
    toolbar->SetFloatingPosition({40, 60});
    toolbar->SetFloating(true);
    Pump();
    TBarFloatingWindowParent* frame = toolbar->FloatParent();
    SaveScreenshot(*Render(frame), "floating_toolbar", 2);
    const std::vector<TPoint> sizes = toolbar->Sizes();
    ASSERT_EQ(sizes.size(), 4u) << "one size for each count of lines";
    for (size_t i = 1; i < sizes.size(); ++i) {
        EXPECT_LT(sizes[i].X, sizes[i - 1].X);
        EXPECT_GT(sizes[i].Y, sizes[i - 1].Y);
    }
    const int width = frame->Width();
    const TPoint edge{width - 2, frame->Height() / 2};
    const TPoint start{frame->Left() + edge.X, frame->Top() + edge.Y};
    auto moveTo = [&](int dx) {
        return TLoopStep{[=, this] {
            MouseMove(form, form->ScreenToClient({start.X + dx, start.Y}), ssLeft);
        }};
    };
    std::vector<int> widths;
    auto note = [&] { widths.push_back(frame->Width()); };
    TLoopScript script(
        {moveTo(-5), {note}, moveTo(-40), {note}, moveTo(-400), {note}, moveTo(0), {note}, {[&] {
             MouseUp(form, form->ScreenToClient({start.X, start.Y}));
         }}});
    FrameMouseDown(frame, edge);
    Pump();
    ASSERT_EQ(widths.size(), 4u);
    EXPECT_EQ(widths[0], width) << "inside the dead zone nothing changes";
    // The frame's border adds 4 pixels on each side to a toolbar's size.
    EXPECT_LT(widths[1], width) << "further, a narrower size of the list";
    EXPECT_TRUE(std::any_of(sizes.begin(), sizes.end(), [&](TPoint s) { return s.X + 8 == widths[1]; }));
    EXPECT_EQ(widths[2], sizes.back().X + 8) << "never below the narrowest";
    EXPECT_EQ(widths[3], width) << "back at the start, the widest";
    EXPECT_EQ(toolbar->FloatingWidth(), 0) << "the widest size wraps nowhere";
    EXPECT_EQ(frame->Width(), width);
}

TEST_F(ChevronAndSizes, AToolbarOfOneItemHasOneSize)
{
    auto* toolbar = AddToolbar<TSizableToolbar>(top, 1);
    toolbar->SetFloating(true);
    EXPECT_EQ(toolbar->Sizes().size(), 1u);
}

} // namespace
