#include "controls/grid/list_popup6.h"

#include "controls/grid/edit6.h"
#include "platform/gui/core/strings.h"
#include "platform/gui/windows/message_views.h"
#include "platform/gui/windows/window_functions.h"

TGxListPopupControl6::TGxListPopupControl6(TComponent* owner) : TGxEditPopupControl6(owner) {}

void TGxListPopupControl6::ScrollIntoView(int index)
{
    TGxScrollBar6& bar = *VertScrollBar();
    const int first = bar.Position();
    if (index < first)
        bar.MoveBy(index - first);
    else if (index > first + PageItemCount() - 1)
        bar.SetPosition(index - DropDownCount() + 1);
}

bool TGxListPopupControl6::DrawItem(int index, const TRect& rect, TOwnerDrawState state)
{
    IGxStringsControl* owner = StringsOwner();
    return owner ? owner->DrawItem(index, rect, state) : true;
}

void TGxListPopupControl6::Paint()
{
    Canvas()->SetFont(Font());
}

// Paging is the same both ways: to the first (last) visible item when the selection is not on it, else a
// page further; always inside the list.
void TGxListPopupControl6::KeyDown(uint16_t& key, TShiftState shift)
{
    TGxEditPopupControl6::KeyDown(key, shift);
    const int first = VertScrollBar()->Position();
    const int last = first + PageItemCount() - 1;
    const int index = ItemIndex();
    if (key == VK_PRIOR)
        SetItemIndex(std::max(index > first ? first : index - PageItemCount(), 0));
    else if (key == VK_NEXT)
        SetItemIndex(std::min(index < last ? last : index + PageItemCount(), Count() - 1));
}

// --- the strings of a combo box ----------------------------------------------------------------------------

TGxStringsPopupControl6::TGxStringsPopupControl6(TComponent* owner) : TGxListPopupControl6(owner)
{
    SetScrollBars(sbVertical);
    SetBounds(0, 0, 200, 200);
}

int TGxStringsPopupControl6::Count() const
{
    TStrings* items = Items();
    return items ? items->Count() : 0;
}

int TGxStringsPopupControl6::DropDownCount() const
{
    IGxStringsControl* owner = StringsOwner();
    return owner ? owner->DropDownCount() : 0;
}

int TGxStringsPopupControl6::ItemHeight() const
{
    IGxStringsControl* owner = StringsOwner();
    return std::max(owner ? owner->ItemHeight() : 1, 1);
}

int TGxStringsPopupControl6::ItemIndex() const
{
    IGxStringsControl* owner = StringsOwner();
    return owner ? owner->ItemIndex() : -1;
}

void TGxStringsPopupControl6::SetItemIndex(int value)
{
    if (IGxStringsControl* owner = StringsOwner())
        owner->SelectItem(value, true);
}

TStrings* TGxStringsPopupControl6::Items() const
{
    IGxStringsControl* owner = StringsOwner();
    return owner ? owner->Items() : nullptr;
}

int TGxStringsPopupControl6::ItemAt(int y) const
{
    return VertScrollBar()->Position() + y / ItemHeight();
}

TRect TGxStringsPopupControl6::ItemRect(int index) const
{
    const int top = (index - VertScrollBar()->Position()) * ItemHeight();
    return {0, top, ClientWidth(), top + ItemHeight()};
}

void TGxStringsPopupControl6::SetHotIndex(int index)
{
    if (index == hotIndex_)
        return;
    for (const int item : {hotIndex_, index}) {
        if (item < 0 || item >= Count() || !HandleAllocated())
            continue;
        const TRect r = ItemRect(item);
        InvalidateRect(Handle(), &r, false);
    }
    hotIndex_ = index;
}

// As wide as the list width (or the edit), as high as the items of a page (2 pixels without items).
void TGxStringsPopupControl6::BeforePopup()
{
    IGxStringsControl* owner = StringsOwner();
    const int listWidth = owner ? owner->ListWidth() : 0;
    const TGxCustomEdit6* edit = Edit();
    SetWidth(listWidth > 0 ? listWidth : edit ? edit->Width() : Width());
    if (Count() == 0) {
        SetClientHeight(2);
        return;
    }
    SetClientHeight(ItemHeight() * PageItemCount());
    UpdateScrollBar();
    VertScrollBar()->SetPosition(ItemIndex() - DropDownCount() + 1);
    hotIndex_ = ItemIndex();
}

void TGxStringsPopupControl6::AfterPopup()
{
    UpdateScrollBar();
}

void TGxStringsPopupControl6::UpdateScrollBar()
{
    VertScrollBar()->SetValues(Count() - 1, PageItemCount());
}

void TGxStringsPopupControl6::SyncSelection()
{
    hotIndex_ = ItemIndex();
    ScrollIntoView(ItemIndex());
    Repaint();
}

void TGxStringsPopupControl6::Paint()
{
    TGxListPopupControl6::Paint();
    if (Count() == 0) {
        FillRectColor(ClientRect(), clNone);
        return;
    }
    for (int index = VertScrollBar()->Position(), y = 0; index < Count() && y <= ClientHeight(); ++index) {
        const TOwnerDrawState state =
            index == hotIndex_ ? TOwnerDrawState{odSelected, odHotLight} : TOwnerDrawState{};
        DrawItem(index, {0, y, ClientWidth(), y + ItemHeight()}, state);
        y += ItemHeight();
    }
}

void TGxStringsPopupControl6::DoContentScroll(int, int dy)
{
    const TRect client = ClientRect();
    ScrollContent(0, -ItemHeight() * dy, client, client);
}

void TGxStringsPopupControl6::ScrollContent(int dx, int dy, const TRect& scrollRect, const TRect& clipRect)
{
    if (HandleAllocated())
        ScrollWindowEx(Handle(), dx, dy, &scrollRect, &clipRect, nullptr, nullptr, SW_INVALIDATE);
}

void TGxStringsPopupControl6::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case WM_MOUSEMOVE:
        if (const TPoint p = TMouseView(message).Pos; PtInRect(ClientRect(), p))
            SetHotIndex(ItemAt(p.Y));
        break;
    case WM_LBUTTONUP:
        // The choice first; the general handling closes the popup then.
        if (const TPoint p = TMouseView(message).Pos;
            PtInRect(ClientRect(), p) && !PopupState().Contains(psClosing))
            SetItemIndex(ItemAt(p.Y));
        break;
    }
    TGxListPopupControl6::Dispatch(message);
}
