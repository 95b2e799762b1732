// The combo box's edit part: every message of the edit passes here before the edit handles it. Clicks
// there are the combo's mouse events, Enter may act as Tab, Tab closes an open list keeping the highlighted
// item and moves on, and the empty text is drawn over the empty edit.

#include "controls/edits/combo_box.h"

#include "platform/gui/graphics/gdi.h"
#include "platform/gui/windows/message_views.h"
#include "platform/gui/windows/window_functions.h"

void TVezCustomCombo::EditWndProc(TMessage& message)
{
    if (EditPartBeforeDefault(message))
        return;
    if (message.Msg == WM_LBUTTONDOWN || message.Msg == WM_LBUTTONUP)
        FireMouseEvent(message);
    TCustomComboBox::EditWndProc(message);
    EditPartAfterDefault(message);
}

// The messages the edit part never sees; true when the message was taken.
bool TVezCustomCombo::EditPartBeforeDefault(TMessage& message)
{
    TCustomEdit* edit = EditControl();
    switch (message.Msg) {
    case WM_LBUTTONDOWN:
        // A click into the empty edit that shows its hint while focused only focuses it.
        if (!emptyText_.empty() && emptyTextFocused_ && edit->Text().empty()) {
            edit->SetFocus();
            edit->Invalidate();
            message.Result = 1;
            return true;
        }
        return false;
    case WM_CHAR: {
        const char32_t ch = TCharView(message).Char();
        if ((ch == U'\r' && returnIsTab_) || (ch == U'\t' && DroppedDown())) {
            message.Result = 1;
            return true;
        }
        return false;
    }
    default:
        return false;
    }
}

void TVezCustomCombo::EditPartAfterDefault(TMessage& message)
{
    const HWND combo = HandleAllocated() ? Handle() : nullptr;
    switch (message.Msg) {
    case WM_KEYUP: {
        const TKeyView key(message);
        if (key.Key() == VK_TAB && key.Data().PreviousDown && DroppedDown() && Style() != csSimple) {
            // The list closes on the item it shows and the focus moves on.
            const int index = ItemIndex();
            PostMessage(combo, CB_SHOWDROPDOWN, 0, 0);
            PostMessage(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
            PostMessage(combo, WM_KEYDOWN, VK_TAB, 0);
            message.Result = 1;
        } else if (returnIsTab_ && gotReturn_) {
            gotReturn_ = false;
            if (key.Key() == VK_RETURN) {
                PostMessage(combo, WM_KEYDOWN, VK_TAB, 0);
                message.Result = 1;
            }
        }
        return;
    }
    case WM_KEYDOWN: {
        const uint16_t key = TKeyView(message).Key();
        gotReturn_ = key == VK_RETURN;
        if (key == VK_TAB && DroppedDown())
            message.Result = 1;
        return;
    }
    case WM_PAINT:
    case WM_PRINTCLIENT:
        if (HDC dc = TPaintView(message).DC)
            DrawEmptyText(dc);
        return;
    default:
        return;
    }
}

// The edit part's left button is the combo's, at the point in the edit part.
void TVezCustomCombo::FireMouseEvent(const TMessage& message)
{
    const TMouseEvent& event = message.Msg == WM_LBUTTONDOWN ? OnMouseDown : OnMouseUp;
    if (!event)
        return;
    TShiftState shift;
    if (message.WParam & MK_SHIFT)
        shift.Include(ssShift);
    if (message.WParam & MK_CONTROL)
        shift.Include(ssCtrl);
    const auto lParam = static_cast<uintptr_t>(message.LParam);
    event(this, mbLeft, shift, LOWORD(lParam), HIWORD(lParam));
}

void TVezCustomCombo::DrawEmptyText(HDC dc)
{
    TCustomEdit* edit = EditControl();
    if (emptyText_.empty() || !edit->Text().empty() || (!emptyTextFocused_ && edit->Focused()))
        return;
    TCanvas& canvas = *dc;
    const int saved = SaveDC(canvas);
    canvas.SetFont(Font());
    canvas.Font()->SetColor(clGray);
    canvas.Font()->SetStyle(emptyTextStyle_);
    SetBkMode(canvas, TRANSPARENT);
    canvas.TextOut(3, 1, emptyText_);
    RestoreDC(canvas, saved);
}
