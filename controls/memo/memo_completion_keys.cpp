#include "controls/memo/vez_custom_memo.h"

#include "support/utf8.h"

// The keys while the completion list shows. The memo keeps the focus, so its key handlers pass every key
// here first: keys that move in the list go to the list, Delete deletes in the memo, and the characters
// (Enter, Tab, Escape, Backspace among them) choose, close or filter.

namespace {

constexpr char32_t Backspace = 8;
constexpr char32_t TabChar = 9;
constexpr char32_t Enter = 13;
constexpr char32_t Escape = 27;

} // namespace

// Every key-down belongs to the list while it shows; the characters of Enter, Tab, Escape and Backspace
// follow as characters.
bool TVezCustomMemo::CompletionKeyDown(uint16_t key, TShiftState)
{
    if (!CompletionListShowing())
        return false;
    switch (key) {
    case VK_DELETE:
        if (!FReadOnly)
            DeleteChar(-1, -1);
        break;
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_HOME:
    case VK_END:
        FListCompletion->MoveByKey(key);
        break;
    }
    return true;
}

void TVezCustomMemo::CompletionKeyPress(char32_t key)
{
    if (key == Enter) {
        InsertAutoCompletion(true);
    } else if (key == TabChar || key == Escape) {
        HideAutoCompletion();
        UpdateCaret(true);
    } else if (key == U' ') {
        InsertAutoCompletion(true);
        if (IsCompletionAcceptChar(key))
            TypeCharacter(key);
    } else if (key == Backspace) {
        CompletionBackspace();
    } else if (IsCompletionWordChar(key)) {
        TypeCharacter(key);
        FilterCompletionByTypedWord();
        Repaint();
    } else if (IsCompletionAcceptChar(key)) {
        InsertAutoCompletion(false);
        TypeCharacter(key);
        CheckCompletionTrigger(key);
    } else {
        if (OnCancelAutoCompletion)
            OnCancelAutoCompletion(this);
        HideAutoCompletion();
        UpdateCaret(true);
    }
}

void TVezCustomMemo::CompletionBackspace()
{
    if (FReadOnly)
        return;
    DeleteCharLeft();
    if (FAutoCompleteDot) {
        const std::string word = FullWordAtCursor();
        if (word.find_first_of(".)") == std::string::npos) {
            HideAutoCompletion();
            return;
        }
    }
    FilterCompletionByTypedWord();
}

// Filters by what has been typed: since the start character when the list opened after one, else the
// whole word at the caret.
void TVezCustomMemo::FilterCompletionByTypedWord()
{
    const std::string word = FAutoCompleteDot ? WordAtXY(FDotPoint.X, FDotPoint.Y) : FullWordAtCursor();
    UpdateAutoCompletion(AsciiUpperCase(word));
}
