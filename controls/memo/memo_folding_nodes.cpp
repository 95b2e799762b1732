#include "controls/memo/memo_folding.h"
#include "controls/memo/vez_custom_memo.h"

#include "controls/memo/flag_holder.h"

#include <algorithm>
#include <utility>
#include <vector>

// The regions of the memo's lines: adding and removing them, opening and closing their nodes, and the
// mapping between the rows of the view and the lines that collapsed nodes hide.

namespace {

bool IsCollapsedNode(const TLineProp* prop)
{
    return prop && prop->HasChildren() && !prop->Expanded();
}

// Walks the lines after node line start up to the end of its region. visit (line, its record or nullptr,
// regions open, regions closed) sees each line before it is counted and may stop the walk by answering
// false. Answers the end line; -1 when the walk was stopped or no line closes the region.
template <typename Visit> int WalkRegion(const TVezMemoStrings& lines, int start, Visit visit)
{
    int open = 1;
    int closed = 0;
    for (int line = start + 1; line < lines.Count(); ++line) {
        TLineProp* prop = lines.GetLineProp(line);
        if (!visit(line, prop, open, closed))
            return -1;
        if (!prop)
            continue;
        if (prop->LastChildOfParents() > 0) {
            closed += prop->LastChildOfParents();
            if (closed >= open)
                return line;
        }
        if (prop->HasChildren())
            ++open;
    }
    return -1;
}

// The store's change notification stays off while folding creates line records.
class TLinesChangeDetached
{
public:
    explicit TLinesChangeDetached(TVezMemoStrings& lines) : lines_(lines), saved_(lines.OnChange)
    {
        lines.OnChange = nullptr;
    }
    ~TLinesChangeDetached() { lines_.OnChange = saved_; }
    TLinesChangeDetached(const TLinesChangeDetached&) = delete;
    TLinesChangeDetached& operator=(const TLinesChangeDetached&) = delete;

private:
    TVezMemoStrings& lines_;
    TNotifyEvent saved_;
};

} // namespace

int RegionEndLine(const TVezMemoStrings& lines, int start)
{
    return WalkRegion(lines, start, [](int, const TLineProp*, int, int) { return true; });
}

int NextShownLine(const TVezMemoStrings& lines, int line)
{
    if (!IsCollapsedNode(lines.GetLineProp(line)))
        return line + 1;
    const int end = RegionEndLine(lines, line);
    return (end < 0 ? lines.Count() : end) + 1;
}

int ShownRowToLine(const TVezMemoStrings& lines, int row)
{
    int line = 0;
    for (int r = 0; r < lines.Count(); ++r) {
        if (r == row)
            return line;
        line = NextShownLine(lines, line);
    }
    return row;
}

int LineToShownRow(const TVezMemoStrings& lines, int line)
{
    int shown = 0;
    for (int r = 0; r < lines.Count(); ++r) {
        if (shown == line)
            return r;
        if (IsCollapsedNode(lines.GetLineProp(shown))) {
            bool hidden = false;
            const int end = WalkRegion(lines, shown, [&hidden, line](int walked, const TLineProp*, int, int) {
                hidden = walked == line;
                return !hidden;
            });
            if (hidden)
                return r;
            shown = end < 0 ? lines.Count() : end;
        }
        ++shown;
    }
    return line;
}

// --- the memo's operations
// ------------------------------------------------------------------------------------

int TVezCustomMemo::VisIndexToLineIndex(int index) const
{
    // Without nodes no line is hidden: the rows are the lines, at no cost.
    if (!FCodeFolding->Enabled() || FCodeFoldingNodeCount <= 0)
        return index;
    return ShownRowToLine(*ActiveLines(), index);
}

int TVezCustomMemo::LineIndexToVisIndex(int index) const
{
    if (!FCodeFolding->Enabled() || FCodeFoldingNodeCount <= 0)
        return index;
    return LineToShownRow(*ActiveLines(), index);
}

bool TVezCustomMemo::IsNode(int lineIndex) const
{
    const TLineProp* prop = ActiveLines()->GetLineProp(lineIndex);
    return prop && prop->HasChildren();
}

bool TVezCustomMemo::GetExpandNode(int index) const
{
    const TLineProp* prop = ActiveLines()->GetLineProp(index);
    return !prop || prop->Expanded();
}

int TVezCustomMemo::GetNodeEndLine(int lineIndex) const
{
    return IsNode(lineIndex) ? RegionEndLine(*ActiveLines(), lineIndex) : -1;
}

bool TVezCustomMemo::AddCodeFolding(int startLineIndex, int endLineIndex)
{
    if (!AddRegionMarks(startLineIndex, endLineIndex))
        return false;
    UpdateScrollBars(false);
    Invalidate();
    return true;
}

bool TVezCustomMemo::AddRegionMarks(int start, int end)
{
    TVezMemoStrings& lines = *ActiveLines();
    const int count = lines.Count();
    if (start < 0 || start >= count || IsNode(start) || end < 0 || end >= count || start >= end)
        return false;
    const TLinesChangeDetached detached(lines);
    TLineProp& node = *lines.LineProp(start);
    TLineProp& last = *lines.LineProp(end);
    ++FCodeFoldingNodeCount;
    node.SetHasChildren(true);
    last.SetHasParent(true);
    last.SetLastChildOfParents(last.LastChildOfParents() + 1);
    for (int line = start + 1; line < end; ++line)
        lines.LineProp(line)->SetHasParent(true);
    return true;
}

void TVezCustomMemo::RemoveCodeFolding(int startLineIndex)
{
    TVezMemoStrings& lines = *ActiveLines();
    TLineProp* node = lines.GetLineProp(startLineIndex);
    if (!node || !node->HasChildren())
        return;
    // Without a region around it, the lines directly inside this one are inside none once it goes.
    const bool outermost = !node->HasParent();
    const int end =
        WalkRegion(lines, startLineIndex, [outermost](int, TLineProp* prop, int open, int closed) {
            if (prop && outermost && closed == open - 1)
                prop->SetHasParent(false);
            return true;
        });
    if (end < 0)
        return;
    --FCodeFoldingNodeCount;
    TLineProp& last = *lines.GetLineProp(end);
    last.SetLastChildOfParents(last.LastChildOfParents() - 1);
    node->SetHasChildren(false);
}

void TVezCustomMemo::RemoveCodeFoldingAtEnd(int endLineIndex)
{
    TVezMemoStrings& lines = *ActiveLines();
    const int count = lines.Count();
    if (endLineIndex >= count)
        return;
    TLineProp* last = lines.GetLineProp(endLineIndex);
    if (last && last->HasParent()) {
        const TLineProp* next = lines.GetLineProp(endLineIndex + 1);
        const bool outermost = endLineIndex == count - 1 || !next || !next->HasParent();
        // Back to the node that this end closes: nodes met are counted against the regions that end
        // between them and the end line.
        int starts = 0;
        int pass = 1;
        TLineProp* node = nullptr;
        for (int line = endLineIndex - 1; line >= 0 && !node; --line) {
            TLineProp* prop = lines.GetLineProp(line);
            if (!prop)
                continue;
            if (prop->HasChildren() && ++starts == pass) {
                node = prop;
                break;
            }
            pass += std::max(prop->LastChildOfParents(), 0);
            if (outermost && pass - 1 == starts)
                prop->SetHasParent(false);
        }
        if (node) {
            --FCodeFoldingNodeCount;
            last->SetLastChildOfParents(last->LastChildOfParents() - 1);
            last->SetHasParent(!outermost);
            node->SetHasChildren(false);
        }
    }
    Invalidate();
}

void TVezCustomMemo::RemoveAllCodeFolding()
{
    FCodeFoldingNodeCount = 0;
    const TVezMemoStrings& lines = *ActiveLines();
    for (int line = 0; line < lines.Count(); ++line)
        if (TLineProp* prop = lines.GetLineProp(line)) {
            prop->SetExpanded(true);
            prop->SetLastChildOfParents(0);
            prop->SetHasParent(false);
            prop->SetHasChildren(false);
        }
    Invalidate();
}

void TVezCustomMemo::SetExpandNode(int index, bool value)
{
    TLineProp* prop = ActiveLines()->GetLineProp(index);
    if (!prop || !FCodeFolding->Enabled() || !prop->HasChildren() || prop->Expanded() == value)
        return;
    {
        const TFlagHolder<bool> silent(FDisableChange, true);
        prop->SetExpanded(value);
        UpdateScrollBars(false);
        Invalidate();
        // A caret in a line that is hidden now goes to the node's row; the selection collapses.
        const int shown = VisIndexToLineIndex(LineIndexToVisIndex(FCurY));
        if (shown != FCurY)
            SetCurY(shown);
        ClearSelection();
    }
    if (FCaretVisible)
        UpdateCaret(true);
}

void TVezCustomMemo::ToggleNode(int lineIndex)
{
    SetExpandNode(lineIndex, !GetExpandNode(lineIndex));
}

void TVezCustomMemo::CodeFoldingChanged(TObject*, int changeMsg)
{
    if (changeMsg == 2) {
        UpdateCaret(FCaretVisible);
        AutoCodeFold();
    }
    Invalidate();
}

void TVezCustomMemo::AutoCodeFold()
{
    const TVezCustomMemoStyler* styler = ActiveStyler();
    if (!FCodeFolding->Enabled() || !styler || !FUseStyler || styler->RegionDefinitions()->Count() == 0)
        return;
    TVezMemoStrings& lines = *ActiveLines();
    // A node that is on the same line after the rebuild stays as open or closed as it was.
    std::vector<std::pair<int, bool>> nodes;
    for (int line = 0; line < lines.Count(); ++line)
        if (const TLineProp* prop = lines.GetLineProp(line); prop && prop->HasChildren())
            nodes.emplace_back(line, prop->Expanded());
    RemoveAllCodeFolding();
    for (const TFoldRegion& region : FindFoldRegions(lines, *styler))
        AddRegionMarks(region.Start, region.End);
    for (const auto& [line, expanded] : nodes)
        if (TLineProp* prop = lines.GetLineProp(line); prop && prop->HasChildren())
            prop->SetExpanded(expanded);
    UpdateScrollBars(false);
    Invalidate();
}

void TVezCustomMemo::DoubleClickBesideWord()
{
    if (!FCodeFolding->Enabled())
        return;
    if (FAutoExpand) {
        // The caret goes to the end of the line's text; blanks that stood past it go.
        const TLineText text = TrimTrailingBlanks(LineAt(FCurY));
        if (!FReadOnly && text != LineAt(FCurY))
            PutLine(FCurY, text);
        SetCurX(static_cast<int>(text.size()));
    }
    SetExpandNode(FCurY, true);
}
