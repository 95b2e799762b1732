#include "platform/gui/standard/list_box.h"

#include "platform/gui/core/exceptions.h"
#include "platform/gui/graphics/gdi.h"
#include "platform/gui/windows/message_views.h"
#include "platform/gui/windows/scroll_bars.h"

#include "support/utf8.h"

#include <algorithm>

// --- TListBoxStrings ---------------------------------------------------------------------------------------

int TListBoxStrings::Count() const
{
    return listBox_->Count();
}

std::string TListBoxStrings::Get(int index) const
{
    CheckIndex(index, Count());
    return listBox_->items_[static_cast<size_t>(index)].text;
}

void TListBoxStrings::Put(int index, const std::string& s)
{
    CheckIndex(index, Count());
    TObject* object = GetObject(index);
    const bool selected = listBox_->items_[static_cast<size_t>(index)].selected;
    Delete(index);
    const int at = listBox_->sorted_ ? AddObject(s, object) : (InsertObject(index, s, object), index);
    listBox_->items_[static_cast<size_t>(at)].selected = selected;
}

TObject* TListBoxStrings::GetObject(int index) const
{
    CheckIndex(index, Count());
    return listBox_->items_[static_cast<size_t>(index)].object;
}

void TListBoxStrings::PutObject(int index, TObject* object)
{
    CheckIndex(index, Count());
    listBox_->items_[static_cast<size_t>(index)].object = object;
}

int TListBoxStrings::AddObject(const std::string& s, TObject* object)
{
    int index = Count();
    if (listBox_->sorted_) {
        const auto& items = listBox_->items_;
        index = static_cast<int>(std::upper_bound(items.begin(), items.end(), s,
                                                  [this](const std::string& text, const auto& item) {
                                                      return CompareStrings(text, item.text) < 0;
                                                  }) -
                                 items.begin());
    }
    return listBox_->InsertItem(index, s, object);
}

void TListBoxStrings::InsertObject(int index, const std::string& s, TObject* object)
{
    CheckIndex(index, Count() + 1);
    listBox_->InsertItem(index, s, object);
}

void TListBoxStrings::Delete(int index)
{
    CheckIndex(index, Count());
    listBox_->DeleteItem(index);
}

void TListBoxStrings::Clear()
{
    listBox_->items_.clear();
    listBox_->caret_ = listBox_->anchor_ = -1;
    listBox_->topIndex_ = 0;
    listBox_->ItemsChanged();
}

void TListBoxStrings::Exchange(int index1, int index2)
{
    CheckIndex(index1, Count());
    CheckIndex(index2, Count());
    std::swap(listBox_->items_[static_cast<size_t>(index1)], listBox_->items_[static_cast<size_t>(index2)]);
    listBox_->ItemsChanged();
}

void TListBoxStrings::SetUpdateState(bool updating)
{
    listBox_->updateCount_ = updating ? 1 : 0;
    if (!updating)
        listBox_->ItemsChanged();
}

// --- TCustomListBox: items and selection -------------------------------------------------------------------

TCustomListBox::TCustomListBox(TComponent* owner)
    : TCustomControl(owner), strings_(std::make_unique<TListBoxStrings>(this))
{
    controlStyle_ = {csSetCaption, csDoubleClicks, csCaptureMouse, csOpaque};
    SetTabStop(true);
    SetColor(clWindow);
    SetBounds(0, 0, 121, 97);
}

TCustomListBox::~TCustomListBox() = default;

int TCustomListBox::InsertItem(int index, const std::string& text, TObject* object)
{
    Item item{text, object, false, ItemHeight()};
    items_.insert(items_.begin() + index, item);
    if (style_ == lbOwnerDrawVariable)
        MeasureItem(index, items_[static_cast<size_t>(index)].height);
    if (caret_ >= index)
        ++caret_;
    if (anchor_ >= index)
        ++anchor_;
    ItemsChanged();
    return index;
}

void TCustomListBox::DeleteItem(int index)
{
    items_.erase(items_.begin() + index);
    for (int* mark : {&caret_, &anchor_})
        if (*mark > index || *mark >= Count())
            --*mark;
    topIndex_ = std::clamp(topIndex_, 0, MaxTopIndex());
    ItemsChanged();
}

void TCustomListBox::CheckItemIndex(int index) const
{
    if (index < 0 || index >= Count())
        ThrowListIndexError(index);
}

void TCustomListBox::ItemsChanged()
{
    if (updateCount_ > 0)
        return;
    UpdateScrollBar();
    Invalidate();
}

int TCustomListBox::ItemIndex() const
{
    if (multiSelect_)
        return caret_;
    const auto it = std::find_if(items_.begin(), items_.end(), [](const Item& i) { return i.selected; });
    return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

void TCustomListBox::SetItemIndex(int index)
{
    if (index >= Count())
        ThrowListIndexError(index);
    SelectOnly(std::max(index, -1));
    caret_ = anchor_ = std::max(index, -1);
    if (index >= 0)
        MakeVisible(index);
    Invalidate();
}

bool TCustomListBox::SelectOnly(int index)
{
    bool changed = false;
    for (int i = 0; i < Count(); ++i) {
        const bool selected = i == index;
        changed = changed || items_[static_cast<size_t>(i)].selected != selected;
        items_[static_cast<size_t>(i)].selected = selected;
    }
    return changed;
}

void TCustomListBox::SetMultiSelect(bool value)
{
    if (value == multiSelect_)
        return;
    multiSelect_ = value;
    // One selection at most is left behind: the focused item's.
    if (!value)
        SelectOnly(caret_ >= 0 && Selected(caret_) ? caret_ : ItemIndex());
    Invalidate();
}

bool TCustomListBox::Selected(int index) const
{
    CheckItemIndex(index);
    return items_[static_cast<size_t>(index)].selected;
}

void TCustomListBox::SetSelected(int index, bool value)
{
    CheckItemIndex(index);
    if (!multiSelect_ && value)
        SelectOnly(index);
    items_[static_cast<size_t>(index)].selected = value;
    Invalidate();
}

int TCustomListBox::SelCount() const
{
    return static_cast<int>(
        std::count_if(items_.begin(), items_.end(), [](const Item& i) { return i.selected; }));
}

void TCustomListBox::ClearSelection()
{
    SelectOnly(-1);
    Invalidate();
}

void TCustomListBox::SelectAll()
{
    if (!multiSelect_)
        return;
    for (Item& item : items_)
        item.selected = true;
    Invalidate();
}

void TCustomListBox::DeleteSelected()
{
    strings_->BeginUpdate();
    for (int i = Count() - 1; i >= 0; --i)
        if (items_[static_cast<size_t>(i)].selected)
            strings_->Delete(i);
    strings_->EndUpdate();
}

void TCustomListBox::SetSorted(bool value)
{
    if (value == sorted_)
        return;
    sorted_ = value;
    if (!value)
        return;
    std::stable_sort(items_.begin(), items_.end(),
                     [](const Item& a, const Item& b) { return CompareTextIgnoreCase(a.text, b.text) < 0; });
    ItemsChanged();
}

// --- rows and scrolling ------------------------------------------------------------------------------------

int TCustomListBox::ItemHeight() const
{
    if (style_ != lbStandard)
        return itemHeight_;
    TCanvas canvas;
    canvas.SetFont(Font());
    return canvas.TextHeight("Wg");
}

void TCustomListBox::SetItemHeight(int value)
{
    if (value <= 0 || value == itemHeight_)
        return;
    itemHeight_ = value;
    if (style_ == lbOwnerDrawFixed)
        ItemsChanged();
}

void TCustomListBox::SetStyle(TListBoxStyle value)
{
    if (value == style_)
        return;
    style_ = value;
    for (int i = 0; i < Count(); ++i) {
        items_[static_cast<size_t>(i)].height = ItemHeight();
        if (value == lbOwnerDrawVariable)
            MeasureItem(i, items_[static_cast<size_t>(i)].height);
    }
    ItemsChanged();
}

void TCustomListBox::SetBorderStyle(TBorderStyle value)
{
    if (value == borderStyle_)
        return;
    borderStyle_ = value;
    SetSingleBorder(*this, value == bsSingle);
}

void TCustomListBox::CreateParams(TCreateParams& params)
{
    TCustomControl::CreateParams(params);
    if (borderStyle_ == bsSingle)
        AddSingleBorder(params, *this);
}

int TCustomListBox::RowHeight(int index) const
{
    return style_ == lbOwnerDrawVariable ? items_[static_cast<size_t>(index)].height : ItemHeight();
}

int TCustomListBox::RowsFitting(int first) const
{
    int rows = 0;
    for (int y = 0, i = first; i < Count(); ++i, ++rows) {
        y += RowHeight(i);
        if (y > ClientHeight())
            break;
    }
    return std::max(rows, 1);
}

int TCustomListBox::MaxTopIndex() const
{
    // The lowest top row that still shows the last item whole.
    int top = Count();
    for (int y = 0; top > 0 && y + RowHeight(top - 1) <= ClientHeight(); --top)
        y += RowHeight(top - 1);
    return std::min(top, std::max(Count() - 1, 0));
}

TRect TCustomListBox::ItemRect(int index) const
{
    int y = 0;
    if (index >= topIndex_)
        for (int i = topIndex_; i < index; ++i)
            y += RowHeight(i);
    else
        for (int i = index; i < topIndex_; ++i)
            y -= RowHeight(i);
    const int height = index >= 0 && index < Count() ? RowHeight(index) : ItemHeight();
    return Rect(0, y, ClientWidth(), y + height);
}

int TCustomListBox::ItemAtPos(TPoint pos, bool existing) const
{
    int y = 0;
    for (int i = topIndex_; i < Count(); ++i) {
        y += RowHeight(i);
        if (pos.Y < y)
            return i;
    }
    return existing ? -1 : Count();
}

void TCustomListBox::SetTopIndex(int index)
{
    index = std::clamp(index, 0, MaxTopIndex());
    if (index == topIndex_)
        return;
    topIndex_ = index;
    if (HandleAllocated())
        SetScrollPos(Handle(), SB_VERT, topIndex_, true);
    Invalidate();
}

void TCustomListBox::MakeVisible(int index)
{
    if (index < topIndex_) {
        SetTopIndex(index);
        return;
    }
    int top = topIndex_;
    while (top < index &&
           ItemRect(index).Bottom - ItemRect(top).Top + ItemRect(topIndex_).Top > ClientHeight())
        ++top;
    SetTopIndex(top);
}

void TCustomListBox::UpdateScrollBar()
{
    if (!HandleAllocated() || updatingBar_)
        return;
    updatingBar_ = true;
    topIndex_ = std::clamp(topIndex_, 0, MaxTopIndex());
    TScrollInfo info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMax = std::max(Count() - 1, 0);
    info.nPage = static_cast<unsigned>(MaxTopIndex() > 0 ? RowsFitting(topIndex_) : Count());
    info.nPos = topIndex_;
    SetScrollInfo(Handle(), SB_VERT, info, true);
    updatingBar_ = false;
}

void TCustomListBox::ScrollMessage(unsigned code)
{
    switch (code) {
    case SB_LINEUP:
        SetTopIndex(topIndex_ - 1);
        break;
    case SB_LINEDOWN:
        SetTopIndex(topIndex_ + 1);
        break;
    case SB_PAGEUP:
        SetTopIndex(topIndex_ - RowsFitting(topIndex_));
        break;
    case SB_PAGEDOWN:
        SetTopIndex(topIndex_ + RowsFitting(topIndex_));
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
        TScrollInfo info;
        info.fMask = SIF_TRACKPOS;
        GetScrollInfo(Handle(), SB_VERT, info);
        SetTopIndex(info.nTrackPos);
        break;
    }
    case SB_TOP:
        SetTopIndex(0);
        break;
    case SB_BOTTOM:
        SetTopIndex(Count());
        break;
    }
}

// --- painting ----------------------------------------------------------------------------------------------

void TCustomListBox::DrawItem(int index, const TRect& rect, TOwnerDrawState state)
{
    if (OnDrawItem && style_ != lbStandard) {
        OnDrawItem(this, index, rect, state);
        return;
    }
    TCanvas& canvas = *Canvas();
    canvas.FillRect(rect);
    TRect text = Rect(rect.Left + 2, rect.Top, rect.Right, rect.Bottom);
    canvas.Brush()->SetStyle(bsClear);
    DrawControlText(canvas, items_[static_cast<size_t>(index)].text, text,
                    DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX, !state.Contains(odDisabled));
}

void TCustomListBox::MeasureItem(int index, int& height)
{
    if (OnMeasureItem)
        OnMeasureItem(this, index, height);
}

void TCustomListBox::Paint()
{
    TCanvas& canvas = *Canvas();
    const TRect client = ClientRect();
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(Color());
    canvas.FillRect(client);
    const bool enabled = EffectiveEnabled();
    for (int i = topIndex_, y = 0; i < Count() && y < client.Height(); ++i) {
        const TRect row = Rect(0, y, client.Width(), y + RowHeight(i));
        y = row.Bottom;
        TOwnerDrawState state;
        const bool selected = items_[static_cast<size_t>(i)].selected;
        if (selected)
            state.Include(odSelected);
        if (Focused() && i == caret_)
            state.Include(odFocused);
        if (!enabled)
            state.Include(odDisabled);
        canvas.SetFont(Font());
        canvas.Brush()->SetStyle(bsSolid);
        canvas.Brush()->SetColor(selected ? clHighlight : Color());
        if (selected)
            canvas.Font()->SetColor(clHighlightText);
        const int saved = SaveDC(canvas);
        IntersectClipRect(canvas, row.Left, row.Top, row.Right, row.Bottom);
        DrawItem(i, row, state);
        RestoreDC(canvas, saved);
        if (state.Contains(odFocused))
            canvas.DrawFocusRect(row);
    }
}

// --- keyboard and mouse ------------------------------------------------------------------------------------

void TCustomListBox::NotifySelChange()
{
    Perform(CN_COMMAND, MAKEWPARAM(0, static_cast<int>(LBN_SELCHANGE)), 0);
}

bool TCustomListBox::MoveCaret(int index, TShiftState shift, bool toggle)
{
    if (Count() == 0)
        return false;
    index = std::clamp(index, 0, Count() - 1);
    bool changed = false;
    if (!multiSelect_) {
        changed = SelectOnly(index);
        anchor_ = index;
    } else if (toggle) {
        Item& item = items_[static_cast<size_t>(index)];
        item.selected = !item.selected;
        anchor_ = index;
        changed = true;
    } else if (extendedSelect_ && shift.Contains(ssShift)) {
        if (anchor_ < 0)
            anchor_ = std::max(caret_, 0);
        const int from = std::min(anchor_, index);
        const int to = std::max(anchor_, index);
        for (int i = 0; i < Count(); ++i) {
            const bool selected = (i >= from && i <= to) || (shift.Contains(ssCtrl) && Selected(i));
            changed = changed || items_[static_cast<size_t>(i)].selected != selected;
            items_[static_cast<size_t>(i)].selected = selected;
        }
    } else if (extendedSelect_ && !shift.Contains(ssCtrl)) {
        changed = SelectOnly(index);
        anchor_ = index;
    }
    changed = changed || (multiSelect_ && caret_ != index);
    caret_ = index;
    MakeVisible(index);
    Invalidate();
    return changed;
}

void TCustomListBox::KeyMove(uint16_t key, TShiftState shift)
{
    const int page = std::max(RowsFitting(topIndex_) - 1, 1);
    int target = caret_;
    switch (key) {
    case VK_UP:
        target = caret_ - 1;
        break;
    case VK_DOWN:
        target = caret_ + 1;
        break;
    case VK_PRIOR:
        target = caret_ - page;
        break;
    case VK_NEXT:
        target = caret_ + page;
        break;
    case VK_HOME:
        target = 0;
        break;
    case VK_END:
        target = Count() - 1;
        break;
    case VK_SPACE:
        if (multiSelect_ && caret_ >= 0 && (!extendedSelect_ || shift.Contains(ssCtrl)))
            if (MoveCaret(caret_, shift, true))
                NotifySelChange();
        return;
    default:
        return;
    }
    // In a plain multi-selection list the keys only move the focus.
    const bool moveOnly = multiSelect_ && !extendedSelect_;
    if (moveOnly) {
        caret_ = std::clamp(target, 0, std::max(Count() - 1, 0));
        MakeVisible(caret_);
        Invalidate();
        return;
    }
    if (MoveCaret(target, shift, false))
        NotifySelChange();
}

void TCustomListBox::TypeAhead(char32_t ch)
{
    if (ch < 0x20 || !autoComplete_)
        return;
    const int found = search_.Type(ch, caret_, Count(),
                                   [this](int index) { return items_[static_cast<size_t>(index)].text; });
    if (found >= 0 && MoveCaret(found, {}, false))
        NotifySelChange();
}

void TCustomListBox::DefaultHandler(TMessage& message)
{
    switch (message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        if (!Focused() && CanFocus())
            SetFocus();
        const TMouseView mouse(message);
        const int index = ItemAtPos(mouse.Pos, true);
        if (index >= 0) {
            const TShiftState shift = mouse.Shift();
            const bool toggle = multiSelect_ && (!extendedSelect_ || shift.Contains(ssCtrl));
            MoveCaret(index, shift, toggle);
            NotifySelChange();
        }
        break;
    }
    case WM_MOUSEMOVE:
        // Dragging in a single-selection list carries the selection along.
        if (!multiSelect_ && MouseCapture()) {
            const int index = ItemAtPos(TMouseView(message).Pos, false);
            if (index != caret_ && MoveCaret(index, {}, false))
                NotifySelChange();
        }
        break;
    case WM_KEYDOWN:
        KeyMove(TKeyView(message).Key(), TKeyView(message).Shift());
        break;
    case WM_CHAR:
        TypeAhead(TCharView(message).Char());
        break;
    }
    TCustomControl::DefaultHandler(message);
}

void TCustomListBox::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case CN_COMMAND:
        if (TCommandView(message).NotifyCode == LBN_SELCHANGE)
            Click();
        return;
    case WM_GETDLGCODE:
        message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS;
        return;
    case WM_VSCROLL:
        ScrollMessage(TScrollView(message).Code);
        return;
    case WM_SIZE:
        UpdateScrollBar();
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case CM_FONTCHANGED:
        Invalidate();
        break;
    }
    TCustomControl::Dispatch(message);
}
