#include "controls/memo/undo_records.h"

#include "controls/memo/line_text.h"
#include "controls/memo/vez_custom_memo.h"

// --- TUndo
// --------------------------------------------------------------------------------------------------

TUndo::TUndo(int curX0, int curY0, int curX, int curY, const std::string& text)
    : FUndoCurX0(curX0), FUndoCurY0(curY0), FUndoCurX(curX), FUndoCurY(curY), FUndoText(text)
{}

bool TUndo::Append(TUndo*)
{
    return false;
}

bool TUndo::Refused(bool) const
{
    return !Memo->CanEdit();
}

bool TUndo::Continues(const TUndo* newUndo) const
{
    return typeid(*newUndo) == typeid(*this) && newUndo->FUndoCurX0 == FUndoCurX &&
           newUndo->FUndoCurY0 == FUndoCurY;
}

void TUndo::MoveCaret(int x, int y)
{
    Memo->SetCurY(y);
    Memo->SetCurX(x);
}

bool TUndo::Undo()
{
    if (!Memo || Refused(true))
        return false;
    if (FUndoCurY != -1)
        MoveCaret(FUndoCurX, FUndoCurY);
    PerformUndo();
    if (FUndoCurY != -1)
        MoveCaret(FUndoCurX0, FUndoCurY0);
    return true;
}

bool TUndo::Redo()
{
    if (!Memo || Refused(false))
        return false;
    if (FUndoCurY != -1)
        MoveCaret(FUndoCurX0, FUndoCurY0);
    PerformRedo();
    if (FUndoCurY != -1)
        MoveCaret(FUndoCurX, FUndoCurY);
    return true;
}

// --- typing
// ---------------------------------------------------------------------------------------------------

bool TInsertCharUndo::Append(TUndo* newUndo)
{
    if (!Continues(newUndo))
        return false;
    FUndoText += newUndo->UndoText();
    FUndoCurX = newUndo->UndoCurX();
    FUndoCurY = newUndo->UndoCurY();
    return true;
}

void TInsertCharUndo::PerformUndo()
{
    const TLineText text = DecodeLine(FUndoText);
    for (size_t i = text.size(); i-- > 0;) {
        const int x = Memo->CurX();
        const TLineText line = DecodeLine(Memo->ActiveLines()->Get(Memo->CurY()));
        const bool lineBreak = text[i] == U'\r' && x == 0;
        const bool typed =
            x > 0 && x <= static_cast<int>(line.size()) && line[static_cast<size_t>(x - 1)] == text[i];
        if (lineBreak || typed)
            Memo->DeleteCharLeft();
    }
}

void TInsertCharUndo::PerformRedo()
{
    for (const char32_t ch : DecodeLine(FUndoText)) {
        if (ch == U'\r') {
            Memo->NewLine();
            if (MarksNewLines())
                Memo->SetModifiedStateInt(Memo->CurY(), lmModified);
        } else {
            Memo->InsertChar(ch);
        }
    }
}

void TOverwriteCharUndo::Exchange()
{
    TVezMemoStrings& lines = *Memo->ActiveLines();
    if (FUndoCurY < 0 || FUndoCurY >= lines.Count() || FUndoText.empty())
        return;
    TLineText line = DecodeLine(lines.Get(FUndoCurY));
    if (FUndoCurX < 0 || FUndoCurX >= static_cast<int>(line.size()))
        return;
    TLineText kept = DecodeLine(FUndoText);
    std::swap(line[static_cast<size_t>(FUndoCurX)], kept[0]);
    FUndoText = EncodeLine(kept);
    lines.Put(FUndoCurY, EncodeLine(line));
    Memo->LinesChanged(nullptr);
}

// --- deleting
// -------------------------------------------------------------------------------------------------

bool TDeleteCharUndo::Append(TUndo* newUndo)
{
    const auto* other = dynamic_cast<const TDeleteCharUndo*>(newUndo);
    if (!Continues(newUndo) || other->FIsBackspace != FIsBackspace)
        return false;
    FUndoText = newUndo->UndoText() + FUndoText;
    FUndoCurX = newUndo->UndoCurX();
    FUndoCurY = newUndo->UndoCurY();
    return true;
}

void TDeleteCharUndo::PerformUndo()
{
    for (const char32_t ch : DecodeLine(FUndoText)) {
        if (!FIsBackspace)
            MoveCaret(FUndoCurX0, FUndoCurY0);
        if (ch == U'\r') {
            Memo->NewLine();
        } else {
            Memo->InsertChar(ch);
            Memo->Invalidate();
        }
    }
}

void TDeleteCharUndo::PerformRedo()
{
    for (size_t i = 0, n = DecodeLine(FUndoText).size(); i < n; ++i) {
        if (FIsBackspace)
            Memo->DeleteCharLeft();
        else
            Memo->DeleteChar(-1, -1);
    }
}

void TDeleteLineUndo::PerformUndo()
{
    TVezMemoStrings& lines = *Memo->ActiveLines();
    if (FEmptiedOnly && lines.Count() > 0)
        lines.Put(0, FUndoText);
    else
        lines.DoInsert(std::min(FUndoCurY0, lines.Count()), FUndoText);
    Memo->ClearSelection();
    Memo->LinesChanged(nullptr);
}

void TDeleteLineUndo::PerformRedo()
{
    Memo->DeleteLine();
}

// --- selections
// -----------------------------------------------------------------------------------------------

void TSelUndo::SetSelection(int startX, int startY, int endX, int endY)
{
    FUndoSelStartX = startX;
    FUndoSelStartY = startY;
    FUndoSelEndX = endX;
    FUndoSelEndY = endY;
}

void TSelUndo::SelectRecorded()
{
    Memo->SetSelectionEnds(FUndoSelStartX, FUndoSelStartY, FUndoSelEndX, FUndoSelEndY);
}

bool TDeleteBufUndo::Refused(bool undo) const
{
    return TUndo::Refused(undo) || (!undo && Memo->ReadOnly());
}

void TDeleteBufUndo::PerformUndo()
{
    Memo->ClearSelection();
    Memo->SetSelection(FUndoText);
    if (Memo->CanFocus())
        Memo->SetFocus();
    SelectRecorded();
    Memo->DoSelectionChange();
}

void TDeleteBufUndo::PerformRedo()
{
    SelectRecorded();
    Memo->DeleteSelectedText(true);
}

bool TPasteUndo::Refused(bool undo) const
{
    return TUndo::Refused(undo) || (undo && Memo->ReadOnly());
}

void TPasteUndo::PerformUndo()
{
    Memo->SetSelectionEnds(FUndoCurX0, FUndoCurY0, FUndoCurX, FUndoCurY);
    Memo->DeleteSelectedText(true);
}

void TPasteUndo::PerformRedo()
{
    Memo->ClearSelection();
    Memo->SetSelection(FUndoText);
}

// --- marks, modes and whole lines
// -----------------------------------------------------------------------------

void TModifiedUndo::PerformUndo()
{
    Memo->SetModifiedStateInt(FLineIndex, lmUnmodified);
}

void TModifiedUndo::PerformRedo()
{
    Memo->SetModifiedStateInt(FLineIndex, lmModified);
}

void TInsertOverwriteUndo::PerformUndo()
{
    Memo->SetOverwrite(FInsertMode);
}

void TInsertOverwriteUndo::PerformRedo()
{
    Memo->SetOverwrite(!FInsertMode);
}

TIndentUndo::TIndentUndo(int curX, int curY, int selFrom, int selTo, int indent, std::vector<int> lost)
    : TUndo(0, 0, 0, 0, ""), FIndent(indent), FSelRowFrom(selFrom), FSelRowTo(selTo), FLost(std::move(lost))
{
    FUndoCurX0 = curX;
    FUndoCurY0 = curY;
}

void TIndentUndo::PerformUndo()
{
    if (FIndent > 0) {
        Memo->BlockIndent(FSelRowFrom, FSelRowTo, -FIndent, false);
    } else {
        TVezMemoStrings& lines = *Memo->ActiveLines();
        for (size_t i = 0; i < FLost.size(); ++i) {
            const int line = FSelRowFrom + static_cast<int>(i);
            if (line < lines.Count() && FLost[i] > 0)
                lines.Put(line, std::string(static_cast<size_t>(FLost[i]), ' ') + lines.Get(line));
        }
        Memo->Invalidate();
    }
    MoveCaret(FUndoCurX0, FUndoCurY0);
}

void TIndentUndo::PerformRedo()
{
    Memo->BlockIndent(FSelRowFrom, FSelRowTo, FIndent, false);
    MoveCaret(FUndoCurX0, FUndoCurY0);
}

TCorrectUndo::TCorrectUndo(int lineNo, const std::string& undoLine)
    : TExchangeUndo(-1, -1, -1, -1, undoLine), FLineIndex(lineNo)
{}

void TCorrectUndo::Exchange()
{
    TVezMemoStrings& lines = *Memo->ActiveLines();
    if (FLineIndex < 0 || FLineIndex >= lines.Count())
        return;
    std::string previous = lines.Get(FLineIndex);
    lines.Put(FLineIndex, FUndoText);
    FUndoText = std::move(previous);
}

TBlockUndo::TBlockUndo(int curX0, int curY0, int curX, int curY, int first, std::vector<std::string> oldLines,
                       std::vector<std::string> newLines)
    : TUndo(curX0, curY0, curX, curY, ""), FFirst(first), FOld(std::move(oldLines)), FNew(std::move(newLines))
{}

void TBlockUndo::PerformUndo()
{
    Memo->ReplaceLines(FFirst, static_cast<int>(FNew.size()), FOld);
}

void TBlockUndo::PerformRedo()
{
    Memo->ReplaceLines(FFirst, static_cast<int>(FOld.size()), FNew);
}
