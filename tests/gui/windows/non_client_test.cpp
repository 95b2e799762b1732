#include "platform/gui/graphics/bitmap.h"
#include "platform/gui/graphics/theme.h"
#include "platform/gui/windows/scroll_bars.h"
#include "platform/gui/windows/system_metrics.h"
#include "platform/gui/windows/window_functions.h"
#include "window_test_support.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

// A framed control: a sunken client edge, and a frame of its own (3 pixels on every side) after the
// platform's, painted in red.
class TFramed : public TCustomControl
{
public:
    using TCustomControl::TCustomControl;
    uint32_t exStyle = WS_EX_CLIENTEDGE;
    int extra = 0;
    std::vector<std::string> scrolls;

protected:
    void CreateParams(TCreateParams& params) override
    {
        TCustomControl::CreateParams(params);
        params.ExStyle |= exStyle;
    }
    void Dispatch(TMessage& m) override
    {
        switch (m.Msg) {
        case WM_NCCALCSIZE: {
            TCustomControl::Dispatch(m);
            auto* p = reinterpret_cast<TNCCalcSizeParams*>(m.LParam);
            p->rgrc[0] = Rect(p->rgrc[0].Left + extra, p->rgrc[0].Top + extra, p->rgrc[0].Right - extra,
                              p->rgrc[0].Bottom - extra);
            return;
        }
        case WM_NCPAINT: {
            TCustomControl::Dispatch(m);
            TCanvas* dc = GetWindowDC(Handle());
            dc->Brush()->SetColor(clRed);
            dc->FillRect(Rect(0, 0, Width(), 1));
            return;
        }
        case WM_VSCROLL:
        case WM_HSCROLL:
            scrolls.push_back(std::to_string(LOWORD(m.WParam)) + "@" + std::to_string(HIWORD(m.WParam)));
            return;
        default:
            TCustomControl::Dispatch(m);
        }
    }
    void Paint() override
    {
        Canvas()->Brush()->SetColor(clBlue);
        Canvas()->FillRect(ClientRect());
        Canvas()->Brush()->SetColor(clLime);
        Canvas()->FillRect(Rect(0, 0, 4, 4));
    }
};

class NonClient : public testing::Test
{
protected:
    void SetUp() override
    {
        SetThemesEnabled(false);
        form = ShowTestForm();
        control = new TFramed(form);
        control->SetBounds(20, 20, 120, 100);
        control->SetParent(form);
        Pump();
    }
    void TearDown() override
    {
        form->Free();
        SetThemesEnabled(true);
    }
    TForm* form = nullptr;
    TFramed* control = nullptr;
};

TEST_F(NonClient, ClientAreaShrinksByEdgeOwnFrameBorderWidthAndBars)
{
    EXPECT_EQ(control->ClientRect(), Rect(0, 0, 116, 96));
    control->extra = 3;
    RecalcFrame(control->Handle());
    EXPECT_EQ(control->ClientRect(), Rect(0, 0, 110, 90));
    control->SetBorderWidth(2);
    EXPECT_EQ(control->ClientRect(), Rect(0, 0, 106, 86));
    ShowScrollBar(control->Handle(), SB_VERT, true);
    EXPECT_EQ(control->ClientRect(), Rect(0, 0, 106 - GetSystemMetrics(SM_CXVSCROLL), 86));
    TPoint origin{0, 0};
    ClientToScreen(control->Handle(), origin);
    TRect window;
    GetWindowRect(control->Handle(), window);
    EXPECT_EQ(origin.X - window.Left, 2 + 3 + 2);
}

TEST_F(NonClient, HitTestNamesTheFramePartUnderAPoint)
{
    ShowScrollBar(control->Handle(), SB_BOTH, true);
    TRect window;
    GetWindowRect(control->Handle(), window);
    const struct
    {
        TPoint at; // window coordinates
        int code;
    } cases[] = {{{50, 40}, HTCLIENT},  {{0, 0}, HTBORDER},     {{110, 30}, HTVSCROLL},
                 {{30, 90}, HTHSCROLL}, {{110, 90}, HTNOWHERE}, {{130, 30}, HTNOWHERE}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.at.X) + "," + std::to_string(c.at.Y));
        EXPECT_EQ(control->Perform(WM_NCHITTEST, 0, MAKELPARAM(window.Left + c.at.X, window.Top + c.at.Y)),
                  c.code);
    }
}

struct ScrollCase
{
    const char* name;
    unsigned mask;
    int min, max;
    unsigned page;
    int pos;
    int expectedPos;
    bool visible;
    bool enabled;
};

TEST_F(NonClient, ScrollInfoClampsThePositionAndShowsTheBarWhenThePageIsShort)
{
    const ScrollCase cases[] = {
        {"position within range", SIF_ALL, 0, 100, 10, 50, 50, true, true},
        {"position past the last page", SIF_ALL, 0, 100, 10, 95, 91, true, true},
        {"position below minimum", SIF_ALL, 10, 100, 0, 3, 10, true, true},
        {"no page", SIF_ALL, 0, 100, 0, 100, 100, true, true},
        {"page holds the range: hidden", SIF_ALL, 0, 9, 10, 5, 0, false, true},
        {"page holds the range, kept disabled", SIF_ALL | SIF_DISABLENOSCROLL, 0, 9, 10, 5, 0, true, false},
        {"page larger than the range", SIF_ALL, 0, 5, 50, 3, 0, false, true},
    };
    const HWND h = control->Handle();
    for (const ScrollCase& c : cases) {
        SCOPED_TRACE(c.name);
        ShowScrollBar(h, SB_VERT, false);
        EnableScrollBar(h, SB_VERT, ESB_ENABLE_BOTH);
        TScrollInfo info;
        info.fMask = c.mask;
        info.nMin = c.min;
        info.nMax = c.max;
        info.nPage = c.page;
        info.nPos = c.pos;
        EXPECT_EQ(SetScrollInfo(h, SB_VERT, info, true), c.expectedPos);
        TScrollInfo read;
        read.fMask = SIF_ALL;
        ASSERT_TRUE(GetScrollInfo(h, SB_VERT, read));
        EXPECT_EQ(read.nPos, c.expectedPos);
        EXPECT_EQ(read.nTrackPos, c.expectedPos);
        EXPECT_LE(read.nPage, static_cast<unsigned>(c.max - c.min + 1));
        EXPECT_EQ((GetWindowLong(h, GWL_STYLE) & WS_VSCROLL) != 0, c.visible);
        EXPECT_EQ(EnableScrollBar(h, SB_VERT, ESB_ENABLE_BOTH), !c.enabled);
    }
}

TEST_F(NonClient, ABarAppearingSizesTheClientBeforeSetScrollInfoReturns)
{
    std::vector<int> widths;
    control->OnResize = [&](TObject*) { widths.push_back(control->ClientWidth()); };
    TScrollInfo info;
    info.fMask = SIF_RANGE | SIF_PAGE;
    info.nMax = 99;
    info.nPage = 10;
    SetScrollInfo(control->Handle(), SB_VERT, info, true);
    EXPECT_EQ(widths, (std::vector<int>{116 - GetSystemMetrics(SM_CXVSCROLL)}));
}

TEST_F(NonClient, PressingTheBarsPartsSendsScrollCodes)
{
    TScrollInfo info;
    info.fMask = SIF_ALL;
    info.nMax = 99;
    info.nPage = 10;
    info.nPos = 0;
    const HWND h = control->Handle();
    SetScrollInfo(h, SB_VERT, info, true);
    const int arrow = GetSystemMetrics(SM_CYVSCROLL);
    const int x = 120 - 2 - 8; // inside the bar
    auto click = [&](int y) {
        SendWindowMouse(control, QEvent::MouseButtonPress, {x, y});
        SendWindowMouse(control, QEvent::MouseButtonRelease, {x, y});
    };
    click(2 + arrow / 2);       // up arrow
    click(100 - 2 - arrow / 2); // down arrow
    click(100 - 2 - arrow - 2); // track below the thumb
    EXPECT_EQ(control->scrolls, (std::vector<std::string>{"0@0", "8@0", "1@0", "8@0", "3@0", "8@0"}));

    // Dragging the thumb tracks, then sets the position and ends.
    control->scrolls.clear();
    const int thumbTop = 2 + arrow;
    SendWindowMouse(control, QEvent::MouseButtonPress, {x, thumbTop + 2});
    SendWindowMouse(control, QEvent::MouseMove, {x, thumbTop + 2 + 30});
    TScrollInfo tracking;
    tracking.fMask = SIF_TRACKPOS | SIF_POS;
    GetScrollInfo(h, SB_VERT, tracking);
    SendWindowMouse(control, QEvent::MouseButtonRelease, {x, thumbTop + 2 + 30});
    ASSERT_EQ(control->scrolls.size(), 3u);
    const std::string trackedTo = control->scrolls[0].substr(2);
    EXPECT_EQ(control->scrolls[0], "5@" + trackedTo);
    EXPECT_EQ(control->scrolls[1], "4@" + trackedTo);
    EXPECT_EQ(control->scrolls[2], "8@0");
    EXPECT_EQ(std::to_string(tracking.nTrackPos), trackedTo);
    EXPECT_EQ(tracking.nPos, 0); // the window moves the position itself
    EXPECT_GT(tracking.nTrackPos, 0);
}

TEST_F(NonClient, FrameAndClientPaintIntoTheWindow)
{
    control->SetBorderWidth(0);
    form->Repaint();
    const QImage shot = form->Window().widget->grab().toImage();
    auto at = [&](int x, int y) { return shot.pixelColor(20 + x, 20 + y).rgb() & 0xFFFFFF; };
    EXPECT_EQ(at(10, 0), 0xFF0000u);  // own frame line on top of the edge
    EXPECT_EQ(at(2, 2), 0x00FF00u);   // client origin inside the 2-pixel edge
    EXPECT_EQ(at(60, 50), 0x0000FFu); // client
    EXPECT_NE(at(0, 50), 0x0000FFu);  // edge

    // The same through the print path onto a bitmap.
    TBitmap bitmap;
    bitmap.SetSize(120, 100);
    control->PaintTo(*bitmap.Canvas(), 0, 0);
    EXPECT_EQ(bitmap.Canvas()->Pixels(10, 0), clRed);
    EXPECT_EQ(bitmap.Canvas()->Pixels(2, 2), clLime);
    EXPECT_EQ(bitmap.Canvas()->Pixels(60, 50), clBlue);
}

} // namespace
