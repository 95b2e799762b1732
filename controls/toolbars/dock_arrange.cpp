#include "controls/toolbars/dock.h"
#include "controls/toolbars/dock_helpers.h"
#include "controls/toolbars/dockable_window.h"

#include <algorithm>

// The arrangement of a dock's windows in rows: which row each lies in, how long it is, where it starts,
// how thick each row is, and how thick the dock becomes.

namespace {

// The working record of one window of the dock's list.
struct TBarArrangeEntry
{
    TBarCustomDockableWindow* Window;
    int LayoutRow = -1; // the row used for the layout; -1 for a window not shown on the dock
    int Row = 0;        // the row of the window, shown or not
    int Gap = 0;        // free space before the window
    int FullLength = 0; // the length the window asks for
    int MinLength = 0;  // the length it can shrink to
    int Length = 0;     // the length it gets
    int Push = 0;       // how far it reaches back over the window before it
    int Offset = 0;     // its position along the row
    TBarShrinkMode ShrinkMode = tbsmNone;
    bool Rearrange = false; // laid out again for a new length
};

} // namespace

class TBarDockArrangement
{
public:
    explicit TBarDockArrangement(TBarDock& dock) : dock_(dock), vertical_(dock.Vertical()) {}
    void Run();

private:
    bool AnyShown() const;
    void SortWork();
    void OwnRows(bool (*qualifies)(const TBarCustomDockableWindow&));
    void ShiftRowsFrom(size_t first, int row, size_t except);
    void CloseEmptyRows();
    void LayOutRow(int row);
    bool MeasureRow(int row, int rowLength, int& total, int& count);
    void PlaceRow(int row, int excess, int& dragWanted);
    int ReclaimGaps(int row, size_t last, int target);
    void ShrinkRow(int row, int& excess, int count);
    void FinalOffsets(int row, int rowLength);
    int RowThickness(int row);
    void PlaceWindows(int row, int rowStart, int thickness);
    std::vector<size_t> RowEntries(int row) const;
    int BaseLength(TBarCustomDockableWindow& window, TPoint size) const;

    TBarDock& dock_;
    bool vertical_;
    std::vector<TBarArrangeEntry> entries_;
    int highestRow_ = -1;
    int clientLength_ = 0;
    size_t dragIndex_ = SIZE_MAX; // the dragged window's entry
};

void TBarDock::ArrangeToolbars()
{
    if (FDisableArrangeToolbars > 0 || ComponentState().Contains(csLoading)) {
        FArrangeToolbarsNeeded = true;
        return;
    }
    ++FDisableArrangeToolbars;
    auto finish = [this] {
        --FDisableArrangeToolbars;
        FArrangeToolbarsNeeded = false;
        FCommitNewPositions = false;
    };
    try {
        TBarDockArrangement(*this).Run();
    } catch (...) {
        finish();
        throw;
    }
    finish();
}

bool TBarDockArrangement::AnyShown() const
{
    return std::any_of(dock_.DockList.begin(), dock_.DockList.end(),
                       [this](const TBarCustomDockableWindow* w) { return dock_.IsShownOnDock(w); });
}

std::vector<size_t> TBarDockArrangement::RowEntries(int row) const
{
    std::vector<size_t> indexes;
    for (size_t i = 0; i < entries_.size(); ++i)
        if (entries_[i].LayoutRow == row)
            indexes.push_back(i);
    return indexes;
}

int TBarDockArrangement::BaseLength(TBarCustomDockableWindow& window, TPoint size) const
{
    return vertical_ ? size.Y + window.NonClientHeight() : size.X + window.NonClientWidth();
}

void TBarDockArrangement::Run()
{
    if (!AnyShown()) {
        const int thickness = dock_.FFixAlign ? 1 : 0;
        dock_.ResizeKeepingEdge(vertical_ ? thickness : dock_.Width(),
                                vertical_ ? dock_.Height() : thickness);
        return;
    }
    clientLength_ = std::max(
        vertical_ ? dock_.Height() - dock_.FNonClientHeight : dock_.Width() - dock_.FNonClientWidth, 0);
    for (size_t i = dock_.DockList.size(); i-- > 0;)
        if (TBarCustomDockableWindow* window = dock_.DockList[i];
            window->ComponentState().Contains(csDestroying)) {
            dock_.DockList.erase(dock_.DockList.begin() + static_cast<ptrdiff_t>(i));
            std::erase(dock_.DockVisibleList, window);
        }
    if (dock_.FLimitToOneRow)
        for (TBarCustomDockableWindow* window : dock_.DockList)
            window->FDockRow = 0;
    SortWork();
    highestRow_ = dock_.GetHighestRow(false);
    if (!dock_.FLimitToOneRow)
        OwnRows([](const TBarCustomDockableWindow& w) { return w.FInsertRowBefore; });
    OwnRows([](const TBarCustomDockableWindow& w) { return w.FFullSize; });
    CloseEmptyRows();
    for (int row = 0; row <= highestRow_; ++row)
        LayOutRow(row);
    for (TBarArrangeEntry& entry : entries_) {
        entry.Window->FEffectiveDockRow = entry.Row;
        entry.Window->FEffectiveDockPos = entry.Offset;
    }
    if (dock_.FCommitNewPositions) {
        dock_.DockList.clear();
        for (TBarArrangeEntry& entry : entries_) {
            entry.Window->FDockRow = entry.Row;
            entry.Window->FDockPos = entry.Offset;
            dock_.DockList.push_back(entry.Window);
        }
    }
    int rowStart = 0;
    for (int row = 0; row <= highestRow_; ++row) {
        const int thickness = RowThickness(row);
        PlaceWindows(row, rowStart, thickness);
        rowStart += thickness;
    }
    if (vertical_)
        dock_.ResizeKeepingEdge(rowStart + dock_.FNonClientWidth, dock_.Height());
    else
        dock_.ResizeKeepingEdge(dock_.Width(), rowStart + dock_.FNonClientHeight);
}

void TBarDockArrangement::SortWork()
{
    auto byRowAndPos = [](const TBarCustomDockableWindow* a, const TBarCustomDockableWindow* b) {
        return a->FDockRow != b->FDockRow ? a->FDockRow < b->FDockRow : a->FDockPos < b->FDockPos;
    };
    std::vector<TBarCustomDockableWindow*> work = dock_.DockList;
    const auto dragged = std::find_if(work.begin(), work.end(), [](auto* w) { return w->FDragMode; });
    const size_t dragIndex = dragged == work.end() ? SIZE_MAX : static_cast<size_t>(dragged - work.begin());
    TBarCustomDockableWindow* draggedWindow = dragged == work.end() ? nullptr : *dragged;
    std::stable_sort(work.begin(), work.end(), byRowAndPos);
    if (draggedWindow) {
        dragIndex_ = static_cast<size_t>(std::find(work.begin(), work.end(), draggedWindow) - work.begin());
        // A window moved along its row keeps its place in the list, so that it does not pass the others.
        if (draggedWindow->FDragSplitting) {
            work.erase(work.begin() + static_cast<ptrdiff_t>(dragIndex_));
            work.insert(work.begin() + static_cast<ptrdiff_t>(dragIndex), draggedWindow);
            dragIndex_ = dragIndex;
        }
    }
    std::stable_sort(dock_.DockVisibleList.begin(), dock_.DockVisibleList.end(), byRowAndPos);
    for (TBarCustomDockableWindow* window : work) {
        TBarArrangeEntry entry{window};
        entry.Row = window->FDockRow;
        entry.LayoutRow = dock_.IsShownOnDock(window) ? window->FDockRow : -1;
        entry.Offset = window->FDockPos;
        entries_.push_back(entry);
    }
}

// Every entry from first on (but except) at row or beyond moves one row down.
void TBarDockArrangement::ShiftRowsFrom(size_t first, int row, size_t except)
{
    for (size_t j = first; j < entries_.size(); ++j) {
        if (j == except || entries_[j].Row < row)
            continue;
        ++entries_[j].Row;
        if (entries_[j].LayoutRow >= row)
            ++entries_[j].LayoutRow;
    }
    ++highestRow_;
}

void TBarDockArrangement::OwnRows(bool (*qualifies)(const TBarCustomDockableWindow&))
{
    for (int row = 0; row <= highestRow_; ++row)
        for (size_t i = 0; i < entries_.size(); ++i) {
            if (entries_[i].Row != row || !qualifies(*entries_[i].Window))
                continue;
            const bool shared = std::any_of(entries_.begin(), entries_.end(), [&](const TBarArrangeEntry& e) {
                return &e != &entries_[i] && e.Row == row;
            });
            if (shared)
                ShiftRowsFrom(0, row, i);
        }
}

void TBarDockArrangement::CloseEmptyRows()
{
    for (int row = 0; row <= highestRow_;) {
        const bool used = std::any_of(entries_.begin(), entries_.end(),
                                      [row](const TBarArrangeEntry& e) { return e.Row == row; });
        if (used) {
            ++row;
            continue;
        }
        for (TBarArrangeEntry& entry : entries_) {
            if (entry.Row > row)
                --entry.Row;
            if (entry.LayoutRow > row)
                --entry.LayoutRow;
        }
        --highestRow_;
    }
}

// Measures the row's windows; a window that does not fit after the first wraps to a new row with everything
// after it. False when the row wrapped.
bool TBarDockArrangement::MeasureRow(int row, int rowLength, int& total, int& count)
{
    int minTotal = 0;
    for (size_t i : RowEntries(row)) {
        TBarArrangeEntry& entry = entries_[i];
        TBarCustomDockableWindow& window = *entry.Window;
        TPoint size;
        window.QueryBaseSize(size);
        entry.FullLength = BaseLength(window, size);
        entry.Length = entry.FullLength;
        entry.ShrinkMode = window.QueryShrinkMode();
        entry.MinLength = 0;
        window.QueryMinShrinkSize(entry.MinLength);
        entry.MinLength = std::min(entry.MinLength, entry.FullLength);
        minTotal += entry.ShrinkMode == tbsmChevron ? entry.MinLength : entry.FullLength;
        if (count > 0 && minTotal > rowLength && !dock_.FLimitToOneRow) {
            ShiftRowsFrom(i, row, SIZE_MAX);
            return false;
        }
        total += entry.FullLength;
        ++count;
    }
    return true;
}

void TBarDockArrangement::LayOutRow(int row)
{
    const int rowLength = clientLength_;
    int total = 0;
    int count = 0;
    MeasureRow(row, rowLength, total, count);
    int excess = total - rowLength;
    int dragWanted = 0;
    PlaceRow(row, excess, dragWanted);
    const std::vector<size_t> rowEntries = RowEntries(row);
    if (rowEntries.empty())
        return;
    const auto dragged = std::find(rowEntries.begin(), rowEntries.end(), dragIndex_);
    if (excess < 0 && dragged != rowEntries.end() && dragged != rowEntries.begin()) {
        const int freed = ReclaimGaps(row, *(dragged - 1), dragWanted);
        if (freed > 0 && dragged + 1 != rowEntries.end())
            entries_[*(dragged + 1)].Gap += freed;
    }
    ReclaimGaps(row, rowEntries.back(), rowLength);
    if (excess > 0)
        ShrinkRow(row, excess, count);
    FinalOffsets(row, rowLength);
}

void TBarDockArrangement::PlaceRow(int row, int excess, int& dragWanted)
{
    int curPos = 0;
    int prevEnd = 0;
    int minBefore = 0;
    for (size_t i : RowEntries(row)) {
        TBarArrangeEntry& entry = entries_[i];
        const TBarCustomDockableWindow& window = *entry.Window;
        int wanted = window.FDockPos;
        if (curPos == 0 && (window.FFullSize || window.FStretch))
            wanted = 0;
        if (i == dragIndex_)
            dragWanted = wanted;
        wanted = std::max(wanted, minBefore);
        if (wanted > curPos) {
            if (excess <= 0) {
                entry.Gap = wanted - curPos;
                curPos = wanted;
            } else {
                wanted = curPos;
            }
        }
        if (wanted <= curPos && wanted < prevEnd)
            entry.Push = prevEnd - wanted;
        curPos += entry.Length;
        prevEnd = wanted + entry.Length;
        minBefore += entry.MinLength;
    }
}

int TBarDockArrangement::ReclaimGaps(int row, size_t last, int target)
{
    const std::vector<size_t> rowEntries = RowEntries(row);
    int need = -target;
    for (size_t i : rowEntries) {
        need += entries_[i].Gap + entries_[i].Length;
        if (i == last)
            break;
    }
    if (need <= 0)
        return 0;
    int freed = 0;
    auto it = std::find(rowEntries.begin(), rowEntries.end(), last);
    for (auto r = std::make_reverse_iterator(it + 1); r != rowEntries.rend(); ++r) {
        int& gap = entries_[*r].Gap;
        const int take = std::min(gap, need);
        gap -= take;
        freed += take;
        if (take == need)
            break;
        need -= take;
    }
    return freed;
}

void TBarDockArrangement::ShrinkRow(int row, int& excess, int count)
{
    const std::vector<size_t> rowEntries = RowEntries(row);
    // Windows pushed back over those before them take the room from the chevron windows before them.
    int carry = 0;
    for (size_t k = 0; k < rowEntries.size(); ++k) {
        TBarArrangeEntry& entry = entries_[rowEntries[k]];
        if (rowEntries.size() > 1 && entry.Window->FDragMode)
            entry.Window->FDragCanSplit = true;
        carry = std::min(carry + entry.Push, excess);
        for (size_t j = k; carry > 0 && j-- > 0;) {
            TBarArrangeEntry& before = entries_[rowEntries[j]];
            int take = before.ShrinkMode == tbsmChevron ? carry : 0;
            take = std::min(take, before.Length - before.MinLength);
            before.Length -= take;
            excess -= take;
            carry -= take;
            if (rowEntries[j] == dragIndex_)
                break;
        }
    }
    // Then every window that can shrink does so, from the row's end.
    for (auto r = rowEntries.rbegin(); r != rowEntries.rend() && excess > 0; ++r) {
        TBarArrangeEntry& entry = entries_[*r];
        if (entry.ShrinkMode == tbsmNone || (entry.ShrinkMode == tbsmWrap && count >= 2))
            continue;
        if (entry.Length > entry.MinLength) {
            const int d = std::min(entry.Length - entry.MinLength, excess);
            entry.Length -= d;
            excess -= d;
        }
    }
}

void TBarDockArrangement::FinalOffsets(int row, int rowLength)
{
    const std::vector<size_t> rowEntries = RowEntries(row);
    int curPos = 0;
    for (size_t k = 0; k < rowEntries.size(); ++k) {
        TBarArrangeEntry& entry = entries_[rowEntries[k]];
        const TBarCustomDockableWindow& window = *entry.Window;
        if (window.FFullSize || window.FStretch) {
            entry.Length += entry.Gap;
            entry.Gap = 0;
        }
        curPos += entry.Gap;
        if (window.FFullSize) {
            entry.Length = std::max(entry.Length, rowLength);
        } else if (window.FStretch) {
            if (k + 1 < rowEntries.size()) {
                TBarArrangeEntry& next = entries_[rowEntries[k + 1]];
                entry.Length += next.Gap;
                next.Gap = 0;
            } else {
                entry.Length = std::max(entry.Length, rowLength - curPos);
            }
        }
        entry.Offset = curPos;
        curPos += entry.Length;
    }
}

int TBarDockArrangement::RowThickness(int row)
{
    int thickness = -1;
    for (size_t i : RowEntries(row)) {
        TBarArrangeEntry& entry = entries_[i];
        TBarCustomDockableWindow& window = *entry.Window;
        const int saved = window.FCurrentSize;
        window.FCurrentSize = entry.Length >= entry.FullLength ? 0 : entry.Length;
        TPoint size;
        if (entry.ShrinkMode != tbsmNone && window.FCurrentSize != saved) {
            size = window.ComputeArrangement(false, DockKindOf(&dock_, false), false, &dock_);
            entry.Rearrange = true;
        } else if (entry.ShrinkMode == tbsmWrap && entry.Length < entry.FullLength) {
            size = {window.Width() - window.NonClientWidth(), window.Height() - window.NonClientHeight()};
        } else {
            window.QueryBaseSize(size);
        }
        const int t = vertical_ ? size.X : size.Y;
        window.FLastRowSize = t;
        thickness = std::max(thickness, t);
    }
    return thickness < 0 ? 0 : thickness + DockedBorderTotal();
}

void TBarDockArrangement::PlaceWindows(int row, int rowStart, int thickness)
{
    for (size_t i : RowEntries(row)) {
        TBarArrangeEntry& entry = entries_[i];
        TBarCustomDockableWindow& window = *entry.Window;
        ++window.FUpdatingBounds;
        const int saved = window.FCurrentSize;
        try {
            if (entry.Rearrange)
                window.FArrangeNeeded = true;
            if (vertical_)
                window.SetBounds(rowStart, entry.Offset, thickness, entry.Length);
            else
                window.SetBounds(entry.Offset, rowStart, entry.Length, thickness);
            if (window.FArrangeNeeded)
                window.Arrange();
        } catch (...) {
            --window.FUpdatingBounds;
            window.FCurrentSize = saved;
            throw;
        }
        --window.FUpdatingBounds;
        window.FCurrentSize = saved;
    }
}
