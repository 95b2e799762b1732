#include "controls/toolbars/dock.h"
#include "controls/toolbars/dock_helpers.h"
#include "controls/toolbars/dockable_window.h"
#include "controls/toolbars/drag_outline.h"
#include "controls/toolbars/floating_frame.h"
#include "controls/toolbars/message_helpers.h"
#include "controls/toolbars/monitor_rects.h"
#include "platform/gui/windows/message_loop.h"
#include "platform/gui/windows/window_functions.h"

#include <algorithm>
#include <memory>

// A floating window: its frame, its place on the screen, the way back into a dock, and the sizing loop of
// its frame.

void TBarCustomDockableWindow::SetFloatingPosition(TPoint value)
{
    FFloatingPosition = value;
    if (FFloating && FFloatParent && Parent() == FFloatParent)
        FFloatParent->SetBounds(value.X, value.Y, FFloatParent->Width(), FFloatParent->Height());
}

void TBarCustomDockableWindow::SetFloating(bool value)
{
    if (value == FFloating)
        return;
    TCustomForm* form = ValidOwningForm(this);
    if (!value) {
        SetParent(form);
        return;
    }
    if (!FFloatParent) {
        TBarFloatingWindowParent* frame = FloatingFrameClass().Create(nullptr);
        try {
            frame->SetDockableWindow(this);
            frame->SetParentForm(form);
            frame->SetShowHint(true);
            frame->SetVisible(true);
        } catch (...) {
            frame->Free();
            throw;
        }
        FFloatParent = frame;
        frame->FreeNotification(this);
    }
    FFloatParent->SetParentForm(form);
    FFloatParent->SetCaption(Caption());
    SetParent(FFloatParent);
    SetBounds(0, 0, Width(), Height());
}

void TBarCustomDockableWindow::MoveOnScreen(bool onlyIfFullyOffscreen)
{
    if (!FFloating || !FFloatParent)
        return;
    TRect r = FFloatParent->BoundsRect();
    const TRect work = GetMonitorRectOfRect(r, true);
    if (onlyIfFullyOffscreen && RectsMeet(r, work))
        return;
    if (r.Right > work.Right)
        OffsetRect(r, work.Right - r.Right, 0);
    if (r.Bottom > work.Bottom)
        OffsetRect(r, 0, work.Bottom - r.Bottom);
    if (r.Left < work.Left)
        OffsetRect(r, work.Left - r.Left, 0);
    if (r.Top < work.Top)
        OffsetRect(r, 0, work.Top - r.Top);
    FFloatingPosition = r.TopLeft();
    FFloatParent->SetBoundsRect(r);
}

void TBarCustomDockableWindow::ToggleDocked()
{
    if (!FDocked) {
        if (FLastDock) {
            SetParent(FLastDock);
        } else if (FDefaultDock) {
            FDockRow = 0;
            FDockPos = DefaultDockReturnPos();
            SetParent(FDefaultDock);
        }
        return;
    }
    if (FDockMode == dmCanFloat) {
        SetFloating(true);
        MoveOnScreen(true);
    }
}

// --- sizing ------------------------------------------------------------------------------------------------

class TBarDockableWindowSizing
{
public:
    TBarDockableWindowSizing(TBarCustomDockableWindow& window, TBarSizeHandle handle)
        : w_(window), frame_(*window.FFloatParent), handle_(handle)
    {}
    void Run();

private:
    void Start();
    bool Loop();
    void Track(TPoint cursor);
    void ApplyRect();
    void Finish(bool accepted);
    TPoint ClampedCursor(TPoint cursor) const;

    TBarCustomDockableWindow& w_;
    TBarFloatingWindowParent& frame_;
    TBarSizeHandle handle_;
    bool smooth_ = true;
    int minWidth_ = 0;
    int minHeight_ = 0;
    int maxWidth_ = 0;
    int maxHeight_ = 0;
    bool left_ = false;
    bool right_ = false;
    bool top_ = false;
    bool bottom_ = false;
    TRect start_;
    TRect rect_;
    TPoint startCursor_;
    TPoint lastCursor_;
    std::unique_ptr<TBarDragOutline> outline_;
};

void TBarCustomDockableWindow::BeginSizing(TBarSizeHandle sizeHandle)
{
    if (!FFloating || !FFloatParent)
        return;
    TBarDockableWindowSizing(*this, sizeHandle).Run();
}

void TBarDockableWindowSizing::Run()
{
    bool accepted = false;
    try {
        Start();
        accepted = Loop();
    } catch (...) {
        try {
            Finish(false);
        } catch (...) {
        }
        throw;
    }
    Finish(accepted);
}

void TBarDockableWindowSizing::Start()
{
    smooth_ = w_.FSmoothDrag;
    w_.QuerySizeLimits(minWidth_, minHeight_, maxWidth_, maxHeight_);
    const int extraWidth = frame_.Width() - w_.Width();
    const int extraHeight = frame_.Height() - w_.Height();
    minWidth_ += extraWidth;
    minHeight_ += extraHeight;
    if (maxWidth_ != 0)
        maxWidth_ += extraWidth;
    if (maxHeight_ != 0)
        maxHeight_ += extraHeight;
    left_ = handle_ == twshLeft || handle_ == twshTopLeft || handle_ == twshBottomLeft;
    right_ = handle_ == twshRight || handle_ == twshTopRight || handle_ == twshBottomRight;
    top_ = handle_ == twshTop || handle_ == twshTopLeft || handle_ == twshTopRight;
    bottom_ = handle_ == twshBottom || handle_ == twshBottomLeft || handle_ == twshBottomRight;
    w_.SizingStarted(handle_);
    DispatchPendingPaints();
    if (!smooth_)
        outline_ = std::make_unique<TBarDragOutline>();
    SetCapture(w_.Handle());
    GetCursorPos(startCursor_);
    lastCursor_ = startCursor_;
    start_ = frame_.BoundsRect();
    rect_ = start_;
    if (outline_)
        outline_->Draw(rect_, w_.GetFloatingBorderSize().X);
}

bool TBarDockableWindowSizing::Loop()
{
    return RunPressLoop(w_.Handle(), [this](const TMsg& msg, bool& cancel) {
        if ((msg.message == WM_KEYDOWN || msg.message == WM_KEYUP) && msg.wParam == VK_ESCAPE) {
            cancel = true;
            return true;
        }
        if (msg.message != WM_MOUSEMOVE)
            return false;
        if (const TPoint cursor = ClampedCursor(msg.pt); cursor != lastCursor_) {
            lastCursor_ = cursor;
            Track(cursor);
        }
        return true;
    });
}

// With a clipped cursor the pointer stays on the screen while the frame is sized.
TPoint TBarDockableWindowSizing::ClampedCursor(TPoint cursor) const
{
    if (!w_.FDockableWindowStyles.Contains(tbdsResizeClipCursor) || HasMultipleMonitors())
        return cursor;
    const TRect screen = GetPrimaryMonitorRect(false);
    return {std::clamp(cursor.X, screen.Left, screen.Right - 1),
            std::clamp(cursor.Y, screen.Top, screen.Bottom - 1)};
}

void TBarDockableWindowSizing::Track(TPoint cursor)
{
    const int dx = cursor.X - startCursor_.X;
    const int dy = cursor.Y - startCursor_.Y;
    TRect r = start_;
    if (left_)
        r.Left += dx;
    if (right_)
        r.Right += dx;
    if (top_)
        r.Top += dy;
    if (bottom_)
        r.Bottom += dy;
    // A size outside the limits is brought back by the edge that moves.
    auto limit = [](int length, int minimum, int maximum) {
        if (length < minimum)
            return minimum;
        return maximum != 0 && length > maximum ? maximum : length;
    };
    const int width = limit(r.Width(), minWidth_, maxWidth_);
    if (left_)
        r.Left = r.Right - width;
    else if (right_)
        r.Right = r.Left + width;
    const int height = limit(r.Height(), minHeight_, maxHeight_);
    if (top_)
        r.Top = r.Bottom - height;
    else if (bottom_)
        r.Bottom = r.Top + height;
    w_.SizingTrack(r, start_);
    rect_ = r;
    if (outline_)
        outline_->Draw(rect_, w_.GetFloatingBorderSize().X);
    else
        ApplyRect();
}

void TBarDockableWindowSizing::ApplyRect()
{
    w_.BeginUpdate();
    try {
        w_.SizingApply();
        frame_.SetBoundsRect(rect_);
        w_.TCustomControl::SetBounds(w_.Left(), w_.Top(), frame_.ClientWidth(), frame_.ClientHeight());
    } catch (...) {
        w_.EndUpdate();
        throw;
    }
    w_.EndUpdate();
    w_.MoveOnScreen(true);
}

void TBarDockableWindowSizing::Finish(bool accepted)
{
    if (GetCapture() == w_.Handle())
        ReleaseCapture();
    const bool outlined = outline_ != nullptr;
    outline_.reset();
    try {
        if (accepted && outlined)
            ApplyRect();
    } catch (...) {
        w_.SizingFinished();
        throw;
    }
    w_.SizingFinished();
}
