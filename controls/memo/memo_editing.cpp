#include "controls/memo/vez_custom_memo.h"

#include "controls/memo/flag_holder.h"

#include <algorithm>

// The operations that put text in at the caret: a character, a tab, a new line with its indentation, a
// block indent, lines replaced as a whole, and text at a position.

namespace {

bool IsSpaceOrTab(char32_t ch)
{
    return ch == U' ' || ch == U'\t';
}

} // namespace

void TVezCustomMemo::InsertChar(char32_t ch)
{
    if (FCurY >= ActiveLines()->Count())
        SetCurY(FCurY);
    if (ActiveLines()->Count() == 0)
        AddEmptyLineSilently();
    const TAuthorPos start = AuthorPos(FCurX, FCurY);
    TFlagHolder<bool> keepBlanks(FKeepLineBlanks, true); // the caret follows the character to its row
    TLineText s = LineAt(FCurY);
    TLineText ins;
    bool overwriting = FOverwrite;
    if (ch != U'\t') {
        if (static_cast<int>(s.size()) < FCurX)
            s = PaddedTo(s, FCurX);
        ins = TLineText(1, ch);
    } else if (!FOverwrite) {
        ins = Spaces(FTabSize);
    } else {
        // A tab in overwrite mode moves the caret over the text, and pads only past its end.
        if (FCurX + FTabSize < static_cast<int>(s.size())) {
            SetCurX(FCurX + FTabSize);
        } else {
            ins = Spaces(FTabSize - (static_cast<int>(s.size()) - FCurX));
            SetCurX(static_cast<int>(s.size()));
        }
        overwriting = false;
    }
    const bool replaces = overwriting && FCurX < static_cast<int>(s.size());
    if (replaces) {
        const TAuthorPos at = AuthorPos(FCurX, FCurY);
        UndoList()->Add(new TOverwriteCharUndo(start.X, start.Y, at.X, at.Y,
                                              EncodeLine(TLineText(1, s[static_cast<size_t>(FCurX)]))));
        s[static_cast<size_t>(FCurX)] = ch;
    } else {
        s.insert(std::min(static_cast<size_t>(FCurX), s.size()), ins);
    }
    int offset = 0;
    const int rowsBefore = ActiveLines()->Count();
    {
        TFlagHolder<bool> noRefresh(FLetRefresh, false);
        PutLine(FCurY, s);
        TextFromPos(FCurX + static_cast<int>(ins.size()), FCurY, offset);
        UpdateWrap();
    }
    if (FWordWrap != wwNone) {
        int x = 0, y = 0;
        PosFromText(offset, x, y);
        SetCurY(y);
        SetCurX(x);
        if (FWordWrap != wwRightMargin || VisiblePosCount() > FRightMargin)
            SetLeftCol(0);
    } else {
        SetCurX(FCurX + static_cast<int>(ins.size()));
    }
    ClearSelection();
    if (!replaces && !ins.empty()) {
        // The characters went in on the author's line where the caret stood.
        const int end = start.X + static_cast<int>(ins.size());
        UndoList()->Add(new TInsertCharUndo(start.X, start.Y, end, start.Y, EncodeLine(ins)));
    }
    if (FWordWrap != wwNone && ActiveLines()->Count() != rowsBefore)
        UpdateScrollBars(false);
    AfterEdit();
}

std::string TVezCustomMemo::GetAutoIndent() const
{
    if (!FAutoIndent)
        return {};
    const TLineText s = LineAt(FCurY);
    const int length = static_cast<int>(s.size());
    int count = 0;
    const int firstLimit = std::max(1, length - 1);
    while (count < firstLimit && count < length && s[static_cast<size_t>(count)] == U' ')
        ++count;
    while (count < FCurX && count < length && s[static_cast<size_t>(count)] == U' ')
        ++count;
    return std::string(static_cast<size_t>(count), ' ');
}

// The text right of the caret as it moves to another line: without trailing blanks, unless a wrap
// continuation follows (its blanks are the spaces between words then).
TLineText TVezCustomMemo::TailFrom(const TLineText& s, int column, int line) const
{
    const TLineText tail = Columns(s, column);
    return IsWrappedLine(line + 1) ? tail : TrimTrailingBlanks(tail);
}

// Puts the line's new text in with a record of its own, when it differs; answers whether it did. The
// blanks an Enter or a smart tab drops right of the caret are recorded this way, so that the record of the
// edit itself, linked to this one, undoes and redoes exactly.
bool TVezCustomMemo::ReplaceLineRecorded(int line, const TLineText& text)
{
    const std::string after = EncodeLine(text);
    if (after == ActiveLines()->Get(line))
        return false;
    const TAuthorLinesBefore before = CaptureAuthorLines(line, line);
    const TAuthorPos caret = AuthorPos(FCurX, FCurY);
    ActiveLines()->Put(line, after);
    RecordAuthorLinesChange(before, caret);
    return true;
}

void TVezCustomMemo::NewLine()
{
    if (!CanEdit())
        return;
    {
        TFlagHolder<bool> noRefresh(FLetRefresh, false);
        if (FCurY >= ActiveLines()->Count())
            SetCurY(FCurY);
        const int y0 = FCurY;
        const TAuthorPos start = AuthorPos(FCurX, FCurY);
        if (FMarkerList->Markers()->HigherMarkerThanLine(y0))
            FMarkerList->Markers()->AdjustMarkerLinePlus(y0);
        if (ActiveLines()->Count() == 0)
            AddEmptyLineSilently();
        const TLineText s = LineAt(FCurY);
        const std::string indent = GetAutoIndent();
        // Undo and redo put back exactly the text their records hold: no blanks are dropped then.
        const bool exact = UndoList()->IsPerforming();
        TLineText rest = exact ? Columns(s, FCurX) : TailFrom(s, FCurX, FCurY);
        if (FAutoIndent && !exact)
            rest.erase(0, std::min(rest.find_first_not_of(U' '), rest.size()));
        const bool dropped =
            FCurX <= static_cast<int>(s.size()) && ReplaceLineRecorded(FCurY, Columns(s, 0, FCurX) + rest);
        PutLine(FCurY, Columns(s, 0, FCurX));
        if (FCodeFolding->Enabled())
            SetExpandNode(FCurY, true);
        ActiveLines()->DoInsert(FCurY + 1, indent + EncodeLine(rest));
        {
            // The line keeps its blanks as the caret leaves it: a record of their removal would come between
            // this edit's two records, which undo takes back together.
            TFlagHolder<bool> keepBlanks(FKeepLineBlanks, true);
            MoveCursor(0, 1, {});
        }
        SetCurX(static_cast<int>(indent.size()));
        ClearSelection();
        const std::string text = "\r" + indent;
        const TAuthorPos end = AuthorPos(FCurX, FCurY);
        TUndo* record = FUndoLineByLine ? new TNewLineUndo(start.X, start.Y, end.X, end.Y, text)
                                        : new TInsertCharUndo(start.X, start.Y, end.X, end.Y, text);
        record->SetLinkedUndo(dropped);
        UndoList()->Add(record);
    }
    LinesChanged(this);
    AfterEdit();
}

TLineText TVezCustomMemo::ParagraphAbove(int& line) const
{
    TLineText text = LineAt(line);
    if (FWordWrap == wwNone)
        return text;
    while (line > 0 && IsWrappedLine(line)) {
        --line;
        text = LineAt(line) + text;
    }
    return text;
}

TLineText TVezCustomMemo::SmartTabPad(int column, int line) const
{
    int target = column;
    for (int above = line - 1; above >= 0; --above) {
        const TLineText l = ParagraphAbove(above) + U"\r\n";
        const int length = static_cast<int>(l.size());
        if (length < column + 1)
            continue;
        // 1-based positions, as the search was written: over the word at the column, then the blanks.
        const auto at = [&](int p) { return l[static_cast<size_t>(p - 1)]; };
        int p = column + 1;
        while (p < length && !IsSpaceOrTab(at(p)) && at(p) != U'\r' && at(p) != U'\n')
            ++p;
        while (p <= length && IsSpaceOrTab(at(p)))
            ++p;
        target = p - 1;
        break;
    }
    return Spaces(target - column);
}

void TVezCustomMemo::InsertTab(TShiftState shift)
{
    if (!CanEdit())
        return;
    if (FSmartTabs && ActiveLines()->Count() > 0) {
        {
            TFlagHolder<bool> noRefresh(FLetRefresh, false);
            const TAuthorPos start = AuthorPos(FCurX, FCurY);
            const TLineText s = LineAt(FCurY);
            const TLineText pad = SmartTabPad(FCurX, FCurY);
            if (!pad.empty()) {
                const TLineText head = PaddedTo(s, FCurX);
                const TLineText tail = TailFrom(s, FCurX, FCurY);
                const bool dropped = ReplaceLineRecorded(FCurY, head + tail);
                PutLine(FCurY, head + pad + tail);
                SetCurX(FCurX + static_cast<int>(pad.size()));
                const TAuthorPos end = AuthorPos(FCurX, FCurY);
                auto* record = new TInsertCharUndo(start.X, start.Y, end.X, end.Y, EncodeLine(pad));
                record->SetLinkedUndo(dropped);
                UndoList()->Add(record);
            } else {
                InsertChar(U'\t');
                InvalidateClient();
            }
        }
        LinesChanged(this);
        AfterEdit();
        return;
    }
    if (shift.Contains(ssCtrl))
        return;
    if (!shift.Contains(ssShift)) {
        InsertChar(U'\t');
        InvalidateClient();
        AfterEdit();
    } else {
        SetCurX(FCurX > FTabSize ? FCurX - FTabSize : 0);
    }
}

void TVezCustomMemo::BlockIndent(int fromLine, int toLine, int indent, bool allowUndo)
{
    if (toLine < fromLine)
        std::swap(fromLine, toLine);
    std::vector<int> lost;
    // Rows of wrapped lines are pieces of the author's lines: those lines are recorded whole.
    const bool wrapped = allowUndo && FWordWrap != wwNone;
    const TAuthorLinesBefore before = wrapped ? CaptureAuthorLines(fromLine, toLine) : TAuthorLinesBefore();
    const TAuthorPos caret = AuthorPos(FCurX, FCurY);
    {
        TFlagHolder<bool> noRefresh(FLetRefresh, false);
        TVezMemoStrings& lines = *ActiveLines();
        for (int line = fromLine; line <= toLine && line < lines.Count(); ++line) {
            if (line < 0)
                continue;
            TLineText s = LineAt(line);
            if (indent >= 1) {
                s = Spaces(indent) + s;
            } else {
                int removed = 0;
                while (removed < -indent && !s.empty() && s[0] == U' ') {
                    s.erase(0, 1);
                    ++removed;
                }
                lost.push_back(removed);
            }
            PutLine(line, s);
        }
        if (wrapped)
            RecordAuthorLinesChange(before, caret);
        else if (allowUndo)
            UndoList()->Add(new TIndentUndo(FCurX, FCurY, fromLine, toLine, indent, std::move(lost)));
    }
    UpdateWrap();
    UpdateMaxLength();
    UpdateScrollBars(false);
    Invalidate();
}

void TVezCustomMemo::ReplaceLines(int first, int oldCount, const std::vector<std::string>& lines)
{
    {
        TFlagHolder<bool> noRefresh(FLetRefresh, false);
        TVezMemoStrings& store = *ActiveLines();
        const int newCount = static_cast<int>(lines.size());
        for (int i = 0; i < newCount; ++i) {
            if (i < oldCount && first + i < store.Count())
                store.Put(first + i, lines[static_cast<size_t>(i)]);
            else
                store.DoInsert(std::min(first + i, store.Count()), lines[static_cast<size_t>(i)]);
        }
        for (int i = newCount; i < oldCount && first + newCount < store.Count(); ++i)
            RemoveLine(first + newCount);
        if (store.Count() == 0)
            AddEmptyLineSilently();
        FCurY = std::min(FCurY, store.Count() - 1);
    }
    LinesChanged(this);
}

void TVezCustomMemo::InsertTextAtXY(const std::string& value, int x, int y)
{
    if (ActiveLines()->Count() == 0)
        AddEmptyLineSilently();
    int offset = 0;
    TextFromPos(x, y, offset);
    SetSelStart(offset);
    SetSelLength(0);
    // The line first, so that the column pads the right line.
    SetCurY(y);
    SetCurX(x);
    SetSelection(value);
}
