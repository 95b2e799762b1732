#include "controls/memo/vez_custom_memo.h"

#include "controls/memo/flag_holder.h"

#include <algorithm>

// The operations that take text out: a character at or left of the caret, a word, a line, everything.

namespace {

bool IsSpaceOrTab(char32_t ch)
{
    return ch == U' ' || ch == U'\t';
}

} // namespace

void TVezCustomMemo::RemoveLine(int line)
{
    TVezMemoStrings& lines = *ActiveLines();
    if (FCodeFolding->Enabled())
        if (const TLineProp* prop = lines.GetLineProp(line)) {
            if (prop->HasChildren())
                RemoveCodeFolding(line);
            else if (prop->HasParent() && prop->LastChild())
                RemoveCodeFoldingAtEnd(line);
        }
    if (FMarkerList->Markers()->MarkerAtLine(line))
        FMarkerList->Markers()->RemoveMarker(line);
    lines.RemoveRaw(line);
    // The markers and bookmarks below stay with their lines.
    FMarkerList->Markers()->AdjustMarkerLineMinus(line + 1);
    for (int i = 0; i < FBookmarkList->Count(); ++i)
        if (FBookmarkList->GetInteger(i) >= line)
            FBookmarkList->SetInteger(i, FBookmarkList->GetInteger(i) - 1);
}

void TVezCustomMemo::DeleteChar(int x, int y)
{
    if (!CanEdit())
        return;
    {
        TFlagHolder<bool> noRefresh(FLetRefresh, false);
        const int selStart = SelStart();
        const bool backspace = x >= 0;
        if (x < 0) {
            x = FCurX;
            y = FCurY;
        }
        ClearSelection();
        TVezMemoStrings& lines = *ActiveLines();
        // The record names the places in the author's text, as they are before the deletion.
        const TAuthorPos before = AuthorPos(x, y);
        const TAuthorPos at = AuthorPos(FCurX, FCurY);
        const auto record = [&](const std::string& removed) {
            UndoList()->Add(new TDeleteCharUndo(before.X, before.Y, at.X, at.Y, removed, backspace));
        };
        TLineText s = LineAt(FCurY);
        if (FCurX < static_cast<int>(s.size())) {
            const TLineText removed = Columns(s, FCurX, 1);
            s.erase(static_cast<size_t>(FCurX), 1);
            PutLine(FCurY, s);
            record(EncodeLine(removed));
        } else if (FCurY < lines.Count() - 1) {
            if (IsWrappedLine(FCurY + 1) && FWordWrap != wwNone) {
                // At the end of a row the next character is the first of its continuation.
                TLineText next = LineAt(FCurY + 1);
                const TLineText removed = Columns(next, 0, 1);
                next.erase(0, 1);
                PutLine(FCurY + 1, next);
                record(EncodeLine(removed));
            } else {
                PutLine(FCurY, s + LineAt(FCurY + 1));
                RemoveLine(FCurY + 1);
                record("\r");
                AutoCodeFold();
            }
        }
        UpdateWrap();
        if (FWordWrap != wwNone) {
            // The caret stays at the same text offset after the rows were broken again.
            int cx = 0, cy = 0;
            PosFromText(selStart, cx, cy);
            FCurX = cx;
            FCurY = cy;
        }
        FSelStartX = FSelEndX = FCurX;
        FSelStartY = FSelEndY = FCurY;
    }
    LinesChanged(this);
    AfterEdit();
}

void TVezCustomMemo::DeleteCharLeft()
{
    const TLineText line = LineAt(FCurY);
    const bool inIndentation =
        FCurX > 0 && !line.empty() &&
        std::all_of(line.begin(), line.begin() + std::min(static_cast<size_t>(FCurX), line.size()),
                    [](char32_t ch) { return ch == U' '; });
    if (FSmartTabs && ActiveLines()->Count() > 0 && inIndentation) {
        SmartBackspace();
        return;
    }
    if (FCodeFolding->Enabled() && FCurX == 0) {
        SetExpandNode(VisIndexToLineIndex(LineIndexToVisIndex(FCurY) - 1), true);
        FShouldCheckCodeFolding = false;
    }
    const int oldX = FCurX, oldY = FCurY;
    if (FCurX == 0 && IsWrappedLine(FCurY)) {
        // Column 0 of a continuation is the same place as the end of the row before: one character left
        // of it is the last character of that row.
        SetCurY(FCurY - 1);
        SetCurX(std::max(LineLengthAt(FCurY) - 1, 0));
    } else {
        MoveCursor(-1, 0, {});
    }
    if (FCurX == oldX && FCurY == oldY)
        return;
    DeleteChar(oldX, oldY);
    if (FCurY >= ActiveLines()->Count()) {
        SetCurY(ActiveLines()->Count() - 1);
        SetCurX(LineLengthAt(FCurY));
    }
    FSelStartX = FSelEndX = FCurX;
    FSelStartY = FSelEndY = FCurY;
}

// The smart backspace: from blank indentation back to the indentation of an earlier line.
void TVezCustomMemo::SmartBackspace()
{
    {
        TFlagHolder<bool> noRefresh(FLetRefresh, false);
        const TLineText s = LineAt(FCurY);
        const int oldX = FCurX;
        const int v = std::max(PreviousIndentColumn(FCurX, FCurY), 0);
        const TLineText removed = Columns(s, v, std::max(std::min(oldX, static_cast<int>(s.size())) - v, 0));
        const TAuthorPos end = AuthorPos(v + static_cast<int>(removed.size()), FCurY);
        const TAuthorPos caretBefore = AuthorPos(oldX, FCurY);
        const TAuthorPos start = AuthorPos(v, FCurY);
        PutLine(FCurY, Columns(s, 0, v) + Columns(s, oldX));
        SetCurX(v);
        // The record selects what went, so that redoing it removes the same blanks again.
        auto* record =
            new TDeleteBufUndo(caretBefore.X, caretBefore.Y, start.X, start.Y, EncodeLine(removed));
        record->SetSelection(start.X, start.Y, end.X, end.Y);
        UndoList()->Add(record);
    }
    LinesChanged(this);
}

int TVezCustomMemo::PreviousIndentColumn(int column, int line) const
{
    int v = column - 1;
    if (line == 0 || line - 1 >= ActiveLines()->Count())
        return v;
    for (int above = line - 1; above >= 0; --above) {
        const TLineText l = ParagraphAbove(above);
        const int length = static_cast<int>(l.size());
        // 1-based positions: back to a non-blank, then back to the blank before its word.
        const auto blank = [&](int p) { return IsSpaceOrTab(l[static_cast<size_t>(p - 1)]); };
        v = column - 1;
        if (v > length)
            v = length + 1;
        bool found = false;
        while (v < length && v > 0) {
            if (!blank(v)) {
                found = true;
                break;
            }
            --v;
        }
        while (v < length && v > 0 && !blank(v))
            --v;
        if (found)
            break;
    }
    return v;
}

void TVezCustomMemo::DeleteWordLeft()
{
    const TLineText s = LineAt(FCurY);
    while (true) {
        const int x0 = FCurX, y0 = FCurY;
        MoveCursor(-1, 0, {});
        if (FCurX == x0 && FCurY == y0)
            break;
        DeleteChar(x0, y0);
        const int c = FCurX;
        const bool wordGoesOn =
            FCurY == y0 && c > 0 && c <= static_cast<int>(s.size()) && s[static_cast<size_t>(c - 1)] != U' ';
        if (!wordGoesOn)
            break;
    }
}

void TVezCustomMemo::DeleteLine()
{
    if (!CanEdit())
        return;
    TVezMemoStrings& lines = *ActiveLines();
    if (lines.Count() == 0)
        return;
    ClearLineErrors(FCurY);
    const int x0 = FCurX;
    const int line = FCurY;
    const std::string text = lines.Get(line);
    // A wrapped row is a piece of its author's line: the record keeps the author's lines around it.
    const TAuthorLinesBefore before = CaptureAuthorLines(line, line);
    const TAuthorPos caretBefore = AuthorPos(x0, line);
    TFlagHolder<bool> keepBlanks(FKeepLineBlanks, FWordWrap != wwNone);
    SetCurX(0);
    const bool emptiedOnly = lines.Count() == 1;
    if (emptiedOnly) {
        lines.Put(0, "");
    } else {
        if (line == lines.Count() - 1)
            SetCurY(line - 1);
        RemoveLine(line);
    }
    ClearSelection();
    Invalidate();
    if (FWordWrap != wwNone)
        RecordAuthorLinesChange(before, caretBefore);
    else
        UndoList()->Add(new TDeleteLineUndo(x0, line, FCurX, FCurY, text, emptiedOnly));
    AfterEdit();
}

void TVezCustomMemo::Clear()
{
    SetCurX(0);
    SetCurY(0);
    FLeftCol = FTopLine = 0;
    {
        TFlagHolder<bool> noRefresh(FLetRefresh, false);
        ActiveLines()->Clear();
        Invalidate();
        SetCurY(0);
        SetCurX(0);
        FSelStartX = FSelStartY = FSelEndX = FSelEndY = 0;
        FBlockSelection = TRect();
    }
    LinesChanged(this);
    ClearAllCachedStyles();
    ActiveLines()->Clear();
}

void TVezCustomMemo::ClearLineErrors(int lineNo)
{
    if (TLineProp* prop = ActiveLines()->GetLineProp(lineNo); prop && prop->HasErrorInfo()) {
        prop->FErrStart->Clear();
        prop->FErrLen->Clear();
    }
}
