#include "platform/gui/standard/combo_box.h"

#include "platform/gui/graphics/canvas.h"
#include "platform/gui/graphics/gdi.h"
#include "platform/gui/graphics/theme.h"
#include "platform/gui/windows/message_views.h"
#include "platform/gui/windows/scroll_bars.h"
#include "platform/gui/windows/system_metrics.h"
#include "platform/gui/windows/window_functions.h"

#include "support/system_colors.h"
#include "support/utf8.h"

#include <algorithm>
#include <cstring>

// --- the items ---------------------------------------------------------------------------------------------

class TCustomComboBox::TComboItems : public TStringList
{
public:
    explicit TComboItems(TCustomComboBox& combo) : combo_(combo) {}

protected:
    void Changed() override
    {
        TStringList::Changed();
        if (UpdateCount() == 0)
            combo_.ItemsChanged();
    }

private:
    TCustomComboBox& combo_;
};

// --- the edit part -----------------------------------------------------------------------------------------

// The edit of the editable faces. Its keys go through the combo box's key handling first, and the form sees
// the combo box, not the edit, as the control with the focus.
class TCustomComboBox::TComboEdit : public TCustomEdit
{
public:
    explicit TComboEdit(TCustomComboBox& combo) : TCustomEdit(&combo), combo_(combo)
    {
        SetBorderStyle(bsNone);
        SetAutoSize(false);
        SetTabStop(false);
        SetParentColor(true);
    }

    void WndProc(TMessage& message) override
    {
        // Until the combo box holds it (while it is built), the edit handles its messages alone.
        if (combo_.edit_ == this)
            combo_.EditWndProc(message);
        else
            EditDefault(message);
    }
    void EditDefault(TMessage& message) { TCustomEdit::WndProc(message); }

protected:
    void KeyDown(uint16_t& key, TShiftState shift) override { combo_.KeyDown(key, shift); }
    void KeyPress(char32_t& key) override { combo_.KeyPress(key); }
    void KeyUp(uint16_t& key, TShiftState shift) override { combo_.KeyUp(key, shift); }
    void Change() override { combo_.EditTextChanged(); }

    unsigned DialogCode() const override
    {
        return TCustomEdit::DialogCode() | (combo_.DroppedDown() ? DLGC_WANTALLKEYS : 0);
    }

    void Dispatch(TMessage& message) override
    {
        switch (message.Msg) {
        case WM_SETFOCUS:
            controlState_.Include(csFocusing);
            TCustomEdit::Dispatch(message);
            controlState_.Exclude(csFocusing);
            if (TCustomForm* form = GetParentForm(this))
                form->SetFocusedControl(&combo_);
            return;
        case WM_KILLFOCUS:
            TCustomEdit::Dispatch(message);
            combo_.ShowList(false);
            return;
        case CM_WANTSPECIALKEY: {
            const uint16_t key = TKeyView(message).Key();
            message.Result = combo_.DroppedDown() && (key == VK_RETURN || key == VK_ESCAPE);
            return;
        }
        default:
            TCustomEdit::Dispatch(message);
        }
    }

private:
    TCustomComboBox& combo_;
};

// --- the list ----------------------------------------------------------------------------------------------

// The items in a window of their own: below the face while dropped down (a window that never takes the
// focus), or inside the combo box for csSimple.
class TCustomComboBox::TComboList : public TCustomControl
{
public:
    TComboList(TCustomComboBox& combo, bool popup) : TCustomControl(&combo), combo_(combo), popup_(popup)
    {
        hot_ = combo.itemIndex_;
    }

    int Hot() const { return hot_; }
    void SetHot(int index)
    {
        index = std::clamp(index, -1, combo_.items_->Count() - 1);
        if (index == hot_)
            return;
        hot_ = index;
        ShowItem(index);
        Invalidate();
    }

    int VisibleCount() const { return std::max(1, std::min(combo_.items_->Count(), combo_.dropDownCount_)); }

    // The height of the first rows a list of rows items shows.
    int RowsHeight(int rows) const
    {
        int height = 0;
        for (int i = 0; i < std::min(rows, combo_.items_->Count()); ++i)
            height += combo_.ItemHeightOf(i);
        return std::max(height, combo_.ItemHeightOf(-1));
    }

    void ShowItem(int index)
    {
        if (index < 0)
            return;
        if (index < top_)
            top_ = index;
        while (index >= top_ + RowsFitting())
            ++top_;
        UpdateBar();
    }

    void UpdateBar()
    {
        if (!HandleAllocated() || !(GetWindowLong(Handle(), GWL_STYLE) & WS_VSCROLL))
            return;
        TScrollInfo info;
        info.fMask = SIF_ALL | SIF_DISABLENOSCROLL;
        info.nMax = std::max(0, combo_.items_->Count() - 1);
        info.nPage = static_cast<unsigned>(RowsFitting());
        info.nPos = top_;
        SetScrollInfo(Handle(), SB_VERT, info, true);
    }

    void ScrollTo(int top)
    {
        top = std::clamp(top, 0, std::max(0, combo_.items_->Count() - RowsFitting()));
        if (top == top_)
            return;
        top_ = top;
        UpdateBar();
        Invalidate();
    }

    int ItemAt(TPoint p) const
    {
        if (p.X < 0 || p.X >= ClientWidth() || p.Y < 0)
            return -1;
        int y = 0;
        for (int i = top_; i < combo_.items_->Count(); ++i) {
            y += combo_.ItemHeightOf(i);
            if (p.Y < y)
                return i;
        }
        return -1;
    }

protected:
    void CreateParams(TCreateParams& params) override
    {
        TCustomControl::CreateParams(params);
        params.Style |= WS_BORDER;
        if (popup_) {
            params.Style = (params.Style & ~WS_CHILD) | WS_POPUP;
            params.ExStyle |= WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
            params.WndParent = combo_.Handle();
            params.WindowClass.style |= CS_DROPSHADOW;
        }
        if (!popup_ || combo_.items_->Count() > combo_.dropDownCount_)
            params.Style |= WS_VSCROLL;
    }

    void Paint() override
    {
        TCanvas& canvas = *Canvas();
        canvas.Brush()->SetColor(combo_.Color());
        canvas.Brush()->SetStyle(bsSolid);
        canvas.FillRect(ClientRect());
        TCanvasBinding binding(*combo_.canvas_, &canvas);
        combo_.canvas_->SetFont(combo_.Font());
        int y = 0;
        for (int i = top_; i < combo_.items_->Count() && y < ClientHeight(); ++i) {
            const int height = combo_.ItemHeightOf(i);
            const TRect rect{0, y, ClientWidth(), y + height};
            TOwnerDrawState state;
            if (i == hot_)
                state = {odSelected, odFocused};
            if (!combo_.EffectiveEnabled())
                state.Include(odDisabled);
            combo_.DrawItem(i, rect, state);
            y += height;
        }
    }

    void Dispatch(TMessage& message) override
    {
        switch (message.Msg) {
        case WM_MOUSEMOVE:
            if (const int item = ItemAt(TMouseView(message).Pos); item >= 0)
                SetHot(item);
            break;
        case WM_LBUTTONUP:
            if (const int item = ItemAt(TMouseView(message).Pos); item >= 0) {
                combo_.SelectByUser(item);
                if (popup_)
                    combo_.ShowList(false);
                return;
            }
            break;
        case WM_LBUTTONDBLCLK:
            if (!popup_)
                combo_.Notify(CBN_DBLCLK);
            break;
        case WM_VSCROLL:
            Scroll(TScrollView(message).Code);
            return;
        case WM_MOUSEACTIVATE:
            message.Result = MA_NOACTIVATE;
            return;
        case WM_SIZE:
            UpdateBar();
            break;
        }
        TCustomControl::Dispatch(message);
    }

    bool DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) override
    {
        if (TCustomControl::DoMouseWheel(shift, wheelDelta, mousePos))
            return true;
        ScrollTo(top_ - 3 * wheelDelta / WHEEL_DELTA);
        return true;
    }

private:
    int RowsFitting() const
    {
        int rows = 0;
        int y = 0;
        for (int i = top_; i < combo_.items_->Count(); ++i) {
            y += combo_.ItemHeightOf(i);
            if (y > ClientHeight() && rows > 0)
                break;
            ++rows;
        }
        return std::max(1, rows);
    }

    void Scroll(unsigned code)
    {
        if (code != SB_ENDSCROLL)
            ScrollTo(
                ScrollCodePosition(Handle(), SB_VERT, code, top_, 1, RowsFitting(), combo_.items_->Count()));
    }

    TCustomComboBox& combo_;
    bool popup_;
    int hot_ = -1;
    int top_ = 0;
};

// --- the combo box -----------------------------------------------------------------------------------------

TCustomComboBox::TCustomComboBox(TComponent* owner)
    : TWinControl(owner), items_(std::make_unique<TComboItems>(*this)), canvas_(std::make_unique<TCanvas>())
{
    controlStyle_ = {csCaptureMouse, csSetCaption, csDoubleClicks, csFixedHeight, csReflector};
    SetBounds(0, 0, 145, ItemHeightOf(-1) + 8);
    SetTabStop(true);
    SetParentColor(false);
    SetColor(clWindow);
    CreateParts();
}

TCustomComboBox::~TCustomComboBox() = default;

TStrings* TCustomComboBox::Items() const
{
    return items_.get();
}

void TCustomComboBox::SetItems(const TStrings* items)
{
    items_->Assign(items);
}

TCustomEdit* TCustomComboBox::EditControl() const
{
    return edit_;
}

TWinControl* TCustomComboBox::ListControl() const
{
    return list_;
}

bool TCustomComboBox::Focused() const
{
    return TWinControl::Focused() || (edit_ && edit_->Focused());
}

void TCustomComboBox::SetStyle(TComboBoxStyle value)
{
    if (value == style_)
        return;
    ShowList(false);
    style_ = value;
    CreateParts();
    if (style_ != csSimple)
        SetHeight(ItemHeightOf(-1) + 8);
    RecreateWnd();
    PlaceParts();
}

void TCustomComboBox::SetItemIndex(int value)
{
    if (value < 0 || value >= items_->Count())
        value = -1;
    itemIndex_ = value;
    if (edit_) {
        ++settingText_;
        edit_->SetText(value >= 0 ? items_->Strings(value) : std::string());
        --settingText_;
        edit_->SelectAll();
    }
    if (list_)
        list_->SetHot(value);
    Invalidate();
}

void TCustomComboBox::SetSorted(bool value)
{
    if (value == sorted_)
        return;
    sorted_ = value;
    const std::string selected = itemIndex_ >= 0 ? items_->Strings(itemIndex_) : std::string();
    items_->SetSorted(value);
    if (!selected.empty())
        itemIndex_ = items_->IndexOf(selected);
}

void TCustomComboBox::SetItemHeight(int value)
{
    if (value <= 0 || value == itemHeight_)
        return;
    itemHeight_ = value;
    if (style_ != csSimple)
        SetHeight(value + 8);
    PlaceParts();
    Invalidate();
}

bool TCustomComboBox::DroppedDown() const
{
    return list_ && style_ != csSimple;
}

void TCustomComboBox::SetDroppedDown(bool value)
{
    Perform(CB_SHOWDROPDOWN, value, 0);
}

void TCustomComboBox::SetMaxLength(int value)
{
    maxLength_ = std::max(0, value);
    if (edit_)
        edit_->SetMaxLength(maxLength_);
}

void TCustomComboBox::SetCharCase(TEditCharCase value)
{
    charCase_ = value;
    if (edit_)
        edit_->SetCharCase(value);
}

int TCustomComboBox::ItemHeightOf(int index)
{
    int height = itemHeight_ > 0 ? itemHeight_ : MakeFontMeasurer(*Font())->LineHeight();
    if (style_ == csOwnerDrawVariable && index >= 0)
        MeasureItem(index, height);
    return std::max(1, height);
}

int TCustomComboBox::ButtonWidth() const
{
    return style_ == csSimple ? 0 : GetSystemMetrics(SM_CXVSCROLL);
}

std::string TCustomComboBox::GetText() const
{
    if (edit_)
        return edit_->Text();
    return itemIndex_ >= 0 ? items_->Strings(itemIndex_) : std::string();
}

// --- parts -------------------------------------------------------------------------------------------------

void TCustomComboBox::CreateParts()
{
    const std::string text = GetText();
    if (Editable() && !edit_) {
        edit_ = new TComboEdit(*this);
        edit_->SetMaxLength(maxLength_);
        edit_->SetCharCase(charCase_);
        ++settingText_;
        edit_->SetText(text);
        --settingText_;
        edit_->SetParent(this);
    } else if (!Editable() && edit_) {
        edit_->Free();
        edit_ = nullptr;
    }
    if (list_) {
        list_->Free();
        list_ = nullptr;
    }
    if (style_ == csSimple) {
        list_ = new TComboList(*this, false);
        list_->SetParent(this);
    }
    PlaceParts();
}

void TCustomComboBox::PlaceParts()
{
    const TRect client = ClientRect();
    const int faceHeight = style_ == csSimple ? ItemHeightOf(-1) + 4 : client.Height();
    if (edit_)
        edit_->SetBounds(1, 1, std::max(0, client.Width() - ButtonWidth() - 2), std::max(0, faceHeight - 2));
    if (list_ && style_ == csSimple)
        list_->SetBounds(0, faceHeight, client.Width(), std::max(0, client.Height() - faceHeight));
}

void TCustomComboBox::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    params.ExStyle |= WS_EX_CLIENTEDGE;
    params.WinClassName = "COMBOBOX";
}

void TCustomComboBox::CreateWnd()
{
    TWinControl::CreateWnd();
    PlaceParts();
}

void TCustomComboBox::ShowList(bool show)
{
    if (style_ == csSimple || show == DroppedDown())
        return;
    if (!show) {
        TComboList* list = list_;
        list_ = nullptr;
        list->Free();
        Invalidate();
        Notify(CBN_CLOSEUP);
        return;
    }
    if (!HandleAllocated() || !Showing())
        return;
    Notify(CBN_DROPDOWN);
    search_.Reset();
    indexWhenDropped_ = itemIndex_;
    list_ = new TComboList(*this, true);
    const int width = std::max(Width(), droppedWidth_);
    TRect face;
    GetWindowRect(Handle(), face);
    const TPoint below{face.Left, face.Bottom};
    const int height = list_->RowsHeight(list_->VisibleCount()) + 2;
    list_->SetBounds(below.X, below.Y, width, height);
    list_->HandleNeeded();
    list_->ShowItem(itemIndex_);
    ShowWindow(list_->Handle(), SW_SHOWNOACTIVATE);
    Invalidate();
}

// Closes the dropped-down list with the keyboard: Enter keeps the item chosen in it (CBN_SELENDOK), Escape
// goes back to the item chosen when it opened (CBN_SELENDCANCEL), which the program hears as a selection.
void TCustomComboBox::EndListChoice(bool accept)
{
    if (!accept)
        ChooseItem(indexWhenDropped_);
    Notify(accept ? CBN_SELENDOK : CBN_SELENDCANCEL);
    ShowList(false);
}

// --- selection and text ------------------------------------------------------------------------------------

void TCustomComboBox::SelectByUser(int index)
{
    search_.Reset();
    if (index >= 0 && index < items_->Count())
        ChooseItem(index);
}

// The user's choice of an item (-1: none): the program hears CBN_SELCHANGE when it is another than before.
void TCustomComboBox::ChooseItem(int index)
{
    if (index == itemIndex_)
        return;
    SetItemIndex(index);
    Notify(CBN_SELCHANGE);
}

void TCustomComboBox::ItemsChanged()
{
    if (itemIndex_ >= items_->Count())
        itemIndex_ = -1;
    if (list_) {
        list_->SetHot(std::min(list_->Hot(), items_->Count() - 1));
        list_->UpdateBar();
        list_->Invalidate();
    }
    Invalidate();
}

// Text typed in the edit part selects the item it names, if any.
void TCustomComboBox::EditTextChanged()
{
    if (settingText_ > 0)
        return;
    const std::string text = edit_->Text();
    itemIndex_ = -1;
    for (int i = 0; i < items_->Count(); ++i)
        if (SameTextIgnoreCase(items_->Strings(i), text)) {
            itemIndex_ = i;
            break;
        }
    if (list_)
        list_->SetHot(itemIndex_);
    Notify(CBN_EDITCHANGE);
}

void TCustomComboBox::Notify(unsigned code)
{
    Perform(CN_COMMAND, MAKEWPARAM(0, static_cast<int>(code)),
            reinterpret_cast<LPARAM>(HandleAllocated() ? Handle() : nullptr));
}

void TCustomComboBox::Change()
{
    if (OnChange)
        OnChange(this);
}

void TCustomComboBox::Select()
{
    if (OnSelect)
        OnSelect(this);
    else
        Change();
}

void TCustomComboBox::DropDown()
{
    if (OnDropDown)
        OnDropDown(this);
}

void TCustomComboBox::CloseUp()
{
    if (OnCloseUp)
        OnCloseUp(this);
}

void TCustomComboBox::DrawItem(int index, const TRect& rect, TOwnerDrawState state)
{
    TCanvas& canvas = *canvas_;
    if (OwnerDrawn() && OnDrawItem) {
        OnDrawItem(this, index, rect, state);
        return;
    }
    const bool selected = state.Contains(odSelected);
    canvas.Brush()->SetColor(selected ? clHighlight : Color());
    canvas.Brush()->SetStyle(bsSolid);
    canvas.FillRect(rect);
    if (index < 0 || index >= items_->Count())
        return;
    SetBkMode(canvas, TRANSPARENT);
    SetTextColor(canvas, state.Contains(odDisabled) ? clGrayText
                         : selected                 ? clHighlightText
                                                    : Font()->Color());
    canvas.TextOut(rect.Left + 2, rect.Top, items_->Strings(index));
}

void TCustomComboBox::MeasureItem(int index, int& height)
{
    if (OnMeasureItem)
        OnMeasureItem(this, index, height);
}

// --- keys --------------------------------------------------------------------------------------------------

void TCustomComboBox::KeyDown(uint16_t& key, TShiftState shift)
{
    TWinControl::KeyDown(key, shift);
    if (key != 0 && NavigationKey(key, shift))
        key = 0;
}

void TCustomComboBox::KeyPress(char32_t& key)
{
    TWinControl::KeyPress(key);
}

// Keys that work the list: arrows, pages, F4 and Alt+arrows, Enter and Escape while dropped down.
bool TCustomComboBox::NavigationKey(uint16_t key, TShiftState shift)
{
    const bool alt = shift.Contains(ssAlt);
    if ((key == VK_F4 && !alt) || (alt && (key == VK_DOWN || key == VK_UP))) {
        if (style_ != csSimple)
            ShowList(!DroppedDown());
        return true;
    }
    if ((key == VK_RETURN || key == VK_ESCAPE) && DroppedDown()) {
        EndListChoice(key == VK_RETURN);
        return true;
    }
    const int count = items_->Count();
    const int page = list_ ? list_->VisibleCount() : dropDownCount_;
    int target = itemIndex_;
    switch (key) {
    case VK_UP:
        target = itemIndex_ < 0 ? 0 : itemIndex_ - 1;
        break;
    case VK_DOWN:
        target = itemIndex_ + 1;
        break;
    case VK_PRIOR:
        target = itemIndex_ - page;
        break;
    case VK_NEXT:
        target = itemIndex_ + page;
        break;
    case VK_HOME:
    case VK_END:
        if (Editable())
            return false;
        target = key == VK_HOME ? 0 : count - 1;
        break;
    default:
        return false;
    }
    if (count > 0)
        SelectByUser(std::clamp(target, 0, count - 1));
    return true;
}

// Typed characters in a list face find the item that starts with them.
void TCustomComboBox::IncrementalSearch(char32_t ch)
{
    const int found =
        search_.Type(ch, itemIndex_, items_->Count(), [this](int index) { return items_->Strings(index); });
    if (found < 0)
        return;
    ChooseItem(found);
    if (list_)
        list_->SetHot(found);
}

bool TCustomComboBox::DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos)
{
    if (TWinControl::DoMouseWheel(shift, wheelDelta, mousePos))
        return true;
    const int notches = wheelDelta / WHEEL_DELTA;
    if (notches == 0 || items_->Count() == 0)
        return false;
    SelectByUser(std::clamp(itemIndex_ - notches, 0, items_->Count() - 1));
    return true;
}

// --- messages ----------------------------------------------------------------------------------------------

void TCustomComboBox::WndProc(TMessage& message)
{
    TWinControl::WndProc(message);
}

void TCustomComboBox::EditWndProc(TMessage& message)
{
    edit_->EditDefault(message);
}

void TCustomComboBox::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case CN_COMMAND:
        Notified(TCommandView(message).NotifyCode);
        return;
    case WM_SETFOCUS:
        TWinControl::Dispatch(message);
        if (edit_ && edit_->HandleAllocated())
            ::SetFocus(edit_->Handle());
        Invalidate();
        return;
    case WM_KILLFOCUS:
        TWinControl::Dispatch(message);
        if (!edit_ || !edit_->Focused())
            ShowList(false);
        Invalidate();
        return;
    case CM_ENTER:
        if (edit_)
            edit_->SelectAll();
        TWinControl::Dispatch(message);
        return;
    case WM_SIZE:
        PlaceParts();
        TWinControl::Dispatch(message);
        return;
    case CM_FONTCHANGED:
        TWinControl::Dispatch(message);
        if (style_ != csSimple)
            SetHeight(ItemHeightOf(-1) + 8);
        PlaceParts();
        return;
    default:
        TWinControl::Dispatch(message);
    }
}

// The box's own notifications become its events.
void TCustomComboBox::Notified(unsigned code)
{
    switch (code) {
    case CBN_SELCHANGE:
        Click();
        Select();
        break;
    case CBN_EDITCHANGE:
        Change();
        break;
    case CBN_DROPDOWN:
        DropDown();
        break;
    case CBN_CLOSEUP:
        CloseUp();
        break;
    }
}

void TCustomComboBox::DefaultHandler(TMessage& message)
{
    if (!ComboMessage(message))
        TWinControl::DefaultHandler(message);
}

// The box's own handling of a message; false for those it leaves to the window.
bool TCustomComboBox::ComboMessage(TMessage& message)
{
    switch (message.Msg) {
    case WM_PAINT:
        if (HDC dc = TPaintView(message).DC)
            Paint(dc);
        return true;
    case WM_GETDLGCODE:
        message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS | (DroppedDown() ? DLGC_WANTALLKEYS : 0);
        return true;
    case WM_CHAR:
        if (const char32_t ch = TCharView(message).Char(); !Editable() && ch >= 32)
            IncrementalSearch(ch);
        return true;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (CanFocus() && !Focused())
            SetFocus();
        if (style_ != csSimple)
            ShowList(!DroppedDown());
        return true;
    case WM_SETTEXT:
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH:
        TextMessage(message);
        return true;
    default:
        return ItemMessage(message) || ListMessage(message) || EditPartMessage(message);
    }
}

void TCustomComboBox::TextMessage(TMessage& message)
{
    if (message.Msg == WM_SETTEXT) {
        const char* text = TSetTextView(message).Text;
        ++settingText_;
        if (edit_)
            edit_->SetText(text);
        --settingText_;
        itemIndex_ = items_->IndexOf(text);
        if (list_)
            list_->SetHot(itemIndex_);
        Invalidate();
        message.Result = 1;
    } else if (edit_) {
        message.Result = edit_->Perform(message.Msg, message.WParam, message.LParam);
    } else if (message.Msg == WM_GETTEXTLENGTH) {
        message.Result = static_cast<LRESULT>(GetText().size());
    } else {
        message.Result = CopyTextToBuffer(GetText(), message.WParam, message.LParam);
    }
}

// The items: counting, adding, removing, finding and selecting them; false for other messages.
bool TCustomComboBox::ItemMessage(TMessage& message)
{
    const int index = WParamInt(message);
    const char* text = TSetTextView(message).Text;
    const bool inItems = index >= 0 && index < items_->Count();
    switch (message.Msg) {
    case CB_GETCOUNT:
        message.Result = items_->Count();
        return true;
    case CB_GETCURSEL:
        message.Result = itemIndex_;
        return true;
    case CB_SETCURSEL:
        SetItemIndex(index);
        message.Result = itemIndex_ >= 0 ? itemIndex_ : CB_ERR;
        return true;
    case CB_ADDSTRING:
        message.Result = items_->Add(text);
        return true;
    case CB_INSERTSTRING:
        if (index < -1 || index > items_->Count()) {
            message.Result = CB_ERR;
            return true;
        }
        items_->Insert(index < 0 ? items_->Count() : index, text);
        message.Result = index < 0 ? items_->Count() - 1 : index;
        return true;
    case CB_DELETESTRING:
        if (inItems)
            items_->Delete(index);
        message.Result = inItems ? items_->Count() : CB_ERR;
        return true;
    case CB_RESETCONTENT:
        items_->Clear();
        SetItemIndex(-1);
        return true;
    case CB_GETLBTEXTLEN:
        message.Result = inItems ? static_cast<LRESULT>(items_->Strings(index).size()) : CB_ERR;
        return true;
    case CB_FINDSTRING:
    case CB_FINDSTRINGEXACT:
        message.Result = FindItem(text, index, message.Msg == CB_FINDSTRINGEXACT);
        return true;
    case CB_SELECTSTRING:
        message.Result = FindItem(text, index, false);
        if (message.Result != CB_ERR)
            SetItemIndex(static_cast<int>(message.Result));
        return true;
    default:
        return false;
    }
}

// The first item after index (-1: from the start, wrapping round) whose text is text, or starts with it,
// either case; CB_ERR for none.
LRESULT TCustomComboBox::FindItem(const char* text, int after, bool exact) const
{
    const int count = items_->Count();
    for (int n = 0; n < count; ++n) {
        const int i = (std::max(-1, after) + 1 + n) % count;
        const std::string item = items_->Strings(i);
        const std::string head = exact ? item : Utf8Substr(item, 0, Utf8Length(text));
        if (SameTextIgnoreCase(head, text))
            return i;
    }
    return CB_ERR;
}

// The list's drop-down state and the sizes of the list and its items; false for other messages.
bool TCustomComboBox::ListMessage(TMessage& message)
{
    const int index = WParamInt(message);
    switch (message.Msg) {
    case CB_SHOWDROPDOWN:
        ShowList(message.WParam != 0);
        message.Result = 1;
        return true;
    case CB_GETDROPPEDSTATE:
        message.Result = DroppedDown();
        return true;
    case CB_SETDROPPEDWIDTH:
        droppedWidth_ = std::max(0, index);
        message.Result = std::max(droppedWidth_, Width());
        return true;
    case CB_GETDROPPEDWIDTH:
        message.Result = std::max(droppedWidth_, Width());
        return true;
    case CB_SETITEMHEIGHT:
        if (index < 0 || style_ != csOwnerDrawVariable)
            SetItemHeight(LParamInt(message));
        return true;
    case CB_GETITEMHEIGHT:
        message.Result = index < 0 ? ClientHeight() : ItemHeightOf(index);
        return true;
    default:
        return false;
    }
}

// The edit part's limit and selection; false for other messages.
bool TCustomComboBox::EditPartMessage(TMessage& message)
{
    switch (message.Msg) {
    case CB_LIMITTEXT:
        SetMaxLength(WParamInt(message));
        message.Result = 1;
        return true;
    case CB_GETEDITSEL:
        message.Result = edit_ ? edit_->Perform(EM_GETSEL, message.WParam, message.LParam) : CB_ERR;
        return true;
    case CB_SETEDITSEL:
        // LParam holds the start and the end, each -1 or more.
        if (edit_)
            edit_->Perform(EM_SETSEL, static_cast<WPARAM>(static_cast<int16_t>(LOWORD(message.LParam))),
                           static_cast<int16_t>(HIWORD(message.LParam)));
        else
            message.Result = CB_ERR;
        return true;
    default:
        return false;
    }
}

// --- painting ----------------------------------------------------------------------------------------------

void TCustomComboBox::Paint(HDC dc)
{
    TCanvasBinding binding(*canvas_, dc);
    TCanvas& canvas = *canvas_;
    canvas.SetFont(Font());
    const TRect client = ClientRect();
    canvas.Brush()->SetColor(Color());
    canvas.Brush()->SetStyle(bsSolid);
    canvas.FillRect(client);
    if (style_ == csSimple)
        return;
    TRect button{client.Right - ButtonWidth(), client.Top, client.Right, client.Bottom};
    if (HTHEME theme = OpenThemeData("ComboBox")) {
        DrawThemeBackground(theme, canvas, CP_DROPDOWNBUTTON,
                            !EffectiveEnabled() ? 4
                            : DroppedDown()     ? 3
                                                : 1,
                            button);
        CloseThemeData(theme);
    } else {
        DrawFrameControl(canvas, button, DFC_SCROLL,
                         DFCS_SCROLLCOMBOBOX | (EffectiveEnabled() ? 0u : DFCS_INACTIVE) |
                             (DroppedDown() ? DFCS_PUSHED : 0u));
    }
    if (!Editable())
        PaintFace(canvas,
                  {client.Left + 1, client.Top + 1, client.Right - ButtonWidth() - 1, client.Bottom - 1});
}

// The selected item in a list face: highlighted with a focus frame while the box has the focus.
void TCustomComboBox::PaintFace(TCanvas& canvas, const TRect& rect)
{
    TOwnerDrawState state{odComboBoxEdit};
    const bool focused = Focused() && !DroppedDown();
    if (focused)
        state += TOwnerDrawState{odSelected, odFocused};
    if (!EffectiveEnabled())
        state.Include(odDisabled);
    const int height = ItemHeightOf(itemIndex_);
    const TRect itemRect{rect.Left, rect.Top + std::max(0, (rect.Height() - height) / 2), rect.Right,
                         rect.Top + std::max(0, (rect.Height() - height) / 2) + height};
    if (itemIndex_ >= 0 || !OwnerDrawn() || !OnDrawItem) {
        DrawItem(itemIndex_, itemIndex_ >= 0 ? itemRect : rect, state);
    } else {
        canvas.Brush()->SetColor(focused ? clHighlight : Color());
        canvas.FillRect(rect);
    }
    if (focused)
        canvas.DrawFocusRect(rect);
}
