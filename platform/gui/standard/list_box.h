#pragma once

#include "platform/gui/core/strings.h"
#include "platform/gui/standard/incremental_search.h"
#include "platform/gui/standard/std_control_types.h"

#include <memory>
#include <vector>

// A list of text items, one per row, with a vertical window scroll bar when they do not fit. One item can be
// selected, or several with MultiSelect (ExtendedSelect: Shift extends from the anchor, Ctrl toggles;
// otherwise a click or Space toggles). Rows are drawn by the list (lbStandard) or by DrawItem/OnDrawItem
// (owner-draw, fixed or per-item heights from OnMeasureItem). A selection the user makes clicks (OnClick).

enum TListBoxStyle
{
    lbStandard,
    lbOwnerDrawFixed,
    lbOwnerDrawVariable
};

class TCustomListBox;

// The list box's items as a string list.
class TListBoxStrings : public TStrings
{
public:
    explicit TListBoxStrings(TCustomListBox* listBox) : listBox_(listBox) {}
    int Count() const override;
    std::string Get(int index) const override;
    void Put(int index, const std::string& s) override;
    TObject* GetObject(int index) const override;
    void PutObject(int index, TObject* object) override;
    // A sorted list box puts the item in its sorted place.
    int AddObject(const std::string& s, TObject* object) override;
    void InsertObject(int index, const std::string& s, TObject* object) override;
    void Delete(int index) override;
    void Clear() override;
    void Exchange(int index1, int index2) override;

protected:
    void SetUpdateState(bool updating) override;

private:
    TCustomListBox* listBox_;
};

class TCustomListBox : public TCustomControl
{
public:
    explicit TCustomListBox(TComponent* owner);
    ~TCustomListBox() override;

    TStrings* Items() const { return strings_.get(); }
    void SetItems(const TStrings* items) { strings_->Assign(items); }
    int Count() const { return static_cast<int>(items_.size()); }
    void AddItem(const std::string& item, TObject* object) { strings_->AddObject(item, object); }
    void Clear() { strings_->Clear(); }

    // The selected item (the focused one with MultiSelect); -1 for none. Setting it selects that item alone.
    int ItemIndex() const;
    void SetItemIndex(int index);
    bool MultiSelect() const { return multiSelect_; }
    void SetMultiSelect(bool value);
    bool ExtendedSelect() const { return extendedSelect_; }
    void SetExtendedSelect(bool value) { extendedSelect_ = value; }
    // EListError for an index outside the items.
    bool Selected(int index) const;
    void SetSelected(int index, bool value);
    // The number of selected items.
    int SelCount() const;
    void ClearSelection();
    void SelectAll();
    void DeleteSelected();
    // Items stay in alphabetical order (ignoring case); turning it on sorts them.
    bool Sorted() const { return sorted_; }
    void SetSorted(bool value);

    // The first row shown.
    int TopIndex() const { return topIndex_; }
    void SetTopIndex(int index);
    // The row height: the font's line height for lbStandard, the value set for owner-draw styles.
    int ItemHeight() const;
    void SetItemHeight(int value);
    // Letters typed find the item they begin (see TIncrementalSearch); on by default.
    bool AutoComplete() const { return autoComplete_; }
    void SetAutoComplete(bool value) { autoComplete_ = value; }
    TListBoxStyle Style() const { return style_; }
    void SetStyle(TListBoxStyle value);
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle value);

    // The item at a client point: with existing, -1 below the last item; otherwise the nearest index.
    int ItemAtPos(TPoint pos, bool existing) const;
    // The item's row in client coordinates (it may lie outside the client area).
    TRect ItemRect(int index) const;

    TDrawItemEvent OnDrawItem;
    TMeasureItemEvent OnMeasureItem;

    void Dispatch(TMessage& message) override;

protected:
    // Draws one row; the canvas has the list's font and the brush and font colours of the row's state.
    virtual void DrawItem(int index, const TRect& rect, TOwnerDrawState state);
    // The height of a new row of an lbOwnerDrawVariable list.
    virtual void MeasureItem(int index, int& height);
    void Paint() override;
    void CreateParams(TCreateParams& params) override;
    void DefaultHandler(TMessage& message) override;

private:
    friend class TListBoxStrings;
    struct Item
    {
        std::string text;
        TObject* object = nullptr;
        bool selected = false;
        int height = 0;
    };
    int InsertItem(int index, const std::string& text, TObject* object);
    void DeleteItem(int index);
    void CheckItemIndex(int index) const;
    void ItemsChanged();
    int RowHeight(int index) const;
    // Rows fitting in the client area from first on (at least one).
    int RowsFitting(int first) const;
    int MaxTopIndex() const;
    void MakeVisible(int index);
    void UpdateScrollBar();
    void ScrollMessage(unsigned code);
    // Moves the focus to index as a key or click does, selecting by the shift state; true when the
    // selection changed.
    bool MoveCaret(int index, TShiftState shift, bool toggle);
    bool SelectOnly(int index);
    void KeyMove(uint16_t key, TShiftState shift);
    void TypeAhead(char32_t ch);
    void NotifySelChange();

    std::unique_ptr<TListBoxStrings> strings_;
    std::vector<Item> items_;
    TIncrementalSearch search_;
    bool autoComplete_ = true;
    int caret_ = -1;
    int anchor_ = -1;
    int topIndex_ = 0;
    int itemHeight_ = 16;
    bool multiSelect_ = false;
    bool extendedSelect_ = true;
    bool sorted_ = false;
    TListBoxStyle style_ = lbStandard;
    TBorderStyle borderStyle_ = bsSingle;
    int updateCount_ = 0;
    bool updatingBar_ = false;
};

class TListBox : public TCustomListBox
{
public:
    using TCustomListBox::TCustomListBox;
};
