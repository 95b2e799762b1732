#include "controls/memo/vez_custom_memo.h"

#include "controls/memo/memo_source.h"
#include "controls/memo/memo_source_checker.h"

#include <algorithm>

// The memo's side of a memo source (the document it shows instead of its own while one is set) and of a
// checker of the typed lines and words.

TVezMemoStrings* TVezCustomMemo::ActiveLines() const
{
    return FMemoSource ? FMemoSource->Lines() : FLines.get();
}

TVezCustomMemoStyler* TVezCustomMemo::ActiveStyler() const
{
    return FMemoSource ? FMemoSource->SyntaxStyler() : FInternalStyles;
}

TVezUndoList* TVezCustomMemo::UndoList() const
{
    return FMemoSource ? FMemoSource->UndoList() : FUndoList.get();
}

void TVezCustomMemo::SetMemoSource(TVezMemoSource* value)
{
    if (value == FMemoSource)
        return;
    // A source another memo has taken since stays with that memo.
    if (FMemoSource) {
        if (FMemoSource->Memo() == this)
            FMemoSource->AttachMemo(nullptr);
        FMemoSource->RemoveFreeNotification(this);
    }
    FMemoSource = value;
    if (value) {
        value->FreeNotification(this);
        if (!ComponentState().Contains(csLoading) && !ComponentState().Contains(csDesigning))
            AttachSource();
        ExpandSourceTabs();
    } else {
        SetCurY(FCurY); // back within the memo's own lines
    }
    UpdateMaxLength();
    UpdateScrollBars(true);
    Invalidate();
}

void TVezCustomMemo::AttachSource()
{
    FMemoSource->AttachMemo(this);
    const int count = FMemoSource->Lines()->Count();
    if (count <= FTopLine || count <= FCurY) {
        SetTopLine(0);
        SetCurX(0);
        SetCurY(0);
    }
}

// The document's lines hold no tabs: each becomes TabSize spaces.
void TVezCustomMemo::ExpandSourceTabs()
{
    TVezMemoStrings& lines = *FMemoSource->Lines();
    const std::string spaces(static_cast<size_t>(std::max(FTabSize, 0)), ' ');
    for (int i = 0; i < lines.Count(); ++i) {
        std::string line = lines.Get(i);
        if (line.find('\t') == std::string::npos)
            continue;
        for (size_t at = line.find('\t'); at != std::string::npos; at = line.find('\t', at + spaces.size()))
            line.replace(at, 1, spaces);
        lines.Put(i, line);
    }
}

// The memo is going: its source keeps the memo's view, and no link back to the memo.
void TVezCustomMemo::DetachMemoSource()
{
    if (FMemoSource && FMemoSource->Memo() == this)
        FMemoSource->AttachMemo(nullptr);
}

void TVezCustomMemo::SourceNotification(TComponent* component, TOperation operation)
{
    if (operation != opRemove || !component)
        return;
    if (component == FMemoSource) {
        FMemoSource = nullptr;
        SetCurY(FCurY);
        UpdateMaxLength();
        Invalidate();
    }
    if (component == FMemoChecker)
        FMemoChecker = nullptr;
}

void TVezCustomMemo::GetSavePos(TVezMemoSavePos& pos) const
{
    pos = {FCurX, FCurY, FLeftCol, FTopLine, FSelStartX, FSelStartY, FSelEndX, FSelEndY};
}

void TVezCustomMemo::SetSavePos(const TVezMemoSavePos& pos)
{
    FCurX = pos.CurX;
    FCurY = pos.CurY;
    FLeftCol = pos.LeftCol;
    FTopLine = pos.TopLine;
    FSelStartX = pos.SelStartX;
    FSelStartY = pos.SelStartY;
    FSelEndX = pos.SelEndX;
    FSelEndY = pos.SelEndY;
    if (FCaretVisible)
        UpdateCaret(true);
    UpdateScrollBars(true);
}

void TVezCustomMemo::LinkStylerStyles(TVezCustomMemoStyler* styler, bool link)
{
    if (link)
        styler->AllStyles()->FOwner = this;
    else if (styler->AllStyles()->FOwner == this)
        styler->AllStyles()->FOwner = nullptr;
}

void TVezCustomMemo::SetMemoChecker(TVezMemoChecker* value)
{
    if (value == FMemoChecker)
        return;
    if (FMemoChecker)
        FMemoChecker->RemoveFreeNotification(this);
    FMemoChecker = value;
    if (!value)
        return;
    value->FreeNotification(this);
    // The checker works on the memo that calls it.
    if (!value->Memo) {
        value->Memo = this;
        FreeNotification(value);
    }
}

// The checker's turn when a word-ending character is typed, before the character goes in.
void TVezCustomMemo::RunChecker(char32_t key)
{
    if (!FMemoChecker)
        return;
    TVezMemoChecker& checker = *FMemoChecker;
    const TAutoCorrectType type = checker.AutoCorrectType;
    if (key == U'\r') {
        if (type == acLineCorrect && ActiveLines()->Count() > 0) {
            checker.CorrectLine(FCurY);
            SetCurX(LineLengthAt(FCurY));
        } else if (type == acLineCheck) {
            checker.CheckLine(FCurY);
        } else if (type == acWordCheck) {
            checker.CheckWord(FCurY, FCurX, WordTillCursor());
        } else if (type == acWordCorrect) {
            CorrectWordBeforeCaret(checker);
        }
        return;
    }
    if ((key == U'\t' || key == U' ') && !WordTillCursor().empty()) {
        if (type == acWordCorrect)
            CorrectWordBeforeCaret(checker);
        else if (type == acWordCheck)
            checker.CheckWord(FCurY, FCurX, WordTillCursor());
    }
}

void TVezCustomMemo::CorrectWordBeforeCaret(TVezMemoChecker& checker)
{
    const std::string word = WordTillCursor();
    std::string replacement = word;
    checker.CorrectWord(FCurY, FCurX, replacement);
    if (replacement != word)
        ReplaceWordLeftOfCaret(word, replacement);
}
