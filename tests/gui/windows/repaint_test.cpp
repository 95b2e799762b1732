#include "platform/gui/graphics/gdi.h"
#include "platform/gui/qt/qt_bridge.h"
#include "platform/gui/windows/window_functions.h"
#include "window_test_support.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr int RowHeight = 10;

// A small grid: rows of RowHeight pixels in colours of their number, from a first row the test scrolls,
// and column lines. It writes down the clip box of each paint and which of the probe rectangles it could
// paint into.
class TRows : public TCustomControl
{
public:
    using TCustomControl::TCustomControl;
    int topRow = 0;
    std::vector<TRect> probes;
    std::vector<TRect> paints;
    std::vector<std::vector<bool>> probesVisible;

    bool framed = false; // a sunken edge around the client area

    static TColor RowColor(int row) { return static_cast<TColor>((row * 0x3A5F27u) & 0x00FFFFFF); }

protected:
    void CreateParams(TCreateParams& params) override
    {
        TCustomControl::CreateParams(params);
        if (framed)
            params.ExStyle |= WS_EX_CLIENTEDGE;
    }

    void Paint() override
    {
        TCanvas& canvas = *Canvas();
        TRect box;
        GetClipBox(canvas, box);
        paints.push_back(box);
        std::vector<bool> visible;
        for (const TRect& probe : probes)
            visible.push_back(RectVisible(canvas, probe));
        probesVisible.push_back(visible);
        for (int y = 0; y < ClientHeight(); y += RowHeight) {
            canvas.Brush()->SetColor(RowColor(topRow + y / RowHeight));
            canvas.FillRect(Rect(0, y, ClientWidth(), y + RowHeight));
        }
        canvas.Pen()->SetColor(clBlack);
        for (int x = 39; x < ClientWidth(); x += 40) {
            canvas.MoveTo(x, 0);
            canvas.LineTo(x, ClientHeight());
        }
    }
};

class Repaint : public testing::Test
{
protected:
    void SetUp() override
    {
        form = ShowTestForm();
        view = new TRows(form);
        view->SetBounds(10, 10, 200, 100);
        view->SetParent(form);
        Pump();
        Forget();
    }
    void TearDown() override { form->Free(); }
    void Forget()
    {
        view->paints.clear();
        view->probesVisible.clear();
    }
    HWND Handle() const { return view->Handle(); }

    TForm* form = nullptr;
    TRows* view = nullptr;
    const TRect whole = Rect(0, 0, 200, 100);
};

using Paints = std::vector<TRect>;

TEST_F(Repaint, APaintValidatesWhatItDrewSoOnlyNewInvalidAreasArePainted)
{
    const TRect small = Rect(5, 5, 25, 15);
    InvalidateRect(Handle(), &small, false);
    EXPECT_EQ(view->paints, Paints{}) << "invalidating paints nothing by itself";
    UpdateWindow(Handle());
    EXPECT_EQ(view->paints, Paints{small});
    UpdateWindow(Handle());
    Pump();
    EXPECT_EQ(view->paints, Paints{small}) << "nothing was left to paint";

    // The loop's own paint validates too.
    Forget();
    InvalidateRect(Handle(), &small, false);
    Pump();
    EXPECT_EQ(view->paints, Paints{small});
    UpdateWindow(Handle());
    EXPECT_EQ(view->paints, Paints{small});
}

TEST_F(Repaint, RepaintPaintsTheClientOnce)
{
    view->Repaint();
    EXPECT_EQ(view->paints, Paints{whole});
    Pump();
    EXPECT_EQ(view->paints, Paints{whole});

    // With a frame, which Repaint paints as well.
    auto* framed = new TRows(form);
    framed->framed = true;
    framed->SetBounds(10, 120, 100, 50);
    framed->SetParent(form);
    Pump();
    ASSERT_EQ(framed->ClientWidth(), 96);
    framed->paints.clear();
    framed->Repaint();
    Pump();
    EXPECT_EQ(framed->paints, Paints{Rect(0, 0, 96, 46)});
}

TEST_F(Repaint, ValidateRectCancelsAPendingPaintOfThatArea)
{
    InvalidateRect(Handle(), nullptr, true);
    ValidateRect(Handle(), nullptr);
    Pump();
    EXPECT_EQ(view->paints, Paints{});

    // A border refresh: the middle keeps what it showed.
    const QImage before = ScreenPixels(view);
    const TRect middle = Rect(20, 20, 180, 80);
    view->probes = {middle, Rect(0, 0, 200, 20)};
    view->topRow = 3;
    InvalidateRect(Handle(), nullptr, true);
    ValidateRect(Handle(), &middle);
    UpdateWindow(Handle());
    Pump();
    ASSERT_EQ(view->paints, Paints{whole}) << "the box of the border";
    EXPECT_EQ(view->probesVisible.front(), (std::vector<bool>{false, true}));
    const QImage after = ScreenPixels(view);
    EXPECT_EQ(after.copy(ToQRect(middle)), before.copy(ToQRect(middle)));
    EXPECT_EQ(TColor(FromQColor(after.pixelColor(5, 5))), TRows::RowColor(3));
}

TEST_F(Repaint, ScrollingMovesThePixelsAndUpdateWindowPaintsOnlyTheUncoveredStrip)
{
    const QImage before = ScreenPixels(view);
    SaveScreenshot(before, "scroll_window_before");
    view->topRow = 1;
    TRegion update;
    TRect updateBox;
    EXPECT_EQ(ScrollWindowEx(Handle(), 0, -RowHeight, nullptr, nullptr, &update, &updateBox, SW_INVALIDATE),
              SIMPLEREGION);
    const TRect strip = Rect(0, 90, 200, 100);
    EXPECT_EQ(updateBox, strip);
    EXPECT_EQ(update.Box(), strip);
    EXPECT_EQ(view->paints, Paints{}) << "the strip waits for a paint";
    UpdateWindow(Handle());
    EXPECT_EQ(view->paints, Paints{strip}) << "painted at once, and only the strip";
    Pump();
    EXPECT_EQ(view->paints, Paints{strip});

    const QImage after = ScreenPixels(view);
    SaveScreenshot(after, "scroll_window_after");
    EXPECT_EQ(after.copy(0, 0, 200, 90), before.copy(0, 10, 200, 90)) << "the rows moved up";
    // What is on the screen is what a full paint of the scrolled grid shows.
    EXPECT_EQ(after, view->Window().client->grab().toImage().convertToFormat(after.format()));
}

TEST_F(Repaint, ScrollWindowExUncoversTheAreaItMovesAwayFrom)
{
    const TRect header = Rect(0, 0, 200, 20);
    const TRect body = Rect(0, 20, 200, 100);
    const TRect right = Rect(40, 0, 200, 100);
    const struct
    {
        int dx, dy;
        const TRect* rect;
        const TRect* clip;
        TRect uncovered;
        TRegionKind kind;
    } cases[] = {
        {0, RowHeight, nullptr, &body, Rect(0, 20, 200, 30), SIMPLEREGION},   // down, under a fixed header
        {0, -RowHeight, &body, nullptr, Rect(0, 90, 200, 100), SIMPLEREGION}, // up, a scroll rectangle
        {-15, 0, &right, &header, Rect(185, 0, 200, 20), SIMPLEREGION},       // left, both
        {5, 5, nullptr, nullptr, whole, COMPLEXREGION},                       // an L along two edges
        {0, 300, nullptr, nullptr, whole, SIMPLEREGION},                      // further than the window
        {0, 0, nullptr, nullptr, TRect{}, NULLREGION},
    };
    for (const auto& c : cases) {
        Forget();
        TRect box;
        EXPECT_EQ(
            ScrollWindowEx(Handle(), c.dx, c.dy, c.rect, c.clip, nullptr, &box, SW_INVALIDATE | SW_ERASE),
            c.kind)
            << c.dx << "," << c.dy;
        EXPECT_EQ(box, c.uncovered) << c.dx << "," << c.dy;
        UpdateWindow(Handle());
        EXPECT_EQ(view->paints, c.kind == NULLREGION ? Paints{} : Paints{c.uncovered}) << c.dx << "," << c.dy;
    }
    EXPECT_EQ(ScrollWindowEx(nullptr, 0, 1, nullptr, nullptr, nullptr, nullptr, SW_INVALIDATE), RGN_ERROR);
}

TEST_F(Repaint, AnInvalidAreaMovesWithTheScrolledPixels)
{
    const TRect pending = Rect(20, 50, 40, 60);
    const TRect moved = Rect(20, 40, 40, 50);
    view->probes = {pending, moved};
    InvalidateRect(Handle(), &pending, false);
    ScrollWindow(Handle(), 0, -RowHeight, nullptr, nullptr);
    UpdateWindow(Handle());
    ASSERT_EQ(view->paints, Paints{Rect(0, 40, 200, 100)}) << "the moved area and the strip";
    // Only the moved area and the strip: the row under the moved area is not painted.
    EXPECT_EQ(view->probesVisible.front(), (std::vector<bool>{false, true}));
}

} // namespace
