#include "controls/memo/vez_custom_memo.h"

#include "controls/memo/flag_holder.h"
#include "platform/gui/windows/caret.h"
#include "platform/gui/windows/message_loop.h"
#include "support/utf8.h"

// The keyboard: which keys the memo takes from the window, and what each does. Key-down runs the cursor
// keys and the editing keys that have no character; the characters come after it (typed text, and the
// control characters of Ctrl+A, Ctrl+C, Enter, Ctrl+V and Ctrl+X). A read-only memo moves, selects, copies
// and undoes, and changes nothing else.

namespace {

constexpr char32_t CtrlA = 1;
constexpr char32_t CtrlC = 3;
constexpr char32_t Backspace = 8;
constexpr char32_t TabChar = 9;
constexpr char32_t Enter = 13;
constexpr char32_t CtrlV = 22;
constexpr char32_t CtrlX = 24;

bool IsArrow(uint16_t key)
{
    return key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN;
}

// The keys after which the caret is not brought back into view first.
bool IsMoveOrModifier(uint16_t key)
{
    return IsArrow(key) || key == VK_PRIOR || key == VK_NEXT || key == VK_HOME || key == VK_END ||
           key == VK_SHIFT || key == VK_CONTROL || key == VK_MENU;
}

bool IsWordEnd(char32_t key)
{
    return key == TabChar || key == Enter || key == U' ' || key == U'(' || key == U',' || key == U'.' ||
           key == U'=' || key == U'[';
}

} // namespace

void TVezCustomMemo::KeyDown(uint16_t& key, TShiftState shift)
{
    TCustomControl::KeyDown(key, shift);
    if (key == 0)
        return;
    FAutoCompleteTimer->SetEnabled(false);
    if (key != VK_CONTROL) {
        // Each key starts the blink again, the caret shown.
        FCaretTime = GetCaretBlinkTime();
        SetCaretBlinkTime(FCaretTime);
        if (!FHiddenCaret)
            UpdateCaret(true);
    }
    FLetShowAutoCompletion = true;
    FAllowAutoHint = !shift.Contains(ssCtrl);
    // While the completion list shows, the keys are its own (the memo keeps the focus for it).
    if (CompletionKeyDown(key, shift))
        return;
    if (!IsMoveOrModifier(key)) {
        SetCurX(FCurX);
        SetCurY(FCurY);
    }
    // A collapsed node shown as its caption keeps its text.
    const bool editsText =
        key == VK_BACK || key == VK_TAB || key == VK_SPACE || key == VK_INSERT || key == VK_DELETE;
    if (editsText && ShowsNodeCaption(FCurY))
        return;
    if (IsArrow(key))
        FShouldCheckCodeFolding = false;
    KeyDownCommand(key, shift);
    if (key == VK_INSERT)
        DoStatusChange();
}

void TVezCustomMemo::KeyDownCommand(uint16_t key, TShiftState shift)
{
    const bool ctrl = shift.Contains(ssCtrl);
    switch (key) {
    case VK_BACK:
        if (!shift.Contains(ssAlt))
            KeyCommand(VK_BACK, shift);
        else if (shift.Contains(ssShift))
            Redo();
        else
            Undo();
        break;
    case VK_TAB:
        TabKey(shift);
        break;
    case VK_ESCAPE:
    case VK_END:
    case VK_HOME:
    case VK_DELETE:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_INSERT:
        KeyCommand(key, shift);
        break;
    case VK_SPACE:
        if (shift == TShiftState{ssCtrl} && FAutoCompletion->Active()) {
            FLetShowAutoCompletion = false;
            CompletionShortcut();
        } else if (shift == TShiftState{ssCtrl, ssShift} && FAutoHintParameters != AutoHint::hpNone) {
            ShowParameterHint();
        }
        break;
    case VK_LEFT:
    case VK_RIGHT:
        MoveCursor(key == VK_LEFT ? -1 : 1, 0, shift);
        break;
    case VK_UP:
    case VK_DOWN:
        if (ctrl)
            ScrollLineKey(key == VK_UP ? -1 : 1);
        else
            MoveCursor(0, key == VK_UP ? -1 : 1, shift);
        break;
    default:
        if (ctrl)
            CtrlLetter(key, shift);
    }
}

void TVezCustomMemo::CtrlLetter(uint16_t key, TShiftState shift)
{
    switch (key) {
    case 'F':
        DoFind();
        break;
    case 'H':
        DoReplace();
        break;
    case 'S':
        DoSave();
        break;
    case 'Y':
        if (!FReadOnly)
            Redo();
        break;
    case 'Z':
        if (!shift.Contains(ssAlt))
            Undo();
        break;
    }
}

// Ctrl+Up and Ctrl+Down scroll a line, the caret staying in the view.
void TVezCustomMemo::ScrollLineKey(int direction)
{
    SetTopLine(FTopLine + direction);
    if (direction < 0 && FTopLine + VisibleLineCount() == FCurY)
        SetCurY(FCurY - 1);
    if (direction > 0 && FCurY < FTopLine)
        SetCurY(FTopLine);
}

// Tab indents the lines of a selection over several lines (Shift+Tab takes the indent back); otherwise it
// is typed.
void TVezCustomMemo::TabKey(TShiftState shift)
{
    int x1, y1, x2, y2;
    OrderedSelection(x1, y1, x2, y2);
    if (y1 == y2 || FReadOnly) {
        KeyCommand(VK_TAB, shift);
    } else {
        const int last = x2 == 0 ? y2 - 1 : y2;
        BlockIndent(y1, last, shift.Contains(ssShift) ? -FTabSize : FTabSize, true);
    }
    DoChange();
}

void TVezCustomMemo::KeyCommand(char32_t key, TShiftState shift)
{
    if (NavigationCommand(key, shift) || FReadOnly)
        return;
    EditingCommand(key, shift);
}

// The keys that act whatever ReadOnly says; true when key was one of them.
bool TVezCustomMemo::NavigationCommand(char32_t key, TShiftState shift)
{
    switch (key) {
    case CtrlC:
        DoClipboardCopy();
        return true;
    case VK_ESCAPE:
        return true;
    case VK_PRIOR:
    case VK_NEXT:
        MovePage(key == VK_PRIOR ? -1 : 1, shift);
        return true;
    case VK_END:
    case VK_HOME:
        HomeEndKey(key, shift);
        return true;
    case VK_INSERT:
        if (!shift.Contains(ssCtrl))
            return false;
        DoClipboardCopy();
        return true;
    default:
        return false;
    }
}

void TVezCustomMemo::HomeEndKey(char32_t key, TShiftState shift)
{
    if (ActiveLines()->Count() == 0) {
        FCurX = 0;
        return;
    }
    const int anchorX = FSelStartX, anchorY = FSelStartY;
    if (key == VK_END)
        MoveEnd(shift);
    else
        MoveHome(shift);
    // Ctrl+Shift+End and Ctrl+Shift+Home select from the anchor to the end or the start of the text.
    if (shift.Contains(ssCtrl) && shift.Contains(ssShift)) {
        FSelStartX = anchorX;
        FSelStartY = anchorY;
        Repaint();
        DoSelectionChange();
    }
}

// The keys that change the text; a read-only memo never gets here.
void TVezCustomMemo::EditingCommand(char32_t key, TShiftState shift)
{
    const bool hasLines = ActiveLines()->Count() > 0;
    switch (key) {
    case CtrlA:
        SelectAll();
        break;
    case VK_BACK:
        if (CanEdit() && hasLines)
            BackspaceKey(shift);
        break;
    case VK_TAB:
        InsertTab(shift);
        SetModifiedStateInt(FCurY, lmModified);
        break;
    case Enter:
        DeleteSelectedText(true);
        NewLine();
        SetModifiedStateInt(FCurY, lmModified);
        break;
    case CtrlV:
        DoClipboardPaste();
        break;
    case CtrlX:
        CutToClipBoard();
        SetModifiedStateInt(FCurY, lmModified);
        break;
    case VK_INSERT:
        if (shift.Contains(ssShift))
            DoClipboardPaste();
        else
            ToggleOverwrite();
        break;
    case VK_DELETE:
        if (hasLines)
            DeleteKey(shift);
        break;
    }
}

bool TVezCustomMemo::HasSelection() const
{
    return FSelStartX != FSelEndX || FSelStartY != FSelEndY;
}

void TVezCustomMemo::PadCaretLine()
{
    if (FCurY < ActiveLines()->Count() && LineLengthAt(FCurY) < FCurX)
        PutLine(FCurY, PaddedTo(LineAt(FCurY), FCurX));
}

void TVezCustomMemo::BackspaceKey(TShiftState shift)
{
    if (shift.Contains(ssCtrl)) {
        DeleteWordLeft();
    } else if (FDelErase && HasSelection()) {
        DeleteSelectedText(true);
    } else {
        // Column 0 of a wrapped row follows the row before it without a line break: one character goes.
        PadCaretLine();
        DeleteCharLeft();
    }
    SetModifiedStateInt(FCurY, lmModified);
    AfterEdit();
}

void TVezCustomMemo::DeleteKey(TShiftState shift)
{
    if (shift.Contains(ssShift)) {
        CutToClipBoard();
    } else if (FDelErase && HasSelection()) {
        TFlagHolder<bool> expand(FAutoExpand, true);
        DeleteSelectedText(true);
    } else {
        PadCaretLine();
        DeleteChar(-1, -1);
    }
    SetModifiedStateInt(FCurY, lmModified);
    FSelEndX = FCurX;
    FSelEndY = FCurY;
}

void TVezCustomMemo::ToggleOverwrite()
{
    bool allow = true;
    if (OnOverwriteToggle)
        OnOverwriteToggle(this, allow);
    if (!allow)
        return;
    TVezUndoList& undo = *UndoList();
    const int count = undo.Count();
    const auto isToggle = [&undo](int index) { return dynamic_cast<TInsertOverwriteUndo*>(undo.Get(index)); };
    if (count > 0 && !(count >= 2 && isToggle(count - 1) && isToggle(count - 2)))
        undo.Add(new TInsertOverwriteUndo(FOverwrite));
    SetOverwrite(!FOverwrite);
}

void TVezCustomMemo::KeyPress(char32_t& key)
{
    if (key == CtrlC)
        KeyCommand(CtrlC, {});
    if (FReadOnly || !CanEdit() || (CompletionListShowing() && !FLetShowAutoCompletion))
        return;
    if (CompletionListShowing()) {
        CompletionKeyPress(key);
        return;
    }
    if (key != Enter && ShowsNodeCaption(FCurY))
        return;
    FShouldCheckCodeFolding = true;
    TCustomControl::KeyPress(key);
    if (key == 0)
        return;
    if (IsWordEnd(key))
        WordEnd(key);
    if ((key >= 32 && key <= 126) || key >= 128) {
        TypeCharacter(key);
    } else if (key != CtrlC && key != Backspace && key != TabChar) {
        KeyCommand(key, {});
    }
    CheckCompletionTrigger(key);
}

// What ends a word first: Enter on an empty memo gives it its line, and auto-correction replaces the word
// left of the caret before the character goes in.
void TVezCustomMemo::WordEnd(char32_t key)
{
    if (key == Enter && ActiveLines()->Count() == 0)
        AddEmptyLineSilently();
    if (key == Enter && FCurX == 0 && TrimTrailingBlanks(LineAt(FCurY)).empty())
        FShouldCheckCodeFolding = false;
    RunChecker(key);
    const TAutoCorrect& correct = *FAutoCorrect;
    if (!OnWordComplete && !(correct.Active() && correct.OldValue()->Count() > 0))
        return;
    const std::string word = WordAtCursor();
    if (word.empty())
        return;
    std::string replacement = word;
    for (int i = 0; i < correct.OldValue()->Count(); ++i)
        if (correct.OldValue()->Get(i) == word) {
            if (i < correct.NewValue()->Count())
                replacement = correct.NewValue()->Get(i);
            break;
        }
    if (OnWordComplete)
        OnWordComplete(this, word, replacement);
    if (replacement != word)
        ReplaceWordLeftOfCaret(word, replacement);
}

void TVezCustomMemo::ReplaceWordLeftOfCaret(const std::string& word, const std::string& replacement)
{
    const int start = std::max(FCurX - LineLength(word), 0);
    const TAuthorPos line = AuthorPos(0, FCurY);
    UndoList()->Add(new TCorrectUndo(line.Y, AuthorLineText(ParagraphStart(FCurY))));
    const TLineText s = LineAt(FCurY);
    PutLine(FCurY, Columns(s, 0, start) + DecodeLine(replacement) + Columns(s, FCurX));
    SetCurX(FCurX + LineLength(replacement) - LineLength(word));
}

void TVezCustomMemo::TypeCharacter(char32_t key)
{
    const std::optional<TTypingView> before = CaptureTypingView();
    if (FDelErase && HasSelection())
        DeleteSelectedText(true);
    if (FCharCase == ecUpperCase)
        key = UnicodeUpper(key);
    else if (FCharCase == ecLowerCase)
        key = UnicodeLower(key);
    InsertChar(key);
    SetModifiedStateInt(FCurY, lmModified);
    TFlagHolder<std::optional<std::pair<int, int>>> changed(FChangedRows,
                                                            before ? RetypedRows(*before) : std::nullopt);
    if (FChangedRows)
        InvalidateRows(FChangedRows->first, FChangedRows->second);
    else
        InvalidateClient();
    DoChange();
}

void TVezCustomMemo::CheckCompletionTrigger(char32_t key)
{
    if (IsCompletionStartKey(key) && FAutoCompletion->Active())
        FAutoCompleteTimer->SetEnabled(true);
    else if (IsHintStartKey(key) && FAutoHintParameters != AutoHint::hpNone)
        PostMessage(Handle(), WM_SHOWPARAMETERHINT, 0, 0); // once the character is in
}

void TVezCustomMemo::KeyUp(uint16_t& key, TShiftState shift)
{
    SetCaretBlinkTime(FCaretTime);
    if (!FHiddenCaret)
        UpdateCaret(true);
    TCustomControl::KeyUp(key, shift);
}

void TVezCustomMemo::DoFind()
{
    if (OnFind)
        OnFind(this);
}

void TVezCustomMemo::DoReplace()
{
    if (OnReplace)
        OnReplace(this);
}
