#include "controls/grid/combo_box6.h"

#include "controls/grid/flag_scope.h"
#include "controls/grid/text_drawing.h"

TGxComboBox6::TGxComboBox6(TComponent* owner)
    : TGxDropDownEdit6(owner), items_(std::make_unique<TGxStringList>())
{
    items_->OnChange = [this](TObject*) { DoItemsChange(); };
}

TGxComboBox6::~TGxComboBox6()
{
    items_->OnChange = nullptr;
}

std::string TGxComboBox6::GetDisplayText(int index) const
{
    const std::string line = items_->Strings(index);
    const size_t equals = line.find('=');
    if (displayMode_ == dmDefault || equals == std::string::npos)
        return line;
    return displayMode_ == dmNameList ? line.substr(0, equals) : line.substr(equals + 1);
}

void TGxComboBox6::WriteText(const std::string& text)
{
    const TFlagScope updating(updatingIndex_);
    SetText(text);
}

// --- selection ---------------------------------------------------------------------------------------------

void TGxComboBox6::SetItemIndex(int value)
{
    if (updatingIndex_)
        return;
    if (value == -1 && itemIndex_ != -1) {
        itemIndex_ = -1;
        if (PopupControl())
            PopupControl()->SyncSelection();
        Invalidate();
        return;
    }
    SelectItem(value, false);
}

void TGxComboBox6::SelectItem(int index, bool notify)
{
    if (index < 0 || index >= Count() || index == itemIndex_)
        return;
    itemIndex_ = index;
    WriteText(GetDisplayText(index));
    if (DroppedDown() && PopupControl()) {
        PopupControl()->SyncSelection();
        Invalidate();
    }
    if (notify)
        DoSelect();
}

void TGxComboBox6::DoItemsChange()
{
    itemIndex_ = -1;
    if (Style() == dsDropDownList)
        WriteText("");
}

// A text of the user's selects the line it equals (any letter case) in the default display, else nothing.
void TGxComboBox6::Change()
{
    TGxDropDownEdit6::Change();
    if (updatingIndex_)
        return;
    SetItemIndex(displayMode_ == dmDefault ? items_->IndexOf(Text()) : -1);
}

// --- the list ----------------------------------------------------------------------------------------------

TGxPopupControl6* TGxComboBox6::CreatePopupControl()
{
    return new TGxStringsPopupControl6(this);
}

TCanvas* TGxComboBox6::ListCanvas() const
{
    return PopupControl() ? PopupControl()->Canvas() : nullptr;
}

bool TGxComboBox6::DrawItem(int index, const TRect& rect, TOwnerDrawState state)
{
    TCanvas* canvas = ListCanvas();
    if (!canvas)
        return true;
    if (drawingOptions_.Contains(ItemDrawing::doBackground)) {
        const bool selected = state.Contains(odSelected);
        canvas->Font()->SetColor(selected ? selectionTextColor_ : clWindowText);
        canvas->Brush()->SetStyle(bsSolid);
        canvas->Brush()->SetColor(selected ? selectionColor_ : Color());
        canvas->FillRect(rect);
    }
    if (drawingOptions_.Contains(ItemDrawing::doContent))
        DrawItemContent(index, rect, state);
    if (drawingOptions_.Contains(ItemDrawing::doCustom))
        DoDrawItem(index, rect, state);
    return true;
}

void TGxComboBox6::DrawItemContent(int index, const TRect& rect, TOwnerDrawState)
{
    TRect text = rect;
    text.Left += 2;
    DrawTextInRect(*ListCanvas(), text, itemsAlignment_, taVerticalCenter, GetDisplayText(index),
                   TextWrap::twNone, false);
}

void TGxComboBox6::DoDrawItem(int index, const TRect& rect, TOwnerDrawState state)
{
    if (OnDrawItem)
        OnDrawItem(ListCanvas(), index, rect, state);
}

// --- keys and the wheel ------------------------------------------------------------------------------------

void TGxComboBox6::KeyDown(uint16_t& key, TShiftState shift)
{
    TGxDropDownEdit6::KeyDown(key, shift);
    if (shift.Contains(ssAlt))
        return;
    switch (key) {
    case VK_END:
        SelectItem(Count() - 1, true);
        break;
    case VK_HOME:
        SelectItem(0, true);
        break;
    case VK_UP:
        SelectItem(itemIndex_ - 1, true);
        break;
    case VK_DOWN:
        SelectItem(itemIndex_ + 1, true);
        break;
    case VK_PRIOR:
    case VK_NEXT:
        if (DroppedDown() && PopupControl())
            PopupControl()->HandleKey(key, shift);
        break;
    }
}

// While the list is down a notch scrolls it a line; otherwise it moves the selection (without OnSelect).
void TGxComboBox6::WheelStep(int step)
{
    if (auto* list = dynamic_cast<TGxListPopupControl6*>(PopupControl()); list && DroppedDown()) {
        if (step > 0)
            list->ScrollDown();
        else
            list->ScrollUp();
        return;
    }
    if (itemIndex_ + step >= 0)
        SetItemIndex(itemIndex_ + step);
}

bool TGxComboBox6::DoMouseWheelDown(TShiftState shift, TPoint mousePos)
{
    const bool handled = TGxDropDownEdit6::DoMouseWheelDown(shift, mousePos);
    WheelStep(1);
    return handled;
}

bool TGxComboBox6::DoMouseWheelUp(TShiftState shift, TPoint mousePos)
{
    const bool handled = TGxDropDownEdit6::DoMouseWheelUp(shift, mousePos);
    WheelStep(-1);
    return handled;
}
