#include "controls/memo/vez_custom_memo.h"

#include "controls/memo/flag_holder.h"
#include "controls/memo/word_wrap.h"

#include <algorithm>
#include <unordered_set>

// Word wrap is physical: the rows an author's line is broken into are real lines of the store, each but
// the first marked as a continuation. Re-wrapping works on whole paragraphs (an author's line and its
// continuations): only those that changed since the last wrap, or all of them when the width changed.
// A row keeps the property object it had at its place within its paragraph (the author's line keeps its
// marks on its first row), and the caret, the selection, the top line and the bookmarks stay on their
// characters.

// One re-wrap of a range of paragraphs.
class TMemoWrapper
{
public:
    TMemoWrapper(TVezCustomMemo& memo, int width) : memo_(memo), lines_(*memo.ActiveLines()), width_(width) {}

    // Re-wraps every paragraph that touches the rows first..last.
    void Rewrap(int first, int last);

private:
    struct TPlace
    {
        int* X; // nullptr for places that name a row only
        int* Y;
        int OldX = 0;
        int OldY = 0;
        bool Mapped = false;
    };
    struct TParagraph
    {
        int First;
        int Count;
        std::vector<TLineText> Rows;
        bool Changed;
    };

    int ParagraphEnd(int row) const;
    void CollectPlaces();
    TParagraph Plan(int first, int last) const;
    void MapPlaces(const TParagraph& paragraph, int newFirst);
    void MapInside(TPlace& place, const TParagraph& paragraph, int newFirst) const;
    // Puts the new rows in place of first..last; answers how many rows there are now.
    int Apply(const std::vector<TParagraph>& paragraphs, int first, int last);
    TLineProp* RowProp(int oldRow, int indexInParagraph);

    TVezCustomMemo& memo_;
    TVezMemoStrings& lines_;
    int width_;
    std::vector<TPlace> places_;
    std::vector<int> bookmarks_;
    std::vector<TLineProp*> dropped_;
};

int TMemoWrapper::ParagraphEnd(int row) const
{
    while (row + 1 < lines_.Count() && memo_.IsWrappedLine(row + 1))
        ++row;
    return row;
}

void TMemoWrapper::CollectPlaces()
{
    TVezCustomMemo& m = memo_;
    const auto add = [&](int* x, int* y) { places_.push_back({x, y, x ? *x : 0, *y}); };
    add(&m.FCurX, &m.FCurY);
    add(&m.FSelStartX, &m.FSelStartY);
    add(&m.FSelEndX, &m.FSelEndY);
    add(&m.FPrevSelX, &m.FPrevSelY);
    add(nullptr, &m.FTopLine);
    for (int i = 0; i < m.FBookmarkList->Count(); ++i)
        bookmarks_.push_back(m.FBookmarkList->GetInteger(i));
    for (int& line : bookmarks_)
        if (line >= 0)
            add(nullptr, &line);
}

TMemoWrapper::TParagraph TMemoWrapper::Plan(int first, int last) const
{
    TLineText text;
    std::vector<TLineText> old;
    for (int row = first; row <= last; ++row) {
        old.push_back(DecodeLine(lines_.Get(row)));
        text += old.back();
    }
    TParagraph paragraph{first, last - first + 1, WrapPieces(text, width_), false};
    paragraph.Changed = paragraph.Rows != old;
    // A first row still marked as a continuation (its line above was deleted) starts a paragraph now.
    if (memo_.IsWrappedLine(first))
        paragraph.Changed = true;
    return paragraph;
}

void TMemoWrapper::MapInside(TPlace& place, const TParagraph& paragraph, int newFirst) const
{
    const int row = place.OldY - paragraph.First;
    const int newCount = static_cast<int>(paragraph.Rows.size());
    if (!place.X) {
        *place.Y = newFirst + std::min(row, newCount - 1);
        return;
    }
    int offset = place.OldX;
    for (int r = 0; r < row; ++r)
        offset += lines_.ListLengths().GetInteger(paragraph.First + r);
    for (int r = 0; r < newCount; ++r) {
        const int length = static_cast<int>(paragraph.Rows[static_cast<size_t>(r)].size());
        if (offset < length || r == newCount - 1) {
            *place.X = offset;
            *place.Y = newFirst + r;
            return;
        }
        offset -= length;
    }
}

void TMemoWrapper::MapPlaces(const TParagraph& paragraph, int newFirst)
{
    const int delta = newFirst - paragraph.First;
    for (TPlace& place : places_) {
        if (place.Mapped || place.OldY >= paragraph.First + paragraph.Count)
            continue;
        if (place.OldY >= paragraph.First && paragraph.Changed)
            MapInside(place, paragraph, newFirst);
        else
            *place.Y = place.OldY + delta;
        place.Mapped = true;
    }
}

// The property of old row oldRow at its new place indexInParagraph: kept when the paragraph had a row
// there, else a new one.
TLineProp* TMemoWrapper::RowProp(int oldRow, int indexInParagraph)
{
    TLineProp* prop = lines_.GetLineProp(oldRow);
    if (indexInParagraph > 0 && !prop) {
        prop = new TLineProp;
        lines_.AddLineProp(prop);
    }
    return prop;
}

int TMemoWrapper::Apply(const std::vector<TParagraph>& paragraphs, int first, int last)
{
    std::vector<TVezMemoStrings::TRow> rows;
    int newRow = first;
    for (const TParagraph& paragraph : paragraphs) {
        MapPlaces(paragraph, newRow);
        const int newCount = static_cast<int>(paragraph.Rows.size());
        for (int i = 0; i < std::max(newCount, paragraph.Count); ++i) {
            if (i >= newCount) {
                if (TLineProp* extra = lines_.GetLineProp(paragraph.First + i))
                    dropped_.push_back(extra);
                continue;
            }
            TLineProp* prop = i < paragraph.Count ? RowProp(paragraph.First + i, i) : RowProp(-1, i);
            if (prop) {
                prop->Wrapped = i > 0;
                if (paragraph.Changed)
                    prop->CachedStyle = false;
            }
            rows.push_back({EncodeLine(paragraph.Rows[static_cast<size_t>(i)]), prop});
        }
        if (paragraph.Changed && paragraph.First <= memo_.FTopLine)
            memo_.FbackupTopLine = -1;
        newRow += newCount;
    }
    for (TPlace& place : places_)
        if (!place.Mapped)
            *place.Y = place.OldY + (newRow - (last + 1));
    lines_.ReplaceRows(first, last - first + 1, rows);
    return newRow - first;
}

void TMemoWrapper::Rewrap(int first, int last)
{
    const int count = lines_.Count();
    if (count == 0)
        return;
    first = std::clamp(first, 0, count - 1);
    last = std::clamp(last, first, count - 1);
    while (first > 0 && memo_.IsWrappedLine(first))
        --first;
    last = ParagraphEnd(last);
    std::vector<TParagraph> paragraphs;
    bool anyChange = false;
    for (int row = first; row <= last;) {
        const int end = ParagraphEnd(row);
        paragraphs.push_back(Plan(row, end));
        anyChange = anyChange || paragraphs.back().Changed;
        row = end + 1;
    }
    if (!anyChange)
        return;
    CollectPlaces();
    const int rows = Apply(paragraphs, first, last);
    TIntList& bookmarks = *memo_.FBookmarkList;
    for (int i = 0; i < bookmarks.Count(); ++i)
        if (bookmarks.GetInteger(i) >= 0)
            bookmarks.SetInteger(i, bookmarks_[static_cast<size_t>(i)]);
    memo_.FWWList->Clear();
    for (int row = first; row < first + rows; ++row)
        if (memo_.IsWrappedLine(row))
            memo_.FWWList->Add(row);
    lines_.ForgetLineProps(dropped_);
}

// --- the memo's side
// ----------------------------------------------------------------------------------------

int TVezCustomMemo::WrapWidth() const
{
    switch (FWordWrap) {
    case wwClientWidth:
        return VisiblePosCount() - 1;
    case wwRightMargin:
        return FRightMargin;
    default:
        return 0;
    }
}

bool TVezCustomMemo::IsWrappedLine(int index) const
{
    const TLineProp* prop = ActiveLines()->GetLineProp(index);
    return prop && prop->Wrapped;
}

void TVezCustomMemo::SetLineWrapped(int index, bool value)
{
    TVezMemoStrings& lines = *ActiveLines();
    if (index < 0 || index >= lines.Count())
        return;
    TLineProp* prop = lines.LineProp(index);
    prop->Wrapped = value;
    lines.NoteContinuationChanged(index);
    lines.SetLineProp(index, prop);
}

int TVezCustomMemo::GetWrappedLineIndex(int index) const
{
    if (FWordWrap == wwNone || index < 0)
        return index;
    const TVezMemoStrings& lines = *ActiveLines();
    return index - lines.RowOffsets().ContinuationsBefore(lines, std::min(index + 1, lines.Count()));
}

void TVezCustomMemo::UpdateWrap()
{
    if (FWordWrap == wwNone || FWrapping)
        return;
    // The bars follow once the wrap is done: a bar that the new rows bring or take away changes the width,
    // and the bars then wrap the rows again to it (a wrap still in progress could not).
    if (RewrapChangedRows())
        UpdateScrollBars(true);
}

bool TVezCustomMemo::RewrapChangedRows()
{
    TFlagHolder<bool> wrapping(FWrapping, true);
    TVezMemoStrings& lines = *ActiveLines();
    const TVezMemoStrings::TChangedRows changed = lines.TakeChangedRows();
    const int width = WrapWidth();
    const int rowsBefore = lines.Count();
    if (width != FWrapWidth) {
        FWrapWidth = width;
        TMemoWrapper(*this, width > 0 ? width : 0).Rewrap(0, lines.Count() - 1);
    } else if (!changed.Empty() && width > 0) {
        TMemoWrapper(*this, width).Rewrap(changed.First, changed.Last);
    } else {
        return false;
    }
    return lines.Count() != rowsBefore || !changed.Empty();
}

void TVezCustomMemo::WrapLines()
{
    if (ActiveLines()->Count() == 0 || ComponentState().Contains(csLoading) || FWordWrap == wwNone)
        return;
    TFlagHolder<bool> wrapping(FWrapping, true);
    ActiveLines()->TakeChangedRows();
    FWrapWidth = WrapWidth();
    TMemoWrapper(*this, std::max(FWrapWidth, 0)).Rewrap(0, ActiveLines()->Count() - 1);
    if (ActiveLines()->LockCount() == 0)
        Invalidate();
}

void TVezCustomMemo::UnwrapLines()
{
    if (ActiveLines()->Count() == 0 || ComponentState().Contains(csLoading) || FWordWrap == wwNone)
        return;
    TFlagHolder<bool> wrapping(FWrapping, true);
    ActiveLines()->TakeChangedRows();
    FWrapWidth = 0;
    TMemoWrapper(*this, 0).Rewrap(0, ActiveLines()->Count() - 1);
}

void TVezCustomMemo::SetWordWrap(TWordWrapStyle value)
{
    if (value == FWordWrap)
        return;
    UnwrapLines();
    FWordWrap = value;
    WrapLines();
    UpdateScrollBars(true);
}

std::string TVezCustomMemo::WrappedText()
{
    std::string text;
    for (int row = 0; row < ActiveLines()->Count(); ++row) {
        if (row > 0 && !IsWrappedLine(row))
            text += ActiveLines()->LineBreak();
        text += ActiveLines()->Get(row);
    }
    return ActiveLines()->Count() > 0 ? text + ActiveLines()->LineBreak() : text;
}

void TVezCustomMemo::BeginUpdate()
{
    FLetRefresh = false;
}

void TVezCustomMemo::EndUpdate()
{
    FLetRefresh = true;
    UpdateWrap();
    ValidateLineStates();
    UpdateMaxLength();
    UpdateScrollBars(false);
    Repaint();
}
