#include "controls/memo/vez_custom_memo.h"

#include "platform/gui/forms/hints.h"

// The tooltip over the memo: the application may choose it for the word or the token under the pointer,
// or for a gutter line, and may refuse it. Without handlers the memo's own Hint shows.

void TVezCustomMemo::CMHintShow(TMessage& message)
{
    THintInfo& info = *reinterpret_cast<THintInfo*>(message.LParam);
    int column = 0, row = 0;
    MouseToCursor(info.CursorPos.X, info.CursorPos.Y, column, row);
    const int x = FLeftCol + column;
    const int y = FTopLine + row;
    // The hint is asked for again once the pointer leaves this cell.
    info.CursorRect = CellRect(column, row);
    bool show = true;
    const int gutterWidth = FGutter->Visible() ? FGutter->GutterWidth() : 0;
    if (info.CursorPos.X > gutterWidth) {
        bool shown = false;
        if (OnHintForWord)
            shown = AskHoverHint(OnHintForWord, x, y, WordAtXY(x, y), info, show);
        if (!shown && OnHintForToken)
            AskHoverHint(OnHintForToken, x, y, TokenAtXY(x, y), info, show);
    } else if (OnHintForGutter) {
        std::string hint = Hint();
        OnHintForGutter(this, y, hint, show);
        if (show)
            info.HintStr = hint;
    }
    message.Result = show ? 0 : 1;
}

// Asks handler for the hint of value (a word or a token); true when it chose one.
bool TVezCustomMemo::AskHoverHint(const TMemoHintEvent& handler, int x, int y, const std::string& value,
                                  THintInfo& info, bool& show)
{
    if (value.empty())
        return false;
    std::string hint = value;
    handler(this, x, y, value, hint, show);
    if (show)
        info.HintStr = hint;
    return show;
}
