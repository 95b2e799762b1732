#include "controls/memo/vez_custom_memo.h"

#include "controls/memo/flag_holder.h"
#include "support/utf8.h"

#include <algorithm>

// Deleting the selection and replacing it by a text, in the text and in the block mode. Every change is
// recorded for undo.

namespace {

// Line breaks of any kind become CR LF.
std::string NormalisedBreaks(const std::string& value)
{
    std::string text;
    text.reserve(value.size() + value.size() / 16);
    for (size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\r') {
            text += "\r\n";
            if (i + 1 < value.size() && value[i + 1] == '\n')
                ++i;
        } else if (value[i] == '\n') {
            text += "\r\n";
        } else {
            text += value[i];
        }
    }
    return text;
}

// The pieces of a text between its CR LF pairs (one more piece than pairs).
std::vector<std::string> SplitAtBreaks(const std::string& text)
{
    std::vector<std::string> pieces;
    size_t start = 0;
    for (size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", start)) {
        pieces.push_back(text.substr(start, at - start));
        start = at + 2;
    }
    pieces.push_back(text.substr(start));
    return pieces;
}

} // namespace

bool TVezCustomMemo::DeleteSelectedText(bool repaint)
{
    if (!CanEdit() || FReadOnly || (FSelStartX == FSelEndX && FSelStartY == FSelEndY))
        return false;
    const bool removed = FSelectionMode == smBlock ? DeleteBlockSelection() : DeleteTextSelection();
    if (!removed)
        return false;
    if (repaint)
        Invalidate();
    LinesChanged(this);
    AfterEdit();
    ClearSelection();
    ClearLineErrors(FCurY);
    return true;
}

bool TVezCustomMemo::DeleteBlockSelection()
{
    const TRect block = FBlockSelection;
    TVezMemoStrings& lines = *ActiveLines();
    const TAuthorLinesBefore before = CaptureAuthorLines(block.Top, block.Bottom);
    const TAuthorPos caret = AuthorPos(FCurX, FCurY);
    {
        // The record holds the lines whole: the caret leaving a line removes no blanks of it meanwhile.
        TFlagHolder<bool> keepBlanks(FKeepLineBlanks, true);
        TFlagHolder<bool> noRefresh(FLetRefresh, false);
        for (int line = std::max(block.Top, 0); line <= block.Bottom && line < lines.Count(); ++line) {
            TLineText s = LineAt(line);
            if (block.Left < static_cast<int>(s.size()))
                s.erase(static_cast<size_t>(block.Left),
                        static_cast<size_t>(std::max(block.Right - block.Left, 0)));
            lines.Put(line, EncodeLine(s));
        }
        SetCurY(block.Top);
        SetCurX(block.Left);
    }
    RecordAuthorLinesChange(before, caret);
    return true;
}

bool TVezCustomMemo::DeleteTextSelection()
{
    TVezMemoStrings& lines = *ActiveLines();
    int x1, y1, x2, y2;
    OrderedSelection(x1, y1, x2, y2);
    if (y2 >= lines.Count() || y1 < 0 || lines.Count() == 0) {
        FSelStartX = FSelStartY = FSelEndX = FSelEndY = 0;
        return false;
    }
    const TLineText first = LineAt(y1);
    const TLineText last = LineAt(y2);
    // An end past its line's text stands at the text's end: the columns beyond it hold nothing to delete,
    // and the joined line continues right after the text.
    x1 = std::min(x1, static_cast<int>(first.size()));
    x2 = std::min(x2, static_cast<int>(last.size()));
    if (y1 == y2 && x2 < x1)
        x2 = x1;
    const TAuthorPos caret = AuthorPos(FCurX, FCurY);
    const TAuthorPos selStart = AuthorPos(x1, y1);
    const TAuthorPos selEnd = AuthorPos(x2, y2);
    // The removed text is recorded as it was: the caret leaving its last line takes no blanks of it.
    TFlagHolder<bool> keepBlanks(FKeepLineBlanks, true);
    // Exactly what leaves the document, breaks between wrapped rows left out.
    std::string removed;
    if (y1 == y2) {
        removed = EncodeLine(Columns(first, x1, x2 - x1));
    } else {
        removed = EncodeLine(Columns(first, x1));
        for (int line = y1 + 1; line <= y2; ++line) {
            if (!IsWrappedLine(line))
                removed += MemoLineBreak();
            removed += line < y2 ? lines.Get(line) : EncodeLine(Columns(last, 0, x2));
        }
    }
    {
        TFlagHolder<bool> noRefresh(FLetRefresh, false);
        TLineText joined = Columns(first, 0, x1) + Columns(last, x2);
        if (FTrimTrailingSpaces)
            joined = RemoveTrailingSpaces(joined);
        PutLine(y1, joined);
        SetCurY(y1);
        SetCurX(x1);
        ClearSelection();
        for (int line = y2; line > y1; --line)
            RemoveLine(line);
        DoSelectionChange();
        UpdateWrap();
    }
    const TAuthorPos end = AuthorPos(FCurX, FCurY);
    auto* record = new TDeleteBufUndo(caret.X, caret.Y, end.X, end.Y, removed);
    record->SetSelection(selStart.X, selStart.Y, selEnd.X, selEnd.Y);
    UndoList()->Add(record);
    return true;
}

void TVezCustomMemo::SetSelection(const std::string& value)
{
    int x1, y1, x2, y2;
    OrderedSelection(x1, y1, x2, y2);
    const bool removed = DeleteSelectedText(false);
    // The text goes where the removed selection was, at the start of one that stays (a read-only memo
    // removes nothing), or at the caret when the selection lay outside the text.
    if (removed || y2 >= ActiveLines()->Count() || y1 < 0) {
        x1 = FCurX;
        y1 = FCurY;
    }
    // The text as the lines will hold it, so that columns are counted on what is stored: breaks as CR LF,
    // tabs as spaces, and bytes that are no UTF-8 as replacement characters (they could otherwise join the
    // bytes beside them into other characters).
    const std::string text = ExpandTabs(SanitizeUtf8(NormalisedBreaks(value)), FTabSize);
    if (ActiveLines()->Count() == 0)
        AddEmptyLineSilently();
    y1 = std::clamp(y1, 0, ActiveLines()->Count() - 1);
    if (FSelectionMode == smBlock)
        InsertBlockText(text);
    else if (text.find("\r\n") != std::string::npos)
        InsertMultiLineText(value, text, x1, y1, removed);
    else
        InsertSingleLineText(value, text, x1, y1, removed);
}

// Each row of the text goes into the next line down at the caret's column; lines are appended where the
// text runs past the last one.
void TVezCustomMemo::InsertBlockText(const std::string& normalised)
{
    std::vector<std::string> rows = SplitAtBreaks(normalised);
    if (rows.back().empty())
        rows.pop_back();
    const int first = FCurY;
    TVezMemoStrings& lines = *ActiveLines();
    const int oldCount = std::min(static_cast<int>(rows.size()), lines.Count() - first);
    const TAuthorLinesBefore before = CaptureAuthorLines(first, first + oldCount - 1);
    const TAuthorPos caret = AuthorPos(FCurX, FCurY);
    TFlagHolder<bool> keepBlanks(FKeepLineBlanks, true);
    std::vector<std::string> after;
    for (size_t i = 0; i < rows.size(); ++i) {
        const int line = first + static_cast<int>(i);
        const TLineText current = line < lines.Count() ? LineAt(line) : TLineText();
        TLineText s = PaddedTo(current, std::max(FCurX, static_cast<int>(current.size())));
        s.insert(static_cast<size_t>(FCurX), DecodeLine(rows[i]));
        after.push_back(EncodeLine(s));
    }
    ReplaceLines(first, oldCount, after);
    RecordAuthorLinesChange(before, caret);
    ClearSelection();
    Invalidate();
}

void TVezCustomMemo::InsertMultiLineText(const std::string& value, const std::string& normalised, int x1,
                                         int y1, bool linked)
{
    const std::vector<std::string> pieces = SplitAtBreaks(normalised);
    const TLineText line = PaddedTo(LineAt(y1), std::max(x1, LineLengthAt(y1)));
    const TLineText rest = Columns(line, x1);
    TVezMemoStrings& lines = *ActiveLines();
    const TAuthorPos start = AuthorPos(x1, y1);
    TFlagHolder<bool> keepBlanks(FKeepLineBlanks, true);
    // The text ends at the start of the author's line that its last piece begins.
    const TAuthorPos end{LineLength(pieces.back()), start.Y + static_cast<int>(pieces.size()) - 1};
    int x = 0, y = 0;
    {
        TFlagHolder<bool> noRefresh(FLetRefresh, false);
        PutLine(y1, Columns(line, 0, x1) + DecodeLine(pieces.front()));
        for (size_t k = 1; k + 1 < pieces.size(); ++k)
            lines.DoInsert(y1 + static_cast<int>(k), pieces[k]);
        const int lastLine = y1 + static_cast<int>(pieces.size()) - 1;
        lines.DoInsert(lastLine, pieces.back() + EncodeLine(rest));
        UpdateWrap();
        RowPos(end, x, y);
        FCurY = y;
        FCurX = x;
    }
    SetCurY(y);
    SetCurX(x);
    MakeCursorVisible();
    LinesChanged(this);
    UndoList()->Add(new TPasteUndo(start.X, start.Y, end.X, end.Y, value, linked));
    ClearSelection();
    Invalidate();
}

void TVezCustomMemo::InsertSingleLineText(const std::string& value, const std::string& text, int x1, int y1,
                                          bool linked)
{
    const TLineText inserted = DecodeLine(text);
    const TLineText line = PaddedTo(LineAt(y1), std::max(x1, LineLengthAt(y1)));
    int start = 0;
    TextFromPos(x1, y1, start);
    const TAuthorPos from = AuthorPos(x1, y1);
    TFlagHolder<bool> keepBlanks(FKeepLineBlanks, true);
    {
        TFlagHolder<bool> noRefresh(FLetRefresh, false);
        PutLine(y1, Columns(line, 0, x1) + inserted + Columns(line, x1));
        FCurY = y1;
        FCurX = x1 + static_cast<int>(inserted.size());
    }
    LinesChanged(this);
    UndoList()->Add(
        new TPasteUndo(from.X, from.Y, from.X + static_cast<int>(inserted.size()), from.Y, value, linked));
    if (FWordWrap != wwNone) {
        UpdateWrap();
        SetLeftCol(0);
        const int end = start + static_cast<int>(inserted.size());
        SetSelStart(end);
        SetSelLength(0);
        int x = 0, y = 0;
        PosFromText(end, x, y);
        SetCurY(y);
        SetCurX(x);
        return;
    }
    SetCurX(FCurX);
    ClearSelection();
    Invalidate();
}
