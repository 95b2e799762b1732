#include "controls/pack/flat_hint.h"

#include "platform/gui/forms/forms.h"
#include "platform/gui/forms/screen.h"
#include "platform/gui/graphics/gdi.h"
#include "platform/gui/windows/window_functions.h"

#include <algorithm>
#include <vector>

namespace {

// The TFlatHint components alive, the last made last; the one that holds the show-hint event.
std::vector<TFlatHint*>& LiveHints()
{
    static std::vector<TFlatHint*> hints;
    return hints;
}
TFlatHint* showHintOwner = nullptr;

TArrowPos QuarterOf(TPoint p)
{
    const TMonitor* monitor = Screen->MonitorFromPoint(p, mdNull);
    if (!monitor)
        return SE; // off every screen
    const TRect b = monitor->BoundsRect();
    const int midX = b.Left + b.Width() / 2, midY = b.Top + b.Height() / 2;
    if (PtInRect({b.Left, b.Top, midX, midY}, p))
        return NW;
    if (PtInRect({midX, b.Top, b.Right, midY}, p))
        return NE;
    if (PtInRect({b.Left, midY, midX, b.Bottom}, p))
        return SW;
    return SE;
}

} // namespace

// --- TFlatHint ---------------------------------------------------------------------------------------------

TFlatHint::TFlatHint(TComponent* owner) : TComponent(owner), FHintFont(std::make_unique<TFont>())
{
    LiveHints().push_back(this);
    HintWindowClass = THintWindowClass::Of<TFlatHintWindow>();
    // Switching hints off and on makes the application's next hint window of the new class.
    Application->SetShowHint(false);
    Application->SetShowHint(true);
    Application->OnShowHint = [this](std::string& hintStr, bool& canShow, THintInfo& hintInfo) {
        ShowHint(hintStr, canShow, hintInfo);
    };
    showHintOwner = this;
    Application->SetHintShortPause(25);
    Application->SetHintPause(500);
    Application->SetHintHidePause(5000);
}

TFlatHint::~TFlatHint()
{
    std::erase(LiveHints(), this);
    if (showHintOwner == this) {
        Application->OnShowHint = nullptr;
        showHintOwner = nullptr;
    }
    if (LiveHints().empty() && HintWindowClass == THintWindowClass::Of<TFlatHintWindow>())
        HintWindowClass = THintWindowClass::Of<THintWindow>();
}

void TFlatHint::ShowHint(std::string& hintStr, bool& canShow, THintInfo& hintInfo)
{
    if (OnShowHint)
        OnShowHint(hintStr, canShow, hintInfo);
}

TFlatHint* LocateHintComponent()
{
    TFlatHint* found = nullptr;
    for (int i = Screen->FormCount() - 1; i >= 0; --i) {
        const TCustomForm* form = Screen->Forms(i);
        for (int c = 0; c < form->ComponentCount(); ++c)
            if (auto* hint = dynamic_cast<TFlatHint*>(form->Components(c))) {
                found = hint;
                break;
            }
    }
    return found;
}

// --- TFlatHintWindow ---------------------------------------------------------------------------------------

void TFlatHintWindow::CreateParams(TCreateParams& params)
{
    THintWindow::CreateParams(params);
    params.Style &= ~WS_BORDER;
}

void TFlatHintWindow::ActivateHint(TRect rect, const std::string& text)
{
    SetCaption(text);
    FHint = LocateHintComponent();
    if (!FHint)
        return;
    TCanvas& canvas = *Canvas();
    canvas.Font()->Assign(FHint->Font());
    rect.Right = rect.Left + FHint->MaxHintWidth() - 22;
    DrawText(canvas, text, rect, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    rect.Right += 22;
    rect.Bottom += 6;
    const int w = rect.Width(), h = rect.Height();
    TPoint p;
    GetCursorPos(p);
    FArrowPos = QuarterOf(p);
    const int d = FArrowPos == NW ? 12 : 5;
    switch (FArrowPos) {
    case NE:
        rect = {p.X - w - d, p.Y + d, p.X - d, p.Y + h + d};
        break;
    case NW:
        rect = {p.X + d, p.Y + d, p.X + w + d, p.Y + h + d};
        break;
    case SE:
        rect = {p.X - w - d, p.Y - h - d, p.X - d, p.Y - d};
        break;
    case SW:
        rect = {p.X + d, p.Y - h - d, p.X + w + d, p.Y - d};
        break;
    }
    // Never moved back onto the screen: a hint larger than half the screen runs off its edge.
    SetBoundsRect(rect);
    SetWindowPos(Handle(), HWND_TOPMOST, rect.Left, rect.Top, 0, 0,
                 SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    Invalidate();
}

void TFlatHintWindow::Paint()
{
    if (!FHint)
        return;
    TCanvas& canvas = *Canvas();
    const TRect c = ClientRect();
    const bool left = FArrowPos == NW || FArrowPos == SW;
    const TRect a = left ? TRect{c.Left + 1, c.Top + 1, c.Left + 15, c.Bottom - 1}
                         : TRect{c.Right - 15, c.Top + 1, c.Right - 1, c.Bottom - 1};
    TRect t = left ? TRect{c.Left + 15, c.Top + 1, c.Right - 1, c.Bottom - 1}
                   : TRect{c.Left + 1, c.Top + 1, c.Right - 15, c.Bottom - 1};
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(FHint->ColorArrowBackground());
    canvas.FillRect(a);
    canvas.Brush()->SetColor(FHint->ColorBackground());
    canvas.FillRect(t);
    canvas.Brush()->SetColor(FHint->ColorBorder());
    canvas.FrameRect(c);

    const bool top = FArrowPos == NE || FArrowPos == NW;
    FArrowPoint = {left ? a.Left + 2 : a.Right - 3, top ? a.Top + 2 : a.Bottom - 3};
    static constexpr TPoint Offsets[18] = {{0, 0}, {0, 6}, {1, 6}, {1, 0}, {6, 0}, {6, 1},
                                           {2, 1}, {2, 4}, {5, 7}, {6, 7}, {3, 4}, {3, 3},
                                           {6, 6}, {7, 6}, {3, 2}, {4, 2}, {7, 5}, {7, 6}};
    const int sx = left ? 1 : -1, sy = top ? 1 : -1;
    std::vector<TPoint> arrow;
    for (const TPoint& offset : Offsets)
        arrow.push_back({FArrowPoint.X + sx * offset.X, FArrowPoint.Y + sy * offset.Y});
    canvas.Pen()->SetStyle(psSolid);
    canvas.Pen()->SetWidth(1);
    canvas.Pen()->SetColor(FHint->ColorArrow());
    canvas.Polyline(arrow);

    canvas.Brush()->SetStyle(bsClear);
    canvas.Font()->Assign(FHint->Font());
    t = {t.Left + 3, t.Top + 1, t.Right - 3, t.Bottom - 1};
    DrawText(canvas, Caption(), t, DT_WORDBREAK | DT_NOPREFIX);
}
