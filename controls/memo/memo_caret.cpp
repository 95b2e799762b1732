#include "controls/memo/vez_custom_memo.h"

#include "controls/memo/flag_holder.h"

#include <algorithm>

// The caret: the setters that keep it inside the text, the selection that follows it, and the moves the
// keys and the mouse make.

TLineText TVezCustomMemo::LineAt(int line) const
{
    const TVezMemoStrings& lines = *ActiveLines();
    return line >= 0 && line < lines.Count() ? DecodeLine(lines.Get(line)) : TLineText();
}

int TVezCustomMemo::LineLengthAt(int line) const
{
    const TVezMemoStrings& lines = *ActiveLines();
    if (line < 0 || line >= lines.Count())
        return 0;
    if (line < lines.ListLengths().Count())
        return lines.ListLengths().GetInteger(line);
    return LineLength(lines.Get(line));
}

void TVezCustomMemo::PutLine(int line, const TLineText& text)
{
    ActiveLines()->Put(line, EncodeLine(text));
}

void TVezCustomMemo::AddEmptyLineSilently()
{
    TFlagHolder<bool> silent(FDisableChange, true);
    ActiveLines()->Add("");
}

void TVezCustomMemo::SetCurX(int value)
{
    TVezMemoStrings& lines = *ActiveLines();
    if (value == FCurX && FAutoExpand)
        return;
    if (lines.Count() == 0 && !FAutoExpand)
        return;
    if (value < 0) {
        if (FCurY <= 0) {
            value = 0;
        } else {
            SetCurY(VisIndexToLineIndex(LineIndexToVisIndex(FCurY) - 1));
            value = LineLengthAt(FCurY);
        }
    }
    FCurX = value;
    if (FCurY >= 0 && FCurY < lines.Count()) {
        TFlagHolder<bool> noRefresh(FLetRefresh, false);
        const int length = LineLengthAt(FCurY);
        if (value > FMaxLength) {
            FLeftCol = std::max(value - VisiblePosCount(), 0);
            FMaxLength = value;
        } else {
            UpdateMaxLength();
        }
        if (value > length) {
            // A read-only memo keeps its text: the caret may stand beyond the end without padding it.
            if (!FAutoExpand)
                value = length;
            else if (!FReadOnly)
                PutLine(FCurY, LineAt(FCurY) + Spaces(value - length));
            Invalidate();
        }
    }
    FCurX = value;
    ApplyCursorUpdate();
    DoCursorChange();
    DoColumnChange(FCurX);
}

// What follows every caret assignment: the view follows the caret, the bars and the status are updated,
// the caret is placed again, and a parameter hint follows it.
void TVezCustomMemo::ApplyCursorUpdate()
{
    if (FLetCursorUpdate) {
        MakeCursorVisible();
        UpdateScrollBars(false);
        DoStatusChange();
        if (FCaretVisible)
            UpdateCaret(true);
    }
    if ((FAutoHintParameters == AutoHint::hpAuto && FAllowAutoHint) || (FHintForm && FHintForm->Visible()))
        ShowParameterHint();
}

void TVezCustomMemo::SetCurY(int value)
{
    const bool requested = value != FCurY;
    TVezMemoStrings& lines = *ActiveLines();
    if (lines.Count() == 0)
        AddEmptyLineSilently();
    value = std::clamp(value, 0, lines.Count() - 1);
    if (value == FCurY)
        return;
    const int left = FCurY;
    FCurY = value;
    if (FActiveLineSettings->ActiveLineAtCursor() && value != FActiveLine) {
        SetActiveLine(value);
        DoActiveLineChange(FCurY);
    }
    {
        TFlagHolder<bool> noRefresh(FLetRefresh, false);
        // The line left behind loses its trailing blanks, unless the memo is read-only: its user reads it.
        if (left >= 0 && left < lines.Count() && (FTrimTrailingSpaces || FWordWrap != wwNone) && !FReadOnly &&
            !FKeepLineBlanks) {
            const std::string trimmed = TrimmedLine(left, true);
            if (trimmed != lines.Get(left))
                lines.Put(left, trimmed);
        }
        HideParameterHint();
    }
    SetCurX(FCurX);
    ApplyCursorUpdate();
    if (requested)
        DoCursorChange();
    if (FGutter->LineNumberAt() != 1)
        InvalidateGutter();
    if (FShouldCheckCodeFolding) {
        AutoCodeFold();
        FShouldCheckCodeFolding = false;
        MakeCursorVisible();
        UpdateScrollBars(false);
    }
}

std::string TVezCustomMemo::TrimmedLine(int line, bool addUndo)
{
    const std::string s = ActiveLines()->Get(line);
    if (IsWrappedLine(line + 1))
        return s;
    const TLineText full = DecodeLine(s);
    const TLineText trimmed = TrimTrailingBlanks(full);
    if (addUndo && trimmed.size() != full.size()) {
        const int from = static_cast<int>(trimmed.size());
        const int to = static_cast<int>(full.size());
        const TAuthorPos end = AuthorPos(to, line);
        const TAuthorPos start = AuthorPos(from, line);
        auto* record = new TDeleteBufUndo(end.X, end.Y, start.X, start.Y, EncodeLine(Columns(full, from)));
        record->SetSelection(start.X, start.Y, end.X, end.Y);
        UndoList()->Add(record);
    }
    return EncodeLine(trimmed);
}

// --- selection ---------------------------------------------------------------------------------------------

void TVezCustomMemo::ClearSelection()
{
    const bool selected = FSelStartX != FSelEndX || FSelStartY != FSelEndY;
    FBlockSelection = TRect();
    FSelStartX = FSelEndX = FPrevSelX = FCurX;
    FSelStartY = FSelEndY = FPrevSelY = FCurY;
    if (selected) {
        DoSelectionChange();
        Invalidate();
    }
}

void TVezCustomMemo::ExtendSelection()
{
    FSelEndX = FPrevSelX = FCurX;
    FSelEndY = FPrevSelY = FCurY;
    DoSelectionChange();
    TFlagHolder<bool> selChange(FSelChange, true);
    Repaint();
}

void TVezCustomMemo::SetSelectionEnds(int startX, int startY, int endX, int endY)
{
    FSelStartX = startX;
    FSelStartY = startY;
    FSelEndX = FPrevSelX = endX;
    FSelEndY = FPrevSelY = endY;
    Invalidate();
}

bool TVezCustomMemo::ExtendsSelection(TShiftState shift) const
{
    return shift.Contains(ssShift) && FCurX == FPrevSelX && FCurY == FPrevSelY;
}

void TVezCustomMemo::FinishMove(bool extend)
{
    if (extend)
        ExtendSelection();
    else
        ClearSelection();
}

// --- moves -------------------------------------------------------------------------------------------------

void TVezCustomMemo::MoveCursor(int dx, int dy, TShiftState shift)
{
    const bool extend = ExtendsSelection(shift);
    if (shift.Contains(ssCtrl)) {
        if (dx > 0)
            WordRight();
        else if (dx < 0)
            WordLeft();
        FinishMove(extend);
        return;
    }
    if (dy != 0)
        SetCurY(VisIndexToLineIndex(LineIndexToVisIndex(FCurY) + dy));
    const bool withShift = shift.Contains(ssShift);
    if (FSelectionMode == smBlock && withShift) {
        SetCurX(FCurX + dx);
        FBlockSelection = Rect(std::min(FSelStartX, FCurX), std::min(FSelStartY, FCurY),
                               std::max(FSelStartX, FCurX), std::max(FSelStartY, FCurY));
        Repaint();
    } else if (withShift && FSelectSingleLine && !FAutoExpand) {
        SetCurX(std::clamp(FCurX + dx, 0, LineLengthAt(FCurY)));
        if (FSelEndY != FSelStartY)
            FSelStartY = FSelEndY;
    } else if (FAutoExpand || dx < 0 || dy != 0) {
        SetCurX(FCurX + dx);
    } else if (FCurX == LineLength(TrimmedLine(FCurY, false)) && FCurY < ActiveLines()->Count() - 1) {
        // Right at the end of a line's text goes on at the start of the next line (the last line's end
        // stays where it is).
        SetCurX(0);
        SetCurY(FCurY + 1);
    } else {
        SetCurX(FCurX + dx);
    }
    if (dy != 0 && dx == 0 && !FAutoExpand) {
        const int length = LineLength(TrimmedLine(FCurY, false));
        if (length < FCurX)
            SetCurX(length);
    }
    FinishMove(extend);
}

bool TVezCustomMemo::IsStylerDelimiter(char32_t ch) const
{
    const TVezCustomMemoStyler* styler = ActiveStyler();
    if (FUseStyler && styler)
        for (int i = 0; i < styler->AllStyles()->Count(); ++i) {
            const TElementStyle* element = styler->AllStyles()->GetItem(i);
            if (element->StyleType() == stSymbol)
                return element->SymbolChars().find(ch) != std::u32string::npos;
        }
    return ch == U' ';
}

void TVezCustomMemo::WordLeft()
{
    TFlagHolder<bool> noRefresh(FLetRefresh, false);
    SetCurX(FCurX - 1);
    const TLineText s = DecodeLine(TrimmedLine(FCurY, false));
    int x = FCurX;
    while (x > 0) {
        if (x > static_cast<int>(s.size()))
            break;
        const bool atSpace = x < static_cast<int>(s.size()) && s[static_cast<size_t>(x)] == U' ';
        if (IsStylerDelimiter(s[static_cast<size_t>(x - 1)]) && !atSpace)
            break;
        --x;
    }
    SetCurX(x);
}

void TVezCustomMemo::WordRight()
{
    TFlagHolder<bool> noRefresh(FLetRefresh, false);
    const TLineText s = DecodeLine(TrimmedLine(FCurY, false));
    const int length = static_cast<int>(s.size());
    int x = FCurX + 1;
    if (!FAutoExpand)
        x = std::min(x, LineLengthAt(FCurY));
    while (x < length) {
        if (IsStylerDelimiter(s[static_cast<size_t>(x - 1)]) && s[static_cast<size_t>(x)] != U' ')
            break;
        ++x;
    }
    if (x > length && FCurY < ActiveLines()->Count() - 1) {
        SetCurY(VisIndexToLineIndex(LineIndexToVisIndex(FCurY) + 1));
        SetCurX(0);
    } else {
        SetCurX(x);
    }
}

void TVezCustomMemo::MovePage(int direction, TShiftState shift)
{
    if (FCellSize.H == 0)
        return;
    const int oldTop = FTopLine;
    const bool extend = ExtendsSelection(shift);
    const TRect text = GetTextAreaRect();
    const int rows = text.Height() / FCellSize.H;
    const int count = ActiveLines()->Count();
    if (FCodeFolding->Enabled()) {
        SetCurY(VisIndexToLineIndex(LineIndexToVisIndex(FCurY) + direction * rows));
        SetTopLine(VisIndexToLineIndex(LineIndexToVisIndex(oldTop) + direction * rows));
    } else if (rows < count) {
        SetCurY(FCurY + direction * rows);
        SetTopLine(oldTop + direction * rows);
    } else {
        SetCurY(direction > 0 ? count - 1 : 0);
    }
    if (shift.Contains(ssCtrl)) {
        if (direction > 0) {
            SetCurY(ActiveLines()->Count() - 1);
            SetCurX(LineLengthAt(FCurY));
        } else {
            SetCurX(0);
            SetCurY(0);
        }
    }
    FinishMove(extend);
}

void TVezCustomMemo::MoveHome(TShiftState shift)
{
    if (shift.Contains(ssCtrl)) {
        SetCurX(0);
        SetCurY(0);
    }
    const bool extend = ExtendsSelection(shift);
    if (FEnhancedHomeKey) {
        const TLineText s = LineAt(FCurY);
        // Each press stops at the next word start to the left, and at column 0 stays there.
        int v = std::max(std::min(FCurX - 1, static_cast<int>(s.size())), 0);
        const auto isSpace = [&](int i) {
            return i < static_cast<int>(s.size()) && s[static_cast<size_t>(i)] == U' ';
        };
        while (v > 0 && !(isSpace(v - 1) && !isSpace(v)))
            --v;
        SetCurX(v);
        if (FCurX < FLeftCol)
            SetLeftCol(FCurX);
    } else {
        SetCurX(0);
        SetLeftCol(0);
    }
    FinishMove(extend);
}

void TVezCustomMemo::MoveEnd(TShiftState shift)
{
    if (shift.Contains(ssCtrl)) {
        SetCurY(ActiveLines()->Count() - 1);
        SetCurX(LineLengthAt(FCurY));
    }
    const bool extend = ExtendsSelection(shift);
    if (FAutoExpand)
        SetCurX(static_cast<int>(TrimTrailingBlanks(LineAt(FCurY)).size()));
    else
        SetCurX(LineLength(TrimmedLine(FCurY, false)));
    FinishMove(extend);
}
