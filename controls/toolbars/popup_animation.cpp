#include "controls/toolbars/popup_animation.h"

#include "platform/gui/core/exceptions.h"
#include "platform/gui/graphics/bitmap.h"
#include "platform/gui/graphics/gdi.h"
#include "platform/gui/windows/timers.h"
#include "platform/gui/windows/win_control.h"
#include "platform/gui/windows/window_functions.h"

#include <memory>
#include <utility>

namespace {

struct TAnimation
{
    bool Animating = false;
    HWND Wnd = nullptr;
    int Time = 0; // ms: the whole animation
    bool Blending = false;
    int StartStep = 0;
    int LastStep = 0;
    uint32_t StartTime = 0;
    uint32_t LastTime = 0;
    std::unique_ptr<TBitmap> Bitmap; // the window as it was captured at the start
    TRect ScreenClientRect;
    TSize Size;
    TPoint LastCursorPos;
    TBarAnimationDirection Direction;
    TPoint Offset; // where the picture stands in the window while it slides
};

thread_local TAnimation animation;

constexpr int FadeTime = 175;
constexpr int FadeStartAlpha = 40;
constexpr int SlideTime = 150;
// Steps are at least this far apart.
constexpr uint32_t StepInterval = 10;

void SetLayeredAlpha(HWND wnd, int alpha)
{
    TBlendFunction blend;
    blend.SourceConstantAlpha = static_cast<uint8_t>(alpha);
    if (!UpdateLayeredWindow(wnd, nullptr, nullptr, nullptr, nullptr, nullptr, clNone, &blend, ULW_ALPHA))
        throw EInvalidOperation("The menu window cannot be faded in");
}

// Where the picture stands at a step: coming down from above, up from below, in from the left or from the
// right (down and right win over their opposites).
TPoint SlideOffset(int step)
{
    const int w = animation.Size.cx, h = animation.Size.cy;
    const TBarAnimationDirection d = animation.Direction;
    const int y = d.Contains(tbadDown) ? MulDiv(h, step, 255) - h
                  : d.Contains(tbadUp) ? h - MulDiv(h, step, 255)
                                       : 0;
    const int x = d.Contains(tbadRight)  ? MulDiv(w, step, 255) - w
                  : d.Contains(tbadLeft) ? w - MulDiv(w, step, 255)
                                         : 0;
    return {x, y};
}

void ShowSlideStep(int step)
{
    const TPoint p = SlideOffset(step);
    animation.Offset = p;
    const int w = animation.Size.cx, h = animation.Size.cy;
    const int x = p.X, y = p.Y;
    const TRegion shown = CreateRectRgn(x, y, x + w, y + h);
    SetWindowRgn(animation.Wnd, &shown, false);
    RedrawWindow(animation.Wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
}

void Capture(HWND wnd)
{
    TWinControl* window = FindControl(wnd);
    TRect r;
    GetWindowRect(wnd, r);
    animation.Size = {r.Width(), r.Height()};
    animation.Bitmap = std::make_unique<TBitmap>(r.Width(), r.Height());
    // The window paints itself into the picture while it is still hidden.
    window->PaintTo(*animation.Bitmap->Canvas(), 0, 0);
}

} // namespace

void FinishAnimation()
{
    animation.Animating = false;
    const HWND wnd = std::exchange(animation.Wnd, nullptr);
    if (animation.Bitmap && IsWindow(wnd)) {
        if (animation.Blending)
            SetWindowLong(wnd, GWL_EXSTYLE, GetWindowLong(wnd, GWL_EXSTYLE) & ~WS_EX_LAYERED);
        else
            SetWindowRgn(wnd, nullptr, false);
        RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
    }
    animation.Bitmap.reset();
    if (IsWindow(wnd))
        SendMessage(wnd, AnimationEndMessage, 0, 0);
}

void StartAnimation(HWND wnd, bool blend, TBarAnimationDirection direction)
{
    FinishAnimation();
    try {
        animation.Wnd = wnd;
        animation.Direction = direction;
        animation.Blending = blend;
        animation.Offset = {};
        GetCursorPos(animation.LastCursorPos);
        TRect client;
        GetClientRect(wnd, client);
        TPoint origin{0, 0};
        ClientToScreen(wnd, origin);
        animation.ScreenClientRect = Bounds(origin.X, origin.Y, client.Width(), client.Height());
        Capture(wnd);
        if (blend) {
            SetWindowLong(wnd, GWL_EXSTYLE, GetWindowLong(wnd, GWL_EXSTYLE) | WS_EX_LAYERED);
            animation.Time = FadeTime;
            animation.StartStep = FadeStartAlpha;
            SetLayeredAlpha(wnd, FadeStartAlpha);
        } else {
            animation.Time = SlideTime;
            animation.StartStep = 0;
            animation.Offset = SlideOffset(0);
            // Shown with nothing of it visible yet.
            const TRegion none = CreateRectRgn(0, 0, 0, 0);
            SetWindowRgn(wnd, &none, false);
        }
        animation.LastStep = animation.StartStep;
        animation.StartTime = animation.LastTime = GetTickCount();
        SetWindowPos(wnd, nullptr, 0, 0, 0, 0,
                     SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE | SWP_NOREDRAW | SWP_NOACTIVATE | SWP_SHOWWINDOW |
                         SWP_NOOWNERZORDER);
        animation.Animating = true;
    } catch (...) {
        FinishAnimation();
        throw;
    }
}

void AnimationStep()
{
    if (!animation.Animating)
        return;
    const uint32_t now = GetTickCount();
    if (now - animation.LastTime < StepInterval)
        return;
    animation.LastTime = now;
    // The tick count may have wrapped since the start: then the animation just ends.
    const int64_t elapsed = static_cast<int64_t>(now) - static_cast<int64_t>(animation.StartTime);
    if (elapsed < 0 || elapsed >= animation.Time) {
        FinishAnimation();
        return;
    }
    const int step = static_cast<int>(elapsed * 255 / animation.Time) + animation.StartStep;
    if (step < 0 || step >= 255) {
        FinishAnimation();
        return;
    }
    TPoint cursor;
    GetCursorPos(cursor);
    if (cursor != animation.LastCursorPos) {
        // The user moved onto the menu: it shows whole at once.
        if (PtInRect(animation.ScreenClientRect, cursor)) {
            FinishAnimation();
            return;
        }
        animation.LastCursorPos = cursor;
    }
    if (step <= animation.LastStep)
        return;
    animation.LastStep = step;
    if (animation.Blending)
        SetLayeredAlpha(animation.Wnd, step);
    else
        ShowSlideStep(step);
}

bool IsAnimating()
{
    return animation.Animating;
}

void EndAnimation(HWND wnd)
{
    if (animation.Animating && (!wnd || wnd == animation.Wnd))
        FinishAnimation();
}

bool PaintAnimationFrame(HWND wnd, TCanvas& canvas, TPoint areaOrigin)
{
    if (!animation.Animating || animation.Blending || wnd != animation.Wnd || !animation.Bitmap)
        return false;
    const TSize size = animation.Size;
    BitBlt(canvas, animation.Offset.X - areaOrigin.X, animation.Offset.Y - areaOrigin.Y, size.cx, size.cy,
           *animation.Bitmap->Canvas(), 0, 0, SRCCOPY);
    return true;
}
