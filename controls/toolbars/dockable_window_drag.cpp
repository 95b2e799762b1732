#include "controls/toolbars/dock.h"
#include "controls/toolbars/dock_helpers.h"
#include "controls/toolbars/dockable_window.h"
#include "controls/toolbars/dpi_scaling.h"
#include "controls/toolbars/drag_outline.h"
#include "controls/toolbars/floating_frame.h"
#include "controls/toolbars/message_helpers.h"
#include "controls/toolbars/monitor_rects.h"
#include "platform/gui/forms/screen.h"
#include "platform/gui/graphics/gdi.h"
#include "platform/gui/windows/message_loop.h"
#include "platform/gui/windows/window_functions.h"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <optional>

// The drag loop of a dockable window: it moves the window along its row, into another row or dock, or out
// into a floating frame, following the pointer while the window holds the capture. A smooth drag moves the
// window itself; otherwise an outline shows where it will go and the move happens on the release.

namespace {

// What the window would be in one candidate dock (or, without a dock, floating).
struct TDockedSize
{
    TBarDock* Dock = nullptr;
    TRect BoundsRect; // the dock's client area on the screen
    TPoint Size;      // the window's size there, its frame included
    struct TRowSize
    {
        int Size;
        bool FullSize;
    };
    std::vector<TRowSize> RowSizes;
};

// The row a position across a dock's rows falls in; newRow when it asks for a new row there.
int FindRow(const std::vector<TDockedSize::TRowSize>& rows, int position, bool windowFullSize, bool& newRow)
{
    int sum = 0;
    for (size_t r = 0; r < rows.size(); ++r) {
        const int thickness = rows[r].Size;
        if (thickness == 0)
            continue;
        const bool full = windowFullSize || rows[r].FullSize;
        const int margin = full ? thickness / 2 : thickness / 4;
        newRow = true;
        if (position < sum + margin)
            return static_cast<int>(r);
        newRow = false;
        if (!full && position < sum + thickness - margin)
            return static_cast<int>(r);
        sum += thickness;
    }
    newRow = true;
    return static_cast<int>(rows.size());
}

TRect ScreenClientRect(TWinControl* control)
{
    const TPoint origin = control->ClientOrigin();
    return Bounds(origin.X, origin.Y, control->ClientWidth(), control->ClientHeight());
}

} // namespace

class TBarDockableWindowDrag
{
public:
    explicit TBarDockableWindowDrag(TBarCustomDockableWindow& window) : w_(window) {}
    void Run(int initX, int initY);

private:
    void Start();
    void GatherDocks();
    void SearchForm(TWinControl* control, std::vector<TBarDock*>& found);
    bool Eligible(TBarDock* dock) const;
    void MeasureCandidates();
    bool Loop();
    void MouseMoved();
    bool IsNear(const TDockedSize& candidate, TPoint cursor) const;
    TRect RectFor(const TDockedSize& size, TPoint cursor) const;
    void KeepReachable(TRect& r, TPoint cursor) const;
    void Apply(const TRect& r, TBarDock* target);
    void Finish(bool accepted);
    int Outline(bool docked) const;

    TBarCustomDockableWindow& w_;
    TBarDock* startDock_ = nullptr;
    int startRow_ = 0;
    int startPos_ = 0;
    bool startVertical_ = false;
    bool canSplit_ = false;
    bool preventDocking_ = false;
    bool cannotFloat_ = false;
    bool lookForDocks_ = false;
    TPoint grab_;        // the pointer against the dragged window's (or frame's) top-left
    TPoint reference_;   // its size less one pixel
    TPoint startCursor_; // the pointer when the drag began
    TPoint lastCursor_;  // the pointer the last step handled
    HCURSOR savedCursor_ = nullptr;
    std::vector<TBarDock*> docks_;
    std::vector<TDockedSize> sizes_; // one per candidate dock, then the floating one
    TBarDock* target_ = nullptr;
    TRect rect_;
    std::unique_ptr<TBarDragOutline> outline_;
};

void TBarCustomDockableWindow::BeginMoving(int initX, int initY)
{
    TBarDockableWindowDrag(*this).Run(initX, initY);
}

void TBarDockableWindowDrag::Run(int, int)
{
    bool accepted = false;
    try {
        Start();
        accepted = Loop();
    } catch (...) {
        Finish(false);
        throw;
    }
    Finish(accepted);
}

void TBarDockableWindowDrag::Start()
{
    startDock_ = w_.FCurrentDock;
    startRow_ = w_.FDockRow;
    startPos_ = w_.FDockPos;
    w_.FDragMode = true;
    w_.FDragSplitting = false;
    if (w_.FDocked) {
        w_.FDragCanSplit = false;
        startDock_->SetCommitNewPositions(true);
        startDock_->ArrangeToolbars();
        canSplit_ = w_.FDragCanSplit;
        startVertical_ = startDock_->Vertical();
    }
    w_.FSmoothDragging = w_.FSmoothDrag;
    TWinControl* moved = w_.FFloating && w_.FFloatParent ? static_cast<TWinControl*>(w_.FFloatParent) : &w_;
    TRect bounds;
    GetWindowRect(moved->Handle(), bounds);
    TPoint cursor;
    GetCursorPos(cursor);
    grab_ = {cursor.X - bounds.Left, cursor.Y - bounds.Top};
    reference_ = {std::max(bounds.Width() - ScaleForDPI(1), 1),
                  std::max(bounds.Height() - ScaleForDPI(1), 1)};
    preventDocking_ = GetKeyState(VK_CONTROL) < 0;
    cannotFloat_ = w_.FDockMode != dmCanFloat;
    GatherDocks();
    for (TBarDock* dock : docks_)
        dock->CommitEffectivePositions();
    MeasureCandidates();
    DispatchPendingPaints();
    savedCursor_ = GetCursor();
    if (!w_.FSmoothDragging)
        outline_ = std::make_unique<TBarDragOutline>();
    SetCapture(w_.Handle());
    startCursor_ = cursor;
    lastCursor_ = cursor;
    lookForDocks_ = w_.FDocked;
    MouseMoved();
    lookForDocks_ = true;
}

bool TBarDockableWindowDrag::Eligible(TBarDock* dock) const
{
    return dock->AllowDrag() && w_.FDockableTo.Contains(dock->Position());
}

void TBarDockableWindowDrag::GatherDocks()
{
    if (w_.FDockMode == dmCannotFloatOrChangeDocks) {
        if (w_.FDocked)
            docks_.push_back(w_.FCurrentDock);
        return;
    }
    if (w_.FDocked && Eligible(w_.FCurrentDock))
        docks_.push_back(w_.FCurrentDock);
    TCustomForm* own = FindOwningForm(&w_);
    std::vector<TCustomForm*> forms;
    for (int i = 0; i < Screen->FormCount(); ++i) {
        TCustomForm* form = Screen->Forms(i);
        if (form == own || std::find(w_.FDockForms.begin(), w_.FDockForms.end(), form) != w_.FDockForms.end())
            forms.push_back(form);
    }
    // The window's own form first, then the others in the screen's order.
    std::stable_partition(forms.begin(), forms.end(), [own](TCustomForm* f) { return f == own; });
    for (TCustomForm* form : forms)
        SearchForm(form, docks_);
}

void TBarDockableWindowDrag::SearchForm(TWinControl* control, std::vector<TBarDock*>& found)
{
    // The dragged window and what lies inside it hold no dock it could go to.
    if (w_.ContainsControl(control) || !control->HandleAllocated() || !control->Visible())
        return;
    for (TBarDockPosition position : {dpTop, dpBottom, dpLeft, dpRight})
        for (int i = 0; i < control->ControlCount(); ++i)
            if (auto* dock = dynamic_cast<TBarDock*>(control->Controls(i));
                dock && dock->Position() == position)
                SearchForm(dock, found);
    for (int i = 0; i < control->ControlCount(); ++i) {
        auto* child = dynamic_cast<TWinControl*>(control->Controls(i));
        if (child && !dynamic_cast<TBarDock*>(child))
            SearchForm(child, found);
    }
    if (auto* dock = dynamic_cast<TBarDock*>(control);
        dock && Eligible(dock) && std::find(found.begin(), found.end(), dock) == found.end())
        found.push_back(dock);
}

void TBarDockableWindowDrag::MeasureCandidates()
{
    const TBarDockKind kind = DockKindOf(w_.FCurrentDock, w_.FFloating);
    for (TBarDock* dock : docks_) {
        TDockedSize entry;
        entry.Dock = dock;
        entry.BoundsRect = ScreenClientRect(dock);
        if (dock == w_.FCurrentDock) {
            entry.Size = {w_.Width(), w_.Height()};
        } else {
            entry.Size = w_.ComputeArrangement(false, kind, false, dock);
            w_.AddDockedNCAreaToSize(entry.Size, dock->Vertical());
        }
        for (int row = 0; row <= dock->GetHighestRow(true); ++row) {
            bool full = false;
            const int size = dock->GetCurrentRowSize(row, full);
            entry.RowSizes.push_back({size, full});
        }
        sizes_.push_back(entry);
    }
    TDockedSize floating;
    floating.Size = w_.ComputeArrangement(false, kind, true, nullptr);
    w_.AddFloatingNCAreaToSize(floating.Size);
    sizes_.push_back(floating);
}

bool TBarDockableWindowDrag::Loop()
{
    return RunPressLoop(w_.Handle(), [this](const TMsg& msg, bool& cancel) {
        if (msg.message == WM_KEYDOWN || msg.message == WM_KEYUP) {
            if (msg.wParam == VK_ESCAPE) {
                cancel = true;
                return true;
            }
            // Ctrl held keeps the window out of every dock.
            if (msg.wParam == VK_CONTROL && (GetKeyState(VK_CONTROL) < 0) != preventDocking_) {
                preventDocking_ = !preventDocking_;
                MouseMoved();
            }
            return false;
        }
        if (msg.message != WM_MOUSEMOVE)
            return false;
        if (msg.pt != lastCursor_) {
            lastCursor_ = msg.pt;
            MouseMoved();
        }
        return true;
    });
}

bool TBarDockableWindowDrag::IsNear(const TDockedSize& candidate, TPoint cursor) const
{
    TRect r = candidate.BoundsRect;
    InflateRect(r, ScaleForDPI(3), ScaleForDPI(3));
    const int reach = ScaleForDPI(25);
    const int n = MulDiv(reach, grab_.X, reference_.X);
    const int m = MulDiv(reach, grab_.Y, reference_.Y);
    if (cursor.X < r.Left + n - reach || cursor.X >= r.Right + n)
        return false;
    if (cursor.Y < r.Top + m - reach || cursor.Y >= r.Bottom + m)
        return false;
    if (candidate.Dock->Vertical() && (cursor.Y < r.Top || cursor.Y >= r.Bottom))
        return false;
    return RectsMeet(RectFor(candidate, cursor), r);
}

TRect TBarDockableWindowDrag::RectFor(const TDockedSize& size, TPoint cursor) const
{
    const int left = cursor.X - MulDiv(size.Size.X - 1, grab_.X, reference_.X);
    const int top = cursor.Y - MulDiv(size.Size.Y - 1, grab_.Y, reference_.Y);
    return Bounds(left, top, size.Size.X, size.Size.Y);
}

void TBarDockableWindowDrag::KeepReachable(TRect& r, TPoint cursor) const
{
    const TRect work = GetMonitorRectOfPoint(cursor, true);
    const TPoint border = w_.GetFloatingBorderSize();
    TRect area = work;
    InflateRect(area, -(ScaleForDPI(4) + border.X), -(ScaleForDPI(4) + border.Y));
    if (r.Bottom <= area.Top)
        OffsetRect(r, 0, area.Top - r.Bottom + 1);
    if (r.Top >= area.Bottom)
        OffsetRect(r, 0, area.Bottom - r.Top - 1);
    if (r.Right <= area.Left)
        OffsetRect(r, area.Left - r.Right + 1, 0);
    if (r.Left >= area.Right)
        OffsetRect(r, area.Right - r.Left - 1, 0);
    TPoint topLeft;
    TPoint bottomRight;
    w_.GetFloatingNCArea(topLeft, bottomRight);
    const int clientTop = r.Top + topLeft.Y;
    if (clientTop < work.Top + ScaleForDPI(4))
        OffsetRect(r, 0, work.Top + ScaleForDPI(4) - clientTop);
}

void TBarDockableWindowDrag::MouseMoved()
{
    TBarDock* oldTarget = target_;
    TPoint cursor;
    GetCursorPos(cursor);
    TBarDock* target = nullptr;
    if (w_.FDragSplitting) {
        target = w_.FCurrentDock;
    } else if (lookForDocks_ && !preventDocking_) {
        for (size_t i = 0; i < docks_.size() && !target; ++i) {
            if (!IsNear(sizes_[i], cursor))
                continue;
            bool accept = true;
            if (docks_[i]->OnRequestDock)
                docks_[i]->OnRequestDock(docks_[i], &w_, accept);
            if (accept)
                target = docks_[i];
        }
    }
    if (!target) {
        const TRect work = GetMonitorRectOfPoint(cursor, true);
        cursor = {std::clamp(cursor.X, work.Left, work.Right - 1),
                  std::clamp(cursor.Y, work.Top, work.Bottom - 1)};
    }
    const auto sizeOf = [this](TBarDock* dock) -> const TDockedSize& {
        const auto it = std::find(docks_.begin(), docks_.end(), dock);
        return sizes_[static_cast<size_t>(it - docks_.begin())];
    };
    TRect r = RectFor(target ? sizeOf(target) : sizes_.back(), cursor);
    if (!target)
        KeepReachable(r, cursor);
    HCURSOR shape = savedCursor_;
    if (cannotFloat_ && !target) {
        r = {};
        shape = CursorShape(crNo);
    } else if (w_.FDragSplitting) {
        shape = CursorShape(startVertical_ ? crSizeNS : crSizeWE);
    }
    ::SetCursor(shape);
    target_ = target;
    rect_ = r;
    if (outline_) {
        outline_->Draw(r, Outline(target != nullptr));
    } else if (!IsRectEmpty(r)) {
        Apply(r, target);
    }
    (void)oldTarget;
}

// How thick the outline is: one pixel over a dock, the floating frame's border elsewhere.
int TBarDockableWindowDrag::Outline(bool docked) const
{
    return docked ? 1 : w_.GetFloatingBorderSize().X;
}

void TBarDockableWindowDrag::Apply(const TRect& r, TBarDock* target)
{
    if (target) {
        const TDockedSize& size =
            sizes_[static_cast<size_t>(std::find(docks_.begin(), docks_.end(), target) - docks_.begin())];
        TRect relative = r;
        OffsetRect(relative, -size.BoundsRect.Left, -size.BoundsRect.Top);
        const bool vertical = target->Vertical();
        int row = w_.FDockRow;
        bool newRow = false;
        if (!w_.FDragSplitting) {
            const int middle =
                vertical ? (relative.Left + relative.Right) / 2 : (relative.Top + relative.Bottom) / 2;
            row = FindRow(size.RowSizes, middle, w_.FFullSize, newRow);
            if (newRow)
                canSplit_ = false;
        }
        if (canSplit_) {
            const int travel = vertical ? std::abs(lastCursor_.Y - startCursor_.Y)
                                        : std::abs(lastCursor_.X - startCursor_.X);
            if (target == startDock_ && row == startRow_) {
                if (travel >= ScaleForDPI(10)) {
                    canSplit_ = false;
                    w_.FDragSplitting = true;
                    ::SetCursor(CursorShape(vertical ? crSizeNS : crSizeWE));
                }
            } else {
                canSplit_ = false;
            }
        }
        w_.FDockRow = row;
        w_.FDockPos = vertical ? relative.Top : relative.Left;
        w_.SetParent(target);
        if (!w_.FSmoothDragging)
            target->SetCommitNewPositions(true);
        w_.FInsertRowBefore = newRow;
        try {
            target->ArrangeToolbars();
        } catch (...) {
            w_.FInsertRowBefore = false;
            throw;
        }
        w_.FInsertRowBefore = false;
    } else {
        canSplit_ = false;
        w_.SetFloatingPosition(r.TopLeft());
        w_.SetFloating(true);
        w_.MoveOnScreen(true);
    }
    w_.Update();
}

void TBarDockableWindowDrag::Finish(bool accepted)
{
    if (GetCapture() == w_.Handle())
        ReleaseCapture();
    if (outline_)
        outline_->Erase();
    outline_.reset();
    w_.FSmoothDragging = false;
    std::optional<std::exception_ptr> failure;
    try {
        if (accepted && !IsRectEmpty(rect_))
            Apply(rect_, target_);
        if (w_.FUseLastDock && w_.FDocked)
            w_.SetLastDock(w_.FCurrentDock);
        if (w_.FFloatParent && w_.FFloatParent != w_.Parent())
            FreeAndNil(w_.FFloatParent);
    } catch (...) {
        failure = std::current_exception();
    }
    if (!w_.FDocked) {
        w_.FDockRow = startRow_;
        w_.FDockPos = startPos_;
    }
    w_.FDragMode = false;
    w_.FDragSplitting = false;
    ::SetCursor(savedCursor_);
    if (failure)
        std::rethrow_exception(*failure);
}
