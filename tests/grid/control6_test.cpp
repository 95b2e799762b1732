#include "controls/grid/collection_control6.h"
#include "controls/grid/scroll_control6.h"
#include "gui_driver.h"
#include "paint_test_support.h"

#include "platform/gui/windows/scroll_bars.h"
#include "platform/gui/windows/window_functions.h"

#include <gtest/gtest.h>

namespace {

class Controls6 : public testing::Test
{
protected:
    void SetUp() override { form = ShowTestForm(300, 200); }
    void TearDown() override { form->Free(); }

    TGxScrollControl6* NewScrollControl()
    {
        auto* control = new TGxScrollControl6(form);
        control->SetParent(form);
        control->SetBounds(10, 10, 120, 100);
        control->OnContentScroll = [this](TObject*) { ++contentScrolls; };
        control->OnVerticalScroll = [this](TObject*) { ++verticalScrolls; };
        return control;
    }

    TScrollInfo WindowBar(TGxScrollControl6* control, int bar)
    {
        TScrollInfo info;
        info.fMask = SIF_ALL;
        GetScrollInfo(control->Handle(), bar, info);
        return info;
    }

    TForm* form = nullptr;
    int contentScrolls = 0;
    int verticalScrolls = 0;
};

// Counts how often its window is made.
class CountedCollection : public TGxCollectionControl6
{
public:
    using TGxCollectionControl6::TGxCollectionControl6;
    int windowsMade = 0;

protected:
    void CreateWnd() override
    {
        ++windowsMade;
        TGxCollectionControl6::CreateWnd();
    }
};

} // namespace

TEST_F(Controls6, ScrollBarClampsAndReportsTheDistance)
{
    TGxScrollBar6& bar = *NewScrollControl()->VertScrollBar();
    bar.SetValues(100, 10);
    bar.SetPosition(95);
    EXPECT_EQ(bar.Position(), 91); // the page ends at Max
    EXPECT_EQ(contentScrolls, 1);
    bar.SetPosition(-4);
    EXPECT_EQ(bar.Position(), 0);
    bar.Scroll(stEndScroll);
    EXPECT_EQ(contentScrolls, 2);
    bar.Scroll(stSmallIncrement);
    bar.Scroll(stLargeIncrement);
    EXPECT_EQ(bar.Position(), 11);
    bar.Scroll(stLast);
    EXPECT_EQ(bar.Position(), 91);

    // Locked: the model keeps the clamped value and says nothing; unlocking pushes it into the window.
    bar.Lock();
    const int scrolls = contentScrolls;
    bar.SetPosition(500);
    EXPECT_EQ(bar.Position(), 91);
    EXPECT_EQ(contentScrolls, scrolls);
    bar.SetPosition(30);
    bar.Unlock(true);
    EXPECT_EQ(bar.Position(), 30);
}

TEST_F(Controls6, NothingToScrollEmptiesTheRange)
{
    TGxScrollControl6* control = NewScrollControl();
    TGxScrollBar6& horizontal = *control->HorzScrollBar();
    horizontal.SetValues(50, 10);
    horizontal.SetPosition(20);
    horizontal.SetValues(5, 10); // the page holds everything
    EXPECT_EQ(horizontal.Position(), 0);
    EXPECT_EQ(WindowBar(control, SB_HORZ).nMax, 0);

    TGxScrollBar6& vertical = *control->VertScrollBar();
    vertical.SetValues(10, 5);
    vertical.SetPosition(3);
    vertical.SetPageSize(20);
    EXPECT_EQ(vertical.Max(), 0);
    EXPECT_EQ(vertical.PageSize(), 0);
    EXPECT_EQ(vertical.Position(), 0);
}

TEST_F(Controls6, ScrollMessagesBecomeStepsAndEvents)
{
    TGxScrollControl6* control = NewScrollControl();
    TGxScrollBar6& bar = *control->VertScrollBar();
    bar.First(); // Max 0: nothing is sent
    EXPECT_EQ(verticalScrolls, 0);
    bar.SetValues(40, 10);
    bar.Next();
    bar.Next();
    bar.PageDown();
    EXPECT_EQ(bar.Position(), 12);
    EXPECT_EQ(verticalScrolls, 3);
    control->Perform(WM_VSCROLL, 99, 0); // a code of no scroll: nothing moves, nothing is told
    control->Perform(WM_VSCROLL, SB_ENDSCROLL, 0);
    EXPECT_EQ(bar.Position(), 12);
    EXPECT_EQ(verticalScrolls, 3);
    bar.Last();
    EXPECT_EQ(bar.Position(), 31);
    EXPECT_TRUE(bar.IsLast());
    bar.First();
    EXPECT_TRUE(bar.IsFirst());

    control->SetScrollBars(sbHorizontal);
    EXPECT_FALSE(bar.Showing());
    EXPECT_TRUE(control->HorzScrollBar()->Showing());
}

TEST_F(Controls6, BorderRingsAndClientArea)
{
    auto* control = new TGxControl6(form);
    control->SetParent(form);
    control->SetBounds(10, 10, 40, 30);
    control->SetColor(clWhite);
    int paints = 0;
    control->OnPaint = [&](TObject*) { ++paints; };
    EXPECT_EQ(control->ClientWidth(), 40);
    control->SetBorderStyle(btLowered);
    control->SetBorderSize(2);
    EXPECT_EQ(control->ClientWidth(), 36);
    EXPECT_EQ(control->ClientHeight(), 26);
    auto picture = Render(control);
    SaveScreenshot(*picture, "control6_lowered_rings", 4);
    for (int ring = 0; ring < 2; ++ring) {
        SCOPED_TRACE(ring);
        EXPECT_EQ(PixelAt(*picture, ring, 15), ColorToRGB(clBtnShadow));         // left
        EXPECT_EQ(PixelAt(*picture, 20, ring), ColorToRGB(clBtnShadow));         // top
        EXPECT_EQ(PixelAt(*picture, 39 - ring, 15), ColorToRGB(clBtnHighlight)); // right
        EXPECT_EQ(PixelAt(*picture, 20, 29 - ring), ColorToRGB(clBtnHighlight)); // bottom
    }
    EXPECT_EQ(PixelAt(*picture, 2, 15), clWhite);
    EXPECT_GT(paints, 0); // OnPaint follows the painting

    control->SetBorderStyle(btSolid);
    control->SetBorderColor(clRed);
    picture = Render(control);
    EXPECT_EQ(PixelAt(*picture, 1, 15), clRed);
    EXPECT_EQ(PixelAt(*picture, 38, 28), clRed);
}

TEST_F(Controls6, AlphaRecreatesTheWindowOnlyWhenLeaving255)
{
    auto* control = new CountedCollection(form);
    control->SetParent(form);
    control->SetBounds(10, 10, 50, 50);
    control->HandleNeeded();
    const int made = control->windowsMade;
    control->SetAlpha(200);
    EXPECT_EQ(control->windowsMade, made + 1);
    EXPECT_TRUE(GetWindowLong(control->Handle(), GWL_EXSTYLE) & WS_EX_TRANSPARENT);
    control->SetAlpha(100);
    control->SetAlpha(255);
    EXPECT_EQ(control->windowsMade, made + 1);

    auto* copy = new CountedCollection(form);
    copy->Assign(control);
    EXPECT_EQ(copy->Alpha(), 255);
    control->SetAlpha(50);
    copy->Assign(control);
    EXPECT_EQ(copy->Alpha(), 50);
    EXPECT_EQ(control->Version(), "6.3.2");
}

TEST_F(Controls6, SeeThroughControlShowsItsParent)
{
    form->SetColor(clRed);
    auto* control = new TGxCollectionControl6(form);
    control->SetParent(form);
    control->SetBounds(10, 10, 50, 50);
    control->SetParentColor(false);
    control->SetColor(clBlue);
    control->OnPaint = [control](TObject*) { control->FillRectColor({0, 0, 10, 10}, clNone); };
    control->SetAlpha(128);
    auto picture = Render(control);
    EXPECT_EQ(PixelAt(*picture, 30, 30), clRed);
    EXPECT_EQ(PixelAt(*picture, 5, 5), clBlue);
}

TEST_F(Controls6, PlatformStylesAreNeverAvailable)
{
    auto* control = new TGxStyledControl6(form);
    control->SetStyleOptions({soNativeStyles, soPlatformStyles});
    EXPECT_FALSE(control->CanStyle(soPlatformStyles));
    control->SetStyleOptions({});
    EXPECT_FALSE(control->CanStyle(soNativeStyles));
}
