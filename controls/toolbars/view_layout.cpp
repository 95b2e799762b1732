#include "controls/toolbars/view.h"

#include "controls/toolbars/dpi_scaling.h"
#include "controls/toolbars/item_classes.h"
#include "controls/toolbars/item_metrics.h"
#include "controls/toolbars/item_viewer.h"
#include "platform/gui/graphics/bitmap.h"
#include "platform/gui/graphics/gdi.h"
#include "platform/gui/windows/win_control.h"

#include <algorithm>

// One run of a view's layout: which viewers show, how large they are, where the lines break, what a chevron
// hides and where a scrolled popup cuts off.
class TBarViewLayout
{
public:
    TBarViewLayout(TBarView& view, bool canMoveControls, TBarViewOrientation orientation, int wrapOffset,
                   int chevronOffset, int chevronSize)
        : view_(view), canMoveControls_(canMoveControls), orientation_(orientation), wrapOffset_(wrapOffset),
          chevronOffset_(chevronOffset), chevronSize_(chevronSize), chevron_(view.GetChevronItem()),
          entries_(view.FViewers.size())
    {}

    bool Run(TPoint& baseSize, TPoint& totalSize, int& wrappedLines);

private:
    struct TViewerPosition
    {
        TRect BoundsRect;
        bool Show = false;
        bool OffEdge = false;
        bool LineSep = false;
        bool Clipped = false;
        bool SameWidth = false;
    };

    bool Vertical() const { return orientation_ == tbvoVertical; }
    TBarItemViewer* ViewerAt(size_t i) const { return view_.FViewers[i]; }
    TBarCustomItem* ItemAt(size_t i) const { return ViewerAt(i)->Item(); }
    bool IsSeparator(size_t i) const { return ItemAt(i)->ItemStyle().Contains(tbisSeparator); }
    bool IsChevron(size_t i) const { return chevron_ && ItemAt(i) == chevron_; }
    // Along the main axis: heights in a vertical view, widths otherwise.
    int Length(size_t i) const;
    bool ToolbarSized(size_t i) const;

    void DecideVisibility();
    bool ShownInChevronPopup(size_t i) const;
    void HideRepeatedSeparators();
    void HideTrailingSeparators();
    void Measure();
    void MeasureEntry(size_t i, TCanvas& canvas, int& maxSameWidth);
    int ShownLength() const;
    void HideForChevron();
    bool HideOneForChevron();
    void Place(TPoint& totalSize);
    void PlaceEntry(size_t i, int& curX, int& curY, TPoint& totalSize);
    bool BreaksLineAtSeparator(size_t i, int end) const;
    void FinishLine(size_t last, bool lastLine, TPoint& totalSize);
    void AlignRight(size_t last, const TPoint& totalSize);
    void Scroll(TPoint& totalSize);
    void MoveControls();
    void PlaceChevron(const TPoint& totalSize);
    bool Apply();

    TBarView& view_;
    bool canMoveControls_;
    TBarViewOrientation orientation_;
    int wrapOffset_;
    int chevronOffset_;
    int chevronSize_;
    TBarCustomItem* chevron_;
    std::vector<TViewerPosition> entries_;
    TRect margins_;
    bool chevronActive_ = false;
    int limit_ = 0;
    bool somethingHidden_ = false;
    // The line being placed.
    static constexpr size_t NoLine = static_cast<size_t>(-1);
    size_t lineStart_ = NoLine;
    int lineWidth_ = 0;
    int lineHeight_ = 0;
    bool didWrap_ = false;
    bool brokeInsideGroup_ = false;
    int wrappedLines_ = 1;
};

int TBarViewLayout::Length(size_t i) const
{
    const TRect& r = entries_[i].BoundsRect;
    return Vertical() ? r.Height() : r.Width();
}

bool TBarViewLayout::ToolbarSized(size_t i) const
{
    return view_.FIsToolbar || ItemAt(i)->EffectiveOptions().Contains(tboToolbarSize);
}

// --- 1. which viewers show
// -----------------------------------------------------------------------------------

bool TBarViewLayout::ShownInChevronPopup(size_t i) const
{
    if (IsSeparator(i))
        return true;
    TBarView& toolbar = *view_.FChevronParentView;
    toolbar.ValidatePositions();
    const size_t there = i + static_cast<size_t>(toolbar.FInternalViewersAtFront);
    return there < toolbar.FViewers.size() && toolbar.FViewers[there]->OffEdge();
}

void TBarViewLayout::DecideVisibility()
{
    bool prevWasSeparator = true;
    for (size_t i = 0; i < entries_.size(); ++i) {
        TBarCustomItem* item = ItemAt(i);
        if (IsChevron(i))
            continue;
        auto* controlItem = dynamic_cast<TBarControlItem*>(item);
        if (view_.FChevronParentView && (controlItem || !ShownInChevronPopup(i)))
            continue;
        if (controlItem) {
            TControl* control = controlItem->Control();
            entries_[i].Show =
                control && view_.FWindow && control->Parent() == view_.FWindow && control->Visible();
            prevWasSeparator = false;
            continue;
        }
        if (item->ItemStyle().Contains(tbisEmbeddedGroup) && !view_.FCustomizing)
            continue;
        entries_[i].Show = item->Visible();
        if (!entries_[i].Show)
            continue;
        if (IsSeparator(i) && prevWasSeparator)
            entries_[i].Show = false;
        prevWasSeparator = IsSeparator(i);
    }
    HideTrailingSeparators();
}

void TBarViewLayout::HideTrailingSeparators()
{
    for (size_t i = entries_.size(); i-- > 0;) {
        if (!entries_[i].Show)
            continue;
        if (!IsSeparator(i))
            return;
        entries_[i].Show = false;
    }
}

// --- 2. and 3. sizes
// ---------------------------------------------------------------------------------------------

void TBarViewLayout::MeasureEntry(size_t i, TCanvas& canvas, int& maxSameWidth)
{
    TViewerPosition& entry = entries_[i];
    TBarCustomItem* item = ItemAt(i);
    if (auto* controlItem = dynamic_cast<TBarControlItem*>(item)) {
        entry.BoundsRect = {0, 0, controlItem->Control()->Width(), controlItem->Control()->Height()};
        return;
    }
    const TFontStyles style = canvas.Font()->Style();
    if (item->EffectiveOptions().Contains(tboDefault))
        canvas.Font()->SetStyle(style + fsBold);
    int width = 0, height = 0;
    TBarItemViewer* viewer = ViewerAt(i);
    if (item->ViewerNeedsRecreate(viewer)) {
        if (canMoveControls_) {
            view_.RecreateViewerAt(static_cast<int>(i));
            viewer = ViewerAt(i);
        } else {
            const std::unique_ptr<TBarItemViewer> measurer(
                item->GetItemViewerClass(&view_).Create(&view_, item, viewer->GroupLevel()));
            viewer = measurer.get();
            viewer->CalcSize(canvas, width, height);
            viewer = nullptr;
        }
    }
    if (viewer) {
        viewer->CalcSize(canvas, width, height);
        if (viewer->UsesSameWidth()) {
            entry.SameWidth = true;
            maxSameWidth = std::max(maxSameWidth, width);
        }
    }
    canvas.Font()->SetStyle(style);
    entry.BoundsRect = {0, 0, width, height};
}

void TBarViewLayout::Measure()
{
    // One measuring canvas per layout.
    TBitmap measuring(1, 1);
    TCanvas& canvas = *measuring.Canvas();
    if (TFont* font = view_.GetFont())
        canvas.SetFont(font);
    int maxSameWidth = 0;
    for (size_t i = 0; i < entries_.size(); ++i)
        if (entries_[i].Show)
            MeasureEntry(i, canvas, maxSameWidth);
    for (TViewerPosition& entry : entries_)
        if (entry.Show && entry.SameWidth && entry.BoundsRect.Right < maxSameWidth)
            entry.BoundsRect.Right = maxSameWidth;
}

// --- 4. the chevron
// ------------------------------------------------------------------------------------------------

void TBarViewLayout::HideRepeatedSeparators()
{
    bool prevWasSeparator = true;
    for (size_t i = 0; i < entries_.size(); ++i) {
        if (!entries_[i].Show)
            continue;
        if (IsSeparator(i) && prevWasSeparator)
            entries_[i].Show = false;
        prevWasSeparator = IsSeparator(i);
    }
}

// Hides the last separator or the least wanted entry; false when nothing more may go.
bool TBarViewLayout::HideOneForChevron()
{
    int shownContent = 0;
    for (size_t i = 0; i < entries_.size(); ++i)
        shownContent += entries_[i].Show && !IsSeparator(i) ? 1 : 0;
    if (shownContent < 2)
        return false;
    for (size_t i = entries_.size(); i-- > 0;)
        if (entries_[i].Show) {
            if (IsSeparator(i)) {
                entries_[i].Show = false;
                return true;
            }
            break;
        }
    std::vector<size_t> order;
    if (view_.FPriorityList)
        for (TBarItemViewer* viewer : *view_.FPriorityList)
            order.push_back(static_cast<size_t>(view_.IndexOf(viewer)));
    else
        for (size_t i = 0; i < entries_.size(); ++i)
            order.push_back(i);
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        TViewerPosition& entry = entries_[*it];
        if (!entry.Show || IsSeparator(*it))
            continue;
        entry.Show = false;
        entry.OffEdge = true;
        if (!dynamic_cast<TBarControlItem*>(ItemAt(*it)))
            somethingHidden_ = true;
        return true;
    }
    return false;
}

int TBarViewLayout::ShownLength() const
{
    int total = 0;
    for (size_t i = 0; i < entries_.size(); ++i)
        if (entries_[i].Show)
            total += Length(i);
    return total;
}

void TBarViewLayout::HideForChevron()
{
    int total = ShownLength();
    chevronActive_ = chevron_ && chevronOffset_ > 0 && total > chevronOffset_;
    if (!chevronActive_)
        return;
    limit_ = chevronOffset_ - chevronSize_;
    while (total > limit_ && HideOneForChevron()) {
        HideRepeatedSeparators();
        total = ShownLength();
    }
    HideTrailingSeparators();
}

// --- 6. to 8. placing the lines
// ---------------------------------------------------------------------------------

bool TBarViewLayout::BreaksLineAtSeparator(size_t i, int end) const
{
    if (brokeInsideGroup_ && !ItemAt(i)->ItemStyle().Contains(tbisNoLineBreak))
        return true;
    // The group that follows, up to the next separator.
    int group = 0;
    for (size_t j = i + 1; j < entries_.size() && !(entries_[j].Show && IsSeparator(j)); ++j)
        if (entries_[j].Show)
            group += Length(j);
    return end + group > wrapOffset_;
}

void TBarViewLayout::PlaceEntry(size_t i, int& curX, int& curY, TPoint& totalSize)
{
    TViewerPosition& entry = entries_[i];
    if (lineStart_ == NoLine) {
        lineStart_ = i;
        lineWidth_ = lineHeight_ = 0;
    }
    const int cur = Vertical() ? curY : curX;
    bool lineBreak = false;
    if (wrapOffset_ > 0 && cur > 0) {
        const int end = cur + Length(i);
        if (IsSeparator(i) && BreaksLineAtSeparator(i, end)) {
            didWrap_ = true;
            ++wrappedLines_;
            if (Vertical()) {
                curY = 0;
                curX += lineWidth_;
            } else {
                curX = 0;
                curY += lineHeight_;
            }
            if (i > 0)
                FinishLine(i - 1, false, totalSize);
            lineStart_ = i + 1;
            const int breakSize = LineBreakSeparatorSize();
            entry.BoundsRect = Vertical() ? TRect{0, 0, breakSize, 0} : TRect{0, 0, 0, breakSize};
            entry.LineSep = lineBreak = true;
        } else if (end > wrapOffset_) {
            didWrap_ = true;
            ++wrappedLines_;
            if (Vertical()) {
                curY = margins_.Top;
                curX += lineWidth_;
            } else {
                curX = margins_.Left;
                curY += lineHeight_;
            }
            brokeInsideGroup_ = true;
            if (i > 0)
                FinishLine(i - 1, false, totalSize);
            lineStart_ = i;
        }
    }
    lineHeight_ = std::max(lineHeight_, entry.BoundsRect.Height());
    lineWidth_ = std::max(lineWidth_, entry.BoundsRect.Width());
    OffsetRect(entry.BoundsRect, std::max(curX, 0) - entry.BoundsRect.Left,
               std::max(curY, 0) - entry.BoundsRect.Top);
    if (lineBreak) {
        if (Vertical()) {
            curY = margins_.Top;
            curX += LineBreakSeparatorSize();
        } else {
            curX = margins_.Left;
            curY += LineBreakSeparatorSize();
        }
        brokeInsideGroup_ = false;
    }
}

void TBarViewLayout::Place(TPoint& totalSize)
{
    view_.GetMargins(orientation_, margins_);
    if (wrapOffset_ > 0)
        wrapOffset_ = std::max(wrapOffset_ - margins_.Right, ScaleForDPI(1));
    int curX = margins_.Left, curY = margins_.Top;
    bool prevToolbarSized = view_.FIsToolbar;
    size_t last = NoLine;
    for (size_t i = 0; i < entries_.size(); ++i) {
        if (!entries_[i].Show)
            continue;
        const bool toolbarSized = ToolbarSized(i);
        // A menu entry after toolbar-sized ones starts below everything placed so far.
        if (prevToolbarSized && !toolbarSized) {
            curX = margins_.Left;
            curY = totalSize.Y;
        }
        prevToolbarSized = toolbarSized;
        PlaceEntry(i, curX, curY, totalSize);
        const TRect& r = entries_[i].BoundsRect;
        if (toolbarSized && !Vertical())
            curX += r.Width();
        else
            curY += r.Height();
        totalSize.X = std::max(totalSize.X, r.Right);
        totalSize.Y = std::max(totalSize.Y, r.Bottom);
        last = i;
    }
    if (lineStart_ != NoLine && last != NoLine)
        FinishLine(last, true, totalSize);
}

void TBarViewLayout::FinishLine(size_t last, bool lastLine, TPoint& total)
{
    if (didWrap_ && !view_.FChevronParentView && orientation_ != tbvoFloating) {
        if (Vertical())
            total.Y = std::max(total.Y, wrapOffset_);
        else
            total.X = std::max(total.X, wrapOffset_);
    }
    if (view_.FIsToolbar && lastLine && !didWrap_ && orientation_ != tbvoFloating) {
        lineWidth_ = total.X;
        lineHeight_ = total.Y;
    }
    for (size_t i = lineStart_; i <= last && i < entries_.size(); ++i) {
        TViewerPosition& entry = entries_[i];
        if (!entry.Show)
            continue;
        TRect& r = entry.BoundsRect;
        if (view_.FIsToolbar) {
            if (IsSeparator(i)) {
                if (Vertical())
                    r.Right = r.Left + lineWidth_;
                else
                    r.Bottom = r.Top + lineHeight_;
            } else if (Vertical()) {
                OffsetRect(r, (lineWidth_ - r.Width()) / 2, 0);
            } else {
                OffsetRect(r, 0, (lineHeight_ - r.Height()) / 2);
            }
        } else if (!ToolbarSized(i)) {
            r.Right = r.Left + lineWidth_;
        }
    }
    AlignRight(last, total);
    lineStart_ = NoLine;
    lineWidth_ = lineHeight_ = 0;
}

void TBarViewLayout::AlignRight(size_t last, const TPoint& totalSize)
{
    size_t first = NoLine, lastShown = NoLine;
    for (size_t i = lineStart_; i <= last && i < entries_.size(); ++i) {
        if (!entries_[i].Show)
            continue;
        if (first == NoLine && ItemAt(i)->ItemStyle().Contains(tbisRightAlign))
            first = i;
        lastShown = i;
    }
    if (first == NoLine)
        return;
    const TRect& end = entries_[lastShown].BoundsRect;
    const int shift = Vertical() ? std::min(wrapOffset_, totalSize.Y) - end.Bottom
                                 : std::min(wrapOffset_, totalSize.X) - end.Right;
    if (shift <= 0)
        return;
    for (size_t i = first; i <= lastShown; ++i)
        if (entries_[i].Show)
            OffsetRect(entries_[i].BoundsRect, Vertical() ? 0 : shift, Vertical() ? shift : 0);
}

// --- 11. to 16.
// -------------------------------------------------------------------------------------------------------

void TBarViewLayout::Scroll(TPoint& totalSize)
{
    view_.FShowUpArrow = view_.FShowDownArrow = false;
    const int maxHeight = view_.FMaxHeight;
    if (maxHeight <= 0 || totalSize.Y <= maxHeight) {
        view_.FScrollOffset = 0;
        return;
    }
    const int excess = totalSize.Y - maxHeight;
    view_.FScrollOffset = std::clamp(view_.FScrollOffset, 0, excess);
    view_.FShowUpArrow = view_.FScrollOffset > 0;
    view_.FShowDownArrow = view_.FScrollOffset < excess;
    const int top = view_.FShowUpArrow ? PopupScrollArrowHeight() : 0;
    const int bottom = view_.FShowDownArrow ? maxHeight - PopupScrollArrowHeight() : maxHeight;
    for (TViewerPosition& entry : entries_) {
        TRect& r = entry.BoundsRect;
        if (r.Right <= r.Left || r.Bottom <= r.Top)
            continue;
        OffsetRect(r, 0, -view_.FScrollOffset);
        if (entry.Show && (r.Top < top || r.Bottom > bottom)) {
            entry.Show = false;
            entry.Clipped = true;
        }
    }
    totalSize.Y = maxHeight;
}

void TBarViewLayout::MoveControls()
{
    for (size_t i = 0; i < entries_.size(); ++i) {
        auto* item = dynamic_cast<TBarControlItem*>(ItemAt(i));
        TControl* control = item ? item->Control() : nullptr;
        if (!control)
            continue;
        const TViewerPosition& entry = entries_[i];
        if (entry.Show) {
            if (control->BoundsRect() != entry.BoundsRect)
                control->SetBoundsRect(entry.BoundsRect);
        } else if ((entry.OffEdge || entry.Clipped) && view_.FWindow) {
            // Out of sight, keeping its size.
            control->SetBounds(view_.FWindow->ClientWidth(), view_.FWindow->ClientHeight(), control->Width(),
                               control->Height());
        }
    }
}

void TBarViewLayout::PlaceChevron(const TPoint& totalSize)
{
    if (!chevronActive_ || entries_.empty())
        return;
    if (canMoveControls_)
        chevron_->SetEnabled(somethingHidden_);
    TViewerPosition& entry = entries_.back();
    entry.Show = true;
    const int pos = std::max(limit_, Vertical() ? totalSize.Y : totalSize.X);
    entry.BoundsRect = Vertical() ? TRect{0, pos, totalSize.X, pos + chevronSize_}
                                  : TRect{pos, 0, pos + chevronSize_, totalSize.Y};
}

bool TBarViewLayout::Apply()
{
    bool changed = false;
    for (size_t i = 0; i < entries_.size(); ++i) {
        TBarItemViewer* viewer = ViewerAt(i);
        const TViewerPosition& entry = entries_[i];
        const bool wasLineSeparator = viewer->State.Contains(tbvsIsLineSeparator);
        changed = changed || viewer->FBoundsRect != entry.BoundsRect || viewer->FShow != entry.Show ||
                  wasLineSeparator != entry.LineSep;
        viewer->FBoundsRect = entry.BoundsRect;
        viewer->FShow = entry.Show;
        viewer->FOffEdge = entry.OffEdge;
        viewer->FClipped = entry.Clipped;
        if (entry.LineSep)
            viewer->State.Include(tbvsIsLineSeparator);
        else
            viewer->State.Exclude(tbvsIsLineSeparator);
    }
    return changed;
}

bool TBarViewLayout::Run(TPoint& baseSize, TPoint& totalSize, int& wrappedLines)
{
    DecideVisibility();
    Measure();
    // The base size is what the entries take before the chevron hides any: the length a dock measures.
    const int total = ShownLength();
    HideForChevron();
    int cross = 0;
    for (size_t i = 0; i < entries_.size(); ++i)
        if (entries_[i].Show)
            cross = std::max(cross,
                             Vertical() ? entries_[i].BoundsRect.Width() : entries_[i].BoundsRect.Height());
    baseSize = Vertical() ? TPoint{cross, total} : TPoint{total, cross};
    Place(totalSize);
    totalSize.X += margins_.Right;
    totalSize.Y += margins_.Bottom;
    if (Vertical())
        for (TViewerPosition& entry : entries_)
            if (entry.Show)
                entry.BoundsRect = {totalSize.X - entry.BoundsRect.Right, entry.BoundsRect.Top,
                                    totalSize.X - entry.BoundsRect.Left, entry.BoundsRect.Bottom};
    Scroll(totalSize);
    if (canMoveControls_)
        MoveControls();
    if (view_.FIsToolbar)
        for (TViewerPosition& entry : entries_)
            if (entry.Show && entry.LineSep) {
                if (Vertical())
                    entry.BoundsRect.Bottom = totalSize.Y;
                else
                    entry.BoundsRect.Right = totalSize.X;
            }
    PlaceChevron(totalSize);
    wrappedLines = wrappedLines_;
    const bool changed = canMoveControls_ && Apply();
    if (baseSize.X == 0 || baseSize.Y == 0) {
        baseSize = {ScaleForDPI(23), ScaleForDPI(22)};
        totalSize = {std::max(totalSize.X, baseSize.X), std::max(totalSize.Y, baseSize.Y)};
    }
    return changed;
}

bool TBarView::ComputeLayout(bool canMoveControls, TBarViewOrientation orientation, int wrapOffset,
                             int chevronOffset, int chevronSize, TPoint& baseSize, TPoint& totalSize,
                             int& wrappedLines)
{
    // The viewers see the orientation asked for while they are measured.
    const TBarViewOrientation saved = FOrientation;
    FOrientation = orientation;
    struct TRestore
    {
        TBarView& view;
        TBarViewOrientation orientation;
        ~TRestore() { view.FOrientation = orientation; }
    } restore{*this, saved};
    TBarViewLayout layout(*this, canMoveControls, orientation, wrapOffset, chevronOffset, chevronSize);
    return layout.Run(baseSize, totalSize, wrappedLines);
}
